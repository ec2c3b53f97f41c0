// Conic analysis on conics built from known geometry.
#include <gtest/gtest.h>

#include <cmath>

#include "expression/conique.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

// Coefficients of a second-degree equation.
struct Equation {
    double A, B, C, D, E, F;
    ElementsConique analyse() const { return AnalyseConique(A, B, C, D, E, F); }
    double valeur(double x, double y) const { return A * x * x + B * x * y + C * y * y + D * x + E * y + F; }
};

// l1·X² + l2·Y² + k·X + m·Y + f = 0 in the frame of origin (x0, y0) turned by theta
// (X = cos·(x - x0) + sin·(y - y0), Y = -sin·(x - x0) + cos·(y - y0)), expanded in x, y.
Equation tourne(double l1, double l2, double k, double m, double f, double x0, double y0, double theta)
{
    const double c = std::cos(theta), s = std::sin(theta);
    // X = c·x + s·y + p, Y = -s·x + c·y + q
    const double p = -(c * x0 + s * y0), q = s * x0 - c * y0;
    Equation e;
    e.A = l1 * c * c + l2 * s * s;
    e.B = 2 * l1 * c * s - 2 * l2 * s * c;
    e.C = l1 * s * s + l2 * c * c;
    e.D = 2 * l1 * c * p - 2 * l2 * s * q + k * c - m * s;
    e.E = 2 * l1 * s * p + 2 * l2 * c * q + k * s + m * c;
    e.F = l1 * p * p + l2 * q * q + k * p + m * q + f;
    return e;
}

void memePoint(PointConique p, double x, double y, const char* quoi, double tol = 1e-9)
{
    EXPECT_NEAR(p.x, x, tol) << quoi;
    EXPECT_NEAR(p.y, y, tol) << quoi;
}

// The two points, in either order.
void memesPoints(PointConique p, PointConique q, double x1, double y1, double x2, double y2, const char* quoi)
{
    const bool direct = std::hypot(p.x - x1, p.y - y1) < 1e-9 && std::hypot(q.x - x2, q.y - y2) < 1e-9;
    const bool inverse = std::hypot(p.x - x2, p.y - y2) < 1e-9 && std::hypot(q.x - x1, q.y - y1) < 1e-9;
    EXPECT_TRUE(direct || inverse) << quoi << " : (" << p.x << ", " << p.y << ") (" << q.x << ", " << q.y << ")";
}

// Every point of a line lies on the conic.
void surLaConique(const Equation& e, DroiteConique d)
{
    EXPECT_NEAR(std::hypot(d.direction.x, d.direction.y), 1, 1e-12);
    for (double t : {-3.0, 0.0, 2.0}) {
        const double x = d.point.x + t * d.direction.x, y = d.point.y + t * d.direction.y;
        EXPECT_NEAR(e.valeur(x, y), 0, 1e-9) << "(" << x << ", " << y << ")";
    }
}

TEST(Conique, LaTableDesCas)
{
    ElementsConique r = AnalyseConique(1, 0, 1, 0, 0, -1);
    EXPECT_EQ(r.Genre, ConiqueCercle);
    EXPECT_DOUBLE_EQ(r.Rayon, 1);
    memePoint(r.Centre, 0, 0, "centre");

    r = AnalyseConique(1, 0, 4, 0, 0, -4);
    EXPECT_EQ(r.Genre, ConiqueEllipse);
    EXPECT_DOUBLE_EQ(r.DemiAxe1, 2);
    EXPECT_DOUBLE_EQ(r.DemiAxe2, 1);
    memesPoints(r.Foyer1, r.Foyer2, std::sqrt(3.0), 0, -std::sqrt(3.0), 0, "foyers");
    memesPoints(r.Sommet1, r.Sommet2, 2, 0, -2, 0, "sommets");
    EXPECT_DOUBLE_EQ(r.Excentricite, std::sqrt(3.0) / 2);

    r = AnalyseConique(1, 0, -1, 0, 0, -1);
    EXPECT_EQ(r.Genre, ConiqueHyperbole);
    EXPECT_DOUBLE_EQ(r.DemiAxe1, 1);
    EXPECT_DOUBLE_EQ(r.DemiAxe2, 1);
    memesPoints(r.Sommet1, r.Sommet2, 1, 0, -1, 0, "sommets");
    memesPoints(r.Foyer1, r.Foyer2, std::sqrt(2.0), 0, -std::sqrt(2.0), 0, "foyers");

    r = AnalyseConique(-1, 0, 0, 0, 1, 0);  // y - x² = 0
    EXPECT_EQ(r.Genre, ConiqueParabole);
    memePoint(r.Centre, 0, 0, "sommet");
    memePoint(r.Foyer1, 0, 0.25, "foyer");
    EXPECT_DOUBLE_EQ(r.Parametre, 0.5);

    EXPECT_EQ(AnalyseConique(1, 0, 1, 0, 0, 1).Genre, ConiqueVide);
    r = AnalyseConique(1, 0, 1, 0, 0, 0);
    EXPECT_EQ(r.Genre, ConiquePoint);
    memePoint(r.Centre, 0, 0, "point");
    EXPECT_EQ(AnalyseConique(1, 0, -1, 0, 0, 0).Genre, ConiqueDeuxDroites);
    r = AnalyseConique(1, 0, 0, 0, 0, -1);  // two parallel lines x = ±1
    EXPECT_EQ(r.Genre, ConiqueDeuxDroites);
    memesPoints(r.Droite1.point, r.Droite2.point, 1, 0, -1, 0, "droites");
    r = AnalyseConique(0, 0, 0, 2, 0, 1);
    EXPECT_EQ(r.Genre, ConiqueDroite);
    surLaConique({0, 0, 0, 2, 0, 1}, r.Droite1);
    EXPECT_EQ(AnalyseConique(0, 0, 0, 0, 0, 0).Genre, ConiqueVide);
    EXPECT_EQ(AnalyseConique(0, 0, 0, 0, 0, 5).Genre, ConiqueVide);
}

