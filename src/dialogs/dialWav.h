// The two forms of the sound conversions: "courbe --> Wav" (the rate and format of the
// WAV file made from a curve, and whether to save it under a name of one's own) and
// "Wav --> Texte" (what a WAV file holds and the names of the text files made from it).
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TCrbToWav : public QDialog {
    Q_OBJECT

public:
    explicit TCrbToWav(QWidget* parent = nullptr);

    QComboBox* CbFreq;    // "11025 Hz", "22050 Hz", "44100 Hz"
    QComboBox* CBFmt;     // "Mono 8 bits", "Mono 16 bits", "Stéréo 8 bits", "Stéréo 16 bits"
    QCheckBox* CBSave;    // "&Sauvegarder"
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// What "courbe --> Wav" gives back.
struct ChoixWav {
    int frequence = 0;    // index of CbFreq
    int format = 0;       // index of CBFmt
    bool sauver = false;
};
// Runs the form with both lists at their first entry; true on OK.
bool SaisieCourbeVersWav(ChoixWav& choix, QWidget* parent = nullptr);

class TWavToTxt : public QDialog {
    Q_OBJECT

public:
    explicit TWavToTxt(QWidget* parent = nullptr);
    // The file's rate, mode and number of values, and the names proposed; the channel names
    // and their labels are available in stereo only.
    void Remplit(unsigned frequence, const QString& mode, long long valeurs, bool stereo, const QString& nom,
                 const QString& nomGauche, const QString& nomDroite);
    // An empty name keeps the form open with its message.
    void accept() override;

    QLabel* LFreq;
    QLabel* LMode;
    QLabel* LNb;
    QLineEdit* EdNom;
    QLabel* LabNomg;
    QLineEdit* Ednomg;
    QLabel* LabNomd;
    QLineEdit* Ednomd;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};
