// Least-squares fits of the 17 model kinds and their formula texts.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "expression/MnsCarre.h"
#include "expression/fonction.h"
#include "etat_essai.h"

namespace {

constexpr double E1 = 2.71828182845904523536;

class Regression : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    struct Resultat {
        std::string texte;
        int statut = -1;
        double ecart = -1;
    };
    static Resultat ajuste(int genre, const std::vector<double>& x, const std::vector<double>& y,
                           const std::string& option = "1")
    {
        Resultat r;
        MoindresCarres(genre, x.data(), y.data(), static_cast<int>(x.size()), r.texte, r.statut, option, &r.ecart);
        return r;
    }
    // Value of the fitted formula at x: the text must compile and evaluate.
    static double formule(const std::string& texte, double x)
    {
        Arbre a;
        EXPECT_TRUE(CompileExpr(texte, a)) << texte;
        const double v = EvalueArbre(a, x);
        EXPECT_EQ(ErreurCalcul(), 0) << texte << " en " << x << " : " << MessageErreur();
        return v;
    }
};

TEST_F(Regression, ExemplesAvecLeursTextes)
{
    EXPECT_EQ(ajuste(1, {0, 1, 2}, {1, 3, 5}).texte, "1+2*x");
    EXPECT_EQ(ajuste(1, {1, 2}, {2, 4}, "0").texte, "2*x");
    EXPECT_EQ(ajuste(1, {1, 2}, {2, 4}, "").texte, "2*x");
    EXPECT_EQ(ajuste(12, {0, 1}, {2, 2 * E1}).texte, "2*exp(1*x)");
    EXPECT_EQ(ajuste(2, {-1, 0, 1, 2}, {3, 1, 3, 9}).texte, "1+0*x+2*x^2");
    EXPECT_EQ(ajuste(2, {-1, 1, 2}, {-0.5, -1.5, -5}, "0").texte, "-0.5*x-1*x^2");
    EXPECT_EQ(ajuste(1, {0, 1, 2}, {1, -1, -3}).texte, "1-2*x");
    // A negative exponent is written between brackets.
    const std::string puissance = ajuste(11, {1, 2, 4}, {3, 1.5, 0.75}).texte;
    EXPECT_NE(puissance.find("*x^(-"), std::string::npos) << puissance;
    EXPECT_NEAR(formule(puissance, 3), 1, 1e-12);
}

TEST_F(Regression, EtatEtMessages)
{
    Resultat r = ajuste(11, {0, 1, 2}, {1, 2, 3});
    EXPECT_EQ(r.statut, 4);
    EXPECT_EQ(r.texte, "erreur 4 : Calculs impossibles");
    r = ajuste(2, {0, 1}, {1, 2});
    EXPECT_EQ(r.statut, 3);
    EXPECT_EQ(r.texte, "erreur 3 : Nb de pts insuffisant");
    r = ajuste(2, {0}, {1});  // n < 2, then n < u: the last check wins
    EXPECT_EQ(r.statut, 3);
    r = ajuste(1, {0}, {1}, "0");
    EXPECT_EQ(r.statut, 1);
    EXPECT_EQ(r.texte, "erreur 1 : Nb de pts insuffisant");
    r = ajuste(1, {}, {}, "0");
    EXPECT_EQ(r.statut, 3);
    r = ajuste(18, {0, 1, 2}, {1, 2, 3});
    EXPECT_EQ(r.statut, 2);
    EXPECT_EQ(r.texte, "erreur 2 non identifiée!");
    r = ajuste(0, {0, 1, 2}, {1, 2, 3});
    EXPECT_EQ(r.statut, 2);
    // Points that share one abscissa: a singular system.
    r = ajuste(1, {2, 2, 2}, {1, 2, 3});
    EXPECT_EQ(r.statut, 4);
    EXPECT_EQ(r.texte, "erreur 4 : Calculs impossibles");
    EXPECT_EQ(r.ecart, 0);
    EXPECT_EQ(ajuste(3, {0, 0, 0, 0, 0}, {1, 2, 3, 4, 5}).statut, 4);
    EXPECT_EQ(ajuste(2, {1, 1, 1}, {1, 2, 3}, "0").statut, 4);
    // A single unknown through the origin with all abscissae 0.
    EXPECT_EQ(ajuste(1, {0, 0}, {1, 2}, "0").statut, 4);
    // Trigonometric series of pulsation 0: cos = 1 repeats the constant.
    EXPECT_EQ(ajuste(6, {0, 1, 2, 3}, {1, 2, 3, 4}, "0").statut, 4);
    // Values that are not numbers.
    EXPECT_EQ(ajuste(1, {0, 1, NAN}, {1, 2, 3}).statut, 4);
}

