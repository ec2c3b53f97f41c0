// Discrete Fourier transform of a curve: sampling over [Début, Fin), optional zero
// filling and weighting window, radix-2 FFT, spectrum centred on frequency 0.
//
// The curve is reached through CourbeTFD, which the curve layer implements around its
// curve objects; this layer knows nothing else of them.
#pragma once

#include <string>
#include <vector>

// One record of a curve's point cache, as the transform reads it.
struct PointTFD {
    double x = 0;
    double y = 0;
};

// What the transform needs of a curve.
class CourbeTFD {
public:
    virtual ~CourbeTFD() = default;
    // The curve's kind letter.
    virtual char Genre() const = 0;
    // Kinds C, E, O, Q, U (curves known by their point cache): the x and y of every record of
    // the curve's point cache, in file order. Returns false, with message set, when the
    // cache cannot be read.
    virtual bool LitPoints(std::vector<PointTFD>& points, std::string& message) = 0;
    // Kinds D, J, R, S, Y (curves computed on demand): the curve's value at x. Sets
    // ErreurCalcul() to 0 or 1 (with MessageErreur()) like the evaluator.
    virtual double Valeur(double x) = 0;
};

// Indices of the settings texts.
enum ReglageTFD {
    TFDDebut = 0,     // expression
    TFDFin = 1,       // expression
    TFDN = 2,         // number of samples, a power of two
    TFDZeros = 3,     // zero filling: "1" on, "0" off
    TFDFenetre = 4,   // window index 0..5
    NbReglagesTFD = 6
};

// Names of the weighting windows, by index.
extern const char* const NomsFenetresTFD[6];

// The one test of the zero-filling setting: on unless the text is "0" (or empty).
bool ZerosAjoutes(const std::string& reglage);

// Samples the curve into reel and imag (resized to the final count n: N, or 2N with
// zero filling), weighted by the window. pas is the frequency step and f0 the
// frequency of the first point of the centred spectrum. On refusal returns false with
// the French message to show.
bool EchantillonneTFD(CourbeTFD& courbe, const std::vector<std::string>& reglages, int& n, double& pas, double& f0,
                      std::vector<double>& imag, std::vector<double>& reel, std::string& message);

// The whole operation: samples, transforms, and swaps the two halves so that the
// spectrum runs from f0 upwards in steps of pas, frequency 0 at index n/2.
bool TFDCourbe(CourbeTFD& courbe, const std::vector<std::string>& reglages, std::vector<double>& reel,
               std::vector<double>& imag, double& pas, double& f0, std::string& message);
