// Areas: sets of pixels of one graph window, computed once into a bitmap of their own and
// laid under the curves when the window is painted.
//
// An inequation area (letter 'A', class GCAire) holds the pixels whose world point satisfies
// every relation of a system typed one relation per line ("x^2+y^2<=1", "y>x"). The same
// base class carries the dynamic-process areas (letters 'J', 'M') and the transformed areas
// (letters 'T', 'P'), which replace its virtual operations and add their own fields, head
// fields and record lines.
//
// Each window owns one GCListAires: its areas in drawing order, their composition into the
// window picture (under the curves), and their "@" records in the document.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "expression/fonction.h"
#include "graph/base/GCaides.h"
#include "graph/base/GCclasse_base.h"
#include "graph/base/etatgraphe.h"
#include "graph/base/listeidentifiants.h"

class GCRepere;

// ---------------------------------------------------------------------------------------
// One relation "left op right", op one of < > <= >=, possibly negated ("x<!y").

enum CodeRelation : std::uint8_t { RelInf = 0, RelSup = 1, RelInfEgal = 2, RelSupEgal = 3 };

class GCIneq {
public:
    GCIneq() = default;

    void FixeRelation(int code) { Relation = static_cast<std::uint8_t>(code & 3); }
    void FixeNegation(bool n) { Negation = n; }
    void FixeExpressions(Arbre gauche, Arbre droite)
    {
        Gauche = std::move(gauche);
        Droite = std::move(droite);
    }

    // The relation at the world point whose evaluation variable is x and whose state value 0
    // (Y, R) is y, for a pixel dx wide and dy high in world units. "<" and ">" test the
    // point alone; "<=" and ">=" also accept the pixel when the relation holds, within
    // Epsilon, at one of two neighbouring samples (half a pixel up-right, one pixel right and
    // half a pixel down), so that thin sets such as y>=x^2 with y<=x^2 show as a line. A
    // sample counts only when both of its sides could be computed. A point where the first
    // sample cannot be computed is outside, negated or not. Writes the calling thread's
    // state value 0 and error flag.
    bool Verifie(double x, double y, double dx, double dy) const;

    std::uint8_t Relation = RelInf;
    bool Negation = false;
    Arbre Gauche, Droite;
};

using ListeIneq = std::vector<std::shared_ptr<GCIneq>>;

// Parses every line into a new relation appended to liste (which is not emptied first).
// A line without "<" or ">" gives "Manque < ou > dans la relation n°" + its number, a side
// that does not compile "Erreur de syntaxe dans la relation n°" + its number (a message box
// through the interlocutor for each faulty line); the other lines are still parsed. "<" is
// looked for first, anywhere in the line; "!" right behind the operator (or behind its "=")
// negates. Both sides are compiled with Y read as state value 0. Returns true when at least
// one line failed.
bool AnalyseInequations(const QStringList& lignes, ListeIneq& liste);

// The most threads an area scan runs on (8; 1 computes on the calling thread alone).
inline int& FilsBalayageMax() { return etatGraphe().FilsBalayageMax; }

// The program-wide scratch list into which the area dialog and the document reader parse
// constraint lines before handing them to an area.
inline ListeIneq& ListeInequations() { return etatGraphe().ListeInequations; }

// An area's identity stamp: its number followed by horodatage().
QString NouvelleEmpreinte(int numero);

// The name check of areas: a name is stored in a one-line record whose fields end with ";".
// False, with the French reason, for a name holding ";" or a line break.
bool NomAireValide(const QString& nom, QString* raison = nullptr);

// Brush styles of the fill, in the order of the dialog's list.
constexpr int NbStylesRemplissage = 8;
// "Plein", "Transparent", "Hachures horizontales", ... "Quadrillage diagonal".
QString NomStyleRemplissage(int style);
// The captions of the copy modes ("DstInvert" ... "SrcPaint"), in index order.
QString NomModeCopie(int mode);

// What the area dialog hands back on confirmation.
struct SaisieAire {
    QString nom;
    bool polaire = false;
    int modeCopie = ModeCopieDefaut;
    TCouleur couleur = 0x00FFFF;
    int style = 0;
    QStringList contraintes;
};

// ---------------------------------------------------------------------------------------
// The base class of every area; itself the inequation area.

class GCAire {
public:
    GCAire(int numero, int numeroFenetre);
    virtual ~GCAire() = default;
    GCAire(const GCAire&) = delete;
    GCAire& operator=(const GCAire&) = delete;

    // --- the five operations of every kind
    // The definition dialog of the kind (through the installed Dialogues); true when the
    // user confirmed.
    virtual bool Modifie(bool nouvelle);
    // Computes the bitmap and the measure on the frame of the area's window.
    virtual void Calcule(const GCRepere& repere);
    // Becomes a copy of the source: new stamp, name ("a" becomes "a" + own number),
    // appearance, polar flag, parameters, constraint texts; the relations are the source's.
    virtual void Copie(const GCAire& source);
    // Description lines for the information viewer.
    virtual void Decrit(QStringList& memo) const;
    // The same into the curve log, when the session is recorded.
    virtual void DecritRapport() const;

