// Complex numbers and the complex evaluation of compiled formulas.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "expression/GCComplexe.h"
#include "etat_essai.h"

namespace {

using cplx = std::complex<double>;
constexpr double Pi = 3.14159265358979323846;

class Complexes : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    // Value of a formula at z; expects success.
    static cplx val(const std::string& texte, cplx z)
    {
        Arbre a;
        EXPECT_TRUE(CompileExpr(texte, a)) << texte;
        Complexe r;
        EvalueArbreComplexe(a, ComplexeCartesien(z.real(), z.imag()), r);
        EXPECT_EQ(ErreurCalcul(), 0) << texte << " en " << z << " : " << MessageErreur();
        EXPECT_NEAR(r.Module, std::hypot(r.Re, r.Im), 1e-12 * (1 + r.Module)) << texte;
        return {r.Re, r.Im};
    }
    // Expects a failure with this message ("" : the message is left as it was).
    static void echoue(const std::string& texte, cplx z, const std::string& message)
    {
        MessageErreur() = "avant";
        Arbre a;
        ASSERT_TRUE(CompileExpr(texte, a)) << texte;
        Complexe r = ComplexeCartesien(7, 7);
        EvalueArbreComplexe(a, ComplexeCartesien(z.real(), z.imag()), r);
        EXPECT_EQ(ErreurCalcul(), 1) << texte << " en " << z;
        EXPECT_EQ(MessageErreur(), message.empty() ? std::string("avant") : message) << texte << " en " << z;
        EXPECT_EQ(r.Re, 0);
        EXPECT_EQ(r.Im, 0);
    }
};

void proche(cplx obtenu, cplx attendu, const std::string& quoi, double tol = 1e-12)
{
    const double echelle = std::max(1.0, std::abs(attendu));
    EXPECT_LE(std::abs(obtenu - attendu), tol * echelle) << quoi << " : " << obtenu << " au lieu de " << attendu;
}

TEST_F(Complexes, ExemplesDuLangage)
{
    proche(val("Z^2", {1, 1}), {0, 2}, "Z^2");
    EXPECT_EQ(val("Z^2", {1, 1}), cplx(0, 2));  // exactly
    EXPECT_EQ(val("1/Z", {0, 1}), cplx(0, -1));
    echoue("1/Z", {0, 0}, "division par 0 !");
    proche(val("EXP(Z)", {0, Pi}), {-1, 0}, "EXP(i·pi)");
    echoue("EXP(Z)", {86, 0}, "exponentielle d'un nombre trop grand!");
    echoue("EXP(Z)", {-86, 0}, "exponentielle d'un nombre trop grand!");
    echoue("LN(Z)", {0, 0}, "logarithme d'un complexe nul!");
    echoue("LOG(Z)", {0, 0}, "logarithme d'un complexe nul!");
    EXPECT_EQ(val("SQRT(Z)", {-4, 0}), cplx(0, 2));
    EXPECT_EQ(val("SQRT(-4)", {0, 0}), cplx(0, 2));
    EXPECT_EQ(val("SQRT(-Z)", {4, 0}), cplx(0, 2));  // a negative zero does not turn the root
    EXPECT_EQ(val("RE(Z)+IM(Z)", {3, -2}), cplx(3, -2));
    EXPECT_EQ(val("CONJ(Z)", {3, -2}), cplx(3, 2));
    EXPECT_EQ(val("ABS(Z)", {3, -4}), cplx(5, 0));
    proche(val("Z^0.5", {-3, 4}), val("SQRT(Z)", {-3, 4}), "Z^0.5");
    proche(val("Z^0.5", {-4, 0}), {0, 2}, "(-4)^0.5");
    echoue("0^0", {0, 0}, "puissance non calculable !");
    echoue("Z^0", {0, 0}, "puissance non calculable !");
    echoue("Z^-2", {0, 0}, "puissance non calculable !");
    echoue("Z^0.5", {0, 0}, "puissance non calculable !");
    EXPECT_EQ(val("I", {5, 5}), cplx(0, 1));
    EXPECT_EQ(val("J*J", {5, 5}), cplx(-1, 0));
    EXPECT_EQ(val("X+T+Y", {1, 2}), cplx(3, 6));  // every variable letter reads z
    EXPECT_EQ(val("Z\xB2", {1, 1}), cplx(0, 2));     // postfix square
    EXPECT_EQ(val("\xFD(Z)", {1, 1}), cplx(0, 2));   // square sign
    EXPECT_EQ(val("\xFB(Z)", {-9, 0}), cplx(0, 3));  // root sign
    EXPECT_EQ(val("RAC(Z)", {-9, 0}), cplx(0, 3));
}

