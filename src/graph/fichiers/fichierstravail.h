// Files that documents carry or name.
//
// - Data files embedded in a document after a "!" record are written as copies in this
//   run's working folder (dossierTravail()), under the file-name part of the path the
//   document stores, and nowhere else.
// - Paths stored in a document ("images\fond.jpg", "C:\cours\a.vrk") are resolved under
//   the document's folder, never outside it.
#pragma once

#include <QString>
#include <QStringList>

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
