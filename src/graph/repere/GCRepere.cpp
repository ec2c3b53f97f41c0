// The frame's geometry: graduation, mapping, sizing, hit index and window tests.
#include "graph/repere/GCRepere.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <tuple>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"

namespace {

// trunc of a pixel count, kept within 1 .. LimitePixel.
int pixelsParPas(double v)
{
    if (!(v >= 1))  // NaN too
        return 1;
    if (v >= LimitePixel)
        return LimitePixel;
    return static_cast<int>(v);
}

// Arithmetic axis (and a projective x axis): step 10^int(e), e = log10(R / 2) (minus 1 when
// negative), and the pixels that step spans on n pixels.
void graduationArith(double min, double max, int n, double& pas, int& pp)
{
    const double R = std::fabs(max - min);
    if (!(R > 0) || !std::isfinite(R)) {
        pas = 1;
        pp = 1;
        return;
    }
    double e = std::log10(R / 2);
    if (e < 0)
        e -= 1;
    pas = std::pow(10.0, std::trunc(e));
    if (!(pas > 0) || !std::isfinite(pas))
        pas = R;
    pp = pixelsParPas(std::trunc((n - 1) * pas / R));
}

// Logarithmic axis: the decade below min, and the pixels per decade.
void graduationLog(double min, double max, int n, double& pas, int& pp)
{
    if (!(min > 0) || !(max > min) || !std::isfinite(max)) {
        pas = 1;
        pp = 1;
        return;
    }
    double e = std::log10(min);
    if (e < 0 && e != std::floor(e))
        e -= 1;
    pas = std::pow(10.0, std::trunc(e));
    if (!(pas > 0) || !std::isfinite(pas))
        pas = 1;
    pp = pixelsParPas(std::trunc((n - 1) / (std::log10(max) - std::log10(min))));
}

// Projective y axis: the eye height spread over the horizon's pixels.
void graduationProjY(double hauteurOeil, int horizon, double& pas, int& pp)
{
    const double R = hauteurOeil;
    if (!(R > 0) || !std::isfinite(R)) {
        pas = 1;
        pp = 1;
        return;
    }
    double e = std::log10(R / 4);
    if (e < 0)
        e -= 1;
    pas = std::pow(10.0, std::trunc(e));
    if (!(pas > 0) || !std::isfinite(pas))
        pas = R;
    pp = pixelsParPas(std::trunc(horizon * pas / R));
}

int borneTaille(int v)
{
    return std::clamp(v, 1, 65535);
}

// A value near v, written with at most 15 significant digits when that stays within
// tolerance of v (so that a start computed as D + k p does not carry the rounding noise of
// the sum), else v itself.
double arrondiLisible(double v, double tolerance)
{
    char tampon[64];
    auto [fin, ec] = std::to_chars(tampon, tampon + sizeof tampon, v, std::chars_format::general, 15);
    if (ec != std::errc())
        return v;
    double r = v;
    auto res = std::from_chars(tampon, fin, r);
    if (res.ec != std::errc() || !std::isfinite(r))
        return v;
    return std::fabs(r - v) <= tolerance ? r : v;
}

}  // namespace

GCRepere::GCRepere(bool indexActif, int largeur, int hauteur) : IndexActif(indexActif)
{
    LargeurTrace = LargeurTotale = borneTaille(largeur);
    HauteurTrace = HauteurTotale = borneTaille(hauteur);
    AppliqueFacteur();
}

// ---------------------------------------------------------------------------------------
// Reading and setting

void GCRepere::GetBornes(double& xmin, double& xmax, double& ymax, double& ymin) const
{
    xmin = AxeX.Min;
    xmax = AxeX.Max;
    ymax = AxeY.Max;
    ymin = AxeY.Min;
}

void GCRepere::GetBornesEtPas(BornesEtPas& x, BornesEtPas& y) const
{
    auto lit = [](const GCGrille& a, BornesEtPas& b) {
        b.xinf = a.Xinf;
        b.xsup = a.Xsup;
        b.debut = a.Debut;
        b.pas1er = a.Pas1er;
        b.pas2nd = a.Pas2nd;
        b.type = a.TypeEchelle;
    };
    lit(AxeX, x);
    lit(AxeY, y);
}

