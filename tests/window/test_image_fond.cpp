// The background picture through the Fichier menu: loaded from each format offered, fitted
// or centred and the window sized to it in "Collage de l'image", saved with the document
// and opened again (a missing picture said once, the rest opened), refused whole when it
// cannot be read, removed.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QImageWriter>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/pilote_saisie.h"
#include "graph/export/imagefichier.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class ImageFondTest : public FenetreTest {
protected:
    // Loads the file through the menu; reponse drives "Collage de l'image".
    template <class Reponse>
    void Charge(TForm1& f, const QString& nom, Reponse reponse)
    {
        boites.fichier = dossier.filePath(nom);
        QuandModal(reponse);
        f.action(QStringLiteral("Chargerimages1"))->trigger();
        Peint(f);
    }
    static void Ok(QWidget* w) { Clique(Enfant<QPushButton>(w, "ButOK")); }
    // Pixels of the picture's blue (within the loss of a JPEG).
    static int Bleus(const QImage& image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c(image.pixel(x, y));
                n += c.blue() > 200 && c.red() < 60 && c.green() < 60;
            }
        return n;
    }

    QTemporaryDir dossier;
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

}  // namespace

TEST_F(ImageFondTest, ChaqueFormatSeChargeSAjusteOuSeCentreEtDimensionneLaFenetre)
{
    QImage bleue(40, 30, QImage::Format_RGB32);
    bleue.fill(Qt::blue);
    ASSERT_TRUE(bleue.save(dossier.filePath("fond.bmp")));
    ASSERT_TRUE(bleue.save(dossier.filePath("fond.jpg"), nullptr, 100));
    ASSERT_TRUE(bleue.save(dossier.filePath("fond.ico")));
    ASSERT_TRUE(EnregistreImage(bleue, dossier.filePath("fond.wmf"), FormatImage::Metafichier));
    QFile(dossier.filePath("fond.bmp")).copy(dossier.filePath("FOND.JPG"));  // a bitmap, whatever its name

    for (const char* nom : {"fond.bmp", "fond.jpg", "fond.ico", "fond.wmf", "FOND.JPG"}) {
        TForm1 f(1);
        f.fixeTailleClient(200, 160);
        QSize propose;
        // Centred first: the dialog shows both sizes.
        Charge(f, QString::fromLatin1(nom), [&](QWidget* w) {
            propose = QSize(Enfant<QLineEdit>(w, "ImgLarg")->text().toInt(), Enfant<QLineEdit>(w, "ImgHaut")->text().toInt());
            EXPECT_EQ(Enfant<QLineEdit>(w, "FenLarg")->text(), QStringLiteral("200"));
            EXPECT_TRUE(Enfant<QCheckBox>(w, "CBAjust")->isChecked());
            Clique(Enfant<QCheckBox>(w, "CBAjust"));
            Ok(w);
        });
        EXPECT_EQ(propose, QSize(40, 30)) << nom;
        EXPECT_EQ(f.ModeFond(), 1) << nom;
        EXPECT_EQ(f.FichierImage, dossier.filePath(QString::fromLatin1(nom)));
        // Centred: the picture's pixels, but where the grid crosses it.
        EXPECT_GT(Bleus(f.Affichage()), 40 * 30 * 3 / 4) << nom;
        EXPECT_LE(Bleus(f.Affichage()), 40 * 30) << nom;
        EXPECT_TRUE(inter.messages.isEmpty()) << nom;
    }

    // Fitted to the window, then the window fitted to sizes typed (a size that is not a
    // whole number keeps the dialog open with its message).
    TForm1 f(1);
    f.fixeTailleClient(200, 160);
    Charge(f, QStringLiteral("fond.bmp"), Ok);
    EXPECT_TRUE(f.EtireImage);
    EXPECT_GT(Bleus(f.Affichage()), 200 * 160 / 2);
    QStringList etapes;
    QuandModal([&](QWidget* w) {
        Clique(Enfant<QCheckBox>(w, "CBChng"));
        Tape(Enfant<QLineEdit>(w, "ImgLarg"), QStringLiteral("3x0"));
        Ok(w);
        etapes << QString::number(w->isVisible()) << inter.messages.value(0);
        Tape(Enfant<QLineEdit>(w, "ImgLarg"), QStringLiteral("300"));
        Tape(Enfant<QLineEdit>(w, "ImgHaut"), QStringLiteral("220"));
        Ok(w);
    });
    f.action(QStringLiteral("Ajusterimage1"))->trigger();
    EXPECT_EQ(etapes, QStringList({"1", "« 3x0 » n'est pas une taille valide (un nombre entier de pixels)."}));
    EXPECT_EQ(f.tailleDessin(), QSize(300, 220));
}

