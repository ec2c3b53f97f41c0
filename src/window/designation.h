// Designation: the commands of a graph window that act on chosen curves (and some on chosen
// areas) let the user designate them first in one shared dialog, "Sélection des courbes",
// from the current window or another one, and for the commands that create objects into the
// current window, a chosen one or a new one. DesignerCourbes runs that dialog and leaves its
// result in the program-wide lists of designation(), which the command then walks.
//
// A command that acts on curves:
//
//     if (!DesignerCourbes(*this, QStringLiteral("Dériver"), QStringLiteral("Désigner les courbes"),
//                          QStringLiteral("DJPRSTXY"), /*regions*/ false, /*destination*/ true))
//         return;                                   // cancelled, nothing chosen, or nothing to offer
//     Designation& d = designation();
//     for (const auto& mere : d.PressePapierCourbes)   // in the order of the chosen list
//         ...create the new curve in *d.FenetreDestination...
//     for (const QPointer<TForm1>& f : d.FenetresDesignees)
//         if (f) f->PaintBox()->update();
//
// The lists hold the objects themselves (curves and areas are shared: the same object may
// stand in several windows). They keep them alive until the next designation; a command
// that deletes objects empties them. Every removal of a curve from a window goes through
// RetireCourbeFenetre, so that nothing keeps naming a curve that left its window.
//
// The Edit menu's paste works from a list of its own, filled only by Cut and Copy: a
// designation never takes the curves waiting to be pasted.
#pragma once

#include <QList>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <vector>

class GCAire;
class GCCourbe;
class TForm1;

// A text of a designated window, by its number there.
struct TexteDesigne {
    QPointer<TForm1> fenetre;
    int numero = 0;
};

struct Designation {
    // The chosen entries, in the order of the chosen list (also the window list while the
    // dialog runs).
    QStringList ListeChoix;
    // The designated curves, in entry order.
    std::vector<std::shared_ptr<GCCourbe>> PressePapierCourbes;
    // The designated areas, in entry order.
    std::vector<std::shared_ptr<GCAire>> AiresDesignees;
    // Each window that holds a designated object, once, in order of first appearance.
    QList<QPointer<TForm1>> FenetresDesignees;
    // All texts of those windows.
    std::vector<TexteDesigne> TextesDesignes;
    // The source and destination windows: the window of the command at the start, changed
    // by the dialog's two choosers (a new destination window is made when the designation
    // is confirmed).
    QPointer<TForm1> FenetreSource;
    QPointer<TForm1> FenetreDestination;
    // The admissible kind letters of the running designation; whether areas are offered;
    // whether the last designation holds areas.
    QString LettresAdmises;
    bool AvecRegions = false;
    bool RegionsDesignees = false;
    // The curves that Edition > Couper or Copier designated, for Coller (which empties it).
    std::vector<std::shared_ptr<GCCourbe>> CourbesAColler;
};

// The window layer's designation (etatFenetres().designation), emptied by the reset.
Designation& designation();

// Runs "Sélection des courbes" (caption titre) on the window: its curves whose kind letter is
// in lettres, then with regions its areas, are offered; without a destination chooser the
// text libelle stands between the two lists. Nothing to offer: "Non disponible : aucune
// courbe ou aire tracée du bon type!" and false. Confirmed with at least one entry: the lists
// above are filled (an entry whose object is gone meanwhile is passed over) and true.
// Cancelled or nothing chosen: false, the lists as they were.
bool DesignerCourbes(TForm1& fenetre, const QString& libelle, const QString& titre, const QString& lettres,
                     bool regions, bool destination);

// The window (null when none is open with that number), the object number and the kind
// letter of a chooser entry "window;number\letter ...". -1 and a null letter when the entry
// holds no number.
void DecodeDesignation(const QString& entree, TForm1*& fenetre, int& numero, QChar* lettre = nullptr);

// ---------------------------------------------------------------------------------------
// The open graph windows, as the window layer knows them.

// In creation order.
QList<TForm1*> FenetresOuvertes();
// The window of that number (the last one created when several), or null.
TForm1* FenetreDuNumero(int numero);
// One entry per window, "#" number ": " caption, from the last window to the first.
QStringList ListeFenetres();
// The window of an entry of ListeFenetres, or null.
TForm1* FenetreDeListe(const QString& entree);

// A new graph window as the frame's new-window command makes it; the frame puts it in
// etatFenetres().createurFenetre.
using CreateurFenetre = std::function<TForm1*()>;
// A new window whose frame is a copy of the model's; null (with a message) when no window
// can be made.
TForm1* NouvelleFenetreCopie(TForm1& modele);

// ---------------------------------------------------------------------------------------
// Hiding, showing and removing.

// The hide/show dialogs on the curves (any window, chosen in the dialog), the areas and the
// texts of the window. Toggles take effect at once; closing the curve dialog keeps them,
// closing the area or text dialog with its close box gives the objects their former state.
void VoirCacherCourbes(TForm1& fenetre);
void VoirCacherAires(TForm1& fenetre);
void VoirCacherTextes(TForm1& fenetre);

// The first curve of that number leaves the window's list (its name callable in formulas
// too, unless another window still lists it), and stops being the current curve. False when
// the window lists no such curve.
bool RetireCourbeFenetre(TForm1& fenetre, int numero);
// Every curve of the last designation leaves the window of its entry; those windows are
// repainted and the designated list emptied.
void RetireCourbesDesignees();
