// The functions and operators of the formula language, one entry per code: the name the
// parser matches, how a formula writes it, what it computes, where it is defined and what
// a value outside says. The parser's names, the evaluator's messages and the help's lists
// of predefined functions all come from these two tables, so that they cannot disagree.
#pragma once

#include "expression/fonction.h"

// The headings under which the help lists the functions, in the order it lists them.
enum class Famille : unsigned char {
    Operateur,      // the signs and the infix operators (listed with the writing of formulas)
    Auxiliaire,
    Puissances,
    Trigonometrie,
    Hyperboliques,
    Entiers,
    Signaux,
    Speciales,
    Plan,
    Calcul,
    Polynomes,
    Hasard,
    Complexes,
};
constexpr int NbFamilles = 13;

constexpr const char* NomFamille(Famille f)
{
    constexpr const char* noms[NbFamilles] = {
        "Opérateurs",
        "Fonctions auxiliaires",
        "Puissances, racines, exponentielles et logarithmes",
        "Trigonométrie",
        "Fonctions hyperboliques",
        "Valeur absolue, signe, parties entières et arrondis",
        "Signaux et créneaux",
        "Fonctions spéciales",
        "Angle et distance",
        "Calculs sur deux nombres",
        "Polynômes orthogonaux",
        "Probabilités et hasard",
        "Nombres complexes",
    };
    return noms[static_cast<int>(f)];
}

struct FicheFonction {
    const char* nom;       // as the parser matches it, in upper case (Windows-1252 bytes)
    const char* ecriture;  // how a formula writes it, with its arguments (UTF-8): "sin(x)"
    Famille famille;
    const char* calcul;    // what it gives
    const char* domaine;   // where it is computed; null: for every real
    const char* message;   // what a value outside says; null: nothing is said
    const char* message2;  // the message of a second way of failing (null: none)
};

namespace catalogue_detail {
constexpr const char* Tangente = "tangente d'un multiple impair de pi/2";
constexpr const char* Logarithme = "logarithme d'un réel négatif ou nul!";
constexpr const char* Racine = "racine carrée d'un réel négatif!";
constexpr const char* Auxiliaire =
    "la fonction auxiliaire de ce numéro, écrite dans Courbes > Fonctions auxiliaires";
constexpr const char* DomaineAuxiliaire = "là où sa formule se calcule (sinon, le message de sa formule)";
constexpr const char* RacineCarree = "la racine carrée de x";
constexpr const char* DegreNegatif = "degré négatif";
constexpr const char* DegreTropGrand = "degré trop grand";
constexpr const char* DomainePolynome = "n ≥ 0 (n arrondi à l'entier le plus proche, au plus un million)";
}  // namespace catalogue_detail

