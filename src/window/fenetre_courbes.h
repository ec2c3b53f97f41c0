// The curve definition commands of the Courbes > Définir menu: each builds the curve of the
// kind chosen, opens its definition dialog and, when the user confirms, places it in the
// window, draws it and writes it to the curve log. The same commands make families of
// curves, one per combination of parameter values (automatic: each parameter swept from an
// initial value by an increment up to a maximum; manual: a table of values, one column per
// curve); a first-order differential system makes 33 trajectories per combination.
#pragma once

#include <QChar>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>

class GCAire;
class GCCourbe;
class GCRepere;
class QWidget;
class TForm1;

// Where a command puts what it creates: the active graph window, or a stand-in in tests.
class CibleCourbes {
public:
    virtual ~CibleCourbes() = default;
    virtual int numeroFenetre() const = 0;
    // Appends the curve to the window's list.
    virtual void ajouteCourbe(std::shared_ptr<GCCourbe> courbe) = 0;
    // Appends the area to the window's list and turns on the rendering of areas.
    virtual void ajouteAire(std::shared_ptr<GCAire> aire) = 0;
    virtual GCRepere& repere() = 0;
    // The window's repaint, which traces every curve again.
    virtual void redessine() = 0;
    // Parent of the dialogs the commands open.
    virtual QWidget* parent() { return nullptr; }
};

// The graph window as a target.
class CibleFenetre : public CibleCourbes {
public:
    explicit CibleFenetre(TForm1& fenetre) : fenetre_(fenetre) {}
    int numeroFenetre() const override;
    void ajouteCourbe(std::shared_ptr<GCCourbe> courbe) override;
    void ajouteAire(std::shared_ptr<GCAire> aire) override;
    GCRepere& repere() override;
    void redessine() override;
    QWidget* parent() override;

private:
    TForm1& fenetre_;
};

// ---------------------------------------------------------------------------------------
// Families

using PasFamille = std::array<std::int64_t, 10>;

// Above this many curves a family is confirmed first ("Cette famille comporte N courbes.
// Continuer ?"); above the maximum it is refused.
constexpr std::int64_t SeuilQuestionFamille = 1000;
constexpr std::int64_t MaximumFamille = 100000;

// Steps of each parameter from the automatic grid: (maximum - initial) / increment rounded
// to the nearest integer (halves to even); 0 for a zero increment, a value on the wrong side
// or a result that is not finite.
PasFamille PasAutomatiques();
// The product of (steps + 1), saturated far above MaximumFamille.
std::int64_t NombreFamille(const PasFamille& pas);
// The ten values of copy k of an automatic family of nombre curves: a varies slowest and p
// fastest, each from its initial value by its increment.
std::array<double, 10> ValeursFamille(std::int64_t k, std::int64_t nombre, const PasFamille& pas);
// The family parameters of copy k go into the curve's ten texts (automatic: the values,
// which also become the current parameter values; manual: row k of the manual table).
void ParametresCopie(GCCourbe& courbe, std::int64_t k, std::int64_t nombre, const PasFamille& pas,
                     bool automatique, bool manuel);
// A family of nombre x trajectoires curves: true when it may be made (asks above the
// threshold, refuses above the maximum).
bool AccepteFamille(std::int64_t nombre, int trajectoires = 1);

// The automatic grid; steps of each parameter (all 0 when cancelled).
void SaisieGrilleParametres(PasFamille& pas, QWidget* parent = nullptr);
// The manual grid; the number of curves (1..20), 0 when cancelled.
int SaisieManuelle(QWidget* parent = nullptr);
// The number of curves of the family the last definition dialog asked for: automatic: the
// grid's count; manual: the manual grid's count (0 when cancelled); otherwise 1. A family
// refused by AccepteFamille counts 0.
std::int64_t SaisieParametres(bool automatique, bool manuel, PasFamille& pas, QWidget* parent = nullptr,
                              int trajectoires = 1);

// ---------------------------------------------------------------------------------------
// The creators. Each returns the number of objects created.

// B, C, L, W: the definition on a template, then one copy per member of the family.
int DefinitCourbeListe(CibleCourbes& cible, QChar genre);
// D, E, J, P, R, S, T, X, Y: the first curve is defined itself, the others copy it under
// its name + "_1", "_2"... (the next free suffix for the curves callable by name).
int DefinitCourbeFonction(CibleCourbes& cible, QChar genre);
// H: 33 trajectories per member of the family, started from a grid of points of the frame.
int DefinitSysteme(CibleCourbes& cible);
// I, sub-kind 0 (implicit), 1 (line), 2 (conic).
int DefinitImplicite(CibleCourbes& cible, int sousType);
// N: tags 1 to 4 sequences (sub-kind = tag); 5 Julia and 6 Mandelbrot sets (areas).
int DefinitSuite(CibleCourbes& cible, int tag);

// Aires > Définir > Système d'inéquations: the definition on a template, then one area per
// member of the family (its parameters as a curve's), each reported in the curve log.
int DefinitAires(CibleCourbes& cible);
// The family parameters of copy k into an area's ten texts, as ParametresCopie does for a
// curve.
void ParametresCopie(GCAire& aire, std::int64_t k, std::int64_t nombre, const PasFamille& pas,
                     bool automatique, bool manuel);

// The command of the Courbes > Définir item of that kind letter on the window (entier: the
// sub-kind of I, the tag of N). Returns the number of objects created.
int DefinitCourbe(TForm1& fenetre, QChar genre, int entier = 0);
