// Julia and Mandelbrot sets: escape counts against an independent iteration, the pixels
// that show the window colour, refused computations, threads and interruption, records.
#include <QTemporaryDir>
#include <complex>

#include "aires_outils.h"
#include "expression/fonction.h"
#include "graph/aires/balayage.h"

namespace {

// The orbit of z^2 + c computed here, with the same order of operations as the formulas.
int compteReference(double x, double y, double a, double b, int max, bool& bornee)
{
    double m = x * x + y * y;
    int n = 0;
    while (m <= 4 && n < max) {
        const double xs = x * x - y * y + a, ys = 2 * x * y + b;
        m = xs * xs + ys * ys;
        ++n;
        x = xs;
        y = ys;
    }
    bornee = !(m > 4);
    return n;
}

using Processus = AiresFenetres;

TEST_F(Processus, ComptesDEchappementDeMandelbrotEtDeJulia)
{
    // Points of the Part's examples, then pixels all over a 600 x 400 picture.
    IterationProcessus m;
    ASSERT_TRUE(m.prepare(*quadratique(QLatin1Char('M'), 1)));
    std::array<double, NbParametres> p = m.parametres();
    struct Cas {
        double a, b;
        IterationProcessus::Issue issue;
        int n;
    } cas[] = {{0, 0, IterationProcessus::Bornee, 100}, {-1, 0, IterationProcessus::Bornee, 100},
               {1, 0, IterationProcessus::Echappee, 3},  {-2, 0, IterationProcessus::Bornee, 100}};
    for (const Cas& c : cas) {
        int n = -1;
        EXPECT_EQ(m.orbite(c.a, c.b, p.data(), n), c.issue) << c.a;
        EXPECT_EQ(n, c.n) << c.a;
    }

    for (QChar lettre : {QLatin1Char('M'), QLatin1Char('J')}) {
        const bool mandelbrot = lettre == QLatin1Char('M');
        GCRepere r(true, 600, 400);
        if (mandelbrot)
            bornesRepere(r, "-2.5", "1", "-1.2", "1.2");
        else
            bornesRepere(r, "-1.8", "1.8", "-1.2", "1.2");
        auto ensemble = quadratique(lettre, 2, 100, mandelbrot ? "0" : "-0.8", mandelbrot ? "0" : "0.156");
        ensemble->Calcule(r);
        const QImage& image = ensemble->Bitmap();
        ASSERT_EQ(image.size(), QSize(602, 402));
        int bornees = 0, echappees = 0;
        for (int c = 1; c <= 601; c += 7)
            for (int l = 1; l <= 401; l += 5) {
                double x, y;
                r.PixelVersMonde(c, l, x, y);
                bool bornee = false;
                const int n = mandelbrot ? compteReference(0, 0, x, y, 100, bornee)
                                         : compteReference(x, y, -0.8, 0.156, 100, bornee);
                const QRgb pixel = image.pixel(c, l);
                ASSERT_EQ(qRed(pixel), bornee ? 0 : n % 256) << c << "," << l;
                ASSERT_EQ(qGreen(pixel), bornee ? 255 : 255 - n % 256);
                (bornee ? bornees : echappees)++;
            }
        EXPECT_GT(bornees, 100);
        EXPECT_GT(echappees, 1000);
        // Outside the area rectangle, the window colour (transparent).
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    }
}

TEST_F(Processus, FondDeLaFenetreFautesEtCalculReproductible)
{
    GCRepere r(true, 200, 100);
    bornesRepere(r, "-2", "2", "-1", "1");
    // A negative maximum iterates nothing: every pixel of the plot keeps the window colour,
    // even over what an earlier computation drew there.
    auto e = quadratique(QLatin1Char('M'), 1);
    e->Calcule(r);
    e->FixeIterationsMax(-1);
    e->Calcule(r);
    const QImage& vide = e->Bitmap();
    for (int l = 0; l < vide.height(); ++l)
        for (int c = 0; c < vide.width(); ++c)
            ASSERT_EQ(qAlpha(vide.pixel(c, l)), 0) << c << "," << l;
    GCListAires liste(1);
    liste.Ajoute(e);
    QImage composition;
    liste.Dessine(composition, QSize(202, 102), RVB(10, 20, 30));
    EXPECT_EQ(composition.pixel(100, 50) & 0xFFFFFF, 0x0A141Eu);

    // A formula that fails ends the orbit at its count: ln(x) from x = 0.5 escapes at 1.
    auto j = std::make_shared<GCProcDyn>(2, QLatin1Char('J'), 1);
    j->FixeContraintes({QStringLiteral("ln(x)"), QStringLiteral("y")});
    IterationProcessus it;
    ASSERT_TRUE(it.prepare(*j));
    std::array<double, NbParametres> p{};
    int n = -1;
    EXPECT_EQ(it.orbite(0.5, 0, p.data(), n), IterationProcessus::Echappee);
    EXPECT_EQ(n, 1);
    // A threshold so large that the orbit overflows before passing it.
    j->FixeContraintes({QStringLiteral("x^3"), QStringLiteral("y")});
    j->FixeSeuil(QStringLiteral("1E300"));
    ASSERT_TRUE(it.prepare(*j));
    EXPECT_EQ(it.orbite(1e120, 0, p.data(), n), IterationProcessus::Echappee);
    EXPECT_EQ(n, 0);

    // One thread or all of them: the same picture.
    auto m = quadratique(QLatin1Char('M'), 3);
    FilsBalayageMax() = 1;
    m->Calcule(r);
    const QImage un = m->Bitmap();
    FilsBalayageMax() = 8;
    m->Calcule(r);
    EXPECT_EQ(m->Bitmap(), un);
    EXPECT_FALSE(m->Interrompu());
}

TEST_F(Processus, OrbitesEnsembleCommeUneAUneEtImageCommeLeBalayagePixelParPixel)
{
    // Processes computed over whole rows at once against the orbits one by one and the
    // picture scanned pixel by pixel: the same counts, outcomes and pixels. Per-pixel a and b
    // (Mandelbrot) in every place a parameter may take in a formula, the area's own c and d,
    // N, failures in the middle of orbits (a division by a on the column where a is 0),
    // overflows, thresholds and maxima at their edges, formulas that call F0 or draw (one
    // orbit after the other).
    ASSERT_TRUE(definitFonctionAuxiliaire(0, "x^2"));
    struct Cas {
        char genre;
        const char *f, *g, *seuil;
        int max;
        const char *a, *b, *x0, *y0;
    } cas[] = {
        {'M', "x^2-y^2+a", "2*x*y+b", "4", 100, "0", "0", "0", "0"},
        {'J', "x^2-y^2+a", "2*x*y+b", "4", 100, "-0.8", "0.156", "0", "0"},
        {'M', "x^2-y^2+a+N/100", "2*x*y+b-N/200", "4", 60, "0", "0", "0", "0"},
        {'M', "a-y*y/c+x*x", "b/c+2*x*y-d/a", "9", 80, "0", "0", "0.1", "-0.2"},
        {'M', "x*a-y*b+c", "(x-b)*(a-y)/d", "16", 40, "0", "0", "0", "0"},
        {'J', "ln(x)+a", "sqrt(y+1)", "100", 50, "0.3", "0", "0", "0"},
        {'J', "x^3+a", "y^3", "1E300", 50, "0.5", "0", "0", "0"},
        {'J', "x^2-y^2+a", "2*abs(x*y)+b", "4", 255, "-0.5", "-0.5", "0", "0"},
        {'M', "x^2-y^2+a", "2*x*y+b", "-1", 100, "0", "0", "0", "0"},
        {'M', "x^2-y^2+a", "2*x*y+b", "4", 0, "0", "0", "0", "0"},
        {'J', "x^2-y^2+a", "2*x*y+b", "4", 1, "0", "0", "0", "0"},
        {'M', "x^2-y^2+a", "2*x*y+b", "4", -1, "0", "0", "0", "0"},
        {'M', "x^2-y^2+a", "2*x*y+b", "1E10", 300, "0", "0", "0", "0"},
        {'M', "F0(x)-F0(y)+a", "2*x*y+b", "4", 50, "0", "0", "0", "0"},
        {'J', "x^2-y^2+a+0*rnd(1)", "2*x*y+b", "4", 50, "-0.8", "0.156", "0", "0"},
    };
    GCRepere r(true, 151, 101);
    bornesRepere(r, "-2", "1", "-1.2", "1.2");
    const GrillePixels grille(r);
    std::vector<double> xs, ys;
    for (int l = grille.r0; l <= grille.r1; ++l)
        for (int c = grille.c0; c <= grille.c1; ++c) {
            double x, y;
            grille.monde(c, l, x, y);
            xs.push_back(x);
            ys.push_back(y);
        }
    const int nb = int(xs.size());
    int aZero = 0;
    for (double x : xs)
        aZero += x == 0;
    ASSERT_GT(aZero, 0);

    for (const Cas& k : cas) {
        SCOPED_TRACE(std::string(1, k.genre) + " " + k.f + " ; " + k.g + " ; " + k.seuil + " ; " + std::to_string(k.max));
        auto e = std::make_shared<GCProcDyn>(1, QLatin1Char(k.genre), 1);
        e->FixeContraintes({QString::fromLatin1(k.f), QString::fromLatin1(k.g)});
        e->FixeSeuil(QString::fromLatin1(k.seuil));
        e->FixeIterationsMax(k.max);
        e->FixeValeursInitiales(QString::fromLatin1(k.x0), QString::fromLatin1(k.y0));
        e->FixeParametre(0, QString::fromLatin1(k.a));
        e->FixeParametre(1, QString::fromLatin1(k.b));
        e->FixeParametre(2, QStringLiteral("1.5"));
        e->FixeParametre(3, QStringLiteral("-0.25"));
        e->FixeCouleurs(paletteComptes());
        IterationProcessus it;
        ASSERT_TRUE(it.prepare(*e));

        std::vector<IterationProcessus::Issue> issues(xs.size());
        std::vector<int> comptes(xs.size());
        std::array<double, NbParametres> p = it.parametres();
        it.orbites(xs.data(), ys.data(), nb, p.data(), issues.data(), comptes.data());
        std::array<int, 3> parIssue{};
        for (int i = 0; i < nb; ++i) {
            std::array<double, NbParametres> q = it.parametres();
            int n = -1;
            const auto issue = it.orbite(xs[std::size_t(i)], ys[std::size_t(i)], q.data(), n);
            ASSERT_EQ(issues[std::size_t(i)], issue) << i;
            if (issue != IterationProcessus::Inachevee) {
                ASSERT_EQ(comptes[std::size_t(i)], n) << i;
            }
            ++parIssue[std::size_t(issue)];
        }
        EXPECT_EQ(parIssue[0] + parIssue[1] + parIssue[2], nb);

        // The picture, on every thread, against the scan of each pixel by itself.
        QImage attendu = BitmapDeBalayage(grille, QImage::Format_ARGB32, 1, e->Nom());
        ASSERT_FALSE(attendu.isNull());
        for (int l = grille.r0; l <= grille.r1; ++l)
            for (int c = grille.c0; c <= grille.c1; ++c) {
                double x, y;
                grille.monde(c, l, x, y);
                std::array<double, NbParametres> q = it.parametres();
                QRgb couleur;
                if (it.couleur(x, y, q.data(), couleur))
                    attendu.setPixel(c, l, couleur);
            }
        e->Calcule(r);
        EXPECT_EQ(e->Bitmap(), attendu);
        EXPECT_FALSE(e->Interrompu());
    }
}

TEST_F(Processus, CalculsRefusesLaissentLImage)
{
    GCRepere r(true, 100, 100);
    const char* const cas[][5] = {
        // kind, f, g, threshold, Xo; then the message
        {"J", "x^2+", "y", "4", "0"}, {"Erreur dans le 1er libellé !"},
        {"J", "x", "(", "4", "0"}, {"Erreur dans le 2nd libellé !"},
        {"J", "x", "y", "4,5", "0"}, {"Erreur dans le seuil « 4,5 » de l'aire n°1 (Julia_1) !"},
        {"M", "x", "y", "4", "1/0"}, {"Erreur dans les conditions initiales « 1/0 », « 0 » de l'aire n°1 (Mandelbrot_1) !"},
    };
    for (std::size_t k = 0; k < std::size(cas); k += 2) {
        auto e = std::make_shared<GCProcDyn>(1, QLatin1Char(cas[k][0][0]), 1);
        e->FixeContraintes({QString::fromLatin1(cas[k][1]), QString::fromLatin1(cas[k][2])});
        e->FixeSeuil(QString::fromLatin1(cas[k][3]));
        e->FixeValeursInitiales(QString::fromLatin1(cas[k][4]), QStringLiteral("0"));
        interlocuteur_.messages.clear();
        e->Calcule(r);
        EXPECT_TRUE(e->Bitmap().isNull());
        EXPECT_EQ(interlocuteur_.messages, QStringList{QString::fromUtf8(cas[k + 1][0])});
    }
}

// Stops the computation at its first question.
struct SuiviQuiArrete : SuiviCalcul {
    bool continuer(int faites, int total) override
    {
        ++questions;
        return false;
    }
    int questions = 0;
};

TEST_F(Processus, UnTresLongCalculSInterrompt)
{
    // The whole plot inside the set with the largest maximum: each pixel would take seconds.
    GCRepere r(true, 300, 200);
    bornesRepere(r, "-0.1", "0.1", "-0.1", "0.1");
    auto e = quadratique(QLatin1Char('M'), 1, 2147483647);
    EXPECT_EQ(e->IterationsMax(), IterationsMaxBorne);
    SuiviQuiArrete suivi;
    {
        GardeValeur<SuiviCalcul*> garde(etatGraphe().suivi, &suivi);
        for (int fils : {1, 8}) {
            FilsBalayageMax() = fils;
            e->Calcule(r);
            EXPECT_TRUE(e->Interrompu());
        }
    }
    EXPECT_EQ(suivi.questions, 2);
    // Outside a scan nothing is ever stopped.
    EXPECT_FALSE(ArretBalayage());
}

TEST_F(Processus, LectureBorneeSansPaletteEtAvecPeriode)
{
    // Round trips of whole documents are tested with the frame; here what reading mends.
    QTemporaryDir dossier;
    etatGraphe().DossierProgramme = dossier.path();
    ASSERT_TRUE(InstallePaletteParDefaut());
    const QStringList lignes = {"@J1 01/01/2026 10:00:00;Julia_1;4;2147483647;0;0;2;", "x^2-y^2+a", "2*x*y+b",
                                "-0.8;0.156;0;0;0;0;0;0;0;0;v;", "16;gcpal0.MAP;",
                                "@M2 01/01/2026 10:00:00;Mandelbrot_2;4;100;0.1;b/2;2;", "x^2-y^2+a", "2*x*y+b",
                                "0;0;0;0;0;0;0;0;0;0;v;", "1;absente.map;"};
    ListeIdentifiants derivees;
    QStringList liens;
    for (int i = 0; i < lignes.size();)
        fenetre1.LitAire(lignes, i, derivees, liens);
    // The maximum and the missing palette are said, one message each; the reading goes on.
    ASSERT_EQ(fenetre1.Nombre(), 2);
    ASSERT_EQ(interlocuteur_.messages.size(), 2);
    EXPECT_TRUE(interlocuteur_.messages[0].contains(QStringLiteral("ramené à 10000000")));
    EXPECT_TRUE(interlocuteur_.messages[1].contains(QStringLiteral("absente.map")));
    auto* j = dynamic_cast<GCProcDyn*>(fenetre1.Aires[0].get());
    auto* m = dynamic_cast<GCProcDyn*>(fenetre1.Aires[1].get());
    ASSERT_TRUE(j && m);
    EXPECT_EQ(j->IterationsMax(), IterationsMaxBorne);
    // The stored period applies to the palette read: count 20 has the colour of count 4.
    EXPECT_EQ(j->CouleurTable(1, 4), PaletteParDefaut()[4]);
    EXPECT_EQ(m->CouleurTable(0, 0), TCouleur(0xFFFFFF));
    EXPECT_EQ(m->Periode(), 3);
    EXPECT_TRUE(m->Inequations().empty());

    // Copies keep every field and the colours.
    auto copie = j->CreeMemeGenre(9, 3);
    copie->Copie(*j);
    auto* c = dynamic_cast<GCProcDyn*>(copie.get());
    ASSERT_TRUE(c);
    EXPECT_EQ(c->Couleurs(), j->Couleurs());
    EXPECT_EQ(c->Periode(), 16);
    QStringList description;
    c->Decrit(description);
    EXPECT_EQ(description.mid(0, 3), (QStringList{QStringLiteral("--> Aire n°9 : Julia_1"),
                                                  QStringLiteral("** Processus dynamique **"),
                                                  QStringLiteral("Ensemble de Julia")}));
    EXPECT_EQ(description.last(), QStringLiteral("Seuil (module infini) : 4"));
}

}  // namespace
