// "Style des points": shape, size, fill and angle of the marker drawn at a curve's points,
// with a preview.
#pragma once

#include <QDialog>

#include "graph/base/GCclasse_base.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class QSpinBox;
class QWidget;

class Tstylept : public QDialog {
    Q_OBJECT

public:
    // Edits a copy of the marker; lit() gives the choices.
    explicit Tstylept(const GCPoint& point, QWidget* parent = nullptr);

    // The marker as chosen (the point's other attributes kept).
    void lit(GCPoint& point) const;

    void cbTypeChange();
    void cbRempliClick();
    void edcoulClick();

    QComboBox* cbType;
    QComboBox* cbTaille;
    QCheckBox* cbRempli;
    QPushButton* edcoul;
    QSpinBox* edangle;
    QWidget* visu;       // preview, in the group "Aperçu"
    QPushButton* ButOK;
    QPushButton* ButAnnul;

private:
    void montreCouleur();

    GCPoint point_;
};