void GCRepere::GetVisibilites(bool& axeX, bool& axeY, bool& grilleX, bool& grilleY) const
{
    axeX = AxeX.Axe.Visible;
    axeY = AxeY.Axe.Visible;
    grilleX = AxeX.Visible;
    grilleY = AxeY.Visible;
}

void GCRepere::GetStylesAxes(TCouleur& cx, int& ex, int& sx, TCouleur& cy, int& ey, int& sy) const
{
    cx = AxeX.Axe.Couleur;
    ex = AxeX.Axe.Epaisseur;
    sx = AxeX.Axe.Style;
    cy = AxeY.Axe.Couleur;
    ey = AxeY.Axe.Epaisseur;
    sy = AxeY.Axe.Style;
}

void GCRepere::GetStylesGrilles(TCouleur& cx, int& ex, int& sx, TCouleur& cy, int& ey, int& sy) const
{
    cx = AxeX.Couleur;
    ex = AxeX.Epaisseur;
    sx = AxeX.Style;
    cy = AxeY.Couleur;
    ey = AxeY.Epaisseur;
    sy = AxeY.Style;
}

void GCRepere::GetUnitesParPixel(double& ux, double& uy) const
{
    ux = (AxeX.Max - AxeX.Min) / LargeurTrace;
    uy = (AxeY.Max - AxeY.Min) / HauteurTrace;
}

void GCRepere::GetTailleMonde(int& largeur, int& hauteur) const
{
    int px1, py1, px2, py2;
    if (AxeY.TypeEchelle == EchelleProj) {
        MondeVersPixel(px1, py1, AxeX.Min, 0);
        MondeVersPixel(px2, py2, AxeX.Max, 0);
        largeur = px2 - px1 + 1;
        hauteur = HauteurTrace;
        return;
    }
    MondeVersPixel(px1, py1, AxeX.Min, AxeY.Min);
    MondeVersPixel(px2, py2, AxeX.Max, AxeY.Max);
    largeur = PixelSature(double(px2) - px1 + 1);
    hauteur = PixelSature(double(py1) - py2 + 1);
}

void GCRepere::SetStylesAxes(TCouleur cx, int ex, int sx, TCouleur cy, int ey, int sy)
{
    AxeX.Axe.Couleur = cx;
    AxeX.Axe.Epaisseur = ex;
    AxeX.Axe.Style = static_cast<std::uint8_t>(sx);
    AxeY.Axe.Couleur = cy;
    AxeY.Axe.Epaisseur = ey;
    AxeY.Axe.Style = static_cast<std::uint8_t>(sy);
}

void GCRepere::SetStylesGrilles(TCouleur cx, int ex, int sx, TCouleur cy, int ey, int sy)
{
    AxeX.Couleur = cx;
    AxeX.Epaisseur = ex;
    AxeX.Style = static_cast<std::uint8_t>(sx);
    AxeY.Couleur = cy;
    AxeY.Epaisseur = ey;
    AxeY.Style = static_cast<std::uint8_t>(sy);
}

void GCRepere::SetVisibilites(bool axeX, bool axeY, bool grilleX, bool grilleY)
{
    AxeX.Axe.Visible = axeX;
    AxeY.Axe.Visible = axeY;
    AxeX.Visible = grilleX;
    AxeY.Visible = grilleY;
}

void GCRepere::SetFormatsGraduation(int x, int y)
{
    AxeX.FormatGraduation = static_cast<std::uint16_t>(x);
    AxeY.FormatGraduation = static_cast<std::uint16_t>(y);
}

void GCRepere::SetTitres(std::shared_ptr<GCTexte> x, std::shared_ptr<GCTexte> y)
{
    AxeX.SetTitre(std::move(x));
    AxeY.SetTitre(std::move(y));
}

void GCRepere::SetBornesTextes(const QString& xinf, const QString& xsup, const QString& yinf, const QString& ysup)
{
    AxeX.Xinf = xinf;
    AxeX.Xsup = xsup;
    AxeY.Xinf = yinf;
    AxeY.Xsup = ysup;
    for (GCGrille* a : {&AxeX, &AxeY}) {
        a->XinfLu.clear();
        a->XsupLu.clear();
    }
}

