// The Edition menu and the drag image: curves cut, copied and pasted between windows, the
// picture on the system clipboard, the selection carried onto another window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "dialogs/fiches.h"
#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class EditionTest : public FenetreTest {
protected:
    // Designates that curve of the current window in the next designation dialog.
    static void Designe(const PtrCourbe& courbe)
    {
        QuandModal([n = courbe->Numero](QWidget* w) {
            auto* liste = Enfant<QListWidget>(w, "ListBox1");
            const QStringList lignes = TextesDeListe(liste);
            for (int l = 0; l < lignes.size(); ++l)
                if (lignes[l].contains(QStringLiteral(";%1\\").arg(n)))
                    CliqueLigne(liste, l);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }
    static bool Actif(TForm1& f, const char* nom)
    {
        f.Edition1Click();
        return f.action(QString::fromLatin1(nom))->isEnabled();
    }
    // The curve clicked in the window becomes selected; the drag image is shown.
    static void Selectionne(TForm1& f, double x, double y)
    {
        Peint(f);
        QTest::mouseClick(f.PaintBox(), Qt::LeftButton, {}, f.Repere().MondeVersPixel(x, y));
    }
    // A drag of the window's drag image with that button, released over the other window.
    static void Porte(TForm1& de, TForm1& vers, Qt::MouseButton bouton)
    {
        QWidget* transport = de.findChild<QWidget*>(QStringLiteral("Transport"));
        ASSERT_TRUE(transport->isVisible());
        QTest::mousePress(transport, bouton, {}, QPoint(10, 10));
        const QPoint lache = transport->mapFromGlobal(vers.PaintBox()->mapToGlobal(QPoint(60, 60)));
        QTest::mouseRelease(transport, bouton, {}, lache);
        traiteEvenements();
    }
};

}  // namespace

TEST_F(EditionTest, CopierPuisCouperEntreDeuxFenetresEtLaCourbeCoupeeSurvitAuxDesignations)
{
    TForm1 un(1), deux(2);
    auto a = AjouteCourbeY(un, QStringLiteral("x^2"));
    auto b = AjouteCourbeY(un, QStringLiteral("x+1"));
    Peint(un);
    EXPECT_TRUE(Actif(un, "Copier1"));
    EXPECT_FALSE(Actif(deux, "Coller1"));

    // Copier in window 1, Coller in window 2: a copy under a new number, window 1 unchanged.
    Designe(a);
    un.action(QStringLiteral("Copier1"))->trigger();
    EXPECT_TRUE(Actif(deux, "Coller1"));
    deux.action(QStringLiteral("Coller1"))->trigger();
    ASSERT_EQ(deux.Dessin().Nombre(), 1);
    const PtrCourbe copie = deux.Dessin().Courbes[0];
    EXPECT_NE(copie, a);
    EXPECT_GT(copie->Numero, b->Numero);
    EXPECT_EQ(copie->Libelle1, QStringLiteral("x^2"));
    EXPECT_EQ(copie->NumeroFenetre, 2);
    EXPECT_EQ(un.Dessin().Nombre(), 2);
    // A second Coller does nothing.
    EXPECT_FALSE(Actif(deux, "Coller1"));
    deux.action(QStringLiteral("Coller1"))->trigger();
    EXPECT_EQ(deux.Dessin().Nombre(), 1);

    // Couper b, then another command's designation (hide/show) before Coller: b comes into
    // window 2 itself, with its number, as a curve of window 2.
    Designe(b);
    un.action(QStringLiteral("Couper1"))->trigger();
    EXPECT_EQ(un.Dessin().Courbes, std::vector<PtrCourbe>{a});
    QuandModal([](QWidget* w) { static_cast<QDialog*>(w)->reject(); });
    deux.action(QStringLiteral("Cacher1"))->trigger();
    deux.action(QStringLiteral("Coller1"))->trigger();
    ASSERT_EQ(deux.Dessin().Nombre(), 2);
    EXPECT_EQ(deux.Dessin().Courbes[1], b);
    EXPECT_EQ(b->NumeroFenetre, 2);
    Peint(deux);
    EXPECT_TRUE(QFile::exists(b->CheminFichier(".pts")));
}

