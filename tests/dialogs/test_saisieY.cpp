// The curve definition dialog, driven through its own widgets: a y=f(x) definition stored
// and compiled, the checks that keep the form open with their messages, Cancel, names, the
// domain and imposed values, the aids, the parameter grids and the kinds' captions.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <cmath>

#include "dialogs/condinit.h"
#include "dialogs/dialogues.h"
#include "dialogs/paraauto.h"
#include "dialogs/paramanu.h"
#include "dialogs/saisieY.h"
#include "expression/fonction.h"
#include "graph/courbes/GCCourbe.h"
#include "etat_essai.h"
#include "pilote_saisie.h"
#include "graph/courbes/genres.h"

namespace {

class SaisieYTest : public SaisieTest {
protected:
    void SetUp() override
    {
        SaisieTest::SetUp();
        ASSERT_TRUE(dossier.isValid());
        etatSaisie().DossierValeurs = dossier.path();
    }

    // A curve of that kind with a formula (a new one has none, which the form refuses).
    std::shared_ptr<GCY> nouvelle(char genre = 'Y')
    {
        auto c = std::make_shared<GCY>(QLatin1Char(genre), 1, nouveauNumero());
        c->Libelle1 = c->Libelle2 = QStringLiteral("x");
        return c;
    }

    // The form as the curve's edit sets it up, not run.
    std::unique_ptr<TsaisieY> fiche(GCY& c, bool nouvelle = true)
    {
        auto f = std::make_unique<TsaisieY>();
        PrepareSaisieY(*f, c, nouvelle);
        return f;
    }

    QByteArray contenu(const QString& chemin)
    {
        QFile f(chemin);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }

