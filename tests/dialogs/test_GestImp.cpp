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
#include <QRegularExpression>
#include <QTemporaryDir>

#include "dialogs/GestImp.h"
#include "dialogs/affcom.h"
#include "dialogs/distinfo.h"
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
    // The text of the PDF file (pages end with a form feed).
    QString texteDuPdf()
    {
        QProcess p;
        p.start("pdftotext", {"-layout", pdf, "-"});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    // Its lines that are not empty, each one's blanks run together (the page number that
    // ends a page of text too).
    QStringList lignesDuPdf()
    {
        QStringList lignes;
        for (const QString& l : texteDuPdf().split('\n'))
            if (!l.simplified().isEmpty())
                lignes << l.simplified();
        return lignes;
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
    const QString texte = texteDuPdf();
    EXPECT_GE(texte.count('\f'), 2);
    EXPECT_TRUE(texte.contains("Devoir 3"));
    for (int k = 1; k < 40; ++k)
        EXPECT_TRUE(texte.contains(QString("x+%1").arg(k))) << k;
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

// On paper as on the screen: a curve 3 pixels wide and filled circles of size 4 keep their
// size in the picture (a pixel of the 400-pixel window is 0.25 mm of the 100 mm print), and
// a description longer than the page is wrapped, every character of it printed.
TEST_F(Impression, EpaisseursEtMarqueursALEchelleEtLegendeRepliee)
{
    doc.Dessin.Courbes[0]->Epaisseur = 3;          // y = 0
    doc.Dessin.Courbes[0]->Couleur = 0xFF0000;     // blue
    ajoute("2");
    auto& points = static_cast<GCY&>(*doc.Dessin.Courbes[1]);
    points.FixeBornes("-4", "4", "4");
    points.Joint = false;
    points.Couleur = points.Marqueur.Couleur = 0x0000FF;  // red
    points.Marqueur.TypePoint = PointCercle;
    points.Marqueur.Epaisseur = 4;
    points.Marqueur.Rempli = true;
    const QString longue = "1" + QString("+0*x").repeated(150);
    ajoute(longue);
    OptionsImpression o;
    o.cadre = false;
    o.largeur = o.hauteur = "100";
    o.listeFonctions = true;
    ASSERT_EQ(imprime(o), QString());

    constexpr double dpi = 150, mmParPixel = 25.4 / dpi;
    QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-png", "-singlefile", "-f", "1", pdf, dossier.filePath("echelle")});
    const QImage page(dossier.filePath("echelle.png"));
    ASSERT_FALSE(page.isNull());
    // The longest vertical run of pixels of a colour: the width of the line, the height of
    // a marker (the legend's strokes are as wide as the curves).
    const auto plusLongueColonne = [&](auto couleur) {
        int plus = 0;
        for (int x = 0; x < page.width(); ++x)
            for (int y = 0, n = 0; y < page.height(); ++y) {
                n = couleur(page.pixelColor(x, y)) ? n + 1 : 0;
                plus = std::max(plus, n);
            }
        return plus * mmParPixel;
    };
    const double ligne = plusLongueColonne([](QColor c) { return c.blue() > 150 && c.red() < 100 && c.green() < 100; });
    const double marqueur = plusLongueColonne([](QColor c) { return c.red() > 150 && c.blue() < 100 && c.green() < 100; });
    EXPECT_NEAR(ligne, 3 * 0.25, 0.3);
    EXPECT_NEAR(marqueur, 7 * 0.25, 0.3);   // a disc 2 x 4 - 1 pixels across

    QProcess p;
    p.start("pdftotext", {pdf, "-"});
    ASSERT_TRUE(p.waitForFinished(30000));
    QString texte = QString::fromUtf8(p.readAllStandardOutput());
    texte.remove(QRegularExpression("\\s"));
    EXPECT_TRUE(texte.contains(longue));
}

// The forms that print lines go through the same printer choice: with no printer, the
// message, then the PDF file, which holds their lines in order.
TEST_F(Impression, DistancesEtTextesSansImprimanteSImprimentDansUnPdf)
{
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "une imprimante est installée";
    boites.fichierEcriture = pdf;
    // A vertical segment: its slope reads -infini.
    Tinfodist distances(1, 2, 1, -3);
    Clique(distances.ButImp);
    EXPECT_EQ(inter.messages, QStringList{"Aucune imprimante n'est installée : l'impression se fera dans un fichier PDF."});
    EXPECT_EQ(lignesDuPdf(), (QStringList{"Premier point : A(1 ; 2)", "Second point : B(1 ; -3)",
                                      "*** Coordonnées du vecteur AB ***", "dx = 0", "dy = -5",
                                      "*** Pente de la droite (AB) ***", "dy/dx = -infini", "*** Distance AB ***",
                                      "d = 5", "1"}));

    // A text shown in its form: the title asked, then its lines.
    ASSERT_TRUE(QFile::remove(pdf));
    TQCForm texte;
    texte.montre({"Mesures du 3 mai", "u = 1,5 V"}, false);
    QuandModal([](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edit1"), "Releve 3");
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    Clique(texte.SBPrint);
    EXPECT_EQ(lignesDuPdf(), (QStringList{"Releve 3", "Mesures du 3 mai", "u = 1,5 V", "1"}));
}
