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
