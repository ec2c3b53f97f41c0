// "Informations distances": two points A and B, the coordinates of the vector AB, the slope
// of the line (AB) and the distance AB, computed again at each change of a coordinate, and
// printed on request.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class Tinfodist : public QDialog {
    Q_OBJECT

public:
    Tinfodist(double xa, double ya, double xb, double yb, QWidget* parent = nullptr);

    // dx, dy, the slope and the distance from the four fields ("n.c." where a field does
    // not give a number).
    void Calcule();
    // What the form prints: the two points, then dx, dy, the slope and the distance under
    // their headings, as the form shows them.
    QStringList LignesImpression() const;
    // "&Imprimer": the lines on the printer chosen (a PDF file when none is installed).
    void ButImpClick();

    QLineEdit *EdXA, *EdYA, *EdXB, *EdYB;
    QLabel *LabDx, *LabDy, *LabPente, *LabDist;
    QPushButton* ButImp;
    QPushButton* ButOK;
};

// The slope dy/dx as the form writes it: "+infini", "-infini" or "+indéterminé" when dx is 0.
QString TextePente(double dx, double dy);

// Shows the form for the two points (modal).
void MontreDistances(double xa, double ya, double xb, double yb, QWidget* parent = nullptr);
