// The graph window: the operations on one curve and the transformations of the Actions
// menu, the personal transformations replayed from the frame's menu and the particular
// points of a curve. Each designates its mother curves (and plates), asks the operation's
// parameters, and makes one derived curve per mother in the destination window.
#include <QAction>
#include <QFileInfo>

#include "dialogs/AvertRep.h"
#include "dialogs/coeffPP.h"
#include "dialogs/saiscoef.h"
#include "graph/aires/GCAire.h"
#include "graph/aires/GCTrAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/routines.h"
#include "graph/derivees/transformations.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

const QString LettresOperations = QStringLiteral("ABCDEGHIJLNOPQRSTUWXY");

// "Commande non disponible" for the codes whose computation this version does not have
// (the transformations of the plane apply to regions all the same).
bool Disponible(int code, bool regions = false)
{
    if (RoutineDuCode(code) || (regions && EstTransformationPlane(code)))
        return true;
    interlocuteur().message(MessageNonDisponible());
    return false;
}

// The bounds of a new curve derived from that mother: a start and a step for the curves of
// a point file, the visible ranks of a sequence, the mother's own bounds otherwise (and its
// arrows); code 38 its own p range.
void BornesDeLaMere(GCOperUnaire& d, const GCCourbe& mere, const std::array<QString, 6>& p)
{
    const QChar l = mere.TypeCourbe.toUpper();
    if (const auto* c = dynamic_cast<const GCC*>(&mere)) {
        QString debut, pas;
        c->DebutPas(debut, pas);
        d.FixeBornes(debut, debut, pas);
    } else if (l == QLatin1Char('L')) {
        d.FixeBornes(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.1"));
    } else if (const auto* n = dynamic_cast<const GCN*>(&mere)) {
        d.FixeBornes(n->DebutVisible, n->FinVisible, QStringLiteral("1"));
    } else if (const auto* y = dynamic_cast<const GCY*>(&mere)) {
        d.FixeBornes(y->Xinf, y->Xsup, y->Pas);
        d.Fleches = y->Fleches;
    }
    if (d.Operation == 38)
        d.FixeBornes(p[0], p[1], p[2]);
}

// A period of a hold that can be used: a value above 0.
bool PeriodeValide(const QString& texte)
{
    double v = 0;
    return genres::evalue(texte, v) && v > 0;
}

// The refusal of a personal transformation: those whose curve needs a child or a kind of
// its own are made by their own commands only.
bool RejoueImpossible(int code)
{
    return code < 0 || code >= NbCodesOperation || code == 17 || code == 34 || code == 41 || code == 42 ||
           code == 43 || (code >= 54 && code <= 56);
}

}  // namespace

void TForm1::OperUnaireClick(QAction* emetteur)
{
    const int code = emetteur ? emetteur->data().toInt() : 0;
    if (Disponible(code, true))
        OperUnaire(code);
}

void TForm1::AvertRepereOperUnaire(QAction* emetteur)
{
    const int code = emetteur ? emetteur->data().toInt() : 0;
    if (!Disponible(code, true))
        return;
    if (!repere_->EstNorme()) {
        const int choix = AvertitRepereNonNorme(this);
        if (choix == 0)
            return;
        if (choix == TRepAvert::RepereOrthonorme) {
            repere_->SetNorme(true);
            paintBox_->repaint();
        }
    }
    OperUnaire(code);
}

