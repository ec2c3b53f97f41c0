// Plane transformations of codes 19..32: images at known points, preimages that undo the
// images, and the points where either is not defined.
#include <gtest/gtest.h>

#include <cmath>

#include "graph/derivees/transformations.h"

namespace {

struct Cas {
    int code;
    std::array<double, 6> c;
    double x, y;      // a point
    double xi, yi;    // its image
};

TEST(Transformations, ImagesConnuesEtAntecedentsQuiLesDefont)
{
    const Cas cas[] = {
        {19, {1}, 3, 5, 3, -3},
        {20, {1}, 3, 5, -1, 5},
        {21, {0, 1}, 3, 5, 3, -3},          // the line y = 1: as code 19 with c1 = 1
        {21, {1, 0}, 3, 5, 5, 3},           // the diagonal swaps x and y
        {22, {1, 2}, 3, 5, -1, -1},
        {23, {0, 1, 1, 0}, 2, 0, 0.5, 0},   // 1/z
        {23, {0, 1, 1, 0}, 0, 2, 0, -0.5},
        {32, {1, 1, 0, 2}, 3, 4, 2, 2},     // (z + 1) / 2
        {24, {1, 1, 4}, 3, 1, 3, 1},        // on the circle of power 4: fixed
        {24, {0, 0, 1}, 2, 0, 0.5, 0},
        {25, {1, -2}, 3, 5, 4, 3},
        {26, {0, 0, 90}, 1, 0, 0, 1},       // a quarter turn counter-clockwise
        {26, {1, 1, 180}, 2, 1, 0, 1},
        {27, {1, 1, 2}, 2, 3, 3, 5},
        {28, {0, 0, 90, 2}, 1, 0, 0, 2},
        {29, {1, 0, 0, 0, 3, 0}, 2, 1, 2, 3},   // affinity of axis Ox, ratio 3
        {31, {1, 2, 3, 4, 5, 6}, 1, 1, 6, 15},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.code);
        const TransformationPlane t(k.code, k.c);
        double u = 0, v = 0, xa = 0, ya = 0;
        ASSERT_TRUE(t.image(k.x, k.y, u, v));
        EXPECT_NEAR(u, k.xi, 1e-12);
        EXPECT_NEAR(v, k.yi, 1e-12);
        ASSERT_TRUE(t.antecedent(u, v, xa, ya));
        EXPECT_NEAR(xa, k.x, 1e-12);
        EXPECT_NEAR(ya, k.y, 1e-12);
    }
}

TEST(Transformations, PointsSansImageOuSansAntecedent)
{
    double u = 7, v = 7;
    // The homography's pole, the inversion's pole.
    EXPECT_FALSE(TransformationPlane(23, {0, 1, 1, 0}).image(0, 0, u, v));
    EXPECT_FALSE(TransformationPlane(24, {1, 2, 3}).image(1, 2, u, v));
    EXPECT_FALSE(TransformationPlane(24, {1, 2, 3}).antecedent(1, 2, u, v));
    // w = (z + 1) / z never equals a / c = 1.
    EXPECT_FALSE(TransformationPlane(32, {1, 1, 1, 0}).antecedent(1, 0, u, v));
    // Ratio 0, a singular affine map, a code that is not a plane transformation.
    EXPECT_FALSE(TransformationPlane(27, {0, 0, 0}).antecedent(1, 1, u, v));
    EXPECT_FALSE(TransformationPlane(28, {0, 0, 30, 0}).antecedent(1, 1, u, v));
    EXPECT_FALSE(TransformationPlane(31, {1, 2, 0, 2, 4, 0}).antecedent(1, 1, u, v));
    EXPECT_FALSE(TransformationPlane(33, {}).image(1, 1, u, v));
    EXPECT_FALSE(TransformationPlane(18, {}).antecedent(1, 1, u, v));
    // A preimage too far to be a number.
    EXPECT_FALSE(TransformationPlane(27, {0, 0, 1e-320}).antecedent(1e10, 0, u, v));
    EXPECT_EQ(u, 7);
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(EstTransformationPlane(19) && EstTransformationPlane(32));
    EXPECT_FALSE(EstTransformationPlane(18) || EstTransformationPlane(33));
}

}  // namespace
