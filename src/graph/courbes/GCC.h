#pragma once

#include <vector>

#include "graph/courbes/GCCourbe.h"

// One line of a chronicle's data file: the value it gives, or the line that gives none.
struct ValeurChronique {
    double y = 0;
    bool ok = false;
    QString ligne;
};
// The values of a chronicle's lines: one per line that is not blank (blank lines give
// none), a number or an expression of the parameters.
std::vector<ValeurChronique> ValeursChronique(const QStringList& lignes);
// The lines of a chronicle's data file that give back exactly these values.
QStringList LignesChronique(const std::vector<double>& valeurs);

// B: the Bézier curve of the control points of a points file; W: their cubic B-spline on
// clamped uniform knots; C: a chronicle, one ordinate per line of a data file at a regular
// step from a first abscissa.
class GCC : public GCCourbe {
public:
    GCC(QChar genre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void DebutPas(QString& debut, QString& pas) const { debut = Debut; pas = PasC; }
    void FixeDebutPas(const QString& debut, const QString& pas) { Debut = debut; PasC = pas; }
    QString SignatureDefinition() const override;
    // Record: start and step in the header; the control points of B and W are read
    // through a list curve of their own.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    bool LitQueue(LecteurEnregistrement& lu, bool jetable) override;
    bool AvecFichierDonnees() const override { return true; }

    QString Debut = QStringLiteral("0");   // C: abscissa of the first ordinate
    QString PasC = QStringLiteral("0.1");  // C: abscissa step; B, W: parameter step

private:
    // Kind C: the values of its data file at Debut, Debut + PasC, ...
    void TraceChronique(QPainter& peintre, GCRepere& repere, const QStringList& lignes, double pas);
    void TracePointsDeControle(QPainter& peintre, GCRepere& repere, const QStringList& lignes, double pas);
};
