// The coordinate frame of a graph window: the plot rectangle, the two axes, the
// world-to-pixel mapping for arithmetic, logarithmic and projective scales, the graduation,
// the 50 x 50 hit index that tells the mouse which object lies under a pixel, the frame's
// document lines and settings keys, and its drawing.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

#include "graph/base/GCclasse_base.h"

class QPainter;

// Frame codes of the hit index (curves register their own positive numbers).
constexpr int CodeOrigine = -1;
constexpr int CodeAxeX = -2;
constexpr int CodeAxeY = -3;
constexpr int CodeVecteurI = -4;
constexpr int CodeVecteurJ = -5;
constexpr int CodeAmbigu = -255;

constexpr int NbCellules = 50;  // the hit index is NbCellules x NbCellules cells

class FichierIni;

// Graduation of both axes: the step (a power of ten) and the pixels it spans.
struct Graduation {
    int pasPixelX = 1, pasPixelY = 1;
    double pasX = 1, pasY = 1;
};

// Graduation label of the value v on an axis: FormateReel in the axis's number style followed
// by its unit ("0" for zero, and for values within 1e-9 pas of it); when the first step
// mentions pi, a multiple of pi written with the letter pi.
QString TexteGraduation(const GCGrille& axe, double v, double pas = 0);

// The values of grid lines and ticks, as the frame draws them (every export draws the same).
namespace grille {
// The values D + k p, k >= 0, within [min, max] (max with a tolerance of 1e-9 p); false when
// there would be too many to draw (none listed).
bool valeursArith(double D, double p, double min, double max, std::vector<double>& valeurs);
// Secondary values every p2 strictly between consecutive main values, within [min, max];
// with versLeBas, also from D - p2 downwards while not below min.
bool valeursSecondaires(double D, double p1, double p2, double min, double max, bool versLeBas,
                        std::vector<double>& valeurs);
// The decades D, 10 D, 100 D... of a logarithmic axis not above max.
void decades(double D, double min, double max, std::vector<double>& valeurs);
// v within [min, max] up to rounding.
bool dedans(double v, double min, double max);
}  // namespace grille

class GCRepere;

// The world-to-pixel mapping of a frame as it stands: a value made once (for a trace, for a
// scan) and read by any number of threads; it changes with nothing.
//
// When both axes are arithmetic, a point is mapped through coefficients taken once:
// px = round((x - xmin) k) + Gauche + 1 with k = pixels per step / step, and likewise for
// y. That product may differ from the formula's (x - xmin) * pixels / step in its last
// bits, so it is kept only when it lies well clear of a half-way point between two pixels,
// where both round alike; otherwise, and for far points, the formula decides. The pixels
// are those of the formula, always.
class Correspondance {
public:
    Correspondance(const GCRepere& repere, const Graduation& graduation);
    void MondeVersPixel(int& px, int& py, double x, double y) const
    {
        if (affine_ && pixelAffine(px, x - AxeX.Min, kx_, decalageX_) && pixelAffine(py, AxeY.Max - y, ky_, decalageY_))
            return;
        MondeVersPixelGeneral(px, py, x, y);
    }
    QPoint MondeVersPixel(double x, double y) const;
    void PixelVersMonde(int px, int py, double& x, double& y) const;
    // The mapping by the formula of each scale type, whatever the axes.
    void MondeVersPixelGeneral(int& px, int& py, double x, double y) const;
    // The same test as GCRepere::HorsBornes, on the bounds of this mapping.
    bool HorsBornes(double x, double y) const
    {
        if (AxeX.TypeEchelle == EchelleProj)
            return y < AxeY.Min;
        return x < AxeX.Min || x > AxeX.Max || y < AxeY.Min || y > AxeY.Max;
    }

private:
    // round(ecart * k) + decalage, saturated, when that is the formula's pixel for sure.
    static bool pixelAffine(int& p, double ecart, double k, double decalage)
    {
        const double v = ecart * k;
        // Far points (and an ecart whose product by the pixels of a step would overflow in
        // the formula) are left to it, which saturates them.
        if (!(std::fabs(ecart) < 0x1p900 && std::fabs(v) < 0x1p30))
            return false;
        // Nearest integer, halves to even (the current rounding mode, as std::nearbyint).
        const double r = (v + 0x1.8p52) - 0x1.8p52;
        // Both products lie within 2^-21 of each other here: clear of the half-way point by
        // more, they round to the same integer.
        if (!(std::fabs(v - r) < 0.5 - 0x1p-20))
            return false;
        const double s = r + decalage;
        p = s >= LimitePixel ? LimitePixel : s <= -LimitePixel ? -LimitePixel : static_cast<int>(s);
        return true;
    }

    struct Axe {
        double Min, Max;
        int TypeEchelle;
    };
    int Gauche, Haut, HauteurTrace;
    Axe AxeX, AxeY;
    double DistanceOeil, HauteurOeil;
    Graduation g_;
    double infini_;  // what a point at infinity maps to
    bool affine_ = false;
    double kx_ = 0, ky_ = 0, decalageX_ = 0, decalageY_ = 0;
};