    // Transformed areas: the identity stamp of the mother area, and its attachment (the
    // mother's current stamp, colour, constraints, brush and copy mode), after a document
    // was read. Other kinds have no mother.
    virtual QString NomMere() const { return QString(); }
    virtual void FixeMere(const GCAire& mere) {}

    // A new, default area of the same kind (and, for transformed areas, the same
    // transformation), with that number and window: what copies and clones start from.
    virtual std::shared_ptr<GCAire> CreeMemeGenre(int numero, int numeroFenetre) const;

    // --- point test
    // True when the pixel belongs to the area: its world point satisfies every relation
    // (an area without relations holds every pixel).
    bool Contient(const GCRepere& repere, int colonne, int ligne, double ux, double uy) const;
    // The same at a world point.
    bool ContientPoint(double x, double y, double ux, double uy) const;

    // --- what the dialog's confirmation does
    // Refuses a name holding ";" or a line break ("Nom incorrect"), and any constraint line
    // that does not parse (its message); then nothing changes and the result is false.
    // Otherwise stores everything (a new area gets a new stamp), the relations being
    // exactly those of the confirmed lines, and returns true.
    bool ConfirmeSaisie(const SaisieAire& saisie, bool nouvelle);

    // --- fields
    QChar Genre() const { return Genre_; }
    int Numero() const { return Numero_; }
    int NumeroFenetre() const { return NumeroFenetre_; }
    void FixeNumeroFenetre(int n) { NumeroFenetre_ = n; }
    const QString& Nom() const { return Nom_; }
    void FixeNom(const QString& nom) { Nom_ = nom; }
    const QString& Empreinte() const { return Empreinte_; }
    void FixeEmpreinte(const QString& e) { Empreinte_ = e; }
    TCouleur Couleur() const { return Couleur_; }
    void FixeCouleur(TCouleur c) { Couleur_ = c; }
    int StyleRemplissage() const { return Style_; }
    void FixeStyleRemplissage(int s) { Style_ = static_cast<std::uint8_t>(s); }
    int ModeCopie() const { return ModeCopie_; }
    void FixeModeCopie(int m) { ModeCopie_ = m; }
    bool Polaire() const { return Polaire_; }
    void FixePolaire(bool p) { Polaire_ = p; }
    bool Visible() const { return Visible_; }
    void FixeVisible(bool v) { Visible_ = v; }
    const QString& Parametre(int i) const;
    void FixeParametre(int i, const QString& texte);
    const std::array<QString, NbParametres>& Parametres() const { return Parametres_; }
    const QStringList& Contraintes() const { return Contraintes_; }
    void FixeContraintes(const QStringList& lignes) { Contraintes_ = lignes; }
    const ListeIneq& Inequations() const { return Inequations_; }
    // Refers to the relations of the list (shared, not copied).
    void FixeInequations(const ListeIneq& liste) { Inequations_ = liste; }

    // Pixels found by the last computation.
    int NbPixels() const { return NbPixels_; }
    // World area of the pixels found by the last computation, each pixel measured on the
    // frame it was computed on (the mapping's own pixel size).
    double Mesure() const { return Mesure_; }
    // The last computed bitmap: (w + x0 + 1) x (h + y0 + 1) pixels. Inequation and
    // transformed inequation areas keep an 8-bit indexed image, index 1 for the area's pixels
    // and 0 elsewhere (the window colour is given when it is drawn); Julia and Mandelbrot sets
    // and their images keep ARGB32 pixels in the colours of their palette, transparent where
    // the window colour shows. Null before the first computation.
    const QImage& Bitmap() const { return Bitmap_; }
    // True when the last computation was stopped before its end (Échap): the bitmap then
    // holds the rows that were done.
    bool Interrompu() const { return Interrompu_; }
    // The bitmap in colours: the area colour on the given window colour.
    QImage BitmapEnCouleurs(TCouleur fond) const;

    // --- document record hooks (the head line and the lines after the parameter line)
    // Number of head fields between the name and the constraint count (A: 4).
    virtual int NbChampsTete() const { return 4; }
    // Appends those fields, each ended by ";" (A: colour, brush style, copy mode, polar).
    virtual void EcritChampsTete(QString& tete) const;
    // Reads them; problems go to the list (French texts), the field then keeps its value.
    virtual void LitChampsTete(const QStringList& champs, QStringList& problemes);
    // Fields written between the stamp and the name (transformed areas: their code).
    virtual void EcritChampsAvantNom(QString& tete) const {}
    // The lines after the parameter line (A: none).
    virtual void EcritLignesSuite(QStringList& lignes) const {}
    // Reads them from lignes[i...], leaving i after them; false when the file ends first.
    virtual bool LitLignesSuite(const QStringList& lignes, int& i, QStringList& problemes) { return true; }
    // Relations parsed from the constraint lines after reading (A and T).
    virtual bool AnalyseApresLecture() const { return true; }

protected:
    // Sets ValeursParametres from the parameter texts (a text that does not compute gives 0).
    void ChargeParametres() const;

