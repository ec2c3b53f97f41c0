// The graph window with curves: a curve is traced again at every paint and found in the
// rendering, the curve pop-up commands (duplicate, duplicate reversed, information, new
// name), the clones by kind letter, and what closing a window does to the names of its
// curves.
#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QTest>
#include <cmath>

#include "graph/aires/GCAire.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/GCDG.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "outils_fenetre.h"
#include "graph/courbes/genres.h"

namespace {

class DialoguesCourbes : public Dialogues {
public:
    bool modifieCourbe(GCCourbe& courbe, bool nouvelle) override
    {
        modifiees.append(&courbe);
        nouvelles.append(nouvelle);
        if (!nomDonne.isEmpty())
            courbe.Nom = nomDonne;
        return accepte;
    }
    bool modifieAire(GCAire&, bool) override { return false; }
    bool modifieTexte(GCTexte&, bool) override { return false; }
    bool dialogueParametres(std::array<QString, 10>&) override { return false; }
    bool accepte = true;
    QString nomDonne;
    QList<GCCourbe*> modifiees;
    QList<bool> nouvelles;
};

class FenetreCourbesTest : public FenetreTest {
protected:
    // A y=f(x) curve of this window, callable by its name.
    std::shared_ptr<GCY> CourbeY(TForm1& f, const QString& formule, TCouleur couleur = 0x0000FF)
    {
        auto c = std::make_shared<GCY>(QLatin1Char('Y'), f.numero(), nouveauNumero());
        EXPECT_TRUE(c->FixeLibelles(formule, QString()));
        c->NouvelIdentifiant();
        c->Couleur = couleur;
        c->MemoriseLibelle();
        f.Dessin().AjouteCourbe(c);
        return c;
    }

    DialoguesCourbes dialoguesCourbes;
    GardeValeur<Dialogues*> gardeDialogues_{etatGraphe().dialogues, &dialoguesCourbes};
    ChoixPremier choix;
    GardeValeur<ChoixTrace*> gardeChoix_{etatGraphe().choixTrace, &choix};
};

bool Appelable(const QString& nom)
{
    return chercheFonction(majuscules(nom.toStdString())) >= 0;
}

// A pixel of that colour within one pixel of (px, py).
bool CouleurAutour(const QImage& image, int px, int py, QColor couleur)
{
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const int x = px + dx, y = py + dy;
            if (image.rect().contains(x, y) && QColor(image.pixel(x, y)) == couleur)
                return true;
        }
    return false;
}

}  // namespace

TEST_F(FenetreCourbesTest, CourbeSinusDansLaPeinture)
{
    reglagesFenetres().LargeurFenetre = 500;
    reglagesFenetres().HauteurFenetre = 400;
    TForm1 f(1);
    CourbeY(f, QStringLiteral("sin(x)"));
    Peint(f);
    const QImage& image = f.Affichage();
    if (qEnvironmentVariableIsSet("VIRK_IMAGES_TESTS"))
        image.save(qEnvironmentVariable("VIRK_IMAGES_TESTS") + QStringLiteral("/sinus.png"));
    int trouves = 0;
    for (double x = -4.5; x <= 4.5; x += 0.25) {
        const QPoint p = f.Repere().MondeVersPixel(x, std::sin(x));
        if (CouleurAutour(image, p.x(), p.y(), Qt::red))
            ++trouves;
    }
    EXPECT_GE(trouves, 35) << "points of y=sin(x) found in the rendering";
    // Nothing red far from the curve: at (x, sin(x) + 2).
    int loin = 0;
    for (double x = -4.5; x <= 4.5; x += 0.25) {
        const QPoint p = f.Repere().MondeVersPixel(x, std::sin(x) + 2);
        if (CouleurAutour(image, p.x(), p.y(), Qt::red))
            ++loin;
    }
    EXPECT_EQ(loin, 0);
    // Every paint traces it again: its parameter a moves the drawing.
    auto c = std::dynamic_pointer_cast<GCY>(f.Dessin().Courbes[0]);
    ASSERT_TRUE(c->FixeLibelles(QStringLiteral("sin(x)+a"), QString()));
    c->FixeParametre(0, QStringLiteral("2"));
    Peint(f);
    const QPoint p = f.Repere().MondeVersPixel(0.5, std::sin(0.5) + 2);
    EXPECT_TRUE(CouleurAutour(f.Affichage(), p.x(), p.y(), Qt::red));
}

