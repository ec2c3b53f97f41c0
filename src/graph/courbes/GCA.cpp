#include "graph/courbes/GCA.h"

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
// A: polygonal plates

GCA::GCA(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero)
{
    NouvelIdentifiant();
}

void GCA::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    if (const auto* a = dynamic_cast<const GCA*>(&source)) {
        Mere1 = a->Mere1;
        Mesure = a->Mesure;
        StyleRemplissage = a->StyleRemplissage;
        ModeCopie = a->ModeCopie;
        FichierPoints = a->FichierPoints;
    }
}

void GCA::FixeModeCopie(int mode)
{
    ModeCopie = ModeCopieLu(mode);
}

void GCA::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCA::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignes << QStringLiteral("*** ***") << QStringLiteral("Mesure= ") + QString::fromStdString(ReelVersTexte(Mesure));
}

void GCA::Journalise() const
{
    GCCourbe::Journalise();
}

QString GCA::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + joint({Mere1, QString::number(StyleRemplissage), QString::number(ModeCopie)});
}

void GCA::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(SousType);
}

bool GCA::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    return lu.entier(tete, SousType, QStringLiteral("sous-type"));
}

void GCA::EcritChampsStyle(QString& style) const
{
    style += ChampEntier(StyleRemplissage) + ChampEntier(ModeCopie);
}

bool GCA::LitChampsStyle(QString& style, LecteurEnregistrement& lu)
{
    int remplissage = 0, mode = 0;
    if (!lu.entier(style, remplissage, QStringLiteral("style de remplissage")) ||
        !lu.entier(style, mode, QStringLiteral("mode de copie")))
        return false;
    FixeStyleRemplissage(remplissage);
    FixeModeCopie(mode);
    return true;
}

void GCListPlaq::Trace(QPainter& peintre, GCRepere& repere)
{
    for (const auto& plaque : Plaques)
        if (plaque)
            plaque->Trace(peintre, repere);
}
