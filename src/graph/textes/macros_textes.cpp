// What the label macros read of the curves and areas of every window: the source that
// serves when no other is installed.
#include <QFileInfo>

#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/genres.h"

namespace {

// The curve of that identifier, the last window first.
PtrCourbe courbe(const QString& identifiant)
{
    const auto& dessins = etatGraphe().dessins;
    for (auto it = dessins.rbegin(); it != dessins.rend(); ++it)
        if (*it)
            if (PtrCourbe c = (*it)->CourbeParIdentifiant(identifiant))
                return c;
    return nullptr;
}

class SourceFenetres : public SourceMacros {
public:
    bool statistiques(const QString& identifiant, int n, StatistiquesCourbe& r, bool& reussi,
                      int& nombre) override
    {
        const PtrCourbe c = courbe(identifiant);
        if (!c)
            return false;
        reussi = c->Statistiques(n, r);
        const QString chemin = c->NomFichier();
        nombre = chemin.isEmpty() ? 0 : int(QFileInfo(chemin).size() / TaillePointCourbe);
        return true;
    }

    bool aire(const QString& empreinte, double& valeur) override
    {
        // An area of any window, not only of the active one.
        if (const auto a = AireParEmpreinte(empreinte)) {
            valeur = a->Mesure();
            return true;
        }
        if (const PtrCourbe c = courbe(empreinte))
            if (const auto* plaque = dynamic_cast<const GCA*>(c.get())) {
                valeur = plaque->Mesure;
                return true;
            }
        return false;
    }

    bool libelles(const QString& identifiant, QString& texte1, QString& texte2) override
    {
        const PtrCourbe c = courbe(identifiant);
        if (!c)
            return false;
        c->LibellesAffiches(texte1, texte2);
        return true;
    }
};

}  // namespace

SourceMacros* sourceMacrosFenetres()
{
    static SourceFenetres source;
    return &source;
}
