// Curves of data files defined from the Courbes menu through the point-list form under each
// kind's captions; polygonal plates of the Aires menu made on a designated curve with each
// closure, measured, reported, modified and deleted; sequences through the form of dynamic
// processes.
#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <cmath>

#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

class DonneesMenusTest : public FenetreTest {
protected:
    void SetUp() override
    {
        FenetreTest::SetUp();
        installeDialogues();
        etatSaisie().DossierPoints = dossier.path();
    }
    // The item run on every curve offered, after suite on the designation dialog.
    void designeTout(TForm1& f, const char* article, std::function<void(QWidget*)> suite = [](QWidget*) {})
    {
        QuandModal([suite](QWidget* w) {
            suite(w);
            Clique(Enfant<QPushButton>(w, "BitBtn1"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f.action(QString::fromLatin1(article))->trigger();
    }
    QTemporaryDir dossier;
};

}  // namespace

TEST_F(DonneesMenusTest, ListesBezierSplinesEtChroniquesDefiniesEtTracees)
{
    TForm1 f(1);
    struct Cas {
        const char *article, *titre, *memo;
        bool debut, pas;
        const char* lignes;
        qint64 points;
    };
    for (const Cas& c : {Cas{"LListenuagedepoints1", "Liste (nuage) de points", "Coordonnées", false, false, "1;1\n2;2\n3;1", 3},
                         Cas{"BCourbedeBzier1", "Courbe de Bézier", "Coordonnées", false, true, "1;1\n2;2\n3;1", 5},
                         Cas{"WCourbeBSpline1", "Courbe Spline", "Coordonnées", false, true, "1;1\n2;2\n3;1", 2},
                         Cas{"CChronique1", "Chronique", "Ordonnées", true, true, "1\n2\n3", 3}}) {
        QuandModal([&](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), c.titre);
            EXPECT_EQ(Enfant<QLabel>(w, "LabelMemo")->text(), QString(c.memo) + " des points :");
            EXPECT_EQ(std::pair(Enfant<QLineEdit>(w, "Edebut")->isVisible(), Enfant<QLineEdit>(w, "EdPas")->isVisible()),
                      std::pair(c.debut, c.pas));
            Tape(Enfant<QLineEdit>(w, "Nomfic"), QString(c.article) + ".txt");
            Enfant<QPlainTextEdit>(w, "Memo1")->insertPlainText(c.lignes);
            Tape(Enfant<QLineEdit>(w, "EdPas"), "0.25");
            Clique(Enfant<QRadioButton>(w, "RBaucun"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f.action(c.article)->trigger();
        ASSERT_FALSE(f.Dessin().Courbes.empty()) << c.article;
        Peint(f);
        const PtrCourbe courbe = f.Dessin().Courbes.back();
        EXPECT_EQ(QFileInfo(courbe->NomFichier()).size(), 28 * c.points) << c.article;
        EXPECT_EQ(courbe->Nom, "fn" + QString::number(courbe->Numero));
    }
    EXPECT_EQ(f.Dessin().Nombre(), 4);
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
}

TEST_F(DonneesMenusTest, PlaquesFaitesMesureesModifieesEtSupprimees)
{
    TForm1 f(1);
    f.fixeTailleClient(400, 400);
    auto y = AjouteCourbeY(f, "x^2");
    y->FixeBornes("0", "2", "0.125");
    for (const char* a : {"Plaquepolygonale1", "Fermesuraxe1", "Fermesurorigine1"})
        designeTout(f, a);
    ASSERT_EQ(f.Dessin().Nombre(), 4);
    std::vector<GCA*> plaques;
    for (int k = 0; k < 3; ++k) {
        plaques.push_back(dynamic_cast<GCA*>(f.Dessin().Courbes[std::size_t(k + 1)].get()));
        ASSERT_NE(plaques.back(), nullptr);
        EXPECT_EQ(std::pair(plaques.back()->SousType, plaques.back()->Mere1), std::pair(k, y->Identifiant));
    }
    Peint(f);
    // Closed on the x axis: the trapezoids under the chords; magenta hatches where it lies.
    double trapezes = 0;
    for (double x = 0; x < 2; x += 0.125)
        trapezes += 0.125 * (x * x + (x + 0.125) * (x + 0.125)) / 2;
    EXPECT_NEAR(plaques[1]->Mesure, trapezes, 1e-9);
    const QPoint dedans = f.Repere().MondeVersPixel(1.5, 1);
    int magenta = 0;
    for (int d = -64; d <= 64; ++d)
        magenta += (f.Affichage().pixel(dedans + QPoint(d % 8, d / 8)) & 0xFFFFFF) == 0xFF00FF;
    EXPECT_GT(magenta, 10);
    f.action("Aires1")->trigger();
    EXPECT_EQ(dialogues.montre.filter("Mesure= ").size(), 3);

    // Modified together from the first plate's settings.
    designeTout(f, "Plaquepolygonale2", [](QWidget* w) {
        EXPECT_EQ(Enfant<QListWidget>(w, "ListBox1")->count(), 3) << "plates only";
        QuandModal([](QWidget* p) {
            EXPECT_EQ(Enfant<QComboBox>(p, "CBSuper")->currentText() + Enfant<QComboBox>(p, "CBStyle")->currentText(),
                      "SrcAndQuadrillage diagonal");
            Enfant<QComboBox>(p, "CBSuper")->setCurrentIndex(9);
            Enfant<QComboBox>(p, "CBStyle")->setCurrentIndex(0);
            Clique(Enfant<QPushButton>(p, "ButOK"));
        }, w);
    });
    for (GCA* p : plaques)
        EXPECT_EQ(std::pair(p->ModeCopie, p->StyleRemplissage), std::pair(9, 0));

    // Deleted once confirmed; nothing keeps naming them afterwards.
    inter.reponses = {false, true};
    designeTout(f, "Plaquepolygonale3");
    EXPECT_EQ(f.Dessin().Nombre(), 4);
    designeTout(f, "Plaquepolygonale3");
    EXPECT_EQ(f.Dessin().Nombre(), 1);
    EXPECT_EQ(inter.questions.value(1), "Etes-vous sûr de vouloir supprimer cette(ces) plaque(s) ?");
    EXPECT_TRUE(designation().PressePapierCourbes.empty());
}

TEST_F(DonneesMenusTest, SuitesDefiniesParLeFormulaireDesProcessus)
{
    TForm1 f(1);
    struct Cas {
        const char *article, *titre, *f, *g;
        int affichage;           // the system's display, -1 for none
        const char *xo, *yo;     // yo null: its box hidden
        int sousType;
        const char *libelle1, *libelle2;
        std::size_t termes;
        double x, y;             // the last term drawn
    };
    const double escargot = std::cos(std::cos(std::cos(1.0)));
    for (const Cas& c : {Cas{"NEquationsdercurrence1", "Suite Un=f(n)", "1/(n+1)", nullptr, -1, "2.7", nullptr, 1, "n",
                             "1/(n+1)", 4, 5, 1.0 / 6},
                         Cas{"Rcurrence1", "Récurrence Un+1=f(n,Un)", "x/2+n", nullptr, -1, "0", "1", 2, "n", "x/2+n", 4, 3,
                             4.375},
                         Cas{"Escargot1", "\"Escargot\" Un+1=f(Un)", "cos(x)", nullptr, -1, "1", nullptr, 3, "cos(x)",
                             "cos(x)", 0, escargot, escargot},
                         Cas{"Suitesdepoints1", "Système d'équations de récurrence", "y", "-x", 2, "1", "0", 6, "y", "-x",
                             4, 3, 1}}) {
        QuandModal([&](QWidget* w) {
            EXPECT_EQ(w->windowTitle(), c.titre);
            EXPECT_EQ(Enfant<QLineEdit>(w, "edLib2")->isVisible(), c.g != nullptr);
            EXPECT_EQ(Enfant<QLineEdit>(w, "Edborns")->isVisible(), c.yo != nullptr);
            EXPECT_FALSE(Enfant<QWidget>(w, "gbCoul")->isVisible());
            EXPECT_EQ(Enfant<QLineEdit>(w, "EdNomCrb")->text(), "fn" + QString::number(etatGraphe().CompteurCourbes));
            Tape(Enfant<QLineEdit>(w, "edLib1"), c.f);
            if (c.g)
                Tape(Enfant<QLineEdit>(w, "edLib2"), c.g);
            if (c.affichage >= 0)
                Enfant<QComboBox>(w, "cbSstyp")->setCurrentIndex(c.affichage);
            Tape(Enfant<QLineEdit>(w, "EdBorni"), c.xo);
            if (c.yo)
                Tape(Enfant<QLineEdit>(w, "Edborns"), c.yo);
            Tape(Enfant<QLineEdit>(w, "Edxmax"), "3");
            Clique(Enfant<QRadioButton>(w, "RBaucun"));
            Clique(Enfant<QPushButton>(w, "BitBtn2"));
        });
        f.action(c.article)->trigger();
        ASSERT_FALSE(f.Dessin().Courbes.empty()) << c.article;
        Peint(f);
        const PtrCourbe courbe = f.Dessin().Courbes.back();
        EXPECT_EQ(std::tuple(courbe->SousType, courbe->Libelle1, courbe->Libelle2, courbe->Nom),
                  std::tuple(c.sousType, QString(c.libelle1), QString(c.libelle2), "fn" + QString::number(courbe->Numero)));
        const std::vector<PointCourbe> p = LitFichierPoints(courbe->NomFichier()).points;
        ASSERT_FALSE(p.empty()) << c.article;
        if (c.termes) {
            EXPECT_EQ(p.size(), c.termes) << c.article;
        }
        EXPECT_NEAR(p.back().x, c.x, 1e-12) << c.article;
        EXPECT_NEAR(p.back().y, c.y, 1e-12) << c.article;
    }
    EXPECT_EQ(f.Dessin().Nombre(), 4);
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
}
