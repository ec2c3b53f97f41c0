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
//
// The loop runs a program by steps (Instruction::pas, see programme.h): an instruction
// alone, or a head and a tail together.
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

// The loop itself. Each step jumps straight to the next one's code (one indirect jump per
// step, each predicted on its own).
//
// Directe: an evaluation asked for by the program (EvalueArbre), not a formula called from
// another one. The loop then finds the calling thread's state and the shared context, keeps
// its stack of values on its own frame, and leaves the error flag and message itself, so
// that an evaluation costs one call. Otherwise the caller gives them, the stack holding the
// program's values, and receives the failure in echecAppel.
template <class A, bool Directe>
typename A::V boucle(const Arbre& arbre, typename A::V x, EtatCalcul* etatAppel, const ContexteCalcul* ctxAppel,
                     const char** echecAppel, typename A::V* pileAppel);

constexpr int TaillePileLocale = 48;

// What the direct loop does not take itself: an empty program, or one deeper than its stack.
template <class A>
[[gnu::noinline]] typename A::V directeHorsPile(const Arbre& arbre, typename A::V x)
{
    EtatCalcul& etat = etatCalcul();
    if (arbre.programme.empty()) {
        etat.ErreurCalcul = 0;
        return A::reel(0);
    }
    std::unique_ptr<typename A::V[]> pile(new typename A::V[arbre.pileProgramme]);
    const char* echec = nullptr;
    const typename A::V r = boucle<A, false>(arbre, x, &etat, &contexteCalcul(), &echec, pile.get());
    if (echec) {
        SignaleEchec(etat, echec);
        return A::reel(0);
    }
    etat.ErreurCalcul = 0;
    return r;
}

