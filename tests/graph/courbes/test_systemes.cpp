// Differential systems, integral functions, periodised functions and series against closed
// forms: orbits at unit speed, scale-free stops, pens of the cache, integrals, periods,
// partial sums, and the refusals of their definitions.
#include <cmath>
#include <numbers>

#include "graph/courbes/GCRS.h"
#include "graph/courbes_outils.h"

namespace {

class Systemes : public CourbeTest {
protected:
    std::shared_ptr<GCRS> rs(QChar genre, const QString& f, const QString& g, const QString& b1, const QString& b2,
                             const QString& pas = "0.125", const QString& xinf = "-5", const QString& xsup = "5")
    {
        auto c = std::make_shared<GCRS>(genre, 1, ++numero_);
        c->FixeLibelles(f, g);
        c->FixeBornes(b1, b2);
        c->GCY::FixeBornes(xinf, xsup, pas);
        c->Couleur = c->Marqueur.Couleur = RVB(255, 0, 0);
        return c;
    }
    int numero_ = 0;
};

TEST_F(Systemes, TrajectoiresSuiventLeurOrbite)
{
    // x' = -y, y' = x at unit speed whatever the scale of the field (slow, tiny): 600 steps
    // back (clockwise), then 400 on, each starting at (Xo, 0) with a move.
    for (const char* k : {"-y;x;1;0.01", "-0.001*y;0.001*x;1;0.01", "-y;x;0.005;0.00005"}) {
        const QStringList c = QString(k).split(';');
        const double xo = c[2].toDouble(), h = c[3].toDouble();
        auto s = rs('H', c[0], c[1], c[2], "0", c[3], QString::number(xo - 600 * h), QString::number(xo + 400 * h));
        trace(*s);
        const auto p = points(*s);
        ASSERT_EQ(p.size(), 1002u) << k;
        for (std::size_t i = 0; i < p.size(); ++i) {
            EXPECT_NEAR(std::hypot(p[i].x, p[i].y), xo, 1e-7 * xo) << k << i;
            EXPECT_EQ(p[i].stylo, i % 601 == 0 ? StyloLeve : StyloBaisse) << i;
            if (i % 601) {
                EXPECT_NEAR(std::hypot(p[i].x - p[i - 1].x, p[i].y - p[i - 1].y), h, 1e-5 * h);
            }
        }
        EXPECT_TRUE(p[1].y < 0 && p[602].y > 0);
    }

    // Lotka-Volterra keeps x - ln x + y - ln y and closes its orbit.
    auto lv = rs('H', "x-x*y", "x*y-y", "2", "1", "0.01", "2", "12");
    trace(*lv);
    const auto p = points(*lv);
    ASSERT_EQ(p.size(), 1001u);
    double retour = 1;
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_NEAR(p[i].x - std::log(p[i].x) + p[i].y - std::log(p[i].y), 3 - std::log(2), 1e-8) << i;
        if (i > 100)
            retour = std::min(retour, std::hypot(p[i].x - 2, p[i].y - 1));
    }
    EXPECT_LT(retour, 0.01);

    // Lotka-Volterra orbits far from their equilibria run to the end of their steps,
    // however fast the field grew in the other direction, and keep their first integral
    // a x - c ln|x| + ... (one closes its cycle; the others of the grid of x < 0 flee).
    for (const char* k : {"x-x*y;x*y-y;6;1;0.01;-5;46;1;1", "x-0.5*x*y;-y+0.5*x*y;-5;5;0.05;-50;50;0.5;0.5",
                          "x-0.5*x*y;-y+0.5*x*y;-3.18;3.18;0.05;-50;50;0.5;0.5",
                          "x-0.5*x*y;-y+0.5*x*y;-2.27;2.27;0.05;-50;50;0.5;0.5",
                          "x-0.5*x*y;-y+0.5*x*y;-1.36;1.36;0.05;-50;50;0.5;0.5",
                          "x-0.5*x*y;-y+0.5*x*y;-0.45;0.45;0.05;-50;50;0.5;0.5"}) {
        const QStringList c = QString(k).split(';');
        const double xo = c[2].toDouble(), yo = c[3].toDouble(), h = c[4].toDouble();
        const double a = c[7].toDouble(), b = c[8].toDouble();
        auto s = rs('H', c[0], c[1], c[2], c[3], c[4], c[5], c[6]);
        trace(*s);
        const auto q = points(*s);
        const auto arriere = std::size_t((xo - c[5].toDouble()) / h + 1e-9);
        const auto avant = std::size_t((c[6].toDouble() - xo) / h + 1e-9);
        ASSERT_EQ(q.size(), arriere + avant + 2) << k;
        auto integrale = [&](double x, double y) {
            return a * x - std::log(std::fabs(x)) + b * y - std::log(std::fabs(y));
        };
        double boucle = 1;
        for (std::size_t i = 0; i < q.size(); ++i) {
            EXPECT_NEAR(integrale(q[i].x, q[i].y), integrale(xo, yo), 1e-5) << k << " " << i;
            if (i > arriere + 100)
                boucle = std::min(boucle, std::hypot(q[i].x - xo, q[i].y - yo));
        }
        if (xo > 0) {
            EXPECT_LT(boucle, h) << k;
        }
    }

    // Polar: theta' = 1, r' = 0 turns counter-clockwise on the unit circle.
    auto polaire = rs('H', "1", "0", "1", "0", "0.01", "1", "2");
    polaire->Aleatoire = true;
    trace(*polaire);
    EXPECT_NEAR(std::atan2(points(*polaire).back().y, points(*polaire).back().x), 1, 1e-7);

