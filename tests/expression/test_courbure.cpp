// Curvature, centres of curvature and pedal points.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "expression/courbure.h"
#include "expression/fonction.h"
#include "etat_essai.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double H = 1e-3;

class Courbure : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseCalcul> etat_;

    static Arbre arbre(const std::string& texte)
    {
        Arbre a;
        EXPECT_TRUE(CompileExpr(texte, a)) << texte;
        return a;
    }
};

// A window of 11 samples of (f(t), g(t)) centred on t0.
template <class F, class G>
void fenetre(F f, G g, double t0, double pas, std::array<double, 11>& X, std::array<double, 11>& Y)
{
    for (int i = 0; i < 11; ++i) {
        X[i] = f(t0 + (i - 3) * pas);
        Y[i] = g(t0 + (i - 3) * pas);
    }
}

TEST_F(Courbure, CercleParametriqueEtPolaire)
{
    const Arbre x = arbre("COS(T)"), y = arbre("SIN(T)"), r = arbre("1"), th = arbre("T");
    for (double t : {0.0, 0.7, 2.0, -2.5}) {
        double angle = 0, cx = 9, cy = 9;
        EXPECT_NEAR(RayonCourbure('T', x, y, angle, H, t), 1, 1e-7);
        EXPECT_EQ(ErreurCalcul(), 0);
        EXPECT_NEAR(std::cos(angle), -std::sin(t), 1e-9);  // the tangent turns with t
        EXPECT_NEAR(CentreCourbure('T', x, y, cy, cx, H, t), 1, 1e-7);
        EXPECT_NEAR(cx, 0, 1e-7);
        EXPECT_NEAR(cy, 0, 1e-7);
        cx = cy = 9;
        EXPECT_NEAR(CentreCourbure('P', r, th, cy, cx, H, t), 1, 1e-7);
        EXPECT_EQ(ErreurCalcul(), 0);
        EXPECT_NEAR(cx, 0, 1e-7);
        EXPECT_NEAR(cy, 0, 1e-7);
    }
    // Turning clockwise: a negative radius, the same centre.
    const Arbre moinsSinus = arbre("-SIN(T)");
    double cx = 9, cy = 9;
    EXPECT_NEAR(CentreCourbure('T', x, moinsSinus, cy, cx, H, 1), -1, 1e-7);
    EXPECT_NEAR(cx, 0, 1e-7);
    EXPECT_NEAR(cy, 0, 1e-7);
    // A polar circle of radius 2 off the origin: r = 4·cos(theta), centre (2, 0).
    const Arbre r4 = arbre("4*COS(T)");
    EXPECT_NEAR(CentreCourbure('P', r4, th, cy, cx, H, 0.4), 2, 1e-6);
    EXPECT_NEAR(cx, 2, 1e-6);
    EXPECT_NEAR(cy, 0, 1e-6);
}

TEST_F(Courbure, ParaboleASonSommet)
{
    // y = x²: radius 1/2, centre (0, 1/2); at x = 1: R = (1 + 4)^(3/2)/2.
    const Arbre x = arbre("T"), y = arbre("T^2");
    double cx = 0, cy = 0;
    EXPECT_NEAR(CentreCourbure('Y', x, y, cy, cx, H, 0), 0.5, 1e-7);
    EXPECT_NEAR(cx, 0, 1e-7);
    EXPECT_NEAR(cy, 0.5, 1e-7);
    EXPECT_NEAR(CentreCourbure('Y', x, y, cy, cx, H, 1), std::pow(5.0, 1.5) / 2, 1e-6);
    EXPECT_NEAR(cx, -4, 1e-6);  // evolute of y = x²: (-4x³, 1/2 + 3x²)
    EXPECT_NEAR(cy, 3.5, 1e-6);
    // Another kind letter: only the radius.
    cx = cy = 7;
    EXPECT_NEAR(CentreCourbure('Q', x, y, cy, cx, H, 0), 0.5, 1e-7);
    EXPECT_EQ(cx, 7);
    EXPECT_EQ(cy, 7);
}

TEST_F(Courbure, DroitesEtEchecs)
{
    const Arbre x = arbre("T"), y = arbre("2*T+1");
    double angle = 0, cx = 0, cy = 0;
    RayonCourbure('T', x, y, angle, H, 0.3);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "Rayon de courbure incalculable");
    CentreCourbure('X', x, y, cy, cx, H, 0.3);
    EXPECT_EQ(ErreurCalcul(), 1);
    // A formula that cannot be computed near t.
    const Arbre racine = arbre("SQRT(T)");
    MessageErreur() = "";
    RayonCourbure('T', x, racine, angle, H, 0);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "Rayon de courbure incalculable");
    // A null step.
    const Arbre c = arbre("COS(T)"), s = arbre("SIN(T)");
    RayonCourbure('T', c, s, angle, 0, 1);
    EXPECT_EQ(ErreurCalcul(), 1);
}

