#include "graph/base/GCclasse_base.h"

#include <QPainter>
#include <QPolygon>
#include <cmath>
#include <limits>

#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"

// ---------------------------------------------------------------------------------------
// Colours

namespace {

struct NomCouleurBoite {
    const char* nom;
    TCouleur valeur;
};

// The toolkit's colour constants, in the order in which their names are looked up.
const NomCouleurBoite CouleursBoite[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080}, {"clGreen", 0x008000}, {"clOlive", 0x008080},
    {"clNavy", 0x800000}, {"clPurple", 0x800080}, {"clTeal", 0x808000}, {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF}, {"clLime", 0x00FF00}, {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000}, {"clFuchsia", 0xFF00FF}, {"clAqua", 0xFFFF00}, {"clWhite", 0xFFFFFF},
    {"clMoneyGreen", 0xC0DCC0}, {"clSkyBlue", 0xF0CAA6}, {"clCream", 0xF0FBFF},
    {"clMedGray", 0xA4A0A0},
    {"clActiveBorder", 0xFF00000A}, {"clActiveCaption", 0xFF000002},
    {"clAppWorkSpace", 0xFF00000C}, {"clBackground", 0xFF000001}, {"clBtnFace", 0xFF00000F},
    {"clBtnHighlight", 0xFF000014}, {"clBtnShadow", 0xFF000010}, {"clBtnText", 0xFF000012},
    {"clCaptionText", 0xFF000009}, {"clDefault", CouleurDefaut},
    {"clGradientActiveCaption", 0xFF00001B}, {"clGradientInactiveCaption", 0xFF00001C},
    {"clGrayText", 0xFF000011}, {"clHighlight", 0xFF00000D}, {"clHighlightText", 0xFF00000E},
    {"clHotLight", 0xFF00001A}, {"clInactiveBorder", 0xFF00000B},
    {"clInactiveCaption", 0xFF000003}, {"clInactiveCaptionText", 0xFF000013},
    {"clInfoBk", 0xFF000018}, {"clInfoText", 0xFF000017}, {"clMenu", 0xFF000004},
    {"clMenuBar", 0xFF00001E}, {"clMenuHighlight", 0xFF00001D}, {"clMenuText", 0xFF000007},
    {"clNone", CouleurAucune}, {"clScrollBar", 0xFF000000}, {"cl3DDkShadow", 0xFF000015},
    {"cl3DLight", 0xFF000016}, {"clWindow", 0xFF000005}, {"clWindowFrame", 0xFF000006},
    {"clWindowText", 0xFF000008},
};

// Names that are only read (they share their value with a name above).
const NomCouleurBoite AliasBoite[] = {{"clLtGray", 0xC0C0C0}, {"clDkGray", 0x808080}};

// A light theme's values (0xRRGGBB) of the system colours 0 to 30.
const std::uint32_t CouleursSysteme[31] = {
    0xC8C8C8, 0x000000, 0x99B4D1, 0xBFCDDB, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xF4F7FC, 0xABABAB, 0x3399FF, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x434E54, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xFFFFE1, 0x000000, 0x0066CC, 0xB9D1EA, 0xD7E4F2, 0x3399FF, 0xF0F0F0,
};

}  // namespace

const CouleurNommee CouleursNommees[NbCouleursNommees] = {
    {"Noir", 0x000000}, {"Marron", 0x000080}, {"Vert", 0x008000}, {"Olive", 0x008080},
    {"Marine", 0x800000}, {"Pourpre", 0x800080}, {"Sarcelle", 0x808000}, {"Gris", 0x808080},
    {"Argent", 0xC0C0C0}, {"Rouge", 0x0000FF}, {"Citron", 0x00FF00}, {"Jaune", 0x00FFFF},
    {"Bleu", 0xFF0000}, {"Fuchsia", 0xFF00FF}, {"Eau", 0xFFFF00}, {"Blanc", 0xFFFFFF},
    {"Orange", 0x4080FF},
};

QColor VersQColor(TCouleur couleur)
{
    if (couleur == CouleurAucune)
        return QColor(Qt::transparent);
    if (couleur == CouleurDefaut)
        return QColor(Qt::black);
    if ((couleur & 0xFF000000u) == 0xFF000000u) {
        const std::uint32_t indice = couleur & 0xFFu;
        const std::uint32_t rvb = indice < 31 ? CouleursSysteme[indice] : 0;
        return QColor((rvb >> 16) & 0xFF, (rvb >> 8) & 0xFF, rvb & 0xFF);
    }
    return QColor(couleur & 0xFF, (couleur >> 8) & 0xFF, (couleur >> 16) & 0xFF);
}

