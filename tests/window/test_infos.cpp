// The information viewers (histories, labels, units, parameter keys) and the comments
// editor of Fichier > Commentaires, which writes nothing the user did not save.
#include <QAction>
#include <QDir>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include "dialogs/pilote_saisie.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class InfosTest : public FenetreTest {
protected:
    // The lines the viewer gets when the item is chosen.
    QStringList Montre(TForm1& f, const char* article)
    {
        dialogues.montre.clear();
        f.action(QString::fromLatin1(article))->trigger();
        return dialogues.montre;
    }
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

}  // namespace

TEST_F(InfosTest, VisionneusesMontrentHistoriquesLibellesUnitesEtTouches)
{
    TForm1 f(1);
    f.resize(640, 480);
    AjouteCourbeY(f, QStringLiteral("3*x+1"));
    etatGraphe().JournalCourbes = QStringList{QStringLiteral("Date : 01/03/2026"), QStringLiteral("journal de y=3*x+1")};
    EXPECT_TRUE(Montre(f, "Courbes2").contains("journal de y=3*x+1"));
    EXPECT_TRUE(Montre(f, "Libells1").join('\n').contains("3*x+1"));
    EXPECT_EQ(dialogues.titres.last(), "SansNom.txt");

    // Units: a graduation step and what a pixel is worth; on a logarithmic axis, the pixels
    // of a decade and no value per pixel.
    struct Cas {
        const char *xinf, *xsup;
        int type;
    };
    for (const Cas& c : {Cas{"-5", "5", EchelleArith}, Cas{"0.1", "100", EchelleLog}}) {
        f.Repere().FixeBornes(c.xinf, c.xsup, c.type, c.xinf, "0", "1", "-5", "5", EchelleArith, "-5", "0", "1");
        f.Repere().FixeTaille(640, 480);
        const QStringList l = Montre(f, "Units1");
        ASSERT_EQ(l.size(), 9);
        int largeur = 0, hauteur = 0;
        f.Repere().GetTailleTrace(largeur, hauteur);
        const int pixels = l[2].section('=', 1).section(' ', 0, 0).toInt();
        if (c.type == EchelleLog) {
            EXPECT_EQ(l[1], "  OI = 1 décade");
            EXPECT_NEAR(pixels, largeur / 3.0, 1);
            EXPECT_EQ(l[3], "  1 pixel = n.c.");
        } else {
            const double pas = f.Repere().graduation().pasX;
            EXPECT_NEAR(pixels, largeur * pas / 10, 1);
            EXPECT_EQ(l[3], "  1 pixel = " + QString::fromStdString(ReelVersTexte(pas / pixels)));
        }
        EXPECT_TRUE(l[6].startsWith("  OJ = 1 unité")) << l[6].toStdString();
    }

    // The keys of the personal parameters.
    inter.messages.clear();
    f.action("Paramtrestouches1")->trigger();
    EXPECT_EQ(inter.messages, QStringList{"Pas de paramètres utilisés"});
    std::string message;
    const int i = AjouteParametrePerso(GCParamPerso("vitesse", "2"), message);
    AjouteParametrePerso(GCParamPerso("angle", "0"), message);
    AssocieToucheParametrePerso(i, 'v');
    EXPECT_EQ(Montre(f, "Paramtrestouches1"),
              (QStringList{"Touche <--> Paramètre(s)", "V <--> vitesse", "Pas d'(autre) association."}));
    EXPECT_EQ(dialogues.titres.last(), "Touches : Paramètres");
}

// Fichier > Commentaires: nothing is written before a save; a save cancelled after "Oui"
// keeps the editor open with its text; the comment becomes the file saved.
TEST_F(InfosTest, EditeurDeCommentairesNEcritQueCeQueLUtilisateurEnregistre)
{
    QTemporaryDir dossier;
    TForm1 f(1);
    f.DossierDocument = dossier.path();
    const QString courant = QDir::currentPath();
    QDir::setCurrent(dossier.path());

    // Closed untouched: no file, no comment.
    QuandModal([](QWidget* w) { Enfant<QPushButton>(w, "SBFermer")->click(); });
    f.action("Comment")->trigger();
    EXPECT_TRUE(f.Commentaire.isEmpty());
    EXPECT_TRUE(QDir(dossier.path()).entryList(QDir::Files).isEmpty());

    // Typed, closed, "Oui", the save dialog cancelled: the editor stays with the text; then
    // a name holding ";" is refused; then saved.
    bool resteOuvert = false;
    QuandModal([&](QWidget* w) {
        auto* editeur = qobject_cast<QDialog*>(w);
        Enfant<QPlainTextEdit>(w, "Editor")->setPlainText(QStringLiteral("Quelle est la dérivée ?"));
        Enfant<QPlainTextEdit>(w, "Editor")->document()->setModified(true);
        const auto reponse = [w](QMessageBox::StandardButton b) {
            QuandModal([b](QWidget* q) { static_cast<QMessageBox*>(q)->button(b)->click(); }, w);
        };
        reponse(QMessageBox::Yes);
        editeur->reject();
        resteOuvert = editeur->isVisible()
                      && Enfant<QPlainTextEdit>(w, "Editor")->toPlainText() == QStringLiteral("Quelle est la dérivée ?");
        boites.fichierEcriture = dossier.filePath("a;b.txt");
        reponse(QMessageBox::Yes);
        editeur->reject();
        resteOuvert = resteOuvert && editeur->isVisible();
        boites.fichierEcriture = dossier.filePath("questions.txt");
        reponse(QMessageBox::Yes);
        editeur->reject();
    });
    f.action("Comment")->trigger();
    EXPECT_TRUE(resteOuvert);
    EXPECT_EQ(inter.messages.filter("ni « ; »").size(), 1);
    EXPECT_EQ(f.Commentaire, "questions.txt");
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"questions.txt"});

    // Shown again by Infos > Commentaires.
    QString montre;
    QuandModal([&](QWidget* w) {
        montre = Enfant<QPlainTextEdit>(w, "Qmemo")->toPlainText();
        Enfant<QPushButton>(w, "Exit")->click();
    });
    f.action("Commentaires1")->trigger();
    EXPECT_EQ(montre, "Quelle est la dérivée ?");
    QDir::setCurrent(courant);
}
