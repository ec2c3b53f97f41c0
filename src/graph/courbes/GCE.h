#pragma once

#include <array>

#include "graph/courbes/GCDG.h"

// The summary of the initial conditions of an equation of that order, the curve's second
// text: "y(Xo)=Yo;" then "y[k](Xo)=Y(k)o;" for k = 1 .. order - 1.
QString ResumeConditions(int ordre, const std::array<QString, 11>& textes);

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
    // Record: the order and the eleven initial texts in the header; the texts line holds
    // the summary of the initial conditions, ";" included; no mother.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    QString LigneTextes() const override;
    void LitLigneTextes(QString ligne) override;
    void EcritQueue(QStringList& lignes) const override { GCY::EcritQueue(lignes); }
    bool LitQueue(LecteurEnregistrement& lu, bool jetable) override { return GCY::LitQueue(lu, jetable); }

    std::array<QString, 11> TextesInitiaux;   // "0" each
    std::array<double, 11> ValeursInitiales{};
};
