// Drawing attributes shared by every object of a graph window, the point markers, one axis
// of the frame, and the small text conversions that the document lines share (colours,
// fonts, flags, fields, scale types).
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>

class QPainter;
class GCTexte;

// ---------------------------------------------------------------------------------------
// Colours

// A colour as documents and settings store it: 0x00BBGGRR, or a system colour
// (0xFF0000nn, nn the system colour index), or one of the two special values below.
using TCouleur = std::uint32_t;
constexpr TCouleur CouleurAucune = 0x1FFFFFFF;   // "clNone"
constexpr TCouleur CouleurDefaut = 0x20000000;   // "clDefault"

// Conversions to and from Qt's colours (system colours take a fixed light-theme value).
QColor VersQColor(TCouleur couleur);
TCouleur DeQColor(const QColor& couleur);
// 0x00BBGGRR from red, green, blue components.
constexpr TCouleur RVB(int r, int v, int b)
{
    return static_cast<TCouleur>((r & 0xFF) | ((v & 0xFF) << 8) | ((b & 0xFF) << 16));
}

// The toolkit's colour text: a colour constant's name ("clBlack", "clAqua", "clBtnFace"...)
// when the value has one, else "$" followed by eight upper-case hexadecimal digits.
QString CouleurEnTexte(TCouleur couleur);
// Its inverse: a colour constant's name (any case, "clLtGray"/"clDkGray" included), "$" and
// hexadecimal digits, "0x" and hexadecimal digits, or a decimal integer. False when the text
// is none of these (the colour is then left unchanged).
bool TexteEnCouleur(const QString& texte, TCouleur& couleur);

// The seventeen French colour names of documents ("Noir", "Marron", ..., "Orange"), in
// ASCII.
constexpr int NbCouleursNommees = 17;
struct CouleurNommee {
    const char* nom;
    TCouleur valeur;
};
extern const CouleurNommee CouleursNommees[NbCouleursNommees];
// A French name, any case, to its value; false when absent.
bool IdentVersCouleur(const QString& nom, TCouleur& couleur);
// The name of the first row with exactly that value; false when absent.
bool CouleurVersIdent(TCouleur couleur, QString& nom);
// The French name when the value has one, else the toolkit's colour text.
QString CouleurVersTexte(TCouleur couleur);
// The French name first, else the toolkit's colour text; false when neither reads.
bool TexteVersCouleur(const QString& texte, TCouleur& couleur);

// ---------------------------------------------------------------------------------------
// Fonts

// A font as documents store it: name, colour, size in points and four style flags.
struct Police {
    QString Nom = QStringLiteral("DejaVu Sans");
    TCouleur Couleur = 0;
    int Taille = 8;
    bool Gras = false, Italique = false, Souligne = false, Barre = false;

    // The Qt font for drawing, its size (points) multiplied by facteur and rounded, then
    // taken as pixels at 96 dots per inch, so that text measures the same on every device.
    QFont qfont(double facteur = 1.0) const;
    QColor qcouleur() const { return VersQColor(Couleur); }
    bool operator==(const Police&) const = default;
};

// Size in points multiplied by the scale factor and rounded (halves to even).
int TailleEchelle(int taille, double facteur);

// "name;colour;size;b;i;u;s;" with each flag "1" or "0", the colour in the toolkit's form.
QString FonteVersTexte(const Police& police);
// Reads the seven font fields from the front of the line, cutting each off as it goes.
// Bold replaces the whole style; italic, underline and strike-out are set when their field
// is exactly "1". Returns false when the size is not an integer (the size is then left
// unchanged) or the colour does not read (left unchanged); the seven fields are consumed.
bool LitPolice(QString& ligne, Police& police);

// ---------------------------------------------------------------------------------------
// Fields of document lines

// Cuts the first field off the line (up to and including its ";") and returns it. When the
// line holds no ";" the field is empty and the line is left as it is (a field missing at the
// end of a line reads as empty).
QString PremierChamp(QString& ligne);
// The first field, or the whole rest of the line when it holds no ";" (a last field whose
// ";" was lost); the line is then left empty.
QString ChampOuReste(QString& ligne);
// A text kept on one line of a document: each CR and each LF becomes a blank.
QString SurUneLigne(QString texte);
// A text kept as one field: on one line, and a ";" (which would end the field) becomes ",".
QString TexteDeChamp(QString texte);
// The text as one field, then its ";".
QString ChampTexte(const QString& texte);
// A whole number and its ";".
QString ChampEntier(int valeur);
// "v;" or "f;".
QString TexteBooleen(bool valeur);
// True when the first character, upper-cased, is "V".
bool LitBooleen(const QString& champ);
// A decimal integer, blanks around it allowed. False when the field is not one (the value is
// then left unchanged).
bool LitEntier(const QString& champ, int& valeur);

