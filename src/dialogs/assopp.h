// "Pilotage des paramètres": the personal parameters that take the abscissa and the
// ordinate of the first point of a data file.
#pragma once

#include <QDialog>

class QComboBox;

class TAssoPP : public QDialog {
    Q_OBJECT

public:
    // Both lists hold "aucun" and the names of every personal parameter; piloteX and piloteY
    // are selected (an unknown name selects "aucun").
    TAssoPP(const QString& piloteX, const QString& piloteY, QWidget* parent = nullptr);

    QString piloteX() const;
    QString piloteY() const;

    QComboBox* CBabscisse;
    QComboBox* CBordonnee;
};
