// Julia and Mandelbrot sets of the classic quadratic map on a 600 x 400 plot, 100 iterations,
// on every core and on one thread, and the image of a Julia set by a rotation.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "expression/etat.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/aires/GCTrAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"

namespace {

struct Scene {
    GCRepere repere{false, 600, 400};
    GCListAires liste{1};
    std::shared_ptr<GCProcDyn> aire;

    explicit Scene(QChar lettre)
    {
        reinitialiseCalcul();
        reinitialiseGraphe();
        etatGraphe().aires = {&liste};
        repere.SetRectangle(QPoint(0, 0), 600, 400);
        if (lettre == QLatin1Char('M'))
            repere.FixeBornes("-2.5", "1", 0, "-2.5", "0", "1", "-1.2", "1.2", 0, "-1.2", "0", "1");
        else
            repere.FixeBornes("-1.8", "1.8", 0, "-1.8", "0", "1", "-1.2", "1.2", 0, "-1.2", "0", "1");
        aire = std::make_shared<GCProcDyn>(1, lettre, 1);
        aire->FixeContraintes({QStringLiteral("x^2-y^2+a"), QStringLiteral("2*x*y+b")});
        aire->FixeSeuil(QStringLiteral("4"));
        aire->FixeIterationsMax(100);
        aire->FixeCouleurs(PaletteParDefaut());
        aire->FixeEmpreinte(QStringLiteral("1 01/01/2026 00:00:00"));
        if (lettre == QLatin1Char('J')) {
            aire->FixeParametre(0, QStringLiteral("-0.8"));
            aire->FixeParametre(1, QStringLiteral("0.156"));
        }
        liste.Ajoute(aire);
    }
    ~Scene() { etatGraphe().aires.clear(); }
};

void Ensemble(benchmark::State& state, QChar lettre)
{
    Scene s(lettre);
    FilsBalayageMax() = int(state.range(0));
    for (auto _ : state) {
        s.aire->Calcule(s.repere);
        benchmark::DoNotOptimize(s.aire->Bitmap().constBits());
    }
    FilsBalayageMax() = 8;
}

void Mandelbrot(benchmark::State& state) { Ensemble(state, QLatin1Char('M')); }
void Julia(benchmark::State& state) { Ensemble(state, QLatin1Char('J')); }
// Argument: threads at most.
BENCHMARK(Mandelbrot)->Arg(8)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
BENCHMARK(Julia)->Arg(8)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

void JuliaTournee(benchmark::State& state)
{
    Scene s(QLatin1Char('J'));
    auto image = std::make_shared<GCTrAire>(QLatin1Char('P'), 26, 1, 2);
    image->FixeNomMere(s.aire->Empreinte());
    image->FixeCoefficients({QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("30"), QStringLiteral("0"),
                             QStringLiteral("0"), QStringLiteral("0")});
    s.liste.Ajoute(image);
    for (auto _ : state) {
        image->Calcule(s.repere);
        benchmark::DoNotOptimize(image->Bitmap().constBits());
    }
}
BENCHMARK(JuliaTournee)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

}  // namespace

#include "principal_qt.h"
