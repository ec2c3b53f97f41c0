#include "graph/export/pstricks.h"

#include <QFile>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/lignespoints.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/document/GCDocument.h"
#include "graph/export/imagefichier.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "graph/repere/titreaxe.h"
#include "graph/textes/GCTexte.h"

QString NombreTeX(double v, int decimales)
{
    if (!std::isfinite(v))
        return QStringLiteral("0");
    char tampon[400];
    const auto r = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::fixed,
                                 std::clamp(decimales, 0, 17));
    if (r.ec != std::errc())
        return QStringLiteral("0");
    QString t = QString::fromLatin1(tampon, int(r.ptr - tampon));
    if (t.contains(QLatin1Char('.'))) {
        while (t.endsWith(QLatin1Char('0')))
            t.chop(1);
        if (t.endsWith(QLatin1Char('.')))
            t.chop(1);
    }
    if (t == QLatin1String("-0") || t.isEmpty())
        t = QStringLiteral("0");
    return t;
}

QString EchappeTeX(QString texte)
{
    QString sortie;
    sortie.reserve(texte.size());
    for (QChar c : texte) {
        if (c == QLatin1Char('%') || c == QLatin1Char('&') || c == QLatin1Char('#'))
            sortie += QLatin1Char('\\');
        sortie += c;
    }
    return sortie;
}

QString TexteLaTeX(const QString& texte)
{
    return EchappeTeX(texte).replace(QChar(0x03C0), QLatin1String("$\\pi$"));
}

int DecimalesTeX(double taille)
{
    if (!(taille > 0) || !std::isfinite(taille))
        return 7;
    return std::clamp(6 - int(std::floor(std::log10(taille))), 0, 16);
}

namespace {

// Decimals that keep about six significant figures of a quantity of that size.
int DecimalesPour(double taille)
{
    return DecimalesTeX(taille) - 1;
}

QString Rvb(TCouleur couleur)
{
    const QColor c = VersQColor(couleur);
    return NombreTeX(c.red() / 255.0, 4) + QLatin1Char(' ') + NombreTeX(c.green() / 255.0, 4) + QLatin1Char(' ') +
           NombreTeX(c.blue() / 255.0, 4);
}

QString StyleLigne(int style)
{
    if (style == 1)
        return QStringLiteral("dashed");
    if (style >= 2 && style <= 4)
        return QStringLiteral("dotted");
    return QStringLiteral("solid");
}

// The mapping of one export: world points to the picture's coordinates, measured from the
// lower-left corner of the window, and the box around it where lines are cut.
class Cadre {
public:
    explicit Cadre(const GCRepere& r) : r_(r)
    {
        double x1, y1, x2, y2;
        vers(r.AxeX.Min, r.AxeY.Min, x1, y1, false);
        vers(r.AxeX.Max, r.AxeY.Max, x2, y2, false);
        u0_ = x1, v0_ = y1;
        lx = x2 - x1, ly = y2 - y1;
        valide = std::isfinite(lx) && std::isfinite(ly) && lx > 0 && ly > 0;
        decX_ = DecimalesTeX(lx);
        decY_ = DecimalesTeX(ly);
        FixeCentimetres(r.LargeurTotale * 9.0 / 512.0, r.HauteurTotale * 9.0 / 512.0);
    }

    // Sets the size of the picture (cm), and so the box: ten times the window's size on each
    // side, or less where that would come near TeX's largest dimension (575 cm).
    void FixeCentimetres(double largeur, double hauteur)
    {
        const double k = std::min(10.0, 400.0 / std::max({largeur, hauteur, 1e-9}));
        boite_[0] = -k * lx, boite_[1] = (1 + k) * lx;
        boite_[2] = -k * ly, boite_[3] = (1 + k) * ly;
    }

    // The picture's coordinates of a world point (from the window's corner); false when the
    // point has none (not finite, not positive on a logarithmic axis...).
    bool point(double x, double y, double& u, double& v) const
    {
        if (!vers(x, y, u, v, true))
            return false;
        u -= u0_, v -= v0_;
        return std::isfinite(u) && std::isfinite(v);
    }
    // One coordinate alone, the other taken at the window's minimum.
    double abscisse(double x) const
    {
        double u = 0, v = 0;
        return point(x, r_.AxeY.Min, u, v) ? u : NAN;
    }
    double ordonnee(double y) const
    {
        double u = 0, v = 0;
        return point(r_.AxeX.Min, y, u, v) ? v : NAN;
    }
    // The picture's coordinates of a pixel of the frame.
    void pixel(int px, int py, double& u, double& v) const
    {
        double x = 0, y = 0;
        r_.PixelVersMonde(px, py, x, y);
        if (!point(x, y, u, v))
            u = v = 0;
    }
    // Picture units per pixel along each axis.
    double parPixelX() const { return lx / std::max(1, r_.LargeurTrace); }
    double parPixelY() const { return ly / std::max(1, r_.HauteurTrace); }

