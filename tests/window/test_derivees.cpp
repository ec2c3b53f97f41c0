// Actions > Dérivée and Régressions through the dialogs they open.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/pilote_saisie.h"
#include "dialogs/voirechant.h"
#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCDessin.h"
#include "graph/derivees/GCOperUnaire.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

class DeriveesTest : public FenetreTest {
protected:
    PtrCourbe fonction(TForm1& f, const QString& formule, const char* nom, const char* xinf = "-5",
                       const char* xsup = "5")
    {
        auto c = std::make_shared<GCY>(QLatin1Char('Y'), f.numero(), nouveauNumero());
        EXPECT_TRUE(c->FixeLibelles(formule, QString()));
        c->FixeBornes(QString::fromLatin1(xinf), QString::fromLatin1(xsup), QStringLiteral("0.1"));
        c->Nom = QString::fromLatin1(nom);
        c->NouvelIdentifiant();
        f.Dessin().AjouteCourbe(c);
        return c;
    }
    // The designation dialog: the rows chosen, confirmed.
    static void Designe(QWidget* w, std::vector<int> lignes)
    {
        for (int l : lignes)
            CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), l);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    }
    // The check box of that caption, in the group of that title (anywhere in the form when
    // no title is given); null, and the test failed, when there is none.
    static QCheckBox* CaseLibellee(QWidget* w, const QString& groupe, const QString& libelle)
    {
        QWidget* dans = w;
        if (!groupe.isEmpty()) {
            dans = nullptr;
            for (QGroupBox* g : w->findChildren<QGroupBox*>())
                if (g->title() == groupe)
                    dans = g;
        }
        if (dans)
            for (QCheckBox* c : dans->findChildren<QCheckBox*>())
                if (c->text() == libelle)
                    return c;
        ADD_FAILURE() << "pas de case " << qPrintable(groupe) << " / " << qPrintable(libelle);
        return nullptr;
    }
    static bool Cochee(QWidget* w, const QString& libelle)
    {
        QCheckBox* c = CaseLibellee(w, {}, libelle);
        return c && c->isChecked();
    }
    static void Coche(QWidget* w, const QString& groupe, const QString& libelle)
    {
        if (QCheckBox* c = CaseLibellee(w, groupe, libelle))
            Clique(c);
    }
};

}  // namespace

TEST_F(DeriveesTest, OrdresUnEtDeuxDeDeuxFonctionsFontQuatreDerivees)
{
    TForm1 f(1);
    fonction(f, "x^3", "c");
    fonction(f, "sin(x)", "s");
    QuandModal([](QWidget* w) {
        QuandModal(
            [](QWidget* o) {
                QStringList textes;
                for (QLabel* l : o->findChildren<QLabel*>())
                    textes << l->text();
                EXPECT_TRUE(textes.contains("Sélectionner les ordres de dérivation souhaités :"));
                // The first order ticked from the start, the last one offered.
                EXPECT_TRUE(Cochee(o, "Ordre 1 (dérivée première)"));
                EXPECT_FALSE(Cochee(o, "Ordre 5 (dérivée cinquième)"));
                Coche(o, {}, "Ordre 2 (dérivée seconde)");
                Clique(Enfant<QPushButton>(o, "ButOK"));
            },
            w);
        Designe(w, {0, 1});
    });
    f.action("Drive1")->trigger();
    ASSERT_EQ(f.Dessin().Courbes.size(), 6u);
    QStringList vues;
    for (std::size_t i = 2; i < 6; ++i) {
        auto* d = dynamic_cast<GCDG*>(f.Dessin().Courbes[i].get());
        ASSERT_TRUE(d);
        vues << QString(d->TypeCourbe) + QString::number(d->Ordre) + " " + d->Libelle1 + " / " + d->Libelle2;
    }
    EXPECT_EQ(vues, (QStringList{"D1 Dérivée n-ième de c / n = 1", "D2 Dérivée n-ième de c / n = 2",
                                 "D1 Dérivée n-ième de s / n = 1", "D2 Dérivée n-ième de s / n = 2"}));
    // The second derivative of x^3 is 6x, read from its mother's formula.
    Peint(f);
    auto* d2 = dynamic_cast<GCDG*>(f.Dessin().Courbes[3].get());
    double x = 0, y = 0;
    d2->Evalue(1.5, x, y);
    EXPECT_NEAR(y, 9, 1e-3);
}

