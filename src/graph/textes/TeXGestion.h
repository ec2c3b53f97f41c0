// Label renderer: draws a label written in the small TeX-like syntax of the graph's texts
// (free texts, axis titles, curve labels) on any QPainter, turned by an angle.
//
// Syntax, scanned from the first character to the last:
//   $            skipped (formulas may be written between dollars)
//   ^{...}       the group raised, then the pen goes on after it; ^x drops "^x"
//   _{...}       the group lowered; _x drops "_x"
//   \nom{...}    a decoration over (or under) the group, chosen by the name's first letter
//                (see CodeCommandeTeX); \frac{num}{den} is a fraction
//   anything else is drawn as it is, one character after the other.
// A command whose braces are missing, or whose name is unknown, loses its backslash only and
// prints as text. A "^" or "_" group without its closing brace, or a fraction without its
// denominator, is a syntax error: the renderer stops there and answers false.
//
// Groups nest as deep as the brackets of a formula may (ProfondeurAnalyseMax); a "^{", "_{"
// or command that would open a group deeper than that is drawn as plain text, its braces
// too. The layout keeps its own stack, never the C stack.
//
// Coordinates of the layout: the origin is the top-left corner of the first character's
// cell, x runs along the text and y downwards; the whole label is then turned by the angle
// about that corner.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>
#include <QStringView>

class QPainter;
class QPaintDevice;

// Size of a laid-out label, in pixels, measured from the base line of its first character:
// `ascent` above it, `descent` below it, `largeur` the pen's advance along the text.
struct BoiteTeX {
    int largeur = 0;
    int ascent = 0;
    int descent = 0;
    int hauteur() const { return ascent + descent; }
};

// One drawn piece of a label, in the layout's coordinates.
struct ElementTeX {
    enum Genre { Caractere, Trait, Arc };
    Genre genre = Caractere;
    QString texte;    // Caractere: what is drawn (a font named "Symbol" shows Greek letters)
    QPoint position;  // Caractere: top-left corner of its cell
    int largeur = 0;  // Caractere: its advance
    QPolygon points;  // Trait: the polyline
    QRect cadre;      // Arc: the box of the ellipse whose upper half is drawn
};

struct MiseEnPageTeX {
    bool valide = true;  // false: syntax error; the elements stop where drawing stops
    BoiteTeX boite;
    int ligneDeBase = 0;  // y of the first character's base line (the font's ascent)
    int hauteurCellule = 0;  // height of one character cell of the font
    QList<ElementTeX> elements;
};

// Draws `texte` with the pen starting at pixel (x, y), the top-left corner of the first
// character cell, along the direction `angle` (tenths of a degree, counter-clockwise), in
// the painter's current font. Characters take `couleur` (the painter's pen colour when it
// is invalid), strokes the painter's pen. Returns false on a syntax error; what was drawn
// before the error stays. The painter's state is left as it was.
bool DessineTeX(int x, int y, const QString& texte, int angle, const QColor& couleur,
                QPainter& canvas);

// The layout of `texte` in `police` as `DessineTeX` draws it at angle 0 from (0, 0).
// Metrics are those of `appareil` (the screen's when null).
MiseEnPageTeX MetEnPageTeX(const QString& texte, const QFont& police,
                           QPaintDevice* appareil = nullptr);

// Only the size of that layout (no list of pieces is kept).
BoiteTeX MesureTeX(const QString& texte, const QFont& police, QPaintDevice* appareil = nullptr);

// Decoration code of a command, from the text that follows its backslash:
// "a" 1 arc, "b" 2 bar, "f" 3 fraction, "h" 4 hat, "o" with fifth character "l" 5 bar
// (overline), other "o" 6 arrow (overrightarrow), "t" 7 nothing, "u" 8 underline,
// "v" 9 arrow (vec); anything else 0 (not a command).
int CodeCommandeTeX(QStringView nom);

// Strokes of decoration `code` over an argument drawn with the pen at `plume` (top-left of
// its first cell), `largeur` wide, whose cells run from y = plume.y() + haut to
// plume.y() + bas. Their offsets are counted in `unite` pixels: 1 in the usual screen fonts,
// a sixteenth of the font's height in larger ones (printing, projection), which also widens
// the strokes.
QList<ElementTeX> TraitsDecorationTeX(int code, QPoint plume, int largeur, int haut, int bas, int unite = 1);

// Draws those strokes with the painter's pen, in the painter's current coordinates (the
// caller has turned the painter to the text's direction).
void DessineDecorationTeX(int code, QPoint plume, int largeur, int haut, int bas,
                          QPainter& canvas, int unite = 1);

// A font named "Symbol" shows Greek letters and mathematical signs in place of the Latin
// letters and punctuation typed; Linux has no such font, so the characters are translated.
bool EstPoliceSymbole(const QFont& police);
QString TexteSymbole(const QString& texte);
