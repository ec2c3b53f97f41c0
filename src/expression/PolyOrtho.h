// The classical orthogonal polynomials, by their three-term recurrences.
#pragma once

// Highest degree accepted by the evaluator.
constexpr double DegreMaxPolynome = 1e6;

double PolyTchebychev(int n, double x);
double PolyTchebychev2(int n, double x);
double PolyHermite(int n, double x);
double PolyLaguerre(int n, double x);   // n! times the normalised polynomial
double PolyLegendre(int n, double x);
