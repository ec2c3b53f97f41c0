// The list chooser "Choix d'un tracé" on its own.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/gestambi.h"
#include "pilote_saisie.h"

TEST(Tambigu, UnClicMontreLEntreeEtConfirmerLaDonne)
{
    const QStringList entrees{QStringLiteral("1;3\\Y : x^2; ;f"), QStringLiteral("1;4\\Y : sin(x); ;g"),
                              QStringLiteral("1;5\\P : t; t;h")};
    Tambigu fiche(QStringLiteral("Choix d'un tracé"), entrees);
    fiche.show();
    EXPECT_EQ(fiche.windowTitle(), QStringLiteral("Choix d'un tracé"));
    EXPECT_EQ(fiche.Edit1->text(), entrees[0]);
    EXPECT_EQ(fiche.indexChoisi(), 0);
    CliqueLigne(fiche.ListBox1, 2);
    EXPECT_EQ(fiche.Edit1->text(), entrees[2]);
    EXPECT_EQ(fiche.indexChoisi(), 2);

    // Run modally: confirm, cancel, and an empty list that shows nothing.
    QuandModal([](QWidget* w) {
        CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), 1);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    EXPECT_EQ(ChoisitDansListe(QStringLiteral("Choix d'une région"), entrees), 1);
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "ButAnnul")); });
    EXPECT_EQ(ChoisitDansListe(QStringLiteral("Choix d'une région"), entrees), -1);
    EXPECT_EQ(ChoisitDansListe(QStringLiteral("Choix d'une région"), {}), -1);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}
