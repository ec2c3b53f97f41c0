// Drawing of the frame: grids, axis lines with arrows and titles, ticks, graduation labels,
// the horizon of the projective view and the unit vectors.
#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/etatgraphe.h"
#include "graph/textes/TeXGestion.h"
#include "graph/repere/titreaxe.h"

namespace {

// Most lines (or ticks) of one kind that one axis draws; an axis that would need more draws
// none of that kind.
constexpr int MaxLignes = 10000;

double evalue(const QString& texte, bool* ok = nullptr)
{
    const double v = EvalueTexte(texte.toStdString());
    const bool lu = !ErreurCalcul() && std::isfinite(v);
    ErreurCalcul() = 0;
    if (ok)
        *ok = lu;
    return lu ? v : 0;
}

}  // namespace

namespace grille {

// The values D + k p, k >= 0, that lie in [min, max] (max with a tolerance of 1e-9 p).
// Computed from k, not by accumulation, and stopped when they stop growing. False when there
// would be more than MaxLignes of them (nothing is then listed).
bool valeursArith(double D, double p, double min, double max, std::vector<double>& valeurs)
{
    valeurs.clear();
    if (!(p > 0) || !std::isfinite(p) || !std::isfinite(D) || std::isnan(min) || !std::isfinite(max))
        return true;
    // min may be -inf: from D on.
    const double k0 = std::isfinite(min) ? std::max(0.0, std::ceil((min - D) / p - 1e-9)) : 0.0;
    const double k1 = std::floor((max - D) / p + 1e-9);
    if (!std::isfinite(k0) || !std::isfinite(k1) || k1 < k0)
        return true;
    if (k1 - k0 + 1 > MaxLignes)
        return false;
    double precedente = -INFINITY;
    for (double k = k0; k <= k1; k += 1) {
        const double v = D + k * p;
        if (!(v > precedente))
            break;
        valeurs.push_back(v);
        precedente = v;
    }
    return true;
}

// Secondary values every p2 between consecutive main values v and v + p1 (strictly between),
// within [min, max]; with versLeBas, also from D - p2 downwards while not below min.
bool valeursSecondaires(double D, double p1, double p2, double min, double max, bool versLeBas,
                        std::vector<double>& valeurs)
{
    valeurs.clear();
    if (!(p2 > 0) || !std::isfinite(p2) || !(p1 > 0) || !std::isfinite(p1) || !std::isfinite(D))
        return true;
    if ((max - min) / p2 > MaxLignes)
        return false;
    // The main intervals that meet [min, max]: from the one holding min (or D) on.
    const double kDebut = std::max(0.0, std::floor((min - D) / p1));
    const double kFin = std::floor((max - D) / p1 + 1e-9);
    if (!std::isfinite(kDebut) || !std::isfinite(kFin))
        return true;
    const double parIntervalle = std::ceil(p1 / p2);
    if ((kFin - kDebut + 1) * parIntervalle > 4.0 * MaxLignes)
        return false;
    for (double k = kDebut; k <= kFin; k += 1) {
        const double v = D + k * p1;
        const double suivante = D + (k + 1) * p1;
        for (double j = 1;; j += 1) {
            const double w = v + j * p2;
            if (!(w < suivante - 1e-9 * p2) || w > max + 1e-9 * p2 || !(w > v))
                break;
            if (w >= min - 1e-9 * p2)
                valeurs.push_back(w);
        }
    }
    if (versLeBas) {
        for (double j = 1;; j += 1) {
            const double w = D - j * p2;
            if (w < min - 1e-9 * p2 || !(w < D))
                break;
            if (w <= max)
                valeurs.push_back(w);
        }
    }
    return true;
}

// The decades D, 10 D, 100 D... of a logarithmic axis not above max (D not positive or not
// finite: the decade below min). Decades entirely below min are skipped.
void decades(double D, double min, double max, std::vector<double>& valeurs)
{
    valeurs.clear();
    if (!(min > 0) || !(max >= min) || !std::isfinite(max))
        return;
    if (!(D > 0) || !std::isfinite(D))
        D = std::pow(10.0, std::floor(std::log10(min)));
    if (D < min) {
        // Closed form to the decade just below min.
        const double k = std::floor(std::log10(min / D));
        if (k > 1)
            D *= std::pow(10.0, k - 1);
        while (D * 10 <= min && D * 10 > D)
            D *= 10;
    }
    for (int i = 0; i < MaxLignes && D <= max * (1 + 1e-12); ++i) {
        valeurs.push_back(D);
        const double suivante = D * 10;
        if (!(suivante > D))
            break;
        D = suivante;
    }
}

bool dedans(double v, double min, double max)
{
    const double marge = 1e-12 * std::max(std::fabs(min), std::fabs(max));
    return v >= min - marge && v <= max + marge;
}

}  // namespace grille

