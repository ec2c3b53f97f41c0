// The frame window: start-up with and without settings, its windows and menus, the
// warnings panel, the messages of the graph objects, and the end of the program.
#include <gtest/gtest.h>

#include <memory>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include "dialogs/aide.h"
#include "dialogs/fiches.h"
#include "frame/Main.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "outils_cadre.h"
#include "window/fenetre.h"

namespace {

QStringList TitresMenus(QMenuBar* barre)
{
    QStringList titres;
    for (QAction* a : barre->actions())
        if (a->isVisible())
            titres << a->text();
    return titres;
}

// A frame whose save command gives the answer the test chooses.
class CadreSauvegarde : public TMainForm {
public:
    using TMainForm::TMainForm;
    ResultatSauvegarde resultat = ResultatSauvegarde::Annule;
    int appels = 0;
    ResultatSauvegarde FileSaveItemClick() override
    {
        ++appels;
        return resultat;
    }
};

class TDialogueEssai : public QDialog {
    Q_OBJECT
};

class Cadre : public CadreEssai {
protected:
    CadreSauvegarde& demarreSauvegarde()
    {
        auto* c = new CadreSauvegarde(options());
        cadre.reset(c);
        TraiteEvenements();
        return *c;
    }
    QString cheminTemp(const QString& nom) const { return QDir(temp.path()).filePath(nom); }
};

}  // namespace

TEST_F(Cadre, SansReglagesLaPremiereFenetrePrendLesDefauts)
{
    TMainForm& f = demarre();
    f.show();
    TraiteEvenements();
    EXPECT_EQ(f.windowTitle(), "VIRK v. 4.26");
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('|').toStdString();

    ASSERT_EQ(f.fenetres().size(), 1);
    TForm1* fenetre = f.fenetres().front();
    EXPECT_EQ(fenetre->titre(), "Fenêtre 1");
    EXPECT_EQ(fenetre->numero(), 1);
    EXPECT_EQ(f.zoneMdi()->subWindowList().front()->windowTitle(), "Fenêtre 1");
    EXPECT_EQ(fenetre->size(), QSize(520, 520));
    EXPECT_EQ(fenetre->couleurFond(), QColor(Qt::white));
    EXPECT_EQ(f.fenetreActive(), fenetre);
    EXPECT_EQ(f.CompteurFenetres, 2);
    EXPECT_EQ(f.parametres().FichierMenus, "Menus\\defaut.txt");
    // Stored as written on every machine: the window's documents hold the same text.
    EXPECT_TRUE(fenetre->EcrireFenetre().contains("\\Menus\\defaut.txt"));
    EXPECT_EQ(CouleurFiche(), 0xA0C9F1u);

    EXPECT_FALSE(f.SpeedPanel()->isHidden());
    EXPECT_FALSE(f.statusBar()->isHidden());
    EXPECT_TRUE(f.TransfoBar()->isHidden());
    EXPECT_TRUE(f.Op1Bar()->isHidden());
    EXPECT_TRUE(f.SupplBar()->isHidden());
    EXPECT_TRUE(f.Panel1()->isHidden());

    // Folders, logs and the values drawings share.
    EXPECT_EQ(f.DossierProgramme(), QDir::cleanPath(programme.path()));
    EXPECT_EQ(etatGraphe().DossierTemp, QDir::cleanPath(temp.path()));
    EXPECT_TRUE(etatGraphe().DossierTravail.startsWith(etatGraphe().DossierTemp + "/"));
    EXPECT_TRUE(QFileInfo(etatGraphe().DossierTravail).isDir());
    ASSERT_EQ(etatGraphe().JournalCourbes.size(), 1);
    EXPECT_TRUE(etatGraphe().JournalCourbes.front().startsWith("Date : "));
    ASSERT_EQ(f.JournalSession.size(), 1);
    EXPECT_TRUE(f.JournalSession.front().startsWith("Date : "));
    EXPECT_EQ(etatGraphe().interlocuteur != nullptr, true);
    ASSERT_EQ(etatGraphe().dessins.size(), 1u);
    EXPECT_EQ(etatGraphe().dessins.front(), &fenetre->Dessin());
}

