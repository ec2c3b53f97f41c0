// "Texte à insérer" on its own: the macro builder and its choosers, the preview, the checks
// of the position, and the own label of a curve through the curve dialog's legend button.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "dialogs/dialogues.h"
#include "dialogs/dialtext.h"
#include "dialogs/saisieY.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "pilote_saisie.h"

namespace {

class DialTexteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* f : {"x^2", "sin(x)"}) {
            auto c = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
            ASSERT_TRUE(c->FixeLibelles(QString::fromLatin1(f), QString()));
            c->NouvelIdentifiant();
            dessin.AjouteCourbe(c);
        }
        aire = CreeAire('A', nouveauNumero(), 1);
        aire->FixeEmpreinte(QStringLiteral("9901/01/2026 10:00:00"));
        aires.Ajoute(aire);
    }
    ContexteTexte contexte() { return {&dessin, &aires, &repere}; }

    EtatNeuf<reinitialiseSaisie> etat_;
    InterlocuteurEnregistre inter;
    GardeValeur<Interlocuteur*> gardeInter_{etatGraphe().interlocuteur, &inter};
    GCDessin dessin;
    GCListAires aires{1};
    GCRepere repere{false, 400, 400};
    std::shared_ptr<GCAire> aire;
};

}  // namespace

TEST_F(DialTexteTest, LeConstructeurDeMacrosEcritSesMacrosEtLesObjetsChoisis)
{
    GCTexte texte(1, QStringLiteral("0"), QStringLiteral("0"), true, Police());
    texte.CourbeLib = QStringLiteral("gardée");
    Tdialogtxt f(texte, UsageTexte::Libre, contexte());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Texte à insérer"));
    EXPECT_FALSE(f.GBDecalage->isVisible());
    EXPECT_EQ(f.sujetAide(), 28);
    ASSERT_EQ(f.CBCrbPoint->count(), 3);
    EXPECT_EQ(f.CBCrbPoint->itemText(0), QStringLiteral("Non"));
    EXPECT_EQ(f.CBAire->count(), 2);

    // Each "Insérer" only once its curve or area is chosen; the macro goes at the caret.
    EXPECT_FALSE(f.BtPoint->isEnabled());
    Tape(f.Edit1, QStringLiteral("x="));
    f.CBCrbPoint->setCurrentIndex(2);
    f.CBPoint->setCurrentIndex(1);
    f.EdNoPoint->setValue(4);
    Clique(f.BtPoint);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("x=&abs"));
    f.cbStatno->setCurrentIndex(1);
    EXPECT_EQ(f.LBStat->currentText(), QStringLiteral("Covariance : &cov"));
    f.cbStatno->setCurrentIndex(0);
    EXPECT_EQ(f.LBStat->itemText(5), QStringLiteral("Médiane : &medx, &medy"));
    f.CBAire->setCurrentIndex(1);
    f.Edit1->setCursorPosition(0);
    Clique(f.BtAire);
    EXPECT_EQ(f.Edit1->text(), QStringLiteral("&aire0x=&abs"));
    QImage blanc(f.Apercu->image().size(), QImage::Format_RGB32);
    blanc.fill(Qt::white);
    EXPECT_NE(f.Apercu->image(), blanc) << "the preview draws the text";
    EXPECT_TRUE(f.LabErreur->text().isEmpty());

    f.EdOrient->setValue(-450);
    ASSERT_TRUE(f.ecritDans(texte));
    EXPECT_EQ(texte.GetTexte(), QStringLiteral("&aire0x=&abs"));
    EXPECT_EQ(texte.GetOrientation(), 3150);
    EXPECT_EQ(texte.NoPoint, 4);
    EXPECT_EQ(texte.CourbePoint, dessin.Courbes[1]->Identifiant);
    EXPECT_EQ(texte.Aire, aire->Empreinte());
    EXPECT_EQ(texte.CourbeLib, QStringLiteral("gardée")) << "\"Non\" leaves it";

    // Opened again: each chooser on the object the label names.
    Tdialogtxt g(texte, UsageTexte::Libre, contexte());
    EXPECT_EQ(g.CBCrbPoint->currentIndex(), 2);
    EXPECT_EQ(g.CBAire->currentIndex(), 1);
    EXPECT_EQ(g.CBCrbStat->currentIndex(), 0);
    Tape(g.Edit1, QStringLiteral("x^{2"));
    EXPECT_EQ(g.LabErreur->text(), QStringLiteral("erreur de syntaxe"));
}

