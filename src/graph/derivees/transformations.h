// Plane transformations: the unary operation codes 19 to 32, shared by the transformed
// curves (which move every point of their mother to its image) and by the transformed areas
// (which take every pixel of the window back to its preimage and test it against the
// mother area).
//
// Coefficients c1..c6 are the values of the operation's six parameter texts; angles are in
// degrees. The codes:
//   19  reflection in the horizontal line y = c1
//   20  reflection in the vertical line x = c1
//   21  reflection in the line y = c1*x + c2
//   22  point reflection through (c1, c2)
//   23, 32  homography z -> (a*z + b) / (c*z + d) of the complex plane, a..d = c1..c4
//           (23, the complex inverse, is entered with a, b, c, d = 0, 1, 1, 0)
//   24  inversion with pole (c1, c2) and power c3
//   25  translation by (c1, c2)
//   26  rotation about (c1, c2) by c3 degrees
//   27  homothety of centre (c1, c2) and ratio c3
//   28  similarity of centre (c1, c2), angle c3 degrees and ratio c4
//   29, 30, 31  affine map (x, y) -> (c1*x + c2*y + c3, c4*x + c5*y + c6) (29 and 30, the
//           axis affinities, are entered as these six coefficients)
#pragma once

#include <array>

constexpr int PremiereTransformationPlane = 19;
constexpr int DerniereTransformationPlane = 32;

// True for the codes 19..32.
bool EstTransformationPlane(int code);

class TransformationPlane {
public:
    // epsilon: below this, a homography's denominator |c*z + d|^2 (or, for the preimage,
    // |c*w - a|^2) and an affine map's determinant count as zero.
    TransformationPlane(int code, const std::array<double, 6>& coefficients, double epsilon = 1e-11);

    int code() const { return code_; }

    // The image of (x, y). False when it is not defined: a homography at the pole of its
    // denominator, an inversion at its pole, or a code outside 19..32; the result is then
    // left untouched.
    bool image(double x, double y, double& xi, double& yi) const;
    // The point whose image is (x, y). False when there is none or it is not unique: the
    // cases of image(), an affine map whose determinant is (nearly) zero, a homothety or
    // similarity of ratio 0, a homography whose preimage falls on its pole.
    bool antecedent(double x, double y, double& xa, double& ya) const;

private:
    // The image of (x, y) by the rotation-and-scaling about the centre (c1, c2) whose cosine
    // and sine (already multiplied by the ratio) are given.
    void similitude(double cosinus, double sinus, double x, double y, double& xi, double& yi) const;
    // The homography (a*z + b) / (c*z + d).
    bool homographie(double a, double b, double c, double d, double x, double y, double& xi, double& yi) const;

    int code_;
    std::array<double, 6> c_;
    double epsilon_;
    double cos_ = 1, sin_ = 0;  // rotation and similarity: cosine and sine of c3 degrees
};
