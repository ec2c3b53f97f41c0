// The curves of a graph window: one class per family of curve kinds, selected by the kind
// letter. GCCourbe holds what every curve shares (kind, definition texts, parameters a0..a9,
// identifier, drawing attributes, mother and child curves) and is itself the list of points
// (kind L); GCRelNum adds the compiled formulas and the curve's own label; GCY draws the
// curves of one parameter (y=f(x), x=f(y), parametric, polar) and is the base of every
// curve computed over a parameter interval.
//
// Curves live on the heap, held by std::shared_ptr (a curve may stand in several windows'
// lists); the compiled Expression1 of an X or Y curve is registered by address in the table
// of curves callable by name, so a curve is never copied or moved as a value. Derived curves
// keep their mothers' identifiers (Mere1, Mere2), never pointers.
//
// The virtual operations, in this order: Copie, Modifie, Trace, Decrit, Journalise,
// MontreErreurs, and Evalue from GCY on.
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "expression/fonction.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/GCclasse_base.h"

class QPainter;
class GCRepere;
class GCCourbe;
class TraceurCourbe;

using PtrCourbe = std::shared_ptr<GCCourbe>;

// ---------------------------------------------------------------------------------------
// Kind letters

// The letters that name a curve kind: A B C D E G H I J L N O P Q R S T U W X Y.
bool EstGenreCourbe(QChar genre);
// True when the kind letter is one of the letters given ("XY", "BCLW"...).
bool GenreParmi(QChar genre, const char* lettres);
// The type name that descriptions print after the letter ("Fonction numérique y=f(x)"...);
// kind N by its sub-kind; empty for G and for letters that name no kind.
QString NomTypeCourbe(QChar genre, int sousType = 0);
// "Tracé impossible, mère introuvable !"
QString MereIntrouvable();
// Projection-mark captions, codes 0..6 ("Point seul" ... "Origine").
QString NomHachure(int code);

// Pen states of TracePoint and of the point cache's records.
enum EtatStylo : std::uint8_t {
    StyloLeve = 0,     // move: start of a piece, marker drawn
    StyloBaisse = 1,   // line from the previous point
    StyloReprise = 3   // first point after points that could not be computed: move, no marker
};

// The ten parameter texts a0..a9 in the parameters dialog (through etatGraphe().dialogues);
// true when confirmed (the texts are then changed).
bool DialogueParametres(std::array<QString, 10>& parametres);

// ---------------------------------------------------------------------------------------
// Curves callable by name in formulas: the curves of kinds X and Y, under their name,
// through their first formula (GCRelNum::Expression1, whose address the table keeps).

// True for the kinds whose curves are callable by name.
bool GenreAppelable(QChar genre);
// True when the table holds that name (any case) for a formula other than this curve's own
// (courbe null: for any formula).
bool NomPrisAilleurs(const QString& nom, const GCCourbe* courbe = nullptr);
// A curve of a callable kind becomes callable under its name (an entry under that name is
// taken over); nothing for the other kinds.
void InscritNom(GCCourbe& courbe);
// The entry under the curve's name leaves the table when it is this curve's own (the name
// pointing at its own formula): formulas that call it fail from then on. An entry of another
// curve is left alone.
void RetireNomPropre(const GCCourbe& courbe);

class LecteurEnregistrement;

// ---------------------------------------------------------------------------------------

class GCCourbe : public GCBase {
public:
    // Kind L, or the base part of every other kind. The name is "fn" + k for the first k
    // from the curve number up that no curve callable by name uses.
    GCCourbe(QChar genre, int fenetre, int numero);
    ~GCCourbe() override;

    // Like the constructor, then visible, with the model's colour, style, width and a copy
    // of its marker, and a new identifier at once.
    static PtrCourbe CreeComme(const GCCourbe& modele, int fenetre, int numero, QChar genre);

    // --- virtual operations, in their order
    // 0: copies the definition of another curve into this one (the attributes of GCBase,
    // selection cleared; a new identifier from this curve's number and the current time;
    // texts, parameters, Tempo, Batons, Joint, SousType, Hachure, a copy of the marker).
    // The name, the number and the window stay.
    void Copie(const GCBase& source) override;
    // 1: opens the kind's definition dialog (through etatGraphe().dialogues); true when the
    // user confirmed; a new curve then gets its identifier. False when no dialog is installed.
    virtual bool Modifie(bool nouvelle);
    // 2: computes, draws and caches the curve; for kind L, the points of its file with their
    // arrows and labels. Kinds whose tracing is not available say so (once per curve and
    // definition) and draw nothing.
    virtual void Trace(QPainter& peintre, GCRepere& repere);
    // 3: the description lines (appended).
    virtual void Decrit(QStringList& lignes) const;
    // 4: appends the description to JournalCourbes, only when EnregistrementSession is set.
    virtual void Journalise() const;
    // 5: the curve's header and every line of its error file (none when never traced).
    virtual void MontreErreurs(QStringList& lignes) const;

