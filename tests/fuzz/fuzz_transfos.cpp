// couche: graph
// dictionnaires: formule
// Any bytes as a personal-transformations file: read as the frame reads it (groups of
// eight lines: name, six coefficients, operation code), then written as it writes it and
// read again: the same transformations, with nothing left out the second time.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graph/document/document.h"
#include "graph/fichiers/fichiertexte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureTransfos lu = TransfosDeLignes(LignesDeOctets(octets, 4096).lignes);
    if (lu.lignes.size() % LignesParTransfo != 0)
        std::abort();
    for (int k = 0; k < lu.nombre(); ++k) {
        int code = -1;
        if (!LitEntier(lu.lignes.at((k + 1) * LignesParTransfo - 1), code) || code < 0 || code > CodeOperationMax)
            std::abort();
    }
    const LectureTransfos relu =
        TransfosDeLignes(LignesDeOctets(EncodeLignes(lu.lignes, PolitiqueEncodage::RepliUtf8)).lignes);
    if (relu.lignes != lu.lignes || !relu.problemes.isEmpty())
        std::abort();
    return 0;
}
