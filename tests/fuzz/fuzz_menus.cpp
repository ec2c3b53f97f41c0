// couche: graph
// Any bytes as a menu customisation file, applied to a menu of 40 items: a refused file
// changes nothing; an accepted one, written back and applied to the built-in items again,
// gives the same marks and captions, and its lines read back as they were written.
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "graph/fichiers/fichiermenus.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

std::vector<ArticleMenuPerso> Initiaux(std::vector<int>& profondeurs)
{
    std::vector<ArticleMenuPerso> articles;
    profondeurs.clear();
    for (int i = 0; i < 40; ++i) {
        articles.push_back({true, QStringLiteral("&Article %1").arg(i)});
        profondeurs.push_back(i % 4 == 0 ? 0 : 1 + i % 3);
    }
    return articles;
}

bool Egaux(const std::vector<ArticleMenuPerso>& a, const std::vector<ArticleMenuPerso>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i].marque != b[i].marque || a[i].libelle != b[i].libelle)
            return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    std::vector<int> profondeurs;
    const std::vector<ArticleMenuPerso> initiaux = Initiaux(profondeurs);
    std::vector<ArticleMenuPerso> articles = initiaux;
    const LectureMenus lu = AppliqueLignesMenus(LignesDeOctets(octets, 4096).lignes, articles);
    if (!lu.ok) {
        if (!Egaux(articles, initiaux) || lu.erreur.isEmpty())
            std::abort();
        return 0;
    }
    const QStringList ecrites = LignesMenus(articles, profondeurs);
    const QByteArray fichier = EncodeLignes(ecrites, PolitiqueEncodage::RepliUtf8);
    const LectureTexte relu = LignesDeOctets(fichier);
    if (relu.lignes != ecrites)
        std::abort();
    std::vector<ArticleMenuPerso> encore = Initiaux(profondeurs);
    if (!AppliqueLignesMenus(relu.lignes, encore).ok || !Egaux(encore, articles))
        std::abort();
    return 0;
}
