// Areas: parsing of relations, the pixel scan and its measure, set operations on simple
// shapes, copies, the window's list and its composition, and the "@" records.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <cmath>

#include "expression/fonction.h"
#include "graph/aires/GCAire.h"
#include "graph/repere/GCRepere.h"
#include "graph/repere_outils.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

using Aires = RepereTest;

void bornes(GCRepere& r, const char* xinf, const char* xsup, const char* yinf, const char* ysup)
{
    r.FixeBornes(xinf, xsup, EchelleArith, xinf, "0", "1", yinf, ysup, EchelleArith, yinf, "0", "1");
}

// An inequation area of those lines (which must parse).
std::shared_ptr<GCAire> aire(const QStringList& lignes, int numero = 1, int fenetre = 1)
{
    auto a = std::make_shared<GCAire>(numero, fenetre);
    ListeIneq rel;
    EXPECT_FALSE(AnalyseInequations(lignes, rel)) << lignes.join(" | ").toStdString();
    a->FixeContraintes(lignes);
    a->FixeInequations(rel);
    return a;
}

// World size of one pixel of the frame's mapping.
double pixelMonde(const GCRepere& r, bool x)
{
    int ppx, ppy;
    double px, py;
    r.CalculeGraduation(ppx, ppy, py, px);
    return x ? px / ppx : py / ppy;
}

// ---------------------------------------------------------------------------------------
// Parsing

TEST_F(Aires, AnalyseOperateursNegationEtOrdreDeRecherche)
{
    ListeIneq l;
    EXPECT_FALSE(AnalyseInequations({"x<!y", "x<=!y", "y>=x^2", "y>1", "x<2"}, l));
    ASSERT_EQ(l.size(), 5u);
    EXPECT_EQ(l[0]->Relation, RelInf);
    EXPECT_TRUE(l[0]->Negation);
    EXPECT_EQ(l[1]->Relation, RelInfEgal);
    EXPECT_TRUE(l[1]->Negation);
    EXPECT_EQ(l[2]->Relation, RelSupEgal);
    EXPECT_FALSE(l[2]->Negation);
    EXPECT_EQ(l[3]->Relation, RelSup);
    EXPECT_EQ(l[4]->Relation, RelInf);
    // x<!y is the set where x >= y.
    EXPECT_TRUE(l[0]->Verifie(2, 2, 0.01, 0.01));
    EXPECT_FALSE(l[0]->Verifie(1, 2, 0.01, 0.01));
    // Y read as state value 0 in the relations, and as the variable by what compiles next.
    Arbre y;
    ASSERT_TRUE(CompileExpr("y", y));
    VariablesEtat()[0] = 100;
    EXPECT_DOUBLE_EQ(EvalueArbre(y, 7), 7);
    EXPECT_TRUE(l[2]->Verifie(1, 3, 0, 0));
    EXPECT_FALSE(l[2]->Verifie(2, 3, 0, 0));
    EXPECT_TRUE(interlocuteur_.messages.isEmpty());
}

TEST_F(Aires, AnalyseLignesFautivesNumeroteesEtLesAutresGardees)
{
    ListeIneq l;
    l.push_back(std::make_shared<GCIneq>());  // the list is not emptied first
    EXPECT_TRUE(AnalyseInequations({"x<1", "x+y", "x<sin(", "2>x<3", "y>0"}, l));
    EXPECT_EQ(l.size(), 3u);
    ASSERT_EQ(interlocuteur_.messages.size(), 3);
    EXPECT_EQ(interlocuteur_.messages[0], QStringLiteral("Manque < ou > dans la relation n°2"));
    EXPECT_EQ(interlocuteur_.messages[1], QStringLiteral("Erreur de syntaxe dans la relation n°3"));
    // "<" wins wherever it stands: the left side "2>x" does not compile.
    EXPECT_EQ(interlocuteur_.messages[2], QStringLiteral("Erreur de syntaxe dans la relation n°4"));
    EXPECT_TRUE(AnalyseInequations({"<1"}, l));
    EXPECT_TRUE(AnalyseInequations({""}, l));
    // The sides go to the compiler as typed, blanks included.
    interlocuteur_.messages.clear();
    EXPECT_TRUE(AnalyseInequations({"x<1", " x < 2 "}, l));
    EXPECT_EQ(interlocuteur_.messages, QStringList{QStringLiteral("Erreur de syntaxe dans la relation n°2")});
    EXPECT_EQ(l.size(), 4u);
}

// ---------------------------------------------------------------------------------------
// Scan and measure

TEST_F(Aires, DisqueMesurePiALaPrecisionDeLaGrille)
{
    GCRepere r(true, 400, 400);
    bornes(r, "-1.5", "1.5", "-1.5", "1.5");
    const double p = pixelMonde(r, true);
    ASSERT_DOUBLE_EQ(p, pixelMonde(r, false));
    // The strict relation samples each pixel once: the errors along the edge cancel out to
    // a few pixels.
    auto strict = aire({"x^2+y^2<1"});
    strict->Calcule(r);
    EXPECT_NEAR(strict->Mesure(), Pi, 20 * p * p);
    EXPECT_NEAR(strict->Mesure(), strict->NbPixels() * p * p, 1e-9);
    // "<=" also takes pixels touched by its neighbouring samples: at most one more pixel band.
    auto large = aire({"x^2+y^2<=1"});
    large->Calcule(r);
    EXPECT_GT(large->Mesure(), strict->Mesure());
    EXPECT_NEAR(large->Mesure(), Pi, 2 * Pi * p);
    // Centred on the origin.
    const QPoint o = r.MondeVersPixel(0, 0);
    EXPECT_EQ(large->Bitmap().pixelIndex(o.x(), o.y()), 1);
    EXPECT_EQ(large->Bitmap().pixelIndex(r.MondeVersPixel(1.1, 0).x(), o.y()), 0);
    EXPECT_EQ(large->Bitmap().pixelIndex(o.x(), r.MondeVersPixel(0, -1.1).y()), 0);
}

