// couche: graph
// dictionnaires: document formule
// Any bytes as a document, read only: decoded as the file reader does and read into a
// fresh window model (records, "!" blocks, pending links), nothing painted. The pending
// links must name identifiers that were read; and (one input in four) the document must
// settle in one saving: saved, read again in a new session and saved again, it gives the
// same lines.
#include <QByteArray>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <array>
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

void VerifieLiens(const LiensEnAttente& liens)
{
    const QSet<QString> lus(liens.LiensDerivees.begin(), liens.LiensDerivees.end());
    if (lus.size() != liens.LiensDerivees.size())
        Echoue("identifiant lu deux fois", liens.LiensDerivees.join(QLatin1Char('|')));
    for (const QStringList* repetes : {&liens.LiensCourbes, &liens.LiensAires})
        for (const QString& lien : *repetes) {
            const qsizetype point = lien.indexOf(QLatin1Char(';'));
            if (point < 0 || !lus.contains(lien.mid(point + 1)))
                Echoue("lien vers un identifiant jamais lu", lien);
        }
}

// Reads the lines into a new window's model; when ecrit, the lines of its saving.
QStringList Lit(const QStringList& lignes, bool verifieLiens, bool ecrit)
{
    const SessionFuzz session;
    DocumentFuzz document;
    LiensEnAttente liens;
    document.lit(lignes, liens);
    if (verifieLiens)
        VerifieLiens(liens);
    return ecrit ? EcrireFenetre(document.modele()) : QStringList();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = ApplicationFuzz("fuzz_lecture");
    (void)application;
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const QStringList lignes = LignesDeOctets(octets, 4096).lignes;
    // The saving and the second reading, on one input in four (the same ones from run to
    // run): they cost as much again as the reading.
    if (qHash(octets) % 4 != 0) {
        Lit(lignes, true, false);
        return 0;
    }
    const QByteArray premier = EncodeLignes(Lit(lignes, true, true), PolitiqueEncodage::RepliUtf8);
    // Many save as a document already checked (a few records, or none, read): reading it
    // again would only find what was found before. A table of fixed size: growing memory
    // would make every input look like a leak.
    static std::array<std::size_t, 1 << 16> verifies{};
    const std::size_t empreinte = qHash(premier) | 1;
    std::size_t& case_ = verifies[empreinte % verifies.size()];
    if (case_ == empreinte)
        return 0;
    case_ = empreinte;
    const QStringList a = LignesDeOctets(premier).lignes;
    const QStringList b = Lit(a, false, true);
    if (a != b) {
        // The lines around the first difference, control characters shown by their code.
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
        Echoue("document changé par un second enregistrement", detail);
    }
    return 0;
}
