// The curves of one graph window, in drawing order, and the document records of curves:
// the "&" record of each curve and the "!" block that carries the data file of a list,
// chronicle, Bézier or B-spline curve.
//
// Curves are held by std::shared_ptr: the same curve may stand in the lists of several
// windows (a document list that shows it twice), and leaving one list frees it only when no
// other list holds it.
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "graph/base/etatgraphe.h"
#include "graph/base/listeidentifiants.h"
#include "graph/courbes/GCCourbe.h"

class QPainter;
class GCRepere;
class SourceLignes;

// The curve chooser, which only the dialogs layer can show ("Choix d'un tracé"). The frame
// puts its own in etatGraphe().choixTrace; tests a scripted one.
class ChoixTrace {
public:
    virtual ~ChoixTrace() = default;
    // Shows the entries with the first one in the edit box. True on OK, with the text of the
    // edit box (the chosen entry) in choix.
    virtual bool choisit(const QString& titre, const QStringList& entrees, QString& choix) = 0;
};

// The chooser in place, or null (every choice then answers "none").
inline ChoixTrace* choixTrace() { return etatGraphe().choixTrace; }

class GCDessin {
public:
    // Empty, visible, window number 1; registered in etatGraphe().dessins until destroyed.
    GCDessin();
    ~GCDessin();
    GCDessin(const GCDessin&) = delete;
    GCDessin& operator=(const GCDessin&) = delete;

    // When Visible: the frame (grids, axes, graduation), then every curve's Trace in list
    // order. A curve whose mother stands in this list is traced after its mother in the same
    // pass (each curve once), so that it never shows its mother's previous state. Nothing of
    // the curves is drawn when the frame is not valid. Plates are copied onto what is drawn
    // before them by their raster operations, on CouleurFond.
    // True when the follower of long computations stopped a trace: that curve keeps what it
    // traced (drawn and in its point cache), and the curves after it are traced for a moment
    // each at most (ordinary curves are drawn whole, long ones stop as that one did).
    bool Dessine(QPainter& peintre, GCRepere& repere);

    void AjouteCourbe(PtrCourbe courbe);
    // The first curve with that number leaves the list; its name is no longer callable in
    // formulas unless another window's list still holds it. False when no curve has that
    // number.
    bool RetireCourbe(int numero);
    // Every curve leaves the list, as RetireCourbe does for each.
    void VideCourbes();
    // How many places of this list hold that curve.
    int Entrees(const GCCourbe* courbe) const;
    PtrCourbe CourbeDuNumero(int numero) const;
    // The first curve whose identifier is exactly that text.
    PtrCourbe CourbeParIdentifiant(const QString& identifiant) const;
    // Libelle1 of the first curve with that number; "Non trouvé !" when none.
    QString LibelleDuNumero(int numero) const;

    // Chooser entries of the curves whose kind letter is in the set:
    // window + ";" + number + "\" + letter + " : " + text 1 + "; " + text 2 + ";" + name,
    // texts as the curve shows them.
    QStringList ListeCourbesTypes(const QString& lettres) const;
    // The same entries for the curves of that letter and sub-kind.
    QStringList ListeCourbesSousType(QChar lettre, int sousType) const;
    // The shown texts of the curves whose letter is in the set: text 1, and text 2 when not
    // empty, each only once.
    QStringList ListeLibelles(const QString& lettres) const;
    // Offers the curves whose letter is in the set in the chooser and returns the chosen
    // one; null on cancel, or (with the message "Non disponible : aucune courbe ...") when
    // there is none to offer.
    PtrCourbe ChoisitCourbe(const QString& lettres) const;

    // For every curve a line holding one blank, then the curve's description.
    void Decrit(QStringList& lignes) const;

    // The y range of the point caches of the visible curves. Arithmetic axis: the range
    // holds 0 and every cached y. Logarithmic axis: the smallest and largest positive y.
    // Values that are not finite, missing caches and curves never traced are passed over.
    // False (outputs unchanged) when the list is empty or the range would be empty.
    bool BornesY(double& ymin, double& ymax, bool logarithmique = false) const;

    // Appends the curve records of the list (see GCDessin_fichier.cpp), then one empty line.
    // The data file of a list, chronicle, Bézier or B-spline curve is embedded after the
    // first curve that reads it, and after a later curve of the same stored path only when
    // that curve reads another file (a curve pasted from another document). A data file that cannot be read is not embedded: the record is
    // written without it, the rest of the document too, and one message names the files.
    // False when a file could not be embedded.
    bool Sauve(QStringList& lignes) const;

