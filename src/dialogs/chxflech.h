// "Fléchage": the choice of the arrow ends of a curve (none, right end, left end, both).
#pragma once

#include <QDialog>
#include <QIcon>

class QToolButton;

// The picture of a choice (0 none, 1 right end, 2 left end, 3 both), for the buttons.
QIcon IconeFleche(int choix);

class Tchxflech : public QDialog {
    Q_OBJECT

public:
    explicit Tchxflech(QWidget* parent = nullptr);

    // The choice made (the one given until a button is pressed).
    int choix() const { return choix_; }
    void fixeChoix(int choix) { choix_ = choix; }

    // Every button: its choice, and the form closes with OK.
    void sbAucClick(int choix);

    QToolButton* sbAuc;
    QToolButton* sbDroite;
    QToolButton* sbGauche;
    QToolButton* sbDeux;

private:
    int choix_ = 0;
};
