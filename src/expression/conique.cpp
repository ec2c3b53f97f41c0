#include "expression/conique.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Coefficients that are computed as differences of products are compared with zero
// relative to the size of those products.
constexpr double Relatif = 1e-12;

PointConique point(double x, double y)
{
    return {x, y};
}

PointConique plus(PointConique p, double k, PointConique u)
{
    return {p.x + k * u.x, p.y + k * u.y};
}

PointConique unitaire(double x, double y)
{
    const double n = std::hypot(x, y);
    return n > 0 ? PointConique{x / n, y / n} : PointConique{1, 0};
}

DroiteConique droite(PointConique p, PointConique direction)
{
    return {p, direction};
}

}  // namespace

ElementsConique AnalyseConique(double A, double B, double C, double D, double E, double F)
{
    ElementsConique r;
    double b = B / 2, d = D / 2, e = E / 2;
    const double delta = A * C - b * b;

    if (std::fabs(delta) > Relatif * (std::fabs(A * C) + b * b)) {
        // A centred conic.
        const double x0 = (b * e - d * C) / delta, y0 = (b * d - A * e) / delta;
        r.Centre = point(x0, y0);
        const double termes[] = {A * x0 * x0, 2 * b * x0 * y0, C * y0 * y0, 2 * d * x0, 2 * e * y0, F};
        double F0 = 0, taille = 0;
        for (double t : termes) {
            F0 += t;
            taille += std::fabs(t);
        }
        if (std::fabs(F0) <= Relatif * taille)
            F0 = 0;

        // Eigenvalues l1 <= l2 of [[A, b], [b, C]], the larger in magnitude first so that
        // the other, delta/l, does not cancel.
        const double R = std::hypot(A - C, 2 * b), s = A + C;
        double l1, l2;
        if (s >= 0) {
            l2 = (s + R) / 2;
            l1 = l2 != 0 ? delta / l2 : (s - R) / 2;
        } else {
            l1 = (s - R) / 2;
            l2 = delta / l1;
        }
        // Axis u: the eigenvector of l1, from the better conditioned of two forms.
        PointConique u;
        if (b == 0)
            u = A < C ? point(1, 0) : point(0, 1);
        else if (std::hypot(b, l1 - A) >= std::hypot(l1 - C, b))
            u = unitaire(b, l1 - A);
        else
            u = unitaire(l1 - C, b);
        PointConique v = point(-u.y, u.x);

        if (F0 == 0) {
            if (delta > 0) {
                r.Genre = ConiquePoint;
                return r;
            }
            // l1·U² + l2·V² = 0: V/U = ±sqrt(-l1/l2).
            r.Genre = ConiqueDeuxDroites;
            const double p = std::sqrt(std::fabs(l2)), q = std::sqrt(std::fabs(l1));
            r.Droite1 = droite(r.Centre, unitaire(p * u.x + q * v.x, p * u.y + q * v.y));
            r.Droite2 = droite(r.Centre, unitaire(p * u.x - q * v.x, p * u.y - q * v.y));
            return r;
        }
        if (A == C && b == 0) {
            if (F0 * A < 0) {
                r.Genre = ConiqueCercle;
                r.Rayon = std::sqrt(-F0 / A);
                r.DemiAxe1 = r.DemiAxe2 = r.Rayon;
                r.U = point(1, 0);
                r.V = point(0, 1);
                r.Foyer1 = r.Foyer2 = r.Centre;
            } else {
                r.Genre = ConiqueVide;
            }
            return r;
        }
        double a, bb, c;
        if (delta > 0) {
            if (F0 * l1 >= 0) {
                r.Genre = ConiqueVide;
                return r;
            }
            r.Genre = ConiqueEllipse;
            a = std::sqrt(-F0 / l1);
            bb = std::sqrt(-F0 / l2);
            if (l1 < 0) {
                std::swap(a, bb);
                std::swap(u, v);
            }
            c = std::sqrt(std::max(0.0, (a - bb) * (a + bb)));
        } else {
            r.Genre = ConiqueHyperbole;
            a = std::sqrt(std::fabs(F0) / std::fabs(l1));
            bb = std::sqrt(std::fabs(F0) / l2);
            if (F0 < 0) {
                std::swap(a, bb);
                std::swap(u, v);
            }
            c = std::hypot(a, bb);
            r.Equilatere = std::fabs(a - bb) <= 1e-9 * std::max(a, bb);
        }
        r.U = u;
        r.V = v;
        r.DemiAxe1 = a;
        r.DemiAxe2 = bb;
        r.Foyer1 = plus(r.Centre, c, u);
        r.Foyer2 = plus(r.Centre, -c, u);
        r.Sommet1 = plus(r.Centre, a, u);
        r.Sommet2 = plus(r.Centre, -a, u);
        r.Excentricite = c / a;
        return r;
    }

    // Parabolic case: the quadratic part is a perfect square.
    if (A == 0 && C == 0) {
        if (d == 0 && e == 0) {
            r.Genre = ConiqueVide;
            return r;
        }
        // 2d·x + 2e·y + F = 0
        r.Genre = ConiqueDroite;
        const double n2 = 2 * (d * d + e * e);
        r.Droite1 = droite(point(-F * d / n2, -F * e / n2), unitaire(-e, d));
        return r;
    }
    if (A + C < 0) {
        A = -A;
        b = -b;
        C = -C;
        d = -d;
        e = -e;
        F = -F;
    }
    // A·x² + 2b·x·y + C·y² = (sqrt A·x ± sqrt C·y)², the sign following b; in the frame
    // (X along t, Y along n) the equation reads C'·Y² + 2d'·X + 2e'·Y + F' = 0.
    const double sa = std::sqrt(std::max(0.0, A)), sc = std::sqrt(std::max(0.0, C)) * (b < 0 ? -1 : 1);
    PointConique n = unitaire(sa, sc);
    PointConique t = point(n.y, -n.x);
    const double C1 = A + C;
    double d1 = d * t.x + e * t.y;
    const double e1 = d * n.x + e * n.y;
    const double F1 = F;

    if (std::fabs(d1) > Relatif * (std::fabs(d) + std::fabs(e))) {
        r.Genre = ConiqueParabole;
        double p = -d1 / C1;
        if (p < 0) {
            // Turn the axis towards the focus.
            t = point(-t.x, -t.y);
            d1 = -d1;
            p = -p;
        }
        const double X0 = (e1 * e1 - C1 * F1) / (2 * C1 * d1), Y0 = -e1 / C1;
        r.Centre = point(X0 * t.x + Y0 * n.x, X0 * t.y + Y0 * n.y);
        r.Sommet1 = r.Centre;
        r.U = t;
        r.V = n;
        r.Parametre = p;
        r.Excentricite = 1;
        r.Foyer1 = plus(r.Centre, p / 2, t);
        return r;
    }
    // No X term: C'·Y² + 2e'·Y + F' = 0, two lines parallel to t (or one counted twice).
    // Rounding leaves noise of either sign where the two lines are one line counted twice.
    double disc = e1 * e1 - C1 * F1;
    if (std::fabs(disc) <= Relatif * (e1 * e1 + std::fabs(C1 * F1)))
        disc = 0;
    if (disc < 0) {
        r.Genre = ConiqueVide;
        return r;
    }
    r.Genre = ConiqueDeuxDroites;
    const double Y1 = (std::sqrt(disc) - e1) / C1, Y2 = (-std::sqrt(disc) - e1) / C1;
    r.Droite1 = droite(point(Y1 * n.x, Y1 * n.y), t);
    r.Droite2 = droite(point(Y2 * n.x, Y2 * n.y), t);
    r.U = t;
    r.V = n;
    return r;
}
