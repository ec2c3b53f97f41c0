#include "expression/simul.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "expression/catalogue.h"
#include "expression/etat.h"

namespace {
constexpr double Pi = 3.14159265358979323846;
// Beyond about 1e15 the library's binomial and Poisson samplers spin or give garbage (their
// rejection steps work on counts a double no longer holds exactly); from 1e12 on, the
// normal law of the same mean and variance is the same law to the precision of a double.
constexpr double GrandCompte = 1e12;
}

double PartieEntiere(double x)
{
    return std::floor(x);
}

double Periodise(double x, double a, double b)
{
    const double r = x - PartieEntiere((x - a) / (b - a)) * (b - a);
    // Rounding can leave r at b; the representative lies in [a, b).
    return r >= b ? a : r;
}

double Argument(double x, double y)
{
    const double eps = contexteCalcul().Epsilon;
    if (std::fabs(x) >= eps) {
        double t = std::atan(y / x);
        if (x < 0)
            t += y >= 0 ? Pi : -Pi;
        return t;
    }
    if (std::fabs(y) >= eps)
        return y > 0 ? Pi / 2 : -Pi / 2;
    return 0;
}

bool CartesienVersPolaire(double x, double y, double& r, double& theta)
{
    r = std::hypot(x, y);
    if (r == 0)
        return true;
    theta = Argument(x, y) * 180 / Pi;
    return false;
}

double Gaussienne(double x, double s, double m)
{
    const double u = (x - m) / s;
    return std::exp(-u * u / 2) / (std::sqrt(2 * Pi) * s);
}

double Cnp(double n, double p)
{
    const double k = std::min(p, n - p);
    if (k <= 0)
        return 1;
    // r := r·(n-k+i)/i: exact in 128-bit integers while r stays below 2^64, then in
    // doubles, where each step at least doubles r, so that an infinite product is
    // reached within about a thousand steps.
    double i = 1;
    double r = 1;
    if (n < 0x1p62) {
        unsigned __int128 exact = 1;
        const auto nn = static_cast<unsigned __int128>(n), kk = static_cast<unsigned __int128>(k);
        for (; i <= k; i += 1) {
            const auto ii = static_cast<unsigned __int128>(i);
            exact = exact * (nn - kk + ii) / ii;
            if (exact >> 64)
                break;
        }
        r = static_cast<double>(exact);
        if (i > k)
            return r;
        i += 1;
    }
    for (; i <= k; i += 1) {
        r = r * (n - k + i) / i;
        if (!std::isfinite(r))
            return r;
        r = std::nearbyint(r);
    }
    return r;
}

double Gamma(double x, double epsilon, int& echec)
{
    // Poles: zero and the negative integers.
    if (std::fabs(x) < epsilon || (x < 0 && std::fabs(x - std::nearbyint(x)) < epsilon)) {
        echec = 1;
        return 0;
    }
    if (x < -200)
        return 0;
    const double g = std::tgamma(x);
    if (!std::isfinite(g)) {
        echec = 2;
        return 0;
    }
    return g;
}

double Gamma(double x)
{
    int echec = 0;
    const double g = Gamma(x, contexteCalcul().Epsilon, echec);
    if (echec == 1)
        ErreurAvecMessage(FichesUnaires[UGAMMA].message);
    else if (echec == 2)
        ErreurCalcul() = 1;
    return g;
}

double LnGamma(double x)
{
    return std::lgamma(x);
}

double DistanceEntier(double x)
{
    return std::min(x - std::trunc(x), std::trunc(x + 1) - x);
}

double Blancmange(double x)
{
    double s = 0;
    double p = 1;
    const double a = std::fabs(x);
    for (int j = 0; j <= 10; ++j) {
        s += DistanceEntier(p * a) / p;
        p *= 2;
    }
    return s;
}

double SinusTrapeze(double v)
{
    const double r = Periodise(v, -4, 4);
    if (r < -3)
        return -4 - r;
    if (r < -1)
        return -1;
    if (r < 1)
        return r;
    if (r < 3)
        return 1;
    return 4 - r;
}

double SinusTriangle(double v)
{
    const double r = Periodise(v, -2, 2);
    if (r < -1)
        return -r - 2;
    if (r < 1)
        return r;
    return 2 - r;
}

double AleaUniforme(double a, double b)
{
    return a + Aleatoire() * (b - a);
}

double AleaBinomiale(double n, double p)
{
    if (n < 1)
        return 0;
    if (n <= 64) {
        int k = 0;
        for (int i = 0; i < static_cast<int>(n); ++i)
            if (Aleatoire() < p)
                ++k;
        return k;
    }
    if (n > GrandCompte) {
        // Counts a double cannot hold exactly: the Poisson law for a rare outcome (q below
        // 1e6 / n, so its error is below 1e-9), else the normal law.
        const double q = std::min(p, 1 - p);
        double k;
        if (n * q < 1e6)
            k = AleaPoisson(n * q);
        else
            k = std::clamp(std::nearbyint(n * q + std::sqrt(n * q * (1 - q)) * AleaGauss(0, 1)), 0.0, n);
        return p <= 0.5 ? k : n - k;
    }
    // Large n: the library's sampler, of constant expected cost.
    std::binomial_distribution<long long> loi(static_cast<long long>(n), p);
    return static_cast<double>(loi(moteurAleatoire()));
}

double AleaPoisson(double lambda)
{
    if (lambda > GrandCompte)
        return std::max(0.0, std::nearbyint(AleaGauss(lambda, std::sqrt(lambda))));
    if (lambda > 1e4) {
        std::poisson_distribution<long long> loi(lambda);
        return static_cast<double>(loi(moteurAleatoire()));
    }
    // Knuth's method, by slices of at most 500 so that e^-lambda never underflows.
    double total = 0;
    while (lambda > 0) {
        const double tranche = std::min(lambda, 500.0);
        lambda -= tranche;
        const double seuil = std::exp(-tranche);
        double produit = 1;
        int k = 0;
        while (produit >= seuil) {
            produit *= Aleatoire();
            ++k;
        }
        total += k - 1;
    }
    return total;
}

double AleaGauss(double moyenne, double ecartType)
{
    // Box-Muller; 1 - U lies in (0, 1], so its logarithm is finite.
    const double u1 = 1 - Aleatoire();
    const double u2 = Aleatoire();
    return moyenne + ecartType * std::sqrt(-2 * std::log(u1)) * std::cos(2 * Pi * u2);
}
