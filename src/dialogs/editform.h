// "Editeur": the text editor and viewer of the program (histories, curve labels and
// errors, units, the comments of a window). Its caption is the name of the file the text
// belongs to: "SansNom.txt" while it has none, and a save then asks for one.
#pragma once

#include <QDialog>
#include <QStringList>
#include <functional>

class QPlainTextEdit;
class QPushButton;

class TEditForm : public QDialog {
    Q_OBJECT

public:
    explicit TEditForm(QWidget* parent = nullptr);

    // The text of that file (its caption), not modified.
    void ouvre(const QString& fichier, const QStringList& lignes);
    // The file the text belongs to (the caption).
    QString fichier() const { return windowTitle(); }
    // True once the text was saved under a real name while the editor was shown.
    bool enregistre() const { return enregistre_; }
    // A viewer only: the text cannot be changed and the cut, paste and save buttons are
    // hidden.
    void lectureSeule();

    // "Sauver": written to the caption's file; "SansNom.txt" first asks for a name
    // (cancelled: nothing is written, the caption stays). A failure is reported. True when
    // written.
    bool SBSauverClick();
    // "Imprimer": a title asked, then the print dialog; the title, an empty line and the
    // text, on as many pages as they need.
    void SBImprimerClick();
    // Closing with changes: "Enregistrer les modifications de <file>?": Oui saves (the
    // editor stays open when the save does not happen), Non closes, Annuler stays.
    void reject() override;

    // The reason why a name chosen in the save dialog is refused (French; empty when it is
    // accepted): nothing is written and the editor stays open.
    std::function<QString(const QString&)> RefusNom;

    QPlainTextEdit* Editor;
    QPushButton* SBCouper;
    QPushButton* SBCopier;
    QPushButton* SBColler;
    QPushButton* SBSauver;
    QPushButton* SBImprimer;
    QPushButton* SBFermer;

private:
    bool enregistre_ = false;
};

// The name of a text that has no file yet.
inline QString SansNom()
{
    return QStringLiteral("SansNom.txt");
}

// The editor on lines that belong to no file (caption "SansNom.txt" unless titre names
// one), modal; fixe: a viewer only.
void MontreTexte(QWidget* parent, const QString& titre, const QStringList& lignes, bool fixe);