    QString x(double u) const { return NombreTeX(u, decX_); }
    QString y(double v) const { return NombreTeX(v, decY_); }
    QString texte(double u, double v) const { return QLatin1Char('(') + x(u) + QLatin1Char(',') + y(v) + QLatin1Char(')'); }

    bool dansBoite(double u, double v) const
    {
        return u >= boite_[0] && u <= boite_[1] && v >= boite_[2] && v <= boite_[3];
    }
    // The segment cut to the box (Liang and Barsky); false when nothing of it lies inside.
    bool coupe(double& u1, double& v1, double& u2, double& v2) const
    {
        const double du = u2 - u1, dv = v2 - v1;
        double t0 = 0, t1 = 1;
        const double p[4] = {-du, du, -dv, dv};
        const double q[4] = {u1 - boite_[0], boite_[1] - u1, v1 - boite_[2], boite_[3] - v1};
        for (int i = 0; i < 4; ++i) {
            if (p[i] == 0) {
                if (q[i] < 0)
                    return false;
                continue;
            }
            const double t = q[i] / p[i];
            if (p[i] < 0)
                t0 = std::max(t0, t);
            else
                t1 = std::min(t1, t);
            if (t0 > t1)
                return false;
        }
        const double a = u1, b = v1;
        if (t1 < 1)
            u2 = a + t1 * du, v2 = b + t1 * dv;
        if (t0 > 0)
            u1 = a + t0 * du, v1 = b + t0 * dv;
        return true;
    }

    // The polygon cut to the box (Sutherland and Hodgman).
    QPolygonF coupePolygone(QPolygonF polygone) const
    {
        for (int bord = 0; bord < 4 && !polygone.isEmpty(); ++bord) {
            const bool enX = bord < 2;
            const double limite = boite_[bord];
            const auto dedans = [&](const QPointF& p) {
                const double w = enX ? p.x() : p.y();
                return bord % 2 == 0 ? w >= limite : w <= limite;
            };
            QPolygonF sortie;
            for (qsizetype i = 0; i < polygone.size(); ++i) {
                const QPointF a = polygone[i], b = polygone[(i + 1) % polygone.size()];
                if (dedans(a))
                    sortie << a;
                if (dedans(a) != dedans(b)) {
                    const double t = enX ? (limite - a.x()) / (b.x() - a.x()) : (limite - a.y()) / (b.y() - a.y());
                    sortie << a + t * (b - a);
                }
            }
            polygone = sortie;
        }
        return polygone;
    }

    double lx = 0, ly = 0;
    bool valide = false;

private:
    bool vers(double x, double y, double& u, double& v, bool) const
    {
        const double d = r_.DistanceOeil;
        switch (r_.AxeX.TypeEchelle) {
        case EchelleLog: u = x > 0 ? std::log10(x) : NAN; break;
        case EchelleProj: u = d + y > 0 ? d * x / (d + y) : 0; break;
        default: u = x;
        }
        switch (r_.AxeY.TypeEchelle) {
        case EchelleLog: v = y > 0 ? std::log10(y) : NAN; break;
        case EchelleProj: v = d + y > 0 ? 1 + 6 * y / (d + y) : 0; break;
        default: v = y;
        }
        return std::isfinite(u) && std::isfinite(v);
    }