TEST_F(Complexes, PuissancesEntieresSontDesProduitsExacts)
{
    EXPECT_EQ(val("Z^3", {2, 0}), cplx(8, 0));
    EXPECT_EQ(val("Z^3", {-2, 0}), cplx(-8, 0));
    EXPECT_EQ(val("Z^4", {1, 1}), cplx(-4, 0));
    EXPECT_EQ(val("Z^-2", {0, 1}), cplx(-1, 0));
    proche(val("Z^10", {1.1, -0.3}), std::pow(cplx(1.1, -0.3), 10), "Z^10");
    proche(val("Z^(-7)", {0.4, 0.9}), std::pow(cplx(0.4, 0.9), -7), "Z^-7");
    // A complex exponent, and an integer exponent too large for products: the logarithm.
    proche(val("Z^(1+I)", {2, 1}), std::pow(cplx(2, 1), cplx(1, 1)), "Z^(1+I)");
    proche(val("Z^I", {0, 1}), {std::exp(-Pi / 2), 0}, "i^i");
    proche(val("Z^1E9", {1, 1e-10}), std::pow(cplx(1, 1e-10), 1e9), "Z^1E9", 1e-6);
    proche(val("Z^32764", {1, 1e-6}), std::pow(cplx(1, 1e-6), 32764.0), "Z^32764", 1e-9);
    // (-8)^(1/3): the principal root, not a failure as over the reals.
    proche(val("Z^(1/3)", {-8, 0}), {1, std::sqrt(3.0)}, "(-8)^(1/3)");
}

// Every function against the standard library, off and on the branch cuts. On a cut the
// value is the one reached turning counter-clockwise around the branch point; `cote`
// gives the standard library's input with the matching sign of zero.
struct Fonction {
    const char* texte;
    std::function<cplx(cplx)> reference;
    std::function<cplx(double, double)> cote;  // (re, im) -> the point for the reference
    std::vector<cplx> exclus;                  // poles
};

cplx auDessus(double re, double im) { return {re, im == 0 ? 0.0 : im}; }

