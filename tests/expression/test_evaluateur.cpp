// The evaluator's ways of computing a formula agree: one point at a time or by blocks,
// folded and fused or one instruction per node, and with x written into the text as a number
// (then computed by the function library while the text compiles).
#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <algorithm>
#include <limits>
#include <optional>
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

// One way of evaluating, with the message that its evaluations left: each way starts from
// its own, as if it ran alone.
struct Chemin {
    std::string message = "avant";
};

std::vector<Resultat> parPoints(Chemin& chemin, const Arbre& arbre, const double* xs, std::size_t n)
{
    MessageErreur() = chemin.message;
    std::vector<Resultat> r;
    for (std::size_t i = 0; i < n; ++i) {
        const double v = EvalueArbre(arbre, xs[i]);
        r.push_back({v, ErreurCalcul(), MessageErreur()});
    }
    chemin.message = MessageErreur();
    return r;
}

// What formulas read besides x, changed between runs of points: parameters a and b (or the
// thread's own values, as a Mandelbrot scan sets them), state value N, the personal
// parameter ALPHA, F0, and the curve called COURBE.
struct Reglage {
    double a, b, n;
    const char* alpha;
    const char* f0;
    const Arbre* courbe;
    const double* locaux = nullptr;
};

void applique(const Reglage& r)
{
    contexteCalcul().ValeursParametres[0] = r.a;
    contexteCalcul().ValeursParametres[1] = r.b;
    VariablesEtat()[1] = r.n;
    definitParametrePerso("alpha", r.alpha);
    ASSERT_TRUE(definitFonctionAuxiliaire(0, r.f0));
    if (r.courbe)
        enregistreFonction("courbe", "y", r.courbe);
    else
        retireFonction("courbe");
}

// Each step that the point-at-a-time loop takes as one (a head, then an operator with a
// constant, a parameter, the value below or a change of sign), written out.
std::vector<std::string> pasFusionnes()
{
    const char* const tetes[] = {"X", "X^2", "3*X", "a*X", "(X-1)^2", "(X+1)*X"};
    const char* const queues[] = {"(#)+2", "(#)-2", "2-(#)", "(#)*2", "(#)/2", "(#)/1e-12", "2/(#)",
                                  "(#)+b", "(#)-b", "b-(#)", "(#)*b", "(#)/b", "b/(#)",
                                  "(X+1)+(#)", "(X+1)-(#)", "(X+1)*(#)", "(X+1)/(#)", "-(#)"};
    std::vector<std::string> r;
    for (const char* t : tetes)
        for (std::string q : queues)
            r.push_back(q.replace(q.find('#'), 1, t));
    return r;
}

