#pragma once

#include "graph/courbes/GCCourbe.h"

class GCRS : public GCY {
public:
    GCRS(QChar genre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    // J: the integral of the formula over its x between the bounds, Y reading t (Tempo 0:
    // Romberg to Epsilon, else Simpson with Tempo double steps); R: the formula at t brought
    // back into [Borne1, Borne2) by whole periods; S: the sum of the formula at t for N from
    // Borne1 to Borne2 rounded. H has no value of its own.
    void Evalue(double t, double& x, double& y) const override;
    using GCY::FixeBornes;
    // The two bound texts (H: Xo and Yo), evaluated at once.
    void FixeBornes(const QString& borne1, const QString& borne2);
    void BornesCalcul(QString& borne1, QString& borne2) const { borne1 = TexteBorne1; borne2 = TexteBorne2; }
    // Evaluates both bound texts again, with the curve's parameters; false when one does not
    // evaluate (its value is then 0).
    bool VerifieBornes();
    QString SignatureDefinition() const override;
    // Record: the two bound texts in the header; J, R and S check them once read.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    bool LitQueue(LecteurEnregistrement& lu, bool jetable) override;

    // H: the trajectory through (Xo, Yo), followed at unit speed by steps of arc length Pas,
    // (Xo - Xinf) / Pas steps against the field and (Xsup - Xo) / Pas along it; a direction
    // ends within about a step of an equilibrium (the field vanishes, or turns by more than
    // a right angle within one step), or where the field cannot be computed. The polar flag is the byte of random sampling.
    void TraceSysteme(QPainter& peintre, GCRepere& repere);

    QString TexteBorne1 = QStringLiteral("0");
    QString TexteBorne2 = QStringLiteral("0");
    double Borne1 = 0, Borne2 = 0;
};
