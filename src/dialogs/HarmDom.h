// "Harmonisation des domaines de tracé": the first abscissa and the step of each of two
// curves, with buttons that copy one curve's value to the other.
#pragma once

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

class THarmoTr : public QDialog {
    Q_OBJECT

public:
    explicit THarmoTr(QWidget* parent = nullptr);

    std::array<QLineEdit*, 2> EdDebut;   // EdDeb1, EdDeb2
    std::array<QLineEdit*, 2> EdPas;     // EdPas1, EdPas2
    // Deb12, Pas12 copy the first curve's value to the second; Deb21, Pas21 the other way.
    QPushButton *Deb12, *Deb21, *Pas12, *Pas21;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the dialog on the start and step texts of both curves; true on OK with the texts as
// typed.
bool HarmoniseDomaines(std::array<QString, 2>& debuts, std::array<QString, 2>& pas, QWidget* parent = nullptr);
