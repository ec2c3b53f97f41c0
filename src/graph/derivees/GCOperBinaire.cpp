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
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// Codes

QString LibelleOperationBinaire(int code, const QString& a, const QString& b)
{
    switch (code) {
    case 0: return a + QStringLiteral(" + ") + b;
    case 1: return a + QStringLiteral(" - ") + b;
    case 2: return a + QStringLiteral(" x ") + b;
    case 3: return a + QStringLiteral(" / ") + b;
    case 4: return a + QStringLiteral(" o ") + b;
    case 5: return a + QStringLiteral(" * ") + b;
    case 6: return QStringLiteral("Sup(") + a + QStringLiteral(",") + b + QStringLiteral(")");
    case 7: return QStringLiteral("Inf(") + a + QStringLiteral(",") + b + QStringLiteral(")");
    case 8: return QStringLiteral("(") + a + QStringLiteral(" , ") + b + QStringLiteral(")");
    case 9: return QStringLiteral("Fusion(") + a + QStringLiteral(",") + b + QStringLiteral(")");
    case 10: return QStringLiteral("TFDr(") + a + QStringLiteral(" + I.") + b + QStringLiteral(")");
    case 11: return a + QStringLiteral(" n ") + b;
    case 12: return QStringLiteral("DistL1(") + a + QStringLiteral(",") + b + QStringLiteral(")");
    case 13: return QStringLiteral("DistL2(") + a + QStringLiteral(",") + b + QStringLiteral(")");
    case 14: return QStringLiteral("DistLoo(") + a + QStringLiteral(",") + b + QStringLiteral(")");
    case 15: return a + QStringLiteral(" --> ") + b;
    default: return {};
    }
}

bool EntierOperation(const QString& texte, long long& valeur)
{
    double v = 0;
    if (!evalue(texte, v))
        return false;
    valeur = static_cast<long long>(std::clamp(std::nearbyint(v), -1e7, 1e7));
    return true;
}

QString RefusGenresBinaires(int code, const GCCourbe& mere1, const GCCourbe& mere2)
{
    const auto y = [](const GCCourbe& c) { return c.TypeCourbe.toUpper() == QLatin1Char('Y'); };
    if ((code == 4 || code == 5 || code == 11) && !y(mere1))
        return QStringLiteral("Type Y obligatoire pour la 1ère courbe désignée");
    if ((code == 5 || code == 11) && !y(mere2))
        return QStringLiteral("Type Y obligatoire pour la 2ème courbe désignée");
    return {};
}

QString RefusParametresBinaires(int code, const std::array<QString, 3>& p)
{
    const QString negatif = QStringLiteral("Nombre de valeurs négatif! Opération impossible.");
    long long a = 0, b = 0;
    double x = 0, y = 0;
    switch (code) {
    case 5:
        if (!EntierOperation(p[2], a) || a < 1 || a >= 32767)
            return QStringLiteral("Erreur dans le pas");
        break;
    case 9:
        // Nothing taken from either curve would never come to an end.
        if (!EntierOperation(p[0], a) || !EntierOperation(p[1], b) || a < 0 || b < 0 || a + b < 1)
            return negatif;
        break;
    case 11:
        // A precision of 0 would bisect for ever.
        if (!EntierOperation(p[0], a) || a < 1 || !evalue(p[1], x) || !evalue(p[2], y) || x <= 0 || y <= 0)
            return negatif;
        break;
    case 15:
        if (!EntierOperation(p[0], a) || a < 0)
            return negatif;
        break;
    default: break;
    }
    return {};
}

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

void GCOperBinaire::Libelle(const GCCourbe& mere1, const GCCourbe& mere2)
{
    Mere1 = mere1.Identifiant;
    Mere2 = mere2.Identifiant;
    if (Operation >= 0 && Operation < NbOperationsBinaires) {
        Libelle1 = LibelleOperationBinaire(Operation, mere1.Nom, mere2.Nom);
        Libelle2.clear();
    }
    Parametres = mere1.Parametres;
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
    long long n = 0;
    x = t;
    VariablesEtat()[0] = t;
    if (!EntierOperation(ParametresOperation[2], n) || n < 1 || n >= 32767) {
        ErreurAvecMessage("nombre de pas d'intégration incorrect");
        return;
    }
    y = IntegreArbreSimple(Expression1, int(n), a, b);
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

void GCOperBinaire::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(Operation) + ChampsTextes(ParametresOperation);
}

bool GCOperBinaire::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    if (!lu.entier(tete, Operation, QStringLiteral("code d'opération")))
        return false;
    LitChamps(tete, ParametresOperation);
    return true;
}
