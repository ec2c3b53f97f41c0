#include "graph/base/GCaides.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "graph/fichiers/fichiertexte.h"

// ---------------------------------------------------------------------------------------
// Copy modes

namespace {

const std::uint32_t TableCopie[NbModesCopie] = {
    ROP_DSTINVERT, ROP_MERGECOPY, ROP_MERGEPAINT, ROP_NOTSRCCOPY, ROP_NOTSRCERASE,
    ROP_PATCOPY, ROP_PATINVERT, ROP_PATPAINT, ROP_SRCAND, ROP_SRCCOPY,
    ROP_SRCERASE, ROP_SRCINVERT, ROP_SRCPAINT,
};

bool utiliseMotif(std::uint32_t rop)
{
    // The pattern matters when the truth table differs between P = 0 and P = 1.
    const std::uint32_t t = (rop >> 16) & 0xFF;
    return (t & 0x0F) != (t >> 4);
}

QImage enRgb32(const QImage& image)
{
    return image.format() == QImage::Format_RGB32 ? image : image.convertToFormat(QImage::Format_RGB32);
}

// The pattern over a rectangle of the destination, aligned on the destination's pixels.
QImage imageMotif(QSize taille, QPoint position, const QBrush& motif, const QColor& fond)
{
    QImage image(taille, QImage::Format_RGB32);
    image.fill(fond);
    QPainter p(&image);
    p.setBrushOrigin(-position);
    p.fillRect(QRect(QPoint(0, 0), taille), motif);
    return image;
}

}  // namespace

std::uint32_t CodeCopie(int mode)
{
    const int m = mode & 0x7F;
    return m < NbModesCopie ? TableCopie[m] : ROP_SRCCOPY;
}

int ModeCopieLu(int mode)
{
    return mode >= 0 && mode < NbModesCopie ? mode : ModeCopieDefaut;
}

std::uint32_t PixelRop(std::uint32_t rop, std::uint32_t p, std::uint32_t s, std::uint32_t d)
{
    const std::uint32_t table = (rop >> 16) & 0xFF;
    std::uint32_t r = 0;
    for (int i = 0; i < 8; ++i)
        if (table & (1u << i))
            r |= ((i & 4) ? p : ~p) & ((i & 2) ? s : ~s) & ((i & 1) ? d : ~d);
    return (r & 0x00FFFFFFu) | 0xFF000000u;
}

void CopieAvecMode(QImage& destination, QPoint position, const QImage& source, int mode,
                   const QBrush& motif, const QColor& fond)
{
    if (destination.isNull() || source.isNull())
        return;
    if (destination.format() != QImage::Format_RGB32 && destination.format() != QImage::Format_ARGB32
        && destination.format() != QImage::Format_ARGB32_Premultiplied)
        destination = destination.convertToFormat(QImage::Format_RGB32);
    const QRect zone = QRect(position, source.size()).intersected(destination.rect());
    if (zone.isEmpty())
        return;
    const std::uint32_t rop = CodeCopie(mode);
    const QImage src = enRgb32(source);
    const bool uni = motif.style() == Qt::SolidPattern;
    const QImage pat = (!uni && utiliseMotif(rop)) ? imageMotif(src.size(), position, motif, fond) : QImage();
    const std::uint32_t pUni = uni ? motif.color().rgb() : fond.rgb();
    for (int y = zone.top(); y <= zone.bottom(); ++y) {
        auto* d = reinterpret_cast<std::uint32_t*>(destination.scanLine(y));
        const auto* s = reinterpret_cast<const std::uint32_t*>(src.constScanLine(y - position.y()));
        const auto* p = pat.isNull() ? nullptr : reinterpret_cast<const std::uint32_t*>(pat.constScanLine(y - position.y()));
        for (int x = zone.left(); x <= zone.right(); ++x) {
            const int xs = x - position.x();
            d[x] = PixelRop(rop, p ? p[xs] : pUni, s[xs], d[x]);
        }
    }
}

