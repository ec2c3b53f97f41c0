// Classification and geometric elements of a conic A·x² + B·x·y + C·y² + D·x + E·y + F = 0.
#pragma once

enum GenreConique {
    ConiqueEllipse = 1,
    ConiqueHyperbole = 2,
    ConiqueParabole = 3,
    ConiqueCercle = 4,
    ConiqueDroite = 5,        // a single line
    ConiqueDeuxDroites = 6,   // secant, parallel or coincident
    ConiquePoint = 7,
    ConiqueVide = 8           // no real point, or not a conic
};

struct PointConique {
    double x = 0;
    double y = 0;
};

// A line through a point, along a unit vector.
struct DroiteConique {
    PointConique point;
    PointConique direction;
};

// What the analysis finds. Only the fields that the kind gives are filled; the others
// stay 0.
//  - ellipse: Centre, U (major axis), V, DemiAxe1 >= DemiAxe2, Foyer1/2, Sommet1/2 (on
//    the major axis), Excentricite;
//  - hyperbola: Centre, U (focal axis), V, DemiAxe1 (focal) and DemiAxe2, Foyer1/2,
//    Sommet1/2, Excentricite, Equilatere; the asymptotes run along DemiAxe1·U ± DemiAxe2·V;
//  - parabola: Centre is the vertex, U points from the vertex to the focus along the
//    axis, V along the tangent at the vertex, Foyer1, Parametre p > 0, Excentricite 1;
//  - circle: Centre, Rayon (also DemiAxe1 and DemiAxe2);
//  - single line: Droite1; two lines: Droite1 and Droite2 (equal when coincident);
//  - point: Centre.
struct ElementsConique {
    int Genre = ConiqueVide;
    PointConique Centre;
    PointConique U, V;
    double DemiAxe1 = 0, DemiAxe2 = 0;
    PointConique Foyer1, Foyer2;
    PointConique Sommet1, Sommet2;
    double Excentricite = 0;
    double Parametre = 0;
    double Rayon = 0;
    bool Equilatere = false;   // hyperbola with equal half-axes (perpendicular asymptotes)
    DroiteConique Droite1, Droite2;
};

ElementsConique AnalyseConique(double A, double B, double C, double D, double E, double F);