// ---------------------------------------------------------------------------------------
// Scale types

enum TypeEchelle : std::uint8_t { EchelleArith = 0, EchelleLog = 1, EchelleProj = 2 };
// 0 "arith", 1 "log", 2 "proj"; any other value: empty text.
QString NomTypeEchelle(int type);
// The first letter, upper-cased: 'A' 0, 'L' 1, 'P' 2; anything else (empty text too): 0.
int TypeEchelleDeTexte(const QString& texte);

// ---------------------------------------------------------------------------------------
// Pixels

// Pixel coordinates are kept within +-LimitePixel, so that a far point stays far outside
// every device and converts back outside.
constexpr int LimitePixel = 1 << 24;
// Saturating conversion of a real pixel coordinate: NaN and -inf give -LimitePixel, +inf
// gives +LimitePixel, everything is clamped to +-LimitePixel. No rounding: give it an
// integral value.
int PixelSature(double v);
// Nearest integer, halves to even, then saturated.
int ArrondiPixel(double v);

// Lengths given in pixels of the screen (pen widths, marker sizes, arrow heads, label
// gaps), on the device being drawn: multiplied by FacteurEchelle (the device's pixels per
// pixel of the window, while printing) and rounded. A width is at least one pixel.
int PixelsEchelle(double pixels);
int EpaisseurEchelle(int epaisseur);

// A pen of the given colour, width and style (0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot, 5 none, others solid). Width 0 draws one pixel, like width 1; dashes and
// dots only apply to one-pixel pens, wider ones are solid. The width is taken at the scale
// of the device (EpaisseurEchelle); the style by the width given.
QPen CreeStylo(TCouleur couleur, int epaisseur, int style);

// ---------------------------------------------------------------------------------------
// Drawing attributes of every object of a graph window

class GCBase {
public:
    GCBase() = default;
    virtual ~GCBase() = default;
    GCBase(const GCBase&) = delete;
    GCBase& operator=(const GCBase&) = delete;

    // Copies Visible, HorsIndex, Couleur, Style and Epaisseur; clears Selectionne; leaves
    // Nom alone.
    virtual void Copie(const GCBase& source);

    QPen stylo() const;  // CreeStylo(Couleur, Epaisseur, Style)

    QString Nom;
    bool Visible = true;
    bool Selectionne = false;
    bool HorsIndex = false;   // the traced points are not entered in the frame's hit index
    TCouleur Couleur = 0;
    std::uint8_t Style = 0;   // pen style, as CreeStylo
    int Epaisseur = 1;        // pen width; for a GCPoint the marker size
};

// The marker that curves put on their computed points.
enum FormePoint : std::uint8_t {
    PointBarre = 0, PointPlus = 1, PointEtoile = 2, PointCercle = 3, PointTriangle = 4,
    PointCarre = 5, PointPentagone = 6, PointDemiCercle = 7
};

class GCPoint : public GCBase {
public:
    GCPoint() = default;
    // Calls the virtual Copie, then copies Rempli, TypePoint and Angle.
    void CopiePoint(const GCPoint& source);
    // Draws the marker centred on (px, py) with a pen of the given colour and width 1; the
    // fill colour is the point's own Couleur when Rempli, else the painter's brush. Nothing
    // when not Visible or when TypePoint is above 7. The painter's pen and brush are restored.
    // Its size and pen are taken at the scale of the device (PixelsEchelle).
    void Dessine(QPainter& peintre, int px, int py, TCouleur couleur) const;

