// Menu customisation files: a teacher hides items of the graph window's main menu and
// renames them, to give pupils a reduced program.
//
// One line per item of the main menu, in menu order (an item, then its sub-items
// recursively, then the next item): "+" when the item is shown, "-" when it is hidden and
// disabled; two blanks per level below the top-level menus; then the caption, accelerator
// marks ("&") included. Lines are matched to items by position only.
//
// Each item keeps its own mark: the mark read from the file (or set in the customisation
// dialog), never the state the program gives it at a given moment, so that a file saved
// and loaded again is the same file.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

struct ArticleMenuPerso {
    bool marque = true;   // "+"
    QString libelle;      // caption, "&" marks included
};

struct LectureMenus {
    bool ok = false;      // false: nothing was changed, erreur says why
    QString erreur;       // French, naming the file (and the line)
};

// A menu file is a few kilobytes; anything larger is not one.
constexpr qint64 TailleMaxMenus = 1024 * 1024;
constexpr int LongueurMaxLibelleMenu = 256;

// Gives the lines to the items, in order: each line its item's mark and caption (the text
// after the mark, leading blanks removed; an empty caption keeps the item's). An empty
// line, or a line missing at the end of a short file, leaves its item as it is; lines past
// the last item are not used. A line that begins with neither "+" nor "-", holds a control
// character or a caption longer than LongueurMaxLibelleMenu refuses the whole file: the
// items stay as they were. nomFichier names the file in the message.
LectureMenus AppliqueLignesMenus(const QStringList& lignes, std::vector<ArticleMenuPerso>& articles,
                                 const QString& nomFichier = QString());
// The same from a file, which must be a regular file of at most TailleMaxMenus bytes.
LectureMenus LitFichierMenus(const QString& chemin, std::vector<ArticleMenuPerso>& articles);
// The lines of the items, profondeurs[i] being the depth of item i (0 for a top-level menu).
QStringList LignesMenus(const std::vector<ArticleMenuPerso>& articles, const std::vector<int>& profondeurs);

// The program's Menus folder (under DossierProgramme).
QString DossierMenus();
// A menu file as the settings or the program name it ("Menus\defaut.txt", relative to the
// program's folder, or an absolute path): the existing regular file, or empty.
QString CheminFichierMenusProgramme(const QString& stocke);
// The text under which the settings keep a menu file: relative to the program's folder
// with "\" when the file lies in it ("Menus\perso.txt"), else its absolute path.
QString NomFichierMenusStocke(const QString& chemin);

// The menu file that a document names, read only from the program's Menus folder or the
// document's own folder: the stored path ("\" read as "/") under the document's folder,
// else under the program's folder when it lies in its Menus folder, else in the Menus
// folder. An absolute path, a network path or a path through ".." is refused (empty, with
// the French reason in *refus); a name that is no regular file there gives empty with no
// reason.
QString TrouveFichierMenus(const QString& stocke, const QString& dossierDocument, QString* refus = nullptr);
