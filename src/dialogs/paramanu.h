// "Saisie manuelle des paramètres": a grid of parameter texts, one row per parameter
// (a0=a ... a9=p). Two uses: the ten texts of one curve ("Valeurs des paramètres"), or the
// table of a manual family, one column per curve ("Courbe n°1"...), at most 20 curves.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QSpinBox;
class QTableWidget;

class Tparamanu : public QDialog {
    Q_OBJECT

public:
    // The ten texts of one curve; OK stores the cells back into them.
    explicit Tparamanu(std::array<QString, 10>* textes, QWidget* parent = nullptr);
    // A manual family, from and into the shared manual table.
    explicit Tparamanu(QWidget* parent = nullptr);

    // The number of columns follows the number of curves; new columns are filled from the
    // manual table, the cells already typed are kept.
    void EdNbcrbChange();
    // Every cell must compile: the first wrong one gives "Valeur a3 incorrecte !" (the
    // parameter's index) and the form stays open; otherwise the texts are stored.
    void ButOKClick();

    // Number of curves of a manual family (1..20).
    int nombreCourbes() const;

    QTableWidget* StringGrid1;
    QLabel* Label1;
    QSpinBox* EdNbcrb;
    QPushButton* ButOK;
    QPushButton* BitBtn1;

private:
    void construit();

    std::array<QString, 10>* textes_ = nullptr;
};

// The grid on the ten parameter texts of a curve; true (and the texts changed) on OK.
bool DialogueParametres(std::array<QString, 10>& textes, QWidget* parent = nullptr);