void CopieAvecMode(QPainter& peintre, QPoint position, const QImage& source, int mode,
                   const QBrush& motif, const QColor& fond)
{
    if (source.isNull())
        return;
    const std::uint32_t rop = CodeCopie(mode);
    QImage src = enRgb32(source);
    QPainter::CompositionMode composition = QPainter::CompositionMode_Source;

    // The pattern does not depend on the destination: those operations reduce to a source
    // made of P and S, combined with D by a binary operation.
    if (utiliseMotif(rop)) {
        const bool uni = motif.style() == Qt::SolidPattern;
        const QImage pat = uni ? QImage() : imageMotif(src.size(), position, motif, fond);
        const std::uint32_t pUni = uni ? motif.color().rgb() : fond.rgb();
        std::uint32_t ropReduite = ROP_SRCCOPY;
        switch (rop) {
        case ROP_MERGECOPY: ropReduite = 0x00C00000; composition = QPainter::CompositionMode_Source; break;  // P & S
        case ROP_PATCOPY: ropReduite = 0x00F00000; composition = QPainter::CompositionMode_Source; break;   // P
        case ROP_PATINVERT: ropReduite = 0x00F00000; composition = QPainter::RasterOp_SourceXorDestination; break;
        case ROP_PATPAINT: ropReduite = 0x00F30000; composition = QPainter::RasterOp_SourceOrDestination; break;  // P | ~S
        default: break;
        }
        for (int y = 0; y < src.height(); ++y) {
            auto* s = reinterpret_cast<std::uint32_t*>(src.scanLine(y));
            const auto* p = pat.isNull() ? nullptr : reinterpret_cast<const std::uint32_t*>(pat.constScanLine(y));
            for (int x = 0; x < src.width(); ++x)
                s[x] = PixelRop(ropReduite, p ? p[x] : pUni, s[x], 0);
        }
    } else {
        switch (rop) {
        case ROP_DSTINVERT: composition = QPainter::RasterOp_NotDestination; break;
        case ROP_MERGEPAINT: composition = QPainter::RasterOp_NotSourceOrDestination; break;
        case ROP_NOTSRCCOPY: composition = QPainter::RasterOp_NotSource; break;
        case ROP_NOTSRCERASE: composition = QPainter::RasterOp_NotSourceAndNotDestination; break;
        case ROP_SRCAND: composition = QPainter::RasterOp_SourceAndDestination; break;
        case ROP_SRCERASE: composition = QPainter::RasterOp_SourceAndNotDestination; break;
        case ROP_SRCINVERT: composition = QPainter::RasterOp_SourceXorDestination; break;
        case ROP_SRCPAINT: composition = QPainter::RasterOp_SourceOrDestination; break;
        default: composition = QPainter::CompositionMode_Source; break;
        }
    }
    const QPainter::CompositionMode ancienne = peintre.compositionMode();
    peintre.setCompositionMode(composition);
    peintre.drawImage(position, src);
    peintre.setCompositionMode(ancienne);
}

Qt::BrushStyle StyleBrosse(int style)
{
    switch (style) {
    case 1: return Qt::NoBrush;
    case 2: return Qt::HorPattern;
    case 3: return Qt::VerPattern;
    case 4: return Qt::FDiagPattern;
    case 5: return Qt::BDiagPattern;
    case 6: return Qt::CrossPattern;
    case 7: return Qt::DiagCrossPattern;
    default: return Qt::SolidPattern;
    }
}

// ---------------------------------------------------------------------------------------
// Polygon area

namespace {

// A side of the polygon that is not vertical, from its left end (x1, y1) to its right end
// (x2, y2); sens is +1 when the polygon runs along it to the right, -1 to the left.
struct Cote {
    double x1, y1, x2, y2;
    int sens;
    double y(double x) const
    {
        if (x <= x1)
            return y1;
        if (x >= x2)
            return y2;
        return y1 + (y2 - y1) * ((x - x1) / (x2 - x1));
    }
};

// Sorts v by merging its ascending runs: a plate over a curve drawn from left to right is a
// few runs long, sorted in linear time; many runs are left to the ordinary sort.
template<typename T, typename Avant>
void trieParSuites(std::vector<T>& v, Avant avant)
{
    std::vector<std::size_t> debuts{0};
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (!avant(v[i], v[i - 1]))
            continue;
        if (debuts.size() * 16 > v.size()) {
            std::sort(v.begin(), v.end(), avant);
            return;
        }
        debuts.push_back(i);
    }
    debuts.push_back(v.size());
    while (debuts.size() > 2) {
        std::vector<std::size_t> suivants{0};
        for (std::size_t k = 0; k + 2 < debuts.size(); k += 2) {
            std::inplace_merge(v.begin() + std::ptrdiff_t(debuts[k]), v.begin() + std::ptrdiff_t(debuts[k + 1]),
                               v.begin() + std::ptrdiff_t(debuts[k + 2]), avant);
            suivants.push_back(debuts[k + 2]);
        }
        if (debuts.size() % 2 == 0)
            suivants.push_back(debuts.back());
        debuts.swap(suivants);
    }
}

