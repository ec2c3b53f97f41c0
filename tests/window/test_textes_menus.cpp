// The Textes menu through its dialogs: Ecrire then a click places a text (its macros drawn
// live), Modifier and Supprimer through "Choix d'un ou plusieurs textes".
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogs/dialogues.h"
#include "dialogs/dialtext.h"
#include "dialogs/pilote_saisie.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class TextesMenusTest : public FenetreTest {
protected:
    DialoguesDuProgramme dialoguesProgramme_;

    // Chooses entry `ligne` of the text chooser, then runs `suite` on the next dialog.
    static void ChoisitTexte(int ligne, QString* libelle, std::function<void(QWidget*)> suite = {})
    {
        QuandModal([=](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), QStringLiteral("Choix d'un ou plusieurs textes"));
            *libelle = Enfant<QLabel>(w, "Label1")->text();
            if (suite)
                QuandModal(suite, w);
            CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), ligne);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }
};

}  // namespace

TEST_F(TextesMenusTest, EcrirePuisUnClicPlaceUnTexteDontLesMacrosSontDessineesEnDirect)
{
    TForm1 f(1);
    auto aire = AjouteAire(f, QStringLiteral("x^2+y^2<=1"));
    etatGraphe().aires.push_back(&f.Aires());  // as the frame lists every window's areas
    Peint(f);

    // Cancelled: no text, and the mouse is idle again.
    f.action(QStringLiteral("Ecrire1"))->trigger();
    EXPECT_EQ(f.ModeSouris, SourisTexte);
    EXPECT_EQ(f.PaintBox()->cursor().shape(), Qt::IBeamCursor);
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "ButAnnul")); });
    QTest::mouseClick(f.PaintBox(), Qt::LeftButton, {}, f.Repere().MondeVersPixel(1, 2));
    EXPECT_EQ(f.Textes().Nombre(), 0);
    EXPECT_EQ(f.ModeSouris, SourisRepos);
    // An idle click places nothing.
    QTest::mouseClick(f.PaintBox(), Qt::LeftButton, {}, f.Repere().MondeVersPixel(1, 2));

    f.action(QStringLiteral("Ecrire1"))->trigger();
    QString x, y;
    QuandModal([&](QWidget* w) {
        x = Enfant<QLineEdit>(w, "EdX")->text();
        y = Enfant<QLineEdit>(w, "EdY")->text();
        Tape(Enfant<QLineEdit>(w, "Edit1"), QStringLiteral("Aire = "));
        Enfant<QComboBox>(w, "CBAire")->setCurrentIndex(1);
        Clique(Enfant<QPushButton>(w, "BtAire"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    QTest::mouseClick(f.PaintBox(), Qt::LeftButton, {}, f.Repere().MondeVersPixel(-2, 3));
    ASSERT_EQ(f.Textes().Nombre(), 1);
    EXPECT_EQ(f.ModeSouris, SourisRepos);
    EXPECT_EQ(f.PaintBox()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_NEAR(x.toDouble(), -2, 0.05);
    EXPECT_NEAR(y.toDouble(), 3, 0.05);
    GCTexte* t = f.Textes().Texte(0);
    EXPECT_EQ(t->GetTexte(), QStringLiteral("Aire = &aire0"));
    EXPECT_EQ(t->Aire, aire->Empreinte());
    Peint(f);
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("Aire = ") + QString::fromStdString(ReelVersTexte(aire->Mesure())));
    EXPECT_NEAR(aire->Mesure(), 3.14, 0.15);
}

TEST_F(TextesMenusTest, ModifierEtSupprimerPrennentLesTextesChoisisParLeurNumero)
{
    TForm1 f(1);
    f.action(QStringLiteral("Modifier2"))->trigger();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Aucun texte dans cette fenêtre!")});

    GCTexte* premier = AjouteTexte(f, QStringLiteral("A"));
    GCTexte* second = AjouteTexte(f, QStringLiteral("A"));
    QString libelle;
    ChoisitTexte(1, &libelle, [](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edit1"), QStringLiteral("B"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action(QStringLiteral("Modifier2"))->trigger();
    EXPECT_EQ(libelle, QStringLiteral("Modifier"));
    EXPECT_EQ(premier->GetTexte(), QStringLiteral("A"));
    EXPECT_EQ(second->GetTexte(), QStringLiteral("B"));

    // Two texts with the same words: the one chosen goes, not the other.
    second->SetTexte(QStringLiteral("A"));
    const int numeroSecond = second->Numero;
    ChoisitTexte(0, &libelle);
    f.action(QStringLiteral("Supprimer2"))->trigger();
    EXPECT_EQ(libelle, QStringLiteral("Supprimer"));
    ASSERT_EQ(f.Textes().Nombre(), 1);
    EXPECT_EQ(f.Textes().Texte(0)->Numero, numeroSecond);
}
