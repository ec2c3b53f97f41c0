// Polygonal plates: their three closures measured against the shoelace formula, a mother
// with no points or gone, and every copy mode against its raster operation written out.
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

#include "graph/courbes/GCA.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes_outils.h"

namespace {

class Plaques : public CourbeTest {
protected:
    void SetUp() override
    {
        CourbeTest::SetUp();
        dessin_ = std::make_unique<GCDessin>();  // where mothers are found (after the reset)
    }
    std::shared_ptr<GCA> plaque(const GCCourbe& mere, int fermeture)
    {
        auto a = std::dynamic_pointer_cast<GCA>(CreeCourbe('A', 1, 100 + fermeture, fermeture));
        a->FixeMere(mere);
        a->StyleRemplissage = 0;
        return a;
    }
    // A curve in the list: a list of points, or a y=f(x) or parametric curve.
    PtrCourbe mere(const QString& texte, const QString& texte2 = {}, const char* bornes = nullptr)
    {
        PtrCourbe c;
        if (!bornes) {
            const QString chemin = dossier_.filePath(QStringLiteral("m%1.txt").arg(++numero_));
            EXPECT_TRUE(EcritFichierTexte(chemin, texte.split('\n')).ok);
            c = CreeCourbe('L', 1, numero_);
            c->Libelle1 = chemin;
        } else {
            auto y = courbe(texte2.isEmpty() ? 'Y' : 'T', texte, texte2, ++numero_);
            const QStringList b = QString(bornes).split(' ');
            y->FixeBornes(b[0], b[1], b[2]);
            c = y;
        }
        c->NouvelIdentifiant();
        dessin_->AjouteCourbe(c);
        trace(*c);
        return c;
    }
    std::unique_ptr<GCDessin> dessin_;
    QTemporaryDir dossier_;
    int numero_ = 0;
};

TEST_F(Plaques, FermeturesMesuresEtMeres)
{
    // The vertices: the points (closed on the first), (x0, 0) + points + (xn, 0), (0, 0) +
    // points; measured by the shoelace formula written here.
    auto m = mere("0;1\n1;2\n1;0.5");
    std::vector<std::vector<QPointF>> sommets = {{{0, 1}, {1, 2}, {1, 0.5}}, {{0, 0}, {0, 1}, {1, 2}, {1, 0.5}, {1, 0}},
                                                 {{0, 0}, {0, 1}, {1, 2}, {1, 0.5}}};
    for (int f = 0; f < 3; ++f) {
        double s = 0;
        const auto& v = sommets[std::size_t(f)];
        for (std::size_t i = 0; i < v.size(); ++i)
            s += v[i].x() * v[(i + 1) % v.size()].y() - v[(i + 1) % v.size()].x() * v[i].y();
        auto a = plaque(*m, f);
        trace(*a);
        EXPECT_NEAR(a->Mesure, std::fabs(s) / 2, 1e-12) << f;
        EXPECT_EQ(a->Libelle1, "Plaque polygonale issue de " + m->Nom);
    }
    // y = x^2 on [0, 1] closed on y = 0 is not star-shaped from (0, 0): its area, not the
    // sum of unsigned fan triangles; the unit circle of 201 points, a regular 200-gon.
    for (auto [c, fermeture, attendu] : {std::tuple{mere("x^2", {}, "0 1 0.125"), 1, 0.3359375},
                                          std::tuple{mere("cos(t)", "sin(t)", "0 2*PI 2*PI/200"), 0, 100 * std::sin(M_PI / 100)}}) {
        auto a = plaque(*c, fermeture);
        trace(*a);
        EXPECT_NEAR(a->Mesure, attendu, 1e-9);
    }

    // A plate closed on the axis over a graph that crosses it measures what it covers, the
    // integral of |f| for the broken line of the mother's points (about 4 for sin on
    // [0, 2 pi], where the sum of signed triangles gives about 0).
    for (const char* bornes : {"0 2*PI 0.125", "0 2*PI PI/100", "-7 7 0.01"}) {
        auto sinus = mere("sin(x)", {}, bornes);
        auto a = plaque(*sinus, 1);
        trace(*a);
        const auto p = points(*sinus);
        ASSERT_GT(p.size(), 20u) << bornes;
        double attendu = 0;
        for (std::size_t i = 0; i + 1 < p.size(); ++i) {
            const double u = p[i].y, v = p[i + 1].y, h = p[i + 1].x - p[i].x;
            attendu += u * v >= 0 ? h * std::fabs(u + v) / 2 : h * (u * u + v * v) / (2 * std::fabs(u - v));
        }
        EXPECT_NEAR(a->Mesure, attendu, 1e-12) << bornes;
    }

    // A mother without records: nothing drawn, measure 0. A mother that left every list:
    // nothing drawn, though its old cache is still there.
    auto vide = plaque(*mere("ln(x)", {}, "-5 -1 0.125"), 1);
    auto perdue = plaque(*m, 0);
    dessin_->RetireCourbe(m->Numero);
    const QImage avant = image_;
    vide->Mesure = 7;
    for (auto& a : {vide, perdue, perdue})
        trace(*a);
    EXPECT_EQ(vide->Mesure, 0);
    EXPECT_EQ(image_, avant);
    EXPECT_TRUE(QFile::exists(m->NomFichier()));
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Tracé impossible, mère introuvable !"});
    QStringList description;
    vide->Decrit(description);
    EXPECT_EQ(description.mid(description.size() - 2), (QStringList{"*** ***", "Mesure= 0"}));
}

TEST_F(Plaques, ModesDeCopie)
{
    // A plain plate over a destination of one colour D, its bitmap on the background F:
    // inside, S is the plate's colour, outside F; P is the plate's brush.
    auto m = mere("-2;-2\n2;-2\n2;2\n-2;2");
    const std::uint32_t D = 0x3366CC, F = 0xFFFF00;
    using Operation = std::uint32_t (*)(std::uint32_t p, std::uint32_t s, std::uint32_t d);
    const Operation table[] = {
        [](auto, auto, auto d) { return ~d; },        [](auto p, auto s, auto) { return p & s; },
        [](auto, auto s, auto d) { return ~s | d; },  [](auto, auto s, auto) { return ~s; },
        [](auto, auto s, auto d) { return ~(s | d); }, [](auto p, auto, auto) { return p; },
        [](auto p, auto, auto d) { return p ^ d; },   [](auto p, auto s, auto d) { return p | ~s | d; },
        [](auto, auto s, auto d) { return s & d; },   [](auto, auto s, auto) { return s; },
        [](auto, auto s, auto d) { return s & ~d; },  [](auto, auto s, auto d) { return s ^ d; },
        [](auto, auto s, auto d) { return s | d; },
    };
    const QPoint dedans = repere_->MondeVersPixel(0.5, -0.5), dehors = repere_->MondeVersPixel(4, 4);
    for (int mode = 0; mode < 13; ++mode) {
        auto a = plaque(*m, 0);
        a->ModeCopie = mode;
        const std::uint32_t S = VersQColor(a->Couleur).rgb() & 0xFFFFFF;
        QImage image(620, 420, QImage::Format_RGB32);
        image.fill(QColor(QRgb(D)));
        QPainter p(&image);
        a->TracePlaque(p, *repere_, RVB(0xFF, 0xFF, 0));
        p.end();
        EXPECT_EQ(pixelRvb(image, dedans.x(), dedans.y()), table[mode](S, S, D) & 0xFFFFFF) << mode;
        EXPECT_EQ(pixelRvb(image, dehors.x(), dehors.y()), table[mode](S, F, D) & 0xFFFFFF) << mode;
    }
}

}  // namespace
