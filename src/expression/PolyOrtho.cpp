#include "expression/PolyOrtho.h"

namespace {
// Iterates p(n) = a(n, x)·p(n-1) - b(n)·p(n-2) upwards from p0 and p1.
template <typename Recurrence>
double monte(int n, double p0, double p1, Recurrence suivant)
{
    if (n <= 0)
        return p0;
    double avant = p0, courant = p1;
    for (int k = 2; k <= n; ++k) {
        const double nouveau = suivant(k, courant, avant);
        avant = courant;
        courant = nouveau;
    }
    return courant;
}
}  // namespace

double PolyTchebychev(int n, double x)
{
    return monte(n, 1, x, [x](int, double p1, double p2) { return 2 * x * p1 - p2; });
}

double PolyTchebychev2(int n, double x)
{
    return monte(n, 1, 2 * x, [x](int, double p1, double p2) { return 2 * x * p1 - p2; });
}

double PolyHermite(int n, double x)
{
    return monte(n, 1, 2 * x, [x](int k, double p1, double p2) { return 2 * x * p1 - 2.0 * (k - 1) * p2; });
}

double PolyLaguerre(int n, double x)
{
    return monte(n, 1, 1 - x, [x](int k, double p1, double p2) {
        return (2.0 * k - 1 - x) * p1 - double(k - 1) * double(k - 1) * p2;
    });
}

double PolyLegendre(int n, double x)
{
    return monte(n, 1, x, [x](int k, double p1, double p2) {
        return ((2.0 * k - 1) * x * p1 - (k - 1.0) * p2) / k;
    });
}