// Indexed by the unary code (CodeUnaire).
inline constexpr FicheFonction FichesUnaires[NbCodesUnaires] = {
    {"-", "-x", Famille::Operateur, "l'opposé de x", nullptr, nullptr, nullptr},
    {"+", "+x", Famille::Operateur, "x lui-même", nullptr, nullptr, nullptr},
    {"F0", "f0(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F1", "f1(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F2", "f2(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F3", "f3(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F4", "f4(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F5", "f5(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F6", "f6(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F7", "f7(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F8", "f8(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"F9", "f9(x)", Famille::Auxiliaire, catalogue_detail::Auxiliaire, catalogue_detail::DomaineAuxiliaire, nullptr, nullptr},
    {"CONJ", "conj(x)", Famille::Complexes, "le conjugué de x (pour un réel : x lui-même)", nullptr, nullptr, nullptr},
    {"RE", "re(x)", Famille::Complexes, "la partie réelle de x (pour un réel : x lui-même)", nullptr, nullptr, nullptr},
    {"IM", "im(x)", Famille::Complexes, "la partie imaginaire de x (pour un réel : 0)", nullptr, nullptr, nullptr},
    {"SIN", "sin(x)", Famille::Trigonometrie, "le sinus de x (x en radians)", nullptr, nullptr, nullptr},
    {"COS", "cos(x)", Famille::Trigonometrie, "le cosinus de x (x en radians)", nullptr, nullptr, nullptr},
    {"TAN", "tan(x)", Famille::Trigonometrie, "la tangente de x : sin(x)/cos(x)", "cos(x) ≠ 0",
     catalogue_detail::Tangente, nullptr},
    {"COT", "cot(x)", Famille::Trigonometrie, "la cotangente de x : cos(x)/sin(x)", "sin(x) ≠ 0",
     "cotangente d'un multiple de pi", nullptr},
    {"SEC", "sec(x)", Famille::Trigonometrie, "la sécante de x : 1/cos(x)", "cos(x) ≠ 0",
     "sécante d'un multiple impair de pi/2", nullptr},
    {"COSEC", "cosec(x)", Famille::Trigonometrie, "la cosécante de x : 1/sin(x)", "sin(x) ≠ 0",
     "cosécante d'un multiple de pi", nullptr},
    {"ARCSIN", "arcsin(x)", Famille::Trigonometrie, "l'arc sinus de x, en radians, entre -π/2 et π/2", "-1 ≤ x ≤ 1",
     "arcsin d'un réel > 1 en valeur absolue", nullptr},
    {"ARCCOS", "arccos(x)", Famille::Trigonometrie, "l'arc cosinus de x, en radians, entre 0 et π", "-1 ≤ x ≤ 1",
     "arccos d'un réel > 1 en valeur absolue", nullptr},
    {"ARCTAN", "arctan(x)", Famille::Trigonometrie, "l'arc tangente de x, en radians, entre -π/2 et π/2", nullptr,
     nullptr, nullptr},
    {"ARCCOT", "arccot(x)", Famille::Trigonometrie, "l'arc cotangente de x : π/2 - arctan(x)", nullptr, nullptr, nullptr},
    {"SH", "sh(x)", Famille::Hyperboliques, "le sinus hyperbolique : (e^x - e^(-x))/2", nullptr, nullptr, nullptr},
    {"CH", "ch(x)", Famille::Hyperboliques, "le cosinus hyperbolique : (e^x + e^(-x))/2", nullptr, nullptr, nullptr},
    {"TH", "th(x)", Famille::Hyperboliques, "la tangente hyperbolique : sh(x)/ch(x)", nullptr, nullptr, nullptr},
    {"COTH", "coth(x)", Famille::Hyperboliques, "la cotangente hyperbolique : ch(x)/sh(x)", "x ≠ 0", "coth de 0",
     nullptr},
    {"ARGSH", "argsh(x)", Famille::Hyperboliques, "l'argument sinus hyperbolique, réciproque de sh", nullptr, nullptr,
     nullptr},
    {"ARGCH", "argch(x)", Famille::Hyperboliques, "l'argument cosinus hyperbolique, réciproque de ch (résultat ≥ 0)",
     "x ≥ 1", "argch d'un réel < 1", nullptr},
    {"ARGTH", "argth(x)", Famille::Hyperboliques, "l'argument tangente hyperbolique, réciproque de th", "-1 < x < 1",
     "argth d'un réel > ou = -1 en valeur absolue", nullptr},
    {"ARGCOTH", "argcoth(x)", Famille::Hyperboliques,
     "l'argument cotangente hyperbolique : ln((1+x)/(x-1))/2", "x < -1 ou x > 1",
     "argcoth d'un réel < ou = -1 en valeur absolue", nullptr},
    {"ABS", "abs(x)", Famille::Entiers, "la valeur absolue de x", nullptr, nullptr, nullptr},
    {"INT", "int(x)", Famille::Entiers, "la partie entière de x vers 0 : int(2.7) = 2, int(-2.7) = -2", nullptr,
     nullptr, nullptr},
    {"ENT", "ent(x)", Famille::Entiers,
     "la partie entière de x, le plus grand entier inférieur ou égal à x : ent(2.7) = 2, ent(-2.7) = -3", nullptr,
     nullptr, nullptr},
    {"ROUND", "round(x)", Famille::Entiers,
     "l'entier le plus proche de x ; à égale distance, l'entier pair : round(2.5) = 2, round(3.5) = 4", nullptr,
     nullptr, nullptr},
    {"DELTA", "delta(x)", Famille::Signaux,
     "1 quand x est nul, sinon 0 (x compte pour nul quand |x| est plus petit que le réglage Epsilon "
     "d'Options > Paramètres)",
     nullptr, nullptr, nullptr},
    {"FRAC", "frac(x)", Famille::Entiers, "la partie fractionnaire x - int(x), du signe de x : frac(-2.7) = -0.7",
     nullptr, nullptr, nullptr},
    {"FACT", "fact(x)", Famille::Speciales,
     "la factorielle n! = 1×2×…×n, où n est l'entier le plus proche de x (1 quand n ≤ 0) ; s'écrit aussi 5! "
     "ou x! après un nombre ou une lettre",
     "|x| < 32", "factorielle d'un entier > 32", nullptr},
    {"\xFD", "x²", Famille::Puissances,
     "le carré de x ; le signe ² se place après un nombre ou une lettre : pour une expression, écrire (x+1)^2",
     nullptr, nullptr, nullptr},
    {"EXP", "exp(x)", Famille::Puissances, "l'exponentielle e^x", "|x| ≤ 85", "exponentielle d'un nombre trop grand!",
     nullptr},
    {"LN", "ln(x)", Famille::Puissances, "le logarithme népérien de x", "x > 0", catalogue_detail::Logarithme,
     nullptr},
    {"LOG", "log(x)", Famille::Puissances, "le logarithme décimal (de base 10) de x", "x > 0",
     catalogue_detail::Logarithme, nullptr},
    {"RCUB", "rcub(x)", Famille::Puissances, "la racine cubique de x, négatifs compris : rcub(-8) = -2", nullptr,
     nullptr, nullptr},
    {"\xFB", "√(x)", Famille::Puissances, catalogue_detail::RacineCarree, "x ≥ 0", catalogue_detail::Racine, nullptr},
    {"RAC", "rac(x)", Famille::Puissances, catalogue_detail::RacineCarree, "x ≥ 0", catalogue_detail::Racine, nullptr},
    {"SQRT", "sqrt(x)", Famille::Puissances, catalogue_detail::RacineCarree, "x ≥ 0", catalogue_detail::Racine,
     nullptr},
    {"UN", "un(x)", Famille::Signaux, "l'échelon unité : 1 quand x ≥ 0, sinon 0", nullptr, nullptr, nullptr},
    {"RECT", "rect(x)", Famille::Signaux, "la porte : 1 quand -1 ≤ x ≤ 1, sinon 0", nullptr, nullptr, nullptr},
    {"TRI", "tri(x)", Famille::Signaux, "le triangle : 1 - |x| quand -1 ≤ x ≤ 1, sinon 0", nullptr, nullptr, nullptr},
    {"SINQ", "sinq(x)", Famille::Signaux,
     "le « sinus » trapézoïdal : signal de période 8, égal à x entre -1 et 1, avec des paliers à 1 et à -1",
     nullptr, nullptr, nullptr},
    {"COSQ", "cosq(x)", Famille::Signaux, "le « cosinus » trapézoïdal : sinq(x+2)", nullptr, nullptr, nullptr},
    {"TANQ", "tanq(x)", Famille::Signaux, "sinq(x)/cosq(x)", "x n'est pas un multiple impair de 2 (2, 6, -2…)",
     "tanq d'un multiple impair de 2", nullptr},
    {"SIND", "sind(x)", Famille::Signaux,
     "le « sinus » triangulaire : signal de période 4 et d'amplitude 1, égal à x entre -1 et 1", nullptr, nullptr,
     nullptr},
    {"COSD", "cosd(x)", Famille::Signaux, "le « cosinus » triangulaire : sind(x+1)", nullptr, nullptr, nullptr},
    {"TAND", "tand(x)", Famille::Signaux, "sind(x)/cosd(x)", "x n'est pas un entier impair", "tanq d'un nombre impair",
     nullptr},
    {"SINC", "sinc(x)", Famille::Signaux, "le sinus cardinal : sin(πx)/(πx), et 1 en 0", nullptr, nullptr, nullptr},
    {"GAMMA", "gamma(x)", Famille::Speciales, "la fonction Gamma d'Euler : gamma(n+1) = n! pour n entier",
     "x n'est ni 0 ni un entier négatif", "Gamma d'un entier négatif", nullptr},
    {"LOGAMMA", "logamma(x)", Famille::Speciales, "le logarithme népérien de gamma(x)", "x > 0",
     "argument négatif ou nul !", nullptr},
    {"BL", "bl(x)", Famille::Speciales,
     "la fonction « blanc-manger » (de Takagi), continue et dérivable nulle part : somme, pour n de 0 à 10, de la "
     "distance de 2ⁿ|x| à l'entier le plus proche, divisée par 2ⁿ",
     nullptr, nullptr, nullptr},
    {"RND", "rnd(x)", Famille::Hasard,
     "x fois un nombre tiré au hasard entre 0 (compris) et 1 (exclu), tiré à nouveau à chaque calcul", nullptr,
     nullptr, nullptr},
    {"POISSON", "poisson(x)", Famille::Hasard,
     "un entier tiré au hasard selon la loi de Poisson de paramètre x, à nouveau à chaque calcul", "x > 0",
     "paramètre de la loi de Poisson négatif ou nul !", nullptr},
    {"SHA", "sha(x)", Famille::Signaux, "le peigne de Dirac : 1 quand x est entier, sinon 0", nullptr, nullptr,
     nullptr},
    {"GAUSS01", "gauss01(x)", Famille::Hasard,
     "la densité de la loi normale centrée réduite : e^(-x²/2)/√(2π) (0 quand |x| ≥ 10)", nullptr, nullptr, nullptr},
    {"SGN", "sgn(x)", Famille::Entiers,
     "le signe de x : 1, -1, ou 0 quand x est nul (x compte pour nul quand |x| est plus petit que le réglage "
     "Zéro d'Options > Paramètres)",
     nullptr, nullptr, nullptr},
};

// Indexed by the binary code (CodeBinaire).
inline constexpr FicheFonction FichesBinaires[NbCodesBinaires] = {
    {"+", "x+y", Famille::Operateur, "la somme", nullptr, nullptr, nullptr},
    {"-", "x-y", Famille::Operateur, "la différence", nullptr, nullptr, nullptr},
    {"*", "x*y", Famille::Operateur, "le produit", nullptr, nullptr, nullptr},
    {"/", "x/y", Famille::Operateur, "le quotient",
     "|y| plus grand que le réglage Epsilon d'Options > Paramètres", "division par 0 !", nullptr},
    {"^", "x^y", Famille::Operateur,
     "x puissance y ; un exposant entier se calcule par produits, même pour x négatif : (-2)^3 = -8",
     "y entier (mais ni 0^0 ni 0 puissance négative), ou bien x > 0", "puissance non calculable !", nullptr},
    {"ARG", "arg(x,y)", Famille::Plan,
     "l'angle en degrés, entre -180 (exclu) et 180, du point de coordonnées (x ; y) ; s'écrit aussi x@y",
     nullptr, nullptr, nullptr},
    {"MODULE", "module(x,y)", Famille::Plan, "la distance du point (x ; y) à l'origine : √(x² + y²)", nullptr,
     nullptr, nullptr},
    {"COMB", "comb(n,p)", Famille::Calcul,
     "le nombre de combinaisons de p objets pris parmi n, n et p arrondis à l'entier le plus proche", "0 ≤ p ≤ n",
     "Cnp incalculable !", nullptr},
    {"MOD", "mod(x,y)", Famille::Calcul,
     "le reste de la division de x par y, entre 0 et |y| : mod(7,3) = 1, mod(-1,3) = 2", "y ≠ 0", "module nul !",
     nullptr},
    {"LOGA", "loga(b,x)", Famille::Calcul, "le logarithme de x en base b : ln(x)/ln(b)", "x > 0, b > 0 et b ≠ 1",
     catalogue_detail::Logarithme, "base du logarithme négative ou nulle!"},
    {"BINOM", "binom(n,p)", Famille::Hasard,
     "un entier tiré au hasard selon la loi binomiale de paramètres n (arrondi) et p, à nouveau à chaque calcul",
     "n ≥ 0 et 0 ≤ p ≤ 1", "paramètres incorrects", nullptr},
    {"GAUSS", "gauss(a,b)", Famille::Hasard,
     "un nombre tiré au hasard selon la loi normale de moyenne a et d'écart type b, à nouveau à chaque calcul",
     "b > 0", "gaussienne d'écart type négatif ou nul", nullptr},
    {"UNIF", "unif(a,b)", Famille::Hasard,
     "un nombre tiré au hasard uniformément entre a et b, à nouveau à chaque calcul", nullptr, nullptr, nullptr},
    {"TCHEB", "tcheb(n,x)", Famille::Polynomes, "le polynôme de Tchebychev de première espèce de degré n, en x",
     catalogue_detail::DomainePolynome, catalogue_detail::DegreNegatif, catalogue_detail::DegreTropGrand},
    {"TCHEB2", "tcheb2(n,x)", Famille::Polynomes, "le polynôme de Tchebychev de seconde espèce de degré n, en x",
     catalogue_detail::DomainePolynome, catalogue_detail::DegreNegatif, catalogue_detail::DegreTropGrand},
    {"HERMIT", "hermit(n,x)", Famille::Polynomes, "le polynôme d'Hermite de degré n, en x (H₁(x) = 2x)",
     catalogue_detail::DomainePolynome, catalogue_detail::DegreNegatif, catalogue_detail::DegreTropGrand},
    {"LAGUER", "laguer(n,x)", Famille::Polynomes,
     "le polynôme de Laguerre de degré n, en x, multiplié par n! (L₁(x) = 1 - x, L₂(x) = x² - 4x + 2)",
     catalogue_detail::DomainePolynome, catalogue_detail::DegreNegatif, catalogue_detail::DegreTropGrand},
    {"LEGNDR", "legndr(n,x)", Famille::Polynomes, "le polynôme de Legendre de degré n, en x",
     catalogue_detail::DomainePolynome, catalogue_detail::DegreNegatif, catalogue_detail::DegreTropGrand},
    {"MIN", "min(x,y)", Famille::Calcul, "le plus petit des deux nombres", nullptr, nullptr, nullptr},
    {"MAX", "max(x,y)", Famille::Calcul, "le plus grand des deux nombres", nullptr, nullptr, nullptr},
};
