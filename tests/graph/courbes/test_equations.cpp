// Differential equations of order n against closed forms: order of the method, energy of
// the oscillator, the domain on either side of Xo, failures and refusals; and every kind of
// this family read back from its record tracing the same points.
#include <cmath>
#include <complex>

#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCE.h"
#include "graph/courbes/GCRS.h"
#include "graph/courbes_outils.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

class Equations : public CourbeTest {
protected:
    // "F;order;Xinf;Xsup;Pas;Xo;Yo;Y'o..."
    std::shared_ptr<GCE> equation(const char* definition)
    {
        const QStringList d = QString(definition).split(';');
        auto e = std::make_shared<GCE>('E', d[1].toInt(), 1, ++numero_);
        e->CompileLibelle1(d[0]);
        e->GCY::FixeBornes(d[2], d[3], d[4]);
        std::array<QString, 11> ci;
        ci.fill("0");
        for (int k = 5; k < d.size(); ++k)
            ci[std::size_t(k - 5)] = d[k];
        e->FixeConditionsInitiales(ci);
        return e;
    }
    std::vector<PointCourbe> trace(const char* definition)
    {
        auto e = equation(definition);
        CourbeTest::trace(*e);
        dernieres_ = lignesErreurs(*e);
        return points(*e);
    }
    int numero_ = 0;
    QStringList dernieres_;
};

TEST_F(Equations, SolutionsDeFormesConnues)
{
    // y' = y from y(0) = 1 on [1, 3], drawn for x > 1 only: e^x, the error falling about 16
    // times when the step halves.
    double erreurs[2];
    for (int i = 0; i < 2; ++i) {
        const auto p = trace(i ? "y;1;1;3;0.05;0;1" : "y;1;1;3;0.1;0;1");
        ASSERT_EQ(p.size(), i ? 40u : 20u);
        EXPECT_NEAR(p.front().x, i ? 1.05 : 1.1, 1e-12);
        erreurs[i] = 0;
        for (const PointCourbe& q : p)
            erreurs[i] = std::max(erreurs[i], std::fabs(q.y - std::exp(q.x)) / std::exp(q.x));
    }
    EXPECT_GT(erreurs[0] / erreurs[1], 14);
    EXPECT_LT(erreurs[0] / erreurs[1], 17);

    // y'' = -y from y(0) = 0, y'(0) = 1 over 100 periods: each step multiplies (y, y') by
    // a I + b A (A the rotation of the equation, a + ib the method's amplification factor at
    // ih), so that y' = (y(x + h) - a y) / b and the energy falls exactly as |a + ib|^2k.
    const std::complex<double> z(0, 0.125);
    const std::complex<double> r = 1. + z + z * z / 2. + z * z * z / 6. + z * z * z * z / 24.;
    const auto p = trace("-y;2;0;630;0.125;0;0;1");
    ASSERT_EQ(p.size(), 5041u);
    for (std::size_t k = 0; k + 1 < p.size(); k += 504) {
        const double yp = (p[k + 1].y - r.real() * p[k].y) / r.imag();
        EXPECT_NEAR(p[k].y * p[k].y + yp * yp, std::pow(std::norm(r), double(k)), 1e-9) << k;
    }
}

TEST_F(Equations, DomaineDePartEtDAutreDeXo)
{
    // y'' = -y, y(0) = 0, y'(0) = 1 on [-5, 5] is sin, left to right, x = 0 once, and only
    // its first record moves the pen.
    auto p = trace("-y;2;-5;5;0.125;0;0;1");
    ASSERT_EQ(p.size(), 81u);
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_NEAR(p[i].x, -5 + 0.125 * double(i), 1e-12);
        EXPECT_NEAR(p[i].y, std::sin(p[i].x), 5e-5);
        EXPECT_EQ(p[i].stylo, i ? StyloBaisse : StyloLeve);
    }
    // The domain on one side of Xo, on Xo alone, a negative step, 0.7 / 0.1 steps.
    struct Cas {
        const char* definition;
        std::size_t nombre;
        double premier, dernier;
    };
    for (const Cas& c : {Cas{"y;1;-3;-1;0.125;0;1", 16, -3, -1.125}, Cas{"y;1;0;0;0.125;0;1", 1, 0, 0},
                         Cas{"y;1;-1;1;-0.125;0;1", 1, 0, 0}, Cas{"y;1;-0.7;0.7;0.1;0;1", 15, -0.7, 0.7}}) {
        p = trace(c.definition);
        ASSERT_EQ(p.size(), c.nombre) << c.definition;
        EXPECT_EQ(p.front().x, c.premier) << c.definition;
        EXPECT_EQ(p.back().x, c.dernier) << c.definition;
        EXPECT_NEAR(p.back().y, std::exp(c.dernier), 1e-5);
    }
}