void GCRepere::SetRectangle(QPoint origine, int largeur, int hauteur)
{
    GaucheBase_ = Gauche = origine.x();
    HautBase_ = Haut = origine.y();
    LargeurTrace = borneTaille(largeur);
    HauteurTrace = borneTaille(hauteur);
}

void GCRepere::FixeBornes(const QString& xinf, const QString& xsup, int typeX, const QString& debutX,
                          const QString& pas2ndX, const QString& pas1erX,
                          const QString& yinf, const QString& ysup, int typeY, const QString& debutY,
                          const QString& pas2ndY, const QString& pas1erY)
{
    AxeX.FixeBornes(xinf, xsup, typeX, debutX, pas2ndX, pas1erX);
    AxeY.FixeBornes(yinf, ysup, typeY, debutY, pas2ndY, pas1erY);
    AppliqueFacteur();
}

bool GCRepere::Modifie(int page)
{
    const auto etat = [this] {
        return std::tuple(Norme, Polaire, AxeX.TypeEchelle, AxeY.TypeEchelle, AxeX.Xinf, AxeX.Xsup, AxeY.Xinf,
                          AxeY.Xsup, HauteurOeil, DistanceOeil, Horizon, AxeX.Lateral, AxeY.Lateral, AxeX.Decalage,
                          AxeY.Decalage, AxeX.Graduation, AxeY.Graduation);
    };
    const auto avant = etat();
    Dialogues* dialogues = etatGraphe().dialogues;
    const bool confirme = dialogues && dialogues->modifieRepere(*this, page);
    FixeTaille(LargeurTotale, HauteurTotale);
    return confirme && etat() != avant;
}

// ---------------------------------------------------------------------------------------
// Zoom

namespace {

// The first grid value at or above the axis's min, computed in closed form; false when the
// start cannot be moved (step not positive, min not positive on a logarithmic axis, values
// that are not finite).
bool debutSurPlage(const GCGrille& axe, double& debut)
{
    const double min = axe.Min;
    if (!std::isfinite(min))
        return false;
    double v = EvalueTexte(axe.Debut.toStdString());
    const bool vLu = !ErreurCalcul();
    if (axe.TypeEchelle == EchelleLog) {
        if (!(min > 0))
            return false;
        if (!vLu || !(v > 0) || !std::isfinite(v))
            v = std::pow(10.0, std::floor(std::log10(min)));
        const double k = std::ceil(std::log10(min / v));
        double r = v * std::pow(10.0, k);
        for (int i = 0; i < 3 && r < min; ++i)
            r *= 10;
        for (int i = 0; i < 3 && r / 10 >= min; ++i)
            r /= 10;
        if (!std::isfinite(r) || !(r > 0))
            return false;
        debut = arrondiLisible(r, r * 1e-12);
        return true;
    }
    const double p = EvalueTexte(axe.Pas1er.toStdString());
    if (ErreurCalcul() || !vLu || !(p > 0) || !std::isfinite(p) || !std::isfinite(v))
        return false;
    const double k = std::ceil((min - v) / p);
    if (!std::isfinite(k))
        return false;
    // A few steps put right what the rounding of v + k p lost (a start far from the range).
    double r = v + k * p;
    for (int i = 0; i < 4 && r < min && r + p > r; ++i)
        r += p;
    for (int i = 0; i < 4 && r - p >= min && r - p < r; ++i)
        r -= p;
    if (!std::isfinite(r))
        return false;
    debut = arrondiLisible(r, p * 1e-9);
    return true;
}

}  // namespace

void GCRepere::FixeFenetre(double xmin, double xmax, double ymin, double ymax)
{
    if (xmin > xmax)
        std::swap(xmin, xmax);
    if (ymin > ymax)
        std::swap(ymin, ymax);
    AxeX.SetBornesTextes(QString::fromStdString(ReelExact(xmin)), QString::fromStdString(ReelExact(xmax)));
    AxeY.SetBornesTextes(QString::fromStdString(ReelExact(ymin)), QString::fromStdString(ReelExact(ymax)));
    if (!Polaire) {
        for (GCGrille* axe : {&AxeX, &AxeY}) {
            double debut;
            if (debutSurPlage(*axe, debut))
                axe->Debut = QString::fromStdString(ReelExact(debut));
        }
    }
    ErreurCalcul() = 0;
}

// ---------------------------------------------------------------------------------------
// Sizing