// Exact data of every kind: the fitted formula reproduces the model, at the data and
// between them.
TEST_F(Regression, RetrouveLesDonneesExactesDeChaqueGenre)
{
    struct Cas {
        int genre;
        std::string option;
        std::function<double(double)> f;
        std::vector<double> x;
    };
    const std::vector<double> xs = {0.5, 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5, 5.5, 6};
    const std::vector<Cas> cas = {
        {1, "1", [](double x) { return 3 - 2 * x; }, xs},
        {2, "1", [](double x) { return 1 + 0.5 * x - 0.25 * x * x; }, xs},
        {3, "1", [](double x) { return -2 + x - x * x + 0.125 * x * x * x; }, xs},
        {4, "1", [](double x) { return 1 - x + 0.3 * std::pow(x, 4); }, xs},
        {5, "1", [](double x) { return 2 + std::pow(x, 5) / 7 - x * x; }, xs},
        {1, "0", [](double x) { return -1.5 * x; }, xs},
        {2, "0", [](double x) { return x - 0.75 * x * x; }, xs},
        {3, "0", [](double x) { return 0.5 * x * x * x; }, xs},
        {4, "0", [](double x) { return x + std::pow(x, 4); }, xs},
        {5, "0", [](double x) { return -std::pow(x, 5) + 2 * x * x; }, xs},
        {6, "2", [](double x) { return 1 + 0.5 * std::cos(2 * x) - std::sin(2 * x); }, xs},
        {7, "1.5", [](double x) { return 0.2 * std::cos(1.5 * x) + 0.3 * std::sin(3 * x) - 1; }, xs},
        {8, "1", [](double x) { return std::cos(3 * x) + 2 * std::sin(x); }, xs},
        {9, "0.5", [](double x) { return std::sin(2 * x) - std::cos(1.5 * x); }, xs},
        {10, "0.5", [](double x) { return 3 + std::cos(2.5 * x); }, xs},
        {11, "", [](double x) { return 2.5 * std::pow(x, 1.7); }, xs},
        {11, "", [](double x) { return -0.5 * std::pow(x, -0.3); }, xs},
        {12, "", [](double x) { return 3 * std::exp(-0.4 * x); }, xs},
        {12, "", [](double x) { return -2 * std::exp(0.3 * x); }, xs},
        {13, "", [](double x) { return 2 * std::log(3 * x); }, xs},
        {13, "", [](double x) { return -1.5 * std::log(-0.5 * x); }, {-0.5, -1, -2, -3, -4}},
        {14, "2", [](double x) { return 2 * (1 + 0.5 * std::exp(0.3 * x)); }, xs},
        {14, "2", [](double x) { return 2 * (1 - 0.5 * std::exp(-0.3 * x)); }, xs},
        {15, "10", [](double x) { return 10 / (1 + 5 * std::exp(-0.8 * x)); }, xs},
        {15, "10", [](double x) { return 10 / (1 - 0.5 * std::exp(-0.8 * x)); }, xs},
        {16, "3", [](double x) { return 3 * std::exp(-2 * std::pow(0.6, x)); }, xs},
        {16, "3", [](double x) { return 3 * std::exp(0.5 * std::pow(1.2, x)); }, xs},
        {17, "-1", [](double x) { return (2 * x - 3) / (x + 1); }, xs},
        {17, "1+1", [](double x) { return (0.5 * x + 4) / (x - 2); }, {-3, -2, -1, 0, 1, 3, 4, 5}},
    };
    for (const auto& c : cas) {
        std::vector<double> y;
        for (double x : c.x)
            y.push_back(c.f(x));
        const Resultat r = ajuste(c.genre, c.x, y, c.option);
        ASSERT_EQ(r.statut, 0) << "genre " << c.genre << " : " << r.texte;
        for (double x : c.x) {
            EXPECT_NEAR(formule(r.texte, x), c.f(x), 1e-9 * std::max(1.0, std::fabs(c.f(x))))
                << "genre " << c.genre << " " << r.texte << " en " << x;
            const double milieu = x + 0.25;
            if (c.genre != 17 || std::fabs(milieu - EvalueTexte(c.option)) > 0.5) {
                EXPECT_NEAR(formule(r.texte, milieu), c.f(milieu), 1e-9 * std::max(1.0, std::fabs(c.f(milieu))))
                    << "genre " << c.genre << " " << r.texte << " en " << milieu;
            }
        }
        EXPECT_LT(r.ecart, 1e-9) << "genre " << c.genre;
    }
}

