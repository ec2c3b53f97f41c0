#include "graph/derivees/GCOperBinaire.h"

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
// O

GCOperBinaire::GCOperBinaire(int operation, int fenetre, int numero)
    : GCY(QLatin1Char('O'), fenetre, numero), Operation(operation)
{
    switch (operation) {
    case 5: ParametresOperation = {QStringLiteral("-10"), QStringLiteral("10"), QStringLiteral("300")}; break;
    case 9: ParametresOperation = {QStringLiteral("0"), QStringLiteral("0"), QString()}; break;
    case 10: ParametresOperation = {QStringLiteral("0"), QString(), QString()}; break;
    case 11: ParametresOperation = {QStringLiteral("10"), QStringLiteral("0.0001"), QStringLiteral("1")}; break;
    case 15: ParametresOperation = {QStringLiteral("1"), QString(), QString()}; break;
    default: break;
    }
}

void GCOperBinaire::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* o = dynamic_cast<const GCOperBinaire*>(&source)) {
        Mere1 = o->Mere1;
        Mere2 = o->Mere2;
        Operation = o->Operation;
        ParametresOperation = o->ParametresOperation;
    }
}

void GCOperBinaire::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

void GCOperBinaire::Evalue(double t, double& x, double& y) const
{
    if (Operation != 5) {
        GCY::Evalue(t, x, y);
        return;
    }
    // Convolution: the integral over [p1, p2] in p3 steps, the state value Y read as t.
    const double a = evalue(ParametresOperation[0]);
    const double b = evalue(ParametresOperation[1]);
    const double pas = evalue(ParametresOperation[2]);
    x = t;
    VariablesEtat()[0] = t;
    const int n = pas >= 1 && pas < 32767 ? int(pas) : 0;
    if (n < 1) {
        ErreurAvecMessage("nombre de pas d'intégration incorrect");
        return;
    }
    y = IntegreArbreSimple(Expression1, n, a, b);
}

namespace {
void lignesGCOperBinaire(const GCOperBinaire& o, QStringList& lignes)
{
    const auto& p = o.ParametresOperation;
    switch (o.Operation) {
    case 5:
        lignes << QStringLiteral("Borne inférieure d'intégration : ") + p[0]
               << QStringLiteral("Borne supérieure d'intégration : ") + p[1]
               << QStringLiteral("Nombre de pas d'intégration : ") + p[2];
        break;
    case 9:
        lignes << QStringLiteral("Nb de valeur(s) prise(s) pour f1 : ") + p[0]
               << QStringLiteral("Nb de valeur(s) prise(s) pour f2 : ") + p[1];
        break;
    case 10: lignes << QStringLiteral("Origine temporelle : ") + p[0]; break;
    default: break;
    }
}
}  // namespace

void GCOperBinaire::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignesGCOperBinaire(*this, lignes);
}

void GCOperBinaire::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesGCOperBinaire(*this, lignes);
    journalise(lignes);
}

QString GCOperBinaire::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Operation), Mere1, Mere2}) + joint(ParametresOperation);
}