TEST_F(DialTexteTest, UnePositionIllisibleGardeLaFicheOuverte)
{
    GCTexte texte(1, QStringLiteral("1"), QStringLiteral("2"), true, Police());
    const auto essai = [&](const QString& x, bool pixels) {
        bool ouverte = false;
        QuandModal([&](QWidget* w) {
            auto* f = static_cast<Tdialogtxt*>(w);
            f->CBPixels->setChecked(pixels);
            Tape(f->EdX, x);
            Clique(f->ButOK);
            ouverte = f->isVisible();
            if (ouverte)
                Clique(f->ButAnnul);
        });
        const bool ok = ModifieTexteDialogue(texte, UsageTexte::Libre, contexte());
        EXPECT_EQ(ouverte, !ok) << x.toStdString();
        return ok;
    };
    EXPECT_FALSE(essai(QStringLiteral("2*"), false));
    EXPECT_FALSE(essai(QStringLiteral("1.5"), true));
    EXPECT_EQ(inter.messages, (QStringList{QStringLiteral("Valeur X=2* incorrecte."),
                                           QStringLiteral("Valeur X=1.5 incorrecte.")}));
    EXPECT_TRUE(texte.EstExpression());
    EXPECT_TRUE(essai(QStringLiteral("pi/2"), false));
    QString x, y;
    texte.GetPositionTextes(x, y);
    EXPECT_EQ(x, QStringLiteral("pi/2"));

    // "en pixels" converts through the window's frame, both ways.
    Tdialogtxt f(texte, UsageTexte::Libre, contexte());
    Tape(f.EdX, QStringLiteral("0"));
    Tape(f.EdY, QStringLiteral("0"));
    f.CBPixels->click();
    const QPoint origine = repere.MondeVersPixel(0, 0);
    EXPECT_EQ(f.EdX->text(), QString::number(origine.x()));
    EXPECT_EQ(f.EdY->text(), QString::number(origine.y()));
    f.CBPixels->click();
    EXPECT_EQ(f.EdX->text().toDouble(), 0);
}

TEST_F(DialTexteTest, LeBoutonLegendeModifieLEtiquetteDeLaCourbe)
{
    auto c = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
    c->Libelle1 = QStringLiteral("x");
    TsaisieY fiche;
    PrepareSaisieY(fiche, *c, true);
    QuandModal([](QWidget* w) {
        auto* f = static_cast<Tdialogtxt*>(w);
        EXPECT_FALSE(f->GBAffichage->isVisible());
        EXPECT_FALSE(f->EdX->isVisible());
        EXPECT_EQ(f->sujetAide(), 29);
        Tape(f->Edit1, QStringLiteral("f(&x)"));
        f->dh->setValue(7);
        f->dv->setValue(-2);
        f->CBCote->setCurrentIndex(1);
        Clique(f->ButOK);
    });
    fiche.BtLegendClick();
    LitSaisieY(fiche, *c, true);
    ASSERT_TRUE(c->Etiquette);
    EXPECT_EQ(c->Etiquette->GetTexte(), QStringLiteral("f(&x)"));
    EXPECT_EQ(c->Etiquette->EcartX, 7);
    EXPECT_EQ(c->Etiquette->EcartY, -2);
    EXPECT_FALSE(c->Etiquette->ADroite);
}
