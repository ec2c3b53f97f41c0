// The document file of a graph window (".vrk"): the writer of a window's records and the
// reader that fills a new window from a file, and the personal-transformations file.
//
// The code works on a window's object model, not on the window itself: the window hands
// over references to its frame, curves, texts, areas and auxiliary functions, and the
// values of its own attributes (title, geometry, background, comment) in a
// FenetreDocument, which it fills before writing and applies after reading.
//
// A document is a text file (Windows-1252, CR LF; see graph/fichiertexte.h), one record per
// line, each record named by its first character:
//   V header "VIRK 4.26"         \ menu file               [ number settings
//   £ personal parameter          # title, geometry, background (and picture line)
//   $ frame block                 > auxiliary function      & curve (and its ! data block)
//   § text                        @ area                    % comment
// Lines beginning with anything else (a blank: the separators) are passed over.
#pragma once

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "graph/base/GCclasse_base.h"
#include "graph/base/listeidentifiants.h"

class GCRepere;
class GCDessin;
class GCListTextes;
class GCListAires;

// The header line of the documents this program writes.
inline const QString EnteteDocument = QStringLiteral("VIRK 4.26");

// What the window itself carries into its document (values, not references: the window
// fills them before writing and applies them after reading).
struct FenetreDocument {
    QString Titre;                 // the caption; ";" and line breaks are written as ","
    // The window's outer bounds in its parent's client coordinates, written as they are.
    // Read back raw: the window keeps them within its own limits when applying them.
    int Gauche = 0, Haut = 0, Hauteur = 0, Largeur = 0;
    bool Maximisee = false;        // left and top both negative in the document
    int ModeFond = 0;              // 0 colour, 1 picture, 2 areas
    TCouleur CouleurFond = 0xFFFFFF;
    // The picture as the document stores it (written back unchanged), whether it is
    // stretched, and the picture loaded from it (null when it could not be found).
    QString FichierImage;
    bool EtireImage = false;
    QImage ImageFond;
    QString Commentaire;           // written cut of its line breaks; read up to its first ";"
    // Written: the current menu customisation file. Read: the path the document names
    // (empty when none, or when it is refused as lying outside the program's Menus folder
    // and the document's folder), as stored, and CheminMenus the existing file it resolves
    // to (empty when none is found).
    QString FichierMenus;
    QString CheminMenus;
};

// One window's model as the document sees it.
struct ModeleDocument {
    int Numero;                    // the window's number (its tag)
    FenetreDocument& Fenetre;
    GCRepere& Repere;
    GCDessin& Dessin;
    GCListTextes& Textes;
    GCListAires& Aires;
    std::array<QString, 10>& FonctionsAux;   // F0..F9, "0" when unused
};

// The pending links of one opening: the opener creates them empty, every document of the
// opening is read with them, and the frame resolves them once the last one is read.
struct LiensEnAttente {
    // Every curve and area identifier read so far (added once its object is in a list).
    ListeIdentifiants LiensDerivees;
    // "window;identifier" of curve and area records that repeat an identifier already read:
    // the same object is to be shown in that window as well.
    QStringList LiensCourbes;
    QStringList LiensAires;
};

// ---------------------------------------------------------------------------------------
// Writing

// The window's records, in order: header, menu file, settings, personal parameters,
// window (with its picture line), frame, auxiliary functions, curves (with the data files
// they read), texts, areas, comment. A data file that cannot be read is reported by the
// curve list and its curve written without it.
QStringList EcrireFenetre(const ModeleDocument& modele);

struct RapportEcriture {
    bool ok = false;               // the file now holds the document
    QString erreur;                // French, when !ok (the previous file is left whole)
    bool donneesManquantes = false;  // written, but a data file could not be embedded
    bool utf8 = false;             // written in UTF-8: a character had no Windows-1252 byte
};

// Writes the window's document to that path through a temporary file renamed over it.
// A failure shows "Impossible d'enregistrer <fichier>" and the reason, and leaves the
// previous file as it was; a document that had to be written in UTF-8 is noted in the
// warnings memo.
RapportEcriture EnregistreDocument(const QString& chemin, const ModeleDocument& modele);

// ---------------------------------------------------------------------------------------
// Reading

struct RapportLecture {
    bool ouvert = false;           // the file could be read (else nothing changed)
    bool complet = false;          // read to its end (the reading was not stopped)
    int ligneArret = 0;            // the line where the reading stopped (0: none)
    QStringList problemes;         // French, each naming its line
    // True when the file was read to its end with nothing to report.
    bool ok() const { return ouvert && complet && problemes.isEmpty(); }
    // The text shown to the user: the file, then the problems (empty when none).
    QString message(const QString& fichier) const;
};

// Reads one document into a new, empty window model. The curve list is marked not
// visible until the opener has resolved the pending links (the opener then makes it
// visible). Whatever can be read is kept; what cannot is reported in one French message
// through the interlocutor (unless montre is false) naming the file and the lines.
// The program-wide settings, personal parameters and curve counter are those the
// document carries.
RapportLecture LitDocument(const QString& chemin, ModeleDocument& modele, LiensEnAttente& liens,
                           bool montre = true);
// The same from lines already read; paths stored in them are taken under dossierDocument.
RapportLecture LitLignesDocument(const QStringList& lignes, ModeleDocument& modele, LiensEnAttente& liens,
                                 const QString& dossierDocument);

// ---------------------------------------------------------------------------------------
// Personal transformations: eight lines each: name, six coefficient texts, unary operation
// code. The program keeps them as such a list of lines (ListeAuxiliaire), in groups of
// eight, group k behind the k-th item of the personal-transformation menu.

constexpr int LignesParTransfo = 8;
constexpr int CodeOperationMax = 62;

struct LectureTransfos {
    bool ok = false;               // the file could be read
    QString erreur;                // French, when !ok
    QStringList lignes;            // the valid groups only, eight lines each
    QStringList problemes;         // groups left out, and why (French, naming their lines)
    int nombre() const { return int(lignes.size()) / LignesParTransfo; }
    // Name (menu caption) of transformation k.
    QString nom(int k) const { return lignes.value(k * LignesParTransfo); }
};

// Reads a personal-transformations file. A group whose operation code is not a whole
// number from 0 to 62, and an incomplete last group, are left out and listed.
LectureTransfos LitTransfosPerso(const QString& chemin);
// The same from the lines of such a file.
LectureTransfos TransfosDeLignes(QStringList lignes);
// Appends a transformation to the program's list (its eight lines at once) and tells the
// frame, which adds its menu item.
void AjouteTransfoPerso(const QString& nom, const std::array<QString, 6>& parametres, int code);
// Writes the list; false with a French message in *erreur when the file could not be
// written (the previous file is then left whole).
bool EcritTransfosPerso(const QString& chemin, const QStringList& lignes, QString* erreur = nullptr);
