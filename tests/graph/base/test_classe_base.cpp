// Drawing attributes, point markers, axes, and the text conversions of document lines.
#include <gtest/gtest.h>

#include <QPainter>

#include "graph/textes/GCTexte.h"
#include "graph/base/GCclasse_base.h"
#include "graph/repere_outils.h"

namespace {

TEST(TexteDocument, CouleursDeLaBoiteAOutilsEtNomsFrancais)
{
    EXPECT_EQ(CouleurEnTexte(0x808080), QStringLiteral("clGray"));
    EXPECT_EQ(CouleurEnTexte(0xFFFF00), QStringLiteral("clAqua"));
    EXPECT_EQ(CouleurEnTexte(0xFF00000F), QStringLiteral("clBtnFace"));
    EXPECT_EQ(CouleurEnTexte(0x4080FF), QStringLiteral("$004080FF"));
    TCouleur c = 1;
    EXPECT_TRUE(TexteEnCouleur(QStringLiteral("clgray"), c));
    EXPECT_EQ(c, 0x808080u);
    EXPECT_TRUE(TexteEnCouleur(QStringLiteral("clLtGray"), c));
    EXPECT_EQ(c, 0xC0C0C0u);
    EXPECT_TRUE(TexteEnCouleur(QStringLiteral("$00A0C9F1"), c));
    EXPECT_EQ(c, 0xA0C9F1u);
    EXPECT_TRUE(TexteEnCouleur(QStringLiteral("255"), c));
    EXPECT_EQ(c, 255u);
    c = 7;
    EXPECT_FALSE(TexteEnCouleur(QStringLiteral("clRouge"), c));
    EXPECT_FALSE(TexteEnCouleur(QString(), c));
    EXPECT_FALSE(TexteEnCouleur(QStringLiteral("$"), c));
    EXPECT_EQ(c, 7u);

    // The seventeen French names, any case, first; then the toolkit's text.
    EXPECT_TRUE(TexteVersCouleur(QStringLiteral("orange"), c));
    EXPECT_EQ(c, 0x4080FFu);
    EXPECT_TRUE(TexteVersCouleur(QStringLiteral("clNavy"), c));
    EXPECT_EQ(c, 0x800000u);
    EXPECT_EQ(CouleurVersTexte(0xFF0000), QStringLiteral("Bleu"));
    EXPECT_EQ(CouleurVersTexte(0x123456), QStringLiteral("$00123456"));
    QString nom;
    EXPECT_FALSE(CouleurVersIdent(0x123456, nom));
    for (const auto& n : CouleursNommees) {
        EXPECT_TRUE(IdentVersCouleur(QString::fromUtf8(n.nom).toUpper(), c));
        EXPECT_EQ(c, n.valeur);
    }
    // 00BBGGRR to Qt.
    EXPECT_EQ(VersQColor(0x4080FF), QColor(0xFF, 0x80, 0x40));
    EXPECT_EQ(DeQColor(QColor(0xFF, 0x80, 0x40)), 0x4080FFu);
}

TEST(TexteDocument, ChampsPolicesEtTypesDEchelle)
{
    QString ligne = QStringLiteral("a;;b c;reste");
    EXPECT_EQ(PremierChamp(ligne), QStringLiteral("a"));
    EXPECT_EQ(PremierChamp(ligne), QString());
    EXPECT_EQ(PremierChamp(ligne), QStringLiteral("b c"));
    EXPECT_EQ(PremierChamp(ligne), QString());  // no ";": empty, line kept
    EXPECT_EQ(ligne, QStringLiteral("reste"));
    EXPECT_TRUE(LitBooleen("V"));
    EXPECT_TRUE(LitBooleen("vrai"));
    EXPECT_FALSE(LitBooleen("f"));
    EXPECT_FALSE(LitBooleen(""));
    int n = 3;
    EXPECT_TRUE(LitEntier(" 12 ", n));
    EXPECT_EQ(n, 12);
    EXPECT_FALSE(LitEntier("1.5", n));
    EXPECT_FALSE(LitEntier("", n));
    EXPECT_EQ(n, 12);

    Police p;
    p.Nom = QStringLiteral("Comic Sans MS");
    p.Couleur = 0x0000FF;
    p.Taille = 14;
    p.Italique = p.Barre = true;
    const QString texte = FonteVersTexte(p);
    EXPECT_EQ(texte, QStringLiteral("Comic Sans MS;clRed;14;0;1;0;1;"));
    Police q;
    QString l = texte + QStringLiteral("suite;");
    EXPECT_TRUE(LitPolice(l, q));
    EXPECT_EQ(q, p);
    EXPECT_EQ(l, QStringLiteral("suite;"));
    // French colour names are read too; a flag is set only by exactly "1".
    l = QStringLiteral("Arial;Rouge;9;1;v;1 ;0;");
    EXPECT_TRUE(LitPolice(l, q));
    EXPECT_EQ(q.Couleur, 0x0000FFu);
    EXPECT_TRUE(q.Gras);
    EXPECT_FALSE(q.Italique);
    EXPECT_FALSE(q.Souligne);
    l = QStringLiteral("Arial;clRed;neuf;0;0;0;0;x");
    EXPECT_FALSE(LitPolice(l, q));
    EXPECT_EQ(q.Taille, 9);
    EXPECT_EQ(l, QStringLiteral("x"));
    // Sizes scale with the factor, as pixels at 96 dots per inch.
    EXPECT_EQ(p.qfont().pixelSize(), 19);
    EXPECT_EQ(p.qfont(2).pixelSize(), 37);

    EXPECT_EQ(NomTypeEchelle(0), QStringLiteral("arith"));
    EXPECT_EQ(NomTypeEchelle(2), QStringLiteral("proj"));
    EXPECT_EQ(NomTypeEchelle(3), QString());
    EXPECT_EQ(TypeEchelleDeTexte(QStringLiteral(" log")), 1);
    EXPECT_EQ(TypeEchelleDeTexte(QStringLiteral("Proj")), 2);
    EXPECT_EQ(TypeEchelleDeTexte(QStringLiteral("arith")), 0);
    EXPECT_EQ(TypeEchelleDeTexte(QStringLiteral("xyz")), 0);
    EXPECT_EQ(TypeEchelleDeTexte(QString()), 0);
}

TEST(ObjetsGraphiques, CopieEtAxeParDefaut)
{
    GCPoint a, b;
    a.Nom = "a";
    b.Nom = "b";
    b.Visible = false;
    b.HorsIndex = true;
    b.Couleur = 0xFF;
    b.Style = 3;
    b.Epaisseur = 4;
    b.Rempli = true;
    b.TypePoint = 6;
    b.Angle = 45;
    b.Selectionne = true;
    a.Selectionne = true;
    a.CopiePoint(b);
    EXPECT_EQ(a.Nom, QStringLiteral("a"));
    EXPECT_FALSE(a.Selectionne);
    EXPECT_FALSE(a.Visible);
    EXPECT_TRUE(a.HorsIndex);
    EXPECT_EQ(a.Couleur, 0xFFu);
    EXPECT_EQ(a.Style, 3);
    EXPECT_EQ(a.Epaisseur, 4);
    EXPECT_TRUE(a.Rempli);
    EXPECT_EQ(a.TypePoint, 6);
    EXPECT_EQ(a.Angle, 45);

    GCGrille x(true), y(false);
    EXPECT_EQ(x.Couleur, 0xFFFF00u);
    EXPECT_EQ(x.Axe.Couleur, 0x808080u);
    ASSERT_NE(x.GetTitre(), nullptr);
    EXPECT_EQ(x.GetTitre()->GetTexte(), QStringLiteral("x"));
    EXPECT_EQ(y.GetTitre()->GetTexte(), QStringLiteral("y"));
    QString tx, ty;
    y.GetTitre()->GetPositionTextes(tx, ty);
    EXPECT_EQ(tx, QStringLiteral("0.2"));
    EXPECT_EQ(ty, QStringLiteral("5"));
    x.SetBornesTextes("-pi", "2*pi");
    EXPECT_DOUBLE_EQ(x.Min, -M_PI);
    EXPECT_DOUBLE_EQ(x.Max, 2 * M_PI);
    x.SetTitre(nullptr);  // refused
    EXPECT_NE(x.GetTitre(), nullptr);
}

class Marqueurs : public RepereTest {
protected:
    QImage dessine(const GCPoint& p, TCouleur stylo = 0x000000)
    {
        QImage image = imageBlanche(41, 41);
        QPainter peintre(&image);
        peintre.setPen(QColor(Qt::green));
        peintre.setBrush(Qt::NoBrush);
        p.Dessine(peintre, 20, 20, stylo);
        // The painter's pen and brush are given back.
        EXPECT_EQ(peintre.pen().color(), QColor(Qt::green));
        EXPECT_EQ(peintre.brush().style(), Qt::NoBrush);
        return image;
    }
    static int encre(const QImage& image)
    {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                n += pixelRvb(image, x, y) != 0xFFFFFF;
        return n;
    }
};

TEST_F(Marqueurs, PointUniqueDansSaCouleur)
{
    GCPoint p;  // circle of size 1
    p.Couleur = 0x0000FF;
    const QImage image = dessine(p, 0x00FF00);
    EXPECT_EQ(encre(image), 1);
    EXPECT_EQ(pixelRvb(image, 20, 20), 0xFF0000u);  // the point's own colour, not the pen's
}

TEST_F(Marqueurs, BarreTourneeEtFormes)
{
    GCPoint p;
    p.TypePoint = PointBarre;
    p.Epaisseur = 5;
    QImage image = dessine(p);
    EXPECT_EQ(pixelRvb(image, 20, 15), 0u);
    EXPECT_EQ(pixelRvb(image, 20, 25), 0u);
    EXPECT_EQ(pixelRvb(image, 15, 20), 0xFFFFFFu);
    p.Angle = 90;  // a horizontal segment
    image = dessine(p);
    EXPECT_EQ(pixelRvb(image, 15, 20), 0u);
    EXPECT_EQ(pixelRvb(image, 25, 20), 0u);
    EXPECT_EQ(pixelRvb(image, 20, 15), 0xFFFFFFu);
    // The circle is never turned, and is filled with the point's colour when Rempli.
    p.TypePoint = PointCercle;
    p.Rempli = true;
    p.Couleur = 0x0000FF;
    image = dessine(p);
    EXPECT_EQ(pixelRvb(image, 20, 20), 0xFF0000u);
    // Every shape draws around the centre, within its size (the square's corners at s sqrt 2);
    // above 7 nothing.
    for (int forme = 0; forme <= 7; ++forme) {
        GCPoint q;
        q.TypePoint = static_cast<std::uint8_t>(forme);
        q.Epaisseur = 6;
        q.Angle = 30;
        const QImage im = dessine(q);
        EXPECT_GT(encre(im), 4) << forme;
        for (int y = 0; y < 41; ++y)
            for (int x = 0; x < 41; ++x)
                if (pixelRvb(im, x, y) != 0xFFFFFF) {
                    EXPECT_LE(std::max(std::abs(x - 20), std::abs(y - 20)), forme == PointCarre ? 9 : 7) << forme;
                }
    }
    GCPoint huit;
    huit.TypePoint = 8;
    huit.Epaisseur = 5;
    EXPECT_EQ(encre(dessine(huit)), 0);
    GCPoint cache;
    cache.Visible = false;
    EXPECT_EQ(encre(dessine(cache)), 0);
}

TEST_F(Marqueurs, TetesDeFleche)
{
    for (int genre = 0; genre <= 4; ++genre) {
        QImage image = imageBlanche(60, 30);
        QPainter p(&image);
        p.setPen(Qt::NoPen);
        DessineFleche(p, QPoint(10, 15), QPoint(50, 15), 0x0000FF, genre);
        p.end();
        const bool fin = pixelRvb(image, 47, 15) == 0xFF0000;
        const bool debut = pixelRvb(image, 13, 15) == 0xFF0000;
        EXPECT_EQ(fin, genre == 1 || genre == 3) << genre;
        EXPECT_EQ(debut, genre == 2 || genre == 3) << genre;
    }
}

}  // namespace