using namespace grille;

QString TexteGraduation(const GCGrille& axe, double v, double pas)
{
    if (axe.Pas1er.toUpper().contains(QLatin1String("PI"))) {
        const QString pi = QString(QChar(0x03C0));
        const double q = v / M_PI;
        if (std::fabs(q) < 1e-6)
            return QStringLiteral("0");
        if (std::fabs(q - 1) < 1e-6)
            return pi;
        if (std::fabs(q + 1) < 1e-6)
            return QStringLiteral("-") + pi;
        const QString t = QString::fromStdString(FormateReel(axe.FormatGraduation, q));
        const int barre = t.indexOf(QLatin1Char('/'));
        if (barre < 0)
            return t + pi;
        const QString n = t.left(barre), reste = t.mid(barre);
        if (n == QLatin1String("1"))
            return pi + reste;
        if (n == QLatin1String("-1"))
            return QStringLiteral("-") + pi + reste;
        return n + pi + reste;
    }
    if (v == 0 || (pas > 0 && std::fabs(v) < 1e-9 * pas))
        return QStringLiteral("0");
    return QString::fromStdString(FormateReel(axe.FormatGraduation, v)) + axe.Unite;
}

bool GCRepere::Dessine(QPainter& peintre)
{
    // Bounds written with parameters follow the parameters' current values.
    bool lus[4];
    AxeX.Min = evalue(AxeX.Xinf, &lus[0]);
    AxeX.Max = evalue(AxeX.Xsup, &lus[1]);
    AxeY.Min = evalue(AxeY.Xinf, &lus[2]);
    AxeY.Max = evalue(AxeY.Xsup, &lus[3]);
    QString raison;
    bool valide = Valide(&raison);
    if (!lus[0] || !lus[1] || !lus[2] || !lus[3]) {
        const GCGrille& a = (!lus[0] || !lus[1]) ? AxeX : AxeY;
        raison = QStringLiteral("Repère : les bornes de l'axe %1 ne se calculent pas (« %2 », « %3 »).")
                     .arg(a.Horizontal ? QStringLiteral("des abscisses (x)") : QStringLiteral("des ordonnées (y)"),
                          a.Xinf, a.Xsup);
        valide = false;
    }
    if (!valide) {
        if (raison != dernierAvertissement_) {
            dernierAvertissement_ = raison;
            interlocuteur().avertit(raison + QStringLiteral(" Ni le repère ni les courbes ne sont tracés."));
        }
        return false;
    }
    dernierAvertissement_.clear();
    AppliqueFacteur();
    peintre.save();
    peintre.setRenderHint(QPainter::Antialiasing, false);
    peintre.setRenderHint(QPainter::TextAntialiasing, true);
    DessineGrilles(peintre);
    DessineAxes(peintre);
    peintre.restore();
    return true;
}

