// Implicit curves, lines and conics: the scan and the followed paths checked against the
// equation, lines and conics drawn through their child (copies, hidden curves, their own
// parameters, a document), refusals, and the description of each conic kind.
#include <cmath>
#include <functional>
#include <set>

#include "expression/conique.h"
#include "expression/formatage.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCI.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/genres.h"
#include "graph/courbes_outils.h"

namespace {

using Equation = std::function<double(double, double)>;

class CourbeImplicite : public CourbeTest {
protected:
    std::shared_ptr<GCI> implicite(const QString& f, bool joint, int numero = 1)
    {
        auto c = std::make_shared<GCI>(QLatin1Char('I'), 0, 1, numero);
        c->CompileLibelle1(f);
        c->Joint = joint;
        c->Couleur = c->Marqueur.Couleur = RVB(255, 0, 0);
        return c;
    }
    std::shared_ptr<GCI> conique(int sousType, std::array<QString, 6> coefficients, int numero = 1)
    {
        auto c = std::make_shared<GCI>(QLatin1Char('I'), sousType, 1, numero);
        c->FixeCoefficients(coefficients);
        c->CompileLibelle1(c->LibelleDesCoefficients());
        c->Couleur = c->Marqueur.Couleur = RVB(255, 0, 0);
        return c;
    }
    // Largest distance, in pixels, from a record to the curve g = 0 (|g| / |grad g|).
    double ecartPixels(const std::vector<PointCourbe>& pts, const Equation& g) const
    {
        double ux, uy, pire = 0;
        repere_->GetUnitesParPixel(ux, uy);
        for (const PointCourbe& p : pts) {
            const double h = 1e-6;
            const double gx = (g(p.x + h, p.y) - g(p.x - h, p.y)) / (2 * h) * ux;
            const double gy = (g(p.x, p.y + h) - g(p.x, p.y - h)) / (2 * h) * uy;
            pire = std::max(pire, std::fabs(g(p.x, p.y)) / std::hypot(gx, gy));
        }
        return pire;
    }
    // The quadrants (1 to 4) that hold records at least d away from both axes.
    static std::set<int> quadrants(const std::vector<PointCourbe>& pts, double d = 0.2)
    {
        std::set<int> q;
        for (const PointCourbe& p : pts)
            if (std::fabs(p.x) > d && std::fabs(p.y) > d)
                q.insert(p.x > 0 ? (p.y > 0 ? 1 : 4) : (p.y > 0 ? 2 : 3));
        return q;
    }
};

TEST_F(CourbeImplicite, PointsEtCheminsSurLaCourbe)
{
    struct Cas {
        const char* formule;
        Equation g;
        std::set<int> quadrants;
        bool branches = false;   // apart on both sides of x = 0
    };
    const Cas cas[] = {
        {"x^2+y^2-25", [](double x, double y) { return x * x + y * y - 25; }, {1, 2, 3, 4}},
        {"x²+y²-1", [](double x, double y) { return x * x + y * y - 1; }, {1, 2, 3, 4}},
        // A double point at the origin: both lines through it, in every quadrant.
        {"x^2-y^2", [](double x, double y) { return x * x - y * y; }, {1, 2, 3, 4}},
        {"x*y-1", [](double x, double y) { return x * y - 1; }, {1, 3}, true},
        {"(x^2+y^2)^2-8*(x^2-y^2)", [](double x, double y) { return std::pow(x * x + y * y, 2) - 8 * (x * x - y * y); },
         {1, 2, 3, 4}},
    };
    for (const Cas& k : cas)
        for (const bool joint : {false, true}) {
            SCOPED_TRACE(std::string(k.formule) + (joint ? " joint" : " points"));
            auto c = implicite(QString::fromUtf8(k.formule), joint);
            trace(*c);
            const auto pts = points(*c);
            ASSERT_GT(pts.size(), 20u);
            EXPECT_LT(ecartPixels(pts, k.g), joint ? 0.05 : 0.5);
            EXPECT_EQ(quadrants(pts), k.quadrants);
            EXPECT_TRUE(lignesErreurs(*c).isEmpty());
            if (!joint) {
                for (const PointCourbe& p : pts)
                    ASSERT_EQ(p.stylo, StyloLeve);
                continue;
            }
            // Joined: consecutive points of a piece are one step apart (two across the double
            // point), and no segment joins the two branches of the hyperbola.
            EXPECT_EQ(pts.front().stylo, StyloLeve);
            for (std::size_t i = 1; i < pts.size(); ++i) {
                if (pts[i].stylo == StyloLeve)
                    continue;
                ASSERT_EQ(pts[i].stylo, StyloBaisse);
                const double pas = std::hypot(pts[i].x - pts[i - 1].x, pts[i].y - pts[i - 1].y);
                EXPECT_LE(pas, 0.25 + 1e-9) << i;
                if (k.branches) {
                    EXPECT_GT(pts[i].x * pts[i - 1].x, 0) << i;
                }
            }
        }

    // The unit circle is one closed path; its equation typed with ² or ^ gives the same cache.
    auto a = implicite("x²+y²-1", true), b = implicite("x^2+y^2-1", true, 2);
    trace(*a);
    trace(*b);
    const auto pa = points(*a);
    EXPECT_EQ(pa, points(*b));
    EXPECT_EQ(std::count_if(pa.begin(), pa.end(), [](const PointCourbe& p) { return p.stylo == StyloLeve; }), 1);
    EXPECT_EQ(pa.front().x, pa.back().x);
    EXPECT_EQ(pa.front().y, pa.back().y);
}

TEST_F(CourbeImplicite, BornesLignesEtRefus)
{
    // Joined, x keeps to [Xinf, Xsup] and the paths end on them: y = x from -0.7 to 0.7.
    auto c = implicite("y-x", true);
    c->FixeBornes("-0.7", "0.7", "0.1");
    trace(*c);
    auto pts = points(*c);
    ASSERT_FALSE(pts.empty());
    double xmin = 1, xmax = -1;
    for (const PointCourbe& p : pts) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
    }
    EXPECT_EQ(xmin, -0.7);
    EXPECT_EQ(xmax, 0.7);
    // Not joined, the lines of y run from Xinf by Pas, and the last one is Xsup itself.
    c = implicite("y-x", false);
    c->FixeBornes("0", "0.75", "0.1");
    trace(*c);
    pts = points(*c);
    ASSERT_EQ(pts.size(), 9u);
    for (std::size_t i = 0; i < pts.size(); ++i) {
        EXPECT_NEAR(pts[i].y, i < 8 ? 0.1 * double(i) : 0.75, 1e-12) << i;
        EXPECT_NEAR(pts[i].x, pts[i].y, 0.01) << i;
    }
    EXPECT_EQ(pts.back().y, 0.75);

