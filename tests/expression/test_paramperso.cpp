// Personal parameters: names, values, keys, and the formulas that use them.
#include <gtest/gtest.h>

#include <string>

#include "expression/fonction.h"
#include "expression/paramperso.h"
#include "etat_essai.h"

namespace {

class ParamPerso : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    static int ajoute(const std::string& nom, const std::string& valeur)
    {
        std::string message;
        const int i = AjouteParametrePerso(GCParamPerso(nom, valeur), message);
        EXPECT_GE(i, 0) << nom << " : " << message;
        return i;
    }
    static std::string refus(const std::string& nom, const std::string& valeur)
    {
        std::string message;
        EXPECT_EQ(AjouteParametrePerso(GCParamPerso(nom, valeur), message), -1) << nom;
        return message;
    }
    static bool fixe(int i, const std::string& valeur, const std::string& pas, std::string& message)
    {
        return FixeParametrePerso(i, valeur, pas, "-5", "5", message);
    }
    static Arbre compile(const std::string& texte)
    {
        Arbre a;
        EXPECT_TRUE(CompileExpr(texte, a)) << texte;
        return a;
    }
    static double val(const Arbre& a, double x = 0)
    {
        const double v = EvalueArbre(a, x);
        EXPECT_EQ(ErreurCalcul(), 0) << MessageErreur();
        return v;
    }
    static void echoue(const Arbre& a, const std::string& message)
    {
        MessageErreur() = "avant";
        EvalueArbre(a, 0);
        EXPECT_EQ(ErreurCalcul(), 1);
        EXPECT_EQ(MessageErreur(), message);
    }
    static std::string valeur(int i) { return parametresPersonnels().ParametresPerso[i]->Valeur(); }
};

TEST_F(ParamPerso, CreationNomsEtValeurs)
{
    const GCParamPerso p("vitesse", "3");
    EXPECT_EQ(p.Increment, "0.1");
    EXPECT_EQ(p.Minimum, "-5");
    EXPECT_EQ(p.Maximum, "5");
    EXPECT_EQ(p.Touche(), 0);
    EXPECT_EQ(ajoute("vitesse", "3"), 0);
    EXPECT_EQ(ajoute("Alpha", "0.5"), 1);
    EXPECT_EQ(parametresPersonnels().NomsParametresPerso[1], "Alpha");
    for (const char* t : {"alpha*4", "ALPHA*4", "Alpha*4"})
        EXPECT_DOUBLE_EQ(val(compile(t)), 2) << t;

    EXPECT_EQ(refus("b2", "1"), "Ce nom est réservé à VIRK.");
    EXPECT_EQ(refus("pi", "1"), "Ce nom est réservé à VIRK.");
    EXPECT_EQ(refus("x", "1"), "Ce nom est réservé à VIRK.");
    EXPECT_EQ(refus("", "1"), "Ce nom n'est pas autorisé!");
    EXPECT_EQ(refus("1v", "1"), "Ce nom n'est pas autorisé!");
    EXPECT_EQ(refus("v+1", "1"), "Ce nom n'est pas autorisé!");
    EXPECT_EQ(refus("ALPHA", "2"), "Ce nom existe déjà, utilisez Modifier.");
    EXPECT_EQ(refus("w", "2+"), "Valeur du paramètre incorrecte!");
    EXPECT_EQ(refus("w", "w+1"), "Valeur du paramètre incorrecte!");
    EXPECT_EQ(VerifieNomParametre("q"), 0);
    EXPECT_EQ(VerifieNomParametre("débit"), 0);
    EXPECT_EQ(parametresPersonnels().ParametresPerso.size(), 2u);

    // A value follows the parameters it uses, without recompiling; X in a value is 0.
    const int u1 = ajoute("u1", "1");
    ajoute("u2", "2*u1");
    const Arbre a = compile("u2+x");
    EXPECT_DOUBLE_EQ(val(a, 1), 3);
    std::string message;
    ASSERT_TRUE(FixeParametrePerso(u1, "10", "1", "0", "20", message)) << message;
    EXPECT_DOUBLE_EQ(val(a, 1), 21);
    EXPECT_EQ(parametresPersonnels().ParametresPerso[u1]->Maximum, "20");
    ASSERT_TRUE(fixe(u1, "X+4", "1", message));
    EXPECT_DOUBLE_EQ(val(a, 100), 108);
}

TEST_F(ParamPerso, MauvaisesValeursEtAutoReference)
{
    const int u1 = ajoute("u1", "1");
    ajoute("u2", "u1+1");
    std::string message;
    // A value that does not compile, or leads back to the parameter, is refused.
    for (const char* v : {"1+", "u1+1", "2*u2"}) {
        EXPECT_FALSE(fixe(u1, v, "0.1", message)) << v;
        EXPECT_EQ(message, "Valeur du paramètre incorrecte!");
    }
    EXPECT_EQ(valeur(u1), "1");
    EXPECT_FALSE(fixe(7, "1", "0.1", message));
    EXPECT_EQ(message, "Impossible! La liste des paramètres personnels est vide");

    // From a document, unchecked: a value may name a parameter read later; a bad value
    // fails the formulas without a message; a cycle ends at the nesting limit.
    ASSERT_GE(AjouteParametrePerso(GCParamPerso("w2", "2*w1"), message, false), 0);
    ASSERT_GE(AjouteParametrePerso(GCParamPerso("w", "2*"), message, false), 0);
    ajoute("w1", "5");
    EXPECT_DOUBLE_EQ(EvalueTexte("w2"), 10);
    echoue(compile("w*x"), "avant");
    definitParametrePerso("u1", "u2+1");
    EvalueTexte("2*u2");
    EXPECT_EQ(ErreurCalcul(), 1);
}

