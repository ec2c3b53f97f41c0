// "Définition des opérations binaires": the two curves of an operation on two curves, each
// chosen from a window of its own, the window of the result ("Fenêtre courante", "Nouvelle
// fenêtre" or a numbered window) and the operation, one button each (the three distances
// behind "Distances"). For the inverse Fourier transform the two curves are the real and the
// imaginary parts and no operation is offered.
#pragma once

#include <QDialog>
#include <QStringList>
#include <array>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

struct ParametresOperBinaire {
    bool inverse = false;     // the inverse transform: "Partie réelle", "Partie imaginaire"
    QStringList fenetres;     // the windows offered after "Fenêtre courante"
    // The entries of the curves offered in window k (0: the current window, k: fenetres[k-1]).
    std::function<QStringList(int fenetre)> entrees;
};

class TDefopbin : public QDialog {
    Q_OBJECT

public:
    explicit TDefopbin(const ParametresOperBinaire& parametres, QWidget* parent = nullptr);

    // The window of each curve (0 the current one, k the k-th offered), and of the result
    // (0 the current one, 1 a new one, k >= 2 the (k-1)-th offered).
    int fenetre(int courbe) const;
    int destination() const;
    // Another window for a curve: its curves in the list; a click on one shows it chosen.
    void ComboBoxChange(int courbe);
    void ListBoxClick(int courbe);
    // An operation button: its tag becomes the operation chosen; "Distances" shows the three
    // distances.
    void OperationClick(int tag);
    void DistClick();

    int OperationBinaireChoisie = 1;   // the tag of the button pressed (operation code + 1)
    std::array<QComboBox*, 2> ComboBoxes;   // ComboBox1, ComboBox2
    std::array<QListWidget*, 2> ListBoxes;  // ListBox1, ListBox2
    std::array<QLineEdit*, 2> Edits;        // Edit1, Edit2: the curves chosen
    QComboBox* ComboBox3;                   // the window of the result
    QLabel* LabOperation;                   // the operation chosen
    std::array<QToolButton*, 16> Operations{};   // by tag - 1 (none for 11, the inverse transform)
    QToolButton* Dist;
    QPushButton* ButOK;
    QPushButton* ButAnnul;

private:
    std::function<QStringList(int)> entrees_;
};
