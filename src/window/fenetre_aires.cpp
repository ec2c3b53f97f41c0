// The Aires menu of the graph window: inequation areas defined, modified and deleted, the
// polygonal plates made on designated curves, modified and deleted, the area report, and the
// area pop-up menu.
#include <QAction>
#include <QWidget>

#include "dialogs/editform.h"
#include "dialogs/gestambi.h"
#include "dialogs/saisPlq.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/GCDessin.h"
#include "graph/aires/GCAire.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_courbes.h"
#include "window/fenetre_interne.h"

namespace {

const QString LettresAires = QStringLiteral("AJMPT");

// The window's areas are computed and composed again at its next paint.
void Recompose(TForm1* fenetre)
{
    if (!fenetre)
        return;
    fenetre->AiresARecalculer = true;
    if (QWidget* boite = fenetre->PaintBox())
        boite->update();
}

}  // namespace

void TForm1::Dfinir2Click(QAction*)
{
    CibleFenetre cible(*this);
    DefinitAires(cible);
}

void TForm1::Modifier3Click(QAction* emetteur)
{
    const bool inequations = emetteur && emetteur->objectName() == QLatin1String("Modifierinequations1");
    const auto choix = [this](const QString& titre, const QStringList& items) {
        return ChoisitDansListe(titre, items, this);
    };
    const std::shared_ptr<GCAire> aire = aires_->Choisit(inequations ? QStringLiteral("A") : LettresAires, choix);
    if (!aire || !aire->Modifie(false))
        return;
    aire->DecritRapport();
    // Every window that shows the area, or an area transformed from it, computes again.
    for (TForm1* f : FenetresOuvertes())
        for (const auto& a : f->Aires().Aires)
            if (a == aire || a->NomMere() == aire->Empreinte()) {
                Recompose(f);
                break;
            }
    Recompose(this);
}

void TForm1::Supprimer3Click(QAction*)
{
    // Areas only: no curve letter is admitted.
    if (!DesignerCourbes(*this, QStringLiteral("Aires à supprimer?"), QStringLiteral("Supprimer des aires"), QString(),
                         true, false))
        return;
    Designation& d = designation();
    if (d.AiresDesignees.empty())
        return;
    CurseurAttente attente;
    for (const QString& entree : std::as_const(d.ListeChoix)) {
        TForm1* f = nullptr;
        int numero = -1;
        QChar lettre;
        DecodeDesignation(entree, f, numero, &lettre);
        if (!f || lettre != QLatin1Char('A'))
            continue;
        const int restantes = f->Aires().Supprime(numero);
        f->FixeModeFond(restantes > 0 ? 2 : !f->FichierImage.isEmpty() ? 1 : 0);
    }
    for (const QPointer<TForm1>& f : std::as_const(d.FenetresDesignees))
        Recompose(f);
    // Nothing keeps naming the deleted areas.
    d.AiresDesignees.clear();
    d.RegionsDesignees = false;
}

// ---------------------------------------------------------------------------------------
// Polygonal plates

void TForm1::Plaquepolygonale1Click(QAction* emetteur)
{
    // The item's tag: closed on the first point (0), on the x axis (1), on the origin (2).
    const int fermeture = emetteur ? std::clamp(emetteur->data().toInt(), 0, 2) : 0;
    if (!DesignerCourbes(*this, QStringLiteral("Plaque polygonale"), QStringLiteral("Désigner les courbes"),
                         QString::fromLatin1(LettresCourbes), false, true))
        return;
    Designation& d = designation();
    TForm1* cible = d.FenetreDestination ? d.FenetreDestination.data() : this;
    for (const PtrCourbe& mere : d.PressePapierCourbes) {
        auto plaque = std::dynamic_pointer_cast<GCA>(CreeCourbe(QLatin1Char('A'), cible->numero(), nouveauNumero(), fermeture));
        plaque->FixeMere(*mere);
        cible->Dessin().AjouteCourbe(plaque);
        plaque->Journalise();
    }
    d.PressePapierCourbes.clear();
    if (QWidget* boite = cible->PaintBox())
        boite->update();
}

namespace {

// The plates of the last designation.
std::vector<GCA*> PlaquesDesignees()
{
    std::vector<GCA*> plaques;
    for (const PtrCourbe& c : designation().PressePapierCourbes)
        if (auto* p = dynamic_cast<GCA*>(c.get()))
            plaques.push_back(p);
    return plaques;
}

void RepeintDesignees()
{
    for (const QPointer<TForm1>& f : std::as_const(designation().FenetresDesignees))
        if (f && f->PaintBox())
            f->PaintBox()->update();
}

}  // namespace

void TForm1::Plaquepolygonale2Click(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Modifier"), QStringLiteral("Désigner les plaques à modifier"),
                         QStringLiteral("A"), false, false))
        return;
    ModifiePlaques(PlaquesDesignees(), this);
    designation().PressePapierCourbes.clear();
    RepeintDesignees();
}

void TForm1::Plaquepolygonale3Click(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Supprimer"), QStringLiteral("Désigner les plaques à supprimer"),
                         QStringLiteral("A"), false, false))
        return;
    if (PlaquesDesignees().empty() ||
        !interlocuteur().demandeOuiNon(QStringLiteral("Etes-vous sûr de vouloir supprimer cette(ces) plaque(s) ?")))
        return;
    RetireCourbesDesignees();
}

void TForm1::Aires1Click(QAction*)
{
    QStringList lignes;
    // The plates first, then the areas.
    for (const PtrCourbe& c : dessin_->Courbes)
        if (c && c->TypeCourbe == QLatin1Char('A')) {
            lignes << QStringLiteral(" ");
            c->Decrit(lignes);
        }
    aires_->DecritTout(lignes);
    dialoguesFenetre().montreTexte(this, SansNom(), lignes);
}

bool TForm1::choisitAireCliquee(QPoint point)
{
    aireCliquee_ = aires_->AireSousPixel(point.x(), point.y());
    return !aireCliquee_.expired();
}

void TForm1::Changecoul1Click(QAction*)
{
    const std::shared_ptr<GCAire> aire = aireCliquee();
    if (!aire)
        return;
    QColor couleur = VersQColor(aire->Couleur());
    if (!dialoguesFenetre().choisitCouleur(this, couleur))
        return;
    aire->FixeCouleur(DeQColor(couleur));
    for (TForm1* f : FenetresOuvertes())
        if (std::find(f->Aires().Aires.begin(), f->Aires().Aires.end(), aire) != f->Aires().Aires.end())
            Recompose(f);
}

void TForm1::Calcaire1Click(QAction*)
{
    interlocuteur().message(QStringLiteral("Non disponible dans cette version !"));
}
