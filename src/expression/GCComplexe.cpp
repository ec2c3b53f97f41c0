#include "expression/GCComplexe.h"

#include <cmath>
#include <memory>

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

bool echoue(EtatCalcul& etat, const char* message)
{
    etat.ErreurCalcul = 1;
    if (message)
        etat.MessageErreur = message;
    return false;
}

bool evalue(const Arbre& arbre, Cx z, Cx& resultat, EtatCalcul& etat);

// A real formula called from a complex one (a curve called by name, a personal
// parameter): only at a real value.
bool appelReel(EtatCalcul& etat, const Arbre* cible, double u, Cx& r)
{
    if (!cible)
        return echoue(etat, "expression non calculable!");
    GardeAppel garde(etat);
    if (!garde.ok())
        return echoue(etat, "expression non calculable!");
    const double v = EvalueArbre(*cible, u);
    if (etat.ErreurCalcul)
        return false;
    r = {v, 0};
    return true;
}

bool unaire(EtatCalcul& etat, int code, Cx u, Cx& r)
{
    switch (code) {
    case UMoins: r = {-u.re, -u.im}; return true;
    case UPlus: r = u; return true;
    case UCONJ: r = {u.re, -u.im}; return true;
    case URE: r = {u.re, 0}; return true;
    case UIM: r = {0, u.im}; return true;
    case USIN: r = sinc(u); return true;
    case UCOS: r = cosc(u); return true;
    case UTAN:
        if (!tanc(u, r))
            return echoue(etat, "tangente d'un multiple impair de pi/2");
        return true;
    case UARCSIN: r = arcsin(u); break;
    case UARCCOS: r = arccos(u); break;
    case UARCTAN:
        if (!arctan(u, r))
            return echoue(etat, "arctan non définie");
        break;
    case USH: r = shc(u); return true;
    case UCH: r = chc(u); return true;
    case UTH:
        if (!thc(u, r))
            return echoue(etat, nullptr);
        return true;
    case UARGSH: r = argsh(u); break;
    case UARGCH: r = argch(u); break;
    case UARGTH:
        if (!argth(u, r))
            return echoue(etat, "argth non défini");
        break;
    case UABS: r = {std::hypot(u.re, u.im), 0}; return true;
    case UINT: r = {std::trunc(u.re), std::trunc(u.im)}; return true;
    case UENT: r = {std::floor(u.re), std::floor(u.im)}; return true;
    case UROUND: r = {std::nearbyint(u.re), std::nearbyint(u.im)}; return true;
    case UFRAC: r = {u.re - std::trunc(u.re), u.im - std::trunc(u.im)}; return true;
    case UCARRE: r = {(u.re - u.im) * (u.re + u.im), 2 * u.re * u.im}; return true;
    case UEXP:
        if (std::fabs(u.re) > 85)
            return echoue(etat, "exponentielle d'un nombre trop grand!");
        r = expc(u);
        return true;
    case ULN:
    case ULOG:
        if (!logc(u, r))
            return echoue(etat, "logarithme d'un complexe nul!");
        if (code == ULOG) {
            const double k = 1 / std::log(10.0);
            r = {r.re * k, r.im * k};
        }
        return true;
    case URACINE:
    case URAC:
    case USQRT: r = racine(u); return true;
    case URND: {
        const double u1 = Aleatoire();
        const double u2 = Aleatoire();
        r = {u.re * u1, u.im * u2};
        return true;
    }
    default:
        if (u.im != 0)
            return echoue(etat, "expression non calculable!");
        r = {AppliqueUnaire(code, u.re), 0};
        return etat.ErreurCalcul == 0;
    }
    // The inverse functions: a value that cannot be held is their own failure.
    if (fini(r))
        return true;
    switch (code) {
    case UARCSIN: return echoue(etat, "arcsin non défini");
    case UARCCOS: return echoue(etat, "arccos non défini");
    case UARCTAN: return echoue(etat, "arctan non définie");
    case UARGSH: return echoue(etat, "argsh non défini");
    case UARGCH: return echoue(etat, "argch non défini");
    default: return echoue(etat, "argth non défini");
    }
}

