// Curves drawn from data files: the point line syntax, a list traced (labels, fonts,
// arrows), the edits of a dragged point, chronicles, Bézier curves against the Bernstein
// form, B-splines against the Cox-de Boor basis, and the refusals.
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <functional>

#include "graph/courbes/GCC.h"
#include "graph/courbes/lignespoints.h"
#include "graph/courbes_outils.h"

namespace {

class Listes : public CourbeTest {
protected:
    template <class C = GCCourbe>
    std::shared_ptr<C> courbe(QChar genre, const QByteArray& contenu, const char* pas = "0.1")
    {
        const QString chemin = dossier_.filePath(QStringLiteral("p%1.txt").arg(++numero_));
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(contenu);
        auto c = std::dynamic_pointer_cast<C>(CreeCourbe(genre, 1, numero_));
        c->Libelle1 = chemin;
        if (auto* g = dynamic_cast<GCC*>(c.get()))
            g->PasC = pas;
        return c;
    }
    // t, x, y and pen of every record of a new trace.
    std::vector<std::array<double, 4>> releves(GCCourbe& c)
    {
        trace(c);
        std::vector<std::array<double, 4>> r;
        for (const PointCourbe& p : points(c))
            r.push_back({p.t, p.x, p.y, double(p.stylo)});
        return r;
    }
    QTemporaryDir dossier_;
    int numero_ = 0;
};

TEST_F(Listes, SyntaxeDesLignesDePoints)
{
    struct Cas {
        const char* ligne;
        bool polaire, accepte;
        double x, y;
        int fleche;
        const char* etiquette;
    };
    for (const Cas& c : {Cas{"1;2", false, true, 1, 2, 0, ""}, Cas{"1 2", false, true, 1, 2, 0, ""},
                         Cas{"1\t2", false, true, 1, 2, 0, ""}, Cas{"1,5 2,5", false, true, 1.5, 2.5, 0, ""},
                         Cas{"->3;4;A;bg;450", false, true, 3, 4, 1, "A;bg;450"}, Cas{"<-1;PI", false, true, 1, M_PI, 2, ""},
                         Cas{"<>1 1 B", false, true, 1, 1, 3, "B"}, Cas{"2;90", true, true, 0, 2, 0, ""},
                         Cas{"1", false, false, 0, 0, 0, ""}, Cas{"1/0;1", false, false, 0, 0, 0, ""},
                         Cas{"1;1e999", false, false, 0, 0, 0, ""}}) {
        LignePoint p;
        ASSERT_EQ(AnalyseLignePoint(c.ligne, p, c.polaire), c.accepte) << c.ligne;
        if (c.accepte) {
            EXPECT_EQ(std::tuple(std::round(p.x * 1e12), std::round(p.y * 1e12), p.fleche, p.etiquette),
                      std::tuple(std::round(c.x * 1e12), std::round(c.y * 1e12), c.fleche, QString(c.etiquette)))
                << c.ligne;
        }
    }
    const EtiquettePoint e = AnalyseEtiquette("A;bg;450"), d = AnalyseEtiquette("B");
    EXPECT_EQ(QStringList({e.texte, e.position, e.angle, d.texte, d.position, d.angle}),
              QStringList({"A", "bg", "450", "B", "hd", "0"}));
    // A code outside the table is placed as "d", as its PSTricks direction is "r".
    EXPECT_EQ(DecaleEtiquette("zz", {100, 100}, 20, 10, 1, 1), DecaleEtiquette("d", {100, 100}, 20, 10, 1, 1));
    EXPECT_EQ(PositionPstricks("zz") + PositionPstricks("bg"), "rdl");
}

TEST_F(Listes, TraceDUneListe)
{
    // Points numbered by accepted line; a bad line and a font line write their error lines;
    // the bad line starts a new piece, the font line does not, nor changes the program's
    // default font.
    const Police avant = etatGraphe().FonteDefaut;
    auto c = courbe('L', "1;1;A\r\n\r\n2;1;B;bg\r\nabc\r\n3;1\r\n\xA7"
                         "Arial;Rouge;20;0;0;0;0;\r\n4;0\r\n");
    EXPECT_EQ(releves(*c), (std::vector<std::array<double, 4>>{{1, 1, 1, 0}, {2, 2, 1, 1}, {3, 3, 1, 0}, {4, 4, 0, 1}}));
    EXPECT_EQ(lignesErreurs(*c), (QStringList{"chaîne rencontrée: abc", "chaîne rencontrée: §Arial;Rouge;20;0;0;0;0;"}));
    EXPECT_EQ(etatGraphe().FonteDefaut, avant);
    // The labels on their side of the point: "A" above right, "B" below left.
    const auto encre = [&](QPoint p, int dx, int dy) {
        int n = 0;
        for (int y = 2; y < 14; ++y)
            for (int x = 2; x < 14; ++x)
                n += pixelRvb(image_, p.x() + dx * x, p.y() + dy * y) != 0xFFFFFF;
        return n;
    };
    const QPoint a = repere_->MondeVersPixel(1, 1), b = repere_->MondeVersPixel(2, 1);
    EXPECT_GT(encre(a, 1, -1), 0);
    EXPECT_GT(encre(b, -1, 1), 0);
    EXPECT_EQ(encre(a, -1, 1), 0);

    // An arrow on the first point has no segment to stand on: nothing is drawn for it.
    const auto dessin = [&](const QByteArray& texte) {
        QImage image = imageBlanche(620, 420);
        QPainter peintre(&image);
        courbe('L', texte)->Trace(peintre, *repere_);
        return image;
    };
    EXPECT_EQ(dessin("->1;1\n2;2\n"), dessin("1;1\n2;2\n"));
    EXPECT_NE(dessin("1;1\n->2;2\n"), dessin("1;1\n2;2\n"));
}

TEST_F(Listes, PointDeplaceDansLeFichier)
{
    // The entry of a point names its line, empty lines counted, with the whole line; moving
    // it rewrites its coordinates only (r and degrees in a polar list), every other byte kept.
    struct Cas {
        QByteArray avant;
        bool polaire;
        double x, y, nx, ny;
        const char* entree;
        QByteArray apres;
    };
    for (const Cas& k : {Cas{"1;1\r\n\r\n->3;4;A;bg;450\r\n", false, 3, 4, 5, 5, "3\\->3;4;A;bg;450", "1;1\r\n\r\n->5;5;A;bg;450\r\n"},
                         Cas{"2;90\n0 0", true, 0, 2, 1, 1, "1\\2;90", "1.4142135623730951;45\n0 0"},
                         Cas{"0;0\n7;-2.5;C\n\xE9t\xE9", false, 7, -2.5, 0.1, -3, "2\\7;-2.5;C", "0;0\n0.1;-3;C\n\xE9t\xE9"}}) {
        auto c = courbe('L', k.avant);
        c->Batons = k.polaire;
        const QPoint q = repere_->MondeVersPixel(k.x, k.y);
        const QStringList entrees = c->PointsProches(*repere_, q.x() + 3, q.y() - 3);
        ASSERT_EQ(entrees, QStringList{QString::fromUtf8(k.entree)});
        EXPECT_TRUE(c->PointsProches(*repere_, q.x() + 4, q.y()).isEmpty());
        ASSERT_TRUE(c->DeplacePointListe(entrees[0].section('\\', 0, 0).toInt(), k.nx, k.ny));
        QFile f(c->Libelle1);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        EXPECT_EQ(f.readAll(), k.apres);
        const auto r = releves(*c);
        EXPECT_TRUE(std::any_of(r.begin(), r.end(), [&](auto p) { return std::hypot(p[1] - k.nx, p[2] - k.ny) < 1e-12; }));
    }
    EXPECT_FALSE(courbe('L', "1;1\n")->DeplacePointListe(2, 0, 0));
}

TEST_F(Listes, ChroniquesEtRefus)
{
    // Line k of a chronicle, when it is not empty, at abscissa start + k step (its record's
    // parameter k); a line that gives no number breaks the curve.
    auto c = courbe<GCC>('C', "\n3\n5\n\n4,5\nabc\n2*PI\n");
    c->Debut = "1";
    EXPECT_EQ(releves(*c), (std::vector<std::array<double, 4>>{{0, 1, 3, 0}, {1, 1.1, 5, 1}, {2, 1.2, 4.5, 1},
                                                               {4, 1 + 4 * 0.1, 2 * M_PI, 3}}));
    EXPECT_EQ(lignesErreurs(*c), QStringList{"chaîne rencontrée: abc"});

    // A file gone: one message, the previous points not kept. Steps that are not positive,
    // for every kind; a Bézier file without a point.
    QFile::remove(c->Libelle1);
    EXPECT_TRUE(releves(*c).empty());
    trace(*c);
    for (const char* genre : {"C", "B", "W"})
        trace(*courbe<GCC>(genre[0], "1;1\n", "0"));
    trace(*courbe<GCC>('B', "?;?\n"));
    EXPECT_EQ(interlocuteur_.messages,
              (QStringList{"Impossible de tracer la courbe! Fichier de données introuvable : " + c->Libelle1,
                           "Pas=0:le pas de calcul doit être >0", "Pas=0:le pas de calcul doit être >0",
                           "Pas=0:le pas de calcul doit être >0",
                           "Impossible de tracer la courbe! Le fichier désigné n'est pas un fichier de points"}));
}

TEST_F(Listes, BezierEtBSpline)
{
    // Bézier curves against the Bernstein form at t = 0, step, ..., 1; B-splines against the
    // Cox-de Boor basis on clamped uniform knots, four points a single span ending exactly
    // at the fourth, fewer a segment from the first to the last; one Bézier control point is
    // sampled like the others, every point on it.
    const std::vector<QPointF> pc = {{-4, -1}, {-2, 3}, {1, -3}, {3, 2}, {4, 0}, {0, -2}};
    std::function<double(int, int, double, int)> base = [&](int i, int d, double t, int n) -> double {
        const auto u = [n](int j) { return double(std::clamp(j - 3, 0, n - 3)); };
        if (d == 0)
            return u(i) <= t && t < u(i + 1) ? 1 : 0;
        const double a = u(i + d) - u(i), b = u(i + d + 1) - u(i + 1);
        return (a > 0 ? (t - u(i)) / a * base(i, d - 1, t, n) : 0) +
               (b > 0 ? (u(i + d + 1) - t) / b * base(i + 1, d - 1, t, n) : 0);
    };
    struct Cas {
        char genre;
        int n;
        std::size_t nombre;
    };
    for (const Cas& k : {Cas{'B', 1, 17}, Cas{'B', 2, 17}, Cas{'B', 4, 17}, Cas{'B', 6, 17}, Cas{'W', 6, 49}, Cas{'W', 4, 17}, Cas{'W', 3, 2}}) {
        QByteArray texte;
        for (int i = 0; i < k.n; ++i)
            texte += QByteArray::number(pc[std::size_t(i)].x()) + ' ' + QByteArray::number(pc[std::size_t(i)].y()) + '\n';
        auto c = courbe<GCC>(k.genre, texte, "0.0625");
        const auto r = releves(*c);
        ASSERT_EQ(r.size(), k.nombre) << k.genre << k.n;
        for (std::size_t j = 0; j + 1 < r.size() && (k.genre == 'B' || k.n > 3); ++j) {
            QPointF attendu;
            for (int i = 0; i < k.n; ++i)
                attendu += pc[std::size_t(i)] * (k.genre == 'W' ? base(i, 3, r[j][0], k.n)
                                                                 : std::tgamma(k.n) / std::tgamma(i + 1) / std::tgamma(k.n - i) *
                                                                       std::pow(r[j][0], i) * std::pow(1 - r[j][0], k.n - 1 - i));
            EXPECT_NEAR(std::hypot(r[j][1] - attendu.x(), r[j][2] - attendu.y()), 0, 1e-12) << k.genre << k.n << " " << r[j][0];
        }
        EXPECT_EQ(r.back()[0], k.genre == 'B' ? 1 : k.n - 3) << k.genre << k.n;
        EXPECT_EQ(QPointF(r.front()[1], r.front()[2]), pc[0]);
        EXPECT_EQ(QPointF(r.back()[1], r.back()[2]), pc[std::size_t(k.n - 1)]);
    }
}

}  // namespace
