// One graph window's document as a value below the widgets: its frame, curves (polygonal
// plates among them), areas, texts, auxiliary functions F0..F9 and the window attributes
// that its file keeps (background colour, picture or areas, comment, menu file, title,
// geometry); and the one routine that paints the whole picture.
//
// Dessine is the entry point for every picture of a document. The graph window paints its
// paint box and its back buffer through it; picture export (JPEG, BMP, WMF, clipboard),
// the PSTricks document, printing and "zoom into a new window" draw through it as well, so
// that they agree with the screen. Only the device, its size and the options differ:
//
//     GCDocument& doc = fenetre.Document();
//     QImage image(taille, QImage::Format_RGB32);
//     QPainter peintre(&image);
//     doc.Dessine(peintre, taille);
//
// Painting recomputes every curve (and rewrites its point cache) and compiles F0..F9 into
// the program-wide table; messages raised meanwhile go through the interlocutor, so a
// caller that paints from a paint event queues them (see InterlocuteurPeinture). Area scans
// and curve traces ask etatGraphe().suivi whether to go on.
//
// The document file's reader and writer (graph/document/document.h) work on
// Modele(): the same objects.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <array>

#include "graph/aires/GCAire.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/GCDessin.h"
#include "graph/document/document.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

class QPainter;

struct OptionsDessin {
    // Fenetre: as the window's paint box is painted. Background mode 0 fills the window
    // colour; modes 1 and 2 show the background layer (colour, picture, areas) of the last
    // paint, computed again when AiresARecalculer is set and composed again from the areas'
    // bitmaps when the size changed.
    // Tampon: as the back buffer is drawn (parameter keys and variation, dragging): the
    // colour and, in mode 1, the picture; every area computed again; never the
    // layer of the last paint.
    enum Mode { Fenetre, Tampon };
    Mode mode = Fenetre;
    // Tampon only: over what the device already shows (the previous steps of a variation
    // stay): no background, and of the areas only their own pixels.
    bool garde = false;
    // The texts last, over everything (the back buffer leaves them to the caller).
    bool textes = true;
};

class GCDocument {
public:
    // Empty: white background, F0..F9 unused, the frame of a new window of that client size.
    GCDocument(int numero, int largeur, int hauteur);
    // The names of its curves that no other document lists are no longer callable.
    ~GCDocument();
    GCDocument(const GCDocument&) = delete;
    GCDocument& operator=(const GCDocument&) = delete;

    int Numero() const { return Numero_; }

    // Paints the whole picture on a device of that size: the background (colour, picture or
    // areas), the frame and the curves (the plates in their place, on the window colour),
    // then the texts. The frame is sized to it and its hit index emptied first. True when an
    // area computation or a curve's trace was stopped before its end (etatGraphe().suivi
    // said so): the caller may compute the areas again with CalculeAires (those whose
    // Interrompu() is set) and paint again.
    bool Dessine(QPainter& peintre, QSize taille, const OptionsDessin& options = {});
    // Computes every visible area on the frame into the background layer at that size;
    // true when a computation was stopped before its end.
    bool CalculeAires(QSize taille);
    // The background layer of the last paint (modes 1 and 2); null before the first one.
    const QImage& CoucheFond() const { return coucheFond_; }

    // F0..F9 compiled into the program-wide table; a text that does not compile says so
    // ("La fonction auxiliaire f<i> n'a pas pu être compilée!") and leaves its slot empty.
    void CompileFonctionsAux() const;

    // The objects, as the reader, the writer and the window's commands see them.
    ModeleDocument Modele() { return {Numero_, Fenetre, Repere, Dessin, Textes, Aires, FonctionsAux}; }

    FenetreDocument Fenetre;
    GCRepere Repere;
    GCDessin Dessin;
    GCListTextes Textes;
    GCListAires Aires;
    std::array<QString, 10> FonctionsAux;   // "0" when unused
    // The next paint in background mode 1 or 2 computes the areas again (after a change of
    // areas, frame, size or colour).
    bool AiresARecalculer = false;

private:
    void composeCouche(QSize taille);
    // The layer brought to that size: what it lacks takes the window colour.
    void ajusteCouche(QSize taille);
    void dessineFond(QPainter& peintre, QSize taille, const OptionsDessin& options, bool& interrompu);

    int Numero_;
    QImage coucheFond_;
};
