#include "graph/base/GCaides.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>

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
    return std::fabs(somme) / 2;
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
