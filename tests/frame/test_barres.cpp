// The frame's tool bars and window commands as a user meets them: every button clicked on a
// window with curves runs its item in the frame's current window, the buttons follow their
// items (menus hidden by the customisation included), and the Fenêtre commands place the
// windows.
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>

#include "dialogs/pilote_saisie.h"
#include "frame/barres.h"
#include "graph/repere/GCRepere.h"
#include "outils_cadre.h"
#include "window/designation.h"
#include "window/objets_fenetre.h"

namespace {

class Barres : public CadreEssai {
protected:
    TMainForm& demarreAvecBarres()
    {
        TMainForm& f = demarre();
        f.resize(1200, 900);
        for (QToolBar* b : {f.SpeedPanel(), f.TransfoBar(), f.Op1Bar(), f.SupplBar()})
            b->show();
        f.show();
        TraiteEvenements();
        return f;
    }
    void clique(const char* nom)
    {
        QAction* a = cadre->Bouton(QString::fromLatin1(nom));
        QTest::mouseClick(qobject_cast<QToolBar*>(a->parent())->widgetForAction(a), Qt::LeftButton);
        TraiteEvenements();
    }
    // Each button shown (s), enabled (e) and down (d), or "-" for what it is not.
    QString etats(const QStringList& noms)
    {
        TraiteEvenements();
        QStringList r;
        for (const QString& n : noms) {
            const QAction* a = cadre->Bouton(n);
            r << QString(a->isVisible() ? "s" : "-") + (a->isEnabled() ? "e" : "-") + (a->isChecked() ? "d" : "-");
        }
        return r.join(' ');
    }
    DialoguesScript dialogues;
    GardeValeur<DialoguesCadre*> gardeDialogues_{etatCadre().dialogues, &dialogues};
};

}  // namespace

// Each button, clicked once, triggers its own item in the frame's current window, never in
// another one, while the focus is elsewhere; the homography's does nothing and the exit
// button stays hidden. The dialogs the commands open are cancelled.
TEST_F(Barres, ChaqueBoutonLanceSonArticleDansLaFenetreCourante)
{
    TMainForm& f = demarreAvecBarres();
    TForm1* un = f.fenetres().front();
    TForm1* deux = f.Nouvellefentre1Click();
    for (TForm1* w : {un, deux})
        for (const char* formule : {"sin(x)", "x^2/4"})
            AjouteCourbeY(*w, QString::fromLatin1(formule));
    designation().CourbesAColler = {un->Dessin().Courbes[0]};
    un->Edition1Click();  // as the Edit menu does when it opens
    un->Commentaire = QStringLiteral("cours.txt");  // its button shows
    QWidget ailleurs;
    ailleurs.show();
    ailleurs.activateWindow();
    QTimer annuleur;
    QObject::connect(&annuleur, &QTimer::timeout, [] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            d->reject();
    });
    annuleur.start(5);
    for (const BoutonBarre& b : TableBoutons()) {
        f.zoneMdi()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(un->parentWidget()));
        if (b.action == ActionBouton::Quitter) {
            EXPECT_FALSE(f.Bouton(b.nom)->isVisible());
            continue;
        }
        ASSERT_TRUE(f.Bouton(b.nom)->isVisible() && f.Bouton(b.nom)->isEnabled()) << b.nom;
        QSignalSpy ici(un->action(b.article), &QAction::triggered);
        QSignalSpy la(deux->action(b.article), &QAction::triggered);
        const auto largeur = [](TForm1* w) {
            double x1, x2, y1, y2;
            w->Repere().GetBornes(x1, x2, y1, y2);
            return x2 - x1;
        };
        const double avant = largeur(un), autre = largeur(deux);
        const bool norme = un->Repere().EstNorme();
        clique(b.nom);
        const bool article = b.action == ActionBouton::Article || b.action == ActionBouton::Ouvrir;
        EXPECT_EQ(ici.count(), article ? 1 : 0) << b.nom;
        EXPECT_EQ(la.count(), 0) << b.nom;
        // The zoom buttons widen or narrow the current window's view by the zoom factor;
        // the orthonormal switch turns its frame over.
        const double facteur = b.action == ActionBouton::Reduire ? 1.2 : b.action == ActionBouton::Agrandir ? 1 / 1.2 : 1;
        EXPECT_NEAR(largeur(un), avant * facteur, 1e-9) << b.nom;
        EXPECT_EQ(largeur(deux), autre) << b.nom;
        EXPECT_EQ(un->Repere().EstNorme(), norme != (b.action == ActionBouton::Norme)) << b.nom;
        ASSERT_EQ(f.fenetres().size(), 2) << b.nom;
    }
}

