#pragma once

#include <array>

#include "graph/courbes/GCCourbe.h"

class GCI : public GCY {
public:
    GCI(QChar genre, int sousType, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    const std::array<QString, 6>& Coefficients() const { return TextesCoefficients; }
    void FixeCoefficients(const std::array<QString, 6>& coefficients) { TextesCoefficients = coefficients; }
    QString SignatureDefinition() const override;

    std::array<QString, 6> TextesCoefficients;   // A..F, "0" each
};
