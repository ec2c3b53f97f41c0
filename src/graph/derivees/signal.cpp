// Codes 8, 9, 47 and 48: curves made of records of the mother's cache laid out anew:
// periodisation (a piece repeated), decimation (runs kept and dropped) and envelopes (local
// extrema). Each record keeps its t; while the line goes on, the mother's moves and breaks
// are kept.
#include <algorithm>
#include <cmath>
#include <vector>

#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

namespace {

// A trace that would draw more points than a trace computes stops there, and says so in
// the error file.
bool limiteAtteinte(SortieOperation& sortie, long long points)
{
    if (points < genres::MaxPointsTrace)
        return false;
    sortie.Traceur().LigneErreur(
        QStringLiteral("Tracé arrêté après %1 points : période trop courte pour l'intervalle de tracé.")
            .arg(genres::MaxPointsTrace));
    return true;
}

}  // namespace

bool TracePeriodisation(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    double d1 = 0, d2 = 0, debut = 0, fin = 0;
    long long mode = 0;
    if (!ValeursParametres(courbe, {&d1, &d2, &debut, &fin}) || !EntierParametre(courbe, 4, mode))
        return false;
    // The period is the pattern's span itself, not the distance between the sampled
    // records nearest to its ends (which would lengthen it by up to a step each time).
    const double periode = d2 - d1;
    if (!(periode > 0)) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible! La fin de la période doit être après son début."));
        return false;
    }
    // Records that the accumulated steps of the mother put a hair's breadth outside the
    // pattern belong to it.
    const double tolerance = 1e-9 * std::max({1.0, std::fabs(d1), std::fabs(d2)});
    std::vector<PointCourbe> motif;
    for (const PointCourbe& q : LitFichierPoints(mere.NomFichier()).points)
        if (q.x >= d1 - tolerance && q.x <= d2 + tolerance)
            motif.push_back(q);
    if (motif.empty())
        return true;

    long long points = 0;
    // Period k starts at debut + k * periode: as it is for even k, changed by the mode for
    // odd k (1 zero, 2 opposite); each period is a piece of its own.
    for (long long k = 0; debut + double(k) * periode <= fin; ++k) {
        const double origine = debut + double(k) * periode;
        const long long changement = k % 2 ? mode : 0;
        if (limiteAtteinte(sortie, points++))   // periods count too: a pattern may lie past the end
            return true;
        sortie.FixeStylo(StyloLeve);
        for (const PointCourbe& q : motif) {
            const double x = origine + (q.x - d1);
            if (x > fin)
                continue;
            if (limiteAtteinte(sortie, points++))
                return true;
            sortie.PointDeMere(q, x, changement == 1 ? 0 : changement == 2 ? -q.y : q.y);
        }
    }
    return true;
}

bool TraceDecimation(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    long long gardes = 0, otes = 0, ordre = 0;
    if (!EntierParametre(courbe, 0, gardes) || !EntierParametre(courbe, 1, otes) ||
        !EntierParametre(courbe, 2, ordre))
        return false;
    // A cycle that reads no record would never reach the end of the mother.
    if (gardes < 0 || otes < 0 || gardes + otes < 1) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible!"));
        return false;
    }
    // The grid: the curve's own start and step, which the dispatcher took from a mother that
    // has them (a list, a plate or a sequence has none: the curve's own then stand).
    double x0 = 0, h = 0;
    if (!genres::evalue(courbe.Xinf, x0) || !genres::evalue(courbe.Pas, h)) {
        courbe.SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + courbe.Xinf +
                            QStringLiteral(" ; Pas=") + courbe.Pas);
        return false;
    }
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    const long long n = (long long)p.size();
    long long i = 0, base = 0;
    // Each cycle reads up to `gardes` records, then up to `otes`; the first run is drawn in
    // the keep-first order, the second in the other.
    while (i < n) {
        for (long long j = 0; j < gardes && i < n; ++j, ++i)
            if (ordre >= 0)
                sortie.PointDeMere(p[std::size_t(i)], double(base + j) * h + x0, p[std::size_t(i)].y);
        base += gardes;
        for (long long j = 0; j < otes && i < n; ++j, ++i)
            if (ordre < 0)
                sortie.PointDeMere(p[std::size_t(i)], double(base + j) * h + x0, p[std::size_t(i)].y);
    }
    return true;
}

bool TraceEnveloppe(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    long long sens = 0;
    if (!EntierParametre(courbe, 0, sens))
        return false;
    const bool superieure = sens != 0 ? sens > 0 : courbe.Operation == 48;
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    // The first and last records are never kept; ties count as extrema.
    if (p.size() <= 3)
        return true;
    for (std::size_t j = 1; j + 1 < p.size(); ++j) {
        const double a = p[j - 1].y, b = p[j].y, c = p[j + 1].y;
        if (superieure ? (a <= b && b >= c) : (a >= b && b <= c))
            sortie.PointDeMere(p[j], p[j].x, b);
    }
    return true;
}
