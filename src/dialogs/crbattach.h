// "Courbes et point associés": which curves to attach to a point of a curve (tangent,
// normal, osculating circle, centre of curvature).
#pragma once

#include <QDialog>
#include <array>

class QCheckBox;
class QPushButton;

class TAttachCrb : public QDialog {
    Q_OBJECT

public:
    explicit TAttachCrb(QWidget* parent = nullptr);

    QCheckBox *cbTg, *cbNorm, *cbCercle, *cbCentre;
    QPushButton *ButOK, *ButAnnul;
};

// Runs the form; true on "&Confirmer", with the four boxes in that order (tangent, normal,
// circle, centre).
bool ChoisitCourbesAttachees(std::array<bool, 4>& choix, QWidget* parent = nullptr);
