// Tracing speed: points of y=f(x) traced per second into a QImage with the point cache
// written, the curve part of a repaint (a 600 x 400 frame with ten ordinary curves), a
// differential equation of order 2 integrated over 10^4 steps, the curves of data files
// and plates, and the measure of plates.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/GCaides.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCE.h"
#include "graph/courbes/GCN.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

std::shared_ptr<GCY> creeCourbe(const QString& formule, int numero, TCouleur couleur, bool marqueurUni)
{
    auto c = std::make_shared<GCY>('Y', 1, numero);
    c->FixeLibelles(formule, QString());
    c->Couleur = couleur;
    if (marqueurUni)
        c->Marqueur.Couleur = couleur;
    return c;
}

// Points per second of one curve, with the step of the argument (points over [-5, 5]);
// range(2): the formula, 3*sin(2*x)+x/5 or sin(x)*x.
void BM_PointsParSeconde(benchmark::State& state)
{
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    auto c = creeCourbe(state.range(2) ? QStringLiteral("sin(x)*x") : QStringLiteral("3*sin(2*x)+x/5"), 1,
                        RVB(200, 0, 0), state.range(1) != 0);
    const double pas = 10.0 / double(state.range(0));
    c->Pas = QString::number(pas, 'g', 17);
    long long points = 0;
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        c->Trace(peintre, repere);
        points += state.range(0) + 1;
    }
    state.SetItemsProcessed(points);
}
BENCHMARK(BM_PointsParSeconde)
    ->Args({100000, 1, 0})
    ->Args({100000, 0, 0})
    ->Args({100000, 1, 1})
    ->ArgNames({"points", "marqueurUni", "sinxx"})
    ->Unit(benchmark::kMillisecond);

// The cost per point of long traces, which should not grow with their length: range(0) 0,
// y=sin(x)*x over [-5, 5]; 1, the sequence Un=sin(n*w)*n with w = 10/points (the same
// picture at every length); range(1) the number of points
// (the curves are capped at 10^6 points, the sequences at 10^7 terms). The point cache is
// written at every trace, as a repaint does.
void BM_TraceLongue(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    const long long nombre = state.range(1);
    PtrCourbe c;
    if (state.range(0) == 0) {
        auto y = creeCourbe(QStringLiteral("sin(x)*x"), 1, RVB(200, 0, 0), true);
        // One step fewer than the points: the first point is Xinf, the last Xsup.
        y->Pas = QString::number(10.0 / double(nombre - 1), 'g', 17);
        c = y;
    } else {
        auto n = std::make_shared<GCN>(QLatin1Char('N'), 1, 1, 1);
        n->FixeLibelles(QStringLiteral("n"),
                        QStringLiteral("sin(n*%1)*n").arg(QString::number(10.0 / double(nombre), 'g', 17)));
        n->FixeConditions(QString::number(nombre), QStringLiteral("0"), QStringLiteral("0"));
        n->FixeIterationsVisibles(QStringLiteral("0"), QString::number(nombre - 1));
        n->Couleur = RVB(200, 0, 0);
        n->Marqueur.Couleur = n->Couleur;
        c = n;
    }
    if (state.range(0) == 1) {
        // The terms over the whole plot: n in [0, nombre], sin(n*w)*n within +-nombre.
        const QString n = QString::number(nombre);
        repere.FixeBornes("0", n, EchelleArith, "0", n, n, "-" + n, n, EchelleArith, "0", n, n);
    }
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        c->Trace(peintre, repere);
    }
    state.SetItemsProcessed(state.iterations() * nombre);
    state.counters["ns_par_point"] = benchmark::Counter(
        double(nombre) * 1e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_TraceLongue)
    ->Args({0, 100000})
    ->Args({0, 1000000})
    ->Args({1, 100000})
    ->Args({1, 1000000})
    ->Args({1, 10000000})
    ->ArgNames({"suite", "points"})
    ->Unit(benchmark::kMillisecond);

