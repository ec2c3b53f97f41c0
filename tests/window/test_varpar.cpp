// Actions > Variation des paramètres: the bar and the range dialog of a parameter, through
// the window's menu.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTableWidget>

#include "dialogs/aide.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/pilote_saisie.h"
#include "expression/etat.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"
#include "window/varpar.h"

namespace {

// Actions > Variation des paramètres on the first curve of the window: the bar it opens.
TvarparH* OuvreBarre(TForm1& f)
{
    QuandModal([](QWidget* w) {
        CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), 0);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action("Paramtres1")->trigger();
    return f.findChild<TvarparH*>();
}

}  // namespace

TEST_F(FenetreTest, BarreDeVariationAvanceSaisitRestaureEtTraceUneFamille)
{
    TForm1 f(1);
    auto y = AjouteCourbeY(f, QStringLiteral("a*x^2"));
    y->FixeParametre(0, QStringLiteral("-2"));
    Peint(f);
    const QImage depart = f.ImageExport();
    TvarparH* barre = OuvreBarre(f);
    ASSERT_TRUE(barre && barre->isVisible());
    EXPECT_EQ(barre->Eda[0]->text(), QStringLiteral("-2"));
    // The range: five times the reference's size either side, [-5, 5] around 0.
    const EtatSaisie& e = etatSaisie();
    EXPECT_EQ(std::make_pair(e.MinimumParametre[0], e.MaximumParametre[0]), std::make_pair(-10.0, 10.0));
    EXPECT_EQ(std::make_pair(e.MinimumParametre[1], e.MaximumParametre[1]), std::make_pair(-5.0, 5.0));

    // Up: one step, shown, given to the curve and drawn.
    const int peintures = f.nombrePeintures();
    Clique(barre->SBhaut[0]);
    EXPECT_EQ(barre->Eda[0]->text(), QStringLiteral("-1.95"));
    EXPECT_EQ(y->Parametre(0), QStringLiteral("-1.95"));
    EXPECT_GT(f.nombrePeintures(), peintures);
    EXPECT_NE(f.ImageExport(), depart);

    // A typed value that does not evaluate is said and changes nothing; a sound one applies.
    barre->Eda[0]->setText(QStringLiteral("2*"));
    QTest::keyClick(barre->Eda[0], Qt::Key_Return);
    EXPECT_EQ(inter.messages.value(0), QStringLiteral("Attention! Erreur de syntaxe dans a0"));
    EXPECT_EQ(y->Parametre(0), QStringLiteral("-1.95"));
    EXPECT_EQ(contexteCalcul().ValeursParametres[0], -1.95);

    // The range dialog shows the range, the value read-only; Restaurer then OK brings the
    // starting value back to the curve and to its picture.
    QStringList vu;
    QuandModal([&vu](QWidget* w) {
        for (const char* nom : {"Edit1", "Edit2", "Edit3", "edval"})
            vu << Enfant<QLineEdit>(w, nom)->text();
        vu << QString::number(Enfant<QLineEdit>(w, "edval")->isReadOnly()) << w->windowTitle();
        Clique(Enfant<QPushButton>(w, "Button1"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    Clique(barre->Bornes[0]);
    EXPECT_EQ(vu, QStringList({"-10", "10", "0.05", "-1.95", "1", "Variations du paramètre a"}));
    EXPECT_EQ(barre->Eda[0]->text(), QStringLiteral("-2"));
    EXPECT_EQ(y->Parametre(0), QStringLiteral("-2"));
    EXPECT_EQ(f.ImageExport(), depart);

    // A family of a from -1 to 1 by 0.5: the curve and the bar end on the last value.
    QuandModal([](QWidget* w) {
        auto* g = Enfant<QTableWidget>(w, "StringGrid1");
        for (int c = 0; c < 3; ++c)
            g->item(0, c)->setText(QStringList{"-1", "0.5", "1"}[c]);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    Clique(barre->SpAuto);
    EXPECT_EQ(barre->Eda[0]->text(), QStringLiteral("1"));
    EXPECT_EQ(y->Parametre(0), QStringLiteral("1"));

    // Its help: the page of the bar.
    Clique(barre->Aide);
    ASSERT_NE(FenetreAide(), nullptr);
    EXPECT_EQ(FenetreAide()->Texte->source(), QUrl(QStringLiteral("qrc:/aide/parametres.html#variation")));
}

// Every trace sets the program-wide values from its own curve: the bar steps from the value
// it shows, not from that of the curve drawn last, and its range dialog shows that value.
TEST_F(FenetreTest, BarreDeVariationRepartDeSaValeurQuandUneAutreCourbeSuit)
{
    TForm1 f(1);
    auto y = AjouteCourbeY(f, QStringLiteral("a*x^2"));
    y->FixeParametre(0, QStringLiteral("1"));
    auto sinus = AjouteCourbeY(f, QStringLiteral("sin(x)"));
    Peint(f);
    TvarparH* barre = OuvreBarre(f);
    ASSERT_TRUE(barre && barre->isVisible());
    QStringList vus;
    for (auto* bouton : {barre->SBhaut[0], barre->SBhaut[0], barre->SBbas[0], barre->SBhaut[0], barre->SBhaut[0]}) {
        Clique(bouton);
        vus << barre->Eda[0]->text() + QLatin1Char('/') + y->Parametre(0);
    }
    EXPECT_EQ(vus, QStringList({"1.05/1.05", "1.1/1.1", "1.05/1.05", "1.1/1.1", "1.15/1.15"}));
    EXPECT_EQ(sinus->Parametre(0), QStringLiteral("0"));

    QString valeur;
    QuandModal([&valeur](QWidget* w) {
        valeur = Enfant<QLineEdit>(w, "edval")->text();
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    Clique(barre->Bornes[0]);
    EXPECT_EQ(valeur, QStringLiteral("1.15"));
    EXPECT_EQ(barre->Eda[0]->text(), QStringLiteral("1.15"));
    EXPECT_EQ(y->Parametre(0), QStringLiteral("1.15"));
}
