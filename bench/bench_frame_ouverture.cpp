// Opening a document of many curves through the frame, as Fichier > Ouvrir does: the
// records read, the curves callable by name registered, the links resolved, then the first
// paint of the window (offscreen). state.range(0) curves y = sin(a*x)+i, each callable by a
// name of its own; the cost per curve should not grow with their number.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include "expression/etat.h"
#include "frame/Main.h"
#include "frame/boites.h"
#include "frame/etatcadre.h"
#include "graph/base/etatgraphe.h"
#include "window/fenetre.h"

namespace {

class RepondeurMuet : public RepondeurBoites {
public:
    QMessageBox::StandardButton repond(QMessageBox::Icon, const QString&, QMessageBox::StandardButtons boutons) override
    {
        return boutons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::No;
    }
};

QByteArray Document(int n)
{
    QByteArray d;
    d += "VIRK 4.26\r\n\\Menus\\defaut.txt\r\n[10;5;3E-9;1;1;\r\n#Courbes;12;8;400;600;v;\r\n;f;\r\n";
    d += "$0;0;400;600;0;0;0;0;0;0;0;COSQ0;0;0;0;0;\r\n";
    d += "arith;-4;4;-4;1;0;v;clGray;1;0;v;clAqua;1;0;f;v;DejaVu Sans;clBlack;8;0;0;0;0;;\r\n";
    d += "DejaVu Sans;clBlack;8;0;0;0;0;x;0;\r\n";
    d += "arith;-4;4;-4;1;0;v;clGray;1;0;v;clAqua;1;0;f;v;DejaVu Sans;clBlack;8;0;0;0;0;;\r\n";
    d += "DejaVu Sans;clBlack;8;0;0;0;0;y;0;\r\nf;f;v;v;\r\n \r\n";
    for (int i = 1; i <= n; ++i) {
        d += "&Y;" + QByteArray::number(i) + "09/12/2026 01:44:03;0;\r\n-pi;pi;0.5;f;0;\r\n";
        d += "v;f;clBlack;0;1;0;f;v;3;1;clBlack;0;f;C" + QByteArray::number(i) + "\r\n";
        d += "3;0;v;0;DejaVu Sans;clBlack;8;0;0;0;0;\r\n";
        d += "sin(a*x)+" + QByteArray::number(i) + ";;fn" + QByteArray::number(i) + ";\r\n";
        d += "2;0;0;0;0;0;0;0;0;0;\r\n\r\n";
    }
    d += " \r\n \r\n";
    return d;
}

void BM_OuvreDocument(benchmark::State& state)
{
    const int n = int(state.range(0));
    QTemporaryDir programme, temp, docs;
    const QString chemin = docs.filePath(QStringLiteral("courbes.vrk"));
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly))
            state.SkipWithError("document");
        f.write(Document(n));
    }
    RepondeurMuet muet;
    double lecture = 0;   // ms spent reading (the rest is the first paint)
    for (auto _ : state) {
        state.PauseTiming();
        reinitialiseCadre();
        etatCadre().repondeur = &muet;
        OptionsCadre o;
        o.dossierProgramme = programme.path();
        o.dossierTemp = temp.path();
        auto cadre = std::make_unique<TMainForm>(o);
        cadre->show();
        QApplication::processEvents();
        state.ResumeTiming();
        QElapsedTimer chrono;
        chrono.start();
        cadre->OuvreFichiers({chemin});
        lecture += double(chrono.nsecsElapsed()) * 1e-6;
        QApplication::processEvents();
        state.PauseTiming();
        cadre.reset();
        reinitialiseCadre();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
    state.counters["lecture_ms"] = lecture / double(state.iterations());
}
BENCHMARK(BM_OuvreDocument)->Arg(1000)->Arg(3000)->Arg(10000)->Arg(30000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

#define APPLICATION_BENCH QApplication
#include "principal_qt.h"