template <class A, bool Directe>
typename A::V boucle(const Arbre& arbre, typename A::V x, EtatCalcul* etatAppel, const ContexteCalcul* ctxAppel,
                     const char** echecAppel, typename A::V* pileAppel)
{
    using V = typename A::V;
// The steps made of a head and a tail, in the order of pas::PremiereSuite.
#define VIRK_QUEUES(T)                                                                                           \
    &&T##_PlusC, &&T##_MoinsC, &&T##_CMoins, &&T##_FoisC, &&T##_DiviseC, &&T##_CDivise, &&T##_PlusP,            \
        &&T##_MoinsP, &&T##_PMoins, &&T##_FoisP, &&T##_DiviseP, &&T##_PDivise, &&T##_Plus, &&T##_Moins, &&T##_Fois, \
        &&T##_Divise, &&T##_Oppose
    static const void* const adresses[] = {
        // One per Op.
        &&Fin, &&Constante, &&X, &&Parametre, &&Etat, &&Perso, &&Oppose, &&Identite, &&Sin, &&Cos, &&Exp, &&Ln,
        &&Racine, &&Abs, &&Carre, &&PuissanceN, &&Appel, &&Appel, &&Appel, &&Plus, &&Moins, &&Fois, &&Divise,
        &&Binaire, &&PlusC, &&MoinsC, &&CMoins, &&FoisC, &&DiviseC, &&CDivise, &&PlusX, &&MoinsX, &&XMoins,
        &&FoisX, &&DiviseX, &&XDivise, &&PlusP, &&MoinsP, &&PMoins, &&FoisP, &&DiviseP, &&PDivise,
        // On x, and the heads alone.
        &&OpposeX, &&IdentiteX, &&SinX, &&CosX, &&ExpX, &&LnX, &&RacineX, &&AbsX, &&CarreX, &&PuissanceNX, &&AppelX,
        &&Deux, &&DeuxX, &&CFoisX, &&PFoisX,
        // Heads and tails, in pas::Tete's order.
        VIRK_QUEUES(TX), VIRK_QUEUES(TDeuxX), VIRK_QUEUES(TCFoisX), VIRK_QUEUES(TPFoisX), VIRK_QUEUES(TDeux),
        VIRK_QUEUES(TFoisX)};
#undef VIRK_QUEUES
    static_assert(sizeof(adresses) / sizeof(adresses[0]) == pas::PremiereSuite + pas::NbTetes * pas::NbQueues);

    EtatCalcul& etat = Directe ? etatCalcul() : *etatAppel;
    const ContexteCalcul& ctx = Directe ? contexteCalcul() : *ctxAppel;
    V pileDirecte[Directe ? TaillePileLocale : 1];
    if constexpr (Directe) {
        if (arbre.pileProgramme > TaillePileLocale || arbre.programme.empty()) [[unlikely]]
            return directeHorsPile<A>(arbre, x);
    }
    // The values below the top: sommet is the next free place.
    V* sommet = Directe ? pileDirecte : pileAppel;

    const char* e = nullptr;
    V acc = A::reel(0);
    const Instruction* p = arbre.programme.data();
    // The thread's own parameter values while it runs a scan that sets them, else the shared
    // ones.
    const double* const parametres = etat.ParametresLocaux ? etat.ParametresLocaux : ctx.ValeursParametres.data();
    auto parametre = [&]() { return A::reel(parametres[p->indice]); };
    auto constante = [&]() { return A::constante(*p); };
// An operator's result checked: a floating-point fault (overflow, invalid operation) fails the
// evaluation and leaves the message as it was.
#define VIRK_CONTROLE()                 \
    if (!A::fini(acc)) [[unlikely]] \
        goto faute;
// An operator that failed with a message of its own.
#define VIRK_ECHEC()      \
    if (e) [[unlikely]]   \
        goto echoue;
#define VIRK_CONTROLE_ECHEC() VIRK_ECHEC() VIRK_CONTROLE()
#define VIRK_SUIVANT() goto* adresses[(++p)->pas]
// An operator that may fail, calling what is out of the loop (a failure of its own, so that e
// stays in a register).
#define VIRK_HORS_BOUCLE(appel)   \
    {                             \
        const char* f = nullptr;  \
        acc = appel;              \
        if (f) [[unlikely]] {     \
            e = f;                \
            goto echoue;          \
        }                         \
        VIRK_CONTROLE()           \
    }
// The operators on the top with a constant, a parameter or the value below: the tails of the
// steps, and instructions of their own.
#define VIRK_PlusC acc = A::plus(acc, constante()); VIRK_CONTROLE()
#define VIRK_MoinsC acc = A::moins(acc, constante()); VIRK_CONTROLE()
#define VIRK_CMoins acc = A::moins(constante(), acc); VIRK_CONTROLE()
#define VIRK_FoisC acc = A::fois(acc, constante()); VIRK_CONTROLE()
#define VIRK_DiviseC acc = A::divise(acc, constante(), ctx, e); VIRK_CONTROLE_ECHEC()
#define VIRK_CDivise acc = A::divise(constante(), acc, ctx, e); VIRK_CONTROLE_ECHEC()
#define VIRK_PlusP acc = A::plus(acc, parametre()); VIRK_CONTROLE()
#define VIRK_MoinsP acc = A::moins(acc, parametre()); VIRK_CONTROLE()
#define VIRK_PMoins acc = A::moins(parametre(), acc); VIRK_CONTROLE()
#define VIRK_FoisP acc = A::fois(acc, parametre()); VIRK_CONTROLE()
#define VIRK_DiviseP acc = A::divise(acc, parametre(), ctx, e); VIRK_CONTROLE_ECHEC()
#define VIRK_PDivise acc = A::divise(parametre(), acc, ctx, e); VIRK_CONTROLE_ECHEC()
#define VIRK_Plus acc = A::plus(*--sommet, acc); VIRK_CONTROLE()
#define VIRK_Moins acc = A::moins(*--sommet, acc); VIRK_CONTROLE()
#define VIRK_Fois acc = A::fois(*--sommet, acc); VIRK_CONTROLE()
#define VIRK_Divise acc = A::divise(*--sommet, acc, ctx, e); VIRK_CONTROLE_ECHEC()
#define VIRK_Oppose acc = A::oppose(acc); VIRK_CONTROLE()
// The heads, p left on their last instruction, and the check of their result (a leaf is not
// checked).
#define VIRK_TETE_TX *sommet++ = acc; acc = x;
#define VIRK_TETE_TDeuxX *sommet++ = acc; acc = A::puissanceN(x, 2, false, e); VIRK_ECHEC()
#define VIRK_TETE_TCFoisX *sommet++ = acc; acc = A::fois(constante(), x); ++p;
#define VIRK_TETE_TPFoisX *sommet++ = acc; acc = A::fois(parametre(), x); ++p;
#define VIRK_TETE_TDeux acc = A::puissanceN(acc, 2, false, e); VIRK_ECHEC()
#define VIRK_TETE_TFoisX acc = A::fois(acc, x);
#define VIRK_VERIFIE_TX
#define VIRK_VERIFIE_TDeuxX VIRK_CONTROLE()
#define VIRK_VERIFIE_TCFoisX VIRK_CONTROLE()
#define VIRK_VERIFIE_TPFoisX VIRK_CONTROLE()
#define VIRK_VERIFIE_TDeux VIRK_CONTROLE()
#define VIRK_VERIFIE_TFoisX VIRK_CONTROLE()
// A head then a tail. A value that is not finite stays so through a sum, a difference, a
// product or a change of sign, which fail it in turn without a message: before those, the
// head's check is left to the tail's. A division checks its divisor first, so it gets the
// head's own check.
#define VIRK_AVEC(T) VIRK_VERIFIE_##T
#define VIRK_SANS(T)
#define VIRK_SUITE(T, Q, Avant) \
    T##_##Q:                    \
    VIRK_TETE_##T Avant(T)++ p; \
    VIRK_##Q VIRK_SUIVANT();
#define VIRK_SUITES(T)                                                                                        \
    VIRK_SUITE(T, PlusC, VIRK_SANS)                                                                           \
    VIRK_SUITE(T, MoinsC, VIRK_SANS) VIRK_SUITE(T, CMoins, VIRK_SANS) VIRK_SUITE(T, FoisC, VIRK_SANS)         \
        VIRK_SUITE(T, DiviseC, VIRK_AVEC) VIRK_SUITE(T, CDivise, VIRK_AVEC) VIRK_SUITE(T, PlusP, VIRK_SANS)   \
            VIRK_SUITE(T, MoinsP, VIRK_SANS) VIRK_SUITE(T, PMoins, VIRK_SANS) VIRK_SUITE(T, FoisP, VIRK_SANS) \
                VIRK_SUITE(T, DiviseP, VIRK_AVEC) VIRK_SUITE(T, PDivise, VIRK_AVEC)                           \
                    VIRK_SUITE(T, Plus, VIRK_SANS) VIRK_SUITE(T, Moins, VIRK_SANS)                            \
                        VIRK_SUITE(T, Fois, VIRK_SANS) VIRK_SUITE(T, Divise, VIRK_AVEC)                       \
                            VIRK_SUITE(T, Oppose, VIRK_SANS)
// An operator on the top, alone and on x.
#define VIRK_UNAIRE(Nom, Calcul, Controle) \
    Nom : {                                \
        const V u = acc;                   \
        acc = Calcul;                      \
        Controle                           \
        VIRK_SUIVANT();                    \
    }                                      \
    Nom##X : {                             \
        *sommet++ = acc;                   \
        const V u = x;                     \
        acc = Calcul;                      \
        Controle                           \
        VIRK_SUIVANT();                    \
    }

    goto* adresses[p->pas];
