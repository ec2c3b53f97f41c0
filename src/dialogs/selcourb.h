// "Sélection des courbes": the designation dialog. The first list holds the objects
// available in the source window, the second the objects selected; a click moves the
// selected available entries to the second list (each once), a click in the second list
// takes its entry back out. The source window is chosen in the first combo box ("Fenêtre
// courante" or a numbered window), the destination, for commands that create objects, in
// the second ("Fenêtre courante", "Nouvelle fenêtre" or a numbered window). The same dialog
// chooses texts, with other captions and without the window choosers.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

struct ParametresSelection {
    QString titre = QStringLiteral("Sélection des courbes");
    QString titreDisponibles = QStringLiteral("Courbes ou aires disponibles");
    QString titreSelectionnes = QStringLiteral("Courbes ou aires sélectionnées");
    // Between the lists, when no destination is offered ("------------->" when empty).
    QString libelle;
    // The windows the source chooser offers after "Fenêtre courante" (none: no chooser).
    QStringList fenetres;
    // The destination chooser is offered: "Fenêtre courante", "Nouvelle fenêtre", then the
    // windows.
    bool destination = false;
    // The entries available in source k (0: the current window, k: fenetres[k - 1]).
    std::function<QStringList(int source)> entrees;
};

class Tselectcrb : public QDialog {
    Q_OBJECT

public:
    explicit Tselectcrb(const ParametresSelection& parametres, QWidget* parent = nullptr);

    // The entries of the second list, in their order.
    QStringList choix() const;
    // 0 "Fenêtre courante", k the k-th window offered.
    int source() const;
    // 0 "Fenêtre courante", 1 "Nouvelle fenêtre", k >= 2 the (k - 1)-th window offered.
    int destination() const;

    // A click in the first list: each selected entry that the second list lacks is added.
    void ListBox1Click();
    // A click in the second list removes its entry.
    void ListBox2Click();
    // "&Sélectionner Tout": every available entry that the second list lacks is added.
    void BitBtn1Click();
    // "&Effacer Tout": the second list is emptied.
    void EffTTClick();
    // Another source window: its entries in the first list.
    void ComboBox1Change();

    QListWidget* ListBox1;
    QListWidget* ListBox2;
    QLabel* Label1;
    QComboBox* ComboBox1;
    QComboBox* ComboBox2;
    QPushButton* BitBtn1;
    QPushButton* EffTT;
    QPushButton* ButOK;
    QPushButton* ButAnnul;

private:
    std::function<QStringList(int)> entrees_;
};

// Runs the dialog: the entries chosen on "&Confirmer", none on cancel.
QStringList ChoisitPlusieurs(const ParametresSelection& parametres, QWidget* parent = nullptr);
