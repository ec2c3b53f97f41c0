// The implicit-curve dialog driven through its own widgets: each sub-type's fields, what is
// stored, the checks that keep it open, and the root-search settings with their refusals.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/dialogues.h"
#include "dialogs/saisieI.h"
#include "expression/etat.h"
#include "graph/courbes/GCI.h"
#include "pilote_saisie.h"

namespace {

using SaisieITest = SaisieTest;

TEST_F(SaisieITest, ChaqueSousTypeSesChampsEtCeQuiEstStocke)
{
    // An implicit curve: the formula only, stored and compiled with y as the second variable.
    GCI f(QLatin1Char('I'), 0, 1, 1);
    QuandModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Fonction implicite F(x,y)=0"));
        EXPECT_TRUE(Enfant<QLineEdit>(w, "EdLib1")->isVisible());
        EXPECT_FALSE(Enfant<QGroupBox>(w, "typeq")->isVisible());
        EXPECT_FALSE(Enfant<QLineEdit>(w, "EdCoefA")->isVisible());
        EXPECT_FALSE(Enfant<QCheckBox>(w, "CBconnect")->isChecked());
        Tape(Enfant<QLineEdit>(w, "EdLib1"), QStringLiteral("x^2+y^2-25"));
        Tape(Enfant<QLineEdit>(w, "Edxmin"), QStringLiteral("-4"));
        Clique(Enfant<QCheckBox>(w, "CBconnect"));
        Clique(Enfant<QRadioButton>(w, "RBaucun"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(f.Modifie(true));
    EXPECT_EQ(f.Libelle1, QStringLiteral("x^2+y^2-25"));
    EXPECT_EQ(f.Xinf, QStringLiteral("-4"));
    EXPECT_TRUE(f.Joint);
    VariablesEtat()[0] = 4;
    EXPECT_DOUBLE_EQ(EvalueArbre(f.Expression1, 3), 0);

    // A line: three coefficients and the choice of its two forms.
    GCI d(QLatin1Char('I'), 1, 1, 2);
    QuandModal([&](QWidget* w) {
        EXPECT_FALSE(Enfant<QLineEdit>(w, "EdLib1")->isVisible());
        EXPECT_TRUE(Enfant<QLineEdit>(w, "EdCoefC")->isVisible());
        EXPECT_FALSE(Enfant<QLineEdit>(w, "EdCoefD")->isVisible());
        EXPECT_FALSE(Enfant<QRadioButton>(w, "RBconique")->isEnabled());
        Clique(Enfant<QRadioButton>(w, "RBdroite2"));
        Tape(Enfant<QLineEdit>(w, "EdCoefA"), QStringLiteral("1"));
        Tape(Enfant<QLineEdit>(w, "EdCoefB"), QStringLiteral("a"));
        Tape(Enfant<QLineEdit>(w, "EdCoefC"), QStringLiteral("2"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(d.Modifie(true));
    EXPECT_EQ(d.SousType, 11);
    EXPECT_EQ(d.Libelle1, QStringLiteral("(1)*x+(a)*y-(2)"));
    EXPECT_TRUE(etatSaisie().ChoixParametresAuto);

    // A conic: six coefficients; the equation is written from them.
    GCI c(QLatin1Char('I'), 2, 1, 3);
    QuandModal([&](QWidget* w) {
        EXPECT_TRUE(Enfant<QLineEdit>(w, "EdCoefF")->isVisible());
        EXPECT_TRUE(Enfant<QRadioButton>(w, "RBconique")->isChecked());
        EXPECT_FALSE(Enfant<QRadioButton>(w, "RBdroite")->isEnabled());
        Tape(Enfant<QLineEdit>(w, "EdCoefA"), QStringLiteral("1"));
        Tape(Enfant<QLineEdit>(w, "EdCoefC"), QStringLiteral("1"));
        Tape(Enfant<QLineEdit>(w, "EdCoefF"), QStringLiteral("-1"));
        Enfant<QComboBox>(w, "CBepais")->setCurrentIndex(2);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(c.Modifie(true));
    EXPECT_EQ(c.Libelle1, QStringLiteral("(1)*x²+(0)*x*y+(1)*y²+(0)*x+(0)*y+(-1)"));
    EXPECT_EQ(c.Epaisseur, 3);
}

TEST_F(SaisieITest, UneErreurGardeLaFicheOuverte)
{
    GCI c(QLatin1Char('I'), 2, 1, 1);
    c.TextesCoefficients[0] = QStringLiteral("1");
    QuandModal([&](QWidget* w) {
        auto* ok = Enfant<QPushButton>(w, "ButOK");
        Tape(Enfant<QLineEdit>(w, "EdCoefB"), QStringLiteral("2*"));
        Tape(Enfant<QLineEdit>(w, "Edxmin"), QStringLiteral("("));
        Tape(Enfant<QLineEdit>(w, "Edpas"), QString());
        Clique(ok);
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(inter.messages, QStringList({QStringLiteral("Erreur de syntaxe dans Coefficient B"),
                                               QStringLiteral("Erreur de syntaxe dans Début du domaine"),
                                               QStringLiteral("Erreur de syntaxe dans le pas du tracé")}));
        Clique(Enfant<QPushButton>(w, "ButAnnul"));
    });
    EXPECT_FALSE(c.Modifie(false));
    EXPECT_EQ(c.TextesCoefficients[1], QStringLiteral("0"));

    GCI f(QLatin1Char('I'), 0, 1, 2);
    inter.messages.clear();
    QuandModal([&](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "EdLib1"), QStringLiteral("x+"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
        EXPECT_TRUE(w->isVisible());
        Clique(Enfant<QPushButton>(w, "ButAnnul"));
    });
    EXPECT_FALSE(f.Modifie(true));
    EXPECT_EQ(inter.messages, QStringList({QStringLiteral("Erreur de syntaxe dans le libellé n°1")}));
}

TEST_F(SaisieITest, DichotomiesVerifieesEtStockees)
{
    // Refusals keep the form open and change nothing.
    const std::pair<const char*, const char*> refus[] = {
        {"Edprecx", "0"}, {"Edprecy", "-1"}, {"EdNsi", "0"}, {"EdNsi", "2.5"}, {"EdFin", "-5"}, {"EdDeb", "1/0"}};
    for (const auto& [champ, texte] : refus) {
        TDicho d;
        Tape(Enfant<QLineEdit>(&d, champ), QString::fromLatin1(texte));
        d.show();
        Clique(d.ButOK);
        EXPECT_TRUE(d.isVisible()) << champ;
        d.reject();
    }
    EXPECT_EQ(inter.messages, QStringList({QStringLiteral("La précision en x doit être strictement positive !"),
                                           QStringLiteral("La précision en y doit être strictement positive !"),
                                           QStringLiteral("Le nombre de sous-intervalles doit être un entier de 1 à 100000 !"),
                                           QStringLiteral("Le nombre de sous-intervalles doit être un entier de 1 à 100000 !"),
                                           QStringLiteral("Attention : Début >= Fin !"),
                                           QStringLiteral("Valeur incorrecte dans Début")}));
    EXPECT_EQ(contexteCalcul().PrecisionXDicho, 0.01);

    // A round trip through the implicit-curve form in a French locale keeps 0.01, and new
    // values are stored.
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TSaisieI fiche;
    QuandModal([&](QWidget* d) {
        EXPECT_EQ(Enfant<QLineEdit>(d, "Edprecx")->text(), QStringLiteral("0.01"));
        Tape(Enfant<QLineEdit>(d, "EdFin"), QStringLiteral("2*PI"));
        Tape(Enfant<QLineEdit>(d, "EdNsi"), QStringLiteral("120"));
        Clique(Enfant<QPushButton>(d, "ButOK"));
    });
    Clique(fiche.ButSpecial);
    QLocale::setDefault(avant);
    const ContexteCalcul& ctx = contexteCalcul();
    EXPECT_EQ(ctx.PrecisionXDicho, 0.01);
    EXPECT_EQ(ctx.PrecisionYDicho, 1);
    EXPECT_EQ(ctx.SousIntervallesDicho, 120);
    EXPECT_EQ(ctx.DebutDicho, "-5");
    EXPECT_DOUBLE_EQ(EvalueTexte(ctx.FinDicho), 2 * M_PI);
}

}  // namespace
