// "Liste (nuage) de points": the definition dialog of a list of points kept in a text file,
// one point per line, edited in the form's memo, which also defines the Bézier and B-spline
// curves of such a file and the chronicles (one ordinate per line) under their own
// captions; and the picker of a point label's position.
#pragma once

#include <QDialog>

#include "graph/fichiers/fichierstravail.h"

class GCCourbe;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TSaisieL : public QDialog {
    Q_OBJECT

public:
    explicit TSaisieL(QWidget* parent = nullptr);

    // The folder of the points files, with its final "/".
    QString dossier() const { return dossier_; }
    void fixeDossier(const QString& dossier);
    // Folder + the typed name, in which "\" separates folders as "/" does.
    QString cheminFichier() const;
    // Shows or hides the start and step fields (the kinds that have them).
    void montreDebutPas(bool visibles);
    // The file that the curve's document named, which the form offers: written back only
    // as EcritureAccordee allows.
    FichierDuDocument fichierDocument;

    // --- handlers
    // Checks the start and step fields when they are shown ("Erreur de syntaxe dans " and
    // the field's caption), then closes with the OK result, which the close query checks.
    void ButOKClick();
    // Loads the memo from the named file of the folder when it exists, unless the memo
    // holds points typed since it was last loaded.
    void NomficChange();
    // Picks a points file; its folder and name fill the form and its lines the memo.
    void BtEditClick();
    // Inserts at the caret "§" and the font fields of a font chosen in the font box (in the
    // colour of the default font).
    void insererClick();
    // Inserts at the caret the code of the label position chosen in the picker.
    void ajouterClick();
    void btstyleClick();
    void assoparClick();
    void ButcoulClick();
    void montreCouleur();

    // --- components
    QLineEdit* Nomfic;          // "Nom du fichier de points :"
    QPushButton* BtEdit;        // "&Editer"
    QLabel* LabelMemo;          // "Coordonnées des points :" ("Ordonnées des points :")
    QPlainTextEdit* Memo1;
    QLabel* LabelDebut;         // "1ère abscisse :"
    QLineEdit* Edebut;
    QLabel* LabelPas;           // "Pas :"
    QLineEdit* EdPas;
    QSpinBox* Edtempo;
    QComboBox* CBepais;
    QComboBox* CBStyle;
    QLabel* EdCoul;
    QPushButton* Butcoul;
    QCheckBox* CBbaton;         // "Coord. polaires"
    QPushButton* btstyle;
    QPushButton* assopar;
    QRadioButton* RBaucun;
    QRadioButton* RBparmanu;
    QRadioButton* RBparauto;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
    QMenu* popup;               // "inserer", "ajouter"
    // The kinds of file "&Editer" offers (a chronicle's data files first).
    QString filtreFichiers = QStringLiteral("fichiers texte (*.txt *.TXT);;tous (*)");

protected:
    // The close query with the OK result: the file needs a name that begins with a letter
    // and at least one line, then the memo is written to it; each failure keeps the form
    // open with its message. Cancel closes and writes nothing.
    void done(int resultat) override;


private:
    QString dossier_;
};

// The nine position buttons: each keeps its number in PositionEtiquette and closes the
// picker with the OK result.
class TPetiq : public QDialog {
    Q_OBJECT

public:
    explicit TPetiq(QWidget* parent = nullptr);
};

// The position code of a label for the button number: "hg", "h", "hd", "d", "bd", "b",
// "bg", "g" for 0 to 7; empty for any other.
QString CodePositionEtiquette(int numero);

// The edit operation of a list of points (or of a Bézier, B-spline or chronicle curve, with
// its step and first abscissa): fills the form from the curve (a new one in the points
// folder, else the folder, name and lines of its file), runs it and, on OK, stores the
// file's path and the drawing settings in the curve. The memo is written to the file
// by the form before it closes.
bool ModifieCourbeSaisieL(GCCourbe& courbe, bool nouvelle, QWidget* parent = nullptr);
void PrepareSaisieL(TSaisieL& fiche, const GCCourbe& courbe, bool nouvelle);
void LitSaisieL(TSaisieL& fiche, GCCourbe& courbe, bool nouvelle);