bool TForm1::OperUnaire(int code, int transfoPerso)
{
    Designation& d = designation();
    // A personal transformation applies to curves only (plates are not offered, regions are
    // passed over).
    const QString lettres = transfoPerso < 0 ? LettresOperations : LettresOperations.mid(1);
    if (!DesignerCourbes(*this, QString(), QStringLiteral("Désigner les courbes et/ou les régions"), lettres, true,
                         true))
        return false;
    struct Vide {
        ~Vide() { designation().PressePapierCourbes.clear(); }
    } vide;
    TForm1* destination = d.FenetreDestination ? d.FenetreDestination.data() : this;
    TForm1* source = d.FenetreSource ? d.FenetreSource.data() : this;
    const bool rejoue = transfoPerso >= 0;

    std::array<QString, 6> p;
    p.fill(QStringLiteral("0"));
    QString prefixe, resume;
    if (rejoue) {
        const QStringList& liste = etatGraphe().ListeAuxiliaire;
        for (int k = 0; k < 6; ++k)
            p[std::size_t(k)] = liste.value(transfoPerso + 1 + k);
        prefixe = liste.value(transfoPerso) + QStringLiteral(" de ");
    } else {
        if (code == 41)
            p[5].clear();
        if (!SaisieParamOper(code, prefixe, resume, p, this)) {
            interlocuteur().message(QStringLiteral("Opération annulée !"));
            return false;
        }
    }

    bool fait = false, arrete = false;
    std::vector<PtrCourbe> courbes = d.PressePapierCourbes;
    if (!courbes.empty() && !RoutineDuCode(code)) {
        interlocuteur().message(MessageNonDisponible());
        courbes.clear();
    }
    for (const PtrCourbe& designee : courbes) {
        CourbeCourante() = designee;
        PtrCourbe mere = designee;
        std::shared_ptr<GCCourbe> plaque;
        if (designee->TypeCourbe.toUpper() == QLatin1Char('A')) {
            // A plate: the derived curve is made from the plate's mother, and a copy of the
            // plate is laid on it.
            mere = source->Dessin().CourbeParIdentifiant(designee->Mere1);
            if (!mere) {
                interlocuteur().message(QStringLiteral("Tranformation impossible !"));
                arrete = true;
                break;
            }
        }
        QString refus = RefusOperation(code, *mere, p);
        if (refus.isEmpty() && rejoue && (RejoueImpossible(code) || (EstCodeBlocage(code) && !PeriodeValide(p[0]))))
            refus = QStringLiteral("Type = ") + mere->TypeCourbe.toUpper() +
                    QStringLiteral(": opération non définie pour ce type de courbe!");
        if (!refus.isEmpty()) {
            interlocuteur().message(refus);
            arrete = true;
            break;
        }
        if (mere != designee)
            plaque = CloneCourbe(*designee, nouveauNumero(), destination->numero());
        auto nouvelle = std::make_shared<GCOperUnaire>(rejoue ? QLatin1Char('Q') : LettreOperation(code), code,
                                                       destination->numero(), nouveauNumero());
        nouvelle->NouvelIdentifiant();
        if (rejoue)
            nouvelle->FixeMere(1, mere->Identifiant);
        else
            nouvelle->CopieMere(*mere);
        BornesDeLaMere(*nouvelle, *mere, p);
        bool batons = false, joint = true;
        mere->ModeTrace(batons, joint);
        nouvelle->FixeModeTrace(!rejoue && mere->TypeCourbe.toUpper() == QLatin1Char('L') ? false : batons, joint);
        nouvelle->FixeParametres(p);
        nouvelle->GCCourbe::FixeLibelles(prefixe + mere->Nom, rejoue ? QString() : resume);
        nouvelle->Couleur = mere->Couleur;
        nouvelle->Epaisseur = mere->Epaisseur;
        if (!rejoue)
            nouvelle->Marqueur.CopiePoint(mere->Marqueur);
        // A hold without a usable period is given one in its own dialog before it is added.
        if (EstCodeBlocage(code) && !PeriodeValide(p[0])) {
            nouvelle->ValeursImposees = true;
            if (!nouvelle->Modifie(false) ||
                !(PeriodeValide(nouvelle->ParametresOperation[0]) ||
                  (nouvelle->ValeursImposees && !FichierValeursImposees(*nouvelle).isEmpty()))) {
                interlocuteur().message(QStringLiteral("Opération annulée !"));
                arrete = true;
                break;
            }
        }
        destination->Dessin().AjouteCourbe(nouvelle);
        nouvelle->Journalise();
        if (plaque) {
            plaque->FixeMere(1, nouvelle->Identifiant);
            destination->Dessin().AjouteCourbe(plaque);
            plaque->Journalise();
        }
        fait = true;
    }
    // Regions: only the transformations of the plane apply to them; each image is computed
    // from its mother's pixels by the next paint of the destination window.
    if (!arrete && !rejoue && !d.AiresDesignees.empty()) {
        if (!EstTransformationPlane(code)) {
            interlocuteur().message(QStringLiteral("Opération non définie sur les régions"));
        } else {
            for (const std::shared_ptr<GCAire>& aire : std::vector<std::shared_ptr<GCAire>>(d.AiresDesignees)) {
                const QChar genre = aire->Genre().toUpper();
                if (genre == QLatin1Char('P')) {
                    interlocuteur().message(QStringLiteral("Opération impossible !"));
                    break;
                }
                const int n = nouveauNumero();
                auto image = std::make_shared<GCTrAire>(
                    QLatin1Char(genre == QLatin1Char('A') || genre == QLatin1Char('T') ? 'T' : 'P'), code,
                    destination->numero(), n);
                image->FixeEmpreinte(NouvelleEmpreinte(n));
                image->FixeNom(QStringLiteral("a") + QString::number(n));
                image->FixeMere(*aire);
                image->CopieAspect(*aire);
                image->FixeCoefficients(p);
                destination->Aires().Ajoute(image);
                image->DecritRapport();
                fait = true;
            }
            destination->FixeModeFond(2);
            destination->AiresARecalculer = true;
        }
    }
    if (fait)
        destination->PaintBox()->update();
    return fait;
}