TEST_F(Cadre, DossierTemporaireImpossibleSignaleAuDemarrage)
{
    EcritOctetsEssai(cheminTemp("fichier"), "x");
    OptionsCadre o = options();
    o.dossierTemp = cheminTemp("fichier/temp");
    cadre = std::make_unique<TMainForm>(o);
    TraiteEvenements();
    ASSERT_EQ(repondeur.textes.size(), 1) << repondeur.textes.join('|').toStdString();
    EXPECT_TRUE(repondeur.textes[0].startsWith("Le dossier temporaire")) << repondeur.textes[0].toStdString();
    EXPECT_EQ(cadre->fenetres().size(), 1);
}

TEST_F(Cadre, ReglagesFaconnentLeCadreEtLesNouvellesFenetres)
{
    EcritOctetsEssai(cheminIni(), "[Menus]\r\nmenu=Menus\\perso.txt\r\n[Couleurs]\r\nCouleurFiche=$00FF0000\r\n"
                                  "[Barres d'outils]\r\nAvertissement=1\r\nStandard=0\r\nOp\xE9Sur1crb=1\r\n"
                                  "TransfoG\xE9om=0\r\nTransfoSupp=1\r\nBarreEtat=1 \r\n"
                                  "[Fenetre]\r\nTitre=TP de seconde\r\nCouleur=clYellow\r\nLargeur=640\r\nHauteur=480\r\n"
                                  "[Rep\xE8re]\r\nPolair=1\r\n");
    TMainForm& f = demarre();
    f.show();
    TraiteEvenements();
    TForm1* fenetre = f.fenetres().front();
    EXPECT_EQ(fenetre->titre(), "TP de seconde");
    EXPECT_EQ(fenetre->size(), QSize(640, 480));
    EXPECT_EQ(fenetre->couleurFond(), QColor(Qt::yellow));
    EXPECT_TRUE(fenetre->Repere().EstPolaire());
    EXPECT_EQ(f.parametres().FichierMenus, "Menus\\perso.txt");
    EXPECT_EQ(CouleurFiche(), 0xFF0000u);
    EXPECT_TRUE(f.SpeedPanel()->isHidden());
    EXPECT_FALSE(f.Op1Bar()->isHidden());
    EXPECT_TRUE(f.TransfoBar()->isHidden());
    EXPECT_FALSE(f.SupplBar()->isHidden());
    EXPECT_TRUE(f.statusBar()->isHidden());  // "1 " is not "1"
    // The warnings panel waits for a line, whatever the file says.
    EXPECT_TRUE(f.Panel1()->isHidden());
    EXPECT_TRUE(f.AvertissementsActifs);
    // "1 " is reported once the frame runs, and the menu file that is not there.
    ASSERT_EQ(repondeur.textes.size(), 2);
    EXPECT_EQ(repondeur.textes.filter("BarreEtat").size(), 1);
    EXPECT_EQ(repondeur.textes.count("Fichier Menus\\perso.txt introuvable, remplacé par defaut.txt"), 1);
}

// The menu of the bars lists the four, also those not shown yet; one shown from it takes
// its place in its area (the operations on one curve before the further transformations,
// whichever came first) and its buttons.
TEST_F(Cadre, MenuDesBarresLesListeToutesEtLesMontreALeurPlace)
{
    EcritOctetsEssai(cheminIni(), "[Barres d'outils]\r\nAvertissement=0\r\nStandard=1\r\nOp\xE9Sur1crb=0\r\n"
                                  "TransfoG\xE9om=0\r\nTransfoSupp=1\r\nBarreEtat=1\r\n");
    TMainForm& f = demarre();
    f.resize(1200, 900);
    f.show();
    TraiteEvenements();
    const std::unique_ptr<QMenu> menu(f.createPopupMenu());
    const QList<QAction*> articles = menu->actions();
    ASSERT_EQ(articles.size(), 4);
    QStringList etats;
    for (const QAction* a : articles)
        etats << a->text() + (a->isChecked() ? "+" : "-");
    EXPECT_EQ(etats.join(' '), "Standard+ TransfoGéom- OpéSur1crb- TransfoSupp+");

    articles[2]->trigger();
    TraiteEvenements();
    QToolBar* op1 = f.Op1Bar();
    EXPECT_FALSE(op1->isHidden());
    EXPECT_EQ(f.toolBarArea(op1), Qt::RightToolBarArea);
    EXPECT_EQ(op1->actions().size(), 12);
    EXPECT_EQ(op1->x(), f.SupplBar()->x());
    EXPECT_LT(op1->y(), f.SupplBar()->y());
    EXPECT_TRUE(f.TransfoBar()->isHidden());
}

