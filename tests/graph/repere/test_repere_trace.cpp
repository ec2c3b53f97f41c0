// Frame drawing on an image: grid lines, axes, ticks and unit vectors sit at the pixels the
// mapping gives; bad frames and extreme steps neither hang nor divide by zero.
#include <gtest/gtest.h>

#include <QPainter>
#include <cmath>
#include <set>

#include "graph/repere/GCRepere.h"
#include "graph/repere_outils.h"

namespace {

constexpr unsigned Aqua = 0x00FFFF;  // grid lines
constexpr unsigned Gris = 0x808080;  // axis lines

class DessinRepere : public RepereTest {
protected:
    // Draws the frame on a white image of its total size; returns Dessine's answer.
    bool dessine(GCRepere& r, QImage& image)
    {
        image = imageBlanche(r.LargeurTotale, r.HauteurTotale);
        QPainter p(&image);
        return r.Dessine(p);
    }
    static std::set<int> colonnes(const QImage& image, int y, unsigned couleur)
    {
        std::set<int> s;
        for (int x = 0; x < image.width(); ++x)
            if (pixelRvb(image, x, y) == couleur)
                s.insert(x);
        return s;
    }
    static std::set<int> lignes(const QImage& image, int x, unsigned couleur)
    {
        std::set<int> s;
        for (int y = 0; y < image.height(); ++y)
            if (pixelRvb(image, x, y) == couleur)
                s.insert(y);
        return s;
    }
};

TEST_F(DessinRepere, GrillesAxesEtTiretsAuxPixelsDeLaConversion)
{
    GCRepere r(true, 600, 400);
    QImage image;
    ASSERT_TRUE(dessine(r, image));
    const int yAxe = r.PixelAxeX, xAxe = r.PixelAxeY;
    ASSERT_EQ(yAxe, r.MondeVersPixel(0, 0).y());
    ASSERT_EQ(xAxe, r.MondeVersPixel(0, 0).x());

    // Vertical grid lines at px(-5) .. px(5); the one at 0 lies under the y axis.
    std::set<int> attendues, attenduesY;
    for (int v = -5; v <= 5; ++v) {
        if (v == 0)
            continue;
        attendues.insert(r.MondeVersPixel(v, 0).x());
        attenduesY.insert(r.MondeVersPixel(0, v).y());
    }
    EXPECT_EQ(colonnes(image, 50, Aqua), attendues);
    EXPECT_EQ(pixelRvb(image, xAxe, 50), Gris);
    // Horizontal grid lines at py(-5) .. py(5).
    EXPECT_EQ(lignes(image, 50, Aqua), attenduesY);
    EXPECT_EQ(pixelRvb(image, 50, yAxe), Gris);

    // The axis lines run from xmin to xmax (ymin to ymax).
    EXPECT_EQ(pixelRvb(image, r.MondeVersPixel(-4.5, 0).x(), yAxe), Gris);
    EXPECT_EQ(pixelRvb(image, xAxe, r.MondeVersPixel(0, -4.5).y()), Gris);

    // Main ticks: half-length 2, doubled on a plot at least 100 (x) or 120 (y) pixels.
    for (int v : {-4, -1, 2, 4}) {
        const int px = r.MondeVersPixel(v, 0).x();
        EXPECT_EQ(pixelRvb(image, px, yAxe - 4), Gris) << v;
        EXPECT_EQ(pixelRvb(image, px, yAxe + 4), Gris) << v;
        EXPECT_EQ(pixelRvb(image, px, yAxe - 5), Aqua) << v;
        const int py = r.MondeVersPixel(0, v).y();
        EXPECT_EQ(pixelRvb(image, xAxe - 4, py), Gris) << v;
        EXPECT_EQ(pixelRvb(image, xAxe + 4, py), Gris) << v;
    }

    // Some label under the tick of 3 (text in black), none above the axis there.
    bool encre = false;
    const int p3 = r.MondeVersPixel(3, 0).x();
    for (int x = p3 - 8; x <= p3 + 8; ++x)
        for (int y = yAxe + 5; y < yAxe + 20; ++y)
            encre = encre || (qGray(image.pixel(x, y)) < 128 && pixelRvb(image, x, y) != Gris);
    EXPECT_TRUE(encre);

    // Arrow head at the end of the x axis.
    int gris = 0;
    const int e = r.MondeVersPixel(5, 0).x();
    for (int x = e - 7; x < e; ++x)
        for (int y = yAxe - 4; y < yAxe; ++y)
            gris += pixelRvb(image, x, y) == Gris;
    EXPECT_GE(gris, 4);

    // Frame codes in the hit index.
    const int ex = r.MondeVersPixel(1, 0).x();
    EXPECT_EQ(r.ObjetSousPixel(ex, yAxe), CodeVecteurI);
    EXPECT_EQ(r.ObjetSousPixel(xAxe, r.MondeVersPixel(0, 1).y()), CodeVecteurJ);
    EXPECT_EQ(r.ObjetSousPixel(xAxe, yAxe), CodeAmbigu);
    EXPECT_EQ(r.ObjetSousPixel(xAxe, 100), CodeAxeY);
    EXPECT_EQ(r.ObjetSousPixel(100, yAxe), CodeAxeX);
    EXPECT_TRUE(interlocuteur_.avertissements.isEmpty());
}

TEST_F(DessinRepere, AxeLateralSansFlecheEtPetitTraceATiretsCourts)
{
    GCRepere r(true, 600, 90);
    r.SetLateral(true, false);
    r.AppliqueFacteur();
    QImage image;
    ASSERT_TRUE(dessine(r, image));
    const int yAxe = r.PixelAxeX, e = r.MondeVersPixel(5, 0).x();
    int gris = 0;
    for (int x = e - 7; x < e; ++x)
        for (int y = yAxe - 4; y < yAxe; ++y)
            gris += pixelRvb(image, x, y) == Gris;
    EXPECT_EQ(gris, 0);
    // 90 pixels high: ticks of half-length 2, not 4.
    const int px = r.MondeVersPixel(2, 0).x();
    EXPECT_EQ(pixelRvb(image, px, yAxe - 2), Gris);
    EXPECT_NE(pixelRvb(image, px, yAxe - 3), Gris);
}

TEST_F(DessinRepere, PasDeUnCinquiemeTraceCinquanteEtUneLignes)
{
    GCRepere r(true, 600, 400);
    r.AxeX.Pas1er = "0.2";
    QImage image;
    ASSERT_TRUE(dessine(r, image));
    const std::set<int> aqua = colonnes(image, 50, Aqua);
    EXPECT_EQ(aqua.size(), 50u);  // 51 lines, the one at 0 under the y axis
    EXPECT_TRUE(aqua.count(r.MondeVersPixel(5, 0).x()));
    EXPECT_TRUE(aqua.count(r.MondeVersPixel(-5, 0).x()));
}

// How long these frames take to draw is measured in bench/bench_graph_repere.cpp.
TEST_F(DessinRepere, PasMinusculesEtDebutsAberrantsNeBloquentPas)
{
    GCRepere r(true, 600, 400);
    r.AxeX.Pas1er = "1E-17";
    r.AxeY.Pas2nd = "1E-15";
    QImage image;
    EXPECT_TRUE(dessine(r, image));
    EXPECT_TRUE(colonnes(image, 50, Aqua).empty());  // too many lines: none drawn
    r.AxeX.Pas1er = "1";
    r.AxeX.Debut = "1E17";
    r.AxeY.Debut = "-1E300";
    EXPECT_TRUE(dessine(r, image));
    r.FixeBornes("1E12", "1E12+10", 0, "1E12", "0", "1", "-5", "5", 0, "-5", "0", "1");
    EXPECT_TRUE(dessine(r, image));
    EXPECT_EQ(colonnes(image, 50, Aqua).size(), 10u);  // 11 lines, the first under the y axis
}

TEST_F(DessinRepere, AxeLogarithmiqueDeDebutNul)
{
    GCRepere r(true, 600, 400);
    r.FixeBornes("1", "100", EchelleLog, "0", "0", "1", "-5", "5", 0, "-5", "0", "1");
    QImage image;
    ASSERT_TRUE(dessine(r, image));
    // Decades 1, 10, 100 and 2..9 of each: 19 lines, the one at 1 under the y axis.
    std::set<int> attendues;
    for (double v : {1.0, 10.0})
        for (int k = 1; k <= 9; ++k)
            attendues.insert(r.MondeVersPixel(k * v, 0).x());
    attendues.insert(r.MondeVersPixel(100, 0).x());
    attendues.erase(r.PixelAxeY);
    EXPECT_EQ(colonnes(image, 50, Aqua), attendues);
    r.FixeFenetre(2, 50, -5, 5);  // a zoom returns
    EXPECT_TRUE(dessine(r, image));
}

TEST_F(DessinRepere, BornesInvalidesUnSeulAvertissementEtRienDeDessine)
{
    GCRepere r(true, 600, 400);
    contexteCalcul().ValeursParametres[0] = -5;  // a
    r.SetBornesTextes("-5", "a", "-5", "5");
    QImage image;
    for (int i = 0; i < 3; ++i) {
        EXPECT_FALSE(dessine(r, image));
        EXPECT_EQ(colonnes(image, 50, 0xFFFFFF).size(), 600u);
    }
    ASSERT_EQ(interlocuteur_.avertissements.size(), 1);
    EXPECT_TRUE(interlocuteur_.avertissements.front().contains(QStringLiteral("minimum")));
    EXPECT_TRUE(interlocuteur_.messages.isEmpty());
    // A text that does not evaluate, a log axis from 0, an eye height of 0: each told once.
    r.SetBornesTextes("-5", "5+", "-5", "5");
    EXPECT_FALSE(dessine(r, image));
    r.FixeBornes("0", "10", EchelleLog, "1", "0", "1", "-5", "5", 0, "-5", "0", "1");
    EXPECT_FALSE(dessine(r, image));
    r.FixeBornes("-5", "5", EchelleProj, "-5", "0", "1", "0", "10", EchelleProj, "0", "0", "1");
    r.SetPerspective(338, 0, 6);
    EXPECT_FALSE(dessine(r, image));
    EXPECT_EQ(interlocuteur_.avertissements.size(), 4);
    // Parameter back to a usable value: drawn again.
    contexteCalcul().ValeursParametres[0] = 5;
    r.FixeBornes("-5", "a", 0, "-5", "0", "1", "-5", "5", 0, "-5", "0", "1");
    r.SetPerspective(338, 5, 6);
    EXPECT_TRUE(dessine(r, image));
}

TEST_F(DessinRepere, RepereProjectifEtPolaire)
{
    GCRepere r(true, 600, 400);
    r.FixeBornes("-5", "5", EchelleProj, "-5", "0", "1", "0", "10", EchelleProj, "0", "0", "1");
    QImage image;
    ASSERT_TRUE(dessine(r, image));
    // Grid lines converge on the vanishing point at the top of the y axis.
    const QPoint pied = r.MondeVersPixel(-3, 0);
    const QPoint milieu((pied.x() + r.PixelAxeY) / 2, (pied.y() + r.Haut) / 2);
    bool trouve = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            trouve = trouve || pixelRvb(image, milieu.x() + dx, milieu.y() + dy) == Aqua;
    EXPECT_TRUE(trouve);

    GCRepere p(true, 600, 400);
    p.SetPolaire(true);
    ASSERT_TRUE(dessine(p, image));
    // The circle of radius 3 at 45 degrees, in pixels of x.
    const QPoint o = p.MondeVersPixel(0, 0);
    const int rayon = p.MondeVersPixel(3, 0).x() - o.x();
    const int cx = o.x() + int(std::lround(rayon * M_SQRT1_2)), cy = o.y() - int(std::lround(rayon * M_SQRT1_2));
    trouve = false;
    for (int dx = -1; dx <= 1; ++dx)
        for (int dy = -1; dy <= 1; ++dy)
            trouve = trouve || pixelRvb(image, cx + dx, cy + dy) == Aqua;
    EXPECT_TRUE(trouve);
}

TEST_F(DessinRepere, EtiquettesEnMultiplesDePi)
{
    GCGrille axe(true);
    axe.Pas1er = "pi/2";
    axe.FormatGraduation = 5;  // fraction
    const QString pi(QChar(0x03C0));
    EXPECT_EQ(TexteGraduation(axe, -M_PI), "-" + pi);
    EXPECT_EQ(TexteGraduation(axe, -M_PI / 2), "-" + pi + "/2");
    EXPECT_EQ(TexteGraduation(axe, 0), "0");
    EXPECT_EQ(TexteGraduation(axe, M_PI / 2), pi + "/2");
    EXPECT_EQ(TexteGraduation(axe, M_PI), pi);
    EXPECT_EQ(TexteGraduation(axe, 3 * M_PI / 2), "3" + pi + "/2");
    axe.Pas1er = "1";
    axe.FormatGraduation = 0;
    axe.Unite = "cm";
    EXPECT_EQ(TexteGraduation(axe, 2), "2cm");
    EXPECT_EQ(TexteGraduation(axe, 1e-18, 0.1), "0");
}

}  // namespace

