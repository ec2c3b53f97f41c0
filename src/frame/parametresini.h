// The user's preferred appearance, kept in "virk.ini" in the program's folder: the menu file
// of new windows, the colour of the frame and the dialogs, which tool bars show, and the
// title, colour and size of new graph windows. The frame sections of the same file
// ("Repère", axes and grids) belong to the coordinate frame (GCRepere::LitIni / EcritIni).
//
// Reading follows what the program has always done, with two safeguards:
// - no file: every value below keeps its default;
// - a section of the frame's that is missing altogether keeps its defaults too, so that a
//   file holding only [Fenetre] does not hide the tool bars; inside a section that is
//   present, a missing boolean reads as "0" and a missing text as empty, as always;
// - a size, a colour that is missing or cannot be read keeps its default, and sizes are
//   kept within the bounds of a graph window's client size. Each value that could not be read is
//   reported once, in French.
#pragma once

#include <QString>
#include <QStringList>

#include "graph/base/GCclasse_base.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/ini.h"

class GCRepere;

struct ParametresIni {
    QString FichierMenus = QStringLiteral("Menus\\defaut.txt");  // [Menus] menu, as stored ("\\" opens as "/")
    TCouleur CouleurFiche = 0xA0C9F1;                            // [Couleurs] CouleurFiche
    // [Barres d'outils]: visibility of the warnings panel and of the bars at start.
    bool Avertissement = false;  // Panel1
    bool Standard = true;        // SpeedPanel
    bool OpeSur1crb = false;     // Op1Bar
    bool TransfoGeom = false;    // TransfoBar
    bool TransfoSupp = false;    // SupplBar
    bool BarreEtat = true;       // StatusBar
    // [Fenetre]: new graph windows.
    QString TitreFenetre = QStringLiteral("Fenêtre 1");
    TCouleur CouleurFenetre = 0xFFFFFF;
    int LargeurFenetre = 520;
    int HauteurFenetre = 520;

    bool operator==(const ParametresIni&) const = default;
};

// Names of the sections and keys, exactly as the file holds them.
namespace CleIni {
inline const QString Menus = QStringLiteral("Menus");
inline const QString Menu = QStringLiteral("menu");
inline const QString Couleurs = QStringLiteral("Couleurs");
inline const QString CouleurFiche = QStringLiteral("CouleurFiche");
inline const QString Barres = QStringLiteral("Barres d'outils");
inline const QString Avertissement = QStringLiteral("Avertissement");
inline const QString Standard = QStringLiteral("Standard");
inline const QString OpeSur1crb = QStringLiteral("OpéSur1crb");
inline const QString TransfoGeom = QStringLiteral("TransfoGéom");
inline const QString TransfoSupp = QStringLiteral("TransfoSupp");
inline const QString BarreEtat = QStringLiteral("BarreEtat");
inline const QString Fenetre = QStringLiteral("Fenetre");
inline const QString Titre = QStringLiteral("Titre");
inline const QString Couleur = QStringLiteral("Couleur");
inline const QString Largeur = QStringLiteral("Largeur");
inline const QString Hauteur = QStringLiteral("Hauteur");
}  // namespace CleIni

struct LectureParametresIni {
    FichierIni::Etat etat = FichierIni::Etat::Absent;
    // French sentences: the file could not be read, is empty, or holds values that could
    // not be read (each followed by what was taken instead).
    QStringList problemes;
    // One message for the user, empty when there is nothing to say.
    QString message() const;
};

// Reads the file at chemin into p (which should hold the defaults) and keeps the whole file
// in ini, for the frames of the new windows.
LectureParametresIni LitParametresIni(const QString& chemin, ParametresIni& p, FichierIni& ini);
// The same from a file already loaded (etat: what FichierIni::charge said).
LectureParametresIni LitParametresIni(const FichierIni& ini, FichierIni::Etat etat, ParametresIni& p);

// Puts every key into ini, in the order of the file: the frame's sections from p, then the
// coordinate frame's sections from repere (when given). Keys of other sections and lines
// that are already there stay in place.
void EcritParametresIni(FichierIni& ini, const ParametresIni& p, const GCRepere* repere);
// Writes the file at chemin: the file as it stands (when it can be read), with every key
// replaced. The previous file stays whole when the writing fails (erreur then says why).
EcritureTexte EcritParametresIni(const QString& chemin, const ParametresIni& p, const GCRepere* repere);

// A client size kept within the bounds of a graph window (TailleFenetreMin, TailleFenetreMax).
int BorneTailleFenetre(int taille);
