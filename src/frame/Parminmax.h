// A form of the frame with a two-column grid, created at start and kept hidden.
#pragma once

#include <QDialog>

class QPushButton;
class QTableWidget;

class TParminmax : public QDialog {
    Q_OBJECT

public:
    explicit TParminmax(QWidget* parent = nullptr);

    QTableWidget* sgPar;
    QPushButton* BitBtn1;   // "&Annuler"
    QPushButton* ButOK;     // "&Confirmer"
};
