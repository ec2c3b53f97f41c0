// "Cacher / Visualiser des courbes": the hide/show dialog of the curves, areas or texts of a
// window. An object is listed ticked when it is hidden; ticking or unticking an item takes
// effect at once (the opener hides or shows the object and repaints), "&Sélectionner Tout"
// hides every listed object and "&Désélectionner Tout" shows every one. "&Terminer" closes
// with OK; the close box and Escape close with Cancel (the opener decides what that undoes).
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>
#include <vector>

class QComboBox;
class QListWidget;
class QPushButton;

class TVisuCach : public QDialog {
    Q_OBJECT

public:
    explicit TVisuCach(QWidget* parent = nullptr);

    // The objects listed and whether each is hidden (nothing is toggled by the filling).
    void remplit(const QStringList& entrees, const std::vector<bool>& caches);
    // Whether item i is ticked (hidden).
    bool coche(int i) const;

    // Item i was ticked (true: hide) or unticked.
    std::function<void(int, bool)> Bascule;
    // Another window was chosen in ComboBox1 (its index).
    std::function<void(int)> ChangeFenetre;

    void SelTtClick();
    void EffTTClick();

    QComboBox* ComboBox1;
    QListWidget* CLCrb;
    QPushButton* SelTt;
    QPushButton* EffTT;
    QPushButton* ButOK;

private:
    void toutMettre(bool cache);
    bool remplissage_ = false;
};
