// The curve definition dialog ("Cartésienne en Y" and its variants): the definition texts,
// the domain, bounds and order, the imposed values, the drawing attributes, the parameter
// mode and the curve's name. The curve's own edit operation sets it up for its kind, fills
// it, runs it and reads it back; the dialog checks what was typed ("&Confirmer" keeps the
// form open while a field is wrong) and offers its aids (function insertion, initial
// conditions, point style, arrows, legend, piloting, imposed-values file).
#pragma once

#include <QDialog>
#include <QString>

#include "graph/fichiers/fichierstravail.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QToolButton;

class TsaisieY : public QDialog {
    Q_OBJECT

public:
    explicit TsaisieY(QWidget* parent = nullptr);

    // --- handlers
    // Checks every field in order (each failure shows its message and the checks go on);
    // with no error the form closes with the OK result.
    void ButOKClick();
    void ButAnnulClick();
    // Right-button press on Edlib1 or Edlib2: remembers the edit and opens the pop-up of
    // usual functions at pos (in the edit's coordinates), 15 pixels right and below.
    void Edlib1MouseDown(QLineEdit* edit, const QPoint& pos);
    // Inserts the text of the function of that code at the caret of the remembered edit.
    void valeurabsolue1Click(int code);
    // Appends the label of an existing curve to the remembered edit.
    void Libellexistant1Click();
    void CBaleaClick();
    void CBvalIClick();
    void ChargFicClick();
    void EdNomfChange();
    void CBconnectClick();
    void btstyleClick();
    void ButCIClick();
    void sbFlechClick();
    void assoparClick();
    void BtLegendClick();
    void ButcoulClick();

    // The edit that the function pop-up writes into (Edlib1 until Edlib2 is pressed).
    QLineEdit* editeMemorisee() const { return editeMemorisee_; }
    // Folder of the imposed-values file, with its final "/".
    QString dossierValeurs() const { return dossierValeurs_; }
    // The file of imposed values that the curve's document named, which the form offers:
    // written back only as EcritureAccordee allows.
    FichierDuDocument fichierDocument;
    void fixeDossierValeurs(const QString& dossier);
    // Shows the colour of CouleurEditee in EdCoul, and the arrow choice on sbFlech.
    void montreCouleur();
    void montreFleche();

    // Set by "&Confirmer" when a field is wrong, cleared by "&Annuler"; while it is set the
    // form refuses to close with the OK result.
    bool ErreurSaisieY = false;

    // --- components
    QGroupBox* GroupBox1;      // "Caractéristiques de la courbe"
    QLabel* lib1;
    QLineEdit* Edlib1;
    QLabel* lib2;
    QLineEdit* Edlib2;
    QLabel* Label1;            // "Domaine de tracé :"
    QLabel* Label2;            // "Début"
    QLineEdit* Edxmin;
    QLabel* Label3;            // "Fin"
    QLineEdit* Edxmax;
    QLabel* LabelBornes;       // "Bornes :"
    QLabel* LabelInf;          // "Inf"
    QLineEdit* EdBorni;
    QLabel* LabelSup;          // "Sup"
    QLineEdit* Edborns;
    QLabel* LabelOrdre;        // "Ordre  n="
    QComboBox* CBordre;
    QCheckBox* CBvalI;
    QComboBox* CBDens;

    QGroupBox* GroupBox2;      // "Caractéristiques du tracé"
    QLabel* Label4;            // "Pas du tracé :"
    QLineEdit* Edpas;
    QLabel* Label5;            // "Temporisation :"
    QSpinBox* Edtempo;
    QLabel* Label6;            // "Epaisseur :"
    QComboBox* CBepais;
    QLabel* Label7;            // "Style :" / "Type :"
    QComboBox* CBStyle;
    QComboBox* CBpnt;
    QLabel* Label9;            // "Couleur :"
    QLabel* EdCoul;
    QPushButton* Butcoul;
    QToolButton* sbFlech;
    QPushButton* btstyle;
    QPushButton* BtLegend;
    QCheckBox* CBbaton;
    QCheckBox* CBalea;
    QCheckBox* CBconnect;
    QCheckBox* CBVisible;

    QGroupBox* GroupBox3;      // "Paramètres"
    QRadioButton* RBaucun;
    QRadioButton* RBparmanu;
    QRadioButton* RBparauto;

    QGroupBox* GroupBox4;      // "Nom de la courbe"
    QLineEdit* EdNomCrb;

    QGroupBox* GrValimp;       // imposed values
    QLabel* Label10;           // "Nom du fichier :"
    QLineEdit* EdNomf;
    QLabel* Label11;           // "--> ( une par ligne) :"
    QPlainTextEdit* Memo1;
    QPushButton* ChargFic;

    QPushButton* ButCI;
    QPushButton* assopar;
    QPushButton* ButOK;
    QPushButton* ButAnnul;

    QMenu* fnPredef;           // pop-up of the definition texts

protected:
    // The close query: refuses the OK result while a check failed; with the imposed values
    // on, the file must be named, and the memo, when changed, is written to it (a failed
    // write keeps the form open). Cancel closes and writes nothing.
    void done(int resultat) override;
    void showEvent(QShowEvent* evenement) override;

private:
    void construit();
    void construitMenu();
    // Checks one text: compiles; false and the message otherwise (avecAide: its box also
    // offers the help on the predefined functions).
    bool verifieSyntaxe(QLineEdit* edit, const QString& message, bool avecAide = false);
    bool verifieNom();
    bool ecritValeursImposees();

    QLineEdit* editeMemorisee_ = nullptr;
    QString dossierValeurs_;
};

// The message of check 8 for a name of curve that formulas would call: empty when the name
// may be used.
QString RefusNomCourbe(const QString& nom);
