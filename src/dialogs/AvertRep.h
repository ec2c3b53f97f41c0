// "Avertissement": before a transformation that keeps angles, in a frame that is not
// orthonormal: go on with the same frame, make the frame orthonormal first, or cancel.
#pragma once

#include <QDialog>

class QPushButton;

class TRepAvert : public QDialog {
    Q_OBJECT

public:
    // The results of the buttons.
    static constexpr int MemeRepere = 1;
    static constexpr int RepereOrthonorme = 7;

    explicit TRepAvert(QWidget* parent = nullptr);

    QPushButton* annul;   // "  &annuler ?"
    QPushButton* Orep;    // "continuer avec un repère &orthonormé ?"
    QPushButton* Mrep;    // "     continuer avec le &même repère ?     "
};

// Runs the warning: MemeRepere, RepereOrthonorme, or 0 for cancel.
int AvertitRepereNonNorme(QWidget* parent = nullptr);
