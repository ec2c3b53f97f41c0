#pragma once

#include "graph/courbes/GCCourbe.h"

class GCDG : public GCY {
public:
    GCDG(QChar genre, int ordre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    // D: the derivative of the formula at t, of the curve's order, with the step Pas / 10 but
    // never so small that rounding errors drown it.
    void Evalue(double t, double& x, double& y) const override;
    // G: the derivative from the samples of the mother's point cache (the mother traced
    // first when it has none), one point per window of samples.
    void TraceDiscrete(QPainter& peintre, GCRepere& repere);
    QString SignatureDefinition() const override;
    // Record: the order in the header; the mother's identifier. G keeps its texts as
    // they are.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    void FixeTextesLus(const QString& texte1, const QString& texte2) override;
    void EcritQueue(QStringList& lignes) const override { EcritMeres(lignes, 1); }
    bool LitQueue(LecteurEnregistrement& lu, bool) override { return LitMeres(lu, 1); }

    int Ordre;   // derivation order 1..5 (E: order of the equation)
};
