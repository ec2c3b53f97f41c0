// "Saisie d'un processus dynamique": a two-dimensional iteration Xn+1 = f(x,y),
// Yn+1 = g(x,y), for an escape-time area (Julia or Mandelbrot set) or for a recurrence
// curve. The form holds the controls of both uses; whoever opens it hides those of the other
// use and fills the rest (PrepareProcessusAire for the areas). The colour group edits the
// 256-colour palette of the areas in a 16 x 16 grid, makes it periodic, and loads and saves
// palette files (".map") of the palette folder.
#pragma once

#include <QDialog>
#include <QString>

#include "graph/fichiers/palette.h"

class GCProcDyn;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;

// The 16 x 16 grid of the palette: cells of 15 pixels, entry 16 * row + column, a frame
// around the cell under the mouse; a click on a cell emits cliquee(entry).
class GrillePalette : public QWidget {
    Q_OBJECT

public:
    explicit GrillePalette(const Palette& palette, QWidget* parent = nullptr);
    static constexpr int Cote = 15;
    // The entry under a point of the widget, -1 outside the cells.
    static int EntreeSous(const QPoint& point);
    // The centre of the cell of an entry.
    static QPoint CentreEntree(int entree);
    int survolee() const { return survolee_; }

signals:
    void cliquee(int entree);

protected:
    void paintEvent(QPaintEvent*) override;
    void mouseMoveEvent(QMouseEvent* evenement) override;
    void mouseReleaseEvent(QMouseEvent* evenement) override;
    void leaveEvent(QEvent*) override;

private:
    const Palette& palette_;
    int survolee_ = -1;
};

class TsaisPrDyn : public QDialog {
    Q_OBJECT

public:
    explicit TsaisPrDyn(QWidget* parent = nullptr);

    // --- the palette
    const Palette& palette() const { return palette_; }
    void fixePalette(const Palette& palette);
    // Lists the ".map" files of the palette folder and selects the one of that name (any
    // case), or the first.
    void listePalettes(const QString& nomChoisi);
    // The file name selected in the list (empty when none).
    QString paletteChoisie() const;
    // Set by showEvent: load the palette selected in the list when the form shows (a new
    // area); an area edited again keeps its own colours until a file is clicked.
    bool ChargerAuDebut = true;

    // --- handlers
    // Loads the selected file, made periodic with the current period, and repaints.
    void MapListBoxClick();
    // The period committed (arrows, Enter, leaving the box): the palette is made periodic.
    void edperChange();
    // The colour dialog for an entry; on OK the entry and every entry n +- k * period.
    void DrawGrid1MouseUp(int entree);
    // Saves the palette as a ".map" file and lists it.
    void sauvPalClick();
    // Checks every field in order (each failure shows its message); with no error the form
    // closes with the OK result.
    void BitBtn2Click();
    // Right-button press on edLib1 or edLib2: remembers the edit and opens the pop-up.
    void edLib1MouseDown(QLineEdit* edit, const QPoint& pos);
    void AireJouM1Click();
    void CourbeN1Click();
    void Courbequelconque1Click();
    void valeurabsolue1Click(int code);

    // True when cells were changed since the palette was last loaded or saved.
    bool paletteModifiee() const { return paletteModifiee_; }
    // Set by "&Confirmer" when a field is wrong, cleared by "&Annuler".
    bool ErreurSaisieProcessus = false;

    // --- components
    QLabel* lib1;
    QLineEdit* edLib1;
    QLabel* lib2;
    QLineEdit* edLib2;
    QLabel* LabelVisibles;     // "Itérations visibles :"
    QLabel* LabelDebut;
    QLineEdit* Edxmin;
    QLabel* LabelFin;
    QLineEdit* Edxmax;
    QLabel* LabelCI;           // "Conditions initiales"
    QLabel* LabelXo;
    QLineEdit* EdBorni;
    QLabel* LabelYo;
    QLineEdit* Edborns;
    QLabel* LabelPas;          // "Nb d'itérations :"
    QLineEdit* Edpas;
    QLabel* LabelSeuil;
    QLineEdit* edSeuil;
    QComboBox* cbSstyp;
    QLabel* LabelEpais;
    QComboBox* CBepais;
    QComboBox* CBStyle;
    QComboBox* CBpnt;
    QLabel* LabelCoul;         // "Couleur du tracé :"
    QLabel* EdCoul;
    QCheckBox* CBconnect;
    QCheckBox* CBbaton;
    QPushButton* btStyle;
    QGroupBox* RGpara;
    QRadioButton* RBaucun;
    QRadioButton* RBparmanu;
    QRadioButton* RBparauto;
    QGroupBox* GroupeNom;
    QLineEdit* EdNomCrb;
    QGroupBox* gbCoul;         // "Couleurs"
    GrillePalette* DrawGrid1;
    QSpinBox* edper;
    QListWidget* MapListBox;
    QPushButton* sauvPal;
    QPushButton* BitBtn2;      // "&Confirmer"
    QPushButton* BitBtn1;      // "&Annuler"
    QMenu* fnPredef;

protected:
    void done(int resultat) override;
    void showEvent(QShowEvent* evenement) override;
    // A click on the colour box of a recurrence curve opens the colour dialog.
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construit();
    void construitMenu();
    bool verifieSyntaxe(QLineEdit* edit, const QString& message);

    Palette palette_{};
    bool paletteModifiee_ = false;
    QLineEdit* editeMemorisee_ = nullptr;
};

// The form set up for a Julia or Mandelbrot area and filled from it.
void PrepareProcessusAire(TsaisPrDyn& fiche, const GCProcDyn& aire, bool nouvelle);
// What the confirmed form gives to the area (a new area gets a new stamp); for a Julia set
// with manual parameters, the parameter grid on the area's ten texts.
void LitProcessusAire(TsaisPrDyn& fiche, GCProcDyn& aire, bool nouvelle);
// The dialog on the area, run; true when confirmed.
bool ModifieProcessusAire(GCProcDyn& aire, bool nouvelle, QWidget* parent = nullptr);