TCouleur DeQColor(const QColor& couleur)
{
    return RVB(couleur.red(), couleur.green(), couleur.blue());
}

QString CouleurEnTexte(TCouleur couleur)
{
    for (const auto& c : CouleursBoite)
        if (c.valeur == couleur)
            return QString::fromLatin1(c.nom);
    return QStringLiteral("$") + QStringLiteral("%1").arg(couleur, 8, 16, QLatin1Char('0')).toUpper();
}

bool TexteEnCouleur(const QString& texte, TCouleur& couleur)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return false;
    for (const auto& c : CouleursBoite)
        if (t.compare(QLatin1String(c.nom), Qt::CaseInsensitive) == 0) {
            couleur = c.valeur;
            return true;
        }
    for (const auto& c : AliasBoite)
        if (t.compare(QLatin1String(c.nom), Qt::CaseInsensitive) == 0) {
            couleur = c.valeur;
            return true;
        }
    bool ok = false;
    qlonglong v = 0;
    QString chiffres = t;
    bool negatif = false;
    if (chiffres.startsWith(QLatin1Char('-'))) {
        negatif = true;
        chiffres = chiffres.mid(1);
    } else if (chiffres.startsWith(QLatin1Char('+'))) {
        chiffres = chiffres.mid(1);
    }
    if (chiffres.startsWith(QLatin1Char('$')))
        v = chiffres.mid(1).toLongLong(&ok, 16);
    else if (chiffres.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        v = chiffres.mid(2).toLongLong(&ok, 16);
    else
        v = chiffres.toLongLong(&ok, 10);
    if (!ok || chiffres.isEmpty())
        return false;
    if (negatif)
        v = -v;
    // A 32-bit value, as the toolkit keeps it.
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max())
        return false;
    couleur = static_cast<TCouleur>(static_cast<std::uint32_t>(v));
    return true;
}

bool IdentVersCouleur(const QString& nom, TCouleur& couleur)
{
    const QString t = nom.trimmed();
    for (const auto& c : CouleursNommees)
        if (t.compare(QLatin1String(c.nom), Qt::CaseInsensitive) == 0) {
            couleur = c.valeur;
            return true;
        }
    return false;
}

bool CouleurVersIdent(TCouleur couleur, QString& nom)
{
    for (const auto& c : CouleursNommees)
        if (c.valeur == couleur) {
            nom = QString::fromUtf8(c.nom);
            return true;
        }
    return false;
}

QString CouleurVersTexte(TCouleur couleur)
{
    QString nom;
    if (CouleurVersIdent(couleur, nom))
        return nom;
    return CouleurEnTexte(couleur);
}

bool TexteVersCouleur(const QString& texte, TCouleur& couleur)
{
    return IdentVersCouleur(texte, couleur) || TexteEnCouleur(texte, couleur);
}

// ---------------------------------------------------------------------------------------
// Fonts

int TailleEchelle(int taille, double facteur)
{
    const double v = std::nearbyint(taille * facteur);
    if (!std::isfinite(v))
        return taille;
    return static_cast<int>(std::clamp(v, -10000.0, 10000.0));
}

QFont Police::qfont(double facteur) const
{
    QFont f(Nom.isEmpty() ? QStringLiteral("DejaVu Sans") : Nom);
    int points = TailleEchelle(Taille, facteur);
    int pixels;
    if (points < 0)
        pixels = -points;  // a negative size is a height in pixels
    else
        pixels = static_cast<int>(std::floor(points * 96.0 / 72.0 + 0.5));
    if (pixels < 1)
        pixels = 1;
    f.setPixelSize(pixels);
    f.setBold(Gras);
    f.setItalic(Italique);
    f.setUnderline(Souligne);
    f.setStrikeOut(Barre);
    return f;
}

QString FonteVersTexte(const Police& police)
{
    auto drapeau = [](bool b) { return b ? QStringLiteral("1;") : QStringLiteral("0;"); };
    return police.Nom + QLatin1Char(';') + CouleurEnTexte(police.Couleur) + QLatin1Char(';')
           + QString::number(police.Taille) + QLatin1Char(';') + drapeau(police.Gras)
           + drapeau(police.Italique) + drapeau(police.Souligne) + drapeau(police.Barre);
}