void GCRepere::FixeTaille(int largeur, int hauteur)
{
    LargeurTotale = borneTaille(largeur);
    HauteurTotale = borneTaille(hauteur);
    HautBase_ = AxeY.Graduation ? std::abs(AxeY.FonteGraduation.Taille) : 0;
    GaucheBase_ = AxeX.Graduation ? std::abs(AxeX.FonteGraduation.Taille) : 0;
    if (AxeX.Lateral)
        GaucheBase_ = AxeX.Decalage;
    // Computed in int, kept at least 1 pixel.
    LargeurTrace = borneTaille(largeur - GaucheBase_);
    HauteurTrace = borneTaille(hauteur - (AxeY.Lateral ? AxeY.Decalage : 0) - HautBase_);

    if (Norme) {
        const double lx = AxeX.Max - AxeX.Min, ly = AxeY.Max - AxeY.Min;
        if (lx > 0 && ly > 0 && std::isfinite(lx) && std::isfinite(ly)) {
            const double densiteX = LargeurTrace / lx, densiteY = HauteurTrace / ly;
            bool possible;
            if (densiteX >= densiteY) {
                const double nouvelle = std::nearbyint(densiteY * lx);
                possible = nouvelle >= 100;
                if (possible) {
                    const int n = static_cast<int>(nouvelle);
                    GaucheBase_ += (LargeurTrace - n) / 2;
                    LargeurTrace = borneTaille(n);
                }
            } else {
                const double nouvelle = std::nearbyint(densiteX * ly);
                possible = nouvelle >= 100;
                if (possible) {
                    const int n = static_cast<int>(nouvelle);
                    HautBase_ += (HauteurTrace - n) / 2;
                    HauteurTrace = borneTaille(n);
                }
            }
            if (!possible) {
                Norme = false;
                interlocuteur().message(QStringLiteral("Impossible de respecter l'orthonormalité!"));
            }
        }
    }
    AppliqueFacteur();
}

void GCRepere::AppliqueFacteur()
{
    const double f = etatGraphe().FacteurEchelle;
    Gauche = ArrondiPixel(GaucheBase_ * f);
    Haut = ArrondiPixel(HautBase_ * f);

    const double xmin = AxeX.Min, xmax = AxeX.Max, ymin = AxeY.Min, ymax = AxeY.Max;
    int px, py;
    const int tx = AxeX.TypeEchelle;
    if (!AxeX.Lateral && (tx == EchelleArith || tx == EchelleProj) && xmin <= 0 && 0 <= xmax) {
        MondeVersPixel(px, py, 0, tx == EchelleArith ? 1 : 0);
        PixelAxeY = px;
    } else if (!AxeX.Lateral && tx != EchelleLog && xmin <= 0 && xmax < 0) {
        PixelAxeY = Gauche + 1 + LargeurTrace;
    } else {
        PixelAxeY = Gauche + 1;
    }

    const int ty = AxeY.TypeEchelle;
    if (AxeY.Lateral || ty == EchelleLog) {
        MondeVersPixel(px, py, 1, ymin);
        PixelAxeX = py;
    } else if (ty == EchelleProj) {
        MondeVersPixel(px, py, 0, 0);
        PixelAxeX = py;
    } else if (ymin <= 0 && 0 <= ymax) {
        MondeVersPixel(px, py, 1, 0);
        PixelAxeX = py;
    } else if (ymin <= 0 && ymax < 0) {
        PixelAxeX = Haut + 1;
    } else {
        MondeVersPixel(px, py, 1, ymin);
        PixelAxeX = py;
    }
}

// ---------------------------------------------------------------------------------------
// Mapping

const Graduation& GCRepere::graduation() const
{
    const CleGraduation cle{AxeX.Min, AxeX.Max, AxeY.Min, AxeY.Max, HauteurOeil,
                            AxeX.TypeEchelle, AxeY.TypeEchelle, LargeurTrace, HauteurTrace, Horizon};
    if (cle_ && *cle_ == cle)
        return graduation_;
    Graduation g;
    if (AxeX.TypeEchelle == EchelleLog)
        graduationLog(AxeX.Min, AxeX.Max, LargeurTrace, g.pasX, g.pasPixelX);
    else
        graduationArith(AxeX.Min, AxeX.Max, LargeurTrace, g.pasX, g.pasPixelX);
    if (AxeY.TypeEchelle == EchelleLog)
        graduationLog(AxeY.Min, AxeY.Max, HauteurTrace, g.pasY, g.pasPixelY);
    else if (AxeY.TypeEchelle == EchelleProj)
        graduationProjY(HauteurOeil, Horizon, g.pasY, g.pasPixelY);
    else
        graduationArith(AxeY.Min, AxeY.Max, HauteurTrace, g.pasY, g.pasPixelY);
    graduation_ = g;
    cle_ = cle;
    return graduation_;
}