void GCRepere::DessineGrilles(QPainter& peintre)
{
    peintre.save();
    peintre.setBrush(Qt::NoBrush);
    peintre.setClipRect(QRect(Gauche, Haut, LargeurTrace + 1, HauteurTrace + 1), Qt::IntersectClip);
    const double xmin = AxeX.Min, xmax = AxeX.Max, ymin = AxeY.Min, ymax = AxeY.Max;
    std::vector<double> principales, secondaires;

    auto stylos = [](const GCGrille& a, QPen& principal, QPen& secondaire, QPen& plein) {
        principal = CreeStylo(a.Couleur, a.Epaisseur, a.Style);
        secondaire = CreeStylo(a.Couleur, a.Epaisseur / 2, a.Style);
        plein = CreeStylo(a.Couleur, a.Epaisseur, 0);
    };

    // The y axis's grid: horizontal lines, or radial lines in a polar frame.
    if (AxeY.Visible) {
        QPen principal, secondaire, plein;
        stylos(AxeY, principal, secondaire, plein);
        const double D = evalue(AxeY.Debut), p1 = evalue(AxeY.Pas1er), p2 = evalue(AxeY.Pas2nd);
        auto horizontale = [&](double v) {
            peintre.drawLine(MondeVersPixel(xmin, v), MondeVersPixel(xmax, v));
        };
        if (AxeY.TypeEchelle == EchelleLog) {
            decades(D, ymin, ymax, principales);
            for (double v : principales) {
                if (dedans(v, ymin, ymax)) {
                    peintre.setPen(plein);
                    horizontale(v);
                }
                peintre.setPen(principal);
                for (int k = 2; k <= 9; ++k)
                    if (dedans(k * v, ymin, ymax))
                        horizontale(k * v);
            }
        } else if (Polaire && AxeY.TypeEchelle == EchelleArith) {
            auto radiale = [&](double degres) {
                const double a = std::fmod(degres, 180.0);
                if (std::fabs(a) < 1e-9 || std::fabs(std::fabs(a) - 90) < 1e-9)
                    return;
                const double t = std::tan(degres * M_PI / 180);
                peintre.drawLine(MondeVersPixel(xmin, xmin * t), MondeVersPixel(xmax, xmax * t));
            };
            if (valeursArith(D, p1, -INFINITY, 180 - 1e-9, principales)) {
                peintre.setPen(principal);
                for (double v : principales)
                    if (v < 180)
                        radiale(v);
            }
            if (valeursSecondaires(D, p1, p2, D, 180 - 1e-9, false, secondaires)) {
                peintre.setPen(secondaire);
                for (double v : secondaires)
                    radiale(v);
            }
        } else {
            if (valeursArith(D, p1, ymin, ymax, principales)) {
                peintre.setPen(principal);
                for (double v : principales)
                    horizontale(v);
            }
            if (valeursSecondaires(D, p1, p2, ymin, ymax, false, secondaires)) {
                peintre.setPen(secondaire);
                for (double v : secondaires)
                    horizontale(v);
            }
        }
    }

    // The x axis's grid: vertical lines, circles in a polar frame, lines to the vanishing
    // point in a projective view.
    if (AxeX.Visible) {
        QPen principal, secondaire, plein;
        stylos(AxeX, principal, secondaire, plein);
        const double D = evalue(AxeX.Debut), p1 = evalue(AxeX.Pas1er), p2 = evalue(AxeX.Pas2nd);
        const QPoint centre = AxeX.TypeEchelle == EchelleLog ? QPoint(PixelAxeY, PixelAxeX) : MondeVersPixel(0, 0);
        auto cercle = [&](double r) {
            const int rayon = MondeVersPixel(r, 0).x() - centre.x();
            if (rayon > 0)
                peintre.drawEllipse(centre, rayon, rayon);
        };
        auto verticale = [&](double v) {
            if (Polaire) {
                cercle(v);
            } else if (AxeX.TypeEchelle == EchelleProj) {
                peintre.drawLine(MondeVersPixel(v, 0), QPoint(PixelAxeY, Haut));
            } else {
                peintre.drawLine(MondeVersPixel(v, ymin), MondeVersPixel(v, ymax));
            }
        };
        if (AxeX.TypeEchelle == EchelleLog) {
            decades(D, xmin, xmax, principales);
            for (double v : principales) {
                if (dedans(v, xmin, xmax)) {
                    peintre.setPen(plein);
                    verticale(v);
                }
                peintre.setPen(principal);
                for (int k = 2; k <= 9; ++k)
                    if (dedans(k * v, xmin, xmax))
                        verticale(k * v);
            }
        } else {
            // Circles have every positive radius up to xmax.
            const double bas = Polaire ? 0.0 : xmin;
            if (valeursArith(D, p1, bas, xmax, principales)) {
                peintre.setPen(principal);
                for (double v : principales)
                    verticale(v);
            }
            if (valeursSecondaires(D, p1, p2, bas, xmax, false, secondaires)) {
                peintre.setPen(secondaire);
                for (double v : secondaires)
                    verticale(v);
            }
        }
    }
    peintre.restore();
}

