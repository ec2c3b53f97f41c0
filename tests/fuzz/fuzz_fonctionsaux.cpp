// couche: graph
// Any bytes as an auxiliary-functions file: a refused file says why; an accepted one gives
// one to ten texts that each compile or are "0", and written back and read again gives the
// same.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "expression/fonction.h"
#include "graph/fichiers/fichieraux.h"
#include "graph/fichiers/fichiertexte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureAux lu = LitLignesAux(LignesDeOctets(octets, 4096).lignes, QStringLiteral("f.aux"));
    if (!lu.ok) {
        if (lu.erreur.isEmpty())
            std::abort();
        return 0;
    }
    if (lu.nombre < 1 || lu.nombre > 10)
        std::abort();
    QStringList ecrites;
    for (int i = 0; i < lu.nombre; ++i) {
        const QString& t = lu.textes[std::size_t(i)];
        Arbre arbre;
        if (t != QStringLiteral("0") && !CompileExprYEtat(t.toStdString(), arbre))
            std::abort();
        ecrites << t;
    }
    const LectureAux relu =
        LitLignesAux(LignesDeOctets(EncodeLignes(ecrites, PolitiqueEncodage::RepliUtf8)).lignes, QStringLiteral("f.aux"));
    if (!relu.ok || relu.nombre != lu.nombre || relu.textes != lu.textes || !relu.avertissement.isEmpty())
        std::abort();
    return 0;
}