    // What drawing the marker needs that does not change from one point to the next (pens,
    // brush, the sines and cosines of its angle): made once for a whole trace.
    struct Preparation {
        QPen styloAvant, stylo, styloPixel;
        QBrush brosseAvant, brosse;
        TCouleur couleur = 0;
        int taille = 1;                         // the size at the scale of the device,
        int tailleMoinsUn = 0;                  // and the size less one pixel
        double c = 1, s = 0;                    // the angle
        double cPentagone[5] = {}, sPentagone[5] = {};
    };
    // For a painter whose pen and brush are those given, and a pen of that colour.
    Preparation Prepare(const QPen& stylo, const QBrush& brosse, TCouleur couleur) const;
    // Draws as Dessine does with what was prepared (as Dessine itself when the painter's pen
    // or brush is no longer the one given to Prepare); the pen and brush are restored.
    void Dessine(QPainter& peintre, int px, int py, const Preparation& p) const;

    bool Rempli = false;
    std::uint8_t TypePoint = PointCercle;
    int Angle = 0;  // degrees
};

// Arrow heads of 7-pixel sides (at the scale of the device), 30 degrees either side of the
// line, filled with the colour: kind 1 at the end, 2 at the start, 3 both (start first); any
// other kind draws nothing.
void DessineFleche(QPainter& peintre, QPoint de, QPoint a, TCouleur couleur, int genre);

// ---------------------------------------------------------------------------------------
// One axis of the frame: bounds, graduation, scale type, axis line, grid, title, font.
// The inherited attributes are those of the grid lines; Axe holds those of the axis line.

class GCGrille : public GCBase {
public:
    explicit GCGrille(bool horizontal);
    ~GCGrille() override;

    bool GetGraduation() const { return Graduation; }
    void SetGraduation(bool g) { Graduation = g; }
    TCouleur GetCouleurAxe() const { return Axe.Couleur; }
    void SetCouleurAxe(TCouleur c) { Axe.Couleur = c; }
    int GetEpaisseurAxe() const { return Axe.Epaisseur; }
    void SetEpaisseurAxe(int e) { Axe.Epaisseur = e; }
    int GetStyleAxe() const { return Axe.Style; }
    void SetStyleAxe(int s) { Axe.Style = static_cast<std::uint8_t>(s); }
    QString GetUnite() const { return Unite; }
    void SetUnite(const QString& u) { Unite = u; }
    bool GetVecteurUnitaire() const { return VecteurUnitaire; }
    void SetVecteurUnitaire(bool v) { VecteurUnitaire = v; }
    void SetLateral(bool l) { Lateral = l; }
    GCTexte* GetTitre() const { return Titre.get(); }
    // The title object is replaced (the axis keeps the one given), not copied. A null title
    // is refused.
    void SetTitre(std::shared_ptr<GCTexte> titre);

    // Stores both texts and evaluates them into Min and Max (EvalueTexte).
    void SetBornesTextes(const QString& xinf, const QString& xsup);
    void FixeBornes(const QString& xinf, const QString& xsup, int type, const QString& debut,
                    const QString& pas2nd, const QString& pas1er);
    void GetBornes(double& min, double& max, QString& debut, int& type) const;
    void GetPas(QString& pas1er, QString& pas2nd) const;

    // Appends the axis's two document lines.
    void Sauve(QStringList& lignes) const;

    QString Xinf = QStringLiteral("-5"), Xsup = QStringLiteral("5");
    double Min = -5.0, Max = 5.0;
    // The bound texts that a document or settings file held where they could not make a
    // frame (the frame then uses Xinf and Xsup): written back as they were, so that nothing
    // the user typed is lost; empty otherwise. New bounds forget them.
    QString XinfLu, XsupLu;
    QString Debut = QStringLiteral("-5");
    QString Pas1er = QStringLiteral("1");
    QString Pas2nd = QStringLiteral("0");
    bool Horizontal;
    std::uint8_t TypeEchelle = EchelleArith;
    GCBase Axe;                 // the axis line: visible, grey, width 1, solid
    bool Lateral = false;
    int Decalage = 0;
    bool Graduation = true;
    bool VecteurUnitaire = true;
    QString Unite;
    std::shared_ptr<GCTexte> Titre;  // "x" at ("5", "0.2") or "y" at ("0.2", "5")
    Police FonteGraduation;
    std::uint16_t FormatGraduation = 0;  // number style of FormateReel
};

// The default title of an axis: number 0, at ("5", "0.2") for x or ("0.2", "5") for y, as
// world expressions, in the given font; its text "x" or "y" when avecTexte.
std::shared_ptr<GCTexte> CreeTitreAxe(bool horizontal, const Police& fonte, bool avecTexte);
