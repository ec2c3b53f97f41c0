// The window-size dialog "Taille de la fenêtre de tracé": the client width and height of a
// graph window, each kept within the bounds given.
#pragma once

class QWidget;

// Shows the sizes proposed; true, with both changed, on "Confirmer".
bool SaisitTailleFenetre(QWidget* parent, int& largeur, int& hauteur, int minimum, int maximum);
