// "Points particuliers sur une courbe": which particular points of a curve to mark (lowest
// or highest ordinate, ordinate of rank N, mean point), with N for the third kind.
#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TPPtip : public QDialog {
    Q_OBJECT

public:
    explicit TPPtip(QWidget* parent = nullptr);
    // N is shown exactly when "Ordonnée de rang N" is chosen.
    void CBtypeChange();

    QComboBox* CBtype;
    QLabel* LabN;
    QLineEdit* EdN;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the dialog with the kind given (1..4) and N (p1); on OK true, the kind chosen, the
// caption prefix of the new curves and, for kind 3, N as typed.
bool SaisiePointsParticuliers(int& genre, QString& prefixe, QString& p1, QWidget* parent = nullptr);