TEST_F(Courbure, PointsDeLaPodaire)
{
    double px = 9, py = 9;
    // The line y = 1 from the pole (0, 0): horizontal tangent, foot (0, 1).
    const Arbre x = arbre("T"), un = arbre("1");
    for (double t : {-2.0, 0.0, 3.0}) {
        PointPodaire('T', x, un, py, px, H, 0, 0, t);
        EXPECT_EQ(ErreurCalcul(), 0);
        EXPECT_NEAR(px, 0, 1e-12);
        EXPECT_NEAR(py, 1, 1e-12);
    }
    // A vertical line x = 2: foot (2, b).
    const Arbre deux = arbre("2"), t = arbre("T");
    PointPodaire('T', deux, t, py, px, H, 5, -3, 1);
    EXPECT_NEAR(px, 2, 1e-12);
    EXPECT_NEAR(py, -3, 1e-12);
    // The line y = x + 2 from the origin: foot (-1, 1).
    const Arbre y = arbre("T+2");
    PointPodaire('Y', x, y, py, px, H, 0, 0, 4);
    EXPECT_NEAR(px, -1, 1e-9);
    EXPECT_NEAR(py, 1, 1e-9);
    // The unit circle from its centre: the foot is the point itself; polar form too.
    const Arbre c = arbre("COS(T)"), s = arbre("SIN(T)"), r = arbre("1");
    PointPodaire('T', c, s, py, px, H, 0, 0, 0.8);
    EXPECT_NEAR(px, std::cos(0.8), 1e-9);
    EXPECT_NEAR(py, std::sin(0.8), 1e-9);
    PointPodaire('P', r, t, py, px, H, 0, 0, 0.8);
    EXPECT_NEAR(px, std::cos(0.8), 1e-9);
    EXPECT_NEAR(py, std::sin(0.8), 1e-9);
    // A cusp: x = t², y = t³ at 0.
    const Arbre x2 = arbre("T^2"), y3 = arbre("T^3");
    PointPodaire('T', x2, y3, py, px, H, 0, 0, 0);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "Podaire incalculable (0/0)");
    // A formula that fails.
    const Arbre ln = arbre("LN(T)");
    PointPodaire('T', x, ln, py, px, H, 0, 0, 0);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "Podaire incalculable");
}

TEST_F(Courbure, DesEchantillons)
{
    std::array<double, 11> X{}, Y{};
    double cx = 9, cy = 9, px = 9, py = 9;
    // A circle of radius 2 about (1, -1), sampled finely around the angle 0.3.
    const auto fx = [](double a) { return 1 + 2 * std::cos(a); };
    const auto fy = [](double a) { return -1 + 2 * std::sin(a); };
    fenetre(fx, fy, 0.3, 1e-3, X, Y);
    CentreCourbureEchantillons(X, Y, cx, cy);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_NEAR(cx, 1, 1e-5);
    EXPECT_NEAR(cy, -1, 1e-5);
    // Pedal point from the centre: the sample itself.
    PointPodaireEchantillons(X, Y, px, py, -1, 1);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_NEAR(px, X[3], 1e-9);
    EXPECT_NEAR(py, Y[3], 1e-9);

    // A straight line: no curvature.
    const auto identite = [](double t) { return t; };
    const auto droite = [](double t) { return 2 * t + 1; };
    fenetre(identite, droite, 0, 0.1, X, Y);
    CentreCourbureEchantillons(X, Y, cx, cy);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "Dérivée seconde nulle");
    // Its pedal point from the origin: the foot on y = 2x + 1 is (-0.4, 0.2).
    PointPodaireEchantillons(X, Y, px, py, 0, 0);
    EXPECT_EQ(ErreurCalcul(), 0);
    EXPECT_NEAR(px, -0.4, 1e-12);
    EXPECT_NEAR(py, 0.2, 1e-12);
    // A horizontal line: foot (a, y0).
    const auto trois = [](double) { return 3.0; };
    fenetre(identite, trois, 0, 0.1, X, Y);
    PointPodaireEchantillons(X, Y, px, py, 7, 5);
    EXPECT_EQ(px, 5);
    EXPECT_EQ(py, 3);
    // Samples too close together: the derivative fails.
    fenetre(identite, droite, 0, 1e-5, X, Y);
    CentreCourbureEchantillons(X, Y, cx, cy);
    EXPECT_EQ(ErreurCalcul(), 1);
    EXPECT_EQ(MessageErreur(), "Dérivée incalculable");
    PointPodaireEchantillons(X, Y, px, py, 0, 0);
    EXPECT_EQ(ErreurCalcul(), 1);
}

}  // namespace
