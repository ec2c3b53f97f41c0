// couche: graph
// Any bytes as a point cache: read (never past the end), written again when whole (the
// bytes must come back, padding aside), and replayed through the point tracer onto a small
// image, with a linear and a logarithmic frame.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graph/courbes/GCCourbe.h"
#include "graph/repere/GCRepere.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const LecturePoints lecture = LitPointsCourbe(donnees, taille);
    if (lecture.points.size() > taille / TaillePointCourbe)
        std::abort();
    if (lecture.ok()) {
        QByteArray encore;
        for (const PointCourbe& p : lecture.points)
            AjoutePointCourbe(encore, p);
        for (std::size_t k = 0; k < lecture.points.size(); ++k)
            for (int o = 0; o < 25; ++o)
                if (std::uint8_t(encore[qsizetype(k * 28 + o)]) != donnees[k * 28 + o])
                    std::abort();
    }

    static QImage image(64, 48, QImage::Format_RGB32);
    for (int echelle : {0, 1}) {
        GCRepere repere(true, 60, 44);
        if (echelle == 1)
            repere.FixeBornes("0.1", "100", 1, "0.1", "0", "1", "0.01", "10", 1, "0.01", "0", "1");
        GCCourbe courbe('L', 1, 1);
        courbe.Epaisseur = echelle + 1;
        QPainter peintre(&image);
        TraceurCourbe traceur(courbe, peintre, repere, false);
        for (const PointCourbe& p : lecture.points) {
            std::uint8_t stylo = p.stylo;
            traceur.Dessine(p.x, p.y, stylo);
        }
        traceur.Termine();
    }
    return 0;
}
