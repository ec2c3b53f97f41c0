// Grammar, evaluation and error paths of the expression language.
#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cmath>
#include <string>
#include <thread>

#include "expression/catalogue.h"
#include "expression/fonction.h"
#include "etat_essai.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

class Expression : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    // Value of a text at x; expects success.
    static double val(const std::string& texte, double x = 0)
    {
        const std::string court = texte.substr(0, 60);
        Arbre a;
        EXPECT_TRUE(CompileExpr(texte, a)) << court;
        const double v = EvalueArbre(a, x);
        EXPECT_EQ(ErreurCalcul(), 0) << court << " : " << MessageErreur();
        return v;
    }
    static bool compile(const std::string& texte)
    {
        Arbre a;
        return CompileExpr(texte, a);
    }
    // Expects the evaluation to fail with this message (or with the message untouched
    // when message is empty).
    static void echoue(const std::string& texte, const std::string& message, double x = 0)
    {
        MessageErreur() = "avant";
        Arbre a;
        ASSERT_TRUE(CompileExpr(texte, a)) << texte;
        EvalueArbre(a, x);
        EXPECT_EQ(ErreurCalcul(), 1) << texte;
        EXPECT_EQ(MessageErreur(), message.empty() ? std::string("avant") : message) << texte;
    }
};

TEST_F(Expression, PrioriteEtAssociativite)
{
    EXPECT_DOUBLE_EQ(val("8/4/2"), 1);
    EXPECT_DOUBLE_EQ(val("2^3^2"), 64);
    EXPECT_DOUBLE_EQ(val("-X^2", 3), -9);
    EXPECT_DOUBLE_EQ(val("-2^2"), -4);
    EXPECT_DOUBLE_EQ(val("-3*X", 2), -6);
    EXPECT_DOUBLE_EQ(val("2*-3"), -6);
    EXPECT_DOUBLE_EQ(val("2^-2"), 0.25);
    EXPECT_DOUBLE_EQ(val("1+2*3-4/2"), 5);
    EXPECT_DOUBLE_EQ(val("(X+1)^2", 2), 9);
    EXPECT_DOUBLE_EQ(val("x^2", 3), 9);
    EXPECT_DOUBLE_EQ(val("1E-5"), 1e-5);
    EXPECT_DOUBLE_EQ(val("1E5"), 1e5);
    EXPECT_DOUBLE_EQ(val("1E+5"), 1e5);
    EXPECT_DOUBLE_EQ(val("X-1E-5", 1), 1 - 1e-5);
    EXPECT_DOUBLE_EQ(val("3!"), 6);
    EXPECT_DOUBLE_EQ(val("X\xB2", 3), 9);          // postfix square, Windows-1252
    EXPECT_DOUBLE_EQ(val("X\xC2\xB2", 3), 9);      // postfix square, UTF-8
    EXPECT_DOUBLE_EQ(val("\xFD(3)"), 9);           // square sign of the old code page
    EXPECT_DOUBLE_EQ(val("\xFB(16)"), 4);          // root sign
    EXPECT_DOUBLE_EQ(val("\xE2\x88\x9A(16)"), 4);  // √ typed in UTF-8
    EXPECT_DOUBLE_EQ(val("\xCF\x80"), Pi);         // π typed in UTF-8
    EXPECT_DOUBLE_EQ(val("\xE3"), Pi);
    EXPECT_DOUBLE_EQ(val("1@1"), 45);
    EXPECT_DOUBLE_EQ(val("4."), 4);
    EXPECT_DOUBLE_EQ(val(".5"), 0.5);
    EXPECT_DOUBLE_EQ(val("4.E-6"), 4e-6);
    EXPECT_DOUBLE_EQ(val("1E-400"), 0);  // an underflow reads as 0
    EXPECT_DOUBLE_EQ(val("2* 3"), 6);    // blanks before a number are skipped, nowhere else
}

