// Julia and Mandelbrot sets of the classic quadratic map typed as formulas, 100 iterations,
// on every core and on one thread, on plots from 300 x 200 to 1200 x 800; the same Mandelbrot
// picture by a loop written here for that map alone (what the formulas are measured
// against); the image of a Julia set by a rotation.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include "expression/etat.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/aires/GCTrAire.h"
#include "graph/aires/balayage.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"

namespace {

struct Scene {
    GCRepere repere{false, 600, 400};
    GCListAires liste{1};
    std::shared_ptr<GCProcDyn> aire;

    explicit Scene(QChar lettre, int largeur = 600)
    {
        reinitialiseCalcul();
        reinitialiseGraphe();
        etatGraphe().aires = {&liste};
        repere.SetRectangle(QPoint(0, 0), largeur, largeur * 2 / 3);
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
    Scene s(lettre, int(state.range(1)));
    FilsBalayageMax() = int(state.range(0));
    for (auto _ : state) {
        s.aire->Calcule(s.repere);
        benchmark::DoNotOptimize(s.aire->Bitmap().constBits());
    }
    FilsBalayageMax() = 8;
}

void Mandelbrot(benchmark::State& state) { Ensemble(state, QLatin1Char('M')); }
void Julia(benchmark::State& state) { Ensemble(state, QLatin1Char('J')); }
// Arguments: threads at most, width of the plot.
BENCHMARK(Mandelbrot)
    ->ArgNames({"fils", "largeur"})
    ->ArgsProduct({{8, 1}, {300, 600, 1200}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();
BENCHMARK(Julia)
    ->ArgNames({"fils", "largeur"})
    ->ArgsProduct({{8, 1}, {600}})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The Mandelbrot picture of the 600 x 400 plot on one thread, its iteration written here:
// the same pixels, world points, counts and colours.
void MandelbrotNatif(benchmark::State& state)
{
    Scene s(QLatin1Char('M'));
    const GrillePixels grille(s.repere);
    QImage image(grille.tailleBitmap(), QImage::Format_ARGB32);
    image.fill(0);
    const Palette& palette = s.aire->Couleurs();
    for (auto _ : state) {
        for (int r = grille.r0; r <= grille.r1; ++r) {
            auto* pixels = reinterpret_cast<QRgb*>(image.scanLine(r));
            for (int c = grille.c0; c <= grille.c1; ++c) {
                double a, b;
                grille.monde(c, r, a, b);
                double x = 0, y = 0, m = 0;
                int n = 0;
                while (m <= 4 && n < 100) {
                    const double xs = x * x - y * y + a, ys = 2 * x * y + b;
                    m = xs * xs + ys * ys;
                    ++n;
                    x = xs;
                    y = ys;
                }
                const TCouleur k = palette[std::size_t(m > 4 ? n % NbCouleursPalette : 0)];
                pixels[c] = qRgb(int(k & 0xFF), int((k >> 8) & 0xFF), int((k >> 16) & 0xFF));
            }
        }
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(MandelbrotNatif)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();

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
