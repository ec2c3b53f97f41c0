#include "graph/courbes/GCC.h"

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
// B, C, W: control points and chronicles

GCC::GCC(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero) {}

void GCC::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    if (const auto* c = dynamic_cast<const GCC*>(&source)) {
        Debut = c->Debut;
        PasC = c->PasC;
    }
}

void GCC::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

namespace {
void lignesGCC(const GCC& c, QStringList& lignes)
{
    lignes << QStringLiteral("Début= ") + c.Debut << QStringLiteral("Pas= ") + c.PasC;
    if (c.Batons)
        lignes << (c.TypeCourbe == QLatin1Char('C') ? QStringLiteral("Tracé en bâtons") : QStringLiteral("Coordonnées polaires"));
}
}  // namespace

void GCC::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignesGCC(*this, lignes);
}

void GCC::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    QStringList lignes;
    LignesJournal(lignes);
    lignesGCC(*this, lignes);
    journalise(lignes);
}

QString GCC::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + joint({Debut, PasC});
}

void GCC::EcritChampsTete(QString& tete) const
{
    tete += ChampTexte(Debut) + ChampTexte(PasC);
}

bool GCC::LitChampsTete(QString& tete, LecteurEnregistrement&)
{
    const QString debut = PremierChamp(tete);
    const QString pas = PremierChamp(tete);
    FixeDebutPas(debut, pas);
    return true;
}

bool GCC::LitQueue(LecteurEnregistrement&, bool)
{
    if (GenreParmi(TypeCourbe, "BW")) {
        // The control points are read through a list curve that stands in no list.
        auto points = std::make_shared<GCCourbe>(QLatin1Char('L'), NumeroFenetre, 0);
        points->Copie(*this);
        FixeMere(1, points->Identifiant);
    }
    return true;
}
