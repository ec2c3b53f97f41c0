// Printing a document to a PDF file: the page, read back by pdftoppm and pdftotext, shows
// the curves at the width asked in millimetres, the legend of every curve on as many pages
// as it needs; sizes that cannot be printed are refused before anything is written.
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>

#include "dialogs/GestImp.h"
#include "dialogs/pilote_saisie.h"
#include "graph/aires/GCAire.h"
#include "graph/document/GCDocument.h"

namespace {

class Impression : public SaisieTest {
protected:
    Impression()
    {
        doc.Repere.SetVisibilites(false, false, false, false);
        doc.Repere.SetVecteursUnitaires(false, false);
        ajoute("0");
    }
    void ajoute(const QString& formule)
    {
        PtrCourbe c = CreeCourbe('Y', 1, nouveauNumero());
        ASSERT_TRUE(static_cast<GCY*>(c.get())->FixeLibelles(formule, ""));
        c->NouvelIdentifiant();
        doc.Dessin.AjouteCourbe(c);
    }
    // Prints to a PDF file; the refusal, if any.
    QString imprime(const OptionsImpression& o)
    {
        QPrinter p(QPrinter::HighResolution);
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setPageSize(QPageSize(QPageSize::A4));
        p.setOutputFileName(pdf);
        return ImprimeDocument(doc, 400, p, o);
    }
    // The longest run of dark pixels in a row of the first page at 72 dpi (1 px = 25.4/72 mm).
    int plusLongTrait()
    {
        QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", "-f", "1", pdf, dossier.filePath("page")});
        const QImage page(dossier.filePath("page.png"));
        EXPECT_FALSE(page.isNull());
        int plus = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0, n = 0; x < page.width(); ++x) {
                n = qGray(page.pixel(x, y)) < 128 ? n + 1 : 0;
                plus = std::max(plus, n);
            }
        return plus;
    }

    GCDocument doc{1, 400, 400};
    QTemporaryDir dossier;
    QString pdf = dossier.filePath("sortie.pdf");
};

}  // namespace

TEST_F(Impression, CourbesImprimeesALaLargeurDemandeeEtLegendeSurPlusieursPages)
{
    OptionsImpression o;
    o.cadre = false;
    o.hauteur = "50";
    ASSERT_EQ(imprime(o), QString());
    EXPECT_NEAR(plusLongTrait() * 25.4 / 72, 100, 1.5);   // y = 0 across the plot
    o.largeur = "150";
    ASSERT_EQ(imprime(o), QString());
    EXPECT_NEAR(plusLongTrait() * 25.4 / 72, 150, 1.5);
    o.cadre = true;
    ASSERT_EQ(imprime(o), QString());
    EXPECT_GT(plusLongTrait() * 25.4 / 72, 150.5);   // the frame: picture and both margins

    // Forty curves listed: two pages, every description on them.
    for (int k = 1; k < 40; ++k)
        ajoute(QString("x+%1").arg(k));
    o.listeFonctions = true;
    o.titre = "Devoir 3";
    ASSERT_EQ(imprime(o), QString());
    QByteArray texte;
    QProcess p;
    p.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    texte = p.readAllStandardOutput();
    EXPECT_GE(texte.count('\f'), 2);
    EXPECT_TRUE(texte.contains("Devoir 3"));
    for (int k = 1; k < 40; ++k)
        EXPECT_TRUE(texte.contains(QString("x+%1").arg(k).toUtf8())) << k;
}

TEST_F(Impression, AiresDuFondCouvrentToutLeDessinImprime)
{
    auto a = std::make_shared<GCAire>(nouveauNumero(), 1);
    const QStringList lignes{"y<x+100"};   // the whole view
    ListeIneq relations;
    ASSERT_FALSE(AnalyseInequations(lignes, relations));
    a->FixeContraintes(lignes);
    a->FixeInequations(relations);
    a->FixeCouleur(0x0000FF);   // red
    doc.Aires.Ajoute(a);
    doc.Fenetre.ModeFond = 2;
    OptionsImpression o;
    o.cadre = false;
    o.largeur = o.hauteur = "50";
    ASSERT_EQ(imprime(o), QString());
    QProcess::execute("pdftoppm", {"-r", "72", "-png", "-singlefile", pdf, dossier.filePath("aire")});
    const QImage page(dossier.filePath("aire.png"));
    // Near the bottom right corner of the 50 mm picture, well past the window's own size.
    const int bord = int(47 / 25.4 * 72);
    const QColor c = page.pixelColor(bord, bord);
    EXPECT_TRUE(c.red() > 240 && c.green() < 16 && c.blue() < 16) << c.name().toStdString();
    EXPECT_TRUE(doc.AiresARecalculer);
}

TEST_F(Impression, TaillesImpossiblesAImprimerRefuseesSansRienChanger)
{
    doc.Repere.SetNorme(true);
    const struct {
        const char *largeur, *hauteur, *message;
    } cas[] = {
        {"0", "100", "Largeur incorrecte !"},     {"abc", "100", "Largeur incorrecte !"},
        {"100", "-3", "Hauteur incorrecte !"},    {"250", "100", "Largeur trop grande !"},
        {"100", "400", "Hauteur trop grande !"},
    };
    for (const auto& c : cas) {
        SCOPED_TRACE(c.largeur);
        OptionsImpression o;
        o.largeur = c.largeur;
        o.hauteur = c.hauteur;
        EXPECT_EQ(imprime(o), c.message);
        EXPECT_FALSE(QFile::exists(pdf));
    }
    // The page's width less a millimetre fits, but not with the margins.
    QPrinter p(QPrinter::HighResolution);
    p.setPageSize(QPageSize(QPageSize::A4));
    OptionsImpression large;
    large.largeur = QString::number(p.pageLayout().paintRect(QPageLayout::Millimeter).width() - 1);
    EXPECT_EQ(imprime(large), "Largeur trop grande !");
    // A picture too small to keep the frame orthonormal leaves the window's frame as it was.
    OptionsImpression o;
    o.largeur = "1";
    o.hauteur = "1";
    EXPECT_EQ(imprime(o), QString());
    EXPECT_TRUE(doc.Repere.EstNorme());
    EXPECT_EQ(etatGraphe().FacteurEchelle, 1.0);
    EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(Impression, SansImprimanteLaFicheLeDitEtImprimeDansUnPdf)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "une imprimante est installée";
    TFormImp f(doc, 400);
    EXPECT_EQ(f.EdHaut->text(), " 100");
    boites.fichierEcriture = pdf;
    Clique(f.ButImp);
    EXPECT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(f.result(), QDialog::Accepted);
}