    const GCRepere& r_;
    double u0_ = 0, v0_ = 0;
    int decX_ = 6, decY_ = 6;
    double boite_[4] = {};
};

double Evalue(const QString& texte)
{
    const double v = EvalueTexte(texte.toStdString());
    const bool lu = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    return lu ? v : 0;
}

// Lines of points, five to a line, each line added when full.
class Points {
public:
    explicit Points(QStringList& lignes) : lignes_(lignes) {}
    ~Points() { vide(); }
    void ajoute(const QString& point)
    {
        ligne_ += point;
        if (++n_ == 5)
            vide();
    }
    void vide()
    {
        if (!ligne_.isEmpty())
            lignes_ << ligne_;
        ligne_.clear();
        n_ = 0;
    }

private:
    QStringList& lignes_;
    QString ligne_;
    int n_ = 0;
};

// A segment in picture coordinates, cut to the box; nothing when it lies outside.
void Segment(const Cadre& c, QStringList& lignes, const QString& commande, double u1, double v1, double u2, double v2)
{
    if (c.coupe(u1, v1, u2, v2))
        lignes << commande + c.texte(u1, v1) + c.texte(u2, v2);
}

// A stair of a cobweb, two segments through the corner (u2, v2): one line when it lies in
// the box, else each segment cut to it.
void Marche(const Cadre& c, QStringList& lignes, const QString& commande, double u1, double v1, double u2, double v2,
            double u3, double v3)
{
    if (c.dansBoite(u1, v1) && c.dansBoite(u2, v2) && c.dansBoite(u3, v3)) {
        lignes << commande + c.texte(u1, v1) + c.texte(u2, v2) + c.texte(u3, v3);
        return;
    }
    Segment(c, lignes, commande, u1, v1, u2, v2);
    Segment(c, lignes, commande, u2, v2, u3, v3);
}

// --- the frame

// Calls trace(v, principale) for each line of the axis's grid from min to max, as the
// screen draws them: decades and their multiples on a logarithmic axis, main and secondary
// steps on an arithmetic one (secondary ones below the start too for ticks).
template<typename F>
void LignesGrille(const GCGrille& a, double min, double max, bool versLeBas, F trace)
{
    using namespace grille;
    std::vector<double> valeurs;
    const double D = Evalue(a.Debut), p1 = Evalue(a.Pas1er), p2 = Evalue(a.Pas2nd);
    if (a.TypeEchelle == EchelleLog) {
        decades(D, min, max, valeurs);
        for (double v : valeurs) {
            if (dedans(v, min, max))
                trace(v, true);
            for (int k = 2; k <= 9; ++k)
                if (dedans(k * v, min, max))
                    trace(k * v, false);
        }
        return;
    }
    if (valeursArith(D, p1, min, max, valeurs))
        for (double v : valeurs)
            trace(v, true);
    if (valeursSecondaires(D, p1, p2, min, max, versLeBas, valeurs))
        for (double v : valeurs)
            trace(v, false);
}

// The comment, colour and styles of one grid (nom "H" or "V").
void StylesGrille(const GCGrille& a, const char* commentaire, const char* nom, QStringList& lignes)
{
    const QString n = QString::fromLatin1(nom);
    lignes << QString::fromUtf8(commentaire);
    lignes << QStringLiteral("\\newrgbcolor{coulgr%1}{%2}").arg(n, Rvb(a.Couleur));
    const QString corps = QStringLiteral("linewidth=%1pt,linestyle=%2,linecolor=coulgr%3}")
                              .arg(NombreTeX(a.Epaisseur * 0.1, 2), StyleLigne(a.Style), n);
    lignes << QStringLiteral("\\newpsstyle{styleGr%1p}{").arg(n) + corps;
    if (Evalue(a.Pas2nd) > 0 || a.TypeEchelle == EchelleLog)
        lignes << QStringLiteral("\\newpsstyle{styleGr%1s}{").arg(n) + corps;
}

// The grids, the y axis's first; a hidden grid gives the ticks of its axis when the axis
// line is shown.
void Grilles(const GCRepere& r, const Cadre& c, QStringList& lignes)
{
    const double xmin = r.AxeX.Min, xmax = r.AxeX.Max, ymin = r.AxeY.Min, ymax = r.AxeY.Max;
    double ua = 0, va = 0;
    c.pixel(r.PixelAxeY, r.PixelAxeX, ua, va);
    const auto commande = [](const char* nom, bool principale) {
        return QStringLiteral("\\psline[style=styleGr%1%2]{-}").arg(QLatin1String(nom), principale ? "p" : "s");
    };

    // Horizontal lines (values of y), radial ones in a polar frame.
    const GCGrille& ay = r.AxeY;
    const bool polaire = r.Polaire && ay.TypeEchelle == EchelleArith;
    const bool ticksY = !ay.Visible && ay.Axe.Visible && !polaire;
    if (ay.Visible || ticksY) {
        StylesGrille(ay, "%Grille horizontale", "H", lignes);
        if (polaire) {
            lignes << QStringLiteral("\\psclip{\\psframe[linestyle=none](0,0)") + c.texte(c.lx, c.ly) + QLatin1Char('}');
            // Angles in degrees below 180, but for the axes themselves.
            LignesGrille(ay, Evalue(ay.Debut), 180 - 1e-9, false, [&](double degres, bool principale) {
                const double a = std::fmod(degres, 180.0);
                if (std::fabs(a) < 1e-9 || std::fabs(std::fabs(a) - 90) < 1e-9)
                    return;
                const double t = std::tan(degres * M_PI / 180);
                double u1, v1, u2, v2;
                if (c.point(xmin, xmin * t, u1, v1) && c.point(xmax, xmax * t, u2, v2))
                    Segment(c, lignes, commande("H", principale), u1, v1, u2, v2);
            });
            lignes << QStringLiteral("\\endpsclip");
        } else {
            const double l = (r.LargeurTrace >= 120 ? 4 : 2) * c.parPixelX();
            LignesGrille(ay, ymin, ymax, ticksY, [&](double v, bool principale) {
                const double w = c.ordonnee(v), e = principale ? l : l / 2;
                if (std::isfinite(w))
                    Segment(c, lignes, commande("H", principale), ticksY ? ua - e : 0, w, ticksY ? ua + e : c.lx, w);
            });
        }
    }

    // Vertical lines (values of x), circles in a polar frame.
    const GCGrille& ax = r.AxeX;
    const bool ticksX = !ax.Visible && ax.Axe.Visible && !r.Polaire;
    if (ax.Visible || ticksX) {
        StylesGrille(ax, "%Grille verticale", "V", lignes);
        const double l = (r.HauteurTrace >= 100 ? 4 : 2) * c.parPixelY();
        double u0 = 0, v0 = 0;
        const bool centre = c.point(0, 0, u0, v0);
        LignesGrille(ax, r.Polaire && ax.TypeEchelle != EchelleLog ? 0.0 : xmin, xmax, ticksX, [&](double v, bool principale) {
            if (r.Polaire) {
                if (centre && v > 0)
                    lignes << QStringLiteral("\\pscircle[style=styleGrV%1]").arg(principale ? "p" : "s") + c.texte(u0, v0) +
                                  QLatin1Char('{') + c.x(v) + QStringLiteral("\\psxunit}");
                return;
            }
            const double w = c.abscisse(v), e = principale ? l : l / 2;
            if (std::isfinite(w))
                Segment(c, lignes, commande("V", principale), w, ticksX ? va - e : 0, w, ticksX ? va + e : c.ly);
        });
    }
}

// The graduation labels, at the values and with the texts of the screen.
void Graduations(const GCRepere& r, const Cadre& c, QStringList& lignes)
{
    using namespace grille;
    std::vector<double> valeurs;
    double ua = 0, va = 0;
    c.pixel(r.PixelAxeY, r.PixelAxeX, ua, va);
    const auto valeursAxe = [&](const GCGrille& a, double min, double max) {
        const double D = Evalue(a.Debut), p1 = Evalue(a.Pas1er);
        if (a.TypeEchelle == EchelleLog) {
            decades(D, min, max, valeurs);
            std::erase_if(valeurs, [&](double v) { return !dedans(v, min, max); });
        } else if (!valeursArith(D, p1, min, max, valeurs)) {
            valeurs.clear();
        }
        return a.Pas1er.toUpper().contains(QLatin1String("PI")) ? 0.0 : p1;
    };
    const auto ecrit = [&](const QString& commande, double u, double v, const QString& texte) {
        if (std::isfinite(u) && std::isfinite(v))
            lignes << commande + c.texte(u, v) + QLatin1Char('{') + TexteLaTeX(texte) + QLatin1Char('}');
    };
    if (r.AxeX.Axe.Visible && r.AxeX.Graduation && r.AxeX.TypeEchelle != EchelleProj) {
        const double pas = valeursAxe(r.AxeX, r.AxeX.Min, r.AxeX.Max);
        for (double v : valeurs)
            ecrit(QStringLiteral("\\rput[t]"), c.abscisse(v), va - 4 * c.parPixelY(), TexteGraduation(r.AxeX, v, pas));
    }
    if (r.AxeY.Axe.Visible && r.AxeY.Graduation && r.AxeY.TypeEchelle != EchelleProj) {
        if (r.Polaire && r.AxeY.TypeEchelle == EchelleArith) {
            // Angles in degrees around the plot.
            if (!valeursArith(Evalue(r.AxeY.Debut), Evalue(r.AxeY.Pas1er), -INFINITY, 180, valeurs))
                valeurs.clear();
            const double R = std::min(r.AxeX.Max, r.AxeY.Max);
            for (double a : valeurs) {
                double u = 0, v = 0;
                if (c.point(R * std::cos(a * M_PI / 180), R * std::sin(a * M_PI / 180), u, v) && c.dansBoite(u, v))
                    ecrit(a <= 90 ? QStringLiteral("\\rput[r]{%1}").arg(NombreTeX(a, 6))
                                  : QStringLiteral("\\rput[l]{%1}").arg(NombreTeX(a - 180, 6)),
                          u, v, TexteGraduation(r.AxeY, a));
            }
        } else {
            const double pas = valeursAxe(r.AxeY, r.AxeY.Min, r.AxeY.Max);
            for (double v : valeurs)
                ecrit(QStringLiteral("\\rput[r]"), ua - 4 * c.parPixelX(), c.ordonnee(v), TexteGraduation(r.AxeY, v, pas));
        }
    }
}

void Axes(const GCRepere& r, const Cadre& c, QStringList& lignes)
{
    lignes << QStringLiteral("%Définition des axes");
    double ua = 0, va = 0;
    c.pixel(r.PixelAxeY, r.PixelAxeX, ua, va);
    // One axis line from (u1, v1) to its tip (u2, v2), and its title at the tip.
    const auto axe = [&](const GCGrille& a, const char* nom, double u1, double v1, double u2, double v2, const char* cote) {
        const QString n = QString::fromLatin1(nom);
        if (!a.Axe.Visible) {
            lignes << QStringLiteral("%Axe %1 invisible").arg(n);
            return;
        }
        lignes << QStringLiteral("\\newrgbcolor{coulAxe%1}{%2}").arg(n, Rvb(a.Axe.Couleur));
        lignes << QStringLiteral("\\psline[linewidth=%1pt,linestyle=%2,linecolor=coulAxe%3]%4")
                          .arg(NombreTeX(a.Axe.Epaisseur * 0.25, 2), StyleLigne(a.Axe.Style), n,
                               a.Lateral ? QStringLiteral("{-}") : QStringLiteral("{->}")) +
                      c.texte(u1, v1) + c.texte(u2, v2);
        const QString t = TexteLaTeX(TexteTitreAxe(a.GetTitre()));
        if (!t.isEmpty())
            lignes << QStringLiteral("\\uput[%1]{0}").arg(QLatin1String(cote)) + c.texte(u2, v2) + QLatin1Char('{') + t +
                          QLatin1Char('}');
    };
    axe(r.AxeX, "X", 0, va, c.lx, va, "ul");
    axe(r.AxeY, "Y", ua, 0, ua, c.ly, "dr");
    // Unit vectors, from the origin to one graduation step, on arithmetic axes.
    if (r.AxeX.TypeEchelle != EchelleArith || r.AxeY.TypeEchelle != EchelleArith)
        return;
    const double xmin = r.AxeX.Min, xmax = r.AxeX.Max, ymin = r.AxeY.Min, ymax = r.AxeY.Max;
    const double ox = (xmin <= 0 && 0 <= xmax) ? 0 : (xmin > 0 ? xmin : xmax);
    const double oy = (ymin <= 0 && 0 <= ymax) ? 0 : (ymin > 0 ? ymin : ymax);
    const Graduation& g = r.graduation();
    double u0, v0, u1, v1;
    if (r.AxeX.VecteurUnitaire && r.AxeX.Axe.Visible && c.point(ox, oy, u0, v0) && c.point(ox + g.pasX, oy, u1, v1))
        Segment(c, lignes, QStringLiteral("\\psline[linewidth=%1pt,linecolor=coulAxeX]{->}").arg(NombreTeX(r.AxeX.Axe.Epaisseur * 0.5, 2)),
                u0, v0, u1, v1);
    if (r.AxeY.VecteurUnitaire && r.AxeY.Axe.Visible && c.point(ox, oy, u0, v0) && c.point(ox, oy + g.pasY, u1, v1))
        Segment(c, lignes, QStringLiteral("\\psline[linewidth=%1pt,linecolor=coulAxeY]{->}").arg(NombreTeX(r.AxeY.Axe.Epaisseur * 0.5, 2)),
                u0, v0, u1, v1);
}

// The size of the picture (cm) of a window of that many pixels: 512 pixels make 9 cm.
double Centimetres(int pixels)
{
    return pixels * 9.0 / 512.0;
}

// --- the curves

QString StyleMarqueur(const GCPoint& m)
{
    switch (m.TypePoint) {
    case 0: return QStringLiteral("|");
    case 1: return QStringLiteral("+");
    case 2: return QStringLiteral("*");
    case 4: return m.Rempli ? QStringLiteral("triangle*") : QStringLiteral("triangle");
    case 5: return m.Rempli ? QStringLiteral("square*") : QStringLiteral("square");
    case 6: return m.Rempli ? QStringLiteral("pentagon*") : QStringLiteral("pentagon");
    default: return QStringLiteral("o");
    }
}

QString Fleches(const GCCourbe& courbe)
{
    const auto* f = dynamic_cast<const GCRelNum*>(&courbe);
    if (!f || !GenreParmi(courbe.TypeCourbe, "DEGHIJOPQRSTUXY"))
        return {};
    static const char* textes[] = {"{-}", "{->}", "{<-}", "{<->}"};
    return QString::fromLatin1(textes[std::clamp(f->Fleches, 0, 3)]);
}

int CodeOperation(const GCCourbe& courbe)
{
    const auto* o = dynamic_cast<const GCOperUnaire*>(&courbe);
    return o && GenreParmi(courbe.TypeCourbe, "QU") ? o->Operation : -1;
}

// The lines of the legend file of an unjoined curve: the label at each point.
void Legendes(const GCCourbe& courbe, const Cadre& c, QStringList& lignes)
{
    const auto* f = dynamic_cast<const GCRelNum*>(&courbe);
    if (!f || !f->Etiquette || f->Etiquette->GetTexte().isEmpty())
        return;
    QFile fichier(courbe.CheminFichier(".lgd"));
    if (!fichier.open(QIODevice::ReadOnly))
        return;
    const LectureTexte lu = LignesDeOctets(fichier.read(TailleMaxTexte));
    const QString tete = QStringLiteral("\\uput[") + (f->Etiquette->ADroite ? QStringLiteral("r]{") : QStringLiteral("l]{")) +
                         NombreTeX(f->Etiquette->GetOrientation() / 10.0, 1) + QLatin1Char('}');
    for (const QString& l : lu.lignes) {
        const qsizetype a = l.indexOf(QLatin1Char(';')), b = a < 0 ? -1 : l.indexOf(QLatin1Char(';'), a + 1);
        if (b < 0)
            continue;
        bool okX = false, okY = false;
        const double u = l.left(a).toDouble(&okX), v = l.mid(a + 1, b - a - 1).toDouble(&okY);
        if (okX && okY && c.dansBoite(u, v))
            lignes << tete + c.texte(u, v) + QLatin1Char('{') + TexteLaTeX(l.mid(b + 1)) + QLatin1Char('}');
    }
}

// The fill of a plate's brush style.
QString Remplissage(int style)
{
    static const char* const styles[] = {
        "solid,fillcolor=macoul", nullptr,
        "hlines,hatchangle=0,hatchcolor=macoul,hatchwidth=0.4pt",
        "vlines,hatchangle=0,hatchcolor=macoul,hatchwidth=0.4pt",
        "vlines,hatchcolor=macoul,hatchwidth=0.4pt",
        "hlines,hatchcolor=macoul,hatchwidth=0.4pt",
        "crosshatch,hatchangle=0,hatchcolor=macoul,hatchwidth=0.4pt",
        "crosshatch,hatchcolor=macoul,hatchwidth=0.4pt"};
    return style >= 0 && style < 8 && styles[style] ? QString::fromLatin1(styles[style]) : QStringLiteral("none");
}

// A plate: the polygon of its mother's points, closed as on the screen (on the first point,
// on the x axis, on the origin), cut to the box.
void Plaque(const GCA& plaque, const std::vector<PointCourbe>& points, const Cadre& c, QStringList& lignes)
{
    if (points.size() < 2)
        return;
    std::vector<QPointF> monde;
    if (plaque.SousType == 1)
        monde.emplace_back(points.front().x, 0);
    else if (plaque.SousType == 2)
        monde.emplace_back(0, 0);
    for (const PointCourbe& p : points)
        monde.emplace_back(p.x, p.y);
    if (plaque.SousType == 1)
        monde.emplace_back(points.back().x, 0);
    QPolygonF polygone;
    for (const QPointF& p : monde) {
        double u, v;
        if (c.point(p.x(), p.y(), u, v))
            polygone << QPointF(u, v);
    }
    polygone = c.coupePolygone(polygone);
    if (polygone.size() < 3)
        return;
    lignes << QStringLiteral("\\pspolygon[style=styletmp,fillstyle=%1]%").arg(Remplissage(plaque.StyleRemplissage));
    Points ligne(lignes);
    for (const QPointF& p : polygone)
        ligne.ajoute(c.texte(p.x(), p.y()));
}

void Courbe(const GCCourbe& courbe, int rang, const GCRepere& r, const Cadre& c, QStringList& lignes)
{
    lignes << QStringLiteral("%Courbe n°%1").arg(rang);
    lignes << QStringLiteral("\\newrgbcolor{macoul}{%1}").arg(Rvb(courbe.Couleur));
    lignes << QStringLiteral("\\newrgbcolor{stcoul}{%1}").arg(Rvb(courbe.Marqueur.Couleur));
    const GCPoint& m = courbe.Marqueur;
    lignes << QStringLiteral("\\newpsstyle{styletmp}{linecolor=macoul,linewidth=%1pt,linestyle=%2,dotstyle=%3,"
                             "dotscale=%4,dotangle=%5")
                      .arg(courbe.Epaisseur)
                      .arg(StyleLigne(courbe.Style), StyleMarqueur(m), NombreTeX(m.Epaisseur / 3.0, 4))
                      .arg(m.Angle) +
                  (m.Rempli ? QStringLiteral(",fillcolor=stcoul}") : QStringLiteral("}"));

    const LecturePoints lu = LitFichierPoints(courbe.FichierPoints);
    if (const auto* plaque = dynamic_cast<const GCA*>(&courbe)) {
        Plaque(*plaque, lu.points, c, lignes);
        return;
    }
    // The points in picture coordinates; those that have none are left out.
    struct Point {
        double u, v;
        bool leve;
        double x, y;
    };
    std::vector<Point> points;
    points.reserve(lu.points.size());
    bool leve = true;
    for (const PointCourbe& p : lu.points) {
        double u, v;
        if (!c.point(p.x, p.y, u, v)) {
            leve = true;
            continue;
        }
        points.push_back({u, v, leve || p.stylo != StyloBaisse, p.x, p.y});
        leve = false;
    }
    if (points.empty())
        return;

    const QString point = QStringLiteral("\\psdots*[style=styletmp]");
    const int operation = CodeOperation(courbe);
    if (courbe.Batons && !GenreParmi(courbe.TypeCourbe, "BW")) {
        // Bars from the x axis; for a recurrence, the staircase drawn on screen: from each
        // point up or down to the next one's ordinate, then across to it, and for a cobweb
        // that is joined the dotted line from each point down to the x axis.
        const QString baton = QStringLiteral("\\psline[style=styletmp]{-}");
        const bool escalier = courbe.TypeCourbe == QLatin1Char('N') && courbe.SousType >= 3;
        const QString pointille =
            QStringLiteral("\\psline[linecolor=macoul,linewidth=%1pt,linestyle=dotted]{-}").arg(courbe.Epaisseur);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            double u0, v0;
            const bool axe = c.point(p.x, 0, u0, v0) || c.point(p.x, r.AxeY.Min, u0, v0);
            if (!escalier) {
                if (axe)
                    Segment(c, lignes, baton, u0, v0, p.u, p.v);
                continue;
            }
            double uc, vc;
            if (i > 0 && c.point(points[i - 1].x, p.y, uc, vc))
                Marche(c, lignes, baton, points[i - 1].u, points[i - 1].v, uc, vc, p.u, p.v);
            if (courbe.SousType == 3 && courbe.Joint && axe)
                Segment(c, lignes, pointille, p.u, p.v, u0, v0);
        }
        return;
    }
    if (operation == 17 || operation == 42) {
        // A point with its projections on the axes.
        const Point& p = points.back();
        if (!c.dansBoite(p.u, p.v))
            return;
        double ux, vx, uy, vy, uo, vo;
        const bool axes = c.point(p.x, 0, ux, vx) && c.point(0, p.y, uy, vy) && c.point(0, 0, uo, vo);
        const QString tete = QStringLiteral("\\psline[linecolor=macoul,linewidth=1pt,linestyle=%1]").arg(StyleLigne(courbe.Style));
        const int h = courbe.Hachure;
        if (h >= 1 && h <= 5 && axes) {
            static const char* fins[] = {"", "", "{<->}", "{->}", "{<-}", "{-}"};
            lignes << tete + QString::fromLatin1(fins[h]) + c.texte(ux, vx) + c.texte(p.u, p.v) + c.texte(uy, vy);
        } else if (h == 6 && axes) {
            lignes << tete + c.texte(uo, vo) + c.texte(p.u, p.v);
        }
        lignes << point + c.texte(p.u, p.v);
        return;
    }
    if (!courbe.Joint) {
        if (GenreParmi(courbe.TypeCourbe, "PTXY"))
            Legendes(courbe, c, lignes);
        lignes << point + QLatin1Char('%');
        Points ligne(lignes);
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            // The last point outside the window is left out.
            if (i + 1 == points.size() && i > 0 && r.HorsBornes(p.x, p.y))
                break;
            if (c.dansBoite(p.u, p.v))
                ligne.ajoute(c.texte(p.u, p.v));
        }
        return;
    }

    // Joined: one line per piece, cut where it leaves the box.
    const QString tete = QStringLiteral("\\psline[style=styletmp,%1liftpen=2]")
                             .arg(m.Epaisseur >= 2 ? QStringLiteral("showpoints=true,") : QString()) +
                         Fleches(courbe);
    std::size_t i = 0;
    while (i < points.size()) {
        std::size_t fin = i + 1;
        while (fin < points.size() && !points[fin].leve)
            ++fin;
        if (fin == i + 1) {
            if (c.dansBoite(points[i].u, points[i].v))
                lignes << point + c.texte(points[i].u, points[i].v);
            i = fin;
            continue;
        }
        std::optional<Points> ligne;
        for (std::size_t k = i; k + 1 < fin; ++k) {
            double u1 = points[k].u, v1 = points[k].v, u2 = points[k + 1].u, v2 = points[k + 1].v;
            if (!c.coupe(u1, v1, u2, v2)) {
                ligne.reset();
                continue;
            }
            const bool coupeDebut = u1 != points[k].u || v1 != points[k].v;
            if (!ligne || coupeDebut) {
                ligne.reset();
                lignes << tete + c.texte(u1, v1);
                ligne.emplace(lignes);
            }
            ligne->ajoute(c.texte(u2, v2));
            if (u2 != points[k + 1].u || v2 != points[k + 1].v)
                ligne.reset();
        }
        i = fin;
    }
}


