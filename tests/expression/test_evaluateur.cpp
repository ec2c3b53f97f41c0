// The evaluator's ways of computing a formula agree: one point at a time or by blocks,
// folded or not, and with x written into the text as a number (then computed by the
// function library while the text compiles).
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <vector>

#include "expression/fonction.h"
#include "etat_essai.h"

namespace {

struct Resultat {
    double valeur;
    int erreur;
    std::string message;
};

bool memeValeur(double a, double b)
{
    return (std::isnan(a) && std::isnan(b)) || std::memcmp(&a, &b, sizeof a) == 0;
}

// The formula with X written as the number x.
std::string avecNombre(const std::string& formule, double x)
{
    char tampon[64];
    const auto fin = std::to_chars(tampon, tampon + sizeof tampon, x).ptr;
    std::string r;
    for (char c : formule)
        r += c == 'X' ? "(" + std::string(tampon, fin) + ")" : std::string(1, c);
    return r;
}

std::vector<Resultat> parPoints(const Arbre& arbre, const std::vector<double>& xs)
{
    MessageErreur() = "avant";
    std::vector<Resultat> r;
    for (double x : xs) {
        const double v = EvalueArbre(arbre, x);
        r.push_back({v, ErreurCalcul(), MessageErreur()});
    }
    return r;
}

TEST(Evaluateur, EvaluationsPointParBlocRepliesEtDeplieesConcordent)
{
    EtatNeuf<reinitialiseCalcul> etat;
    contexteCalcul().ValeursParametres[0] = 2;   // a
    contexteCalcul().ValeursParametres[1] = -3;  // b
    ASSERT_TRUE(definitFonctionAuxiliaire(0, "x^2-1"));
    std::string profonde = "X";
    for (int i = 1; i <= 60; ++i)
        profonde = "(X+" + std::to_string(i) + ")*(" + profonde + ")/" + std::to_string(i + 1);
    const std::vector<std::string> formules = {
        "sin(X)*X^2+3*X-1", "sqrt(abs(X))*exp(-X^2/a)", "ln(1+X^2)/(1+cos(X)^2)", "((((3*X+2)*X-5)*X+1)*X-7)",
        "1/X", "2/(X-1)+X/a-b/X", "a-X+(X-a*X)/(b+X)", "ln(X)+sqrt(X)", "exp(X*40)*exp(X*40)", "X^0+X^-3",
        "(X+1)^3-(X-2)^-2+X^64+X^-2+X^-3", "X^0.5+X^X+2^X", "-X^2+(+X)-\xFD(X-1)", "tan(X)*cot(X)", "fact(X)+mod(X,3)+min(X,b)",
        "loga(X,2)+arcsin(X/4)+argth(X)", "2*PI+sin(0)*X+exp(1)", "X/1e-12+1e-12/X", "F0(X)/X", "abs(X)^65",
        "sqrt(X)*0+1/0*X", profonde};
    const std::vector<double> xs = {-5, -2.5, -1, -0.5, -1e-12, -0.0, 0, 1e-12, 0.5, 1, 2, 2.5, 3, 4.75, 31.2, 40, 1e300,
                                    std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()};
    // The same points many times over: several blocks, the last one short.
    std::vector<double> longue;
    for (int k = 0; k < 40; ++k)
        longue.insert(longue.end(), xs.begin(), xs.end());

    for (const std::string& f : formules) {
        SCOPED_TRACE(f.substr(0, 60));
        Arbre plie, nonPlie;
        ASSERT_TRUE(CompileExpr(f, plie));
        ASSERT_TRUE(CompileExprSansPliage(f, nonPlie));
        const auto attendu = parPoints(plie, longue);
        const auto sansPliage = parPoints(nonPlie, longue);

        MessageErreur() = "avant";
        std::vector<double> y(longue.size());
        std::vector<std::uint8_t> echec(longue.size());
        std::vector<const char*> messages(longue.size());
        EvalueArbreLot(plie, longue.data(), y.data(), echec.data(), int(longue.size()), messages.data());
        EXPECT_EQ(ErreurCalcul(), attendu.back().erreur);
        EXPECT_EQ(MessageErreur(), attendu.back().message);
        std::string message = "avant";
        for (std::size_t i = 0; i < longue.size(); ++i) {
            const double x = longue[i];
            EXPECT_TRUE(memeValeur(sansPliage[i].valeur, attendu[i].valeur)) << x;
            EXPECT_EQ(sansPliage[i].erreur, attendu[i].erreur) << x;
            EXPECT_EQ(sansPliage[i].message, attendu[i].message) << x;
            if (echec[i] && messages[i])
                message = messages[i];
            EXPECT_TRUE(memeValeur(y[i], attendu[i].valeur)) << x << " : " << y[i] << " / " << attendu[i].valeur;
            EXPECT_EQ(echec[i], attendu[i].erreur) << x;
            EXPECT_EQ(message, attendu[i].message) << x;
        }
        // The text with the number in place of X: computed while compiling.
        MessageErreur() = "avant";
        for (std::size_t i = 0; i < xs.size(); ++i) {
            if (!std::isfinite(xs[i]) || f == profonde)
                continue;
            Arbre nombre;
            ASSERT_TRUE(CompileExpr(avecNombre(f, xs[i]), nombre)) << xs[i];
            const double v = EvalueArbre(nombre, 0);
            EXPECT_TRUE(memeValeur(v, attendu[i].valeur)) << xs[i] << " : " << v << " / " << attendu[i].valeur;
            EXPECT_EQ(ErreurCalcul(), attendu[i].erreur) << xs[i];
            if (ErreurCalcul()) {
                EXPECT_EQ(MessageErreur(), attendu[i].message) << xs[i];
            }
        }
    }
}

}  // namespace
