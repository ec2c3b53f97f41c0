// couche: graph
// dictionnaires: formule
// Any bytes as a chronicle's data file (".dta"): decoded and cut into lines as the reader
// does, one value per line that is not blank; the values written back as the transforms
// write their data files read back to exactly the same values.
#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "expression/etat.h"
#include "graph/courbes/GCC.h"
#include "graph/fichiers/fichiertexte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const std::vector<ValeurChronique> lues = ValeursChronique(LignesDeOctets(octets, 64 * 1024).lignes);
    std::vector<double> valeurs;
    for (const ValeurChronique& v : lues) {
        if (v.ok != v.ligne.isNull() || (v.ok && !std::isfinite(v.y)))
            std::abort();
        if (v.ok)
            valeurs.push_back(v.y);
    }
    const QByteArray ecrit = EncodeLignes(LignesChronique(valeurs), PolitiqueEncodage::Strict);
    const std::vector<ValeurChronique> relues = ValeursChronique(LignesDeOctets(ecrit).lignes);
    if (relues.size() != valeurs.size())
        std::abort();
    for (std::size_t i = 0; i < valeurs.size(); ++i)
        if (!relues[i].ok || relues[i].y != valeurs[i])
            std::abort();
    reinitialiseCalcul();
    return 0;
}
