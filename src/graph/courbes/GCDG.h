#pragma once

#include "graph/courbes/GCCourbe.h"

class GCDG : public GCY {
public:
    GCDG(QChar genre, int ordre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void Evalue(double t, double& x, double& y) const override;
    QString SignatureDefinition() const override;

    int Ordre;   // derivation order 1..5 (E: order of the equation)
};