// The area of the points round which the closed polygon points[0..n] winds (nonzero
// winding): the union of the regions it encloses, each counted once. The plane is cut into
// vertical strips at every vertex and at every crossing of two sides; inside a strip the
// sides keep their order, so the covered length of a vertical line is linear across it and
// its value at the middle, times the width, is the strip's area.
double AireCouverte(const QPointF* points, int n)
{
    std::vector<Cote> cotes;
    std::vector<double> abscisses;
    cotes.reserve(std::size_t(n) + 1);
    abscisses.reserve(std::size_t(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const QPointF& a = points[i];
        const QPointF& b = points[i < n ? i + 1 : 0];
        if (a.x() < b.x())
            cotes.push_back({a.x(), a.y(), b.x(), b.y(), 1});
        else if (b.x() < a.x())
            cotes.push_back({b.x(), b.y(), a.x(), a.y(), -1});
        abscisses.push_back(a.x());
    }
    trieParSuites(cotes, [](const Cote& a, const Cote& b) { return a.x1 < b.x1; });
    trieParSuites(abscisses, std::less<double>());
    abscisses.erase(std::unique(abscisses.begin(), abscisses.end()), abscisses.end());

    std::vector<const Cote*> actifs;
    std::vector<std::pair<double, int>> coupe;  // (y, sens) along a vertical line
    std::vector<std::pair<double, double>> bouts;  // (y left, y right) in the order of the left
    std::vector<std::size_t> ordre;
    std::vector<double> decoupes;
    std::size_t suivant = 0;
    double aire = 0;
    // The covered length of the vertical line x, between the sides met in actifs.
    auto longueur = [&](double x) {
        coupe.clear();
        for (const Cote* c : actifs)
            coupe.emplace_back(c->y(x), c->sens);
        std::sort(coupe.begin(), coupe.end());
        double l = 0;
        int tours = 0;
        for (std::size_t k = 0; k + 1 < coupe.size(); ++k) {
            tours += coupe[k].second;
            if (tours != 0)
                l += coupe[k + 1].first - coupe[k].first;
        }
        return l;
    };
    for (std::size_t i = 0; i + 1 < abscisses.size(); ++i) {
        const double xa = abscisses[i], xb = abscisses[i + 1];
        std::erase_if(actifs, [xa](const Cote* c) { return c->x2 <= xa; });
        while (suivant < cotes.size() && cotes[suivant].x1 <= xa)
            actifs.push_back(&cotes[suivant++]);
        if (actifs.size() < 2)
            continue;
        // The crossings inside the strip: the pairs of sides whose order at the right end is
        // not their order at the left end, listed by an insertion sort of the right ends.
        bouts.clear();
        for (const Cote* c : actifs)
            bouts.emplace_back(c->y(xa), c->y(xb));
        std::sort(bouts.begin(), bouts.end());
        ordre.resize(bouts.size());
        for (std::size_t k = 0; k < ordre.size(); ++k)
            ordre[k] = k;
        decoupes.clear();
        for (std::size_t k = 1; k < ordre.size(); ++k)
            for (std::size_t j = k; j > 0 && bouts[ordre[j - 1]].second > bouts[ordre[j]].second; --j) {
                const auto& bas = bouts[ordre[j - 1]];   // below at the left, above at the right
                const auto& haut = bouts[ordre[j]];
                const double ecart = haut.first - bas.first;
                const double t = ecart / (ecart + (bas.second - haut.second));
                decoupes.push_back(xa + std::clamp(t, 0.0, 1.0) * (xb - xa));
                std::swap(ordre[j - 1], ordre[j]);
            }
        decoupes.push_back(xa);
        decoupes.push_back(xb);
        std::sort(decoupes.begin(), decoupes.end());
        for (std::size_t k = 0; k + 1 < decoupes.size(); ++k)
            if (decoupes[k + 1] > decoupes[k])
                aire += (decoupes[k + 1] - decoupes[k]) * longueur((decoupes[k] + decoupes[k + 1]) / 2);
    }
    return aire;
}

}  // namespace