TEST_F(Aires, CarreMesureAvecLePixelDuRepereEtPlanComplet)
{
    // 600 x 400 plot, bounds -5..5: the square of side 8 measures 64 with the mapping's
    // pixel (x and y pixels differ).
    GCRepere r(true, 600, 400);
    auto carre = aire({"x>=-4", "x<=4", "y>=-4", "y<=4"});
    carre->Calcule(r);
    EXPECT_NEAR(carre->Mesure(), 64, 0.5);

    // No relations: every pixel of columns x0..x0+w and rows y0..y0+h, bounds included, all
    // inside the bitmap.
    auto tout = std::make_shared<GCAire>(2, 1);
    tout->Calcule(r);
    EXPECT_EQ(tout->NbPixels(), 601 * 401);
    EXPECT_EQ(tout->Bitmap().size(), QSize(600 + 1 + 1, 400 + 1 + 1));
    EXPECT_EQ(tout->Bitmap().pixelIndex(601, 401), 1);
    EXPECT_EQ(tout->Bitmap().pixelIndex(0, 0), 0);
    EXPECT_NEAR(tout->Mesure(), 601 * 401 * pixelMonde(r, true) * pixelMonde(r, false), 1e-9);
}

TEST_F(Aires, IntersectionUnionComplement)
{
    GCRepere r(true, 400, 400);
    bornes(r, "-2", "2", "-2", "2");
    const double p = pixelMonde(r, true);
    const double tolerance = 2 * Pi * 2 * p;  // one pixel band along both circles

    // Intersection: every relation must hold. Half disc, then the lens of two unit discs
    // whose centres are 1 apart.
    auto demi = aire({"x^2+y^2<1", "x>=0"});
    demi->Calcule(r);
    EXPECT_NEAR(demi->Mesure(), Pi / 2, tolerance);
    auto lentille = aire({"x^2+y^2<1", "(x-1)^2+y^2<1"});
    lentille->Calcule(r);
    EXPECT_NEAR(lentille->Mesure(), 2 * Pi / 3 - std::sqrt(3.0) / 2, tolerance);

    // Union of the same discs through min() in one relation: 2 pi - lens.
    auto unionMin = aire({"min(x^2+y^2,(x-1)^2+y^2)<1"});
    unionMin->Calcule(r);
    EXPECT_NEAR(unionMin->Mesure(), 2 * Pi - (2 * Pi / 3 - std::sqrt(3.0) / 2), tolerance);

    // Complement through "!": the disc and its complement share no pixel and cover all.
    auto disque = aire({"x^2+y^2<1"});
    auto complement = aire({"x^2+y^2<!1"});
    auto plan = std::make_shared<GCAire>(3, 1);
    disque->Calcule(r);
    complement->Calcule(r);
    plan->Calcule(r);
    EXPECT_EQ(disque->NbPixels() + complement->NbPixels(), plan->NbPixels());
    EXPECT_NEAR(disque->Mesure() + complement->Mesure(), plan->Mesure(), 1e-9);

    // Union as two areas of one window: the composed picture is tinted exactly where one of
    // them is.
    auto d1 = aire({"x^2+y^2<1"}, 4);
    auto d2 = aire({"(x-1)^2+y^2<1"}, 5);
    d2->FixeCouleur(0xFFFF00);  // clAqua
    GCListAires liste(1);
    liste.Ajoute(d1);
    liste.Ajoute(d2);
    QImage image;
    liste.CalculeTout(r, image, 0xFFFFFF);
    int teintes = 0, communs = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const unsigned v = pixelRvb(image, x, y);
            teintes += v != 0xFFFFFF;
            communs += v == 0x00FF00;  // yellow AND aqua: green, the lens
        }
    auto unionCalc = aire({"min(x^2+y^2,(x-1)^2+y^2)<1"});
    unionCalc->Calcule(r);
    EXPECT_EQ(teintes, unionCalc->NbPixels());
    EXPECT_EQ(communs, lentille->NbPixels());
}

TEST_F(Aires, CourbeMinceVisibleAvecLargesVideAvecStrictes)
{
    GCRepere r(true, 600, 400);
    auto mince = aire({"y>=x^2", "y<=x^2"});
    mince->Calcule(r);
    EXPECT_GT(mince->NbPixels(), 100);
    // A line: at most a few pixels per column.
    EXPECT_LT(mince->NbPixels(), 601 * 6);
    auto vide = aire({"y>x^2", "y<x^2"});
    vide->Calcule(r);
    EXPECT_EQ(vide->NbPixels(), 0);
}