TEST_F(FenetreCourbesTest, RefusDUneCourbeSignaleUneFoisApresLaPeinture)
{
    TForm1 f(1);
    auto c = CourbeY(f, QStringLiteral("x"));
    c->FixeBornes(QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("1/0"));
    Peint(f);
    EXPECT_TRUE(inter.messages.isEmpty()) << "nothing shown inside the paint";
    for (int i = 0; i < 20; ++i) {
        f.PaintBox()->repaint();
        traiteEvenements();
    }
    EXPECT_EQ(inter.messages.size(), 1) << inter.messages.join(" | ").toStdString();
    EXPECT_EQ(etatGraphe().interlocuteur, &inter);
}

// A derived curve whose mother was deleted says so in a box once, then only in the warnings
// panel: at later paints, after the parameter keys changed its parameters, after a redraw
// that forgets the window's messages. Each kind of derived curve, and each copy, once.
TEST_F(FenetreCourbesTest, MereSupprimeeDiteUneFoisParCourbePuisDansLesAvertissements)
{
    TForm1 f(1);
    f.show();
    auto mere = CourbeY(f, QStringLiteral("x^2"));
    std::vector<PtrCourbe> derivees;
    const auto ajoute = [&](PtrCourbe c) {
        c->NouvelIdentifiant();
        f.Dessin().AjouteCourbe(c);
        derivees.push_back(c);
    };
    auto unaire = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 0, f.numero(), nouveauNumero());
    unaire->CopieMere(*mere);
    ajoute(unaire);
    auto binaire = std::make_shared<GCOperBinaire>(0, f.numero(), nouveauNumero());
    binaire->Libelle(*mere, *mere);
    binaire->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.1"));
    ajoute(binaire);
    for (QChar genre : {QLatin1Char('D'), QLatin1Char('G')}) {
        auto derivee = std::make_shared<GCDG>(genre, 1, f.numero(), nouveauNumero());
        derivee->FixeMere(1, mere->Identifiant);
        ajoute(derivee);
    }
    auto plaque = std::make_shared<GCA>(QLatin1Char('A'), f.numero(), nouveauNumero());
    plaque->FixeMere(*mere);
    ajoute(plaque);
    Peint(f);
    traiteEvenements();
    ASSERT_TRUE(inter.messages.isEmpty()) << inter.messages.join(" | ").toStdString();

    f.Dessin().RetireCourbe(mere->Numero);
    const auto touche = [&](const QString& lettre) {
        QKeyEvent e(QEvent::KeyPress, Qt::Key_A, lettre == "A" ? Qt::ShiftModifier : Qt::NoModifier, lettre);
        QApplication::sendEvent(&f, &e);
        traiteEvenements();
    };
    for (int k = 0; k < 3; ++k) {
        f.PaintBox()->repaint();
        traiteEvenements();
        touche(QStringLiteral("a"));
        touche(QStringLiteral("A"));
        f.oublieMessages();
        f.DessineTampon();
        traiteEvenements();
    }
    // The curves refused together in one paint: one box.
    EXPECT_EQ(inter.messages, QStringList{MereIntrouvable()});
    // The panel says it at each trace, for each curve.
    inter.avertissements.clear();
    f.PaintBox()->repaint();
    traiteEvenements();
    for (const PtrCourbe& c : derivees)
        EXPECT_TRUE(inter.avertissements.contains(QStringLiteral("-> Courbe ") + c->Nom + QStringLiteral(" : ") + MereIntrouvable()))
            << c->TypeCourbe.toLatin1();
    // A copy is a curve of its own: its box once.
    auto copie = CloneCourbe(*unaire, nouveauNumero(), f.numero());
    ASSERT_TRUE(copie);
    f.Dessin().AjouteCourbe(copie);
    for (int k = 0; k < 2; ++k) {
        f.oublieMessages();
        touche(QStringLiteral("a"));
        f.PaintBox()->repaint();
        traiteEvenements();
    }
    EXPECT_EQ(inter.messages, QStringList(2, MereIntrouvable()));
}

