// Transformed areas: images equal to their mother's pixels moved, chains across windows, a
// mother that disappears, the frame's lateral offset, images of Julia sets, records.
#include "aires_outils.h"

namespace {

using Transformees = AiresFenetres;

std::shared_ptr<GCAire> inequations(int numero, const QStringList& lignes)
{
    auto a = std::make_shared<GCAire>(numero, 1);
    ListeIneq rel;
    EXPECT_FALSE(AnalyseInequations(lignes, rel));
    a->FixeContraintes(lignes);
    a->FixeInequations(rel);
    a->FixeEmpreinte(NouvelleEmpreinte(numero));
    return a;
}

std::shared_ptr<GCTrAire> image(QChar lettre, int numero, int code, const GCAire& mere,
                                std::array<QString, 6> coefficients)
{
    auto t = std::make_shared<GCTrAire>(lettre, code, 1, numero);
    t->FixeEmpreinte(NouvelleEmpreinte(numero));
    t->FixeMere(mere);
    t->CopieAspect(mere);
    t->FixeCoefficients(coefficients);
    return t;
}

// A square plot over [-5, 5]^2: the origin's pixel o, and u pixels per unit on both axes.
void repereCarre(GCRepere& r, QPoint& o, int& u)
{
    bornesRepere(r, "-5", "5", "-5", "5");
    o = r.MondeVersPixel(0, 0);
    u = r.MondeVersPixel(1, 0).x() - o.x();
    ASSERT_EQ(r.MondeVersPixel(0, 1), o - QPoint(0, u));
}

TEST_F(Transformees, RotationTranslationEtChaineSontLesPixelsDeLaMere)
{
    GCRepere r(true, 400, 400);
    QPoint o;
    int u = 0;
    repereCarre(r, o, u);
    auto a = inequations(1, {"x>=-1", "x<=3", "y>=0.5", "y<=2", "x+y<4"});
    auto quart = image('T', 2, 26, *a, {"0", "0", "90", "0", "0", "0"});
    auto decale = image('T', 3, 25, *a, {"1", "0", "0", "0", "0", "0"});
    auto chaine = image('T', 4, 25, *quart, {"0", "-1", "0", "0", "0", "0"});
    fenetre1.Ajoute(a);
    fenetre2.Ajoute(quart);
    fenetre2.Ajoute(decale);
    fenetre3.Ajoute(chaine);
    for (auto& x : {a, std::shared_ptr<GCAire>(quart), std::shared_ptr<GCAire>(decale), std::shared_ptr<GCAire>(chaine)})
        x->Calcule(r);
    const QImage& m = a->Bitmap();
    auto dans = [&](const QImage& i, int c, int l) {
        return c >= 0 && l >= 0 && c < i.width() && l < i.height() && i.pixelIndex(c, l) == 1;
    };
    for (int l = 0; l < m.height(); ++l)
        for (int c = 0; c < m.width(); ++c) {
            // A quarter turn counter-clockwise about the origin: (c, l) comes from the pixel
            // whose offsets from the origin are turned back.
            ASSERT_EQ(dans(quart->Bitmap(), c, l), dans(m, o.x() + (o.y() - l), o.y() + (c - o.x()))) << c << "," << l;
            ASSERT_EQ(dans(decale->Bitmap(), c, l), dans(m, c - u, l)) << c << "," << l;
            // One unit down after the turn: its own step undone first, then its mother's.
            ASSERT_EQ(dans(chaine->Bitmap(), c, l), dans(quart->Bitmap(), c, l - u)) << c << "," << l;
        }
    EXPECT_GT(a->NbPixels(), 5000);
    EXPECT_EQ(quart->NbPixels(), a->NbPixels());
    EXPECT_NEAR(quart->Mesure(), a->Mesure(), 1e-9);

    // The chain tests the root as it is now, even when the window between was not
    // computed again since the root changed.
    ListeIneq petit;
    AnalyseInequations({"x>=0", "x<=1", "y>=0.5", "y<=1"}, petit);
    a->FixeInequations(petit);
    chaine->Calcule(r);
    const int avant = a->NbPixels();
    a->Calcule(r);
    EXPECT_EQ(chaine->NbPixels(), a->NbPixels());
    EXPECT_LT(a->NbPixels(), avant / 4);
}

TEST_F(Transformees, SansMereSingulieresEtDecalageLateral)
{
    GCRepere r(true, 400, 300);
    auto a = inequations(1, {"x>-1000"});
    a->FixeCouleur(RVB(255, 255, 0));
    fenetre1.Ajoute(a);
    // The x axis on the side, 40 pixels off: the image still covers every pixel of the area
    // rectangle, and nothing outside it.
    r.SetLateral(true, false);
    r.SetDecalage(40, 0);
    r.FixeTaille(500, 400);
    a->Calcule(r);
    auto identite = image('T', 2, 25, *a, {"0", "0", "0", "0", "0", "0"});
    identite->FixeCouleur(RVB(255, 0, 0));
    fenetre1.Ajoute(identite);
    identite->Calcule(r);
    QImage mere = a->Bitmap();
    mere.setColorTable(identite->Bitmap().colorTable());
    EXPECT_EQ(identite->Bitmap(), mere);
    EXPECT_EQ(identite->NbPixels(), a->NbPixels());

    // A singular affine map, a ratio 0: empty images.
    for (auto [code, c] : {std::pair{31, std::array<QString, 6>{"1", "2", "0", "2", "4", "0"}},
                           std::pair{27, std::array<QString, 6>{"0", "0", "0", "0", "0", "0"}}}) {
        auto t = image('T', 3, code, *a, c);
        t->Calcule(r);
        EXPECT_EQ(t->NbPixels(), 0) << code;
    }

    // The mother deleted: no crash on copy, edit or description; the image is empty and
    // keeps its own colour, on copies too.
    fenetre1.Supprime(1);
    identite->Calcule(r);
    EXPECT_EQ(identite->NbPixels(), 0);
    EXPECT_FALSE(identite->Modifie(false));
    EXPECT_EQ(interlocuteur_.messages, QStringList{QStringLiteral("Modifier la mère !")});
    auto copie = identite->CreeMemeGenre(7, 2);
    copie->Copie(*identite);
    copie->Calcule(r);
    EXPECT_EQ(copie->NbPixels(), 0);
    EXPECT_EQ(copie->Couleur(), RVB(255, 0, 0));
    EXPECT_EQ(copie->NomMere(), a->Empreinte());
    QStringList description;
    copie->Decrit(description);
    EXPECT_TRUE(description.contains(QStringLiteral("Translation de l'aire n°?")));
    EXPECT_TRUE(description.contains(QStringLiteral("Coef[1]= 0")));
    // Attached again to its mother, it keeps its own appearance.
    copie->FixeMere(*a);
    EXPECT_EQ(copie->Couleur(), RVB(255, 0, 0));
}

TEST_F(Transformees, ImageDUnEnsembleDeJuliaEtParametresDeLaRacine)
{
    GCRepere r(true, 300, 200);
    bornesRepere(r, "-1.8", "1.8", "-1.2", "1.2");
    auto j = quadratique('J', 1, 60, "-0.8", "0.156");
    auto m = quadratique('M', 2);
    auto p = image('P', 3, 26, *j, {"0", "0", "0", "0", "0", "0"});
    auto a = inequations(4, {"x^2+y^2<=a"});
    a->FixeParametre(0, QStringLiteral("0.1"));
    auto t = image('T', 5, 28, *a, {"0", "0", "30", "2", "0", "0"});
    for (auto x : {std::shared_ptr<GCAire>(j), std::shared_ptr<GCAire>(m), std::shared_ptr<GCAire>(p), a,
                   std::shared_ptr<GCAire>(t)})
        fenetre1.Ajoute(x);
    // The image by a turn of 0 degrees is the set itself, whatever values a and b were left
    // with by a Mandelbrot scan or anything else.
    j->Calcule(r);
    m->Calcule(r);
    contexteCalcul().ValeursParametres[0] = 5;
    p->Calcule(r);
    EXPECT_EQ(p->Bitmap(), j->Bitmap());
    EXPECT_EQ(p->Contraintes(), j->Contraintes());
    EXPECT_FALSE(p->Modifie(false));
    EXPECT_EQ(interlocuteur_.messages, QStringList{QStringLiteral("Modifier la mère !")});

    // The image of the disc x^2 + y^2 <= a, a = 0.1, by a similarity of ratio 2 measures
    // 0.4 pi.
    t->Calcule(r);
    EXPECT_NEAR(t->Mesure(), 0.4 * 3.14159265358979, 0.05);
}

}  // namespace
