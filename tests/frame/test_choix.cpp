// The choosers the program installs, driven through the commands that open them: Courbes >
// Dupliquer picks its curve in "Choix d'un tracé", and "Libellé existant" of the curve
// dialog picks among the labels of every window in "Choix d'un libellé déjà défini".
#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/pilote_saisie.h"
#include "dialogs/procdyn.h"
#include "dialogs/saisieY.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "outils_cadre.h"
#include "window/fenetre.h"

namespace {

class Choix : public CadreEssai {
protected:
    static void ajoute(TForm1* fenetre, const QString& formule, const QString& nom)
    {
        auto c = std::make_shared<GCY>(QLatin1Char('Y'), fenetre->numero(), nouveauNumero());
        ASSERT_TRUE(c->FixeLibelles(formule, QString()));
        c->Nom = nom;
        c->NouvelIdentifiant();
        c->MemoriseLibelle();
        fenetre->Dessin().AjouteCourbe(c);
    }
    // Picks entry `ligne` of the chooser that opens next and confirms; keeps what it showed.
    // Then `suite` runs on the next dialog, if given.
    void choisit(int ligne, std::function<void(QWidget*)> suite = {})
    {
        QuandModal([this, ligne, suite](QWidget* w) {
            if (suite)
                QuandModal(suite, w);
            titre = w->windowTitle();
            auto* liste = Enfant<QListWidget>(w, "ListBox1");
            offertes.clear();
            for (int i = 0; i < liste->count(); ++i)
                offertes << liste->item(i)->text();
            liste->setCurrentRow(ligne);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }
    QString titre;
    QStringList offertes;
};

}  // namespace

TEST_F(Choix, DupliquerDuMenuChoisitLaCourbeDansLeVraiSelecteur)
{
    TMainForm& f = demarre();
    TForm1* un = f.fenetres().front();
    ajoute(un, QStringLiteral("x^2"), QStringLiteral("f"));
    ajoute(un, QStringLiteral("sin(x)"), QStringLiteral("g"));
    // Then the copy's own definition dialog, under a free name.
    choisit(1, [](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "EdNomCrb"), QStringLiteral("h"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un->action(QStringLiteral("Dupliquer"))->trigger();
    EXPECT_EQ(titre, QStringLiteral("Choix d'un tracé"));
    EXPECT_EQ(offertes.size(), 2);
    ASSERT_EQ(un->Dessin().Nombre(), 3);
    EXPECT_EQ(un->Dessin().Courbes[2]->Libelle1, QStringLiteral("sin(x)"));
    EXPECT_EQ(un->Dessin().Courbes[2]->Nom, QStringLiteral("h"));
    // No curve to offer: the message, and no chooser.
    f.CreeFenetre(QString())->action(QStringLiteral("Dupliquer"))->trigger();
    EXPECT_EQ(repondeur.compte(QStringLiteral("Non disponible : aucune courbe (des types requis) tracée!")), 1);
}

TEST_F(Choix, EtiquettesExistantesDeToutesLesFenetresLaDerniereDAbord)
{
    TMainForm& f = demarre();
    TForm1* un = f.fenetres().front();
    TForm1* deux = f.CreeFenetre(QString());
    ++f.CompteurFenetres;
    ajoute(un, QStringLiteral("x^2"), QStringLiteral("f"));
    ajoute(un, QStringLiteral("cos(x)"), QStringLiteral("g"));
    ajoute(deux, QStringLiteral("cos(x)"), QStringLiteral("h"));

    TsaisieY fiche;
    fiche.Edlib1->setText(QStringLiteral("2*"));
    choisit(1);
    fiche.Libellexistant1Click();
    EXPECT_EQ(titre, QStringLiteral("Choix d'un libellé déjà défini"));
    EXPECT_EQ(offertes, (QStringList{QStringLiteral("cos(x)"), QStringLiteral("x^2")}));
    EXPECT_EQ(fiche.Edlib1->text(), QStringLiteral("2*x^2"));

    // Without any curve: the message, and the text as it was.
    un->Dessin().VideCourbes();
    deux->Dessin().VideCourbes();
    fiche.Libellexistant1Click();
    EXPECT_EQ(fiche.Edlib1->text(), QStringLiteral("2*x^2"));
    EXPECT_EQ(repondeur.compte(QStringLiteral("Aucune courbe disponible !")), 1);
}

// The process choosers of the dynamic-process dialog: the Julia and Mandelbrot sets, then
// the recurrence systems, of every window, the last window first; the entry chosen gives
// its two formulas. None to offer: the message, and the fields as they were.
TEST_F(Choix, ProcessusDeToutesLesFenetresLeDernierDAbord)
{
    TMainForm& f = demarre();
    TForm1* un = f.fenetres().front();
    TForm1* deux = f.CreeFenetre(QString());
    ++f.CompteurFenetres;
    TsaisPrDyn fiche;
    fiche.CourbeN1Click();
    fiche.AireJouM1Click();
    EXPECT_EQ(repondeur.compte(QStringLiteral("Aucun processus disponible !")), 2);
    EXPECT_EQ(fiche.edLib1->text(), QString());

    for (auto [fenetre, lettre, x] : {std::tuple{un, 'J', "x^2-y^2+a0"}, std::tuple{deux, 'M', "x^3"}}) {
        auto a = std::make_shared<GCProcDyn>(nouveauNumero(), QLatin1Char(lettre), fenetre->numero());
        a->FixeContraintes({QString::fromLatin1(x), QStringLiteral("2*x*y")});
        fenetre->Aires().Ajoute(a);
    }
    PtrCourbe n = CreeCourbe(QLatin1Char('N'), 1, nouveauNumero(), 4);
    n->FixeLibelles(QStringLiteral("x/2"), QStringLiteral("y+1"));
    un->Dessin().AjouteCourbe(n);
    choisit(1);
    fiche.AireJouM1Click();
    EXPECT_EQ(titre, QStringLiteral("Choix d'un processus"));
    ASSERT_EQ(offertes.size(), 2);
    EXPECT_TRUE(offertes[0].startsWith(QStringLiteral("2;")) && offertes[1].startsWith(QStringLiteral("1;")));
    EXPECT_EQ(fiche.edLib1->text() + '|' + fiche.edLib2->text(), QStringLiteral("x^2-y^2+a0|2*x*y"));
    choisit(0);
    fiche.CourbeN1Click();
    EXPECT_EQ(offertes.size(), 1);
    EXPECT_EQ(fiche.edLib1->text() + '|' + fiche.edLib2->text(), QStringLiteral("x/2|y+1"));
}
