// The Aires menu driven through its dialogs: an inequation system typed in "Saisie des
// contraintes" (refused while a relation is wrong), shaded, measured, modified, saved and
// read back; areas deleted through the designation; the area pop-up menu.
#include <QAction>
#include <QColorDialog>
#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "dialogs/dialogues.h"
#include "dialogs/fiches.h"
#include "dialogs/pilote_saisie.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

class AiresMenusTest : public FenetreTest {
protected:
    DialoguesDuProgramme dialoguesProgramme_;

    static void Remplace(QPlainTextEdit* memo, const QString& texte)
    {
        memo->selectAll();
        memo->insertPlainText(texte);
    }
    // The colour of the paint box at a world point.
    static QColor CouleurEn(TForm1& f, double x, double y)
    {
        const QPoint p = f.Repere().MondeVersPixel(x, y);
        return QColor(f.Affichage().pixel(p));
    }
};

}  // namespace

TEST_F(AiresMenusTest, SystemeTapeDansLaFicheHachureMesureModifieEtReluIdentique)
{
    TForm1 f(1);
    f.fixeTailleClient(400, 400);
    const int compteur = etatGraphe().CompteurCourbes;

    // Cancelled: nothing, and no number taken.
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "ButAnnul")); });
    f.action(QStringLiteral("Dfinir2"))->trigger();
    EXPECT_TRUE(f.Aires().Vide());
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur);
    EXPECT_EQ(f.ModeFond(), 0);

    // A wrong line keeps the form open with the parser's message; then the half disc
    // y >= 0 (a negated "<") in blue, hatched.
    QStringList etapes;
    QuandModal([&](QWidget* w) {
        auto* memo = Enfant<QPlainTextEdit>(w, "LstCtrnt");
        Tape(Enfant<QLineEdit>(w, "EdNom"), QStringLiteral("demi-disque"));
        Remplace(memo, QStringLiteral("x^2+y^2<=1\ny=0\n"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
        etapes << QString::number(w->isVisible());
        Enfant<QComboBox>(w, "CBStyle")->setCurrentIndex(2);
        QuandModal([](QWidget* couleurs) {
            qobject_cast<QColorDialog*>(couleurs)->setCurrentColor(Qt::blue);
            qobject_cast<QDialog*>(couleurs)->accept();
        }, w);
        Clique(Enfant<QPushButton>(w, "BtCoul"));
        Remplace(memo, QStringLiteral("x^2+y^2<=1\n\ny<!0"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action(QStringLiteral("Dfinir2"))->trigger();
    EXPECT_EQ(etapes, QStringList{QStringLiteral("1")});
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Manque < ou > dans la relation n°2")});
    ASSERT_EQ(f.Aires().Nombre(), 1);
    const std::shared_ptr<GCAire> aire = f.Aires().Aires[0];
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur + 1);
    EXPECT_EQ(aire->Nom(), QStringLiteral("demi-disque"));
    EXPECT_EQ(aire->Contraintes(), (QStringList{QStringLiteral("x^2+y^2<=1"), QStringLiteral("y<!0")}));
    EXPECT_EQ(aire->StyleRemplissage(), 2);
    EXPECT_EQ(VersQColor(aire->Couleur()), QColor(Qt::blue));
    EXPECT_EQ(f.ModeFond(), 2);

    // Shaded where y >= 0 only, and measured.
    aire->FixeStyleRemplissage(0);
    Peint(f);
    EXPECT_EQ(CouleurEn(f, 0.1, 0.5), QColor(Qt::blue));
    EXPECT_NE(CouleurEn(f, 0.1, -0.5), QColor(Qt::blue));
    EXPECT_NE(CouleurEn(f, 0.1, 1.5), QColor(Qt::blue));
    EXPECT_NEAR(aire->Mesure(), M_PI / 2, 0.05 * M_PI / 2);
    f.action(QStringLiteral("Aires1"))->trigger();
    EXPECT_TRUE(dialogues.montre.contains(QStringLiteral("y<!0")));
    EXPECT_TRUE(dialogues.montre.filter(QStringLiteral("Mesure= ")).size() == 1);

    // Modified through the area chooser: the whole disc of radius 2, same stamp.
    const QString empreinte = aire->Empreinte();
    QuandModal([](QWidget* choix) {
        EXPECT_EQ(choix->windowTitle(), QStringLiteral("Choix d'une région"));
        QuandModal([](QWidget* w) {
            EXPECT_FALSE(Enfant<QRadioButton>(w, "RBautomatiques")->isVisible()) << "no family from an area";
            Remplace(Enfant<QPlainTextEdit>(w, "LstCtrnt"), QStringLiteral("x^2+y^2<=4"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        }, choix);
        Clique(Enfant<QPushButton>(choix, "ButOK"));
    });
    f.action(QStringLiteral("Modifierinequations1"))->trigger();
    Peint(f);
    EXPECT_EQ(CouleurEn(f, 0.1, -1.5), QColor(Qt::blue));
    EXPECT_NEAR(aire->Mesure(), 4 * M_PI, 0.05 * 4 * M_PI);
    EXPECT_EQ(aire->Empreinte(), empreinte);

    // Saved and read back into a new window: the same record.
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("aire.vrk"));
    ASSERT_TRUE(f.EnregistreFenetre(chemin).ok);
    TForm1 relue(2);
    LiensEnAttente liens;
    EXPECT_TRUE(relue.LitDocument(chemin, liens).ok());
    ASSERT_EQ(relue.Aires().Nombre(), 1);
    QStringList l1, l2;
    f.Aires().Enregistre(l1);
    relue.Aires().Enregistre(l2);
    EXPECT_EQ(l1, l2);
    EXPECT_EQ(relue.ModeFond(), 2);

    // A manual family: one area per column of the grid, named after its number.
    QuandModal([](QWidget* w) {
        QuandModal([](QWidget* g) {
            Enfant<QSpinBox>(g, "EdNbcrb")->setValue(2);
            auto* grille = Enfant<QTableWidget>(g, "StringGrid1");
            grille->item(0, 0)->setText(QStringLiteral("1"));
            grille->item(0, 1)->setText(QStringLiteral("-1"));
            Clique(Enfant<QPushButton>(g, "ButOK"));
        }, w);
        Remplace(Enfant<QPlainTextEdit>(w, "LstCtrnt"), QStringLiteral("x<a"));
        Clique(Enfant<QRadioButton>(w, "RBmanuels"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action(QStringLiteral("Dfinir2"))->trigger();
    ASSERT_EQ(f.Aires().Nombre(), 3);
    EXPECT_EQ(f.Aires().Aires[1]->Parametre(0), QStringLiteral("1"));
    EXPECT_EQ(f.Aires().Aires[2]->Parametre(0), QStringLiteral("-1"));
    EXPECT_EQ(f.Aires().Aires[2]->Nom(), QStringLiteral("a%1").arg(f.Aires().Aires[2]->Numero()));
}

TEST_F(AiresMenusTest, AiresSupprimeesQuittentLaDesignationEtLeFondSuit)
{
    TForm1 f(1);
    f.FichierImage = QStringLiteral("fond.png");
    auto a = AjouteAire(f, QStringLiteral("x<0"));
    auto b = AjouteAire(f, QStringLiteral("y<0"));
    const auto supprime = [&](int lignes) {
        QuandModal([lignes](QWidget* w) {
            auto* l1 = Enfant<QListWidget>(w, "ListBox1");
            EXPECT_EQ(l1->count(), 2) << "areas only";
            for (int i = 0; i < lignes; ++i) {
                l1->setCurrentRow(i);
                Clique(Enfant<QPushButton>(w, "BitBtn1"));
            }
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f.action(QStringLiteral("Supprimerinequations1"))->trigger();
    };
    supprime(1);
    EXPECT_EQ(f.Aires().Nombre(), 0) << "\"Sélectionner Tout\" took both";
    EXPECT_EQ(f.ModeFond(), 1) << "the picture shows again";
    EXPECT_TRUE(designation().AiresDesignees.empty());
    EXPECT_FALSE(designation().RegionsDesignees);
    EXPECT_EQ(a.use_count(), 1);
    EXPECT_EQ(b.use_count(), 1);
}

TEST_F(AiresMenusTest, LeMenuContextuelAgitSurLAireDuDessusSousLaSouris)
{
    TForm1 f(1);
    auto dessous = AjouteAire(f, QStringLiteral("x<2"), 0xFF0000, 9);
    auto dessus = AjouteAire(f, QStringLiteral("x<0"), 0x00FF00, 9);  // SrcCopy: on top
    Peint(f);
    const auto clicDroit = [&f](double x, double y) {
        QTest::mouseClick(f.PaintBox(), Qt::RightButton, {}, f.Repere().MondeVersPixel(x, y));
        const bool aire = f.OptionAire()->isVisible();
        f.OptionAire()->hide();
        f.Optionfenetre()->hide();
        return aire;
    };
    EXPECT_TRUE(clicDroit(-1.5, 1.5));
    EXPECT_EQ(f.aireCliquee(), dessus);
    dialogues.couleur = Qt::blue;
    f.action(QStringLiteral("Changecoul1"))->trigger();
    Peint(f);
    EXPECT_EQ(VersQColor(dessus->Couleur()), QColor(Qt::blue));
    EXPECT_EQ(CouleurEn(f, -1.5, 1.5), QColor(Qt::blue));
    EXPECT_TRUE(clicDroit(1.5, 1.5));
    EXPECT_EQ(f.aireCliquee(), dessous);
    // Outside every area, and over a hidden one: the window's own menu.
    dessous->FixeVisible(false);
    EXPECT_FALSE(clicDroit(1.5, 1.5));
    EXPECT_FALSE(clicDroit(3.5, 1.5));
    f.action(QStringLiteral("Calcaire1"))->trigger();
    EXPECT_EQ(inter.messages.value(0), QStringLiteral("Non disponible dans cette version !"));
}