double AirePolygone(const QPointF* points, int n)
{
    if (!points || n < 2)
        return 0;
    const double x0 = points[0].x(), y0 = points[0].y();
    double somme = 0;
    for (int i = 1; i < n; ++i) {
        const double ax = points[i].x() - x0, ay = points[i].y() - y0;
        const double bx = points[i + 1].x() - x0, by = points[i + 1].y() - y0;
        somme += ax * by - ay * bx;
    }
    const double signee = std::fabs(somme) / 2;
    if (!std::isfinite(signee))
        return signee;
    // A polygon that crosses itself: the fan sum subtracts the regions it runs round the
    // other way and counts twice those it runs round twice; the covered area counts each
    // point once. Where both agree (every simple polygon), the fan sum is kept as it was.
    const double couverte = AireCouverte(points, n);
    return std::fabs(couverte - signee) <= 1e-9 * std::max(couverte, signee) ? signee : couverte;
}

double AirePolygone(const std::vector<QPointF>& points)
{
    return points.empty() ? 0 : AirePolygone(points.data(), static_cast<int>(points.size()) - 1);
}

// ---------------------------------------------------------------------------------------
// Names of the unary operations

namespace {

const char* const NomsOperations[NbOperations] = {
    "Opposée", "Inverse", "Puissance n-ième", "Valeur absolue", "Partie positive",
    "Partie négative", "Ecrétée", "Multipliée par un nombre", "Périodisée", "Décimée",
    "Régression", "Médianes mobiles (centrées)", "Moyennes mobiles (centrées)",
    "Regression affine glissante", "Développée", "Podaire", "Transformation quelconque",
    "Point libre sur courbe", "Tracé en sens inverse", "Réflexion (symétrie) d'axe horizontal",
    "Réflexion (symétrie) d'axe vertical", "Réflexion (symétrie) d'axe oblique",
    "Symétrie centrale", "Inversion complexe", "Inversion géométrique", "Translation",
    "Rotation", "Homothétie", "Similitude", "Affinité d'axe horizontal",
    "Affinité d'axe vertical", "Affinité", "Homographie", "Transformation de Joukovski",
    "Transformation de Fourier discrète", "Projection orthogonale sur un axe horizontal",
    "Projection orthogonale sur un axe oblique", "Projection orthogonale sur un axe vertical",
    "Transformée de Laplace", "N-ième composée", "Transformation complexe", "Histogramme",
    "Point particulier sur courbe", "Tangente à une courbe", "Lissage à noyau gaussien",
    "Projection horizontale sur une courbe x=f(y)", "Projection verticale sur une courbe y=f(x)",
    "Enveloppe inférieure", "Enveloppe supérieure", "Composante en X", "Composante en Y",
    "Blocage retard", "Blocage avance", "Primitive discrète", "Normale à une courbe",
    "Cercle de courbure d'une courbe", "Centre de courbure d'une courbe", "Norme",
    "Blocage mini", "Blocage moyenne", "Blocage maxi", "Blocage médian", "Blocage quelconque",
};

}  // namespace

QString NomOperation(int code)
{
    const int c = code & 0x7F;
    if (c < NbOperations)
        return QString::fromUtf8(NomsOperations[c]);
    return QStringLiteral("Non définie!");
}

// ---------------------------------------------------------------------------------------
// Copy of a text file under another extension

bool ChargeLignesFichier(const QString& nomFichier, const QString& extension, QString* erreur)
{
    QFile entree(nomFichier);
    if (!entree.open(QIODevice::ReadOnly)) {
        if (erreur)
            *erreur = QStringLiteral("Impossible de lire le fichier « %1 ».").arg(nomFichier);
        return false;
    }
    const QByteArray octets = entree.readAll();
    entree.close();

    QByteArray copie;
    copie.reserve(octets.size() + octets.size() / 16 + 2);
    qsizetype debut = 0;
    while (debut < octets.size()) {
        qsizetype fin = octets.indexOf('\n', debut);
        const bool derniere = fin < 0;
        if (derniere)
            fin = octets.size();
        qsizetype longueur = fin - debut;
        if (!derniere && longueur > 0 && octets.at(fin - 1) == '\r')
            --longueur;
        copie.append(octets.constData() + debut, longueur);
        copie.append("\r\n");
        debut = fin + 1;
    }

    const QFileInfo info(nomFichier);
    QString ext = extension;
    if (!ext.isEmpty() && !ext.startsWith(QLatin1Char('.')))
        ext.prepend(QLatin1Char('.'));
    const QString cible = info.dir().filePath(info.completeBaseName() + ext);
    if (QFileInfo(cible).absoluteFilePath() == info.absoluteFilePath()) {
        if (erreur)
            *erreur = QStringLiteral("Le fichier « %1 » ne peut pas être copié sur lui-même.").arg(nomFichier);
        return false;
    }
    return EcritOctets(cible, copie, erreur);
}
