// The dialogs of the operations on one curve: the parameter dialog of each code, the
// periodisation pattern, the histogram classes, the particular points, the frame warning,
// and the edit of a derived curve.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include "dialogs/AvertRep.h"
#include "dialogs/coeffPP.h"
#include "dialogs/dialogues.h"
#include "dialogs/pilote_saisie.h"
#include "dialogs/saiscoef.h"
#include "dialogs/saishisto.h"
#include "expression/etat.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

class OperationsDialogues : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseSaisie> etat_;
    InterlocuteurEnregistre inter;
    GardeValeur<Interlocuteur*> gardeInter_{etatGraphe().interlocuteur, &inter};
};

QLineEdit* Coef(QWidget* w, int k)
{
    return Enfant<QLineEdit>(w, QByteArray("Coef" + QByteArray::number(k)).constData());
}

}  // namespace

TEST_F(OperationsDialogues, ChaqueCodeDemandeSesChampsEtDonneSesLibelles)
{
    struct Cas {
        int code;
        QStringList libelles;   // of the shown fields, Label1..Label6 ("" hidden)
        QStringList saisie;     // typed into the shown fields, in order
        std::array<QString, 6> attendu;
        const char* prefixe;
        const char* resume;
    };
    const Cas cas[] = {
        {2, {"n : puissance", "", "", "", "", ""}, {"3"}, {"3", "0", "0", "0", "0", "0"}, "Puissance n-ième de ", "n = 3"},
        {29, {"Rapport d'affinité", "", "", "", "", ""}, {"2"}, {"1", "0", "0", "0", "2", "0"},
         "Affine orthogonale d'axe Ox de ", "rapport = 2"},
        {30, {"Rapport d'affinité", "", "", "", "", ""}, {"2"}, {"2", "0", "0", "0", "1", "0"},
         "Affine orthogonale d'axe Oy de ", "rapport = 2"},
        {23, {}, {}, {"0", "1", "1", "0", "0", "0"}, "Inverse complexe de ", ""},
        {35, {"Ordonnée de l'axe horizontal", "", "Epaisseur des segments", "", "", ""}, {"1", "2"},
         {"1", "0", "2", "0", "0", "0"}, "Projection ortho. de ", "Axe y = 1"},
        {44, {"", "largeur de bande (>0) des x", "écart type du noyau gaussien (>0)", "", "", ""}, {"0.5", "1"},
         {"1", "0.5", "1", "0", "0", "0"}, "Lissage gaussien de ", "Largeur de bande des x = 0.5"},
        {59, {"période de blocage", "", "", "", "", ""}, {"2"}, {"2", "0", "0", "0", "0", "0"}, "Blocage moyenne de ",
         "Période = 2"},
        {10, {}, {}, {"0", "0", "0", "0", "0", "0"}, "", ""},
    };
    for (const Cas& c : cas) {
        QStringList libelles;
        if (!c.libelles.isEmpty())
            QuandModal([&](QWidget* w) {
                for (int k = 1; k <= 6; ++k)
                    libelles << (Coef(w, k)->isVisible()
                                     ? Enfant<QLabel>(w, QByteArray("Label" + QByteArray::number(k)).constData())->text()
                                     : QString());
                int k = 0;
                for (int e = 1; e <= 6; ++e)
                    if (Coef(w, e)->isVisible() && k < c.saisie.size())
                        Tape(Coef(w, e), c.saisie[k++]);
                Clique(Enfant<QPushButton>(w, "ButOK"));
            });
        std::array<QString, 6> p;
        p.fill("0");
        QString prefixe, resume;
        EXPECT_TRUE(SaisieParamOper(c.code, prefixe, resume, p)) << c.code;
        EXPECT_EQ(libelles, c.libelles) << c.code;
        EXPECT_EQ(p, c.attendu) << c.code;
        EXPECT_EQ(prefixe, QString::fromUtf8(c.prefixe));
        EXPECT_EQ(resume, QString::fromUtf8(c.resume));
    }

    // A text that does not compile, or a kept transformation without a name, keeps the form
    // open; the transformation is kept after the pattern of the periodisation, once all is
    // confirmed.
    QuandModal([&](QWidget* w) {
        Tape(Coef(w, 1), "2*(");
        Clique(Enfant<QPushButton>(w, "ButOK"));
        Tape(Coef(w, 1), "-1");
        Enfant<QCheckBox>(w, "CBsvg")->setChecked(true);
        Clique(Enfant<QPushButton>(w, "ButOK"));
        Tape(Enfant<QLineEdit>(w, "Edsvg"), "Per");
        QuandModal([](QWidget* t) {
            Clique(Enfant<QLabel>(t, "Image3"));   // its picture chooses a type
            Clique(Enfant<QPushButton>(t, "ButOK"));
        }, w);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    std::array<QString, 6> p;
    p.fill("0");
    QString prefixe, resume;
    EXPECT_TRUE(SaisieParamOper(8, prefixe, resume, p));
    EXPECT_EQ(inter.messages, QStringList({"Premier coefficient : erreur de syntaxe.",
                                           "Vous devez donner un nom à la transformation."}));
    EXPECT_EQ(etatGraphe().ListeAuxiliaire, QStringList({"Per", "-1", "0", "0", "0", "2", "0", "8"}));
}

TEST_F(OperationsDialogues, HistogrammePointsParticuliersEtAvertissementDuRepere)
{
    // Variable widths: the bounds typed are written to the file named, p3 "0", p6 its path.
    QTemporaryDir dossier;
    QuandModal([&](QWidget* w) {
        EXPECT_FALSE(Enfant<QGroupBox>(w, "GroupBox1")->isVisible());
        Enfant<QComboBox>(w, "cbAmpli")->setCurrentIndex(1);
        EXPECT_FALSE(Enfant<QLineEdit>(w, "EdLarg")->isVisible());
        static_cast<TSaisHist*>(w)->fixeDossier(dossier.path());
        Tape(Enfant<QLineEdit>(w, "Ednomf"), "bornes.txt");
        Enfant<QPlainTextEdit>(w, "Memo1")->setPlainText("0\n1\n3\n\n");
        Enfant<QComboBox>(w, "cbDens")->setCurrentIndex(1);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    std::array<QString, 6> p = {"0", "10", "1", "0", "0", ""};
    QString titre;
    bool variables = false;
    int cumul = 0;
    ASSERT_TRUE(SaisieHisto(titre, p, variables, cumul));
    EXPECT_EQ(titre, "Histogramme des densités de ");
    EXPECT_TRUE(variables);
    EXPECT_EQ(p, (std::array<QString, 6>{"0", "10", "0", "1", "0", dossier.filePath("bornes.txt")}));
    EXPECT_EQ(LitFichierTexte(p[5]).lignes, QStringList({"0", "1", "3"}));
    // Opened again, the memo goes back to its own file unasked; another existing file named
    // is asked about first, and "Non" leaves it as it was.
    const QString notes = dossier.filePath("notes.txt");
    ASSERT_TRUE(EcritFichierTexte(notes, {"à garder"}).ok);
    QuandModal([&](QWidget* w) {
        for (const char* nom : {"notes.txt", "bornes.txt"}) {
            Tape(Enfant<QLineEdit>(w, "Ednomf"), nom);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        }
    });
    ASSERT_TRUE(SaisieHisto(titre, p, variables, cumul));
    EXPECT_EQ(inter.questions, QStringList{"Le fichier " + notes + " existe déjà. Voulez-vous le remplacer ?"});
    EXPECT_EQ(LitFichierTexte(notes).lignes, QStringList{"à garder"});

    // Particular points: N only for the third kind.
    bool nVisible = true;
    QuandModal([&](QWidget* w) {
        nVisible = Enfant<QLineEdit>(w, "EdN")->isVisible();
        Enfant<QComboBox>(w, "CBtype")->setCurrentIndex(2);
        Tape(Enfant<QLineEdit>(w, "EdN"), "4");
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    int genre = 1;
    QString p1 = "1";
    ASSERT_TRUE(SaisiePointsParticuliers(genre, titre, p1));
    EXPECT_FALSE(nVisible);
    EXPECT_EQ(QStringList({QString::number(genre), titre, p1}), QStringList({"3", "Point d'ordonnée de rang N sur ", "4"}));

    // The warning's three answers.
    for (const char* bouton : {"Mrep", "Orep", "annul"}) {
        QuandModal([&](QWidget* w) { Clique(Enfant<QPushButton>(w, bouton)); });
        EXPECT_EQ(AvertitRepereNonNorme(), bouton[0] == 'M' ? 1 : bouton[0] == 'O' ? 7 : 0);
    }
}

TEST_F(OperationsDialogues, ModifierUneCourbeDeriveeFixeSonAspectPuisSesParametres)
{
    GCDessin dessin;
    auto mere = std::make_shared<GCY>(QLatin1Char('Y'), 1, 1);
    mere->Nom = "f";
    mere->NouvelIdentifiant();
    dessin.AjouteCourbe(mere);
    auto d = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 6, 1, 2);
    d->CopieMere(*mere);
    d->GCCourbe::FixeLibelles("Ecrétage de f", "Sup = 0|Inf = 0");
    QString titre, legende;
    bool saisieCachee = false;
    QuandModal([&](QWidget* w) {
        titre = w->windowTitle();
        legende = Enfant<QLabel>(w, "lib1")->text();
        saisieCachee = !Enfant<QLineEdit>(w, "Edlib1")->isVisible() && !Enfant<QLineEdit>(w, "Edxmin")->isVisible();
        Tape(Enfant<QLineEdit>(w, "EdNomCrb"), "ecr");
        Enfant<QRadioButton>(w, "RBparmanu")->setChecked(true);
        QuandModal([](QWidget* s) {
            Tape(Coef(s, 1), "1");
            Tape(Coef(s, 2), "-1");
            Clique(Enfant<QPushButton>(s, "ButOK"));
        }, w);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(ModifieOperUnaire(*d, false));
    EXPECT_EQ(titre, "Opérations unaires");
    EXPECT_EQ(legende, "Ecrétage de f");
    EXPECT_TRUE(saisieCachee);
    EXPECT_EQ(d->Nom, "ecr");
    EXPECT_EQ(d->ParametresOperation[0], "1");
    EXPECT_EQ(QStringList({d->Libelle1, d->Libelle2}), QStringList({"Ecrétage de f", "Sup = 1|Inf = -1"}));

    // A point on a curve keeps its own piloting, whatever curve was clicked last.
    GCOperUnaire point(QLatin1Char('Q'), 17, 1, 3);
    point.Pilotage = {"u", "v"};
    QuandModal([](QWidget* w) { Clique(Enfant<QPushButton>(w, "ButOK")); });
    ASSERT_TRUE(ModifieOperUnaire(point, false));
    EXPECT_EQ(point.Pilotage, QStringList({"u", "v"}));
}