TEST_F(Aires, PointsNonCalculablesJamaisPeints)
{
    GCRepere r(true, 600, 400);
    double ux, uy;
    r.GetUnitesParPixel(ux, uy);
    // The neighbouring samples past x = 1 cannot be computed on the left side: they must not
    // decide with the right side alone.
    auto a = aire({"sqrt(1-x)>=y"});
    a->Calcule(r);
    ASSERT_GT(a->NbPixels(), 0);
    const QImage& b = a->Bitmap();
    for (int c = 0; c < b.width(); ++c) {
        double x, y;
        r.PixelVersMonde(c, 200, x, y);
        if (x <= 1 + ux)
            continue;
        for (int l = 0; l < b.height(); ++l)
            ASSERT_EQ(b.pixelIndex(c, l), 0) << "pixel " << c << "," << l << " x=" << x;
    }
    // The last column of the domain: its first sample holds the relation false, the two
    // neighbours fail on the left side only; they must not paint the column up to y = 0.
    auto bord = aire({"sqrt(1-x)-3>=y"});
    bord->Calcule(r);
    ASSERT_GT(bord->NbPixels(), 0);
    for (int c = 0; c < bord->Bitmap().width(); ++c) {
        for (int l = 0; l < bord->Bitmap().height(); ++l) {
            double x, y;
            r.PixelVersMonde(c, l, x, y);
            if (x > 0.9 && y > -2.5)
                ASSERT_EQ(bord->Bitmap().pixelIndex(c, l), 0) << "x=" << x << " y=" << y;
        }
    }
    // A relation that cannot be computed is false before its negation: the negated one
    // holds there.
    auto n = aire({"ln(x)>!0"});
    n->Calcule(r);
    ASSERT_GT(n->NbPixels(), 0);
    for (int c = 0; c < n->Bitmap().width(); ++c) {
        double x, y;
        r.PixelVersMonde(c, 200, x, y);
        if ((x > -4.9 && x <= 0) || (x > 0.01 && x < 0.9))
            EXPECT_EQ(n->Bitmap().pixelIndex(c, 200), 1) << "x=" << x;
    }
    EXPECT_EQ(ErreurCalcul(), 0);
}

TEST_F(Aires, PolaireDisqueEtSecteur)
{
    GCRepere r(true, 400, 400);
    bornes(r, "-3", "3", "-3", "3");
    const double p = pixelMonde(r, true);
    auto disque = aire({"R<=2"});
    disque->FixePolaire(true);
    disque->Calcule(r);
    EXPECT_NEAR(disque->Mesure(), 4 * Pi, 2 * Pi * 2 * p * 1.5);
    // The variable is the angle in radians: the first quadrant of the disc.
    auto secteur = aire({"R<=2", "x>=0", "x<=pi/2"});
    secteur->FixePolaire(true);
    EXPECT_TRUE(secteur->ContientPoint(1, 1, p, p));
    EXPECT_FALSE(secteur->ContientPoint(-1, 1, p, p));
    EXPECT_FALSE(secteur->ContientPoint(1, -1, p, p));
    EXPECT_FALSE(secteur->ContientPoint(2, 2, p, p));
    // At the pole the angle is 0.
    EXPECT_TRUE(secteur->ContientPoint(0, 0, p, p));
}

TEST_F(Aires, ParametresDeLAirePrisAuCalcul)
{
    GCRepere r(true, 600, 400);
    auto a = aire({"y<a", "x<b+1"});
    a->FixeParametre(0, "2");
    a->FixeParametre(1, "pi/pi");
    a->FixeParametre(9, "sin(");  // does not compute: 0
    a->Calcule(r);
    EXPECT_DOUBLE_EQ(contexteCalcul().ValeursParametres[0], 2);
    EXPECT_DOUBLE_EQ(contexteCalcul().ValeursParametres[1], 1);
    EXPECT_DOUBLE_EQ(contexteCalcul().ValeursParametres[9], 0);
    const QPoint dedans = r.MondeVersPixel(1.5, 1.5), dehors = r.MondeVersPixel(1.5, 2.5), aDroite = r.MondeVersPixel(2.5, 0);
    EXPECT_EQ(a->Bitmap().pixelIndex(dedans), 1);
    EXPECT_EQ(a->Bitmap().pixelIndex(dehors), 0);
    EXPECT_EQ(a->Bitmap().pixelIndex(aDroite), 0);
}

TEST_F(Aires, RepereInvalideOuAireTropGrandeLaisseLAireInchangee)
{
    GCRepere r(true, 600, 400);
    auto a = aire({"y<x"});
    a->Calcule(r);
    const int n = a->NbPixels();
    const QImage avant = a->Bitmap();
    contexteCalcul().ValeursParametres[0] = -5;
    bornes(r, "-5", "a", "-5", "5");  // min = max
    ASSERT_FALSE(r.Valide());
    a->Calcule(r);
    EXPECT_EQ(a->NbPixels(), n);
    EXPECT_EQ(a->Bitmap(), avant);

    GCRepere geant(true, 600, 400);
    geant.SetRectangle(QPoint(100000, 100000), 600, 400);
    a->Calcule(geant);
    EXPECT_EQ(a->NbPixels(), n);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 1);
}

TEST_F(Aires, CalculReproductible)
{
    GCRepere r(true, 600, 400);
    auto a = aire({"x^2/9+y^2/4<=1", "y>=sin(3*x)"});
    a->Calcule(r);
    const QImage premier = a->Bitmap();
    const double mesure = a->Mesure();
    for (int k = 0; k < 3; ++k) {
        a->Calcule(r);
        EXPECT_EQ(a->Bitmap(), premier);
        EXPECT_EQ(a->Mesure(), mesure);
    }
    // Against the point test, pixel by pixel on a sample of rows.
    double ux, uy;
    r.GetUnitesParPixel(ux, uy);
    for (int l = 1; l <= 401; l += 37)
        for (int c = 1; c <= 601; ++c)
            ASSERT_EQ(premier.pixelIndex(c, l) == 1, a->Contient(r, c, l, ux, uy)) << c << "," << l;
}

