#include "graph/export/imagefichier.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

#include "graph/document/GCDocument.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/lecturewmf.h"

QImage ImageDocument(GCDocument& document, QSize taille)
{
    taille = taille.expandedTo(QSize(1, 1));
    QImage image(taille, QImage::Format_RGB32);
    image.fill(VersQColor(document.Fenetre.CouleurFond));
    QPainter peintre(&image);
    peintre.setRenderHint(QPainter::Antialiasing, false);
    document.Dessine(peintre, taille);
    return image;
}

QImage LitImageFond(const QString& chemin, QString* erreur)
{
    auto refus = [&](const QString& raison) {
        if (erreur)
            *erreur = QStringLiteral("Impossible de lire l'image %1 : %2").arg(chemin, raison);
        return QImage();
    };
    const QFileInfo info(chemin);
    if (!info.isFile())
        return refus(info.exists() ? QStringLiteral("ce n'est pas un fichier.") : QStringLiteral("fichier introuvable."));
    // Photographs of today's cameras pass the toolkit's default limit.
    QImageReader::setAllocationLimit(512);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return refus(RaisonSysteme(0, fichier.errorString()));
    if (EstWmf(fichier.peek(64))) {
        if (fichier.size() > 512ll * 1024 * 1024)
            return refus(QStringLiteral("fichier trop grand."));
        QString raison;
        const QImage image = ImageDeWmf(fichier.readAll(), &raison);
        return image.isNull() ? refus(raison) : image;
    }
    QImageReader lecteur(&fichier);
    const QImage image = lecteur.read();
    if (image.isNull())
        return refus(QStringLiteral("format inconnu ou fichier endommagé."));
    return image;
}

namespace {

// Little-endian fields, appended one by one.
class Octets {
public:
    void mot(quint16 v) { ajoute(qToLittleEndian(v)); }
    void entier16(qint16 v) { ajoute(qToLittleEndian(v)); }
    void long32(quint32 v) { ajoute(qToLittleEndian(v)); }
    void octet(char v) { donnees.append(v); }
    QByteArray donnees;

private:
    template<typename T>
    void ajoute(T v) { donnees.append(reinterpret_cast<const char*>(&v), sizeof v); }
};

// Record functions and constants of the metafile format.
constexpr quint16 MetaSetWindowOrg = 0x020B;
constexpr quint16 MetaSetWindowExt = 0x020C;
constexpr quint16 MetaEscape = 0x0626;
constexpr quint16 MfComment = 0x000F;
constexpr quint16 MetaStretchDib = 0x0F43;
constexpr quint32 Srccopy = 0x00CC0020;

// One record: its size in 16-bit words, its function, then its parameters (an even count
// of bytes).
void Enregistrement(Octets& sortie, quint16 fonction, const QByteArray& parametres, quint32& plusGrand)
{
    const quint32 mots = 3 + quint32(parametres.size() / 2);
    plusGrand = std::max(plusGrand, mots);
    sortie.long32(mots);
    sortie.mot(fonction);
    sortie.donnees.append(parametres);
}

}  // namespace

