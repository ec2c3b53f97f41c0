// The compute routines of the curves derived from one mother, one per family of operation
// codes, each in a file of its own, and the table that gives the routine of a code.
//
// The dispatcher (GCOperUnaire::Trace) has found the mother (its point cache written, the
// mother traced first when it had none), copied the mother's parameters and bounds into the
// curve, evaluated the curve's parameters into ValeursParametres and made the children the
// code needs. A routine then reads what it needs (the mother's cache or formulas, the
// curve's p1..p6 and bounds) and hands every point to the output, which draws it, records
// it and draws the curve's own label at it. It returns false to refuse the whole trace
// (after saying why with courbe.SignaleRefus): the curve's previous files then stay as
// they were. The dispatcher ends the output (the three files written at once), draws the
// arrow heads and the warning of points that could not be computed, unless the routine
// traced the curve by other means (SortieOperation::Delegue).
//
// To add the routine of a code: a function with the signature below, in a file of its own
// in this folder, named in the table of routines.cpp.
//
// The curves derived from two mothers (GCOperBinaire) share the mother lookup and the
// output.
#pragma once

#include <QString>
#include <cstdint>
#include <initializer_list>

#include "expression/etat.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"

class GCOperUnaire;
class GCRepere;
class QPainter;

// The mother of a derived curve, found by identifier in every window; null when none, when
// it is the curve itself, or when its trace is under way (a loop of mothers, which a
// damaged file can make: that cache is being made from this very trace).
PtrCourbe MereDisponible(const QString& identifiant, const GCCourbe& fille);

// Marks a derived curve's trace as under way for as long as it lives.
class GardeTraceDerivee {
public:
    explicit GardeTraceDerivee(const GCCourbe* courbe);
    ~GardeTraceDerivee();
    GardeTraceDerivee(const GardeTraceDerivee&) = delete;
    GardeTraceDerivee& operator=(const GardeTraceDerivee&) = delete;
};

// The output of one trace of a derived curve (from one mother or two): its point cache,
// error file and legend file.
class SortieOperation {
public:
    SortieOperation(GCRelNum& courbe, QPainter& peintre, GCRepere& repere);

    // Draws and records one point (non-finite coordinates fail it), then the curve's own
    // label at it; the first point of a trace moves the pen.
    void Point(double t, double x, double y);
    // A point made from a record of the mother, with its t: while the line goes on, the
    // record's pen byte decides, so that the mother's moves and breaks are kept.
    void PointDeMere(const PointCourbe& mere, double x, double y);
    // A point that could not be computed: its error line, and the next point starts a new
    // piece.
    void Echec(double t, const QString& message) { traceur_.Echec(t, message); }
    // A point that could not be computed, without an error line (it still counts for the
    // warning).
    void Coupure();
    // Draws a segment between two world points with that pen, inside the plot only (what a
    // curve adds to its points: the tops of hold bars, projection segments).
    void Segment(double x1, double y1, double x2, double y2, const QPen& stylo);
    std::uint8_t Stylo() const { return traceur_.Stylo(); }
    void FixeStylo(std::uint8_t stylo) { traceur_.FixeStylo(stylo); }
    TraceurCourbe& Traceur() { return traceur_; }
    QPainter& Peintre() { return peintre_; }
    GCRepere& Repere() { return repere_; }
    // The routine traced the curve by other means (through a child, or as the formula curve
    // it made): this output writes nothing, and the points, arrows and warnings are that
    // trace's.
    void Delegue() { delegue_ = true; }
    bool Deleguee() const { return delegue_; }
    // Writes the files (once); true when points could not all be computed.
    bool Termine();

private:
    GCRelNum& courbe_;
    QPainter& peintre_;
    GCRepere& repere_;
    TraceurCourbe traceur_;
    bool coupures_ = false;
    bool delegue_ = false;
};

// The value of p<i+1> (i = 0..5); false, after the refusal "Tracé impossible! Paramètre
// n°... incorrect", when it does not evaluate to a finite number.
bool ValeurParametre(GCOperUnaire& courbe, int i, double& valeur);
// The values of p1, p2, ... in turn, as many as given.
bool ValeursParametres(GCOperUnaire& courbe, std::initializer_list<double*> valeurs);
// The same rounded to the nearest whole number (halves to even), within +-2^53.
bool EntierParametre(GCOperUnaire& courbe, int i, long long& valeur);

// The values of a parameter over [debut, fin] with the step pas, as a curve of one
// parameter samples it: debut, then a step further while below fin (the step times 10 at
// each decade when logarithmique), then fin itself when more than Epsilon beyond; f is
// called with each. At most MaxPointsTrace values: false when cut there.
template <class Fonction>
bool ParcourtIntervalle(double debut, double fin, double pas, bool logarithmique, Fonction&& f)
{
    double t = debut, decade = debut;
    f(t);
    for (long long n = 1; t + pas < fin; ++n) {
        if (logarithmique && PasLogarithmique(t, pas, decade) && !(t + pas < fin))
            break;
        if (t + pas == t || n >= genres::MaxPointsTrace)
            return false;
        t += pas;
        f(t);
    }
    if (fin - t > contexteCalcul().Epsilon)
        f(fin);
    return true;
}

using RoutineOperation = bool (*)(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);

// The routine of a code; null for a code whose computation this version does not have.
RoutineOperation RoutineDuCode(int code);

// Codes 0..7, 39, 49, 50, 57: one point of the result for each record of the mother's
// cache, in order, with the same t (ponctuelle.cpp).
bool TracePonctuelle(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 18: the mother's records from the last to the first (sensinverse.cpp).
bool TraceSensInverse(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 8: a piece of the mother repeated over a span, alternately as it is and changed by
// the pattern mode (signal.cpp).
bool TracePeriodisation(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 9: runs of the mother's records kept and dropped, the kept ones laid on the regular
// grid of the curve's start and step (signal.cpp).
bool TraceDecimation(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Codes 47, 48: the records of the mother that are local minima or maxima (signal.cpp).
bool TraceEnveloppe(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Codes 51, 52, 58..62: the mother's first formula held over periods (blocage.cpp).
bool TraceBlocage(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Codes 11, 12, 13, 44: moving median, centred moving mean, sliding affine fit, Gaussian
// kernel (lissage.cpp).
bool TraceLissage(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 10: the least-squares fit of the mother, traced as its formula (lissage.cpp).
bool TraceRegression(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Codes 43, 54, 55, 56: the tangent, normal, osculating circle or centre of curvature at one
// value of the mother's parameter, written as the child's formula and traced by it; codes
// 14, 15: the evolute and the pedal curve (tangentes.cpp).
bool TraceTangente(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
bool TraceDeveloppee(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 17: a point of the mother at one value of its parameter, traced by the child; code
// 42: particular points of the mother's samples; code 53: their discrete primitive
// (points.cpp).
bool TracePointSurCourbe(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
bool TracePointParticulier(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
bool TracePrimitive(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 41: the histogram of the densities of the mother's abscissae or ordinates
// (histogramme.cpp).
bool TraceHistogramme(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 38: the Laplace transform; code 34: the discrete Fourier transform, drawn by its
// child chronicle (laplace_tfd.cpp).
bool TraceLaplace(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
bool TraceTFD(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Codes 16, 19..33, 35..37, 40, 45, 46: the mother's records moved by a transformation of
// the plane (transformees.cpp).
bool TraceTransformation(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