    int Nombre() const { return int(Courbes.size()); }

    int NumeroFenetre = 1;
    // The window's background colour: the polygonal plates fill their bitmaps with it.
    TCouleur CouleurFond = 0xFFFFFF;
    bool Visible = true;

private:
    std::vector<PtrCourbe> courbes_;
    // The place of the first curve of the list for each identifier, and how many places
    // hold each curve; the index is made again after a removal, or when an identifier of a
    // listed curve changed.
    mutable QHash<QString, int> parIdentifiant_;
    mutable quint64 generationIndex_ = 0;
    mutable bool indexAJour_ = false;
    QHash<const GCCourbe*, int> entrees_;
    void indexe() const;

public:
    // The curves in drawing order (changed only through the functions above).
    const std::vector<PtrCourbe>& Courbes = courbes_;
};

// The file a list, chronicle, Bézier or B-spline curve reads: its stored path (Libelle1,
// "\\" taken as "/") when it is an absolute path of this machine and that file exists, else
// the file its document's reader found for it or the working copy its document carried
// (CopieDonnees), else none (empty). A relative path is never taken from the program's
// current folder.
QString FichierDonnees(const GCCourbe& courbe);
// The same for the file of imposed values of a curve (FichierValeurs, CheminValeurs).
QString FichierValeursImposees(const GCRelNum& courbe);

// The first curve with that identifier in the lists of every window, in window order.
PtrCourbe CourbeParIdentifiantPartout(const QString& identifiant);
// The mother of a derived curve, found by identifier in every window, with its point cache:
// a mother whose cache does not exist yet is traced first on the same painter and frame,
// hidden and out of the hit index (both flags are given back after). Null when no curve but
// the derived one itself has that identifier.
PtrCourbe MereAvecCache(const QString& identifiant, const GCCourbe& fille, QPainter& peintre, GCRepere& repere);
// Is the curve held by the curve list of a window other than `sauf`?
bool ListeeAilleurs(const GCCourbe* courbe, const GCDessin* sauf);

// ---------------------------------------------------------------------------------------
// Reading curve records.
//
// The document reader hands over each line that begins with "&" (and the line source it
// came from); the record reader takes the record's further lines from the source itself and
// never reads past its end. A line beginning with "!" that follows is handed to
// LitBlocDonnees together with the result of the record just read.

enum class IssueLecture {
    Courbe,    // a new curve: add it to the window's list (AjouteCourbe), then Journalise it
    Repetee,   // a further showing of a curve already read in this opening: append lien to
               // LiensCourbes; the record was read in full into an object that is dropped
    Ignoree,   // a record that describes no curve kind: its lines were passed over up to the
               // next separator line; message says so; the reading goes on
    Arret      // the reading of the document ends here with message (what was read stays)
};

struct LectureCourbe {
    IssueLecture issue = IssueLecture::Arret;
    PtrCourbe courbe;          // Courbe: the curve read; Repetee: the dropped copy
    QString identifiant;       // the record's identifier (replaced when it held no "/")
    QString lien;              // Repetee: window number + ";" + identifier
    QString message;           // French: why the reading ends, or what was passed over
    QStringList avertissements;  // fields that could not be read and kept their default
};

// Reads one "&" record whose first line is premiereLigne, the line the source handed out
// last. fenetre is the number of the window being filled. liensDerivees holds every curve
// and area identifier read so far in this opening; a new identifier is appended to it.
// A new curve takes its number from CompteurCourbes.
LectureCourbe LitCourbe(const QString& premiereLigne, SourceLignes& source, int fenetre,
                        ListeIdentifiants& liensDerivees);

struct LectureBloc {
    bool arret = false;        // the count is not a whole number: the reading ends
    QString message;           // French: why the reading ends, or why nothing was written
    QString copie;             // path of the copy written in the working folder (or empty)
};

// Reads the "!" block whose first line is premiereLigne (after the record read into
// precedente): the count, then that many lines (fewer when the source ends). The lines are
// written as the working copy of the data file of that curve (list, chronicle, Bézier,
// B-spline), which then uses it when its stored path does not exist. A block after a
// further showing, after a passed-over record or after a curve without a data file is
// consumed and dropped.
LectureBloc LitBlocDonnees(const QString& premiereLigne, SourceLignes& source, const LectureCourbe& precedente);
