// "Barres d'outils": which of the frame's bars are shown, the warnings panel allowed, the
// status bar shown. The opener presets the boxes and applies them on OK.
#pragma once

#include <QDialog>

class QCheckBox;
class QPushButton;

class TBarOutils : public QDialog {
    Q_OBJECT

public:
    explicit TBarOutils(QWidget* parent = nullptr);

    QCheckBox* CBstand;     // "Standard"
    QCheckBox* CBope1;      // "Opérations sur 1 courbe"
    QCheckBox* CBtransfo;   // "Transformations géométriques"
    QCheckBox* CBsupp;      // "Transformations supplémentaires"
    QCheckBox* CBAvert;     // "Avertissements"
    QCheckBox* CBetat;      // "Barre d'état"
    QPushButton* ButOK;     // "&OK"
    QPushButton* ButAnnul;  // "&Annuler"
};
