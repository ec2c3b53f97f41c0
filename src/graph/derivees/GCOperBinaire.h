#pragma once

#include <array>

#include "graph/courbes/GCCourbe.h"

class GCOperBinaire : public GCY {
public:
    GCOperBinaire(int operation, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void Evalue(double t, double& x, double& y) const override;
    void FixeParametres(const std::array<QString, 3>& parametres) { ParametresOperation = parametres; }
    QString SignatureDefinition() const override;

    int Operation;
    std::array<QString, 3> ParametresOperation;   // defaults by operation
};
