// The expression language: formula texts compile into trees that evaluate at a value
// of the variable. A tree is kept as a flat postfix program (children before their
// node), evaluated with a small value stack: no allocation and no recursion per point.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "expression/etat.h"
#include "expression/programme.h"

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
    void libere()
    {
        noeuds.clear();
        pileMax = 0;
        programme.clear();
        pileProgramme = 0;
        parLots = false;
    }
    // True when the tree is a constant (its value is then constante()).
    bool estConstant() const { return noeuds.size() == 1 && noeuds[0].Genre == NoeudConstante; }
    double constante() const { return noeuds.empty() ? 0 : noeuds[0].Valeur; }

    std::vector<NoeudExpr> noeuds;  // postfix order
    int pileMax = 0;                 // deepest value stack the nodes need

    // What the evaluators run, made from the nodes by ProgrammeArbre.
    std::vector<Instruction> programme;
    int pileProgramme = 0;  // values kept below the top, at the deepest
    bool parLots = false;   // no call and no random draw: a block of x runs each instruction
                            // over the whole block
};

// Makes the program of a tree from its nodes (CompileExpr does it); without fusion, one
// instruction per node, each run alone.
void ProgrammeArbre(Arbre& arbre, bool fusion);
// Whether the tree itself reads x, or state value i (what it calls is not looked into:
// such trees are not parLots).
bool ArbreLitX(const Arbre& arbre);
bool ArbreLitEtat(const Arbre& arbre, int i);

// Brackets nest at most this deep in a formula (deeper, the text does not compile:
// FauteCompilation::Profondeur); the groups of labels are bounded alike.
inline constexpr int ProfondeurAnalyseMax = 1000;

// How a text is compiled. Compiling reads the program-wide context (curves callable by
// name, personal parameters) and writes nothing of it.
struct OptionsCompilation {
    // "Y" reads the variable (YEstVariable), or state value 0 (false): the formulas of
    // equations, sequences, implicit curves, areas and F0..F9, which their caller evaluates
    // with y in VariablesEtat()[0].
    bool YEstVariable = true;
    // The constant RD draws a new number at each evaluation instead of once at compile
    // time (the value texts of personal parameters are read anew at every use).
    bool tirageAChaqueEvaluation = false;
    // Constant sub-trees folded (tests compare both forms).
    bool pliage = true;
    // Operands fused into their operators and instructions run together (tests compare both
    // forms).
    bool fusion = true;
};
// The options of the formulas that read "Y" as state value 0.
inline constexpr OptionsCompilation CompilationYEtat{false, false, true, true};

// Why a text does not compile. The user is only ever told the program's French messages;
// these are for tests and for putting the cursor where the text fails.
enum class FauteCompilation : std::uint8_t {
    Aucune,
    Vide,        // an empty text or operand ("", "2+", "()")
    Parenthese,  // a bracket without its pair, or a group that does not end the text it opens
    Arguments,   // a two-argument function without the comma between its arguments
    Symbole,     // a name, letter or number that the language does not read ("2x", "1.2.3")
    Indice,      // a parameter or state index other than 0..9 ("Y12", "A-1")
    Profondeur,  // nested too deeply
};

struct ResultatCompilation {
    bool ok = false;
    FauteCompilation faute = FauteCompilation::Aucune;
    // Where the text fails: the offset, in the text given, of the first byte of the
    // character concerned (for an empty operand, where it should begin); -1 when it
    // compiles.
    int position = -1;
    // The parameter letters (A, B, ... P) and personal-parameter names that the formula
    // uses, once each, in the order met.
    std::vector<std::string> nomsUtilises;
    explicit operator bool() const { return ok; }
};

