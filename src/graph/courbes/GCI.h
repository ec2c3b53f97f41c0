// Curves given by an equation in x and y (kind I): by sub-type, an implicit curve
// f(x, y) = 0 (0), a straight line Ax+By+C=0 (1) or Ax+By = C (11), a conic
// Ax²+Bxy+Cy²+Dx+Ey+F=0 (2). Lines and conics are drawn through a parametric child curve
// (kind T) whose formulas this class writes at each trace; the implicit curve has its own
// tracer, which finds the roots of f along horizontal lines and, in joined mode, follows
// the curve from them.
#pragma once

#include <array>

#include "graph/courbes/GCCourbe.h"

class GCI : public GCY {
public:
    GCI(QChar genre, int sousType, int fenetre, int numero);
    // GCY's copy, then the six coefficient texts and both mothers. The copy makes its own
    // child at its first trace.
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    // GCY's lines, then, for a conic, what its analysis finds.
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    const std::array<QString, 6>& Coefficients() const { return TextesCoefficients; }
    void FixeCoefficients(const std::array<QString, 6>& coefficients) { TextesCoefficients = coefficients; }
    // The equation written from the coefficient texts, as Libelle1 holds it for a line or a
    // conic: "(A)*x+(B)*y+(C)", "(A)*x+(B)*y-(C)", "(A)*x²+(B)*x*y+(C)*y²+(D)*x+(E)*y+(F)".
    QString LibelleDesCoefficients() const;
    // The child's formulas x(t), y(t) for the coefficient values (the curve's parameters set
    // first). False when there is nothing to draw, with the message that says why.
    bool FormulesParametriques(QString& x, QString& y, QString& message) const;
    QString SignatureDefinition() const override;
    // Record: the sub-kind and the six coefficients in the header; the parametric child
    // that draws the curve is made when it is read.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;

    std::array<QString, 6> TextesCoefficients;   // A..F, "0" each

private:
    // The coefficient values; false (with the message) when one does not evaluate.
    bool ValeursCoefficients(std::array<double, 6>& valeurs, QString& message) const;
    // The display settings and parameters of this curve, given to the child (the first one).
    void CopieVersFille(GCY& fille);
    void TraceImplicite(QPainter& peintre, GCRepere& repere);
};