Fin:
    if (A::finVerifiee && !A::fini(acc))
        goto faute;
    if constexpr (Directe)
        etat.ErreurCalcul = 0;
    return acc;
Constante:
    *sommet++ = acc;
    acc = constante();
    VIRK_SUIVANT();
X:
    *sommet++ = acc;
    acc = x;
    VIRK_SUIVANT();
Parametre:
    *sommet++ = acc;
    acc = parametre();
    VIRK_SUIVANT();
Etat:
    *sommet++ = acc;
    acc = A::reel(etat.VariablesEtat[p->indice]);
    VIRK_SUIVANT();
Perso:
    *sommet++ = acc;
Appel:
    VIRK_HORS_BOUCLE(appelle<A>(*p, acc, etat, ctx, f))
    VIRK_SUIVANT();
AppelX:
    *sommet++ = acc;
    VIRK_HORS_BOUCLE(appelle<A>(*p, x, etat, ctx, f))
    VIRK_SUIVANT();
    VIRK_UNAIRE(Oppose, A::oppose(u), VIRK_CONTROLE())
    VIRK_UNAIRE(Identite, u, VIRK_CONTROLE())
    VIRK_UNAIRE(Sin, A::sin(u), VIRK_CONTROLE())
    VIRK_UNAIRE(Cos, A::cos(u), VIRK_CONTROLE())
    VIRK_UNAIRE(Abs, A::abs(u), VIRK_CONTROLE())
    VIRK_UNAIRE(Carre, A::carre(u), VIRK_CONTROLE())
    VIRK_UNAIRE(Exp, A::exp(u, e), VIRK_CONTROLE_ECHEC())
    VIRK_UNAIRE(Ln, A::ln(u, e), VIRK_CONTROLE_ECHEC())
    VIRK_UNAIRE(Racine, A::racine(u, e), VIRK_CONTROLE_ECHEC())
    VIRK_UNAIRE(PuissanceN, A::puissanceN(u, p->indice, p->code != 0, e), VIRK_CONTROLE_ECHEC())
    VIRK_UNAIRE(Deux, A::puissanceN(u, 2, false, e), VIRK_CONTROLE_ECHEC())
