// The sample-value sheet: its statistics against sums done here, the forecast columns and
// formulas, and the save of a selection.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>

#include "dialogs/aide.h"
#include "dialogs/pilote_saisie.h"
#include "dialogs/voirechant.h"
#include "expression/formatage.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

std::vector<FeuilleValeurs> Feuille(std::vector<double> x, std::vector<double> y)
{
    FeuilleValeurs f;
    f.titre = "essai";
    f.x = std::move(x);
    f.y = std::move(y);
    return {f};
}

// The fields of "Informations statistiques" after S&tatistiques.
QStringList Statistiques(TEchant& e, const std::vector<const char*>& champs)
{
    QStringList textes;
    QuandModal([&](QWidget* w) {
        for (const char* nom : champs)
            textes << Enfant<QLineEdit>(w, nom)->text();
        Clique(Enfant<QPushButton>(w, "ButFin"));
    });
    Clique(e.ButStat);
    return textes;
}

void Selectionne(FeuilleCalcul* f, std::initializer_list<QTableWidgetSelectionRange> plages)
{
    f->clearSelection();
    for (const auto& p : plages)
        f->setRangeSelected(p, true);
}

class Echantillons : public SaisieTest {};

}  // namespace

TEST_F(Echantillons, StatistiquesEgalesACellesCalculeesIciEtIndefiniesSignalees)
{
    const std::vector<double> x{1, 2, 4, 7, 11}, y{2, 1, 5, 4, 9};
    TEchant e(Feuille(x, y));
    double mx = 0, my = 0;
    for (std::size_t i = 0; i < 5; ++i)
        mx += x[i] / 5, my += y[i] / 5;
    double sxx = 0, syy = 0, sxy = 0;
    for (std::size_t i = 0; i < 5; ++i)
        sxx += (x[i] - mx) * (x[i] - mx), syy += (y[i] - my) * (y[i] - my), sxy += (x[i] - mx) * (y[i] - my);
    const double A = sxy / sxx, B = my - A * mx;
    double rr = 0;   // residuals, whose mean is 0
    for (std::size_t i = 0; i < 5; ++i)
        rr += std::pow(y[i] - A * x[i] - B, 2);
    const QStringList t = Statistiques(e, {"edminx", "edmaxy", "edmoyx", "edetx", "edety", "edmex", "edmey", "edcov",
                                           "edrho", "edetres", "eddte"});
    const std::vector<double> attendus{1, 9, mx, std::sqrt(sxx / 5), std::sqrt(syy / 5), 4, 4, sxy / 5,
                                       sxy / std::sqrt(sxx * syy), std::sqrt(rr / 3)};
    ASSERT_EQ(t.size(), 11);
    for (std::size_t k = 0; k < attendus.size(); ++k)
        EXPECT_NEAR(t[int(k)].toDouble(), attendus[k], 1e-4) << k;
    EXPECT_TRUE(t[10].startsWith("Y= ") && t[10].contains("X+ ")) << t[10].toStdString();

    // Rows (1,1), (2,3), (3,5): the exact line Y = 2X - 1; equal abscissae and two rows.
    TEchant droite(Feuille({1, 2, 3}, {1, 3, 5}));
    EXPECT_EQ(Statistiques(droite, {"edrho", "eddte", "edetres"}), (QStringList{"1", "Y= 2X+ -1", "0"}));
    TEchant egaux(Feuille({2, 2}, {1, 3}));
    EXPECT_EQ(Statistiques(egaux, {"edrho", "eddte", "edetres"}), (QStringList{"n.c.", "n.c.", "n.c."}));
    TEchant vide(Feuille({}, {}));
    Clique(vide.ButStat);
    EXPECT_EQ(inter.messages, QStringList{"Aucune valeur"});
}

