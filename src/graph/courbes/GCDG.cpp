#include "graph/courbes/GCDG.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/genres_outils.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// D, G

GCDG::GCDG(QChar genre, int ordre, int fenetre, int numero) : GCY(genre, fenetre, numero), Ordre(ordre) {}

void GCDG::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* d = dynamic_cast<const GCDG*>(&source)) {
        Ordre = d->Ordre;
        Mere1 = d->Mere1;
    }
}

void GCDG::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCDG::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

void GCDG::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignes << QStringLiteral("Ordre = ") + QString::number(Ordre);
}

void GCDG::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    journalise({QStringLiteral("Ordre = ") + QString::number(Ordre)});
}

QString GCDG::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Ordre), Mere1});
}
