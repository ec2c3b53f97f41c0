// Small routines that curves, areas and the window share: copy modes of bitmaps, the area
// of a polygon, the names of the unary operations, the removal of a curve callable by
// name, and the copy of a text file under another extension.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <vector>

// ---------------------------------------------------------------------------------------
// Copy modes: how a bitmap is combined with what is already drawn. Each is a ternary raster
// operation of pattern P (the brush), source S (the bitmap) and destination D.

constexpr std::uint32_t ROP_DSTINVERT = 0x00550009;    // ~D
constexpr std::uint32_t ROP_MERGECOPY = 0x00C000CA;    // P & S
constexpr std::uint32_t ROP_MERGEPAINT = 0x00BB0226;   // ~S | D
constexpr std::uint32_t ROP_NOTSRCCOPY = 0x00330008;   // ~S
constexpr std::uint32_t ROP_NOTSRCERASE = 0x001100A6;  // ~(S | D)
constexpr std::uint32_t ROP_PATCOPY = 0x00F00021;      // P
constexpr std::uint32_t ROP_PATINVERT = 0x005A0049;    // P ^ D
constexpr std::uint32_t ROP_PATPAINT = 0x00FB0A09;     // P | ~S | D
constexpr std::uint32_t ROP_SRCAND = 0x008800C6;       // S & D
constexpr std::uint32_t ROP_SRCCOPY = 0x00CC0020;      // S
constexpr std::uint32_t ROP_SRCERASE = 0x00440328;     // S & ~D
constexpr std::uint32_t ROP_SRCINVERT = 0x00660046;    // S ^ D
constexpr std::uint32_t ROP_SRCPAINT = 0x00EE0086;     // S | D

constexpr int NbModesCopie = 13;
constexpr int ModeCopieDefaut = 8;  // SRCAND: what a stored mode outside 0..12 reads as

// Copy mode 0..12 (low 7 bits of the mode) to its raster operation, in the alphabetical
// order of the operations' names: DSTINVERT, MERGECOPY, MERGEPAINT, NOTSRCCOPY,
// NOTSRCERASE, PATCOPY, PATINVERT, PATPAINT, SRCAND, SRCCOPY, SRCERASE, SRCINVERT,
// SRCPAINT. Any other mode: SRCCOPY.
std::uint32_t CodeCopie(int mode);
// A copy mode read from a document: values outside 0..12 become ModeCopieDefaut.
int ModeCopieLu(int mode);

// One pixel of a raster operation (bits 16..23 of rop are its truth table), on 0x00RRGGBB
// values; the result has alpha 0xFF.
std::uint32_t PixelRop(std::uint32_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d);

// Combines the image source, placed with its top-left corner at position, with the
// destination image by the raster operation of the copy mode; the pattern is the brush,
// aligned on the destination's pixels, whose gaps (hatch brushes) take the colour fond.
// Every pixel is computed on 0x00RRGGBB values, alpha forced to 0xFF. The one routine by
// which every caller copies a bitmap with a mode onto an image.
void CopieAvecMode(QImage& destination, QPoint position, const QImage& source, int mode,
                   const QBrush& motif = QBrush(Qt::black), const QColor& fond = Qt::white);
// The same through a painter on any device: binary operations go through the painter's
// raster composition modes; those that use the pattern are first reduced, pixel by pixel,
// to a source combined with the destination by a binary operation (the pattern does not
// depend on the destination), so a raster device gets the same pixels as above.
void CopieAvecMode(QPainter& peintre, QPoint position, const QImage& source, int mode,
                   const QBrush& motif = QBrush(Qt::black), const QColor& fond = Qt::white);

// The brush of a fill style of areas and plates, in the order of their dialogs' list: 0 solid,
// 1 clear (no brush), 2 horizontal, 3 vertical, 4 forward and 5 backward diagonal hatches,
// 6 cross, 7 diagonal cross; any other style solid.
Qt::BrushStyle StyleBrosse(int style);

// ---------------------------------------------------------------------------------------
// Area that the polygon of points[0..n] covers (n + 1 points; the last usually repeats the
// first): the union of the regions it runs round (nonzero winding), each counted once, so
// that a plate crossing the axis or itself measures what it covers. For a simple polygon it
// is the signed sum of the fan triangles from the first point, its absolute value, halved.
double AirePolygone(const QPointF* points, int n);
double AirePolygone(const std::vector<QPointF>& points);  // n = size - 1

// ---------------------------------------------------------------------------------------
// Unary operations and plane transformations of curves (and of transformed areas).
constexpr int NbOperations = 63;
// The French name of an operation code 0..62 (low 7 bits used); "Non définie!" otherwise.
QString NomOperation(int code);

// Copies the text file nomFichier, line by line, to the file of the same name with the given
// extension (".svg": the copy of a point file before it is edited by mouse), each line ended
// by CR LF. Bytes are copied as they are. Returns false (with the French reason in erreur
// when given) when the file cannot be read or the copy cannot be written; a failed copy
// leaves any previous copy whole.
bool ChargeLignesFichier(const QString& nomFichier, const QString& extension, QString* erreur = nullptr);
