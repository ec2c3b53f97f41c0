// Derivative curves against the derivatives of sin: of a formula (D, following its mother)
// and of the samples of a mother's point cache (G), with their refusals.
#include <cmath>
#include <numbers>

#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes_outils.h"

namespace {

// The n-th derivative of sin.
double derivee(int n, double x)
{
    return std::sin(x + n * std::numbers::pi / 2);
}

class Derivees : public CourbeTest {
protected:
    std::shared_ptr<GCDG> derivee(QChar genre, int ordre, const QString& mere, const QString& texte = "0")
    {
        auto c = std::make_shared<GCDG>(genre, ordre, 1, 100 + ordre);
        c->FixeLibelles(texte, "");
        c->FixeMere(1, mere);
        return c;
    }
    void verifie(GCDG& d, std::size_t nombre, double tolerance, double facteur = 1, int decalage = 0)
    {
        trace(d);
        const auto p = points(d);
        EXPECT_EQ(p.size(), nombre) << d.Ordre;
        for (const PointCourbe& q : p)
            EXPECT_NEAR(q.y, facteur * ::derivee(d.Ordre + decalage, q.x), tolerance) << d.Ordre << " " << q.x;
        EXPECT_TRUE(lignesErreurs(d).isEmpty());
    }
};

TEST_F(Derivees, DeriveesDUneFormuleEtDeSaMere)
{
    // Orders 1 to 5 of sin, with the default step and with a fine one (whose derivative step
    // is kept large enough for the high orders).
    for (const char* pas : {"0.125", "0.01"})
        for (int n = 1; n <= 5; ++n) {
            auto d = derivee('D', n, "", "sin(x)");
            d->Pas = pas;
            verifie(*d, pas[2] == '1' ? 81 : 1001, 1e-4);
        }

    // A D curve follows its mother's formula and parameters at every trace.
    GCDessin dessin;
    auto mere = courbe('Y', "a*sin(x)");
    mere->FixeParametre(0, "2");
    mere->FixeIdentifiant("mere");
    dessin.AjouteCourbe(mere);
    auto d = derivee('D', 1, "mere");
    verifie(*d, 81, 1e-4, 2);
    mere->FixeLibelles("a*cos(x)", "");
    mere->FixeParametre(0, "3");
    verifie(*d, 81, 1e-4, 3, 1);
    // Gone, with an own text that does not compile: refused once.
    dessin.RetireCourbe(mere->Numero);
    d->FixeLibelles("sin(", "");
    trace(*d);
    trace(*d);
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Tracé impossible, mère introuvable !"});
}

TEST_F(Derivees, DeriveesDesEchantillonsDUneMere)
{
    // A chronicle whose cache holds 101 samples of sin, 0.05 apart: 101 - 2m points of each
    // order, up to the last whole window, and no error line.
    GCDessin dessin;
    auto chronique = std::make_shared<GCC>('C', 1, 50);
    chronique->FixeIdentifiant("chronique");
    dessin.AjouteCourbe(chronique);
    std::vector<PointCourbe> echantillons;
    for (int k = 0; k <= 100; ++k)
        echantillons.push_back({0.05 * k, 0.05 * k, std::sin(0.05 * k), k ? StyloBaisse : StyloLeve});
    chronique->FichierPoints = chronique->CheminFichier(".pts");
    ASSERT_TRUE(EcritFichierPoints(chronique->FichierPoints, echantillons));
    const std::size_t nombres[5] = {95, 95, 93, 93, 91};
    for (int n = 1; n <= 5; ++n)
        verifie(*derivee('G', n, "chronique"), nombres[n - 1], n <= 2 ? 1e-6 : 1e-3);

    // Too few samples, or an order out of range (a damaged file): one error line only.
    auto g7 = derivee('G', 7, "chronique");
    echantillons.resize(19);
    ASSERT_TRUE(EcritFichierPoints(chronique->FichierPoints, echantillons));
    auto g1 = derivee('G', 1, "chronique");
    for (auto* g : {g1.get(), g7.get()}) {
        trace(*g);
        EXPECT_TRUE(points(*g).empty());
        EXPECT_EQ(lignesErreurs(*g).size(), 1);
    }
    EXPECT_EQ(lignesErreurs(*g1), QStringList{"Trop peu de valeurs dans le fichier mère"});

    // A mother of another window, hidden, muted and never traced yet, is traced first,
    // unseen, and keeps its flags.
    GCDessin autre;
    auto cachee = courbe('Y', "sin(x)", QString(), 60);
    cachee->FixeIdentifiant("cachee");
    cachee->Visible = false;
    cachee->HorsIndex = true;
    autre.AjouteCourbe(cachee);
    verifie(*derivee('G', 1, "cachee"), 75, 1e-3);
    EXPECT_TRUE(!cachee->Visible && cachee->HorsIndex);
    for (int x = 0; x < image_.width(); ++x)
        for (int y = 0; y < image_.height(); ++y)
            ASSERT_NE(pixelRvb(image_, x, y), 0xFF0000u);

    // Its mother deleted, a G curve says so once over many paints.
    autre.RetireCourbe(cachee->Numero);
    auto orpheline = derivee('G', 1, "cachee");
    for (int i = 0; i < 20; ++i)
        trace(*orpheline);
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Tracé impossible, mère introuvable !"});

    // Two G curves that name each other (a file can say so), neither with a cache yet: each
    // traces the other once, unseen, finds nothing to derive and says so, instead of tracing
    // each other for ever.
    auto g2 = derivee('G', 2, "g3"), g3 = derivee('G', 3, "g2");
    g2->FixeIdentifiant("g2");
    g3->FixeIdentifiant("g3");
    dessin.AjouteCourbe(g2);
    dessin.AjouteCourbe(g3);
    for (auto* g : {g2.get(), g3.get()}) {
        QFile::remove(g2->CheminFichier(".pts"));
        QFile::remove(g3->CheminFichier(".pts"));
        trace(*g);
        EXPECT_TRUE(points(*g).empty());
        EXPECT_EQ(lignesErreurs(*g), QStringList{"Trop peu de valeurs dans le fichier mère"});
    }
}

}  // namespace
