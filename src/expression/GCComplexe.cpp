#include "expression/GCComplexe.h"

#include <cmath>
#include <memory>

#include "expression/catalogue.h"
#include "expression/execution.h"

namespace {

// The working form of the evaluator: Cartesian only. The polar fields of a Complexe are
// filled once, when a value leaves this unit.
struct Cx {
    double re, im;
};

// Argument in (-pi, pi]; a negative zero counts as zero, and the origin has argument 0.
double argument(double re, double im)
{
    if (re == 0 && im == 0)
        return 0;
    return std::atan2(im + 0.0, re);
}

Complexe versComplexe(Cx c)
{
    Complexe z;
    z.Re = c.re;
    z.Im = c.im;
    ComplexeVersPolaire(z);
    return z;
}

Cx cart(const Complexe& z)
{
    return {z.Re, z.Im};
}

Complexe echec()
{
    ErreurCalcul() = 1;
    return Complexe{};
}

Cx mul(Cx a, Cx b)
{
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// Smith's division: no overflow of the intermediate |b|².
bool div(Cx a, Cx b, Cx& r)
{
    if (b.re == 0 && b.im == 0)
        return false;
    if (std::fabs(b.re) >= std::fabs(b.im)) {
        const double t = b.im / b.re, d = b.re + b.im * t;
        r = {(a.re + a.im * t) / d, (a.im - a.re * t) / d};
    } else {
        const double t = b.re / b.im, d = b.re * t + b.im;
        r = {(a.re * t + a.im) / d, (a.im * t - a.re) / d};
    }
    return true;
}

// Principal square root, computed without cancellation.
Cx racine(Cx z)
{
    if (z.re == 0 && z.im == 0)
        return {0, 0};
    const double t = std::sqrt((std::fabs(z.re) + std::hypot(z.re, z.im)) / 2);
    if (z.re >= 0)
        return {t, z.im / (2 * t)};
    return {std::fabs(z.im) / (2 * t), z.im >= 0 ? t : -t};
}

bool logc(Cx z, Cx& r)
{
    if (z.re == 0 && z.im == 0)
        return false;
    const double m = std::hypot(z.re, z.im);
    // Near the unit circle ln |z| is small: take it from |z|² - 1 directly.
    const double lr = (m > 0.5 && m < 2) ? 0.5 * std::log1p((z.re - 1) * (z.re + 1) + z.im * z.im) : std::log(m);
    r = {lr, argument(z.re, z.im)};
    return true;
}

// ln(1 + z), accurate for small z.
bool log1pc(Cx z, Cx& r)
{
    if (std::hypot(z.re, z.im) < 0.5) {
        r = {0.5 * std::log1p(z.re * (2 + z.re) + z.im * z.im), std::atan2(z.im, 1 + z.re)};
        return true;
    }
    return logc({1 + z.re, z.im}, r);
}

Cx expc(Cx z)
{
    const double e = std::exp(z.re);
    if (z.im == 0)
        return {e, 0};
    return {e * std::cos(z.im), e * std::sin(z.im)};
}

Cx sinc(Cx z)
{
    return {std::sin(z.re) * std::cosh(z.im), std::cos(z.re) * std::sinh(z.im)};
}

Cx cosc(Cx z)
{
    return {std::cos(z.re) * std::cosh(z.im), -std::sin(z.re) * std::sinh(z.im)};
}

Cx shc(Cx z)
{
    return {std::sinh(z.re) * std::cos(z.im), std::cosh(z.re) * std::sin(z.im)};
}

Cx chc(Cx z)
{
    return {std::cosh(z.re) * std::cos(z.im), std::sinh(z.re) * std::sin(z.im)};
}

bool tanc(Cx z, Cx& r)
{
    if (std::fabs(z.im) > 20) {
        // sin/cos would overflow far from the real axis, where tan z is i·sign(Im z) to
        // within e^-40.
        r = {2 * std::sin(2 * z.re) * std::exp(-2 * std::fabs(z.im)), z.im > 0 ? 1.0 : -1.0};
        return true;
    }
    return div(sinc(z), cosc(z), r);
}

// tanh z = -i·tan(iz).
bool thc(Cx z, Cx& r)
{
    Cx t;
    if (!tanc({-z.im, z.re}, t))
        return false;
    r = {t.im, -t.re};
    return true;
}

// Inverse functions from the square roots of 1 - z and 1 + z, which carry the branch
// cuts without cancellation.
Cx arcsin(Cx z)
{
    const Cx a = racine({1 - z.re, -z.im}), b = racine({1 + z.re, z.im});
    return {std::atan2(z.re, a.re * b.re - a.im * b.im), std::asinh(a.re * b.im - a.im * b.re)};
}

Cx arccos(Cx z)
{
    const Cx a = racine({1 - z.re, -z.im}), b = racine({1 + z.re, z.im});
    return {2 * std::atan2(a.re, b.re), std::asinh(b.re * a.im - b.im * a.re)};
}

// argsh z = -i·arcsin(iz).
Cx argsh(Cx z)
{
    const Cx s = arcsin({-z.im, z.re});
    return {s.im, -s.re};
}

Cx argch(Cx z)
{
    const Cx a = racine({z.re - 1, z.im}), b = racine({z.re + 1, z.im});
    return {std::asinh(a.re * b.re + a.im * b.im), 2 * std::atan2(a.im, b.re)};
}

bool argth(Cx z, Cx& r)
{
    Cx p, m;
    if (!log1pc(z, p) || !log1pc({-z.re, -z.im}, m))
        return false;
    r = {(p.re - m.re) / 2, (p.im - m.im) / 2};
    return true;
}

// arctan z = -i·argth(iz).
bool arctan(Cx z, Cx& r)
{
    Cx t;
    if (!argth({-z.im, z.re}, t))
        return false;
    r = {t.im, -t.re};
    return true;
}

// u^n for an integer n, by squaring.
bool puissanceEntiere(Cx u, double n, Cx& r)
{
    double k = std::fabs(n);
    Cx p{1, 0};
    Cx base = u;
    while (k > 0) {
        if (std::fmod(k, 2) == 1)
            p = mul(p, base);
        k = std::floor(k / 2);
        if (k > 0)
            base = mul(base, base);
    }
    if (n < 0)
        return div({1, 0}, p, r);
    r = p;
    return true;
}

bool puissance(Cx u, Cx w, Cx& r)
{
    double n = 0;
    if (w.im == 0 && std::trunc(w.re) == w.re && std::fabs(w.re) < 32765) {
        n = w.re;
        if (n == 0 && u.re == 0 && u.im == 0)
            return false;
        return puissanceEntiere(u, n, r);
    }
    Cx l;
    if (!logc(u, l))
        return false;
    r = expc(mul(w, l));
    return true;
}

bool fini(Cx c)
{
    return std::isfinite(c.re) && std::isfinite(c.im);
}

Cx echoue(const char*& echec, const char* message)
{
    echec = message;
    return {0, 0};
}

Cx unaire(int code, Cx u, const ContexteCalcul& ctx, const char*& echec)
{
    Cx r;
    switch (code) {
    case UMoins: return {-u.re, -u.im};
    case UPlus: return u;
    case UCONJ: return {u.re, -u.im};
    case URE: return {u.re, 0};
    case UIM: return {0, u.im};
    case USIN: return sinc(u);
    case UCOS: return cosc(u);
    case UTAN:
        if (!tanc(u, r))
            return echoue(echec, FichesUnaires[UTAN].message);
        return r;
    case UARCSIN: r = arcsin(u); break;
    case UARCCOS: r = arccos(u); break;
    case UARCTAN:
        if (!arctan(u, r))
            return echoue(echec, "arctan non définie");
        break;
    case USH: return shc(u);
    case UCH: return chc(u);
    case UTH:
        if (!thc(u, r))
            return echoue(echec, SansMessage);
        return r;
    case UARGSH: r = argsh(u); break;
    case UARGCH: r = argch(u); break;
    case UARGTH:
        if (!argth(u, r))
            return echoue(echec, "argth non défini");
        break;
    case UABS: return {std::hypot(u.re, u.im), 0};
    case UINT: return {std::trunc(u.re), std::trunc(u.im)};
    case UENT: return {std::floor(u.re), std::floor(u.im)};
    case UROUND: return {std::nearbyint(u.re), std::nearbyint(u.im)};
    case UFRAC: return {u.re - std::trunc(u.re), u.im - std::trunc(u.im)};
    case UCARRE: return {(u.re - u.im) * (u.re + u.im), 2 * u.re * u.im};
    case UEXP:
        if (std::fabs(u.re) > 85)
            return echoue(echec, MessageExponentielle);
        return expc(u);
    case ULN:
    case ULOG:
        if (!logc(u, r))
            return echoue(echec, "logarithme d'un complexe nul!");
        if (code == ULOG) {
            const double k = 1 / std::log(10.0);
            r = {r.re * k, r.im * k};
        }
        return r;
    case URACINE:
    case URAC:
    case USQRT: return racine(u);
    case URND: {
        const double u1 = Aleatoire();
        const double u2 = Aleatoire();
        return {u.re * u1, u.im * u2};
    }
    default:
        if (u.im != 0)
            return echoue(echec, "expression non calculable!");
        return {CalculeUnaire(code, u.re, ctx, echec), 0};
    }
    // The inverse functions: a value that cannot be held is their own failure.
    if (fini(r))
        return r;
    switch (code) {
    case UARCSIN: return echoue(echec, "arcsin non défini");
    case UARCCOS: return echoue(echec, "arccos non défini");
    case UARCTAN: return echoue(echec, "arctan non définie");
    case UARGSH: return echoue(echec, "argsh non défini");
    case UARGCH: return echoue(echec, "argch non défini");
    default: return echoue(echec, "argth non défini");
    }
}

// The operations of the complex evaluator, for the loop shared with the real one.
struct AlgebreComplexe {
    using V = Cx;
    static constexpr bool finVerifiee = true;
    static Cx reel(double v) { return {v, 0}; }
    static Cx constante(const Instruction& k) { return {k.valeur, k.imaginaire}; }
    static bool fini(Cx c) { return ::fini(c); }
    static bool versReel(Cx c, double& u)
    {
        u = c.re;
        return c.im == 0;
    }
    static Cx oppose(Cx u) { return {-u.re, -u.im}; }
    static Cx sin(Cx u) { return sinc(u); }
    static Cx cos(Cx u) { return cosc(u); }
    static Cx abs(Cx u) { return {std::hypot(u.re, u.im), 0}; }
    static Cx carre(Cx u) { return {(u.re - u.im) * (u.re + u.im), 2 * u.re * u.im}; }
    static Cx exp(Cx u, const char*& echec) { return unaire(UEXP, u, contexteCalcul(), echec); }
    static Cx ln(Cx u, const char*& echec) { return unaire(ULN, u, contexteCalcul(), echec); }
    static Cx racine(Cx u, const char*&) { return ::racine(u); }
    static Cx puissanceN(Cx u, int n, bool inverse, const char*& echec)
    {
        Cx r;
        if ((n == 0 && u.re == 0 && u.im == 0) || !puissanceEntiere(u, inverse ? -double(n) : double(n), r) ||
            !::fini(r))
            return echoue(echec, MessagePuissance);
        return r;
    }
    static Cx plus(Cx u, Cx w) { return {u.re + w.re, u.im + w.im}; }
    static Cx moins(Cx u, Cx w) { return {u.re - w.re, u.im - w.im}; }
    static Cx fois(Cx u, Cx w) { return mul(u, w); }
    static Cx divise(Cx u, Cx w, const ContexteCalcul&, const char*& echec)
    {
        Cx r;
        if (!div(u, w, r))
            return echoue(echec, MessageDivision);
        return r;
    }
    static Cx unaire(int code, Cx u, const ContexteCalcul& ctx, const char*& echec)
    {
        return ::unaire(code, u, ctx, echec);
    }
    static Cx binaire(int code, Cx u, Cx w, const ContexteCalcul& ctx, const char*& echec)
    {
        switch (code) {
        case BPlus: return plus(u, w);
        case BMoins: return moins(u, w);
        case BFois: return fois(u, w);
        case BDivise: return divise(u, w, ctx, echec);
        case BPuissance: {
            Cx r;
            if (!puissance(u, w, r) || !::fini(r))
                return echoue(echec, MessagePuissance);
            return r;
        }
        default:
            if (u.im != 0 || w.im != 0)
                return echoue(echec, "expression non calculable!");
            return {CalculeBinaire(code, u.re, w.re, ctx, echec), 0};
        }
    }
};

}  // namespace

// ---------------------------------------------------------------------------------------
// The number

Complexe ComplexeCartesien(double re, double im)
{
    return versComplexe({re, im});
}

Complexe ComplexePolaire(double module, double arg)
{
    Complexe z;
    z.Module = module;
    z.Arg = arg;
    PolaireVersComplexe(z);
    return z;
}

void ComplexeVersPolaire(Complexe& z)
{
    z.Module = std::hypot(z.Re, z.Im);
    z.Arg = argument(z.Re, z.Im);
}

void PolaireVersComplexe(Complexe& z)
{
    z.Re = z.Module * std::cos(z.Arg);
    z.Im = z.Module * std::sin(z.Arg);
}

bool EstEntier(const Complexe& z, double& n)
{
    n = std::trunc(z.Re);
    return z.Im == 0 && n == z.Re;
}

// ---------------------------------------------------------------------------------------
// Operations

Complexe Oppose(const Complexe& z) { return versComplexe({-z.Re, -z.Im}); }
Complexe Conjugue(const Complexe& z) { return versComplexe({z.Re, -z.Im}); }
Complexe PartieReelle(const Complexe& z) { return versComplexe({z.Re, 0}); }
Complexe PartieImaginaire(const Complexe& z) { return versComplexe({0, z.Im}); }
Complexe ModuleC(const Complexe& z) { return versComplexe({std::hypot(z.Re, z.Im), 0}); }
Complexe ProduitReel(const Complexe& z, double k) { return versComplexe({k * z.Re, k * z.Im}); }
Complexe PartieEntiereC(const Complexe& z) { return versComplexe({std::trunc(z.Re), std::trunc(z.Im)}); }
Complexe ArrondiInferieur(const Complexe& z) { return versComplexe({std::floor(z.Re), std::floor(z.Im)}); }
Complexe ArrondiC(const Complexe& z) { return versComplexe({std::nearbyint(z.Re), std::nearbyint(z.Im)}); }
Complexe PartieFractionnaire(const Complexe& z)
{
    return versComplexe({z.Re - std::trunc(z.Re), z.Im - std::trunc(z.Im)});
}
Complexe Somme(const Complexe& u, const Complexe& w) { return versComplexe({u.Re + w.Re, u.Im + w.Im}); }
Complexe Difference(const Complexe& u, const Complexe& w) { return versComplexe({u.Re - w.Re, u.Im - w.Im}); }
Complexe Produit(const Complexe& u, const Complexe& w) { return versComplexe(mul(cart(u), cart(w))); }
Complexe Carre(const Complexe& z) { return versComplexe({(z.Re - z.Im) * (z.Re + z.Im), 2 * z.Re * z.Im}); }

Complexe Quotient(const Complexe& u, const Complexe& w)
{
    Cx r;
    if (!div(cart(u), cart(w), r))
        return echec();
    return versComplexe(r);
}

Complexe ExpC(const Complexe& z) { return versComplexe(expc(cart(z))); }

Complexe LnC(const Complexe& z)
{
    Cx r;
    if (!logc(cart(z), r))
        return echec();
    return versComplexe(r);
}

Complexe RacineC(const Complexe& z) { return versComplexe(racine(cart(z))); }

Complexe PuissanceC(const Complexe& z, const Complexe& w)
{
    Cx l;
    if (!logc(cart(z), l))
        return echec();
    return versComplexe(expc(mul(cart(w), l)));
}

Complexe SinC(const Complexe& z) { return versComplexe(sinc(cart(z))); }
Complexe CosC(const Complexe& z) { return versComplexe(cosc(cart(z))); }
Complexe ShC(const Complexe& z) { return versComplexe(shc(cart(z))); }
Complexe ChC(const Complexe& z) { return versComplexe(chc(cart(z))); }

Complexe TanC(const Complexe& z)
{
    Cx r;
    if (!tanc(cart(z), r))
        return echec();
    return versComplexe(r);
}

Complexe ThC(const Complexe& z)
{
    Cx r;
    if (!thc(cart(z), r))
        return echec();
    return versComplexe(r);
}

Complexe ArcsinC(const Complexe& z) { return versComplexe(arcsin(cart(z))); }
Complexe ArccosC(const Complexe& z) { return versComplexe(arccos(cart(z))); }
Complexe ArgshC(const Complexe& z) { return versComplexe(argsh(cart(z))); }
Complexe ArgchC(const Complexe& z) { return versComplexe(argch(cart(z))); }

Complexe ArctanC(const Complexe& z)
{
    Cx r;
    if (!arctan(cart(z), r))
        return echec();
    return versComplexe(r);
}

Complexe ArgthC(const Complexe& z)
{
    Cx r;
    if (!argth(cart(z), r))
        return echec();
    return versComplexe(r);
}

// ---------------------------------------------------------------------------------------
// Evaluation

void EvalueArbreComplexe(const Arbre& arbre, const Complexe& z, Complexe& resultat)
{
    EtatCalcul& etat = etatCalcul();
    const char* echec = nullptr;
    const Cx r = execution::execute<AlgebreComplexe>(arbre, cart(z), etat, contexteCalcul(), echec);
    if (echec) {
        SignaleEchec(etat, echec);
        resultat = Complexe{};
        return;
    }
    etat.ErreurCalcul = 0;
    resultat = versComplexe(r);
}
