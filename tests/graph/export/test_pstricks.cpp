// The PSTricks document of a window: its numbers (fixed point, digits for the window's
// size, never an exponent), the frame's scale and graduation labels where the screen puts
// them, curves cut far outside the window, texts escaped for LaTeX.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCA.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCN.h"
#include "graph/courbes/genres.h"
#include "graph/document/GCDocument.h"
#include "graph/export/pstricks.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "etat_essai.h"
#include "interlocuteur_essai.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

class PSTricks : public ::testing::Test {
protected:
    std::shared_ptr<GCY> courbe(GCDocument& d, const QString& formule, const QString& debut = "-5",
                                const QString& fin = "5", const QString& pas = "0.1")
    {
        auto c = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
        EXPECT_TRUE(c->FixeLibelles(formule, QString()));
        c->FixeBornes(debut, fin, pas);
        c->NouvelIdentifiant();
        c->MemoriseLibelle();
        d.Dessin.AjouteCourbe(c);
        return c;
    }
    // Every "(x,y)" of the lines, as numbers.
    static std::vector<std::pair<double, double>> Points(const QStringList& lignes)
    {
        std::vector<std::pair<double, double>> p;
        static const QRegularExpression re(QStringLiteral("\\((-?[0-9.]+),(-?[0-9.]+)\\)"));
        for (const QString& l : lignes)
            for (auto it = re.globalMatch(l); it.hasNext();) {
                const auto m = it.next();
                p.emplace_back(m.captured(1).toDouble(), m.captured(2).toDouble());
            }
        return p;
    }
    static QStringList Commencant(const QStringList& lignes, const QString& debut)
    {
        QStringList l;
        for (const QString& t : lignes)
            if (t.startsWith(debut))
                l << t;
        return l;
    }

    EtatNeuf<reinitialiseGraphe> etat_;
    InterlocuteurEssai inter;
    GardeValeur<Interlocuteur*> gardeInter_{etatGraphe().interlocuteur, &inter};
};

}  // namespace

TEST_F(PSTricks, NombresEnVirguleFixeEtTextesEchappes)
{
    const struct {
        double v;
        int decimales;
        const char* texte;
    } cas[] = {{0.9, 6, "0.9"},        {5.2734375e-6, 11, "0.00000527344"}, {1e-20, 6, "0"},
               {-1e-7, 3, "0"},        {2e6, 6, "2000000"},                {-973751270782810.0, 2, "-973751270782810"},
               {1.0 / 3, 4, "0.3333"}, {NAN, 3, "0"}};
    for (const auto& c : cas)
        EXPECT_EQ(NombreTeX(c.v, c.decimales), QString::fromLatin1(c.texte)) << c.v;
    EXPECT_EQ(EchappeTeX(QStringLiteral("20 % & #1 « é » $x^2$")), QStringLiteral("20 \\% \\& \\#1 « é » $x^2$"));
}

