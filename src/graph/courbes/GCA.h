#pragma once

#include <memory>
#include <vector>

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

// The polygonal plates of one window, which its back buffer draws under the frame and the
// curves. Plates are not built yet: the list stays empty.
class GCListPlaq {
public:
    int Nombre() const { return int(Plaques.size()); }
    bool Vide() const { return Plaques.empty(); }
    // Each plate in list order.
    void Trace(QPainter& peintre, GCRepere& repere);

    std::vector<std::shared_ptr<GCA>> Plaques;
};
