#include "expression/stat.h"

#include <algorithm>

void TriCroissant(double* tableau, int dernier)
{
    if (dernier > 0)
        std::stable_sort(tableau, tableau + dernier + 1);
}

void TriCroissant(std::vector<double>& tableau)
{
    std::stable_sort(tableau.begin(), tableau.end());
}

double Mediane(std::vector<double> tableau)
{
    const std::size_t n = tableau.size();
    if (n == 0)
        return 0;
    TriCroissant(tableau);
    if (n % 2 == 1)
        return tableau[n / 2];
    return (tableau[n / 2 - 1] + tableau[n / 2]) / 2;
}
