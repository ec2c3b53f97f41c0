// The LaTeX document that draws a window with PSTricks: the frame (scale, background
// colour, grids, graduation labels, axes and their titles, unit vectors), every visible
// curve from its point cache, and the free texts.
//
// Coordinates are the world's (log10 of the value on a logarithmic axis) measured from the
// window's lower-left corner, with 512 pixels of the window making 9 cm. They are written
// in fixed point whatever the number settings, with digits enough for the window's size,
// and lines are cut where they leave a box ten times the window's size around it, so that
// no dimension exceeds what TeX holds. In texts, %, & and # are escaped; the document is
// UTF-8 (inputenc, T1 fonts).
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

#include "graph/base/GCclasse_base.h"

class GCDocument;
class GCRepere;
class GCDessin;
class GCListTextes;

// The whole document, for the window's document painted at that size (the paint lays out
// the frame and writes the point caches that the curves' lines are read from).
// Empty, with the French reason in *erreur, when the frame cannot be mapped.
QStringList DocumentPSTricks(GCDocument& document, QSize taille, QString* erreur = nullptr);
// Writes its lines in UTF-8 through a temporary file; false with the French reason.
bool EcritDocumentPSTricks(const QString& chemin, const QStringList& lignes, QString* erreur = nullptr);

// Its parts, on a frame laid out at largeur x hauteur pixels and curves already traced.
// The frame's lines, ending with the clip to the window that the curves' lines draw in; fond:
// the window's colour (a frame filled with it unless white).
void ExportePSTricksRepere(const GCRepere& repere, int largeur, int hauteur, TCouleur fond, QStringList& lignes);
void ExportePSTricksCourbes(const GCDessin& dessin, const GCRepere& repere, QStringList& lignes);
// (The texts: GCListTextes::ExportePSTricks.)

// A number in fixed point with at most that many decimals, trailing zeros dropped, "." as
// decimal point, never an exponent ("0" for what rounds to zero).
QString NombreTeX(double v, int decimales);
// The text with %, & and # escaped for LaTeX.
QString EchappeTeX(QString texte);
// A label's text as LaTeX reads it: escaped, the letter pi in math mode.
QString TexteLaTeX(const QString& texte);
// Decimals of coordinates along a range of that size: about six significant figures of it.
int DecimalesTeX(double taille);
