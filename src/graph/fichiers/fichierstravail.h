// Files that documents carry or name.
//
// - Data files embedded in a document after a "!" record are written as copies in this
//   run's working folder (dossierTravail()), under the file-name part of the path the
//   document stores, and nowhere else.
// - Paths stored in a document ("images\fond.jpg", "C:\cours\a.vrk") are resolved under
//   the document's folder, never outside it through ".." or a link; a data file may also be
//   named by an absolute path of this machine, where a teacher keeps it (TrouveFichierStocke).
// - A file that a document named is written without a word only inside the document's
//   folder or the working folder; anywhere else the user is asked first (EcritureAccordee).
#pragma once

#include <QString>
#include <QStringList>

// A stored path trimmed of blanks and control characters at both ends.
QString NettoieChemin(const QString& texte);
// The file-name part of a stored path: the text after the last "\", "/" or ":".
QString PartieNomFichier(const QString& chemin);
// Empty when the name may be a file of the working folder; otherwise the French reason:
// an empty (or blank) name, ".", "..", or a name holding control characters or a separator.
QString RefusNomFichier(const QString& nom);

struct CopieTravail {
    bool ok = false;
    QString nom;      // the name actually used: "mesures.txt", or "mesures~2.txt"...
    QString chemin;   // its path in the working folder
    QString erreur;   // French message when !ok (nothing was written)
};

// Writes the lines of an embedded data file as its copy in the working folder.
// libelle is the path the document stores for the file; its file-name part names the copy.
// When this run already wrote a copy of that name with other content (two documents that
// both carry a "mesures.txt"), or a file of that name is already there that is not such a
// copy, the lines go to "mesures~2.txt" (then ~3, ...). A copy with the same content is
// used again. The lines are written as every text file (Windows-1252, CR LF; in UTF-8 when
// a character has no Windows-1252 byte, so nothing is lost).
CopieTravail EcritCopieTravail(const QString& libelle, const QStringList& lignes);

// Where the traces look for the copy of a stored path's file: the working folder + its
// file-name part; empty when that name is refused.
QString CheminCopieTravail(const QString& libelle);

struct CheminResolu {
    bool ok = false;
    QString chemin;   // when ok: absolute path inside the document's folder
    QString repli;    // the stored file name in the document's folder (empty when the name
                      // is refused): what to try when chemin is refused or missing
    QString erreur;   // French message when !ok
};

// A path stored in a document: "\" becomes "/", and the path is taken under the document's
// folder. An absolute path (with a drive letter, a leading "/" or "\") or a path that goes
// out of the folder through ".." is refused with a message.
CheminResolu ResoutCheminStocke(const QString& stocke, const QString& dossierDocument);

// True when the file lies in the folder or below it, links followed (a link inside that
// leads out is outside); for a file not there yet, the folder it would be made in decides.
bool DansDossier(const QString& chemin, const QString& dossier);

// Where a file that a document names may be looked for.
enum class PorteeNom {
    // Data (points, imposed values, class bounds, a picture, the documents of a list): also
    // an absolute path of this machine, and the other folders given.
    Donnees,
    // The comments file: the document's own folder only.
    DossierDuDocument,
};

// A file that a document names, as an existing regular file, or empty: "\" taken as "/";
// a relative path under the document's folder, else (data) under one of the other folders;
// (data) an absolute path of this machine as it stands; else the file of that name in the
// document's folder, else (data) in the other folders. A path that leaves its folder through
// ".." or through a link is never taken. dossierDocument empty: a name given in this run,
// not by a document (the lookup in the document's folder is left out).
QString TrouveFichierStocke(const QString& stocke, const QString& dossierDocument,
                            PorteeNom portee = PorteeNom::Donnees, const QStringList& autresDossiers = {});

// Whether a file that a document named may be written (chemin: the file as it would be
// opened; dossierDocument: the folder of that document, empty when no document named it):
// at once when no document named it, inside the document's folder or the working folder, or
// when the user already agreed to that file in this run; anywhere else the user is asked,
// the full path shown. False: the file is to be left as it is.
bool EcritureAccordee(const QString& chemin, const QString& dossierDocument);

// A file that a document named, as a dialog shows it for editing: written back only as
// EcritureAccordee allows; a file the user chose instead is the user's to write.
struct FichierDuDocument {
    QString chemin;            // the file found for the name (absolute), empty when none
    QString dossierDocument;   // the folder of the document that named it
    // True when cible may be written (a question when cible is that file, out of bounds).
    bool ecritureAccordee(const QString& cible) const;
};
