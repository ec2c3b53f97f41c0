// "Fonction implicite F(x,y)=0": the definition dialog of the curves given by an equation in
// x and y (implicit curves, lines, conics), with the settings of the root search
// ("Paramétrage des dichotomies") that their tracer uses.
#pragma once

#include <QDialog>
#include <array>

class GCI;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

class TSaisieI : public QDialog {
    Q_OBJECT

public:
    explicit TSaisieI(QWidget* parent = nullptr);

    // Shows the fields of one sub-type: the formula for 0, three coefficients and the
    // choice of the two line forms for 1 and 11, six coefficients for 2.
    void montreSousType(int sousType);
    // The sub-type chosen (0, 1, 11 or 2).
    int sousType() const;

    // --- handlers
    // Checks the visible texts in order, each failure with its message; with no error the
    // form closes with the OK result.
    void ButOKClick();
    void ButAnnulClick();
    // The root-search settings dialog on the program's settings.
    void ButSpecialClick();
    void Edlib1MouseDown(const QPoint& pos);
    void valeurabsolue1Click(int code);
    void CBconnectClick();
    void btstyleClick();
    void ButcoulClick();
    void montreCouleur();

    bool ErreurSaisie = false;

    // --- components
    QLabel* LabelLib1;          // "F(x,y)="
    QLineEdit* EdLib1;
    QGroupBox* typeq;           // "Equation cartésienne du type :"
    QRadioButton* RBconique;    // "Ax²+Bxy+Cy²+Dx+Ey+F=0"
    QRadioButton* RBdroite;     // "Ax+By+C=0"
    QRadioButton* RBdroite2;    // "Ax+By = C"
    std::array<QLabel*, 6> LabelsCoef;     // "Coefficient A" .. "Coefficient F"
    std::array<QLineEdit*, 6> EdCoef;      // EdCoefA .. EdCoefF
    QLabel* Label1;             // "Domaine de définition :"
    QLineEdit* Edxmin;          // "Début"
    QLineEdit* Edxmax;          // "Fin"
    QLabel* Label4;             // "Pas du tracé :"
    QLineEdit* Edpas;
    QSpinBox* Edtempo;
    QComboBox* CBepais;
    QLabel* Label7;             // "Style :" / "Type :"
    QComboBox* CBStyle;
    QComboBox* CBpnt;
    QLabel* EdCoul;
    QPushButton* Butcoul;
    QPushButton* btstyle;
    QCheckBox* CBconnect;
    QRadioButton* RBaucun;
    QRadioButton* RBparmanu;
    QRadioButton* RBparauto;
    QPushButton* ButSpecial;    // the root-search settings
    QPushButton* ButOK;
    QPushButton* ButAnnul;
    QMenu* fnPredef;

protected:
    void done(int resultat) override;

private:
    bool verifie(QLineEdit* edit, const QString& message);
};

// "Paramétrage des dichotomies": the five root-search settings. "&OK" refuses a text that
// does not give a number, precisions that are not above 0, a count of sub-intervals that
// is not a whole number from 1 to 100000, and an end that is not after the start.
class TDicho : public QDialog {
    Q_OBJECT

public:
    // Filled from the program's settings.
    explicit TDicho(QWidget* parent = nullptr);
    void ButOKClick();
    // Stores the fields into the program's settings (after a successful check).
    void stocke() const;

    QLineEdit* EdDeb;
    QLineEdit* EdFin;
    QLineEdit* EdNsi;
    QLineEdit* Edprecx;
    QLineEdit* Edprecy;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// The edit operation of kind I: fills the form from the curve, runs it and, on
// "&Confirmer", stores it (the equation of a line or conic rebuilt from its coefficients).
bool ModifieCourbeSaisieI(GCI& courbe, bool nouvelle, QWidget* parent = nullptr);
// Its two halves, for tests that drive the form without running it.
void PrepareSaisieI(TSaisieI& fiche, const GCI& courbe, bool nouvelle);
void LitSaisieI(TSaisieI& fiche, GCI& courbe, bool nouvelle);
