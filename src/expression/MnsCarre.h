// Least-squares fitting of 17 model kinds to the points of a curve; the result is the
// fitted formula as text (to be compiled as "y=" + text).
//
//  kind   model                                  option text        unknowns
//  1-5    polynomial of degree d = kind          "1": constant term  d + 1 ("1") or d
//  6-10   c0 + sum j=1..p aj·cos(j·w·x)          the pulsation w     2p + 1
//              + bj·sin(j·w·x), p = kind - 5
//  11     a·x^b                                   -                   2
//  12     a·exp(b·x)                              -                   2
//  13     a·ln(b·x)                               -                   2
//  14     A·(1 + c·exp(b·x))                      the constant A      2
//  15     A/(1 + c·exp(b·x))                      the constant A      2
//  16     A·exp(c·d^x)                            the constant A      2
//  17     (a·x + b)/(x - C)                       the pole C          2
//
// Kinds 11 to 17 are fitted as a straight line after a change of variables.
#pragma once

#include <string>

// Status of a fit.
enum StatutMoindresCarres {
    MCReussi = 0,
    MCPeuDePoints = 1,     // fewer than two points
    MCSansInconnue = 2,    // unknown kind
    MCTropPeuDePoints = 3, // fewer points than unknowns
    MCImpossible = 4       // singular system, point outside the model's domain, bad option
};

// Fits the first n points (x[i], y[i]). On success statut is 0 and texte the formula, with
// coefficients written so that they read back exactly. On failure texte is "erreur " +
// the status digit + its message (" : Nb de pts insuffisant", " : Calculs impossibles",
// " non identifiée!"). When ecartType is given it receives the residual standard deviation
// sqrt(sum of squared residuals / (n - unknowns)), 0 when n equals the unknowns. When
// affichage is given it receives the formula as it is shown, its coefficients written by
// ReelVersTexte (on failure, the same text as texte).
void MoindresCarres(int genre, const double* x, const double* y, int n, std::string& texte, int& statut,
                    const std::string& option, double* ecartType = nullptr, std::string* affichage = nullptr);
