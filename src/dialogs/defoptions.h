// "Définition des paramètres optionnels": the options of the running program (temporary
// folder, session recording, number format, Epsilon and Zéro, the forms' colour, the zoom
// factor, pen lifting, label offsets, the curves' own labels shown or not). Confirmed, they
// take effect at once.
#pragma once

#include <QDialog>

#include "graph/base/GCclasse_base.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

class TDefOptions : public QDialog {
    Q_OBJECT

public:
    // Filled from the options in force.
    explicit TDefOptions(QWidget* parent = nullptr);

    // "&Valeurs par défaut": the fields back to the program's defaults (the temporary folder
    // stays the one in force).
    void ButDefautClick();
    // "&Confirmer": every field checked (a message naming the wrong one, and the form stays
    // open), the temporary folder made and its working folder moved there ("Répertoire de
    // sauvegarde impossible à créer !" otherwise), then the options stored.
    void accept() override;

    QTabWidget* Pages;
    QLineEdit* EdTemp;
    QCheckBox* cbSession;
    QLineEdit* EdManti;
    QLineEdit* EdDeci;
    QLineEdit* EdEps;
    QLineEdit* EdZero;
    QLabel* LaCouleur;
    QPushButton* SBCouleur;
    QLineEdit* Edfg;
    QCheckBox* cbLever;
    QLineEdit* edDH;
    QLineEdit* edDV;
    QCheckBox* cbEtiq;   // the curves' own labels shown
    QPushButton* ButDefaut;

private:
    TCouleur couleur_ = 0;
};