TEST_F(Cadre, ReglagesVidesOuMalFormesDemarrentSurLesDefautsAvecUnMessage)
{
    EcritOctetsEssai(cheminIni(), "");
    {
        TMainForm& f = demarre();
        EXPECT_EQ(f.parametres(), ParametresIni());
        EXPECT_EQ(f.fenetres().front()->titre(), "Fenêtre 1");
        ASSERT_EQ(repondeur.textes.size(), 1);
        EXPECT_TRUE(repondeur.textes.front().contains("virk.ini"));
    }
    cadre.reset();
    repondeur.textes.clear();
    EcritOctetsEssai(cheminIni(), "[Fenetre\r\nLargeur=grand\r\n[Fenetre]\r\nTitre=A\r\nLargeur=x\r\nHauteur=99999999\r\n"
                                  "Couleur=violet\r\n\x01\x02\xFF\r\n");
    {
        TMainForm& f = demarre();
        f.show();
        TraiteEvenements();
        TForm1* fenetre = f.fenetres().front();
        EXPECT_EQ(fenetre->titre(), "A");
        EXPECT_EQ(f.parametres().LargeurFenetre, 520);
        EXPECT_EQ(f.parametres().HauteurFenetre, 8192);
        EXPECT_EQ(fenetre->couleurFond(), QColor(Qt::white));
        ASSERT_EQ(repondeur.textes.size(), 1);
        const QString m = repondeur.textes.front();
        EXPECT_TRUE(m.contains("Largeur") && m.contains("Couleur") && m.contains("99999999")) << m.toStdString();
    }
}

TEST_F(Cadre, ConfigurationEcriteDepuisUneFenetreFaconneLeDemarrageSuivant)
{
    {
        TMainForm& f = demarre();
        f.show();
        TForm1* fenetre = f.fenetres().front();
        fenetre->fixeTailleClient(640, 480);
        fenetre->fixeTitre("Cours");
        fenetre->fixeCouleurFond(QColor(0, 128, 255));
        f.Op1Bar()->show();
        TraiteEvenements();
        ASSERT_EQ(fenetre->tailleDessin(), QSize(640, 480));
        EXPECT_TRUE(f.Configuration1Click());  // no file yet: nothing to ask
        EXPECT_TRUE(repondeur.textes.isEmpty());
        ASSERT_TRUE(QFileInfo::exists(cheminIni()));

        // Replacing the file is asked; No writes nothing.
        const QByteArray avant = OctetsDe(cheminIni());
        fenetre->fixeTitre("Autre");
        repondeur.reponses = {QMessageBox::No};
        EXPECT_FALSE(f.Configuration1Click());
        EXPECT_EQ(repondeur.textes.back(), "Ecraser le fichier virk.ini existant?");
        EXPECT_EQ(OctetsDe(cheminIni()), avant);
        fenetre->fixeTitre("Cours");
    }
    cadre.reset();
    repondeur.textes.clear();
    TMainForm& f = demarre();
    f.show();
    TraiteEvenements();
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('|').toStdString();
    TForm1* fenetre = f.fenetres().front();
    EXPECT_EQ(fenetre->titre(), "Cours");
    EXPECT_EQ(fenetre->size(), QSize(640, 480));
    EXPECT_EQ(fenetre->couleurFond(), QColor(0, 128, 255));
    EXPECT_FALSE(f.Op1Bar()->isHidden());
    EXPECT_FALSE(f.SpeedPanel()->isHidden());
}