TEST_F(PSTricks, RepereALEchelleEtGradueCommeALEcran)
{
    // 512 x 512 over -5..5: 0.9 cm a unit, no background, labels -5 ... 5 along x at the
    // values the screen shows (a last step past the bound gives no label).
    {
        GCDocument d(1, 512, 512);
        d.Repere.FixeBornes("-5", "5.6", EchelleArith, "-5", "0", "1", "-5", "5", EchelleArith, "-5", "0", "1");
        const QStringList l = DocumentPSTricks(d, QSize(512, 512));
        EXPECT_TRUE(l.contains(QStringLiteral("\\begin{pspicture}(9cm,9cm)")));
        EXPECT_TRUE(l.contains(QStringLiteral("\\usepackage[utf8]{inputenc}")));
        EXPECT_TRUE(l.contains(QStringLiteral("\\usepackage[T1]{fontenc}")));
        EXPECT_EQ(Commencant(l, "\\psset").value(0), QStringLiteral("\\psset{xunit=0.849057cm,yunit=0.9cm,origin={0,0}}"));
        EXPECT_TRUE(Commencant(l, "\\newrgbcolor{coulFond}").isEmpty());
        const QStringList x = Commencant(l, "\\rput[t]");
        ASSERT_EQ(x.size(), 11);
        EXPECT_TRUE(x.first().endsWith(QStringLiteral("){-5}")));
        EXPECT_TRUE(x.last().startsWith(QStringLiteral("\\rput[t](10,")));
        EXPECT_TRUE(x.last().endsWith(QStringLiteral("){5}")));
    }
    // A y axis on a log scale over [0.01, 100]: its labels at the decades' logarithms; an x
    // axis in steps of pi/2 labelled in multiples of pi, as the screen writes them.
    {
        GCDocument d(1, 512, 512);
        d.Repere.FixeBornes("-3.2", "3.2", EchelleArith, "-2*pi", "0", "pi/2", "0.01", "100", EchelleLog, "0.01", "0", "1");
        const QStringList l = DocumentPSTricks(d, QSize(512, 512));
        const QStringList y = Commencant(l, "\\rput[r]");
        ASSERT_EQ(y.size(), 5);
        for (int i = 0; i < 5; ++i)
            EXPECT_NEAR(Points({y[i]}).at(0).second, i, 1e-9) << y[i].toStdString();
        EXPECT_TRUE(Commencant(l, "\\psset").value(0).contains(QStringLiteral("yunit=2.25cm")));
        QStringList x = Commencant(l, "\\rput[t]");
        ASSERT_EQ(x.size(), 5);
        for (QString& t : x)
            t = t.mid(t.indexOf(QLatin1String("){")) + 2);
        EXPECT_EQ(x, QStringList({"-$\\pi$}", "-0.5$\\pi$}", "0}", "0.5$\\pi$}", "$\\pi$}"})) << x.join(' ').toStdString();
    }
    // A huge x range, a tiny y range: plain decimals only.
    {
        GCDocument d(1, 600, 400);
        d.Repere.FixeBornes("0", "2000000", EchelleArith, "0", "0", "500000", "0", "0.05", EchelleArith, "0", "0", "0.01");
        courbe(d, QStringLiteral("x/40000000"), "0", "2000000", "20000");
        const QStringList l = DocumentPSTricks(d, QSize(600, 400));
        for (const QString& t : l)
            EXPECT_FALSE(t.contains(QRegularExpression(QStringLiteral("[0-9][eE][-+]?[0-9]")))) << t.toStdString();
        // The curve keeps its shape: points spread over the whole height.
        double haut = 0;
        for (const auto& p : Points(Commencant(l, "(")))
            haut = std::max(haut, p.second);
        EXPECT_NEAR(haut, 0.05, 1e-4);
    }
}