class GCRepere {
public:
    GCRepere(bool indexActif, int largeur, int hauteur);
    GCRepere(const GCRepere&) = delete;
    GCRepere& operator=(const GCRepere&) = delete;

    // --- reading
    QPoint GetOrigine() const { return {Gauche, Haut}; }
    void GetTailleTrace(int& largeur, int& hauteur) const { largeur = LargeurTrace; hauteur = HauteurTrace; }
    void GetTailleTotale(int& largeur, int& hauteur) const { largeur = LargeurTotale; hauteur = HauteurTotale; }
    bool EstNorme() const { return Norme; }
    bool EstPolaire() const { return Polaire; }
    void GetAxes(GCGrille*& vertical, GCGrille*& horizontal) { vertical = &AxeY; horizontal = &AxeX; }
    void GetBornes(double& xmin, double& xmax, double& ymax, double& ymin) const;
    // For both axes: texts of the bounds, scale type, start, first and second step.
    struct BornesEtPas {
        QString xinf, xsup, debut, pas1er, pas2nd;
        int type = 0;
    };
    void GetBornesEtPas(BornesEtPas& x, BornesEtPas& y) const;
    void GetTypesEchelle(int& typeX, int& typeY) const { typeX = AxeX.TypeEchelle; typeY = AxeY.TypeEchelle; }
    // Axis lines x, y; grids x (vertical lines), y (horizontal lines).
    void GetVisibilites(bool& axeX, bool& axeY, bool& grilleX, bool& grilleY) const;
    void GetStylesAxes(TCouleur& cx, int& ex, int& sx, TCouleur& cy, int& ey, int& sy) const;
    void GetStylesGrilles(TCouleur& cx, int& ex, int& sx, TCouleur& cy, int& ey, int& sy) const;
    void GetGraduations(bool& x, bool& y) const { x = AxeX.Graduation; y = AxeY.Graduation; }
    void GetLateral(bool& x, bool& y) const { x = AxeX.Lateral; y = AxeY.Lateral; }
    void GetDecalage(int& x, int& y) const { x = AxeX.Decalage; y = AxeY.Decalage; }
    void GetVecteursUnitaires(bool& x, bool& y) const { x = AxeX.VecteurUnitaire; y = AxeY.VecteurUnitaire; }
    void GetTitres(GCTexte*& x, GCTexte*& y) const { x = AxeX.GetTitre(); y = AxeY.GetTitre(); }
    void GetFontesGraduation(Police& x, Police& y) const { x = AxeX.FonteGraduation; y = AxeY.FonteGraduation; }
    void GetPerspective(double& d, double& h, int& horizon) const { d = DistanceOeil; h = HauteurOeil; horizon = Horizon; }
    // World units per plot pixel: (xmax - xmin) / LargeurTrace, (ymax - ymin) / HauteurTrace.
    void GetUnitesParPixel(double& ux, double& uy) const;
    // Pixel extent of the world window.
    void GetTailleMonde(int& largeur, int& hauteur) const;

    // --- setting, x first, then y
    void SetStylesAxes(TCouleur cx, int ex, int sx, TCouleur cy, int ey, int sy);
    void SetStylesGrilles(TCouleur cx, int ex, int sx, TCouleur cy, int ey, int sy);
    void SetVisibilites(bool axeX, bool axeY, bool grilleX, bool grilleY);
    void SetLateral(bool x, bool y) { AxeX.Lateral = x; AxeY.Lateral = y; }
    void SetDecalage(int x, int y) { AxeX.Decalage = x; AxeY.Decalage = y; }
    void SetFormatsGraduation(int x, int y);
    void SetFontesGraduation(const Police& x, const Police& y) { AxeX.FonteGraduation = x; AxeY.FonteGraduation = y; }
    void SetGraduations(bool x, bool y) { AxeX.Graduation = x; AxeY.Graduation = y; }
    // The frame takes both titles (a null one keeps the current title).
    void SetTitres(std::shared_ptr<GCTexte> x, std::shared_ptr<GCTexte> y);
    void SetTextesAxes(const QString& uniteX, const QString& uniteY) { AxeX.Unite = uniteX; AxeY.Unite = uniteY; }
    // The four bound texts, not evaluated.
    void SetBornesTextes(const QString& xinf, const QString& xsup, const QString& yinf, const QString& ysup);
    void SetVecteursUnitaires(bool x, bool y) { AxeX.VecteurUnitaire = x; AxeY.VecteurUnitaire = y; }
    void SetNorme(bool n) { Norme = n; }
    void SetPolaire(bool p) { Polaire = p; }
    void SetPerspective(int horizon, double h, double d) { Horizon = horizon; HauteurOeil = h; DistanceOeil = d; }
    void SetRectangle(QPoint origine, int largeur, int hauteur);