TEST_F(Cadre, ConfigurationImpossibleAEcrireSignalee)
{
    TMainForm& f = demarre();
    ASSERT_TRUE(QDir().mkpath(cheminIni()));  // a folder where the file goes
    repondeur.reponses = {QMessageBox::Yes};
    EXPECT_FALSE(f.Configuration1Click());
    ASSERT_EQ(repondeur.textes.size(), 2);
    EXPECT_TRUE(repondeur.textes.back().startsWith("Impossible d'enregistrer")) << repondeur.textes.back().toStdString();
}

TEST_F(Cadre, AvertissementsMontrentLePanneauDesQuUneLigneArrive)
{
    // The frame stays hidden: no paint empties the memo meanwhile.
    TMainForm& f = demarre();
    EXPECT_TRUE(f.Panel1()->isHidden());
    f.AjouteAvertissement("fn1");
    EXPECT_TRUE(f.Panel1()->isHidden());  // shown outside the current event
    TraiteEvenements();
    EXPECT_FALSE(f.Panel1()->isHidden());
    EXPECT_EQ(f.MemoAvert()->toPlainText(),
              "-> Problème de calcul ! Consultez le fichier \"erreurs\" de la courbe fn1 à l'aide du menu : Infos | Erreurs.");
    EXPECT_EQ(f.MemoAvert()->textCursor().position(), 0);

    // The graph objects' warnings go to the same memo.
    interlocuteur().avertit("virk.ini, repère : essai");
    TraiteEvenements();
    EXPECT_EQ(f.MemoAvert()->document()->blockCount(), 2);

    // A window's paint empties it (each paint traces every curve again).
    emit f.fenetres().front()->videAvertissements();
    TraiteEvenements();
    EXPECT_TRUE(f.MemoAvert()->toPlainText().isEmpty());
    EXPECT_TRUE(f.Panel1()->isHidden());

    f.AvertissementsActifs = false;
    f.AjouteAvertissement("fn2");
    TraiteEvenements();
    EXPECT_TRUE(f.Panel1()->isHidden());
}

TEST_F(Cadre, MessagesDesObjetsGraphiquesPassentParLeCadre)
{
    demarre();
    interlocuteur().message("Tracé impossible, mère introuvable !");
    ASSERT_EQ(repondeur.textes.size(), 1);
    EXPECT_EQ(repondeur.textes.front(), "Tracé impossible, mère introuvable !");
    repondeur.reponses = {QMessageBox::Yes};
    EXPECT_TRUE(interlocuteur().demandeOuiNon("Continuer ?"));
    EXPECT_FALSE(interlocuteur().demandeOuiNon("Continuer ?"));

    // The help is a window of its own, at the topic asked for.
    const int avant = int(repondeur.textes.size());
    MontreAide(SujetsAide::FonctionsUneVariable);
    ASSERT_NE(FenetreAide(), nullptr);
    EXPECT_EQ(FenetreAide()->Texte->source().fileName(), "fonctions1.html");
    EXPECT_EQ(repondeur.textes.size(), avant);

    // The frame's interlocutor leaves with the frame.
    Interlocuteur* i = etatGraphe().interlocuteur;
    cadre.reset();
    EXPECT_NE(etatGraphe().interlocuteur, i);
}

