// The frame's geometry: graduation, world-to-pixel mapping and back for the three scale
// types, sizing, zoom, hit index and window tests.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "expression/fonction.h"
#include "graph/repere/GCRepere.h"
#include "graph/repere_outils.h"

namespace {

class Mapping : public RepereTest {};

// A frame whose plot rectangle is exactly largeur x hauteur at (0, 0).
void bornes(GCRepere& r, const char* xinf, const char* xsup, const char* yinf, const char* ysup,
            int typeX = EchelleArith, int typeY = EchelleArith)
{
    r.FixeBornes(xinf, xsup, typeX, xinf, "0", "1", yinf, ysup, typeY, yinf, "0", "1");
}

TEST_F(Mapping, ArithmetiqueSuitLaFormulePixelParPixel)
{
    GCRepere r(true, 600, 400);
    int ppx, ppy;
    double pasX, pasY;
    r.CalculeGraduation(ppx, ppy, pasY, pasX);
    EXPECT_EQ(pasX, 1.0);
    EXPECT_EQ(pasY, 1.0);
    EXPECT_EQ(ppx, 59);  // trunc(599 / 10)
    EXPECT_EQ(ppy, 39);  // trunc(399 / 10)
    EXPECT_EQ(r.MondeVersPixel(0, 0), QPoint(1 + 295, 1 + 195));
    // Every world point of a fine grid, against the formula.
    for (double x = -5; x <= 5; x += 0.37)
        for (double y = -5; y <= 5; y += 0.41) {
            const QPoint p = r.MondeVersPixel(x, y);
            EXPECT_EQ(p.x(), int(std::nearbyint((x + 5) * 59)) + 1);
            EXPECT_EQ(p.y(), int(std::nearbyint((5 - y) * 39)) + 1);
        }
    // ymax on Haut + 1, xmin on Gauche + 1.
    EXPECT_EQ(r.MondeVersPixel(-5, 5), QPoint(1, 1));
}

TEST_F(Mapping, ArrondiAuPairLePlusProche)
{
    GCRepere r(true, 201, 201);
    bornes(r, "0", "10", "0", "10");
    int ppx, ppy;
    double pasX, pasY;
    r.CalculeGraduation(ppx, ppy, pasY, pasX);
    ASSERT_EQ(ppx, 20);
    // 0.125 * 20 = 2.5 -> 2 and 0.375 * 20 = 7.5 -> 8 (halves to even, not away from zero).
    EXPECT_EQ(r.MondeVersPixel(0.125, 0).x(), 2 + 1);
    EXPECT_EQ(r.MondeVersPixel(0.375, 0).x(), 8 + 1);
    EXPECT_EQ(r.MondeVersPixel(0, 10 - 0.125).y(), 2 + 1);
}

TEST_F(Mapping, PasDeGraduation)
{
    GCRepere r(true, 600, 400);
    int ppx, ppy;
    double pasX, pasY;
    // Range 0.5: e = log10(0.25) - 1 = -1.60, step 0.1.
    bornes(r, "0", "0.5", "0", "100");
    r.CalculeGraduation(ppx, ppy, pasY, pasX);
    EXPECT_DOUBLE_EQ(pasX, 0.1);
    EXPECT_EQ(ppx, int(599 * 0.1 / 0.5));
    EXPECT_DOUBLE_EQ(pasY, 10);
    // Logarithmic axis from 0.05: e = -1.30, then -2.30, step 0.01, pixels per decade.
    bornes(r, "0.05", "50", "1", "1000", EchelleLog, EchelleLog);
    r.CalculeGraduation(ppx, ppy, pasY, pasX);
    EXPECT_DOUBLE_EQ(pasX, 0.01);
    EXPECT_EQ(ppx, 599 / 3);
    EXPECT_DOUBLE_EQ(pasY, 1);
    EXPECT_EQ(ppy, 399 / 3);
}

TEST_F(Mapping, Logarithmique)
{
    GCRepere r(true, 601, 401);
    bornes(r, "0.05", "50", "1", "1000", EchelleLog, EchelleLog);
    r.SetRectangle(QPoint(10, 20), 601, 401);
    r.AppliqueFacteur();
    for (double x : {0.05, 0.07, 0.5, 3.3, 50.0})
        EXPECT_EQ(r.MondeVersPixel(x, 1).x(), int(std::nearbyint(std::log10(x / 0.05) * 200)) + 10 + 1);
    // ymin on Haut + HauteurTrace (no + 1).
    EXPECT_EQ(r.MondeVersPixel(1, 1).y(), 20 + 401);
    for (double y : {2.0, 10.0, 999.0})
        EXPECT_EQ(r.MondeVersPixel(1, y).y(), 20 + 401 - int(std::nearbyint(std::log10(y) * 133)));
    // An arithmetic y axis puts ymax on Haut + 1.
    bornes(r, "-5", "5", "-5", "5");
    EXPECT_EQ(r.MondeVersPixel(0, 5).y(), 20 + 1);
}

TEST_F(Mapping, ProjectiveEtPointDerriereLOeil)
{
    GCRepere r(true, 600, 400);
    bornes(r, "-5", "5", "0", "10", EchelleProj, EchelleProj);
    ASSERT_EQ(r.DistanceOeil, 6.0);
    ASSERT_EQ(r.HauteurOeil, 5.0);
    int ppx, ppy;
    double pasX, pasY;
    r.CalculeGraduation(ppx, ppy, pasY, pasX);
    EXPECT_EQ(pasY, 1.0);      // log10(5 / 4) > 0
    EXPECT_EQ(ppy, 338 / 5);   // trunc(Horizon * 1 / H)
    const double d = 6, H = 5;
    for (double x : {-4.0, 0.0, 2.5})
        for (double y : {0.0, 1.0, 7.0}) {
            const QPoint p = r.MondeVersPixel(x, y);
            const double xp = d * x / (d + y), yp = H * y / (d + y);
            EXPECT_EQ(p.x(), int(std::nearbyint((xp + 5) * ppx / pasX)) + 1);
            EXPECT_EQ(p.y(), int(std::nearbyint((H - yp) * ppy / pasY)) + 1);
        }
    // At or behind the eye: px = Gauche, py = Haut + HauteurTrace.
    EXPECT_EQ(r.MondeVersPixel(3, -6), QPoint(r.Gauche, r.Haut + r.HauteurTrace));
    EXPECT_EQ(r.MondeVersPixel(3, -60), QPoint(r.Gauche, r.Haut + r.HauteurTrace));
    // On the horizon line the inverse gives 1 / Epsilon instead of dividing by zero.
    const int horizon = int(std::nearbyint(0 * ppy)) + 1;
    double x, y;
    r.PixelVersMonde(300, horizon, x, y);
    EXPECT_EQ(y, 1 / contexteCalcul().Epsilon);
    EXPECT_TRUE(std::isfinite(x));
}

// The round trip PixelVersMonde(MondeVersPixel(p)) stays within one pixel, for each scale
// type and for the mixed projective frames.
TEST_F(Mapping, AllerRetourAUnPixelPres)
{
    struct Cas {
        const char *xinf, *xsup, *yinf, *ysup;
        int tx, ty;
    };
    const Cas cas[] = {
        {"-5", "5", "-5", "5", EchelleArith, EchelleArith},
        {"-0.001", "0.003", "1000", "1000.5", EchelleArith, EchelleArith},
        {"0.05", "50", "1", "1E6", EchelleLog, EchelleLog},
        {"0.05", "50", "-3", "3", EchelleLog, EchelleArith},
        {"-5", "5", "0", "10", EchelleProj, EchelleProj},
        {"-5", "5", "0", "10", EchelleProj, EchelleArith},
        {"-5", "5", "0", "10", EchelleArith, EchelleProj},
    };
    for (const Cas& c : cas) {
        GCRepere r(true, 500, 300);
        r.SetRectangle(QPoint(13, 7), 500, 300);
        bornes(r, c.xinf, c.xsup, c.yinf, c.ysup, c.tx, c.ty);
        for (int px = 14; px < 13 + 500; px += 23)
            for (int py = 8; py < 7 + 300; py += 17) {
                double x, y;
                r.PixelVersMonde(px, py, x, y);
                if (!std::isfinite(x) || !std::isfinite(y) || (c.ty == EchelleProj && y > 1e6))
                    continue;
                const QPoint p = r.MondeVersPixel(x, y);
                EXPECT_LE(std::abs(p.x() - px), 1) << c.xinf << " " << c.tx << c.ty << " " << px << "," << py;
                EXPECT_LE(std::abs(p.y() - py), 1) << c.yinf << " " << c.tx << c.ty << " " << px << "," << py;
            }
    }
}

// On arithmetic axes points are mapped through coefficients taken once per mapping: the
// pixels must be the formula's, bit for bit, on every kind of frame and of point (halves
// between two pixels, far points that saturate, both axes, ranges given in decreasing order,
// huge, tiny or far from 0), and the other scale types keep the formula.
TEST_F(Mapping, CoefficientsAffinesDonnentLesPixelsDeLaFormule)
{
    struct Cas {
        const char *xinf, *xsup, *yinf, *ysup;
        int largeur, hauteur, gauche, haut;
        int tx = EchelleArith, ty = EchelleArith;
    };
    const Cas cas[] = {
        {"-5", "5", "-5", "5", 600, 400, 0, 0},
        {"0", "10", "0", "10", 201, 201, 3, 17},
        {"5", "-5", "3", "-7", 600, 400, 0, 0},
        {"-1e300", "1e300", "-8e307", "8e307", 1000, 700, 25, 9},
        {"-1.7e308", "1.7e308", "-1", "1", 600, 400, 0, 0},
        {"1e-300", "3e-300", "-2e-310", "2e-310", 640, 480, 0, 0},
        {"1e15", "1e15+3", "-123456789.5", "-123456789.25", 777, 333, 40, 2},
        {"-0.001", "0.003", "1000", "1000.5", 1919, 1079, 0, 0},
        {"-7", "7", "-7", "7", 65535, 65535, 1 << 20, 0},
        {"0.05", "50", "1", "1E6", 500, 300, 13, 7, EchelleLog, EchelleLog},
        {"-5", "5", "0.1", "10", 500, 300, 13, 7, EchelleArith, EchelleLog},
        {"-5", "5", "0", "10", 500, 300, 13, 7, EchelleProj, EchelleArith},
    };
    std::mt19937_64 alea(12345);
    std::uniform_real_distribution<double> unite(-1, 1);
    const double inf = std::numeric_limits<double>::infinity(), nan = std::numeric_limits<double>::quiet_NaN();
    int tests = 0;
    for (const Cas& c : cas) {
        GCRepere r(true, c.largeur, c.hauteur);
        r.SetRectangle(QPoint(c.gauche, c.haut), c.largeur, c.hauteur);
        bornes(r, c.xinf, c.xsup, c.yinf, c.ysup, c.tx, c.ty);
        const Correspondance carte = r.correspondance();
        double xmin, xmax, ymin, ymax;
        r.GetBornes(xmin, xmax, ymax, ymin);
        const Graduation g = r.graduation();
        // Values of one axis: the points half-way between two pixels (and one unit in the
        // last place either side), random points at every scale around the range, and the
        // extremes.
        auto valeurs = [&](double min, double max, int pixels, double pasPixels, double pas, bool versLeBas) {
            std::vector<double> v = {min, max, 0.0, -0.0, inf, -inf, nan, 1e308, -1e308, 5e-324, -5e-324};
            for (int i = -3; i <= pixels + 3; ++i) {
                const double demi = (i + 0.5) * pas / pasPixels;
                const double milieu = versLeBas ? max - demi : min + demi;
                v.insert(v.end(), {milieu, std::nextafter(milieu, inf), std::nextafter(milieu, -inf)});
            }
            for (int echelle = -20; echelle <= 300; echelle += 4)
                for (int k = 0; k < 40; ++k)
                    v.push_back(min + (max - min) * unite(alea) * std::pow(10.0, echelle / 10.0));
            return v;
        };
        const std::vector<double> xs = valeurs(xmin, xmax, c.largeur, g.pasPixelX, g.pasX, false);
        const std::vector<double> ys = valeurs(ymin, ymax, c.hauteur, g.pasPixelY, g.pasY, true);
        ASSERT_GT(xs.size(), 100u);
        for (std::size_t i = 0; i < xs.size(); ++i)
            for (std::size_t j : {i % ys.size(), (i * 7919) % ys.size(), (i * 104729 + 3) % ys.size()}) {
                int px, py, qx, qy;
                carte.MondeVersPixel(px, py, xs[i], ys[j]);
                carte.MondeVersPixelGeneral(qx, qy, xs[i], ys[j]);
                ++tests;
                ASSERT_EQ(QPoint(px, py), QPoint(qx, qy))
                    << c.xinf << " " << c.yinf << " x=" << xs[i] << " y=" << ys[j];
            }
    }
    EXPECT_GT(tests, 100000);
}

TEST_F(Mapping, BornesDegenereesNiDivisionParZeroNiValeurIndefinie)
{
    GCRepere r(true, 600, 400);
    const double nan = std::numeric_limits<double>::quiet_NaN(), inf = std::numeric_limits<double>::infinity();
    // xmin = xmax on either axis, NaN and infinite bounds.
    const double cas[][4] = {{2, 2, -5, 5}, {-5, 5, 3, 3}, {nan, 5, -5, 5}, {-5, inf, -5, 5}, {-5, 5, -inf, nan}};
    for (auto& c : cas) {
        r.AxeX.Min = c[0];
        r.AxeX.Max = c[1];
        r.AxeY.Min = c[2];
        r.AxeY.Max = c[3];
        r.AppliqueFacteur();
        EXPECT_FALSE(r.Valide());
        int ppx, ppy;
        double pasX, pasY;
        r.CalculeGraduation(ppx, ppy, pasY, pasX);
        EXPECT_GE(ppx, 1);
        EXPECT_GE(ppy, 1);
        EXPECT_GT(pasX, 0);
        EXPECT_GT(pasY, 0);
        const QPoint p = r.MondeVersPixel(1, 1);
        EXPECT_LE(std::abs(p.x()), LimitePixel);
        EXPECT_LE(std::abs(p.y()), LimitePixel);
        double x, y;
        r.PixelVersMonde(100, 100, x, y);
        EXPECT_FALSE(std::isinf(x) && std::isinf(y));
    }
    // A logarithmic axis whose bounds are not positive: told, and mapped without UB.
    bornes(r, "-5", "5", "-5", "5", EchelleLog, EchelleArith);
    QString raison;
    EXPECT_FALSE(r.Valide(&raison));
    EXPECT_TRUE(raison.contains(QStringLiteral("logarithmique")));
    EXPECT_EQ(r.MondeVersPixel(2, 0).x(), -LimitePixel);   // log10 of a negative ratio
    EXPECT_EQ(r.MondeVersPixel(0, 0).x(), -LimitePixel);   // 0 / -5 = -0, log10 is -inf: still far left
    // An eye height of 0 on a projective frame.
    bornes(r, "-5", "5", "0", "10", EchelleProj, EchelleProj);
    r.SetPerspective(338, 0, 6);
    EXPECT_FALSE(r.Valide());
    double x, y;
    r.PixelVersMonde(100, 100, x, y);
    EXPECT_FALSE(std::isnan(y));
}

TEST_F(Mapping, ConversionSatureeDesPointsLointains)
{
    GCRepere r(true, 600, 400);
    // y = exp(x^2) at x = 5 on the default frame: far above, kept far above.
    const QPoint p = r.MondeVersPixel(5, std::exp(25.0));
    EXPECT_EQ(p.y(), -LimitePixel);
    EXPECT_TRUE(r.HorsCadre(p.x(), p.y()));
    EXPECT_EQ(r.MondeVersPixel(std::numeric_limits<double>::infinity(), 0).x(), LimitePixel);
    EXPECT_EQ(r.MondeVersPixel(std::numeric_limits<double>::quiet_NaN(), 0).x(), -LimitePixel);
    EXPECT_EQ(ArrondiPixel(2.5), 2);
    EXPECT_EQ(ArrondiPixel(-2.5), -2);
    EXPECT_EQ(ArrondiPixel(1e300), LimitePixel);
}

class Taille : public RepereTest {};

TEST_F(Taille, MargesEtOrthonormalite)
{
    GCRepere r(true, 100, 100);
    r.FixeTaille(600, 400);
    // Margins are the graduation fonts' sizes.
    EXPECT_EQ(r.Gauche, 8);
    EXPECT_EQ(r.Haut, 8);
    EXPECT_EQ(r.LargeurTrace, 592);
    EXPECT_EQ(r.HauteurTrace, 392);
    // Orthonormal: the x density is the larger, the width shrinks to 392 and is centred.
    r.SetNorme(true);
    r.FixeTaille(600, 400);
    EXPECT_EQ(r.LargeurTrace, 392);
    EXPECT_EQ(r.Gauche, 8 + (592 - 392) / 2);
    EXPECT_TRUE(r.EstNorme());
    EXPECT_TRUE(interlocuteur_.messages.isEmpty());
    // Impossible: x range 1000 times the y range.
    r.FixeBornes("-500", "500", 0, "-500", "0", "100", "-0.5", "0.5", 0, "-0.5", "0", "0.1");
    r.FixeTaille(600, 400);
    EXPECT_FALSE(r.EstNorme());
    EXPECT_EQ(r.LargeurTrace, 592);
    EXPECT_EQ(r.HauteurTrace, 392);
    ASSERT_EQ(interlocuteur_.messages.size(), 1);
    EXPECT_EQ(interlocuteur_.messages.front(), QStringLiteral("Impossible de respecter l'orthonormalité!"));
}

TEST_F(Taille, DecalageLateralPlusGrandQueLaFenetre)
{
    GCRepere r(true, 100, 100);
    r.AxeX.Lateral = true;
    r.AxeX.Decalage = 600;
    r.AxeY.Lateral = true;
    r.AxeY.Decalage = 600;
    r.FixeTaille(520, 520);
    EXPECT_GE(r.LargeurTrace, 1);
    EXPECT_LE(r.LargeurTrace, 520);
    EXPECT_GE(r.HauteurTrace, 1);
    EXPECT_LE(r.HauteurTrace, 520);
}

TEST_F(Taille, FacteurDEchelleAppliqueUneFois)
{
    GCRepere r(true, 100, 100);
    etatGraphe().FacteurEchelle = 2;
    r.FixeTaille(600, 400);
    EXPECT_EQ(r.Gauche, 16);
    r.AppliqueFacteur();
    r.AppliqueFacteur();
    EXPECT_EQ(r.Gauche, 16);
}

TEST_F(Taille, PositionDesAxes)
{
    GCRepere r(true, 600, 400);
    EXPECT_EQ(r.PixelAxeY, r.MondeVersPixel(0, 0).x());
    EXPECT_EQ(r.PixelAxeX, r.MondeVersPixel(0, 0).y());
    bornes(r, "1", "11", "-12", "-2");
    EXPECT_EQ(r.PixelAxeY, r.Gauche + 1);        // xmin > 0: left edge
    EXPECT_EQ(r.PixelAxeX, r.Haut + 1);          // ymax < 0: top edge
    bornes(r, "-11", "-1", "2", "12");
    EXPECT_EQ(r.PixelAxeY, r.Gauche + 1 + r.LargeurTrace);  // right edge
    EXPECT_EQ(r.PixelAxeX, r.MondeVersPixel(1, 2).y());     // bottom edge
    bornes(r, "-5", "5", "-5", "5");
    r.SetLateral(true, true);
    r.AppliqueFacteur();
    EXPECT_EQ(r.PixelAxeY, r.Gauche + 1);
    EXPECT_EQ(r.PixelAxeX, r.MondeVersPixel(0, -5).y());
}

class Zoom : public RepereTest {};

TEST_F(Zoom, FixeFenetreRangeEtDeplaceLeDebut)
{
    GCRepere r(true, 600, 400);
    r.FixeFenetre(5, -5, 2, -2);
    EXPECT_EQ(r.AxeX.Min, -5);
    EXPECT_EQ(r.AxeX.Max, 5);
    EXPECT_EQ(r.AxeY.Min, -2);
    EXPECT_EQ(r.AxeY.Max, 2);
    EXPECT_EQ(r.AxeY.Debut, QStringLiteral("-2"));
    // The start becomes the first grid value at or above min.
    r.AxeX.Pas1er = "0.1";
    r.FixeFenetre(-2.35, 4, -2, 2);
    EXPECT_EQ(r.AxeX.Debut, QStringLiteral("-2.3"));
    r.FixeFenetre(7.2, 9, -2, 2);
    EXPECT_EQ(r.AxeX.Debut, QStringLiteral("7.2"));
    // Logarithmic: by tens.
    r.FixeBornes("1", "100", EchelleLog, "1", "0", "1", "-5", "5", 0, "-5", "0", "1");
    r.FixeFenetre(0.03, 700, -5, 5);
    EXPECT_EQ(r.AxeX.Debut, QStringLiteral("0.1"));
}

TEST_F(Zoom, BornesGardeesExactement)
{
    GCRepere r(true, 600, 400);
    r.FixeFenetre(1.000001, 1.000004, -1e-7, 3e-7);
    EXPECT_EQ(r.AxeX.Min, 1.000001);
    EXPECT_EQ(r.AxeX.Max, 1.000004);
    EXPECT_EQ(r.AxeY.Min, -1e-7);
    EXPECT_EQ(r.AxeY.Max, 3e-7);
    EXPECT_TRUE(r.Valide());
}

TEST_F(Zoom, LesBouclesDuDebutSeTerminent)
{
    GCRepere r(true, 600, 400);
    // A start of 1e17 (1e17 - 1 == 1e17), a step of 1e-17, bounds near 1e12, a log start <= 0.
    r.AxeX.Debut = "1E17";
    r.FixeFenetre(-3, 3, -2, 2);
    const double debut1 = EvalueTexte(r.AxeX.Debut.toStdString());
    EXPECT_GE(debut1, -3);
    EXPECT_LT(debut1, -2);
    r.AxeY.Pas1er = "1E-17";
    r.FixeFenetre(-3, 3, -2, 2);
    r.FixeFenetre(1e12, 1e12 + 5, -1e12, 1e12);
    r.FixeBornes("1", "100", EchelleLog, "0", "0", "1", "1", "100", EchelleLog, "-5", "0", "1");
    r.FixeFenetre(2, 300, 5, 50);
    EXPECT_EQ(r.AxeX.Debut, QStringLiteral("10"));
    EXPECT_EQ(r.AxeY.Debut, QStringLiteral("10"));
    // A step that is not positive keeps the start.
    r.FixeBornes("-5", "5", 0, "-5", "0", "0", "-5", "5", 0, "-5", "0", "-1");
    r.FixeFenetre(-1, 1, -1, 1);
    EXPECT_EQ(r.AxeX.Debut, QStringLiteral("-5"));
    EXPECT_EQ(r.AxeY.Debut, QStringLiteral("-5"));
}

class IndexSouris : public RepereTest {};

TEST_F(IndexSouris, CellulesEtObjetSousPixel)
{
    GCRepere r(true, 600, 400);
    r.SetRectangle(QPoint(10, 20), 600, 400);
    int c, rr;
    ASSERT_TRUE(r.CelluleDePixel(10 + 13 * 3, 20 + 9 * 5, c, rr));
    EXPECT_EQ(c, 3);   // 600 div 49 + 1 = 13
    EXPECT_EQ(rr, 5);  // 400 div 49 + 1 = 9
    EXPECT_FALSE(r.CelluleDePixel(10 + 13 * 50, 30, c, rr));
    EXPECT_EQ(r.ObjetSousPixel(100, 100), 0);
    r.AjouteCellule(7, 100, 100);
    r.AjouteCellule(7, 101, 101);  // same cell, added once
    ASSERT_NE(r.ListeCellule(100, 100), nullptr);
    EXPECT_EQ(r.ListeCellule(100, 100)->size(), 1u);
    EXPECT_EQ(r.ObjetSousPixel(100, 100), 7);
    r.AjouteCellule(CodeVecteurI, 100, 100);
    EXPECT_EQ(r.ObjetSousPixel(100, 100), CodeVecteurI);
    r.AjouteCellule(3, 300, 300);
    r.AjouteCellule(CodeOrigine, 300, 300);
    EXPECT_EQ(r.ObjetSousPixel(300, 300), CodeAmbigu);
    r.AjouteCellule(CodeVecteurJ, 300, 300);
    EXPECT_EQ(r.ObjetSousPixel(300, 300), CodeVecteurJ);
    r.VideCellules();
    EXPECT_EQ(r.ObjetSousPixel(100, 100), 0);
    EXPECT_EQ(r.ListeCellule(300, 300), nullptr);
    // Far pixels have no cell.
    r.AjouteCellule(9, -LimitePixel, LimitePixel);
    EXPECT_EQ(r.ObjetSousPixel(-LimitePixel, LimitePixel), 0);

    GCRepere sansIndex(false, 50, 50);
    sansIndex.AjouteCellule(4, 10, 10);
    EXPECT_EQ(sansIndex.ObjetSousPixel(10, 10), 0);
}

TEST_F(IndexSouris, TestsDeFenetre)
{
    GCRepere r(true, 600, 400);
    r.SetRectangle(QPoint(10, 20), 600, 400);
    EXPECT_FALSE(r.HorsCadre(10, 20));
    EXPECT_FALSE(r.HorsCadre(610, 420));
    EXPECT_TRUE(r.HorsCadre(9, 100));
    EXPECT_TRUE(r.HorsCadre(611, 100));
    EXPECT_TRUE(r.HorsCadre(100, 421));
    EXPECT_FALSE(r.HorsBornes(-5, 5));
    EXPECT_TRUE(r.HorsBornes(5.01, 0));
    // Segments leaving by each side, and the crossing point.
    EXPECT_EQ(r.CodeBord(0, 0, 0, -7), 1);
    EXPECT_EQ(r.CodeBord(0, 0, 9, 1), 2);
    EXPECT_EQ(r.CodeBord(0, 0, 1, 9), 3);
    EXPECT_EQ(r.CodeBord(0, 0, -9, -1), 4);
    EXPECT_EQ(r.CodeBord(0, 0, 1, 1), 0);
    EXPECT_EQ(r.CodeBord(-5, 0, -9, 0), 0);  // starts on the border
    double x, y;
    r.PointSurBord(x, y, 0, 0, 10, 5);
    EXPECT_DOUBLE_EQ(x, 5);
    EXPECT_DOUBLE_EQ(y, 2.5);
    r.PointSurBord(x, y, 1, 0, 1, -8);
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_DOUBLE_EQ(y, -5);
    r.PointSurBord(x, y, 0, 1, -10, 3);
    EXPECT_DOUBLE_EQ(x, -5);
    EXPECT_DOUBLE_EQ(y, 2);
    // A projective frame only tests y >= ymin.
    r.FixeBornes("-5", "5", EchelleProj, "-5", "0", "1", "0", "10", EchelleProj, "0", "0", "1");
    EXPECT_FALSE(r.HorsBornes(100, 50));
    EXPECT_TRUE(r.HorsBornes(0, -1));
}

}  // namespace
