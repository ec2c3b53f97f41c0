// The list chooser "Choix d'un tracé" on its own, and as the curve chooser of the graph
// objects once the dialogs are installed.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogs/dialogues.h"
#include "dialogs/gestambi.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "pilote_saisie.h"

namespace {

void CliqueLigne(QListWidget* liste, int ligne)
{
    QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(ligne)).center());
}

}  // namespace

TEST(Tambigu, AClickShowsTheEntryAndConfirmGivesIt)
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

TEST(Tambigu, IsTheCurveChooserOnceTheDialogsAreInstalled)
{
    reinitialiseGraphe();
    InterlocuteurEnregistre inter;
    etatGraphe().interlocuteur = &inter;
    installeDialogues();
    GCDessin dessin;
    for (const char* formule : {"x^2", "sin(x)"}) {
        PtrCourbe c = CreeCourbe('Y', 1, nouveauNumero());
        c->FixeLibelles(QString::fromLatin1(formule), QString());
        dessin.AjouteCourbe(c);
    }
    QString titre;
    QuandModal([&titre](QWidget* w) {
        titre = w->windowTitle();
        CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), 1);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    EXPECT_EQ(dessin.ChoisitCourbe(QStringLiteral("Y")), dessin.Courbes[1]);
    EXPECT_EQ(titre, QStringLiteral("Choix d'un tracé"));
    // No curve of the kinds asked: the message, and no dialog.
    EXPECT_EQ(dessin.ChoisitCourbe(QStringLiteral("L")), nullptr);
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Non disponible : aucune courbe (des types requis) tracée!")});
    installeChoixTrace(nullptr);
    etatGraphe().interlocuteur = nullptr;
    reinitialiseGraphe();
}