TEST_F(Regression, DonneesBruiteesDansLaTolerance)
{
    // A parabola with a deterministic noise of ±0.01.
    std::vector<double> x, y;
    for (int i = 0; i <= 40; ++i) {
        x.push_back(-2 + 0.1 * i);
        y.push_back(1 - x.back() + 0.5 * x.back() * x.back() + (i % 2 ? 0.01 : -0.01));
    }
    Resultat r = ajuste(2, x, y);
    ASSERT_EQ(r.statut, 0) << r.texte;
    for (double t : {-2.0, 0.0, 1.0, 2.0})
        EXPECT_NEAR(formule(r.texte, t), 1 - t + 0.5 * t * t, 0.01);
    EXPECT_NEAR(r.ecart, 0.01, 0.0005);
    // Exponential decay with 1% multiplicative noise.
    x.clear();
    y.clear();
    for (int i = 0; i < 30; ++i) {
        x.push_back(0.2 * i);
        y.push_back(5 * std::exp(-0.7 * x.back()) * (i % 3 == 0 ? 1.01 : i % 3 == 1 ? 0.99 : 1));
    }
    r = ajuste(12, x, y);
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_NEAR(formule(r.texte, 0), 5, 0.05);
    EXPECT_NEAR(formule(r.texte, 1), 5 * std::exp(-0.7), 0.02);
}

TEST_F(Regression, EcartResiduel)
{
    // Three points, a line: one degree of freedom.
    const Resultat r = ajuste(1, {0, 1, 2}, {0, 1, 0});
    ASSERT_EQ(r.statut, 0);
    // Fit y = 1/3; residuals -1/3, 2/3, -1/3: sqrt((1/9 + 4/9 + 1/9)/1).
    EXPECT_NEAR(r.ecart, std::sqrt(6.0 / 9), 1e-15);
    EXPECT_EQ(ajuste(2, {0, 1, 2}, {0, 1, 0}).ecart, 0);  // n = u
}

