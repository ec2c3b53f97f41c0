// "Saisie automatique des paramètres": for each parameter its initial value, increment
// and maximum value, from which a family of curves is made.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

class Tparaauto : public QDialog {
    Q_OBJECT

public:
    // The grid shows the shared initial values, increments and maxima.
    explicit Tparaauto(QWidget* parent = nullptr);

    // Each value must evaluate: "Valeur a2 incorrecte !", "Valeur maximale de a2
    // incorrecte !", "Valeur de l'incrément de a2 incorrecte !" keep the form open;
    // otherwise the three columns are stored.
    void ButOKClick();

    QTableWidget* StringGrid1;
    QPushButton* ButOK;
    QPushButton* BitBtn1;
};
