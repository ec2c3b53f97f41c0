// Shared graph helpers: copy modes, polygon areas, operation names, removal of a curve
// callable by name, copy of a text file.
#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>
#include <random>

#include "expression/fonction.h"
#include "graph/base/GCaides.h"
#include "graph/repere_outils.h"

namespace {

// Destination, source and pattern with every bit combination somewhere.
QImage imageMotif(int graine)
{
    QImage image(16, 8, QImage::Format_RGB32);
    std::uint32_t v = 0x9E3779B9u * std::uint32_t(graine + 1);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            v ^= v << 13;
            v ^= v >> 17;
            v ^= v << 5;
            image.setPixel(x, y, 0xFF000000u | (v & 0xFFFFFF));
        }
    return image;
}

TEST(ModesDeCopie, TableEtModesHorsTable)
{
    EXPECT_EQ(CodeCopie(0), ROP_DSTINVERT);
    EXPECT_EQ(CodeCopie(8), ROP_SRCAND);
    EXPECT_EQ(CodeCopie(9), ROP_SRCCOPY);
    EXPECT_EQ(CodeCopie(12), ROP_SRCPAINT);
    EXPECT_EQ(CodeCopie(128 + 3), ROP_NOTSRCCOPY);  // low 7 bits
    EXPECT_EQ(CodeCopie(13), ROP_SRCCOPY);
    EXPECT_EQ(CodeCopie(40), ROP_SRCCOPY);
    EXPECT_EQ(CodeCopie(-1), ROP_SRCCOPY);
    EXPECT_EQ(ModeCopieLu(40), 8);
    EXPECT_EQ(ModeCopieLu(-2), 8);
    EXPECT_EQ(ModeCopieLu(12), 12);
    // Truth tables of a few operations.
    EXPECT_EQ(PixelRop(ROP_SRCINVERT, 0, 0x00F0F0, 0x0F0FF0) & 0xFFFFFF, 0x0FFF00u);
    EXPECT_EQ(PixelRop(ROP_PATPAINT, 0x000001, 0x000003, 0x000004) & 0xFFFFFF, 0xFFFFFDu);
    EXPECT_EQ(PixelRop(ROP_DSTINVERT, 0, 0, 0x123456), 0xFFEDCBA9u);
}

// Each of the thirteen modes gives, through a painter on an image, the pixels of its truth
// table, with a plain brush and with a hatch brush.
TEST(ModesDeCopie, PeintreEtCalculParPixelDonnentLesMemesPixels)
{
    const QImage source = imageMotif(1), fond = imageMotif(2);
    const QPoint position(3, 2);
    for (const QBrush& motif : {QBrush(QColor(0x35, 0xA7, 0x5C)), QBrush(QColor(0xC0, 0x10, 0xF0), Qt::DiagCrossPattern)}) {
        for (int mode = 0; mode < NbModesCopie; ++mode) {
            QImage parPixel = fond.copy(), parPeintre = fond.copy();
            CopieAvecMode(parPixel, position, source, mode, motif, Qt::white);
            {
                QPainter p(&parPeintre);
                CopieAvecMode(p, position, source, mode, motif, Qt::white);
            }
            EXPECT_EQ(parPixel, parPeintre) << "mode " << mode << " motif " << motif.style();
            // Against the truth table, at a pixel of a plain brush.
            if (motif.style() == Qt::SolidPattern) {
                const int x = 7, y = 4;
                const std::uint32_t attendu = PixelRop(CodeCopie(mode), motif.color().rgb(),
                                                       source.pixel(x - position.x(), y - position.y()), fond.pixel(x, y));
                EXPECT_EQ(parPixel.pixel(x, y), attendu) << mode;
                EXPECT_EQ(parPixel.pixel(0, 0), fond.pixel(0, 0));  // outside the source: untouched
            }
        }
    }
}