// Coefficients are written so that they read back to the same doubles: a quadratic fit of
// yearly data stays on the least-squares curve.
TEST_F(Regression, DonneesAnnuellesEnPleinePrecision)
{
    std::vector<double> x, y;
    const double valeurs[] = {60, 60.4, 60.9, 61.1, 61.8, 62.0, 62.6, 63.1, 63.2, 63.7, 64};
    for (int i = 0; i <= 10; ++i) {
        x.push_back(2000 + i);
        y.push_back(valeurs[i]);
    }
    const Resultat r = ajuste(2, x, y);
    ASSERT_EQ(r.statut, 0) << r.texte;
    // The least-squares parabola, solved independently in the centred variable.
    long double s[5] = {0, 0, 0, 0, 0}, t[3] = {0, 0, 0};
    for (int i = 0; i <= 10; ++i) {
        const long double u = x[i] - 2005.0L;
        long double p = 1;
        for (int k = 0; k < 5; ++k) {
            s[k] += p;
            if (k < 3)
                t[k] += p * y[i];
            p *= u;
        }
    }
    // Odd sums vanish: solve [[s0, s2], [s2, s4]] for (a0, a2) and a1 = t1/s2.
    const long double a1 = t[1] / s[2];
    const long double det = s[0] * s[4] - s[2] * s[2];
    const long double a0 = (t[0] * s[4] - s[2] * t[2]) / det;
    const long double a2 = (s[0] * t[2] - s[2] * t[0]) / det;
    for (double an = 1999.5; an <= 2010.5; an += 0.5) {
        const long double u = an - 2005.0L;
        const double attendu = static_cast<double>(a0 + a1 * u + a2 * u * u);
        EXPECT_NEAR(formule(r.texte, an), attendu, 1e-9) << r.texte << " en " << an;
    }
    // A cubic around 1000.
    x.clear();
    y.clear();
    for (int i = 0; i < 12; ++i) {
        x.push_back(995 + i);
        y.push_back(std::sin(0.3 * i));
    }
    const Resultat c = ajuste(3, x, y);
    ASSERT_EQ(c.statut, 0);
    const Resultat reference = [&] {
        std::vector<double> xc;
        for (double v : x)
            xc.push_back(v - 1000);
        return ajuste(3, xc, y);
    }();
    for (double v : x)
        EXPECT_NEAR(formule(c.texte, v), formule(reference.texte, v - 1000), 1e-9);
}

TEST_F(Regression, SigneDeCQuandLaConstanteEstNegative)
{
    // A = -1, y = -(1 + e^x): c = 1, b = 1.
    std::vector<double> x, y;
    for (int i = 0; i < 8; ++i) {
        x.push_back(0.5 * i);
        y.push_back(-(1 + std::exp(x.back())));
    }
    Resultat r = ajuste(14, x, y, "-1");
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_EQ(r.texte.substr(0, 7), "-1*(1+1") << r.texte;
    for (double t : x)
        EXPECT_NEAR(formule(r.texte, t), -(1 + std::exp(t)), 1e-9);
    // A = -2, c = 0.5, b = 0.3.
    y.clear();
    for (double t : x)
        y.push_back(-2 * (1 + 0.5 * std::exp(0.3 * t)));
    r = ajuste(14, x, y, "-2");
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_EQ(r.texte.substr(0, 6), "-2*(1+") << r.texte;
    for (double t : x)
        EXPECT_NEAR(formule(r.texte, t), -2 * (1 + 0.5 * std::exp(0.3 * t)), 1e-9);
}

TEST_F(Regression, AjustementsImpossiblesRefuses)
{
    // Kind 13 on constant data: q = 0.
    EXPECT_EQ(ajuste(13, {1, 2, 3}, {2, 2, 2}).statut, 4);
    // Kind 15 with A = 0, and the constants of 14 and 16.
    EXPECT_EQ(ajuste(15, {1, 2, 3}, {1, 2, 3}, "0").statut, 4);
    EXPECT_EQ(ajuste(14, {1, 2, 3}, {1, 2, 3}, "0").statut, 4);
    EXPECT_EQ(ajuste(16, {1, 2, 3}, {1, 2, 3}, "0").statut, 4);
    // An option that does not evaluate.
    EXPECT_EQ(ajuste(17, {1, 3, 4}, {1, 2, 3}, "2+").statut, 4);
    EXPECT_EQ(ajuste(6, {1, 3, 4, 5}, {1, 2, 3, 4}, "").statut, 4);
    // Points outside the models' domains.
    EXPECT_EQ(ajuste(11, {1, 2, 3}, {1, -2, 3}).statut, 4);  // both signs
    EXPECT_EQ(ajuste(12, {1, 2, 3}, {1, 0, 3}).statut, 4);
    EXPECT_EQ(ajuste(13, {1, -2, 3}, {1, 2, 3}).statut, 4);
    EXPECT_EQ(ajuste(17, {1, 2, 3}, {1, 2, 3}, "2").statut, 4);  // x = C
    EXPECT_EQ(ajuste(15, {1, 2, 3}, {1, 0, 3}, "5").statut, 4);  // y = 0
    EXPECT_EQ(ajuste(14, {1, 2, 3}, {1, 2, 3}, "2").statut, 4);  // y = A
    // Data on both sides of A (14, 15) or of |y/A| = 1 (16), or y/A < 0 (16).
    EXPECT_EQ(ajuste(14, {1, 2, 3}, {1, 3, 4}, "2").statut, 4);
    EXPECT_EQ(ajuste(15, {1, 2, 3}, {1, 3, 4}, "2").statut, 4);
    EXPECT_EQ(ajuste(16, {1, 2, 3}, {1, 3, 4}, "2").statut, 4);
    EXPECT_EQ(ajuste(16, {1, 2, 3}, {-1, -3, -4}, "2").statut, 4);
    // Large exponents: overflow is a refusal, not an infinite coefficient.
    EXPECT_EQ(ajuste(12, {1000, 1001}, {1e300, 1e-300}).statut, 4);
}