// Buttons follow their items in the active window: a hidden menu hides the buttons of all
// under it, even items still marked shown; a disabled item disables its button; a checked
// one keeps it down. With no window, only the open button acts.
TEST_F(Barres, BoutonsSuiventLesArticlesDeLaFenetreActive)
{
    TMainForm& f = demarreAvecBarres();
    TForm1* un = f.fenetres().front();
    const QStringList noms = {"OpenBtn", "SaveBtn", "CutBtn", "PasteBtn", "SBPrimit", "sbReg",
                              "SBQuest", "SBnorm", "SBzoom", "sbSymH", "sbOpp", "sbTF"};
    // Nothing to cut or paste yet, no comment.
    EXPECT_EQ(etats(noms), "se- se- s-- s-- se- se- --- se- se- se- se- se-");

    AjouteCourbeY(*un, QStringLiteral("x"));
    designation().CourbesAColler = {un->Dessin().Courbes[0]};
    un->Edition1Click();  // as the Edit menu does when it opens
    un->Commentaire = QStringLiteral("cours.txt");
    un->Repere().SetNorme(true);
    un->action("Actions1")->setVisible(false);
    un->action("Opposee")->setEnabled(false);
    un->action("Manuel1")->setChecked(true);
    un->action("TFD")->setVisible(false);
    f.AppliqueBarresOutils();
    EXPECT_EQ(etats(noms), "se- se- se- se- --- --- se- sed sed --- --- ---");
    EXPECT_EQ(f.Bouton("SBnorm")->toolTip(), "Repère quelconque");
    // A change of an item reaches its button by itself.
    un->action("Actions1")->setVisible(true);
    un->action("Manuel1")->setChecked(false);
    EXPECT_EQ(etats({"SBPrimit", "sbOpp", "SBzoom"}), "se- s-- se-");

    // Another window active: its own items.
    TForm1* deux = f.Nouvellefentre1Click();
    EXPECT_EQ(etats({"sbOpp", "SBQuest", "SBnorm"}), "se- --- se-");
    EXPECT_EQ(f.Bouton("SBnorm")->toolTip(), "Repère normé");

    delete un->parentWidget();
    delete deux->parentWidget();
    EXPECT_EQ(etats(noms), "se- s-- s-- s-- s-- s-- --- --- s-- s-- s-- s--");
    clique("OpenBtn");
    EXPECT_TRUE(repondeur.textes.isEmpty());  // the open dialog, cancelled
}

// The Fenêtre commands from a window's menu: vertical tiles side by side, horizontal ones
// one above the other, the current window first (five windows: bands of two and three);
// cascade; minimise all, the windows lined up along the bottom in creation order.
TEST_F(Barres, CommandesFenetrePlacentLesFenetres)
{
    TMainForm& f = demarreAvecBarres();
    const auto sous = [&f] { return f.zoneMdi()->subWindowList(QMdiArea::CreationOrder); };
    const auto commande = [&f](const char* article) {
        f.fenetreActive()->action(QString::fromLatin1(article))->trigger();
        TraiteEvenements();
    };
    const int w = f.zoneMdi()->viewport()->width(), h = f.zoneMdi()->viewport()->height();
    f.Nouvellefentre1Click();
    f.zoneMdi()->setActiveSubWindow(sous()[1]);
    commande("Mosaqueverticale1");
    EXPECT_EQ(sous()[1]->geometry(), QRect(0, 0, w / 2, h));
    EXPECT_EQ(sous()[0]->geometry(), QRect(w / 2, 0, w - w / 2, h));
    commande("Mosaquehorizontale1");
    EXPECT_EQ(sous()[1]->geometry(), QRect(0, 0, w, h / 2));
    EXPECT_EQ(sous()[0]->geometry(), QRect(0, h / 2, w, h - h / 2));

    for (int i = 0; i < 3; ++i)
        f.Nouvellefentre1Click();
    commande("Mosaqueverticale1");
    QMap<int, QList<int>> colonnes;  // the heights of the windows of each column
    for (QMdiSubWindow* s : sous())
        colonnes[s->x()] << s->height();
    EXPECT_EQ(colonnes.keys(), (QList<int>{0, w / 2}));
    EXPECT_EQ(colonnes.first().size(), 2);
    EXPECT_EQ(colonnes.last().size(), 3);
    EXPECT_EQ(sous()[4]->pos(), QPoint(0, 0));

    commande("Cascade1");
    QSet<int> abscisses;
    for (QMdiSubWindow* s : sous())
        abscisses << s->x();
    EXPECT_EQ(abscisses.size(), 5);
    commande("Toutrduire1");
    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(sous()[i]->isMinimized()) << i;
        EXPECT_EQ(sous()[i]->geometry().bottom(), h - 1) << i;
        EXPECT_EQ(sous()[i]->x(), i * sous()[i]->width()) << i;
    }
}