TEST_F(Expression, ErreursDeSyntaxeSurLesquellesComptentLesDocuments)
{
    for (const char* t : {"", "2+-3", "2--3", "(X+1)!", "(X+1)\xB2", "2X", "2(X+1)", "MIN(1,2)^2", "X +1", "SIN X",
                          "(", ")", "(()", "1,5", "0x10", "INF", "NAN", "1E400", "1E", "E5", "SIN()", "MAX(X,10",
                          "MIN(A,SIN(X)!", "A12", "Y''''''''''''", "N99999999999", "Y15", "A-"})
        EXPECT_FALSE(compile(t)) << t;
    // A failed compile leaves nothing behind.
    Arbre a;
    ASSERT_TRUE(CompileExpr("X+1", a));
    EXPECT_FALSE(CompileExpr("X+", a));
    EXPECT_TRUE(a.vide());
}

std::string Repete(const std::string& motif, int n)
{
    std::string r;
    for (int i = 0; i < n; ++i)
        r += motif;
    return r;
}

// The reason and place of a failure, for the tests and the cursor (the user only ever sees
// the program's own messages): the offset is in the text as given, UTF-8 included.
TEST_F(Expression, UnTexteEnEchecDitPourquoiEtOu)
{
    using F = FauteCompilation;
    const struct {
        std::string texte;
        FauteCompilation faute;
        int position;
    } cas[] = {
        {"", F::Vide, 0},
        {"2*(x+", F::Parenthese, 2},
        {"sin(x)+3)", F::Parenthese, 8},
        {"x*()", F::Vide, 3},
        {"max(x)", F::Arguments, 4},
        {"max(x,)", F::Vide, 6},
        {"3+2x", F::Symbole, 2},
        {"1.2.3", F::Symbole, 0},
        {"y12*2", F::Indice, 0},
        {"a'x", F::Symbole, 2},
        {"\xCF\x80+\xCF\x80q", F::Symbole, 3},  // the "\xCF\x80q" after two bytes of the first pi
        {Repete("1+(", 1100) + "1" + std::string(1100, ')'), F::Profondeur, 3 * 1001 - 1},
    };
    for (const auto& c : cas) {
        Arbre a;
        const ResultatCompilation r = CompileExpr(c.texte, a, OptionsCompilation{});
        const std::string court = c.texte.substr(0, 20);
        EXPECT_FALSE(r) << court;
        EXPECT_EQ(r.faute, c.faute) << court;
        EXPECT_EQ(r.position, c.position) << court;
        EXPECT_TRUE(a.vide()) << court;
    }
    Arbre a;
    const ResultatCompilation bon = CompileExpr("max(2,x)", a, OptionsCompilation{});
    EXPECT_TRUE(bon);
    EXPECT_EQ(bon.faute, F::Aucune);
    EXPECT_EQ(bon.position, -1);
}

TEST_F(Expression, LettresVariablesEtEtat)
{
    auto& ctx = contexteCalcul();
    for (int i = 0; i < 10; ++i)
        ctx.ValeursParametres[i] = 10 + i;
    for (int i = 0; i < 10; ++i)
        VariablesEtat()[i] = 100 + i;
    EXPECT_DOUBLE_EQ(val("X", 7), 7);
    EXPECT_DOUBLE_EQ(val("T", 7), 7);
    EXPECT_DOUBLE_EQ(val("Z", 7), 7);
    EXPECT_DOUBLE_EQ(val("Y", 7), 7);
    EXPECT_DOUBLE_EQ(val("A"), 10);
    EXPECT_DOUBLE_EQ(val("P"), 19);
    EXPECT_DOUBLE_EQ(val("A'"), 11);  // A with one prime reads b
    EXPECT_DOUBLE_EQ(val("A3"), 13);
    EXPECT_DOUBLE_EQ(val("B2"), 12);
    EXPECT_DOUBLE_EQ(val("A9"), 19);
    EXPECT_DOUBLE_EQ(val("N"), 101);
    EXPECT_DOUBLE_EQ(val("R"), 100);
    EXPECT_DOUBLE_EQ(val("Y''"), 102);
    EXPECT_DOUBLE_EQ(val("Y3"), 103);
    {
        Arbre y;
        ASSERT_TRUE(CompileExpr("Y", y, CompilationYEtat));
        EXPECT_DOUBLE_EQ(EvalueArbre(y, 7), 100);
    }
    EXPECT_DOUBLE_EQ(val("Y", 7), 7);  // that compilation changed nothing for the next one
    EXPECT_DOUBLE_EQ(val("PI"), Pi);
    // Parameter values are read at each evaluation.
    Arbre a;
    ASSERT_TRUE(CompileExpr("a*x", a));
    ctx.ValeursParametres[0] = 3;
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 2), 6);
    // RD is drawn once, at compile time.
    ASSERT_TRUE(CompileExpr("RD", a));
    const double rd = EvalueArbre(a, 0);
    EXPECT_GE(rd, 0);
    EXPECT_LT(rd, 1);
    EXPECT_EQ(EvalueArbre(a, 5), rd);
    // Letters used are recorded once each.
    const ResultatCompilation r = CompileExpr("a*x+a+b2", a, OptionsCompilation{});
    ASSERT_TRUE(r);
    EXPECT_EQ(r.nomsUtilises, (std::vector<std::string>{"A", "B"}));
}

