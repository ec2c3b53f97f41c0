// PROVISOIRE (placeholder): a minimal stand-in for the plate list of a window, used only by the window's own files until the graph layer's
// classes land. Each block goes as soon as the real class exists.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

#include "graph/repere/GCRepere.h"


// PROVISOIRE: the plate list (no plate yet).
class GCListPlaq {
public:
    int Nombre() const { return 0; }
    void Trace(QPainter&, GCRepere&, const QColor&) {}
};