CFoisX:
    VIRK_TETE_TCFoisX VIRK_VERIFIE_TCFoisX VIRK_SUIVANT();
PFoisX:
    VIRK_TETE_TPFoisX VIRK_VERIFIE_TPFoisX VIRK_SUIVANT();
FoisX:
    VIRK_TETE_TFoisX VIRK_VERIFIE_TFoisX VIRK_SUIVANT();
Plus:
    VIRK_Plus VIRK_SUIVANT();
Moins:
    VIRK_Moins VIRK_SUIVANT();
Fois:
    VIRK_Fois VIRK_SUIVANT();
Divise:
    VIRK_Divise VIRK_SUIVANT();
Binaire:
    --sommet;
    VIRK_HORS_BOUCLE(binaire<A>(*p, *sommet, acc, ctx, f))
    VIRK_SUIVANT();
PlusC:
    VIRK_PlusC VIRK_SUIVANT();
MoinsC:
    VIRK_MoinsC VIRK_SUIVANT();
CMoins:
    VIRK_CMoins VIRK_SUIVANT();
FoisC:
    VIRK_FoisC VIRK_SUIVANT();
DiviseC:
    VIRK_DiviseC VIRK_SUIVANT();
CDivise:
    VIRK_CDivise VIRK_SUIVANT();
PlusP:
    VIRK_PlusP VIRK_SUIVANT();
MoinsP:
    VIRK_MoinsP VIRK_SUIVANT();
PMoins:
    VIRK_PMoins VIRK_SUIVANT();
FoisP:
    VIRK_FoisP VIRK_SUIVANT();
DiviseP:
    VIRK_DiviseP VIRK_SUIVANT();
PDivise:
    VIRK_PDivise VIRK_SUIVANT();
PlusX:
    acc = A::plus(acc, x);
    VIRK_CONTROLE()
    VIRK_SUIVANT();
