// Numbers as texts, and the text utilities of labels and formulas.
#pragma once

#include <array>
#include <string>

// Display form of a real under DecimalesReels (D): fixed with D decimals, trailing zeros
// removed ("2.5", "987654") when |x| >= 10^-D, else scientific with at most D decimals, cut
// ("4.E-6", "1.23456E-7"). 0 and NaN give "0"; infinities "INF" and "-INF" (which do
// not read back as a number). Never depends on the locale.
std::string ReelVersTexte(double x);
// The shortest text that reads back (through EvalueTexte) to exactly the same double, with
// "." and "E": for the numbers that are stored and read back (frame bounds, parameter values
// after a key, coefficients written into formulas, roots). Fixed form from 1E-5 to below
// 1E15 ("0.1", "-2.5", "100000"), else "1E-300", "1.5E16". -0 gives "-0".
std::string ReelExact(double x);
// Axis label styles: 0 ReelVersTexte; 1 thousands separated by blanks ("1 234 567.5");
// 2 scientific ("1.2345E+4"); 3 engineering ("12.345E3"); 4 percentage; 5 fraction
// ("-3/2"). |x| < Epsilon gives "0"; an infinite value gives the ReelVersTexte text.
std::string FormateReel(int style, double x);
// Continued fraction within a relative 1e-6 (denominator up to 1e7): pi gives 355/113.
void ApproximeFraction(double x, double& numerateur, double& denominateur);
// Removes the zeros ending the decimals, then a final "." or ",": "3.14000" -> "3.14".
std::string AbregeDecimal(std::string texte);
// Shortens a scientific text: exponent zeros, mantissa zeros, at most DecimalesReels
// decimals (cut): "1.50000000000000E-0007" -> "1.5E-7".
std::string AbregeScientifique(std::string texte);
// Appends morceau n times (nothing for n <= 0).
void RepeteTexte(int n, const std::string& morceau, std::string& texte);
// Every occurrence, left to right, without rescanning the replacement; an empty ancien
// leaves the text.
std::string RemplaceTexte(const std::string& ancien, const std::string& nouveau, const std::string& texte);
// Replaces the name (any case) where it stands as a whole name, not followed by a blank
// or "(": "a" in "2*a+1" and "(a)", not in "abs(x)", "rd" or "a b".
void RemplaceNom(const std::string& nom, const std::string& valeur, std::string& texte);
// Writes parameter values into a formula text: the personal parameters (in list order),
// then a b c d g h k l m p with their digit and prime forms (a3, a''), valeurs being the
// texts of the ten parameters. A value that is not a plain unsigned number is put in
// brackets, so the text keeps its meaning: with a = -2, "y=a*x" gives "y=(-2)*x".
void ParametresVersTexte(const std::array<std::string, 10>& valeurs, std::string& texte);
