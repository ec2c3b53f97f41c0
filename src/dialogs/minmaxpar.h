// "Variations du paramètre a" (the letter of the parameter): its minimum, maximum, step and
// current value, and "Restaurer les valeurs initiales".
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TMinMaxPar : public QDialog {
    Q_OBJECT

public:
    // Parameter indice (0..9) as it stands; its value only shown when lectureSeule.
    TMinMaxPar(int indice, bool lectureSeule, QWidget* parent = nullptr);

    // Every field must evaluate ("Valeur incorrecte !" on the first that does not, the form
    // stays open), the minimum below the maximum and the step not zero; then the value
    // (also as the start of automatic families), the range and the step are stored.
    void ButOKClick();
    // The range, step and value the parameter had when the variation bar opened.
    void Button1Click();

    QLineEdit* Edit1;   // minimum
    QLineEdit* Edit2;   // maximum
    QLineEdit* Edit3;   // step
    QLineEdit* edval;   // current value
    QPushButton* Button1;
    QPushButton* ButOK;
    QPushButton* ButAnnuler;

private:
    int indice_;
};

// The dialog on parameter indice; true when confirmed (the values are then stored).
bool ModifieMinMaxParametre(QWidget* parent, int indice, bool lectureSeule);
