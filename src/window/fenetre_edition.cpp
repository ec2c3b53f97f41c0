// The Edition menu (cut, copy and paste of curves between windows, the picture on the
// system clipboard) and the transport of the selected curves and frame onto another window
// by dragging the small drag image.
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/repere/GCRepere.h"

namespace {

// A curve (and its children) now belongs to that window: its caches are named after it, and
// the commands that look for its window find it there.
void FixeFenetre(GCCourbe& courbe, int numero)
{
    courbe.NumeroFenetre = numero;
    for (const PtrCourbe& fille : courbe.Filles)
        if (fille)
            FixeFenetre(*fille, numero);
}

bool DansUneFenetre(const PtrCourbe& courbe)
{
    const QList<TForm1*> fenetres = FenetresOuvertes();
    return std::any_of(fenetres.begin(), fenetres.end(), [&courbe](TForm1* f) {
        const auto& l = f->Dessin().Courbes;
        return std::find(l.begin(), l.end(), courbe) != l.end();
    });
}

// A copy of the curve under a new number in the window, callable under its own name.
void AjouteCopie(TForm1& fenetre, const GCCourbe& source)
{
    PtrCourbe clone = CloneCourbe(source, nouveauNumero(), fenetre.numero());
    if (!clone)
        return;
    clone->Selectionne = false;
    InscritNom(*clone);
    fenetre.Dessin().AjouteCourbe(clone);
}

// The curve itself comes into the window.
void AjouteMeme(TForm1& fenetre, const PtrCourbe& courbe)
{
    courbe->Selectionne = false;
    FixeFenetre(*courbe, fenetre.numero());
    InscritNom(*courbe);
    fenetre.Dessin().AjouteCourbe(courbe);
}

void MetAJourEditions()
{
    for (TForm1* f : FenetresOuvertes())
        f->Edition1Click();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Cut, copy, paste

void TForm1::Edition1Click(QAction*)
{
    FixeEtatCommande(QStringLiteral("Coller1"), !designation().CourbesAColler.empty());
    const bool courbes = etatGraphe().CompteurCourbes > 1;
    FixeEtatCommande(QStringLiteral("Couper1"), courbes);
    FixeEtatCommande(QStringLiteral("Copier1"), courbes);
}

void TForm1::Copier1Click(QAction* emetteur)
{
    const bool couper = emetteur && emetteur->objectName() == QLatin1String("Couper1");
    const QString verbe = couper ? QStringLiteral("déplacer") : QStringLiteral("copier");
    if (!DesignerCourbes(*this, verbe, QStringLiteral("Désigner les courbes à ") + verbe,
                         QStringLiteral("A") + QString::fromLatin1(LettresCourbes), false, false))
        return;
    Designation& d = designation();
    // The curves wait in the paste list, which no other designation takes.
    d.CourbesAColler = d.PressePapierCourbes;
    if (couper)
        RetireCourbesDesignees();
    MetAJourEditions();
}

void TForm1::Coller1Click(QAction*)
{
    Designation& d = designation();
    const std::vector<PtrCourbe> courbes = std::move(d.CourbesAColler);
    d.CourbesAColler.clear();
    for (const PtrCourbe& c : courbes) {
        if (!c)
            continue;
        // A copied curve, or a cut one whose number is taken here, comes as a copy; a cut
        // curve whose number is free comes itself.
        if (DansUneFenetre(c) || dessin_->CourbeDuNumero(c->Numero))
            AjouteCopie(*this, *c);
        else
            AjouteMeme(*this, c);
    }
    paintBox_->update();
    MetAJourEditions();
}

void TForm1::Pressepapiers1Click(QAction*)
{
    QApplication::clipboard()->setImage(ImageExport());
}

// ---------------------------------------------------------------------------------------
// Transport

void TForm1::TransportMouseDown(Qt::MouseButton bouton, QPoint point)
{
    transportDeplace_ = bouton == Qt::RightButton;
    transportDepart_ = point;
}

void TForm1::TransportMouseUp(QPoint global)
{
    // The window under the release takes what was carried, once the mouse event is over (its
    // questions are modal).
    TForm1* cible = nullptr;
    for (QWidget* w = QApplication::widgetAt(global); w && !cible; w = w->parentWidget())
        cible = qobject_cast<TForm1*>(w);
    if (!cible)
        return;
    QPointer<TForm1> source(this), destination(cible);
    const bool deplace = transportDeplace_;
    const QPoint depart = transportDepart_;
    const QPoint arrivee = cible->PaintBox()->mapFromGlobal(global);
    QTimer::singleShot(0, cible, [=] {
        if (destination)
            destination->FormDragDrop(source, deplace, depart, arrivee);
    });
}

void TForm1::FormDragDrop(TForm1* source, bool deplace, QPoint depart, QPoint arrivee)
{
    EtatSouris& e = etatSouris();
    if (!source)
        return;
    if (source == this) {
        // On its own window, the frame only: its origin follows the drag.
        if (!e.RepereSelectionne
            || !interlocuteur().demandeOuiNon(QStringLiteral("Etes-vous sûr(e) de vouloir déplacer l'origine du repère ?")))
            return;
        double x0, y0, x1, y1;
        repere_->PixelVersMonde(depart.x(), depart.y(), x0, y0);
        repere_->PixelVersMonde(arrivee.x(), arrivee.y(), x1, y1);
        if (DecaleRepere(*repere_, x0, y0, x1, y1))
            AiresARecalculer = true;
        paintBox_->update();
        return;
    }
    if (e.RepereSelectionne) {
        // Every setting of the source's frame, through its own records.
        QStringList lignes;
        source->Repere().Sauve(lignes);
        int i = 0;
        repere_->Lit(lignes, i);
        repere_->FixeTaille(paintBox_->width(), paintBox_->height());
    }
    const std::vector<PtrCourbe> selection = e.CourbesSelectionnees;
    for (const PtrCourbe& c : selection) {
        if (!c)
            continue;
        const auto& ici = dessin_->Courbes;
        const bool dejaIci = std::find(ici.begin(), ici.end(), c) != ici.end();
        if (deplace && dejaIci)
            continue;
        bool place = false;
        if (!dessin_->CourbeDuNumero(c->Numero)) {
            place = true;
            if (!deplace)
                AjouteCopie(*this, *c);
        } else if (interlocuteur().demandeOuiNon(
                       QStringLiteral("Cette courbe existe déjà! Voulez-vous l'ajouter avec un nouveau n° ?"))) {
            // Moved, the copy takes the place of the curve.
            place = true;
            AjouteCopie(*this, *c);
        }
        c->Selectionne = false;
        if (!place || !deplace)
            continue;
        // A curve moved leaves every window that showed it, whichever the selection came
        // from; only then does it come here (a curve that could not be placed stays).
        for (TForm1* f : FenetresOuvertes()) {
            const auto& l = f->Dessin().Courbes;
            if (f != this && std::find(l.begin(), l.end(), c) != l.end() && RetireCourbeFenetre(*f, c->Numero))
                f->PaintBox()->update();
        }
        if (!dessin_->CourbeDuNumero(c->Numero))
            AjouteMeme(*this, c);
    }
    e.CourbesSelectionnees.clear();
    e.RepereSelectionne = false;
    for (TForm1* f : FenetresOuvertes())
        f->montreTransport(QPoint());
    source->PaintBox()->update();
    AiresARecalculer = true;
    paintBox_->update();
}
