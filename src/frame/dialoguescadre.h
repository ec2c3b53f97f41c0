// The frame's file dialogs and its window chooser, behind one interface so that tests can
// script the answers (a modal dialog would block them). The default one shows Qt's file
// dialogs and the chooser "Selection des fenêtres".
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

class DialoguesCadre {
public:
    virtual ~DialoguesCadre() = default;
    // The open dialog, several files at once: the chosen paths in the dialog's order; none
    // when cancelled.
    virtual QStringList choisitOuverture(QWidget* parent, const QString& dossier) = 0;
    // The save dialog of documents (it asks before replacing the chosen file): the chosen
    // path; empty when cancelled.
    virtual QString choisitEnregistrement(QWidget* parent, const QString& dossier) = 0;
    // The window chooser: the chosen entries in their order; none when cancelled.
    virtual QStringList choisitFenetres(QWidget* parent, const QStringList& entrees) = 0;
    // The open and save dialogs of personal-transformation files ("*.txt"): the chosen
    // path; empty when cancelled.
    virtual QString choisitTransfosOuverture(QWidget* parent, const QString& dossier) = 0;
    virtual QString choisitTransfosEnregistrement(QWidget* parent, const QString& dossier) = 0;
};

// The dialogs in place (etatCadre().dialogues), else Qt's.
DialoguesCadre& dialoguesCadre();

// The open dialog's filters: documents, document lists, every file (both cases of the
// extensions, since the dialogs may match them case-sensitively).
QStringList FiltresOuverture();