    // --- the kind's own parts of its document record (the record is laid out in
    // GCDessin_fichier.cpp). Every field written ends with ";"; a reader returns false, the
    // reason in lu, when a field it needs cannot be read.
    // Fields of the header line after the identifier.
    virtual void EcritChampsTete(QString& tete) const {}
    virtual bool LitChampsTete(QString& tete, LecteurEnregistrement& lu) { return true; }
    // Two piloting lines follow the header line (L; Q of operation 17).
    virtual bool AvecPilotage() const;
    // The lines between the header (and its piloting lines) and the style line. suite: fields
    // written at the end of the range line, where readers that do not know them pass them
    // over; LitPlage gives back what follows the fields it reads.
    virtual void EcritPlage(QStringList& lignes, const QString& suite) const {}
    virtual bool LitPlage(LecteurEnregistrement& lu, QString& suite) { return true; }
    // Fields of the style line between the joining flag and the marker.
    virtual void EcritChampsStyle(QString& style) const {}
    virtual bool LitChampsStyle(QString& style, LecteurEnregistrement& lu) { return true; }
    // The own label that the record carries after the marker; null for none.
    virtual GCTexte* EtiquetteEnregistree() const { return nullptr; }
    // Where the record puts the label's gaps, side, angle and font: a line of their own after
    // the style line (P, T, X, Y), else the end of the range line (a reader that takes the
    // line after the style line for the texts line must not meet them there).
    virtual bool LigneEtiquette() const { return false; }
    // The texts line: text 1, text 2 and the name, a field each.
    virtual QString LigneTextes() const;
    // Takes it back: the texts (see FixeTextesLus) and the name ("fn" + number when empty).
    virtual void LitLigneTextes(QString ligne);
    // Stores the two texts read, compiling them for the kinds that compile theirs.
    virtual void FixeTextesLus(const QString& texte1, const QString& texte2);
    // The lines after the parameters line (mothers' identifiers).
    virtual void EcritQueue(QStringList& lignes) const {}
    // Reads them; jetable: the curve is a further showing, read only to be dropped.
    virtual bool LitQueue(LecteurEnregistrement& lu, bool jetable) { return true; }
    // The kinds that read a data file (B, C, L, W), which the document carries in a "!"
    // block after their record.
    virtual bool AvecFichierDonnees() const;

    // --- kind L: what dragging a point with the mouse needs
    // The points of the file whose pixel lies within 3 pixels of (mx, my) (strictly inside
    // the 7 x 7 square), one entry each: the line's number in the file (every line counts,
    // empty ones too, from 1) + "\" + the whole line as it stands.
    QStringList PointsProches(const GCRepere& repere, int mx, int my) const;
    // Rewrites the data file with its line n (from 1) replaced by the text; every other line
    // is kept byte for byte, with its own line end. False (the file untouched) with the
    // French reason when the file cannot be read or written or has no such line.
    bool RemplaceLignePoint(int n, const QString& texte, QString* erreur = nullptr);
    // The point of line n moved to the world point (x, y): its coordinates rewritten in the
    // shortest form that reads back the same (r and the angle in degrees in polar
    // coordinates), its arrow prefix and label kept.
    bool DeplacePointListe(int n, double x, double y, QString* erreur = nullptr);

