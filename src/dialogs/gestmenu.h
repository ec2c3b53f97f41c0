// "Personnalisation du menu": the items of the main menu in a check list, one line each as
// the menu file writes them (indented by depth); a ticked line is shown, an unticked one
// hidden. Lines that must stay shown (the way back to the default menus) are ticked and
// cannot be unticked.
#pragma once

#include <QDialog>
#include <QSet>
#include <QStringList>

class QListWidget;
class QPushButton;

class Tgeremenu : public QDialog {
    Q_OBJECT

public:
    // lignes: the menu file's lines ("+" or "-", the indent, the caption); fixes: the
    // indices of the lines that stay ticked.
    Tgeremenu(const QStringList& lignes, const QSet<int>& fixes, QWidget* parent = nullptr);

    // The lines as the list now marks them.
    QStringList lignes() const;

    QListWidget* CLBmenu;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};
