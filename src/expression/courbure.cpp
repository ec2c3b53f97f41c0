#include "expression/courbure.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "expression/fonction.h"
#include "expression/grfonc.h"
#include "expression/simul.h"

namespace {

// Position, velocity and (when ordre2) acceleration at t; false when a value or a
// derivative cannot be computed (flag set).
struct Cinematique {
    double x = 0, y = 0;
    double vx = 0, vy = 0;
    double ax = 0, ay = 0;
    double r = 0, theta = 0;  // polar curves
};

bool valeur(const Arbre& arbre, double t, double& v)
{
    v = EvalueArbre(arbre, t);
    if (ErreurCalcul() || !std::isfinite(v)) {
        ErreurCalcul() = 1;
        return false;
    }
    return true;
}

bool derivee(const Arbre& arbre, int n, double h, double t, double& v)
{
    v = DeriveeNumerique(arbre, n, h, t);
    return ErreurCalcul() == 0;
}

bool cinematique(char genre, const Arbre& arbre1, const Arbre& arbre2, double h, double t, bool ordre2,
                 Cinematique& c)
{
    if (genre != 'P') {
        if (!valeur(arbre1, t, c.x) || !valeur(arbre2, t, c.y) || !derivee(arbre1, 1, h, t, c.vx)
            || !derivee(arbre2, 1, h, t, c.vy))
            return false;
        if (ordre2 && (!derivee(arbre1, 2, h, t, c.ax) || !derivee(arbre2, 2, h, t, c.ay)))
            return false;
        return true;
    }
    double r, r1, r2 = 0, th, th1, th2 = 0;
    if (!valeur(arbre1, t, r) || !valeur(arbre2, t, th) || !derivee(arbre1, 1, h, t, r1)
        || !derivee(arbre2, 1, h, t, th1))
        return false;
    if (ordre2 && (!derivee(arbre1, 2, h, t, r2) || !derivee(arbre2, 2, h, t, th2)))
        return false;
    c.r = r;
    c.theta = th;
    const double co = std::cos(th), si = std::sin(th);
    c.x = r * co;
    c.y = r * si;
    c.vx = r1 * co - r * th1 * si;
    c.vy = r1 * si + r * th1 * co;
    const double u = r2 - r * th1 * th1, v = 2 * r1 * th1 + r * th2;
    c.ax = u * co - v * si;
    c.ay = u * si + v * co;
    return true;
}

// Rounding noise of a second difference quotient of step h on values of size taille:
// a straight line must not come out as a huge circle.
double bruitSeconde(double taille, double h)
{
    return 16 * std::numeric_limits<double>::epsilon() * taille / (h * h);
}

bool rayon(char genre, const Arbre& arbre1, const Arbre& arbre2, double h, double t, Cinematique& c, double& R,
           double& angle)
{
    const bool ok = cinematique(genre, arbre1, arbre2, h, t, true, c);
    const double d = c.vx * c.ay - c.ax * c.vy;
    double bruit = 0;
    if (ok) {
        // Sizes of the values that the second derivatives were taken from.
        const double v = std::hypot(c.vx, c.vy);
        if (genre == 'P') {
            // x'' and y'' carry the noise of r'' and of r·theta''.
            const double r = std::fabs(c.r);
            bruit = v * (bruitSeconde(r + 3 * h * v, h) + r * bruitSeconde(std::fabs(c.theta) + 3 * h * v, h));
        } else {
            bruit = std::fabs(c.vx) * bruitSeconde(std::fabs(c.y) + 3 * h * std::fabs(c.vy), h)
                    + std::fabs(c.vy) * bruitSeconde(std::fabs(c.x) + 3 * h * std::fabs(c.vx), h);
        }
    }
    if (!ok || !(std::fabs(d) >= contexteCalcul().Epsilon) || !(std::fabs(d) > bruit)) {
        ErreurAvecMessage("Rayon de courbure incalculable");
        return false;
    }
    angle = Argument(c.vx, c.vy);
    R = std::pow(c.vx * c.vx + c.vy * c.vy, 1.5) / d;
    if (!std::isfinite(R)) {
        ErreurAvecMessage("Rayon de courbure incalculable");
        return false;
    }
    ErreurCalcul() = 0;
    return true;
}

bool estGenreCourbe(char genre)
{
    return genre == 'P' || genre == 'T' || genre == 'X' || genre == 'Y';
}

// Foot of the perpendicular from (a, b) to the line through (x0, y0) of slope m (m not 0).
void pied(double m, double x0, double y0, double a, double b, double& px, double& py)
{
    px = (a / m + m * x0 + b - y0) / (1 / m + m);
    py = (px - x0) * m + y0;
}

}  // namespace

