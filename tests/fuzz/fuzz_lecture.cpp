// couche: graph
// dictionnaires: document formule
// Any bytes as a document, read only: decoded as the file reader does and read into a
// fresh window model (records, "!" blocks, pending links), nothing painted or written.
// The pending links must name identifiers that were read, each read once.
#include <QByteArray>
#include <QGuiApplication>
#include <QSet>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "document_fuzz.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

void Echoue(const char* quoi, const QString& detail)
{
    std::fprintf(stderr, "%s : %s\n", quoi, detail.toUtf8().constData());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = ApplicationFuzz("fuzz_lecture");
    (void)application;
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const SessionFuzz session;
    DocumentFuzz document;
    LiensEnAttente liens;
    document.lit(LignesDeOctets(octets, 4096).lignes, liens);

    const QSet<QString> lus(liens.LiensDerivees.begin(), liens.LiensDerivees.end());
    if (lus.size() != liens.LiensDerivees.size())
        Echoue("identifiant lu deux fois", liens.LiensDerivees.liste().join(QLatin1Char('|')));
    for (const QStringList* repetes : {&liens.LiensCourbes, &liens.LiensAires})
        for (const QString& lien : *repetes) {
            const qsizetype point = lien.indexOf(QLatin1Char(';'));
            if (point < 0 || !lus.contains(lien.mid(point + 1)))
                Echoue("lien vers un identifiant jamais lu", lien);
        }
    return 0;
}
