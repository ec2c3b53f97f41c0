// What the definition dialogs share with the commands that open them: the parameter
// choices of the last dialog (none, manual, automatic), the two parameter grids, the
// initial conditions, the marker, arrows, piloting and legend being edited, and the boxes
// that the dialogs ask the system for (files, colours, an existing label), which tests
// replace with scripted ones.
#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <array>
#include <memory>

#include "graph/base/GCclasse_base.h"

class QWidget;
class GCDessin;
class GCListAires;
class GCRepere;
class GCTexte;

// The window whose curves and areas the text dialog offers, and whose frame converts a
// label's position when "en pixels" is ticked or unticked. Any of them may be null.
struct ContexteTexte {
    const GCDessin* dessin = nullptr;
    const GCListAires* aires = nullptr;
    const GCRepere* repere = nullptr;
};

constexpr int NbCourbesManuelles = 20;   // rows of the manual parameter table

class BoitesSaisie;

struct EtatSaisie {
    EtatSaisie();
    // Options "automatiques" and "manuels" of the last definition dialog.
    bool ChoixParametresAuto = false;
    bool ChoixParametresManuels = false;
    // Columns of the automatic grid, for a, b, c, d, g, h, k, l, m, p.
    std::array<double, 10> ValeurInitialeParametre{};
    std::array<double, 10> IncrementAutoParametre{};
    std::array<double, 10> MaximumAutoParametre{};
    // The step of each parameter on the keyboard and the variation bar.
    std::array<double, 10> PasParametre{0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05};
    // The range of each parameter on the variation bar, and what "Restaurer les valeurs
    // initiales" puts back (the range and values set when the bar opened, the first step).
    std::array<double, 10> MinimumParametre{-5, -5, -5, -5, -5, -5, -5, -5, -5, -5};
    std::array<double, 10> MaximumParametre{5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    std::array<double, 10> MinimumInitialParametre{-5, -5, -5, -5, -5, -5, -5, -5, -5, -5};
    std::array<double, 10> MaximumInitialParametre{5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    std::array<double, 10> PasInitialParametre{0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05, 0.05};
    std::array<double, 10> ValeurDepartParametre{};
    // Row r: the ten parameter texts of the r-th curve of a manual family.
    std::array<std::array<QString, 10>, NbCourbesManuelles> ParametresManuels;
    // Xo, Yo, Y'o, Y''o... of the last differential equation dialog.
    std::array<QString, 11> ConditionsInitiales;
    // Being edited by the curve dialog: the marker, the arrow ends (0 none, 1 end, 2 start,
    // 3 both), the colour, the piloting of the first point, the legend of the points.
    GCPoint PointEdite;
    int ChoixFleche = 0;
    TCouleur CouleurEditee = 0;
    QString PiloteX = QStringLiteral("aucun");
    QString PiloteY = QStringLiteral("aucun");
    std::shared_ptr<GCTexte> TexteDefaut;
    // Folder of the imposed-values files (empty: the user's documents folder).
    QString DossierValeurs;
    // The window of the text command running (set by the window for the time of the
    // command): what the text dialog of GCTexte::Modifie offers.
    ContexteTexte ContexteTextes;
    // Folder of the points files of new lists (empty: the user's documents folder).
    QString DossierPoints;
    // The label-position button last pressed (0 to 7 a position, 8 none).
    int PositionEtiquette = 8;
    // The system boxes in place (none: the default ones, Qt's).
    BoitesSaisie* boites = nullptr;
    // The help window while it is open (dialogs/aide.h); the reset closes it.
    QPointer<QWidget> FenetreAide;
};

EtatSaisie& etatSaisie();
// Back to the defaults after reinitialiseGraphe(), Qt's own boxes in place again: the reset
// of the dialogs layer.
void reinitialiseSaisie();
// Every text of the manual table set to "0".
void VideParametresManuels();

// A numeric field: true when the text compiles and evaluates (at 0) to a finite value.
bool EvalueChamp(const QString& texte, double& valeur);
// True when the text compiles.
bool CompileChamp(const QString& texte);

// Row titles of the parameter grids: "a0=a", "a1=b", ... "a9=p".
QString TitreParametre(int i);

// The aids of the definition forms, on the values being edited: the point style of
// PointEdite, the colour CouleurEditee (true when changed), the piloting PiloteX, PiloteY.
void EditeStylePoints(QWidget* parent);
bool EditeCouleur(QWidget* parent);
void EditePilotage(QWidget* parent);

// ---------------------------------------------------------------------------------------
// The system boxes the dialogs use. The default one shows Qt's own dialogs; tests put a
// scripted one in etatSaisie().boites.

class BoitesSaisie {
public:
    virtual ~BoitesSaisie() = default;
    // A file to open: its path, or empty when cancelled.
    virtual QString choisitFichier(QWidget* parent, const QString& titre, const QString& dossier,
                                   const QString& filtre);
    // A file to write (the file dialog proposes chemin, adds the extension when none is
    // typed): its path, or empty when cancelled.
    virtual QString choisitFichierEcriture(QWidget* parent, const QString& titre, const QString& chemin,
                                           const QString& filtre, const QString& extension);
    // A colour; true and the colour changed on OK.
    virtual bool choisitCouleur(QWidget* parent, QColor& couleur);
    // A typeface, size and style (the colour is kept); true and the font changed on OK.
    virtual bool choisitFonte(QWidget* parent, Police& fonte);
    // The label of an existing curve of one of these kind letters; empty when none was chosen.
    // The frame, which knows every window's curves, installs its own.
    virtual QString choisitLibelle(QWidget* parent, const QString& genres);
};

// The boxes in place, else the default ones.
BoitesSaisie& boitesSaisie();
