// Personal parameters: named parameters that formulas use like a, b, c..., each with
// its value as a formula text, the range and step of its variations, and an optional
// key letter that steps it.
//
// The lists are program-wide, kept in the evaluation context (contexteCalcul().Personnels,
// read through parametresPersonnels()) and emptied by reinitialiseCalcul(). Every
// change goes through the functions below, which keep the formula language in step:
// a compiled formula holds a stable slot per name, so adding, changing or removing a
// parameter never makes a formula read another parameter; a removed parameter makes
// the formulas that use it fail with "expression non calculable!".
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

class GCParamPerso {
public:
    GCParamPerso(std::string nom, std::string valeur);

    const std::string& Nom() const { return nom_; }
    const std::string& Valeur() const { return valeur_; }  // an expression text
    char Touche() const { return touche_; }                // 'A'..'Z', or 0 for none

    // Variation range and step (expression texts); free to change at any time.
    std::string Increment = "0.1";
    std::string Minimum = "-5";
    std::string Maximum = "5";

private:
    friend struct AccesParamPerso;
    std::string nom_;
    std::string valeur_;
    char touche_ = 0;
    int slot_ = -1;  // the formula language's slot for this name
};

struct ParametresPersonnels {
    // In creation order; owns the parameters.
    std::vector<std::unique_ptr<GCParamPerso>> ParametresPerso;
    // Their names, parallel to ParametresPerso.
    std::vector<std::string> NomsParametresPerso;
    // For each key letter A..Z, the indices (into ParametresPerso) of the parameters it drives.
    std::array<std::vector<int>, 26> ListesLettres;
};

// The program-wide lists (read only: change them through the functions below).
const ParametresPersonnels& parametresPersonnels();

// Name check: 0 allowed, 1 reserved to the language, 2 already used, 3 empty or not a
// name (must start with a letter and hold only letters, digits and "_").
int VerifieNomParametre(const std::string& nom);
// The French message of a refused name (codes 1..3), or "" for 0.
const char* MessageNomParametre(int code);

constexpr const char* MessageValeurParametre = "Valeur du paramètre incorrecte!";
constexpr const char* MessageListeParametresVide = "Impossible! La liste des paramètres personnels est vide";

// Adds a parameter with a checked name. When verifieValeur is true the value must also
// compile, without referring back to the parameter. Returns its index, or -1 with the
// reason in message. (A document reader passes false: a value may name a parameter
// that comes later in the file.)
int AjouteParametrePerso(const GCParamPerso& parametre, std::string& message, bool verifieValeur = true);

// Changes the value, step and bounds of parameter i. The value must compile and must
// not refer back to the parameter itself; otherwise nothing changes and message says why.
bool FixeParametrePerso(int i, const std::string& valeur, const std::string& increment, const std::string& minimum,
                        const std::string& maximum, std::string& message);

// Renames parameter i (the new name is checked like a new one). Formulas compiled with
// the old name then fail; formulas compiled again use the new one.
bool RenommeParametrePerso(int i, const std::string& nouveauNom, std::string& message);

// Removes parameter i; the key lists follow the shift of indices.
bool SupprimeParametrePerso(int i, std::string& message);

// Binds parameter i to the key letter ('A'..'Z' in either case; 0 or ' ' for none),
// removing it from the list of its previous letter.
bool AssocieToucheParametrePerso(int i, char lettre);

// Key press: each parameter driven by the letter (0..25) gets the value
// value + signe * step (both evaluated), written so that it reads back exactly. Short
// decimals add up as decimals (0.1 + 0.2 gives "0.3").
// A parameter whose value or step cannot be evaluated keeps its text. Returns the
// number of parameters changed.
int ToucheParametrePerso(int lettre, int signe);

// v + pas, as a teacher adds them: the sum of two short decimals is that decimal (0.1 + 0.2
// gives 0.3, not 0.30000000000000004).
double SommeDecimale(double v, double pas);

// The parameter named so (any case), or -1.
int IndiceParametrePerso(const std::string& nom);
