// couche: graph
// Any bytes as a WAV file: the header is read or refused with a message, the samples read
// never go past the frames present, and the samples written again in the same format read
// back to the same samples.
#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "graph/fichiers/wav.h"

namespace {

bool Lit(QByteArray octets, EnteteWav& e, std::vector<int>& echantillons, QString& erreur)
{
    QBuffer b(&octets);
    b.open(QIODevice::ReadOnly);
    return LitEnteteWav(b, e, erreur)
           && LitEchantillonsWav(b, e, [&](const int* v, int n) { echantillons.insert(echantillons.end(), v, v + n); },
                                 erreur);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    EnteteWav e;
    std::vector<int> lus;
    QString erreur;
    if (!Lit(octets, e, lus, erreur)) {
        if (erreur.isEmpty())
            std::abort();
        return 0;
    }
    if (e.debutDonnees + e.trames * e.format.alignement() > octets.size()
        || lus.size() != std::size_t(e.trames * e.format.canaux))
        std::abort();
    if (lus.empty())
        return 0;
    const std::vector<double> valeurs(lus.begin(), lus.end());
    const QByteArray ecrit = OctetsWav(valeurs, 0, e.format.bits == 8 ? 128 : 32767, e.format);
    EnteteWav e2;
    std::vector<int> relus;
    if (!Lit(ecrit, e2, relus, erreur) || relus != lus)
        std::abort();
    return 0;
}
