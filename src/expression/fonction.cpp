// The function library of the formula language: names of the functions and operators,
// and the computation of each of them on reals.
#include "expression/fonction.h"

#include <cmath>
#include <cstring>
#include <memory>

#include "expression/PolyOrtho.h"
#include "expression/catalogue.h"
#include "expression/simul.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

}  // namespace

namespace {

template <std::size_t N>
constexpr std::array<const char*, N> nomsDes(const FicheFonction (&fiches)[N])
{
    std::array<const char*, N> noms{};
    for (std::size_t i = 0; i < N; ++i)
        noms[i] = fiches[i].nom;
    return noms;
}

}  // namespace

constinit const std::array<const char*, NbCodesUnaires> NomsUnaires = nomsDes(FichesUnaires);
constinit const std::array<const char*, NbCodesBinaires> NomsBinaires = nomsDes(FichesBinaires);

const EntreeInsertion TableInsertion[47] = {
    {"abs(x)", 17},   {"arccos(x)", 20}, {"arccot(x)", 18},  {"arcsin(x)", 19}, {"arctan(x)", 25},
    {"argch(x)", 28}, {"argcoth(x)", 26}, {"argsh(x)", 27},  {"argth(x)", 34},  {"bl(x)", 21},
    {"ch(x)", 11},    {"cos(x)", 43},    {"cosd(x)", 16},    {"cosec(x)", 40},  {"cosq(x)", 14},
    {"cot(x)", 24},   {"coth(x)", 29},   {"delta(x)", 6},    {"ent(x)", 3},     {"exp(x)", 38},
    {"fact(x)", 8},   {"frac(x)", 35},   {"gamma(x)", 7},    {"int(x)", 4},     {"ln(x)", 5},
    {"log(x)", 39},   {"logamma(x)", 46}, {"poisson(1)", 2}, {"rcub(x)", 30},   {"rect(x)", 36},
    {"rnd(x)", 9},    {"round(x)", 15},  {"sec(x)", 10},     {"sgn(x)", 22},    {"sh(x)", 33},
    {"sha(x)", 12},   {"sin(x)", 37},    {"sinc(x)", 44},    {"sind(x)", 41},   {"sinq(x)", 1},
    {"rac(x)", 13},   {"tan(x)", 45},    {"tand(x)", 42},    {"tanq(x)", 23},   {"th(x)", 31},
    {"tri(x)", 32},   {"un(x)", 0}};

bool NomFonctionParCode(int code, std::string& texte)
{
    for (const auto& e : TableInsertion)
        if (e.code == code) {
            texte = e.texte;
            return true;
        }
    return false;
}

// ---------------------------------------------------------------------------------------
// Operators

const char SansMessage[] = "";
constinit const char* const MessagePuissance = FichesBinaires[BPuissance].message;
constinit const char* const MessageExponentielle = FichesUnaires[UEXP].message;
constinit const char* const MessageLogarithme = FichesUnaires[ULN].message;
constinit const char* const MessageRacine = FichesUnaires[URACINE].message;
constinit const char* const MessageDivision = FichesBinaires[BDivise].message;

namespace {

double factorielle(double u)
{
    if (u == 0)
        return 1;
    const double n = std::nearbyint(u);
    double p = 1;
    for (double i = 2; i <= n; i += 1)
        p *= i;
    return p;
}

double echoue(const char*& echec, const char* message)
{
    echec = message;
    return 0;
}

double puissance(double u, double w, const char*& echec)
{
    if (std::trunc(w) == w && std::fabs(w) < 32765) {
        const int n = static_cast<int>(std::fabs(w));
        if (n == 0 && u == 0)
            return echoue(echec, MessagePuissance);
        const double p = n <= 64 ? ProduitPuissance(u, n) : std::pow(u, n);
        return w <= 0 ? 1 / p : p;
    }
    if (u > 0)
        return std::exp(w * std::log(u));
    return echoue(echec, MessagePuissance);
}

// Degree of an orthogonal polynomial: ROUND u, refused when negative or too large.
bool degrePolynome(double u, int& n, const char*& echec)
{
    if (u < 0) {
        echec = FichesBinaires[BTCHEB].message;
        return false;
    }
    const double r = std::nearbyint(u);
    if (!(r <= DegreMaxPolynome)) {
        echec = FichesBinaires[BTCHEB].message2;
        return false;
    }
    n = static_cast<int>(r);
    return true;
}

}  // namespace


