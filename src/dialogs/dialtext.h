// "Texte à insérer": the dialog of a label. It edits the text (label syntax, & macros), its
// orientation, its position (two world expressions, or two pixel integers when "en pixels"
// is ticked) and its font, with a preview redrawn at every change. The group "Affichage
// particulier" builds the macros of live values: a point of a curve (&num, &abs, &ord), the
// statistics of a curve, the measure of an area (&aire0), the definition texts of a curve
// (&lib1, &lib2); each "Insérer" puts its macro at the caret and the curve or area chosen
// becomes the one the macro shows. For the own label of a curve, the group "Décalage texte"
// takes its place: the gaps to the point and the side of the point.
#pragma once

#include <QDialog>
#include <QImage>
#include <QStringList>

#include "dialogs/etatsaisie.h"
#include "graph/base/GCclasse_base.h"

class GCDessin;
class GCListAires;
class GCRepere;
class GCTexte;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// What the dialog edits: a free text of a window, the own label of a curve, or another
// label (an axis title).
enum class UsageTexte { Libre, EtiquetteCourbe, Titre };

// The one-variable statistics lines, then the two-variable ones, as the list offers them.
QStringList LignesStatistiques(bool deuxVariables);

class Tdialogtxt;

// The preview: the label as it will be drawn, macros replaced, redrawn at every change.
class ApercuTexte : public QWidget {
public:
    ApercuTexte(Tdialogtxt& fiche, QWidget* parent);
    // Draws the label of the fields again.
    void rend();
    // False when the text breaks the label syntax.
    bool correct() const { return correct_; }
    // The last drawing.
    const QImage& image() const { return image_; }

protected:
    void paintEvent(QPaintEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    Tdialogtxt& fiche_;
    QImage image_;
    bool correct_ = true;
};

class Tdialogtxt : public QDialog {
    Q_OBJECT

public:
    // The form filled from the label.
    Tdialogtxt(const GCTexte& texte, UsageTexte usage, const ContexteTexte& contexte, QWidget* parent = nullptr);

    // The label takes the fields (and the curves and area chosen); false, with a message,
    // when a position field cannot be read (the label is then left as it was).
    bool ecritDans(GCTexte& texte) const;
    // "&Confirmer": closes with OK once the fields can be written.
    void accept() override;

    // The statistics list follows cbStatno, its first line selected.
    void cbStatnoChange();
    // Any change: the preview is drawn again, the "Insérer" buttons follow their choosers.
    void dhChange();
    // " &Changer la fonte", "C&ouleur".
    void Button1Click();
    void BtCouleurClick();
    // "en pixels": the position is converted through the window's frame.
    void CBPixelsClick();
    // The help topic of the group shown (28, 29 or 31).
    int sujetAide() const;

    // The label as the fields describe it (what the preview draws).
    void remplit(GCTexte& texte) const;

    QLineEdit* Edit1;
    QSpinBox* EdOrient;
    QLineEdit* EdX;
    QLineEdit* EdY;
    QCheckBox* CBPixels;
    QPushButton* Button1;
    QPushButton* BtCouleur;
    QLabel* LabFonte;
    QGroupBox* GBAffichage;
    QComboBox* CBPoint;
    QSpinBox* EdNoPoint;
    QComboBox* CBCrbPoint;
    QPushButton* BtPoint;
    QComboBox* cbStatno;
    QComboBox* LBStat;
    QComboBox* CBCrbStat;
    QPushButton* BtStat;
    QComboBox* CBAire;
    QPushButton* BtAire;
    QComboBox* CBLib;
    QComboBox* CBCrbLib;
    QPushButton* BtLib;
    QGroupBox* GBDecalage;
    QSpinBox* dh;
    QSpinBox* dv;
    QComboBox* CBCote;
    ApercuTexte* Apercu;
    QLabel* LabErreur;
    QPushButton* aide;
    QPushButton* ButOK;
    QPushButton* ButAnnul;

private:
    // The identifier (curve) or stamp (area) of a chooser's entry; empty for "Non".
    QString identifiantChoisi(const QComboBox* choix) const;
    bool positionLisible(QString* raison) const;

    UsageTexte usage_;
    ContexteTexte contexte_;
    Police fonte_;
    const GCTexte& source_;
};

// Runs the dialog on the label; true (and the label changed) when confirmed.
bool ModifieTexteDialogue(GCTexte& texte, UsageTexte usage, const ContexteTexte& contexte = {},
                          QWidget* parent = nullptr);