TEST_F(ImageFondTest, EnregistreeRouverteAbsenteIlisibleEtSupprimee)
{
    QImage bleue(40, 30, QImage::Format_RGB32);
    bleue.fill(Qt::blue);
    ASSERT_TRUE(bleue.save(dossier.filePath("fond.png")));
    const QString document = dossier.filePath("doc.vrk");
    {
        TForm1 f(1);
        f.fixeTailleClient(200, 160);
        AjouteCourbeY(f, QStringLiteral("x"));
        Charge(f, QStringLiteral("fond.png"), [](QWidget* w) {
            Clique(Enfant<QCheckBox>(w, "CBAjust"));
            Ok(w);
        });
        // A file that is not a picture, and a folder: said, and the window keeps its picture.
        QFile faux(dossier.filePath("faux.bmp"));
        ASSERT_TRUE(faux.open(QIODevice::WriteOnly));
        faux.write("BM pas une image");
        faux.close();
        for (const char* nom : {"faux.bmp", "."}) {
            inter.messages.clear();
            boites.fichier = dossier.filePath(QString::fromLatin1(nom));
            f.action(QStringLiteral("Chargerimages1"))->trigger();
            ASSERT_EQ(inter.messages.size(), 1) << nom;
            EXPECT_TRUE(inter.messages[0].startsWith(QStringLiteral("Impossible de lire l'image"))) << nom;
            EXPECT_EQ(f.FichierImage, dossier.filePath("fond.png"));
        }
        ASSERT_TRUE(f.EnregistreFenetre(document).ok);
    }
    inter.messages.clear();
    {
        TForm1 g(2);
        LiensEnAttente liens;
        EXPECT_TRUE(g.LitDocument(document, liens).ok());
        Peint(g);
        EXPECT_EQ(g.ModeFond(), 1);
        EXPECT_FALSE(g.EtireImage);
        EXPECT_EQ(g.ImageFond.convertToFormat(QImage::Format_RGB32), bleue);
        EXPECT_GT(Bleus(g.Affichage()), 40 * 30 * 3 / 4);
        EXPECT_LE(Bleus(g.Affichage()), 40 * 30);

        // Removed: the plain window, nothing left to save.
        g.action(QStringLiteral("Supprimerimage1"))->trigger();
        Peint(g);
        EXPECT_EQ(g.ModeFond(), 0);
        EXPECT_TRUE(g.FichierImage.isEmpty());
        EXPECT_EQ(Bleus(g.Affichage()), 0);
    }
    // The picture gone: one message, and the curve opens.
    ASSERT_TRUE(QFile::remove(dossier.filePath("fond.png")));
    TForm1 h(3);
    LiensEnAttente liens;
    h.LitDocument(document, liens);
    Peint(h);
    traiteEvenements();
    ASSERT_EQ(inter.messages.size(), 1) << inter.messages.join('\n').toStdString();
    EXPECT_TRUE(inter.messages[0].contains(QStringLiteral("Image introuvable")));
    EXPECT_EQ(h.Dessin().Nombre(), 1);
}
