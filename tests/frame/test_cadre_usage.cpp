// What a user of the frame sees while working: the warnings of a curve just defined, the
// state of menu items after a refused command, the frame's commands with no window open,
// the window list, the comment of an opened document, the session history, the icon and
// the status bar.
#include <gtest/gtest.h>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QRegularExpression>
#include <QTest>
#include <QToolBar>

#include "dialogs/aide.h"
#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "outils_cadre.h"
#include "window/fenetre.h"

namespace {

class Usage : public CadreEssai {
protected:
    TMainForm& demarreVisible()
    {
        cadre = std::make_unique<TMainForm>(options());
        cadre->resize(1000, 800);
        cadre->show();
        TraiteEvenements();
        return *cadre;
    }
    // Courbes > Définir > Y with that formula, typed in the real dialog.
    static void definitY(TForm1* f, const QString& formule)
    {
        QuandModal([=](QWidget* w) {
            Tape(Enfant<QLineEdit>(w, "Edlib1"), formule);
            Clique(Enfant<QRadioButton>(w, "RBaucun"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f->action(QStringLiteral("YCartsienneeny1"))->trigger();
    }
};

}  // namespace

// Each paint empties the memo and traces every curve again: the curve that cannot be
// computed everywhere says so after every paint, not only the first.
TEST_F(Usage, AvertissementsDUneCourbeDefinieRestentAffichesApresChaquePeinture)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    const QString ligne = QStringLiteral("-> Problème de calcul ! Consultez le fichier \"erreurs\" de la courbe %1 à "
                                         "l'aide du menu : Infos | Erreurs.");
    definitY(un, QStringLiteral("1/x"));
    ASSERT_EQ(un->Dessin().Nombre(), 1);
    const QString nom = un->Dessin().Courbes[0]->Nom;
    for (int i = 0; i < 3; ++i) {
        un->PaintBox()->repaint();
        TraiteEvenements();
        EXPECT_EQ(f.MemoAvert()->toPlainText(), ligne.arg(nom)) << i;
        EXPECT_FALSE(f.Panel1()->isHidden()) << i;
    }
    // A second failing curve adds its own line, once.
    definitY(un, QStringLiteral("ln(x)"));
    un->PaintBox()->repaint();
    TraiteEvenements();
    EXPECT_EQ(f.MemoAvert()->document()->blockCount(), 2);
}

// With no window, the Fichier items that need one are disabled and Informations still
// counts; the active window's Fenêtre menu lists the open windows and brings the chosen
// one forward.
TEST_F(Usage, CommandesFenetreAvecEtSansFenetres)
{
    TMainForm& f = demarreVisible();
    TForm1* deux = f.Nouvellefentre1Click();
    ASSERT_TRUE(deux);
    TForm1* un = f.fenetres().front();
    ASSERT_EQ(f.fenetreActive(), deux);

    QMenu* menu = deux->menus()[10];
    ASSERT_EQ(menu->objectName(), "Fentre1");
    for (int fois = 0; fois < 2; ++fois) {
        emit menu->aboutToShow();
        QStringList liste;
        for (QAction* a : menu->actions())
            if (a->objectName().startsWith("FenetreListee"))
                liste << a->text() + (a->isChecked() ? "*" : "");
        EXPECT_EQ(liste, (QStringList{"&1 Fenêtre 1", "&2 Fenêtre 2*"}));
    }
    menu->findChild<QAction*>("FenetreListee1")->trigger();
    TraiteEvenements();
    EXPECT_EQ(f.fenetreActive(), un);

    // Informations, from a window's menu and from the frame's once none is left.
    delete f.zoneMdi()->subWindowList(QMdiArea::CreationOrder)[0];
    TraiteEvenements();
    repondeur.textes.clear();
    deux->action("Informations1")->trigger();
    TraiteEvenements();
    ASSERT_EQ(repondeur.textes.size(), 1);
    EXPECT_EQ(repondeur.textes[0], "Nombre de fenêtres créées =2\nTitres des fenêtres ouvertes :\nFenêtre n°2 : Fenêtre 2\n"
                                   "1 fenêtre(s) fermée(s)");
    delete f.zoneMdi()->subWindowList()[0];
    TraiteEvenements();
    for (const char* nom : {"FileCloseItem", "FileSaveItem", "FileSaveAsItem"}) {
        QAction* a = f.findChild<QAction*>(nom);
        ASSERT_TRUE(a) << nom;
        EXPECT_FALSE(a->isEnabled()) << nom;
    }
    repondeur.textes.clear();
    f.findChild<QAction*>("Infos1")->trigger();
    TraiteEvenements();
    EXPECT_EQ(repondeur.textes, (QStringList{"Nombre de fenêtres créées =2\n2 fenêtre(s) fermée(s)"}));
    // A new window enables them again.
    f.Nouvellefentre1Click();
    TraiteEvenements();
    EXPECT_TRUE(f.findChild<QAction*>("FileSaveItem")->isEnabled());
}

// The comments file that a document names is shown once, when the document is opened; the
// command says why when there is none.
TEST_F(Usage, CommentaireDUnDocumentOuvertMontreUneFois)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    un->Commentaires1Click();
    EXPECT_EQ(repondeur.textes.value(0), "Pas de commentaires ni questions pour cette fenêtre !");

    QTemporaryDir docs;
    EcritOctetsEssai(docs.filePath("notes.txt"), "Quelle est la limite en 0 ?\r\nEt en l'infini ?\r\n");
    un->Commentaire = "notes.txt";
    ASSERT_TRUE(un->EnregistreFenetre(docs.filePath("cours.vrk")).ok);
    un->Commentaire = "absent.txt";
    ASSERT_TRUE(un->EnregistreFenetre(docs.filePath("perdu.vrk")).ok);
    un->Commentaire.clear();

    QString titre, texte;
    QuandModal([&](QWidget* w) {
        titre = w->windowTitle();
        texte = Enfant<QPlainTextEdit>(w, "Qmemo")->toPlainText();
        static_cast<QDialog*>(w)->reject();
    });
    f.OuvreFichiers({docs.filePath("cours.vrk")});
    EXPECT_EQ(titre, "Commentaires et/ou questions");
    EXPECT_EQ(texte, "Quelle est la limite en 0 ?\nEt en l'infini ?");
    // Opening another document does not show it again; a missing file is said.
    repondeur.textes.clear();
    f.OuvreFichiers({docs.filePath("perdu.vrk")});
    EXPECT_EQ(repondeur.textes, (QStringList{"Adresse incorrecte pour le fichier de commentaires."}));
}

// The status bar's hint panel: the place of a menu item under the mouse, and what lies
// under the mouse in a window (origin, axes, a curve with its texts).
TEST_F(Usage, BarreDEtatMontreLesAides)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    QMenu* courbes = un->menus()[2];
    QTest::mouseClick(f.menuBar(), Qt::LeftButton, {}, f.menuBar()->actionGeometry(courbes->menuAction()).center());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(courbes));
    QAction* dupliquer = un->action("Dupliquer");
    QTest::mouseMove(courbes, courbes->actionGeometry(dupliquer).center());
    TraiteEvenements();
    EXPECT_EQ(f.PanneauEtat(2)->text(), "Courbes > Dupliquer");
    courbes->close();

