// A whole repaint of a graph window, as the paint box runs it: the frame sized, the
// auxiliary functions compiled, the background, ten ordinary curves traced again with their
// point caches, a few texts, on a 600 x 400 window (offscreen platform). Then the mouse on
// that window: one move of a drag of the axes with the paint it brings (the frame moved,
// so the curves are traced again), and one move of a zoom rectangle (the last rendering
// shown again under the rectangle, nothing traced).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <memory>

#include "expression/etat.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "window/fenetre.h"

namespace {

void RemplitFenetre(TForm1& f)
{
    const char* formules[10] = {"sin(x)",      "cos(x)*2", "x^2/5-3",     "exp(x/3)-2", "ln(x+6)",
                                "1/(1+x^2)*4", "abs(x)-2", "sqrt(x+5)-1", "tan(x/4)",   "x^3/30"};
    for (int i = 0; i < 10; ++i) {
        auto c = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
        c->FixeLibelles(QString::fromLatin1(formules[i]), QString());
        c->Couleur = RVB(20 * i, 0, 200 - 20 * i);
        c->Pas = QStringLiteral("0.01");
        f.Dessin().AjouteCourbe(c);
    }
    for (int i = 0; i < 3; ++i) {
        auto t = std::make_unique<GCTexte>(i + 1, QString::number(i - 3), QStringLiteral("4"), true, Police());
        t->SetTexte(QStringLiteral("Texte n°%1").arg(i + 1));
        f.Textes().AjouteTexte(std::move(t));
    }
    f.FonctionsAux()[0] = QStringLiteral("x^2");
}

void BM_RepeintFenetre(benchmark::State& state)
{
    reinitialiseFenetres();
    reglagesFenetres().LargeurFenetre = 600;
    reglagesFenetres().HauteurFenetre = 400;
    TForm1 f(1);
    RemplitFenetre(f);
    QImage image(600, 400, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter p(&image);
        f.PaintBoxPaint(p);
    }
}
BENCHMARK(BM_RepeintFenetre)->Unit(benchmark::kMillisecond);

void souris(QWidget* w, QEvent::Type type, QPoint p, Qt::MouseButtons boutons, Qt::KeyboardModifiers touches = {})
{
    const Qt::MouseButton bouton = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent e(type, QPointF(p), w->mapToGlobal(QPointF(p)), bouton, boutons, touches);
    QApplication::sendEvent(w, &e);
}

// state.range(0): 1 the axes dragged with Shift, 0 a zoom rectangle.
void BM_GlisseSouris(benchmark::State& state)
{
    reinitialiseFenetres();
    reglagesFenetres().LargeurFenetre = 600;
    reglagesFenetres().HauteurFenetre = 400;
    TForm1 f(1);
    RemplitFenetre(f);
    f.show();
    QApplication::processEvents();
    QWidget* boite = f.PaintBox();
    boite->repaint();
    const bool axes = state.range(0) == 1;
    const QPoint depart = axes ? f.Repere().MondeVersPixel(0, -4.5) : f.Repere().MondeVersPixel(-2, 2);
    souris(boite, QEvent::MouseButtonPress, depart, Qt::LeftButton, Qt::ShiftModifier);
    int i = 0;
    const int avant = f.nombrePeintures();
    for (auto _ : state) {
        // Back and forth over 40 pixels, so that the frame stays where the curves are.
        const int k = i++ % 40;
        souris(boite, QEvent::MouseMove, depart + QPoint(k < 20 ? k : 40 - k, k < 20 ? k / 2 : 20 - k / 2),
               Qt::LeftButton, Qt::ShiftModifier);
        boite->repaint();
    }
    state.counters["traces"] = double(f.nombrePeintures() - avant) / double(std::max(i, 1));
    souris(boite, QEvent::MouseButtonRelease, depart, Qt::NoButton, Qt::ShiftModifier);
}
BENCHMARK(BM_GlisseSouris)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

}  // namespace

#define APPLICATION_BENCH QApplication
#include "principal_qt.h"