TEST_F(Equations, EchecsEtRefus)
{
    // A value that cannot be computed ends its direction with an error line: at Xo itself,
    // nothing but Xo; just beside it, the sine integral.
    EXPECT_EQ(trace("sin(x)/x;1;-5;5;0.125;0;0").size(), 1u);
    EXPECT_EQ(dernieres_.size(), 2);
    const auto si = trace("sin(x)/x;1;-5;5;0.125;1e-9;0");
    ASSERT_EQ(si.size(), 81u);
    for (const PointCourbe& q : si) {
        double s = 0, terme = q.x;  // x - x^3/(3*3!) + x^5/(5*5!) - ...
        for (int k = 0; k < 40; ++k) {
            s += terme / (2 * k + 1);
            terme *= -q.x * q.x / ((2 * k + 2) * (2 * k + 3));
        }
        EXPECT_NEAR(q.y, s, 1e-6) << q.x;
    }
    // Unstable steps end cleanly: finite records only, one error line where y overflows.
    for (const char* instable : {"-50*y;1;0;60;0.125;0;1", "-1000*y;1;0;1e4;0.5;0;1"}) {
        MessageErreur() = "division par 0 !";  // an earlier failure's, not this one's
        const auto p = trace(instable);
        for (const PointCourbe& q : p)
            ASSERT_TRUE(std::isfinite(q.y));
        EXPECT_LT(p.back().x, 30);
        ASSERT_EQ(dernieres_.size(), 1) << instable;
        EXPECT_TRUE(dernieres_[0].endsWith(" ; expression non calculable!")) << dernieres_[0].toStdString();
    }
    EXPECT_EQ(interlocuteur_.avertissements.size(), 3);
    // Refusals, once each; a damaged order draws nothing.
    for (const char* refuse : {"y+;1;-5;5;0.125;0;1", "y;1;1;0;0.125;0;1", "y;1;-5;5;0;0;1", "y;1;-5;5;0.125;0;1/0"}) {
        auto e = equation(refuse);
        CourbeTest::trace(*e);
        CourbeTest::trace(*e);
    }
    EXPECT_EQ(interlocuteur_.messages, QStringList({"Pb de libellé !", "début > fin !",
                                                    "Le pas de calcul doit être non nul",
                                                    "Condition initiale non calculable : 1/0"}));
    EXPECT_TRUE(trace("y;0;-5;5;0.125;0;1").empty());
}

TEST_F(Equations, RelusTracentLesMemesPoints)
{
    GCDessin avant;
    auto mere = courbe('Y', "a*sin(x)", QString(), 90);
    mere->FixeIdentifiant("mere");
    avant.AjouteCourbe(mere);
    avant.AjouteCourbe(equation("-a*y;2;-5;5;0.125;pi/4;0;1"));
    auto rs = [&](QChar genre, const char* f, const char* g, const char* b1, const char* b2) {
        auto c = std::make_shared<GCRS>(genre, 1, ++numero_);
        c->FixeLibelles(f, g);
        c->FixeBornes(b1, b2);
        avant.AjouteCourbe(c);
    };
    rs('H', "-y*a", "x", "pi/3", "0");
    rs('J', "y*cos(x*y)", "", "0", "1");
    rs('R', "x^2", "", "-1", "a");
    rs('S', "sin(n*x)/n", "", "1", "7");
    for (QChar genre : {'D', 'G'}) {
        auto d = std::make_shared<GCDG>(genre, 2, 1, ++numero_);
        d->FixeMere(1, "mere");
        avant.AjouteCourbe(d);
    }
    for (const PtrCourbe& c : avant.Courbes)
        c->FixeParametre(0, "2");
    // Orders that a damaged file may hold.
    avant.AjouteCourbe(equation("y;0;-5;5;0.125;0;1"));
    avant.AjouteCourbe(std::make_shared<GCDG>('G', 7, 1, ++numero_));
    avant.Courbes.back()->FixeMere(1, "mere");

    QStringList lignes;
    avant.Sauve(lignes);
    GCDessin apres;
    SourceLignes source(lignes);
    ListeIdentifiants liens;
    while (!source.fin()) {
        const QString l = source.suivante();
        if (l.startsWith(QLatin1Char('&'))) {
            const LectureCourbe lu = LitCourbe(l, source, 1, liens);
            ASSERT_EQ(lu.issue, IssueLecture::Courbe) << lu.message.toStdString();
            apres.AjouteCourbe(lu.courbe);
        }
    }
    ASSERT_EQ(apres.Nombre(), avant.Nombre());
    for (std::size_t i = 0; i < avant.Courbes.size(); ++i) {
        CourbeTest::trace(*avant.Courbes[i]);
        CourbeTest::trace(*apres.Courbes[i]);
        const auto p = points(*apres.Courbes[i]);
        EXPECT_EQ(p.empty(), i >= 8) << i;
        EXPECT_EQ(p, points(*avant.Courbes[i])) << i;
    }
    EXPECT_TRUE(interlocuteur_.messages.isEmpty());
}

}  // namespace