TEST_F(Complexes, DAccordPartoutAvecLaBibliothequeStandard)
{
    const auto sousLAxeAuDelaDeUn = [](double re, double im) -> cplx {
        // (1, inf) from below, (-inf, -1) from above
        if (im == 0 && re > 1)
            return {re, -0.0};
        return {re, im};
    };
    const auto axeImaginaire = [](double re, double im) -> cplx {
        // (i, i·inf) from the right, (-i·inf, -i) from the left
        if (re == 0 && im < -1)
            return {-0.0, im};
        return {re, im};
    };
    const std::vector<Fonction> fonctions = {
        {"SIN(Z)", [](cplx z) { return std::sin(z); }, auDessus, {}},
        {"COS(Z)", [](cplx z) { return std::cos(z); }, auDessus, {}},
        {"TAN(Z)", [](cplx z) { return std::tan(z); }, auDessus, {}},
        {"SH(Z)", [](cplx z) { return std::sinh(z); }, auDessus, {}},
        {"CH(Z)", [](cplx z) { return std::cosh(z); }, auDessus, {}},
        {"TH(Z)", [](cplx z) { return std::tanh(z); }, auDessus, {}},
        {"EXP(Z)", [](cplx z) { return std::exp(z); }, auDessus, {}},
        {"LN(Z)", [](cplx z) { return std::log(z); }, auDessus, {{0, 0}}},
        {"LOG(Z)", [](cplx z) { return std::log10(z); }, auDessus, {{0, 0}}},
        {"SQRT(Z)", [](cplx z) { return std::sqrt(z); }, auDessus, {}},
        {"Z\xB2", [](cplx z) { return z * z; }, auDessus, {}},
        {"1/Z", [](cplx z) { return 1.0 / z; }, auDessus, {{0, 0}}},
        {"Z^Z", [](cplx z) { return std::pow(z, z); }, auDessus, {{0, 0}}},
        {"ARCSIN(Z)", [](cplx z) { return std::asin(z); }, sousLAxeAuDelaDeUn, {}},
        {"ARCCOS(Z)", [](cplx z) { return std::acos(z); }, sousLAxeAuDelaDeUn, {}},
        {"ARGTH(Z)", [](cplx z) { return std::atanh(z); }, sousLAxeAuDelaDeUn, {{1, 0}, {-1, 0}}},
        {"ARGCH(Z)", [](cplx z) { return std::acosh(z); }, auDessus, {}},
        {"ARCTAN(Z)", [](cplx z) { return std::atan(z); }, axeImaginaire, {{0, 1}, {0, -1}}},
        {"ARGSH(Z)", [](cplx z) { return std::asinh(z); }, axeImaginaire, {}},
    };
    const double valeurs[] = {-30, -3, -2, -1, -0.7, -0.5, -1e-3, -1e-9, 0, 1e-9, 1e-3, 0.5, 0.7, 1, 2, 3, 30};
    for (const auto& f : fonctions) {
        Arbre a;
        ASSERT_TRUE(CompileExpr(f.texte, a)) << f.texte;
        for (double re : valeurs)
            for (double im : valeurs) {
                const cplx z(re, im);
                bool pole = false;
                for (cplx p : f.exclus)
                    pole = pole || p == z;
                if (pole)
                    continue;
                if (std::string(f.texte) == "EXP(Z)" && std::fabs(re) > 85)
                    continue;
                Complexe r;
                EvalueArbreComplexe(a, ComplexeCartesien(re, im), r);
                ASSERT_EQ(ErreurCalcul(), 0) << f.texte << " en " << z << " : " << MessageErreur();
                proche({r.Re, r.Im}, f.reference(f.cote(re, im)), std::string(f.texte) + " en (" + std::to_string(re)
                                                                     + ", " + std::to_string(im) + ")");
            }
    }
}

TEST_F(Complexes, LoinDeLOrigineSansCompensation)
{
    proche(val("ARCSIN(Z)", {0, 1e10}), std::asin(cplx(0, 1e10)), "ARCSIN(1E10·i)");
    proche(val("ARCSIN(Z)", {0, -1e10}), std::asin(cplx(0, -1e10)), "ARCSIN(-1E10·i)");
    proche(val("ARGSH(Z)", {-1e10, 0}), std::asinh(cplx(-1e10, 0)), "ARGSH(-1E10)");
    proche(val("ARGCH(Z)", {1e12, 1e12}), std::acosh(cplx(1e12, 1e12)), "ARGCH");
    proche(val("TAN(Z)", {1, 400}), std::tan(cplx(1, 400)), "TAN far from the axis");
    proche(val("TH(Z)", {-400, 1}), std::tanh(cplx(-400, 1)), "TH far from the axis");
    proche(val("LN(Z)", {1, 1e-10}), std::log(cplx(1, 1e-10)), "LN near 1", 1e-15);
    const double presqueUn = 1 + 1e-12;
    EXPECT_NEAR(val("LN(Z)", {presqueUn, 0}).real(), std::log1p(presqueUn - 1), 1e-27);
    EXPECT_NEAR(val("ARGTH(Z)", {1e-12, 0}).real(), 1e-12, 1e-24);
    // A number just left of the origin: its argument is pi, not 0.
    proche(val("SQRT(Z)", {-1e-12, 0}), {0, 1e-6}, "SQRT(-1E-12)");
}

