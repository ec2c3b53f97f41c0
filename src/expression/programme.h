// The form in which the evaluators run a compiled formula: one instruction per operator,
// the top of the value stack kept apart (in a register), a constant, x or parameter operand
// fused into its operator, the common functions and small integer powers as instructions
// of their own.
//
// The program is made from the postfix nodes when a formula compiles; the real and the
// complex evaluators run the same program. It computes exactly what the nodes mean: the
// same operations on the same operands, every operator's result checked as before, a
// failure stopping the evaluation at the same operator.
#pragma once

#include <cstdint>

enum class Op : std::uint8_t {
    Fin,
    // Leaves: push the current top, the leaf becomes the top.
    Constante,   // valeur (+ imaginaire for the complex evaluator)
    X,           // the evaluation variable
    Parametre,   // ValeursParametres[indice]
    Etat,        // VariablesEtat[indice]
    Perso,       // personal parameter of slot indice
    // On the top.
    Oppose,
    Identite,    // prefix "+": only the check of the result
    Sin,
    Cos,
    Exp,
    Ln,
    Racine,
    Abs,
    Carre,
    PuissanceN,  // top ^ indice (0..64) by repeated products; code 1: reciprocal (exponent <= 0)
    Unaire,      // unary code `code`
    Auxiliaire,  // F0..F9 of index indice at the top
    Courbe,      // curve called by name, slot indice, at the top
    // Second value from the top (u) with the top (w); the result becomes the top.
    Plus,
    Moins,
    Fois,
    Divise,
    Binaire,     // binary code `code`
    // The top with a constant c (valeur) or with x.
    PlusC,       // top + c
    MoinsC,      // top - c
    CMoins,      // c - top
    FoisC,
    DiviseC,     // top / c
    CDivise,     // c / top
    PlusX,
    MoinsX,      // top - x
    XMoins,      // x - top
    FoisX,
    DiviseX,     // top / x
    XDivise,     // x / top
    PlusP,       // top + ValeursParametres[indice]
    MoinsP,
    PMoins,
    FoisP,
    DiviseP,
    PDivise,
};

struct Instruction {
    Op op = Op::Fin;
    std::uint8_t code = 0;
    std::uint8_t surX = 0;  // an operator on the top: x is pushed first and is its operand
    std::int32_t indice = 0;
    double valeur = 0;
    double imaginaire = 0;
};
