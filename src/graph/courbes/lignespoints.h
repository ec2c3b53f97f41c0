// The text files of the curves drawn from data: the points files of lists of points (one
// point per line, with an optional arrow prefix and label), which the Bézier and B-spline
// curves read for their control points too.
//
// A point line: "[->|<-|<>]x;y[;label[;position[;angle]]]". Each separator is the first
// ";" of what is left, or, when there is none, its first blank, or else its first tab; x
// and y are expressions in which "," stands for ".". A line that begins with "§" holds
// the font of the labels that follow it.
#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>
#include <vector>

#include "graph/base/GCclasse_base.h"

class GCCourbe;

struct LignePoint {
    double x = 0, y = 0;
    int fleche = 0;        // 0 none; 1 "->" head at this point; 2 "<-" at the one before; 3 "<>"
    QString etiquette;     // the label field (text;position;angle), or empty
};

// One line of a points file (already trimmed, not empty, not a font line). With polaire the
// two values are r and an angle in degrees. True when the line gives a point: it has a
// separator, and both x and y evaluate to finite numbers (with the parameter values in
// place).
bool AnalyseLignePoint(const QString& ligne, LignePoint& point, bool polaire);

struct EtiquettePoint {
    QString texte;
    QString position = QStringLiteral("hd");
    QString angle = QStringLiteral("0");   // tenths of a degree
};
EtiquettePoint AnalyseEtiquette(const QString& champ);

// The top-left corner of a label of that size for the point at pixel p, gaps gx and gy
// (EcartEtiquetteX/Y), by its position code: "hd" above right, "d" right, "bd" below
// right, "b" below, "bg" below left, "g" left, "hg" above left, "h" above; any other code
// as "d".
QPoint DecaleEtiquette(const QString& code, QPoint p, int largeur, int hauteur, int gx, int gy);
// The PSTricks \uput direction of a position code ("r" for an unknown code).
QString PositionPstricks(const QString& code);

// A font line ("§" followed by the font fields)?
bool EstLignePolice(const QString& ligne);
// The font a font line gives, from the font in place (fields that do not read keep it).
Police PoliceDeLigne(const QString& ligne, const Police& avant);

// The control points of a points file: every accepted line, in order.
std::vector<QPointF> PointsDeControle(const QStringList& lignes, bool polaire);

// The lines of the data file of a list, chronicle, Bézier or B-spline curve (its stored
// path, else the copy its document carried). False, with the French reason (which names
// the file), when there is none or it cannot be read.
bool LitDonnees(const GCCourbe& courbe, QStringList& lignes, QString& erreur);
