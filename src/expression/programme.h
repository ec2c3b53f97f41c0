// The form in which the evaluators run a compiled formula: one instruction per operator,
// the top of the value stack kept apart (in a register), a constant, x or parameter operand
// fused into its operator, the common functions and small integer powers as instructions
// of their own.
//
// The program is made from the postfix nodes when a formula compiles; the real and the
// complex evaluators run the same program. It computes exactly what the nodes mean: the
// same operations on the same operands, every operator's result checked as before, a
// failure stopping the evaluation at the same operator.
//
// The point-at-a-time loop takes the common shapes in one step each (Instruction::pas): an
// operator on x; u^2; x, x^2, a product by x (a*x, 3*x, or the top times x as in Horner's
// form) or u^2 followed by an operator with a constant or a parameter (x-1, x^2+1, a*x+b,
// (...)*x-5), with the value below (u*x^2, u+3*x) or by a change of sign (-x^2). A step does
// the work of its instructions in their order with the same results and failures; only the
// jumps between them go. The block evaluator runs the instructions one by one.
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

// The steps of the point-at-a-time loop beyond one per Op (an instruction alone has its Op's
// number).
namespace pas {
constexpr int NbOps = static_cast<int>(Op::PDivise) + 1;
enum : std::uint8_t {
    // An operator on the top with x pushed first (surX).
    OpposeX = NbOps,
    IdentiteX,
    SinX,
    CosX,
    ExpX,
    LnX,
    RacineX,
    AbsX,
    CarreX,
    PuissanceNX,
    AppelX,
    // u^2 by the power operator (PuissanceN of 2), u the top or x.
    Deux,
    DeuxX,
    // Constante or Parametre, then FoisX.
    CFoisX,
    PFoisX,
    // A head followed by a tail: PremiereSuite + tete * NbQueues + queue.
    PremiereSuite
};
// Heads: X; PuissanceN 2 on x; Constante, FoisX; Parametre, FoisX; PuissanceN 2; FoisX.
enum Tete { TeteX, TeteDeuxX, TeteCFoisX, TetePFoisX, TeteDeux, TeteFoisX, NbTetes };
// Tails: the operators with a constant (PlusC to CDivise) or a parameter (PlusP to PDivise)
// in Op's order, then Plus, Moins, Fois, Divise, and Oppose on the top.
constexpr int NbQueues = 17;
static_assert(PremiereSuite + NbTetes * NbQueues <= 256);
}  // namespace pas

struct Instruction {
    Op op = Op::Fin;
    std::uint8_t code = 0;
    std::uint8_t surX = 0;  // an operator on the top: x is pushed first and is its operand
    std::uint8_t pas = 0;   // the step of the point-at-a-time loop that starts here
    std::int32_t indice = 0;
    double valeur = 0;
    double imaginaire = 0;
};
