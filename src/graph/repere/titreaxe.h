// What an axis and the frame need of an axis title (a label of the text list's kind); kept
// here so that the frame's geometry, drawing and records reach the label through one file.
#pragma once

#include <QString>
#include <memory>

#include "graph/base/GCclasse_base.h"

class QPainter;

// The title's text (empty for no title).
QString TexteTitreAxe(const GCTexte* titre);
// The title's font.
Police FonteTitreAxe(const GCTexte* titre);
// A new title of that text and font, at the default position of the axis.
std::shared_ptr<GCTexte> NouveauTitreAxe(bool horizontal, const Police& fonte, const QString& texte);
// Sets the title's pixel position and draws it there (the label's own drawing).
void DessineTitreAxe(GCTexte* titre, QPainter& peintre, int px, int py);
