#pragma once

#include "graph/courbes/GCCourbe.h"

class GCRS : public GCY {
public:
    GCRS(QChar genre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void Evalue(double t, double& x, double& y) const override;
    using GCY::FixeBornes;
    // The two bound texts (H: Xo and Yo), evaluated at once.
    void FixeBornes(const QString& borne1, const QString& borne2);
    void BornesCalcul(QString& borne1, QString& borne2) const { borne1 = TexteBorne1; borne2 = TexteBorne2; }
    // Evaluates both bound texts again; false when one does not evaluate.
    bool VerifieBornes();
    QString SignatureDefinition() const override;

    QString TexteBorne1 = QStringLiteral("0");
    QString TexteBorne2 = QStringLiteral("0");
    double Borne1 = 0, Borne2 = 0;
};
