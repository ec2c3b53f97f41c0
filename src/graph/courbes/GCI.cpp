#include "graph/courbes/GCI.h"

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
// I

GCI::GCI(QChar genre, int sousType, int fenetre, int numero) : GCY(genre, fenetre, numero)
{
    SousType = sousType;
    TextesCoefficients.fill(QStringLiteral("0"));
}

void GCI::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* i = dynamic_cast<const GCI*>(&source))
        TextesCoefficients = i->TextesCoefficients;
}

void GCI::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCI::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
}

void GCI::Journalise() const
{
    GCY::Journalise();
}

QString GCI::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint(TextesCoefficients);
}