QByteArray ImageVersWmf(const QImage& source)
{
    if (source.isNull() || source.width() > CoteMaxWmf || source.height() > CoteMaxWmf)
        return {};
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int l = image.width(), h = image.height();

    Octets corps;
    quint32 plusGrand = 0;
    {
        Octets p;
        p.entier16(0), p.entier16(0);                       // y, x
        Enregistrement(corps, MetaSetWindowOrg, p.donnees, plusGrand);
    }
    {
        Octets p;
        p.entier16(qint16(h)), p.entier16(qint16(l));       // height, width
        Enregistrement(corps, MetaSetWindowExt, p.donnees, plusGrand);
    }
    {
        const QByteArray auteur("VIRK 4");
        Octets p;
        p.mot(MfComment);
        p.mot(quint16(auteur.size()));
        p.donnees.append(auteur);
        if (p.donnees.size() % 2)
            p.octet(0);
        Enregistrement(corps, MetaEscape, p.donnees, plusGrand);
    }
    {
        // 24-bit rows, bottom-up, each padded to four bytes.
        const int ligne = (3 * l + 3) / 4 * 4;
        Octets p;
        p.long32(Srccopy);
        p.mot(0);                                           // DIB_RGB_COLORS
        p.entier16(qint16(h)), p.entier16(qint16(l));       // source height, width
        p.entier16(0), p.entier16(0);                       // source y, x
        p.entier16(qint16(h)), p.entier16(qint16(l));       // destination height, width
        p.entier16(0), p.entier16(0);                       // destination y, x
        p.long32(40);                                       // BITMAPINFOHEADER
        p.long32(quint32(l));
        p.long32(quint32(h));
        p.mot(1);                                           // planes
        p.mot(24);                                          // bits per pixel
        p.long32(0);                                        // no compression
        p.long32(quint32(ligne) * quint32(h));
        p.long32(3780), p.long32(3780);                     // 96 pixels per inch
        p.long32(0), p.long32(0);
        const qsizetype debut = p.donnees.size();
        p.donnees.resize(debut + qsizetype(ligne) * h, '\0');
        char* pixels = p.donnees.data() + debut;
        for (int y = 0; y < h; ++y) {
            const auto* src = reinterpret_cast<const QRgb*>(image.constScanLine(h - 1 - y));
            char* dst = pixels + qsizetype(y) * ligne;
            for (int x = 0; x < l; ++x) {
                dst[3 * x] = char(qBlue(src[x]));
                dst[3 * x + 1] = char(qGreen(src[x]));
                dst[3 * x + 2] = char(qRed(src[x]));
            }
        }
        Enregistrement(corps, MetaStretchDib, p.donnees, plusGrand);
    }
    Enregistrement(corps, 0x0000, {}, plusGrand);          // end of file

    Octets sortie;
    // Placeable header: key, handle, bounding box, units per inch, reserved, checksum of
    // its first ten words.
    sortie.long32(0x9AC6CDD7u);
    sortie.mot(0);
    sortie.entier16(0), sortie.entier16(0), sortie.entier16(qint16(l)), sortie.entier16(qint16(h));
    sortie.mot(96);
    sortie.long32(0);
    quint16 somme = 0;
    for (int i = 0; i < 10; ++i)
        somme ^= qFromLittleEndian<quint16>(sortie.donnees.constData() + 2 * i);
    sortie.mot(somme);
    // Header: in memory, nine words, version 3; the whole size and the largest record in
    // words; no objects.
    const quint32 total = 9 + quint32(corps.donnees.size() / 2);
    sortie.mot(1);
    sortie.mot(9);
    sortie.mot(0x0300);
    sortie.long32(total);
    sortie.mot(0);
    sortie.long32(plusGrand);
    sortie.mot(0);
    sortie.donnees.append(corps.donnees);
    return sortie.donnees;
}

bool EnregistreImage(const QImage& image, const QString& chemin, FormatImage format, QString* erreur)
{
    QByteArray octets;
    if (format == FormatImage::Metafichier) {
        octets = ImageVersWmf(image);
        if (octets.isEmpty()) {
            if (erreur)
                *erreur = QStringLiteral("Impossible d'enregistrer %1 : l'image est trop grande pour un métafichier "
                                         "(%2 pixels de côté au plus).")
                              .arg(chemin)
                              .arg(CoteMaxWmf);
            return false;
        }
    } else {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::WriteOnly);
        QImageWriter ecrivain(&tampon, format == FormatImage::Jpeg ? "jpg" : "bmp");
        // JPEG holds no transparency: an opaque picture, whatever it was.
        if (!ecrivain.write(image.convertToFormat(QImage::Format_RGB32))) {
            if (erreur)
                *erreur = QStringLiteral("Impossible d'enregistrer %1 : %2").arg(chemin, ecrivain.errorString());
            return false;
        }
    }
    return EcritOctets(chemin, octets, erreur);
}