    // Both axes' GCGrille::FixeBornes, then AppliqueFacteur.
    void FixeBornes(const QString& xinf, const QString& xsup, int typeX, const QString& debutX,
                    const QString& pas2ndX, const QString& pas1erX,
                    const QString& yinf, const QString& ysup, int typeY, const QString& debutY,
                    const QString& pas2ndY, const QString& pas1erY);
    // New world window (a zoom): pairs put in order, bounds written exactly, graduation
    // starts moved onto the new ranges (unless polar).
    void FixeFenetre(double xmin, double xmax, double ymin, double ymax);
    // Lays out the plot rectangle in a drawing area of that size.
    void FixeTaille(int largeur, int hauteur);
    // Left and top margins scaled by FacteurEchelle, then the axis positions.
    void AppliqueFacteur();

    // --- mapping
    // The graduation is kept until the bounds, scale types, plot size or eye height change
    // (on the thread that paints). Traces and scans take one correspondance() value at their
    // start and map through it, from any thread.
    Correspondance correspondance() const;
    void MondeVersPixel(int& px, int& py, double x, double y) const;
    QPoint MondeVersPixel(double x, double y) const;
    void PixelVersMonde(int px, int py, double& x, double& y) const;
    void CalculeGraduation(int& pasPixelX, int& pasPixelY, double& pasY, double& pasX) const;
    const Graduation& graduation() const;

    // True when both axes can be mapped: finite bounds, max > min, min > 0 on a logarithmic
    // axis, eye height and distance > 0 on a projective one. Otherwise false, with the
    // French reason in raison when given.
    bool Valide(QString* raison = nullptr) const;

    // --- hit index
    void AjouteCellule(int numero, int px, int py);
    // The numbers of the cell under the pixel, or null when there is no cell or it is empty.
    const std::vector<int>* ListeCellule(int px, int py) const;
    int ObjetSousPixel(int px, int py) const;
    void VideCellules();
    // The cell of a pixel; false when the pixel lies outside the index.
    bool CelluleDePixel(int px, int py, int& c, int& r) const;

    // --- window tests
    bool HorsCadre(int px, int py) const;
    bool HorsBornes(double x, double y) const;
    int CodeBord(double x1, double y1, double x2, double y2) const;
    void PointSurBord(double& x, double& y, double x1, double y1, double x2, double y2) const;

    // --- the frame dialog (through etatGraphe().dialogues) on that tab, then the plot laid
    // out again. True when the dialog was confirmed and changed what the areas depend on:
    // the orthonormal or polar switch, a scale kind, a bound text, the eye, a lateral
    // position, an offset or a graduation switch.
    bool Modifie(int page = 0);

    // --- settings and document lines
    // Sections "Repère", "Axe Vertical", "Axe Horizontal", "Gr. Verticale" and
    // "Gr. Horizontale" of the settings file. A key that is missing or cannot be read keeps
    // the frame's current value.
    void LitIni(const FichierIni& ini);
    // Writes the same keys, in the order of the settings file.
    void EcritIni(FichierIni& ini) const;
    // Appends the frame's document lines ("$" line, both axes, eye line when x is
    // projective, flags line).
    void Sauve(QStringList& lignes) const;
    // Reads the frame's document lines from lignes[i] (a line beginning with "$") and leaves
    // i on the first line after them. With enteteLu false (a document without its header
    // record) no title lines are read. Problems (bounds that do not read, fields that are not
    // numbers, missing lines) are reported in one French message through the interlocutor
    // and leave a usable frame. Returns false when something could not be read.
    bool Lit(const QStringList& lignes, int& i, bool enteteLu = true);

    // --- drawing
    // Draws grids, axes, ticks, labels and unit vectors, registering the frame codes in the
    // hit index. Returns false (drawing nothing, one warning per distinct reason) when the
    // frame is not valid: the caller then draws neither curves nor areas.
    bool Dessine(QPainter& peintre);
    void DessineGrilles(QPainter& peintre);
    void DessineAxes(QPainter& peintre);

    // --- fields
    // Top-left pixel of the plot rectangle: the margins set by SetRectangle, FixeTaille or
    // the settings, scaled by AppliqueFacteur (set them through those, not directly).
    int Gauche = 0, Haut = 0;
    int LargeurTrace, HauteurTrace;    // at least 1
    int LargeurTotale, HauteurTotale;
    int PixelAxeY = 0;   // x pixel of the vertical axis line
    int PixelAxeX = 0;   // y pixel of the horizontal axis line
    GCGrille AxeY{false};
    GCGrille AxeX{true};
    bool Norme = false;
    bool Polaire = false;
    std::array<std::vector<int>, NbCellules * NbCellules> Cellules;  // index c * 50 + r
    bool IndexActif;
    double HauteurOeil = 5.0;
    double DistanceOeil = 6.0;
    int Horizon = 338;

private:
    int GaucheBase_ = 0, HautBase_ = 0;  // margins before the scale factor
    QString dernierAvertissement_;       // last warning given by Dessine
    struct CleGraduation {
        double minX, maxX, minY, maxY, hauteurOeil;
        int typeX, typeY, largeur, hauteur, horizon;
        bool operator==(const CleGraduation&) const = default;
    };
    mutable std::optional<CleGraduation> cle_;
    mutable Graduation graduation_;
};
