// Free texts of a graph window (labels), the list that holds them, and the & macros that
// put live values into a label each time it is drawn. Axis titles and the own labels of
// curves are labels of the same kind.
//
// A label stands either at a world position, two expressions that follow the frame when it
// is zoomed or moved, or at a fixed pixel position. Its text is written in the label syntax
// of the renderer (TeXGestion.h).
#pragma once

#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <vector>

#include "graph/base/GCclasse_base.h"
#include "graph/base/etatgraphe.h"

class QPainter;
class GCRepere;

// ---------------------------------------------------------------------------------------
// What the statistics, point, area and definition macros need of the curves and areas of
// every window. The default source (sourceMacrosFenetres) looks through the curve and area
// lists of every window (etatGraphe().dessins and .aires); tests install a scripted one.

// The eighteen results of a curve's statistics: minimum, maximum, mean, standard deviation,
// variance and median of x (0-5), the same of y (6-11), covariance (12), correlation (13),
// its square (14), then the number (or parameter t), x and y of the point asked for (15-17).
using StatistiquesCourbe = std::array<double, 18>;

class SourceMacros {
public:
    virtual ~SourceMacros() = default;
    // The statistics of the curve of that identifier (looked up in every window, the last
    // window first) for point n (0: no point). False when no curve has that identifier;
    // otherwise true, with reussi the statistics routine's own result and nombre the count
    // of points in the curve's point cache.
    virtual bool statistiques(const QString& identifiant, int n, StatistiquesCourbe& r,
                              bool& reussi, int& nombre) = 0;
    // The measure of the area whose stamp this is (in any window); else the area value kept
    // by the curve of that identifier. False when neither exists.
    virtual bool aire(const QString& empreinte, double& valeur) = 0;
    // The two definition texts, as a list shows them, of the curve of that identifier.
    // False when no curve has that identifier.
    virtual bool libelles(const QString& identifiant, QString& texte1, QString& texte2) = 0;
};

// The source in place (etatGraphe().sourceMacros), else the default one.
SourceMacros* sourceMacros();
// The default source: curves found by identifier in every window's list, the last window
// first; areas by stamp in every window.
SourceMacros* sourceMacrosFenetres();

// ---------------------------------------------------------------------------------------
// One label.

class GCTexte : public GCBase {
public:
    // A label at a world position (estExpression: texteX and texteY are expressions) or at
    // a pixel position (the two texts are whole numbers; one that is not gives 1). The font
    // is copied. The four curve identifiers are empty, NoPoint 1.
    GCTexte(int numero, const QString& texteX, const QString& texteY, bool estExpression,
            const Police& fonte);

    // The text in the label syntax. Line breaks become blanks (the document keeps one line
    // per field).
    const QString& GetTexte() const { return Texte_; }
    void SetTexte(const QString& texte);
    const Police& GetFonte() const { return Fonte_; }
    void SetFonte(const Police& fonte) { Fonte_ = fonte; }
    // Tenths of a degree, counter-clockwise, always within 0..3599 (any whole value given
    // is brought into that range: -450 is 3150).
    int GetOrientation() const { return Orientation_; }
    void SetOrientation(int dixiemesDeDegre);
    static int NormaliseOrientation(int dixiemesDeDegre);

    bool EstExpression() const { return EstExpression_; }
    // Both expressions evaluated (EvalueTexte); false when either does not evaluate (its
    // value is then 0). For a pixel label: false, x = y = 0.
    bool GetPositionMonde(double& x, double& y) const;
    void GetPositionPixel(int& px, int& py) const { px = PixelX_; py = PixelY_; }
    // The pixel where the label is drawn in that frame: the evaluated world position mapped,
    // or the pixel position. False when a world expression does not evaluate (the label
    // then goes where the values returned map).
    bool PositionEcran(const GCRepere& repere, int& px, int& py) const;
    // Makes the label a pixel label at (px, py).
    void SetPositionPixel(int px, int py);
    // The two expressions, or the two integers as decimal texts.
    void GetPositionTextes(QString& tx, QString& ty) const;
    // A new position in the same two forms as the constructor.
    void SetPosition(const QString& texteX, const QString& texteY, bool estExpression);

    // Font, orientation, text, NoPoint, EcartX, EcartY, ADroite and the four curve
    // identifiers (the attributes of GCBase go with the virtual Copie).
    void CopieTexte(const GCTexte& source);

    // The text with every & macro replaced by its current value.
    QString TexteAffiche() const;
    void RemplaceMacros(QString& texte) const;

    // Draws the label with the top-left corner of its first character at (px, py), in its
    // font scaled by FacteurEchelle and turned by its orientation, in its font colour.
    // Nothing when not Visible. A text that breaks the label syntax is drawn up to the
    // fault and reported once (until the text changes) through the interlocutor: a line of
    // the warnings memo and the message "erreur de syntaxe", which the interlocutor queues
    // while painting. Returns false on such a fault. The painter's state is restored.
    bool Dessine(int px, int py, QPainter& canvas) const;

