// Numeric derivatives, integrals and root search against closed forms.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "expression/fonction.h"
#include "expression/grfonc.h"
#include "etat_essai.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Inf = std::numeric_limits<double>::infinity();

class Analyse : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    static Arbre f(const std::string& texte)
    {
        Arbre a;
        EXPECT_TRUE(CompileExpr(texte, a)) << texte;
        return a;
    }
    static std::vector<double> racines(const std::string& texte, int n, double debut, double fin, double px = 0.01)
    {
        std::vector<std::string> liste;
        RacinesDichotomie(f(texte), n, liste, debut, fin, px, 1);
        EXPECT_EQ(ErreurCalcul(), 0);
        std::vector<double> r;
        for (const auto& t : liste)
            r.push_back(EvalueTexte(t));
        return r;
    }
};

TEST_F(Analyse, Derivees)
{
    const Arbre cube = f("x^3");
    EXPECT_NEAR(DeriveeNumerique(cube, 1, 0.01, 1), 3, 1e-9);
    EXPECT_NEAR(DeriveeNumerique(cube, 2, 0.01, 1), 6, 1e-7);
    EXPECT_NEAR(DeriveeNumerique(cube, 3, 0.01, 1), 6, 1e-4);
    // Every order against sin, exp and ln.
    const Arbre s = f("sin(x)"), e = f("exp(x)"), l = f("ln(x)");
    const double x = 0.7;
    const double dsin[] = {std::cos(x), -std::sin(x), -std::cos(x), std::sin(x), std::cos(x)};
    const double dln[] = {1 / x, -1 / (x * x), 2 / std::pow(x, 3), -6 / std::pow(x, 4), 24 / std::pow(x, 5)};
    const double pas[] = {1e-2, 1e-2, 2e-2, 5e-2, 5e-2};
    const double tol[] = {1e-10, 1e-8, 1e-6, 1e-4, 1e-3};
    for (int n = 1; n <= 5; ++n) {
        EXPECT_NEAR(DeriveeNumerique(s, n, pas[n - 1], x), dsin[n - 1], tol[n - 1]) << n;
        EXPECT_NEAR(DeriveeNumerique(e, n, pas[n - 1], x), std::exp(x), 3 * tol[n - 1]) << n;
        EXPECT_NEAR(DeriveeNumerique(l, n, pas[n - 1] / 5, x), dln[n - 1], 100 * tol[n - 1] * std::fabs(dln[n - 1])) << n;
        EXPECT_EQ(ErreurCalcul(), 0);
    }
    // Refusals: order, step, a point where the formula fails, a result that overflows.
    MessageErreur() = "avant";
    for (int n : {0, 6})
        EXPECT_TRUE((DeriveeNumerique(cube, n, 0.01, 1), ErreurCalcul() == 1)) << n;
    for (double h : {0.0, -0.1, std::nan("")})
        EXPECT_TRUE((DeriveeNumerique(cube, 1, h, 1), ErreurCalcul() == 1)) << h;
    EXPECT_EQ(MessageErreur(), "avant");
    EXPECT_TRUE((DeriveeNumerique(l, 1, 0.01, 0.02), ErreurCalcul() == 1));
    EXPECT_TRUE((DeriveeNumerique(f("ent(x)"), 5, 1e-70, 0), ErreurCalcul() == 1));
}

