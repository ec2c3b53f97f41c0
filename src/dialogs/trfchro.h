// "Transfert en chronique(s)": the first abscissa and the step of the chronicles made from a
// curve's points, and which of its coordinates become chronicles (the ordinates, the
// abscissae or both).
#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TtrfChro : public QDialog {
    Q_OBJECT

public:
    explicit TtrfChro(QWidget* parent = nullptr);

    QLabel* labnom;        // "de :" then the curve's name
    QLineEdit* edDeb;      // "1ère abscisse :"
    QLineEdit* EdPas;      // "Pas :"
    QCheckBox* CBord;      // "transfert des ordonnées"
    QCheckBox* CBabs;      // "transfert des abscisses"
    QPushButton* ButOK;
    QPushButton* ButAnnul;

protected:
    // "&Confirmer" closes only when the first abscissa computes and the step computes to a
    // value above 0 (otherwise the message, and the form stays open).
    void done(int resultat) override;
};
