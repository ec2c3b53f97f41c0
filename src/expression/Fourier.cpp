#include "expression/Fourier.h"

#include <cmath>
#include <utility>

namespace {
constexpr double Pi = 3.14159265358979323846;
}  // namespace

void FFTTaille(int n, int& exposant, int& statut)
{
    exposant = 0;
    if (n < 2) {
        statut = 1;
        return;
    }
    for (int k = 1; k <= ExposantFFTMax; ++k)
        if (n == (1 << k)) {
            exposant = k;
            statut = 0;
            return;
        }
    statut = 2;
}

void FFTFacteurs(int n, std::vector<double>& sinus, std::vector<double>& cosinus)
{
    const int moitie = n / 2;
    sinus.assign(moitie > 0 ? moitie : 0, 0.0);
    cosinus.assign(moitie > 0 ? moitie : 0, 0.0);
    if (moitie < 1)
        return;
    cosinus[0] = 1;
    sinus[0] = 0;
    if (moitie < 2)
        return;
    // Rotation by theta = 2·pi/n, written as a small correction (alpha = 1 - cos theta
    // = 2·sin²(theta/2), beta = sin theta) so that rounding does not pile up along the
    // table; 1 - cos² would lose half the digits of the sine for large n.
    const double theta = 2 * Pi / n;
    const double demi = std::sin(theta / 2);
    const double alpha = 2 * demi * demi, beta = std::sin(theta);
    double c = 1, s = 0;  // cos(k·theta), sin(k·theta)
    for (int k = 1; k < moitie; ++k) {
        const double cn = c - (alpha * c + beta * s);
        const double sn = s - (alpha * s - beta * c);
        c = cn;
        s = sn;
        cosinus[k] = c;
        sinus[k] = -s;
    }
}

void FFTPermute(int n, double* reel, double* imag)
{
    int j = 0;
    for (int i = 0; i < n - 1; ++i) {
        if (j > i) {
            std::swap(reel[i], reel[j]);
            std::swap(imag[i], imag[j]);
        }
        int m = n / 2;
        while (m >= 1 && j >= m) {
            j -= m;
            m /= 2;
        }
        j += m;
    }
}

void FFT(int exposant, int n, bool inverse, const double* cosinus, const double* sinus, double* imag, double* reel)
{
    if (n < 2)
        return;
    FFTPermute(n, reel, imag);
    if (inverse)
        for (int i = 0; i < n; ++i)
            imag[i] = -imag[i];

    // Butterflies (a, b) -> (a + w·b, a - w·b), span m doubling from 1 to n/2. Within a
    // stage the butterflies run group by group, over contiguous memory. The twiddle of
    // butterfly k is entry k·n/(2m) of the tables; the twiddles 1 (k = 0) and -i
    // (k = m/2) are known without them.
    for (int etage = 0, m = 1; etage < exposant; ++etage, m *= 2) {
        const int pas = n / (2 * m);
        const int quart = m / 2;  // the butterfly whose twiddle is -i (none when m = 1)
        for (int g = 0; g < n; g += 2 * m) {
            double* ar = reel + g;
            double* ai = imag + g;
            double* br = reel + g + m;
            double* bi = imag + g + m;
            {
                const double pr = br[0], pi = bi[0];
                br[0] = ar[0] - pr;
                bi[0] = ai[0] - pi;
                ar[0] += pr;
                ai[0] += pi;
            }
            if (m == 1)
                continue;
            // Butterfly k with the twiddle of the tables.
            const auto papillon = [&](int k) {
                const double wr = cosinus[k * pas], wi = sinus[k * pas];
                const double pr = wr * br[k] - wi * bi[k];
                const double pi = wr * bi[k] + wi * br[k];
                br[k] = ar[k] - pr;
                bi[k] = ai[k] - pi;
                ar[k] += pr;
                ai[k] += pi;
            };
            for (int k = 1; k < quart; ++k)
                papillon(k);
            {
                // -i·b = (bi, -br)
                const double pr = bi[quart], pi = -br[quart];
                br[quart] = ar[quart] - pr;
                bi[quart] = ai[quart] - pi;
                ar[quart] += pr;
                ai[quart] += pi;
            }
            for (int k = quart + 1; k < m; ++k)
                papillon(k);
        }
    }

    if (inverse) {
        for (int i = 0; i < n; ++i)
            imag[i] = -imag[i];
    } else {
        const double k = 1.0 / n;
        for (int i = 0; i < n; ++i) {
            reel[i] *= k;
            imag[i] *= k;
        }
    }
}
