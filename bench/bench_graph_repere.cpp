// The frame's hot paths: world-to-pixel mapping (every traced point goes through it) and the
// drawing of a whole frame (every repaint).
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "graph/repere/GCRepere.h"

namespace {

void mapping(benchmark::State& etat, int typeX, int typeY, const char* xinf, const char* xsup)
{
    GCRepere r(true, 600, 400);
    r.FixeBornes(xinf, xsup, typeX, xinf, "0", "1", "0.5", "10", typeY, "1", "0", "1");
    double x = r.AxeX.Min, pas = (r.AxeX.Max - r.AxeX.Min) / 1000;
    long somme = 0;
    for (auto _ : etat) {
        const QPoint p = r.MondeVersPixel(x, 3.7);
        somme += p.x() + p.y();
        x += pas;
        if (x > r.AxeX.Max)
            x = r.AxeX.Min;
    }
    benchmark::DoNotOptimize(somme);
}

void BM_MondeVersPixelArith(benchmark::State& etat) { mapping(etat, EchelleArith, EchelleArith, "-5", "5"); }
void BM_MondeVersPixelLog(benchmark::State& etat) { mapping(etat, EchelleLog, EchelleLog, "0.1", "100"); }
void BM_MondeVersPixelProj(benchmark::State& etat) { mapping(etat, EchelleProj, EchelleProj, "-5", "5"); }
BENCHMARK(BM_MondeVersPixelArith);
BENCHMARK(BM_MondeVersPixelLog);
BENCHMARK(BM_MondeVersPixelProj);

void BM_DessineRepere(benchmark::State& etat)
{
    GCRepere r(true, 100, 100);
    r.AxeX.Pas2nd = "0.2";
    r.FixeTaille(600, 400);
    QImage image(600, 400, QImage::Format_RGB32);
    for (auto _ : etat) {
        image.fill(Qt::white);
        QPainter p(&image);
        benchmark::DoNotOptimize(r.Dessine(p));
    }
}
BENCHMARK(BM_DessineRepere)->Unit(benchmark::kMicrosecond);

// Frames whose steps and starts would make the graduation loops endless if they walked them
// step by step: a tiny step, starts far outside the window, bounds near 1e12.
void BM_DessineRepereAberrant(benchmark::State& etat)
{
    GCRepere r(true, 600, 400);
    r.AxeX.Pas1er = "1E-17";
    r.AxeY.Pas2nd = "1E-15";
    r.AxeX.Debut = "1E17";
    r.AxeY.Debut = "-1E300";
    QImage image(600, 400, QImage::Format_RGB32);
    for (auto _ : etat) {
        image.fill(Qt::white);
        QPainter p(&image);
        benchmark::DoNotOptimize(r.Dessine(p));
        r.FixeBornes("1E12", "1E12+10", 0, "1E12", "0", "1", "-5", "5", 0, "-5", "0", "1E-17");
        benchmark::DoNotOptimize(r.Dessine(p));
        r.FixeFenetre(-3, 3, -2, 2);
    }
}
BENCHMARK(BM_DessineRepereAberrant)->Unit(benchmark::kMicrosecond);

}  // namespace

#include "principal_qt.h"
