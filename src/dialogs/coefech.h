// "TFD : échantillonnage": how a curve is sampled for its discrete Fourier transform (from
// "Début :" to "Fin :" with 16 to 1024 points, the weighting window, zero filling) and which
// of the four result curves are drawn. Each change of the start, the end or the count shows
// the sampling frequency and the frequency step.
#pragma once

#include <QDialog>
#include <QString>
#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// What the dialog gives back.
struct EchantillonnageTFD {
    QString debut = QStringLiteral("-5");
    QString fin = QStringLiteral("5");
    int points = 256;
    int fenetre = 0;            // index of "Rectangulaire" ... "Blackman-Harris"
    bool zeros = false;         // zero filling
    std::array<bool, 4> courbes{true, false, false, false};   // module, phase, real, imaginary
};

class TcoefEchn : public QDialog {
    Q_OBJECT

public:
    explicit TcoefEchn(QWidget* parent = nullptr);
    // The start and end must be numbers with the start below the end, and one result curve
    // at least must be ticked; otherwise the message, and the form stays open.
    void accept() override;
    // "Fe = ... Hz" and "df =... Hz" while the start is below the end.
    void MontreFrequences();

    QLineEdit* EdDeb;
    QLineEdit* EdFin;
    QComboBox* CBnpts;      // "16" ... "1024"
    QComboBox* CBfenetre;   // "Rectangulaire" ... "Blackman-Harris"
    QCheckBox* CBzero;      // "zero filling"
    std::array<QCheckBox*, 4> CBcourbes;   // CBmodule, CBphase, CBreel, CBimag
    QLabel* LabFe;
    QLabel* LabDf;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the dialog from the choices given; true on OK with the choices made.
bool SaisieEchantillonnageTFD(EchantillonnageTFD& choix, QWidget* parent = nullptr);
