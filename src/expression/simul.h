// Special functions and random variates behind the names of the expression language.
#pragma once

#include <random>

// Floor: the integer part, minus 1 for a negative non-integer.
double PartieEntiere(double x);
// Representative of x in [a, b).
double Periodise(double x, double a, double b);
// Angle of the point (x, y) in radians; an abscissa below Epsilon counts as 0.
double Argument(double x, double y);
// r := hypot(x, y); at the origin returns true and leaves theta as it is; else theta in
// degrees and false.
bool CartesienVersPolaire(double x, double y, double& r, double& theta);
// Normal density of mean m and standard deviation s.
double Gaussienne(double x, double s, double m);
// Binomial coefficient; +infinity when it cannot be held in a double.
double Cnp(double n, double p);
// Gamma function; sets the error flag at the poles.
double Gamma(double x);
// The same without the evaluation state: echec becomes 1 at a pole (within epsilon), 2 when
// the value cannot be held, and the result is then 0.
double Gamma(double x, double epsilon, int& echec);
double LnGamma(double x);
double DistanceEntier(double x);
double Blancmange(double x);
// Trapezoidal wave of period 8 and triangular wave of period 4.
double SinusTrapeze(double v);
double SinusTriangle(double v);

// Random variates drawn from the calling thread's generator.
double AleaUniforme(double a, double b);
double AleaBinomiale(double n, double p);
double AleaPoisson(double lambda);
double AleaGauss(double moyenne, double ecartType);
std::mt19937_64& moteurAleatoire();
