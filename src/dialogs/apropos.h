// "A propos...": the program's name and version.
#pragma once

#include <QDialog>

class QLabel;

// The program's version, shown in the frame's caption and the about box.
inline const char* const VersionVirk = "4.26";

class TApropos : public QDialog {
    Q_OBJECT

public:
    explicit TApropos(QWidget* parent = nullptr);
    QLabel* LaVersion;
};
