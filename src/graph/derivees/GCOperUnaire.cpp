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
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// Codes

bool EstCodeBlocage(int code)
{
    return code == 51 || code == 52 || (code >= 58 && code <= 62);
}

QChar LettreOperation(int code)
{
    const bool u = (code >= 0 && code <= 9) || code == 39 || code == 41 || (code >= 47 && code <= 52) ||
                   (code >= 57 && code <= 62);
    return QLatin1Char(u ? 'U' : 'Q');
}

bool GardeSonA9(int code)
{
    return code == 17 || code == 43 || (code >= 54 && code <= 56);
}

QString RefusGenreOperation(int code, const GCCourbe& mere)
{
    const QChar genre = mere.TypeCourbe.toUpper();
    if ((genre == QLatin1Char('N') && code == 9) || (genre != QLatin1Char('Y') && code == 39) ||
        (EstCodeBlocage(code) && !QStringLiteral("PTXY").contains(genre)))
        return QStringLiteral("Type = ") + genre + QStringLiteral(": opération non définie pour ce type de courbe!");
    return {};
}

QString RefusOperation(int code, const GCCourbe& mere, const std::array<QString, 6>& p)
{
    if (QString refus = RefusGenreOperation(code, mere); !refus.isEmpty())
        return refus;
    const auto entier = [](const QString& texte, int& v) { return LitEntier(texte.trimmed(), v); };
    const auto pasEntier = [](const QString& texte) {
        return QStringLiteral("« ") + texte + QStringLiteral(" » n'est pas un nombre entier.");
    };
    int a = 0, b = 0;
    if (code == 9) {
        if (!entier(p[0], a))
            return pasEntier(p[0]);
        if (!entier(p[1], b))
            return pasEntier(p[1]);
        if (a < 0 || b < 0)
            return QStringLiteral("Nombre de valeurs négatif! Opération impossible.");
        // Nothing kept and nothing dropped would read the mother for ever.
        if (a + b < 1)
            return QStringLiteral("Nombre de valeurs nul! Opération impossible.");
    } else if (code == 39) {
        if (!entier(p[0], a))
            return pasEntier(p[0]);
        if (a < 1)
            return QStringLiteral("n doit être un entier strictement positif !");
    }
    return {};
}

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
    const auto* u = dynamic_cast<const GCOperUnaire*>(&source);
    if (!u)
        return;
    Operation = u->Operation;
    ParametresOperation = u->ParametresOperation;
    Mere1 = u->Mere1;
    if (const PtrCourbe mere = u->Mere1.isEmpty() ? nullptr : CourbeParIdentifiantPartout(u->Mere1))
        CopieMere(*mere);
    // Children of its own: two curves never write one cache.
    Filles.clear();
    for (const PtrCourbe& fille : u->Filles)
        if (fille)
            if (PtrCourbe copie = CloneCourbe(*fille, Numero, NumeroFenetre))
                AjouteFille(copie);
}

void GCOperUnaire::CopieMere(const GCCourbe& mere)
{
    Mere1 = mere.Identifiant;
    const int n = GardeSonA9(Operation) ? 9 : 10;
    for (int k = 0; k < n; ++k)
        Parametres[std::size_t(k)] = mere.Parametres[std::size_t(k)];
}

void GCOperUnaire::Evalue(double t, double& x, double& y) const
{
    if (Operation != 10) {
        GCY::Evalue(t, x, y);
        return;
    }
    x = t;
    y = EvalueArbre(Expression1, t);
}

QChar GCOperUnaire::GenreMere() const
{
    const PtrCourbe mere = Mere1.isEmpty() ? nullptr : CourbeParIdentifiantPartout(Mere1);
    return mere ? mere->TypeCourbe : QChar();
}

void GCOperUnaire::CreeFilles(const GCCourbe& mere)
{
    if (!Filles.empty())
        return;
    PtrCourbe fille;
    switch (Operation) {
    case 17: fille = CloneCourbe(mere, Numero, NumeroFenetre); break;
    case 34: fille = CreeCourbe(QLatin1Char('C'), NumeroFenetre, Numero); break;
    case 43:
    case 54: fille = CreeCourbe(QLatin1Char('Y'), NumeroFenetre, Numero); break;
    case 55:
    case 56: fille = CreeCourbe(QLatin1Char('T'), NumeroFenetre, Numero); break;
    case 51:
    case 52:
        if (PtrCourbe copie = CloneCourbe(mere, Numero, NumeroFenetre))
            AjouteFille(copie);
        return;
    default: return;
    }
    if (fille) {
        AjouteFille(fille);
        CopieAspectFille();
    }
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

void GCOperUnaire::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(Operation) + ChampsTextes(ParametresOperation) + ChampEntier(SousType);
}

bool GCOperUnaire::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    if (!lu.entier(tete, Operation, QStringLiteral("code d'opération")))
        return false;
    LitChamps(tete, ParametresOperation);
    return !Reste(tete) || lu.entier(tete, SousType, QStringLiteral("sous-type"));
}
