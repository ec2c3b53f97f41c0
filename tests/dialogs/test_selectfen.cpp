// The window chooser: the first list adds what is selected in it, the second list loses
// what is clicked, "Sélectionner Tout" starts again from every window; Annuler chooses none.
#include <QListWidget>
#include <QPushButton>

#include "dialogs/pilote_saisie.h"
#include "dialogs/selectfen.h"

namespace {

void CliqueEntree(QListWidget* liste, int ligne, Qt::KeyboardModifiers touches = Qt::NoModifier)
{
    liste->show();
    const QRect zone = liste->visualItemRect(liste->item(ligne));
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, touches, zone.center());
}

}  // namespace

TEST(Selectfen, LaSecondeListeGardeLOrdreDuChoix)
{
    const QStringList entrees = {"#3: Fenêtre 3", "#2: Suites", "#1: Fenêtre 1"};
    Tselectfen fiche(entrees);
    EXPECT_EQ(fiche.windowTitle(), "Selection des fenêtres");
    fiche.show();
    EXPECT_EQ(fiche.choix(), entrees);
    // Clicks in the second list remove the clicked entries.
    CliqueEntree(fiche.ListBox2, 0);
    CliqueEntree(fiche.ListBox2, 0);
    EXPECT_EQ(fiche.choix(), QStringList{"#1: Fenêtre 1"});
    // A selection of two in the first list: the one already chosen is not added again.
    CliqueEntree(fiche.ListBox1, 2);
    CliqueEntree(fiche.ListBox1, 0, Qt::ControlModifier);
    EXPECT_EQ(fiche.choix(), (QStringList{"#1: Fenêtre 1", "#3: Fenêtre 3"}));
    Clique(fiche.BtnTout);
    EXPECT_EQ(fiche.choix(), entrees);

    QuandModal([](QWidget* w) {
        auto* f = static_cast<Tselectfen*>(w);
        CliqueEntree(f->ListBox2, 1);
        Clique(f->BtnConfirmer);
    });
    EXPECT_EQ(ChoisitFenetresDialogue(entrees), (QStringList{"#3: Fenêtre 3", "#1: Fenêtre 1"}));
    QuandModal([](QWidget* w) { Clique(static_cast<Tselectfen*>(w)->BtnAnnuler); });
    EXPECT_TRUE(ChoisitFenetresDialogue(entrees).isEmpty());
}