TEST(Conique, ParaboleAvecLeCarreEnY)
{
    // x - y² = 0: A = 0 and C < 0.
    const ElementsConique r = AnalyseConique(0, 0, -1, 1, 0, 0);
    EXPECT_EQ(r.Genre, ConiqueParabole);
    memePoint(r.Centre, 0, 0, "sommet");
    EXPECT_DOUBLE_EQ(std::fabs(r.Parametre), 0.5);
    memePoint(r.Foyer1, 0.25, 0, "foyer");
    EXPECT_FALSE(std::isnan(r.Centre.x));
}

TEST(Conique, CoefficientsDecimauxBienClasses)
{
    EXPECT_EQ(AnalyseConique(1, 2.2, 1.21, 1, 0, 0).Genre, ConiqueParabole);
    EXPECT_EQ(AnalyseConique(1, 2.8, 1.96, 1, 0, 0).Genre, ConiqueParabole);
    EXPECT_EQ(AnalyseConique(1, 2.2, 1.21, 0, 0, -1).Genre, ConiqueDeuxDroites);
    EXPECT_EQ(AnalyseConique(0.01, 0.2, 1, 0.6, 6, 5).Genre, ConiqueDeuxDroites);
    const ElementsConique p = AnalyseConique(1, 0, 1, -0.2, -0.6, 0.1);
    EXPECT_EQ(p.Genre, ConiquePoint);
    memePoint(p.Centre, 0.1, 0.3, "point");
    EXPECT_EQ(AnalyseConique(0.04, 1.6, 16, 0, 1, 0).Genre, ConiqueParabole);
    // (0.1x + 0.3)² = 0: one line counted twice.
    const ElementsConique d = AnalyseConique(0.01, 0, 0, 0.06, 0, 0.09);
    EXPECT_EQ(d.Genre, ConiqueDeuxDroites);
    memePoint(d.Droite1.point, -3, 0, "droite", 1e-6);
    memePoint(d.Droite2.point, -3, 0, "droite", 1e-6);
    // (x - 2y + 1)² = 0: the rounding noise of the discriminant is positive here, and the
    // line must still be one line, not two a hair apart.
    const ElementsConique dd = AnalyseConique(1, -4, 4, 2, -4, 1);
    EXPECT_EQ(dd.Genre, ConiqueDeuxDroites);
    EXPECT_EQ(dd.Droite1.point.x, dd.Droite2.point.x);
    EXPECT_EQ(dd.Droite1.point.y, dd.Droite2.point.y);
    surLaConique({1, -4, 4, 2, -4, 1}, dd.Droite1);
}

