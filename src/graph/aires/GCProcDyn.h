// Dynamic-process areas: the escape-time sets of an iteration of the plane
// Xn+1 = f(x, y), Yn+1 = g(x, y) typed by the user. A Julia set (letter 'J') starts the
// orbit at each pixel's world point; a Mandelbrot set (letter 'M') starts it at the two
// initial values and gives each pixel's world point to the parameters a and b. A pixel is
// coloured by the number of iterations after which x^2 + y^2 went beyond the threshold
// (entry n of the 256-colour palette, n taken modulo 256), by entry 0 when the orbit stays
// within it for the maximum number of iterations, and is left to the window colour
// otherwise (a negative maximum).
//
// The two formulas are the area's constraint lines 0 (f) and 1 (g); in both the evaluation
// variable is the current x, Y (state value 0) the current y and N (state value 1) the
// number of iterations done. A formula that fails, or gives a value too large to be a
// number, ends the orbit as an escape at the current count.
//
// Its "@J" and "@M" records hold, after the name, the threshold text, the maximum, the two
// initial-value texts, then after the parameter line a line "period;palette file;". The
// colours themselves are not stored: they are read again from the palette file, made
// periodic with the stored period.
#pragma once

#include <QRgb>
#include <array>

#include "graph/aires/GCAire.h"
#include "graph/fichiers/palette.h"

// The largest maximum number of iterations: a document or the dialog asking more gets this.
constexpr int IterationsMaxBorne = 10'000'000;

class GCProcDyn : public GCAire {
public:
    // lettre 'J' (Julia) or 'M' (Mandelbrot); the name "Julia_" or "Mandelbrot_" + number.
    GCProcDyn(int numero, QChar lettre, int numeroFenetre);

    // Compiles the formulas and scans the area rectangle of the frame. A formula that does not
    // compile ("Erreur dans le 1er libellé !", "Erreur dans le 2nd libellé !"), a threshold or
    // a Mandelbrot initial value that does not compute: the message, and the bitmap stays as
    // it was.
    void Calcule(const GCRepere& repere) override;
    // The area's fields, then the maximum, threshold, initial values, palette file, period
    // and the 256 colours.
    void Copie(const GCAire& source) override;
    void Decrit(QStringList& memo) const override;
    void DecritRapport() const override;
    std::shared_ptr<GCAire> CreeMemeGenre(int numero, int numeroFenetre) const override;

    bool EstMandelbrot() const { return Genre_ == QLatin1Char('M'); }

    const QString& Seuil() const { return Seuil_; }
    void FixeSeuil(const QString& texte) { Seuil_ = texte; }
    int IterationsMax() const { return IterationsMax_; }
    // Values above IterationsMaxBorne become IterationsMaxBorne.
    void FixeIterationsMax(int n);
    const QString& ValeurInitiale(int k) const { return k == 0 ? X0_ : Y0_; }  // 0: Xo, 1: Yo
    void FixeValeursInitiales(const QString& x0, const QString& y0)
    {
        X0_ = x0;
        Y0_ = y0;
    }
    const QString& FichierPalette() const { return FichierPalette_; }
    void FixeFichierPalette(const QString& nom) { FichierPalette_ = nom; }
    // Kept within 3..256.
    int Periode() const { return Periode_; }
    void FixePeriode(int p) { Periode_ = PeriodeValide(p); }
    // Entry 16 * ligne + colonne of the colour table.
    TCouleur CouleurTable(int ligne, int colonne) const;
    const Palette& Couleurs() const { return Couleurs_; }
    void FixeCouleurs(const Palette& couleurs) { Couleurs_ = couleurs; }
    // Reads the palette file into the colour table, then makes it periodic. A file that
    // cannot be read leaves the table white: false, with the French reason in *erreur.
    bool ChargePalette(QString* erreur = nullptr);

    int NbChampsTete() const override { return 4; }
    void EcritChampsTete(QString& tete) const override;
    void LitChampsTete(const QStringList& champs, QStringList& problemes) override;
    void EcritLignesSuite(QStringList& lignes) const override;
    bool LitLignesSuite(const QStringList& lignes, int& i, QStringList& problemes) override;
    bool AnalyseApresLecture() const override { return false; }

private:
    QString Seuil_ = QStringLiteral("100");
    QString X0_ = QStringLiteral("0"), Y0_ = QStringLiteral("0");
    int IterationsMax_ = 100;
    Palette Couleurs_{};
    QString FichierPalette_ = NomPaletteDefaut();
    int Periode_ = NbCouleursPalette;
};

// ---------------------------------------------------------------------------------------
// The iteration of a process, ready to run over many pixels: what the Julia and Mandelbrot
// sets and their transformed images share.

class TransformationPlane;

class IterationProcessus {
public:
    // Compiles the area's two formulas and computes its threshold and (Mandelbrot) initial
    // values with the area's own parameters. On failure shows the message and returns false.
    bool prepare(const GCProcDyn& aire);

    // The colour of the pixel whose world point is (x, y): the starting point of a Julia
    // orbit, the parameters a and b of a Mandelbrot one. False when the pixel shows the
    // window colour. Runs on any thread (parametres: a copy of parametres() that the call
    // may change and that its evaluations read).
    bool couleur(double x, double y, double* parametres, QRgb& resultat) const;
    // The outcome of the orbit: the number of iterations done, and whether it went beyond
    // the threshold.
    enum Issue { Echappee, Bornee, Inachevee };
    Issue orbite(double x, double y, double* parametres, int& n) const;
    // The colour an orbit of that outcome after n iterations gives its pixel; false for an
    // orbit left unfinished (the pixel keeps the window colour).
    bool couleurIssue(Issue issue, int n, QRgb& resultat) const;
    // The orbits of nb pixels at once, as orbite gives them one by one (the same counts and
    // outcomes): the formulas are computed over all the orbits still running at each
    // iteration, when neither calls another formula nor draws random numbers (parLots());
    // else one orbit after the other. An orbit that the scan's stop interrupts is Inachevee.
    void orbites(const double* x, const double* y, int nb, double* parametres, Issue* issues, int* comptes) const;
    bool parLots() const { return f_.parLots && g_.parLots; }

    // Scans the area rectangle of the frame into the image (ARGB32, transparent, as
    // BitmapDeBalayage makes it). With a transformation each pixel's world point is first
    // taken back to its preimage, and a pixel without one shows the window colour. False
    // when the scan was stopped before its end.
    bool balaie(const GCRepere& repere, const TransformationPlane* transformation, QImage& image) const;

    const std::array<double, NbParametres>& parametres() const { return parametres_; }

private:
    Arbre f_, g_;
    bool mandelbrot_ = false;
    double seuil_ = 0, x0_ = 0, y0_ = 0;
    int max_ = 0;
    bool hasard_ = false;
    std::array<double, NbParametres> parametres_{};
    std::array<QRgb, NbCouleursPalette> couleurs_{};
};

// The parameter values of an area: each text computed (0 when it does not compute).
std::array<double, NbParametres> ValeursDesParametres(const std::array<QString, NbParametres>& textes);

// "Choix d'un processus": the two formulas of a Julia or Mandelbrot set (aire true) or of a
// recurrence system curve (kind 'N', sub-kind 4) of any window, the last window first,
// picked with the installed chooser. None to pick: "Aucun processus disponible !" and false;
// false too when the choice is cancelled.
bool ChoisitProcessus(bool aire, QString& f, QString& g);
