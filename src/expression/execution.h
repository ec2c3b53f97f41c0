// The one loop that runs a formula's program, for the real and the complex evaluators.
//
// An algebra A gives the value type V and the meaning of each instruction on it:
//   V reel(double), V constante(const Instruction&), bool fini(V), bool versReel(V, double&)
//   V oppose(V), sin(V), cos(V), abs(V), carre(V)
//   V exp(V, echec), ln(V, echec), racine(V, echec), puissanceN(V, n, inverse, echec)
//   V plus(V, V), moins(V, V), fois(V, V), divise(V, V, ctx, echec)
//   V unaire(code, V, ctx, echec), binaire(code, V, V, ctx, echec)
//   bool finVerifiee: whether the final value is checked too (a lone leaf)
// where echec follows CalculeUnaire's rule (left alone on success).
//
// Every operator's result is checked: a value that is not finite fails the evaluation with
// no message of its own. Leaves are not checked. Calls of auxiliary functions run in the
// same algebra; curves called by name and personal parameters are real.
#pragma once

#include <memory>

#include "expression/fonction.h"

// The real evaluation with the failure protocol of CalculeUnaire (defined with the real
// evaluator): what calls of real formulas go through.
double ExecuteReel(const Arbre& arbre, double x, EtatCalcul& etat, const ContexteCalcul& ctx, const char*& echec);