double CalculeUnaire(int code, double u, const ContexteCalcul& ctx, const char*& echec)
{
    switch (code) {
    case UMoins: return -u;
    case UPlus: return u;
    case UCONJ: return u;
    case URE: return u;
    case UIM: return 0;
    case USIN: return std::sin(u);
    case UCOS: return std::cos(u);
    case UTAN: {
        const double c = std::cos(u);
        if (c == 0)
            return echoue(echec, FichesUnaires[UTAN].message);
        return std::sin(u) / c;
    }
    case UCOT: {
        const double s = std::sin(u);
        if (s == 0)
            return echoue(echec, FichesUnaires[UCOT].message);
        return std::cos(u) / s;
    }
    case USEC: {
        const double c = std::cos(u);
        if (c == 0)
            return echoue(echec, FichesUnaires[USEC].message);
        return 1 / c;
    }
    case UCOSEC: {
        const double s = std::sin(u);
        if (s == 0)
            return echoue(echec, FichesUnaires[UCOSEC].message);
        return 1 / s;
    }
    case UARCSIN:
        if (u < -1 || u > 1)
            return echoue(echec, FichesUnaires[UARCSIN].message);
        return std::asin(u);
    case UARCCOS:
        if (u < -1 || u > 1)
            return echoue(echec, FichesUnaires[UARCCOS].message);
        return std::acos(u);
    case UARCTAN: return std::atan(u);
    case UARCCOT: return Pi / 2 - std::atan(u);
    case USH: return std::sinh(u);
    case UCH: return std::cosh(u);
    case UTH: return std::tanh(u);
    case UCOTH:
        if (u == 0)
            return echoue(echec, FichesUnaires[UCOTH].message);
        return 1 / std::tanh(u);
    case UARGSH: return std::asinh(u);
    case UARGCH:
        if (u < 1)
            return echoue(echec, FichesUnaires[UARGCH].message);
        return std::acosh(u);
    case UARGTH:
        if (u <= -1 || u >= 1)
            return echoue(echec, FichesUnaires[UARGTH].message);
        return std::atanh(u);
    case UARGCOTH:
        if (u >= -1 && u <= 1)
            return echoue(echec, FichesUnaires[UARGCOTH].message);
        return std::log((1 + u) / (u - 1)) / 2;
    case UABS: return std::fabs(u);
    case UINT: return std::trunc(u);
    case UENT: return std::floor(u);
    case UROUND: return std::nearbyint(u);
    case UDELTA: return std::fabs(u) < ctx.Epsilon ? 1 : 0;
    case UFRAC: return u - std::trunc(u);
    case UFACT:
        if (std::fabs(u) >= 32)
            return echoue(echec, FichesUnaires[UFACT].message);
        return factorielle(u);
    case UCARRE: return u * u;
    case UEXP:
        if (std::fabs(u) > 85)
            return echoue(echec, MessageExponentielle);
        return std::exp(u);
    case ULN:
        if (u <= 0)
            return echoue(echec, MessageLogarithme);
        return std::log(u);
    case ULOG:
        if (u <= 0)
            return echoue(echec, MessageLogarithme);
        return std::log(u) / std::log(10.0);
    case URCUB: return std::cbrt(u);
    case URACINE:
    case URAC:
    case USQRT:
        if (u < 0)
            return echoue(echec, MessageRacine);
        return std::sqrt(u);
    case UUN: return u >= 0 ? 1 : 0;
    case URECT: return (u >= -1 && u <= 1) ? 1 : 0;
    case UTRI: return (u >= -1 && u <= 1) ? 1 - std::fabs(u) : 0;
    case USINQ: return SinusTrapeze(u);
    case UCOSQ: return SinusTrapeze(u + 2);
    case UTANQ: {
        const double r = Periodise(u, -4, 4);
        if (r == -2 || r == 2)
            return echoue(echec, FichesUnaires[UTANQ].message);
        return SinusTrapeze(r) / SinusTrapeze(r + 2);
    }
    case USIND: return SinusTriangle(u);
    case UCOSD: return SinusTriangle(u + 1);
    case UTAND: {
        const double r = Periodise(u, -2, 2);
        if (r == -1 || r == 1)
            return echoue(echec, FichesUnaires[UTAND].message);
        return SinusTriangle(r) / SinusTriangle(r + 1);
    }
    case USINC: return u == 0 ? 1 : std::sin(Pi * u) / (Pi * u);
    case UGAMMA: {
        int pole = 0;
        const double g = Gamma(u, ctx.Epsilon, pole);
        if (pole)
            return echoue(echec, pole == 1 ? FichesUnaires[UGAMMA].message : SansMessage);
        return g;
    }
    case ULOGAMMA:
        if (u <= 0)
            return echoue(echec, FichesUnaires[ULOGAMMA].message);
        return LnGamma(u);
    case UBL: return Blancmange(u);
    case URND: return Aleatoire() * u;
    case UPOISSON:
        if (u <= 0)
            return echoue(echec, FichesUnaires[UPOISSON].message);
        return AleaPoisson(u);
    case USHA: return std::trunc(u) == u ? 1 : 0;
    case UGAUSS01: return std::fabs(u) < 10 ? Gaussienne(u, 1, 0) : 0;
    case USGN: return std::fabs(u) >= ctx.Zero ? u / std::fabs(u) : 0;
    default: return echoue(echec, SansMessage);
    }
}

