// couche: graph
// Any bytes as an auxiliary-functions file: a refused file says why; an accepted one holds
// ten texts that each compile or are "0", and written back and read again gives the same.
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
    QStringList ecrites;
    for (const QString& t : lu.textes) {
        Arbre arbre;
        if (t != QStringLiteral("0") && !CompileExprYEtat(t.toStdString(), arbre))
            std::abort();
        ecrites << t;
    }
    const LectureAux relu =
        LitLignesAux(LignesDeOctets(EncodeLignes(ecrites, PolitiqueEncodage::RepliUtf8)).lignes, QStringLiteral("f.aux"));
    if (!relu.ok || relu.textes != lu.textes || !relu.avertissement.isEmpty())
        std::abort();
    return 0;
}