// Sides computed once, per column, per row or by blocks give the pixels of the point test:
// constant, x-only, y-only and mixed sides, strict and wide relations, negations, sides
// that fail on part of the plot.
TEST_F(Aires, ScanParCotesCommeLeTestDuPoint)
{
    GCRepere r(true, 150, 110);
    bornes(r, "-4", "4", "-3", "3");
    VariablesEtat()[1] = 0.5;  // N, read by every thread alike
    const QStringList systemes[] = {
        {"x^2+y^2<=9", "y>=sin(2*x)"},
        {"1<2", "y<=!x^2/4-2", "ln(x+2)>y*n"},
        {"sqrt(4-x^2)>=abs(y)", "1/(y-0.5)<x", "3>=1/(x*y)"},
        {"y>=x^2/4-1", "y<=x^2/4-1"},
        {"y<!ln(y+1)", "x>=!1/0"},
    };
    double ux, uy;
    r.GetUnitesParPixel(ux, uy);
    for (const QStringList& lignes : systemes) {
        SCOPED_TRACE(lignes.join(" | ").toStdString());
        auto a = aire(lignes);
        a->Calcule(r);
        const QImage image = a->Bitmap();
        int n = 0;
        for (int l = 1; l <= 111; ++l)
            for (int c = 1; c <= 151; ++c) {
                const bool dedans = a->Contient(r, c, l, ux, uy);
                n += dedans;
                ASSERT_EQ(image.pixelIndex(c, l) == 1, dedans) << c << "," << l;
            }
        EXPECT_EQ(a->NbPixels(), n);
    }
}

// Curves called by name keep their slot; a removed curve fails its pixels.
TEST_F(Aires, CourbesAppeleesParNomParLeurEmplacement)
{
    Arbre f1, f2, f3;
    ASSERT_TRUE(CompileExpr("100", f1));
    ASSERT_TRUE(CompileExpr("200", f2));
    ASSERT_TRUE(CompileExpr("x", f3));
    enregistreFonction("FN1", "fn1(x)=100", &f1);
    enregistreFonction("FN2", "fn2(x)=200", &f2);
    enregistreFonction("FN3", "fn3(x)=x", &f3);
    GCRepere r(true, 600, 400);
    auto a = aire({"y<fn3(x)"});
    a->Calcule(r);
    const int n = a->NbPixels();
    ASSERT_GT(n, 1000);
    // The definition dialog of fn1 opened and cancelled: its name leaves and comes back.
    retireFonction("FN1");
    enregistreFonction("FN1", "fn1(x)=100", &f1);
    a->Calcule(r);
    EXPECT_EQ(a->NbPixels(), n);
    // fn3 deleted: its pixels fail, nothing crashes.
    retireFonction("FN3");
    a->Calcule(r);
    EXPECT_EQ(a->NbPixels(), 0);
}

// ---------------------------------------------------------------------------------------
// Stamps, copies, dialog confirmation, descriptions

TEST_F(Aires, EmpreinteNumeroPuisDateFixe)
{
    const QString e = NouvelleEmpreinte(12);
    EXPECT_TRUE(QRegularExpression("^12\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$").match(e).hasMatch())
        << e.toStdString();
}

TEST_F(Aires, CopieNomEmpreinteEtRelationsPartagees)
{
    auto src = aire({"y<x", "x>0"}, 3);
    src->FixeCouleur(0x0000FF);
    src->FixeStyleRemplissage(6);
    src->FixePolaire(true);
    src->FixeModeCopie(11);
    src->FixeParametre(4, "7");
    src->FixeEmpreinte("3ancienne");
    GCAire copie(42, 2);
    copie.Copie(*src);
    EXPECT_EQ(copie.Nom(), QStringLiteral("a42"));
    EXPECT_TRUE(copie.Empreinte().startsWith("42"));
    EXPECT_NE(copie.Empreinte(), src->Empreinte());
    EXPECT_EQ(copie.Couleur(), 0x0000FFu);
    EXPECT_EQ(copie.StyleRemplissage(), 6);
    EXPECT_TRUE(copie.Polaire());
    EXPECT_EQ(copie.ModeCopie(), 11);
    EXPECT_EQ(copie.Parametre(4), QStringLiteral("7"));
    EXPECT_EQ(copie.Contraintes(), src->Contraintes());
    ASSERT_EQ(copie.Inequations().size(), 2u);
    EXPECT_EQ(copie.Inequations()[0].get(), src->Inequations()[0].get());
    EXPECT_EQ(copie.Numero(), 42);
    EXPECT_EQ(copie.NumeroFenetre(), 2);

    src->FixeNom("zone");
    GCAire autre(43, 2);
    autre.Copie(*src);
    EXPECT_EQ(autre.Nom(), QStringLiteral("zone"));
}

class DialoguesScriptes : public Dialogues {
public:
    bool modifieCourbe(GCCourbe&, bool) override { return false; }
    bool modifieAire(GCAire& a, bool nouvelle) override
    {
        ++appels;
        return a.ConfirmeSaisie(saisie, nouvelle);
    }
    bool modifieTexte(GCTexte&, bool) override { return false; }
    bool dialogueParametres(std::array<QString, 10>&) override { return false; }
    SaisieAire saisie;
    int appels = 0;
};

