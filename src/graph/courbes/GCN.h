#pragma once

#include "graph/courbes/GCCourbe.h"

class GCN : public GCRelNum {
public:
    GCN(QChar genre, int fenetre, int numero, int sousType);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    // Stores the three texts and evaluates Xo and Yo.
    void FixeConditions(const QString& iterations, const QString& xo, const QString& yo);
    void Conditions(QString& iterations, QString& xo, QString& yo) const;
    void FixeIterationsVisibles(const QString& debut, const QString& fin) { DebutVisible = debut; FinVisible = fin; }
    QString SignatureDefinition() const override;
    // Record: the iterations, Xo, Yo, the sub-kind, then the visible iterations (or, for
    // sub-kind 0, the range of the y=f(x) child); sub-kind 0 names its mother.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    void EcritQueue(QStringList& lignes) const override;
    bool LitQueue(LecteurEnregistrement& lu, bool jetable) override;

    QString Iterations = QStringLiteral("20");
    double Xo = 0, Yo = 0;
    QString TexteXo = QStringLiteral("0"), TexteYo = QStringLiteral("0");
    QString DebutVisible = QStringLiteral("0");
    QString FinVisible = QStringLiteral("20");
};
