// Drawing of the computed points of a curve: world to pixel, clipping to the frame, pen
// state, bars, projection marks, markers, registration in the frame's hit index; and the
// side files of one trace (point cache, error file, legend file), each written at once when
// the trace ends.
#pragma once

#include <QByteArray>
#include <QFile>
#include <QPen>
#include <QPoint>
#include <QLine>
#include <QList>
#include <QPolygon>
#include <QString>
#include <QStringList>
#include <chrono>
#include <cstdint>
#include <memory>
#include <vector>

#include "graph/base/GCclasse_base.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/pointscourbe.h"

class QPainter;
class GCRepere;
class GCCourbe;

// While set (parameter variation running), traced points are not entered in the hit index.
inline bool& SansMemoPoints() { return etatGraphe().SansMemoPoints; }

// The warnings-memo line of a curve whose points could not all be computed.
QString LigneAvertissementCalcul(const QString& nomCourbe);

// Draws one computed point of a curve: in/out the last pixel and the pen state, as the
// callers carry them from point to point.
void TracePoint(GCCourbe& courbe, QPainter& peintre, GCRepere& repere, double x, double y, int& dernierX,
                int& dernierY, std::uint8_t& stylo);

// The projection mark of one point at pixel (px, py), code 1..6, in the given colour.
void TraceHachure(QPainter& peintre, const GCRepere& repere, int px, int py, TCouleur couleur, int code);

// The arrow heads of a traced curve, from its records, in its colour: mode 1 at the last
// point (directed from the one before), 2 at the first, 3 both (start first); nothing with
// fewer than two records.
void DessineFlechesCourbe(QPainter& peintre, const GCRepere& repere, const std::vector<PointCourbe>& points,
                          TCouleur couleur, int mode);

// Walks the Bresenham line from (x0, y0) to (x1, y1), start pixel included, and enters the
// number in the cell of every pixel that lies inside the plot (only the part of the line
// inside the plot is walked, however far the ends lie).
void IndexeSegment(GCRepere& repere, int numero, int x0, int y0, int x1, int y1);

// Thrown out of a trace that the follower of long computations (etatGraphe().suivi) asked to
// stop, once the trace has drawn and written what it had traced; GCDessin::Dessine, which
// traces the curves of a drawing, catches it. Not an std::exception: the trace loops that
// catch those per point let it through.
struct TraceInterrompue {};

// Traces a curve through a child curve (a line or a conic through its parametric child, a
// tangent or a transform through the formula curve it made): the curve takes the child's
// point cache when the child's trace ends, stopped or not.
void TraceParFille(GCCourbe& courbe, GCCourbe& fille, QPainter& peintre, GCRepere& repere);

// One trace of a curve: the state carried from point to point and the side files.
//
// Points drawn with a solid pen and markers of the curve's own colour have their segments
// and markers gathered and drawn in batches (the pixels are the same as segment by
// segment); any other attribute draws point by point.
//
// The point cache is written as the trace goes: its records wait in a block of about a
// mebibyte, written over the file's previous content each time it is full, and the file is
// cut to its new size at the end. A short trace writes its file once, at the end; a long
// one keeps no more than that block in memory, whatever its length.
//
// While a follower of long computations is in place, the trace asks it now and then whether
// to go on (at the first points, then every few tens of milliseconds, the clock read only
// every so many points). Told to stop, it ends as Termine ends it and throws
// TraceInterrompue: what it drew stays, its point cache holds the records traced, its error
// file the failures met, and no warning of failed points is given.
class TraceurCourbe {
public:
    // avecFichiers false: nothing is recorded (replays, highlight).
    TraceurCourbe(GCCourbe& courbe, QPainter& peintre, GCRepere& repere, bool avecFichiers = true);
    ~TraceurCourbe();
    TraceurCourbe(const TraceurCourbe&) = delete;
    TraceurCourbe& operator=(const TraceurCourbe&) = delete;

    // Draws the world point with the current pen state, then appends its record (t, x, y,
    // the pen state it was drawn with). Non-finite coordinates count as a failed point.
    void Point(double t, double x, double y);
    // Draws a point without a record (replays, TracePoint): in/out pen state.
    void Dessine(double x, double y, std::uint8_t& stylo);
    QPoint DernierPixel() const { return {dernierX_, dernierY_}; }
    // Every point drawn on its own (before the first point: when labels are drawn between
    // points).
    void DesactiveLots();
    // Asks the follower, now and then, whether to go on; throws TraceInterrompue when told
    // to stop. Every point and every failure asks; a loop that computes long between its
    // points (an integration, terms before the first visible one) calls it too.
    void Suit()
    {
        if (suivi_ && ++depuisSuivi_ >= pasSuivi_)
            demandeSuivi();
    }
    // A point that could not be computed: its error line ("variable=" + t + " ; " +
    // message), and the next point starts a new piece without a marker.
    void Echec(double t, const QString& message);
    // An error line of the kind's own ("chaîne rencontrée: ..."), pen state as Echec.
    void LigneErreur(const QString& ligne);
    void AjouteLegende(const QString& ligne) { legendes_.append(ligne); }
    QStringList& Legendes() { return legendes_; }

