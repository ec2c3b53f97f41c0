// What the drawings of every window share: folders, counters, the scale factor of
// printing, the values that text macros read, the list of every window's drawing, and the
// interlocutor through which the graph objects speak to the user.
#pragma once

#include <QString>
#include <vector>

class GCDessin;
class GCListAires;

// What only a higher layer can do for the graph objects (show a message, add a line to the
// warnings memo). The frame installs its own; tests install a scripted one.
class Interlocuteur {
public:
    virtual ~Interlocuteur() = default;
    // A message box (queued when it comes while painting).
    virtual void message(const QString& texte) = 0;
    // A line of the frame's warnings memo.
    virtual void avertit(const QString& texte) = 0;
    // A yes/no question; true for yes.
    virtual bool demandeOuiNon(const QString& texte) = 0;
};

// Text macros &n, &t, &x, &y read the point being drawn.
struct ValeursCourantes {
    double n = 0, t = 0, x = 0, y = 0;
};

struct EtatGraphe {
    QString DossierProgramme;  // the program's folder (settings, menus, palettes)
    QString DossierTemp;       // session files "Courbes.txt", "Session.txt"
    QString DossierTravail;    // this run's working folder: point caches, "!" copies...
    int CompteurCourbes = 1;   // numbers of curves and areas, never going back
    double FacteurEchelle = 1.0;  // scales margins, ticks and fonts while printing
    int EcartEtiquetteX = 3, EcartEtiquetteY = 0;
    ValeursCourantes valeursCourantes;
    std::vector<GCDessin*> dessins;   // every window's curve list, in window order
    std::vector<GCListAires*> aires;  // every window's area list, in window order
    Interlocuteur* interlocuteur = nullptr;
};

EtatGraphe& etatGraphe();

// Back to the defaults, with a fresh working folder (tests).
void reinitialiseGraphe();

// The interlocutor in place; a silent one (that records nothing and answers no) when none
// is installed.
Interlocuteur& interlocuteur();

// The working folder of this run, created on first use.
QString dossierTravail();

// "dd/MM/yyyy hh:mm:ss" of now, independent of the locale: the date-time part of curve
// identifiers and area stamps.
QString horodatage();
// A new curve or area number from CompteurCourbes.
int nouveauNumero();
