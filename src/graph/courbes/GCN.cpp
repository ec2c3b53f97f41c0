#include "graph/courbes/GCN.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/tracepoint.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// N: sequences

GCN::GCN(QChar genre, int fenetre, int numero, int sousType) : GCRelNum(genre, fenetre, numero)
{
    SousType = sousType;
    Joint = sousType != 4;
    Batons = sousType == 3;
}

void GCN::Copie(const GCBase& source)
{
    GCRelNum::Copie(source);
    if (const auto* n = dynamic_cast<const GCN*>(&source)) {
        Iterations = n->Iterations;
        Xo = n->Xo;
        Yo = n->Yo;
        TexteXo = n->TexteXo;
        TexteYo = n->TexteYo;
        DebutVisible = n->DebutVisible;
        FinVisible = n->FinVisible;
    }
}

void GCN::FixeConditions(const QString& iterations, const QString& xo, const QString& yo)
{
    Iterations = iterations;
    TexteXo = xo;
    TexteYo = yo;
    Xo = evalue(xo);
    Yo = evalue(yo);
}

void GCN::Conditions(QString& iterations, QString& xo, QString& yo) const
{
    iterations = Iterations;
    xo = TexteXo;
    yo = TexteYo;
}

namespace {

// An integer field of a sequence (visible iterations): its value rounded, within 0..10^7;
// 0 when it does not evaluate.
long long entier(const QString& texte)
{
    return static_cast<long long>(std::nearbyint(std::clamp(evalue(texte), 0.0, 1e7)));
}

}  // namespace

void GCN::Trace(QPainter& peintre, GCRepere& repere)
{
    // Sub-kind 0 keeps the bounds of a child curve and draws nothing itself.
    if (SousType < 1 || SousType > 6)
        return;
    EvalueParametres();
    if (!FixeLibelles(Libelle1, Libelle2)) {
        SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    const int st = SousType;
    const long long premier = entier(DebutVisible), dernier = entier(FinVisible);
    double A = evalue(TexteXo), B = evalue(TexteYo);
    double* etat = VariablesEtat();
    TraceurCourbe traceur(*this, peintre, repere);
    if (EtiquetteDessinee())
        traceur.DesactiveLots();
    traceur.FixeStylo(StyloLeve);
    // Term k drawn with (a, b): (a, b), or (k, a) for the sequence Xn, (k, b) for Yn.
    const auto dessine = [&](long long k, double a, double b) {
        const double x = st >= 5 ? double(k) : a, y = st == 5 ? a : b;
        PointEtiquete(traceur, peintre, repere, double(k), x, y);
    };
    const auto calcule = [&](const Arbre& arbre, double x, double& v) {
        ErreurCalcul() = 0;
        v = EvalueArbre(arbre, x);
        return !ErreurCalcul() && std::isfinite(v);
    };

    bool ok = true;
    if (st <= 2) {
        A = std::trunc(A);
        if (st == 1) {
            etat[1] = A;
            ok = calcule(Expression2, A, B);
        }
        if (!ok)
            traceur.Echec(A, QString::fromStdString(MessageErreur()));
        else if (A >= double(premier))
            dessine(premier, A, B);
    } else if (st <= 4 || premier <= 0) {
        // The systems' sequences Xn and Yn start at rank 0, like the others; the points and
        // the staircase at the first visible rank.
        dessine(st >= 5 ? 0 : premier, A, B);
    }
    for (long long k = 1; k <= dernier; ++k) {
        double a = 0, b = 0;
        if (st <= 2) {
            a = A + 1;
            etat[1] = a;
            ok = calcule(Expression2, B, b);
        } else {
            etat[0] = B;
            etat[1] = double(k);
            ok = calcule(Expression1, A, a) && calcule(Expression2, A, b);
        }
        if (!ok) {
            // A failed term breaks the line; the recurrences cannot go on from it.
            traceur.Echec(double(k), QString::fromStdString(MessageErreur()));
            if (st >= 2)
                break;
        } else if (k >= premier) {
            dessine(k, a, b);
        } else {
            // Terms before the first visible one draw nothing, and may be many.
            traceur.Suit();
        }
        A = a;
        B = b;
    }
    ErreurCalcul() = 0;
    traceur.Termine();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

namespace {
void lignesGCN(const GCN& n, QStringList& lignes)
{
    lignes << QStringLiteral("*** Conditions initiales ***")
           << QStringLiteral("Xo = ") + n.TexteXo + QStringLiteral(" ; Yo = ") + n.TexteYo
           << QStringLiteral("Nombre d'itérations : ") + n.Iterations
           << QStringLiteral("Début des itérations visibles : ") + n.DebutVisible
           << QStringLiteral("Fin des itérations visibles : ") + n.FinVisible;
}
}  // namespace

void GCN::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignesGCN(*this, lignes);
}

void GCN::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    QStringList lignes;
    LignesJournal(lignes);
    lignesGCN(*this, lignes);
    journalise(lignes);
}

QString GCN::SignatureDefinition() const
{
    return GCRelNum::SignatureDefinition() + joint({Iterations, TexteXo, TexteYo, DebutVisible, FinVisible});
}

void GCN::EcritChampsTete(QString& tete) const
{
    tete += ChampTexte(Iterations) + ChampTexte(TexteXo) + ChampTexte(TexteYo) + ChampEntier(SousType);
    if (SousType != 0) {
        tete += ChampTexte(DebutVisible) + ChampTexte(FinVisible);
    } else {
        const GCY* fille = Filles.empty() ? nullptr : dynamic_cast<const GCY*>(Filles.front().get());
        tete += fille ? ChampTexte(fille->Xinf) + ChampTexte(fille->Xsup) + ChampTexte(fille->Pas) : BornesParDefaut;
    }
}

bool GCN::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    const QString iterations = PremierChamp(tete);
    const QString xo = PremierChamp(tete);
    const QString yo = PremierChamp(tete);
    if (!lu.entier(tete, SousType, QStringLiteral("sous-type")))
        return false;
    FixeConditions(iterations, xo, yo);
    if (Reste(tete)) {
        const QString a = PremierChamp(tete);
        const QString b = PremierChamp(tete);
        if (SousType == 0) {
            auto fille = std::make_shared<GCY>(QLatin1Char('Y'), NumeroFenetre, Numero);
            const QString pas = Reste(tete) ? PremierChamp(tete) : fille->Pas;
            fille->FixeBornes(a, b, pas);
            AjouteFille(fille);
        } else {
            FixeIterationsVisibles(a, b);
        }
    }
    return true;
}

void GCN::EcritQueue(QStringList& lignes) const
{
    if (SousType == 0)
        EcritMeres(lignes, 1);
}

bool GCN::LitQueue(LecteurEnregistrement& lu, bool)
{
    return SousType != 0 || LitMeres(lu, 1);
}
