// The program's help: French pages that ship inside it, shown in a window of its own at the
// topic a command asks for, with a contents and index page. The lists of predefined
// functions are made from the formula language's own tables (expression/catalogue.h).
#pragma once

#include <QStringList>
#include <QTextBrowser>
#include <QWidget>

class QPushButton;

// The topic numbers that the commands ask for; a number without a page of its own opens
// the contents.
namespace SujetsAide {
constexpr int Sommaire = 0;               // Aide > Rubriques d'aide, F1 elsewhere
constexpr int FonctionsUneVariable = 2;   // Aide > Fonctions prédéfinies d'une variable
constexpr int AxeX = 5;                   // F1, by the hint of the status bar
constexpr int AxeY = 6;
constexpr int Unites = 7;
constexpr int Norme = 8;
constexpr int SaisieGraphique = 9;
constexpr int MainLevee = 10;
constexpr int Regressions = 11;
constexpr int Primitives = 12;
constexpr int VariationParametres = 16;   // the bar "Variations des paramètres"
constexpr int FonctionsDeuxVariables = 22;
constexpr int TexteAffichage = 28;        // the text dialog, by the group it shows
constexpr int TexteDecalage = 29;
constexpr int Textes = 31;
}  // namespace SujetsAide

// The help pages and the explanation texts of the mouse modes, compiled into the program:
// made readable (once) before the first use.
void InitialiseRessourcesAide();

// The page of a topic, with its section: "repere.html#axe-x".
QString PageDuSujet(int sujet);
// The pages in the order of the contents (file names).
QStringList PagesAide();
// The HTML of a page, generated ones included ("sommaire.html", "fonctions1.html",
// "fonctions2.html"); empty for a page the help does not have.
QString TexteHtmlAide(const QString& page);

// The help window: the pages, with buttons back to the contents and through the pages seen.
class TAide : public QWidget {
    Q_OBJECT

public:
    explicit TAide(QWidget* parent = nullptr);
    // The page (and section) shown: "textes.html#decalage".
    void montrePage(const QString& page);

    QTextBrowser* Texte;
    QPushButton *BoutonSommaire, *Precedent, *Suivant;
};

// The help window, shown at the topic asked for (the same window for every topic, in front
// of the program, usable while a dialog waits for its answer).
void MontreAide(int sujet = SujetsAide::Sommaire);
void MontreAidePage(const QString& page);
// The help window when it is open, else null.
TAide* FenetreAide();
