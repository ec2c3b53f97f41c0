// The curves derived from one mother, traced again as a repaint traces them: one trace of
// the derived curve from the cache of a mother of 1001 samples (y = sin(x) + noise over
// [-5, 5] by 0.01), for one code of each family. range(0): the code; range(1): 1 when the
// mother's abscissae run backwards (the Gaussian kernel then scans every record for each
// point instead of the records within the bandwidth).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <map>
#include <memory>

#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/repere/GCRepere.h"

namespace {

void BM_OperationUneCourbe(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    GCDessin dessin;
    const int code = int(state.range(0));
    // Codes 14 and 26 on a parametric ellipse, the others on the noisy sine.
    const bool ellipse = code == 14 || code == 26;
    auto mere = std::make_shared<GCY>(QLatin1Char(ellipse ? 'T' : 'Y'), 1, nouveauNumero());
    mere->FixeLibelles(ellipse ? QStringLiteral("2*cos(t)") : QStringLiteral("sin(x)+(rd-0.5)/5"),
                       ellipse ? QStringLiteral("sin(t)") : QString());
    mere->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.01"));
    mere->NouvelIdentifiant();
    dessin.AjouteCourbe(mere);
    {
        QPainter peintre(&image);
        mere->Trace(peintre, repere);
    }
    if (state.range(1)) {
        auto p = LitFichierPoints(mere->FichierPoints).points;
        std::reverse(p.begin(), p.end());
        EcritFichierPoints(mere->FichierPoints, p);
    }
    const std::map<int, std::array<QString, 6>> parametres = {
        {8, {"0", "2", "-5", "5", "2", "0"}},  {59, {"0.25", "0", "0", "0", "0", "0"}},
        {12, {"9", "0", "0", "0", "0", "0"}}, {13, {"9", "0", "0", "0", "0", "0"}},
        {44, {"1", "0.1", "1", "0", "0", "0"}}, {10, {"5", "1", "0", "0", "0", "0"}},
        {14, {"0", "0", "0", "0", "0", "0"}},  {26, {"0", "0", "30", "0", "0", "0"}},
        {38, {"0.5", "5", "0.05", "0", "0", "0"}}, {41, {"-2", "2", "0.1", "0", "1", ""}},
        {53, {"0", "0", "0", "0", "0", "0"}},  {34, {"-5", "5", "1024", "0", "2", "1"}},
    };
    auto d = std::make_shared<GCOperUnaire>(LettreOperation(code), code, 1, nouveauNumero());
    d->NouvelIdentifiant();
    d->CopieMere(*mere);
    d->FixeParametres(parametres.at(code));
    d->FixeBornes(code == 38 ? QStringLiteral("0.5") : QStringLiteral("-5"), QStringLiteral("5"),
                  code == 38 ? QStringLiteral("0.05") : QStringLiteral("0.01"));
    dessin.AjouteCourbe(d);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        d->Trace(peintre, repere);
    }
}
BENCHMARK(BM_OperationUneCourbe)
    ->ArgNames({"code", "aRebours"})
    ->ArgsProduct({{8, 59, 12, 13, 10, 14, 26, 38, 41, 53, 34}, {0}})
    ->Args({44, 0})
    ->Args({44, 1})
    ->Unit(benchmark::kMillisecond);

}  // namespace

#include "principal_qt.h"