TEST_F(Echantillons, ColonnesDePrevisionNEcrasentPasLesDonneesEtFormulesCalculees)
{
    TEchant e(Feuille({1, 2, 3}, {1, 3, 5}));
    FeuilleCalcul* f = e.feuille();
    // "Select my data", then Résidus: the formulas go to C, B keeps its values.
    Selectionne(f, {QTableWidgetSelectionRange(0, 0, 2, 1)});
    e.Previsions(1);
    EXPECT_EQ(f->formule(2, 2), "=B3-(2)*A3-(-1)");
    for (int l = 0; l < 3; ++l) {
        EXPECT_EQ(f->texte(l, 1), QString::number(2 * l + 1));
        EXPECT_EQ(f->texte(l, 2), "0");
    }
    // A selection ending in E: the forecasts go there.
    Selectionne(f, {QTableWidgetSelectionRange(0, 3, 0, 4)});
    e.Previsions(0);
    EXPECT_EQ(f->formule(2, 4), "=(2)*A3+(-1)");
    EXPECT_EQ(f->texte(2, 4), "5");
    EXPECT_TRUE(f->horizontalHeaderItem(4)->text().contains("Prévisions"));
    // Points on a line: no standardised deviation.
    Selectionne(f, {});
    e.Previsions(2);
    for (int l = 0; l < 3; ++l)
        EXPECT_EQ(f->texte(l, 2), "Erreur (div. par 0)");

    // Typed through the cell's editor: French names of formulas only.
    const struct {
        const char* tape;
        const char* formule;
        const char* montre;
    } cas[] = {
        {"=somme(A1:A3)", "=sum(A1:A3)", "6"},
        {"=moyenne(B1:B3)+racine(4)", "=average(B1:B3)+sqrt(4)", "5"},
        {"=ecartypeP(A1:A3)^2*3", "=stdevP(A1:A3)^2*3", "2"},
        {"moyenne des notes", "moyenne des notes", "moyenne des notes"},
        {"=F1+1", "=F1+1", "#ERREUR"},   // refers to itself
    };
    e.show();
    f->fixe(0, 5, "");
    for (const auto& c : cas) {
        SCOPED_TRACE(c.tape);
        f->setCurrentCell(0, 5);
        f->editItem(f->item(0, 5));
        QApplication::processEvents();
        auto* editeur = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        ASSERT_TRUE(editeur);
        editeur->setText(c.tape);
        QTest::keyClick(editeur, Qt::Key_Return);
        QApplication::processEvents();
        EXPECT_EQ(f->formule(0, 5), c.formule);
        EXPECT_EQ(f->texte(0, 5), c.montre);
    }
}

TEST_F(Echantillons, SelectionSauveeEnTexteSansRemplacerUnFichierSansDemander)
{
    TEchant e(Feuille({1, 2, 3}, {4, 5, 6}));
    FeuilleCalcul* f = e.feuille();
    f->fixe(0, 2, "7");
    Selectionne(f, {QTableWidgetSelectionRange(0, 0, 2, 2)});
    EXPECT_EQ(e.lignesSelection(), (QStringList{"1;7;", "2;;", "3;;"}));
    Selectionne(f, {QTableWidgetSelectionRange(1, 1, 2, 1)});
    EXPECT_EQ(e.lignesSelection(), (QStringList{"5", "6"}));
    Selectionne(f, {QTableWidgetSelectionRange(0, 0, 2, 0), QTableWidgetSelectionRange(1, 1, 2, 1)});
    EXPECT_EQ(e.lignesSelection(), (QStringList{"1;5;", "2;6;"}));

    QTemporaryDir d;
    const QString mesures = d.filePath("mesures.txt");
    ASSERT_TRUE(EcritFichierTexte(mesures, {"garder"}).ok);
    boites.fichierEcriture = d.filePath("mesures.csv");
    inter.reponses = {false};
    Clique(e.Butsave);
    EXPECT_EQ(inter.questions.size(), 1);
    EXPECT_EQ(LitFichierTexte(mesures).lignes, QStringList{"garder"});
    inter.reponses = {true};
    Clique(e.Butsave);
    EXPECT_EQ(LitFichierTexte(mesures).lignes, (QStringList{"1;5;", "2;6;"}));
    Selectionne(f, {});
    Clique(e.Butsave);
    EXPECT_EQ(inter.messages.size(), 1);
}

