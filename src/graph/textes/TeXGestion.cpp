#include "graph/textes/TeXGestion.h"

#include <QFontMetrics>
#include <QHash>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "expression/fonction.h"

namespace {

// ---------------------------------------------------------------------------------------
// The "Symbol" font: what each of its character codes shows.

std::array<char16_t, 256> construitTableSymbole()
{
    std::array<char16_t, 256> table{};
    const char16_t majuscules[26] = {
        u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι', u'ϑ', u'Κ', u'Λ', u'Μ',
        u'Ν', u'Ο', u'Π', u'Θ', u'Ρ', u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    const char16_t minuscules[26] = {
        u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι', u'ϕ', u'κ', u'λ', u'μ',
        u'ν', u'ο', u'π', u'θ', u'ρ', u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    for (int i = 0; i < 26; ++i) {
        table['A' + i] = majuscules[i];
        table['a' + i] = minuscules[i];
    }
    const std::pair<int, char16_t> signes[] = {
        {0x22, u'∀'}, {0x24, u'∃'}, {0x27, u'∋'}, {0x2A, u'∗'}, {0x2D, u'−'}, {0x40, u'≅'},
        {0x5C, u'∴'}, {0x5E, u'⊥'}, {0x60, u'‾'}, {0x7E, u'∼'},
        {0xA1, u'ϒ'}, {0xA2, u'′'}, {0xA3, u'≤'}, {0xA4, u'⁄'}, {0xA5, u'∞'}, {0xA6, u'ƒ'},
        {0xA7, u'♣'}, {0xA8, u'♦'}, {0xA9, u'♥'}, {0xAA, u'♠'}, {0xAB, u'↔'}, {0xAC, u'←'},
        {0xAD, u'↑'}, {0xAE, u'→'}, {0xAF, u'↓'}, {0xB2, u'″'}, {0xB3, u'≥'}, {0xB4, u'×'},
        {0xB5, u'∝'}, {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'}, {0xB9, u'≠'}, {0xBA, u'≡'},
        {0xBB, u'≈'}, {0xBC, u'…'}, {0xBF, u'↵'}, {0xC0, u'ℵ'}, {0xC1, u'ℑ'}, {0xC2, u'ℜ'},
        {0xC3, u'℘'}, {0xC4, u'⊗'}, {0xC5, u'⊕'}, {0xC6, u'∅'}, {0xC7, u'∩'}, {0xC8, u'∪'},
        {0xC9, u'⊃'}, {0xCA, u'⊇'}, {0xCB, u'⊄'}, {0xCC, u'⊂'}, {0xCD, u'⊆'}, {0xCE, u'∈'},
        {0xCF, u'∉'}, {0xD0, u'∠'}, {0xD1, u'∇'}, {0xD4, u'™'}, {0xD5, u'∏'}, {0xD6, u'√'},
        {0xD7, u'⋅'}, {0xD9, u'∧'}, {0xDA, u'∨'}, {0xDB, u'⇔'}, {0xDC, u'⇐'}, {0xDD, u'⇑'},
        {0xDE, u'⇒'}, {0xDF, u'⇓'}, {0xE0, u'◊'}, {0xE1, u'〈'}, {0xE2, u'®'}, {0xE3, u'©'},
        {0xE4, u'™'}, {0xE5, u'∑'}, {0xF1, u'〉'}, {0xF2, u'∫'}, {0xF3, u'⌠'}, {0xF5, u'⌡'}};
    for (const auto& [code, signe] : signes)
        table[code] = signe;
    return table;
}

const std::array<char16_t, 256>& tableSymbole()
{
    static const std::array<char16_t, 256> table = construitTableSymbole();
    return table;
}

// ---------------------------------------------------------------------------------------
// Measures of the font in use.

class Metrique {
public:
    Metrique(const QFont& police, const QPaintDevice* appareil)
        : mesures_(police, appareil), symbole_(EstPoliceSymbole(police))
    {
        hauteur = std::max(1, mesures_.height());
        ascent = mesures_.ascent();
        // Raised and lowered groups move by 4 pixels in the usual screen fonts, and by a
        // quarter of a line in larger ones (printing, projection).
        decalage = std::max(4, hauteur / 4);
        unite = std::max(1, hauteur / 16);
        demi = (hauteur + 1) / 2;
        largeursLatin_.fill(-1);
    }

    // What a character shows in this font.
    QString affiche(QStringView caractere) const
    {
        QString texte = caractere.toString();
        if (symbole_)
            for (QChar& c : texte)
                if (c.unicode() < 256 && tableSymbole()[c.unicode()])
                    c = QChar(tableSymbole()[c.unicode()]);
        return texte;
    }

    int largeur(QStringView caractere)
    {
        const char32_t point = caractere.size() == 1 ? caractere[0].unicode()
            : (caractere.size() == 2 && caractere[0].isHighSurrogate()
                  && caractere[1].isLowSurrogate())
                ? QChar::surrogateToUcs4(caractere[0], caractere[1])
                : 0xFFFFFFFF;
        if (point < 256) {
            int& l = largeursLatin_[point];
            if (l < 0)
                l = mesures_.horizontalAdvance(affiche(caractere));
            return l;
        }
        if (point != 0xFFFFFFFF) {
            auto it = largeurs_.constFind(point);
            if (it != largeurs_.constEnd())
                return *it;
            const int l = mesures_.horizontalAdvance(affiche(caractere));
            largeurs_.insert(point, l);
            return l;
        }
        return mesures_.horizontalAdvance(affiche(caractere));
    }

    int hauteur = 1;   // one character cell
    int ascent = 0;    // from the top of a cell to its base line
    int decalage = 4;  // shift of a raised or lowered group
    int unite = 1;     // pixels of the decorations' offsets and strokes
    int demi = 1;      // half a cell, rounded up: where fractions put their bar

private:
    QFontMetrics mesures_;
    bool symbole_;
    std::array<int, 256> largeursLatin_;
    QHash<char32_t, int> largeurs_;
};

// ---------------------------------------------------------------------------------------
// Braces of the whole text, found once.

class Accolades {
public:
    explicit Accolades(const QString& texte) : t(texte), n(int(texte.size()))
    {
        apparie_.assign(n, -1);
        fermante_.assign(n + 1, -1);
        ouvrante_.assign(n + 1, -1);
        std::vector<int> ouvertes;
        for (int i = 0; i < n; ++i) {
            if (t[i] == u'{')
                ouvertes.push_back(i);
            else if (t[i] == u'}' && !ouvertes.empty()) {
                apparie_[ouvertes.back()] = i;
                ouvertes.pop_back();
            }
        }
        for (int i = n - 1; i >= 0; --i) {
            fermante_[i] = t[i] == u'}' ? i : fermante_[i + 1];
            ouvrante_[i] = t[i] == u'{' ? i : ouvrante_[i + 1];
        }
    }

    // The "}" that closes the "{" at `ouverte`, before `fin`: the one that balances it, or
    // else the first "}" after it; -1 when there is none.
    int fermeture(int ouverte, int fin) const
    {
        int j = apparie_[ouverte];
        if (j >= 0 && j < fin)
            return j;
        j = fermante_[ouverte + 1];
        return j >= 0 && j < fin ? j : -1;
    }

    // The first "{" at or after `debut`, before `fin`; -1 when there is none.
    int ouvranteDepuis(int debut, int fin) const
    {
        if (debut >= fin)
            return -1;
        const int k = ouvrante_[debut];
        return k >= 0 && k < fin ? k : -1;
    }

    const QString& t;
    const int n;

private:
    std::vector<int> apparie_, fermante_, ouvrante_;
};

// One character: a code point and the combining marks that follow it.
int longueurCaractere(const QString& t, int i, int fin)
{
    auto point = [&](int j, int& longueur) -> char32_t {
        if (t[j].isHighSurrogate() && j + 1 < fin && t[j + 1].isLowSurrogate()) {
            longueur = 2;
            return QChar::surrogateToUcs4(t[j], t[j + 1]);
        }
        longueur = 1;
        return t[j].unicode();
    };
    int n = 0;
    point(i, n);
    while (i + n < fin) {
        int l = 0;
        const char32_t c = point(i + n, l);
        const auto categorie = QChar::category(c);
        if (categorie != QChar::Mark_NonSpacing && categorie != QChar::Mark_SpacingCombining
            && categorie != QChar::Mark_Enclosing)
            break;
        n += l;
    }
    return n;
}

// A command's name runs from its backslash to its "{": no other backslash in it, and no
// blank except just before the brace. (Otherwise "\bar x et \vec{u}" would take the brace
// of \vec for its own and swallow the text between.)
bool nomDeCommande(const QString& t, int barre, int accolade)
{
    bool blanc = false;
    for (int p = barre + 1; p < accolade; ++p) {
        const QChar c = t[p];
        if (c == u'\\')
            return false;
        if (c.isSpace())
            blanc = true;
        else if (blanc)
            return false;
    }
    return true;
}

// ---------------------------------------------------------------------------------------
// Layout.

// A group's cells, relative to its origin (the top-left corner of its first cell).
struct Boite {
    int largeur = 0;
    int haut = 0;
    int bas = 0;
    void ajoute(int dessus, int dessous)
    {
        haut = std::min(haut, dessus);
        bas = std::max(bas, dessous);
    }
};

class Recepteur {
public:
    virtual ~Recepteur() = default;
    virtual void caractere(QStringView caractere, QPoint cellule, int largeur) = 0;
    virtual void trait(const ElementTeX& trait) = 0;
};

enum class Suite : std::uint8_t { Racine, Exposant, Indice, Decoration, Numerateur, Denominateur };

// A group being laid out.
struct Cadre {
    int pos = 0, fin = 0;  // what remains to scan
    int ox = 0, oy = 0;    // its origin; the pen stands at (ox + x, oy)
    int x = 0;
    Boite boite;
    Suite suite = Suite::Racine;  // what its parent does with it when it ends
    int code = 0;                 // decoration code
    int cle = -1;                 // position of its "{"
    int reprise = 0;              // where its parent goes on
    Boite numerateur;             // denominator: the numerator above it
};

void etendAuxTraits(Boite& boite, int oy, const ElementTeX& trait)
{
    if (trait.genre == ElementTeX::Arc) {
        boite.ajoute(trait.cadre.top() - oy, trait.cadre.top() + trait.cadre.height() - oy);
        return;
    }
    for (const QPoint& p : trait.points)
        boite.ajoute(p.y() - oy, p.y() + 1 - oy);
}

// Lays the text out from (0, 0), with an explicit stack of groups. A fraction places its
// numerator and its denominator by their boxes: those come from `lues` (a first run that
// wrote them in `ecrites`), or a single line's box when unknown. Every character and stroke
// goes to `recepteur`. Stops at the first syntax error and answers false.
bool parcourt(const Accolades& a, Metrique& m, const QHash<int, Boite>* lues,
              QHash<int, Boite>* ecrites, Recepteur* recepteur, Boite* total)
{
    const QString& t = a.t;
    const Boite ligne{0, 0, m.hauteur};
    auto boiteLue = [&](int cle) { return lues ? lues->value(cle, ligne) : ligne; };

    std::vector<Cadre> pile;
    pile.reserve(16);
    Cadre racine;
    racine.fin = a.n;
    racine.boite = ligne;
    pile.push_back(racine);
    if (total)
        *total = ligne;

    // On a syntax error the size is that of what was drawn on the first line of groups.
    auto echec = [&]() {
        if (total) {
            *total = pile.front().boite;
            total->largeur = pile.front().x;
        }
        return false;
    };

    auto empile = [&](Suite suite, int debut, int fin, int ox, int oy, int cle, int code) {
        Cadre c;
        c.pos = debut;
        c.fin = fin;
        c.ox = ox;
        c.oy = oy;
        c.boite = ligne;
        c.suite = suite;
        c.cle = cle;
        c.code = code;
        c.reprise = fin + 1;
        pile.push_back(c);
    };

    while (!pile.empty()) {
        Cadre& c = pile.back();
        if (c.pos >= c.fin) {
            // The group ends: its parent places it.
            const Cadre fini = c;
            pile.pop_back();
            Boite b = fini.boite;
            b.largeur = fini.x;
            if (ecrites && fini.cle >= 0)
                ecrites->insert(fini.cle, b);
            if (pile.empty()) {
                if (total)
                    *total = b;
                return true;
            }
            Cadre& p = pile.back();
            switch (fini.suite) {
            case Suite::Racine:
                break;
            case Suite::Exposant:
            case Suite::Indice: {
                const int dy = fini.suite == Suite::Exposant ? -m.decalage : m.decalage;
                p.boite.ajoute(dy + b.haut, dy + b.bas);
                p.x += b.largeur;
                p.pos = fini.reprise;
                break;
            }
            case Suite::Decoration: {
                p.boite.ajoute(b.haut, b.bas);
                const auto traits = TraitsDecorationTeX(fini.code, QPoint(p.ox + p.x, p.oy),
                                                        b.largeur, b.haut, b.bas, m.unite);
                for (const ElementTeX& trait : traits) {
                    etendAuxTraits(p.boite, p.oy, trait);
                    if (recepteur)
                        recepteur->trait(trait);
                }
                p.x += b.largeur;
                p.pos = fini.reprise;
                break;
            }
            case Suite::Numerateur: {
                // The denominator must follow at once, between braces.
                const int ouverte = fini.reprise;
                if (ouverte >= p.fin || t[ouverte] != u'{')
                    return echec();
                const int fermee = a.fermeture(ouverte, p.fin);
                if (fermee < 0)
                    return echec();
                const int px = p.ox + p.x, py = p.oy;
                empile(Suite::Denominateur, ouverte + 1, fermee, px,
                       py + m.demi - boiteLue(ouverte).haut, ouverte, 0);
                pile.back().numerateur = b;
                break;
            }
            case Suite::Denominateur: {
                const Boite& num = fini.numerateur;
                const int dyNum = -m.demi - (num.bas - m.hauteur);
                const int dyDen = m.demi - b.haut;
                const int barre = m.demi - 1;
                const int largeur = std::max(num.largeur, b.largeur);
                p.boite.ajoute(dyNum + num.haut, dyNum + num.bas);
                p.boite.ajoute(dyDen + b.haut, dyDen + b.bas);
                p.boite.ajoute(barre, barre + 1);
                if (recepteur) {
                    ElementTeX trait;
                    trait.genre = ElementTeX::Trait;
                    trait.points << QPoint(p.ox + p.x, p.oy + barre)
                                 << QPoint(p.ox + p.x + largeur, p.oy + barre);
                    recepteur->trait(trait);
                }
                p.x += largeur;
                p.pos = fini.reprise;
                break;
            }
            }
            continue;
        }

        const QChar ch = t[c.pos];
        // Below the deepest group, mark-up is plain text.
        const bool groupePossible = int(pile.size()) <= ProfondeurAnalyseMax;
        if (ch == u'$') {
            ++c.pos;
        } else if ((ch == u'^' || ch == u'_') && groupePossible) {
            if (c.pos + 1 >= c.fin) {
                ++c.pos;  // at the very end: skipped alone
            } else if (t[c.pos + 1] != u'{') {
                c.pos += 1 + longueurCaractere(t, c.pos + 1, c.fin);  // "x^2" drops "^2"
            } else {
                const int fermee = a.fermeture(c.pos + 1, c.fin);
                if (fermee < 0)
                    return echec();
                const bool haut = ch == u'^';
                const int ox = c.ox + c.x, oy = c.oy + (haut ? -m.decalage : m.decalage);
                const int cle = c.pos + 1;
                empile(haut ? Suite::Exposant : Suite::Indice, cle + 1, fermee, ox, oy, cle, 0);
            }
        } else if (ch == u'\\' && groupePossible) {
            // The "{" is looked for from the fourth character after the backslash, so that
            // a name has at least three letters.
            const int ouverte = a.ouvranteDepuis(c.pos + 4, c.fin);
            const int fermee = ouverte < 0 ? -1 : a.fermeture(ouverte, c.fin);
            const int code = fermee < 0 || !nomDeCommande(t, c.pos, ouverte)
                ? 0
                : CodeCommandeTeX(QStringView(t).mid(c.pos + 1, c.fin - c.pos - 1));
            if (code == 0) {
                ++c.pos;  // the backslash alone is skipped; the name prints as text
            } else if (code == 3) {
                const int ox = c.ox + c.x;
                const int oy = c.oy - m.demi - (boiteLue(ouverte).bas - m.hauteur);
                empile(Suite::Numerateur, ouverte + 1, fermee, ox, oy, ouverte, code);
            } else {
                const int ox = c.ox + c.x, oy = c.oy;
                empile(Suite::Decoration, ouverte + 1, fermee, ox, oy, ouverte, code);
            }
        } else {
            const int longueur = longueurCaractere(t, c.pos, c.fin);
            const QStringView caractere = QStringView(t).mid(c.pos, longueur);
            const int largeur = m.largeur(caractere);
            if (recepteur)
                recepteur->caractere(caractere, QPoint(c.ox + c.x, c.oy), largeur);
            c.x += largeur;
            c.pos += longueur;
        }
    }
    return true;
}

// Lays out `texte`; a text with commands is measured first, so that fractions know the
// boxes of their parts.
bool metEnPage(const QString& texte, Metrique& m, Recepteur* recepteur, Boite* total)
{
    const Accolades a(texte);
    QHash<int, Boite> boites;
    if (texte.contains(u'\\')) {
        if (!recepteur)
            return parcourt(a, m, nullptr, &boites, nullptr, total);
        parcourt(a, m, nullptr, &boites, nullptr, nullptr);
    }
    return parcourt(a, m, &boites, nullptr, recepteur, total);
}

BoiteTeX versBoiteTeX(const Boite& b, const Metrique& m)
{
    return BoiteTeX{b.largeur, m.ascent - b.haut, b.bas - m.ascent};
}

// ---------------------------------------------------------------------------------------
// Receivers.

class Enregistreur : public Recepteur {
public:
    explicit Enregistreur(const Metrique& m, QList<ElementTeX>& elements)
        : m_(m), elements_(elements)
    {
    }
    void caractere(QStringView caractere, QPoint cellule, int largeur) override
    {
        ElementTeX e;
        e.genre = ElementTeX::Caractere;
        e.texte = m_.affiche(caractere);
        e.position = cellule;
        e.largeur = largeur;
        elements_.append(e);
    }
    void trait(const ElementTeX& trait) override { elements_.append(trait); }

private:
    const Metrique& m_;
    QList<ElementTeX>& elements_;
};

class Peintre : public Recepteur {
public:
    Peintre(QPainter& canvas, const Metrique& m, const QColor& couleur)
        : canvas_(canvas), m_(m), plumeTraits_(canvas.pen()), plumeTexte_(canvas.pen())
    {
        if (couleur.isValid())
            plumeTexte_.setColor(couleur);
        if (plumeTraits_.width() < m.unite)
            plumeTraits_.setWidth(m.unite);
        // Characters outside the device are not drawn: a very long label costs only
        // what shows.
        const QPaintDevice* appareil = canvas.device();
        if (appareil && appareil->devType() != QInternal::Picture && appareil->width() > 0
            && appareil->height() > 0) {
            bool inversible = false;
            const QTransform inverse = canvas.combinedTransform().inverted(&inversible);
            if (inversible) {
                visible_ = inverse.mapRect(QRectF(0, 0, appareil->width(), appareil->height()));
                const qreal marge = m.hauteur;
                visible_.adjust(-marge, -marge, marge, marge);
                coupe_ = true;
            }
        }
    }
    void caractere(QStringView caractere, QPoint cellule, int largeur) override
    {
        if (coupe_
            && !visible_.intersects(QRectF(cellule.x(), cellule.y(), std::max(largeur, 1),
                                           m_.hauteur)))
            return;
        if (!texte_) {
            canvas_.setPen(plumeTexte_);
            texte_ = true;
        }
        canvas_.drawText(QPointF(cellule.x(), cellule.y() + m_.ascent), m_.affiche(caractere));
    }
    void trait(const ElementTeX& trait) override
    {
        if (texte_) {
            canvas_.setPen(plumeTraits_);
            texte_ = false;
        }
        if (trait.genre == ElementTeX::Arc)
            canvas_.drawArc(trait.cadre, 0, 180 * 16);
        else
            canvas_.drawPolyline(trait.points);
    }

private:
    QPainter& canvas_;
    const Metrique& m_;
    QPen plumeTraits_, plumeTexte_;
    bool texte_ = false;
    bool coupe_ = false;
    QRectF visible_;
};

}  // namespace

// ---------------------------------------------------------------------------------------

int CodeCommandeTeX(QStringView nom)
{
    if (nom.isEmpty())
        return 0;
    switch (nom[0].unicode()) {
    case u'a': return 1;
    case u'b': return 2;
    case u'f': return 3;
    case u'h': return 4;
    case u'o': return nom.size() > 4 && nom[4] == u'l' ? 5 : 6;
    case u't': return 7;
    case u'u': return 8;
    case u'v': return 9;
    default: return 0;
    }
}

QList<ElementTeX> TraitsDecorationTeX(int code, QPoint plume, int largeur, int haut, int bas, int unite)
{
    QList<ElementTeX> traits;
    const int x = plume.x();
    const int dessus = plume.y() + haut;  // top of the argument's cells
    const int u = std::max(1, unite);
    auto ligne = [&](std::initializer_list<QPoint> points) {
        ElementTeX e;
        e.genre = ElementTeX::Trait;
        for (const QPoint& p : points)
            e.points << p;
        traits.append(e);
    };
    switch (code) {
    case 1: {  // arc bulging over the argument
        ElementTeX e;
        e.genre = ElementTeX::Arc;
        e.cadre = QRect(x, dessus - 5 * u, largeur, 6 * u);
        traits.append(e);
        break;
    }
    case 2:
    case 5:  // bar
        ligne({QPoint(x, dessus - 2 * u), QPoint(x + largeur, dessus - 2 * u)});
        break;
    case 4:  // hat
        ligne({QPoint(x, dessus - 2 * u), QPoint(x + int(std::nearbyint(largeur / 2.0)), dessus - 5 * u),
               QPoint(x + largeur, dessus - 2 * u)});
        break;
    case 6:
    case 9:  // arrow: a bar and its head at the right end
        ligne({QPoint(x, dessus - 2 * u), QPoint(x + largeur, dessus - 2 * u)});
        ligne({QPoint(x + largeur - 2 * u, dessus - 5 * u), QPoint(x + largeur, dessus - 2 * u),
               QPoint(x + largeur - 2 * u, dessus + 2 * u)});
        break;
    case 8: {  // underline
        const int y = plume.y() + bas + u;
        ligne({QPoint(x, y), QPoint(x + largeur, y)});
        break;
    }
    default:  // 7: the argument alone
        break;
    }
    return traits;
}

void DessineDecorationTeX(int code, QPoint plume, int largeur, int haut, int bas,
                          QPainter& canvas, int unite)
{
    for (const ElementTeX& trait : TraitsDecorationTeX(code, plume, largeur, haut, bas, unite)) {
        if (trait.genre == ElementTeX::Arc)
            canvas.drawArc(trait.cadre, 0, 180 * 16);
        else
            canvas.drawPolyline(trait.points);
    }
}

bool EstPoliceSymbole(const QFont& police)
{
    return police.family().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

QString TexteSymbole(const QString& texte)
{
    QString resultat = texte;
    for (QChar& c : resultat)
        if (c.unicode() < 256 && tableSymbole()[c.unicode()])
            c = QChar(tableSymbole()[c.unicode()]);
    return resultat;
}

bool DessineTeX(int x, int y, const QString& texte, int angle, const QColor& couleur,
                QPainter& canvas)
{
    if (!canvas.isActive()) {
        Metrique m(QFont(), nullptr);
        return metEnPage(texte, m, nullptr, nullptr);
    }
    Metrique m(canvas.font(), canvas.device());
    canvas.save();
    canvas.translate(x, y);
    if (angle % 3600 != 0)
        canvas.rotate(-angle / 10.0);  // counter-clockwise on the screen
    Peintre peintre(canvas, m, couleur);
    const bool valide = metEnPage(texte, m, &peintre, nullptr);
    canvas.restore();
    return valide;
}

MiseEnPageTeX MetEnPageTeX(const QString& texte, const QFont& police, QPaintDevice* appareil)
{
    Metrique m(police, appareil);
    MiseEnPageTeX resultat;
    Enregistreur enregistreur(m, resultat.elements);
    Boite total;
    resultat.valide = metEnPage(texte, m, &enregistreur, &total);
    resultat.boite = versBoiteTeX(total, m);
    resultat.ligneDeBase = m.ascent;
    resultat.hauteurCellule = m.hauteur;
    return resultat;
}

BoiteTeX MesureTeX(const QString& texte, const QFont& police, QPaintDevice* appareil)
{
    Metrique m(police, appareil);
    Boite total;
    metEnPage(texte, m, nullptr, &total);
    return versBoiteTeX(total, m);
}
