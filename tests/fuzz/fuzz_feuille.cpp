// couche: dialogs
// dictionnaires: formule
// Any text pasted into the sample-value sheet (Ctrl+V at its second row and column): tabs to
// the next column, lines to the next row, every formula computed. A formula cell shows the
// error exactly when its value cannot be had, and a finite value otherwise; the X and Y
// columns and the saved selection are read as the sheet's buttons read them.
#include <QApplication>
#include <QClipboard>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "commun_fuzz.h"
#include "dialogs/voirechant.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QApplication* application = ApplicationFuzz<QApplication>("fuzz_feuille");
    (void)application;
    // One sheet for the whole run, put back to its first state after each input, so that
    // what an input allocates is freed within it (leak detection counts on that).
    static const FeuilleValeurs valeurs = [] {
        FeuilleValeurs v;
        v.x = {1, 2, 3};
        v.y = {4, -5, 6.5};
        return v;
    }();
    static TEchant e({valeurs});
    FeuilleCalcul* f = e.feuille();
    const auto remetEnPlace = [f] {
        f->clearContents();
        f->setRowCount(int(valeurs.x.size()) + 20);
        f->setColumnCount(6);
        for (int l = 0; l < int(valeurs.x.size()); ++l) {
            f->fixeSansCalcul(l, 0, QString::number(valeurs.x[std::size_t(l)]));
            f->fixeSansCalcul(l, 1, QString::number(valeurs.y[std::size_t(l)]));
        }
        f->setCurrentCell(1, 1);
    };
    static const bool enPlace = (remetEnPlace(), true);
    (void)enPlace;
    QApplication::clipboard()->setText(QString::fromUtf8(reinterpret_cast<const char*>(donnees), qsizetype(taille)));
    e.colle();

    for (int l = 0; l < f->rowCount(); ++l)
        for (int c = 0; c < f->columnCount(); ++c) {
            if (!f->formule(l, c).trimmed().startsWith(QLatin1Char('=')))
                continue;
            double v = 0;
            const bool ok = f->valeur(l, c, v);
            if (ok != (f->texte(l, c) != QLatin1String("#ERREUR")) || (ok && !std::isfinite(v)))
                std::abort();
        }
    std::vector<double> x, y;
    e.colonnesXY(x, y);
    if (x.size() != y.size())
        std::abort();
    f->selectAll();
    if (e.lignesSelection().size() != f->rowCount())
        std::abort();
    remetEnPlace();
    // What the sheet posted (repaints, layout) is handled now, as the event loop would: left
    // in the queue it would grow from input to input.
    QApplication::sendPostedEvents();
    return 0;
}