    definitY(un, QStringLiteral("x"));
    un->PaintBox()->repaint();
    QWidget* boite = un->PaintBox();
    const GCRepere& r = un->Repere();
    const QString nom = un->Dessin().Courbes[0]->Nom;
    struct Cas {
        QPoint pixel;
        QString conseil;
    };
    const Cas cas[] = {
        {r.MondeVersPixel(3, 3), nom + "\\Y: x ; "},
        {r.MondeVersPixel(0, -3), "axe Oy"},
        {r.MondeVersPixel(-3, 0), "axe Ox"},
        {r.MondeVersPixel(2, -3), ""},
    };
    for (const Cas& c : cas) {
        QTest::mouseMove(boite, c.pixel);
        TraiteEvenements();
        EXPECT_EQ(f.PanneauEtat(2)->text(), c.conseil) << c.pixel.x() << "," << c.pixel.y();
    }
}

// The program's own icon on the frame and on every graph window: a red curve on a white
// frame.
TEST_F(Usage, CadreEtFenetresMontrentLIconeDuProgramme)
{
    TMainForm& f = demarreVisible();
    f.Nouvellefentre1Click();
    const QImage icone = IconeVirk().pixmap(64).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(icone.size(), QSize(64, 64));
    int rouges = 0, blancs = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QColor c = icone.pixelColor(x, y);
            rouges += c.red() > 180 && c.green() < 80 && c.blue() < 100;
            blancs += c == Qt::white;
        }
    EXPECT_GT(rouges, 100);
    EXPECT_GT(blancs, 1000);
    EXPECT_EQ(f.windowIcon().pixmap(32).toImage(), IconeVirk().pixmap(32).toImage());
    for (QMdiSubWindow* s : f.zoneMdi()->subWindowList())
        EXPECT_EQ(s->windowIcon().pixmap(32).toImage(), IconeVirk().pixmap(32).toImage());
}

