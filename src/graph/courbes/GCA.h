#pragma once

#include "graph/courbes/GCCourbe.h"

// A: polygonal plate, the polygon of a mother curve's points, closed on its first point
// (sub-kind 0), on the x axis (1) or on the origin (2). It fills a bitmap of the painter's
// size, of the background colour elsewhere, which is copied onto the picture by the plate's
// raster operation (ModeCopie), so that overlapping plates and curves combine.
class GCA : public GCCourbe {
public:
    GCA(QChar genre, int fenetre, int numero);
    void Copie(const GCBase& source) override;
    // On a white background.
    void Trace(QPainter& peintre, GCRepere& repere) override;
    // Only when visible and with a mother: the mother is found by identifier in every window
    // (traced first, unseen, when it has no point cache; none: "Tracé impossible, mère
    // introuvable !"); the texts say what the plate is; the polygon of the mother's records
    // is drawn and measured (Mesure: the area of the polygon; 0 with fewer than two
    // records, when nothing is drawn).
    void TracePlaque(QPainter& peintre, GCRepere& repere, TCouleur fond);
    // The plate's mother: its identifier, point cache, parameters and width.
    void FixeMere(const GCCourbe& mere);
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    void FixeStyleRemplissage(int style) { StyleRemplissage = style; }
    // A code outside 0..12 becomes the default (8).
    void FixeModeCopie(int mode);
    QString SignatureDefinition() const override;
    // Record: the sub-kind in the header; brush and copy mode in the style line; the
    // mother's identifier.
    void EcritChampsTete(QString& tete) const override;
    bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) override;
    void EcritChampsStyle(QString& style) const override;
    bool LitChampsStyle(QString& style, LecteurEnregistrement& lu) override;
    void EcritQueue(QStringList& lignes) const override { EcritMeres(lignes, 1); }
    bool LitQueue(LecteurEnregistrement& lu, bool) override { return LitMeres(lu, 1); }

    double Mesure = 0;          // area of the polygon
    int StyleRemplissage = 7;   // brush style of the fill
    int ModeCopie = 8;          // raster operation of the copy onto the window
};