double CalculeBinaire(int code, double u, double w, const ContexteCalcul& ctx, const char*& echec)
{
    switch (code) {
    case BPlus: return u + w;
    case BMoins: return u - w;
    case BFois: return u * w;
    case BDivise:
        if (std::fabs(w) <= ctx.Epsilon)
            return echoue(echec, MessageDivision);
        return u / w;
    case BPuissance: return puissance(u, w, echec);
    case BARG: return Argument(u, w) * 180 / Pi;
    case BMODULE: return std::hypot(u, w); // no overflow or underflow of the squares
    case BCOMB: {
        const double n = std::nearbyint(u), p = std::nearbyint(w);
        if (p < 0 || p > n)
            return echoue(echec, FichesBinaires[BCOMB].message);
        const double c = Cnp(n, p);
        if (!std::isfinite(c))
            return echoue(echec, FichesBinaires[BCOMB].message);
        return c;
    }
    case BMOD: {
        if (w == 0)
            return echoue(echec, FichesBinaires[BMOD].message);
        double r = u - std::trunc(u / w) * w;
        if (r < 0)
            r += std::fabs(w);
        return r;
    }
    case BLOGA:
        // When both fail, the second text is the one left.
        if (w <= 0)
            return echoue(echec, MessageLogarithme);
        if (u <= 0)
            return echoue(echec, FichesBinaires[BLOGA].message2);
        return std::log(w) / std::log(u);
    case BBINOM: {
        const double n = std::nearbyint(u);
        if (u < 0 || w < 0 || w > 1 || !(n < 4e18))
            return echoue(echec, FichesBinaires[BBINOM].message);
        return AleaBinomiale(n, w);
    }
    case BGAUSS:
        if (w <= 0)
            return echoue(echec, FichesBinaires[BGAUSS].message);
        return AleaGauss(u, w);
    case BUNIF: return AleaUniforme(u, w);
    case BTCHEB:
    case BTCHEB2:
    case BHERMIT:
    case BLAGUER:
    case BLEGNDR: {
        int n = 0;
        if (!degrePolynome(u, n, echec))
            return 0;
        switch (code) {
        case BTCHEB: return PolyTchebychev(n, w);
        case BTCHEB2: return PolyTchebychev2(n, w);
        case BHERMIT: return PolyHermite(n, w);
        case BLAGUER: return PolyLaguerre(n, w);
        default: return PolyLegendre(n, w);
        }
    }
    case BMIN: return u >= w ? w : u;
    case BMAX: return u <= w ? w : u;
    default: return echoue(echec, SansMessage);
    }
}

double AppliqueUnaire(int code, double u)
{
    const char* echec = nullptr;
    const double r = CalculeUnaire(code, u, contexteCalcul(), echec);
    if (echec)
        SignaleEchec(etatCalcul(), echec);
    return r;
}

double AppliqueBinaire(int code, double u, double w)
{
    const char* echec = nullptr;
    const double r = CalculeBinaire(code, u, w, contexteCalcul(), echec);
    if (echec)
        SignaleEchec(etatCalcul(), echec);
    return r;
}