namespace execution {

constexpr const char* NonCalculable = "expression non calculable!";

// A real formula called from another one, at u.
inline double appel(const Arbre* cible, double u, EtatCalcul& etat, const ContexteCalcul& ctx, const char*& echec)
{
    if (!cible) {
        echec = NonCalculable;
        return 0;
    }
    GardeAppel garde(etat);
    if (!garde.ok()) {
        echec = NonCalculable;
        return 0;
    }
    return ExecuteReel(*cible, u, etat, ctx, echec);
}

// The instructions that call other formulas, out of the main loop so that its values stay
// in registers. Returns false on a failure (echec set).
template <class A>
typename A::V execute(const Arbre& arbre, typename A::V x, EtatCalcul& etat, const ContexteCalcul& ctx,
                      const char*& echec);

// The instructions that call other formulas or the function library, out of the main loop
// so that its values stay in registers.
template <class A>
[[gnu::noinline]] typename A::V appelle(const Instruction& k, typename A::V acc, EtatCalcul& etat,
                                        const ContexteCalcul& ctx, const char*& echec)
{
    switch (k.op) {
    case Op::Perso: {
        const auto& liste = ctx.parametresPerso;
        if (static_cast<std::size_t>(k.indice) >= liste.size() || !liste[k.indice].actif) {
            echec = NonCalculable;
            return acc;
        }
        const ParametrePersoCalcul& perso = liste[k.indice];
        if (!perso.arbre) {
            echec = SansMessage;  // a value text that does not compile
            return acc;
        }
        return A::reel(appel(perso.arbre.get(), 0, etat, ctx, echec));
    }
    case Op::Auxiliaire: {
        const Arbre* f = ctx.FonctionsAuxiliaires[k.indice].get();
        GardeAppel garde(etat);
        if (!f || !garde.ok()) {
            echec = NonCalculable;
            return acc;
        }
        return execute<A>(*f, acc, etat, ctx, echec);
    }
    case Op::Courbe: {
        double u;
        if (!A::versReel(acc, u)) {
            echec = NonCalculable;
            return acc;
        }
        const auto& liste = ctx.fonctionsNommees;
        const Arbre* cible = static_cast<std::size_t>(k.indice) < liste.size() ? liste[k.indice].arbre : nullptr;
        return A::reel(appel(cible, u, etat, ctx, echec));
    }
    case Op::Unaire: return A::unaire(k.code, acc, ctx, echec);
    default:
        echec = SansMessage;
        return acc;
    }
}

template <class A>
[[gnu::noinline]] typename A::V binaire(const Instruction& k, typename A::V u, typename A::V w,
                                        const ContexteCalcul& ctx, const char*& echec)
{
    return A::binaire(k.code, u, w, ctx, echec);
}

// The loop itself, for a program whose values fit the given stack. Each instruction jumps
// straight to the next one's code (one indirect jump per instruction, each predicted on its
// own).
template <class A>
typename A::V boucle(const Arbre& arbre, typename A::V x, EtatCalcul& etat, const ContexteCalcul& ctx,
                     const char*& echec, typename A::V* pile)
{
    using V = typename A::V;
    static const void* const adresses[] = {
        &&Fin, &&Constante, &&X, &&Parametre, &&Etat, &&Perso, &&Oppose, &&Identite, &&Sin, &&Cos, &&Exp, &&Ln,
        &&Racine, &&Abs, &&Carre, &&PuissanceN, &&Appel, &&Appel, &&Appel, &&Plus, &&Moins, &&Fois, &&Divise,
        &&Binaire, &&PlusC, &&MoinsC, &&CMoins, &&FoisC, &&DiviseC, &&CDivise, &&PlusX, &&MoinsX, &&XMoins,
        &&FoisX, &&DiviseX, &&XDivise, &&PlusP, &&MoinsP, &&PMoins, &&FoisP, &&DiviseP, &&PDivise};
    static_assert(sizeof(adresses) / sizeof(adresses[0]) == static_cast<int>(Op::PDivise) + 1);

    const char* e = nullptr;
    int sommet = 0;
    V acc = A::reel(0);
    const Instruction* p = arbre.programme.data();
    // The operand of an operator on the top: the top, or x pushed on it.
    auto operande = [&]() {
        if (!p->surX)
            return acc;
        pile[sommet++] = acc;
        return x;
    };
    // The thread's own parameter values while it runs a scan that sets them, else the shared
    // ones.
    const double* const parametres = etat.ParametresLocaux ? etat.ParametresLocaux : ctx.ValeursParametres.data();
    auto parametre = [&]() { return A::reel(parametres[p->indice]); };
    auto constante = [&]() { return A::constante(*p); };
// Next instruction; after an operator, its result checked first: a floating-point fault
// (overflow, invalid operation) fails the operator and leaves the message as it was.
#define VIRK_SUIVANT() goto* adresses[static_cast<int>((++p)->op)]
#define VIRK_VERIFIE()          \
    if (!A::fini(acc)) [[unlikely]] \
        goto faute;             \
    VIRK_SUIVANT()
#define VIRK_ECHEC()      \
    if (e) [[unlikely]]   \
        goto echoue;      \
    VIRK_VERIFIE()

    goto* adresses[static_cast<int>(p->op)];
Fin:
    if (A::finVerifiee && !A::fini(acc))
        goto faute;
    return acc;
Constante:
    pile[sommet++] = acc;
    acc = constante();
    VIRK_SUIVANT();
X:
    pile[sommet++] = acc;
    acc = x;
    VIRK_SUIVANT();
Parametre:
    pile[sommet++] = acc;
    acc = parametre();
    VIRK_SUIVANT();
Etat:
    pile[sommet++] = acc;
    acc = A::reel(etat.VariablesEtat[p->indice]);
    VIRK_SUIVANT();
Perso:
    pile[sommet++] = acc;
Appel:
    acc = appelle<A>(*p, operande(), etat, ctx, e);
    VIRK_ECHEC();
Oppose:
    acc = A::oppose(operande());
    VIRK_VERIFIE();
Identite:
    acc = operande();
    VIRK_VERIFIE();
Sin:
    acc = A::sin(operande());
    VIRK_VERIFIE();
Cos:
    acc = A::cos(operande());
    VIRK_VERIFIE();
Abs:
    acc = A::abs(operande());
    VIRK_VERIFIE();
Carre:
    acc = A::carre(operande());
    VIRK_VERIFIE();
Exp:
    acc = A::exp(operande(), e);
    VIRK_ECHEC();
Ln:
    acc = A::ln(operande(), e);
    VIRK_ECHEC();
Racine:
    acc = A::racine(operande(), e);
    VIRK_ECHEC();
PuissanceN:
    acc = A::puissanceN(operande(), p->indice, p->code != 0, e);
    VIRK_ECHEC();
Plus:
    acc = A::plus(pile[--sommet], acc);
    VIRK_VERIFIE();
Moins:
    acc = A::moins(pile[--sommet], acc);
    VIRK_VERIFIE();
Fois:
    acc = A::fois(pile[--sommet], acc);
    VIRK_VERIFIE();
Divise:
    acc = A::divise(pile[--sommet], acc, ctx, e);
    VIRK_ECHEC();
Binaire:
    acc = binaire<A>(*p, pile[--sommet], acc, ctx, e);
    VIRK_ECHEC();
PlusC:
    acc = A::plus(acc, constante());
    VIRK_VERIFIE();
MoinsC:
    acc = A::moins(acc, constante());
    VIRK_VERIFIE();
CMoins:
    acc = A::moins(constante(), acc);
    VIRK_VERIFIE();
FoisC:
    acc = A::fois(acc, constante());
    VIRK_VERIFIE();
DiviseC:
    acc = A::divise(acc, constante(), ctx, e);
    VIRK_ECHEC();
CDivise:
    acc = A::divise(constante(), acc, ctx, e);
    VIRK_ECHEC();
PlusX:
    acc = A::plus(acc, x);
    VIRK_VERIFIE();
MoinsX:
    acc = A::moins(acc, x);
    VIRK_VERIFIE();
XMoins:
    acc = A::moins(x, acc);
    VIRK_VERIFIE();
FoisX:
    acc = A::fois(acc, x);
    VIRK_VERIFIE();
DiviseX:
    acc = A::divise(acc, x, ctx, e);
    VIRK_ECHEC();
XDivise:
    acc = A::divise(x, acc, ctx, e);
    VIRK_ECHEC();
PlusP:
    acc = A::plus(acc, parametre());
    VIRK_VERIFIE();
MoinsP:
    acc = A::moins(acc, parametre());
    VIRK_VERIFIE();
PMoins:
    acc = A::moins(parametre(), acc);
    VIRK_VERIFIE();
FoisP:
    acc = A::fois(acc, parametre());
    VIRK_VERIFIE();
DiviseP:
    acc = A::divise(acc, parametre(), ctx, e);
    VIRK_ECHEC();
PDivise:
    acc = A::divise(parametre(), acc, ctx, e);
    VIRK_ECHEC();
#undef VIRK_ECHEC
#undef VIRK_VERIFIE
#undef VIRK_SUIVANT
faute:
    e = SansMessage;
echoue:
    echec = e;
    return A::reel(0);
}

template <class A>
[[gnu::noinline]] typename A::V executeProfond(const Arbre& arbre, typename A::V x, EtatCalcul& etat,
                                               const ContexteCalcul& ctx, const char*& echec)
{
    std::unique_ptr<typename A::V[]> pile(new typename A::V[arbre.pileProgramme]);
    return boucle<A>(arbre, x, etat, ctx, echec, pile.get());
}

template <class A>
typename A::V execute(const Arbre& arbre, typename A::V x, EtatCalcul& etat, const ContexteCalcul& ctx,
                      const char*& echec)
{
    constexpr int TaillePileLocale = 48;
    if (arbre.pileProgramme > TaillePileLocale) [[unlikely]]
        return executeProfond<A>(arbre, x, etat, ctx, echec);
    if (arbre.programme.empty()) [[unlikely]]
        return A::reel(0);
    typename A::V pile[TaillePileLocale];
    return boucle<A>(arbre, x, etat, ctx, echec, pile);
}

}  // namespace execution
