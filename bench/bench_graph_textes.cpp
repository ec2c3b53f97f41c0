// Drawing and measuring long texts with markup: the time grows with the length only.
//   build/bench/bench_graph_textes
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "graph/textes/TeXGestion.h"

namespace {

void BM_LongTexteTeX(benchmark::State& etat)
{
    const int n = int(etat.range(0));
    const QString simple = QString("abcdefghij").repeated(2 * n);
    const QString balise = QString("x^{2}+\\frac{1}{n}\\vec{u}_{k} ").repeated(n);
    QFont police;
    police.setFamily(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(16);
    QImage image(600, 400, QImage::Format_RGB32);
    for (auto _ : etat) {
        QPainter p(&image);
        p.setFont(police);
        benchmark::DoNotOptimize(DessineTeX(0, 100, simple, 0, Qt::black, p));
        benchmark::DoNotOptimize(DessineTeX(0, 200, balise, 300, Qt::black, p));
        benchmark::DoNotOptimize(MesureTeX(balise, police, &image).largeur);
    }
    etat.SetComplexityN(n);
}
BENCHMARK(BM_LongTexteTeX)->RangeMultiplier(4)->Range(625, 10000)->Unit(benchmark::kMillisecond)->Complexity();

}  // namespace

#include "principal_qt.h"