TEST_F(FenetreCourbesTest, DupliquerDepuisLeMenuContextuel)
{
    TForm1 f(1);
    auto source = CourbeY(f, QStringLiteral("x^2"), 0xFF0000);
    source->FixeBornes(QStringLiteral("-2"), QStringLiteral("2"), QStringLiteral("0.5"));
    CodeObjetSouris() = source->Numero;
    const int prochain = etatGraphe().CompteurCourbes;
    f.OptionTrace()->findChild<QAction*>(QStringLiteral("MenuItem5"))->trigger();
    ASSERT_EQ(f.Dessin().Nombre(), 2);
    auto clone = std::dynamic_pointer_cast<GCY>(f.Dessin().Courbes[1]);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->Numero, prochain);
    EXPECT_EQ(clone->NumeroFenetre, 1);
    EXPECT_EQ(clone->Libelle1, QStringLiteral("x^2"));
    EXPECT_EQ(clone->Xinf, QStringLiteral("-2"));
    EXPECT_EQ(clone->Couleur, TCouleur(0xFF0000));
    EXPECT_NE(clone->Identifiant, source->Identifiant);
    EXPECT_NE(clone->Nom, source->Nom);
    ASSERT_EQ(dialoguesCourbes.modifiees.size(), 1);
    EXPECT_EQ(dialoguesCourbes.modifiees[0], clone.get());
    EXPECT_EQ(CourbeCourante().lock(), source);
    EXPECT_TRUE(choix.offertes.isEmpty()) << "the pop-up takes the curve under the mouse";
}

TEST_F(FenetreCourbesTest, DupliquerDuMenuPrincipalChoisitEtAnnulerNeLaissePasDeNom)
{
    TForm1 f(1);
    auto source = CourbeY(f, QStringLiteral("x+1"));
    ASSERT_TRUE(Appelable(source->Nom));
    dialoguesCourbes.accepte = false;
    f.action(QStringLiteral("Dupliquer"))->trigger();
    ASSERT_EQ(choix.offertes.size(), 1);
    ASSERT_EQ(dialoguesCourbes.modifiees.size(), 1);
    const QString nomClone = QStringLiteral("fn%1").arg(source->Numero + 1);
    EXPECT_EQ(f.Dessin().Nombre(), 1);
    EXPECT_FALSE(Appelable(nomClone)) << "a cancelled copy leaves no name";
    EXPECT_TRUE(Appelable(source->Nom));
    // Accepted: the copy is added and callable.
    dialoguesCourbes.accepte = true;
    f.action(QStringLiteral("Dupliquer"))->trigger();
    ASSERT_EQ(f.Dessin().Nombre(), 2);
    EXPECT_TRUE(Appelable(f.Dessin().Courbes[1]->Nom));
    // No curve of the required kinds: the chooser's message, nothing else.
    TForm1 g(2);
    inter.messages.clear();
    g.action(QStringLiteral("Dupliquer"))->trigger();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Non disponible : aucune courbe (des types requis) tracée!")});
    EXPECT_EQ(g.Dessin().Nombre(), 0);
}

TEST_F(FenetreCourbesTest, DupliquerEnInversantLeSens)
{
    TForm1 f(1);
    auto source = CourbeY(f, QStringLiteral("x"), 0x00FF00);
    source->FixeBornes(QStringLiteral("-3"), QStringLiteral("4"), QStringLiteral("0.25"));
    source->Epaisseur = 3;
    CodeObjetSouris() = source->Numero;
    QAction* inverser = f.OptionTrace()->findChild<QAction*>(QStringLiteral("MenuItem6"));
    inverser->trigger();
    inverser->trigger();
    ASSERT_EQ(f.Dessin().Nombre(), 3);
    auto a = std::dynamic_pointer_cast<GCOperUnaire>(f.Dessin().Courbes[1]);
    auto b = std::dynamic_pointer_cast<GCOperUnaire>(f.Dessin().Courbes[2]);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->TypeCourbe, QLatin1Char('Q'));
    EXPECT_EQ(a->Operation, 18);
    EXPECT_EQ(a->Mere1, source->Identifiant);
    EXPECT_EQ(a->Libelle1, QStringLiteral("Inv. sens de ") + source->Nom);
    EXPECT_TRUE(a->Libelle2.isEmpty());
    EXPECT_EQ(a->Xinf, QStringLiteral("-3"));
    EXPECT_EQ(a->Xsup, QStringLiteral("4"));
    EXPECT_EQ(a->Pas, QStringLiteral("0.25"));
    EXPECT_EQ(a->Couleur, TCouleur(0x00FF00));
    EXPECT_EQ(a->Epaisseur, 3);
    // The identifier holds the number: two reversals made within one second differ.
    EXPECT_TRUE(a->Identifiant.startsWith(QString::number(a->Numero)));
    EXPECT_TRUE(a->Identifiant.contains(QLatin1Char('/')));
    EXPECT_NE(a->Identifiant, b->Identifiant);
}