    // --- accessors
    QString Parametre(int i) const;                       // a<i>, i 0..9 ("" outside)
    void FixeParametre(int i, const QString& texte);
    void Libelles(QString& texte1, QString& texte2) const { texte1 = Libelle1; texte2 = Libelle2; }
    // Stores both texts (compiles nothing; GCRelNum::FixeLibelles compiles).
    void FixeLibelles(const QString& texte1, const QString& texte2);
    // The own label of a formula curve follows the identifier.
    virtual void FixeIdentifiant(const QString& identifiant);
    // Number + horodatage(): a fresh identifier for this curve.
    void NouvelIdentifiant();
    QString NomFichier() const { return FichierPoints; }
    void FixeTempo(int tempo) { Tempo = tempo; }
    void FixeBatons(bool batons) { Batons = batons; }
    void FixeSousType(int sousType) { SousType = sousType; }
    void FixeHachure(int hachure) { Hachure = hachure; }
    void ModeTrace(bool& batons, bool& joint) const { batons = Batons; joint = Joint; }
    void FixeModeTrace(bool batons, bool joint) { Batons = batons; Joint = joint; }
    QString Mere(int i) const { return i == 2 ? Mere2 : Mere1; }
    void FixeMere(int i, const QString& identifiant);
    void AjouteFille(PtrCourbe fille) { Filles.push_back(std::move(fille)); }
    // Gives the first child this curve's appearance: sub-kind, projection mark, delay,
    // width, style, index flag, visibility, colour, bars, joining and marker.
    void CopieAspectFille();

    // The two texts as a list shows them: file name only for kinds B, C, L, W; parameter
    // values written into the formulas of the kinds that compile their texts.
    void LibellesAffiches(QString& texte1, QString& texte2) const;
    // Statistics of the point cache (used by text macros): results 0-5 minimum, maximum,
    // mean, standard deviation, variance, median of x; 6-11 the same of y; 12 covariance;
    // 13 correlation; 14 its square; 15-17 t (kinds P, T; else n), x, y of point n (from 1,
    // clipped to the count) when n > 0. False when there are no points, or when the
    // correlation is undefined and no point was asked.
    bool Statistiques(int n, StatistiquesCourbe& resultats) const;
    // The parameter t of the point of the cache whose pixel lies nearest to (px, py) (the
    // first of equally near ones); false when the cache holds no point.
    bool ParametreProche(const GCRepere& repere, int px, int py, double& t) const;

    // Draws every record of the point cache again through TracePoint, with its pen byte;
    // nothing is computed or written. False (nothing drawn) when the cache is missing or
    // damaged: the caller traces the curve again.
    bool RetracePoints(QPainter& peintre, GCRepere& repere);
    // Markers only (pen state 0), 3 pixels wide and at least 3 pixels in size; the width
    // and marker are restored after.
    bool SurlignePoints(QPainter& peintre, GCRepere& repere);

    // Paths of the side files of this curve in the working folder: "f" + window + "crb" +
    // number + extension (".pts", ".err", ".lgd").
    QString CheminFichier(const char* extension) const;

    // A whole-trace refusal (bad formula, bad step, missing file...): one line in the
    // warnings memo at each trace (every paint empties the memo), and the message through
    // the interlocutor once per curve and definition.
    void SignaleRefus(const QString& texte);
    // The mother of this derived curve is gone: "Tracé impossible, mère introuvable !" in
    // the memo at each trace, and in a box the first time only, whatever changes in the
    // definition (the parameter keys change every curve's parameters) until a trace goes
    // through again.
    void SignaleMereIntrouvable();
    // After a trace: the memo's warning of points that could not all be computed; a trace
    // without failure forgets the refusals shown, so that they are shown again when they
    // come back.
    void SignaleErreursCalcul(bool erreurs);
    // Text that changes whenever the definition does (kind, texts, parameters, bounds...).
    virtual QString SignatureDefinition() const;
    // The ten parameter texts evaluated into ValeursParametres (0 for a text that does not
    // evaluate); the error flag is left clear.
    void EvalueParametres() const;

