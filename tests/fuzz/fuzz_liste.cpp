// couche: frame
// Any bytes as a document list: decoded as the file reader does, cut into paths, each path
// looked up beside the list as the opener does, then the list encoded as written and read again.
#include <QByteArray>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "frame/listedocuments.h"
#include "graph/fichiers/fichiertexte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QTemporaryDir dossier;
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureListe liste = ListeDeLignes(LignesDeOctets(octets, 64 * 1024).lignes);
    if (liste.chemins.size() > DocumentsParListeMax)
        std::abort();
    for (const QString& chemin : liste.chemins) {
        const QString trouve = TrouveDocumentListe(chemin, dossier.path());
        (void)trouve;
    }
    // Encoded as the writer writes it and read again, every list gives the same paths.
    const QByteArray ecrit = EncodeLignes(liste.chemins, PolitiqueEncodage::RepliUtf8);
    const LectureListe relue = ListeDeLignes(LignesDeOctets(ecrit, 64 * 1024).lignes);
    if (relue.chemins != liste.chemins)
        std::abort();
    return 0;
}
