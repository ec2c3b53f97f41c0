// couche: graph
// dictionnaires: formule
// Any bytes as the data file of a chronicle (".dta"), a list of points, a Bézier curve and a
// B-spline: each traced onto a small picture. A chronicle has one record or one error line
// per line that is not empty, at its place; every record is finite; a point of the list
// found near its pixel and moved one unit to the right reads back there, the file keeping
// its number of lines.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "commun_fuzz.h"
#include "expression/etat.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/lignespoints.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"

namespace {

std::vector<PointCourbe> Trace(GCCourbe& c, QImage& image, GCRepere& repere)
{
    QPainter peintre(&image);
    c.Trace(peintre, repere);
    const LecturePoints l = LitFichierPoints(c.CheminFichier(".pts"));
    for (const PointCourbe& p : l.points)
        if (!std::isfinite(p.x) || !std::isfinite(p.y))
            std::abort();
    return l.points;
}

QStringList Lignes(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? LignesDeOctets(f.readAll()).lignes : QStringList();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = [] {
        QGuiApplication* a = ApplicationFuzz("fuzz_donnees");
        reinitialiseCalcul();
        etatGraphe().DossierTemp = DossierFuzz();
        reinitialiseGraphe();
        return a;
    }();
    (void)application;
    const QString chemin = QDir(dossierTravail()).filePath(QStringLiteral("donnees.dta"));
    const QByteArray octets(reinterpret_cast<const char*>(donnees), qsizetype(taille));
    {
        QFile f(chemin);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(octets);
    }
    static QImage image(160, 120, QImage::Format_RGB32);
    GCRepere repere(true, 150, 110);
    const QStringList lignes = LignesDeOctets(octets).lignes;

    // The chronicle: line k (not empty) at abscissa 2 + k / 4.
    GCC chronique(QLatin1Char('C'), 1, 1);
    chronique.Libelle1 = chemin;
    chronique.FixeDebutPas(QStringLiteral("2"), QStringLiteral("0.25"));
    const std::vector<PointCourbe> p = Trace(chronique, image, repere);
    const std::vector<ValeurChronique> valeurs = ValeursChronique(lignes);
    std::size_t i = 0;
    for (std::size_t k = 0; k < valeurs.size(); ++k)
        if (valeurs[k].ok) {
            if (i >= p.size() || p[i].x != 2 + double(k) * 0.25)
                std::abort();
            ++i;
        }
    if (i != p.size())
        std::abort();

    for (QChar genre : {QLatin1Char('B'), QLatin1Char('W')}) {
        GCC c(genre, 1, 2);
        c.Libelle1 = chemin;
        c.FixeDebutPas(QStringLiteral("0"), QStringLiteral("0.25"));
        Trace(c, image, repere);
    }

    GCCourbe liste(QLatin1Char('L'), 1, 3);
    liste.Libelle1 = chemin;
    const std::vector<PointCourbe> points = Trace(liste, image, repere);
    if (points.size() > std::size_t(lignes.size()))
        std::abort();
    if (!points.empty()) {
        const QPoint q = repere.MondeVersPixel(points[0].x, points[0].y);
        const QStringList proches = liste.PointsProches(repere, q.x(), q.y());
        // Coordinates drawn at random (RD) lie elsewhere at each evaluation.
        if (proches.isEmpty())
            return 0;
        const int n = proches.value(0).section(QLatin1Char('\\'), 0, 0).toInt();
        LignePoint avant, apres;
        if (!AnalyseLignePoint(lignes.value(n - 1).trimmed(), avant, false) ||
            !liste.DeplacePointListe(n, avant.x + 1, avant.y))
            std::abort();
        const QStringList relues = Lignes(chemin);
        if (relues.size() != lignes.size() || !AnalyseLignePoint(relues.value(n - 1).trimmed(), apres, false) ||
            apres.x != avant.x + 1 || apres.y != avant.y)
            std::abort();
    }
    return 0;
}