    // --- fields, in declaration order (after those of GCBase: Nom, Visible, Selectionne,
    // HorsIndex, Couleur, Style, Epaisseur)
    int NumeroFenetre;
    QChar TypeCourbe;
    int SousType = 0;
    int Hachure = 0;               // projection mark 0..6
    QString Identifiant;           // changed only through FixeIdentifiant
    QString Libelle1;              // formula; B, C, L, W: path of the data file, as stored
    QString Libelle2;
    // B, C, L, W: the working copy of the data file that the curve's document carried (it
    // may be "mesures~2.txt" when another document of the run carried a "mesures.txt");
    // read when the stored path is not found. Empty when the document carried none.
    QString CopieDonnees;
    // The folder of the document the curve was read from (empty: made in this run). The files
    // its texts name outside that folder and the working folder are written only when the
    // user agrees (EcritureAccordee); a relative name is looked for under it, never in the
    // program's current folder.
    QString DossierDocument;
    QString FichierPoints;         // path of the point cache (plates: the mother's)
    std::array<QString, 10> Parametres;  // a0..a9, expressions, "0" at creation
    int Numero;
    int Tempo = 0;                 // drawing delay per point
    bool Joint = true;
    bool Batons = false;           // bars from the x axis (kind L: polar coordinates)
    QString Mere1, Mere2;          // identifiers of the mother curves
    std::vector<PtrCourbe> Filles; // child curves
    QStringList Pilotage;          // kinds L and Q (operation 17): "aucun", "aucun"
    GCPoint Marqueur;              // marker drawn at every point
    // How many places of the windows' curve lists hold this curve (kept by GCDessin; a copy
    // of the curve starts in none).
    struct CompteEntrees {
        int n = 0;
        CompteEntrees() = default;
        CompteEntrees(const CompteEntrees&) {}
        CompteEntrees& operator=(const CompteEntrees&) { return *this; }
    } EntreesListes;

protected:
    // Description lines 1..7 (number, type, texts, name, parameters).
    void LignesDeBase(QStringList& lignes) const;
    // Journal header (" ", time, number, window, letter) and lines 3..7.
    void LignesJournal(QStringList& lignes) const;
    // The refusal of kinds whose tracing is not available yet.
    void TraceIndisponible();
    // The record's line of the mothers' identifiers (nombre: 1 or 2), and its reading.
    void EcritMeres(QStringList& lignes, int nombre) const;
    bool LitMeres(LecteurEnregistrement& lu, int nombre);
    // The name read from a record: "fn" + number when it is empty.
    void FixeNomLu(const QString& nom);
    // A data file that cannot be read: the refusal, and empty side files.
    void RefusDonnees(QPainter& peintre, GCRepere& repere, const QString& raison);
    // The lines of the data file (B, C, L, W); false after RefusDonnees when it cannot be read.
    bool LignesDonnees(QPainter& peintre, GCRepere& repere, QStringList& lignes);

private:
    QString signatureAvertie_;   // the definition the refusals below were shown for
    QStringList refusMontres_;   // refusals already shown for it
    bool mereIntrouvableMontree_ = false;
};

// ---------------------------------------------------------------------------------------
// Curves defined by formulas

class GCRelNum : public GCCourbe {
public:
    GCRelNum(QChar genre, int fenetre, int numero);
    ~GCRelNum() override;

    // Adds Fleches, ValeursImposees, FichierValeurs (and CheminValeurs) and a copy of the
    // own label, then
    // compiles both texts again.
    void Copie(const GCBase& source) override;

    // Stores both texts, compiles text 1, and text 2 when not empty and text 1 compiled.
    // True when every non-empty text compiled.
    bool FixeLibelles(const QString& texte1, const QString& texte2);
    // Stores and compiles text 1 only.
    bool CompileLibelle1(const QString& texte);
    // How the curve's texts compile: "Y" is the state value 0 for kinds E, H, I, J, N, the
    // variable for the others.
    OptionsCompilation OptionsTextes() const;
    // A copy of compiled text 1 or 2.
    Arbre Expression(int i) const { return i == 2 ? Expression2 : Expression1; }

    // The own label's text ("" when none).
    QString TexteEtiquette() const;
    // True when the own label is drawn: it has a text and the option "Etiquettes des
    // libellés" is on.
    bool EtiquetteDessinee() const;
    // Draws the own label at the point (t, x, y) and appends its legend line; nothing when
    // the label is not drawn.
    void TraceEtiquette(QPainter& peintre, GCRepere& repere, QStringList& legendes, double t, double x,
                        double y);
    // Draws and records one computed point, then the own label at it when it was drawn.
    void PointEtiquete(TraceurCourbe& traceur, QPainter& peintre, GCRepere& repere, double t, double x, double y);

    void FixeIdentifiant(const QString& identifiant) override;
    QString SignatureDefinition() const override;
    void FixeTextesLus(const QString& texte1, const QString& texte2) override;
    GCTexte* EtiquetteEnregistree() const override { return Etiquette.get(); }

    Arbre Expression1;               // Libelle1 compiled (its address is registered for X, Y)
    Arbre Expression2;               // Libelle2 compiled
    bool ValeursImposees = false;    // the parameter values come from FichierValeurs
    int Fleches = 0;                 // arrow heads: 0 none, 1 end, 2 start, 3 both
    QString FichierValeurs;
    // The existing file that FichierValeurs was found to be when a document stored it as a
    // path of another machine or of the document's folder; empty: FichierValeurs itself.
    // Never written: the document keeps its stored text.
    QString CheminValeurs;
    std::unique_ptr<GCTexte> Etiquette;  // own label, never null (FonteDefaut, at "0","0";
                                         // its four curve fields hold the identifier)
};