TEST_F(Expression, FonctionsADeuxArguments)
{
    EXPECT_DOUBLE_EQ(val("MIN(MAX(1,2),3)"), 2);
    EXPECT_DOUBLE_EQ(val("MIN(2,2)"), 2);
    EXPECT_DOUBLE_EQ(val("MAX(2,2)"), 2);
    EXPECT_DOUBLE_EQ(val("MODULE(3,4)"), 5);
    // The squares of huge or tiny operands must not overflow or vanish.
    EXPECT_DOUBLE_EQ(val("MODULE(1E308,1E308)"), std::sqrt(2.0) * 1e308);
    EXPECT_DOUBLE_EQ(val("MODULE(1E-200,-1E-200)"), std::sqrt(2.0) * 1e-200);
    EXPECT_DOUBLE_EQ(val("ARG(1E-300,1E300)"), 90);
    EXPECT_DOUBLE_EQ(val("ARG(-1E300,1E-300)"), 180);
    EXPECT_DOUBLE_EQ(val("COMB(5,2)"), 10);
    EXPECT_DOUBLE_EQ(val("ARG(0,0)"), 0);
    EXPECT_DOUBLE_EQ(val("ARG(-1,0)"), 180);
    EXPECT_DOUBLE_EQ(val("ARG(0,-1)"), -90);
    EXPECT_DOUBLE_EQ(val("LOGA(2,8)"), 3);
    EXPECT_DOUBLE_EQ(val("TCHEB(3,0.5)"), 4 * 0.125 - 3 * 0.5);
    EXPECT_DOUBLE_EQ(val("LEGNDR(2,X)", 2), (3 * 4 - 1) / 2.0);
    EXPECT_DOUBLE_EQ(val("HERMIT(2,X)", 2), 14);
    EXPECT_DOUBLE_EQ(val("LAGUER(2,X)", 3), 9 - 12 + 2);
    EXPECT_DOUBLE_EQ(val("TCHEB2(2,X)", 1), 3);
    // Commas inside brackets are not split points.
    EXPECT_DOUBLE_EQ(val("MIN(MIN(MIN(MIN(MIN(MIN(MIN(X,0),1),2),3),4),5),6)", 9), 0);
    // "SINQ" is not "SIN"; GAUSS01 is the density, LOGAMMA is not LOGA.
    EXPECT_DOUBLE_EQ(val("SINQ(X)", 0.5), 0.5);
    EXPECT_NEAR(val("GAUSS01(X)", 0), 1 / std::sqrt(2 * Pi), 1e-15);
    EXPECT_NEAR(val("LOGAMMA(X)", 5), std::log(24.0), 1e-12);
}