// Pasted text (Ctrl+V) lands from the current cell, tabs to the next column, lines to the
// next row, the sheet growing as needed; a decimal comma makes a number where it makes one.
// A column where each cell adds the two above it is computed in a moment however long it
// is; cells that refer to each other show the error, and so do the cells that depend on
// them, only those.
TEST_F(Echantillons, CollageEtendLaFeuilleEtCalculeChaqueCelluleUneFois)
{
    TEchant e(Feuille({1}, {1}));
    FeuilleCalcul* f = e.feuille();
    // Commas: a number, its sum and statistics; a text, a list and a formula unchanged.
    f->setCurrentCell(0, 0);
    QApplication::clipboard()->setText("30\t4,5\t=B1*2\tDupont, Jean\r\n1,5\t-2,25e1\t1,2,3\t=B1+0,5\r\n");
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->texte(0, 1), "4,5");
    EXPECT_EQ(f->texte(0, 2), "9");
    EXPECT_EQ(f->texte(0, 3), "Dupont, Jean");
    EXPECT_EQ(f->texte(1, 2), "1,2,3");
    EXPECT_EQ(f->texte(1, 3), "#ERREUR");
    double v = 0;
    ASSERT_TRUE(f->valeur(1, 1, v));
    EXPECT_EQ(v, -22.5);
    EXPECT_FALSE(f->valeur(1, 2, v));
    EXPECT_EQ(Statistiques(e, {"edmoyx", "edmoyy"}), (QStringList{"15.75", "-9"}));

    QStringList texte{"1\t=C1+1\tfin\t\t\tx", "1"};
    for (int n = 3; n <= 60; ++n)
        texte << QStringLiteral("=C%1+C%2").arg(n - 2).arg(n - 1);
    texte << "=C62" << "=C61\t=somme(C1:C3)" << "=C61+1\t=D62*2";
    f->setCurrentCell(0, 2);
    QApplication::clipboard()->setText(texte.join('\n') + '\n');
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f->rowCount(), 63);
    EXPECT_EQ(f->columnCount(), 8);
    for (int c = 2; c < 8; ++c)
        EXPECT_EQ(f->horizontalHeaderItem(c)->text(), NomColonne(c));
    EXPECT_EQ(f->texte(0, 3), "2");
    EXPECT_EQ(f->texte(0, 4), "fin");
    EXPECT_EQ(f->texte(39, 2), "102334155");   // the 40th Fibonacci number
    ASSERT_TRUE(f->valeur(59, 2, v));
    EXPECT_DOUBLE_EQ(v, 1548008755920.0);      // the 60th
    for (int l : {60, 61, 62})
        EXPECT_EQ(f->texte(l, 2), "#ERREUR") << l;
    EXPECT_EQ(f->formule(61, 3), "=sum(C1:C3)");
    EXPECT_EQ(f->texte(61, 3), "4");
    EXPECT_EQ(f->texte(62, 3), "8");
    EXPECT_EQ(f->texte(0, 0), "30");           // what was there stays

    // Each cell twice the one below, 150 rows: computed however far the chain goes.
    QStringList colonne;
    for (int n = 1; n < 150; ++n)
        colonne << QStringLiteral("=H%1+H%1").arg(n + 1);
    colonne << "=1";
    f->setCurrentCell(0, 7);
    QApplication::clipboard()->setText(colonne.join('\n'));
    QTest::keyClick(&e, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(f->valeur(0, 7, v));
    EXPECT_EQ(v, std::ldexp(1.0, 149));
    EXPECT_EQ(f->texte(0, 7), QString::fromStdString(ReelVersTexte(v)));
    EXPECT_EQ(f->texte(149, 7), "1");

    // F1: the help of the sheet.
    QTest::keyClick(&e, Qt::Key_F1);
    ASSERT_NE(FenetreAide(), nullptr);
    EXPECT_EQ(FenetreAide()->Texte->source().fileName(), "feuille.html");
}