// The colour of a point label: a named colour's command before the text, else a CMYK colour
// around it.
QString CouleurTexte(TCouleur couleur, const QString& texte)
{
    const QString nom = NomCouleurPSTricks(couleur);
    if (!nom.isEmpty())
        return nom + QLatin1Char(' ') + texte;
    const QColor q = VersQColor(couleur);
    const double r = 1 - q.redF(), v = 1 - q.greenF(), b = 1 - q.blueF();
    const double k = std::min({r, v, b});
    const auto part = [k](double x) { return k < 1 ? (x - k) / (1 - k) : 0.0; };
    return QStringLiteral("\\Color{%1 %2 %3 %4}{")
               .arg(NombreTeX(part(r), 4), NombreTeX(part(v), 4), NombreTeX(part(b), 4), NombreTeX(k, 4)) +
           texte + QLatin1Char('}');
}

// The arrows and labels of a list of points, from its data file, as the screen draws them.
void FlechesEtEtiquettes(const GCCourbe& liste, const Cadre& c, QStringList& lignes)
{
    QStringList donnees;
    QString erreur;
    if (!LitDonnees(liste, donnees, erreur))
        return;
    liste.EvalueParametres();
    Police police = etatGraphe().FonteDefaut;
    ValeursCourantes& vc = etatGraphe().valeursCourantes;
    const ValeursCourantes avant = vc;
    static const char* const fleches[] = {"", "{->}", "{<-}", "{<->}"};
    const QString trait = QStringLiteral("\\psline[linecolor=macoul,linewidth=%1pt]").arg(liste.Epaisseur);
    bool precedent = false;
    double pu = 0, pv = 0;
    int compte = 0;
    for (const QString& brute : std::as_const(donnees)) {
        const QString ligne = brute.trimmed();
        LignePoint p;
        if (EstLignePolice(ligne)) {
            police = PoliceDeLigne(ligne, police);
            continue;
        }
        if (ligne.isEmpty() || !AnalyseLignePoint(ligne, p, liste.Batons))
            continue;
        ++compte;
        double u, v;
        if (!c.point(p.x, p.y, u, v)) {
            precedent = false;
            continue;
        }
        if (p.fleche > 0 && p.fleche < 4 && precedent)
            Segment(c, lignes, trait + QString::fromLatin1(fleches[p.fleche]), pu, pv, u, v);
        if (!p.etiquette.isEmpty() && c.dansBoite(u, v)) {
            const EtiquettePoint e = AnalyseEtiquette(p.etiquette);
            GCTexte texte(0, QStringLiteral("0"), QStringLiteral("0"), false, police);
            texte.SetTexte(e.texte);
            vc.n = vc.t = compte;
            vc.x = p.x, vc.y = p.y;
            lignes << QStringLiteral("\\uput[%1]{%2}").arg(PositionPstricks(e.position)).arg(int(Evalue(e.angle)) / 10) +
                          c.texte(u, v) + QLatin1Char('{') + CouleurTexte(police.Couleur, TexteLaTeX(texte.TexteAffiche())) +
                          QLatin1Char('}');
        }
        pu = u, pv = v;
        precedent = true;
    }
    vc = avant;
}

}  // namespace

