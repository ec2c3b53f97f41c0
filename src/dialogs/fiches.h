// What every form of the program shares: its colour, its controls' names, the two-list
// choosers.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <functional>

#include "graph/base/GCclasse_base.h"

class QColor;
class QDialog;
class QHBoxLayout;
class QListWidget;
class QPushButton;
class QComboBox;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QWidget;
class QPrinter;

// The colour of the frame and of every dialog ([Couleurs] CouleurFiche of the settings
// file; the frame sets it at start).
TCouleur& CouleurFiche();
// Gives the form the colour CouleurFiche() as its background.
void AppliqueCouleurFiche(QWidget* fiche);

// The toolkit's colour box (its own, translated one); true and the colour changed on OK.
bool ChoisitCouleurQt(QWidget* parent, QColor& couleur);

// The texts of a list's entries, in order.
QStringList TextesDeListe(const QListWidget* liste);
// The two-list choosers: each entry of the first list (only the selected ones unless tous)
// that the second list lacks is added at its end.
void AjouteChoisis(const QListWidget* disponibles, QListWidget* choisis, bool tous = false);

// A control given its object name (tests find the controls of the forms by it).
template <class W>
W* Nomme(W* controle, const char* nom)
{
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

// A named push button that Enter does not press (its form keeps its own default button).
QPushButton* BoutonNomme(QWidget* parent, const char* nom, const char* texte);

// The row at the foot of a form: the widgets given on the left, then "&Confirmer" (ButOK,
// the default button, which runs the form's accept) and "&Annuler" (ButAnnul, which rejects
// it).
QHBoxLayout* BoutonsFiche(QDialog* fiche, QPushButton*& ok, QPushButton*& annul,
                          std::initializer_list<QWidget*> aGauche = {});

// The lists of drawing attributes that the definition forms share, with the forms' names:
// "CBepais" ("1" to "10"), "CBStyle" ("Plein" to "Tiret-Point-Point", the pen styles 0 to 4)
// and "CBpnt" (the projection marks "Point seul" to "Origine").
QComboBox* ListeEpaisseurs(QWidget* parent);
QComboBox* ListeStyles(QWidget* parent);
QComboBox* ListeModesPoints(QWidget* parent);
// A colour shown as the background of a label.
void MontreCouleurEtiquette(QLabel* etiquette, TCouleur couleur);
// The sub-menu "Fonctions &usuelles" of the definition texts' pop-ups: each entry gives the
// code of its function.
QMenu* MenuFonctionsUsuelles(QMenu* parent, const std::function<void(int)>& insere);
// The lines of a text file shown in a memo, caret at the start, the memo marked unmodified.
// False when the file cannot be read (the memo is left; with signale, the message is shown).
bool ChargeMemo(QPlainTextEdit* memo, const QString& chemin, bool signale);

// A question with "&Oui", "&Non" and "Annuler" (the close box answers Annuler): the
// QMessageBox::StandardButton pressed.
int DemandeOuiNonAnnuler(QWidget* parent, const QString& texte);
// True when the file may be written: it does not exist, or the user agrees to replace it
// ("Le fichier ... existe déjà. Voulez-vous le remplacer ?").
bool RemplacementAccepte(const QString& chemin);

// The printer every print of the program goes to: the print dialog; with no printer
// installed, a message saying so, then the PDF file to print into (through the boxes in
// place). False when the user cancels.
bool ChoisitImprimante(QWidget* parent, QPrinter& imprimante);
// Prints lines of text at the printer's resolution, starting a new page whenever the next
// line would cross the bottom. False when the printer cannot be used.
bool ImprimeLignes(QPrinter& imprimante, const QStringList& lignes);
// The title asked ("Insérer un titre au document", "Titre ?"; cancelled: no title), then
// the printer (ChoisitImprimante), then the title, an empty line and the lines; a printer
// that cannot be used is reported.
void ImprimeTexte(QWidget* parent, const QStringList& lignes);