bool LitPolice(QString& ligne, Police& police)
{
    bool ok = true;
    police.Nom = PremierChamp(ligne);
    TCouleur c = police.Couleur;
    if (TexteVersCouleur(PremierChamp(ligne), c))
        police.Couleur = c;
    else
        ok = false;
    int taille = police.Taille;
    if (LitEntier(PremierChamp(ligne), taille))
        police.Taille = taille;
    else
        ok = false;
    police.Gras = PremierChamp(ligne) == QLatin1String("1");
    police.Italique = PremierChamp(ligne) == QLatin1String("1");
    police.Souligne = PremierChamp(ligne) == QLatin1String("1");
    police.Barre = PremierChamp(ligne) == QLatin1String("1");
    return ok;
}

// ---------------------------------------------------------------------------------------
// Fields

QString PremierChamp(QString& ligne)
{
    const int p = ligne.indexOf(QLatin1Char(';'));
    if (p < 0)
        return {};
    QString champ = ligne.left(p);
    ligne.remove(0, p + 1);
    return champ;
}

QString ChampOuReste(QString& ligne)
{
    if (ligne.contains(QLatin1Char(';')))
        return PremierChamp(ligne);
    QString tout = ligne;
    ligne.clear();
    return tout;
}

QString SurUneLigne(QString texte)
{
    texte.replace(QLatin1Char('\r'), QLatin1Char(' '));
    texte.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return texte;
}

QString TexteDeChamp(QString texte)
{
    texte.replace(QLatin1Char(';'), QLatin1Char(','));
    return SurUneLigne(std::move(texte));
}

QString ChampTexte(const QString& texte)
{
    return TexteDeChamp(texte) + QLatin1Char(';');
}

QString ChampEntier(int valeur)
{
    return QString::number(valeur) + QLatin1Char(';');
}

QString TexteBooleen(bool valeur)
{
    return valeur ? QStringLiteral("v;") : QStringLiteral("f;");
}

bool LitBooleen(const QString& champ)
{
    return !champ.isEmpty() && champ.at(0).toUpper() == QLatin1Char('V');
}

bool LitEntier(const QString& champ, int& valeur)
{
    const QString t = champ.trimmed();
    bool ok = false;
    int v = 0;
    if (t.startsWith(QLatin1Char('$')))
        v = t.mid(1).toInt(&ok, 16);
    else
        v = t.toInt(&ok, 10);
    if (!ok)
        return false;
    valeur = v;
    return true;
}

// ---------------------------------------------------------------------------------------
// Scale types

QString NomTypeEchelle(int type)
{
    switch (type) {
    case EchelleArith: return QStringLiteral("arith");
    case EchelleLog: return QStringLiteral("log");
    case EchelleProj: return QStringLiteral("proj");
    default: return {};
    }
}

int TypeEchelleDeTexte(const QString& texte)
{
    const QString t = texte.trimmed();
    if (t.isEmpty())
        return EchelleArith;
    switch (t.at(0).toUpper().unicode()) {
    case 'L': return EchelleLog;
    case 'P': return EchelleProj;
    default: return EchelleArith;
    }
}

// ---------------------------------------------------------------------------------------
// Pixels and pens

int PixelSature(double v)
{
    if (std::isnan(v))
        return -LimitePixel;
    if (v <= -LimitePixel)
        return -LimitePixel;
    if (v >= LimitePixel)
        return LimitePixel;
    return static_cast<int>(v);
}

int ArrondiPixel(double v)
{
    return PixelSature(std::nearbyint(v));
}

int PixelsEchelle(double pixels)
{
    return ArrondiPixel(pixels * etatGraphe().FacteurEchelle);
}

int EpaisseurEchelle(int epaisseur)
{
    return std::max(1, PixelsEchelle(std::max(1, epaisseur)));
}

QPen CreeStylo(TCouleur couleur, int epaisseur, int style)
{
    QPen stylo(VersQColor(couleur));
    const int largeur = std::max(1, epaisseur);
    stylo.setWidth(EpaisseurEchelle(largeur));
    Qt::PenStyle s = Qt::SolidLine;
    switch (style) {
    case 1: s = Qt::DashLine; break;
    case 2: s = Qt::DotLine; break;
    case 3: s = Qt::DashDotLine; break;
    case 4: s = Qt::DashDotDotLine; break;
    case 5: s = Qt::NoPen; break;
    default: break;
    }
    if (largeur > 1 && s != Qt::NoPen)
        s = Qt::SolidLine;
    stylo.setStyle(s);
    stylo.setCapStyle(largeur > 1 ? Qt::RoundCap : Qt::SquareCap);
    stylo.setJoinStyle(Qt::RoundJoin);
    return stylo;
}

