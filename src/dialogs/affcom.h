// "Commentaires et/ou questions": a text file shown in a window (the comments of a
// document, the explanations of the mouse's input modes), which can be printed. Its box "Ne plus
// afficher ce message." is shown only where the caller offers it.
#pragma once

#include <QDialog>
#include <QStringList>

class QCheckBox;
class QPlainTextEdit;
class QPushButton;

class TQCForm : public QDialog {
    Q_OBJECT

public:
    explicit TQCForm(QWidget* parent = nullptr);

    // The lines shown, caret at the start, not modified; with caseMessage, the box
    // "Ne plus afficher ce message." shown and unticked.
    void montre(const QStringList& lignes, bool caseMessage);
    void SBPrintClick();

    QPlainTextEdit* Qmemo;
    QPushButton* SBPrint;
    QCheckBox* cbMess;
    QPushButton* Exit;
};

// Shows the lines in the form, modally; false when the box "Ne plus afficher ce message."
// was ticked (the caller stops showing that text).
bool AfficheTexteQC(QWidget* parent, const QStringList& lignes, bool caseMessage);

// One of the texts that ship with the program (the explanations of the mouse's input modes,
// by file name: "PtMess.txt"...) shown in the form with its box "Ne plus afficher ce
// message."; false when the box was ticked. A text the program lacks is said (name +
// " : Fichier introuvable!") and gives true.
bool AfficheFichierTexte(QWidget* parent, const QString& nom);