// A closed window takes with it the point caches of its curves that no other window shows.
TEST_F(Usage, FenetreFermeeRetireLesCachesDeSesCourbes)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    TForm1* deux = f.Nouvellefentre1Click();
    f.zoneMdi()->setActiveSubWindow(f.zoneMdi()->subWindowList(QMdiArea::CreationOrder)[0]);
    definitY(un, QStringLiteral("x^2"));
    definitY(un, QStringLiteral("1/x"));
    ASSERT_EQ(un->Dessin().Nombre(), 2);
    const PtrCourbe propre = un->Dessin().Courbes[0], partagee = un->Dessin().Courbes[1];
    deux->Dessin().AjouteCourbe(partagee);
    un->PaintBox()->repaint();
    deux->PaintBox()->repaint();
    for (const char* e : {".pts", ".err"}) {
        ASSERT_TRUE(QFileInfo::exists(partagee->CheminFichier(e))) << e;
    }
    ASSERT_TRUE(QFileInfo::exists(propre->CheminFichier(".pts")));

    delete f.zoneMdi()->subWindowList(QMdiArea::CreationOrder)[0];
    TraiteEvenements();
    for (const char* e : {".pts", ".err", ".lgd"})
        EXPECT_FALSE(QFileInfo::exists(propre->CheminFichier(e))) << e;
    EXPECT_TRUE(QFileInfo::exists(partagee->CheminFichier(".pts")));
    delete f.zoneMdi()->subWindowList()[0];
    TraiteEvenements();
    EXPECT_FALSE(QFileInfo::exists(partagee->CheminFichier(".pts")));
    EXPECT_TRUE(QFileInfo(etatGraphe().DossierTravail).isDir());
}