// ---------------------------------------------------------------------------------------
// GCBase, GCPoint

void GCBase::Copie(const GCBase& source)
{
    if (&source == this) {
        Selectionne = false;
        return;
    }
    Visible = source.Visible;
    HorsIndex = source.HorsIndex;
    Couleur = source.Couleur;
    Style = source.Style;
    Epaisseur = source.Epaisseur;
    Selectionne = false;
}

QPen GCBase::stylo() const
{
    return CreeStylo(Couleur, Epaisseur, Style);
}

void GCPoint::CopiePoint(const GCPoint& source)
{
    Copie(source);
    Rempli = source.Rempli;
    TypePoint = source.TypePoint;
    Angle = source.Angle;
}

namespace {

// A vertex (X, Y) turned about (px, py) by theta, each offset rounded (halves to even).
QPoint tourne(double X, double Y, int px, int py, double c, double s)
{
    const double dx = X - px, dy = Y - py;
    return {PixelSature(px + std::nearbyint(c * dx - s * dy)),
            PixelSature(py + std::nearbyint(s * dx + c * dy))};
}

}  // namespace

GCPoint::Preparation GCPoint::Prepare(const QPen& stylo, const QBrush& brosse, TCouleur couleur) const
{
    Preparation p;
    p.styloAvant = stylo;
    p.brosseAvant = brosse;
    p.couleur = couleur;
    p.stylo = stylo;
    p.stylo.setColor(VersQColor(couleur));
    p.stylo.setWidth(EpaisseurEchelle(1));
    p.styloPixel = QPen(VersQColor(Couleur), EpaisseurEchelle(1));
    p.taille = Epaisseur > 0 ? EpaisseurEchelle(Epaisseur) : PixelsEchelle(Epaisseur);
    p.tailleMoinsUn = PixelsEchelle(Epaisseur - 1);
    p.brosse = Rempli ? QBrush(VersQColor(Couleur)) : brosse;
    const double theta = Angle * M_PI / 180.0;
    p.c = std::cos(theta);
    p.s = std::sin(theta);
    for (int k = 0; k < 5; ++k) {
        const double a = theta + k * 2.0 * M_PI / 5.0;
        p.cPentagone[k] = std::cos(a);
        p.sPentagone[k] = std::sin(a);
    }
    return p;
}

void GCPoint::Dessine(QPainter& peintre, int px, int py, TCouleur couleur) const
{
    if (!Visible || TypePoint > PointDemiCercle)
        return;
    const QPen ancienStylo = peintre.pen();
    const QBrush ancienneBrosse = peintre.brush();
    Dessine(peintre, px, py, Prepare(ancienStylo, ancienneBrosse, couleur));
    peintre.setPen(ancienStylo);
    peintre.setBrush(ancienneBrosse);
}

