#include "graph/courbes/GCRS.h"

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
// H, J, R, S

GCRS::GCRS(QChar genre, int fenetre, int numero) : GCY(genre, fenetre, numero) {}

void GCRS::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* r = dynamic_cast<const GCRS*>(&source)) {
        TexteBorne1 = r->TexteBorne1;
        TexteBorne2 = r->TexteBorne2;
        Borne1 = r->Borne1;
        Borne2 = r->Borne2;
    }
}

void GCRS::FixeBornes(const QString& borne1, const QString& borne2)
{
    TexteBorne1 = borne1;
    TexteBorne2 = borne2;
    VerifieBornes();
}

bool GCRS::VerifieBornes()
{
    const double v1 = EvalueTexte(TexteBorne1.toStdString());
    const bool ok1 = !ErreurCalcul() && std::isfinite(v1);
    const double v2 = EvalueTexte(TexteBorne2.toStdString());
    const bool ok2 = !ErreurCalcul() && std::isfinite(v2);
    ErreurCalcul() = 0;
    Borne1 = ok1 ? v1 : 0;
    Borne2 = ok2 ? v2 : 0;
    return ok1 && ok2;
}

void GCRS::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCRS::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

namespace {
void lignesGCRS(const GCRS& r, QStringList& lignes)
{
    if (r.TypeCourbe == QLatin1Char('H'))
        lignes << QStringLiteral("*** Conditions initiales ***") << QStringLiteral("Xo= ") + r.TexteBorne1
               << QStringLiteral("Yo= ") + r.TexteBorne2;
    else
        lignes << QStringLiteral("*** Bornes de calcul ***") << QStringLiteral("Borne inf= ") + r.TexteBorne1
               << QStringLiteral("Borne sup= ") + r.TexteBorne2;
}
}  // namespace

void GCRS::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignesGCRS(*this, lignes);
}

void GCRS::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesGCRS(*this, lignes);
    journalise(lignes);
}

QString GCRS::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({TexteBorne1, TexteBorne2});
}
