// "Modifier des plaques polygonales": the fill of polygonal plates, their copy mode, brush
// style and colour, shown on a preview.
#pragma once

#include <QDialog>
#include <memory>
#include <vector>

#include "dialogs/AireSais.h"

class GCA;

class TPlaqpoly : public QDialog {
    Q_OBJECT

public:
    explicit TPlaqpoly(QWidget* parent = nullptr);
    // The fields from a plate: copy mode, brush style, colour.
    void Prepare(const GCA& plaque);
    // The fields into a plate.
    void Applique(GCA& plaque) const;

    QComboBox* CBSuper;
    QComboBox* CBStyle;
    ApercuRemplissage* Shape1;
    QPushButton* BtCoul;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// The form preset from the first plate; on "&Confirmer" every plate takes its fill. True
// when confirmed (false, with nothing changed, for an empty list).
bool ModifiePlaques(const std::vector<GCA*>& plaques, QWidget* parent = nullptr);
