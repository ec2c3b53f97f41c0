// Radix-2 fast Fourier transform, in place on two arrays of reals (real and imaginary
// parts).
//
// The direct transform is X_k = (1/n)·sum of x_j·e^(-2·pi·i·j·k/n) and the inverse is
// x_j = sum of X_k·e^(+2·pi·i·j·k/n): the 1/n factor belongs to the direct transform.
#pragma once

#include <vector>

// Largest size the transform of a curve accepts: 2^13.
constexpr int ExposantFFTMax = 13;
constexpr int TailleFFTMax = 1 << ExposantFFTMax;

// statut 0 and exposant k when n = 2^k with 1 <= k <= 13; statut 1 when n < 2;
// statut 2 otherwise (exposant is then 0).
void FFTTaille(int n, int& exposant, int& statut);

// Twiddle tables of n/2 entries: cosine and sine of -2·pi·k/n, from one cosine and the
// rotation recurrence. n must be a power of two, at least 2.
void FFTFacteurs(int n, std::vector<double>& sinus, std::vector<double>& cosinus);

// In-place bit-reversal permutation of the first n entries of both arrays.
void FFTPermute(int n, double* reel, double* imag);

// In-place transform of n = 2^exposant points, with the tables of FFTFacteurs(n).
// The arrays hold at least n entries, the tables at least n/2.
void FFT(int exposant, int n, bool inverse, const double* cosinus, const double* sinus, double* imag, double* reel);