TEST_F(Analyse, DeriveesDEchantillons)
{
    std::array<double, 11> X{}, Y{};
    // Evenly spaced samples of exp: every order, orders 3 to 5 on the mean step.
    for (int n = 1; n <= 5; ++n) {
        const int m = StencilsDerivees[n - 1].termes;
        for (int i = 0; i <= 2 * m; ++i) {
            X[i] = 0.3 + (i - m) * 0.05;
            Y[i] = std::exp(X[i]);
        }
        EXPECT_NEAR(DeriveeEchantillons(X, Y, n), std::exp(0.3), 1e-3) << n;
        EXPECT_EQ(ErreurCalcul(), 0);
    }
    // Abscissae too close across the stencil, orders out of range, a missing value.
    for (int i = 0; i < 11; ++i)
        X[i] = i * 1e-5;
    EXPECT_TRUE((DeriveeEchantillons(X, Y, 1), ErreurCalcul() == 1));
    for (int i = 0; i < 11; ++i)
        X[i] = i;
    for (int n : {0, 6})
        EXPECT_TRUE((DeriveeEchantillons(X, Y, n), ErreurCalcul() == 1));
    Y[4] = std::nan("");
    EXPECT_TRUE((DeriveeEchantillons(X, Y, 1), ErreurCalcul() == 1));
}

TEST_F(Analyse, Integrales)
{
    double erreur = -1;
    EXPECT_NEAR(IntegreArbre(f("x^2"), erreur, 0, 3, 1e-11), 9, 1e-12);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_GE(erreur, 0);
    EXPECT_NEAR(IntegreArbre(f("sin(x)"), erreur, 0, Pi, 1e-11), 2, 1e-10);
    EXPECT_NEAR(IntegreArbre(f("ln(x)"), erreur, 1, 2, 1e-11), 2 * std::log(2.0) - 1, 1e-10);
    EXPECT_NEAR(IntegreArbre(f("x^2"), erreur, 3, 0, 1e-11), -9, 1e-12);
    // Tolerance relative to the result: Gamma(10) = 9! and a large exponential.
    EXPECT_NEAR(IntegreArbre(f("x^9*exp(-x)"), erreur, 0, 50, 1e-11), 362880, 362880 * 1e-9);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_NEAR(IntegreArbre(f("exp(x)"), erreur, 0, 15, 1e-11), std::exp(15.0) - 1, std::exp(15.0) * 1e-10);
    EXPECT_EQ(ErreurCalcul(), 0);
    // The first nodes are all zeros: no early success.
    EXPECT_NEAR(IntegreArbre(f("sin(x)^2"), erreur, 0, 4 * Pi, 1e-11), 2 * Pi, 1e-9);
    EXPECT_EQ(ErreurCalcul(), 0);
    // A point where the formula fails (its message stays), no convergence, infinite bound.
    IntegreArbre(f("1/x"), erreur, -1, 1, 1e-11);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "division par 0 !");
    EXPECT_TRUE((IntegreArbre(f("1/sqrt(abs(x-0.1234567))"), erreur, 0, 1, 1e-14), ErreurCalcul() == 1));
    EXPECT_TRUE((IntegreArbre(f("x"), erreur, 0, Inf, 1e-11), ErreurCalcul() == 1));

    // Simpson: one pair of intervals is the three-point rule, exact for cubics.
    EXPECT_NEAR(IntegreArbreSimple(f("x^3+x^2"), 1, 0, 2), 4 + 8.0 / 3, 1e-12);
    EXPECT_NEAR(IntegreArbreSimple(f("exp(x)"), 50, 0, 1), std::exp(1.0) - 1, 1e-9);
    EXPECT_EQ(ErreurCalcul(), 0);
    for (int n : {0, -3})
        EXPECT_TRUE((IntegreArbreSimple(f("x"), n, 0, 1), ErreurCalcul() == 1)) << n;
    EXPECT_TRUE((IntegreArbreSimple(f("ln(x)"), 10, -1, 1), ErreurCalcul() == 1));
}

