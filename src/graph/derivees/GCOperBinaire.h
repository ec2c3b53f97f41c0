// The curves computed from two other curves, their mothers, by one of sixteen operations
// (codes 0 to 15): sum, difference, product, quotient, composition, convolution, upper and
// lower envelopes, the couple, fusion, inverse discrete Fourier transform, intersection
// points, L1, L2 and L-infinity distances, point-to-point association. The curve keeps both
// mothers' identifiers, never pointers: every trace looks them up again in every window and
// reads their point caches (a mother without one is traced first, unseen), except the
// convolution and the intersection, which work on the mothers' formulas.
#pragma once

#include <array>

#include "graph/courbes/GCCourbe.h"

// Codes 0..15.
constexpr int NbOperationsBinaires = 16;

// The label of the result of that code from the names of its mothers ("fn1 + fn2",
// "Sup(fn1,fn2)"...); empty outside 0..15.
QString LibelleOperationBinaire(int code, const QString& a, const QString& b);

// Why the parameters cannot be those of that code (French, as the parameter dialog shows
// it), or empty: the convolution's step count from 1 to 32766, fusion counts not negative
// and not both 0, an intersection of at least one sub-interval with precisions above 0, an
// arrow kind not negative.
QString RefusParametresBinaires(int code, const std::array<QString, 3>& parametres);

// Why those mothers cannot be combined by that code, or empty: the composition (4) reads
// the first one's formula, the convolution (5) and the intersection (11) both, as those of
// y=f(x). The command checks it, and every trace again.
QString RefusGenresBinaires(int code, const GCCourbe& mere1, const GCCourbe& mere2);

// A whole number given as a text (any expression), rounded, halves to even, and kept within
// +-10^7; false when the text does not evaluate.
bool EntierOperation(const QString& texte, long long& valeur);

class GCOperBinaire : public GCY {
public:
    // Kind O with the code's default parameters.
    GCOperBinaire(int operation, int fenetre, int numero);
    // GCY's copy, both mothers, the code and the three parameters.
    void Copie(const GCBase& source) override;
    // Both mothers found again, then the computation of the code. A refusal (a mother
    // missing, a mother's cache that cannot be read, samplings that differ, a sample count
    // the inverse transform cannot take) leaves the curve's previous files in place.
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    // The convolution at t (code 5); GCY's otherwise.
    void Evalue(double t, double& x, double& y) const override;
    void FixeParametres(const std::array<QString, 3>& parametres) { ParametresOperation = parametres; }
    QString SignatureDefinition() const override;
    // Record: the operation code and its three parameters in the header; both mothers'
    // identifiers; the texts kept as they are.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    void FixeTextesLus(const QString& texte1, const QString& texte2) override { GCCourbe::FixeTextesLus(texte1, texte2); }
    void EcritQueue(QStringList& lignes) const override { EcritMeres(lignes, 2); }
    bool LitQueue(LecteurEnregistrement& lu, bool) override { return LitMeres(lu, 2); }

    // Mere1 and Mere2 := the mothers' identifiers; Libelle1 := the label of the code from
    // their names, Libelle2 := ""; a0..a9 := mother 1's.
    void Libelle(const GCCourbe& mere1, const GCCourbe& mere2);

    int Operation;
    std::array<QString, 3> ParametresOperation;   // defaults by operation

private:
    // The computations of the codes that work on the mothers' formulas.
    void TraceConvolution(const GCCourbe& mere1, const GCCourbe& mere2, QPainter& peintre, GCRepere& repere);
    void TraceIntersection(const GCCourbe& mere1, const GCCourbe& mere2, QPainter& peintre, GCRepere& repere);
};
