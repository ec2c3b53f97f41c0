#include "graph/derivees/GCOperUnaire.h"

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
// Q, U

GCOperUnaire::GCOperUnaire(QChar genre, int operation, int fenetre, int numero)
    : GCY(genre, fenetre, numero), Operation(operation)
{
    ParametresOperation.fill(QStringLiteral("0"));
    if (operation == 17) {
        Nom = QStringLiteral("M") + QString::number(numero);
        Joint = false;
    } else if (operation == 42) {
        Joint = false;
    }
}

void GCOperUnaire::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* u = dynamic_cast<const GCOperUnaire*>(&source)) {
        Operation = u->Operation;
        ParametresOperation = u->ParametresOperation;
        Mere1 = u->Mere1;
        for (const PtrCourbe& fille : u->Filles)
            AjouteFille(fille);
    }
}

void GCOperUnaire::Trace(QPainter&, GCRepere&)
{
    TraceIndisponible();
}

namespace {
void lignesCoefficients(const GCOperUnaire& u, QStringList& lignes)
{
    lignes << NomOperation(u.Operation);
    for (int i = 0; i < 6; ++i)
        lignes << QStringLiteral("Coef[") + QString::number(i + 1) + QStringLiteral("]= ") +
                      u.ParametresOperation[std::size_t(i)];
}
}  // namespace

void GCOperUnaire::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    const QString& p1 = ParametresOperation[0];
    switch (Operation) {
    case 10: {
        const int modele = int(evalue(p1));
        if (modele >= 1 && modele <= 5)
            lignes << QStringLiteral("Régression polynomiale de degré ") + QString::number(modele);
        else if (modele >= 6 && modele <= 10)
            lignes << QStringLiteral("Régression trigonométrique d'ordre ") + QString::number(modele - 5);
        else if (modele == 11 || modele == 12)
            lignes << QStringLiteral("Régression exponentielle");
        else if (modele == 13)
            lignes << QStringLiteral("Régression logarithme");
        else if (modele == 14)
            lignes << QStringLiteral("Régression exponentielle saturée");
        else if (modele == 15)
            lignes << QStringLiteral("Régression logistique");
        else if (modele == 16)
            lignes << QStringLiteral("Régression de Gompertz");
        else if (modele == 17)
            lignes << QStringLiteral("Régression homographique");
        lignes << QStringLiteral("Ecart type résiduel = ") + ParametresOperation[2];
        break;
    }
    case 11: lignes << QStringLiteral("Médianes mobiles centrées d'ordre : ") + p1; break;
    case 12: lignes << QStringLiteral("Moyennes mobiles centrées d'ordre : ") + p1; break;
    case 13: lignes << QStringLiteral("Regression affine glissante d'ordre : ") + p1; break;
    default: lignesCoefficients(*this, lignes); break;
    }
}

void GCOperUnaire::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesCoefficients(*this, lignes);
    journalise(lignes);
}

QString GCOperUnaire::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Operation), Mere1}) + joint(ParametresOperation);
}
