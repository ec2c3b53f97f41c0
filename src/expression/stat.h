// Sorting and median of samples.
#pragma once

#include <vector>

// Ascending insertion sort of tableau[0..dernier]; equal elements keep their order.
void TriCroissant(double* tableau, int dernier);
void TriCroissant(std::vector<double>& tableau);
// Median of a copy of the samples; 0 for an empty array.
double Mediane(std::vector<double> tableau);
