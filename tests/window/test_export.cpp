// The window's picture files (JPEG, bitmap, metafile) written through the Fichier menu and
// opened again by other readers: the bitmap is the screen itself, the JPEG within its loss,
// the metafile as another program renders it; the window's own layers are left alone.
#include <QAction>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "dialogs/pilote_saisie.h"
#include "graph/export/imagefichier.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class ExportTest : public FenetreTest {
protected:
    // Runs an outside program in the folder; its error output when it fails.
    static QString Lance(const QString& programme, const QStringList& arguments, const QString& dossier)
    {
        QProcess p;
        p.setWorkingDirectory(dossier);
        p.start(programme, arguments);
        if (!p.waitForFinished(120000))
            return programme + QStringLiteral(" : ne se lance pas");
        if (p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
            return programme + QStringLiteral(" : ") + QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }
    // The mean difference over the picture, per channel.
    static double EcartMoyen(const QImage& a, const QImage& b)
    {
        const QImage x = a.convertToFormat(QImage::Format_RGB32), y = b.convertToFormat(QImage::Format_RGB32);
        double somme = 0;
        for (int j = 0; j < x.height(); ++j)
            for (int i = 0; i < x.width(); ++i) {
                const QRgb p = x.pixel(i, j), q = y.pixel(i, j);
                somme += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
            }
        return somme / (3.0 * x.width() * x.height());
    }
    QByteArray Exporte(TForm1& f, const char* article, const QString& nom)
    {
        boites.fichierEcriture = dossier.filePath(nom);
        f.action(QString::fromLatin1(article))->trigger();
        traiteEvenements();
        QFile fichier(boites.fichierEcriture);
        return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
    }

    QTemporaryDir dossier;
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

}  // namespace

