// Colour palettes of the Julia and Mandelbrot sets: 256 colours, the escape count n taking
// entry n (row n div 16, column n mod 16 of the dialog's grid).
//
// A palette file (".map") is a text file of one colour per line: red, green and blue as
// decimal integers 0 to 255 separated by blanks. It is written as exactly 256 lines
// "r g b" (one blank between the numbers). It is read line by line: each line gives one
// colour, white when the line does not begin with three integers (blanks and tabs, in any
// number, separate them; what follows the third is ignored); values are kept within
// 0..255; the lines after the 256th are ignored and, with fewer lines, white fills the rest.
// A file none of whose lines gives a colour (an empty file among them) is not a palette.
//
// Palette files live in the folder "Palettes" of the program's folder. The default palette
// "GCPal0.map" is the program's own: it is written there at start-up when missing, and a
// document that names it still gets it when the file is gone.
#pragma once

#include <QString>
#include <QStringList>
#include <array>

#include "graph/base/GCclasse_base.h"

constexpr int NbCouleursPalette = 256;
using Palette = std::array<TCouleur, NbCouleursPalette>;  // 0x00BBGGRR each

// The name of the default palette file.
QString NomPaletteDefaut();  // "GCPal0.map"
// The program's default palette: entry 0 (the inside of the sets) black, then a gradient
// whose 255 colours are all different, changing fastest over the small counts.
Palette PaletteParDefaut();

// The colours of the lines of a palette file (see the top of this file); *lues: how many
// lines gave a colour.
Palette PaletteDeLignes(const QStringList& lignes, int* lues = nullptr);
// The 256 lines "r g b" of a palette.
QStringList LignesDePalette(const Palette& palette);

// Reads a palette file. A file that cannot be read, or gives no colour, leaves the palette
// white and gives false with the French reason in *erreur.
bool LitPalette(const QString& chemin, Palette& palette, QString* erreur = nullptr);
// Writes the 256 lines (through a temporary file: a failed write leaves the previous file).
bool EcritPalette(const QString& chemin, const Palette& palette, QString* erreur = nullptr);

// Makes the palette periodic: every entry n from p to 255 (counted from 0) takes the colour
// of entry n - p, so that entries 0 to p - 1 repeat to the end. p is kept within 3..256
// (256 changes nothing).
void RendPeriodique(Palette& palette, int periode);
int PeriodeValide(int periode);  // p within 3..256

// The folder of the palette files: the program's folder + "/Palettes".
QString DossierPalettes();
// The path of the palette file of that name in the folder (the exact name, else the one
// name that matches it without regard to case); empty when there is none. Only a plain
// file name is looked up: a name holding a path separator finds nothing.
QString CheminPalette(const QString& nom);
// The palette of a file named by a document or chosen in the dialog. The default palette
// is found even when its file is missing. Another missing or unreadable file: a white
// palette, false and the French reason in *erreur.
bool ChargePaletteNommee(const QString& nom, Palette& palette, QString* erreur = nullptr);
// Writes the default palette file into the palette folder when it is not there (start-up).
// False, with the French reason, when the folder or the file cannot be written.
bool InstallePaletteParDefaut(QString* erreur = nullptr);