void ExportePSTricksRepere(const GCRepere& repere, int largeur, int hauteur, TCouleur fond, QStringList& lignes)
{
    Cadre c(repere);
    if (!c.valide)
        return;
    const double l = Centimetres(largeur), h = Centimetres(hauteur);
    c.FixeCentimetres(l, h);
    lignes << QStringLiteral("\\psset{xunit=%1cm,yunit=%2cm,origin={0,0}}")
                  .arg(NombreTeX(l / c.lx, DecimalesPour(l / c.lx)), NombreTeX(h / c.ly, DecimalesPour(h / c.ly)));
    if ((VersQColor(fond).rgb() & 0xFFFFFF) != 0xFFFFFF) {
        lignes << QStringLiteral("\\newrgbcolor{coulFond}{%1}").arg(Rvb(fond));
        lignes << QStringLiteral("\\psframe[fillstyle=solid,fillcolor=coulFond,linestyle=none](0,0)") + c.texte(c.lx, c.ly);
    }
    Grilles(repere, c, lignes);
    Graduations(repere, c, lignes);
    Axes(repere, c, lignes);
    lignes << QStringLiteral("\\psclip{\\psframe[linestyle=none](0,0)") + c.texte(c.lx, c.ly) + QLatin1Char('}');
}

void ExportePSTricksCourbes(const GCDessin& dessin, const GCRepere& repere, QStringList& lignes)
{
    const Cadre c(repere);
    if (!c.valide)
        return;
    int rang = 0;
    for (const PtrCourbe& courbe : dessin.Courbes) {
        ++rang;
        if (!courbe->Visible)
            continue;
        Courbe(*courbe, rang, repere, c, lignes);
        if (courbe->TypeCourbe == QLatin1Char('L'))
            FlechesEtEtiquettes(*courbe, c, lignes);
    }
}