TEST_F(Expression, ValeursDesFonctionsAUnArgument)
{
    EXPECT_NEAR(val("SIN(PI/6)"), 0.5, 1e-15);
    EXPECT_NEAR(val("COS(PI/3)"), 0.5, 1e-15);
    EXPECT_NEAR(val("TAN(PI/4)"), 1, 1e-15);
    EXPECT_GT(std::fabs(val("TAN(PI/2)")), 1e15);  // the cosine of pi/2 as a double is not 0
    EXPECT_NEAR(val("COT(PI/4)"), 1, 1e-15);
    EXPECT_NEAR(val("ARCCOT(1)"), Pi / 4, 1e-15);
    EXPECT_NEAR(val("SH(1)"), std::sinh(1.0), 1e-15);
    EXPECT_DOUBLE_EQ(val("TH(400)"), 1);
    EXPECT_TRUE(std::isfinite(val("CH(710)")));
    EXPECT_TRUE(std::isfinite(val("SH(710)")));
    EXPECT_NEAR(val("ARGCOTH(2)"), std::atanh(0.5), 1e-15);
    EXPECT_DOUBLE_EQ(val("INT(-2.5)"), -2);
    EXPECT_DOUBLE_EQ(val("ENT(-2.5)"), -3);
    EXPECT_DOUBLE_EQ(val("ROUND(2.5)"), 2);
    EXPECT_DOUBLE_EQ(val("ROUND(3.5)"), 4);
    EXPECT_DOUBLE_EQ(val("FRAC(-2.25)"), -0.25);
    EXPECT_DOUBLE_EQ(val("FACT(0)"), 1);
    EXPECT_DOUBLE_EQ(val("FACT(-3)"), 1);
    EXPECT_DOUBLE_EQ(val("FACT(2.6)"), 6);
    EXPECT_DOUBLE_EQ(val("FACT(31)"), 8222838654177922817725562880000000.0);
    EXPECT_DOUBLE_EQ(val("EXP(85)"), std::exp(85.0));
    EXPECT_DOUBLE_EQ(val("RCUB(-8)"), -2);
    EXPECT_DOUBLE_EQ(val("SGN(1E-17)"), 0);
    EXPECT_DOUBLE_EQ(val("SGN(-3)"), -1);
    EXPECT_DOUBLE_EQ(val("DELTA(1E-12)"), 1);
    EXPECT_DOUBLE_EQ(val("SHA(3)"), 1);
    EXPECT_DOUBLE_EQ(val("SHA(3.5)"), 0);
    EXPECT_DOUBLE_EQ(val("IM(X)", 4), 0);
    EXPECT_DOUBLE_EQ(val("RE(X)", 4), 4);
    EXPECT_DOUBLE_EQ(val("CONJ(X)", 4), 4);
    EXPECT_DOUBLE_EQ(val("UN(0)"), 1);
    EXPECT_DOUBLE_EQ(val("RECT(1)"), 1);
    EXPECT_DOUBLE_EQ(val("TRI(0.25)"), 0.75);
    EXPECT_DOUBLE_EQ(val("SINC(0)"), 1);
    EXPECT_DOUBLE_EQ(val("COSQ(0)"), 1);
    EXPECT_DOUBLE_EQ(val("SIND(1)"), 1);
    EXPECT_DOUBLE_EQ(val("COSD(0)"), 1);
    EXPECT_DOUBLE_EQ(val("TANQ(1)"), 1);
    EXPECT_DOUBLE_EQ(val("BL(0.5)"), 0.5);
    EXPECT_DOUBLE_EQ(val("GAMMA(5)"), 24);
    EXPECT_NEAR(val("GAMMA(0.5)"), std::sqrt(Pi), 1e-6);
    EXPECT_NEAR(val("GAMMA(150)") / 3.8089226376496e260, 1, 1e-6);
    EXPECT_DOUBLE_EQ(val("MOD(7,3)"), 1);
    EXPECT_DOUBLE_EQ(val("MOD(-1,3)"), 2);
    EXPECT_DOUBLE_EQ(val("MOD(-3,3)"), 0);
    EXPECT_DOUBLE_EQ(val("MOD(-6,3)"), 0);
    EXPECT_DOUBLE_EQ(val("MOD(-7,-3)"), 2);
    // Pascal's triangle in integers is the reference.
    std::vector<unsigned long long> ligne{1};
    for (int n = 0; n <= 60; ++n) {
        for (int p = 0; p <= n; ++p) {
            Arbre a;
            ASSERT_TRUE(CompileExpr("COMB(" + std::to_string(n) + "," + std::to_string(p) + ")", a));
            EXPECT_EQ(EvalueArbre(a, 0), static_cast<double>(ligne[p])) << n << " " << p;
        }
        std::vector<unsigned long long> suivante(n + 2, 1);
        for (int p = 1; p <= n; ++p)
            suivante[p] = ligne[p - 1] + ligne[p];
        ligne = suivante;
    }
}

