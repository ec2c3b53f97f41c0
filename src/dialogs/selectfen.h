// "Selection des fenêtres": the chooser of graph windows for saving and closing. The first
// list shows every window, the second the windows chosen, in the order of choosing.
#pragma once

#include <QDialog>
#include <QStringList>

class QListWidget;
class QPushButton;

class Tselectfen : public QDialog {
    Q_OBJECT

public:
    // entrees: one entry per window ("#" + number + ": " + caption); both lists start with
    // all of them.
    explicit Tselectfen(const QStringList& entrees, QWidget* parent = nullptr);

    // The entries of the second list, in their order.
    QStringList choix() const;

    // A click in the first list: each selected entry that the second list lacks is added at
    // its end.
    void ListBox1Click();
    // A click on an entry of the second list removes it.
    void ListBox2Click();
    // "Sélectionner Tout": the second list becomes a copy of the first.
    void SelectToutClick();

    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QPushButton* BtnTout;
    QPushButton* BtnConfirmer;
    QPushButton* BtnAnnuler;
};

// Runs the chooser: the chosen entries on "Confirmer", none on "Annuler" or closing.
QStringList ChoisitFenetresDialogue(const QStringList& entrees, QWidget* parent = nullptr);