// ---------------------------------------------------------------------------------------
// Curves of one parameter: Y y=f(x), X x=f(y), T parametric, P polar; base of the curves
// computed over a parameter interval.

class GCY : public GCRelNum {
public:
    GCY(QChar genre, int fenetre, int numero);
    // The model's two texts, ten parameters, Batons and Joint; default bounds; a new
    // identifier.
    static std::shared_ptr<GCY> CreeComme(const GCCourbe& modele, int fenetre, int numero, QChar genre);

    void Copie(const GCBase& source) override;
    bool Modifie(bool nouvelle) override;
    void Trace(QPainter& peintre, GCRepere& repere) override;
    void Decrit(QStringList& lignes) const override;
    void Journalise() const override;
    // 6: Y, O, U: x := t, y := f(t); X: y := t, x := f(t); T: x := f(t), y := g(t); P: rho :=
    // f(t), theta := g(t) (radians). Sets ErreurCalcul on failure. Other kinds leave x, y.
    // Kinds whose own computation is not available yet fail with a French message.
    virtual void Evalue(double t, double& x, double& y) const;
    // True when the points come from this class's own formulas alone (kinds Y, O, U, X, T,
    // P, formulas without calls or random draws): they are then computed by blocks.
    bool EvalueParLots() const;

    void Bornes(QString& xinf, QString& xsup, QString& pas) const { xinf = Xinf; xsup = Xsup; pas = Pas; }
    void FixeBornes(const QString& xinf, const QString& xsup, const QString& pas);
    void FixeIntervalle(const QString& xinf, const QString& xsup) { Xinf = xinf; Xsup = xsup; }
    void FixeAleatoire(bool aleatoire) { Aleatoire = aleatoire; }
    // Registers the curve's name, Libelle1 and Expression1 as a curve callable by name.
    void MemoriseLibelle();
    // Kinds T and P: every t of [Xinf, Xsup] where the curve passes through (a, b), as texts.
    QStringList ResoutParametre(double a, double b) const;

    QString SignatureDefinition() const override;

    // The range line (bounds and step, or the file of imposed values; random flag; arrows),
    // and the line of the own label for P, T, X, Y.
    void EcritPlage(QStringList& lignes, const QString& suite) const override;
    bool LitPlage(LecteurEnregistrement& lu, QString& suite) override;
    bool LigneEtiquette() const override;
    void FixeTextesLus(const QString& texte1, const QString& texte2) override;

    QString Xinf = QStringLiteral("-5");
    QString Xsup = QStringLiteral("5");
    QString Pas = QStringLiteral("0.125");
    bool Aleatoire = false;

protected:
    // Steps of a trace after the formulas are compiled: the step, the side files, the
    // sampling (imposed values, random or regular), the points, the warnings.
    void TraceEchantillons(QPainter& peintre, GCRepere& repere);
    // The value of Pas; false, after the refusal, when it does not evaluate, when it is 0,
    // or when it is negative and negatifAdmis is false.
    bool LitPas(double& pas, bool negatifAdmis);
    // The values of Xinf and Xsup; false, after the refusal, when one does not evaluate.
    bool LitIntervalle(double& xinf, double& xsup);
    // The warning of a trace stopped by the most points one trace computes.
    void AvertitArret();
};

// The sampling of a parameter along a logarithmic axis: once t reaches 10 times the current
// decade (the first positive value reached, to begin with), the step and the decade are
// multiplied by 10. True when they were.
bool PasLogarithmique(double t, double& pas, double& decade);

// ---------------------------------------------------------------------------------------
// The class a kind letter selects, created with its defaults. entier is, by kind: A, I, N
// the sub-kind; D, E, G the order; O, Q, U the operation code; ignored otherwise. Null for a
// letter that names no kind.
PtrCourbe CreeCourbe(QChar genre, int fenetre, int numero, int entier = 0);
// A new curve of the source's class, numbered numero in window numeroFenetre, carrying a copy
// of the source; null for a kind that no class takes (F, K, M, V, or outside A..Y).
PtrCourbe CloneCourbe(const GCCourbe& source, int numero, int numeroFenetre);
