// The window's keyboard and wheel: parameter letters (held down too), the trail mode, the
// Delete key on a selection over several windows, Shift+Ctrl+letter, the zoom keys.
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QWheelEvent>

#include "dialogs/etatsaisie.h"
#include "dialogs/pilote_saisie.h"
#include "expression/etat.h"
#include "expression/paramperso.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class ClavierTest : public FenetreTest {
protected:
    static void Appuie(TForm1& f, char c, bool repetee = false)
    {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_A + (std::toupper(c) - 'A'), std::isupper(c) ? Qt::ShiftModifier : Qt::NoModifier,
                    QString(QLatin1Char(c)), repetee);
        QApplication::sendEvent(&f, &e);
        QApplication::processEvents();
    }
    static double Largeur(TForm1& f)
    {
        double x1, x2, y1, y2;
        f.Repere().GetBornes(x1, x2, y1, y2);
        return x2 - x1;
    }
};

}  // namespace

TEST_F(ClavierTest, LettresFontAvancerChaqueCourbeUneFoisEtLaValeurSeRelit)
{
    TForm1 un(1), deux(2);
    auto y = AjouteCourbeY(un, QStringLiteral("a*x^2"));
    y->FixeParametre(0, QStringLiteral("1"));
    deux.Dessin().AjouteCourbe(y);  // the same curve shown in both windows
    auto autre = AjouteCourbeY(deux, QStringLiteral("a+x"));
    auto aire = AjouteAire(deux, QStringLiteral("y<a"));
    std::string message;
    ASSERT_GE(AjouteParametrePerso(GCParamPerso("vitesse", "2"), message), 0);
    AssocieToucheParametrePerso(0, 'Q');
    Peint(un);
    Peint(deux);

    const int avant = un.nombrePeintures();
    Appuie(un, 'a');
    Appuie(un, 'a', true);   // held: the repeats step too
    Appuie(un, 'a', true);
    EXPECT_EQ(y->Parametre(0), QStringLiteral("1.15")) << "one step per press, though two windows show it";
    EXPECT_EQ(autre->Parametre(0), QStringLiteral("0.15"));
    EXPECT_EQ(aire->Parametre(0), QStringLiteral("0.15"));
    EXPECT_EQ(contexteCalcul().ValeursParametres[0], 0.15);
    EXPECT_GE(un.nombrePeintures(), avant + 3) << "each step is drawn";
    Appuie(un, 'A');
    EXPECT_EQ(y->Parametre(0), QStringLiteral("1.1"));

    // A letter that names no parameter moves only the personal parameters bound to it.
    Appuie(un, 'q');
    EXPECT_EQ(parametresPersonnels().ParametresPerso[0]->Valeur(), "2.1");
    EXPECT_EQ(y->Parametre(0), QStringLiteral("1.1"));

    // '&': the steps leave their trail, each drawn at once through the back buffer.
    etatSaisie().PasParametre[9] = 0.5;
    Appuie(un, '&');
    ASSERT_TRUE(un.SuitParametres);
    const int tampon = un.nombrePeintures();
    Appuie(un, 'p');
    EXPECT_EQ(un.nombrePeintures(), tampon + 1);
    EXPECT_EQ(y->Parametre(9), QStringLiteral("0.5"));

    // Shift+Ctrl+A: the range dialog of a, cancelled, leaves each curve its own a; confirmed,
    // gives every curve the value typed.
    for (const char* bouton : {"ButAnnuler", "ButOK"}) {
        QuandModal([bouton](QWidget* w) {
            Enfant<QLineEdit>(w, "edval")->setText(QStringLiteral("0.7"));
            Clique(Enfant<QPushButton>(w, bouton));
        });
        QTest::keyClick(&un, Qt::Key_A, Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_EQ(y->Parametre(0), QString::fromLatin1(bouton[3] == 'O' ? "0.7" : "1.1"));
        EXPECT_EQ(autre->Parametre(0), QString::fromLatin1(bouton[3] == 'O' ? "0.7" : "0.1"));
    }

    // The zoom keys and the wheel: '+' and a notch up enlarge, '-' reduces.
    const double largeur = Largeur(un);
    QTest::keyClicks(&un, QStringLiteral("+"));
    EXPECT_LT(Largeur(un), largeur);
    QTest::keyClicks(&un, QStringLiteral("-"));
    EXPECT_NEAR(Largeur(un), largeur, 1e-9);
    QWheelEvent molette(QPointF(50, 50), un.mapToGlobal(QPointF(50, 50)), {}, QPoint(0, 120), Qt::NoButton, {},
                        Qt::NoScrollPhase, false);
    QApplication::sendEvent(&un, &molette);
    EXPECT_LT(Largeur(un), largeur);
}

TEST_F(ClavierTest, SupprRetireLaSelectionDeChaqueFenetrePendantUnRepeintEnAttente)
{
    TForm1 un(1), deux(2);
    auto a = AjouteCourbeY(un, QStringLiteral("x"));
    auto b = AjouteCourbeY(deux, QStringLiteral("-x"));
    auto reste = AjouteCourbeY(deux, QStringLiteral("3"));
    for (TForm1* f : {&un, &deux}) {
        Peint(*f);
        QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, f->Repere().MondeVersPixel(2, f == &un ? 2 : -2));
    }
    ASSERT_EQ(etatSouris().CourbesSelectionnees.size(), 2u);

    // "Non" keeps them; a held Delete asks once, on its release.
    inter.reponses = {false};
    QKeyEvent repetee(QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&deux, &repetee);
    QTest::keyClick(&deux, Qt::Key_Delete);
    EXPECT_EQ(inter.questions, QStringList{QStringLiteral("Etes-vous sûr de vouloir supprimer ce(s) tracé(s) ?")});
    EXPECT_EQ(un.Dessin().Nombre(), 1);

    // "Oui", with both windows waiting to be painted: both curves go, and the paints that
    // follow draw what is left.
    un.PaintBox()->update();
    deux.PaintBox()->update();
    inter.reponses = {true};
    QTest::keyClick(&deux, Qt::Key_Delete);
    traiteEvenements();
    EXPECT_TRUE(un.Dessin().Courbes.empty());
    EXPECT_EQ(deux.Dessin().Courbes, std::vector<PtrCourbe>{reste});
    EXPECT_TRUE(etatSouris().CourbesSelectionnees.empty());
    EXPECT_FALSE(un.findChild<QWidget*>(QStringLiteral("Transport"))->isVisible());
    const std::weak_ptr<GCCourbe> partie = a;
    a.reset();
    b.reset();
    EXPECT_TRUE(partie.expired());
    Peint(un);
    Peint(deux);
}

