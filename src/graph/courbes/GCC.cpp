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
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/tracepoint.h"
#include "graph/fichiers/fichiertexte.h"

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

void GCC::Trace(QPainter& peintre, GCRepere& repere)
{
    if (TypeCourbe.toUpper() == QLatin1Char('C'))
        TraceChronique(peintre, repere);
    else
        TraceIndisponible();
}

std::vector<ValeurChronique> ValeursChronique(const QStringList& lignes)
{
    std::vector<ValeurChronique> valeurs;
    for (const QString& ligne : lignes) {
        const QString texte = ligne.trimmed();
        if (texte.isEmpty())
            continue;
        ValeurChronique v;
        // A plain number reads without the parser, to the same value.
        v.y = texte.toDouble(&v.ok);
        v.ok = (v.ok && std::isfinite(v.y)) || genres::evalue(texte, v.y);
        if (!v.ok)
            v.ligne = ligne;
        valeurs.push_back(v);
    }
    return valeurs;
}

QStringList LignesChronique(const std::vector<double>& valeurs)
{
    QStringList lignes;
    lignes.reserve(qsizetype(valeurs.size()));
    for (double v : valeurs)
        lignes << QString::fromStdString(ReelExact(v));
    return lignes;
}

void GCC::TraceChronique(QPainter& peintre, GCRepere& repere)
{
    EvalueParametres();
    double debut = 0, pas = 0;
    if (!evalue(PasC, pas) || !(pas > 0)) {
        SignaleRefus(QStringLiteral("Pas=") + PasC + QStringLiteral(":") + QStringLiteral("le pas de calcul doit être >0"));
        return;
    }
    if (!evalue(Debut, debut)) {
        SignaleRefus(QStringLiteral("Début=") + Debut + QStringLiteral(" : valeur incorrecte"));
        return;
    }
    const QString chemin = FichierDonnees(*this);
    const LectureTexte lecture = chemin.isEmpty() ? LectureTexte() : LitFichierTexte(chemin);
    if (!lecture.ok) {
        SignaleRefus(chemin.isEmpty() ? QStringLiteral("Fichier introuvable : ") + Libelle1 : lecture.erreur);
        return;
    }
    const std::vector<ValeurChronique> valeurs = ValeursChronique(lecture.lignes);
    TraceurCourbe traceur(*this, peintre, repere);
    traceur.Reserve((long long)valeurs.size());
    for (std::size_t k = 0; k < valeurs.size(); ++k) {
        if (valeurs[k].ok)
            traceur.Point(double(k), debut + double(k) * pas, valeurs[k].y);
        else
            traceur.LigneErreur(QStringLiteral("chaîne rencontrée: ") + valeurs[k].ligne);
    }
    traceur.Termine();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
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
