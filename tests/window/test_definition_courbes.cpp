// The curve definition commands: a y=f(x) curve typed in its dialog lands in the window,
// is traced and saved; cancelling gives its number back; families (automatic, manual,
// systems) in their order, with their names, and within their limits.
#include <QCheckBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>

#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/pilote_saisie.h"
#include "dialogs/saisieY.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/fichiers/palette.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/repere/GCRepere.h"
#include "outils_fenetre.h"
#include "window/fenetre_courbes.h"
#include "graph/courbes/genres.h"

namespace {

class CibleTest : public CibleCourbes {
public:
    int numeroFenetre() const override { return 3; }
    void ajouteCourbe(std::shared_ptr<GCCourbe> c) override { courbes.push_back(std::move(c)); }
    void ajouteAire(std::shared_ptr<GCAire> a) override { aires.push_back(std::move(a)); }
    GCRepere& repere() override { return repere_; }
    void redessine() override { ++redessins; }

    std::vector<PtrCourbe> courbes;
    std::vector<std::shared_ptr<GCAire>> aires;
    int redessins = 0;
    GCRepere repere_{false, 400, 300};
};

class DefinitionCourbesTest : public FenetreTest {
protected:

    // Next dialog: the curve form; types the texts, picks the parameter mode and confirms.
    // Then, when given, the next dialog (a parameter grid) gets the second action.
    template <class Suite>
    void saisit(const QString& libelle1, const QString& libelle2, const char* modeParametres, Suite suite)
    {
        QuandModal([=](QWidget* w) {
            QuandModal(suite, w);
            Tape(Enfant<QLineEdit>(w, "Edlib1"), libelle1);
            if (!libelle2.isEmpty())
                Tape(Enfant<QLineEdit>(w, "Edlib2"), libelle2);
            Clique(Enfant<QRadioButton>(w, modeParametres));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }
    void saisit(const QString& libelle1, const QString& libelle2 = QString())
    {
        QuandModal([=](QWidget* w) {
            Tape(Enfant<QLineEdit>(w, "Edlib1"), libelle1);
            if (!libelle2.isEmpty())
                Tape(Enfant<QLineEdit>(w, "Edlib2"), libelle2);
            Clique(Enfant<QRadioButton>(w, "RBaucun"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }

    // The automatic grid: rows (parameter, initial, increment, maximum), then confirm.
    static auto grilleAuto(std::vector<std::array<QString, 4>> lignes)
    {
        return [lignes](QWidget* g) {
            auto* grille = Enfant<QTableWidget>(g, "StringGrid1");
            for (const auto& l : lignes) {
                const int i = l[0].toInt();
                grille->item(i, 0)->setText(l[1]);
                grille->item(i, 1)->setText(l[2]);
                grille->item(i, 2)->setText(l[3]);
            }
            Clique(Enfant<QPushButton>(g, "ButOK"));
        };
    }

    DialoguesDuProgramme dialoguesProgramme_;
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

TEST_F(DefinitionCourbesTest, UneCourbeYTapeeEstDansLaFenetreTraceeEtSauvee)
{
    TForm1 f(1);
    f.resize(400, 400);
    const int compteur = etatGraphe().CompteurCourbes;
    // A new curve proposes the automatic parameters: the grid confirmed as it is makes one.
    saisit(QStringLiteral("x^2"), QString(), "RBparauto", grilleAuto({}));
    EXPECT_EQ(DefinitCourbe(f, QLatin1Char('Y')), 1);
    ASSERT_EQ(f.Dessin().Nombre(), 1);
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur + 1);
    const PtrCourbe c = f.Dessin().Courbes[0];
    EXPECT_EQ(c->TypeCourbe, QLatin1Char('Y'));
    EXPECT_EQ(c->Libelle1, QStringLiteral("x^2"));
    EXPECT_EQ(c->NumeroFenetre, 1);

    // The window's paint traces it: 81 points from -5 to 5 by 0.125.
    f.show();
    QApplication::processEvents();
    f.PaintBox()->repaint();
    EXPECT_EQ(QFileInfo(c->NomFichier()).size(), 81 * 28);

    QStringList lignes;
    f.Dessin().Sauve(lignes);
    EXPECT_TRUE(lignes.join('\n').contains(QStringLiteral("x^2"))) << lignes.join('\n').toStdString();
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
}

TEST_F(DefinitionCourbesTest, LeMenuCourbesDefinirOuvreLeDialogueDuGenre)
{
    TForm1 f(1);
    saisit(QStringLiteral("sin(x)"));
    f.action(QStringLiteral("YCartsienneeny1"))->trigger();
    ASSERT_EQ(f.Dessin().Nombre(), 1);
    EXPECT_EQ(f.Dessin().Courbes[0]->TypeCourbe, QLatin1Char('Y'));
    EXPECT_EQ(f.Dessin().Courbes[0]->Libelle1, QStringLiteral("sin(x)"));
    saisit(QStringLiteral("cos(t)"), QStringLiteral("sin(t)"));
    f.action(QStringLiteral("TFormeparamtrique1"))->trigger();
    ASSERT_EQ(f.Dessin().Nombre(), 2);
    EXPECT_EQ(f.Dessin().Courbes[1]->TypeCourbe, QLatin1Char('T'));
}

TEST_F(DefinitionCourbesTest, CourbesImplicitesDroitesEtConiquesDuMenu)
{
    TForm1 f(1);
    f.resize(500, 400);
    f.show();
    QApplication::processEvents();
    auto definit = [&](const char* item, const std::vector<std::pair<const char*, QString>>& champs) {
        QuandModal([=](QWidget* w) {
            for (const auto& [nom, texte] : champs)
                Tape(Enfant<QLineEdit>(w, nom), texte);
            Clique(Enfant<QRadioButton>(w, "RBaucun"));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f.action(QString::fromLatin1(item))->trigger();
    };
    definit("Autres1", {{"EdLib1", QStringLiteral("x*y-1")}});
    definit("DroiteAxByC01", {{"EdCoefA", QStringLiteral("2")}, {"EdCoefC", QStringLiteral("4")}});
    definit("Coniques1", {{"EdCoefA", QStringLiteral("1")}, {"EdCoefC", QStringLiteral("1")},
                          {"EdCoefF", QStringLiteral("-4")}});
    ASSERT_EQ(f.Dessin().Nombre(), 3);
    f.PaintBox()->repaint();
    for (const PtrCourbe& c : f.Dessin().Courbes) {
        EXPECT_EQ(c->TypeCourbe, QLatin1Char('I'));
        EXPECT_GT(QFileInfo(c->NomFichier()).size(), 10 * 28) << c->Libelle1.toStdString();
    }
    EXPECT_EQ(f.Dessin().Courbes[1]->SousType, 1);
    EXPECT_EQ(f.Dessin().Courbes[2]->SousType, 2);
    // Each curve has a name of its own: the dialog names none.
    EXPECT_NE(f.Dessin().Courbes[0]->Nom, f.Dessin().Courbes[1]->Nom);
    EXPECT_EQ(f.Dessin().Courbes[2]->Nom, QStringLiteral("fn%1").arg(f.Dessin().Courbes[2]->Numero));
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
}

TEST_F(DefinitionCourbesTest, AnnulerNeCreeRienEtRendLeNumero)
{
    TForm1 f(1);
    const int compteur = etatGraphe().CompteurCourbes;
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "ButAnnul")); });
    EXPECT_EQ(DefinitCourbe(f, QLatin1Char('Y')), 0);
    EXPECT_EQ(f.Dessin().Nombre(), 0);
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur);
    EXPECT_LT(chercheFonction(majuscules("fn" + std::to_string(compteur))), 0);

    // Nor a cancelled sequence.
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "BitBtn1")); });
    EXPECT_EQ(DefinitCourbe(f, QLatin1Char('N'), 1), 0);
    EXPECT_EQ(f.Dessin().Nombre(), 0);
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur);

    // Nor a cancelled Julia set, and the window's background mode and cursor are left as
    // they were.
    inter.messages.clear();
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "BitBtn1")); });
    EXPECT_EQ(DefinitCourbe(f, QLatin1Char('N'), 5), 0);
    EXPECT_EQ(f.ModeFond(), 0);
    EXPECT_EQ(f.Aires().Nombre(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(inter.messages.isEmpty());
}

TEST_F(DefinitionCourbesTest, UnEnsembleDeJuliaDuMenuEstPeintSousLesCourbes)
{
    QTemporaryDir dossier;
    etatGraphe().DossierProgramme = dossier.path();
    ASSERT_TRUE(InstallePaletteParDefaut());
    TForm1 f(1);
    f.show();
    QuandModal([](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "edLib1"), QStringLiteral("x^2-y^2-0.8"));
        Tape(Enfant<QLineEdit>(w, "edLib2"), QStringLiteral("2*x*y+0.156"));
        Tape(Enfant<QLineEdit>(w, "edSeuil"), QStringLiteral("4"));
        Clique(Enfant<QPushButton>(w, "BitBtn2"));
    });
    f.action(QStringLiteral("Julia1"))->trigger();
    ASSERT_EQ(f.Aires().Nombre(), 1);
    EXPECT_EQ(f.Aires().Aires[0]->Genre(), QLatin1Char('J'));
    EXPECT_EQ(f.ModeFond(), 2);
    f.PaintBox()->repaint();
    // The window's area layer shows every pixel of the set in its palette colour.
    const QImage& set = f.Aires().Aires[0]->Bitmap();
    const QImage& couche = f.CoucheFond();
    ASSERT_FALSE(set.isNull());
    int peints = 0, differents = 0;
    for (int y = 0; y < std::min(set.height(), couche.height()); ++y)
        for (int x = 0; x < std::min(set.width(), couche.width()); ++x)
            if (qAlpha(set.pixel(x, y))) {
                ++peints;
                differents += (set.pixel(x, y) | 0xFF000000u) != (couche.pixel(x, y) | 0xFF000000u);
            }
    EXPECT_GT(peints, 100000);
    EXPECT_EQ(differents, 0);
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
}

