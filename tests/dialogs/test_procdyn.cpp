// The dynamic-process dialog on Julia and Mandelbrot areas, driven through its widgets: what
// it shows for each kind, what it stores, its checks, and the palette grid, period and files.
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

#include "dialogs/dialogues.h"
#include "dialogs/procdyn.h"
#include "graph/aires/GCProcDyn.h"
#include "pilote_saisie.h"

namespace {

class ProcDynTest : public SaisieTest {
protected:
    void SetUp() override
    {
        etatGraphe().DossierProgramme = dossier.path();
        ASSERT_TRUE(InstallePaletteParDefaut());
    }
    QTemporaryDir dossier;
};

TEST_F(ProcDynTest, NouveauMandelbrotSaisiEtStockeAvecLesChecks)
{
    GCProcDyn m(7, QLatin1Char('M'), 1);
    QuandModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Saisie d'un processus dynamique : ensemble de Mandelbrot"));
        EXPECT_FALSE(Enfant<QLineEdit>(w, "Edxmin")->isVisible());
        EXPECT_TRUE(Enfant<QLineEdit>(w, "EdBorni")->isVisible());
        EXPECT_EQ(Enfant<QLabel>(w, "LabelPas")->text(), QStringLiteral("Nombre maximal d'itérations :"));
        EXPECT_EQ(Enfant<QLineEdit>(w, "EdNomCrb")->text(), QStringLiteral("Mandelbrot_7"));
        // A new area shows the palette selected in the list: the default one.
        auto* f = qobject_cast<TsaisPrDyn*>(w);
        ASSERT_NE(f, nullptr);
        EXPECT_EQ(f->palette(), PaletteParDefaut());
        EXPECT_EQ(Enfant<QListWidget>(w, "MapListBox")->currentItem()->text(), QStringLiteral("GCPal0.map"));
        Tape(Enfant<QLineEdit>(w, "edLib1"), QStringLiteral("x^2-y^2+a"));
        Tape(Enfant<QLineEdit>(w, "edLib2"), QStringLiteral("2*x*y+b"));
        Tape(Enfant<QLineEdit>(w, "edSeuil"), QStringLiteral("4,5"));
        Tape(Enfant<QLineEdit>(w, "Edpas"), QStringLiteral("2E7"));
        Tape(Enfant<QLineEdit>(w, "Edborns"), QStringLiteral("0.1"));
        Clique(Enfant<QPushButton>(w, "BitBtn2"));
        EXPECT_TRUE(w->isVisible());
        EXPECT_EQ(inter.messages, (QStringList{QStringLiteral("Le nombre maximal d'itérations ne peut dépasser 10000000."),
                                               QStringLiteral("Erreur de syntaxe dans Seuil (module infini)")}));
        Tape(Enfant<QLineEdit>(w, "edSeuil"), QStringLiteral("4"));
        Tape(Enfant<QLineEdit>(w, "Edpas"), QStringLiteral("2^8"));
        Clique(Enfant<QPushButton>(w, "BitBtn2"));
    });
    ASSERT_TRUE(m.Modifie(true));
    EXPECT_EQ(inter.messages.size(), 2);
    EXPECT_EQ(m.Contraintes(), (QStringList{"x^2-y^2+a", "2*x*y+b"}));
    EXPECT_EQ(m.Seuil(), QStringLiteral("4"));
    EXPECT_EQ(m.IterationsMax(), 256);
    EXPECT_EQ(m.ValeurInitiale(1), QStringLiteral("0.1"));
    EXPECT_EQ(m.Couleurs(), PaletteParDefaut());
    EXPECT_EQ(m.FichierPalette(), QStringLiteral("GCPal0.map"));
    EXPECT_TRUE(m.Empreinte().startsWith(QStringLiteral("7")));
}

