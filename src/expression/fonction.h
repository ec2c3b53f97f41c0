// The expression language: formula texts compile into trees that evaluate at a value
// of the variable. A tree is kept as a flat postfix program (children before their
// node), evaluated with a small value stack: no allocation and no recursion per point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "expression/etat.h"

// Node kinds.
enum GenreNoeud : std::uint8_t {
    NoeudConstante = 0,
    NoeudVariable = 1,
    NoeudUnaire = 2,
    NoeudBinaire = 3,
    NoeudCourbe = 4,        // curve called as a function
    NoeudParametrePerso = 5
};

// Unary codes (kind 2).
enum CodeUnaire : std::uint8_t {
    UMoins = 0, UPlus = 1, UF0 = 2, UF9 = 11, UCONJ = 12, URE, UIM, USIN, UCOS, UTAN, UCOT, USEC,
    UCOSEC, UARCSIN, UARCCOS, UARCTAN, UARCCOT, USH, UCH, UTH, UCOTH, UARGSH, UARGCH, UARGTH,
    UARGCOTH, UABS, UINT, UENT, UROUND, UDELTA, UFRAC, UFACT, UCARRE, UEXP, ULN, ULOG, URCUB,
    URACINE, URAC, USQRT, UUN, URECT, UTRI, USINQ, UCOSQ, UTANQ, USIND, UCOSD, UTAND, USINC,
    UGAMMA, ULOGAMMA, UBL, URND, UPOISSON, USHA, UGAUSS01, USGN
};
constexpr int NbCodesUnaires = 66;

// Binary codes (kind 3).
enum CodeBinaire : std::uint8_t {
    BPlus = 0, BMoins, BFois, BDivise, BPuissance, BARG, BMODULE, BCOMB, BMOD, BLOGA, BBINOM,
    BGAUSS, BUNIF, BTCHEB, BTCHEB2, BHERMIT, BLAGUER, BLEGNDR, BMIN, BMAX
};
constexpr int NbCodesBinaires = 20;

// One node of a compiled formula.
struct NoeudExpr {
    GenreNoeud Genre = NoeudConstante;
    std::uint8_t Code = 0;
    std::uint8_t Table = 0;   // kind 1: 0 parameter table, 1 state table
    std::int32_t Indice = 0;  // kind 1: <0 the variable, else the table index;
                              // kind 4: slot of the named curve; kind 5: slot of the parameter
    double Valeur = 0;        // kind 0
    double Imaginaire = 0;    // kind 0: imaginary part (the unit I has 1)
};

// A compiled formula. Empty until compiled.
class Arbre {
public:
    bool vide() const { return noeuds.empty(); }
    void libere() { noeuds.clear(); pileMax = 0; }
    // True when the tree is a constant (its value is then constante()).
    bool estConstant() const { return noeuds.size() == 1 && noeuds[0].Genre == NoeudConstante; }
    double constante() const { return noeuds.empty() ? 0 : noeuds[0].Valeur; }

    std::vector<NoeudExpr> noeuds;  // postfix order
    int pileMax = 0;                 // deepest value stack the evaluation needs
};

// Compiles a text into a tree. Returns false on a syntax error (the tree is then empty).
// Names are matched in upper case. The text may be UTF-8 or Windows-1252.
// tirageAChaqueEvaluation: the constant RD draws a new number at each evaluation instead
// of once here (the value texts of personal parameters are read anew at every use).
bool CompileExpr(std::string_view texte, Arbre& racine, bool tirageAChaqueEvaluation = false);

// Value of a tree at x. Sets ErreurCalcul() to 0 or 1; a failure returns 0.
double EvalueArbre(const Arbre& arbre, double x);

// Compiles, evaluates at x = 0 and frees. A syntax error sets the flag, returns 0 and
// leaves the message untouched.
double EvalueTexte(std::string_view texte);

// Frees the tree (kept for the callers' symmetry; Arbre frees itself).
inline void LibereArbre(Arbre& arbre) { arbre.libere(); }

// The function-insertion table of the definition dialogs.
struct EntreeInsertion {
    const char* texte;
    int code;
};
extern const EntreeInsertion TableInsertion[47];
bool NomFonctionParCode(int code, std::string& texte);

// Names of the unary (codes 2..65) and two-argument (codes 5..19) functions.
extern const char* const NomsUnaires[NbCodesUnaires];
extern const char* const NomsBinaires[NbCodesBinaires];

// Applies one operator to already computed operands (used by the evaluators and by
// constant folding). Sets the error flag and message on a domain failure.
double AppliqueUnaire(int code, double u);
double AppliqueBinaire(int code, double u, double w);
