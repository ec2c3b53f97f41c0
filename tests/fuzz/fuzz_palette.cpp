// couche: graph
// Any bytes as a palette file: the colours read, written as 256 lines and read again must be
// the same 256 colours, and every written line three numbers 0..255 separated by one blank.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/palette.h"

namespace {

// A number 0..255 written the shortest way.
bool composanteEcrite(QStringView t)
{
    if (t.isEmpty() || t.size() > 3 || (t.size() > 1 && t[0] == QLatin1Char('0')))
        return false;
    int v = 0;
    for (QChar c : t) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        v = v * 10 + (c.unicode() - u'0');
    }
    return v <= 255;
}

bool ligneEcrite(QStringView l)
{
    int champs = 0;
    for (QStringView champ : l.tokenize(QLatin1Char(' '))) {
        if (++champs > 3 || !composanteEcrite(champ))
            return false;
    }
    return champs == 3;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const Palette lue = PaletteDeLignes(LignesDeOctets(octets, 4096).lignes);
    const QStringList lignes = LignesDePalette(lue);
    if (lignes.size() != NbCouleursPalette)
        std::abort();
    for (const QString& l : lignes)
        if (!ligneEcrite(l))
            std::abort();
    int couleurs = 0;
    if (PaletteDeLignes(lignes, &couleurs) != lue || couleurs != NbCouleursPalette)
        std::abort();
    return 0;
}