TEST_F(EditionTest, ImageDuPressePapiersEstCelleDeLaFenetre)
{
    TForm1 un(1);
    un.fixeCouleurFond(Qt::yellow);
    AjouteCourbeY(un, QStringLiteral("sin(x)"));
    AjouteTexte(un, QStringLiteral("titre"));
    Peint(un);
    un.action(QStringLiteral("Pressepapiers1"))->trigger();
    const QImage image = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image, un.Affichage().convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::yellow));
}

TEST_F(EditionTest, ImageGlisseeDeplaceAuBoutonDroitCopieAuGauche)
{
    TForm1 un(1), deux(2), trois(3);
    un.move(0, 0);
    deux.move(600, 0);
    trois.move(0, 600);
    auto a = AjouteCourbeY(un, QStringLiteral("x"));
    auto b = AjouteCourbeY(trois, QStringLiteral("-x"));
    for (TForm1* f : {&un, &deux, &trois})
        Peint(*f);

    // Left: a copy with a new number; the selection is emptied and the image hidden.
    Selectionne(un, 2, 2);
    ASSERT_EQ(etatSouris().CourbesSelectionnees, std::vector<PtrCourbe>{a});
    Porte(un, deux, Qt::LeftButton);
    ASSERT_EQ(deux.Dessin().Nombre(), 1);
    EXPECT_NE(deux.Dessin().Courbes[0], a);
    EXPECT_EQ(un.Dessin().Courbes, std::vector<PtrCourbe>{a});
    EXPECT_TRUE(etatSouris().CourbesSelectionnees.empty());
    EXPECT_FALSE(un.findChild<QWidget*>(QStringLiteral("Transport"))->isVisible());

    // Right, with a selection over two windows: both curves leave their own windows.
    Selectionne(un, 2, 2);
    Selectionne(trois, 2, -2);
    ASSERT_EQ(etatSouris().CourbesSelectionnees.size(), 2u);
    Porte(trois, deux, Qt::RightButton);
    EXPECT_TRUE(un.Dessin().Courbes.empty());
    EXPECT_TRUE(trois.Dessin().Courbes.empty());
    ASSERT_EQ(deux.Dessin().Nombre(), 3);
    EXPECT_EQ(deux.Dessin().Courbes[1], a);
    EXPECT_EQ(a->NumeroFenetre, 2);
    EXPECT_EQ(deux.Dessin().Courbes[2], b);

    // A number already taken asks; "Non" leaves the moved curve where it was.
    auto c = AjouteCourbeY(un, QStringLiteral("x/3"));
    auto homonyme = AjouteCourbeY(deux, QStringLiteral("3"));
    homonyme->Numero = c->Numero;
    Selectionne(un, 3, 1);
    inter.reponses = {false};
    Porte(un, deux, Qt::RightButton);
    EXPECT_EQ(inter.questions.value(0), QStringLiteral("Cette courbe existe déjà! Voulez-vous l'ajouter avec un nouveau n° ?"));
    EXPECT_EQ(un.Dessin().Courbes, std::vector<PtrCourbe>{c});
    EXPECT_EQ(deux.Dessin().Nombre(), 4);

    // The frame dropped on its own window: asked first, then the origin follows the drag.
    un.Repere().FixeFenetre(-5, 5, -5, 5);
    Peint(un);
    QTest::mouseClick(un.PaintBox(), Qt::LeftButton, {}, un.Repere().MondeVersPixel(-4, 0));  // the x axis
    ASSERT_TRUE(etatSouris().RepereSelectionne);
    inter.reponses = {true};
    Porte(un, un, Qt::LeftButton);
    EXPECT_EQ(inter.questions.value(1), QStringLiteral("Etes-vous sûr(e) de vouloir déplacer l'origine du repère ?"));
    double xmin, xmax, ymax, ymin;
    un.Repere().GetBornes(xmin, xmax, ymax, ymin);
    EXPECT_NE(xmin, -5);
    EXPECT_NEAR(xmax - xmin, 10, 1e-9);
}