    // The last pixel, and its initialisation (the first drawn point's pixel otherwise).
    void FixeDernierPixel(int px, int py);
    void FixeStylo(std::uint8_t stylo) { stylo_ = stylo; }
    // Room for that many records (an estimate; the block grows past it when needed).
    void Reserve(long long nombre);
    std::uint8_t Stylo() const { return stylo_; }
    int NombrePoints() const { return nbPoints_; }
    bool ErreursRencontrees() const { return erreurs_; }
    // The first two and the last two records traced so far (all of them when there are
    // fewer than four): what the arrow heads are drawn from.
    std::vector<PointCourbe> Extremites() const;

    // Draws what is batched, then writes the three files (from empty). False when a file
    // could not be written (reported once through the interlocutor).
    bool Termine();

private:
    void tracePoint(double x, double y, std::uint8_t& stylo);
    void dessineStylo(int px, int py, std::uint8_t stylo);
    void vide();
    void ajouteEnregistrement(const PointCourbe& point);
    void demandeSuivi();
    // The full block of records to the file; the block is empty after.
    void videBloc();
    // Writes the point cache (the rest of the block, then the file cut to size); false when
    // it could not be written.
    bool ecritPoints();

    GCCourbe& courbe_;
    QPainter& peintre_;
    GCRepere& repere_;
    const Correspondance carte_;  // the frame's mapping, fixed for the whole trace
    bool avecFichiers_;
    bool termine_ = false;
    std::uint8_t stylo_ = 0;
    int dernierX_ = 0, dernierY_ = 0;
    bool dernierConnu_ = false;
    // The world point (x0_, y0_) of the pixel (mondeDernierX_, mondeDernierY_).
    int mondeDernierX_ = 0, mondeDernierY_ = 0;
    bool mondeDernierConnu_ = false;
    double x0_ = 0, y0_ = 0;
    int dessineX_ = -1, dessineY_ = -1;   // pixel of the last point drawn, and its pen state
    std::uint8_t styloDessine_ = 0xFF;
    int nbPoints_ = 0;
    bool erreurs_ = false;

    // The follower asked whether to go on (none: the trace runs to its end): every pasSuivi_
    // calls of Suit, the clock is read; from prochainSuivi_ on, the follower is asked.
    SuiviCalcul* suivi_ = nullptr;
    int depuisSuivi_ = 0;
    int pasSuivi_ = 16;
    std::chrono::steady_clock::time_point dernierSuivi_, prochainSuivi_;
    long long calcules_ = 0;   // points and failures so far

    // Attributes fixed for the whole trace.
    QPen stylo_courbe_;
    QBrush brosseInitiale_;
    QPen styloInitial_;
    bool visible_ = true;
    bool joint_ = true;
    bool batons_ = false;
    bool escalier_ = false;       // kind N, sub-kind 3 or more
    bool repriseAuBord_ = true;   // a point back inside starts at the edge
    int hachure_ = 0;
    int tempo_ = 0;
    bool indexe_ = true;
    bool lever_ = false;          // lift the pen outside the frame
    bool parLots_ = false;        // polylines drawn in batches
    GCPoint marqueur_;
    GCPoint::Preparation marqueurPrepare_;  // its pens, brush and angle, once per trace
    bool marquesUnies_ = false;   // markers are single pixels of the curve's colour, or none

    QList<QLine> segments_;
    QPolygon marques_;
    QPen styloMarques_;

    // The point cache: records not written yet, the file they go to once the block has
    // been full, and what was written to it.
    std::unique_ptr<unsigned char[]> bloc_;
    int capaciteBloc_ = 0, nbBloc_ = 0;
    QString cheminPoints_;
    std::unique_ptr<QFile> fichierPoints_;
    qint64 octetsEcrits_ = 0;
    bool echecPoints_ = false;
    long long nbEnregistrements_ = 0;
    PointCourbe premiers_[2], derniers_[2];   // derniers_[1] is the last record
    QStringList erreursLignes_;
    QStringList legendes_;
};
