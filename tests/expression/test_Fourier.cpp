// The radix-2 FFT: sizes, tables, and the transform against the direct sum.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <random>
#include <vector>

#include "expression/Fourier.h"

namespace {

using cplx = std::complex<double>;
constexpr double Pi = 3.14159265358979323846;

// Direct O(n²) transform with the same convention: (1/n)·sum x_j·e^(-2·pi·i·j·k/n).
std::vector<cplx> tfdDirecte(const std::vector<double>& re, const std::vector<double>& im)
{
    const int n = static_cast<int>(re.size());
    std::vector<cplx> X(n);
    for (int k = 0; k < n; ++k) {
        cplx s = 0;
        for (int j = 0; j < n; ++j)
            s += cplx(re[j], im[j]) * std::polar(1.0, -2 * Pi * ((static_cast<long long>(j) * k) % n) / n);
        X[k] = s / static_cast<double>(n);
    }
    return X;
}

void transforme(std::vector<double>& re, std::vector<double>& im, bool inverse)
{
    const int n = static_cast<int>(re.size());
    int exposant = 0, statut = 0;
    FFTTaille(n, exposant, statut);
    ASSERT_EQ(statut, 0) << n;
    std::vector<double> sinus, cosinus;
    FFTFacteurs(n, sinus, cosinus);
    ASSERT_EQ(static_cast<int>(sinus.size()), n / 2);
    FFT(exposant, n, inverse, cosinus.data(), sinus.data(), im.data(), re.data());
}

TEST(FFT, Tailles)
{
    int e = -1, s = -1;
    FFTTaille(1, e, s);
    EXPECT_EQ(s, 1);
    FFTTaille(0, e, s);
    EXPECT_EQ(s, 1);
    FFTTaille(-8, e, s);
    EXPECT_EQ(s, 1);
    FFTTaille(12, e, s);
    EXPECT_EQ(s, 2);
    FFTTaille(16384, e, s);  // beyond 2^13
    EXPECT_EQ(s, 2);
    FFTTaille(8192, e, s);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(e, 13);
    FFTTaille(2, e, s);
    EXPECT_EQ(s, 0);
    EXPECT_EQ(e, 1);
}

TEST(FFT, TablesDesFacteursDeRotation)
{
    std::vector<double> s, c;
    FFTFacteurs(2, s, c);  // one entry: nothing written past it
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(c[0], 1);
    EXPECT_EQ(s[0], 0);
    for (int n : {4, 8, 1024, 8192}) {
        FFTFacteurs(n, s, c);
        ASSERT_EQ(static_cast<int>(c.size()), n / 2);
        for (int k = 0; k < n / 2; ++k) {
            EXPECT_NEAR(c[k], std::cos(-2 * Pi * k / n), 1e-12) << n << " " << k;
            EXPECT_NEAR(s[k], std::sin(-2 * Pi * k / n), 1e-12) << n << " " << k;
        }
    }
}

TEST(FFT, InversionDesBits)
{
    std::vector<double> re = {0, 1, 2, 3, 4, 5, 6, 7}, im(8, 0);
    FFTPermute(8, re.data(), im.data());
    EXPECT_EQ(re, (std::vector<double>{0, 4, 2, 6, 1, 5, 3, 7}));
}

TEST(FFT, ConstanteEtSinusPur)
{
    std::vector<double> re(8, 1.0), im(8, 0.0);
    transforme(re, im, false);
    EXPECT_NEAR(re[0], 1, 1e-15);
    for (int k = 1; k < 8; ++k) {
        EXPECT_NEAR(re[k], 0, 1e-15);
        EXPECT_NEAR(im[k], 0, 1e-15);
    }
    // sin(2·pi·5·j/64) = (e^(i·...) - e^(-i·...))/(2i): -i/2 at 5, +i/2 at 59.
    const int n = 64;
    re.assign(n, 0);
    im.assign(n, 0);
    for (int j = 0; j < n; ++j)
        re[j] = std::sin(2 * Pi * 5 * j / n);
    transforme(re, im, false);
    for (int k = 0; k < n; ++k) {
        const double attendu = k == 5 ? -0.5 : k == 59 ? 0.5 : 0;
        EXPECT_NEAR(re[k], 0, 1e-14) << k;
        EXPECT_NEAR(im[k], attendu, 1e-14) << k;
    }
}

TEST(FFT, CommeLaSommeDirecteEtSelonParseval)
{
    std::mt19937 gen(42);
    std::uniform_real_distribution<double> loi(-1, 1);
    for (int n = 2; n <= 4096; n *= 2) {
        std::vector<double> re(n), im(n);
        for (int j = 0; j < n; ++j) {
            re[j] = loi(gen);
            im[j] = loi(gen);
        }
        const auto attendu = tfdDirecte(re, im);
        double energie = 0;
        for (int j = 0; j < n; ++j)
            energie += re[j] * re[j] + im[j] * im[j];
        auto R = re, I = im;
        transforme(R, I, false);
        double ecart = 0, spectre = 0;
        for (int k = 0; k < n; ++k) {
            ecart = std::max(ecart, std::abs(cplx(R[k], I[k]) - attendu[k]));
            spectre += R[k] * R[k] + I[k] * I[k];
        }
        EXPECT_LT(ecart, 1e-12) << n;
        // With the 1/n factor on the direct transform: sum |x|² = n·sum |X|².
        EXPECT_NEAR(energie, n * spectre, 1e-10 * energie) << n;
        // The inverse gives the samples back.
        transforme(R, I, true);
        for (int j = 0; j < n; ++j) {
            EXPECT_NEAR(R[j], re[j], 1e-12) << n;
            EXPECT_NEAR(I[j], im[j], 1e-12) << n;
        }
    }
}

TEST(FFT, AuDelaDeLaLimiteDesCourbes)
{
    // The routine itself accepts any power of two (the limit belongs to the curve
    // operation).
    const int exposant = 16, n = 1 << exposant;
    std::vector<double> re(n, 0), im(n, 0), s, c;
    for (int j = 0; j < n; ++j)
        re[j] = std::cos(2 * Pi * 1000.0 * j / n);
    FFTFacteurs(n, s, c);
    FFT(exposant, n, false, c.data(), s.data(), im.data(), re.data());
    EXPECT_NEAR(re[1000], 0.5, 1e-9);
    EXPECT_NEAR(re[n - 1000], 0.5, 1e-9);
    EXPECT_NEAR(re[999], 0, 1e-9);
}

}  // namespace