double RayonCourbure(char genre, const Arbre& arbre1, const Arbre& arbre2, double& angle, double h, double t)
{
    Cinematique c;
    double R = 0;
    if (!rayon(genre, arbre1, arbre2, h, t, c, R, angle))
        return 0;
    return R;
}

double CentreCourbure(char genre, const Arbre& arbre1, const Arbre& arbre2, double& cy, double& cx, double h,
                      double t)
{
    Cinematique c;
    double R = 0, angle = 0;
    if (!rayon(genre, arbre1, arbre2, h, t, c, R, angle))
        return 0;
    if (estGenreCourbe(genre)) {
        cx = c.x - R * std::sin(angle);
        cy = c.y + R * std::cos(angle);
    }
    return R;
}

void CentreCourbureEchantillons(const std::array<double, 11>& X, const std::array<double, 11>& Y, double& cx,
                                double& cy)
{
    const double s = DeriveeEchantillons(X, Y, 1);
    if (ErreurCalcul()) {
        ErreurAvecMessage("Dérivée incalculable");
        return;
    }
    const double phi = std::atan(s);
    const double s2 = DeriveeEchantillons(X, Y, 2);
    if (ErreurCalcul()) {
        ErreurAvecMessage("Dérivée incalculable");
        return;
    }
    // Zero, or no more than the rounding noise of the samples.
    double taille = 0;
    for (int i = 0; i <= 6; ++i)
        taille = std::max(taille, std::fabs(Y[i]));
    const double pas = (X[6] - X[0]) / 6;
    if (s2 == 0 || std::fabs(s2) <= bruitSeconde(taille, pas)) {
        ErreurAvecMessage("Dérivée seconde nulle");
        return;
    }
    const double R = std::pow(1 + s * s, 1.5) / s2;
    if (!std::isfinite(R)) {
        ErreurAvecMessage("Dérivée seconde nulle");
        return;
    }
    cx = X[3] - R * std::sin(phi);
    cy = Y[3] + R * std::cos(phi);
    ErreurCalcul() = 0;
}

void PointPodaire(char genre, const Arbre& arbre1, const Arbre& arbre2, double& py, double& px, double h, double a,
                  double b, double t)
{
    Cinematique c;
    if (!cinematique(genre, arbre1, arbre2, h, t, false, c)) {
        ErreurAvecMessage("Podaire incalculable");
        return;
    }
    const double e = contexteCalcul().Epsilon;
    if (std::fabs(c.vx) < e && std::fabs(c.vy) < e) {
        ErreurAvecMessage("Podaire incalculable (0/0)");
        return;
    }
    if (std::fabs(c.vy) < e) {
        px = a;
        py = c.y;
    } else if (std::fabs(c.vx) < e) {
        px = c.x;
        py = b;
    } else {
        pied(c.vy / c.vx, c.x, c.y, a, b, px, py);
    }
    ErreurCalcul() = 0;
}

void PointPodaireEchantillons(const std::array<double, 11>& X, const std::array<double, 11>& Y, double& px,
                              double& py, double b, double a)
{
    const double m = DeriveeEchantillons(X, Y, 1);
    if (ErreurCalcul()) {
        ErreurAvecMessage("Podaire incalculable");
        return;
    }
    const double x0 = X[3], y0 = Y[3];
    if (m == 0) {
        px = a;
        py = y0;
    } else if (std::fabs(m) <= 1e8) {
        pied(m, x0, y0, a, b, px, py);
    } else {
        px = x0;
        py = b;
    }
    ErreurCalcul() = 0;
}
