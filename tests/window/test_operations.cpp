// The operations on one curve from the Actions menu and the personal transformations,
// driven through the designation and parameter dialogs they open.
#include <QAction>
#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <cmath>
#include <functional>

#include "dialogs/dialogues.h"
#include "dialogs/pilote_saisie.h"
#include "graph/aires/GCAire.h"
#include "graph/aires/GCTrAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/courbes/pointscourbe.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

class OperationsTest : public FenetreTest {
protected:
    std::shared_ptr<GCY> courbe(TForm1& f, QChar genre, const QString& t1, const QString& t2, const QString& nom)
    {
        auto c = std::make_shared<GCY>(genre, f.numero(), nouveauNumero());
        EXPECT_TRUE(c->FixeLibelles(t1, t2));
        c->Nom = nom;
        c->Couleur = 0x0000FF;
        c->NouvelIdentifiant();
        f.Dessin().AjouteCourbe(c);
        return c;
    }
    // Designates the rows of the window's curves, then fills the parameter dialog (when
    // texts are given) and confirms it, or cancels it; ensuite: what to do with the dialog
    // that opens next.
    void designe(std::vector<int> lignes, QStringList coefs = {}, bool annule = false, QString nom = {},
                 std::function<void(QWidget*)> ensuite = {})
    {
        QuandModal([=](QWidget* w) {
            for (int l : lignes) {
                auto* liste = Enfant<QListWidget>(w, "ListBox1");
                QTest::mouseClick(liste->viewport(), Qt::LeftButton, {},
                                  liste->visualItemRect(liste->item(l)).center());
            }
            if (!coefs.isEmpty() || annule)
                QuandModal(
                    [=](QWidget* s) {
                        for (int k = 0; k < coefs.size(); ++k)
                            Tape(Enfant<QLineEdit>(s, QByteArray("Coef" + QByteArray::number(k + 1)).constData()),
                                 coefs[k]);
                        if (!nom.isEmpty()) {
                            Enfant<QCheckBox>(s, "CBsvg")->setChecked(true);
                            Tape(Enfant<QLineEdit>(s, "Edsvg"), nom);
                        }
                        if (ensuite)
                            QuandModal(ensuite, s);
                        Clique(Enfant<QPushButton>(s, annule ? "ButAnnul" : "ButOK"));
                    },
                    w);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }
};

}  // namespace

TEST_F(OperationsTest, ChaqueMereDesigneeRecoitSaCourbeDeriveeOuLaRaisonDuRefus)
{
    installeDialogues();   // a curve's own dialog is the real one
    TForm1 f(1);
    auto s = courbe(f, 'Y', "sin(x)", "", "s");
    courbe(f, 'T', "cos(t)", "sin(t)", "t");
    courbe(f, 'Y', "x^2", "", "c");
    struct Cas {
        const char* article;
        std::vector<int> lignes;
        QStringList coefs;
        bool annule;
        int code;          // of the curves made (-1: none)
        int nombre;
        const char* libelle1;
        const char* libelle2;
        const char* message;
    };
    const Cas cas[] = {
        {"Opposee", {0}, {}, false, 0, 1, "Opposée de s", "", nullptr},
        {"Ecrtage1", {0}, {"0.5", "-0.5"}, false, 6, 1, "Ecrétage de s", "Sup = 0.5|Inf = -0.5", nullptr},
        {"Multiplication", {0}, {"3"}, false, 7, 1, "3 x s", "", nullptr},
        {"Norme1", {1}, {}, false, 57, 1, "Norme de t", "", nullptr},
        {"composee", {0, 1, 2}, {"2"}, false, 39, 1, "N-ième composée de s", "N = 2",
         "Type = T: opération non définie pour ce type de courbe!"},
        {"composee", {0}, {"0"}, false, -1, 0, "", "", "n doit être un entier strictement positif !"},
        {"Puissance1", {0}, {}, true, -1, 0, "", "", "Opération annulée !"},
        // A hold without a period opens the new curve's own dialog, here cancelled.
        {"BlocageRetard1", {0}, {"0"}, false, -1, 0, "", "", "Opération annulée !"},
    };
    for (const Cas& c : cas) {
        inter.messages.clear();
        const int avant = f.Dessin().Nombre();
        const auto annuleEdition = [](QWidget* w) {
            if (auto* d = qobject_cast<QDialog*>(w))
                d->reject();
        };
        designe(c.lignes, c.coefs, c.annule, {},
                QByteArray(c.article) == "BlocageRetard1" ? annuleEdition : std::function<void(QWidget*)>());
        f.action(QString::fromLatin1(c.article))->trigger();
        traiteEvenements();
        EXPECT_EQ(inter.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList()) << c.article;
        ASSERT_EQ(f.Dessin().Nombre(), avant + c.nombre) << c.article;
        EXPECT_TRUE(designation().PressePapierCourbes.empty());
        if (!c.nombre)
            continue;
        auto d = std::dynamic_pointer_cast<GCOperUnaire>(f.Dessin().Courbes.back());
        ASSERT_TRUE(d);
        EXPECT_EQ(d->Operation, c.code);
        EXPECT_EQ(d->TypeCourbe, LettreOperation(c.code));
        EXPECT_EQ(d->Libelle1, QString::fromUtf8(c.libelle1));
        EXPECT_EQ(d->Libelle2, QString::fromUtf8(c.libelle2));
        EXPECT_EQ(d->Couleur, 0x0000FFu);
    }
    // Areas: images by the transformations of the plane only.
    auto a = CreeAire('A', nouveauNumero(), 1);
    SaisieAire saisie;
    saisie.contraintes = {QStringLiteral("x^2+y^2<=1")};
    ASSERT_TRUE(a->ConfirmeSaisie(saisie, true));
    f.Aires().Ajoute(a);
    inter.messages.clear();
    designe({f.Dessin().Nombre()});
    f.action(QStringLiteral("Opposee"))->trigger();
    designe({f.Dessin().Nombre()}, {"1", "2"});
    f.action(QStringLiteral("Translation1"))->trigger();
    EXPECT_EQ(inter.messages, QStringList{"Opération non définie sur les régions"});
    ASSERT_EQ(f.Aires().Nombre(), 2);
    auto image = std::dynamic_pointer_cast<GCTrAire>(f.Aires().Aires[1]);
    ASSERT_TRUE(image);
    EXPECT_EQ(QStringList({QString::number(image->Transformation()), image->NomMere(), image->Coefficient(2)}),
              QStringList({"25", a->Empreinte(), "2"}));
    EXPECT_EQ(f.ModeFond(), 2);

    // Drawn by the next paint: the opposite of the sine.
    Peint(f);
    const auto p = LitFichierPoints(f.Dessin().Courbes[3]->FichierPoints).points;
    ASSERT_EQ(p.size(), 81u);
    EXPECT_DOUBLE_EQ(p[10].y, -std::sin(p[10].x));
    Q_UNUSED(s);
}

TEST_F(OperationsTest, TransformationPersonnelleGardeeSeulementSiConfirmeeEtRejoueeSurDAutresCourbes)
{
    TForm1 f(1);
    courbe(f, 'Y', "sin(x)", "", "s");
    courbe(f, 'T', "cos(t)", "sin(t)", "t");
    courbe(f, 'Y', "x^2", "", "c");
    int avis = 0;
    etatGraphe().TransfosPersoChangees = [&] { ++avis; };

    // Cancelled with the box ticked: nothing kept.
    designe({0}, {"0.5", "-0.5"}, true, "E1");
    f.action(QStringLiteral("Ecrtage1"))->trigger();
    EXPECT_TRUE(etatGraphe().ListeAuxiliaire.isEmpty());
    designe({0}, {"0.5", "-0.5"}, false, "E1");
    f.action(QStringLiteral("Ecrtage1"))->trigger();
    designe({0}, {"0"}, false, "C0");
    f.action(QStringLiteral("composee"))->trigger();
    EXPECT_EQ(etatGraphe().ListeAuxiliaire,
              QStringList({"E1", "0.5", "-0.5", "0", "0", "0", "0", "6", "C0", "0", "0", "0", "0", "0", "0", "39"}));
    EXPECT_EQ(avis, 2);
    etatGraphe().ListeAuxiliaire << QStringList({"T", "-5", "5", "256", "0", "0", "1", "34"})
                                 << QStringList({"B0", "0", "0", "0", "0", "0", "0", "51"});

    // Replayed: a Q curve named after the transformation, or the refusal of the mother.
    struct Cas {
        int groupe;
        int ligne;
        const char* libelle1;
        const char* message;
    };
    const Cas cas[] = {
        {0, 2, "E1 de c", nullptr},
        {8, 2, nullptr, "n doit être un entier strictement positif !"},
        // Operations that make a child or need a period of their own are not replayed.
        {16, 0, nullptr, "Type = Y: opération non définie pour ce type de courbe!"},
        {24, 0, nullptr, "Type = Y: opération non définie pour ce type de courbe!"},
        {0, 1, "E1 de t", nullptr},
    };
    for (const Cas& c : cas) {
        inter.messages.clear();
        const int avant = f.Dessin().Nombre();
        designe({c.ligne});
        f.TransfoPersoDesignee(c.groupe);
        EXPECT_EQ(inter.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList());
        ASSERT_EQ(f.Dessin().Nombre(), avant + (c.libelle1 ? 1 : 0));
        if (!c.libelle1)
            continue;
        auto d = std::dynamic_pointer_cast<GCOperUnaire>(f.Dessin().Courbes.back());
        EXPECT_EQ(d->TypeCourbe, QLatin1Char('Q'));
        EXPECT_EQ(d->Libelle1, QString::fromUtf8(c.libelle1));
        EXPECT_TRUE(d->Libelle2.isEmpty());
        EXPECT_EQ(d->ParametresOperation[1], "-0.5");
    }
    etatGraphe().TransfosPersoChangees = nullptr;
}

TEST_F(OperationsTest, ChaqueOperationDuMenuActionsDessineSaCourbe)
{
    TForm1 f(1);
    f.Repere().SetNorme(true);   // no warning before the angle-keeping transformations
    courbe(f, 'Y', "sin(x)", "", "s");
    courbe(f, 'T', "cos(t)", "sin(t)", "t");
    struct Cas { const char* article; int ligne; QStringList coefs; };   // line 0 the sine, 1 the circle
    const Cas cas[] = {
        {"Dcimation1", 0, {"1", "2", "1"}}, {"EnveloppeInfrieure1", 0, {}}, {"EnveloppeSuprieure1", 0, {}},
        {"BlocageRetard1", 0, {"1"}}, {"BlocageAvance1", 0, {"1"}}, {"BlocageMini1", 0, {"1"}},
        {"BlocageMoyenne1", 0, {"1"}}, {"BlocageMaxi1", 0, {"1"}}, {"BlocageMdian1", 0, {"1"}},
        {"BlocageQuelconque1", 0, {"1", "0.3"}}, {"Gauche1", 0, {"5"}}, {"Centre1", 0, {"4"}},
        {"Droite1", 0, {"7"}}, {"Gauss", 0, {"0", "0.5", "1"}}, {"Dveloppes1", 1, {}},
        {"Podaires1", 1, {"0.5", "0"}}, {"SymH", 1, {"1"}}, {"symV", 1, {"1"}}, {"SymOb", 1, {"1", "1"}},
        {"SymCtr", 1, {"1", "1"}}, {"Translation1", 1, {"1", "1"}}, {"Rotation1", 1, {"0", "1", "45"}},
        {"Homothtie1", 1, {"0", "0", "2"}}, {"Similitude1", 1, {"0", "0", "30", "2"}}, {"AffinitdaxeOx1", 1, {"2"}},
        {"AffinitdaxeOy1", 1, {"2"}}, {"Transfoaffine1", 1, {"1", "2", "0", "0", "1", "0"}},
        {"Homographie1", 1, {"1", "2", "1", "3"}}, {"Complexe1", 1, {}}, {"Gomtrique1", 1, {"0", "0", "2"}},
        {"Projsurunaxehorizontal1", 1, {"0.5", "0", "1"}}, {"Projsurunaxeoblique1", 1, {"1", "0", "1"}},
        {"Projsurunaxevertical1", 1, {"0.5", "0", "1"}}, {"Projhorizontal1", 1, {"y^2", "0", "1"}},
        {"Projvertical1", 1, {"x^2", "0", "1"}}, {"TransfodeJoukowski1", 1, {}}, {"tfcomp", 1, {"z^2"}},
        {"Tfqcq", 1, {"x+y", "x-y"}}, {"TransfodeLaplace1", 0, {"0.5", "5", "0.1"}},
    };
    for (const Cas& c : cas) {
        inter.messages.clear();
        const int avant = f.Dessin().Nombre();
        designe({c.ligne}, c.coefs);
        f.action(QString::fromLatin1(c.article))->trigger();
        traiteEvenements();
        ASSERT_EQ(f.Dessin().Nombre(), avant + 1) << c.article;
        Peint(f);
        EXPECT_GE(LitFichierPoints(f.Dessin().Courbes.back()->FichierPoints).points.size(), 2u) << c.article;
        EXPECT_TRUE(inter.messages.isEmpty()) << c.article << ": " << inter.messages.join('|').toStdString();
    }
}
