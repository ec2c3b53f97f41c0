// Objects that the tests put straight into a window: a y=f(x) curve callable by its name,
// an inequation area (the window then renders its areas), a text at the world origin.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/textes/GCTexte.h"
#include "window/fenetre.h"

inline std::shared_ptr<GCY> AjouteCourbeY(TForm1& f, const QString& formule)
{
    auto c = std::make_shared<GCY>(QLatin1Char('Y'), f.numero(), nouveauNumero());
    EXPECT_TRUE(c->FixeLibelles(formule, QString()));
    c->NouvelIdentifiant();
    c->MemoriseLibelle();
    f.Dessin().AjouteCourbe(c);
    return c;
}

inline std::shared_ptr<GCAire> AjouteAire(TForm1& f, const QString& contrainte, TCouleur couleur = 0x00FFFF,
                                          int modeCopie = ModeCopieDefaut)
{
    auto a = CreeAire('A', nouveauNumero(), f.numero());
    SaisieAire s;
    s.nom = QStringLiteral("a");
    s.contraintes = {contrainte};
    s.couleur = couleur;
    s.modeCopie = modeCopie;
    EXPECT_TRUE(a->ConfirmeSaisie(s, true));
    f.Aires().Ajoute(a);
    f.FixeModeFond(2);
    f.AiresARecalculer = true;
    return a;
}

inline GCTexte* AjouteTexte(TForm1& f, const QString& contenu)
{
    auto t = std::make_unique<GCTexte>(++CompteurTextes(), QStringLiteral("0"), QStringLiteral("0"), true,
                                       etatGraphe().FonteDefaut);
    t->SetTexte(contenu);
    f.Textes().AjouteTexte(std::move(t));
    return f.Textes().Texte(f.Textes().Nombre() - 1);
}