TEST_F(ClavierTest, PointSurCourbePartDuMilieuEtLaTouchePLeDeplaceAvecSaTangente)
{
    DialoguesDuProgramme dialogues;
    ChoixPremier choix;
    GardeValeur<ChoixTrace*> gardeChoix{etatGraphe().choixTrace, &choix};
    TForm1 un(1);
    auto y = AjouteCourbeY(un, QStringLiteral("x^2"));
    y->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.1"));
    QuandModal([](QWidget* w) {
        Clique(Enfant<QCheckBox>(w, "cbTg"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un.action(QStringLiteral("Affilier1"))->trigger();
    ASSERT_EQ(un.Dessin().Nombre(), 3);
    const PtrCourbe point = un.Dessin().Courbes[1], tangente = un.Dessin().Courbes[2];
    EXPECT_EQ(point->Parametre(9), QStringLiteral("0"));
    EXPECT_EQ(point->Libelle1, QStringLiteral("Point sur ") + y->Nom);
    EXPECT_EQ(y->Parametre(9), QStringLiteral("0")) << "the mother keeps its own p";

    etatSaisie().PasParametre[9] = 0.5;
    Peint(un);
    for (int k = 0; k < 4; ++k)
        Appuie(un, 'p');
    Peint(un);
    EXPECT_EQ(point->Parametre(9), QStringLiteral("2"));
    const LecturePoints p = LitFichierPoints(point->NomFichier());
    ASSERT_EQ(p.points.size(), 1u);
    EXPECT_DOUBLE_EQ(p.points[0].x, 2);
    EXPECT_DOUBLE_EQ(p.points[0].y, 4);
    const LecturePoints t = LitFichierPoints(tangente->NomFichier());
    ASSERT_FALSE(t.points.empty());
    for (const PointCourbe& q : t.points)
        EXPECT_NEAR(q.y, 4 * q.x - 4, 1e-6);

    // A curve that uses p itself cannot carry the point.
    auto py = AjouteCourbeY(un, QStringLiteral("p*x"));
    un.Dessin().RetireCourbe(y->Numero);
    un.Dessin().RetireCourbe(point->Numero);
    un.Dessin().RetireCourbe(tangente->Numero);
    inter.messages.clear();
    un.action(QStringLiteral("Affilier1"))->trigger();
    EXPECT_EQ(un.Dessin().Nombre(), 1);
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].contains(QStringLiteral("paramètre p")));
}
