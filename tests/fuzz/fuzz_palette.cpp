// couche: graph
// Any bytes as a palette file: the colours read, written as 256 lines and read again must be
// the same colours, and every written line three numbers 0..255 separated by one blank.
#include <QByteArray>
#include <QRegularExpression>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/palette.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const Palette lue = PaletteDeLignes(LignesDeOctets(octets, 4096).lignes);
    const QStringList lignes = LignesDePalette(lue);
    static const QRegularExpression forme(QStringLiteral("^(25[0-5]|2[0-4]\\d|1\\d\\d|[1-9]?\\d)( (25[0-5]|2[0-4]\\d|1\\d\\d|[1-9]?\\d)){2}$"));
    if (lignes.size() != NbCouleursPalette)
        std::abort();
    for (const QString& l : lignes)
        if (!forme.match(l).hasMatch())
            std::abort();
    if (PaletteDeLignes(lignes) != lue)
        std::abort();
    return 0;
}
