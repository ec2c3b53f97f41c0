// The frame dialog "Repérage" through its own widgets: every check of OK in its order, the
// reactions of its switches, and every field carried into the frame and back.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include "dialogs/dialrep.h"
#include "graph/repere/GCRepere.h"
#include "pilote_saisie.h"

namespace {

using RepereDialogueTest = SaisieTest;

QStringList Lignes(const GCRepere& r)
{
    QStringList l;
    r.Sauve(l);
    return l;
}

TEST_F(RepereDialogueTest, OkRefuseChaqueValeurIncorrecteEtGardeLaFicheOuverte)
{
    struct Cas {
        const char* champ;
        const char* texte;
        const char* message;
        const char* liste = nullptr;  // a scale list set first...
        int echelle = 0;              // ...to this kind
        bool polaire = false;
    };
    const Cas cas[] = {
        {"edxmin", "ln(0)", "Valeur Xmin=ln(0) incorrecte."},
        {"Edxmax", "1e999", "Valeur Xmax=1e999 incorrecte."},
        {"Edxmax", "-5", "Erreur: Xmin > Xmax"},
        {"edxmin", "0", "Le minimum des x doit être positif en échelle logarithmique", "CBdirX", 1},
        {"Edymin", "abc", "Valeur Ymin=abc incorrecte."},
        {"Edymax", "-6", "Erreur: Ymin > Ymax"},
        {"Edho", "0", "Valeur Hauteur de l'oeil=0 incorrecte.", "CBdirY", 2},
        {"Edyo", "2.5", "Valeur Ordonnée de l'axe y=0=2.5 incorrecte.", "CBdirX", 2},
        {"Edgh", "x+", "1ère graduation horizontale =x+ incorrecte."},
        {"Edgh", "-1", "La 1ère graduation radiale doit être > ou = 0.", nullptr, 0, true},
        {"Edgv", "0", "La 1ère graduation circulaire doit être > 0.", nullptr, 0, true},
        {"Edgv", "1", "L'échelle projective n'est pas disponible en graduation circulaire", "CBdirY", 2, true},
        {"EditPPh", "-1", "Pas horizontal=-1 négatif."},
        {"EditPPv", "0", "Le pas vertical doit être différent de 0."},
        {"EditPSh", "2", "Erreur: Pas secondaire horizontal > Pas principal horizontal."},
        {"EditPSv", "-1", "Pas secondaire vertical=-1 négatif."},
    };
    GCRepere repere(true, 600, 400);
    for (const Cas& c : cas) {
        TReperage fiche;
        fiche.Remplit(repere);
        fiche.show();
        if (c.polaire)
            Clique(fiche.CBPol);
        if (c.liste)
            Enfant<QComboBox>(&fiche, c.liste)->setCurrentIndex(c.echelle);
        Tape(Enfant<QLineEdit>(&fiche, c.champ), QString::fromUtf8(c.texte));
        inter.messages.clear();
        Clique(fiche.BtrepOK);
        EXPECT_TRUE(fiche.isVisible()) << c.champ << " " << c.texte;
        EXPECT_EQ(inter.messages, QStringList{QString::fromUtf8(c.message)}) << c.champ << " " << c.texte;
    }

    // A main step below a hundredth of its own axis's range asks first: the horizontal grid
    // is the y axis's (a range of 505 here), the vertical one the x axis's (10).
    TReperage fiche;
    fiche.Remplit(repere);
    fiche.show();
    Tape(fiche.AxeY.max, QStringLiteral("500"));
    inter.reponses = {false};
    Clique(fiche.BtrepOK);
    ASSERT_EQ(inter.questions.size(), 1);
    EXPECT_EQ(inter.questions[0], QStringLiteral("Etes-vous certain(e) de conserver un pas de graduation égal à 1\r"
                                                 "pour un intervalle de largeur 505 ?"));
    EXPECT_TRUE(fiche.isVisible());
    inter.reponses = {true};
    Clique(fiche.BtrepOK);
    EXPECT_FALSE(fiche.isVisible());
    EXPECT_EQ(fiche.result(), QDialog::Accepted);
    EXPECT_EQ(inter.questions.size(), 2);
}

TEST_F(RepereDialogueTest, LesInterrupteursPolaireEtNormeSeTiennent)
{
    GCRepere repere(true, 600, 400);
    TReperage fiche;
    fiche.Remplit(repere);
    fiche.show();
    Clique(fiche.CBPol);
    EXPECT_TRUE(fiche.cbOrtho->isChecked());
    EXPECT_EQ(fiche.Pages->tabText(TReperage::PageGrilleH), QStringLiteral("Grille radiale"));
    EXPECT_EQ(fiche.Pages->tabText(TReperage::PageGrilleV), QStringLiteral("Grille circulaire"));
    // Radial lines every 15 degrees from 0.
    EXPECT_EQ(fiche.GrilleH.pas1->text() + fiche.GrilleH.debut->text(), QStringLiteral("150"));
    Clique(fiche.cbOrtho);
    EXPECT_TRUE(fiche.cbOrtho->isChecked());
    Clique(fiche.CBPol);
    fiche.AxeX.echelle->setCurrentIndex(EchelleProj);
    Clique(fiche.cbOrtho);
    Clique(fiche.cbOrtho);
    EXPECT_FALSE(fiche.cbOrtho->isChecked());
    EXPECT_EQ(inter.messages, (QStringList{QStringLiteral("En mode polaire, le repère est obligatoirement orthonormé!"),
                                          QStringLiteral("Non prise en compte de l'orthonormalité en repérage projectif!")}));
    EXPECT_EQ(fiche.Pages->tabText(TReperage::PageGrilleH), QStringLiteral("Grille horizontale"));
}

TEST_F(RepereDialogueTest, ChaqueChampVaAuRepereQuiSeRelitPareil)
{
    GCRepere repere(true, 600, 400);
    repere.FixeTaille(600, 400);
    const QStringList avant = Lignes(repere);
    // Annuler changes nothing. Every tab shows whole, none behind scroll arrows.
    QuandModal([](QWidget* w) {
        const QTabBar* onglets = static_cast<TReperage*>(w)->Pages->tabBar();
        EXPECT_EQ(onglets->count(), 6);
        for (int i = 0; i < onglets->count(); ++i)
            EXPECT_TRUE(onglets->rect().contains(onglets->tabRect(i))) << onglets->tabText(i).toStdString();
        Tape(Enfant<QLineEdit>(w, "edxmin"), QStringLiteral("-1"));
        Clique(Enfant<QPushButton>(w, "BtAnnul"));
    });
    EXPECT_FALSE(repere.Modifie(1));
    EXPECT_EQ(Lignes(repere), avant);

    boites.couleur = QColor(255, 0, 0);
    QuandModal([](QWidget* w) {
        auto* f = static_cast<TReperage*>(w);
        EXPECT_EQ(f->Pages->currentIndex(), TReperage::PageAxeY);
        Tape(f->AxeX.min, QStringLiteral("-2"));
        Tape(f->AxeX.max, QStringLiteral("pi"));
        f->AxeY.echelle->setCurrentIndex(EchelleLog);
        Tape(f->AxeY.min, QStringLiteral("0.1"));
        Tape(f->AxeY.max, QStringLiteral("100"));
        Clique(f->AxeX.visible);
        Clique(f->AxeX.lateral);
        Clique(f->AxeX.vecteur);
        f->AxeX.epaisseur->setCurrentIndex(3);
        f->AxeX.style->setCurrentIndex(1);
        f->AxeY.decalage->setValue(20);
        Tape(f->GrilleV.pas1, QStringLiteral("0.5"));
        Tape(f->GrilleV.pas2, QStringLiteral("0.1"));
        Tape(f->GrilleV.debut, QStringLiteral("-2"));
        f->GrilleV.style->setCurrentIndex(2);
        f->GrilleV.epaisseur->setCurrentIndex(2);
        Clique(f->GrilleV.visible);
        Clique(f->GrilleH.graduation);
        Tape(f->GrilleV.unite, QStringLiteral("cm"));
        f->GrilleH.format->setCurrentIndex(2);
        Clique(f->ButCoulAxX);
        Clique(f->ButCoulGrH);
        Clique(f->BtrepOK);
    });
    EXPECT_TRUE(repere.Modifie(2));
    const GCGrille &x = repere.AxeX, &y = repere.AxeY;
    EXPECT_EQ(x.Xsup, QStringLiteral("pi"));
    EXPECT_DOUBLE_EQ(x.Max, M_PI);
    EXPECT_EQ(y.TypeEchelle, EchelleLog);
    EXPECT_DOUBLE_EQ(y.Min, 0.1);
    EXPECT_FALSE(x.Axe.Visible);
    EXPECT_TRUE(x.Lateral);
    EXPECT_FALSE(x.VecteurUnitaire);
    EXPECT_EQ(x.Axe.Epaisseur, 3);
    EXPECT_EQ(x.Axe.Style, 1);
    EXPECT_EQ(y.Decalage, 20);
    EXPECT_EQ(x.Pas1er + x.Pas2nd + x.Debut, QStringLiteral("0.50.1-2"));
    EXPECT_EQ(x.Style, 2);
    EXPECT_EQ(x.Epaisseur, 2);
    EXPECT_NE(x.Visible, GCRepere(true, 600, 400).AxeX.Visible);
    EXPECT_FALSE(y.Graduation);
    EXPECT_EQ(x.Unite, QStringLiteral("cm"));
    EXPECT_EQ(y.FormatGraduation, 2);
    EXPECT_EQ(x.Axe.Couleur, RVB(255, 0, 0));
    EXPECT_EQ(y.Couleur, RVB(255, 0, 0));

    // The document lines read back into another frame give the same lines.
    const QStringList apres = Lignes(repere);
    GCRepere relu(true, 600, 400);
    int i = 0;
    ASSERT_TRUE(relu.Lit(apres, i));
    EXPECT_EQ(Lignes(relu), apres);
}

}  // namespace