QStringList DocumentPSTricks(GCDocument& document, QSize taille, QString* erreur)
{
    // Painted first: the frame laid out at that size, the point caches written.
    ImageDocument(document, taille);
    GCRepere& r = document.Repere;
    QString raison;
    if (!r.Valide(&raison)) {
        if (erreur)
            *erreur = raison;
        return {};
    }
    const QString l = NombreTeX(Centimetres(taille.width()), 6), h = NombreTeX(Centimetres(taille.height()), 6);
    QStringList lignes = {QStringLiteral("\\documentclass{article}"),
                          QString(),
                          QStringLiteral("\\usepackage[dvips]{color}"),
                          QStringLiteral("\\usepackage[utf8]{inputenc}"),
                          QStringLiteral("\\usepackage[T1]{fontenc}"),
                          QStringLiteral("\\usepackage{pst-plot}"),
                          QStringLiteral("\\input colordvi"),
                          QStringLiteral("\\DeclareUnicodeCharacter{03C0}{\\ensuremath{\\pi}}"),
                          QString(),
                          QStringLiteral("\\begin{document}"),
                          QStringLiteral("\\begin{pspicture}(%1cm,%2cm)").arg(l, h)};
    ExportePSTricksRepere(r, taille.width(), taille.height(), document.Fenetre.CouleurFond, lignes);
    lignes << QString();
    ExportePSTricksCourbes(document.Dessin, r, lignes);
    lignes << QStringLiteral("\\endpsclip");
    document.Textes.ExportePSTricks(lignes, r.AxeX.Min, r.AxeY.Min, r);
    lignes << QStringLiteral("\\end{pspicture}") << QString() << QStringLiteral("\\end{document}");
    return lignes;
}

bool EcritDocumentPSTricks(const QString& chemin, const QStringList& lignes, QString* erreur)
{
    QByteArray octets;
    for (const QString& l : lignes)
        octets += l.toUtf8() + "\r\n";
    return EcritOctets(chemin, octets, erreur);
}
