// Designation through "Sélection des courbes", the deletion of designated curves and the
// hide/show dialogs, each driven through the dialog the command opens.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/fiches.h"
#include "dialogs/pilote_saisie.h"
#include "expression/fonction.h"
#include "graph/courbes/genres.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

class DesignationTest : public FenetresNouvellesTest {};

bool Appelable(const QString& nom)
{
    return chercheFonction(majuscules(nom.toStdString())) >= 0;
}

}  // namespace

TEST_F(DesignationTest, ChoixDeDeuxFenetresRemplissentLesListesDansLOrdreDEntree)
{
    TForm1 un(1);
    auto ptrDeux = std::make_unique<TForm1>(2);
    TForm1& deux = *ptrDeux;
    un.fixeTitre(QStringLiteral("Cours"));
    auto a = AjouteCourbeY(un, QStringLiteral("x^2"));
    auto b = AjouteCourbeY(un, QStringLiteral("x/2"));
    auto r = AjouteAire(un, QStringLiteral("x^2+y^2<=1"));
    AjouteTexte(un, QStringLiteral("titre"));
    auto c = AjouteCourbeY(deux, QStringLiteral("sin(x)"));
    un.Repere().FixeFenetre(-2, 2, -1, 1);

    // Cancelled after asking for a new window: no window is made and nothing changes.
    QuandModal([](QWidget* w) {
        Enfant<QComboBox>(w, "ComboBox2")->setCurrentIndex(1);
        Clique(Enfant<QPushButton>(w, "BitBtn1"));
        Clique(Enfant<QPushButton>(w, "ButAnnul"));
    });
    EXPECT_FALSE(DesignerCourbes(un, QStringLiteral("x"), QStringLiteral("Désigner"), QStringLiteral("Y"), true, true));
    EXPECT_TRUE(nouvelles.empty());
    EXPECT_TRUE(designation().PressePapierCourbes.empty());

    QStringList disponibles, sources;
    QuandModal([&](QWidget* w) {
        auto* l1 = Enfant<QListWidget>(w, "ListBox1");
        auto* l2 = Enfant<QListWidget>(w, "ListBox2");
        auto* source = Enfant<QComboBox>(w, "ComboBox1");
        disponibles = TextesDeListe(l1);
        for (int i = 0; i < source->count(); ++i)
            sources << source->itemText(i);
        CliqueLigne(l1, 1);              // b
        CliqueLigne(l1, 1);              // each entry once
        CliqueLigne(l1, 0);              // a, then taken back by a click in the chosen list
        CliqueLigne(l2, 1);
        source->setCurrentIndex(1);      // window 2 (the last one first)
        CliqueLigne(l1, 0);              // c
        source->setCurrentIndex(0);
        CliqueLigne(l1, 2);              // the area
        Enfant<QComboBox>(w, "ComboBox2")->setCurrentIndex(1);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(DesignerCourbes(un, QStringLiteral("x"), QStringLiteral("Désigner"), QStringLiteral("Y"), true, true));
    EXPECT_EQ(disponibles.size(), 3);
    EXPECT_TRUE(disponibles[2].startsWith(QStringLiteral("1;%1\\A\\a").arg(r->Numero())));
    EXPECT_EQ(sources, (QStringList{QStringLiteral("Fenêtre courante"), QStringLiteral("#2: Fenêtre 1"),
                                    QStringLiteral("#1: Cours")}));

    const Designation& d = designation();
    EXPECT_EQ(d.ListeChoix.size(), 3);
    EXPECT_EQ(d.PressePapierCourbes, (std::vector<PtrCourbe>{b, c}));
    EXPECT_EQ(d.AiresDesignees, (std::vector<std::shared_ptr<GCAire>>{r}));
    EXPECT_EQ(d.FenetresDesignees, (QList<QPointer<TForm1>>{&un, &deux}));
    ASSERT_EQ(d.TextesDesignes.size(), 1u);
    EXPECT_EQ(d.TextesDesignes[0].fenetre, &un);
    EXPECT_TRUE(d.RegionsDesignees);
    EXPECT_EQ(d.FenetreSource, &un);
    // The new destination window, made on confirmation, has a copy of the frame.
    ASSERT_EQ(nouvelles.size(), 1u);
    EXPECT_EQ(d.FenetreDestination, nouvelles[0].get());
    double xmin, xmax, ymax, ymin;
    nouvelles[0]->Repere().GetBornes(xmin, xmax, ymax, ymin);
    EXPECT_EQ(QList<double>({xmin, xmax, ymin, ymax}), QList<double>({-2, 2, -1, 1}));
    Q_UNUSED(a);

    // Nothing of the kinds asked: the message and no dialog.
    EXPECT_FALSE(DesignerCourbes(deux, QString(), QStringLiteral("Désigner"), QStringLiteral("L"), false, false));
    EXPECT_EQ(inter.messages.value(0), QStringLiteral("Non disponible : aucune courbe ou aire tracée du bon type!"));

    // A window that closes takes its objects out of the designation.
    const std::weak_ptr<GCCourbe> fermee = c;
    c.reset();
    ptrDeux.reset();
    EXPECT_EQ(d.PressePapierCourbes, (std::vector<PtrCourbe>{b}));
    EXPECT_EQ(d.FenetresDesignees, (QList<QPointer<TForm1>>{&un}));
    EXPECT_TRUE(fermee.expired());
}

TEST_F(DesignationTest, CourbesSupprimeesQuittentLeursFenetresEtPlusRienNeLesNomme)
{
    TForm1 un(1), deux(2);
    auto a = AjouteCourbeY(un, QStringLiteral("x^2"));
    auto b = AjouteCourbeY(un, QStringLiteral("x+1"));
    deux.Dessin().AjouteCourbe(a);  // the same curve shown in window 2 too
    auto c = AjouteCourbeY(deux, QStringLiteral("cos(x)"));
    // A curve derived from a, drawn after its mother is gone.
    auto fille = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 0, 1, nouveauNumero());
    fille->NouvelIdentifiant();
    fille->FixeMere(1, a->Identifiant);
    un.Dessin().AjouteCourbe(fille);
    CourbeCourante() = a;

    const auto designe = [](QWidget* w) {
        auto* l1 = Enfant<QListWidget>(w, "ListBox1");
        EXPECT_FALSE(Enfant<QComboBox>(w, "ComboBox2")->isVisibleTo(w));
        EXPECT_EQ(Enfant<QLabel>(w, "Label1")->text(), QStringLiteral("Supprimer"));
        CliqueLigne(l1, 0);                                        // a, in window 1
        Enfant<QComboBox>(w, "ComboBox1")->setCurrentIndex(1);     // window 2
        CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), 1);         // c
        Clique(Enfant<QPushButton>(w, "ButOK"));
    };
    // "Non": nothing leaves, the designation keeps its curves.
    inter.reponses = {false};
    QuandModal(designe);
    un.action(QStringLiteral("Supprimer1"))->trigger();
    EXPECT_EQ(inter.questions.value(0), QStringLiteral("Etes-vous sûr de vouloir supprimer ce(s) tracé(s) ?"));
    EXPECT_EQ(un.Dessin().Nombre(), 3);
    EXPECT_EQ(designation().PressePapierCourbes.size(), 2u);

    inter.reponses = {true};
    QuandModal(designe);
    un.action(QStringLiteral("Supprimer1"))->trigger();
    EXPECT_EQ(un.Dessin().Courbes, (std::vector<PtrCourbe>{b, fille}));
    EXPECT_EQ(deux.Dessin().Courbes, (std::vector<PtrCourbe>{a})) << "deleted from the window of its entry only";
    EXPECT_TRUE(designation().PressePapierCourbes.empty());
    EXPECT_TRUE(CourbeCourante().expired());
    EXPECT_TRUE(Appelable(a->Nom)) << "window 2 still shows it";
    EXPECT_FALSE(Appelable(c->Nom));
    const std::weak_ptr<GCCourbe> restee = c;
    c.reset();
    EXPECT_TRUE(restee.expired()) << "nothing holds a deleted curve";
    Peint(un);
    Peint(deux);
    traiteEvenements();
}