TEST_F(Complexes, PolesDesFonctionsReciproques)
{
    echoue("ARCTAN(Z)", {0, 1}, "arctan non définie");
    echoue("ARCTAN(Z)", {0, -1}, "arctan non définie");
    echoue("ARGTH(Z)", {1, 0}, "argth non défini");
    echoue("ARGTH(Z)", {-1, 0}, "argth non défini");
    // Defined at the branch points of the others.
    proche(val("ARCSIN(Z)", {1, 0}), {Pi / 2, 0}, "ARCSIN(1)");
    proche(val("ARCCOS(Z)", {-1, 0}), {Pi, 0}, "ARCCOS(-1)");
    proche(val("ARGCH(Z)", {1, 0}), {0, 0}, "ARGCH(1)");
    proche(val("ARGSH(Z)", {0, 1}), {0, Pi / 2}, "ARGSH(i)");
}

TEST_F(Complexes, SurLAxeReelCommeLEvaluateurReel)
{
    for (const char* texte : {"SIN(Z)", "COS(Z)", "TAN(Z)", "ARCTAN(Z)", "SH(Z)", "CH(Z)", "TH(Z)", "ARGSH(Z)",
                              "EXP(Z)", "Z^3-2*Z+1", "1/(1+Z\xB2)", "ABS(Z)", "INT(Z)", "ENT(Z)", "ROUND(Z)",
                              "FRAC(Z)", "Z^2.5", "LN(Z)", "SQRT(Z)", "ARCSIN(Z/4)", "ARCCOS(Z/4)", "ARGTH(Z/4)"}) {
        Arbre a;
        ASSERT_TRUE(CompileExpr(texte, a));
        for (double x : {0.3, 1.7, 2.5, 3.5}) {
            const double reel = EvalueArbre(a, x);
            ASSERT_EQ(ErreurCalcul(), 0) << texte;
            Complexe r;
            EvalueArbreComplexe(a, ComplexeCartesien(x, 0), r);
            ASSERT_EQ(ErreurCalcul(), 0) << texte;
            EXPECT_NEAR(r.Re, reel, 1e-12 * std::max(1.0, std::fabs(reel))) << texte << " en " << x;
            EXPECT_NEAR(r.Im, 0, 1e-15) << texte << " en " << x;
        }
    }
    EXPECT_EQ(val("INT(Z)", {-2.5, 3.7}), cplx(-2, 3));
    EXPECT_EQ(val("ENT(Z)", {-2.5, 3.7}), cplx(-3, 3));
    EXPECT_EQ(val("ROUND(Z)", {2.5, -3.5}), cplx(2, -4));  // halves to even
    proche(val("FRAC(Z)", {-2.25, 3.75}), {-0.25, 0.75}, "FRAC");
}

