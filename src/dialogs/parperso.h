// The personal parameters: "Paramètres personnels" lists them and adds, changes and binds
// them to keys; "Ajouter un paramètre" / "Modifier un paramètre" (TdefPar) edits one;
// "Associer un paramètre à une touche du clavier" (TAssoPar) picks its key.
#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class TdefPar : public QDialog {
    Q_OBJECT

public:
    explicit TdefPar(const QString& titre, QWidget* parent = nullptr);

    // Run by OK: the reason why the fields are refused (French), or empty to close.
    std::function<QString()> Verifie;
    void accept() override;

    QLineEdit* EdNom;
    QLineEdit* EdValeur;
    QLineEdit* EdMin;
    QLineEdit* EdPas;
    QLineEdit* EdMax;
};

class TAssoPar : public QDialog {
    Q_OBJECT

public:
    // The parameter's name shown, its key (0 for none) preset.
    TAssoPar(const QString& nom, char touche, QWidget* parent = nullptr);

    // 'A'..'Z', or 0 for no key.
    char touche() const;

    QLineEdit* EdTouche;
    QList<QPushButton*> Touches;   // A..Z, then "Aucune"
};

class Tparperso : public QDialog {
    Q_OBJECT

public:
    explicit Tparperso(QWidget* parent = nullptr);

    // One line per parameter: name = value, and its key in brackets when it has one.
    void remplit();
    // Add, change, bind: with no line chosen, Modifier and Associer take the first one.
    void btAjoutClick();
    void btModifClick();
    void btAssocClick();

    QListWidget* ListBox1;
    QPushButton* btAjout;
    QPushButton* btModif;
    QPushButton* btAssoc;
    QPushButton* btFermer;

private:
    int ligneChoisie() const;
};

// "Modifier un paramètre" on parameter i (its name read-only); true when changed.
bool ModifieParametrePerso(QWidget* parent, int i);
