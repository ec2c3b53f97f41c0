// couche: graph
// dictionnaires: document formule
// Any bytes as the area records of a document: decoded as the document reader does, every
// "@" record read, written, read again and written again. The second writing must give the
// same lines as the first.
#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "graph/aires/GCAire.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

QStringList ecrit(const QStringList& lignes)
{
    GCListAires liste(1);
    ListeIdentifiants derivees;
    QStringList liens;
    int i = 0;
    while (i < lignes.size()) {
        if (lignes[i].startsWith(QLatin1Char('@')))
            liste.LitAire(lignes, i, derivees, liens);
        else
            ++i;
    }
    QStringList sortie;
    liste.Enregistre(sortie);
    return sortie;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureTexte lu = LignesDeOctets(octets, 4096);
    const QStringList premiere = ecrit(lu.lignes);
    const QStringList seconde = ecrit(premiere);
    if (premiere != seconde)
        std::abort();
    return 0;
}
