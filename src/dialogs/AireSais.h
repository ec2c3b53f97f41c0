// "Saisie des contraintes": the dialog of an area defined by a system of inequations, one
// relation per line ("x^2+y^2<=1", "y>x", "x<!y"), with its name, its coordinates
// (rectangular or polar), its fill (colour, brush style, superposition mode) and the choice
// of a family of areas by parameters. "&Confirmer" checks the name and every relation with
// the area parser and keeps the form open on a fault (the parser's message names the line).
// The transformed areas use it for their name and fill only (no relations, no coordinates).
#pragma once

#include <QDialog>

class GCAire;
class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

// The fill preview: the area colour in the brush style.
class ApercuRemplissage : public QWidget {
public:
    explicit ApercuRemplissage(QWidget* parent = nullptr);
    void fixe(const QColor& couleur, int style);
    QColor couleur() const { return couleur_; }
    int style() const { return style_; }

protected:
    void paintEvent(QPaintEvent*) override;
    QSize sizeHint() const override { return {60, 40}; }

private:
    QColor couleur_ = Qt::yellow;
    int style_ = 0;
};

// The fill fields that the area and plate forms share: "Superposition :" (the copy modes),
// "Style :" (the brush styles), then the preview and its "C&ouleur" button, added as rows of
// the form and wired: the style chosen and the colour picked show in the preview.
struct ChampsRemplissage {
    QComboBox* CBSuper;
    QComboBox* CBStyle;
    ApercuRemplissage* Shape1;
    QPushButton* BtCoul;
};
ChampsRemplissage AjouteChampsRemplissage(QWidget* fiche, QFormLayout* champs, int mode, const QColor& couleur,
                                          int style);

class TSaisAire : public QDialog {
    Q_OBJECT

public:
    // The form filled from the area (nouvelle: a definition, where an automatic family may
    // be asked for).
    TSaisAire(GCAire& aire, bool nouvelle, QWidget* parent = nullptr);

    // The constraint lines of the memo, blank lines left out.
    QStringList contraintes() const;
    // "&Confirmer": the area takes the fields when they are right (GCAire::ConfirmeSaisie),
    // and the form closes with OK; otherwise the form stays open.
    void accept() override;
    // "C&ouleur": the colour dialog; the preview takes the colour chosen.
    void BtCoulClick();

    QLineEdit* EdNom;
    QLabel* LabCoord;
    QComboBox* CBCoord;
    QComboBox* CBSuper;
    QComboBox* CBStyle;
    ApercuRemplissage* Shape1;
    QPushButton* BtCoul;
    QPlainTextEdit* LstCtrnt;
    QRadioButton* RBaucun;
    QRadioButton* RBmanuels;
    QRadioButton* RBautomatiques;
    QPushButton* ButOK;
    QPushButton* ButAnnul;

private:
    GCAire& aire_;
    bool nouvelle_;
};

// The area's definition through the form; true when confirmed. The parameter choice goes to
// the shared state of the definition dialogs; an existing area with manual parameters then
// gets the parameter grid on its ten texts.
bool ModifieAireSaisie(GCAire& aire, bool nouvelle, QWidget* parent = nullptr);