// Conics turned and moved away from the origin: the elements come back.
TEST(Conique, ConstruitesDUneGeometrieConnue)
{
    const double x0 = 1.5, y0 = -2, theta = Pi / 6;
    const double c = std::cos(theta), s = std::sin(theta);

    // Ellipse of half-axes 3 and 2 along theta: X²/9 + Y²/4 - 1 = 0.
    Equation e = tourne(1.0 / 9, 1.0 / 4, 0, 0, -1, x0, y0, theta);
    ElementsConique r = e.analyse();
    ASSERT_EQ(r.Genre, ConiqueEllipse);
    memePoint(r.Centre, x0, y0, "centre");
    EXPECT_NEAR(r.DemiAxe1, 3, 1e-12);
    EXPECT_NEAR(r.DemiAxe2, 2, 1e-12);
    EXPECT_NEAR(std::fabs(r.U.x * c + r.U.y * s), 1, 1e-12);  // major axis along theta
    const double f = std::sqrt(5.0);
    memesPoints(r.Foyer1, r.Foyer2, x0 + f * c, y0 + f * s, x0 - f * c, y0 - f * s, "foyers");
    memesPoints(r.Sommet1, r.Sommet2, x0 + 3 * c, y0 + 3 * s, x0 - 3 * c, y0 - 3 * s, "sommets");
    EXPECT_NEAR(r.Excentricite, f / 3, 1e-12);
    EXPECT_NEAR(e.valeur(r.Sommet1.x, r.Sommet1.y), 0, 1e-12);
    // The same ellipse with every coefficient negated, and scaled.
    Equation n{-7 * e.A, -7 * e.B, -7 * e.C, -7 * e.D, -7 * e.E, -7 * e.F};
    r = n.analyse();
    ASSERT_EQ(r.Genre, ConiqueEllipse);
    EXPECT_NEAR(r.DemiAxe1, 3, 1e-12);
    EXPECT_NEAR(r.DemiAxe2, 2, 1e-12);
    // The major axis across: X²/4 + Y²/9 = 1.
    r = tourne(1.0 / 4, 1.0 / 9, 0, 0, -1, x0, y0, theta).analyse();
    ASSERT_EQ(r.Genre, ConiqueEllipse);
    EXPECT_NEAR(r.DemiAxe1, 3, 1e-12);
    EXPECT_NEAR(std::fabs(r.U.x * -s + r.U.y * c), 1, 1e-12);
    // No real point: X²/9 + Y²/4 + 1 = 0.
    EXPECT_EQ(tourne(1.0 / 9, 1.0 / 4, 0, 0, 1, x0, y0, theta).analyse().Genre, ConiqueVide);
    // A point: X²/9 + Y²/4 = 0.
    r = tourne(1.0 / 9, 1.0 / 4, 0, 0, 0, x0, y0, theta).analyse();
    EXPECT_EQ(r.Genre, ConiquePoint);
    memePoint(r.Centre, x0, y0, "point");

    // Hyperbola X²/4 - Y² = 1, focal axis along theta; then the one across, X²/4 - Y² = -1.
    e = tourne(0.25, -1, 0, 0, -1, x0, y0, theta);
    r = e.analyse();
    ASSERT_EQ(r.Genre, ConiqueHyperbole);
    memePoint(r.Centre, x0, y0, "centre");
    EXPECT_NEAR(r.DemiAxe1, 2, 1e-12);
    EXPECT_NEAR(r.DemiAxe2, 1, 1e-12);
    memesPoints(r.Sommet1, r.Sommet2, x0 + 2 * c, y0 + 2 * s, x0 - 2 * c, y0 - 2 * s, "sommets");
    memesPoints(r.Foyer1, r.Foyer2, x0 + f * c, y0 + f * s, x0 - f * c, y0 - f * s, "foyers");
    EXPECT_NEAR(r.Excentricite, f / 2, 1e-12);
    e = tourne(0.25, -1, 0, 0, 1, x0, y0, theta);
    r = e.analyse();
    ASSERT_EQ(r.Genre, ConiqueHyperbole);
    EXPECT_NEAR(r.DemiAxe1, 1, 1e-12);
    EXPECT_NEAR(r.DemiAxe2, 2, 1e-12);
    memesPoints(r.Sommet1, r.Sommet2, x0 - s, y0 + c, x0 + s, y0 - c, "sommets");
    EXPECT_NEAR(e.valeur(r.Sommet2.x, r.Sommet2.y), 0, 1e-12);
    // Rectangular hyperbola xy = 1: equal half-axes, foci at ±(sqrt 2, sqrt 2).
    r = AnalyseConique(0, 1, 0, 0, 0, -1);
    ASSERT_EQ(r.Genre, ConiqueHyperbole);
    EXPECT_NEAR(r.DemiAxe1, std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(r.DemiAxe2, r.DemiAxe1, 1e-12);
    EXPECT_TRUE(r.Equilatere);
    EXPECT_FALSE(tourne(0.25, -1, 0, 0, -1, x0, y0, theta).analyse().Equilatere);
    EXPECT_TRUE(tourne(0.25, -0.25, 0, 0, -1, x0, y0, theta).analyse().Equilatere);
    memesPoints(r.Foyer1, r.Foyer2, std::sqrt(2.0), std::sqrt(2.0), -std::sqrt(2.0), -std::sqrt(2.0), "foyers");

    // Parabola Y² = 2pX with p = 1.5, vertex (x0, y0), opening along theta.
    e = tourne(0, 1, -3, 0, 0, x0, y0, theta);
    r = e.analyse();
    ASSERT_EQ(r.Genre, ConiqueParabole);
    memePoint(r.Centre, x0, y0, "sommet");
    EXPECT_NEAR(r.Parametre, 1.5, 1e-12);
    memePoint(r.Foyer1, x0 + 0.75 * c, y0 + 0.75 * s, "foyer");
    EXPECT_NEAR(r.U.x * c + r.U.y * s, 1, 1e-12);  // from the vertex towards the focus
    // Opening the other way.
    r = tourne(0, 1, 3, 0, 0, x0, y0, theta).analyse();
    ASSERT_EQ(r.Genre, ConiqueParabole);
    memePoint(r.Foyer1, x0 - 0.75 * c, y0 - 0.75 * s, "foyer");

    // Circle of radius 2 about (x0, y0).
    r = tourne(1, 1, 0, 0, -4, x0, y0, 0).analyse();
    ASSERT_EQ(r.Genre, ConiqueCercle);
    EXPECT_NEAR(r.Rayon, 2, 1e-12);
    memePoint(r.Centre, x0, y0, "centre");

    // Two secant lines (x - y + 1)(2x + y - 3) = 0, through (2/3, 5/3).
    Equation deux{2, -1, -1, -1, 4, -3};
    r = deux.analyse();
    ASSERT_EQ(r.Genre, ConiqueDeuxDroites);
    memePoint(r.Centre, 2.0 / 3, 5.0 / 3, "intersection");
    surLaConique(deux, r.Droite1);
    surLaConique(deux, r.Droite2);
    EXPECT_GT(std::fabs(r.Droite1.direction.x * r.Droite2.direction.y - r.Droite1.direction.y * r.Droite2.direction.x),
              0.1);
    // Two parallel lines (x + 2y - 1)(x + 2y + 3) = 0.
    Equation paralleles{1, 4, 4, 2, 4, -3};
    r = paralleles.analyse();
    ASSERT_EQ(r.Genre, ConiqueDeuxDroites);
    surLaConique(paralleles, r.Droite1);
    surLaConique(paralleles, r.Droite2);
    // The same lines with every coefficient negated (A < 0).
    Equation opposees{-1, -4, -4, -2, -4, 3};
    r = opposees.analyse();
    ASSERT_EQ(r.Genre, ConiqueDeuxDroites);
    surLaConique(opposees, r.Droite1);
    // (x + 2y)² + 1 = 0: nothing.
    EXPECT_EQ(AnalyseConique(1, 4, 4, 0, 0, 1).Genre, ConiqueVide);
    // A single line, slanted.
    Equation droite{0, 0, 0, 3, -4, 5};
    r = droite.analyse();
    ASSERT_EQ(r.Genre, ConiqueDroite);
    surLaConique(droite, r.Droite1);
}

TEST(Conique, JamaisUnNombreQuiNEnEstPas)
{
    // A sweep of decimal coefficients: every output is finite.
    const double valeurs[] = {-2.2, -1, -0.3, 0, 0.1, 1, 1.21, 2.2};
    int cas = 0;
    for (double A : valeurs)
        for (double B : valeurs)
            for (double C : valeurs)
                for (double D : {-1.0, 0.0, 0.6})
                    for (double F : {-1.0, 0.0, 5.0}) {
                        const ElementsConique r = AnalyseConique(A, B, C, D, 0.5, F);
                        ++cas;
                        ASSERT_GE(r.Genre, 1);
                        ASSERT_LE(r.Genre, 8);
                        for (double v : {r.Centre.x, r.Centre.y, r.U.x, r.U.y, r.DemiAxe1, r.DemiAxe2, r.Foyer1.x,
                                         r.Foyer2.y, r.Excentricite, r.Parametre, r.Rayon, r.Droite1.point.x,
                                         r.Droite2.direction.y})
                            ASSERT_TRUE(std::isfinite(v)) << A << " " << B << " " << C << " " << D << " " << F;
                    }
    EXPECT_EQ(cas, 8 * 8 * 8 * 9);
}

}  // namespace
