// Numbers as texts: display form, exact form, axis label styles, fractions, and the
// substitution of parameter values into formula texts.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "etat_essai.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double Inf = std::numeric_limits<double>::infinity();

class Formatage : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;
    static std::array<std::string, 10> valeurs(std::string a)
    {
        std::array<std::string, 10> v;
        v.fill("0");
        v[0] = std::move(a);
        return v;
    }
};

TEST_F(Formatage, FormeAffichee)
{
    EXPECT_EQ(ReelVersTexte(0), "0");
    EXPECT_EQ(ReelVersTexte(-0.0), "0");
    EXPECT_EQ(ReelVersTexte(std::nan("")), "0");
    EXPECT_EQ(ReelVersTexte(2.5), "2.5");
    EXPECT_EQ(ReelVersTexte(-3), "-3");
    EXPECT_EQ(ReelVersTexte(1.0 / 3), "0.33333");
    EXPECT_EQ(ReelVersTexte(2.0 / 3), "0.66667");
    EXPECT_EQ(ReelVersTexte(0.000004), "4.E-6");
    EXPECT_EQ(ReelVersTexte(-0.0000025), "-2.5E-6");
    EXPECT_EQ(ReelVersTexte(987654), "987654");
    EXPECT_EQ(ReelVersTexte(1.23456789e-7), "1.23456E-7");  // cut, not rounded
    EXPECT_EQ(ReelVersTexte(0.00001), "0.00001");
    EXPECT_EQ(ReelVersTexte(1e20), "100000000000000000000");
    EXPECT_EQ(ReelVersTexte(5e-324), "4.94065E-324");
    EXPECT_EQ(ReelVersTexte(Inf), "INF");
    EXPECT_EQ(ReelVersTexte(-Inf), "-INF");

    contexteCalcul().DecimalesReels = 2;
    EXPECT_EQ(ReelVersTexte(Pi), "3.14");
    EXPECT_EQ(ReelVersTexte(0.0012345), "1.23E-3");
    contexteCalcul().DecimalesReels = 0;
    EXPECT_EQ(ReelVersTexte(2.6), "3");
    EXPECT_EQ(ReelVersTexte(0.99999999999999994), "1.E+0");  // rounded up: the exponent stays readable
}

// What is displayed reads back to the displayed precision; the exact form reads back
// to the same double, bit for bit.
TEST_F(Formatage, AllersRetours)
{
    std::mt19937_64 g(7);
    std::uniform_real_distribution<double> mantisse(-10, 10);
    std::uniform_int_distribution<int> exposant(-300, 300);
    for (int i = 0; i < 20000; ++i) {
        const double x = mantisse(g) * std::pow(10.0, exposant(g) / 10);
        const std::string t = ReelVersTexte(x);
        const double lu = EvalueTexte(t);
        ASSERT_EQ(ErreurCalcul(), 0) << t;
        ASSERT_NEAR(lu, x, std::fabs(x) >= 1e-5 ? 0.5e-5 + std::fabs(x) * 1e-15 : std::fabs(x) * 1e-5) << t;
    }

    EXPECT_EQ(ReelExact(0.1), "0.1");
    EXPECT_EQ(ReelExact(1e-300), "1E-300");
    EXPECT_EQ(ReelExact(-2.5), "-2.5");
    EXPECT_EQ(ReelExact(1e-6), "1E-6");
    EXPECT_EQ(ReelExact(0.1 + 0.2), "0.30000000000000004");
    EXPECT_EQ(ReelExact(Inf), "INF");
    auto relit = [](double x) {
        const std::string t = ReelExact(x);
        const double lu = EvalueTexte(t);
        ASSERT_EQ(ErreurCalcul(), 0) << t;
        ASSERT_EQ(std::bit_cast<std::uint64_t>(lu), std::bit_cast<std::uint64_t>(x)) << t;
    };
    for (double x : {-0.0, 5e-324, -5e-324, 2.2250738585072009e-308, std::numeric_limits<double>::max(),
                     -std::numeric_limits<double>::max(), 1.0 / 3, 123456789012345.0, 9007199254740993.0})
        relit(x);
    for (int i = 0; i < 100000; ++i) {
        const double x = std::bit_cast<double>(g());
        if (std::isfinite(x))
            relit(x);
    }
    // An infinite value does not come back as a silent 0.
    EvalueTexte(ReelExact(-Inf));
    EXPECT_EQ(ErreurCalcul(), 1);
}

TEST_F(Formatage, Raccourcissement)
{
    EXPECT_EQ(AbregeDecimal("3.14000"), "3.14");
    EXPECT_EQ(AbregeDecimal("2,00"), "2");
    EXPECT_EQ(AbregeDecimal("100"), "100");
    EXPECT_EQ(AbregeDecimal("1.5E-70"), "1.5E-70");  // the exponent's zeros are not decimals
    EXPECT_EQ(AbregeScientifique(" 1.50000000000000E-0007"), " 1.5E-7");
    EXPECT_EQ(AbregeScientifique("1.23456789000000E+0012"), "1.23456E+12");
    EXPECT_EQ(AbregeScientifique("10E5"), "10E5");
}

