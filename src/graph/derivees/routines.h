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
// arrow heads and the warning of points that could not be computed.
//
// To add the routine of a code: a function with the signature below, in a file of its own
// in this folder, named in the table of routines.cpp.
//
// The curves derived from two mothers (GCOperBinaire) share the mother lookup and the
// output.
#pragma once

#include <QString>
#include <cstdint>

#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/tracepoint.h"

class GCOperUnaire;
class GCRepere;
class QPainter;

// "Tracé impossible, mère introuvable !"
QString MereIntrouvable();

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
    // A point that could not be computed: its error line, and the next point starts a new
    // piece.
    void Echec(double t, const QString& message) { traceur_.Echec(t, message); }
    // A point that could not be computed, without an error line (it still counts for the
    // warning).
    void Coupure();
    std::uint8_t Stylo() const { return traceur_.Stylo(); }
    void FixeStylo(std::uint8_t stylo) { traceur_.FixeStylo(stylo); }
    TraceurCourbe& Traceur() { return traceur_; }
    QPainter& Peintre() { return peintre_; }
    GCRepere& Repere() { return repere_; }
    // Writes the files (once); true when points could not all be computed.
    bool Termine();

private:
    GCRelNum& courbe_;
    QPainter& peintre_;
    GCRepere& repere_;
    TraceurCourbe traceur_;
    bool coupures_ = false;
};

using RoutineOperation = bool (*)(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);

// The routine of a code; null for a code whose computation this version does not have.
RoutineOperation RoutineDuCode(int code);

// Codes 0..7, 39, 49, 50, 57: one point of the result for each record of the mother's
// cache, in order, with the same t (ponctuelle.cpp).
bool TracePonctuelle(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
// Code 18: the mother's records from the last to the first (sensinverse.cpp).
bool TraceSensInverse(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie);