    // Not joined, one scan line per step of y: on a logarithmic x axis with a linear y axis
    // the lines of y = ln(x) are still 0.125 apart.
    repere_->FixeBornes("0.1", "100", EchelleLog, "0.1", "0", "1", "-5", "5", 0, "-5", "0", "1");
    c = implicite("y-ln(x)", false);
    trace(*c);
    pts = points(*c);
    ASSERT_EQ(pts.size(), 55u);   // lines -2.25 .. 4.5, where ln(x) lies in the frame
    for (std::size_t i = 1; i < pts.size(); ++i)
        EXPECT_DOUBLE_EQ(pts[i].y - pts[i - 1].y, 0.125);

    // A value that cannot be computed ends the path with its error line, and the trace ends.
    c = implicite("y-ln(x)", true);
    c->FixeBornes("-5", "5", "0.125");
    trace(*c);
    EXPECT_FALSE(points(*c).empty());
    EXPECT_FALSE(lignesErreurs(*c).isEmpty());

    // No real point: nothing, and a line that says so.
    c = implicite("x^2+y^2+1", true, 3);
    trace(*c);
    EXPECT_TRUE(points(*c).empty());
    EXPECT_EQ(compteAvertissements(QStringLiteral("-> Courbe fn3 : aucun point de la courbe n'a été trouvé.")), 1);

    // Refusals, once each, with the files of the last good trace left in place.
    interlocuteur_.messages.clear();
    c = implicite("x^2+y^2-4", false, 4);
    trace(*c);
    const auto avant = points(*c);
    c->Pas = QStringLiteral("0");
    trace(*c);
    trace(*c);
    c->Pas = QStringLiteral("0.125");
    c->Libelle1 = QStringLiteral("x+");
    trace(*c);
    EXPECT_EQ(interlocuteur_.messages,
              QStringList({QStringLiteral("Pas=0:le pas de calcul doit être > 0"), QStringLiteral("Pb de libellé !")}));
    EXPECT_EQ(points(*c), avant);

    // Root-search settings of 0 still give a trace that ends.
    contexteCalcul().PrecisionXDicho = 0;
    contexteCalcul().SousIntervallesDicho = 0;
    c = implicite("x^2+y^2-4", true, 5);
    trace(*c);
    EXPECT_LT(ecartPixels(points(*c), [](double x, double y) { return x * x + y * y - 4; }), 0.05);
}

