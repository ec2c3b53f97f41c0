// "Repérage": the frame of a graph window edited on six tabs: the options (orthonormal,
// polar, projective view), each axis (range, scale kind, line, lateral position, unit
// vector), the colours, and the two grids (steps, first graduation, lines, graduation font
// and number style, unit name, legend). The horizontal grid belongs to the y axis, the
// vertical one to the x axis. "&OK" checks every field in a fixed order; a refusal is shown
// and keeps the form open.
#pragma once

#include <QDialog>
#include <memory>

#include "graph/base/GCclasse_base.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class GCRepere;

class TReperage : public QDialog {
    Q_OBJECT

public:
    // The tabs, in order.
    enum Page { PageOptions, PageAxeX, PageAxeY, PageCouleurs, PageGrilleH, PageGrilleV };

    explicit TReperage(QWidget* parent = nullptr);
    ~TReperage() override;

    // Every control from the frame (the legends with their macros replaced).
    void Remplit(const GCRepere& repere);
    // Every control into the frame; the bounds are evaluated again only where their texts
    // changed.
    void Stocke(GCRepere& repere) const;
    void MontrePage(int page);

    // The checks of "&OK" (btrepokClick); the form closes only when they all pass.
    void accept() override;

    // Reactions of the form.
    void CBPolClick();
    void cbOrthoClick();
    void CBdirChange(bool axeX);
    void EdminChange(bool axeX);
    // The confirmation of a small step; true on yes.
    bool ConfirmePas(const QString& pas, double largeur);

    // One axis's controls (X then Y) and one grid's (horizontal: y; vertical: x).
    struct ControlesAxe {
        QLineEdit *min, *max;
        QComboBox *echelle, *epaisseur, *style;
        QCheckBox *visible, *lateral, *vecteur;
        QSpinBox* decalage;
    };
    struct ControlesGrille {
        QLineEdit *pas1, *pas2, *debut, *unite, *legende;
        QComboBox *style, *epaisseur, *format;
        QCheckBox *visible, *graduation;
        QPushButton *fonte, *boutonLegende;
        QLabel* exemple;
    };

    QTabWidget* Pages;
    QCheckBox *cbOrtho, *CBPol;
    QLineEdit *Edho, *Eddo, *Edyo;
    ControlesAxe AxeX, AxeY;
    ControlesGrille GrilleH, GrilleV;
    QPushButton *ButCoulAxX, *ButCoulAxY, *ButCoulGrH, *ButCoulGrV;
    QLabel *EdCoulX, *EdCoulY, *EdCoulGrH, *EdCoulGrV;
    QPushButton *BtrepOK, *BtAnnul;

private:
    QWidget* pageAxe(ControlesAxe& c, bool axeX);
    QWidget* pageGrille(ControlesGrille& c, bool horizontale);
    void titresGrilles();
    void montrePas(bool axeX);
    void choisitCouleur(TCouleur& couleur, QLabel* boite);
    void choisitFonte(bool horizontale);
    void editeLegende(bool horizontale);
    bool verifie();

    TCouleur couleurs_[4] = {};  // axis x, axis y, horizontal grid, vertical grid
    Police fontes_[2];           // graduation font of the horizontal and the vertical grid
    std::shared_ptr<GCTexte> titres_[2];  // edited copies of the y and the x title
    double largeurX_ = 0, largeurY_ = 0;  // ranges read by the checks
};

// The frame dialog on that tab; true when "&OK" closed it (the frame is then changed).
bool ModifieRepereDialogue(GCRepere& repere, int page, QWidget* parent = nullptr);
