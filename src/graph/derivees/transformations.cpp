#include "graph/derivees/transformations.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

}  // namespace

bool EstTransformationPlane(int code)
{
    return code >= PremiereTransformationPlane && code <= DerniereTransformationPlane;
}

TransformationPlane::TransformationPlane(int code, const std::array<double, 6>& coefficients, double epsilon)
    : code_(code), c_(coefficients), epsilon_(epsilon)
{
    if (code_ == 26 || code_ == 28) {
        const double theta = c_[2] * Pi / 180;
        cos_ = std::cos(theta);
        sin_ = std::sin(theta);
    }
}

void TransformationPlane::similitude(double cosinus, double sinus, double x, double y, double& xi, double& yi) const
{
    const double dx = x - c_[0], dy = y - c_[1];
    xi = c_[0] + cosinus * dx - sinus * dy;
    yi = c_[1] + sinus * dx + cosinus * dy;
}

bool TransformationPlane::homographie(double a, double b, double c, double d, double x, double y, double& xi,
                                      double& yi) const
{
    // (a*z + b) / (c*z + d) = numerator * conjugate(denominator) / |denominator|^2.
    const double nr = a * x + b, ni = a * y;
    const double dr = c * x + d, di = c * y;
    const double module = dr * dr + di * di;
    if (std::fabs(module) < epsilon_)
        return false;
    xi = (nr * dr + ni * di) / module;
    yi = (ni * dr - nr * di) / module;
    return true;
}

bool TransformationPlane::image(double x, double y, double& xi, double& yi) const
{
    const auto& c = c_;
    double u = 0, v = 0;
    switch (code_) {
    case 19:
        u = x, v = 2 * c[0] - y;
        break;
    case 20:
        u = 2 * c[0] - x, v = y;
        break;
    case 21: {
        const double a = c[0], b = c[1], n = 1 + a * a;
        u = ((1 - a * a) * x + 2 * a * (y - b)) / n;
        v = (2 * (a * x + b) - (1 - a * a) * y) / n;
        break;
    }
    case 22:
        u = 2 * c[0] - x, v = 2 * c[1] - y;
        break;
    case 23:
    case 32:
        if (!homographie(c[0], c[1], c[2], c[3], x, y, u, v))
            return false;
        break;
    case 24: {
        // Along the ray from the pole, the distance r becomes c3 / r.
        const double dx = x - c[0], dy = y - c[1], r2 = dx * dx + dy * dy;
        if (r2 == 0)
            return false;
        u = c[0] + c[2] * dx / r2, v = c[1] + c[2] * dy / r2;
        break;
    }
    case 25:
        u = x + c[0], v = y + c[1];
        break;
    case 26:
        similitude(cos_, sin_, x, y, u, v);
        break;
    case 27:
        u = c[0] + c[2] * (x - c[0]), v = c[1] + c[2] * (y - c[1]);
        break;
    case 28:
        similitude(c[3] * cos_, c[3] * sin_, x, y, u, v);
        break;
    case 29:
    case 30:
    case 31:
        u = c[0] * x + c[1] * y + c[2], v = c[3] * x + c[4] * y + c[5];
        break;
    default:
        return false;
    }
    if (!std::isfinite(u) || !std::isfinite(v))
        return false;
    xi = u, yi = v;
    return true;
}

bool TransformationPlane::antecedent(double x, double y, double& xa, double& ya) const
{
    const auto& c = c_;
    double u = 0, v = 0;
    switch (code_) {
    case 19:
    case 20:
    case 21:
    case 22:
    case 24:
        // Reflections, the point reflection and the inversion are their own inverses.
        return image(x, y, xa, ya);
    case 23:
    case 32:
        // z = (b - d*w) / (c*w - a)
        if (!homographie(-c[3], c[1], c[2], -c[0], x, y, u, v))
            return false;
        break;
    case 25:
        u = x - c[0], v = y - c[1];
        break;
    case 26:
        similitude(cos_, -sin_, x, y, u, v);
        break;
    case 27:
        if (c[2] == 0)
            return false;
        u = c[0] + (x - c[0]) / c[2], v = c[1] + (y - c[1]) / c[2];
        break;
    case 28:
        if (c[3] == 0)
            return false;
        similitude(cos_ / c[3], -sin_ / c[3], x, y, u, v);
        break;
    case 29:
    case 30:
    case 31: {
        const double d = c[0] * c[4] - c[1] * c[3];
        if (std::fabs(d) < epsilon_)
            return false;
        u = (c[4] * (x - c[2]) - c[1] * (y - c[5])) / d;
        v = (c[0] * (y - c[5]) - c[3] * (x - c[2])) / d;
        break;
    }
    default:
        return false;
    }
    if (!std::isfinite(u) || !std::isfinite(v))
        return false;
    xa = u, ya = v;
    return true;
}
