// "Types de periodisation": how the pattern of a periodised curve repeats: type 1 the
// pattern itself (period L), type 2 the pattern then its mirror image (period 2L), type 3
// the pattern then its image by the central symmetry (period 2L). Each type has its picture;
// a click on a picture chooses it.
#pragma once

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;

class TTypePer : public QDialog {
    Q_OBJECT

public:
    explicit TTypePer(QWidget* parent = nullptr);
    // The chosen type, 0..2.
    int type() const;
    void fixeType(int type);

    QGroupBox* RGTypes;        // "Type n°1", "Type n°2", "Type n°3"
    QButtonGroup* Types;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the dialog with the type given (0..2; another value chooses type 1); true and the
// type changed on OK.
bool ChoisitTypePeriode(int& type, QWidget* parent = nullptr);
