// couche: graph
// Any bytes as a metafile chosen as a background picture: read without crash; a picture
// read is written back as a metafile and read again to the same pixels.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graph/export/imagefichier.h"
#include "graph/fichiers/lecturewmf.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    QString erreur;
    const QImage image = ImageDeWmf(octets, &erreur);
    if (image.isNull()) {
        if (erreur.isEmpty())
            std::abort();
        return 0;
    }
    if (image.width() > CoteMaxWmf || image.height() > CoteMaxWmf)
        return 0;
    const QImage opaque = image.convertToFormat(QImage::Format_RGB32);
    const QImage relue = ImageDeWmf(ImageVersWmf(opaque)).convertToFormat(QImage::Format_RGB32);
    if (relue != opaque)
        std::abort();
    return 0;
}