// A formula may use functions that have no complex meaning: they are computed by the real
// rules when their arguments are real, and fail otherwise, never with a made-up value.
TEST_F(Complexes, FonctionsSansSensComplexe)
{
    definitParametrePerso("k", "2");
    EXPECT_EQ(val("k*Z", {1, -3}), cplx(2, -6));
    contexteCalcul().ValeursParametres[0] = 3;  // a
    EXPECT_EQ(val("A*Z", {1, 1}), cplx(3, 3));
    VariablesEtat()[1] = 5;  // N
    EXPECT_EQ(val("N+Z", {1, 1}), cplx(6, 1));
    echoue("SGN(Z)", {1, 1}, "expression non calculable!");
    EXPECT_EQ(val("SGN(Z)", {-3, 0}), cplx(-1, 0));
    echoue("SGN(IM(Z))", {5, -2}, "expression non calculable!");  // IM gives (0, Im): not real
    echoue("MIN(Z,1)", {2, 1}, "expression non calculable!");
    EXPECT_EQ(val("MIN(Z,1)", {2, 0}), cplx(1, 0));
    EXPECT_EQ(val("MAX(RE(Z),ABS(Z))", {3, 4}), cplx(5, 0));
    echoue("COT(Z)", {0, 0}, "cotangente d'un multiple de pi");  // real rule, real message
    EXPECT_EQ(val("FACT(Z)", {4, 0}), cplx(24, 0));
    echoue("FACT(Z)", {4, 1}, "expression non calculable!");
    // The random function: each part scaled by its own draw.
    for (int i = 0; i < 20; ++i) {
        const cplx r = val("RND(Z)", {2, -3});
        EXPECT_TRUE(r.real() >= 0 && r.real() < 2 && r.imag() <= 0 && r.imag() > -3) << r;
    }
}

TEST_F(Complexes, CourbesParNomEtFonctionsAuxiliaires)
{
    Arbre carre;
    ASSERT_TRUE(CompileExpr("X^2+1", carre));
    enregistreFonction("fc", "y=x^2+1", &carre);
    EXPECT_EQ(val("FC(Z)", {3, 0}), cplx(10, 0));
    echoue("FC(Z)", {3, 1}, "expression non calculable!");
    // Compiled before the curve goes: its slot is then empty.
    Arbre appel;
    ASSERT_TRUE(CompileExpr("FC(Z)", appel));
    retireFonction("fc");
    Complexe r = ComplexeCartesien(1, 1);
    EvalueArbreComplexe(appel, ComplexeCartesien(3, 0), r);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "expression non calculable!");

    // F0..F9 are evaluated over the complex numbers.
    ASSERT_TRUE(definitFonctionAuxiliaire(1, "X^2"));
    EXPECT_EQ(val("F1(Z)", {0, 1}), cplx(-1, 0));
    ASSERT_TRUE(definitFonctionAuxiliaire(2, "F1(X)+I"));
    EXPECT_EQ(val("F2(Z)", {1, 1}), cplx(0, 3));
    echoue("F5(Z)", {1, 1}, "expression non calculable!");  // empty slot
    // A function that calls itself fails instead of exhausting the stack.
    ASSERT_TRUE(definitFonctionAuxiliaire(3, "F3(X)+1"));
    echoue("F3(Z)", {1, 1}, "expression non calculable!");
    EXPECT_EQ(etatCalcul().profondeurAppels, 0);
    definitParametrePerso("q", "q+1");
    echoue("q*Z", {1, 1}, "expression non calculable!");
    EXPECT_EQ(etatCalcul().profondeurAppels, 0);
    // A failing F1 passes its message through.
    ASSERT_TRUE(definitFonctionAuxiliaire(1, "LN(X)"));
    echoue("SIN(F1(Z))", {0, 0}, "logarithme d'un complexe nul!");
}

TEST_F(Complexes, ExponentielleRefuseeSeulementParSaPartieReelle)
{
    proche(val("EXP(90*I)", {0, 0}), {std::cos(90.0), std::sin(90.0)}, "EXP(90i)");
    proche(val("EXP(I*Z)", {200, 0}), {std::cos(200.0), std::sin(200.0)}, "EXP(200i)");
    proche(val("EXP(Z)", {85, 1}), std::exp(cplx(85, 1)), "EXP(85+i)", 1e-12);
    echoue("EXP(Z)", {85.0001, 0}, "exponentielle d'un nombre trop grand!");
}