TEST_F(Cadre, FenetresNumeroteesEtBarreDeMenusDeLaFenetreActive)
{
    TMainForm& f = demarre();
    f.show();
    TForm1* deux = f.CreeFenetre("Fenêtre 2");
    ++f.CompteurFenetres;
    TForm1* trois = f.CreeFenetre(QString());
    ++f.CompteurFenetres;
    TraiteEvenements();
    EXPECT_EQ(deux->numero(), 2);
    EXPECT_EQ(trois->numero(), 3);
    EXPECT_EQ(trois->titre(), "Fenêtre 1");  // no caption given: the title of new windows
    EXPECT_EQ(f.fenetreActive(), trois);
    EXPECT_EQ(f.IndexFenetre(2), 1);
    EXPECT_EQ(f.IndexFenetre(7), -1);
    EXPECT_EQ(etatGraphe().dessins.size(), 3u);

    // The menu bar shows the active window's menus.
    QStringList attendus;
    for (QMenu* m : trois->menus())
        attendus << m->menuAction()->text();
    EXPECT_EQ(TitresMenus(f.menuBar()), attendus);

    // A closed window leaves the lists; its number never comes back.
    f.zoneMdi()->setActiveSubWindow(f.zoneMdi()->subWindowList()[1]);
    EXPECT_EQ(f.fenetreActive(), deux);
    delete f.zoneMdi()->subWindowList()[1];
    TraiteEvenements();
    EXPECT_EQ(f.fenetres().size(), 2);
    EXPECT_EQ(f.IndexFenetre(2), -1);
    EXPECT_EQ(etatGraphe().dessins.size(), 2u);
    TForm1* quatre = f.CreeFenetre(QString());
    EXPECT_EQ(quatre->numero(), 4);

    // With no window, the frame's own menus.
    for (QMdiSubWindow* s : f.zoneMdi()->subWindowList())
        delete s;
    TraiteEvenements();
    EXPECT_EQ(f.fenetreActive(), nullptr);
    EXPECT_EQ(TitresMenus(f.menuBar()), (QStringList{"&Fichier", "Fe&nêtre"}));
    EXPECT_TRUE(etatGraphe().dessins.empty());
}

TEST_F(Cadre, AnnulerLaSortieLaisseToutEnPlace)
{
    TMainForm& f = demarre();
    f.show();
    EcritOctetsEssai(QDir(etatGraphe().DossierTravail).filePath("f1crb1.pts"), "x");
    repondeur.reponses = {QMessageBox::Cancel};
    EXPECT_FALSE(f.close());
    EXPECT_EQ(repondeur.textes.back(), "Voulez-vous sauvegarder avant de quitter ?");
    EXPECT_EQ(f.ReponseQuitter, QMessageBox::Cancel);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.fenetres().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(cheminTemp("Courbes.txt")));
    EXPECT_TRUE(QFileInfo::exists(QDir(etatGraphe().DossierTravail).filePath("f1crb1.pts")));
}

TEST_F(Cadre, RepondreNonEcritLesFichiersDeSessionEtNeVideQueLeDossierDeCetteSession)
{
    TMainForm& f = demarre();
    f.show();
    const QString travail = etatGraphe().DossierTravail;
    EcritOctetsEssai(QDir(travail).filePath("f1crb1.pts"), "x");
    EcritOctetsEssai(cheminTemp("keep.pts"), "à garder");
    etatGraphe().JournalCourbes << "Courbe fn1 : y = x²";
    f.JournalSession << "10:00:00 Courbes | Cartésienne";

    repondeur.reponses = {QMessageBox::No};
    EXPECT_TRUE(f.close());
    EXPECT_EQ(repondeur.compte("Voulez-vous sauvegarder avant de quitter ?"), 1);
    EXPECT_TRUE(f.fenetres().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(travail));
    EXPECT_EQ(OctetsDe(cheminTemp("keep.pts")), "à garder");

    const QByteArray courbes = OctetsDe(cheminTemp("Courbes.txt"));
    EXPECT_TRUE(courbes.startsWith("Date : ")) << courbes.toStdString();
    EXPECT_TRUE(courbes.endsWith("\r\nCourbe fn1 : y = x\xB2\r\n")) << courbes.toStdString();
    const QList<QByteArray> session = OctetsDe(cheminTemp("Session.txt")).split('\n');
    ASSERT_EQ(session.size(), 4);  // three lines and the end after the last
    EXPECT_TRUE(session[0].startsWith("Date : "));
    EXPECT_EQ(session[1], "10:00:00 Courbes | Cart\xE9sienne\r");
    EXPECT_TRUE(session[2].startsWith("Fin : "));
    // The date and time are written in one fixed form.
    EXPECT_TRUE(QRegularExpression("^Fin : \\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d\r$")
                    .match(QString::fromLatin1(session[2]))
                    .hasMatch());
}

