#include "expression/MnsCarre.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "expression/fonction.h"
#include "expression/formatage.h"

namespace {

// Intermediate values carry the extra digits of the extended type where the compiler
// offers one, so that simple data give round coefficients once rounded to doubles.
using reel = long double;

// Solves the normal equations of the basis values (one row of u values per point) by
// Gaussian elimination with partial pivoting. Rows and columns are first scaled
// by powers of two (no rounding) so that the diagonal lies in [0.5, 2): the singularity
// test compares the pivots with Epsilon relative to the diagonal.
bool resoutNormales(const std::vector<reel>& base, const std::vector<reel>& y, int n, int u, std::vector<reel>& coef)
{
    std::vector<reel> G(u * u, 0.0L), r(u, 0.0L);
    for (int i = 0; i < n; ++i) {
        const reel* b = &base[i * u];
        for (int p = 0; p < u; ++p) {
            r[p] += b[p] * y[i];
            for (int q = p; q < u; ++q)
                G[p * u + q] += b[p] * b[q];
        }
    }
    for (int p = 0; p < u; ++p)
        for (int q = 0; q < p; ++q)
            G[p * u + q] = G[q * u + p];

    std::vector<int> echelle(u);
    for (int p = 0; p < u; ++p) {
        const reel d = G[p * u + p];
        if (!(d > 0) || !std::isfinite(d))
            return false;
        int e = 0;
        std::frexp(d, &e);
        echelle[p] = -static_cast<int>(std::floor(e / 2.0));
    }
    for (int p = 0; p < u; ++p) {
        r[p] = std::ldexp(r[p], echelle[p]);
        for (int q = 0; q < u; ++q)
            G[p * u + q] = std::ldexp(G[p * u + q], echelle[p] + echelle[q]);
    }

    const reel eps = contexteCalcul().Epsilon;
    for (int k = 0; k < u; ++k) {
        int pivot = k;
        for (int i = k + 1; i < u; ++i)
            if (std::fabs(G[i * u + k]) > std::fabs(G[pivot * u + k]))
                pivot = i;
        if (!(std::fabs(G[pivot * u + k]) >= eps))
            return false;
        if (pivot != k) {
            for (int q = 0; q < u; ++q)
                std::swap(G[k * u + q], G[pivot * u + q]);
            std::swap(r[k], r[pivot]);
        }
        for (int i = k + 1; i < u; ++i) {
            const reel f = G[i * u + k] / G[k * u + k];
            if (f == 0)
                continue;
            for (int q = k; q < u; ++q)
                G[i * u + q] -= f * G[k * u + q];
            r[i] -= f * r[k];
        }
    }
    coef.assign(u, 0.0L);
    for (int k = u - 1; k >= 0; --k) {
        reel s = r[k];
        for (int q = k + 1; q < u; ++q)
            s -= G[k * u + q] * coef[q];
        coef[k] = s / G[k * u + k];
    }
    for (int p = 0; p < u; ++p) {
        coef[p] = std::ldexp(coef[p], echelle[p]);
        if (!std::isfinite(coef[p]))
            return false;
    }
    return true;
}

// Polynomial of degree d, with or without constant term. Data lying far from 0 (years,
// for instance) are fitted in the variable t = (x - m)/s, centred and scaled so that the
// normal equations stay well conditioned, then expanded in powers of x; m and s are
// chosen so that x - m and the division by s are exact for ordinary data.
struct Polynome {
    std::vector<reel> c;       // coefficients of x^0 .. x^d
    std::vector<reel> centre;  // coefficients of (x - m)^0 .. (x - m)^d
    reel m = 0;
};

bool ajustePolynome(const std::vector<reel>& x, const std::vector<reel>& y, int d, bool constante, Polynome& P)
{
    const int n = static_cast<int>(x.size());
    reel mn = x[0], mx = x[0];
    for (int i = 1; i < n; ++i) {
        mn = std::min(mn, x[i]);
        mx = std::max(mx, x[i]);
    }
    reel m = 0;
    const reel milieu = mn / 2 + mx / 2, etendue = mx - mn;
    if (constante && etendue > 0 && std::isfinite(etendue) && std::fabs(milieu) > etendue) {
        int e = 0;
        std::frexp(etendue, &e);
        const reel q = std::ldexp(1.0L, e - 5);
        m = q * std::nearbyint(milieu / q);
    }
    reel amplitude = 0;
    for (int i = 0; i < n; ++i)
        amplitude = std::max(amplitude, std::fabs(x[i] - m));
    reel s = 1;
    if (amplitude > 0 && std::isfinite(amplitude)) {
        int e = 0;
        const reel f = std::frexp(amplitude, &e);
        s = f == 0.5L ? amplitude : std::ldexp(1.0L, e);
    }

    const int premier = constante ? 0 : 1;
    const int u = d + 1 - premier;
    std::vector<reel> base(static_cast<std::size_t>(n) * u);
    for (int i = 0; i < n; ++i) {
        const reel t = (x[i] - m) / s;
        reel p = constante ? 1 : t;
        for (int j = 0; j < u; ++j) {
            base[i * u + j] = p;
            p *= t;
        }
    }
    std::vector<reel> a;
    if (!resoutNormales(base, y, n, u, a))
        return false;
    // Coefficients of (x - m)^j, then of x^i.
    P.m = m;
    P.centre.assign(d + 1, 0.0L);
    P.c.assign(d + 1, 0.0L);
    for (int j = 0; j < u; ++j)
        P.centre[j + premier] = a[j] / std::pow(s, j + premier);
    for (int j = 0; j <= d; ++j) {
        // (x - m)^j = sum over i of C(j, i)·x^i·(-m)^(j-i)
        reel binome = 1;
        for (int i = j; i >= 0; --i) {
            P.c[i] += P.centre[j] * binome * std::pow(-m, j - i);
            binome = binome * i / (j - i + 1);
        }
    }
    for (reel v : P.c)
        if (!std::isfinite(static_cast<double>(v)))
            return false;
    return true;
}

double valeurPolynome(const Polynome& P, double x)
{
    reel v = 0;
    const reel t = x - P.m;
    for (int j = static_cast<int>(P.centre.size()) - 1; j >= 0; --j)
        v = v * t + P.centre[j];
    return static_cast<double>(v);
}

// How the coefficients are written: ReelExact for the formula that is computed (it reads
// back to the same values), ReelVersTexte for the one that is shown.
using Ecriture = std::string (*)(double);

std::string nombre(Ecriture ecrit, double v)
{
    if (v == 0)
        v = 0;  // no "-0"
    return ecrit(v);
}

// A coefficient as a term of a sum: a non-negative one after the first term gets "+".
std::string terme(Ecriture ecrit, double v, bool premier)
{
    if (v == 0)
        v = 0;
    return (premier || v < 0) ? nombre(ecrit, v) : "+" + nombre(ecrit, v);
}

std::string sansBlancs(const std::string& texte)
{
    std::size_t a = 0, b = texte.size();
    while (a < b && (texte[a] == ' ' || texte[a] == '\t'))
        ++a;
    while (b > a && (texte[b - 1] == ' ' || texte[b - 1] == '\t' || texte[b - 1] == '\r' || texte[b - 1] == '\n'))
        --b;
    return texte.substr(a, b - a);
}

// The option text as it goes into the formula: between brackets when it holds a "+" or
// a "-" outside brackets after its first character, so that "1+1" stays one factor.
std::string facteur(const std::string& option)
{
    int niveau = 0;
    for (std::size_t i = 0; i < option.size(); ++i) {
        const char c = option[i];
        if (c == '(')
            ++niveau;
        else if (c == ')')
            --niveau;
        else if (i > 0 && niveau == 0 && (c == '+' || c == '-'))
            return "(" + option + ")";
    }
    return option;
}

std::string messageErreur(int statut)
{
    switch (statut) {
    case 1:
    case 3: return "erreur " + std::to_string(statut) + " : Nb de pts insuffisant";
    case 4: return "erreur 4 : Calculs impossibles";
    default: return "erreur " + std::to_string(statut) + " non identifiée!";
    }
}

int inconnues(int genre, bool constante)
{
    if (genre >= 1 && genre <= 5)
        return constante ? genre + 1 : genre;
    if (genre >= 6 && genre <= 10)
        return 2 * (genre - 5) + 1;
    if (genre >= 11 && genre <= 17)
        return 2;
    return 0;
}

// The fit itself; returns the status, fills texte (and affichage when given: the same
// formula as shown) and the residuals on success.
int ajuste(int genre, const double* x, const double* y, int n, const std::string& optionBrute, std::string& texte,
           std::string* affichage, double& ecart)
{
    // The formula, written once to be computed and once to be shown.
    const auto ecrit = [&](const auto& formule) {
        texte = formule(Ecriture(ReelExact));
        if (affichage)
            *affichage = formule(Ecriture(ReelVersTexte));
    };
    const std::string option = sansBlancs(optionBrute);
    const bool constante = option == "1";
    const int u = inconnues(genre, constante);
    int statut = 0;
    if (n < 2)
        statut = 1;
    if (u < 1)
        statut = 2;
    if (n < u)
        statut = 3;
    if (statut)
        return statut;
    for (int i = 0; i < n; ++i)
        if (!std::isfinite(x[i]) || !std::isfinite(y[i]))
            return 4;

    // The option's value, for the kinds that read it.
    double k = 0;
    if ((genre >= 6 && genre <= 10) || genre >= 14) {
        k = EvalueTexte(option);
        if (ErreurCalcul() || !std::isfinite(k))
            return 4;
        if ((genre == 14 || genre == 15 || genre == 16) && k == 0)
            return 4;
    }
    const std::string K = facteur(option);

    double somme2 = 0;  // sum of squared residuals
    auto residu = [&](double yi, double f) { somme2 += (yi - f) * (yi - f); };

    if (genre <= 5) {
        Polynome P;
        if (!ajustePolynome(std::vector<reel>(x, x + n), std::vector<reel>(y, y + n), genre, constante, P))
            return 4;
        for (int i = 0; i < n; ++i)
            residu(y[i], valeurPolynome(P, x[i]));
        ecrit([&](Ecriture e) {
            std::string t;
            bool premier = true;
            for (int j = constante ? 0 : 1; j <= genre; ++j) {
                t += terme(e, static_cast<double>(P.c[j]), premier);
                premier = false;
                if (j == 1)
                    t += "*x";
                else if (j > 1)
                    t += "*x^" + std::to_string(j);
            }
            return t;
        });
    } else if (genre <= 10) {
        const int p = genre - 5;
        std::vector<reel> base(static_cast<std::size_t>(n) * u), cl;
        for (int i = 0; i < n; ++i) {
            base[i * u] = 1;
            for (int j = 1; j <= p; ++j) {
                base[i * u + 2 * j - 1] = std::cos(j * k * x[i]);
                base[i * u + 2 * j] = std::sin(j * k * x[i]);
            }
        }
        if (!resoutNormales(base, std::vector<reel>(y, y + n), n, u, cl))
            return 4;
        const std::vector<double> c(cl.begin(), cl.end());
        for (int i = 0; i < n; ++i) {
            double f = c[0];
            for (int j = 1; j <= p; ++j)
                f += c[2 * j - 1] * std::cos(j * k * x[i]) + c[2 * j] * std::sin(j * k * x[i]);
            residu(y[i], f);
        }
        ecrit([&](Ecriture e) {
            std::string t = terme(e, c[0], true);
            for (int j = 1; j <= p; ++j) {
                const std::string a = j == 1 ? K + "*x)" : std::to_string(j) + "*" + K + "*x)";
                t += terme(e, c[2 * j - 1], false) + "*cos(" + a;
                t += terme(e, c[2 * j], false) + "*sin(" + a;
            }
            return t;
        });
    } else {
        // Change of variables, then the line Y = p + q·X.
        std::vector<reel> X(n), Y(n);
        double s = 1;
        bool auDessus = true;  // kind 16: the side of 1 where |y/A| lies
        const reel A = k;
        for (int i = 0; i < n; ++i) {
            const reel xi = x[i], yi = y[i];
            switch (genre) {
            case 11:
            case 12:
                if (i == 0)
                    s = yi < 0 ? -1 : 1;
                if (!(s * yi > 0))
                    return 4;
                if (genre == 11 && !(xi > 0))
                    return 4;
                X[i] = genre == 11 ? std::log(xi) : xi;
                Y[i] = std::log(s * yi);
                break;
            case 13:
                if (i == 0)
                    s = xi < 0 ? -1 : 1;
                if (!(s * xi > 0))
                    return 4;
                X[i] = std::log(s * xi);
                Y[i] = yi;
                break;
            case 14: {
                // y/A - 1 = c·e^(bx): every point on the side of the first.
                const reel r = yi / A - 1;
                if (i == 0)
                    s = r < 0 ? -1 : 1;
                if (!(s * r > 0))
                    return 4;
                X[i] = xi;
                Y[i] = std::log(std::fabs(r));
                break;
            }
            case 15: {
                // A/y - 1 = c·e^(bx)
                if (yi == 0)
                    return 4;
                const reel r = A / yi - 1;
                if (i == 0)
                    s = r > 0 ? 1 : -1;
                if (!(s * r > 0))
                    return 4;
                X[i] = xi;
                Y[i] = std::log(std::fabs(r));
                break;
            }
            case 16: {
                // ln(y/A) = c·d^x: y/A positive, every point on the side of 1 of the first.
                const reel r = yi / A;
                if (!(r > 0) || r == 1)
                    return 4;
                if (i == 0)
                    auDessus = r > 1;
                if ((r > 1) != auDessus)
                    return 4;
                X[i] = xi;
                Y[i] = std::log(std::fabs(std::log(r)));
                break;
            }
            default:  // 17
                if (xi == A)
                    return 4;
                X[i] = 1 / (xi - A);
                Y[i] = yi;
                break;
            }
            if (!std::isfinite(X[i]) || !std::isfinite(Y[i]))
                return 4;
        }
        Polynome D;
        if (!ajustePolynome(X, Y, 1, true, D))
            return 4;
        const reel p = D.c[0], q = D.c[1];
        reel a = 0, b = 0, c = 0, d = 0;
        switch (genre) {
        case 11:
        case 12:
            a = s * std::exp(p);
            b = q;
            break;
        case 13:
            if (std::fabs(q) < contexteCalcul().Epsilon)
                return 4;
            a = q;
            b = s * std::exp(p / q);
            break;
        case 14:
        case 15:
            c = s * std::exp(p);
            b = q;
            break;
        case 16:
            d = std::exp(q);
            c = auDessus ? std::exp(p) : -std::exp(p);
            break;
        default:
            a = p;
            b = q - p * A;
            break;
        }
        // The coefficients as they are written.
        const double ad = static_cast<double>(a), bd = static_cast<double>(b), cd = static_cast<double>(c),
                     dd = static_cast<double>(d);
        for (double v : {ad, bd, cd, dd})
            if (!std::isfinite(v))
                return 4;
        for (int i = 0; i < n; ++i) {
            const double xi = x[i];
            double f = 0;
            switch (genre) {
            case 11: f = ad * std::pow(xi, bd); break;
            case 12: f = ad * std::exp(bd * xi); break;
            case 13: f = ad * std::log(bd * xi); break;
            case 14: f = k * (1 + cd * std::exp(bd * xi)); break;
            case 15: f = k / (1 + cd * std::exp(bd * xi)); break;
            case 16: f = k * std::exp(cd * std::pow(dd, xi)); break;
            default: f = (ad * xi + bd) / (xi - k); break;
            }
            residu(y[i], f);
        }
        ecrit([&](Ecriture e) {
            const auto n = [e](double v) { return nombre(e, v); };
            switch (genre) {
            case 11: return n(ad) + "*x^" + (bd < 0 ? "(" + n(bd) + ")" : n(bd));
            case 12: return n(ad) + "*exp(" + n(bd) + "*x)";
            case 13: return n(ad) + "*ln(" + n(bd) + "*x)";
            case 14: return K + "*(1" + terme(e, cd, false) + "*exp(" + n(bd) + "*x))";
            case 15: return K + "/(1" + terme(e, cd, false) + "*exp(" + n(bd) + "*x))";
            case 16: return K + "*exp(" + n(cd) + "*(" + n(dd) + ")^x)";
            default: return "(" + n(ad) + "*x" + terme(e, bd, false) + ")/(x-(" + option + "))";
            }
        });
    }
    ecart = n > u ? std::sqrt(somme2 / (n - u)) : 0;
    if (!std::isfinite(ecart))
        ecart = 0;
    return 0;
}

}  // namespace

void MoindresCarres(int genre, const double* x, const double* y, int n, std::string& texte, int& statut,
                    const std::string& option, double* ecartType, std::string* affichage)
{
    double ecart = 0;
    std::string formule, montree;
    statut = ajuste(genre, x, y, n, option, formule, affichage ? &montree : nullptr, ecart);
    texte = statut == 0 ? formule : messageErreur(statut);
    if (affichage)
        *affichage = statut == 0 ? montree : texte;
    if (ecartType)
        *ecartType = statut == 0 ? ecart : 0;
}