TEST_F(Aires, ModifieParLeDialogueEtConfirmation)
{
    GCAire a(5, 1);
    EXPECT_FALSE(a.Modifie(true));  // no dialogs installed

    DialoguesScriptes d;
    GardeValeur<Dialogues*> garde(etatGraphe().dialogues, &d);
    d.saisie.nom = "f;2";
    d.saisie.contraintes = QStringList{"y<x"};
    EXPECT_FALSE(a.Modifie(true));
    EXPECT_EQ(d.appels, 1);
    EXPECT_EQ(interlocuteur_.messages.size(), 1);
    EXPECT_EQ(a.Nom(), QStringLiteral("a"));
    EXPECT_TRUE(a.Empreinte().isEmpty());

    d.saisie.nom = "zone";
    d.saisie.contraintes = QStringList{"y<x", "x"};
    EXPECT_FALSE(a.Modifie(true));
    EXPECT_TRUE(a.Contraintes().isEmpty());

    d.saisie.contraintes = QStringList{"y<x", "x>=0"};
    d.saisie.polaire = true;
    d.saisie.couleur = 0x00FF00;
    d.saisie.style = 3;
    d.saisie.modeCopie = 9;
    EXPECT_TRUE(a.Modifie(true));
    EXPECT_EQ(a.Nom(), QStringLiteral("zone"));
    EXPECT_TRUE(a.Empreinte().startsWith("5"));
    EXPECT_EQ(a.Inequations().size(), 2u);
    EXPECT_EQ(a.Inequations(), ListeInequations());
    EXPECT_TRUE(a.Polaire());
    EXPECT_EQ(a.StyleRemplissage(), 3);
    EXPECT_EQ(a.ModeCopie(), 9);
    // An existing area keeps its stamp.
    a.FixeEmpreinte("5fixe");
    EXPECT_TRUE(a.Modifie(false));
    EXPECT_EQ(a.Empreinte(), QStringLiteral("5fixe"));
}

TEST_F(Aires, DescriptionEtRapport)
{
    GCRepere r(true, 600, 400);
    auto a = aire({"x>=-4", "x<=4", "y>=-4", "y<=4"}, 7, 2);
    a->FixeNom("carré");
    a->Calcule(r);
    QStringList memo;
    a->Decrit(memo);
    ASSERT_EQ(memo.size(), 2 + 2 + 4 + 1 + 10);
    EXPECT_EQ(memo[0], QStringLiteral("--> Aire n°7 : carré"));
    EXPECT_TRUE(memo[1].startsWith("Mesure= 64.")) << memo[1].toStdString();
    EXPECT_EQ(memo[2], QStringLiteral("** Système d'inéquations **"));
    EXPECT_EQ(memo[3], QStringLiteral("Coordonnées rectangulaires"));
    EXPECT_EQ(memo[4], QStringLiteral("x>=-4"));
    EXPECT_EQ(memo[8], QStringLiteral("** Paramètres **"));
    EXPECT_EQ(memo[9], QStringLiteral("a0= 0"));

    a->DecritRapport();
    EXPECT_TRUE(etatGraphe().JournalCourbes.isEmpty());  // session not recorded
    etatGraphe().EnregistrementSession = true;
    a->DecritRapport();
    const QStringList& j = etatGraphe().JournalCourbes;
    ASSERT_EQ(j.size(), 4 + memo.size() - 2);
    EXPECT_EQ(j[0], QStringLiteral(" "));
    EXPECT_EQ(j[2], QStringLiteral("--> Aire n°7"));
    EXPECT_EQ(j[3], QStringLiteral("Fenêtre n°2"));
    EXPECT_EQ(j[4], QStringLiteral("** Système d'inéquations **"));

    GCListAires liste(2);
    liste.Ajoute(a);
    liste.Ajoute(aire({"y<0"}, 8, 2));
    QStringList tout;
    liste.DecritTout(tout);
    EXPECT_EQ(tout[0], QStringLiteral(" "));
    EXPECT_EQ(tout.count(QStringLiteral(" ")), 2);
}

// ---------------------------------------------------------------------------------------
// The list and its composition

TEST_F(Aires, ListeRechercheChoixSuppression)
{
    GCListAires liste(3);
    GCListAires::Choix rien;
    EXPECT_EQ(liste.Choisit("AT", rien), nullptr);
    EXPECT_EQ(interlocuteur_.messages.value(0), QStringLiteral("Aucune aire dans cette fenêtre!"));

    auto a = aire({"y<x"}, 11, 3);
    auto b = aire({"y>x", "x>0"}, 12, 3);
    a->FixeEmpreinte("11e");
    b->FixeEmpreinte("12e");
    b->FixeNom("haut");
    liste.Ajoute(a);
    liste.Ajoute(b);
    EXPECT_EQ(liste.RemplitListe("A"), (QStringList{"3;11\\A\\a : y<x", "3;12\\A\\haut : y>x"}));
    EXPECT_TRUE(liste.RemplitListe("JM").isEmpty());
    EXPECT_EQ(liste.ChercheEmpreinte("12e"), b);
    EXPECT_EQ(liste.ChercheEmpreinte("12"), nullptr);
    EXPECT_EQ(liste.ChercheNumero(11), a);

    QString titre;
    auto choisie = liste.Choisit("A", [&](const QString& t, const QStringList& items) {
        titre = t;
        return items.size() - 1;
    });
    EXPECT_EQ(titre, QStringLiteral("Choix d'une région"));
    EXPECT_EQ(choisie, b);
    EXPECT_EQ(liste.Choisit("A", [](const QString&, const QStringList&) { return -1; }), nullptr);

    etatGraphe().aires = {&liste};
    EXPECT_EQ(AireParEmpreinte("11e"), a);
    EXPECT_EQ(AireParEmpreinte("x"), nullptr);

    EXPECT_EQ(liste.Supprime(11), 1);
    EXPECT_EQ(liste.Supprime(99), 1);
    EXPECT_EQ(liste.ChercheNumero(11), nullptr);
    etatGraphe().aires.clear();
}