TEST_F(Analyse, IntegralesDEchantillons)
{
    std::vector<double> X = {1, 3}, Y = {2, 4};
    EXPECT_DOUBLE_EQ(IntegreTable(X, Y, 1), 6);  // a trapezoid
    EXPECT_EQ(IntegreTable(X, Y, 0), 0);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_TRUE((IntegreTable(X, Y, -1), ErreurCalcul() == 1));
    EXPECT_TRUE((IntegreTable(X, Y, 2), ErreurCalcul() == 1));  // past the samples
    // Uneven steps: exact for a parabola; a last trapezoid for an odd count.
    X = {0, 0.5, 1.5, 1.75, 3};
    Y = {0, 0.25, 2.25, 3.0625, 9};
    EXPECT_NEAR(IntegreTable(X, Y, 4), 9, 1e-12);
    EXPECT_NEAR(IntegreTable(X, Y, 3), 1.125 + 0.25 * (2.25 + 3.0625) / 2, 1e-12);
    EXPECT_EQ(ErreurCalcul(), 0);
    X = {0, 1, 1};  // two equal abscissae
    Y = {0, 1, 2};
    EXPECT_TRUE((IntegreTable(X, Y, 2), ErreurCalcul() == 1));
}

TEST_F(Analyse, Racines)
{
    // The two roots of x^2-1, exactly, once each; an exact zero at a grid point once.
    EXPECT_EQ(racines("x^2-1", 50, -5, 5), (std::vector<double>{-1, 1}));
    EXPECT_EQ(racines("x", 4, -5, 5), (std::vector<double>{0}));
    // Every root of a function with several roots, in increasing order.
    auto r = racines("sin(x)", 50, -10, 10, 1e-9);
    ASSERT_EQ(r.size(), 7u);
    for (int k = -3; k <= 3; ++k)
        EXPECT_NEAR(r[k + 3], k * Pi, 1e-9) << k;
    r = racines("(x-0.3)*(x-1.7)*(x+2.2)", 50, -5, 5, 1e-12);
    ASSERT_EQ(r.size(), 3u);
    EXPECT_NEAR(r[0], -2.2, 1e-11);
    EXPECT_NEAR(r[2], 1.7, 1e-11);
    // The ends of the interval.
    EXPECT_EQ(racines("x-5", 10, -5, 5), (std::vector<double>{5}));
    EXPECT_EQ(racines("x+5", 10, -5, 5), (std::vector<double>{-5}));
    // No root: an empty list and no error; a pole is not a root.
    EXPECT_TRUE(racines("x^2+1", 50, -5, 5).empty());
    EXPECT_TRUE(racines("1/(x-0.1)", 50, -5, 5).empty());
    EXPECT_TRUE(racines("x", 0, -5, 5).empty());
    // Values so small that their products underflow.
    r = racines("1E-200*(x-0.5)", 3, -5, 5, 1e-12);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_NEAR(r[0], 0.5, 1e-11);

    // The program's settings.
    std::vector<std::string> liste;
    ASSERT_TRUE(RacinesDichotomieReglages(f("x^2-4"), liste));
    EXPECT_EQ(liste, (std::vector<std::string>{"-2", "2"}));
    contexteCalcul().FinDicho = "2*";
    EXPECT_FALSE(RacinesDichotomieReglages(f("x^2-4"), liste));
}

TEST_F(Analyse, RechercheDeRacinesFinitSurToutesEntrees)
{
    // Precision 0 or below in x: the bisection stops at neighbouring doubles.
    auto r = racines("x^2-2", 50, -5, 5, 0);
    ASSERT_EQ(r.size(), 2u);
    EXPECT_NEAR(r[1], std::sqrt(2.0), 1e-15);
    EXPECT_EQ(racines("x^2-2", 50, -5, 5, -1).size(), 2u);
    // Undefined on part of the interval: those intervals are skipped.
    r = racines("ln(x)-1", 50, -5, 5);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_NEAR(r[0], std::exp(1.0), 0.01);
    EXPECT_EQ(racines("sqrt(1-x^2)-0.5", 50, -5, 5).size(), 2u);
    EXPECT_TRUE(racines("1/x", 50, -5, 5).empty());
    EXPECT_TRUE(racines("x", 10, -Inf, 5).empty());
}

}  // namespace