TEST_F(Expression, EchecsDeDomaineDonnentLeurMessage)
{
    echoue("1/1E-12", "division par 0 !");
    EXPECT_DOUBLE_EQ(val("1/2E-11"), 5e10);
    echoue("EXP(85.0001)", "exponentielle d'un nombre trop grand!");
    echoue("EXP(-86)", "exponentielle d'un nombre trop grand!");
    echoue("FACT(32)", "factorielle d'un entier > 32");
    echoue("FACT(-32)", "factorielle d'un entier > 32");
    echoue("0^0", "puissance non calculable !");
    echoue("(-8)^(1/3)", "puissance non calculable !");
    echoue("0^-2", "");     // a division fault: flag set, message unchanged
    echoue("2^40000", "");  // overflow
    echoue("LN(0)", "logarithme d'un réel négatif ou nul!");
    echoue("LOG(-1)", "logarithme d'un réel négatif ou nul!");
    echoue("SQRT(-1)", "racine carrée d'un réel négatif!");
    echoue("ARCSIN(2)", "arcsin d'un réel > 1 en valeur absolue");
    echoue("ARCCOS(-2)", "arccos d'un réel > 1 en valeur absolue");
    echoue("ARGCH(0)", "argch d'un réel < 1");
    echoue("ARGTH(1)", "argth d'un réel > ou = -1 en valeur absolue");
    echoue("ARGCOTH(1)", "argcoth d'un réel < ou = -1 en valeur absolue");
    echoue("COTH(0)", "coth de 0");
    echoue("COMB(5,6)", "Cnp incalculable !");
    echoue("COMB(5,-1)", "Cnp incalculable !");
    echoue("COMB(1E12,5E11)", "Cnp incalculable !");
    echoue("MOD(1,0)", "module nul !");
    echoue("LOGA(-1,-1)", "logarithme d'un réel négatif ou nul!");
    echoue("LOGA(-1,2)", "base du logarithme négative ou nulle!");
    echoue("LOGA(1,5)", "");
    echoue("BINOM(-1,0.5)", "paramètres incorrects");
    echoue("BINOM(5,2)", "paramètres incorrects");
    echoue("GAUSS(0,0)", "gaussienne d'écart type négatif ou nul");
    echoue("TCHEB(-1,X)", "degré négatif");
    echoue("LEGNDR(1E10,X)", "degré trop grand");
    echoue("TANQ(2)", "tanq d'un multiple impair de 2");
    echoue("TANQ(10)", "tanq d'un multiple impair de 2");
    echoue("TAND(1)", "tanq d'un nombre impair");
    echoue("TAND(-3)", "tanq d'un nombre impair");
    echoue("LOGAMMA(0)", "argument négatif ou nul !");
    echoue("POISSON(0)", "paramètre de la loi de Poisson négatif ou nul !");
    echoue("GAMMA(-2)", "Gamma d'un entier négatif");
    EXPECT_NEAR(val("GAMMA(-0.5)"), -2 * std::sqrt(Pi), 1e-6);
    // Huge means draw at once, near their mean.
    for (const char* t : {"POISSON(1E13)", "POISSON(95555555555555555555555555555555555555555555)"}) {
        Arbre p;
        ASSERT_TRUE(CompileExpr(t, p));
        const double v = EvalueArbre(p, 0);
        EXPECT_EQ(ErreurCalcul(), 0) << t;
        EXPECT_NEAR(v / EvalueTexte(std::string(t).substr(8, std::string(t).size() - 9)), 1, 1e-3) << t;
    }
    // A large negative argument does not recurse.
    Arbre a;
    ASSERT_TRUE(CompileExpr("GAMMA(-1E6-0.5)", a));
    EvalueArbre(a, 0);
}

// Random laws with huge parameters: every draw returns at once with a plausible value.
TEST_F(Expression, LoisAleatoiresDeParametresEnormesRepondentAussitot)
{
    germeAleatoire(3);
    Arbre a;
    ASSERT_TRUE(CompileExpr("POISSON(1000)", a));
    double somme = 0;
    for (int i = 0; i < 1000; ++i)
        somme += EvalueArbre(a, 0);
    EXPECT_NEAR(somme / 1000, 1000, 5);  // the mean of 1000 draws has a deviation of 1
    for (const char* t : {"POISSON(1E300)", "POISSON(1E19)", "BINOM(1E18,0.5)", "BINOM(3E18,1E-17)",
                          "BINOM(3E18,0.99)", "BINOM(1E10,0.5)"}) {
        ASSERT_TRUE(CompileExpr(t, a));
        for (int i = 0; i < 100; ++i) {
            const double v = EvalueArbre(a, 0);
            ASSERT_EQ(ErreurCalcul(), 0) << t;
            ASSERT_TRUE(v >= 0 && v == std::nearbyint(v)) << t << " " << v;
        }
    }
    EXPECT_NEAR(val("POISSON(1E300)") / 1e300, 1, 1e-9);
    EXPECT_NEAR(val("BINOM(1E18,0.5)") / 5e17, 1, 1e-6);
    EXPECT_NEAR(val("BINOM(3E18,0.99)") / 2.97e18, 1, 1e-6);
    EXPECT_LE(val("BINOM(3E18,1E-17)"), 100);
}