TEST_F(Cadre, RepondreOuiQuitteSeulementUneFoisToutEnregistre)
{
    CadreSauvegarde& f = demarreSauvegarde();
    f.show();
    // The save is cancelled: nothing is closed, no log is written.
    repondeur.reponses = {QMessageBox::Yes};
    f.resultat = TMainForm::ResultatSauvegarde::Annule;
    EXPECT_FALSE(f.close());
    EXPECT_EQ(f.appels, 1);
    EXPECT_EQ(f.fenetres().size(), 1);
    EXPECT_FALSE(QFileInfo::exists(cheminTemp("Courbes.txt")));
    EXPECT_TRUE(QFileInfo(etatGraphe().DossierTravail).isDir());

    // The save fails: the same.
    repondeur.reponses = {QMessageBox::Yes};
    f.resultat = TMainForm::ResultatSauvegarde::Echec;
    EXPECT_FALSE(f.close());
    EXPECT_EQ(f.fenetres().size(), 1);

    // "Quitter" goes through the same prompt; this time the save succeeds.
    repondeur.reponses = {QMessageBox::Yes};
    f.resultat = TMainForm::ResultatSauvegarde::Enregistre;
    f.FileExitItemClick();
    EXPECT_EQ(f.appels, 3);
    EXPECT_TRUE(f.fenetres().isEmpty());
    EXPECT_FALSE(f.isVisible());
    EXPECT_TRUE(QFileInfo::exists(cheminTemp("Courbes.txt")));
    EXPECT_TRUE(QFileInfo::exists(cheminTemp("Session.txt")));
}

// The graph window's own "Quitter" deletes that window's menu: the exit must wait until
// the menu has finished delivering the click (a fault that the sanitizers catch).
TEST_F(Cadre, QuitterDepuisLeMenuDUneFenetreGraphiqueFinitProprement)
{
    TMainForm& f = demarre();
    f.show();
    f.Nouvellefentre1Click();
    ASSERT_EQ(f.fenetres().size(), 2);
    TForm1* fenetre = f.fenetreActive();
    QMenu* fichier = fenetre->menus().front();
    QAction* quitter = fenetre->action("Quitter1");
    ASSERT_TRUE(fichier->actions().contains(quitter));
    fichier->popup(f.mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fichier));
    repondeur.reponses = {QMessageBox::No};
    QTest::mouseClick(fichier, Qt::LeftButton, {}, fichier->actionGeometry(quitter).center());
    TraiteEvenements();
    EXPECT_EQ(repondeur.compte("Voulez-vous sauvegarder avant de quitter ?"), 1);
    EXPECT_TRUE(f.fenetres().isEmpty());
    EXPECT_FALSE(f.isVisible());
    // The session history holds the command.
    EXPECT_TRUE(OctetsDe(cheminTemp("Session.txt")).contains("\r\n  &Quitter\r\n"));
}

TEST_F(Cadre, OuiSansFenetreOuverteQuitteSansEnregistrer)
{
    CadreSauvegarde& f = demarreSauvegarde();
    for (QMdiSubWindow* s : f.zoneMdi()->subWindowList())
        delete s;
    repondeur.reponses = {QMessageBox::Yes};
    EXPECT_TRUE(f.close());
    EXPECT_EQ(f.appels, 0);
    EXPECT_TRUE(QFileInfo::exists(cheminTemp("Session.txt")));
}