void TForm1::TransfoPersoDesignee(int k, QAction* article)
{
    if (article)
        JournalMenu(article, QStringLiteral("    "));
    const QStringList& liste = etatGraphe().ListeAuxiliaire;
    int code = -1;
    if (k < 0 || k + 7 >= liste.size() || !LitEntier(liste.at(k + 7).trimmed(), code) || !Disponible(code))
        return;
    OperUnaire(code, k);
}

void TForm1::Pointsparticuliers1Click(QAction*)
{
    if (!Disponible(42))
        return;
    if (!DesignerCourbes(*this, QString(), QStringLiteral("Désigner les courbes"),
                         QStringLiteral("BCDEGHIJLNOPQRSTUWXY"), false, false))
        return;
    Designation& d = designation();
    std::array<QString, 6> p;
    p.fill(QStringLiteral("0"));
    p[0] = QStringLiteral("1");
    int genre = 1;
    QString prefixe;
    if (SaisiePointsParticuliers(genre, prefixe, p[0], this)) {
        for (const PtrCourbe& mere : std::vector<PtrCourbe>(d.PressePapierCourbes)) {
            auto c = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 42, numero_, nouveauNumero());
            c->NouvelIdentifiant();
            c->CopieMere(*mere);
            BornesDeLaMere(*c, *mere, p);
            // A sequence of sub-kind 0 is drawn over the bounds of its function.
            if (const auto* n = dynamic_cast<const GCN*>(mere.get()); n && n->SousType == 0 && !n->Filles.empty())
                if (const auto* f = dynamic_cast<const GCY*>(n->Filles.front().get()))
                    c->FixeBornes(f->Xinf, f->Xsup, f->Pas);
            bool batons = false, joint = true;
            mere->ModeTrace(batons, joint);
            c->FixeModeTrace(batons, false);
            c->FixeSousType(genre);
            c->FixeParametres(p);
            c->GCCourbe::FixeLibelles(prefixe + mere->Nom, genre == 3 ? QStringLiteral("N = ") + p[0] : QString());
            c->Couleur = mere->Couleur;
            c->Epaisseur = mere->Epaisseur;
            c->Marqueur.TypePoint = 3;
            c->Marqueur.Epaisseur = 4;
            c->Marqueur.Angle = 0;
            c->Marqueur.Couleur = mere->Couleur;
            c->Marqueur.Rempli = true;
            dessin_->AjouteCourbe(c);
            c->Journalise();
        }
        paintBox_->update();
    }
    d.PressePapierCourbes.clear();
}