MoinsX:
    acc = A::moins(acc, x);
    VIRK_CONTROLE()
    VIRK_SUIVANT();
XMoins:
    acc = A::moins(x, acc);
    VIRK_CONTROLE()
    VIRK_SUIVANT();
DiviseX:
    acc = A::divise(acc, x, ctx, e);
    VIRK_CONTROLE_ECHEC()
    VIRK_SUIVANT();
XDivise:
    acc = A::divise(x, acc, ctx, e);
    VIRK_CONTROLE_ECHEC()
    VIRK_SUIVANT();
    VIRK_SUITES(TX)
    VIRK_SUITES(TDeuxX)
    VIRK_SUITES(TCFoisX)
    VIRK_SUITES(TPFoisX)
    VIRK_SUITES(TDeux)
    VIRK_SUITES(TFoisX)
#undef VIRK_UNAIRE
#undef VIRK_SUITES
#undef VIRK_SUITE
#undef VIRK_SANS
#undef VIRK_AVEC
#undef VIRK_VERIFIE_TX
#undef VIRK_VERIFIE_TDeuxX
#undef VIRK_VERIFIE_TCFoisX
#undef VIRK_VERIFIE_TPFoisX
#undef VIRK_VERIFIE_TDeux
#undef VIRK_VERIFIE_TFoisX
#undef VIRK_TETE_TX
#undef VIRK_TETE_TDeuxX
#undef VIRK_TETE_TCFoisX
#undef VIRK_TETE_TPFoisX
#undef VIRK_TETE_TDeux
#undef VIRK_TETE_TFoisX
#undef VIRK_Oppose
#undef VIRK_Divise
#undef VIRK_Fois
#undef VIRK_Moins
#undef VIRK_Plus
#undef VIRK_PDivise
#undef VIRK_DiviseP
#undef VIRK_FoisP
#undef VIRK_PMoins
#undef VIRK_MoinsP
#undef VIRK_PlusP
#undef VIRK_CDivise
#undef VIRK_DiviseC
#undef VIRK_FoisC
#undef VIRK_CMoins
#undef VIRK_MoinsC
#undef VIRK_PlusC
#undef VIRK_HORS_BOUCLE
#undef VIRK_SUIVANT
#undef VIRK_CONTROLE_ECHEC
#undef VIRK_ECHEC
#undef VIRK_CONTROLE
faute:
    e = SansMessage;
echoue:
    if constexpr (Directe)
        SignaleEchec(etat, e);
    else
        *echecAppel = e;
    return A::reel(0);
}

template <class A>
[[gnu::noinline]] typename A::V executeProfond(const Arbre& arbre, typename A::V x, EtatCalcul& etat,
                                               const ContexteCalcul& ctx, const char*& echec)
{
    std::unique_ptr<typename A::V[]> pile(new typename A::V[arbre.pileProgramme]);
    return boucle<A, false>(arbre, x, &etat, &ctx, &echec, pile.get());
}

template <class A>
[[gnu::always_inline]] inline typename A::V execute(const Arbre& arbre, typename A::V x, EtatCalcul& etat,
                                                    const ContexteCalcul& ctx, const char*& echec)
{
    if (arbre.pileProgramme > TaillePileLocale) [[unlikely]]
        return executeProfond<A>(arbre, x, etat, ctx, echec);
    if (arbre.programme.empty()) [[unlikely]]
        return A::reel(0);
    typename A::V pile[TaillePileLocale];
    return boucle<A, false>(arbre, x, &etat, &ctx, &echec, pile);
}

// The value of a formula asked for by the program: the error flag and message left as the
// evaluation ends.
template <class A>
inline typename A::V evalue(const Arbre& arbre, typename A::V x)
{
    return boucle<A, true>(arbre, x, nullptr, nullptr, nullptr, nullptr);
}

}  // namespace execution