void GCRepere::CalculeGraduation(int& pasPixelX, int& pasPixelY, double& pasY, double& pasX) const
{
    const Graduation& g = graduation();
    pasPixelX = g.pasPixelX;
    pasPixelY = g.pasPixelY;
    pasY = g.pasY;
    pasX = g.pasX;
}

void GCRepere::MondeVersPixel(int& px, int& py, double x, double y) const
{
    Correspondance(*this, graduation()).MondeVersPixel(px, py, x, y);
}

QPoint GCRepere::MondeVersPixel(double x, double y) const
{
    int px = 0, py = 0;
    MondeVersPixel(px, py, x, y);
    return {px, py};
}

void GCRepere::PixelVersMonde(int px, int py, double& x, double& y) const
{
    Correspondance(*this, graduation()).PixelVersMonde(px, py, x, y);
}

Correspondance GCRepere::correspondance() const
{
    return Correspondance(*this, graduation());
}

// ---------------------------------------------------------------------------------------
// The mapping value

Correspondance::Correspondance(const GCRepere& r, const Graduation& g)
    : Gauche(r.Gauche), Haut(r.Haut), HauteurTrace(r.HauteurTrace), AxeX{r.AxeX.Min, r.AxeX.Max, r.AxeX.TypeEchelle},
      AxeY{r.AxeY.Min, r.AxeY.Max, r.AxeY.TypeEchelle}, DistanceOeil(r.DistanceOeil), HauteurOeil(r.HauteurOeil), g_(g),
      infini_(1.0 / contexteCalcul().Epsilon)
{
    kx_ = double(g.pasPixelX) / g.pasX;
    ky_ = double(g.pasPixelY) / g.pasY;
    decalageX_ = double(Gauche) + 1;
    decalageY_ = double(Haut) + 1;
    // A coefficient that is not finite (a frame that is not valid) makes every product fail
    // the test of pixelAffine: the formula then maps each point.
    affine_ = AxeX.TypeEchelle == EchelleArith && AxeY.TypeEchelle == EchelleArith;
}

void Correspondance::MondeVersPixelGeneral(int& px, int& py, double x, double y) const
{
    const Graduation& g = g_;
    const double L = Gauche, T = Haut, h = HauteurTrace;
    const double d = DistanceOeil, H = HauteurOeil;
    switch (AxeX.TypeEchelle) {
    case EchelleArith:
        px = PixelSature(std::nearbyint((x - AxeX.Min) * g.pasPixelX / g.pasX) + L + 1);
        break;
    case EchelleLog:
        px = PixelSature(std::nearbyint(std::log10(x / AxeX.Min) * g.pasPixelX) + L + 1);
        break;
    case EchelleProj:
        if (d + y > 0) {
            const double xp = d * x / (d + y);
            px = PixelSature(std::nearbyint((xp - AxeX.Min) * g.pasPixelX / g.pasX) + L + 1);
        } else {
            px = Gauche;
        }
        break;
    default:
        break;
    }
    switch (AxeY.TypeEchelle) {
    case EchelleArith:
        py = PixelSature(std::nearbyint((AxeY.Max - y) * g.pasPixelY / g.pasY) + T + 1);
        break;
    case EchelleLog:
        py = PixelSature(T + h - std::nearbyint(std::log10(y / AxeY.Min) * g.pasPixelY));
        break;
    case EchelleProj:
        if (d + y > 0) {
            const double yp = H * y / (d + y);
            py = PixelSature(std::nearbyint((H - yp) * g.pasPixelY / g.pasY) + T + 1);
        } else {
            py = PixelSature(T + h);
        }
        break;
    default:
        break;
    }
}