// The evaluations of a trace right after the toolkit has drawn (a QImage filled): the
// nanoseconds per point with the vector registers left as the toolkit leaves them (0) and
// cleared first as the tracer does (1). The same loop in a process without the toolkit:
// bench_expression_comparaison, Virk/0 and VirkLot/0.
void BM_EvaluationsApresDessin(benchmark::State& state)
{
    reinitialiseCalcul();
    Arbre arbre;
    CompileExpr("sin(x)*x", arbre);
    QImage image(620, 420, QImage::Format_RGB32);
    std::vector<double> x(1024), y(1024);
    std::vector<std::uint8_t> echec(1024);
    for (int i = 0; i < 1024; ++i)
        x[i] = -5 + 10.0 * i / 1024;
    double somme = 0;
    for (auto _ : state) {
        state.PauseTiming();
        image.fill(Qt::white);
        state.ResumeTiming();
        if (state.range(0))
            LibereRegistresVectoriels();
        if (state.range(1)) {
            EvalueArbreLot(arbre, x.data(), y.data(), echec.data(), 1024);
            somme += y[100];
        } else {
            for (double v : x)
                somme += EvalueArbre(arbre, v);
        }
    }
    benchmark::DoNotOptimize(somme);
    state.counters["ns_par_point"] =
        benchmark::Counter(1024e-9, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_EvaluationsApresDessin)->ArgNames({"efface", "lot"})->ArgsProduct({{0, 1}, {0, 1}});

// A follower of long computations that lets everything run, as the window's does for a
// paint that has not spent its time.
struct SuiviPassif : SuiviCalcul {
    bool continuer(int, int) override { return true; }
    bool continuerTrace(const QString&, long long) override { return true; }
};

// The curve part of a repaint: ten ordinary curves on a 600 x 400 frame, each traced again
// with its point cache rewritten. range(0): the step; range(1): markers in the curves'
// colours (drawn in batches) or the default black ones (drawn point by point); range(2): a
// follower of long computations in place, as in the window's paints.
void BM_Repeint10Courbes(benchmark::State& state)
{
    reinitialiseGraphe();
    SuiviPassif suivi;
    if (state.range(2))
        etatGraphe().suivi = &suivi;
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    const char* formules[10] = {"sin(x)",       "cos(x)*2",   "x^2/5-3",      "exp(x/3)-2",  "ln(x+6)",
                                "1/(1+x^2)*4", "abs(x)-2",   "sqrt(x+5)-1",  "tan(x/4)",   "x^3/30"};
    std::vector<std::shared_ptr<GCY>> courbes;
    for (int i = 0; i < 10; ++i) {
        auto c = creeCourbe(QString::fromLatin1(formules[i]), i + 1, RVB(25 * i, 100, 250 - 20 * i), state.range(1) != 0);
        c->Pas = state.range(0) == 0 ? QStringLiteral("0.125") : QStringLiteral("0.01");
        courbes.push_back(c);
    }
    for (auto _ : state) {
        image.fill(Qt::white);
        repere.VideCellules();
        QPainter peintre(&image);
        for (auto& c : courbes)
            c->Trace(peintre, repere);
    }
    etatGraphe().suivi = nullptr;
}
BENCHMARK(BM_Repeint10Courbes)
    ->Args({0, 1, 0})
    ->Args({0, 0, 0})
    ->Args({1, 1, 0})
    ->Args({1, 0, 0})
    ->Args({0, 1, 1})
    ->Args({1, 1, 1})
    ->ArgNames({"pas001", "marqueurUni", "suivi"})
    ->Unit(benchmark::kMillisecond);

// y'' = -y from y(0) = 0, y'(0) = 1 over range(0) steps of 0.125 (four evaluations each),
// traced with its point cache.
void BM_EquationOrdre2(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    GCE e('E', 2, 1, 1);
    e.CompileLibelle1(QStringLiteral("-y"));
    e.FixeBornes(QStringLiteral("0"), QString::number(0.125 * double(state.range(0))), QStringLiteral("0.125"));
    std::array<QString, 11> conditions;
    conditions.fill(QStringLiteral("0"));
    conditions[2] = QStringLiteral("1");
    e.FixeConditionsInitiales(conditions);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        e.Trace(peintre, repere);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_EquationOrdre2)->Arg(10000)->Unit(benchmark::kMillisecond);

// What a repaint costs for the curves of data files: range(0) 0: a list of 1000 points
// read from its file; 1: a polygonal plate over a 81-point curve, with the copy of its
// window-sized bitmap; 2: a Bézier curve of 20 control points with 1000 samples.
void BM_DonneesEtPlaque(benchmark::State& state)
{
    reinitialiseCalcul();
    reinitialiseGraphe();
    GCRepere repere(true, 600, 400);
    QImage image(620, 420, QImage::Format_RGB32);
    GCDessin dessin;
    auto mere = creeCourbe(QStringLiteral("sin(x)*3"), 1, RVB(0, 0, 255), true);
    mere->NouvelIdentifiant();
    dessin.AjouteCourbe(mere);
    QStringList lignes;
    for (int i = 0; i < 1000; ++i)
        lignes << QStringLiteral("%1;%2").arg(-5 + i * 0.01).arg(std::sin(i * 0.01) * 4);
    const QString chemin = QDir(dossierTravail()).filePath(QStringLiteral("liste.txt"));
    QStringList controle;
    for (int i = 0; i < 1000; i += 50)
        controle << lignes[i];
    EcritFichierTexte(chemin, state.range(0) == 2 ? controle : lignes);
    PtrCourbe c = CreeCourbe(QLatin1Char("LAB"[state.range(0)]), 1, 2);
    c->Libelle1 = chemin;
    if (auto* a = dynamic_cast<GCA*>(c.get()))
        a->FixeMere(*mere);
    if (auto* b = dynamic_cast<GCC*>(c.get()))
        b->PasC = QStringLiteral("0.001");
    dessin.AjouteCourbe(c);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter peintre(&image);
        for (const PtrCourbe& k : dessin.Courbes)
            k->Trace(peintre, repere);
    }
}
BENCHMARK(BM_DonneesEtPlaque)->ArgName("genre")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The measure of a plate of range(0) vertices: range(1) 0: a simple one (a sine arch over
// [0, pi] closed on the axis); 1: one that crosses the axis 32 times (a sine over [0, 32 pi]);
// 2: a Lissajous figure (sin 3t, sin 4t) that crosses itself 17 times.
void BM_MesurePlaque(benchmark::State& state)
{
    const int n = int(state.range(0));
    std::vector<QPointF> p;
    for (int k = 0; k <= n; ++k) {
        const double t = double(k) / n;
        switch (state.range(1)) {
        case 0: p.emplace_back(M_PI * t, std::sin(M_PI * t)); break;
        case 1: p.emplace_back(32 * M_PI * t, std::sin(32 * M_PI * t)); break;
        default: p.emplace_back(std::sin(6 * M_PI * t), std::sin(8 * M_PI * t)); break;
        }
    }
    if (state.range(1) < 2) {
        p.emplace_back(p.back().x(), 0);
        p.insert(p.begin(), QPointF(0, 0));
    }
    p.push_back(p.front());
    for (auto _ : state)
        benchmark::DoNotOptimize(AirePolygone(p));
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_MesurePlaque)->ArgNames({"sommets", "forme"})->ArgsProduct({{1000, 100000}, {0, 1, 2}})->Unit(benchmark::kMillisecond);

}  // namespace

#include "principal_qt.h"