    QChar Genre_ = QLatin1Char('A');
    int Numero_;
    int NumeroFenetre_;
    QString Nom_ = QStringLiteral("a");
    QString Empreinte_;
    QImage Bitmap_;
    bool Polaire_ = false;
    int NbPixels_ = 0;
    double Mesure_ = 0;
    bool Interrompu_ = false;
    TCouleur Couleur_ = 0x00FFFF;  // clYellow
    std::uint8_t Style_ = 0;
    QStringList Contraintes_;
    ListeIneq Inequations_;
    int ModeCopie_ = ModeCopieDefaut;
    std::array<QString, NbParametres> Parametres_;
    bool Visible_ = true;
};

// A new area of the kind of the letter: 'A' an inequation area, 'J' and 'M' Julia and
// Mandelbrot sets, 'T' and 'P' transformed areas (of inequation areas and of those sets),
// the code being their transformation code. Other letters give null.
std::shared_ptr<GCAire> CreeAire(QChar lettre, int numero, int numeroFenetre, int code = 0);

// ---------------------------------------------------------------------------------------
// The areas of one window.

class GCListAires {
public:
    explicit GCListAires(int numeroFenetre = 0) : NumeroFenetre(numeroFenetre) {}

    void Ajoute(std::shared_ptr<GCAire> aire);
    // Removes the first area of that number from this list (the area itself lives on while
    // another window still lists it). Returns the number of areas left.
    int Supprime(int numero);
    std::shared_ptr<GCAire> ChercheNumero(int numero) const;
    std::shared_ptr<GCAire> ChercheEmpreinte(const QString& empreinte) const;
    // The topmost visible area whose last computed bitmap holds that pixel of the window's
    // drawing, or null.
    std::shared_ptr<GCAire> AireSousPixel(int px, int py) const;
    // One chooser item per area whose letter is in lettres: window number, ";", area
    // number, "\A\", name, " : ", first constraint line.
    QStringList RemplitListe(const QString& lettres) const;
    // Lets the user pick an area through choix (caption, items; returns the chosen index,
    // -1 for cancel). None in the list: "Aucune aire dans cette fenêtre!" and null.
    using Choix = std::function<int(const QString& titre, const QStringList& items)>;
    std::shared_ptr<GCAire> Choisit(const QString& lettres, const Choix& choix) const;

    // Computes every visible area on the frame, then composes the window picture at the
    // frame's total size (see Dessine).
    void CalculeTout(const GCRepere& repere, QImage& composition, TCouleur fond,
                     const QImage& imageFond = QImage(), bool etire = false);
    // Composes the window picture: an RGB32 image of that size filled with the window colour,
    // the background picture (stretched to the whole image, or centred), then each visible
    // area in list order: its pixels take its brush (solid, clear or hatched in the area
    // colour, hatch gaps white) and the others the window colour, and the result is combined
    // with the picture by the area's copy mode (the pattern of the pattern modes is white).
    void Dessine(QImage& composition, QSize taille, TCouleur fond,
                 const QImage& imageFond = QImage(), bool etire = false) const;
    // For each area, a line " " and its description.
    void DecritTout(QStringList& memo) const;
    // Copies every area of the source list into new areas of this window (new numbers).
    void CopieDe(const GCListAires& source, int numeroFenetre);

    // Appends the "@" records: a line " ", one record per area, an empty line.
    void Enregistre(QStringList& lignes) const;
    // Reads the "@" record that begins at lignes[i], leaving i on the first line after it.
    // A stamp already in liensDerivees is a further showing of an area read before: the
    // record is read in full and dropped, and "window;stamp" goes to liensAires. Otherwise
    // the stamp joins liensDerivees and the area is appended to this list. Problems are
    // reported in one French message naming the line; what was read is kept. A record of an
    // unknown kind is skipped up to the next "@" line or separator line. Returns false when
    // something could not be read.
    bool LitAire(const QStringList& lignes, int& i, ListeIdentifiants& liensDerivees, QStringList& liensAires);

    int Nombre() const { return static_cast<int>(Aires.size()); }
    bool Vide() const { return Aires.empty(); }

    int NumeroFenetre;
    std::vector<std::shared_ptr<GCAire>> Aires;
};

// The first area with that stamp over every window's list (window order), or null.
std::shared_ptr<GCAire> AireParEmpreinte(const QString& empreinte);
