// The frame's message boxes go through one function, so that a scripted answerer can stand
// in for the user (tests, where a modal box would block): when one is in place
// (etatCadre().repondeur), no box is shown and its answer is taken.
#pragma once

#include <QMessageBox>
#include <QString>

class RepondeurBoites {
public:
    virtual ~RepondeurBoites() = default;
    // The button the user would press (one of boutons).
    virtual QMessageBox::StandardButton repond(QMessageBox::Icon icone, const QString& texte,
                                               QMessageBox::StandardButtons boutons) = 0;
};

// A modal box with French buttons ("OK", "Oui", "Non", "Annuler"); its title names its kind
// ("Information", "Avertissement", "Erreur", "Confirmation"). Returns the button pressed;
// closing the box gives Annuler when it is offered, else Non, else OK.
QMessageBox::StandardButton BoiteMessage(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                         QMessageBox::StandardButtons boutons = QMessageBox::Ok,
                                         QMessageBox::StandardButton defaut = QMessageBox::NoButton);