TEST_F(Complexes, FautesLeventLIndicateurEtGardentLeMessage)
{
    echoue("Z*1E300*1E300", {1, 1}, "");
    echoue("CH(Z)", {800, 0}, "");
    // A success after a failure clears the flag.
    echoue("1/Z", {0, 0}, "division par 0 !");
    EXPECT_EQ(val("1/Z", {2, 0}), cplx(0.5, 0));
    // An empty tree is 0.
    Arbre vide;
    Complexe r = ComplexeCartesien(1, 1);
    EvalueArbreComplexe(vide, ComplexeCartesien(1, 1), r);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_EQ(r.Re, 0);
}

TEST_F(Complexes, FormulesProfondesSurLaPileDuTas)
{
    std::string texte = "Z";
    for (int i = 0; i < 60; ++i)
        texte = "Z*(1+I)+(" + texte + ")";
    Arbre a;
    ASSERT_TRUE(CompileExpr(texte, a));
    ASSERT_GT(a.pileMax, 32);
    const cplx r = val(texte, {1, 0});
    proche(r, {61, 60}, "deep");
}

TEST_F(Complexes, LesDeuxFormesGardeesAccordees)
{
    const Complexe u = ComplexeCartesien(1, 1), w = ComplexePolaire(2, Pi / 3);
    EXPECT_NEAR(u.Module, std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(u.Arg, Pi / 4, 1e-15);
    EXPECT_NEAR(w.Re, 1, 1e-15);
    EXPECT_NEAR(w.Im, std::sqrt(3.0), 1e-15);
    const Complexe p = Produit(u, w);
    EXPECT_NEAR(p.Module, 2 * std::sqrt(2.0), 1e-14);
    EXPECT_NEAR(p.Arg, Pi / 4 + Pi / 3, 1e-14);
    const Complexe q = Quotient(u, w);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_NEAR(q.Arg, Pi / 4 - Pi / 3, 1e-14);
    EXPECT_NEAR(Oppose(u).Arg, -3 * Pi / 4, 1e-15);
    EXPECT_NEAR(Oppose(ComplexeCartesien(1, 0)).Arg, Pi, 0);  // the argument lies in (-pi, pi]
    EXPECT_EQ(ComplexeCartesien(0, 0).Arg, 0);
    EXPECT_EQ(ComplexeCartesien(-0.0, 0).Arg, 0);
    EXPECT_NEAR(ComplexeCartesien(-1e-12, 0).Arg, Pi, 0);  // not taken for 0
    EXPECT_NEAR(ModuleC(ComplexeCartesien(-3, 4)).Re, 5, 0);
    EXPECT_EQ(ModuleC(ComplexeCartesien(-3, 4)).Arg, 0);
    EXPECT_NEAR(ProduitReel(u, -2).Arg, -3 * Pi / 4, 1e-15);
    EXPECT_NEAR(Carre(u).Im, 2, 0);
    EXPECT_NEAR(Conjugue(u).Arg, -Pi / 4, 1e-15);
    EXPECT_EQ(PartieReelle(u).Im, 0);
    EXPECT_EQ(PartieImaginaire(u).Re, 0);
    EXPECT_NEAR(Somme(u, w).Im, 1 + std::sqrt(3.0), 1e-15);
    EXPECT_NEAR(Difference(u, w).Re, 0, 1e-15);
    EXPECT_NEAR(PuissanceC(ComplexeCartesien(-1, 0), ComplexeCartesien(0.5, 0)).Im, 1, 1e-15);
    EXPECT_NEAR(RacineC(ComplexeCartesien(-1, 0)).Arg, Pi / 2, 1e-15);

    Complexe z;
    z.Module = 2;
    z.Arg = -Pi / 2;
    PolaireVersComplexe(z);
    EXPECT_NEAR(z.Re, 0, 1e-15);
    EXPECT_NEAR(z.Im, -2, 0);
    z.Re = -3;
    z.Im = 0;
    ComplexeVersPolaire(z);
    EXPECT_EQ(z.Module, 3);
    EXPECT_NEAR(z.Arg, Pi, 0);

    double n = 0;
    EXPECT_TRUE(EstEntier(ComplexeCartesien(-4, 0), n));
    EXPECT_EQ(n, -4);
    EXPECT_FALSE(EstEntier(ComplexeCartesien(4.5, 0), n));
    EXPECT_EQ(n, 4);
    EXPECT_FALSE(EstEntier(ComplexeCartesien(4, 1), n));
    EXPECT_EQ(n, 4);
    EXPECT_TRUE(EstEntier(ComplexeCartesien(1e300, 0), n));  // no conversion to a machine integer
}

TEST_F(Complexes, OperationsEnEchecLeventLIndicateur)
{
    const Complexe zero = ComplexeCartesien(0, 0);
    Quotient(ComplexeCartesien(1, 0), zero);
    EXPECT_EQ(ErreurCalcul(), 1);
    ErreurCalcul() = 0;
    LnC(zero);
    EXPECT_EQ(ErreurCalcul(), 1);
    ErreurCalcul() = 0;
    PuissanceC(zero, ComplexeCartesien(0.5, 0));
    EXPECT_EQ(ErreurCalcul(), 1);
    ErreurCalcul() = 0;
    ArctanC(ComplexeCartesien(0, 1));
    EXPECT_EQ(ErreurCalcul(), 1);
    ErreurCalcul() = 0;
    ArgthC(ComplexeCartesien(-1, 0));
    EXPECT_EQ(ErreurCalcul(), 1);
    ErreurCalcul() = 0;
    const Complexe t = TanC(ComplexeCartesien(0.5, 0.25));
    EXPECT_EQ(ErreurCalcul(), 0);
    proche({t.Re, t.Im}, std::tan(cplx(0.5, 0.25)), "TanC");
    proche({ThC(t).Re, ThC(t).Im}, std::tanh(cplx(t.Re, t.Im)), "ThC");
    proche({ExpC(t).Re, ExpC(t).Im}, std::exp(cplx(t.Re, t.Im)), "ExpC");
    proche({SinC(t).Re, SinC(t).Im}, std::sin(cplx(t.Re, t.Im)), "SinC");
    proche({CosC(t).Re, CosC(t).Im}, std::cos(cplx(t.Re, t.Im)), "CosC");
    proche({ShC(t).Re, ShC(t).Im}, std::sinh(cplx(t.Re, t.Im)), "ShC");
    proche({ChC(t).Re, ChC(t).Im}, std::cosh(cplx(t.Re, t.Im)), "ChC");
    proche({ArcsinC(t).Re, ArcsinC(t).Im}, std::asin(cplx(t.Re, t.Im)), "ArcsinC");
    proche({ArccosC(t).Re, ArccosC(t).Im}, std::acos(cplx(t.Re, t.Im)), "ArccosC");
    proche({ArgshC(t).Re, ArgshC(t).Im}, std::asinh(cplx(t.Re, t.Im)), "ArgshC");
    proche({ArgchC(t).Re, ArgchC(t).Im}, std::acosh(cplx(t.Re, t.Im)), "ArgchC");
    proche({PartieEntiereC(ComplexeCartesien(-1.5, 2.5)).Re, PartieEntiereC(ComplexeCartesien(-1.5, 2.5)).Im}, {-1, 2},
           "PartieEntiereC");
    proche({ArrondiInferieur(ComplexeCartesien(-1.5, 2.5)).Re, ArrondiInferieur(ComplexeCartesien(-1.5, 2.5)).Im},
           {-2, 2}, "ArrondiInferieur");
    proche({ArrondiC(ComplexeCartesien(-1.5, 2.5)).Re, ArrondiC(ComplexeCartesien(-1.5, 2.5)).Im}, {-2, 2}, "ArrondiC");
    proche({PartieFractionnaire(ComplexeCartesien(-1.5, 2.5)).Re, PartieFractionnaire(ComplexeCartesien(-1.5, 2.5)).Im},
           {-0.5, 0.5}, "PartieFractionnaire");
}

}  // namespace
