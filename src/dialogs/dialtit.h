// "Changement de titre": a one-line text with its prompt, for a window's title, a curve's
// name and the title of printed texts (the callers change caption and prompt). A text that
// the caller refuses keeps the form open with the reason.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// The reason why a text is refused (French), empty when it is accepted.
using RefusTexte = std::function<QString(const QString&)>;

class Tdialogtitre : public QDialog {
    Q_OBJECT

public:
    Tdialogtitre(const QString& titre, const QString& invite, const QString& texte, QWidget* parent = nullptr);

    // "&Confirmer": closes with OK unless Refus gives a reason, which is shown.
    void accept() override;

    RefusTexte Refus;
    QLabel* Label1;
    QLineEdit* Edit1;
    QPushButton* ButOK;
    QPushButton* ButAnnul;
};

// Runs the form; true and the text changed on OK.
bool SaisitTitre(QWidget* parent, const QString& titre, const QString& invite, QString& texte,
                 const RefusTexte& refus = {});

// Titles and names are written into one-line document fields that end with ";": "quoi ne peut
// contenir ni « ; » ni retour à la ligne." for a text that holds one, else empty.
QString RefusSeparateurs(const QString& texte, const QString& quoi);