TEST_F(DefinitionCourbesTest, FamilleAutomatiqueDansLOrdreEtAppelable)
{
    CibleTest cible;
    // a from 0 to 2 by 1, b from 1 to 2 by 1, the others increment 0 (c stays at 7).
    saisit(QStringLiteral("a*x+b"), QString(), "RBparauto",
           grilleAuto({{"0", "0", "1", "2"}, {"1", "1", "1", "2"}, {"2", "7", "0", "9"}}));
    EXPECT_EQ(DefinitCourbeFonction(cible, QLatin1Char('Y')), 6);
    ASSERT_EQ(cible.courbes.size(), 6u);
    const double attendus[6][2] = {{0, 1}, {0, 2}, {1, 1}, {1, 2}, {2, 1}, {2, 2}};
    const QString nom = cible.courbes[0]->Nom;
    for (int k = 0; k < 6; ++k) {
        const auto& c = cible.courbes[std::size_t(k)];
        EXPECT_DOUBLE_EQ(EvalueTexte(c->Parametre(0).toStdString()), attendus[k][0]) << k;
        EXPECT_DOUBLE_EQ(EvalueTexte(c->Parametre(1).toStdString()), attendus[k][1]) << k;
        EXPECT_EQ(c->Parametre(2), QStringLiteral("7"));
        EXPECT_EQ(c->Libelle1, QStringLiteral("a*x+b"));
        EXPECT_EQ(c->NumeroFenetre, 3);
        const QString attendu = k == 0 ? nom : nom + QStringLiteral("_%1").arg(k);
        EXPECT_EQ(c->Nom, attendu);
        // Each copy is callable under its own name (as it will be once saved and read back).
        const int slot = chercheFonction(majuscules(attendu.toStdString()));
        ASSERT_GE(slot, 0) << attendu.toStdString();
        EXPECT_EQ(contexteCalcul().fonctionsNommees[std::size_t(slot)].arbre,
                  &static_cast<GCY*>(c.get())->Expression1);
    }
    EXPECT_EQ(cible.redessins, 1);
    // So a new curve may not take the name of a copy.
    EXPECT_EQ(RefusNomCourbe(nom + QStringLiteral("_1")),
              QStringLiteral("Il y a déjà une courbe appelée ") + nom + QStringLiteral("_1"));
}

