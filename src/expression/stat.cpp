#include "expression/stat.h"

#include <algorithm>
#include <cmath>

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

void MoyenneEcartType(const std::vector<double>& valeurs, double& moyenne, double& ecartType)
{
    moyenne = ecartType = 0;
    if (valeurs.empty())
        return;
    long double somme = 0;
    for (double v : valeurs)
        somme += v;
    moyenne = double(somme / (long double)valeurs.size());
    long double carres = 0;
    for (double v : valeurs)
        carres += (long double)(moyenne - v) * (moyenne - v);
    ecartType = double(std::sqrt(carres / (long double)valeurs.size()));
}

StatistiquesDeux StatistiquesDeuxColonnes(const std::vector<double>& x, const std::vector<double>& y, double epsilon)
{
    StatistiquesDeux r;
    r.n = int(std::min(x.size(), y.size()));
    if (r.n == 0)
        return r;
    const std::vector<double> X(x.begin(), x.begin() + r.n), Y(y.begin(), y.begin() + r.n);
    const auto [minX, maxX] = std::minmax_element(X.begin(), X.end());
    const auto [minY, maxY] = std::minmax_element(Y.begin(), Y.end());
    r.minX = *minX, r.maxX = *maxX, r.minY = *minY, r.maxY = *maxY;
    r.medX = Mediane(X);
    r.medY = Mediane(Y);
    MoyenneEcartType(X, r.moyX, r.sX);
    MoyenneEcartType(Y, r.moyY, r.sY);
    long double cov = 0;
    for (int i = 0; i < r.n; ++i)
        cov += (long double)(X[std::size_t(i)] - r.moyX) * (Y[std::size_t(i)] - r.moyY);
    r.covariance = double(cov / r.n);
    r.rDefini = r.sX * r.sY > epsilon;
    r.droiteDefinie = r.sX > epsilon;
    if (r.rDefini)
        r.r = r.covariance / r.sX / r.sY;
    if (r.droiteDefinie) {
        r.A = r.covariance / r.sX / r.sX;
        r.B = r.moyY - r.A * r.moyX;
        std::vector<double> residus(std::size_t(r.n));
        for (std::size_t i = 0; i < residus.size(); ++i)
            residus[i] = Y[i] - r.A * X[i] - r.B;
        double m = 0;
        MoyenneEcartType(residus, m, r.s);
        if (r.n > 2)
            r.s *= std::sqrt(double(r.n) / double(r.n - 2));
    }
    return r;
}
