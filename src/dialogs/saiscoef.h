// "Saisie des paramètres": the parameters p1..p6 of an operation on one curve, with the
// captions of the operation, and the option to keep them as a personal transformation under
// a name. SaisieParamOper sets the form up for an operation code, runs it, and gives back
// the parameters, the caption prefix of the new curve ("Opposée de ") and the summary of its
// parameters ("Sup = 1|Inf = -1").
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TSaisCoeff : public QDialog {
    Q_OBJECT

public:
    explicit TSaisCoeff(QWidget* parent = nullptr);

    // Checks the texts of the shown edits ("Premier coefficient : erreur de syntaxe." ...)
    // and, when the transformation is to be kept, its name; closes with OK when all is well.
    void ButOKClick();
    // Shows the name of the transformation while the box is ticked.
    void CBsvgClick();

    std::array<QLabel*, 6> Labels;     // Label1..Label6
    std::array<QLineEdit*, 6> Coefs;   // Coef1..Coef6
    QCheckBox* CBsvg;                  // "Sauvegarde de la transformation"
    QLabel* Label7;                    // "Sous quel nom ?"
    QLineEdit* Edsvg;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// The parameter dialog of operation code (or none, for the codes that take no parameter):
// p1..p6 in and out (the fixed parameters of the code are set too), the caption prefix and
// the summary out. False when the user cancelled (the prefix and summary are still set).
// Codes the dialog does not know change nothing and give true. A transformation kept under
// a name (only on OK) joins the personal transformations.
bool SaisieParamOper(int code, QString& prefixe, QString& resume, std::array<QString, 6>& p,
                     QWidget* parent = nullptr);

// The parameter dialog of an operation on two curves (codes 5, 9, 10, 11 and 15; the other
// codes take none and give true at once): p1..p3 in, and out on OK. The texts are checked on
// OK, their syntax and then what the code asks of them (RefusParametresBinaires): a refusal
// keeps the form open with its message; cancel leaves them as they were.
bool SaisieParamOperBinaire(int code, std::array<QString, 3>& p, QWidget* parent = nullptr);