// The labels at the ends of the axes are drawn whole, inside the frame's picture: drawn
// with a margin around it, no text (dark pixels; the grey ticks of an axis on the edge may
// pass it) lands in the margin. Axes in the middle and at the edges.
TEST_F(DessinRepere, EtiquettesDesBoutsEntieresDansLImage)
{
    struct Cas {
        const char *xinf, *xsup, *yinf, *ysup;
    };
    for (const Cas& c : {Cas{"-5", "5", "-5", "5"}, Cas{"0", "10", "0", "10"}, Cas{"-10", "0", "-10", "0"}}) {
        GCRepere r(true, 520, 520);
        r.AxeX.SetBornesTextes(c.xinf, c.xsup);
        r.AxeY.SetBornesTextes(c.yinf, c.ysup);
        r.AxeX.Debut = c.xinf;
        r.AxeY.Debut = c.yinf;
        r.AppliqueFacteur();
        constexpr int marge = 30;
        QImage image = imageBlanche(r.LargeurTotale + 2 * marge, r.HauteurTotale + 2 * marge);
        {
            QPainter p(&image);
            p.translate(marge, marge);
            ASSERT_TRUE(r.Dessine(p)) << c.xinf;
        }
        int dehors = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const bool dedans = x >= marge && x < marge + r.LargeurTotale && y >= marge && y < marge + r.HauteurTotale;
                dehors += !dedans && qGray(image.pixel(x, y)) < 96;
            }
        EXPECT_EQ(dehors, 0) << c.xinf << " " << c.yinf;
    }
}

