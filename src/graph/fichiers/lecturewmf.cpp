#include "graph/fichiers/lecturewmf.h"

#include <QtEndian>

namespace {

constexpr quint32 ClePlacable = 0x9AC6CDD7u;
constexpr int TaillePlacable = 22;
constexpr int TailleEntete = 18;

// Record functions that carry a bitmap, and the bytes of parameters before it.
struct Fonction {
    quint16 code;
    int avant;
};
constexpr Fonction AvecBitmap[] = {
    {0x0F43, 22},  // StretchDIB: operation, colour use, source and destination rectangles
    {0x0B41, 20},  // DIBStretchBlt: operation, source and destination rectangles
    {0x0940, 16},  // DIBBitBlt: operation, source point, size, destination point
};

quint16 Mot(const QByteArray& o, qsizetype i) { return qFromLittleEndian<quint16>(o.constData() + i); }
quint32 Long(const QByteArray& o, qsizetype i) { return qFromLittleEndian<quint32>(o.constData() + i); }

bool EnteteSimple(const QByteArray& o, qsizetype i)
{
    return o.size() - i >= TailleEntete && (Mot(o, i) == 1 || Mot(o, i) == 2) && Mot(o, i + 2) == 9 &&
           (Mot(o, i + 4) == 0x0100 || Mot(o, i + 4) == 0x0300);
}

// A bitmap file made of the DIB (header, colours, pixels) for the bitmap decoder.
QImage DecodeDib(const QByteArray& dib)
{
    if (dib.size() < 40)
        return {};
    const quint32 tailleEntete = Long(dib, 0);
    if (tailleEntete < 40 || tailleEntete > quint32(dib.size()))
        return {};
    const quint16 bits = Mot(dib, 14);
    const quint32 compression = Long(dib, 16);
    quint32 couleurs = Long(dib, 32);
    if (couleurs == 0 && bits <= 8)
        couleurs = 1u << bits;
    if (couleurs > 256)
        return {};
    quint32 debut = tailleEntete + 4 * couleurs;
    if (tailleEntete == 40 && compression == 3)   // three masks after the header
        debut += 12;
    if (debut > quint32(dib.size()))
        return {};
    QByteArray bmp;
    bmp.reserve(14 + dib.size());
    bmp.append("BM", 2);
    // File size, two reserved words, offset of the pixels.
    for (quint32 c : {quint32(14 + dib.size()), 0u, 14 + debut}) {
        const quint32 le = qToLittleEndian(c);
        bmp.append(reinterpret_cast<const char*>(&le), 4);
    }
    bmp.append(dib);
    QImage image;
    image.loadFromData(bmp, "BMP");
    return image;
}

}  // namespace

bool EstWmf(const QByteArray& o)
{
    return (o.size() >= 4 && Long(o, 0) == ClePlacable) || EnteteSimple(o, 0);
}

QImage ImageDeWmf(const QByteArray& o, QString* erreur)
{
    auto refus = [&](const QString& raison) {
        if (erreur)
            *erreur = raison;
        return QImage();
    };
    qsizetype i = 0;
    if (o.size() >= 4 && Long(o, 0) == ClePlacable)
        i = TaillePlacable;
    if (!EnteteSimple(o, i))
        return refus(QStringLiteral("ce n'est pas un métafichier."));
    i += 2 * qsizetype(Mot(o, i + 2));
    while (o.size() - i >= 6) {
        const quint32 mots = Long(o, i);
        const quint16 fonction = Mot(o, i + 4);
        if (fonction == 0)
            break;
        if (mots < 3 || quint64(mots) * 2 > quint64(o.size() - i))
            return refus(QStringLiteral("métafichier coupé ou endommagé."));
        for (const Fonction& f : AvecBitmap) {
            if (fonction != f.code || qint64(mots) * 2 - 6 <= f.avant)
                continue;
            const QImage image = DecodeDib(o.mid(i + 6 + f.avant, qsizetype(mots) * 2 - 6 - f.avant));
            if (image.isNull())
                return refus(QStringLiteral("l'image du métafichier ne se lit pas."));
            return image;
        }
        i += qsizetype(mots) * 2;
    }
    return refus(QStringLiteral("ce métafichier ne contient pas d'image (seules les images sont lues)."));
}
