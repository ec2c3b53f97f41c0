#include "expression/grfonc.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"

const StencilDerivee StencilsDerivees[5] = {
    {3, {45, -9, 1, 0, 0}, 60},
    {3, {270, -27, 2, 0, 0}, 180},
    {4, {-488, 338, -72, 7, 0}, 240},
    {4, {-1952, 676, -96, 7, 0}, 240},
    {5, {1938, -1872, 783, -152, 13}, 288},
};

namespace {

// Value of the formula at x; false when it cannot be computed (flag set).
inline bool evalue(const Arbre& arbre, double x, double& y)
{
    y = EvalueArbre(arbre, x);
    if (ErreurCalcul())
        return false;
    if (!std::isfinite(y)) {
        ErreurCalcul() = 1;
        return false;
    }
    return true;
}

inline double echec()
{
    ErreurCalcul() = 1;
    return 0;
}

inline double resultat(double v)
{
    if (!std::isfinite(v))
        return echec();
    ErreurCalcul() = 0;
    return v;
}

inline int signe(double v) { return (v > 0) - (v < 0); }

}  // namespace

double DeriveeNumerique(const Arbre& arbre, int n, double h, double x)
{
    return DeriveeStencil(n, h, x, [&](double t, double& v) { return evalue(arbre, t, v); });
}

double DeriveeEchantillons(const std::array<double, 11>& X, const std::array<double, 11>& Y, int n)
{
    ErreurCalcul() = 1;
    if (n < 1 || n > 5)
        return 0;
    const StencilDerivee& s = StencilsDerivees[n - 1];
    const int m = s.termes;
    for (int i = 1; i <= m; ++i)
        if (!(std::fabs(X[m + i] - X[m - i]) >= 0.001))
            return 0;
    double somme = 0;
    if (n == 1) {
        for (int i = 1; i <= m; ++i)
            somme += s.c[i - 1] * 2.0 * i * (Y[m + i] - Y[m - i]) / (X[m + i] - X[m - i]);
        return resultat(somme / s.diviseur);
    }
    if (n == 2) {
        for (int i = 1; i <= m; ++i) {
            const double d = X[m + i] - X[m - i];
            const double pentes = (Y[m + i] - Y[m]) / (X[m + i] - X[m]) + (Y[m - i] - Y[m]) / (X[m] - X[m - i]);
            somme += s.c[i - 1] * 2.0 * i * i * pentes / d;
        }
        return resultat(somme / s.diviseur);
    }
    // Orders 3 to 5: the stencil over the mean step of the window.
    const double h = (X[2 * m] - X[0]) / (2 * m);
    for (int i = 1; i <= m; ++i) {
        if (n % 2)
            somme += s.c[i - 1] * (Y[m + i] - Y[m - i]);
        else
            somme += s.c[i - 1] * ((Y[m + i] - Y[m]) + (Y[m - i] - Y[m]));
    }
    double r = somme / s.diviseur;
    for (int k = 0; k < n; ++k)
        r /= h;
    return resultat(r);
}

double IntegreArbre(const Arbre& arbre, double& erreur, double a, double b, double tolerance)
{
    constexpr int NiveauMax = 13;     // levels 0..13
    constexpr int NiveauMinimal = 4;  // no result is accepted before this level
    erreur = 0;
    if (!std::isfinite(a) || !std::isfinite(b))
        return echec();
    double fa, fb;
    if (!evalue(arbre, a, fa) || !evalue(arbre, b, fb))
        return echec();
    // Two rows of the Romberg table are enough: the previous level and the current one.
    double precedent[NiveauMax + 1], courant[NiveauMax + 1];
    precedent[0] = (fa + fb) / 2 * (b - a);
    double trapezes = precedent[0];  // trapezoid sum of the current level
    for (int k = 1; k <= NiveauMax; ++k) {
        // The new points are the midpoints of the previous level's intervals.
        const long long nouveaux = 1LL << (k - 1);
        const double h = (b - a) / static_cast<double>(1LL << k);
        double somme = 0;
        for (long long j = 0; j < nouveaux; ++j) {
            double f;
            if (!evalue(arbre, a + static_cast<double>(2 * j + 1) * h, f))
                return echec();
            somme += f;
        }
        trapezes = trapezes / 2 + h * somme;
        courant[0] = trapezes;
        double puissance = 1;
        for (int j = 1; j <= k; ++j) {
            puissance *= 4;
            courant[j] = (puissance * courant[j - 1] - precedent[j - 1]) / (puissance - 1);
        }
        erreur = std::fabs(courant[k] - precedent[k - 1]);
        const double valeur = courant[k];
        if (!std::isfinite(valeur))
            return echec();
        if (k >= NiveauMinimal && erreur <= tolerance * std::max(1.0, std::fabs(valeur)))
            return resultat(valeur);
        if (k == NiveauMax) {
            ErreurCalcul() = 1;
            return valeur;
        }
        for (int j = 0; j <= k; ++j)
            precedent[j] = courant[j];
    }
    return echec();
}