TEST_F(ProcDynTest, PaletteGrillePeriodeEtFichiers)
{
    // An area edited again keeps its own colours at the show; Xo and Yo belong to Mandelbrot.
    GCProcDyn j(3, QLatin1Char('J'), 1);
    Palette noire{};
    j.FixeCouleurs(noire);
    QFile vide(QDir(DossierPalettes()).filePath(QStringLiteral("vide.map")));
    ASSERT_TRUE(vide.open(QIODevice::WriteOnly));
    vide.close();
    TsaisPrDyn f;
    PrepareProcessusAire(f, j, false);
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    EXPECT_EQ(f.palette(), noire);
    EXPECT_FALSE(f.EdBorni->isVisible());

    // Typing 64 gives a 64-periodic palette, never a 6-periodic one; 0 cannot be entered.
    // A click on a file in the list loads it; one that gives no colour leaves the grid.
    const auto cliqueFichier = [&f](int i) {
        QTest::mouseClick(f.MapListBox->viewport(), Qt::LeftButton, {},
                          f.MapListBox->visualItemRect(f.MapListBox->item(i)).center());
    };
    ASSERT_EQ(f.MapListBox->count(), 2);
    cliqueFichier(1);
    EXPECT_EQ(f.palette(), noire);
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].contains(QStringLiteral("ne contient aucune couleur")));
    inter.messages.clear();
    cliqueFichier(0);
    ASSERT_EQ(f.palette(), PaletteParDefaut());
    const Palette defaut = PaletteParDefaut();
    // (The value is taken when the box is left.)
    f.edper->setFocus();
    f.edper->selectAll();
    QTest::keyClicks(f.edper, QStringLiteral("6"));
    EXPECT_EQ(f.palette(), defaut);
    QTest::keyClicks(f.edper, QStringLiteral("4"));
    f.edper->clearFocus();
    EXPECT_EQ(f.edper->value(), 64);
    for (int n = 0; n < NbCouleursPalette; ++n)
        ASSERT_EQ(f.palette()[std::size_t(n)], defaut[std::size_t(n % 64)]) << n;
    f.edper->setFocus();
    f.edper->selectAll();
    QTest::keyClicks(f.edper, QStringLiteral("0"));
    f.edper->clearFocus();
    EXPECT_GE(f.edper->value(), 3);

    // With period 16 a click on entry 3 colours entries 3, 19, ..., 243.
    f.edper->setValue(16);
    QTest::mouseClick(f.DrawGrid1, Qt::LeftButton, {}, GrillePalette::CentreEntree(3));
    for (int n = 0; n < NbCouleursPalette; ++n)
        ASSERT_EQ(f.palette()[std::size_t(n)] == DeQColor(Qt::red), n % 16 == 3) << n;
    EXPECT_TRUE(f.paletteModifiee());

    // Saved into the palette folder, listed and selected; read back the same.
    boites.fichierEcriture = QDir(DossierPalettes()).filePath(QStringLiteral("rouge.map"));
    Clique(f.sauvPal);
    EXPECT_EQ(boites.propose, QDir(DossierPalettes()).filePath(QStringLiteral("GCPal0.map")));
    EXPECT_FALSE(f.paletteModifiee());
    EXPECT_EQ(f.paletteChoisie(), QStringLiteral("rouge.map"));
    Palette relue{};
    ASSERT_TRUE(ChargePaletteNommee(QStringLiteral("rouge.map"), relue));
    EXPECT_EQ(relue, f.palette());

    // An edit not saved: said at the confirmation, which goes on.
    QTest::mouseClick(f.DrawGrid1, Qt::LeftButton, {}, GrillePalette::CentreEntree(0));
    f.edLib1->setText(QStringLiteral("x"));
    f.edLib2->setText(QStringLiteral("y"));
    Clique(f.BitBtn2);
    EXPECT_EQ(f.result(), QDialog::Accepted);
    ASSERT_EQ(inter.messages.size(), 1) << inter.messages.join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(inter.messages[0].startsWith(QStringLiteral("Les couleurs modifiées")));
    LitProcessusAire(f, j, false);
    EXPECT_EQ(j.Periode(), 16);
    EXPECT_EQ(j.FichierPalette(), QStringLiteral("rouge.map"));
    EXPECT_EQ(j.CouleurTable(1, 3), DeQColor(Qt::red));
}

}  // namespace
