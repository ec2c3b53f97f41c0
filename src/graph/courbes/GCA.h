#pragma once

#include "graph/courbes/GCCourbe.h"

// A: polygonal plate on a mother curve's points.
class GCA : public GCCourbe {
public:
    GCA(QChar genre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void FixeStyleRemplissage(int style) { StyleRemplissage = style; }
    // A code outside 0..12 becomes the default (8).
    void FixeModeCopie(int mode);
    QString SignatureDefinition() const override;

    double Mesure = 0;          // area of the polygon
    int StyleRemplissage = 7;   // brush style of the fill
    int ModeCopie = 8;          // raster operation of the copy onto the window
};