    QTemporaryDir dossier;
};

TEST_F(SaisieYTest, UneDefinitionYTapeeEstStockeeCompileeEtAppelable)
{
    auto c = nouvelle();
    bool vuOuverte = false;
    QuandModal([&](QWidget* w) {
        vuOuverte = true;
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Cartésienne en Y"));
        EXPECT_EQ(Enfant<QLabel>(w, "lib1")->text(), QStringLiteral("y=f(x)="));
        EXPECT_FALSE(Enfant<QLineEdit>(w, "Edlib2")->isVisible());
        EXPECT_TRUE(Enfant<QCheckBox>(w, "CBvalI")->isVisible());
        EXPECT_TRUE(Enfant<QRadioButton>(w, "RBparauto")->isChecked());
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("sin(x)"));
        Tape(Enfant<QLineEdit>(w, "Edxmin"), QStringLiteral("-5"));
        Tape(Enfant<QLineEdit>(w, "Edxmax"), QStringLiteral("PI/2"));
        Tape(Enfant<QLineEdit>(w, "Edpas"), QStringLiteral("PI/100"));
        Tape(Enfant<QLineEdit>(w, "EdNomCrb"), QStringLiteral("onde"));
        Clique(Enfant<QRadioButton>(w, "RBaucun"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(c->Modifie(true));
    EXPECT_TRUE(vuOuverte);
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
    EXPECT_EQ(c->Libelle1, QStringLiteral("sin(x)"));
    EXPECT_EQ(c->Xinf, QStringLiteral("-5"));
    EXPECT_EQ(c->Xsup, QStringLiteral("PI/2"));
    EXPECT_EQ(c->Pas, QStringLiteral("PI/100"));
    EXPECT_EQ(c->Nom, QStringLiteral("onde"));
    EXPECT_FALSE(c->Identifiant.isEmpty());
    ASSERT_FALSE(c->Expression1.vide());
    EXPECT_NEAR(EvalueArbre(c->Expression1, M_PI / 2), 1.0, 1e-12);
    // Formulas can call the curve by its new name.
    Arbre appel;
    ASSERT_TRUE(CompileExpr("onde(PI/2)*2", appel));
    EXPECT_NEAR(EvalueArbre(appel, 0), 2.0, 1e-12);
    EXPECT_FALSE(etatSaisie().ChoixParametresAuto);
    EXPECT_FALSE(etatSaisie().ChoixParametresManuels);
    // Its own label names the curve.
    EXPECT_EQ(c->Etiquette->CourbeLib, c->Identifiant);
}

TEST_F(SaisieYTest, UneErreurGardeLaBoiteOuverteAvecSonMessage)
{
    auto c = nouvelle();
    int essais = 0;
    QuandModal([&](QWidget* w) {
        auto* ok = Enfant<QPushButton>(w, "ButOK");
        auto* lib = Enfant<QLineEdit>(w, "Edlib1");
        auto* debut = Enfant<QLineEdit>(w, "Edxmin");
        auto* fin = Enfant<QLineEdit>(w, "Edxmax");
        Clique(Enfant<QRadioButton>(w, "RBaucun"));

        Tape(lib, QStringLiteral("sin(x"));
        Clique(ok);
        ++essais;
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(inter.messages.value(0), QStringLiteral("Erreur de syntaxe dans le libellé n°1"));

        // The checks go on after a failure: two messages for two wrong fields.
        inter.messages.clear();
        Tape(debut, QStringLiteral("2*"));
        Clique(ok);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(inter.messages, QStringList({QStringLiteral("Erreur de syntaxe dans le libellé n°1"),
                                               QStringLiteral("Erreur de syntaxe dans Début du domaine")}));

        inter.messages.clear();
        Tape(lib, QStringLiteral("x^2"));
        Tape(debut, QStringLiteral("6"));
        Tape(fin, QStringLiteral("5"));
        Clique(ok);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Attention : Début > Fin !")});

        // Equal bounds pass.
        inter.messages.clear();
        Tape(debut, QStringLiteral("5"));
        Clique(ok);
    });
    EXPECT_TRUE(c->Modifie(true));
    EXPECT_EQ(essais, 1);
    EXPECT_TRUE(inter.messages.isEmpty());
    EXPECT_EQ(c->Libelle1, QStringLiteral("x^2"));
}

TEST_F(SaisieYTest, LesChampsNumeriquesEtLePasSontVerifies)
{
    auto c = nouvelle();
    auto f = fiche(*c);
    // The step message names the step label as the caller captioned it.
    f->Label4->setText(QStringLiteral("Pas de calcul :"));
    f->Edpas->setText(QStringLiteral("0.1+"));
    f->ButOKClick();
    EXPECT_TRUE(f->ErreurSaisieY);
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Erreur de syntaxe dans Pas de calcul :")});

    // A value that compiles but cannot be computed is refused too.
    inter.messages.clear();
    f->Edpas->setText(QStringLiteral("0.1"));
    f->Edxmax->setText(QStringLiteral("1/0"));
    f->ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Valeur non calculable dans Fin du domaine")});

    // A domain that would take 10^20 points is confirmed first; "no" keeps the form open.
    inter.messages.clear();
    f->Edxmin->setText(QStringLiteral("0"));
    f->Edxmax->setText(QStringLiteral("1e20"));
    f->Edpas->setText(QStringLiteral("1"));
    inter.reponses = {false};
    f->ButOKClick();
    EXPECT_TRUE(f->ErreurSaisieY);
    ASSERT_EQ(inter.questions.size(), 1);
    EXPECT_TRUE(inter.questions[0].contains(QStringLiteral("1e+20")));
    inter.reponses = {true};
    f->ButOKClick();
    EXPECT_FALSE(f->ErreurSaisieY);
    EXPECT_EQ(f->result(), QDialog::Accepted);
    EXPECT_TRUE(inter.messages.isEmpty());
}

TEST_F(SaisieYTest, AnnulerNeChangeRien)
{
    auto c = nouvelle();
    ASSERT_TRUE(c->FixeLibelles(QStringLiteral("x+1"), QString()));
    c->FixeBornes(QStringLiteral("-2"), QStringLiteral("2"), QStringLiteral("0.5"));
    c->Couleur = RVB(0, 0, 255);
    c->NouvelIdentifiant();
    c->MemoriseLibelle();
    const QString nom = c->Nom, identifiant = c->Identifiant;

    QuandModal([&](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("cos(x)"));
        Tape(Enfant<QLineEdit>(w, "Edxmin"), QStringLiteral("-9"));
        Tape(Enfant<QLineEdit>(w, "EdNomCrb"), QStringLiteral("autre"));
        Clique(Enfant<QPushButton>(w, "Butcoul"));
        Clique(Enfant<QPushButton>(w, "ButAnnul"));
    });
    EXPECT_FALSE(c->Modifie(false));
    EXPECT_EQ(c->Libelle1, QStringLiteral("x+1"));
    EXPECT_EQ(c->Xinf, QStringLiteral("-2"));
    EXPECT_EQ(c->Nom, nom);
    EXPECT_EQ(c->Identifiant, identifiant);
    EXPECT_EQ(c->Couleur, RVB(0, 0, 255));
    // Still callable under its name, and "autre" was never registered.
    Arbre appel;
    ASSERT_TRUE(CompileExpr((nom + "(1)").toStdString(), appel));
    EXPECT_DOUBLE_EQ(EvalueArbre(appel, 0), 2.0);
    EXPECT_LT(chercheFonction("AUTRE"), 0);
}

TEST_F(SaisieYTest, NomsDeCourbeRefuses)
{
    auto f1 = nouvelle();
    ASSERT_TRUE(f1->FixeLibelles(QStringLiteral("x"), QString()));
    f1->Nom = QStringLiteral("f");
    f1->MemoriseLibelle();

    const struct {
        QString nom, message;
    } cas[] = {
        {QStringLiteral("sin"), QStringLiteral("sin: Nom interdit ! Réservé aux fonctions prédéfinies.")},
        {QStringLiteral("F3"), QStringLiteral("F3: Nom interdit ! Réservé aux fonctions prédéfinies.")},
        {QStringLiteral("Max"), QStringLiteral("Max: Nom interdit ! Réservé aux fonctions prédéfinies.")},
        // Formulas match names in upper case: "F" would call "f".
        {QStringLiteral("F"), QStringLiteral("Il y a déjà une courbe appelée F")},
        {QStringLiteral("f"), QStringLiteral("Il y a déjà une courbe appelée f")},
        // A document field cannot hold these.
        {QStringLiteral("a;b"), QStringLiteral("Le nom d'une courbe ne peut contenir ni « ; » ni retour à la ligne.")},
        {QStringLiteral("a\nb"), QStringLiteral("Le nom d'une courbe ne peut contenir ni « ; » ni retour à la ligne.")},
    };
    auto c = nouvelle();
    for (const auto& k : cas) {
        auto f = fiche(*c);
        f->RBaucun->setChecked(true);
        f->EdNomCrb->setText(k.nom);
        inter.messages.clear();
        f->ButOKClick();
        EXPECT_TRUE(f->ErreurSaisieY) << k.nom.toStdString();
        EXPECT_EQ(inter.messages, QStringList{k.message}) << k.nom.toStdString();
        EXPECT_NE(f->result(), QDialog::Accepted);
    }
    for (const QString& nom : {QStringLiteral("vitesse"), QStringLiteral("g2"), QStringLiteral("sinus")}) {
        auto f = fiche(*c);
        f->EdNomCrb->setText(nom);
        inter.messages.clear();
        f->ButOKClick();
        EXPECT_EQ(f->result(), QDialog::Accepted) << nom.toStdString() << inter.messages.join('|').toStdString();
    }
}

TEST_F(SaisieYTest, ValeursImposeesEcritesSeulementApresConfirmation)
{
    const QString chemin = dossier.filePath(QStringLiteral("valeurs.txt"));
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\r\n2\r\n3\r\n");
    }
    const QByteArray avant = contenu(chemin);

    // Lines changed, then Annuler: the file stays as it was.
    auto c = nouvelle();
    {
        auto f = fiche(*c);
        f->CBvalI->setChecked(true);
        EXPECT_TRUE(f->GrValimp->isVisibleTo(f.get()));
        EXPECT_FALSE(f->Edxmin->isVisibleTo(f.get()));
        EXPECT_FALSE(f->Edpas->isVisibleTo(f.get()));
        f->EdNomf->setText(QStringLiteral("valeurs.txt"));
        EXPECT_EQ(f->Memo1->toPlainText(), QStringLiteral("1\n2\n3"));
        QTest::keyClick(f->Memo1, Qt::Key_Delete);
        f->ButAnnulClick();
        EXPECT_EQ(f->result(), QDialog::Rejected);
    }
    EXPECT_EQ(contenu(chemin), avant);

    // No name: the form stays open with its message.
    {
        auto f = fiche(*c);
        f->CBvalI->setChecked(true);
        f->ButOKClick();
        EXPECT_NE(f->result(), QDialog::Accepted);
        EXPECT_EQ(inter.messages,
                  QStringList{QStringLiteral("Vous n'avez pas donné de nom au fichier des valeurs imposées")});
    }

    // A file that cannot be written: said, and the form stays open.
    {
        auto f = fiche(*c);
        f->CBvalI->setChecked(true);
        QTest::keyClicks(f->Memo1, QStringLiteral("1"));
        f->EdNomf->setText(QStringLiteral("nulle/part.txt"));
        inter.messages.clear();
        f->ButOKClick();
        EXPECT_NE(f->result(), QDialog::Accepted);
        ASSERT_EQ(inter.messages.size(), 1);
        EXPECT_TRUE(inter.messages[0].startsWith(QStringLiteral("Impossible d'enregistrer"))) << inter.messages[0].toStdString();
    }

    // Values typed before the name survive the typing of a new name, and are written on
    // confirmation; the curve then takes its values from that file.
    {
        auto f = fiche(*c);
        f->CBvalI->setChecked(true);
        QTest::keyClicks(f->Memo1, QStringLiteral("PI"));
        QTest::keyClick(f->Memo1, Qt::Key_Return);
        QTest::keyClicks(f->Memo1, QStringLiteral("-5"));
        Tape(f->EdNomf, QStringLiteral("v.txt"));
        EXPECT_EQ(f->Memo1->toPlainText(), QStringLiteral("PI\n-5"));
        f->ButOKClick();
        ASSERT_EQ(f->result(), QDialog::Accepted);
        LitSaisieY(*f, *c, true);
    }
    EXPECT_EQ(contenu(dossier.filePath(QStringLiteral("v.txt"))), QByteArray("PI\r\n-5\r\n"));
    EXPECT_TRUE(c->ValeursImposees);
    EXPECT_EQ(c->FichierValeurs, dossier.filePath(QStringLiteral("v.txt")));

    // Opening the curve again shows its file.
    auto f = fiche(*c, false);
    EXPECT_TRUE(f->CBvalI->isChecked());
    EXPECT_EQ(f->EdNomf->text(), QStringLiteral("v.txt"));
    EXPECT_EQ(f->Memo1->toPlainText(), QStringLiteral("PI\n-5"));

    // "&Editer" loads a chosen file, whose folder becomes the folder of the values.
    QTemporaryDir autre;
    const QString ailleurs = autre.filePath(QStringLiteral("mesures.dta"));
    {
        QFile fichier(ailleurs);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
        fichier.write("0.5\r\n1.5");
    }
    boites.fichier = ailleurs;
    f->ChargFicClick();
    EXPECT_EQ(f->EdNomf->text(), QStringLiteral("mesures.dta"));
    EXPECT_EQ(f->dossierValeurs(), autre.path() + QLatin1Char('/'));
    EXPECT_EQ(f->Memo1->toPlainText(), QStringLiteral("0.5\n1.5"));
    EXPECT_FALSE(f->Memo1->document()->isModified());
}

TEST_F(SaisieYTest, AidesDeSaisie)
{
    auto c = nouvelle('T');
    auto f = fiche(*c);
    EXPECT_EQ(f->windowTitle(), QStringLiteral("Forme paramétrique"));
    EXPECT_EQ(f->lib2->text(), QStringLiteral("y=g(t)="));
    ASSERT_TRUE(f->Edlib2->isVisibleTo(f.get()));

    // The pop-up lists every usual function and the existing labels.
    QMenu* usuelles = f->fnPredef->findChild<QMenu*>(QStringLiteral("Fonctionsusuelles1"));
    ASSERT_NE(usuelles, nullptr);
    EXPECT_EQ(usuelles->actions().size(), 47);

    // A right press on Edlib2 chooses where insertions go.
    f->Edlib1->setText(QStringLiteral("t"));
    f->Edlib2->setText(QStringLiteral("2*"));
    f->Edlib1MouseDown(f->Edlib2, QPoint(2, 2));
    f->fnPredef->hide();
    f->valeurabsolue1Click(37);
    EXPECT_EQ(f->Edlib2->text(), QStringLiteral("2*sin(x)"));
    EXPECT_EQ(f->Edlib1->text(), QStringLiteral("t"));
    boites.libelle = QStringLiteral("+t^2");
    f->Libellexistant1Click();
    EXPECT_EQ(boites.genresDemandes, QStringLiteral("DEHIJNPRSTXY"));
    EXPECT_EQ(f->Edlib2->text(), QStringLiteral("2*sin(x)+t^2"));

    // Unconnected tracing shows the point modes instead of the line styles.
    f->CBconnect->setChecked(false);
    EXPECT_EQ(f->Label7->text(), QStringLiteral("Type :"));
    EXPECT_TRUE(f->CBpnt->isVisibleTo(f.get()));
    EXPECT_FALSE(f->CBStyle->isVisibleTo(f.get()));
    EXPECT_EQ(f->CBpnt->itemText(4), QStringLiteral("Chemin retour"));

    // The colour and arrows chosen are stored on confirmation.
    f->Butcoul->click();
    QuandModal([](QWidget* w) { Clique(Enfant<QWidget>(w, "sbDeux")); });
    f->sbFlechClick();
    f->CBpnt->setCurrentIndex(2);
    f->RBaucun->setChecked(true);
    f->ButOKClick();
    ASSERT_EQ(f->result(), QDialog::Accepted);
    LitSaisieY(*f, *c, true);
    EXPECT_EQ(c->Couleur, DeQColor(Qt::red));
    EXPECT_EQ(c->Fleches, 3);
    EXPECT_FALSE(c->Joint);
    EXPECT_EQ(c->Hachure, 2);
    EXPECT_EQ(c->Libelle2, QStringLiteral("2*sin(x)+t^2"));
}

TEST_F(SaisieYTest, LegendeDesGenres)
{
    // Systems: the random box is the choice of polar coordinates, which renames the texts.
    auto h = std::make_shared<GCRS>(QLatin1Char('H'), 1, nouveauNumero());
    auto f = fiche(*h);
    EXPECT_EQ(f->CBalea->text(), QStringLiteral("Coord. polaires"));
    EXPECT_EQ(f->LabelBornes->text(), QStringLiteral("Conditions initiales : "));
    EXPECT_TRUE(f->EdBorni->isVisibleTo(f.get()));
    f->CBalea->click();
    EXPECT_EQ(f->lib1->text(), QStringLiteral("t'=f(t,r)="));
    EXPECT_EQ(f->lib2->text(), QStringLiteral("r'=g(t,r)="));
    f->CBalea->click();
    EXPECT_EQ(f->lib1->text(), QStringLiteral("x'=f(x,y)="));

    // Bounds are checked when shown, and stored.
    f->Edlib1->setText(QStringLiteral("y"));
    f->Edlib2->setText(QStringLiteral("-x"));
    f->EdBorni->setText(QStringLiteral("1+"));
    f->RBaucun->setChecked(true);
    f->ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Erreur de syntaxe dans Borne inférieure")});
    f->EdBorni->setText(QStringLiteral("PI/2"));
    f->Edborns->setText(QStringLiteral("-5"));
    f->ButOKClick();
    ASSERT_EQ(f->result(), QDialog::Accepted);
    LitSaisieY(*f, *h, true);
    EXPECT_EQ(h->TexteBorne1, QStringLiteral("PI/2"));
    EXPECT_DOUBLE_EQ(h->Borne1, M_PI / 2);
    EXPECT_DOUBLE_EQ(h->Borne2, -5);

    // Differential equations: order up to 9, initial conditions, and their summary.
    auto e = std::make_shared<GCE>(QLatin1Char('E'), 1, 1, nouveauNumero());
    auto fe = fiche(*e);
    EXPECT_EQ(fe->windowTitle(), QStringLiteral("Equation différentielle d'ordre n"));
    EXPECT_TRUE(fe->ButCI->isVisibleTo(fe.get()));
    EXPECT_EQ(fe->CBordre->count(), 9);
    fe->CBordre->setCurrentIndex(1);
    QuandModal([](QWidget* w) {
        auto* grille = Enfant<QTableWidget>(w, "StringGrid1");
        ASSERT_EQ(grille->rowCount(), 4);
        EXPECT_EQ(grille->verticalHeaderItem(2)->text(), QStringLiteral("Y'o"));
        grille->item(0, 0)->setText(QStringLiteral("0"));
        grille->item(1, 0)->setText(QStringLiteral("1"));
        grille->item(2, 0)->setText(QStringLiteral("-1"));
        grille->item(3, 0)->setText(QStringLiteral("7"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    fe->ButCIClick();
    fe->Edlib1->setText(QStringLiteral("-Y"));
    fe->RBaucun->setChecked(true);
    fe->ButOKClick();
    ASSERT_EQ(fe->result(), QDialog::Accepted);
    LitSaisieY(*fe, *e, true);
    EXPECT_EQ(e->Ordre, 2);
    EXPECT_EQ(e->Libelle2, QStringLiteral("y(0)=1;y[1](0)=-1;"));
    EXPECT_EQ(e->TextesInitiaux[2], QStringLiteral("-1"));

    // A discrete derivative has no formula to check.
    auto g = std::make_shared<GCDG>(QLatin1Char('G'), 1, 1, nouveauNumero());
    TsaisieY fg;
    fg.setWindowTitle(QStringLiteral("Dérivée discrète n-ième"));
    fg.Edlib1->setText(QStringLiteral("(("));
    fg.RBaucun->setChecked(true);
    fg.ButOKClick();
    EXPECT_EQ(fg.result(), QDialog::Accepted);

    // Kinds whose dialog does not exist yet say so.
    inter.messages.clear();
    auto l = CreeCourbe(QLatin1Char('A'), 1, nouveauNumero());
    EXPECT_FALSE(l->Modifie(true));
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].contains(QStringLiteral("pas encore disponible")));
}

TEST_F(SaisieYTest, UneCourbeExistanteEnParametresManuelsOuvreLaGrille)
{
    auto c = nouvelle();
    ASSERT_TRUE(c->FixeLibelles(QStringLiteral("a*x"), QString()));
    QuandModal([&](QWidget* w) {
        QWidget* saisie = w;
        QuandModal(
            [](QWidget* g) {
                auto* grille = Enfant<QTableWidget>(g, "StringGrid1");
                EXPECT_EQ(grille->horizontalHeaderItem(0)->text(), QStringLiteral("Valeurs des paramètres"));
                EXPECT_EQ(grille->verticalHeaderItem(9)->text(), QStringLiteral("a9=p"));
                grille->item(0, 0)->setText(QStringLiteral("PI/2"));
                Clique(Enfant<QPushButton>(g, "ButOK"));
            },
            saisie);
        Clique(Enfant<QRadioButton>(w, "RBparmanu"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    EXPECT_TRUE(c->Modifie(false));
    EXPECT_EQ(c->Parametre(0), QStringLiteral("PI/2"));
}

// ---------------------------------------------------------------------------------------
// Parameter grids and initial conditions

TEST_F(SaisieYTest, GrilleManuelleBorneeEtVerifiee)
{
    Tparamanu fiche;
    fiche.EdNbcrb->setValue(25);
    EXPECT_EQ(fiche.EdNbcrb->value(), NbCourbesManuelles);
    EXPECT_EQ(fiche.StringGrid1->columnCount(), NbCourbesManuelles);
    fiche.EdNbcrb->setValue(2);
    EXPECT_EQ(fiche.StringGrid1->horizontalHeaderItem(1)->text(), QStringLiteral("Courbe n°2"));

    // A wrong a3 in the second column: its message, nothing stored.
    fiche.StringGrid1->item(0, 0)->setText(QStringLiteral("1"));
    fiche.StringGrid1->item(3, 1)->setText(QStringLiteral("2+"));
    fiche.ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Valeur a3 incorrecte !")});
    EXPECT_NE(fiche.result(), QDialog::Accepted);
    EXPECT_EQ(etatSaisie().ParametresManuels[0][0], QStringLiteral("0"));

    fiche.StringGrid1->item(3, 1)->setText(QStringLiteral("-PI"));
    fiche.ButOKClick();
    EXPECT_EQ(fiche.result(), QDialog::Accepted);
    EXPECT_EQ(etatSaisie().ParametresManuels[0][0], QStringLiteral("1"));
    EXPECT_EQ(etatSaisie().ParametresManuels[1][3], QStringLiteral("-PI"));
}

TEST_F(SaisieYTest, GrilleAutomatiqueEtConditionsInitiales)
{
    Tparaauto grille;
    EXPECT_EQ(grille.StringGrid1->horizontalHeaderItem(1)->text(), QStringLiteral("Incrément"));
    grille.StringGrid1->item(1, 0)->setText(QStringLiteral("-5"));
    grille.StringGrid1->item(1, 1)->setText(QStringLiteral("1/0"));
    grille.ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Valeur de l'incrément de a1 incorrecte !")});
    inter.messages.clear();
    grille.StringGrid1->item(1, 1)->setText(QStringLiteral("PI/2"));
    grille.StringGrid1->item(1, 2)->setText(QStringLiteral("max("));
    grille.ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Valeur maximale de a1 incorrecte !")});
    // An increment of the wrong sign is refused.
    grille.StringGrid1->item(1, 2)->setText(QStringLiteral("-10"));
    inter.messages.clear();
    grille.ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Valeur de l'incrément de a1 incorrecte !")});
    grille.StringGrid1->item(1, 2)->setText(QStringLiteral("5"));
    grille.ButOKClick();
    EXPECT_EQ(grille.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(etatSaisie().ValeurInitialeParametre[1], -5);
    EXPECT_DOUBLE_EQ(etatSaisie().IncrementAutoParametre[1], M_PI / 2);
    EXPECT_DOUBLE_EQ(etatSaisie().MaximumAutoParametre[1], 5);

    inter.messages.clear();
    TCondInit conditions(3);
    conditions.StringGrid1->item(1, 0)->setText(QStringLiteral("2*"));
    conditions.ButOKClick();
    EXPECT_EQ(inter.messages, QStringList{QStringLiteral("Valeur n° 2=2* incorrecte !")});
    EXPECT_EQ(etatSaisie().ConditionsInitiales[1], QStringLiteral("0"));
}

}  // namespace

// The automatic-parameter grid shows its headers whole and all its columns at once.
TEST_F(SaisieYTest, LaGrilleDesParametresAutomatiquesMontreSesTitresEntiers)
{
    Tparaauto d;
    d.show();
    auto* grille = Enfant<QTableWidget>(&d, "StringGrid1");
    QApplication::processEvents();
    const QFontMetrics fm(grille->horizontalHeader()->font());
    for (int c = 0; c < grille->columnCount(); ++c) {
        const QString titre = grille->horizontalHeaderItem(c)->text();
        EXPECT_GT(grille->horizontalHeader()->sectionSize(c), fm.horizontalAdvance(titre)) << titre.toStdString();
    }
    EXPECT_EQ(grille->horizontalScrollBar()->maximum(), 0);
}