// A menu file chosen in Options > Menus > Charger hides its items and the buttons tied to
// them (a button goes with any menu above its item); the bars chosen in "Barres d'outils";
// both come back at the next start once the configuration is saved.
TEST_F(Usage, MenusEtBarresSuiventLaPersonnalisationEtReviennentApresLaConfiguration)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    ASSERT_TRUE(QFileInfo(programme.filePath("Menus/defaut.txt")).isFile());
    // Actions > Régressions.
    QAction* bouton = f.Bouton("sbReg");
    ASSERT_TRUE(bouton);
    EXPECT_TRUE(bouton->isVisible() && bouton->isEnabled());

    QStringList lignes = un->LignesMenus();
    lignes.replaceInStrings(QRegularExpression("^\\+&Actions$"), "-&Actions");
    ASSERT_TRUE(EcritFichierTexte(programme.filePath("Menus/eleves.txt"), lignes).ok);
    BoitesScriptees boites;
    boites.fichier = programme.filePath("Menus/eleves.txt");
    {
        const GardeValeur<BoitesSaisie*> garde(etatSaisie().boites, &boites);
        un->action("Charger1")->trigger();
    }
    EXPECT_FALSE(un->action("Actions1")->isVisible());
    EXPECT_TRUE(un->action("Approximations1")->isVisible());
    TraiteEvenements();
    EXPECT_FALSE(bouton->isVisible());

    QuandModal([](QWidget* w) {
        Enfant<QCheckBox>(w, "CBstand")->setChecked(false);
        Enfant<QCheckBox>(w, "CBope1")->setChecked(true);
        Enfant<QPushButton>(w, "ButOK")->click();
    });
    un->action("Barresdoutils1")->trigger();
    EXPECT_TRUE(f.SpeedPanel()->isHidden());
    EXPECT_FALSE(f.Op1Bar()->isHidden());
    ASSERT_TRUE(f.Configuration1Click());

    cadre.reset();
    TMainForm& g = demarreVisible();
    EXPECT_EQ(g.parametres().FichierMenus, "Menus\\eleves.txt");
    EXPECT_FALSE(g.fenetres().front()->action("Actions1")->isVisible());
    EXPECT_TRUE(g.SpeedPanel()->isHidden());
    EXPECT_FALSE(g.Op1Bar()->isHidden());
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('|').toStdString();
}

// F1 in a window opens the help at the topic of the hint the status bar shows (the button
// last pointed at, an axis), else at the contents; a formula that does not compile offers
// "Aide" in its box, which opens the list of functions while the curve's dialog waits.
TEST_F(Usage, F1EtLesMessagesDeSyntaxeOuvrentLAideAuSujetVoulu)
{
    TMainForm& f = demarreVisible();
    TForm1* un = f.fenetres().front();
    const struct {
        const char* conseil;
        const char* page;
    } cas[] = {
        {"Primitives/Orbites", "operations.html#primitive"},
        {"Régressions", "operations.html#regressions"},
        {"Tracer une courbe à \"main levée\"", "souris.html#main-levee"},
        {"Définir une courbe point par point à la souris", "souris.html#saisie"},
        {"Définir une ligne brisée à la souris", "souris.html#saisie"},
        {"Changer la normalité du repère", "repere.html#norme"},
        {"Réduire les unités", "repere.html#unites"},
        {"Augmenter les unités", "repere.html#unites"},
        {"axe Y", "repere.html#axe-y"},
        {"axe X", "repere.html#axe-x"},
        {"Courbes > Dupliquer", "sommaire.html"},
        {"", "sommaire.html"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.conseil);
        f.PanneauEtat(2)->setText(QString::fromUtf8(c.conseil));
        QTest::keyClick(un, Qt::Key_F1);
        ASSERT_NE(FenetreAide(), nullptr);
        EXPECT_EQ(FenetreAide()->Texte->source(), QUrl(QStringLiteral("qrc:/aide/") + QString::fromUtf8(c.page)));
    }
    // The help stands beside the program's windows, and goes with them.
    EXPECT_EQ(FenetreAide()->parentWidget(), &f);

    repondeur.textes.clear();
    repondeur.reponses = {QMessageBox::Help};
    QString vue;
    bool dansLaBoite = false;
    QuandModal([&](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("sin(x"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
        if (TAide* aide = FenetreAide()) {
            vue = aide->Texte->source().fileName();
            dansLaBoite = aide->isVisible() && aide->parentWidget() == w;
        }
        static_cast<QDialog*>(w)->reject();
    });
    un->action(QStringLiteral("YCartsienneeny1"))->trigger();
    ASSERT_EQ(repondeur.textes.size(), 1);
    EXPECT_EQ(repondeur.textes[0], "Erreur de syntaxe dans le libellé n°1");
    EXPECT_EQ(repondeur.boutonsOfferts[0], QMessageBox::Ok | QMessageBox::Help);
    EXPECT_EQ(vue, "fonctions1.html");
    EXPECT_TRUE(dansLaBoite);
    EXPECT_EQ(un->Dessin().Nombre(), 0);
}
