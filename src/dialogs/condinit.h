// "Conditions initiales": the initial values of a differential equation, one row each
// (Xo, Yo, Y'o, Y''o, Y(3)o...), checked and copied into the shared initial conditions.
#pragma once

#include <QDialog>

class QTableWidget;
class QPushButton;

class TCondInit : public QDialog {
    Q_OBJECT

public:
    // lignes rows (at most 11), filled from etatSaisie().ConditionsInitiales.
    explicit TCondInit(int lignes, QWidget* parent = nullptr);

    // Every value must compile ("Valeur n° 2=... incorrecte !" and the form stays open);
    // then the texts go to the shared initial conditions in row order and the form closes.
    void ButOKClick();

    QTableWidget* StringGrid1;
    QPushButton* ButOK;
};

// Row title i (0-based): "Xo", "Yo", "Y'o", "Y''o", "Y(3)o" ... "Y(8)o".
QString TitreConditionInitiale(int i);