TEST_F(Expression, ErreursEnUnPointNeCollentPasAuPointSuivant)
{
    Arbre a;
    ASSERT_TRUE(CompileExpr("LN(X)", a));
    EvalueArbre(a, -1);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_NEAR(EvalueArbre(a, std::exp(1.0)), 1, 1e-15);
    EXPECT_EQ(ErreurCalcul(), 0);
    ASSERT_TRUE(CompileExpr("1/X", a));
    EvalueArbre(a, 0);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "division par 0 !");
}

TEST_F(Expression, EvalueTexteLitLesChampsNumeriques)
{
    EXPECT_DOUBLE_EQ(EvalueTexte("  -5 "), -5);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_DOUBLE_EQ(EvalueTexte("PI/2"), Pi / 2);
    contexteCalcul().ValeursParametres[0] = 4;
    EXPECT_DOUBLE_EQ(EvalueTexte("2*a"), 8);
    MessageErreur() = "inchangé";
    EXPECT_DOUBLE_EQ(EvalueTexte("2+"), 0);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "inchangé");
    EXPECT_DOUBLE_EQ(EvalueTexte("1/0"), 0);
    EXPECT_EQ(ErreurCalcul(), 1);
    // Plain decimals, read without the parser, give the parser's value to the bit (and its
    // failures); the others go through it.
    for (const std::string& t : {std::string("0"), std::string("-0"), std::string("5"), std::string("-5"),
                                 std::string("5."), std::string("0.125"), std::string("-1.5"), std::string("00012"),
                                 std::string("0.1"), std::string("3.14159265358979323846264"), std::string(400, '9'),
                                 "0." + std::string(400, '0') + "1", std::string("-"), std::string("-.5"),
                                 std::string(".5"), std::string("5.5.5"), std::string("--5"), std::string("1E3"),
                                 std::string("5 5")}) {
        Arbre a;
        const bool compile = CompileExpr(t, a);
        const double attendu = compile ? EvalueArbre(a, 0) : 0;
        const int erreur = compile ? ErreurCalcul() : 1;
        const double v = EvalueTexte(t);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(v), std::bit_cast<std::uint64_t>(attendu)) << t;
        EXPECT_EQ(ErreurCalcul(), erreur) << t;
    }
}

TEST_F(Expression, FonctionsAuxiliaires)
{
    ASSERT_TRUE(definitFonctionAuxiliaire(3, "LN(X)"));
    ASSERT_TRUE(definitFonctionAuxiliaire(1, "F3(X)*2"));
    EXPECT_NEAR(val("F1(EXP(2))"), 4, 1e-14);
    // A failing F3 inside SIN(F3(x)) leaves F3's message.
    echoue("SIN(F3(X))", "logarithme d'un réel négatif ou nul!", -1);
    // An empty slot fails.
    echoue("F5(X)", "expression non calculable!");
    // A function that calls itself stops at the nesting limit.
    ASSERT_TRUE(definitFonctionAuxiliaire(1, "F1(X)+1"));
    echoue("F1(X)", "expression non calculable!");
    EXPECT_FALSE(definitFonctionAuxiliaire(2, "X+"));
}

