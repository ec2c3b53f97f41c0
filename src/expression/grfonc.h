// Numerical analysis on compiled formulas and on sampled data: derivatives of order 1
// to 5 by central differences, definite integrals, and the roots of a formula on an
// interval. Failures set ErreurCalcul() (the formula's own message, if any, stays);
// the value returned with the flag set is meaningless.
#pragma once

#include <array>
#include <cmath>
#include <span>
#include <string>
#include <vector>

#include "expression/etat.h"

class Arbre;

// Central-difference stencils, one row per order 1..5: m terms c[0..m-1] and the divisor.
struct StencilDerivee {
    int termes;
    int c[5];
    int diviseur;
};
extern const StencilDerivee StencilsDerivees[5];

// n-th derivative (n = 1..5) of the formula at x with step h > 0.
double DeriveeNumerique(const Arbre& arbre, int n, double h, double x);

// The same stencils on any function: f(t, v) stores the value at t in v and returns false
// when it cannot be computed (the result then fails, flag set).
template <class Fonction>
double DeriveeStencil(int n, double h, double x, Fonction&& f);

// Derivative of order n at the middle of a window of samples: with m the term count of
// the order's stencil, the window spans indices 0..2m around the centre m. Orders 1 and
// 2 allow uneven steps; orders 3 to 5 use the mean step. Abscissae closer than 0.001
// across the stencil fail.
double DeriveeEchantillons(const std::array<double, 11>& X, const std::array<double, 11>& Y, int n);

// Romberg integral from a to b; erreur receives the last difference between diagonal
// terms. Converged when that difference is at most tolerance * max(1, |result|), from the
// fourth level on; at most 13 levels. No convergence sets the flag.
double IntegreArbre(const Arbre& arbre, double& erreur, double a, double b, double tolerance);

// Simpson's rule with 2n sub-intervals (n >= 1).
double IntegreArbreSimple(const Arbre& arbre, int n, double a, double b);

// Integral of the samples Y over the abscissae X, indices 0..dernier (Simpson's rule for
// uneven steps, a trapezoid for a last odd interval).
double IntegreTable(std::span<const double> X, std::span<const double> Y, int dernier);

// Roots of the formula on [debut, fin], searched in n sub-intervals then by bisection to
// precisionX; a root is kept when |f| < precisionY there. The list is cleared, then gets
// one text per root (in search order), written so that it reads back exactly.
void RacinesDichotomie(const Arbre& arbre, int n, std::vector<std::string>& liste, double debut, double fin,
                       double precisionX, double precisionY);
// The same roots as numbers.
void RacinesDichotomie(const Arbre& arbre, int n, std::vector<double>& racines, double debut, double fin,
                       double precisionX, double precisionY);

// The same with the program's root-search settings (DebutDicho, FinDicho,
// SousIntervallesDicho, PrecisionXDicho, PrecisionYDicho). Returns false, with the flag
// set, when the interval's bounds cannot be evaluated.
bool RacinesDichotomieReglages(const Arbre& arbre, std::vector<std::string>& liste);

// ---------------------------------------------------------------------------------------

template <class Fonction>
double DeriveeStencil(int n, double h, double x, Fonction&& f)
{
    int& erreur = ErreurCalcul();
    auto valeur = [&](double t, double& v) { return f(t, v) && std::isfinite(v); };
    erreur = 1;
    if (!(h > 0) || !std::isfinite(h) || n < 1 || n > 5)
        return 0;
    const StencilDerivee& s = StencilsDerivees[n - 1];
    double f0;
    if (!valeur(x, f0)) {
        erreur = 1;
        return 0;
    }
    double somme = 0;
    for (int i = 1; i <= s.termes; ++i) {
        double fm, fp;
        if (!valeur(x - i * h, fm) || !valeur(x + i * h, fp)) {
            erreur = 1;
            return 0;
        }
        if (n % 2)
            somme += s.c[i - 1] * (fp - fm);
        else
            somme += s.c[i - 1] * ((fp - f0) + (fm - f0));
    }
    double r = somme / s.diviseur;
    for (int k = 0; k < n; ++k)
        r /= h;
    erreur = std::isfinite(r) ? 0 : 1;
    return erreur ? 0 : r;
}
