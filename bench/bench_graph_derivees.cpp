// Derived curves in a repaint: a 600 x 400 frame with y = sin(x) over 1000 points, alone
// and followed by a chain of derived curves, each made from the one before (the opposite,
// the absolute value, the multiple, the clipping, the reversal), each reading its mother's
// point cache and writing its own. Then two mothers of 1001 points alone, and with a curve
// made from both (a sum, a composition, a fusion, an intersection).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <memory>

#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/repere/GCRepere.h"

namespace {

// range(0): the number of derived curves after the mother (0 to 5).
void BM_RepeintMereEtChaine(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    GCDessin dessin;
    auto mere = std::make_shared<GCY>('Y', 1, 1);
    mere->FixeLibelles(QStringLiteral("sin(x)"), QString());
    mere->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.01"));
    mere->NouvelIdentifiant();
    mere->Couleur = mere->Marqueur.Couleur = RVB(200, 0, 0);
    dessin.AjouteCourbe(mere);
    const int codes[5] = {0, 3, 7, 6, 18};
    const GCCourbe* precedente = mere.get();
    for (int k = 0; k < state.range(0); ++k) {
        auto d = std::make_shared<GCOperUnaire>(LettreOperation(codes[k]), codes[k], 1, 2 + k);
        d->NouvelIdentifiant();
        d->CopieMere(*precedente);
        d->FixeParametres({QStringLiteral("0.5"), QStringLiteral("-0.5"), QStringLiteral("0"), QStringLiteral("0"),
                           QStringLiteral("0"), QStringLiteral("0")});
        d->Couleur = d->Marqueur.Couleur = RVB(0, 40 * k, 200);
        dessin.AjouteCourbe(d);
        precedente = d.get();
    }
    for (auto _ : state) {
        image.fill(Qt::white);
        repere.VideCellules();
        QPainter peintre(&image);
        dessin.Dessine(peintre, repere);
    }
}
BENCHMARK(BM_RepeintMereEtChaine)->Arg(0)->Arg(5)->ArgName("derivees")->Unit(benchmark::kMillisecond);

// range(0): the code of the curve made from both mothers, -1 for none.
void BM_RepeintDeuxMeres(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    GCDessin dessin;
    std::shared_ptr<GCY> meres[2];
    for (int k = 0; k < 2; ++k) {
        meres[k] = std::make_shared<GCY>('Y', 1, 1 + k);
        meres[k]->FixeLibelles(k ? QStringLiteral("x/2") : QStringLiteral("sin(x)"), QString());
        meres[k]->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.01"));
        meres[k]->NouvelIdentifiant();
        dessin.AjouteCourbe(meres[k]);
    }
    if (state.range(0) >= 0) {
        auto o = std::make_shared<GCOperBinaire>(int(state.range(0)), 1, 3);
        o->NouvelIdentifiant();
        o->Libelle(*meres[0], *meres[1]);
        o->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.01"));
        if (state.range(0) == 9)
            o->FixeParametres({QStringLiteral("2"), QStringLiteral("1"), QString()});
        dessin.AjouteCourbe(o);
    }
    for (auto _ : state) {
        image.fill(Qt::white);
        repere.VideCellules();
        QPainter peintre(&image);
        dessin.Dessine(peintre, repere);
    }
}
BENCHMARK(BM_RepeintDeuxMeres)->Arg(-1)->Arg(0)->Arg(4)->Arg(9)->Arg(11)->ArgName("code")->Unit(benchmark::kMillisecond);

}  // namespace

#include "principal_qt.h"