TEST_F(CourbeImplicite, DroitesEtConiquesParLeurFille)
{
    struct Cas {
        int sousType;
        std::array<QString, 6> coefficients;
        Equation g;
    };
    const Cas cas[] = {
        {1, {"2", "0", "4", "0", "0", "0"}, [](double x, double) { return x + 2; }},
        {11, {"1", "1", "2", "0", "0", "0"}, [](double x, double y) { return x + y - 2; }},
        {2, {"1", "0", "1", "0", "0", "-1"}, [](double x, double y) { return x * x + y * y - 1; }},
        {2, {"1", "1", "2", "-1", "0", "-6"}, [](double x, double y) { return x * x + x * y + 2 * y * y - x - 6; }},
        {2, {"0", "1", "0", "0", "0", "-1"}, [](double x, double y) { return x * y - 1; }},
        {2, {"1", "0", "0", "0", "-1", "0.5"}, [](double x, double y) { return x * x - y + 0.5; }},
        {2, {"0", "0", "0", "1", "2", "-1"}, [](double x, double y) { return x + 2 * y - 1; }},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.coefficients[0].toStdString() + " " + k.coefficients[1].toStdString() + " " +
                     k.coefficients[5].toStdString());
        auto c = conique(k.sousType, k.coefficients);
        trace(*c);
        const auto pts = points(*c);
        ASSERT_GT(pts.size(), 10u);
        EXPECT_LT(ecartPixels(pts, k.g), 0.01);
        EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join(' ').toStdString();
        // No segment joins the branches of the hyperbola xy = 1.
        const bool hyperbole = k.coefficients[0] == QLatin1String("0") && k.coefficients[1] == QLatin1String("1");
        for (std::size_t i = 1; i < pts.size(); ++i) {
            if (hyperbole && pts[i].stylo == StyloBaisse) {
                EXPECT_GT(pts[i].x * pts[i - 1].x, 0) << i;
            }
        }
    }

    // What cannot be drawn says why, once.
    const std::pair<std::array<QString, 6>, int> refus[] = {
        {{"0", "0", "5", "0", "0", "0"}, 1},
        {{"0", "0", "5", "0", "0", "0"}, 11},
        {{"1", "0", "-1", "0", "0", "0"}, 2},
        {{"1", "0", "1", "0", "0", "0"}, 2},
        {{"1", "0", "1", "0", "0", "1"}, 2},
        {{"1/0", "0", "1", "0", "0", "1"}, 2},
    };
    for (const auto& [coefficients, sousType] : refus) {
        auto c = conique(sousType, coefficients);
        trace(*c);
        trace(*c);
    }
    EXPECT_EQ(interlocuteur_.messages,
              QStringList({QStringLiteral("Erreur dans libellés:;"), QStringLiteral("Erreur dans libellés:;A=B=0"),
                           QStringLiteral("Conique réduite à la réunion de 2 droites (non tracées)!"),
                           QStringLiteral("Conique réduite à un point (non tracé)!"),
                           QStringLiteral("L'équation donnée n'est pas celle d'une conique !"),
                           QStringLiteral("Coefficient A non calculable : 1/0")}));

    // A tiny circle keeps its radius exactly in the child's formula.
    auto petit = conique(2, {"1", "0", "1", "0", "0", "-1.524E-8"});
    QString x, y, message;
    ASSERT_TRUE(petit->FormulesParametriques(x, y, message));
    EXPECT_EQ(EvalueTexte(x.section(QLatin1Char('*'), 0, 0).toStdString()),
              AnalyseConique(1, 0, 1, 0, 0, -1.524E-8).Rayon);
}

TEST_F(CourbeImplicite, CopiesCacheesEtParametresPropres)
{
    // A copy (duplicate, paste, zoom, parameter variation) makes its own child.
    auto d = conique(1, {"2", "0", "4", "0", "0", "0"});
    trace(*d);
    auto copie = CreeCourbe(QLatin1Char('I'), 2, 7, 1);
    copie->Copie(*d);
    EXPECT_TRUE(copie->Filles.empty());
    trace(*copie);
    ASSERT_EQ(copie->Filles.size(), 1u);
    EXPECT_NE(copie->Filles[0], d->Filles[0]);
    EXPECT_EQ(copie->FichierPoints, copie->CheminFichier(".pts"));
    for (const PointCourbe& p : points(*copie))
        EXPECT_DOUBLE_EQ(p.x, -2);
    double x = 0, y = 0;
    static_cast<GCY&>(*copie->Filles[0]).Evalue(0.5, x, y);
    EXPECT_DOUBLE_EQ(x, -2);
    EXPECT_DOUBLE_EQ(y, 0.5);

    // Hidden: no pixel, the cache still written.
    image_.fill(Qt::white);
    copie->Visible = false;
    trace(*copie);
    EXPECT_EQ(image_, imageBlanche(image_.width(), image_.height()));
    EXPECT_FALSE(points(*copie).empty());

    // y = a·x + b with the curve's own a = 0.5, b = 1, read back from a document after a
    // curve that leaves a = 0.
    auto l = conique(1, {"a", "-1", "b", "0", "0", "0"}, 8);
    l->FixeParametre(0, QStringLiteral("0.5"));
    l->FixeParametre(1, QStringLiteral("1"));
    GCDessin dessin;
    dessin.NumeroFenetre = 1;
    dessin.AjouteCourbe(l);
    QStringList lignes;
    ASSERT_TRUE(dessin.Sauve(lignes));
    SourceLignes source(lignes);
    ListeIdentifiants liens;
    LectureCourbe lu;
    while (!source.fin() && lu.issue != IssueLecture::Courbe) {
        const QString ligne = source.suivante();
        if (ligne.startsWith(QLatin1Char('&')))
            lu = LitCourbe(ligne, source, 1, liens);
    }
    ASSERT_EQ(lu.issue, IssueLecture::Courbe);
    contexteCalcul().ValeursParametres.fill(0);
    trace(*lu.courbe);
    const auto pl = points(*lu.courbe);
    ASSERT_FALSE(pl.empty());
    for (const PointCourbe& p : pl)
        EXPECT_DOUBLE_EQ(p.y, p.x / 2 + 1);
}