TEST_F(ExportTest, ChaqueFormatContientLEcranSansToucherLaFenetre)
{
    TForm1 f(1);
    f.fixeTailleClient(300, 220);
    AjouteCourbeY(f, QStringLiteral("sin(x)"));
    auto carre = AjouteCourbeY(f, QStringLiteral("x^2/4"));
    AjouteTexte(f, QStringLiteral("Été"));
    AjouteAire(f, QStringLiteral("x^2+y^2<=4"), 0xFFC080);
    Peint(f);
    const QImage ecran = f.Affichage();
    ASSERT_FALSE(ecran.isNull());

    // The bitmap is the screen, pixel for pixel; the JPEG within its loss.
    QImage bmp, jpg;
    ASSERT_TRUE(bmp.loadFromData(Exporte(f, "Images1", "f.bmp"), "BMP"));
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), ecran);
    const QByteArray jpeg = Exporte(f, "HGL1", "f.jpg");
    EXPECT_TRUE(jpeg.startsWith("\xFF\xD8\xFF"));
    ASSERT_TRUE(jpg.loadFromData(jpeg, "JPG"));
    EXPECT_EQ(jpg.size(), ecran.size());
    // Thin coloured grid lines lose most at the default quality.
    EXPECT_LT(EcartMoyen(jpg, ecran), 15.0);

    // The metafile: a real reader converts it, and finds the screen's picture stretched over
    // the whole window.
    ASSERT_FALSE(Exporte(f, "Metafile1", "f.wmf").isEmpty());
    ASSERT_EQ(Lance(QStringLiteral("wmf2svg"), {"-o", "f.svg", "f.wmf"}, dossier.path()), QString());
    QFile svg(dossier.filePath("f.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QString texte = QString::fromUtf8(svg.readAll());
    EXPECT_TRUE(texte.contains(QStringLiteral("<svg width=\"300\" height=\"220\"")));
    EXPECT_TRUE(texte.contains(QStringLiteral("<image x=\"0.000000\" y=\"0.000000\" width=\"300.000000\" "
                                              "height=\"220.000000\"")));
    EXPECT_EQ(QImage(dossier.filePath("f-1.png")).convertToFormat(QImage::Format_RGB32), ecran);

    // Exports draw apart from the window: two in a row are alike, and a curve deleted after
    // one is gone from the screen and the next file.
    EXPECT_EQ(Exporte(f, "Images1", "g.bmp"), Exporte(f, "Images1", "f.bmp"));
    f.Dessin().RetireCourbe(carre->Numero);
    f.AiresARecalculer = true;
    Peint(f);
    ASSERT_TRUE(bmp.loadFromData(Exporte(f, "Images1", "f.bmp"), "BMP"));
    EXPECT_NE(f.Affichage(), ecran);
    EXPECT_EQ(bmp.convertToFormat(QImage::Format_RGB32), f.Affichage());
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
}

TEST_F(ExportTest, FichiersImpossiblesAEcrireSignalesEtDialoguesAnnulesSansEffet)
{
    TForm1 f(1);
    f.fixeTailleClient(120, 90);
    Peint(f);
    boites.fichierEcriture.clear();
    f.action(QStringLiteral("Images1"))->trigger();
    EXPECT_TRUE(inter.messages.isEmpty());

    for (const char* article : {"HGL1", "Images1", "Metafile1"}) {
        inter.messages.clear();
        boites.fichierEcriture = dossier.filePath(QStringLiteral("absent/f"));
        f.action(QString::fromLatin1(article))->trigger();
        ASSERT_EQ(inter.messages.size(), 1) << article;
        EXPECT_TRUE(inter.messages.at(0).startsWith(QStringLiteral("Impossible d'enregistrer"))) << article;
    }
    // A metafile holds sides of 32767 pixels at most.
    EXPECT_TRUE(ImageVersWmf(QImage(CoteMaxWmf + 1, 1, QImage::Format_RGB32)).isEmpty());
    EXPECT_FALSE(ImageVersWmf(QImage(CoteMaxWmf, 1, QImage::Format_RGB32)).isEmpty());
}

// The PSTricks document compiles (latex, dvips, ps2pdf) and its page shows the curves in
// their colours, with accented and special characters in the texts and a log axis.
TEST_F(ExportTest, DocumentPSTricksCompileEtMontreLesCourbes)
{
    TForm1 f(1);
    f.fixeTailleClient(512, 400);
    auto rouge = AjouteCourbeY(f, QStringLiteral("1/x"));
    rouge->Couleur = RVB(255, 0, 0);
    rouge->Epaisseur = 2;
    auto bleue = AjouteCourbeY(f, QStringLiteral("exp(x)"));
    bleue->Couleur = RVB(0, 0, 255);
    bleue->Epaisseur = 2;
    AjouteTexte(f, QStringLiteral("Été « courbe » : 20 % & #1, π"));
    AjouteAire(f, QStringLiteral("x^2+y^2<=4"), 0xFFC080);
    for (const bool log : {false, true}) {
        if (log)
            f.Repere().FixeBornes("-5", "5", EchelleArith, "-5", "0", "1", "0.01", "100", EchelleLog, "0.01", "0", "1");
        Peint(f);
        const QByteArray tex = Exporte(f, "PSTricks1", "f.tex");
        ASSERT_FALSE(tex.isEmpty());
        EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
        const QString d = dossier.path();
        ASSERT_EQ(Lance("latex", {"-interaction=nonstopmode", "-halt-on-error", "f.tex"}, d), QString()) << tex.toStdString();
        ASSERT_EQ(Lance("dvips", {"-q", "f.dvi", "-o", "f.ps"}, d), QString());
        ASSERT_EQ(Lance("ps2pdf", {"f.ps", "f.pdf"}, d), QString());
        ASSERT_EQ(Lance("pdftoppm", {"-r", "50", "-png", "-singlefile", "f.pdf", "page"}, d), QString());
        const QImage page = QImage(dossier.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
        ASSERT_FALSE(page.isNull());
        int rouges = 0, bleus = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x) {
                const QColor c(page.pixel(x, y));
                rouges += c.red() > 200 && c.green() < 80 && c.blue() < 80;
                bleus += c.blue() > 200 && c.red() < 80 && c.green() < 80;
            }
        EXPECT_GT(rouges, 40) << log;
        EXPECT_GT(bleus, 20) << log;
    }
}
