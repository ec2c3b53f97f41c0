#include "expression/tfd.h"

#include <cmath>
#include <cstring>
#include <utility>

#include "expression/Fourier.h"
#include "expression/fonction.h"
#include "expression/formatage.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

std::string reglage(const std::vector<std::string>& reglages, int i)
{
    if (i >= static_cast<int>(reglages.size()))
        return {};
    std::string t = reglages[i];
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.erase(t.begin());
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r' || t.back() == '\n'))
        t.pop_back();
    return t;
}

// An integer setting, or false.
bool entier(const std::string& texte, int& valeur)
{
    if (texte.empty())
        return false;
    const double v = EvalueTexte(texte);
    if (ErreurCalcul() || std::trunc(v) != v || std::fabs(v) > 1e9)
        return false;
    valeur = static_cast<int>(v);
    return true;
}

double poids(int fenetre, int k, int N)
{
    const double a = 2 * Pi * k / N;
    switch (fenetre) {
    case 1: return 1 - std::fabs(k - N / 2.0) * 2 / N;
    case 2: return 0.5 - 0.5 * std::cos(a);
    case 3: return 0.54 - 0.46 * std::cos(a);
    case 4: return 0.42 - 0.5 * std::cos(a) + 0.08 * std::cos(2 * a);
    case 5: return 0.42323 - 0.49755 * std::cos(a) + 0.07922 * std::cos(2 * a);
    default: return 1;
    }
}

}  // namespace

const char* const NomsFenetresTFD[6] = {"Rectangulaire", "Triangulaire", "Hanning",
                                        "Hamming",       "Blackman",     "Blackman-Harris"};

bool ZerosAjoutes(const std::string& texte)
{
    std::string t = texte;
    while (!t.empty() && t.front() == ' ')
        t.erase(t.begin());
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return !t.empty() && t != "0";
}

bool EchantillonneTFD(CourbeTFD& courbe, const std::vector<std::string>& reglages, int& n, double& pas, double& f0,
                      std::vector<double>& imag, std::vector<double>& reel, std::string& message)
{
    const char L = courbe.Genre();
    // An equation (E) is known by its points too: its formula is that of its derivative of
    // order n, not of the curve.
    const bool enregistree = L != 0 && std::strchr("CEOQU", L);
    const bool calculee = L != 0 && std::strchr("DJRSY", L);
    if (!enregistree && !calculee) {
        message = std::string(1, L) + " : type non transformable par TFD";
        return false;
    }

    // Size: a power of two, and the final count (doubled by the zeros) from 2 to 8192.
    const bool zeros = ZerosAjoutes(reglage(reglages, TFDZeros));
    int N = 0;
    int exposant = 0, statut = 0;
    if (entier(reglage(reglages, TFDN), N))
        FFTTaille(zeros ? 2 * N : N, exposant, statut);
    if (N < 2 || statut != 0 || (zeros && N > TailleFFTMax / 2)) {
        message = "Nombre de points incorrect : N doit être une puissance de 2 de 2 à 8192 (4096 avec les zéros) !";
        return false;
    }

    const double debut = EvalueTexte(reglage(reglages, TFDDebut));
    if (ErreurCalcul() || !std::isfinite(debut)) {
        message = "Début incorrect !";
        return false;
    }
    const double fin = EvalueTexte(reglage(reglages, TFDFin));
    if (ErreurCalcul() || !std::isfinite(fin)) {
        message = "Fin incorrecte !";
        return false;
    }
    if (!(fin > debut)) {
        message = "Attention : Début >= Fin !";
        return false;
    }
    int fenetre = 0;
    if (!entier(reglage(reglages, TFDFenetre), fenetre) || fenetre < 0 || fenetre > 5)
        fenetre = 0;

    const int total = zeros ? 2 * N : N;
    reel.assign(total, 0.0);
    imag.assign(total, 0.0);
    const int decalage = zeros ? N / 2 : 0;

    double ecart = 0;  // mean spacing of the samples
    if (enregistree) {
        std::vector<PointTFD> points;
        if (!courbe.LitPoints(points, message))
            return false;
        if (points.size() < static_cast<std::size_t>(N)) {
            message = "Nombre d'échantillons trop grand!";
            return false;
        }
        std::size_t premier = 0;
        while (premier < points.size() && points[premier].x < debut)
            ++premier;
        if (premier == points.size()) {
            message = "Pas assez de valeurs disponibles!";
            return false;
        }
        std::size_t M = 0;
        while (premier + M < points.size() && points[premier + M].x < fin)
            ++M;
        if (M < static_cast<std::size_t>(N)) {
            message = "Pas assez de valeurs disponibles!";
            return false;
        }
        const std::size_t saut = M / N;
        for (int k = 0; k < N; ++k)
            reel[decalage + k] = points[premier + k * saut].y * poids(fenetre, k, N);
        ecart = (points[premier + (N - 1) * saut].x - points[premier].x) / (N - 1);
        if (!(ecart > 0) || !std::isfinite(ecart)) {
            message = "Les abscisses des points ne sont pas croissantes !";
            return false;
        }
    } else {
        for (int k = 0; k < N; ++k) {
            const double x = debut + (fin - debut) * k / N;
            const double y = courbe.Valeur(x);
            if (ErreurCalcul() || !std::isfinite(y)) {
                message = "Valeur incalculable en x = " + ReelVersTexte(x) + " : " + MessageErreur();
                return false;
            }
            reel[decalage + k] = y * poids(fenetre, k, N);
        }
        ecart = (fin - debut) / N;
    }

    pas = 1 / (N * ecart);
    f0 = -N * pas / 2;
    n = N;
    if (zeros) {
        n = 2 * N;
        pas /= 2;
    }
    return true;
}

bool TFDCourbe(CourbeTFD& courbe, const std::vector<std::string>& reglages, std::vector<double>& reel,
               std::vector<double>& imag, double& pas, double& f0, std::string& message)
{
    int n = 0;
    if (!EchantillonneTFD(courbe, reglages, n, pas, f0, imag, reel, message))
        return false;
    int exposant = 0, statut = 0;
    FFTTaille(n, exposant, statut);
    if (statut != 0) {
        message = "Nombre de points incorrect !";
        return false;
    }
    // The twiddle tables are sized once the final count is known.
    std::vector<double> sinus, cosinus;
    FFTFacteurs(n, sinus, cosinus);
    FFT(exposant, n, false, cosinus.data(), sinus.data(), imag.data(), reel.data());
    const int moitie = n / 2;
    for (int i = 0; i < moitie; ++i) {
        std::swap(reel[i], reel[moitie + i]);
        std::swap(imag[i], imag[moitie + i]);
    }
    return true;
}