TEST_F(Cadre, LaMoletteSurLeCadreSeulLeDit)
{
    TMainForm& f = demarre();
    f.resize(1000, 800);
    f.show();
    TraiteEvenements();
    // The frame gets the wheel events that its children leave (here sent to it directly,
    // at the place of the child).
    auto roule = [&f](QWidget* sous) {
        const QPointF p = sous->mapTo(&f, QPointF(sous->width() / 2.0, sous->height() / 2.0));
        QWheelEvent e(p, f.mapToGlobal(p), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QApplication::sendEvent(&f, &e);
    };
    roule(f.statusBar());
    EXPECT_EQ(repondeur.compte("On s'amuse !!!"), 1);
    roule(f.fenetres().front()->PaintBox());
    EXPECT_EQ(repondeur.compte("On s'amuse !!!"), 1);
}

TEST_F(Cadre, AidesDansLeTroisiemePanneauEtDialoguesALaCouleurDuCadre)
{
    EcritOctetsEssai(cheminIni(), "[Couleurs]\r\nCouleurFiche=clAqua\r\n");
    TMainForm& f = demarre();
    QStatusTipEvent conseil("Représente une courbe d'équation y=f(x)");
    QApplication::sendEvent(&f, &conseil);
    EXPECT_EQ(f.PanneauEtat(2)->text(), "Représente une courbe d'équation y=f(x)");

    TDialogueEssai dialogue;
    dialogue.show();
    EXPECT_EQ(dialogue.palette().color(QPalette::Window), QColor(Qt::cyan));
    EXPECT_EQ(f.palette().color(QPalette::Window), QColor(Qt::cyan));
}

TEST_F(Cadre, CourbesEtAiresTrouveesDUneFenetreALAutre)
{
    TMainForm& f = demarre();
    TForm1* un = f.fenetres().front();
    TForm1* deux = f.CreeFenetre(QString());
    ++f.CompteurFenetres;

    auto courbe = [](TForm1* fenetre, int numero, const QString& identifiant) {
        PtrCourbe c = CreeCourbe('Y', fenetre->numero(), numero);
        c->FixeIdentifiant(identifiant);
        fenetre->Dessin().AjouteCourbe(c);
        return c;
    };
    PtrCourbe a = courbe(un, 1, "101/01/2026 10:00:00");
    PtrCourbe b = courbe(deux, 2, "201/01/2026 10:00:00");
    EXPECT_EQ(f.CourbeParIdentifiant("101/01/2026 10:00:00"), a);
    EXPECT_EQ(f.CourbeParIdentifiant("201/01/2026 10:00:00"), b);
    EXPECT_EQ(f.CourbeParIdentifiant("301/01/2026 10:00:00"), nullptr);
    // The same identifier in two windows: the last window is searched first.
    PtrCourbe copie = courbe(deux, 3, "101/01/2026 10:00:00");
    EXPECT_EQ(f.CourbeParIdentifiant("101/01/2026 10:00:00"), copie);
    // A disabled window is passed over.
    deux->setEnabled(false);
    EXPECT_EQ(f.CourbeParIdentifiant("101/01/2026 10:00:00"), a);
    EXPECT_EQ(f.CourbeParIdentifiant("201/01/2026 10:00:00"), nullptr);
    deux->setEnabled(true);

    // Areas: by increasing window number.
    auto aire = [](TForm1* fenetre, int numero, const QString& empreinte) {
        std::shared_ptr<GCAire> r = CreeAire('A', numero, fenetre->numero());
        r->FixeEmpreinte(empreinte);
        fenetre->Aires().Ajoute(r);
        return r;
    };
    auto r1 = aire(un, 4, "401/01/2026 10:00:00");
    auto r2 = aire(deux, 5, "401/01/2026 10:00:00");
    auto r3 = aire(deux, 6, "601/01/2026 10:00:00");
    EXPECT_EQ(f.AireParEmpreinte("401/01/2026 10:00:00"), r1);
    EXPECT_EQ(f.AireParEmpreinte("601/01/2026 10:00:00"), r3);
    EXPECT_EQ(f.AireParEmpreinte("701/01/2026 10:00:00"), nullptr);
    // The graph objects find them through the shared lists too.
    EXPECT_EQ(AireParEmpreinte("601/01/2026 10:00:00"), r3);
    EXPECT_EQ(CourbeParIdentifiantPartout("201/01/2026 10:00:00"), b);

    // A closed window's objects are no longer found, and nothing dangles.
    delete f.zoneMdi()->subWindowList().back();
    TraiteEvenements();
    EXPECT_EQ(f.CourbeParIdentifiant("201/01/2026 10:00:00"), nullptr);
    EXPECT_EQ(f.AireParEmpreinte("601/01/2026 10:00:00"), nullptr);
    EXPECT_EQ(AireParEmpreinte("601/01/2026 10:00:00"), nullptr);
    EXPECT_EQ(CourbeParIdentifiantPartout("201/01/2026 10:00:00"), nullptr);
    EXPECT_EQ(etatGraphe().aires.size(), 1u);
    Q_UNUSED(r2);
}

#include "test_cadre.moc"
