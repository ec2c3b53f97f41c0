#pragma once

#include <array>

#include "graph/courbes/GCDG.h"

class GCE : public GCDG {
public:
    GCE(QChar genre, int ordre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void Evalue(double t, double& x, double& y) const override;
    const std::array<QString, 11>& ConditionsInitiales() const { return TextesInitiaux; }
    // Stores the eleven texts (Xo, Yo, Y'o, ...) and evaluates them.
    void FixeConditionsInitiales(const std::array<QString, 11>& textes);
    QString SignatureDefinition() const override;

    std::array<QString, 11> TextesInitiaux;   // "0" each
    std::array<double, 11> ValeursInitiales{};
};