TEST_F(Regression, TextesDOptionUnSeulFacteur)
{
    std::vector<double> x, y;
    for (int i = 0; i < 10; ++i) {
        x.push_back(0.3 * i);
        y.push_back(1 + std::cos(2 * x.back()) - 0.5 * std::sin(2 * x.back()));
    }
    Resultat r = ajuste(6, x, y, "1+1");
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_NE(r.texte.find("*cos((1+1)*x)"), std::string::npos) << r.texte;
    for (double t : x)
        EXPECT_NEAR(formule(r.texte, t), 1 + std::cos(2 * t) - 0.5 * std::sin(2 * t), 1e-9);
    // Second order: the harmonic number, then the pulsation.
    r = ajuste(7, x, y, "2");
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_NE(r.texte.find("*cos(2*2*x)"), std::string::npos) << r.texte;
    r = ajuste(7, x, y, "PI/3");
    EXPECT_NE(r.texte.find("*sin(PI/3*x)"), std::string::npos) << r.texte;
    EXPECT_NE(r.texte.find("*sin(2*PI/3*x)"), std::string::npos) << r.texte;
    // A negative pulsation.
    r = ajuste(7, x, y, "-2");
    ASSERT_EQ(r.statut, 0) << r.texte;
    for (double t : x)
        EXPECT_NEAR(formule(r.texte, t), 1 + std::cos(2 * t) - 0.5 * std::sin(2 * t), 1e-9);

    y.clear();
    for (double t : x)
        y.push_back(2 * (1 + 0.5 * std::exp(0.3 * t)));
    r = ajuste(14, x, y, "1+1");
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_EQ(r.texte.substr(0, 10), "(1+1)*(1+0") << r.texte;
    for (double t : x)
        EXPECT_NEAR(formule(r.texte, t), 2 * (1 + 0.5 * std::exp(0.3 * t)), 1e-9);
    r = ajuste(14, x, y, "SQRT(4)");
    EXPECT_EQ(r.texte.substr(0, 10), "SQRT(4)*(1") << r.texte;
}

TEST_F(Regression, PetitesEchellesNonSingulieres)
{
    // A line through (0,0), (1e-6,1), (2e-6,2).
    const Resultat r = ajuste(1, {0, 1e-6, 2e-6}, {0, 1, 2});
    ASSERT_EQ(r.statut, 0) << r.texte;
    EXPECT_NEAR(formule(r.texte, 1.5e-6), 1.5, 1e-9);
    // And very large ones.
    const Resultat g = ajuste(2, {1e8, 2e8, 3e8, 4e8}, {1, 4, 9, 16});
    ASSERT_EQ(g.statut, 0) << g.texte;
    EXPECT_NEAR(formule(g.texte, 2.5e8), 6.25, 1e-6);
}

}  // namespace