bool binaire(EtatCalcul& etat, int code, Cx u, Cx w, Cx& r)
{
    switch (code) {
    case BPlus: r = {u.re + w.re, u.im + w.im}; return true;
    case BMoins: r = {u.re - w.re, u.im - w.im}; return true;
    case BFois: r = mul(u, w); return true;
    case BDivise:
        if (!div(u, w, r))
            return echoue(etat, "division par 0 !");
        return true;
    case BPuissance:
        if (!puissance(u, w, r) || !fini(r))
            return echoue(etat, "puissance non calculable !");
        return true;
    default:
        if (u.im != 0 || w.im != 0)
            return echoue(etat, "expression non calculable!");
        r = {AppliqueBinaire(code, u.re, w.re), 0};
        return etat.ErreurCalcul == 0;
    }
}

bool evalue(const Arbre& arbre, Cx z, Cx& resultat, EtatCalcul& etat)
{
    etat.ErreurCalcul = 0;
    const std::size_t n = arbre.noeuds.size();
    if (n == 0) {
        resultat = {0, 0};
        return true;
    }
    const ContexteCalcul& ctx = contexteCalcul();

    constexpr int TaillePileLocale = 32;
    Cx pileLocale[TaillePileLocale];
    std::unique_ptr<Cx[]> pileTas;
    Cx* pile = pileLocale;
    if (arbre.pileMax > TaillePileLocale) {
        pileTas.reset(new Cx[arbre.pileMax]);
        pile = pileTas.get();
    }
    int sommet = 0;
    for (const NoeudExpr& noeud : arbre.noeuds) {
        Cx r;
        switch (noeud.Genre) {
        case NoeudConstante:
            pile[sommet++] = {noeud.Valeur, noeud.Imaginaire};
            continue;
        case NoeudVariable:
            if (noeud.Indice < 0)
                r = z;
            else if (noeud.Table == 0)
                r = {ctx.ValeursParametres[noeud.Indice], 0};
            else
                r = {etat.VariablesEtat[noeud.Indice], 0};
            pile[sommet++] = r;
            continue;
        case NoeudUnaire: {
            const Cx u = pile[sommet - 1];
            if (noeud.Code >= UF0 && noeud.Code <= UF9) {
                const Arbre* f = ctx.FonctionsAuxiliaires[noeud.Code - UF0].get();
                if (!f)
                    return echoue(etat, "expression non calculable!");
                GardeAppel garde(etat);
                if (!garde.ok())
                    return echoue(etat, "expression non calculable!");
                if (!evalue(*f, u, r, etat))
                    return false;
            } else if (!unaire(etat, noeud.Code, u, r)) {
                return false;
            }
            pile[sommet - 1] = r;
            break;
        }
        case NoeudBinaire: {
            const Cx w = pile[--sommet];
            const Cx u = pile[sommet - 1];
            if (!binaire(etat, noeud.Code, u, w, r))
                return false;
            pile[sommet - 1] = r;
            break;
        }
        case NoeudCourbe: {
            const Cx u = pile[sommet - 1];
            if (u.im != 0)
                return echoue(etat, "expression non calculable!");
            const auto& liste = ctx.fonctionsNommees;
            const Arbre* cible =
                static_cast<std::size_t>(noeud.Indice) < liste.size() ? liste[noeud.Indice].arbre : nullptr;
            if (!appelReel(etat, cible, u.re, r))
                return false;
            pile[sommet - 1] = r;
            break;
        }
        case NoeudParametrePerso: {
            const auto& liste = ctx.parametresPerso;
            if (static_cast<std::size_t>(noeud.Indice) >= liste.size() || !liste[noeud.Indice].actif)
                return echoue(etat, "expression non calculable!");
            const ParametrePersoCalcul& p = liste[noeud.Indice];
            if (!p.arbre)
                return echoue(etat, nullptr);  // a value text that does not compile: no message
            if (!appelReel(etat, p.arbre.get(), 0, r))
                return false;
            pile[sommet++] = r;
            break;
        }
        default:
            return echoue(etat, nullptr);
        }
        // A floating-point fault (overflow, invalid operation) fails the node and leaves the
        // message as it was.
        if (!fini(r))
            return echoue(etat, nullptr);
    }
    resultat = pile[0];
    if (!fini(resultat))
        return echoue(etat, nullptr);
    return true;
}

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
    Cx r;
    if (evalue(arbre, cart(z), r, etat))
        resultat = versComplexe(r);
    else
        resultat = Complexe{};
}
