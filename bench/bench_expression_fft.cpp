// FFT of 2^16 points: the library's in-place transform beside a plain textbook one.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <vector>

#include "expression/Fourier.h"

namespace {

constexpr int Exposant = 16;
constexpr int N = 1 << Exposant;
constexpr double Pi = 3.14159265358979323846;

std::vector<double> signal()
{
    std::vector<double> x(N);
    for (int j = 0; j < N; ++j)
        x[j] = std::sin(2 * Pi * 440.0 * j / N) + 0.3 * std::cos(2 * Pi * 1234.0 * j / N) + 0.01 * (j % 7);
    return x;
}

// Iterative radix-2 transform on std::complex, twiddles by repeated multiplication.
void fftReference(std::vector<std::complex<double>>& a)
{
    const int n = static_cast<int>(a.size());
    for (int i = 1, j = 0; i < n; ++i) {
        int bit = n >> 1;
        for (; j & bit; bit >>= 1)
            j ^= bit;
        j ^= bit;
        if (i < j)
            std::swap(a[i], a[j]);
    }
    for (int m = 2; m <= n; m *= 2) {
        const std::complex<double> wm = std::polar(1.0, -2 * Pi / m);
        for (int g = 0; g < n; g += m) {
            std::complex<double> w = 1;
            for (int k = 0; k < m / 2; ++k) {
                const std::complex<double> t = w * a[g + k + m / 2];
                const std::complex<double> u = a[g + k];
                a[g + k] = u + t;
                a[g + k + m / 2] = u - t;
                w *= wm;
            }
        }
    }
    for (auto& v : a)
        v /= static_cast<double>(n);
}

void FFTBibliotheque(benchmark::State& etat)
{
    const std::vector<double> x = signal();
    std::vector<double> sinus, cosinus;
    FFTFacteurs(N, sinus, cosinus);
    std::vector<double> re(N), im(N);
    for (auto _ : etat) {
        re = x;
        std::fill(im.begin(), im.end(), 0.0);
        FFT(Exposant, N, false, cosinus.data(), sinus.data(), im.data(), re.data());
        benchmark::DoNotOptimize(re.data());
        benchmark::DoNotOptimize(im.data());
    }
    etat.SetItemsProcessed(etat.iterations() * N);
}
BENCHMARK(FFTBibliotheque)->Unit(benchmark::kMicrosecond);

void FFTBibliothequeAvecTables(benchmark::State& etat)
{
    const std::vector<double> x = signal();
    std::vector<double> sinus, cosinus;
    std::vector<double> re(N), im(N);
    for (auto _ : etat) {
        FFTFacteurs(N, sinus, cosinus);
        re = x;
        std::fill(im.begin(), im.end(), 0.0);
        FFT(Exposant, N, false, cosinus.data(), sinus.data(), im.data(), re.data());
        benchmark::DoNotOptimize(re.data());
    }
    etat.SetItemsProcessed(etat.iterations() * N);
}
BENCHMARK(FFTBibliothequeAvecTables)->Unit(benchmark::kMicrosecond);

void FFTReference(benchmark::State& etat)
{
    const std::vector<double> x = signal();
    std::vector<std::complex<double>> a(N);
    for (auto _ : etat) {
        for (int j = 0; j < N; ++j)
            a[j] = {x[j], 0.0};
        fftReference(a);
        benchmark::DoNotOptimize(a.data());
    }
    etat.SetItemsProcessed(etat.iterations() * N);
}
BENCHMARK(FFTReference)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
