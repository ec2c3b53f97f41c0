// couche: graph
// dictionnaires: document formule
// Any bytes as a document, read and saved: the document must settle in one saving. Read
// into a fresh window model and saved, then read again in a new session and saved again,
// it gives the same lines (nothing lost, changed or moved by a reading).
#include <QByteArray>
#include <QGuiApplication>
#include <QHash>
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "document_fuzz.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

// The lines of the saving of the document that the lines make.
QStringList Enregistre(const QStringList& lignes)
{
    const SessionFuzz session;
    DocumentFuzz document;
    LiensEnAttente liens;
    document.lit(lignes, liens);
    return EcrireFenetre(document.Modele());
}

// The lines around the first difference, control characters shown by their code.
QString Difference(const QStringList& a, const QStringList& b)
{
    qsizetype i = 0;
    while (i < a.size() && i < b.size() && a[i] == b[i])
        ++i;
    QString detail = QStringLiteral("ligne %1").arg(i + 1);
    for (const QStringList* l : {&a, &b}) {
        detail += QStringLiteral("\n--");
        for (qsizetype k = std::max<qsizetype>(0, i - 3); k < std::min(l->size(), i + 4); ++k) {
            QString vue = l->at(k);
            for (qsizetype c = vue.size() - 1; c >= 0; --c)
                if (vue.at(c).unicode() < 0x20)
                    vue.replace(c, 1, QStringLiteral("\\x%1").arg(vue.at(c).unicode(), 2, 16, QLatin1Char('0')));
            detail += (k == i ? QStringLiteral("\n> ") : QStringLiteral("\n  ")) + vue;
        }
    }
    return detail;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = ApplicationFuzz("fuzz_enregistrement");
    (void)application;
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const QByteArray premier = EncodeLignes(Enregistre(LignesDeOctets(octets, 4096).lignes), PolitiqueEncodage::RepliUtf8);
    // Many inputs save as a document already checked (a few records, or none, read):
    // reading it again would only find what was found before. A table of fixed size:
    // growing memory would make every input look like a leak.
    static std::array<std::size_t, 1 << 16> verifies{};
    const std::size_t empreinte = qHash(premier) | 1;
    std::size_t& case_ = verifies[empreinte % verifies.size()];
    if (case_ == empreinte)
        return 0;
    case_ = empreinte;
    const QStringList relues = LignesDeOctets(premier).lignes;
    const QStringList seconde = Enregistre(relues);
    if (seconde != relues) {
        std::fprintf(stderr, "document changé par un second enregistrement : %s\n",
                     Difference(relues, seconde).toUtf8().constData());
        std::abort();
    }
    return 0;
}