TEST_F(Expression, ParametresDuFilMasquentLesPartagesAuFilDesAppels)
{
    // A scan thread reads its own a..p, in the formula and in the auxiliary functions it
    // calls, while the shared values and the other threads are untouched.
    contexteCalcul().ValeursParametres[0] = 1;
    ASSERT_TRUE(definitFonctionAuxiliaire(0, "A*X"));
    Arbre a;
    ASSERT_TRUE(CompileExpr("A+F0(2)", a));
    double propres[NbParametres] = {10}, lu = 0, apres = 0;
    std::thread fil([&] {
        {
            GardeParametres garde(propres);
            lu = EvalueArbre(a, 0);
        }
        apres = EvalueArbre(a, 0);
    });
    fil.join();
    EXPECT_EQ(lu, 30);
    EXPECT_EQ(apres, 3);
    EXPECT_EQ(EvalueArbre(a, 0), 3);
}

TEST_F(Expression, CourbesAppeleesParNomGardentLeurEmplacement)
{
    Arbre fn1, fn2, aire;
    ASSERT_TRUE(CompileExpr("X", fn1));
    ASSERT_TRUE(CompileExpr("X^2", fn2));
    enregistreFonction("fn1", "y=x", &fn1);
    enregistreFonction("fn2", "y=x^2", &fn2);
    ASSERT_TRUE(CompileExpr("fn2(x)+1", aire));
    EXPECT_DOUBLE_EQ(EvalueArbre(aire, 3), 10);
    // Editing fn1 (removed then registered again) does not move fn2.
    retireFonction("fn1");
    enregistreFonction("FN1", "y=x", &fn1);
    EXPECT_DOUBLE_EQ(EvalueArbre(aire, 3), 10);
    // Deleting fn2 makes the formula fail, never read another curve.
    retireFonction("fn2");
    EvalueArbre(aire, 3);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "expression non calculable!");
    EXPECT_FALSE(compile("fn2(x)"));
    // Registering the name again brings the formula back.
    enregistreFonction("fn2", "y=x^2", &fn2);
    EXPECT_DOUBLE_EQ(EvalueArbre(aire, 3), 10);
    // Names that begin alike: the bracket says which is called. A tree that goes away
    // empties every name that calls it.
    Arbre fn10, appel;
    ASSERT_TRUE(CompileExpr("X*10", fn10));
    enregistreFonction("fn10", "", &fn10);
    enregistreFonction("dix", "", &fn10);
    ASSERT_TRUE(CompileExpr("fn10(2)+fn1(2)+dix(1)", appel));
    EXPECT_DOUBLE_EQ(EvalueArbre(appel, 0), 32);
    oublieArbreAppele(&fn10);
    EXPECT_EQ(chercheFonction("FN10"), -1);
    EXPECT_EQ(chercheFonction("DIX"), -1);
    EXPECT_GE(chercheFonction("FN1"), 0);
    EXPECT_FALSE(compile("dix(x)"));
    // A curve calling itself stops at the nesting limit.
    Arbre soi;
    enregistreFonction("g", "", &soi);
    ASSERT_TRUE(CompileExpr("g(x)", soi));
    echoue("g(x)", "expression non calculable!");
}

TEST_F(Expression, ParametresPersonnels)
{
    definitParametrePerso("Alpha", "2");
    definitParametrePerso("P2", "3*alpha");
    EXPECT_DOUBLE_EQ(val("alpha*x", 5), 10);
    EXPECT_DOUBLE_EQ(val("ALPHA"), 2);
    EXPECT_FALSE(compile("ALPHA2"));
    Arbre a;
    ASSERT_TRUE(CompileExpr("P2+x", a));
    definitParametrePerso("alpha", "4");
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 1), 13);
    // A value that does not compile: failure without a message.
    definitParametrePerso("alpha", "4+");
    MessageErreur() = "avant";
    EvalueArbre(a, 1);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "avant");
    // A parameter that refers to itself.
    definitParametrePerso("P1", "1");
    definitParametrePerso("P1", "P1+1");
    EvalueTexte("2*P1");
    EXPECT_EQ(ErreurCalcul(), 1);
    // Removed: formulas fail, they never read another parameter.
    definitParametrePerso("alpha", "4");
    retireParametrePerso("alpha");
    EvalueArbre(a, 1);
    EXPECT_EQ(ErreurCalcul(), 1);
    // "vitesse" ends in E: the operators after it are still operators.
    definitParametrePerso("vitesse", "3");
    EXPECT_DOUBLE_EQ(val("vitesse*2"), 6);
    EXPECT_DOUBLE_EQ(val("vitesse-1"), 2);
    EXPECT_DOUBLE_EQ(val("vitesse^2"), 9);
    EXPECT_DOUBLE_EQ(val("vitesse/2"), 1.5);
}