    // Opens the text dialog (through the installed Dialogues); true when confirmed.
    bool Modifie(bool nouveau = false);

    int Numero = 0;            // the label's number in its window
    QString CourbePoint;       // curve whose point &num, &abs, &ord show
    QString CourbeStat;        // curve whose statistics the statistics macros show
    QString Aire;              // area stamp (or curve identifier) of &aire0
    QString CourbeLib;         // curve whose definition texts &lib1, &lib2 show
    int NoPoint = 1;           // point shown by &num, &abs, &ord
    int EcartX = 3;            // own label of a curve: gap to its point, pixels
    int EcartY = 0;
    bool ADroite = true;       // own label of a curve: to the right of its point

private:
    QString Texte_;
    Police Fonte_;
    int Orientation_ = 0;
    bool EstExpression_ = true;
    QString ExprX_, ExprY_;    // world position (EstExpression)
    int PixelX_ = 1, PixelY_ = 1;  // pixel position (otherwise)
    mutable QString texteSignale_;  // the text whose syntax fault was last reported
    mutable bool faute_ = false;
    mutable QString positionSignalee_;  // the position whose fault was last reported

    friend class GCListTextes;
};

// ---------------------------------------------------------------------------------------
// The labels of one window, in drawing order. The list owns them.

// The PSTricks colour command of a named colour of the toolkit ("\\red"...), or empty.
QString NomCouleurPSTricks(TCouleur couleur);

class GCListTextes {
public:
    GCListTextes() = default;
    GCListTextes(const GCListTextes&) = delete;
    GCListTextes& operator=(const GCListTextes&) = delete;

    void AjouteTexte(std::unique_ptr<GCTexte> texte);
    // Removes that label from the list and frees it; false when it is not in the list.
    bool RetireTexte(const GCTexte* texte);
    // The label of that number (the last one when several), or null.
    GCTexte* TexteDuNumero(int n) const;
    // The label whose text is exactly t (the last one), or null.
    GCTexte* TexteDuContenu(const QString& t) const;

    int Nombre() const { return int(textes_.size()); }
    GCTexte* Texte(int i) const { return textes_[std::size_t(i)].get(); }
    const std::vector<std::unique_ptr<GCTexte>>& Textes() const { return textes_; }

    // One chooser entry per label: number "(" x ";" y ") : " text.
    QStringList ListeTextes() const;

    // The two-list chooser, which only the dialogs layer can show: the entries chosen, none
    // when cancelled.
    struct DemandeChoix {
        QString titre;          // caption
        QString disponibles;    // captions of both lists
        QString selectionnes;
        QString libelle;        // between the lists
        QStringList entrees;
    };
    using Choix = std::function<QStringList(const DemandeChoix&)>;
    // "Choix d'un ou plusieurs textes" on the entries of ListeTextes, with that title between
    // the lists. No label: "Aucun texte dans cette fenêtre!" and false. True with the
    // entries chosen in choisis when at least one was chosen.
    bool ChoisitTextes(const QString& titre, const Choix& choix, QStringList& choisis) const;
    // The label of a chooser entry (by the number before its "("), or null.
    GCTexte* TexteDeChoix(const QString& entree) const;

    // Every visible label in list order: world labels at the pixel of their evaluated
    // position, pixel labels at their two integers. A world position that does not evaluate
    // is reported once (a line of the warnings memo) until it changes.
    void Dessine(const GCRepere& repere, QPainter& canvas) const;

    // The document lines: one line " ", then three lines per label.
    void Sauve(QStringList& lignes) const;

    // PSTricks lines of the visible labels, positions measured from (x0, y0) (as logarithms
    // of ratios along a logarithmic axis) in fixed point; pixel labels are placed through the
    // frame; texts escaped for LaTeX (graph/export/pstricks.h).
    void ExportePSTricks(QStringList& lignes, double x0, double y0, const GCRepere& repere) const;

private:
    std::vector<std::unique_ptr<GCTexte>> textes_;
};

// ---------------------------------------------------------------------------------------
// Document records of labels.

// The three lines of one label's record (the first begins with "§").
QStringList LignesTexte(const GCTexte& texte);

// Reads one label's record from lignes[i] (a line beginning with "§") and leaves i on the
// first line after it. The label takes the next text number (CompteurTextes). A field
// that cannot be read keeps its default and is listed, in French, in problemes; a record
// cut short (missing lines) gives a label from what was there. Never null.
std::unique_ptr<GCTexte> LitTexte(const QStringList& lignes, int& i, QStringList& problemes);

// Labels are numbered from this program-wide counter (the next label takes ++CompteurTextes).
inline int& CompteurTextes() { return etatGraphe().CompteurTextes; }

// The curve number of a curve chooser entry ("window;curve\letter : ..."): the digits after
// the first ";" and before the first "\". -1 when the entry holds none ("Non", empty).
int NumeroCourbeDeChoix(const QString& entree);