double IntegreArbreSimple(const Arbre& arbre, int n, double a, double b)
{
    if (n < 1 || !std::isfinite(a) || !std::isfinite(b))
        return echec();
    const double h = (b - a) / (2.0 * n);
    double fa, fb;
    if (!evalue(arbre, a, fa) || !evalue(arbre, b, fb))
        return echec();
    double somme = (fa + fb) / 2;
    for (long long j = 1; j < 2LL * n; ++j) {
        double f;
        if (!evalue(arbre, a + static_cast<double>(j) * h, f))
            return echec();
        somme += (j % 2) ? 2 * f : f;
    }
    return resultat(somme * h * 2 / 3);
}

double IntegreTable(std::span<const double> X, std::span<const double> Y, int dernier)
{
    ErreurCalcul() = 1;
    if (dernier < 0 || static_cast<std::size_t>(dernier) >= X.size() || static_cast<std::size_t>(dernier) >= Y.size())
        return 0;
    if (dernier == 0)
        return resultat(0);
    double somme = 0;
    int i = 0;
    for (; i <= dernier - 2; i += 2) {
        const double h1 = X[i + 1] - X[i], h2 = X[i + 2] - X[i + 1];
        if (h1 == 0 || h2 == 0)
            return 0;
        somme += (h1 + h2) / 6
                 * ((2 * h1 - h2) / h1 * Y[i] + (h1 + h2) * (h1 + h2) / (h1 * h2) * Y[i + 1] + (2 * h2 - h1) / h2 * Y[i + 2]);
    }
    if (dernier % 2)
        somme += (X[dernier] - X[dernier - 1]) * (Y[dernier] + Y[dernier - 1]) / 2;
    return resultat(somme);
}

void RacinesDichotomie(const Arbre& arbre, int n, std::vector<double>& liste, double debut, double fin,
                       double precisionX, double precisionY)
{
    constexpr int DemiesMax = 200;
    liste.clear();
    ErreurCalcul() = 0;
    if (n < 1 || !std::isfinite(debut) || !std::isfinite(fin))
        return;
    // Grid points g_i = debut + (fin - debut)·i/n, the last one exactly fin; interval i
    // is [g_i, g_(i+1)], so that neighbouring intervals share their end.
    // The grid's values are computed by blocks.
    thread_local std::vector<double> xs, ys;
    thread_local std::vector<std::uint8_t> echecs;
    const std::size_t m = std::size_t(n) + 1;
    xs.resize(m);
    ys.resize(m);
    echecs.resize(m);
    for (int i = 0; i <= n; ++i)
        xs[std::size_t(i)] = i == n ? fin : debut + (fin - debut) * i / n;
    for (std::size_t d = 0; d < m; d += TailleLot)
        EvalueArbreLot(arbre, xs.data() + d, ys.data() + d, echecs.data() + d, int(std::min<std::size_t>(TailleLot, m - d)));
    auto connu = [&](int i) { return !echecs[std::size_t(i)] && std::isfinite(ys[std::size_t(i)]); };
    bool finNulle = false;
    double a = xs[0], fa = ys[0];
    bool faConnu = connu(0);
    for (int i = 0; i < n; ++i) {
        const double b = xs[std::size_t(i) + 1], fb = ys[std::size_t(i) + 1];
        const bool fbConnu = connu(i + 1);
        if (i == n - 1 && fbConnu && fb == 0)
            finNulle = true;
        if (faConnu && fbConnu) {
            if (fa == 0) {
                liste.push_back(a);
            } else if (fb != 0 && signe(fa) != signe(fb)) {
                double lo = a, hi = b, flo = fa;
                double x = a, fx = fa;
                bool trouve = true;
                for (int demi = 0; demi < DemiesMax; ++demi) {
                    const double milieu = lo + (hi - lo) / 2;
                    if (milieu == lo || milieu == hi)
                        break;
                    x = milieu;
                    if (!evalue(arbre, x, fx)) {
                        trouve = false;
                        break;
                    }
                    if (fx == 0)
                        break;
                    if (signe(fx) == signe(flo)) {
                        lo = x;
                        flo = fx;
                    } else {
                        hi = x;
                    }
                    if (std::fabs(hi - lo) < precisionX)
                        break;
                }
                if (trouve && std::fabs(fx) < precisionY)
                    liste.push_back(x);
            }
        }
        a = b;
        fa = fb;
        faConnu = fbConnu;
    }
    if (finNulle)
        liste.push_back(fin);
    ErreurCalcul() = 0;
}

void RacinesDichotomie(const Arbre& arbre, int n, std::vector<std::string>& liste, double debut, double fin,
                       double precisionX, double precisionY)
{
    std::vector<double> racines;
    RacinesDichotomie(arbre, n, racines, debut, fin, precisionX, precisionY);
    liste.clear();
    for (double r : racines)
        liste.push_back(ReelExact(r));
}

bool RacinesDichotomieReglages(const Arbre& arbre, std::vector<std::string>& liste)
{
    liste.clear();
    const ContexteCalcul& ctx = contexteCalcul();
    const double debut = EvalueTexte(ctx.DebutDicho);
    if (ErreurCalcul())
        return false;
    const double fin = EvalueTexte(ctx.FinDicho);
    if (ErreurCalcul())
        return false;
    RacinesDichotomie(arbre, ctx.SousIntervallesDicho, liste, debut, fin, ctx.PrecisionXDicho, ctx.PrecisionYDicho);
    return true;
}