TEST_F(DesignationTest, CacherEtMontrerAgissentAussitotEtAnnulerRendAiresEtTextes)
{
    TForm1 f(1);
    auto c = AjouteCourbeY(f, QStringLiteral("1"));
    auto autre = AjouteCourbeY(f, QStringLiteral("x"));
    auto r1 = AjouteAire(f, QStringLiteral("y<0"));
    auto r2 = AjouteAire(f, QStringLiteral("x<0"));
    GCTexte* t = AjouteTexte(f, QStringLiteral("A"));
    Peint(f);
    const QPoint p = f.Repere().MondeVersPixel(3, 1);
    ASSERT_EQ(f.Repere().ObjetSousPixel(p.x(), p.y()), c->Numero);

    // Curves: the tick hides at once, and the close box keeps it.
    bool cacheeDansLeDialogue = false;
    QuandModal([&](QWidget* w) {
        CliqueLigne(Enfant<QListWidget>(w, "CLCrb"), 0);
        cacheeDansLeDialogue = !c->Visible;
        w->close();
    });
    f.action(QStringLiteral("Cacher1"))->trigger();
    EXPECT_TRUE(cacheeDansLeDialogue);
    EXPECT_FALSE(c->Visible);
    EXPECT_TRUE(autre->Visible);
    EXPECT_TRUE(designation().PressePapierCourbes.empty());
    Peint(f);
    EXPECT_EQ(f.Repere().ObjetSousPixel(p.x(), p.y()), 0) << "a hidden curve is not offered to the mouse";

    // Areas: a tick then the close box gives the areas back; "Sélectionner Tout" then
    // "Terminer" hides them all.
    QuandModal([&](QWidget* w) {
        EXPECT_FALSE(Enfant<QComboBox>(w, "ComboBox1")->isVisible());
        CliqueLigne(Enfant<QListWidget>(w, "CLCrb"), 1);
        EXPECT_FALSE(r2->Visible());
        w->close();
    });
    f.action(QStringLiteral("CacherVoir1"))->trigger();
    EXPECT_TRUE(r1->Visible() && r2->Visible());
    QuandModal([](QWidget* w) {
        Clique(Enfant<QPushButton>(w, "SelTt"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action(QStringLiteral("CacherVoir1"))->trigger();
    EXPECT_FALSE(r1->Visible() || r2->Visible());
    EXPECT_FALSE(designation().AvecRegions);

    // Texts: listed ticked when hidden; "Désélectionner Tout" shows them.
    t->Visible = false;
    bool coche = false;
    QuandModal([&](QWidget* w) {
        coche = Enfant<QListWidget>(w, "CLCrb")->item(0)->checkState() == Qt::Checked;
        Clique(Enfant<QPushButton>(w, "EffTT"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action(QStringLiteral("CacherMontrer"))->trigger();
    EXPECT_TRUE(coche);
    EXPECT_TRUE(t->Visible);
    EXPECT_TRUE(designation().TextesDesignes.empty());

    // Nothing to list: the three messages.
    TForm1 vide(2);
    for (const char* nom : {"Cacher1", "CacherVoir1", "CacherMontrer"})
        vide.action(QString::fromLatin1(nom))->trigger();
    EXPECT_EQ(inter.messages, (QStringList{QStringLiteral("Non disponible : aucune courbe tracée dans cette fenêtre!"),
                                           QStringLiteral("Non disponible : aucune aire définie dans cette fenêtre!"),
                                           QStringLiteral("Non disponible : aucun texte défini dans cette fenêtre!")}));
}