QPoint Correspondance::MondeVersPixel(double x, double y) const
{
    int px = 0, py = 0;
    MondeVersPixel(px, py, x, y);
    return {px, py};
}

void Correspondance::PixelVersMonde(int px, int py, double& x, double& y) const
{
    const Graduation& g = g_;
    const double L = Gauche, T = Haut, h = HauteurTrace;
    const double d = DistanceOeil, H = HauteurOeil;
    const double infini = infini_;
    const bool projX = AxeX.TypeEchelle == EchelleProj, projY = AxeY.TypeEchelle == EchelleProj;

    // The arithmetic or logarithmic inverse of each axis (projective: the primed value).
    double xa = x, ya = y;
    switch (AxeX.TypeEchelle) {
    case EchelleArith:
    case EchelleProj:
        xa = (px - L - 1) * g.pasX / g.pasPixelX + AxeX.Min;
        break;
    case EchelleLog:
        xa = AxeX.Min * std::pow(10.0, (px - L - 1) / g.pasPixelX);
        break;
    default:
        break;
    }
    switch (AxeY.TypeEchelle) {
    case EchelleArith:
        ya = AxeY.Max - (py - T - 1) * g.pasY / g.pasPixelY;
        break;
    case EchelleLog:
        ya = AxeY.Min * std::pow(10.0, (T + h - py) / g.pasPixelY);
        break;
    case EchelleProj:
        ya = H - (py - T - 1) * g.pasY / g.pasPixelY;
        break;
    default:
        break;
    }

    if (projY) {
        // ya is y' here.
        if (H - ya == 0) {
            y = infini;
            x = projX ? infini : xa;
            return;
        }
        y = d * ya / (H - ya);
        x = projX ? H * xa / (H - ya) : xa;
        return;
    }
    if (projX) {
        // y read on its own axis; x' = d x / (d + y).
        y = ya;
        x = d != 0 ? xa * (d + ya) / d : infini;
        return;
    }
    if (AxeX.TypeEchelle <= EchelleProj)
        x = xa;
    if (AxeY.TypeEchelle <= EchelleProj)
        y = ya;
}

bool GCRepere::Valide(QString* raison) const
{
    auto nomAxe = [](const GCGrille& a) {
        return a.Horizontal ? QStringLiteral("des abscisses (x)") : QStringLiteral("des ordonnées (y)");
    };
    auto echec = [&](const QString& texte) {
        if (raison)
            *raison = texte;
        return false;
    };
    for (const GCGrille* a : {&AxeX, &AxeY}) {
        if (!std::isfinite(a->Min) || !std::isfinite(a->Max))
            return echec(QStringLiteral("Repère : les bornes de l'axe %1 ne sont pas des nombres (« %2 », « %3 »).")
                             .arg(nomAxe(*a), a->Xinf, a->Xsup));
        if (!(a->Max > a->Min))
            return echec(QStringLiteral("Repère : sur l'axe %1, le minimum (%2) doit être inférieur au maximum (%3).")
                             .arg(nomAxe(*a), a->Xinf, a->Xsup));
        if (a->TypeEchelle == EchelleLog && !(a->Min > 0))
            return echec(QStringLiteral("Repère : l'axe %1 est logarithmique, son minimum (%2) doit être positif.")
                             .arg(nomAxe(*a), a->Xinf));
    }
    if (AxeX.TypeEchelle == EchelleProj || AxeY.TypeEchelle == EchelleProj) {
        if (!(HauteurOeil > 0) || !std::isfinite(HauteurOeil) || !(DistanceOeil > 0) || !std::isfinite(DistanceOeil))
            return echec(QStringLiteral("Repère : en vision projective, la hauteur et la distance de l'oeil doivent être positives."));
        if (Horizon < 1)
            return echec(QStringLiteral("Repère : en vision projective, l'ordonnée de l'axe y=0 doit être positive."));
    }
    if (raison)
        raison->clear();
    return true;
}

// ---------------------------------------------------------------------------------------
// Hit index

bool GCRepere::CelluleDePixel(int px, int py, int& c, int& r) const
{
    c = (px - Gauche) / (LargeurTrace / 49 + 1);
    r = (py - Haut) / (HauteurTrace / 49 + 1);
    return c >= 0 && c < NbCellules && r >= 0 && r < NbCellules;
}