// Compiles a text into a tree (empty when the text does not compile). Names are matched in
// upper case. The text may be UTF-8 or Windows-1252.
ResultatCompilation CompileExpr(std::string_view texte, Arbre& racine, const OptionsCompilation& options);
// The same with the default options, or RD drawn at each evaluation; false on a syntax error.
bool CompileExpr(std::string_view texte, Arbre& racine, bool tirageAChaqueEvaluation = false);
// The same with "Y" read as state value 0.
bool CompileExprYEtat(std::string_view texte, Arbre& racine);
// The same without folding constant sub-trees.
bool CompileExprSansPliage(std::string_view texte, Arbre& racine);

// Value of a tree at x. Sets ErreurCalcul() to 0 or 1; a failure returns 0.
double EvalueArbre(const Arbre& arbre, double x);

// Block evaluation: the tree at n values of x, as n calls of EvalueArbre in turn would give
// them, but several times faster where many points are needed (traces, scans, tables):
//   y[i]        the value at x[i] (0 where the point failed);
//   echec[i]    1 where the point failed, else 0 (a failed point leaves the others alone);
//   messages[i] (when messages is given) for a failed point, the message MessageErreur()
//               holds after it: the point's own French text, or nullptr when its failure
//               brings none (a floating-point fault), the message then being the one before.
// Afterwards ErreurCalcul() and MessageErreur() are those the last point leaves. The texts
// stay valid for the life of the program. Any n >= 0; blocks of TailleLot are a good size.
// Parameters and state values are read as they are during the call (the state value 0 of
// a relation is set before it). Safe on several threads at once, each with its own arrays.
constexpr int TailleLot = 256;
void EvalueArbreLot(const Arbre& arbre, const double* x, double* y, std::uint8_t* echec, int n,
                    const char** messages = nullptr);
// State values and parameters that differ from point to point in a block (the orbits of a
// row of pixels, each at its own y, or at its own a and b): for each, the array of its n
// values, or null where every point reads the one value of the thread.
struct ValeursParPoint {
    std::array<const double*, NbVariablesEtat> etat{};
    std::array<const double*, NbParametres> parametres{};
};
// The block evaluation with those values: point i computed as EvalueArbre would compute it
// with them in VariablesEtat() and in the parameters. The thread's values are as they were
// afterwards.
void EvalueArbreLot(const Arbre& arbre, const double* x, const ValeursParPoint& parPoint, double* y,
                    std::uint8_t* echec, int n, const char** messages = nullptr);

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

// Names of the unary (codes 2..65) and two-argument (codes 5..19) functions, as the parser
// matches them (from the tables of expression/catalogue.h, with all the rest known of them).
extern const std::array<const char*, NbCodesUnaires> NomsUnaires;
extern const std::array<const char*, NbCodesBinaires> NomsBinaires;

// Applies one operator to already computed operands (constant folding, the complex
// evaluator's real cases). Sets the error flag and message on a domain failure.
double AppliqueUnaire(int code, double u);
double AppliqueBinaire(int code, double u, double w);

// The same without touching the evaluation state: on a failure echec receives the French
// message, or SansMessage for a failure that brings none, and the result is 0; on success
// echec is left as it was.
extern const char SansMessage[];
// The texts of the failures that the evaluators also check on their own.
extern const char* const MessagePuissance;
extern const char* const MessageExponentielle;
extern const char* const MessageLogarithme;
extern const char* const MessageRacine;
extern const char* const MessageDivision;
// u^n for a whole n by repeated products, as the power operator computes it up to n = 64.
inline double ProduitPuissance(double u, int n)
{
    double p = 1;
    for (int i = 0; i < n; ++i)
        p *= u;
    return p;
}
double CalculeUnaire(int code, double u, const ContexteCalcul& ctx, const char*& echec);
double CalculeBinaire(int code, double u, double w, const ContexteCalcul& ctx, const char*& echec);
// Sets the evaluation state from such a failure.
inline void SignaleEchec(EtatCalcul& etat, const char* echec)
{
    etat.ErreurCalcul = 1;
    if (echec != SansMessage)
        etat.MessageErreur = echec;
}
