// Numbers as texts, and the text utilities of labels and formulas.
#pragma once

#include <array>
#include <string>

// Display form of a real under LongueurReels and DecimalesReels: the shortest readable text.
std::string ReelVersTexte(double x);
// The shortest text that reads back (through EvalueTexte) to exactly the same double, with
// "." and "E": for the numbers that are stored and read back (frame bounds, parameter values
// after a key, coefficients written into formulas, roots).
std::string ReelExact(double x);
// Axis label styles 0..5.
std::string FormateReel(int style, double x);
void ApproximeFraction(double x, double& numerateur, double& denominateur);
std::string AbregeDecimal(std::string texte);
std::string AbregeScientifique(std::string texte);
void RepeteTexte(int n, const std::string& morceau, std::string& texte);
std::string RemplaceTexte(const std::string& ancien, const std::string& nouveau, const std::string& texte);
void RemplaceNom(const std::string& nom, const std::string& valeur, std::string& texte);
void ParametresVersTexte(const std::array<std::string, 10>& valeurs, std::string& texte);
