// Complex numbers, and the evaluation of a compiled formula over them (w = f(z) of the
// complex transformation of a curve).
//
// A Complexe keeps both forms in step: every operation below returns a number whose
// Cartesian and polar fields agree. The argument lies in (-pi, pi], 0 at the origin.
// Values on the branch cuts are those reached by turning counter-clockwise around the
// branch point (SQRT(-4) = 2i, LN(-1) = i·pi, ARCSIN(2) = pi/2 - 1.3169i).
#pragma once

#include "expression/fonction.h"

struct Complexe {
    double Re = 0;
    double Im = 0;
    double Module = 0;
    double Arg = 0;
};

// Builders.
Complexe ComplexeCartesien(double re, double im);
Complexe ComplexePolaire(double module, double arg);

// Recomputes Module and Arg from Re and Im.
void ComplexeVersPolaire(Complexe& z);
// Recomputes Re and Im from Module and Arg.
void PolaireVersComplexe(Complexe& z);

// True when Im = 0 and Re is an integer; n receives the integer part of Re in every case.
bool EstEntier(const Complexe& z, double& n);

Complexe Oppose(const Complexe& z);
Complexe Conjugue(const Complexe& z);
Complexe PartieReelle(const Complexe& z);
Complexe PartieImaginaire(const Complexe& z);
Complexe ModuleC(const Complexe& z);
Complexe ProduitReel(const Complexe& z, double k);
Complexe PartieEntiereC(const Complexe& z);      // towards zero, part by part
Complexe ArrondiInferieur(const Complexe& z);    // floor, part by part
Complexe ArrondiC(const Complexe& z);            // nearest, halves to even
Complexe PartieFractionnaire(const Complexe& z);
Complexe Somme(const Complexe& u, const Complexe& w);
Complexe Difference(const Complexe& u, const Complexe& w);
Complexe Produit(const Complexe& u, const Complexe& w);
Complexe Carre(const Complexe& z);
// The functions below set ErreurCalcul() to 1 (and return 0) where they are not defined:
// a zero divisor, the logarithm of 0, a pole.
Complexe Quotient(const Complexe& u, const Complexe& w);
Complexe ExpC(const Complexe& z);
Complexe LnC(const Complexe& z);
Complexe RacineC(const Complexe& z);  // principal square root
Complexe PuissanceC(const Complexe& z, const Complexe& w);  // exp(w·ln z)
Complexe SinC(const Complexe& z);
Complexe CosC(const Complexe& z);
Complexe TanC(const Complexe& z);
Complexe ShC(const Complexe& z);
Complexe ChC(const Complexe& z);
Complexe ThC(const Complexe& z);
Complexe ArcsinC(const Complexe& z);
Complexe ArccosC(const Complexe& z);
Complexe ArctanC(const Complexe& z);
Complexe ArgshC(const Complexe& z);
Complexe ArgchC(const Complexe& z);
Complexe ArgthC(const Complexe& z);

// Value of a compiled formula at z (every variable letter reads z). Sets ErreurCalcul()
// to 0 or 1 with MessageErreur() as the real evaluator does; on failure resultat is 0.
// Functions without a complex meaning (MIN, SGN, curves called by name...) are computed
// by the real rules when their arguments are real, and fail otherwise; personal
// parameters are real.
void EvalueArbreComplexe(const Arbre& arbre, const Complexe& z, Complexe& resultat);
