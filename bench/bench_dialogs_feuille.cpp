// A paste into the sample-value sheet (Ctrl+V): a block of numbers and formulas of the
// given rows x columns, from the second row and column of a fresh sheet of 23 x 6, the
// sheet growing to hold it and every cell computed.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QClipboard>
#include <QStringList>

#include "dialogs/voirechant.h"

namespace {

void BM_Collage(benchmark::State& state)
{
    const int lignes = int(state.range(0)), colonnes = int(state.range(1));
    QStringList texte;
    for (int l = 0; l < lignes; ++l) {
        QStringList cellules;
        for (int c = 0; c < colonnes; ++c)
            cellules << (c % 2 == 0 ? QString::number(l * colonnes + c) : QStringLiteral("=%1%2*2").arg(NomColonne(c)).arg(l + 2));
        texte << cellules.join(QLatin1Char('\t'));
    }
    FeuilleValeurs v;
    v.x = {1, 2, 3};
    v.y = {4, 5, 6};
    for (auto _ : state) {
        state.PauseTiming();
        TEchant e({v});
        e.feuille()->setCurrentCell(1, 1);
        QApplication::clipboard()->setText(texte.join(QLatin1Char('\n')));
        state.ResumeTiming();
        e.colle();
        benchmark::DoNotOptimize(e.feuille()->rowCount());
    }
}
BENCHMARK(BM_Collage)->Args({30, 30})->Args({1000, 2})->Args({10, 200})->Unit(benchmark::kMillisecond);

}  // namespace

#define APPLICATION_BENCH QApplication
#include "principal_qt.h"