TEST_F(Expression, EntreesEnormesEtProfondesNiPlantageNiBlocage)
{
    const int n = 10000;
    const std::string crochets = std::string(n, '(') + "X" + std::string(n, ')');
    EXPECT_DOUBLE_EQ(val(crochets, 3), 3);
    EXPECT_FALSE(compile(std::string(n, '(') + "X" + std::string(n - 1, ')')));
    std::string chaine = "1";
    for (int i = 0; i < n; ++i)
        chaine += "+1";
    EXPECT_DOUBLE_EQ(val(chaine), n + 1);
    std::string produit = "X";
    for (int i = 0; i < n; ++i)
        produit += "*1";
    EXPECT_DOUBLE_EQ(val(produit, 2), 2);
    std::string fonctions;
    for (int i = 0; i < n; ++i)
        fonctions += "ABS(";
    fonctions += "X" + std::string(n, ')');
    EXPECT_DOUBLE_EQ(val(fonctions, -2), 2);
    // Right-nested operations beyond the parser's depth fail cleanly.
    std::string imbrique;
    for (int i = 0; i < n; ++i)
        imbrique += "1-(";
    imbrique += "X" + std::string(n, ')');
    Arbre a;
    CompileExpr(imbrique, a);  // either result is fine, as long as it returns
    EXPECT_FALSE(compile(std::string(100000, '-') + "X"));
    EXPECT_FALSE(compile(std::string(50000, ')')));
}

TEST_F(Expression, ConstantesRepliesMaisPasLAleatoireNiLesErreurs)
{
    Arbre a;
    ASSERT_TRUE(CompileExpr("2*PI+SIN(0)", a));
    EXPECT_TRUE(a.estConstant());
    ASSERT_TRUE(CompileExpr("RND(1)", a));
    EXPECT_FALSE(a.estConstant());
    ASSERT_TRUE(CompileExpr("1/0", a));
    EXPECT_FALSE(a.estConstant());
    EvalueArbre(a, 0);
    EXPECT_EQ(MessageErreur(), "division par 0 !");
    // The imaginary unit stays a node for the complex evaluator.
    ASSERT_TRUE(CompileExpr("I*I", a));
    EXPECT_EQ(a.noeuds.size(), 3u);
}

// The help lists the functions from the catalogue: the way it says to write each one must
// compile to that very function, and every way of failing it names must be explained.
TEST_F(Expression, ChaqueFonctionSEcritCommeLeCatalogueLeDit)
{
    const auto verifie = [](const FicheFonction& f, GenreNoeud genre, int code) {
        SCOPED_TRACE(f.ecriture);
        Arbre a;
        ASSERT_TRUE(CompileExprSansPliage(f.ecriture, a));
        EXPECT_TRUE(std::any_of(a.noeuds.begin(), a.noeuds.end(),
                                [&](const NoeudExpr& n) { return n.Genre == genre && n.Code == code; }));
        EXPECT_TRUE(f.calcul && *f.calcul);
        EXPECT_EQ(f.famille == Famille::Operateur, code < (genre == NoeudUnaire ? int(UF0) : int(BARG)));
        if (f.message) {
            EXPECT_TRUE(f.domaine && *f.domaine);
        }
        if (f.message2) {
            EXPECT_TRUE(f.message);
        }
    };
    for (int code = 0; code < NbCodesUnaires; ++code)
        verifie(FichesUnaires[code], NoeudUnaire, code);
    for (int code = 0; code < NbCodesBinaires; ++code)
        verifie(FichesBinaires[code], NoeudBinaire, code);
}

TEST_F(Expression, TableDInsertion)
{
    std::string t;
    ASSERT_TRUE(NomFonctionParCode(37, t));
    EXPECT_EQ(t, "sin(x)");
    ASSERT_TRUE(NomFonctionParCode(2, t));
    EXPECT_EQ(t, "poisson(1)");
    EXPECT_FALSE(NomFonctionParCode(99, t));
    // Every entry compiles.
    for (const auto& e : TableInsertion)
        EXPECT_TRUE(compile(e.texte)) << e.texte;
}

}  // namespace