TEST_F(ParamPerso, ParametresRetiresOuRenommesFontEchouerLesFormules)
{
    ajoute("alpha", "2");
    const int beta = ajoute("beta", "3");
    ajoute("gamma", "5");
    const Arbre a = compile("alpha*x"), b = compile("beta*x"), c = compile("gamma*x");
    std::string message;
    ASSERT_TRUE(SupprimeParametrePerso(beta, message));
    // The formula that used it fails; the others keep their own parameter.
    echoue(b, "expression non calculable!");
    EXPECT_DOUBLE_EQ(val(a, 1), 2);
    EXPECT_DOUBLE_EQ(val(c, 1), 5);
    Arbre d;
    EXPECT_FALSE(CompileExpr("beta*x", d));
    EXPECT_FALSE(SupprimeParametrePerso(5, message));
    EXPECT_EQ(message, "Impossible! La liste des paramètres personnels est vide");

    const int g = IndiceParametrePerso("GAMMA");
    EXPECT_FALSE(RenommeParametrePerso(g, "alpha", message));
    EXPECT_EQ(message, "Ce nom existe déjà, utilisez Modifier.");
    EXPECT_FALSE(RenommeParametrePerso(g, "pi", message));
    EXPECT_EQ(message, "Ce nom est réservé à VIRK.");
    ASSERT_TRUE(RenommeParametrePerso(g, "delta", message)) << message;
    echoue(c, "expression non calculable!");
    const Arbre e = compile("delta*x");
    EXPECT_DOUBLE_EQ(val(e, 2), 10);
    ASSERT_TRUE(RenommeParametrePerso(g, "DELTA", message)) << message;  // case only
    EXPECT_DOUBLE_EQ(val(e, 2), 10);

    // The removed name added again serves the old formulas again.
    ajoute("beta", "7");
    EXPECT_DOUBLE_EQ(val(b, 1), 7);
}

TEST_F(ParamPerso, LettresCles)
{
    const int u = ajoute("u", "0.1");
    const int v = ajoute("v", "2*u");
    const int w = ajoute("w", "3");
    EXPECT_TRUE(AssocieToucheParametrePerso(u, 'q'));
    EXPECT_TRUE(AssocieToucheParametrePerso(w, 'Q'));
    EXPECT_FALSE(AssocieToucheParametrePerso(v, '3'));
    const auto& l = parametresPersonnels();
    EXPECT_EQ(l.ParametresPerso[u]->Touche(), 'Q');
    EXPECT_EQ(l.ListesLettres['Q' - 'A'], (std::vector<int>{0, 2}));
    EXPECT_TRUE(AssocieToucheParametrePerso(w, 'S'));  // moves to the other key
    EXPECT_EQ(l.ListesLettres['Q' - 'A'], (std::vector<int>{0}));

    // Ten presses of 1e-6 from 0.1 give 0.10001; a parameter using it follows.
    std::string message;
    ASSERT_TRUE(fixe(u, "0.1", "0.000001", message));
    const Arbre a = compile("v");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(ToucheParametrePerso('Q' - 'A', +1), 1);
    EXPECT_EQ(valeur(u), "0.10001");
    EXPECT_NEAR(val(a), 0.20002, 1e-15);
    ToucheParametrePerso('Q' - 'A', -1);
    EXPECT_EQ(valeur(u), "0.100009");
    // A value that is not a short decimal keeps every digit of the sum.
    ASSERT_TRUE(fixe(u, "PI", "0.1", message));
    ToucheParametrePerso('Q' - 'A', +1);
    EXPECT_EQ(EvalueTexte(valeur(u)), 3.14159265358979323846 + 0.1);
    // Keys bound to nothing change nothing; a step that cannot be read leaves the value.
    EXPECT_EQ(ToucheParametrePerso('Z' - 'A', 1), 0);
    EXPECT_EQ(ToucheParametrePerso(26, 1), 0);
    ASSERT_TRUE(fixe(u, "3", "1+", message));
    EXPECT_EQ(ToucheParametrePerso('Q' - 'A', 1), 0);
    EXPECT_EQ(valeur(u), "3");

    // Removing a parameter shifts the indices in the key lists.
    ASSERT_TRUE(SupprimeParametrePerso(u, message));
    EXPECT_TRUE(l.ListesLettres['Q' - 'A'].empty());
    EXPECT_EQ(l.ListesLettres['S' - 'A'], (std::vector<int>{1}));
    EXPECT_EQ(l.ParametresPerso[1]->Nom(), "w");
}

}  // namespace

// A value that draws a random number draws anew at each use, whatever it is folded
// into; a formula's own RD stays one number.
TEST_F(ParamPerso, ValeursTireesAChaqueUsage)
{
    ajoute("omega", "RD");
    ajoute("tirage", "2*RD-1");
    struct Cas {
        const char* texte;
        double moyenne, variance;
    };
    for (const Cas& cas : {Cas{"OMEGA", 0.5, 1 / 12.0}, Cas{"TIRAGE", 0, 1 / 3.0}, Cas{"omega+omega", 1, 1 / 6.0}}) {
        const Arbre a = compile(cas.texte);
        constexpr int n = 100000;
        double somme = 0, carres = 0;
        for (int i = 0; i < n; ++i) {
            const double v = val(a);
            somme += v;
            carres += v * v;
        }
        const double moyenne = somme / n;
        EXPECT_NEAR(moyenne, cas.moyenne, 0.01) << cas.texte;
        EXPECT_NEAR(carres / n - moyenne * moyenne, cas.variance, 0.01) << cas.texte;
    }
    const Arbre a = compile("RD");
    EXPECT_EQ(val(a), val(a));
}
