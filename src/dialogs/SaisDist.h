// "Distances entre 2 courbes": where the distance between two curves is drawn ("Début du
// tracé", "Fin du tracé") and whether the differences are normalised ("Ecarts normalisés :").
#pragma once

#include <QDialog>

class QComboBox;
class QLineEdit;
class QPushButton;

class TDist2 : public QDialog {
    Q_OBJECT

public:
    explicit TDist2(QWidget* parent = nullptr);
    // Both bounds must be numbers: otherwise the message, and the form stays open.
    void accept() override;

    QLineEdit* edDeb;
    QLineEdit* edFin;
    QComboBox* EcNorm;   // "oui", "non"
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the dialog on the curve's bounds; true on OK with both bounds and the choice.
bool SaisieDistances(QString& debut, QString& fin, bool& normalise, QWidget* parent = nullptr);