// No graduation label is crossed by the other axis's line: red labels, and no red ink on
// both sides of a line within three pixels of it. The origin's "0" of both axes, the first
// decade of a logarithmic x axis under the y axis at the left edge, the "1" of a
// logarithmic y axis on the x axis at the bottom, the "0" of axes at the right and top edges.
TEST_F(DessinRepere, EtiquettesJamaisBarreesParLAutreAxe)
{
    struct Cas {
        const char *xinf, *xsup;
        int typeX;
        const char *yinf, *ysup;
        int typeY;
    };
    const Cas cas[] = {{"0.1", "100", EchelleLog, "-5", "5", EchelleArith},
                       {"-5", "5", EchelleArith, "-5", "5", EchelleArith},
                       {"0", "10", EchelleArith, "-5", "5", EchelleArith},
                       {"-5", "5", EchelleArith, "1", "100", EchelleLog},
                       {"-10", "0", EchelleArith, "-10", "0", EchelleArith}};
    for (const Cas& c : cas) {
        GCRepere r(true, 600, 400);
        r.FixeBornes(c.xinf, c.xsup, c.typeX, c.xinf, "0", "1", c.yinf, c.ysup, c.typeY, c.yinf, "0", "1");
        r.AxeX.FonteGraduation.Couleur = r.AxeY.FonteGraduation.Couleur = 0x0000FF;
        r.FixeTaille(600, 400);
        QImage image;
        ASSERT_TRUE(dessine(r, image));
        const auto rouge = [&](int x, int y) {
            const QRgb p = image.pixel(std::clamp(x, 0, image.width() - 1), std::clamp(y, 0, image.height() - 1));
            return qRed(p) - qGreen(p) > 60;
        };
        int barrees = 0;
        for (int y = 0; y < image.height(); ++y) {
            bool avant = false, apres = false;
            for (int k = 1; k <= 3; ++k) {
                avant = avant || rouge(r.PixelAxeY - k, y);
                apres = apres || rouge(r.PixelAxeY + k, y);
            }
            barrees += avant && apres;
        }
        for (int x = 0; x < image.width(); ++x) {
            bool avant = false, apres = false;
            for (int k = 1; k <= 3; ++k) {
                avant = avant || rouge(x, r.PixelAxeX - k);
                apres = apres || rouge(x, r.PixelAxeX + k);
            }
            barrees += avant && apres;
        }
        EXPECT_EQ(barrees, 0) << c.xinf << " " << c.yinf;
    }
}
