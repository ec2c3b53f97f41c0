// Curvature and pedal points, at one parameter value t of a curve given by two formulas,
// or at the centre of a window of samples. Used by the evolute, the pedal curve and the
// osculating-circle construction.
//
// Curve kinds: 'P' polar, given by r(t) and theta(t); 'T' parametric, 'X' (x = f(y)) and
// 'Y' (y = f(x)), given by x(t) and y(t). The two trees are passed in that order.
// Derivatives are numeric, with the caller's step h.
//
// Failures set ErreurCalcul() to 1 with a French MessageErreur(); success sets it to 0.
#pragma once

#include <array>

class Arbre;

// Signed radius of curvature at t (positive when the curve turns left), and the angle of
// the tangent in radians. Fails with "Rayon de courbure incalculable".
double RayonCourbure(char genre, const Arbre& arbre1, const Arbre& arbre2, double& angle, double h, double t);

// Radius, and the centre of curvature (cx, cy). For a kind other than P, T, X, Y only the
// radius is returned.
double CentreCourbure(char genre, const Arbre& arbre1, const Arbre& arbre2, double& cy, double& cx, double h,
                      double t);

// Centre of curvature at the centre sample (index 3) of a window of samples.
void CentreCourbureEchantillons(const std::array<double, 11>& X, const std::array<double, 11>& Y, double& cx,
                                double& cy);

// Foot (px, py) of the perpendicular from the pole (a, b) to the tangent at t.
void PointPodaire(char genre, const Arbre& arbre1, const Arbre& arbre2, double& py, double& px, double h, double a,
                  double b, double t);

// The same at the centre sample (index 3) of a window of samples, pole (a, b).
void PointPodaireEchantillons(const std::array<double, 11>& X, const std::array<double, 11>& Y, double& px,
                              double& py, double b, double a);