TEST_F(FenetreCourbesTest, InformationsEtNouveauNom)
{
    TForm1 f(1);
    auto c = CourbeY(f, QStringLiteral("2*x"));
    const QString ancien = c->Nom;
    CodeObjetSouris() = c->Numero;
    f.OptionTrace()->findChild<QAction*>(QStringLiteral("MenuItem7"))->trigger();
    EXPECT_TRUE(dialogues.montre.join('\n').contains(QStringLiteral("2*x")));

    // A ";" cannot stand in a document field: refused, the name kept.
    dialogues.texte = QStringLiteral("g;h");
    f.OptionTrace()->findChild<QAction*>(QStringLiteral("chgnom"))->trigger();
    EXPECT_EQ(dialogues.titres.last(), QStringLiteral("Changer le nom de la courbe"));
    EXPECT_EQ(dialogues.invites.last(), QStringLiteral("Remplacer le nom de la courbe par :"));
    EXPECT_EQ(dialogues.textesProposes.last(), ancien);
    EXPECT_EQ(c->Nom, ancien);
    EXPECT_EQ(inter.messages.last(), QStringLiteral("Le nom d'une courbe ne peut contenir ni « ; » ni retour à la ligne."));
    dialogues.texte = QStringLiteral("g,h");
    f.OptionTrace()->findChild<QAction*>(QStringLiteral("chgnom"))->trigger();
    EXPECT_EQ(c->Nom, QStringLiteral("g,h"));
    EXPECT_TRUE(Appelable(QStringLiteral("g,h")));
    EXPECT_FALSE(Appelable(ancien));
    // A name another curve has (in any case) is refused.
    auto autre = CourbeY(f, QStringLiteral("x"));
    autre->Nom = QStringLiteral("Autre");
    autre->MemoriseLibelle();
    dialogues.texte = QStringLiteral("AUTRE");
    f.OptionTrace()->findChild<QAction*>(QStringLiteral("chgnom"))->trigger();
    EXPECT_EQ(c->Nom, QStringLiteral("g,h"));
    EXPECT_EQ(inter.messages.last(), QStringLiteral("Il existe déjà une courbe appelée :AUTRE"));
}

TEST_F(FenetreCourbesTest, CloneCourbeParLettre)
{
    GCY y(QLatin1Char('T'), 1, 4);
    ASSERT_TRUE(y.FixeLibelles(QStringLiteral("cos(t)"), QStringLiteral("sin(t)")));
    y.FixeBornes(QStringLiteral("0"), QStringLiteral("2*pi"), QStringLiteral("0.1"));
    y.FixeParametre(2, QStringLiteral("7"));
    auto c = CloneCourbe(y, 12, 3);
    ASSERT_NE(c, nullptr);
    auto t = std::dynamic_pointer_cast<GCY>(c);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->TypeCourbe, QLatin1Char('T'));
    EXPECT_EQ(t->Numero, 12);
    EXPECT_EQ(t->NumeroFenetre, 3);
    EXPECT_EQ(t->Libelle2, QStringLiteral("sin(t)"));
    EXPECT_EQ(t->Xsup, QStringLiteral("2*pi"));
    EXPECT_EQ(t->Parametre(2), QStringLiteral("7"));

    GCOperUnaire q(QLatin1Char('Q'), 27, 1, 5);
    auto cq = std::dynamic_pointer_cast<GCOperUnaire>(CloneCourbe(q, 13, 1));
    ASSERT_NE(cq, nullptr);
    EXPECT_EQ(cq->Operation, 27);

    GCCourbe l(QLatin1Char('L'), 1, 6);
    auto cl = CloneCourbe(l, 14, 1);
    ASSERT_NE(cl, nullptr);
    EXPECT_EQ(cl->TypeCourbe, QLatin1Char('L'));

    // Letters that name no kind give no clone.
    GCCourbe k(QLatin1Char('K'), 1, 7);
    EXPECT_EQ(CloneCourbe(k, 15, 1), nullptr);
}

TEST_F(FenetreCourbesTest, FermerGardeLesNomsDesCourbesListeesAilleurs)
{
    auto f1 = std::make_unique<TForm1>(1);
    auto f2 = std::make_unique<TForm1>(2);
    auto c = CourbeY(*f1, QStringLiteral("x^3"));
    auto seule = CourbeY(*f1, QStringLiteral("x/2"));
    f2->Dessin().AjouteCourbe(c);  // pasted: the same curve in both windows
    inter.reponses = {false};
    EXPECT_FALSE(f1->confirmeFermeture());
    EXPECT_TRUE(Appelable(seule->Nom));
    inter.reponses = {true};
    EXPECT_TRUE(f1->confirmeFermeture());
    f1.reset();
    EXPECT_TRUE(Appelable(c->Nom)) << "window 2 still shows it";
    EXPECT_FALSE(Appelable(seule->Nom));
    // Window 2 still draws it after window 1 is gone.
    Peint(*f2);
    Arbre a;
    ASSERT_TRUE(CompileExpr((c->Nom + QStringLiteral("(2)")).toStdString(), a));
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 0), 8);
    inter.reponses = {true};
    EXPECT_TRUE(f2->confirmeFermeture());
    EXPECT_FALSE(Appelable(c->Nom));
}

