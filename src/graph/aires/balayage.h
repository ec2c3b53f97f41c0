// The pixel scans of the areas that are computed pixel by pixel for a long time (Julia and
// Mandelbrot sets, transformed areas): the rows of the picture run over the program's team
// of threads, and the world coordinates of the pixels, taken once per column and once per
// row.
#pragma once

#include <QImage>
#include <functional>
#include <vector>

#include "graph/repere/GCRepere.h"

// A bitmap that holds every pixel of a scan of the area (number and name for the
// messages), filled with 0 (transparent, or index 0 of an indexed one). Null, with a line in
// the warnings, when the window is too large or memory is short.
class GrillePixels;
QImage BitmapDeBalayage(const GrillePixels& grille, QImage::Format format, int numero, const QString& nom);

// How many threads a scan of that much work (pixels times evaluations per pixel) takes:
// 0 (the calling thread alone) for a small one, else every core, FilsBalayageMax() at most.
int FilsPourBalayage(double travail);

// Runs ligne(r) for every row r from 0 to nbLignes - 1. Each row must write only its own
// pixels and read only what nobody changes while the scan runs (each thread evaluates with
// its own evaluation state). With fils = 0 the rows run in order on the calling thread;
// otherwise fils threads of the program's team (equipe.h) take the rows one after another
// while the calling thread waits, each starting from the calling thread's state values.
// Either way the calling thread asks etatGraphe().suivi, every few tens of milliseconds,
// whether to go on; when it says no, the scan stops as soon as the rows under way notice
// (ArretBalayage) and the result is false. Rows not run keep what they held.
// Inside a row of another scan (on a thread of the team) the rows run in order on that
// thread, without asking the follower, and stop when the outer scan stops.
bool BalaieLignes(int nbLignes, int fils, const std::function<void(int ligne)>& ligne);

// True, inside a row of a scan, once the scan was asked to stop: long rows look at it
// between pixels, long orbits between iterations. Always false outside a scan.
bool ArretBalayage();

// The pixels of one scan: columns c0..c1 and rows r0..r1 (bounds included) of the window's
// drawing, with the world point of each, through one mapping of the frame that any thread
// may read.
class GrillePixels {
public:
    // The area rectangle of the frame: columns Gauche + 1 .. Gauche + 1 + LargeurTrace, rows
    // Haut + 1 .. Haut + 1 + HauteurTrace (the frame must be valid). Coordinates are taken
    // once per column and per row unless an axis is projective.
    explicit GrillePixels(const GCRepere& repere);
    const Correspondance& carte() const { return carte_; }

    int c0, c1, r0, r1;
    int colonnes() const { return c1 - c0 + 1; }
    int lignes() const { return r1 - r0 + 1; }
    // The world point of the pixel (c, r), as the frame maps it.
    void monde(int c, int r, double& x, double& y) const;
    // The world area of the pixel (c, r): from its world point to those of (c + 1, r) and
    // (c, r + 1).
    double airePixel(int c, int r) const;
    // The size of a bitmap that holds every pixel of the scan (origin at the drawing's
    // top-left corner).
    QSize tailleBitmap() const { return QSize(c1 + 1, r1 + 1); }

private:
    Correspondance carte_;
    bool separable_;
    std::vector<double> x_, y_;
};
