// "Zoom automatique": the factor of a zoom and its centre, three expression texts that the
// opener evaluates.
#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

class TCoeffZoom : public QDialog {
    Q_OBJECT

public:
    explicit TCoeffZoom(QWidget* parent = nullptr);

    QLineEdit *EdCoef, *EdXo, *EdYo;
    QPushButton *ButOK, *ButAnnul;
};

// Runs the form (factor "10", centre "0", "0"); true on "&Confirmer" with the three texts.
bool SaisitZoom(QString& facteur, QString& xo, QString& yo, QWidget* parent = nullptr);
