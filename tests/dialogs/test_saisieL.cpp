// The point-list dialog driven through its own widgets: a list typed, written and stored,
// the close checks, typed points kept when a name is typed, the label and font insertions
// of its pop-up, and the point-style dialog.
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFontDialog>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "dialogs/dialogues.h"
#include "dialogs/saisieL.h"
#include "dialogs/stylept.h"
#include "graph/courbes/GCCourbe.h"
#include "pilote_saisie.h"

namespace {

class SaisieLTest : public SaisieTest {
protected:
    void SetUp() override
    {
        SaisieTest::SetUp();
        ASSERT_TRUE(dossier.isValid());
        etatSaisie().DossierPoints = dossier.path();
    }
    QByteArray contenu(const QString& nom)
    {
        QFile f(dossier.filePath(nom));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<absent>");
    }
    QTemporaryDir dossier;
};

TEST_F(SaisieLTest, UneListeSaisieEstEcriteEtStockee)
{
    GCCourbe c(QLatin1Char('L'), 1, 4);
    QuandModal([&](QWidget* w) {
        EXPECT_EQ(w->windowTitle(), QStringLiteral("Liste (nuage) de points"));
        EXPECT_FALSE(Enfant<QLineEdit>(w, "EdPas")->isVisible());
        Tape(Enfant<QLineEdit>(w, "Nomfic"), QStringLiteral("mesures\\essai.txt"));
        Enfant<QPlainTextEdit>(w, "Memo1")->insertPlainText(QStringLiteral("1;2\n3 4;A;bd\n"));
        Clique(Enfant<QCheckBox>(w, "CBbaton"));
        Enfant<QComboBox>(w, "CBStyle")->setCurrentIndex(1);
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(c.Modifie(true));
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join(' ').toStdString();
    EXPECT_EQ(contenu("mesures/essai.txt"), QByteArray("1;2\r\n3 4;A;bd\r\n"));
    EXPECT_EQ(c.Libelle1, dossier.filePath("mesures/essai.txt"));
    EXPECT_TRUE(c.Batons);
    EXPECT_EQ(c.Style, 1);
    EXPECT_EQ(c.Pilotage, QStringList({"aucun", "aucun"}));

    // Opened again, the form shows the file; an edit is written back.
    QuandModal([&](QWidget* w) {
        EXPECT_EQ(Enfant<QLineEdit>(w, "Nomfic")->text(), QStringLiteral("essai.txt"));
        auto* memo = Enfant<QPlainTextEdit>(w, "Memo1");
        EXPECT_EQ(memo->toPlainText(), QStringLiteral("1;2\n3 4;A;bd"));
        memo->moveCursor(QTextCursor::End);
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("5;6"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    ASSERT_TRUE(c.Modifie(false));
    EXPECT_EQ(contenu("mesures/essai.txt"), QByteArray("1;2\r\n3 4;A;bd\r\n5;6\r\n"));
}

TEST_F(SaisieLTest, VerificationsDeFermetureEtPointsTapesGardes)
{
    QFile existant(dossier.filePath("mesure"));
    ASSERT_TRUE(existant.open(QIODevice::WriteOnly));
    existant.write("7;8\r\n");
    existant.close();

    TSaisieL f;
    f.show();
    auto essaie = [&](const QString& nom, const QString& points) {
        inter.messages.clear();
        f.Nomfic->setText(nom);
        f.Memo1->setPlainText(points);
        Clique(f.ButOK);
        EXPECT_TRUE(f.isVisible()) << nom.toStdString();
        return inter.messages.value(0);
    };
    EXPECT_EQ(essaie(QString(), QStringLiteral("1;2")), QStringLiteral("Vous n'avez pas donné de nom au fichier !"));
    EXPECT_EQ(essaie(QStringLiteral("1points"), QStringLiteral("1;2")), QStringLiteral("Nom de fichier incorrect !"));
    EXPECT_EQ(essaie(QStringLiteral("vide"), QStringLiteral("\n  \n")), QStringLiteral("Attention! Fichier vide."));
    f.montreDebutPas(true);
    f.EdPas->setText(QStringLiteral("0.1*"));
    EXPECT_EQ(essaie(QStringLiteral("ok"), QStringLiteral("1;2")), QStringLiteral("Erreur de syntaxe dans Pas"));
    EXPECT_EQ(contenu("vide"), QByteArray("<absent>"));
    EXPECT_EQ(contenu("ok"), QByteArray("<absent>"));
    f.EdPas->setText(QStringLiteral("0.1"));
    Clique(f.ButOK);
    EXPECT_FALSE(f.isVisible());
    EXPECT_EQ(contenu("ok"), QByteArray("1;2\r\n"));

    // Points typed before the name survive a name that passes through an existing file.
    f.Nomfic->clear();
    f.Memo1->clear();
    f.Memo1->document()->setModified(false);
    QTest::keyClicks(f.Memo1, QStringLiteral("5;6"));
    Tape(f.Nomfic, QStringLiteral("mesure2"));
    EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("5;6"));
    // An untouched memo shows the file named.
    f.Memo1->document()->setModified(false);
    Tape(f.Nomfic, QStringLiteral("mesure"));
    EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("7;8"));
}

TEST_F(SaisieLTest, PositionsPoliceEtStyleDesPoints)
{
    TSaisieL f;
    auto choisit = [&](const char* bouton) {
        QuandModal([=](QWidget* p) { Clique(Enfant<QToolButton>(p, bouton)); });
        f.popup->findChild<QAction*>(QStringLiteral("ajouter"))->trigger();
    };
    choisit("sb4");   // bottom right
    choisit("sb8");   // the centre inserts nothing
    choisit("sb0");
    EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("bdhg"));

    f.Memo1->clear();
    QuandModal([](QWidget* p) {
        auto* boite = qobject_cast<QFontDialog*>(p);
        ASSERT_NE(boite, nullptr);
        QFont police(QStringLiteral("DejaVu Sans"), 12);
        police.setBold(true);
        boite->setCurrentFont(police);
        boite->accept();
    });
    f.popup->findChild<QAction*>(QStringLiteral("inserer"))->trigger();
    EXPECT_EQ(f.Memo1->toPlainText(), QStringLiteral("§DejaVu Sans;clBlack;12;1;0;0;0;"));

    // The point style: fill colour shown only when filled; an emptied angle reads 0.
    GCPoint p;
    p.Angle = 30;
    Tstylept s(p);
    s.show();
    EXPECT_FALSE(s.edcoul->isVisible());
    Clique(s.cbRempli);
    EXPECT_TRUE(s.edcoul->isVisible());
    s.cbType->setCurrentIndex(5);
    s.edangle->selectAll();
    QTest::keyClick(s.edangle, Qt::Key_Delete);
    QTest::keyClick(s.edangle, Qt::Key_Return);
    EXPECT_EQ(s.edangle->text(), QStringLiteral("0"));
    GCPoint lu;
    s.lit(lu);
    EXPECT_EQ(lu.TypePoint, 5);
    EXPECT_TRUE(lu.Rempli);
    EXPECT_EQ(lu.Angle, 0);
}

}  // namespace
