// "Collage de l'image": how the background picture meets the window. "Taille de l'image"
// (ImgLarg, ImgHaut, the picture's size, which may be typed over), "Taille de la fenêtre"
// (FenLarg, FenHaut, shown), "Ajuster l'image à la fenêtre" (CBAjust, ticked at first) and
// "Ajuster la fenêtre à l'image" (CBChng).
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

class TOptColImg : public QDialog {
    Q_OBJECT

public:
    explicit TOptColImg(QWidget* parent = nullptr);
    // With "Ajuster la fenêtre à l'image", both picture sizes must be whole numbers from 1
    // up: otherwise the message, and the form stays open.
    void accept() override;

    QLineEdit* ImgLarg;
    QLineEdit* ImgHaut;
    QLineEdit* FenLarg;
    QLineEdit* FenHaut;
    QCheckBox* CBAjust;
    QCheckBox* CBChng;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

struct CollageImage {
    int largeurImage = 0, hauteurImage = 0;       // in: the picture's size
    int largeurFenetre = 0, hauteurFenetre = 0;   // in: the window's client size
    bool etire = true;                            // out: stretched over the window
    // out: the window's client size to take (the sizes typed under "Taille de l'image").
    bool ajusteFenetre = false;
    int largeur = 0, hauteur = 0;
};

// Runs the dialog; true on OK with the choices.
bool SaisitCollageImage(CollageImage& collage, QWidget* parent = nullptr);
