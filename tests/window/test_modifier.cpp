// Courbes > Modifier (one curve through its own dialog, several through their common
// changes) and Courbes > Transfert en chronique, driven through the dialogs they open.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>

#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/fichiers/fichiertexte.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class ModifierTest : public FenetreTest {
protected:
    DialoguesDuProgramme dialoguesProgramme_;
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

// Chooses the lines of the designation dialog, then confirms; suite gets the next dialog.
template <class Suite>
void Designe(std::initializer_list<int> lignes, Suite suite)
{
    // The lines are copied: the list given lives only as long as the call.
    QuandModal([choisies = std::vector<int>(lignes), suite](QWidget* w) {
        for (int l : choisies)
            CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), l);
        QuandModal(suite, w);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
}

}  // namespace

TEST_F(ModifierTest, UneCourbeDansSonDialoguePlusieursSeulementLaOuUnChampAChange)
{
    // The fields that several kinds share.
    EXPECT_EQ(ChampsCommuns(QStringLiteral("LY")), 0x007F);
    EXPECT_EQ(ChampsCommuns(QStringLiteral("CB")), 0x04FF);
    EXPECT_EQ(ChampsCommuns(QStringLiteral("NN")), 0x207F);
    EXPECT_EQ(ChampsCommuns(QStringLiteral("DE")), 0x1F7F);
    EXPECT_EQ(ChampsCommuns(QStringLiteral("IY")), 0x0F7F);

    TForm1 un(1);
    auto a = AjouteCourbeY(un, QStringLiteral("x^2"));
    auto b = AjouteCourbeY(un, QStringLiteral("x+1"));
    b->FixeBornes(QStringLiteral("0"), QStringLiteral("10"), QStringLiteral("0.5"));
    b->Epaisseur = 3;
    Peint(un);

    // One curve: its own definition dialog, then the window traces it again.
    Designe({0}, [](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("x^3"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un.action(QStringLiteral("Modifier1"))->trigger();
    EXPECT_EQ(a->Libelle1, QStringLiteral("x^3"));
    const int peintures = un.nombrePeintures();
    Peint(un);
    EXPECT_GT(un.nombrePeintures(), peintures);

    QString xinf, xsup, pas;
    a->Bornes(xinf, xsup, pas);
    const QString pasA = pas;

    // Two curves: only the colour changed; each keeps its width and domain.
    QStringList visibles;
    Designe({0, 1}, [&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Modifications communes"));
        for (const char* nom : {"Edlib1", "EdNomCrb", "Edxmin", "Edxmax", "Edpas", "CBalea"})
            if (Enfant<QWidget>(w, nom)->isVisibleTo(w))
                visibles << QString::fromLatin1(nom);
        EXPECT_EQ(Enfant<QLineEdit>(w, "Edxmax")->text(), QStringLiteral("10")) << "preset from the last curve";
        Clique(Enfant<QPushButton>(w, "Butcoul"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un.action(QStringLiteral("Modifier1"))->trigger();
    EXPECT_EQ(visibles, (QStringList{"Edxmin", "Edxmax", "Edpas", "CBalea"}));
    EXPECT_EQ(a->Couleur, DeQColor(Qt::red));
    EXPECT_EQ(b->Couleur, DeQColor(Qt::red));
    EXPECT_EQ(a->Epaisseur, 1);
    a->Bornes(xinf, xsup, pas);
    EXPECT_EQ(xsup, QStringLiteral("5"));

    // A field changed goes to every curve.
    Designe({0, 1}, [](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edxmax"), QStringLiteral("3"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un.action(QStringLiteral("Modifier1"))->trigger();
    a->Bornes(xinf, xsup, pas);
    EXPECT_EQ(QStringList({xinf, xsup, pas}), (QStringList{"-5", "3", pasA}));
    b->Bornes(xinf, xsup, pas);
    EXPECT_EQ(QStringList({xinf, xsup, pas}), (QStringList{"0", "3", "0.5"}));
    EXPECT_EQ(b->Epaisseur, 3);
}

// A discrete derivative is modified and duplicated through its own dialog, the order box
// shown and no formula to check: the order chosen is traced, the copy is a curve of its own.
TEST_F(ModifierTest, UneDeriveeDiscreteSeModifieEtSeDuplique)
{
    TForm1 un(1);
    auto mere = AjouteCourbeY(un, QStringLiteral("x^3"));
    auto g = std::make_shared<GCDG>(QLatin1Char('G'), 1, un.numero(), nouveauNumero());
    g->NouvelIdentifiant();
    g->FixeMere(1, mere->Identifiant);
    g->GCCourbe::FixeLibelles(QStringLiteral("Dérivée n-ième de ") + mere->Nom, QStringLiteral("n = 1"));
    un.Dessin().AjouteCourbe(g);
    Peint(un);

    // Chooses the order on the dialog of the derivative, and says what it showed.
    const auto ordre = [](int n, QStringList& vu) {
        return [n, &vu](QWidget* w) {
            auto* liste = Enfant<QComboBox>(w, "CBordre");
            vu << w->windowTitle() << QString::number(liste->isVisibleTo(w)) << liste->currentText();
            liste->setCurrentIndex(n - 1);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        };
    };
    QStringList vu;
    Designe({1}, ordre(2, vu));
    un.action(QStringLiteral("Modifier1"))->trigger();
    EXPECT_EQ(vu, (QStringList{"Dérivée discrète n-ième", "1", "1"}));
    EXPECT_EQ(g->Ordre, 2);
    EXPECT_EQ(g->Libelle2, QStringLiteral("n = 2"));
    Peint(un);
    const std::vector<PointCourbe> points = LitFichierPoints(g->NomFichier()).points;
    ASSERT_GT(points.size(), 50u);
    for (const PointCourbe& p : points)
        EXPECT_NEAR(p.y, 6 * p.x, 1e-6) << p.x;

    // The pop-up's Dupliquer, on the curve under the mouse.
    vu.clear();
    CodeObjetSouris() = g->Numero;
    QuandModal(ordre(3, vu));
    un.OptionTrace()->findChild<QAction*>(QStringLiteral("MenuItem5"))->trigger();
    EXPECT_EQ(vu, (QStringList{"Dérivée discrète n-ième", "1", "2"}));
    ASSERT_EQ(un.Dessin().Nombre(), 3);
    auto copie = std::dynamic_pointer_cast<GCDG>(un.Dessin().Courbes[2]);
    ASSERT_TRUE(copie);
    EXPECT_EQ(copie->Ordre, 3);
    EXPECT_EQ(copie->Mere1, mere->Identifiant);
    EXPECT_NE(copie->Identifiant, g->Identifiant);
    EXPECT_EQ(g->Ordre, 2);
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join(" | ").toStdString();
}

TEST_F(ModifierTest, TransfertEcritUneLigneParPointEtFaitDesChroniques)
{
    TForm1 un(1);
    auto y = AjouteCourbeY(un, QStringLiteral("2*x"));
    y->FixeBornes(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("0.25"));
    auto jamais = AjouteCourbeY(un, QStringLiteral("x"));
    Peint(un);
    un.hide();  // no paint until the transfer: the second curve keeps no points
    QFile::remove(jamais->CheminFichier(".pts"));
    const LecturePoints points = LitFichierPoints(y->CheminFichier(".pts"));
    ASSERT_EQ(points.points.size(), 5u);

    const int n = etatGraphe().CompteurCourbes - 1;
    Designe({0, 1}, [nom = y->Nom](QWidget* w) {
        EXPECT_EQ(Enfant<QLabel>(w, "labnom")->text(), QStringLiteral("de : ") + nom);
        // A step of 0 keeps the dialog open.
        Tape(Enfant<QLineEdit>(w, "EdPas"), QStringLiteral("0"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
        EXPECT_TRUE(w->isVisible());
        Tape(Enfant<QLineEdit>(w, "EdPas"), QStringLiteral("0.5"));
        Clique(Enfant<QCheckBox>(w, "CBabs"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
        // The curve never traced: its dialog again, then a message and nothing made.
        QuandModal([](QWidget* w2) { Clique(Enfant<QPushButton>(w2, "ButOK")); });
    });
    un.action(QStringLiteral("GenererChronik"))->trigger();
    ASSERT_EQ(un.Dessin().Nombre(), 4);
    EXPECT_EQ(inter.messages.size(), 2) << inter.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(inter.messages.last().contains(QStringLiteral("doit d'abord être tracée")));
    const auto o = std::dynamic_pointer_cast<GCC>(un.Dessin().Courbes[2]);
    const auto ab = std::dynamic_pointer_cast<GCC>(un.Dessin().Courbes[3]);
    ASSERT_TRUE(o && ab);
    EXPECT_EQ(o->Numero, n + 1);
    EXPECT_EQ(ab->Numero, n + 2);
    EXPECT_EQ(QFileInfo(o->Libelle1).fileName(), QStringLiteral("f1c%1_%2o.dta").arg(y->Numero).arg(n));
    EXPECT_EQ(QFileInfo(ab->Libelle1).fileName(), QStringLiteral("f1c%1_%2a.dta").arg(y->Numero).arg(n));
    EXPECT_EQ(LitFichierTexte(o->Libelle1).lignes, (QStringList{"0", "0.5", "1", "1.5", "2"}));
    EXPECT_EQ(LitFichierTexte(ab->Libelle1).lignes, (QStringList{"0", "0.25", "0.5", "0.75", "1"}));
    EXPECT_EQ(o->PasC, QStringLiteral("0.5"));
    EXPECT_TRUE(designation().PressePapierCourbes.empty());

    // The chronicle draws the same ordinates.
    Peint(un);
    const LecturePoints chro = LitFichierPoints(o->CheminFichier(".pts"));
    ASSERT_EQ(chro.points.size(), 5u);
    EXPECT_DOUBLE_EQ(chro.points[4].x, 2.0);
    EXPECT_DOUBLE_EQ(chro.points[4].y, 2.0);
}