void GCRepere::DessineAxes(QPainter& peintre)
{
    const double F = etatGraphe().FacteurEchelle;
    const double xmin = AxeX.Min, xmax = AxeX.Max, ymin = AxeY.Min, ymax = AxeY.Max;
    const Graduation& g = graduation();
    const QFont ancienneFonte = peintre.font();
    const int ecart = ArrondiPixel(5 * F);
    // Arrow heads, unit vectors and the places of titles, at the scale of the device.
    const auto P = [F](int pixels) { return ArrondiPixel(pixels * F); };

    // 1. Frame codes in the hit index.
    AjouteCellule(CodeOrigine, PixelAxeY, PixelAxeX);
    {
        const int s = std::max(1, HauteurTrace / 49);
        for (int r = 0; r < HauteurTrace; r += s)
            AjouteCellule(CodeAxeY, PixelAxeY, r);
        const int s2 = std::max(1, LargeurTrace / 49);
        for (int c = 0; c < LargeurTrace; c += s2)
            AjouteCellule(CodeAxeX, c, PixelAxeX);
    }

    // Tick marks: main half-length 2, secondary 1, scaled; doubled on a large enough plot.
    auto demiLongueur = [&](bool principal, bool grand) {
        const int l = ArrondiPixel((principal ? 2 : 1) * F);
        return grand ? 2 * l : l;
    };
    auto tiret = [&](const QPen& stylo, int px, int py, bool horizontal, bool principal) {
        peintre.setPen(stylo);
        if (horizontal) {
            const int l = demiLongueur(principal, HauteurTrace >= 100);
            peintre.drawLine(px, py - l, px, py + l);
        } else {
            const int l = demiLongueur(principal, LargeurTrace >= 120);
            peintre.drawLine(px - l, py, px + l, py);
        }
    };
    // Label with its top-left corner at (x, y) in the painter's font and the given colour.
    auto ecrit = [&](const QString& texte, int x, int y, const QColor& couleur) {
        peintre.setPen(couleur);
        const QFontMetrics fm(peintre.font(), peintre.device());
        peintre.drawText(QPoint(x, y + fm.ascent()), texte);
    };
    auto titre = [&](GCGrille& axe, int x, int y, bool aDroite) {
        GCTexte* t = axe.GetTitre();
        const QString texte = TexteTitreAxe(t);
        if (texte.isEmpty())
            return;
        const QFont fonte = FonteTitreAxe(t).qfont(F);
        peintre.setFont(fonte);
        // Whole inside the picture, even for an axis on its edge.
        const BoiteTeX boite = MesureTeX(texte, fonte, peintre.device());
        if (aDroite) {
            DessineTitreAxe(t, peintre, std::min(x, LargeurTotale - boite.largeur - 1), y);
        } else {
            // Right-aligned on the arrow's tip, 4 pixels above the line.
            DessineTitreAxe(t, peintre, x - boite.largeur, std::max(0, y - P(4) - boite.hauteur()));
        }
    };

    // Where each axis line runs, so that the labels of the other axis keep clear of it: a
    // label that the line would cross goes beside it, as far from it as the labels are
    // from their own axis (the origin's "0", the first decade of a logarithmic x axis when
    // the y axis stands on it).
    const double xLigneY = AxeX.TypeEchelle == EchelleLog ? 1 : 0;
    const double yLigneX = AxeY.TypeEchelle == EchelleLog ? 1 : 0;
    const int demiAxeY = EpaisseurEchelle(AxeY.Axe.Epaisseur) / 2 + 1, demiAxeX = EpaisseurEchelle(AxeX.Axe.Epaisseur) / 2 + 1;
    auto coupeParAxeY = [&](int gauche, int haut, int w, int h) {
        if (!AxeY.Axe.Visible || gauche > PixelAxeY + demiAxeY || gauche + w < PixelAxeY - demiAxeY)
            return false;
        const int a = AxeY.TypeEchelle == EchelleProj ? Haut : MondeVersPixel(xLigneY, ymax).y();
        const int b = AxeY.TypeEchelle == EchelleProj ? Haut + HauteurTrace : MondeVersPixel(xLigneY, ymin).y();
        return haut < std::max(a, b) && haut + h > std::min(a, b);
    };
    auto coupeParAxeX = [&](int gauche, int haut, int w, int h) {
        if (!AxeX.Axe.Visible || haut > PixelAxeX + demiAxeX || haut + h < PixelAxeX - demiAxeX)
            return false;
        const int a = MondeVersPixel(xmin, yLigneX).x(), b = MondeVersPixel(xmax, yLigneX).x();
        return gauche < std::max(a, b) && gauche + w > std::min(a, b);
    };

    // 2-3. Horizontal axis.
    if (AxeX.Axe.Visible) {
        const QPen stylo = CreeStylo(AxeX.Axe.Couleur, AxeX.Axe.Epaisseur, AxeX.Axe.Style);
        const QColor couleur = VersQColor(AxeX.Axe.Couleur);
        const double yMonde = yLigneX;
        const int y = PixelAxeX;
        const int debut = MondeVersPixel(xmin, yMonde).x();
        const int e = MondeVersPixel(xmax, yMonde).x();
        peintre.setPen(stylo);
        peintre.setBrush(couleur);
        peintre.drawLine(debut, y, e, y);
        if (!AxeX.Lateral) {
            QPolygon fleche;
            fleche << QPoint(e - P(7), y - P(4)) << QPoint(e, y) << QPoint(e - P(7), y + P(4)) << QPoint(e - P(4), y);
            peintre.drawPolygon(fleche);
        }
        titre(AxeX, e, y, false);

        QFont fonte = AxeX.FonteGraduation.qfont(F);
        peintre.setFont(fonte);
        const QColor couleurTexte = AxeX.FonteGraduation.qcouleur();
        const double D = evalue(AxeX.Debut), p1 = evalue(AxeX.Pas1er), p2 = evalue(AxeX.Pas2nd);
        const bool pi = AxeX.Pas1er.toUpper().contains(QLatin1String("PI"));
        const QPen stylo2 = CreeStylo(AxeX.Axe.Couleur, AxeX.Axe.Epaisseur, AxeX.Axe.Style);
        auto etiquette = [&](double v, int px) {
            if (!AxeX.Graduation)
                return;
            const QString texte = TexteGraduation(AxeX, v, pi ? 0 : p1);
            const QFontMetrics fm(peintre.font(), peintre.device());
            const int w = fm.horizontalAdvance(texte), h = fm.height();
            int gauche = std::max(1, px - w / 2);
            if (gauche + w > Gauche + LargeurTrace)
                gauche -= w / 2;
            // The labels at the ends are shifted inward rather than cut by the picture's edges;
            // under an axis at the bottom edge they go above it.
            gauche = std::max(0, std::min(gauche, LargeurTotale - w - 1));
            const int haut = y + ecart + h > HauteurTotale ? y - ecart - h : y + ecart;
            if (coupeParAxeY(gauche, haut, w, h))
                gauche = PixelAxeY + ecart + w < LargeurTotale ? PixelAxeY + ecart : std::max(0, PixelAxeY - ecart - w);
            ecrit(texte, gauche, haut, couleurTexte);
        };
        auto px = [&](double v) { return MondeVersPixel(v, AxeX.TypeEchelle == EchelleProj ? 0 : yMonde).x(); };
        std::vector<double> principales, secondaires;
        if (AxeX.TypeEchelle == EchelleLog) {
            decades(D, xmin, xmax, principales);
            for (double v : principales) {
                if (dedans(v, xmin, xmax)) {
                    etiquette(v, px(v));
                    tiret(stylo2, px(v), y, true, true);
                }
                for (int k = 2; k <= 9; ++k)
                    if (dedans(k * v, xmin, xmax))
                        tiret(stylo2, px(k * v), y, true, false);
            }
        } else {
            if (valeursArith(D, p1, xmin, xmax, principales))
                for (double v : principales) {
                    etiquette(v, px(v));
                    tiret(stylo2, px(v), y, true, true);
                }
            if (valeursSecondaires(D, p1, p2, xmin, xmax, true, secondaires))
                for (double v : secondaires)
                    tiret(stylo2, px(v), y, true, false);
        }
        if (AxeX.TypeEchelle == EchelleProj) {
            QPen pointille = CreeStylo(AxeX.Axe.Couleur, 1, 2);
            peintre.setPen(pointille);
            peintre.drawLine(px(xmin), Haut, px(xmax), Haut);
            ecrit(QStringLiteral("Horizon"), px(xmin), Haut, couleurTexte);
        }
    }

    // 4. Vertical axis.
    if (AxeY.Axe.Visible) {
        const QPen stylo = CreeStylo(AxeY.Axe.Couleur, AxeY.Axe.Epaisseur, AxeY.Axe.Style);
        const QColor couleur = VersQColor(AxeY.Axe.Couleur);
        const double xMonde = xLigneY;
        const int x = PixelAxeY;
        int bas, t;
        if (AxeY.TypeEchelle == EchelleProj) {
            bas = Haut + HauteurTrace;
            t = Haut;
        } else {
            bas = MondeVersPixel(xMonde, ymin).y();
            t = MondeVersPixel(xMonde, ymax).y();
        }
        peintre.setPen(stylo);
        peintre.setBrush(couleur);
        peintre.drawLine(x, bas, x, t);
        if (!AxeY.Lateral) {
            QPolygon fleche;
            fleche << QPoint(x - P(4), t + P(7)) << QPoint(x, t) << QPoint(x + P(4), t + P(7)) << QPoint(x, t + P(4));
            peintre.drawPolygon(fleche);
        }
        titre(AxeY, x + P(5), t + P(1), true);

        peintre.setFont(AxeY.FonteGraduation.qfont(F));
        const QColor couleurTexte = AxeY.FonteGraduation.qcouleur();
        const double D = evalue(AxeY.Debut), p1 = evalue(AxeY.Pas1er), p2 = evalue(AxeY.Pas2nd);
        const bool pi = AxeY.Pas1er.toUpper().contains(QLatin1String("PI"));
        auto py = [&](double v) { return MondeVersPixel(xMonde, v).y(); };
        auto etiquette = [&](double v, int pyv) {
            if (!AxeY.Graduation)
                return;
            const QString texte = TexteGraduation(AxeY, v, pi ? 0 : p1);
            const QFontMetrics fm(peintre.font(), peintre.device());
            const int w = fm.horizontalAdvance(texte), h = fm.height();
            if (Polaire) {
                const double r = std::min(xmax, ymax);
                const double a = v * M_PI / 180;
                const QPoint p = MondeVersPixel(r * std::cos(a), r * std::sin(a));
                ecrit(texte, p.x() - P(5), p.y() - P(1), couleurTexte);
                return;
            }
            int gauche = x - ecart - w;
            if (gauche < 2)
                gauche = x + ecart;
            int haut = std::max(0, std::min(pyv - h / 2, HauteurTotale - h));
            if (coupeParAxeX(gauche, haut, w, h))
                haut = PixelAxeX - ecart - h >= 0 ? PixelAxeX - ecart - h : std::min(PixelAxeX + ecart, HauteurTotale - h);
            ecrit(texte, gauche, haut, couleurTexte);
        };
        std::vector<double> principales, secondaires;
        if (AxeY.TypeEchelle == EchelleLog) {
            decades(D, ymin, ymax, principales);
            for (double v : principales) {
                if (dedans(v, ymin, ymax)) {
                    etiquette(v, py(v));
                    tiret(stylo, x, py(v), false, true);
                }
                for (int k = 2; k <= 9; ++k)
                    if (dedans(k * v, ymin, ymax))
                        tiret(stylo, x, py(k * v), false, false);
            }
        } else if (AxeY.TypeEchelle == EchelleProj) {
            if (valeursArith(D, p1, std::max(0.0, ymin), ymax, principales))
                for (double v : principales)
                    if (v >= 0)
                        tiret(stylo, x, py(v), false, true);
        } else if (Polaire) {
            // Angles in degrees from D up to 180: labels around the plot; ticks where the
            // value also lies on the axis.
            if (valeursArith(D, p1, -INFINITY, 180, principales))
                for (double v : principales) {
                    etiquette(v, 0);
                    if (dedans(v, ymin, ymax))
                        tiret(stylo, x, py(v), false, true);
                }
        } else {
            if (valeursArith(D, p1, ymin, ymax, principales))
                for (double v : principales) {
                    etiquette(v, py(v));
                    tiret(stylo, x, py(v), false, true);
                }
            if (valeursSecondaires(D, p1, p2, ymin, ymax, true, secondaires))
                for (double v : secondaires)
                    tiret(stylo, x, py(v), false, false);
        }
    }

    // 5. Unit vectors, on arithmetic axes.
    const double ox = (xmin <= 0 && 0 <= xmax) ? 0 : (xmin > 0 ? xmin : xmax);
    const double oy = (ymin <= 0 && 0 <= ymax) ? 0 : (ymin > 0 ? ymin : ymax);
    if (AxeX.VecteurUnitaire && AxeX.TypeEchelle == EchelleArith) {
        const QPoint o = MondeVersPixel(ox, oy), b = MondeVersPixel(ox + g.pasX, oy);
        if (o.x() > 0 && o.y() > 0 && b.x() > 0 && b.y() > 0) {
            const QColor couleur = VersQColor(AxeX.Axe.Couleur);
            peintre.setPen(CreeStylo(AxeX.Axe.Couleur, AxeX.Axe.Epaisseur + 1, 0));
            peintre.setBrush(couleur);
            peintre.drawLine(o, b);
            const int e = b.x(), y = b.y();
            QPolygon tete;
            tete << QPoint(e - P(7), y - P(5)) << QPoint(e - P(3), y) << QPoint(e - P(7), y + P(5)) << QPoint(e, y);
            peintre.setPen(CreeStylo(AxeX.Axe.Couleur, 1, 0));
            peintre.drawPolygon(tete);
            AjouteCellule(CodeVecteurI, e, y);
        }
    }
    if (AxeY.VecteurUnitaire && AxeY.TypeEchelle == EchelleArith) {
        const QPoint o = MondeVersPixel(ox, oy), b = MondeVersPixel(ox, oy + g.pasY);
        if (o.x() > 0 && o.y() > 0 && b.x() > 0 && b.y() > 0) {
            const QColor couleur = VersQColor(AxeY.Axe.Couleur);
            peintre.setPen(CreeStylo(AxeY.Axe.Couleur, AxeY.Axe.Epaisseur + 1, 0));
            peintre.setBrush(couleur);
            peintre.drawLine(o, b);
            const int x = b.x(), e = b.y();
            QPolygon tete;
            tete << QPoint(x - P(5), e + P(7)) << QPoint(x, e + P(3)) << QPoint(x + P(5), e + P(7)) << QPoint(x, e);
            peintre.setPen(CreeStylo(AxeY.Axe.Couleur, 1, 0));
            peintre.drawPolygon(tete);
            AjouteCellule(CodeVecteurJ, x, e);
        }
    }

    // 6.
    peintre.setFont(ancienneFonte);
}