    // Towards a sink, however slow, it stops within a step of it, before a step would go past;
    // a start on an equilibrium draws it once per direction; a start beyond Xsup takes no
    // step on; a negative step none at all; 0.7 / 0.1 is 7 steps.
    for (const char* k : {"-x;-y", "-1e-6*x;-1e-6*y", "-1e6*x;-1e6*y"}) {
        const QStringList c = QString(k).split(';');
        auto puits = rs('H', c[0], c[1], "1", "0.5", "0.01", "1", "100");
        trace(*puits);
        const auto q = points(*puits);
        ASSERT_GE(q.size(), 2u) << k;
        const double r = std::hypot(q.back().x, q.back().y);
        EXPECT_TRUE(r > 0 && r < 0.01) << k << " " << r;
        EXPECT_EQ(q.size(), 1u + std::size_t(std::ceil((std::hypot(1, 0.5) - 0.01) / 0.01))) << k;
    }
    for (const char* k : {"x;0;0.125;2", "1;10;0.125;121", "1;0;-0.125;0", "1;0;0.1;8;0;0.7"}) {
        const QStringList c = QString(k).split(';');
        auto s = rs('H', c[0], "0", c[1], "0", c[2], c.value(4, "-5"), c.value(5, "5"));
        trace(*s);
        EXPECT_EQ(points(*s).size(), c[3].toULong()) << k;
    }

    // Zoomed away from its start, the arc in view is drawn, with moves and lines only.
    repere_->FixeFenetre(-1.5, 0, 0, 1.5);
    auto zoom = rs('H', "-y", "x", "1", "0", "0.01", "1", "5");
    trace(*zoom);
    for (const PointCourbe& q : points(*zoom))
        EXPECT_TRUE(q.stylo == StyloLeve || q.stylo == StyloBaisse);
    const QPoint px = repere_->MondeVersPixel(-std::sqrt(0.5), std::sqrt(0.5));
    int rouges = 0;
    for (int d = 0; d < 9; ++d)
        rouges += pixelRvb(image_, px.x() + d % 3 - 1, px.y() + d / 3 - 1) == 0xFF0000u;
    EXPECT_GE(rouges, 2);
}

TEST_F(Systemes, IntegralesPeriodesEtSeries)
{
    auto verifie = [&](GCRS& c, std::size_t nombre, double tolerance, auto attendu) {
        trace(c);
        const auto p = points(c);
        ASSERT_EQ(p.size(), nombre) << c.Libelle1.toStdString();
        for (const PointCourbe& q : p)
            EXPECT_NEAR(q.y, attendu(q.x), tolerance) << c.Libelle1.toStdString() << " " << q.x;
    };
    // The integral over [0, 1] of y cos(xy) dx is sin(y): Romberg (Tempo 0) to 1e-9,
    // Simpson on 20 intervals (Tempo 10) within its error bound.
    auto j = rs('J', "y*cos(x*y)", "", "0", "1");
    verifie(*j, 81, 1e-9, [](double x) { return std::sin(x); });
    j->FixeTempo(10);
    verifie(*j, 81, 2e-4, [](double x) { return std::sin(x); });
    // Bounds follow the parameters at every trace.
    auto aire = rs('J', "1", "", "0", "a");
    for (double a : {1.0, 2.5}) {
        aire->FixeParametre(0, QString::number(a));
        verifie(*aire, 81, 1e-12, [a](double) { return a; });
    }
    // Periodised |x| on [-1, 1] is the triangle wave.
    auto r = rs('R', "abs(x)", "", "-1", "1", "0.01");
    verifie(*r, 1001, 1e-12, [](double x) { return std::fabs(std::fmod(x + 101, 2.0) - 1); });
    // The square wave's Fourier series to 5 terms, and bounds rounded halves to even.
    auto s = rs('S', "4/pi*sin((2*n+1)*x)/(2*n+1)", "", "0", "4");
    verifie(*s, 81, 1e-12, [](double x) {
        double somme = 0;
        for (int n = 0; n <= 4; ++n)
            somme += 4 / std::numbers::pi * std::sin((2 * n + 1) * x) / (2 * n + 1);
        return somme;
    });
    s->FixeLibelles("10^n", "");
    s->FixeBornes("0.5", "2.5");
    verifie(*s, 81, 0, [](double) { return 111; });
    // A failing term fails the point, though the later terms compute.
    s->FixeLibelles("ln(x+n)", "");
    s->FixeBornes("0", "3");
    verifie(*s, 40, 1e-12, [](double x) { return std::log(x * (x + 1) * (x + 2) * (x + 3)); });
    EXPECT_EQ(lignesErreurs(*s).size(), 40);  // -4.875 .. 0: the first point fails without a line
}

TEST_F(Systemes, DefinitionsRefuseesUneFois)
{
    const std::shared_ptr<GCRS> courbes[] = {
        rs('H', "-y", "x", "1", "0", "0"),     rs('H', "-y+", "x", "1", "0"), rs('H', "-y", "x", "1/0", "0"),
        rs('R', "x", "", "1", "1"),            rs('S', "n", "", "3", "2"),    rs('S', "n", "", "0", "1e12"),
        rs('J', "x", "", "0", "ln(0)")};
    for (int i = 0; i < 2; ++i)
        for (const auto& c : courbes)
            trace(*c);
    EXPECT_EQ(interlocuteur_.messages,
              QStringList({"Le pas de calcul doit être non nul", "Pb de libellé !",
                           "Conditions initiales incorrectes : Xo=1/0 ; Yo=0", "Attention : Borne inf >= Borne sup !",
                           "Attention : Borne inf > Borne sup !", "Attention : la série compte plus de 1000000 termes !",
                           "Bornes de calcul incorrectes : Borne inf=0 ; Borne sup=ln(0)"}));
    for (const auto& c : courbes)
        EXPECT_FALSE(QFile::exists(c->CheminFichier(".pts")));
}

}  // namespace
