// State of the expression language shared by every layer.
//
// Two parts:
//  - EtatCalcul: what an evaluation writes (error flag and message, state values,
//    the call-nesting count). One per thread, so that a scan can be split over threads.
//  - ContexteCalcul: what formulas only read (parameter values, auxiliary functions,
//    curves callable by name, personal parameters, numeric settings). Shared by all
//    threads; changed only by the GUI thread while no scan runs.
// reinitialiseCalcul() puts both back to their defaults: the one reset of this layer, which
// the reset of every later layer calls first.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "expression/paramperso.h"

class Arbre;

constexpr int NbParametres = 10;      // a b c d g h k l m p
constexpr int NbVariablesEtat = 10;   // Y/R, N, Y', Y''...
constexpr int NbFonctionsAux = 10;    // F0..F9
constexpr int ProfondeurAppelsMax = 100;  // nesting of F0..F9, curves called by name, personal parameters

struct EtatCalcul {
    int ErreurCalcul = 0;
    std::string MessageErreur = "expression non calculable!";
    std::array<double, NbVariablesEtat> VariablesEtat{};
    int profondeurAppels = 0;
    // The parameter values a..p that this thread's evaluations read instead of the shared
    // ones, while it runs a scan with values of its own (a Mandelbrot scan sets a and b per
    // pixel); null: ContexteCalcul::ValeursParametres.
    const double* ParametresLocaux = nullptr;
};

// The calling thread's evaluation state. Inline: every evaluation of a point reaches it.
inline EtatCalcul& etatCalcul()
{
    thread_local EtatCalcul etat;
    return etat;
}

// Makes the calling thread's evaluations read these parameter values (NbParametres of them)
// for the guard's lifetime, then puts back what they read before.
class GardeParametres {
public:
    explicit GardeParametres(const double* parametres) : ancien_(etatCalcul().ParametresLocaux)
    {
        etatCalcul().ParametresLocaux = parametres;
    }
    ~GardeParametres() { etatCalcul().ParametresLocaux = ancien_; }
    GardeParametres(const GardeParametres&) = delete;
    GardeParametres& operator=(const GardeParametres&) = delete;

private:
    const double* ancien_;
};

// Counts the nesting of calls (auxiliary functions, named curves, personal parameters) for
// the real and the complex evaluators, so that a formula that calls itself fails instead of
// exhausting the stack.
class GardeAppel {
public:
    explicit GardeAppel(EtatCalcul& etat) : etat_(etat) { ok_ = ++etat_.profondeurAppels <= ProfondeurAppelsMax; }
    ~GardeAppel() { --etat_.profondeurAppels; }
    GardeAppel(const GardeAppel&) = delete;
    GardeAppel& operator=(const GardeAppel&) = delete;
    bool ok() const { return ok_; }

private:
    EtatCalcul& etat_;
    bool ok_;
};

// Shortcuts used everywhere.
inline int& ErreurCalcul() { return etatCalcul().ErreurCalcul; }
inline std::string& MessageErreur() { return etatCalcul().MessageErreur; }
inline double* VariablesEtat() { return etatCalcul().VariablesEtat.data(); }
// Sets the error flag and the message.
void ErreurAvecMessage(const char* message);

// A curve callable as a function in formulas: one slot per upper-case name, which
// never moves. A compiled node keeps the slot's index; removing the curve empties the
// slot (evaluation then fails), registering the name again reuses the slot.
struct FonctionNommee {
    std::string nom;               // upper case
    std::string nomTape;           // as given
    std::string libelle;           // label text of the curve
    const Arbre* arbre = nullptr;  // owned by the curve; nullptr when the slot is empty
};

// A personal parameter as the language sees it: a name and a value text, compiled
// again whenever a name it may use changes, and evaluated at every use.
struct ParametrePersoCalcul {
    std::string nom;                // as typed; compared in upper case
    std::string valeur;             // the value text
    std::shared_ptr<Arbre> arbre;   // compiled value text; null when it does not compile
    bool actif = false;             // false once removed: the slot stays, evaluation fails
};

struct ContexteCalcul {
    double Epsilon = 1e-11;
    double Zero = 1e-16;
    int LongueurReels = 10;
    int DecimalesReels = 5;
    double FacteurZoomAuto = 1.2;
    // Root search settings.
    std::string DebutDicho = "-5", FinDicho = "5";
    double PrecisionXDicho = 0.01, PrecisionYDicho = 1;
    int SousIntervallesDicho = 50;

    std::array<double, NbParametres> ValeursParametres{};
    std::array<std::shared_ptr<Arbre>, NbFonctionsAux> FonctionsAuxiliaires;
    // Read freely; changed only through the functions below, which keep the two indexes
    // in step with the slots.
    std::vector<FonctionNommee> fonctionsNommees;
    std::unordered_map<std::string, int> slotDuNom;            // upper-case name -> slot
    std::unordered_multimap<const Arbre*, int> slotsDeLArbre;  // registered tree -> slots
    std::size_t longueurNomMax = 0;                             // of every slot's name
    std::vector<ParametrePersoCalcul> parametresPerso;
    // The personal parameters themselves (names, value texts, ranges, keys); see
    // expression/paramperso.h, whose functions keep them and the slots above in step.
    ParametresPersonnels Personnels;
};

// Inline too: an evaluation reads it at every point.
inline ContexteCalcul& contexteCalcul()
{
    static ContexteCalcul contexte;
    return contexte;
}

// Back to the defaults, personal parameters removed; the calling thread's evaluation
// state too (tests, new session).
void reinitialiseCalcul();

// Names of the parameters a..p, in index order.
extern const char* const LettresParametres;  // "abcdghklmp"

// Curves callable by name. Returns the slot index.
int enregistreFonction(const std::string& nom, const std::string& libelle, const Arbre* arbre);
void retireFonction(const std::string& nom);
int chercheFonction(const std::string& nomMajuscule);  // -1 when absent or empty
// Empties every slot that calls that tree (its curve is going away).
void oublieArbreAppele(const Arbre* arbre);
// The slot of the first name (in slot order) that the text starts with and that an opening
// bracket follows: "FN2(X)" calls FN2. -1 when none; the text is in upper case.
int fonctionAppeleeEnTete(std::string_view texte);

// Personal parameters, as the language sees them. Returns the slot index.
int definitParametrePerso(const std::string& nom, const std::string& valeur);
void retireParametrePerso(const std::string& nom);
int chercheParametrePerso(const std::string& nomMajuscule);  // -1 when absent
// Compiles again the value texts of the personal parameters (after any change of names).
void recompileParametresPerso();

// Auxiliary functions F0..F9: compiles the text into slot i (empty text: no function), "Y"
// read as state value 0. Returns false on a syntax error (the slot is then empty).
bool definitFonctionAuxiliaire(int i, const std::string& texte);

// The uniform generator in [0, 1), one per thread, seeded from the clock.
double Aleatoire();
void germeAleatoire(std::uint64_t germe);

std::string majuscules(std::string texte);  // upper-cases a-z only

// Clears the upper halves of the vector registers. Code of the toolkit compiled for wider
// registers may leave them in use, and every computation of ours (and of the C library's
// sin, exp, log...) then runs many times slower until they are cleared: loops that
// evaluate formulas after drawing call this first.
void LibereRegistresVectoriels();