TEST(Evaluateur, EvaluationsPointParBlocRepliesEtDeplieesConcordent)
{
    EtatNeuf<reinitialiseCalcul> etat;
    Arbre courbe1, courbe2;
    ASSERT_TRUE(CompileExpr("sqrt(X)+a", courbe1));
    ASSERT_TRUE(CompileExpr("1/X", courbe2));
    // The first one is the one the texts with numbers are read with; b tiny makes the
    // divisions by b fail, huge their products overflow; the last ones take away F0 and the
    // curve, and give ALPHA a text that does not compile.
    const double locaux[NbParametres] = {0.25, -1e-300, 5};
    const Reglage reglages[] = {{2, -3, 0.5, "a*2", "x^2-1", &courbe1},
                                {-0.5, 1e-12, -7, "1/b", "ln(x)", &courbe2},
                                {1e155, 1e300, 1e-300, "b+", "", nullptr},
                                {2, -3, 0.5, "a*2", "x^2-1", &courbe1, locaux}};
    applique(reglages[0]);
    std::string profonde = "X";
    for (int i = 1; i <= 60; ++i)
        profonde = "(X+" + std::to_string(i) + ")*(" + profonde + ")/" + std::to_string(i + 1);
    std::vector<std::string> formules = {
        "sin(X)*X^2+3*X-1", "sqrt(abs(X))*exp(-X^2/a)", "ln(1+X^2)/(1+cos(X)^2)", "((((3*X+2)*X-5)*X+1)*X-7)",
        "1/X", "2/(X-1)+X/a-b/X", "a-X+(X-a*X)/(b+X)", "ln(X)+sqrt(X)", "exp(X*40)*exp(X*40)", "X^0+X^-3",
        "(X+1)^3-(X-2)^-2+X^64+X^-2+X^-3", "X^0.5+X^X+2^X", "-X^2+(+X)-\xFD(X-1)", "tan(X)*cot(X)", "fact(X)+mod(X,3)+min(X,b)",
        "loga(X,2)+arcsin(X/4)+argth(X)", "2*PI+sin(0)*X+exp(1)", "X/1e-12+1e-12/X", "F0(X)/X", "abs(X)^65",
        "sqrt(X)*0+1/0*X", profonde,
        // Operators on x.
        "-X", "+X", "cos(X)", "exp(X)", "\xFD(X)", "X^3", "X^-2", "X^0", "F0(X)", "courbe(X)", "th(X)",
        "X^2*(-X)+3*X*(-X)",
        // Calls and what they read, changed between runs.
        "alpha*X+courbe(X-1)", "courbe(X^2)-alpha/X", "F0(a*X+b)*N", "N*X^2+N", "a*X^2+b*X+alpha", "sin(a*X+b)"};
    for (const std::string& f : pasFusionnes())
        formules.push_back(f);
    // The values that overflow first: their failures bring no message, so that one that
    // brings its own instead shows.
    const std::vector<double> xs = {std::numeric_limits<double>::infinity(), 1e300,
                                    std::numeric_limits<double>::quiet_NaN(), -5, -2.5, -1, -0.5, -1e-12, -0.0, 0, 1e-12,
                                    0.5, 1, 2, 2.5, 3, 4.75, 31.2, 40};
    // The same points many times over, in runs of several blocks each (the last one short),
    // with what formulas read changed between runs.
    std::vector<double> longue;
    for (int k = 0; k < 56; ++k)
        longue.insert(longue.end(), xs.begin(), xs.end());
    const std::size_t parReglage = 14 * xs.size();

    OptionsCompilation brut;
    brut.pliage = false;
    brut.fusion = false;
    for (const std::string& f : formules) {
        SCOPED_TRACE(f.substr(0, 60));
        // The program as it runs, and one instruction per node.
        Arbre plie, nonPlie;
        ASSERT_TRUE(CompileExpr(f, plie));
        ASSERT_TRUE(CompileExpr(f, nonPlie, brut));
        Chemin point, sansPliage, parBlocs;
        for (std::size_t debut = 0, r = 0; debut < longue.size(); debut += parReglage, ++r) {
            const std::size_t n = std::min(parReglage, longue.size() - debut);
            const double* x = longue.data() + debut;
            applique(reglages[r]);
            std::optional<GardeParametres> garde;
            if (reglages[r].locaux)
                garde.emplace(reglages[r].locaux);
            const auto attendu = parPoints(point, plie, x, n);
            const auto nonPlies = parPoints(sansPliage, nonPlie, x, n);

            MessageErreur() = parBlocs.message;
            std::vector<double> y(n);
            std::vector<std::uint8_t> echec(n);
            std::vector<const char*> messages(n);
            EvalueArbreLot(plie, x, y.data(), echec.data(), int(n), messages.data());
            EXPECT_EQ(ErreurCalcul(), attendu.back().erreur);
            EXPECT_EQ(MessageErreur(), attendu.back().message);
            for (std::size_t i = 0; i < n; ++i) {
                SCOPED_TRACE(testing::Message() << "x = " << x[i] << ", réglage " << r);
                EXPECT_TRUE(memeValeur(nonPlies[i].valeur, attendu[i].valeur));
                EXPECT_EQ(nonPlies[i].erreur, attendu[i].erreur);
                EXPECT_EQ(nonPlies[i].message, attendu[i].message);
                if (echec[i] && messages[i])
                    parBlocs.message = messages[i];
                EXPECT_TRUE(memeValeur(y[i], attendu[i].valeur)) << y[i] << " / " << attendu[i].valeur;
                EXPECT_EQ(echec[i], attendu[i].erreur);
                EXPECT_EQ(parBlocs.message, attendu[i].message);
            }
        }
        // The text with the number in place of X: computed while compiling.
        applique(reglages[0]);
        Chemin nombre;
        const auto attendu = parPoints(nombre, plie, xs.data(), xs.size());
        MessageErreur() = "avant";
        for (std::size_t i = 0; i < xs.size(); ++i) {
            if (!std::isfinite(xs[i]) || f == profonde)
                continue;
            Arbre arbre;
            ASSERT_TRUE(CompileExpr(avecNombre(f, xs[i]), arbre)) << xs[i];
            const double v = EvalueArbre(arbre, 0);
            EXPECT_TRUE(memeValeur(v, attendu[i].valeur)) << xs[i] << " : " << v << " / " << attendu[i].valeur;
            EXPECT_EQ(ErreurCalcul(), attendu[i].erreur) << xs[i];
            if (ErreurCalcul()) {
                EXPECT_EQ(MessageErreur(), attendu[i].message) << xs[i];
            }
        }
    }
}

