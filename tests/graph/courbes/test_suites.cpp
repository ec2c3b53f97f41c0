// Sequences of the six sub-kinds against terms computed here, failing terms, and the cobweb
// of u(n+1) = cos(u(n)) drawn as a staircase.
#include <cmath>
#include <complex>
#include <functional>

#include "graph/courbes/GCN.h"
#include "graph/courbes_outils.h"

namespace {

using Points = std::vector<std::array<double, 3>>;  // x, y, pen

class Suites : public CourbeTest {
protected:
    Points suite(int st, const char* f, const char* g, const char* xo, const char* yo, const char* premier,
                 const char* dernier)
    {
        auto n = std::make_shared<GCN>('N', 1, ++numero_, st);
        n->FixeLibelles(f, g);
        n->FixeConditions("20", xo, yo);
        n->FixeIterationsVisibles(premier, dernier);
        trace(*n);
        erreurs_ = lignesErreurs(*n);
        Points r;
        for (const PointCourbe& p : points(*n))
            r.push_back({p.x, p.y, double(p.stylo)});
        return r;
    }
    int numero_ = 0;
    QStringList erreurs_;
};

TEST_F(Suites, SixSortesEtTermesQuiEchouent)
{
    // Reference terms: u(k) for k = 0, 1, ... as each sub-kind draws them.
    const auto termes = [](int n, std::function<std::array<double, 2>(int)> u, int debut = 0) {
        Points p;
        for (int k = debut; k < debut + n; ++k)
            p.push_back({u(k)[0], u(k)[1], 1});
        return p;
    };
    struct Cas {
        int st;
        const char *f, *g, *xo, *yo, *premier, *dernier;
        Points attendus;
        int erreurs;
    };
    const std::complex<double> r = 0.9 * std::exp(std::complex<double>(0, 1));
    Cas cas[] = {
        {1, "n", "n^2", "2.7", "0", "0", "3", termes(4, [](int k) { return std::array<double, 2>{k + 2., (k + 2.) * (k + 2)}; }), 0},
        {2, "n", "(n+1)*x", "0", "1", "0", "4", termes(5, [](int k) { return std::array<double, 2>{double(k), std::tgamma(k + 2)}; }), 0},
        {4, "0.9*(x*cos(1)-y*sin(1))", "0.9*(x*sin(1)+y*cos(1))", "1", "0", "0", "30",
         termes(31, [&](int k) { auto z = std::pow(r, k); return std::array<double, 2>{z.real(), z.imag()}; }), 0},
        {5, "x/2", "y", "16", "0", "2", "5", termes(4, [](int k) { return std::array<double, 2>{double(k), 16 / std::exp2(k)}; }, 2), 0},
        {6, "x+y", "x", "1", "0", "0", "10",
         termes(11, [](int k) { return std::array<double, 2>{double(k), std::round(std::pow((1 + std::sqrt(5)) / 2, k) / std::sqrt(5))}; }), 0},
        {1, "n", "1/(n-3)", "0", "0", "0", "6", {{0, -1. / 3, 0}, {1, -0.5, 1}, {2, -1, 1}, {4, 1, 3}, {5, 0.5, 1}, {6, 1. / 3, 1}}, 1},
        {2, "n", "sqrt(x-1)", "0", "2", "0", "6", {{0, 2, 0}, {1, 1, 1}, {2, 0, 1}}, 1},
    };
    for (Cas& c : cas) {
        if (c.erreurs == 0)
            for (std::size_t i = 0; i < c.attendus.size(); ++i)
                c.attendus[i][2] = c.st == 4 || i == 0 ? StyloLeve : StyloBaisse;
        const Points p = suite(c.st, c.f, c.g, c.xo, c.yo, c.premier, c.dernier);
        ASSERT_EQ(p.size(), c.attendus.size()) << c.st << " " << c.g;
        for (std::size_t i = 0; i < p.size(); ++i)
            for (int j = 0; j < 3; ++j)
                EXPECT_NEAR(p[i][j], c.attendus[i][j], 1e-12 * std::max(1.0, std::fabs(c.attendus[i][j]))) << c.st << c.g << i;
        EXPECT_EQ(erreurs_.size(), c.erreurs) << c.g;
    }
    EXPECT_TRUE(erreurs_.value(0).startsWith("variable=3 ; "));
}

TEST_F(Suites, EscargotDeCos)
{
    // From (1, 0): up to the curve at (1, cos 1), across to the diagonal, then on.
    const Points p = suite(3, "cos(x)", "cos(x)", "1", "0", "0", "12");
    ASSERT_EQ(p.size(), 13u);
    double u = 1;
    for (std::size_t k = 1; k < p.size(); ++k) {
        u = std::cos(u);
        EXPECT_NEAR(p[k][0], u, 1e-15);
        EXPECT_NEAR(p[k][1], u, 1e-15);
    }
    for (auto [x, y] : {std::pair{1.0, 0.3}, std::pair{0.8, std::cos(1.0)}, std::pair{std::cos(1.0), 0.7}}) {
        const QPoint q = repere_->MondeVersPixel(x, y);
        EXPECT_NE(pixelRvb(image_, q.x(), q.y()), 0xFFFFFFu) << x << " " << y;
    }
}

}  // namespace