TEST_F(CourbeImplicite, DescriptionDesConiques)
{
    auto lignes = [&](std::array<QString, 6> coefficients) {
        QStringList l;
        conique(2, coefficients)->Decrit(l);
        const int debut = int(l.indexOf(QStringLiteral("Pas= 0.125"))) + 1;
        return l.mid(debut);
    };
    EXPECT_EQ(lignes({"1", "0", "1", "0", "0", "-1"}),
              QStringList({"C'est un cercle de rayon :1", "  et de centre : (0 ; 0)"}));
    EXPECT_EQ(lignes({"1", "0", "4", "0", "0", "-4"}),
              QStringList({"C'est une ellipse", "  Centre : (0 ; 0)", "  Vecteur directeur grand axe : (1 ; 0)",
                           "  Vecteur directeur petit axe : (0 ; 1)", "  Demi-longueur grand axe : 2",
                           "  Demi-longueur petit axe : 1", "  Premier foyer : (1.73205 ; 0)",
                           "  Second foyer : (-1.73205 ; 0)", "  Excentricité : 0.86603"}));
    const QStringList hyperbole = lignes({"1", "0", "-1", "0", "0", "-1"});
    EXPECT_EQ(hyperbole.mid(0, 2), QStringList({"C'est une hyperbole équilatère", "  Centre : (0 ; 0)"}));
    const QString texte = hyperbole.join(QLatin1Char('|'));
    for (const char* morceau : {"sommet : (1 ; 0)", "sommet : (-1 ; 0)", "foyer : (1.41421 ; 0)",
                                "foyer : (-1.41421 ; 0)", "|  Excentricité : 1.41421"})
        EXPECT_TRUE(texte.contains(QString::fromUtf8(morceau))) << morceau;
    EXPECT_EQ(lignes({"1", "0", "-4", "0", "0", "-4"}).front(), QStringLiteral("C'est une hyperbole"));
    EXPECT_EQ(lignes({"1", "0", "0", "0", "-1", "0"}),
              QStringList({"C'est une parabole", "  Centre : (0 ; 0)", "  Vecteur directeur axe de symétrie: (0 ; 1)",
                           "  Foyer : (0 ; 0.25)", "  Paramètre p : 0.5"}));
    EXPECT_EQ(lignes({"0", "0", "0", "1", "1", "1"}), QStringList({"C'est une droite (conique dégénérée)"}));
    EXPECT_EQ(lignes({"1", "0", "-1", "0", "0", "0"}),
              QStringList({"C'est la réunion de deux droites (conique dégénérée)"}));
    EXPECT_EQ(lignes({"1", "0", "1", "0", "0", "0"}), QStringList({"C'est un point (conique dégénérée)"}));
    EXPECT_EQ(lignes({"1", "0", "1", "0", "0", "1"}), QStringList({"Ce n'est pas une conique"}));

    // The equation of lines and conics, written from the coefficient texts.
    EXPECT_EQ(conique(1, {"2", "a", "-3", "", "", ""})->Libelle1, QStringLiteral("(2)*x+(a)*y+(-3)"));
    EXPECT_EQ(conique(11, {"2", "a", "-3", "", "", ""})->Libelle1, QStringLiteral("(2)*x+(a)*y-(-3)"));
    EXPECT_EQ(conique(2, {"1", "2", "3", "4", "5", "6"})->Libelle1,
              QStringLiteral("(1)*x²+(2)*x*y+(3)*y²+(4)*x+(5)*y+(6)"));
}

}  // namespace