TEST(Evaluateur, BlocAvecValeursParPointCommeLePoint)
{
    // Y and N (state values 0 and 1), a and b differ from point to point, c is the thread's
    // own; the operators fused with a parameter on either side, and calls (point by point).
    EtatNeuf<reinitialiseCalcul> etat;
    ASSERT_TRUE(definitFonctionAuxiliaire(1, "x*y-a"));
    const std::vector<std::string> formules = {
        "Y", "a", "X^2-Y^2+a", "2*X*Y+b", "X+a-b", "a-X*b", "a*X+Y*b", "X/a+Y/b", "a/X-b/Y", "N*c-a/b",
        "sqrt(Y-a)+ln(b)", "exp(a*Y)*N", "F1(X)+b*Y", "(a)^2+b^-1"};
    const double valeurs[] = {0, -0.0, 1e-12, -3, 2.5, 1, 7e150, -1e300};
    const int nb = 3 * TailleLot + 17;
    std::vector<double> xs(nb), ys(nb), ns(nb), as(nb), bs(nb);
    for (int i = 0; i < nb; ++i) {
        xs[i] = valeurs[i % 8] + i % 5;
        ys[i] = valeurs[(i / 8) % 8];
        ns[i] = i % 4;
        as[i] = valeurs[(i / 3) % 8];
        bs[i] = valeurs[(i * 7) % 8] - 1;
    }
    std::array<double, NbParametres> base{};
    base[2] = 0.75;  // c
    ValeursParPoint parPoint;
    parPoint.etat[0] = ys.data();
    parPoint.etat[1] = ns.data();
    parPoint.parametres[0] = as.data();
    parPoint.parametres[1] = bs.data();

    for (const std::string& f : formules) {
        SCOPED_TRACE(f);
        Arbre arbre;
        ASSERT_TRUE(CompileExprYEtat(f, arbre));
        std::vector<Resultat> attendu;
        MessageErreur() = "avant";
        for (int i = 0; i < nb; ++i) {
            std::array<double, NbParametres> p = base;
            p[0] = as[i];
            p[1] = bs[i];
            GardeParametres garde(p.data());
            VariablesEtat()[0] = ys[i];
            VariablesEtat()[1] = ns[i];
            const double v = EvalueArbre(arbre, xs[i]);
            attendu.push_back({v, ErreurCalcul(), MessageErreur()});
        }

        VariablesEtat()[0] = 123;
        VariablesEtat()[1] = 456;
        MessageErreur() = "avant";
        GardeParametres garde(base.data());
        std::vector<double> y(nb);
        std::vector<std::uint8_t> echec(nb);
        std::vector<const char*> messages(nb);
        EvalueArbreLot(arbre, xs.data(), parPoint, y.data(), echec.data(), nb, messages.data());
        EXPECT_EQ(ErreurCalcul(), attendu.back().erreur);
        EXPECT_EQ(MessageErreur(), attendu.back().message);
        EXPECT_EQ(VariablesEtat()[0], 123);
        EXPECT_EQ(VariablesEtat()[1], 456);
        EXPECT_EQ(etatCalcul().ParametresLocaux, base.data());
        int echecs = 0;
        std::string message = "avant";
        for (int i = 0; i < nb; ++i) {
            ASSERT_TRUE(memeValeur(y[i], attendu[i].valeur)) << i << " : " << y[i] << " / " << attendu[i].valeur;
            ASSERT_EQ(echec[i], attendu[i].erreur) << i;
            if (echec[i] && messages[i])
                message = messages[i];
            ASSERT_EQ(message, attendu[i].message) << i;
            echecs += echec[i];
        }
        EXPECT_LT(echecs, nb) << "chaque formule a des points calculables";
    }
}

}  // namespace
