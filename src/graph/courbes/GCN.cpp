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

void GCN::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
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
