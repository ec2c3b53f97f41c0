// "Fonctions auxiliaires": the texts of F0..F9 of a window in a grid, checked on
// "&Confirmer", loaded from and saved to ".aux" files. Closing it otherwise changes nothing.
#pragma once

#include <QDialog>

#include "graph/fichiers/fichieraux.h"

class QPushButton;
class QTableWidget;

class TFnauxi : public QDialog {
    Q_OBJECT

public:
    explicit TFnauxi(const TextesAux& textes, QWidget* parent = nullptr);

    // The ten texts of the grid, an empty cell as "0".
    TextesAux textes() const;
    // "&Confirmer": every text must compile ("Expression F4 = x+ incorrecte !" for each one
    // that does not, and the form stays open).
    void accept() override;
    // "&Charger": a ".aux" file into the grid (a refused file leaves the grid as it was).
    void ButLoadClick();
    // "&Sauver": the grid as a ".aux" file, ten lines.
    void ButsaveClick();

    QTableWidget* StringGrid1;
    QPushButton* ButOK;
    QPushButton* ButLoad;
    QPushButton* Butsave;
    QPushButton* ButAnnul;

private:
    void remplit(const TextesAux& textes, int nombre = 10);
};