TEST(AirePolygone, CarreEtPlaqueNonConvexe)
{
    const std::vector<QPointF> carre = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
    EXPECT_DOUBLE_EQ(AirePolygone(carre), 1);
    EXPECT_DOUBLE_EQ(AirePolygone(carre.data(), 4), 1);
    // The plate of y = x^2 on [0, 2], step 0.125, closed on y = 0 (not star-shaped from its
    // first point): 2.672 by the trapezoids.
    std::vector<QPointF> plaque;
    for (int k = 0; k <= 16; ++k) {
        const double x = 0.125 * k;
        plaque.emplace_back(x, x * x);
    }
    plaque.emplace_back(2, 0);
    plaque.emplace_back(0, 0);
    EXPECT_NEAR(AirePolygone(plaque), 2.672, 1e-3);
    plaque.clear();
    for (int k = 0; k <= 24; ++k) {
        const double x = -1 + 0.125 * k;
        plaque.emplace_back(x, x * x);
    }
    plaque.emplace_back(2, 0);
    plaque.emplace_back(-1, 0);
    plaque.emplace_back(-1, 1);
    EXPECT_NEAR(AirePolygone(plaque), 3.008, 1e-3);
    // Clockwise order gives the same; too few points give 0.
    std::vector<QPointF> inverse(carre.rbegin(), carre.rend());
    EXPECT_DOUBLE_EQ(AirePolygone(inverse), 1);
    // A polygon that crosses itself measures what it covers, each point once: a bow tie (its
    // fan sum is 0), a square run round twice, one whose second turn is smaller, the
    // lemniscate x^4 = x^2 - y^2 (4/3) of 20000 sides, and a star of five points whose
    // pentagon is run round twice (a regular pentagram of radius 1).
    std::vector<QPointF> gerono, etoile;
    for (int k = 0; k <= 20000; ++k) {
        const double t = 2 * M_PI * k / 20000;
        gerono.emplace_back(std::cos(t), std::sin(t) * std::cos(t));
    }
    for (int k = 0; k <= 5; ++k)
        etoile.emplace_back(std::sin(4 * M_PI * k / 5), std::cos(4 * M_PI * k / 5));
    // Ten triangles from the centre to a point and the inner corner beside it, of radius r.
    const double r = std::sin(M_PI / 10) / std::sin(3 * M_PI / 10);
    const double pentagramme = 10 * r * std::sin(M_PI / 5) / 2;
    for (auto [polygone, attendu, tolerance] :
         {std::tuple{std::vector<QPointF>{{0, 0}, {2, 2}, {2, 0}, {0, 2}, {0, 0}}, 2.0, 1e-15},
          std::tuple{std::vector<QPointF>{{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}}, 1.0, 1e-15},
          std::tuple{std::vector<QPointF>{{0, 0}, {4, 0}, {4, 4}, {0, 4}, {0, 0}, {1, 1}, {2, 1}, {2, 2}, {1, 2}, {1, 1}, {0, 0}},
                     16.0, 1e-14},
          std::tuple{gerono, 4.0 / 3, 1e-7}, std::tuple{etoile, pentagramme, 1e-14}}) {
        EXPECT_NEAR(AirePolygone(polygone), attendu, tolerance) << polygone.size();
        std::reverse(polygone.begin(), polygone.end());
        EXPECT_NEAR(AirePolygone(polygone), attendu, tolerance) << polygone.size();
    }
    EXPECT_EQ(AirePolygone(std::vector<QPointF>{{0, 0}, {1, 1}}), 0);
    EXPECT_EQ(AirePolygone(std::vector<QPointF>{}), 0);
}

TEST(AirePolygone, PolygonesCroisesContreUneGrille)
{
    // Random polygons that cross themselves many times, some on a coarse lattice (sides that
    // overlap, vertical sides, vertices repeated), some made of a few sweeps from left to
    // right, measured against the count of the points of a fine grid round which they wind.
    std::mt19937 hasard(48);
    for (int essai = 0; essai < 16; ++essai) {
        const bool reseau = essai % 2 == 1;
        std::uniform_real_distribution<double> loi(0, 4);
        std::vector<QPointF> p;
        if (essai >= 12) {
            for (int balayage = 0; balayage < essai - 9; ++balayage)
                for (int k = 0; k < 60; ++k)
                    p.emplace_back(4.0 * k / 60 + 0.01 * balayage, loi(hasard));
        }
        for (int k = 0; essai < 12 && k < 6 + 3 * essai; ++k) {
            const double x = loi(hasard), y = loi(hasard);
            p.emplace_back(reseau ? std::floor(x + 0.5) : x, reseau ? std::floor(y + 0.5) : y);
        }
        p.push_back(p.front());
        const int n = 400;
        int couverts = 0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                const double x = 4.0 * (i + 0.5) / n, y = 4.0 * (j + 0.5) / n;
                int tours = 0;
                for (std::size_t k = 0; k + 1 < p.size(); ++k) {
                    const QPointF a = p[k], b = p[k + 1];
                    const double c = (b.x() - a.x()) * (y - a.y()) - (x - a.x()) * (b.y() - a.y());
                    if (a.y() <= y && b.y() > y && c > 0)
                        ++tours;
                    else if (a.y() > y && b.y() <= y && c < 0)
                        --tours;
                }
                couverts += tours != 0;
            }
        EXPECT_NEAR(AirePolygone(p), 16.0 * couverts / (n * n), 0.02) << essai;
    }
}

TEST(NomOperation, CodesEtHorsTable)
{
    EXPECT_EQ(NomOperation(0), QStringLiteral("Opposée"));
    EXPECT_EQ(NomOperation(19), QStringLiteral("Réflexion (symétrie) d'axe horizontal"));
    EXPECT_EQ(NomOperation(33), QStringLiteral("Transformation de Joukovski"));
    EXPECT_EQ(NomOperation(62), QStringLiteral("Blocage quelconque"));
    EXPECT_EQ(NomOperation(63), QStringLiteral("Non définie!"));
    EXPECT_EQ(NomOperation(127), QStringLiteral("Non définie!"));
    EXPECT_EQ(NomOperation(128), NomOperation(0));
}

TEST(CopieFichier, LignesRecopieesAvecFinsCRLF)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("f1crb2.pts");
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1;2\n\xE9t\xE9\r\n\nfin");
    }
    QString erreur;
    ASSERT_TRUE(ChargeLignesFichier(chemin, ".svg", &erreur)) << erreur.toStdString();
    QFile copie(dossier.filePath("f1crb2.svg"));
    ASSERT_TRUE(copie.open(QIODevice::ReadOnly));
    EXPECT_EQ(copie.readAll(), QByteArray("1;2\r\n\xE9t\xE9\r\n\r\nfin\r\n"));
    // An empty file gives an empty copy; a missing one a French message.
    QFile(dossier.filePath("vide.txt")).open(QIODevice::WriteOnly);
    EXPECT_TRUE(ChargeLignesFichier(dossier.filePath("vide.txt"), "svg"));
    EXPECT_EQ(QFile(dossier.filePath("vide.svg")).size(), 0);
    EXPECT_FALSE(ChargeLignesFichier(dossier.filePath("absent.pts"), ".svg", &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("Impossible de lire")));
}

}  // namespace
