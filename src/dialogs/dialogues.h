// The dialogs layer's side of the graph objects' edit operations: the definition dialog of
// each curve kind, the parameter grid, and a plain French message for the kinds whose
// dialog this version does not have yet.
#pragma once

#include <QChar>
#include <QString>
#include <array>

#include "graph/base/etatgraphe.h"

class GCOperBinaire;
class GCOperUnaire;
class GCY;
class QWidget;
class TsaisieY;

class DialoguesVirk : public Dialogues {
public:
    bool modifieCourbe(GCCourbe& courbe, bool nouvelle) override;
    bool modifieAire(GCAire& aire, bool nouvelle) override;
    bool modifieTexte(GCTexte& texte, bool nouveau) override;
    bool dialogueParametres(std::array<QString, 10>& parametres) override;
    bool modifieRepere(GCRepere& repere, int page) override;
};

// Makes these dialogs the ones the graph objects open (etatGraphe().dialogues), with the
// curve chooser "Choix d'un tracé". The frame calls it at start-up; tests call it after
// each reset of the graph state.
void installeDialogues();

// The kinds edited with the curve definition dialog: D E G H J P R S T X Y.
bool GenreDefiniParSaisieY(QChar genre);
// "La définition des courbes de type ... n'est pas encore disponible."
QString MessageDefinitionIndisponible(QChar genre);

// The curve definition dialog on a curve of one of those kinds: sets the form up for the
// kind, fills it, runs it and, on "&Confirmer", stores it into the curve. True when the user
// confirmed. An X or Y curve stays callable under its (possibly new) name in both cases.
bool ModifieCourbeSaisieY(GCY& courbe, bool nouvelle, QWidget* parent = nullptr);

// The edit dialog of a curve derived from one mother: the curve definition form set up for
// its operation (its label as caption, the domain where the operation uses one), then, when
// "manuels" is chosen, the operation's parameter dialog (the histogram's for code 41), which
// gives the curve its two texts from the mother's name. True when every dialog opened was
// confirmed; what the first one set stays when a later one is cancelled.
bool ModifieOperUnaire(GCOperUnaire& courbe, bool nouvelle, QWidget* parent = nullptr);

// The edit dialog of a curve derived from two mothers: the curve definition form with the
// caption "Opérations sur deux courbes", then, when "manuels" is chosen, the parameter dialog
// of the operation, or for the distances "Distances entre 2 courbes". True when every dialog
// opened was confirmed; what the first one set stays when a later one is cancelled.
bool ModifieOperBinaire(GCOperBinaire& courbe, bool nouvelle, QWidget* parent = nullptr);
// "Distances entre 2 courbes" on a distance curve: on OK its bounds, its step (the span) and
// p1 ("1" normalised, "0" not).
bool SaisieDistancesCourbe(GCOperBinaire& courbe, QWidget* parent = nullptr);

// The two halves of the above, for tests that drive the form without running it.
void PrepareSaisieY(TsaisieY& fiche, GCY& courbe, bool nouvelle);
void LitSaisieY(TsaisieY& fiche, GCY& courbe, bool nouvelle);