TEST_F(DefinitionCourbesTest, FamilleManuelleLimiteeEtNomsLibres)
{
    // A curve "g_1" already exists: the copies of "g" skip that name.
    auto autre = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
    ASSERT_TRUE(autre->FixeLibelles(QStringLiteral("1"), QString()));
    autre->Nom = QStringLiteral("g_1");
    autre->MemoriseLibelle();

    CibleTest cible;
    QuandModal([](QWidget* w) {
        QuandModal(
            [](QWidget* g) {
                auto* nombre = Enfant<QSpinBox>(g, "EdNbcrb");
                nombre->setValue(3);
                auto* grille = Enfant<QTableWidget>(g, "StringGrid1");
                for (int c = 0; c < 3; ++c)
                    grille->item(0, c)->setText(QStringLiteral("%1/2").arg(c + 1));
                Clique(Enfant<QPushButton>(g, "ButOK"));
            },
            w);
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("a*x"));
        Tape(Enfant<QLineEdit>(w, "EdNomCrb"), QStringLiteral("g"));
        Clique(Enfant<QRadioButton>(w, "RBparmanu"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    EXPECT_EQ(DefinitCourbeFonction(cible, QLatin1Char('Y')), 3);
    ASSERT_EQ(cible.courbes.size(), 3u);
    EXPECT_EQ(cible.courbes[0]->Nom, QStringLiteral("g"));
    EXPECT_EQ(cible.courbes[1]->Nom, QStringLiteral("g_2"));
    EXPECT_EQ(cible.courbes[2]->Nom, QStringLiteral("g_3"));
    EXPECT_EQ(cible.courbes[2]->Parametre(0), QStringLiteral("3/2"));
    EXPECT_EQ(cible.courbes[1]->Parametre(1), QStringLiteral("0"));

    // The manual table has 20 rows: 25 curves asked make 20.
    CibleTest cible2;
    QuandModal([](QWidget* w) {
        QuandModal(
            [](QWidget* g) {
                auto* nombre = Enfant<QSpinBox>(g, "EdNbcrb");
                nombre->selectAll();
                QTest::keyClicks(nombre, QStringLiteral("25"));
                Clique(Enfant<QPushButton>(g, "ButOK"));
            },
            w);
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("a*x"));
        Clique(Enfant<QRadioButton>(w, "RBparmanu"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    EXPECT_EQ(DefinitCourbeFonction(cible2, QLatin1Char('X')), NbCourbesManuelles);
    EXPECT_EQ(cible2.courbes.size(), std::size_t(NbCourbesManuelles));
}

TEST_F(DefinitionCourbesTest, FamillesDemesureesRefuseesSansPlantage)
{
    EtatSaisie& e = etatSaisie();
    // 65535 and 65536 steps: a 32-bit count would wrap and then divide by zero.
    e.ValeurInitialeParametre = {};
    e.IncrementAutoParametre = {0.0001, 0.0001};
    e.MaximumAutoParametre = {6.5535, 6.5536};
    const PasFamille pas = PasAutomatiques();
    EXPECT_EQ(pas[0], 65535);
    EXPECT_EQ(pas[1], 65536);
    EXPECT_EQ(NombreFamille(pas), std::int64_t(65536) * 65537);
    EXPECT_FALSE(AccepteFamille(NombreFamille(pas)));
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].contains(QStringLiteral("c'est trop")));

    // An increment of 1e-300 gives a step count that is not a number of curves.
    e.IncrementAutoParametre = {1e-300};
    e.MaximumAutoParametre = {1};
    EXPECT_FALSE(AccepteFamille(NombreFamille(PasAutomatiques())));
    // Negative step counts (maximum on the wrong side) count as one value.
    e.IncrementAutoParametre = {1};
    e.MaximumAutoParametre = {-3};
    EXPECT_EQ(NombreFamille(PasAutomatiques()), 1);

    // Between the threshold and the maximum, the user is asked; systems count 33 each.
    inter.reponses = {false, true};
    EXPECT_FALSE(AccepteFamille(2000));
    EXPECT_TRUE(AccepteFamille(100, 33));
    EXPECT_EQ(inter.questions.size(), 2);
    EXPECT_TRUE(inter.questions[1].contains(QStringLiteral("3300")));
    EXPECT_TRUE(AccepteFamille(30, 33));
    EXPECT_EQ(inter.questions.size(), 2);

    // Through the commands: the first curve stays, no copy is made.
    CibleTest cible;
    inter.messages.clear();
    saisit(QStringLiteral("a*x+b"), QString(), "RBparauto",
           grilleAuto({{"0", "0", "0.0001", "6.5535"}, {"1", "0", "0.0001", "6.5536"}}));
    EXPECT_EQ(DefinitCourbeFonction(cible, QLatin1Char('Y')), 1);
    EXPECT_EQ(cible.courbes.size(), 1u);
    EXPECT_EQ(inter.messages.size(), 1);
}

TEST_F(DefinitionCourbesTest, SystemeTrenteTroisTrajectoires)
{
    CibleTest cible;
    double xmin, xmax, ymin, ymax;
    cible.repere().GetBornes(xmin, xmax, ymax, ymin);
    // Without a family, every trajectory takes the initial values of the parameter grid.
    etatSaisie().ValeurInitialeParametre[0] = 3;
    saisit(QStringLiteral("a*y"), QStringLiteral("-x"));
    EXPECT_EQ(DefinitSysteme(cible), 33);
    ASSERT_EQ(cible.courbes.size(), 33u);
    auto depart = [&](int k, double& xo, double& yo) {
        auto* rs = static_cast<GCRS*>(cible.courbes[std::size_t(k)].get());
        EXPECT_EQ(rs->Libelle2, QStringLiteral("-x"));
        xo = EvalueTexte(rs->TexteBorne1.toStdString());
        yo = EvalueTexte(rs->TexteBorne2.toStdString());
    };
    const double tol = 1e-4 * (xmax - xmin);
    double xo, yo;
    depart(0, xo, yo);  // i = 1, j = -1
    EXPECT_NEAR(xo, xmin + (xmax - xmin) / 11, tol);
    EXPECT_NEAR(yo, ymin + (ymax - ymin) / 11, tol);
    depart(1, xo, yo);  // j = 0: the middle
    EXPECT_NEAR(xo, (xmin + xmax) / 2, tol);
    depart(2, xo, yo);  // j = 1
    EXPECT_NEAR(xo, xmax - (xmax - xmin) / 11, tol);
    depart(32, xo, yo);  // i = 11
    EXPECT_NEAR(yo, ymax, tol);
    for (const PtrCourbe& c : cible.courbes)
        EXPECT_EQ(c->Parametre(0), QStringLiteral("3"));
    // A trajectory is drawn from its initial point.
    QImage image(420, 320, QImage::Format_RGB32);
    QPainter peintre(&image);
    cible.courbes[32]->Trace(peintre, cible.repere());
    const LecturePoints l = LitFichierPoints(cible.courbes[32]->FichierPoints);
    ASSERT_GT(l.points.size(), 1u);
    EXPECT_DOUBLE_EQ(l.points[0].x, xo);
    EXPECT_DOUBLE_EQ(l.points[0].y, yo);
    // Every trajectory has its own number.
    EXPECT_NE(cible.courbes[0]->Numero, cible.courbes[32]->Numero);
}

}  // namespace