TEST_F(Aires, AirePartageeSurvitASaSuppressionDansUneFenetre)
{
    GCRepere r(true, 300, 200);
    std::weak_ptr<GCAire> temoin;
    GCListAires f2(2);
    {
        GCListAires f1(1);
        auto a = aire({"x^2+y^2<4"}, 20, 1);
        temoin = a;
        f1.Ajoute(a);
        f2.Ajoute(a);
        QImage i1;
        f1.CalculeTout(r, i1, 0xFFFFFF);
        EXPECT_EQ(f1.Supprime(20), 0);
    }
    ASSERT_FALSE(temoin.expired());
    QImage image;
    f2.Dessine(image, QSize(300, 200), 0xFFFFFF);
    const QPoint o = r.MondeVersPixel(0, 0);
    EXPECT_EQ(pixelRvb(image, o.x(), o.y()), 0xFFFF00u);  // yellow
    f2.Supprime(20);
    EXPECT_TRUE(temoin.expired());
}

TEST_F(Aires, CompositionStylesModesEtImageDeFond)
{
    GCRepere r(true, 300, 200);
    GCListAires liste(1);
    auto a = aire({"x<0"});
    a->FixeCouleur(0x0000FF);  // red
    liste.Ajoute(a);
    QImage image;
    liste.CalculeTout(r, image, 0xFFFFFF);
    ASSERT_EQ(image.size(), QSize(300, 200));
    const QPoint g = r.MondeVersPixel(-2, 0), d = r.MondeVersPixel(2, 0);
    EXPECT_EQ(pixelRvb(image, g.x(), g.y()), 0xFF0000u);
    EXPECT_EQ(pixelRvb(image, d.x(), d.y()), 0xFFFFFFu);

    // SrcAnd over a background picture tints it; a hidden area is not drawn.
    QImage fond(10, 10, QImage::Format_RGB32);
    fond.fill(QColor(0x80, 0x80, 0xFF));
    liste.Dessine(image, QSize(300, 200), 0xFFFFFF, fond, true);
    EXPECT_EQ(pixelRvb(image, g.x(), g.y()), 0x800000u);
    EXPECT_EQ(pixelRvb(image, d.x(), d.y()), 0x8080FFu);
    // Centred: the picture only covers the middle.
    liste.Dessine(image, QSize(300, 200), 0xFFFFFF, fond, false);
    EXPECT_EQ(pixelRvb(image, 150, 100), 0x8080FFu);
    EXPECT_EQ(pixelRvb(image, 295, 5), 0xFFFFFFu);
    a->FixeVisible(false);
    liste.Dessine(image, QSize(300, 200), 0xFFFFFF, fond, true);
    EXPECT_EQ(pixelRvb(image, g.x(), g.y()), 0x8080FFu);
    a->FixeVisible(true);

    // SrcInvert (XOR) inverts the red area's pixels on white and leaves the rest.
    a->FixeModeCopie(11);
    liste.Dessine(image, QSize(300, 200), 0x000000);
    EXPECT_EQ(pixelRvb(image, g.x(), g.y()), 0xFF0000u);
    EXPECT_EQ(pixelRvb(image, d.x(), d.y()), 0x000000u);

    // Horizontal hatching: lines of the area colour and white gaps, only on the area.
    a->FixeModeCopie(9);  // SrcCopy
    a->FixeStyleRemplissage(2);
    liste.Dessine(image, QSize(300, 200), 0xFFFFFF);
    int rouges = 0, blancs = 0;
    for (int y = g.y() - 8; y < g.y() + 8; ++y) {
        const unsigned v = pixelRvb(image, g.x(), y);
        rouges += v == 0xFF0000u;
        blancs += v == 0xFFFFFFu;
    }
    EXPECT_EQ(rouges, 2);
    EXPECT_EQ(blancs, 14);
}

TEST_F(Aires, HachuresDeLaCouleurDuFondSeulementSurLAire)
{
    // An area of the window's own colour, hatched: only its own pixels take the hatching.
    GCRepere r(true, 300, 200);
    GCListAires liste(1);
    auto a = aire({"x<0"});
    a->FixeCouleur(0xC0C0C0);
    a->FixeStyleRemplissage(2);
    a->FixeModeCopie(9);
    liste.Ajoute(a);
    QImage image;
    liste.CalculeTout(r, image, 0xC0C0C0);
    const int bord = r.MondeVersPixel(0, 0).x();
    int blancsDehors = 0, blancsDedans = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const bool blanc = pixelRvb(image, x, y) == 0xFFFFFFu;
            (x > bord ? blancsDehors : blancsDedans) += blanc;
        }
    EXPECT_EQ(blancsDehors, 0);
    EXPECT_GT(blancsDedans, 1000);
}

TEST_F(Aires, CopieDUneFenetre)
{
    GCListAires source(1);
    auto a = aire({"y<x"}, 5, 1);
    a->FixeNom("a");
    auto b = aire({"y>x"}, 6, 1);
    b->FixeNom("zone");
    source.Ajoute(a);
    source.Ajoute(b);
    etatGraphe().CompteurCourbes = 70000;
    GCListAires zoom(4);
    zoom.CopieDe(source, 4);
    ASSERT_EQ(zoom.Nombre(), 2);
    EXPECT_EQ(zoom.Aires[0]->Numero(), 70000);
    EXPECT_EQ(zoom.Aires[0]->Nom(), QStringLiteral("a70000"));
    EXPECT_EQ(zoom.Aires[1]->Numero(), 70001);
    EXPECT_EQ(zoom.Aires[1]->Nom(), QStringLiteral("zone"));
    EXPECT_EQ(zoom.Aires[1]->NumeroFenetre(), 4);
    EXPECT_NE(zoom.Aires[0], a);
    EXPECT_EQ(zoom.Aires[0]->Inequations(), a->Inequations());
}

// ---------------------------------------------------------------------------------------
// Records

