// couche: graph
// dictionnaires: document formule
// Any bytes as the text records of a document: decoded as the document reader does, every
// "§" record read, written, read again and written again. The second writing must give the
// same lines as the first, and the macros of every label are replaced.
#include <QByteArray>
#include <QStringList>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "expression/etat.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

QStringList ecrit(const QStringList& lignes)
{
    QStringList sortie;
    QStringList problemes;
    int i = 0;
    while (i < lignes.size()) {
        if (lignes[i].startsWith(QStringLiteral("§"))) {
            auto t = LitTexte(lignes, i, problemes);
            t->TexteAffiche();
            sortie << LignesTexte(*t);
        } else {
            ++i;
        }
    }
    return sortie;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static bool pret = [] {
        contexteCalcul().ValeursParametres[0] = 2.5;
        etatGraphe().valeursCourantes = {3, 0.5, -1, 1e300};
        return true;
    }();
    (void)pret;
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureTexte lu = LignesDeOctets(octets, 4096);
    const QStringList premiere = ecrit(lu.lignes);
    const QStringList seconde = ecrit(premiere);
    if (premiere != seconde)
        std::abort();
    return 0;
}
