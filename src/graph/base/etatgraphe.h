// What the drawings of every window share: folders, counters, the scale factor of
// printing, the values that text macros read, the list of every window's drawing, the
// scratch lists and switches of the graph objects, and the seams through which they reach
// what only a higher layer can do (the interlocutor, the dialogs, the curve chooser, the
// source of text macros).
//
// All of it is one struct, EtatGraphe, reached through etatGraphe(); reinitialiseGraphe() puts
// it back to its defaults after reinitialiseCalcul(), and the reset of every later layer
// calls it first.
#pragma once

#include <QByteArray>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "graph/base/GCclasse_base.h"

class GCDessin;
class GCListAires;
class GCCourbe;
class GCAire;
class GCTexte;
class GCIneq;
class ChoixTrace;
class SourceMacros;
class GCRepere;

// What only a higher layer can do for the graph objects (show a message, add a line to the
// warnings memo). The frame installs its own; tests install a scripted one.
class Interlocuteur {
public:
    virtual ~Interlocuteur() = default;
    // A message box (queued when it comes while painting).
    virtual void message(const QString& texte) = 0;
    // The same box offering also the help at that topic (dialogs/aide.h); by default the
    // message alone.
    virtual void messageAvecAide(const QString& texte, int sujet) { message(texte); }
    // A line of the frame's warnings memo.
    virtual void avertit(const QString& texte) = 0;
    // A yes/no question; true for yes.
    virtual bool demandeOuiNon(const QString& texte) = 0;
};

// The definition dialogs, which only the dialogs layer can show. The objects' Modifie
// operations open them through this interface; tests install a scripted one.
class Dialogues {
public:
    virtual ~Dialogues() = default;
    // The definition dialog of the curve's kind; true when the user confirmed.
    virtual bool modifieCourbe(GCCourbe& courbe, bool nouvelle) = 0;
    // The definition dialog of an area of the kind of the object.
    virtual bool modifieAire(GCAire& aire, bool nouvelle) = 0;
    // The text dialog.
    virtual bool modifieTexte(GCTexte& texte, bool nouveau) = 0;
    // The grid of the ten parameter texts a0..a9; true on OK (the texts are then changed).
    virtual bool dialogueParametres(std::array<QString, 10>& parametres) = 0;
    // The frame dialog on that tab (0 options, 1 x axis, 2 y axis, 3 colours, 4 horizontal
    // grid, 5 vertical grid); true when confirmed (the frame is then changed).
    virtual bool modifieRepere(GCRepere& repere, int page) { return false; }
};

// Follows a long computation (an area scan, a curve's trace) from the thread that started it:
// asked every few tens of milliseconds while the computation runs; false asks the computation
// to stop (what is done is kept). The window installs its own, which shows the progress and
// listens for Échap.
class SuiviCalcul {
public:
    virtual ~SuiviCalcul() = default;
    // An area scan, with the rows done so far.
    virtual bool continuer(int faites, int total) = 0;
    // The trace of a curve, with the points computed so far (how many there will be is not
    // known ahead).
    virtual bool continuerTrace(const QString& nomCourbe, long long points)
    {
        (void)nomCourbe;
        (void)points;
        return continuer(0, 0);
    }
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
    // Grows whenever a curve that stands in a window's list takes another identifier: the
    // lists' indexes by identifier are then made again.
    quint64 GenerationIdentifiants = 0;
    double FacteurEchelle = 1.0;  // scales margins, ticks, fonts, pen widths and markers while printing
    int EcartEtiquetteX = 1, EcartEtiquetteY = 1;  // gap between a list point and its label
    ValeursCourantes valeursCourantes;
    std::vector<GCDessin*> dessins;   // every window's curve list, in window order
    std::vector<GCListAires*> aires;  // every window's area list, in window order

    // Seams, set by the frame at start-up (or for a while through a GardeValeur). The reset
    // keeps the routes of messages, progress and macros, and takes the dialogs away (the
    // frame puts the program's own in place when it starts), so that the dialogs one test
    // put in place never open in a later one, with nobody to close them.
    Interlocuteur* interlocuteur = nullptr;
    Dialogues* dialogues = nullptr;   // none: every Modifie answers "not confirmed"
    SuiviCalcul* suivi = nullptr;     // none: computations run to their end
    ChoixTrace* choixTrace = nullptr; // none: every choice of a curve answers "none"
    SourceMacros* sourceMacros = nullptr;  // none: the curves and areas of every window

    QStringList JournalCourbes;         // log of curve definitions ("Courbes.txt" at exit)
    bool EnregistrementSession = false; // session-recording option: Journalise writes only then
    bool LeverStyloHorsFenetre = false; // option: lift the pen when a point leaves the frame
    bool EtiquettesLibelles = true;     // option: the curves' own labels are drawn
    Police FonteDefaut;                 // default font of curve labels and texts

    // The personal transformations (ListeAuxiliaire): groups of eight lines, name, p1..p6,
    // operation code; group k runs from the k-th item of the frame's menu, which the frame
    // rebuilds when told the list changed.
    QStringList ListeAuxiliaire;
    std::function<void()> TransfosPersoChangees;
    // While set (parameter variation running), traced points are not entered in the hit
    // index.
    bool SansMemoPoints = false;
    // The scratch list into which the area dialog and the document reader parse constraint
    // lines before handing them to an area.
    std::vector<std::shared_ptr<GCIneq>> ListeInequations;
    // Labels are numbered from this counter (the next label takes ++CompteurTextes).
    int CompteurTextes = 0;
    // The most threads an area scan runs on (1: the calling thread alone).
    int FilsBalayageMax = 8;
    // The copies of embedded data files this run wrote in the working folder: name ->
    // digest of the bytes, for the folder named (a fresh working folder starts afresh).
    QString DossierCopies;
    QHash<QString, QByteArray> CopiesEcrites;
    // The files outside their document's folder and the working folder that the user agreed,
    // in this run, to have written (full paths).
    QSet<QString> EcrituresAccordees;
    // The last message of a point cache that could not be written, so that a repaint does
    // not repeat it.
    QString DernierEchecEcriture;
};

EtatGraphe& etatGraphe();

// Back to the defaults after reinitialiseCalcul(), with a fresh working folder and no
// dialogs; the session folder DossierTemp and the other seams are kept (tests, new session).
void reinitialiseGraphe();

// The interlocutor in place; a silent one (that records nothing and answers no) when none
// is installed.
Interlocuteur& interlocuteur();

// The working folder of this run, created on first use.
QString dossierTravail();
// The temporary folder chosen in the options: made with its parents when missing, and a new
// working folder made in it for the rest of the run (the previous one stays until the end
// of the run, the files of the chosen folder are never touched). False with the French
// reason when the folder cannot be made or written; nothing changes then.
bool ChangeDossierTemp(const QString& dossier, QString& erreur);

// "dd/MM/yyyy hh:mm:ss" of now, independent of the locale: the date-time part of curve
// identifiers and area stamps.
QString horodatage();
// A new curve or area number from CompteurCourbes.
int nouveauNumero();
