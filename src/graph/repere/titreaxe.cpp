#include "graph/repere/titreaxe.h"

#include "graph/textes/GCTexte.h"

QString TexteTitreAxe(const GCTexte* titre)
{
    return titre ? titre->GetTexte() : QString();
}

Police FonteTitreAxe(const GCTexte* titre)
{
    return titre ? titre->GetFonte() : Police();
}

std::shared_ptr<GCTexte> NouveauTitreAxe(bool horizontal, const Police& fonte, const QString& texte)
{
    auto titre = horizontal
                     ? std::make_shared<GCTexte>(0, QStringLiteral("5"), QStringLiteral("0.2"), true, fonte)
                     : std::make_shared<GCTexte>(0, QStringLiteral("0.2"), QStringLiteral("5"), true, fonte);
    titre->SetTexte(texte);
    return titre;
}

std::shared_ptr<GCTexte> CreeTitreAxe(bool horizontal, const Police& fonte, bool avecTexte)
{
    QString texte;
    if (avecTexte)
        texte = horizontal ? QStringLiteral("x") : QStringLiteral("y");
    return NouveauTitreAxe(horizontal, fonte, texte);
}

void DessineTitreAxe(GCTexte* titre, QPainter& peintre, int px, int py)
{
    if (!titre)
        return;
    titre->SetPositionPixel(px, py);
    titre->Dessine(px, py, peintre);
}
