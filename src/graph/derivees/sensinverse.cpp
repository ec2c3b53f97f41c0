// Code 18: the mother's records from the last to the first, each with its t. A piece of the
// mother that was not joined to the next one stays apart: the segment from a record to the
// one before it is drawn when the mother drew it the other way.
#include <vector>

#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

bool TraceSensInverse(GCOperUnaire&, const GCCourbe& mere, SortieOperation& sortie)
{
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    const std::size_t n = p.size();
    for (std::size_t j = 0; j < n; ++j) {
        const PointCourbe& q = p[n - 1 - j];
        sortie.FixeStylo(j == 0 ? std::uint8_t(StyloLeve) : p[n - j].stylo);
        sortie.Point(q.t, q.x, q.y);
    }
    return true;
}
