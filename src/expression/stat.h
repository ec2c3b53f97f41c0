// Sorting and median of samples.
#pragma once

#include <vector>

// Ascending insertion sort of tableau[0..dernier]; equal elements keep their order.
void TriCroissant(double* tableau, int dernier);
void TriCroissant(std::vector<double>& tableau);
// Median of a copy of the samples; 0 for an empty array.
double Mediane(std::vector<double> tableau);

// Mean and population standard deviation (the root of the mean squared deviation from the
// mean); both 0 for an empty array.
void MoyenneEcartType(const std::vector<double>& valeurs, double& moyenne, double& ecartType);

// Statistics of two columns of the same length n: the minima, maxima, medians, means and
// standard deviations of X and Y, the covariance, the correlation coefficient r, the
// regression line Y = A X + B and the standard deviation s of its residuals (over n - 2 when
// n > 2, the population one otherwise). r is not defined (false) when sx sy is within
// epsilon, A, B and s when sx is.
struct StatistiquesDeux {
    int n = 0;
    double minX = 0, minY = 0, maxX = 0, maxY = 0, medX = 0, medY = 0;
    double moyX = 0, moyY = 0, sX = 0, sY = 0, covariance = 0, r = 0, A = 0, B = 0, s = 0;
    bool rDefini = false, droiteDefinie = false;
};
StatistiquesDeux StatistiquesDeuxColonnes(const std::vector<double>& x, const std::vector<double>& y, double epsilon);