TEST_F(Formatage, StylesDesAxes)
{
    EXPECT_EQ(FormateReel(1, 1234567.5), "1 234 567.5");
    EXPECT_EQ(FormateReel(1, -1234), "-1 234");
    EXPECT_EQ(FormateReel(2, 12345), "1.2345E+4");
    EXPECT_EQ(FormateReel(2, 5), "5E+0");
    EXPECT_EQ(FormateReel(3, 12345), "12.345E3");
    EXPECT_EQ(FormateReel(3, 0.002), "2E-3");
    EXPECT_EQ(FormateReel(3, -5), "-5E0");
    EXPECT_EQ(FormateReel(3, 1e300), "1E300");
    EXPECT_EQ(FormateReel(4, 0.25), "25%");
    EXPECT_EQ(FormateReel(5, 0.75), "3/4");
    EXPECT_EQ(FormateReel(5, 2), "2");
    EXPECT_EQ(FormateReel(5, -1.5), "-3/2");
    EXPECT_EQ(FormateReel(5, Pi), "355/113");
    for (int style = 0; style <= 5; ++style)
        EXPECT_EQ(FormateReel(style, -1e-12), "0") << style;
    // Infinite values end at once with a readable text.
    EXPECT_EQ(FormateReel(3, Inf), "INF");
    EXPECT_EQ(FormateReel(5, -Inf), "-INF");
    contexteCalcul().Epsilon = 0;
    EXPECT_EQ(FormateReel(3, 5e-324).substr(0, 4), "4.94");

    double p, q;
    ApproximeFraction(-0.125, p, q);
    EXPECT_EQ(p, -1);
    EXPECT_EQ(q, 8);
    for (double x : {std::sqrt(2.0), 1e-300, 123456.789012, 5e-324, 1.7e308}) {
        ApproximeFraction(x, p, q);
        EXPECT_TRUE(std::isfinite(p) && q >= 1 && q <= 1e7) << x;
    }
}

TEST_F(Formatage, RemplacementDeTexte)
{
    EXPECT_EQ(RemplaceTexte("ab", "x", "abab"), "xx");
    EXPECT_EQ(RemplaceTexte("a", "aa", "a"), "aa");
    EXPECT_EQ(RemplaceTexte("", "x", "abc"), "abc");
    std::string t = "x";
    RepeteTexte(3, "ab", t);
    RepeteTexte(-1, "ab", t);
    EXPECT_EQ(t, "xababab");

    auto nom = [](const std::string& n, std::string texte) {
        RemplaceNom(n, "2", texte);
        return texte;
    };
    EXPECT_EQ(nom("a", "2*a+1"), "2*2+1");
    EXPECT_EQ(nom("a", "(a)"), "(2)");
    EXPECT_EQ(nom("a", "abs(x)+tan(x)"), "abs(x)+tan(x)");
    EXPECT_EQ(nom("a", "a b"), "a b");
    EXPECT_EQ(nom("d", "rd+d"), "rd+2");  // whole names only
    EXPECT_EQ(nom("Alpha", "alpha*x+ALPHA"), "2*x+2");
    EXPECT_EQ(nom("q", "q2+q"), "q2+2");
    EXPECT_EQ(nom("a", "√a+véa"), "√2+véa");
}

TEST_F(Formatage, ValeursDesParametresDansLesTextesDeFormules)
{
    std::string t = "y=a*x+abs(x)+pi*rd";
    ParametresVersTexte(valeurs("-2"), t);
    EXPECT_EQ(t, "y=(-2)*x+abs(x)+pi*rd");

    std::array<std::string, 10> v = {"1.50000", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    t = "a+b+a3+a''+A+p*d";
    ParametresVersTexte(v, t);
    EXPECT_EQ(t, "1.5+2+4+3+1.5+10*4");

    // Personal parameters first, matched in any case, their values in brackets.
    std::string message;
    ASSERT_GE(AjouteParametrePerso(GCParamPerso("Alpha", "a+1"), message), 0) << message;
    t = "alpha*x";
    ParametresVersTexte(valeurs("-2"), t);
    EXPECT_EQ(t, "((-2)+1)*x");
    // The result has the value of the original formula.
    contexteCalcul().ValeursParametres[0] = 3;
    t = "2*alpha^2-a";
    const double avant = EvalueTexte(t);
    ParametresVersTexte(valeurs("3"), t);
    EXPECT_EQ(t, "2*(3+1)^2-3");
    EXPECT_DOUBLE_EQ(EvalueTexte(t), avant);
}

}  // namespace
