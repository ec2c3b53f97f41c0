// The Textes menu of the graph window: a text placed by a click, texts modified and deleted
// through the text chooser.
#include <QAction>

#include "dialogs/etatsaisie.h"
#include "dialogs/selcourb.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

// For the time of a text command, the text dialog offers this window's curves and areas.
class ContexteFenetre {
public:
    explicit ContexteFenetre(TForm1& f) : avant_(etatSaisie().ContexteTextes)
    {
        etatSaisie().ContexteTextes = {&f.Dessin(), &f.Aires(), &f.Repere()};
    }
    ~ContexteFenetre() { etatSaisie().ContexteTextes = avant_; }
    ContexteFenetre(const ContexteFenetre&) = delete;
    ContexteFenetre& operator=(const ContexteFenetre&) = delete;

private:
    ContexteTexte avant_;
};

// The texts chosen in "Choix d'un ou plusieurs textes".
QStringList ChoisitTextes(TForm1& f, const QString& titre)
{
    QStringList choisis;
    const auto choix = [&f](const GCListTextes::DemandeChoix& demande) {
        ParametresSelection p;
        p.titre = demande.titre;
        p.titreDisponibles = demande.disponibles;
        p.titreSelectionnes = demande.selectionnes;
        p.libelle = demande.libelle;
        const QStringList entrees = demande.entrees;
        p.entrees = [entrees](int) { return entrees; };
        return ChoisitPlusieurs(p, &f);
    };
    f.Textes().ChoisitTextes(titre, choix, choisis);
    return choisis;
}

QString Nombre(double v)
{
    return QString::fromStdString(ReelVersTexte(v)).trimmed();
}

}  // namespace

void TForm1::Ecrire1Click(QAction*)
{
    finitAutresModes(SourisTexte);
    ModeSouris = SourisTexte;
    paintBox_->setCursor(Qt::IBeamCursor);
}

void TForm1::PlaceTexte(double x, double y)
{
    auto texte = std::make_unique<GCTexte>(++CompteurTextes(), Nombre(x), Nombre(y), true, etatGraphe().FonteDefaut);
    ContexteFenetre contexte(*this);
    if (texte->Modifie(true)) {
        textes_->AjouteTexte(std::move(texte));
        paintBox_->update();
    }
}

void TForm1::Modifier2Click(QAction*)
{
    const QStringList choisis = ChoisitTextes(*this, QStringLiteral("Modifier"));
    ContexteFenetre contexte(*this);
    for (const QString& entree : choisis)
        if (GCTexte* t = textes_->TexteDeChoix(entree)) {
            t->Modifie(false);
            paintBox_->update();
        }
}

void TForm1::Supprimer2Click(QAction*)
{
    // Each text by its number: two texts may hold the same words.
    const QStringList choisis = ChoisitTextes(*this, QStringLiteral("Supprimer"));
    for (const QString& entree : choisis)
        textes_->RetireTexte(textes_->TexteDeChoix(entree));
    if (!choisis.isEmpty())
        paintBox_->update();
}
