#include "graph/courbes/GCE.h"

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
// E

GCE::GCE(QChar genre, int ordre, int fenetre, int numero) : GCDG(genre, ordre, fenetre, numero)
{
    TextesInitiaux.fill(QStringLiteral("0"));
}

void GCE::Copie(const GCBase& source)
{
    GCDG::Copie(source);
    if (const auto* e = dynamic_cast<const GCE*>(&source)) {
        TextesInitiaux = e->TextesInitiaux;
        ValeursInitiales = e->ValeursInitiales;
    }
}

void GCE::FixeConditionsInitiales(const std::array<QString, 11>& textes)
{
    TextesInitiaux = textes;
    for (std::size_t i = 0; i < textes.size(); ++i)
        ValeursInitiales[i] = evalue(textes[i]);
}

void GCE::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCE::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

namespace {
void lignesGCE(const GCE& e, QStringList& lignes)
{
    lignes << QStringLiteral("*** Conditions initiales ***") << QStringLiteral("Xo = ") + e.TextesInitiaux[0];
    const int n = std::clamp(e.Ordre, 0, 10);
    for (int k = 0; k < n; ++k)
        lignes << QStringLiteral("Y") + QString(k, QLatin1Char('\'')) + QStringLiteral("o = ") +
                      e.TextesInitiaux[std::size_t(k + 1)];
}
}  // namespace

void GCE::Decrit(QStringList& lignes) const
{
    GCDG::Decrit(lignes);
    lignesGCE(*this, lignes);
}

void GCE::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCDG::Journalise();
    QStringList lignes;
    lignesGCE(*this, lignes);
    journalise(lignes);
}

QString GCE::SignatureDefinition() const
{
    return GCDG::SignatureDefinition() + joint(TextesInitiaux);
}
