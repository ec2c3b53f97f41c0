// Evaluation of a compiled formula: the flat postfix array run over a small value stack.
#include "expression/fonction.h"

#include <cmath>
#include <cstring>

// ---------------------------------------------------------------------------------------
// Evaluation

namespace {

double echec(EtatCalcul& etat)
{
    etat.ErreurCalcul = 1;
    return 0;
}

double echecMessage(EtatCalcul& etat, const char* message)
{
    etat.ErreurCalcul = 1;
    etat.MessageErreur = message;
    return 0;
}

double appelArbre(EtatCalcul& etat, const Arbre* arbre, double u)
{
    if (!arbre)
        return echecMessage(etat, "expression non calculable!");
    GardeAppel garde(etat);
    if (!garde.ok())
        return echecMessage(etat, "expression non calculable!");
    return EvalueArbre(*arbre, u);
}

}  // namespace

double EvalueArbre(const Arbre& arbre, double x)
{
    EtatCalcul& etat = etatCalcul();
    etat.ErreurCalcul = 0;
    const std::size_t n = arbre.noeuds.size();
    if (n == 0)
        return 0;
    const ContexteCalcul& ctx = contexteCalcul();

    double pileLocale[48];
    pileLocale[0] = 0;  // every tree begins with a push; this only quiets the compiler
    std::unique_ptr<double[]> pileTas;
    double* pile = pileLocale;
    if (arbre.pileMax > 48) {
        pileTas.reset(new double[arbre.pileMax]);
        pile = pileTas.get();
    }
    int sommet = 0;
    const NoeudExpr* noeud = arbre.noeuds.data();
    for (std::size_t i = 0; i < n; ++i, ++noeud) {
        double r;
        switch (noeud->Genre) {
        case NoeudConstante:
            pile[sommet++] = noeud->Valeur;
            continue;
        case NoeudVariable:
            if (noeud->Indice < 0)
                r = x;
            else if (noeud->Table == 0)
                r = ctx.ValeursParametres[noeud->Indice];
            else
                r = etat.VariablesEtat[noeud->Indice];
            pile[sommet++] = r;
            continue;
        case NoeudUnaire: {
            const double u = pile[sommet - 1];
            if (noeud->Code >= UF0 && noeud->Code <= UF9)
                r = appelArbre(etat, ctx.FonctionsAuxiliaires[noeud->Code - UF0].get(), u);
            else
                r = AppliqueUnaire(noeud->Code, u);
            if (etat.ErreurCalcul)
                return 0;
            pile[sommet - 1] = r;
            break;
        }
        case NoeudBinaire: {
            const double w = pile[--sommet];
            const double u = pile[sommet - 1];
            switch (noeud->Code) {
            case BPlus: r = u + w; break;
            case BMoins: r = u - w; break;
            case BFois: r = u * w; break;
            default:
                r = AppliqueBinaire(noeud->Code, u, w);
                if (etat.ErreurCalcul)
                    return 0;
            }
            pile[sommet - 1] = r;
            break;
        }
        case NoeudCourbe: {
            const auto& liste = ctx.fonctionsNommees;
            const Arbre* cible = static_cast<std::size_t>(noeud->Indice) < liste.size()
                                     ? liste[noeud->Indice].arbre
                                     : nullptr;
            r = appelArbre(etat, cible, pile[sommet - 1]);
            if (etat.ErreurCalcul)
                return 0;
            pile[sommet - 1] = r;
            break;
        }
        case NoeudParametrePerso: {
            const auto& liste = ctx.parametresPerso;
            if (static_cast<std::size_t>(noeud->Indice) >= liste.size() || !liste[noeud->Indice].actif)
                return echecMessage(etat, "expression non calculable!");
            const ParametrePersoCalcul& p = liste[noeud->Indice];
            if (!p.arbre)
                return echec(etat);  // a value text that does not compile: no message
            r = appelArbre(etat, p.arbre.get(), 0);
            if (etat.ErreurCalcul)
                return 0;
            pile[sommet++] = r;
            break;
        }
        default:
            return echec(etat);
        }
        // A floating-point fault (overflow, invalid operation) fails the node and leaves
        // the message as it was.
        if (!std::isfinite(r))
            return echec(etat);
    }
    return pile[0];
}
