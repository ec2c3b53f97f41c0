// The sample-value sheet opened from a window: the histogram of a tab's curve in a new
// window.
#include <QLineEdit>
#include <QPushButton>

#include "dialogs/pilote_saisie.h"
#include "dialogs/voirechant.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/repere/GCRepere.h"
#include "outils_fenetre.h"

TEST_F(FenetresNouvellesTest, HistogrammeDeLaFeuilleFaitDeLaCourbeDeSonOnglet)
{
    TForm1 f(1);
    PtrCourbe c = CreeCourbe('Y', 1, nouveauNumero());
    ASSERT_TRUE(static_cast<GCY*>(c.get())->FixeLibelles("x+5", ""));
    c->NouvelIdentifiant();
    f.Dessin().AjouteCourbe(c);
    Peint(f);
    FeuilleValeurs feuille;
    feuille.x = {0, 1};
    feuille.y = {5, 6};
    feuille.courbe = c;
    TEchant* e = OuvreFeuilleValeurs({feuille});
    // Equal classes of width "0": ten classes from 0 to 10.
    QuandModal([](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "EdLarg"), "0");
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    Clique(e->ButHist);
    ASSERT_EQ(nouvelles.size(), 1u);
    TForm1& g = *nouvelles[0];
    EXPECT_TRUE(g.titre().endsWith(" : Histogramme des densités"));
    ASSERT_EQ(g.Dessin().Courbes.size(), 1u);
    auto* h = dynamic_cast<GCOperUnaire*>(g.Dessin().Courbes[0].get());
    ASSERT_TRUE(h);
    EXPECT_EQ(h->Mere(1), c->Identifiant);
    EXPECT_EQ(h->ParametresOperation[2], "1");
    EXPECT_EQ(h->Libelle2, "Effectifs des ordonnées");
    GCRepere::BornesEtPas x, y;
    g.Repere().GetBornesEtPas(x, y);
    EXPECT_EQ(x.xinf, "-1");
    EXPECT_EQ(x.xsup, "11");
    // The bars are drawn: the histogram's cache holds points; the y range fitted to them,
    // and shown so at once: the picture shown is the one its fitted frame gives when drawn
    // again.
    const auto barres = LitFichierPoints(h->NomFichier()).points;
    ASSERT_FALSE(barres.empty());
    double haute = 0;
    for (const PointCourbe& p : barres)
        haute = std::max(haute, p.y);
    EXPECT_LT(g.Repere().AxeY.Min, 0);
    EXPECT_GT(g.Repere().AxeY.Max, haute);
    EXPECT_LT(g.Repere().AxeY.Max, 2 * haute);
    const QImage montree = g.PaintBox()->grab().toImage();
    EXPECT_TRUE(montree == g.PaintBox()->grab().toImage()) << "image d'avant l'ajustement";
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
    // Once the curve is gone, the sheet says so.
    f.Dessin().RetireCourbe(c->Numero);
    c.reset();
    Clique(e->ButHist);
    EXPECT_EQ(inter.messages.size(), 1);
    e->close();
}