// Reads every "@" record of the lines into the list, the way the document reader
// dispatches them.
int litTout(GCListAires& liste, const QStringList& lignes, ListeIdentifiants& derivees, QStringList& liens)
{
    int i = 0, lus = 0;
    while (i < lignes.size()) {
        if (lignes[i].startsWith('@')) {
            const int avant = i;
            liste.LitAire(lignes, i, derivees, liens);
            EXPECT_GT(i, avant);
            ++lus;
        } else {
            ++i;
        }
    }
    return lus;
}

GCListAires listeExemple()
{
    GCListAires l(1);
    auto a = aire({"x^2+y^2<=1", "y>=!x"}, 3, 1);
    a->FixeEmpreinte("307/12/2026 22:58:01");
    auto b = aire({"R<2", "x>=0"}, 4, 1);
    b->FixeEmpreinte("407/12/2026 22:58:02");
    b->FixeNom("zone ; polaire");
    b->FixePolaire(true);
    b->FixeCouleur(0x123456);
    b->FixeStyleRemplissage(7);
    b->FixeModeCopie(0);
    b->FixeParametre(0, "pi/2");
    b->FixeParametre(9, "-3");
    b->FixeVisible(false);
    auto c = std::make_shared<GCAire>(5, 1);
    c->FixeEmpreinte("507/12/2026 22:58:03");
    l.Ajoute(a);
    l.Ajoute(b);
    l.Ajoute(c);
    return l;
}

TEST_F(Aires, EnregistrementFormat)
{
    QStringList lignes;
    listeExemple().Enregistre(lignes);
    const QStringList attendu = {
        " ",
        "@A307/12/2026 22:58:01;a;clYellow;0;8;0;2;",
        "x^2+y^2<=1",
        "y>=!x",
        "0;0;0;0;0;0;0;0;0;0;v;",
        "@A407/12/2026 22:58:02;zone , polaire;$00123456;7;0;1;2;",
        "R<2",
        "x>=0",
        "pi/2;0;0;0;0;0;0;0;0;-3;f;",
        "@A507/12/2026 22:58:03;a;clYellow;0;8;0;0;",
        "0;0;0;0;0;0;0;0;0;0;v;",
        "",
    };
    EXPECT_EQ(lignes, attendu);
}

TEST_F(Aires, EnregistrementAllerRetourIdentique)
{
    QStringList premier;
    listeExemple().Enregistre(premier);
    etatGraphe().EnregistrementSession = true;
    GCListAires relue(2);
    ListeIdentifiants derivees;
    QStringList liens;
    EXPECT_EQ(litTout(relue, premier, derivees, liens), 3);
    EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join("\n").toStdString();
    ASSERT_EQ(relue.Nombre(), 3);
    QStringList second;
    relue.Enregistre(second);
    EXPECT_EQ(second, premier);

    const auto& b = relue.Aires[1];
    EXPECT_EQ(b->Empreinte(), QStringLiteral("407/12/2026 22:58:02"));
    EXPECT_TRUE(b->Polaire());
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(b->Inequations().size(), 2u);
    EXPECT_EQ(relue.Aires[0]->Inequations().size(), 2u);
    EXPECT_EQ(derivees.size(), 3);
    EXPECT_TRUE(liens.isEmpty());
    // Numbers come from the shared counter; A areas write their report.
    EXPECT_EQ(relue.Aires[0]->Numero(), 1);
    EXPECT_EQ(relue.Aires[2]->Numero(), 3);
    EXPECT_EQ(etatGraphe().CompteurCourbes, 4);
    EXPECT_EQ(etatGraphe().JournalCourbes.count(QStringLiteral(" ")), 3);
}

TEST_F(Aires, EnregistrementRepeteDansUneAutreFenetre)
{
    QStringList lignes;
    listeExemple().Enregistre(lignes);
    GCListAires f1(1), f2(2);
    ListeIdentifiants derivees;
    QStringList liens;
    litTout(f1, lignes, derivees, liens);
    const int compteur = etatGraphe().CompteurCourbes;
    // The second window's document holds the same areas and a new one after them.
    QStringList doc2 = lignes;
    doc2.insert(doc2.size() - 1, "@A9nouvelle;b;clRed;0;8;0;1;");
    doc2.insert(doc2.size() - 1, "y<0");
    doc2.insert(doc2.size() - 1, "0;0;0;0;0;0;0;0;0;0;v;");
    EXPECT_EQ(litTout(f2, doc2, derivees, liens), 4);
    ASSERT_EQ(f2.Nombre(), 1);
    EXPECT_EQ(f2.Aires[0]->Nom(), QStringLiteral("b"));
    EXPECT_EQ(f2.Aires[0]->Numero(), compteur);
    EXPECT_EQ(liens, (QStringList{"2;307/12/2026 22:58:01", "2;407/12/2026 22:58:02", "2;507/12/2026 22:58:03"}));
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur + 1);
}

TEST_F(Aires, EmpreinteAvecSautDeLigneLueCommeElleSEcrit)
{
    // The writer turns a line break of a stamp into a blank: the reader must see the same
    // stamp, so that the copy written after it is recognised as the same area.
    GCListAires f(1);
    ListeIdentifiants derivees;
    QStringList liens;
    const QStringList doc = {"@A707/12/2026 22:58:07;a;clRed;0;8;0;0;", "x<0", "0;0;0;0;0;0;0;0;0;0;v;",
                             "@A707/12/2026\r22:58:07;a;clRed;0;8;0;0;", "x<0", "0;0;0;0;0;0;0;0;0;0;v;"};
    QStringList avecRetour = doc;
    avecRetour[3].replace(QStringLiteral("\\r"), QStringLiteral("\r"));
    litTout(f, avecRetour, derivees, liens);
    EXPECT_EQ(f.Nombre(), 1);
    QStringList ecrit1, ecrit2;
    f.Enregistre(ecrit1);
    GCListAires g(1);
    ListeIdentifiants derivees2;
    QStringList liens2;
    litTout(g, ecrit1, derivees2, liens2);
    g.Enregistre(ecrit2);
    EXPECT_EQ(ecrit1, ecrit2);
}

