// The curves computed from one other curve, their mother, by one of 63 operations (codes 0
// to 62): pointwise functions, signal operations, differential geometry, points on a
// curve, transformations of the plane, histogram, discrete primitive, Laplace and discrete
// Fourier transforms. The curve keeps the mother's identifier, never a pointer: every trace
// looks the mother up again in every window, takes its parameters and bounds, and hands
// over to the compute routine of the code (derivees/routines.h), which reads the mother's
// point cache (the mother is traced first, unseen, when it has none) and writes the curve's
// own.
#pragma once

#include <array>

#include "graph/courbes/GCCourbe.h"

// Codes 0..62.
constexpr int NbCodesOperation = 63;

// The hold codes: 51, 52, 58 to 62.
bool EstCodeBlocage(int code);
// The kind letter that the operation commands give a new curve of that code: 'U' for 0..9,
// 39, 41, 47..52, 57..62, 'Q' for every other code.
QChar LettreOperation(int code);
// The codes whose curve keeps its own a9 when it takes its mother's parameters: 17, 43,
// 54, 55, 56.
bool GardeSonA9(int code);
// Why a curve of that code cannot be made from that mother with those parameters (French,
// as the commands show it), or empty: the mother's kind (no decimation of a sequence, the
// composition of y=f(x) only, the holds of P, T, X and Y only), n >= 1 for the composition,
// at least one value kept or dropped for the decimation, a period for the holds.
QString RefusOperation(int code, const GCCourbe& mere, const std::array<QString, 6>& parametres);
// Its first part, the mother's kind, which every trace checks again (a document may pair
// any curve with any mother): a hold or a composition would read the formula of an
// equation, a system or a sequence as that of y=f(x).
QString RefusGenreOperation(int code, const GCCourbe& mere);

class GCOperUnaire : public GCY {
public:
    // Code 17: name "M" + number, not joined; code 42: not joined; p1..p6 "0".
    GCOperUnaire(QChar genre, int operation, int fenetre, int numero);
    // GCY's copy, the code, p1..p6, the source's mother (taken again when it is found: its
    // identifier and parameters), and a copy of each child of its own, numbered as this
    // curve.
    void Copie(const GCBase& source) override;
    // The dispatcher: mother, parameters, bounds, children, the compute routine of the code,
    // then the arrow heads. A refusal leaves the curve's previous files in place.
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    QString SignatureDefinition() const override;
    // Record: the operation code, its six parameters and the sub-kind in the header; the
    // piloting lines of operation 17; the mother's identifier; the texts kept as they are.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    bool AvecPilotage() const override { return TypeCourbe == QLatin1Char('Q') && Operation == 17; }
    void FixeTextesLus(const QString& texte1, const QString& texte2) override { GCCourbe::FixeTextesLus(texte1, texte2); }
    void EcritQueue(QStringList& lignes) const override { EcritMeres(lignes, 1); }
    bool LitQueue(LecteurEnregistrement& lu, bool) override { return LitMeres(lu, 1); }
    // Code 10 (the regression, the y = f(x) of its fitted formula): x := t, y := f(t).
    void Evalue(double t, double& x, double& y) const override;
    // Traces the curve as the y = f(x) of its compiled first text over its own bounds (the
    // regression once fitted).
    void TraceFormule(QPainter& peintre, GCRepere& repere) { TraceEchantillons(peintre, repere); }

    // Mother identifier := the mother's; a0..a9 := the mother's (a0..a8 for the codes that
    // keep their a9).
    void CopieMere(const GCCourbe& mere);
    // The kind letter of the mother, null when it cannot be found.
    QChar GenreMere() const;
    void FixeParametres(const std::array<QString, 6>& parametres) { ParametresOperation = parametres; }
    // The child curves the code draws through, made when the curve has none: 17 a copy of
    // the mother, 34 a chronicle, 43 and 54 a y=f(x), 55 and 56 a parametric curve, each
    // with this curve's window, number and appearance; hold codes 51 and 52 a copy of the
    // mother (without the appearance). Whatever the curve's letter.
    void CreeFilles(const GCCourbe& mere);

    int Operation;
    std::array<QString, 6> ParametresOperation;   // p1..p6, "0" each
};