TEST_F(PSTricks, CourbesCoupeesLoinDeLaFenetreEtTextesEchappesPourLaTeX)
{
    GCDocument d(1, 512, 512);
    courbe(d, QStringLiteral("1/x"));
    auto exponentielle = courbe(d, QStringLiteral("exp(x)"), "-10", "10");
    // A plate under it, closed on the x axis, hatched.
    auto plaque = std::make_shared<GCA>(QLatin1Char('A'), 1, nouveauNumero());
    plaque->FixeMere(*exponentielle);
    plaque->SousType = 1;
    plaque->StyleRemplissage = 2;
    d.Dessin.AjouteCourbe(plaque);
    // A list of points with an arrow and a label in green (no colour name: CMYK).
    QTemporaryDir dossier;
    QFile f(dossier.filePath("points.txt"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("1;1\r\n->2;3;P & Q;bg;450\r\n");
    f.close();
    auto liste = CreeCourbe(QLatin1Char('L'), 1, nouveauNumero());
    liste->Libelle1 = f.fileName();
    d.Dessin.AjouteCourbe(liste);
    etatGraphe().FonteDefaut.Couleur = RVB(0, 102, 51);
    auto t = std::make_unique<GCTexte>(1, QStringLiteral("1"), QStringLiteral("2"), true, etatGraphe().FonteDefaut);
    t->SetTexte(QStringLiteral("Réduction de 20 % & #1"));
    Police rouge = etatGraphe().FonteDefaut;
    rouge.Couleur = RVB(255, 0, 0);
    t->SetFonte(rouge);
    d.Textes.AjouteTexte(std::move(t));
    const QStringList l = DocumentPSTricks(d, QSize(512, 512));

    // 0.9 cm a unit: no point further than 500 cm from the corner.
    const auto p = Points(l);
    ASSERT_GT(p.size(), 100u);
    for (const auto& [u, v] : p) {
        EXPECT_LE(std::fabs(u) * 0.9, 500.0);
        EXPECT_LE(std::fabs(v) * 0.9, 500.0);
    }
    // The plate cut to the box, its fill from its brush.
    EXPECT_EQ(Commencant(l, "\\pspolygon").value(0),
              QStringLiteral("\\pspolygon[style=styletmp,fillstyle=hlines,hatchangle=0,hatchcolor=macoul,hatchwidth=0.4pt]%"));
    EXPECT_TRUE(l.contains(QStringLiteral("\\psline[linecolor=macoul,linewidth=1pt]{->}(6,6)(7,8)")));
    EXPECT_TRUE(l.contains(QStringLiteral("\\uput[dl]{45}(7,8){\\Color{1 0 0.5 0.6}{P \\& Q}}"))) << Commencant(l, "\\uput").join(' ').toStdString();
    // Both branches of 1/x drawn, each line starting with its command.
    EXPECT_GE(Commencant(l, "\\psline[style=styletmp,liftpen=2]").size(), 2);
    EXPECT_TRUE(l.contains(QStringLiteral("\\rput[l]{0}(6,7){\\red Réduction de 20 \\% \\& \\#1}")));
    EXPECT_EQ(l.indexOf(QStringLiteral("\\endpsclip")) + 2, l.indexOf(QStringLiteral("\\rput[l]{0}(6,7){\\red Réduction de 20 \\% \\& \\#1}")));
}

TEST_F(PSTricks, EscargotEnEscalierCommeALEcran)
{
    // The cobweb of u -> u/2 + 1 from 0 (terms 0, 1, 1.5, 1.75, 1.875), joined: a stair from
    // each term to the next, up to the graph then across to the diagonal, and the dotted
    // line from each term down to the x axis; not joined, the stairs only. 5 is the x axis
    // and the y axis of the picture, 0 of the world.
    for (bool joint : {true, false}) {
        GCDocument d(1, 512, 512);
        auto n = std::make_shared<GCN>(QLatin1Char('N'), 1, nouveauNumero(), 3);
        ASSERT_TRUE(n->FixeLibelles("x/2+1", "x/2+1"));
        n->FixeConditions("4", "0", "0");
        n->FixeIterationsVisibles("0", "4");
        n->Joint = joint;
        n->Epaisseur = 2;
        n->NouvelIdentifiant();
        d.Dessin.AjouteCourbe(n);
        const QStringList l = DocumentPSTricks(d, QSize(512, 512));
        QStringList attendues;
        const double u[] = {0, 1, 1.5, 1.75, 1.875};
        for (int k = 0; k < 5; ++k) {
            if (k > 0)
                attendues << QStringLiteral("\\psline[style=styletmp]{-}(%1,%1)(%1,%2)(%2,%2)").arg(5 + u[k - 1]).arg(5 + u[k]);
            if (joint)
                attendues << QStringLiteral("\\psline[linecolor=macoul,linewidth=2pt,linestyle=dotted]{-}(%1,%1)(%1,5)")
                                 .arg(5 + u[k]);
        }
        QStringList marches;
        for (const QString& t : l)
            if (t.startsWith("\\psline[style=styletmp]") || t.startsWith("\\psline[linecolor=macoul"))
                marches << t;
        EXPECT_EQ(marches.join('\n').toStdString(), attendues.join('\n').toStdString()) << joint;
    }
}