TEST_F(Aires, LectureFichiersAbimes)
{
    ListeIdentifiants derivees;
    QStringList liens;
    // Empty input, a line that is no area, a head line and nothing else.
    {
        GCListAires l(1);
        int i = 0;
        EXPECT_FALSE(l.LitAire({}, i, derivees, liens));
        EXPECT_EQ(i, 0);
        i = 0;
        EXPECT_FALSE(l.LitAire({"&Y;"}, i, derivees, liens));
        i = 0;
        EXPECT_FALSE(l.LitAire({"@"}, i, derivees, liens));
        i = 0;
        EXPECT_FALSE(l.LitAire({"@A"}, i, derivees, liens));
        EXPECT_EQ(l.Nombre(), 0);
    }
    // Truncated records: what was read is kept, with a message naming the line.
    {
        GCListAires l(1);
        interlocuteur_.messages.clear();
        int i = 0;
        EXPECT_FALSE(l.LitAire({"@A1t;a;clYellow;0;8;0;3;", "y<x", "x>0"}, i, derivees, liens));
        EXPECT_EQ(i, 3);
        ASSERT_EQ(l.Nombre(), 1);
        EXPECT_EQ(l.Aires[0]->Contraintes().size(), 2);
        ASSERT_EQ(interlocuteur_.messages.size(), 1);
        EXPECT_TRUE(interlocuteur_.messages[0].contains("ligne 1")) << interlocuteur_.messages[0].toStdString();
        i = 0;
        EXPECT_FALSE(l.LitAire({"@A2t;a;clYellow;0;8;0;1;", "y<x"}, i, derivees, liens));
        EXPECT_EQ(l.Nombre(), 2);
        EXPECT_TRUE(l.Aires[1]->Visible());
    }
    // Unreadable fields: the record is passed over, the next one is read; an unknown letter
    // is skipped up to the next record; a copy mode out of range reads as SrcAnd; a faulty
    // constraint line is reported and the others kept; a name with ";" keeps the fields.
    {
        GCListAires l(1);
        interlocuteur_.messages.clear();
        const QStringList lignes = {
            "@A1u;a;clYellow;0;8;0;deux;", "y<x", "0;0;0;0;0;0;0;0;0;0;v;",
            "@Z2u;a;rien;", "n'importe quoi", "@ en tête",
            "@A3u;mode;clYellow;0;40;0;1;", "y<x", "0;0;0;0;0;0;0;0;0;0;v;",
            "@A4u;zone;1;clRed;9;3;7;2;", "y<x", "x", "1;2;3;4;5;6;7;8;9;10;f;",
            "@a5u;bas;rouge?;0;8;0;0;", "0;0;0;0;0;0;0;0;0;0;v;",
            "",
        };
        const int n = litTout(l, lignes, derivees, liens);
        EXPECT_EQ(n, 6);
        ASSERT_EQ(l.Nombre(), 3);
        EXPECT_EQ(l.Aires[0]->Nom(), QStringLiteral("mode"));
        EXPECT_EQ(l.Aires[0]->ModeCopie(), 8);
        const auto& z = l.Aires[1];
        EXPECT_EQ(z->Nom(), QStringLiteral("zone;1"));
        EXPECT_EQ(z->Couleur(), 0x0000FFu);
        EXPECT_EQ(z->StyleRemplissage(), 0);  // 9 is no style
        EXPECT_EQ(z->ModeCopie(), 3);
        EXPECT_FALSE(z->Polaire());  // 7 is not 1
        EXPECT_EQ(z->Contraintes().size(), 2);
        EXPECT_EQ(z->Inequations().size(), 1u);
        EXPECT_EQ(z->Parametre(9), QStringLiteral("10"));
        EXPECT_FALSE(z->Visible());
        EXPECT_EQ(l.Aires[2]->Nom(), QStringLiteral("bas"));
        EXPECT_EQ(l.Aires[2]->Couleur(), 0x00FFFFu);  // unreadable: kept
        const QString tout = interlocuteur_.messages.join("\n");
        EXPECT_TRUE(tout.contains("ligne 1 ")) << tout.toStdString();
        EXPECT_TRUE(tout.contains("« Z »")) << tout.toStdString();
        EXPECT_TRUE(tout.contains("Manque < ou > dans la relation n°2")) << tout.toStdString();
        EXPECT_TRUE(tout.contains("rouge?")) << tout.toStdString();
    }
}

TEST_F(Aires, LectureEmpreinteVideEtCompteurGrand)
{
    etatGraphe().CompteurCourbes = 70000;
    GCListAires l(1);
    ListeIdentifiants derivees;
    QStringList liens;
    const QStringList lignes = {"@A;a;clYellow;0;8;0;0;", "0;0;0;0;0;0;0;0;0;0;v;",
                                "@A;b;clYellow;0;8;0;0;", "0;0;0;0;0;0;0;0;0;0;v;"};
    litTout(l, lignes, derivees, liens);
    ASSERT_EQ(l.Nombre(), 2);
    EXPECT_EQ(l.Aires[0]->Numero(), 70000);
    EXPECT_EQ(l.Aires[1]->Numero(), 70001);
    EXPECT_TRUE(l.Aires[0]->Empreinte().startsWith("70000"));
    EXPECT_NE(l.Aires[0]->Empreinte(), l.Aires[1]->Empreinte());
    EXPECT_TRUE(liens.isEmpty());
}

}  // namespace