void GCRepere::AjouteCellule(int numero, int px, int py)
{
    if (!IndexActif)
        return;
    int c, r;
    if (!CelluleDePixel(px, py, c, r))
        return;
    std::vector<int>& cellule = Cellules[c * NbCellules + r];
    if (std::find(cellule.begin(), cellule.end(), numero) == cellule.end())
        cellule.push_back(numero);
}

const std::vector<int>* GCRepere::ListeCellule(int px, int py) const
{
    int c, r;
    if (!CelluleDePixel(px, py, c, r))
        return nullptr;
    const std::vector<int>& cellule = Cellules[c * NbCellules + r];
    return cellule.empty() ? nullptr : &cellule;
}

int GCRepere::ObjetSousPixel(int px, int py) const
{
    const std::vector<int>* liste = ListeCellule(px, py);
    if (!liste)
        return 0;
    if (liste->size() == 1)
        return liste->front();
    auto contient = [&](int n) { return std::find(liste->begin(), liste->end(), n) != liste->end(); };
    if (contient(CodeVecteurI))
        return CodeVecteurI;
    if (contient(CodeVecteurJ))
        return CodeVecteurJ;
    return CodeAmbigu;
}

void GCRepere::VideCellules()
{
    if (!IndexActif)
        return;
    for (auto& cellule : Cellules) {
        cellule.clear();
        cellule.shrink_to_fit();
    }
}

// ---------------------------------------------------------------------------------------
// Window tests

bool GCRepere::HorsCadre(int px, int py) const
{
    return px < Gauche || px > Gauche + LargeurTrace || py < Haut || py > Haut + HauteurTrace;
}

bool GCRepere::HorsBornes(double x, double y) const
{
    if (AxeX.TypeEchelle == EchelleProj)
        return y < AxeY.Min;
    return x < AxeX.Min || x > AxeX.Max || y < AxeY.Min || y > AxeY.Max;
}

int GCRepere::CodeBord(double x1, double y1, double x2, double y2) const
{
    const double xmin = AxeX.Min, xmax = AxeX.Max, ymin = AxeY.Min, ymax = AxeY.Max;
    if (x1 == xmin || x1 == xmax || y1 == ymin || y1 == ymax)
        return 0;
    // Signed distance (up to a positive factor) of (qx, qy) from the line through (x1, y1)
    // and (cx, cy).
    auto cote = [&](double cx, double cy, double qx, double qy) {
        return (cx - x1) * (qy - y1) - (cy - y1) * (qx - x1);
    };
    // (x2, y2) lies between the lines to the two corners a and b of a side.
    auto entre = [&](double ax, double ay, double bx, double by) {
        return cote(ax, ay, x2, y2) * cote(ax, ay, bx, by) >= 0 && cote(bx, by, x2, y2) * cote(bx, by, ax, ay) >= 0;
    };
    int code = 0;
    if (y2 < ymin && entre(xmin, ymin, xmax, ymin))
        code = 1;
    if (x2 > xmax && entre(xmax, ymin, xmax, ymax))
        code = 2;
    if (y2 > ymax && entre(xmax, ymax, xmin, ymax))
        code = 3;
    if (x2 < xmin && entre(xmin, ymin, xmin, ymax))
        code = 4;
    return code;
}

void GCRepere::PointSurBord(double& x, double& y, double x1, double y1, double x2, double y2) const
{
    const double xmin = AxeX.Min, xmax = AxeX.Max, ymin = AxeY.Min, ymax = AxeY.Max;
    // Where the line through both points meets y = yb, or x = xb.
    auto surHorizontale = [&](double yb) {
        y = yb;
        x = (x1 == x2 || y1 == y2) ? x1 : x1 + (yb - y1) * (x2 - x1) / (y2 - y1);
    };
    auto surVerticale = [&](double xb) {
        x = xb;
        y = x1 == x2 ? y1 : y1 + (xb - x1) * (y2 - y1) / (x2 - x1);
    };
    switch (CodeBord(x1, y1, x2, y2)) {
    case 1: surHorizontale(ymin); break;
    case 2: surVerticale(xmax); break;
    case 3: surHorizontale(ymax); break;
    case 4: surVerticale(xmin); break;
    default:
        x = x1;
        y = y1;
        break;
    }
}
