// Implicit curves on a 600 x 400 frame: the scan of horizontal lines (points) and the
// followed paths (joined), point cache included; and a conic through its child.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCI.h"
#include "graph/repere/GCRepere.h"

namespace {

const char* const Formules[] = {"x^2+y^2-25", "x*y-1", "sin(x)*sin(y)-0.5", "(x^2+y^2)^2-8*(x^2-y^2)"};

// Traces the curve again and again on a 600 x 400 frame.
void mesure(benchmark::State& state, GCI& c)
{
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        c.Trace(peintre, repere);
    }
}

// range(0): the formula; range(1): joined or not.
void BM_CourbeImplicite(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCI c(QLatin1Char('I'), 0, 1, 1);
    c.CompileLibelle1(QString::fromLatin1(Formules[state.range(0)]));
    c.Joint = state.range(1) != 0;
    mesure(state, c);
    state.SetLabel(Formules[state.range(0)]);
}
BENCHMARK(BM_CourbeImplicite)->ArgsProduct({{0, 1, 2, 3}, {0, 1}})->Unit(benchmark::kMillisecond);

// The ellipse x² + xy + 2y² - x - 6 = 0 through its parametric child.
void BM_Conique(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCI c(QLatin1Char('I'), 2, 1, 1);
    c.FixeCoefficients({"1", "1", "2", "-1", "0", "-6"});
    mesure(state, c);
}
BENCHMARK(BM_Conique)->Unit(benchmark::kMillisecond);

}  // namespace

#include "principal_qt.h"
