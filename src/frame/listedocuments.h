// Document lists (".rkv"): several windows saved together as several documents, and the
// list that names them, one document path per line, as written, in the order of saving;
// no header and nothing else. Also the names that one save gives its files.
#pragma once

#include <QString>
#include <QStringList>

#include "graph/fichiers/fichiertexte.h"

// Extensions, whatever their case: ".vrk" a document, ".rkv" a list, ".txt" (on the
// command line) a menu file.
bool EstNomDocument(const QString& chemin);
bool EstNomMenus(const QString& chemin);
bool EstNomListe(const QString& chemin);

// A list opens at most this many documents.
constexpr int DocumentsParListeMax = 100;

struct LectureListe {
    bool ok = false;            // the file could be read
    QString erreur;             // French, when !ok
    QStringList chemins;        // the paths as stored, in order (blank lines passed over)
    QStringList problemes;      // French: what was left out
};

// The paths of a list from its lines (trimmed of blanks, control and invisible characters).
LectureListe ListeDeLignes(const QStringList& lignes);
// Reads a list file.
LectureListe LitListeDocuments(const QString& chemin);
// Writes a list through a temporary file renamed over the previous one (left whole when
// the writing fails).
EcritureTexte EcritListeDocuments(const QString& chemin, const QStringList& documents);

// The existing document a path stored in a list names: "\" taken as "/", a relative path
// under the list's folder, a path of another machine ("C:\cours\a.vrk") as its file name in
// the list's folder. Empty when none exists.
QString TrouveDocumentListe(const QString& stocke, const QString& dossierListe);

// The files of one save of n windows under the chosen name: the first window under the
// name itself, the others under the name without its ".vrk" (any case; without its last
// suffix when it has no ".vrk") followed by 1, 2... and ".vrk"; the list under that base
// followed by ".rkv" (written only when n > 1).
struct NomsEnregistrement {
    QStringList documents;
    QString liste;
};
NomsEnregistrement NomsDocuments(const QString& choisi, int nombre);