// Each model gets its own option; a mother without two computed points makes nothing.
TEST_F(DeriveesTest, RegressionsPrennentLesOptionsDeLeurModeleEtDemandentDesPoints)
{
    TForm1 f(1);
    fonction(f, "2*x+1", "d", "1", "5");
    fonction(f, "sqrt(x)", "r", "-5", "-1");
    const auto regression = [&](std::vector<int> lignes) {
        QuandModal([lignes](QWidget* w) {
            // Each box by its caption in its group, so that a caption on the wrong model
            // shows in the models made.
            for (auto [groupe, libelle] : {std::pair{"Polynomiales", "degré 1 : a+bx"}, {"Polynomiales", "a = 0"},
                                           {"Trigonométriques", "ordre 2 : a+Σ(bj.cos(jwx)+cj.sin(jwx)), j = 1..2"},
                                           {"Exponentielles", "a.ln(bx)"}, {"Exponentielles", "(ax+b)/(x-C)"}})
                if (QCheckBox* c = CaseLibellee(w, groupe, libelle))
                    c->setChecked(true);
            QLineEdit* pulsation = Enfant<QLineEdit>(w, "EdPuls");
            QString legende;
            for (QLabel* l : w->findChildren<QLabel*>())
                if (l->buddy() == pulsation)
                    legende = l->text();
            EXPECT_EQ(legende, "Pulsation w =");
            Tape(pulsation, "2");
            Tape(Enfant<QLineEdit>(w, "EdAsymp"), "3");
            QuandModal([lignes](QWidget* d) { Designe(d, lignes); }, w);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f.action("Approximations1")->trigger();
    };
    regression({0});
    ASSERT_EQ(f.Dessin().Courbes.size(), 6u);
    QStringList options;
    for (std::size_t i = 2; i < 6; ++i) {
        auto* u = dynamic_cast<GCOperUnaire*>(f.Dessin().Courbes[i].get());
        ASSERT_TRUE(u);
        options << u->ParametresOperation[0] + ":" + u->ParametresOperation[1];
        QString xinf, xsup, pas;
        u->Bornes(xinf, xsup, pas);
        EXPECT_EQ(xinf, "1");
        EXPECT_NEAR(xsup.toDouble(), 5, 1e-9);
    }
    EXPECT_EQ(options, (QStringList{"1:0", "7:2", "13:1", "17:3"}));

    const int compteur = etatGraphe().CompteurCourbes;
    inter.messages.clear();
    regression({1});
    EXPECT_EQ(f.Dessin().Courbes.size(), 6u);
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur);
    EXPECT_EQ(inter.messages.filter("moins de 2 points").size(), 1);
}

// Infos > Tableaux de valeurs in a polar frame: rho and theta of each point; a curve without
// computed points gets an empty tab and a message.
TEST_F(DeriveesTest, TableauDeValeursDUnReperePolaireMontreRhoEtTheta)
{
    TForm1 f(1);
    auto cercle = std::make_shared<GCY>(QLatin1Char('T'), f.numero(), nouveauNumero());
    ASSERT_TRUE(cercle->FixeLibelles("2*cos(t)", "2*sin(t)"));
    cercle->FixeBornes("0", "3", "0.5");
    cercle->Nom = "c";
    cercle->NouvelIdentifiant();
    f.Dessin().AjouteCourbe(cercle);
    fonction(f, "sqrt(x)", "r", "-5", "-1");
    f.Repere().SetPolaire(true);
    QuandModal([](QWidget* w) { Designe(w, {0, 1}); });
    f.action("Echantillons1")->trigger();
    TEchant* e = f.findChild<TEchant*>();
    ASSERT_TRUE(e);
    ASSERT_EQ(e->nombreFeuilles(), 2);
    FeuilleCalcul* t = e->feuille(0);
    EXPECT_EQ(t->horizontalHeaderItem(0)->text(), "A  Rho ");
    ASSERT_EQ(t->rowCount() >= 7, true);
    for (int r = 0; r < 7; ++r) {
        EXPECT_NEAR(t->item(r, 0)->text().toDouble(), 2, 1e-4) << r;
        EXPECT_NEAR(t->item(r, 1)->text().toDouble(), r * 0.5 * 180 / M_PI, 1e-3) << r;
    }
    EXPECT_EQ(inter.messages, QStringList{"Aucune valeur calculée pour : r"});
    delete e;
}
