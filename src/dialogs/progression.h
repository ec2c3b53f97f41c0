// The box that a long computation shows once it has run a while: what is done, in a modal
// box in which Échap (or its button "Interrompre") asks the computation to stop.
#pragma once

#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

class BoiteProgression {
public:
    // The box is made at the first montre, with that object name and title.
    BoiteProgression(QWidget* parent, QString nomObjet, QString titre);
    ~BoiteProgression();
    BoiteProgression(const BoiteProgression&) = delete;
    BoiteProgression& operator=(const BoiteProgression&) = delete;

    // Shows faites out of total with that text, lets the box's own events through, and
    // answers false once the user asked to stop. A total of 0: work whose end is not known,
    // the bar only shows it goes on.
    bool montre(int faites, int total, const QString& texte);
    // The title of the box from now on (one box may follow several computations).
    void FixeTitre(const QString& titre);

private:
    QWidget* parent_;
    QString nomObjet_, titre_;
    std::unique_ptr<QProgressDialog> boite_;
};