TEST_F(FenetreCourbesTest, VariationDesParametresGardeUneCopieParPas)
{
    auto f1 = std::make_unique<TForm1>(1);
    auto f2 = std::make_unique<TForm1>(2);
    auto mere = CourbeY(*f1, QStringLiteral("x+a"));
    auto fille = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 0, 1, nouveauNumero());
    fille->NouvelIdentifiant();
    fille->FixeMere(1, mere->Identifiant);
    f1->Dessin().AjouteCourbe(fille);
    auto aire = std::make_shared<GCAire>(nouveauNumero(), 2);
    SaisieAire saisie;
    saisie.contraintes = QStringList{QStringLiteral("y<x+a")};
    ASSERT_TRUE(aire->ConfirmeSaisie(saisie, true));
    f2->Aires().Ajoute(aire);
    const QList<QPointer<TForm1>> fenetres{f1.get(), f2.get()};

    // The derived curve is designated before its mother: its copy still follows the copy
    // of its mother.
    const int peintures = f1->nombrePeintures();
    TForm1::RedessineApresParametre(0, QStringLiteral("3"), 2, {fille, mere}, {aire}, fenetres);
    ASSERT_EQ(f1->Dessin().Nombre(), 4);
    const PtrCourbe copieFille = f1->Dessin().Courbes[2];
    const PtrCourbe copieMere = f1->Dessin().Courbes[3];
    EXPECT_EQ(copieFille->TypeCourbe, QLatin1Char('U'));
    EXPECT_EQ(copieFille->Mere(1), copieMere->Identifiant);
    EXPECT_EQ(copieMere->Parametre(0), QStringLiteral("0")) << "the copy keeps the previous step";
    EXPECT_EQ(mere->Parametre(0), QStringLiteral("3"));
    EXPECT_EQ(fille->Mere(1), mere->Identifiant);
    EXPECT_EQ(f2->Aires().Nombre(), 2);
    EXPECT_EQ(aire->Parametre(0), QStringLiteral("3"));
    EXPECT_EQ(f2->Aires().Aires[1]->Parametre(0), QStringLiteral("0"));
    EXPECT_EQ(f1->nombrePeintures(), peintures + 1);
    EXPECT_TRUE(inter.messages.isEmpty());

    // A derived curve whose mother is not designated: "Pb de mère !", the copy keeps the
    // source's mother.
    TForm1::RedessineApresParametre(0, QStringLiteral("4"), 2, {fille}, {}, fenetres);
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Pb de mère !")});
    EXPECT_EQ(f1->Dessin().Courbes.back()->Mere(1), mere->Identifiant);

    // Window 2 closed while the variation bar still lists it and its area: it is passed
    // over, the other windows are redrawn.
    f2.reset();
    const int avant = f1->nombrePeintures();
    TForm1::RedessineApresParametre(0, QStringLiteral("5"), 0, {mere}, {aire}, fenetres);
    EXPECT_EQ(aire->Parametre(0), QStringLiteral("3"));
    EXPECT_EQ(mere->Parametre(0), QStringLiteral("5"));
    EXPECT_EQ(f1->nombrePeintures(), avant + 1);
}

TEST_F(FenetreCourbesTest, ClicDroitOuvreLeMenuDeLaCourbeOuDeLaFenetre)
{
    reglagesFenetres().LargeurFenetre = 500;
    reglagesFenetres().HauteurFenetre = 400;
    TForm1 f(1);
    auto c = CourbeY(f, QStringLiteral("sin(x)"));
    Peint(f);
    const QPoint surCourbe = f.Repere().MondeVersPixel(-2, std::sin(-2.0));
    QTest::mouseClick(f.PaintBox(), Qt::RightButton, {}, surCourbe);
    EXPECT_EQ(CodeObjetSouris(), c->Numero);
    EXPECT_TRUE(f.OptionTrace()->isVisible());
    EXPECT_FALSE(f.Optionfenetre()->isVisible());
    f.OptionTrace()->hide();
    const QPoint vide = f.Repere().MondeVersPixel(3.5, 3.5);
    QTest::mouseClick(f.PaintBox(), Qt::RightButton, {}, vide);
    EXPECT_EQ(CodeObjetSouris(), 0);
    EXPECT_TRUE(f.Optionfenetre()->isVisible());
    f.Optionfenetre()->hide();
}