void GCPoint::Dessine(QPainter& peintre, int px, int py, const Preparation& prep) const
{
    if (!Visible || TypePoint > PointDemiCercle)
        return;
    if (peintre.pen() != prep.styloAvant || peintre.brush() != prep.brosseAvant) {
        Dessine(peintre, px, py, prep.couleur);
        return;
    }
    peintre.setPen(prep.stylo);
    if (Rempli)
        peintre.setBrush(prep.brosse);

    const double c = prep.c, s = prep.s;
    const int t = prep.taille, t1 = prep.tailleMoinsUn;
    auto R = [&](double X, double Y) { return tourne(X, Y, px, py, c, s); };
    auto segment = [&](double x1, double y1, double x2, double y2) {
        peintre.drawLine(R(x1, y1), R(x2, y2));
    };

    switch (TypePoint) {
    case PointBarre:
        segment(px, py + t, px, py - t);
        break;
    case PointPlus:
        segment(px, py + t, px, py - t);
        segment(px + t, py, px - t, py);
        break;
    case PointEtoile:
        segment(px, py + t, px, py - t);
        segment(px + t, py, px - t, py);
        segment(px + t1, py + t1, px - t1, py - t1);
        segment(px + t1, py - t1, px - t1, py + t1);
        break;
    case PointCercle:
        if (Epaisseur == 1) {
            peintre.setPen(prep.styloPixel);
            peintre.drawPoint(px, py);
        } else {
            peintre.drawEllipse(QRect(QPoint(px - t1, py - t1), QPoint(px + t1, py + t1)));
        }
        break;
    case PointTriangle: {
        const double h = t * std::sqrt(3.0) / 2.0;
        QPolygon p;
        p << R(px - h, py + t / 2.0) << R(px + h, py + t / 2.0) << R(px, py - t);
        peintre.drawPolygon(p);
        break;
    }
    case PointCarre: {
        QPolygon p;
        p << R(px - t, py - t) << R(px + t, py - t) << R(px + t, py + t) << R(px - t, py + t);
        peintre.drawPolygon(p);
        break;
    }
    case PointPentagone: {
        QPolygon p;
        for (int k = 0; k < 5; ++k)
            p << tourne(px, py + t, px, py, prep.cPentagone[k], prep.sPentagone[k]);
        peintre.drawPolygon(p);
        break;
    }
    case PointDemiCercle: {
        const QRect boite(QPoint(px - t, py - t), QPoint(px + t, py + t));
        // From the turned lower point to the turned upper one, counter-clockwise on screen.
        const QPoint debut = R(px, py + t);
        const double angle = std::atan2(-(debut.y() - py), debut.x() - px) * 180.0 / M_PI;
        const int a16 = static_cast<int>(std::nearbyint(angle * 16.0));
        if (Rempli)
            peintre.drawPie(boite, a16, 180 * 16);
        else
            peintre.drawArc(boite, a16, 180 * 16);
        break;
    }
    default:
        break;
    }
    peintre.setPen(prep.styloAvant);
    if (Rempli)
        peintre.setBrush(prep.brosseAvant);
}

void DessineFleche(QPainter& peintre, QPoint de, QPoint a, TCouleur couleur, int genre)
{
    if (genre < 1 || genre > 3)
        return;
    const QBrush ancienneBrosse = peintre.brush();
    peintre.setBrush(VersQColor(couleur));
    const double angle = std::atan2(double(a.y() - de.y()), double(a.x() - de.x()));
    auto tete = [&](QPoint sommet, double longueur) {
        QPolygon p;
        p << sommet
          << QPoint(sommet.x() + ArrondiPixel(longueur * std::cos(angle + 5 * M_PI / 6)),
                    sommet.y() + ArrondiPixel(longueur * std::sin(angle + 5 * M_PI / 6)))
          << QPoint(sommet.x() + ArrondiPixel(longueur * std::cos(angle - 5 * M_PI / 6)),
                    sommet.y() + ArrondiPixel(longueur * std::sin(angle - 5 * M_PI / 6)));
        peintre.drawPolygon(p);
    };
    const double cote = 7 * etatGraphe().FacteurEchelle;
    if (genre == 2 || genre == 3)
        tete(de, -cote);
    if (genre == 1 || genre == 3)
        tete(a, cote);
    peintre.setBrush(ancienneBrosse);
}

// ---------------------------------------------------------------------------------------
// GCGrille

GCGrille::GCGrille(bool horizontal) : Horizontal(horizontal)
{
    Couleur = 0xFFFF00;  // aqua grid
    Axe.Couleur = 0x808080;  // grey axis line
    Titre = CreeTitreAxe(horizontal, FonteGraduation, true);
}

GCGrille::~GCGrille() = default;

void GCGrille::SetTitre(std::shared_ptr<GCTexte> titre)
{
    if (titre)
        Titre = std::move(titre);
}

void GCGrille::SetBornesTextes(const QString& xinf, const QString& xsup)
{
    Xinf = xinf;
    Xsup = xsup;
    XinfLu.clear();
    XsupLu.clear();
    Min = EvalueTexte(xinf.toStdString());
    Max = EvalueTexte(xsup.toStdString());
}

void GCGrille::FixeBornes(const QString& xinf, const QString& xsup, int type, const QString& debut,
                          const QString& pas2nd, const QString& pas1er)
{
    SetBornesTextes(xinf, xsup);
    Debut = debut;
    Pas1er = pas1er;
    Pas2nd = pas2nd;
    TypeEchelle = static_cast<std::uint8_t>(type);
}

void GCGrille::GetBornes(double& min, double& max, QString& debut, int& type) const
{
    min = Min;
    max = Max;
    debut = Debut;
    type = TypeEchelle;
}

void GCGrille::GetPas(QString& pas1er, QString& pas2nd) const
{
    pas1er = Pas1er;
    pas2nd = Pas2nd;
}
