#pragma once

#include <array>

#include "graph/courbes/GCCourbe.h"

class GCOperUnaire : public GCY {
public:
    GCOperUnaire(QChar genre, int operation, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void FixeParametres(const std::array<QString, 6>& parametres) { ParametresOperation = parametres; }
    QString SignatureDefinition() const override;

    int Operation;
    std::array<QString, 6> ParametresOperation;   // p1..p6, "0" each
};
