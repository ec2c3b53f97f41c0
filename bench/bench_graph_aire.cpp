// Full-window scan of an area of two inequations on a 600 x 400 plot, and the composition of
// the area layer.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "expression/etat.h"
#include "graph/aires/GCAire.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"

namespace {

struct Scene {
    GCRepere repere{false, 600, 400};
    std::shared_ptr<GCAire> aire = std::make_shared<GCAire>(1, 1);
    GCListAires liste{1};

    explicit Scene(const QStringList& contraintes, int largeur = 600, int hauteur = 400)
    {
        reinitialiseGraphe();
        repere.SetRectangle(QPoint(0, 0), largeur, hauteur);
        ListeIneq relations;
        AnalyseInequations(contraintes, relations);
        aire->FixeContraintes(contraintes);
        aire->FixeInequations(relations);
        liste.Ajoute(aire);
    }
};

// range(0): the most threads (1, or 8: as many as the processor has, up to 8); range(1):
// the plot's width (its height two thirds of it). The process's CPU time counts every thread.
void ScanDeuxInequations(benchmark::State& state)
{
    const int largeur = int(state.range(1));
    Scene s({QStringLiteral("x^2+y^2<=16"), QStringLiteral("y>=sin(2*x)")}, largeur, largeur * 2 / 3);
    FilsBalayageMax() = int(state.range(0));
    for (auto _ : state) {
        s.aire->Calcule(s.repere);
        benchmark::DoNotOptimize(s.aire->NbPixels());
    }
    FilsBalayageMax() = 8;
    state.counters["pixels"] = s.aire->NbPixels();
}
BENCHMARK(ScanDeuxInequations)
    ->ArgNames({"fils", "largeur"})
    ->ArgsProduct({{1, 8}, {300, 600, 1200}})
    ->MeasureProcessCPUTime()
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// The same in polar coordinates: every pixel on its own.
void ScanPolaire(benchmark::State& state)
{
    Scene s({QStringLiteral("y<=2+cos(3*x)")});
    s.aire->FixePolaire(true);
    for (auto _ : state) {
        s.aire->Calcule(s.repere);
        benchmark::DoNotOptimize(s.aire->NbPixels());
    }
}
BENCHMARK(ScanPolaire)->UseRealTime()->Unit(benchmark::kMillisecond);

void ScanCourbeMince(benchmark::State& state)
{
    // Both relations fail often on their first sample: the neighbouring samples are run.
    Scene s({QStringLiteral("y>=x^2/4-3"), QStringLiteral("y<=x^2/4-3")});
    for (auto _ : state) {
        s.aire->Calcule(s.repere);
        benchmark::DoNotOptimize(s.aire->NbPixels());
    }
}
BENCHMARK(ScanCourbeMince)->UseRealTime()->Unit(benchmark::kMillisecond);

void Composition(benchmark::State& state)
{
    Scene s({QStringLiteral("x^2+y^2<=16"), QStringLiteral("y>=sin(2*x)")});
    s.aire->FixeStyleRemplissage(4);
    s.aire->Calcule(s.repere);
    QImage image;
    for (auto _ : state) {
        s.liste.Dessine(image, QSize(600, 400), 0xFFFFFF);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(Composition)->Unit(benchmark::kMillisecond);

}  // namespace

#include "principal_qt.h"
