// "Choix d'un tracé": one entry chosen from a list. A click on an entry copies it into the
// edit line above the list; "&Confirmer" (or a double click) takes the selected entry. The
// callers change the caption: curves, areas, labels, processes, points.
#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;
class QPushButton;

class Tambigu : public QDialog {
    Q_OBJECT

public:
    // The entries in the list, the first one selected and shown in the edit line.
    Tambigu(const QString& titre, const QStringList& entrees, QWidget* parent = nullptr);

    // The selected entry's index, -1 when none.
    int indexChoisi() const;

    // A click on an entry: the edit line shows it.
    void ListBox1Click();

    QLineEdit* Edit1;
    QListWidget* ListBox1;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the chooser: the index of the entry chosen on "&Confirmer", -1 on cancel, with no
// entry selected or an empty list.
int ChoisitDansListe(const QString& titre, const QStringList& entrees, QWidget* parent = nullptr);

// The curve chooser of the graph objects ("Choix d'un tracé"), on this dialog.
void installeChoixTraceDialogue();
