// Curves derived from two mothers: every operation against its closed form or a reference
// computed here, with mothers in two windows, and the refusals of the parameters and of the
// trace.
#include <cmath>
#include <complex>
#include <functional>
#include <optional>

#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes_outils.h"
#include "graph/derivees/GCOperBinaire.h"

namespace {

using Fonction = std::function<std::optional<double>(double)>;   // nullopt: the point fails

class OperBinaire : public CourbeTest {
protected:
    void SetUp() override
    {
        CourbeTest::SetUp();
        un_ = std::make_unique<GCDessin>();
        deux_ = std::make_unique<GCDessin>();
        deux_->NumeroFenetre = 2;
    }
    // A y=f(x) callable by name, in window 1 or 2.
    std::shared_ptr<GCY> mere(const QString& texte, GCDessin& dessin, QString bornes = "-5;5;0.125")
    {
        auto m = courbe('Y', texte, {}, nouveauNumero());
        const QStringList b = bornes.split(';');
        m->FixeBornes(b[0], b[1], b[2]);
        m->NouvelIdentifiant();
        m->MemoriseLibelle();
        dessin.AjouteCourbe(m);
        return m;
    }
    // A curve of that kind whose point cache holds these records.
    PtrCourbe cache(QChar genre, const std::vector<PointCourbe>& points)
    {
        PtrCourbe c = CreeCourbe(genre, 1, nouveauNumero());
        c->NouvelIdentifiant();
        c->FichierPoints = c->CheminFichier(".pts");
        EXPECT_TRUE(EcritFichierPoints(c->FichierPoints, points));
        un_->AjouteCourbe(c);
        return c;
    }
    std::shared_ptr<GCOperBinaire> operation(int code, const GCCourbe& a, const GCCourbe& b,
                                             std::array<QString, 3> p = {})
    {
        auto o = std::make_shared<GCOperBinaire>(code, 1, nouveauNumero());
        o->NouvelIdentifiant();
        o->Libelle(a, b);
        if (!p[0].isEmpty())
            o->FixeParametres(p);
        deux_->AjouteCourbe(o);
        return o;
    }
    std::unique_ptr<GCDessin> un_, deux_;
};

}  // namespace

TEST_F(OperBinaire, OperationsPointParPointEgalesAuxFormulesAppariesParAbscisse)
{
    struct Cas {
        int code;
        const char *f1, *f2;
        std::function<std::optional<QPointF>(double x, double a, double b)> attendu;
    };
    const auto y = [](double v) { return std::optional<QPointF>(QPointF(0, v)); };
    const Cas cas[] = {
        {0, "x^2", "sin(x)", [&](double, double a, double b) { return y(a + b); }},
        {1, "x^2", "sin(x)", [&](double, double a, double b) { return y(a - b); }},
        {2, "x^2", "sin(x)", [&](double, double a, double b) { return y(a * b); }},
        {3, "cos(x)", "x", [&](double, double a, double b) { return std::fabs(b) >= 1e-11 ? y(a / b) : std::nullopt; }},
        {6, "x", "x^2-3", [&](double, double a, double b) { return y(std::max(a, b)); }},
        {7, "x", "x^2-3", [&](double, double a, double b) { return y(std::min(a, b)); }},
        {8, "cos(x)", "sin(x)", [](double, double a, double b) { return std::optional<QPointF>(QPointF(a, b)); }},
        // 1/x has no point at 0: every later pair still meets its own abscissa.
        {0, "1/x", "x", [&](double, double a, double b) { return y(a + b); }},
    };
    const auto valeur = [](const char* f, double x) -> std::optional<double> {
        const double v = EvalueTexte(QString(f).replace("x", "(" + QString::number(x, 'g', 17) + ")").toStdString());
        if (ErreurCalcul() || !std::isfinite(v))
            return std::nullopt;
        return v;
    };
    for (const Cas& c : cas) {
        auto a = mere(c.f1, *un_), b = mere(c.f2, *deux_);
        auto o = operation(c.code, *a, *b);
        trace(*o);
        const auto p = points(*o);
        std::size_t j = 0;
        bool casse = false;
        for (int k = 0; k <= 80; ++k) {
            const double x = -5 + k * 0.125;
            const auto ya = valeur(c.f1, x), yb = valeur(c.f2, x);
            const auto r = ya && yb ? c.attendu(x, *ya, *yb) : std::nullopt;
            if (!r) {
                casse = j > 0;
                continue;
            }
            const double rx = c.code == 8 ? r->x() : x;
            ASSERT_LT(j, p.size()) << c.code << " " << c.f1;
            EXPECT_NEAR(p[j].x, rx, 1e-12) << c.code << " " << c.f1 << " at " << x;
            EXPECT_NEAR(p[j].y, r->y(), 1e-9 * std::max(1.0, std::fabs(r->y()))) << c.code << " " << c.f1 << " at " << x;
            EXPECT_EQ(p[j].stylo, j == 0 ? 0 : casse ? 3 : 1) << c.code << " " << c.f1 << " at " << x;
            casse = false;
            ++j;
        }
        EXPECT_EQ(j, p.size()) << c.code << " " << c.f1;
    }

    // The composition reads f2's ordinates into f1's formula; the association joins the
    // records pair by pair.
    auto f = mere("x^2", *un_), g = mere("sin(x)", *deux_, "0;1;0.25");
    auto rond = operation(4, *f, *g), fleches = operation(15, *f, *g);
    trace(*rond);
    trace(*fleches);
    const auto pr = points(*rond), pf = points(*fleches);
    ASSERT_EQ(pr.size(), 5u);
    ASSERT_EQ(pf.size(), 10u);
    for (int k = 0; k < 5; ++k) {
        EXPECT_DOUBLE_EQ(pr[k].y, std::pow(std::sin(k * 0.25), 2));
        EXPECT_EQ(QList<double>({pf[2 * k].x, pf[2 * k + 1].x, pf[2 * k + 1].y}), QList<double>({-5 + k * 0.125, k * 0.25, std::sin(k * 0.25)}));
        EXPECT_EQ(QList<int>({pf[2 * k].stylo, pf[2 * k + 1].stylo}), QList<int>({0, 1}));
    }
    EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join('|').toStdString();
}

// Mothers sampled with other starts or steps: f2 read at each abscissa of f1, on the line
// between its records; where f2 has no value (outside its range, across a break) the point
// fails and the line breaks; with no abscissa in common, the trace says why.
TEST_F(OperBinaire, SecondeMereLueAuxAbscissesDeLaPremiereEntreSesPoints)
{
    // f2 drawn as the broken line through its records, nullopt off its range or between
    // the two records around its hole.
    const auto ligne = [](std::function<double(double)> g, double debut, double pas, int n, double trou = NAN) {
        return [=](double x) -> std::optional<double> {
            const double k = std::floor((x - debut) / pas + 1e-9);
            if (k < 0 || k >= n)
                return std::nullopt;
            const double x0 = debut + k * pas;
            if (std::fabs(x - x0) < 1e-9)
                return x0 == trou ? std::nullopt : std::optional<double>(g(x0));
            if (k + 1 >= n || x0 == trou || x0 + pas == trou)
                return std::nullopt;
            return g(x0) + (g(x0 + pas) - g(x0)) * (x - x0) / pas;
        };
    };
    struct Cas {
        const char* f2;
        const char* bornes;
        Fonction lu;   // f2 as read at f1's abscissae
        std::size_t points;
    } cas[] = {
        {"x^2", "0;10;0.3", ligne([](double x) { return x * x; }, 0, 0.3, 34), 41},
        {"1/(x-2)", "-3;4;0.5", ligne([](double x) { return 1 / (x - 2); }, -3, 0.5, 15, 2), 50},
    };
    for (const Cas& c : cas) {
        interlocuteur_.messages.clear();
        interlocuteur_.avertissements.clear();
        auto a = mere("x", *un_), b = mere(c.f2, *deux_, c.bornes);
        auto o = operation(0, *a, *b);
        trace(*o);
        const auto p = points(*o);
        ASSERT_EQ(p.size(), c.points) << c.f2;
        std::size_t j = 0;
        bool casse = false;
        for (int k = 0; k <= 80; ++k) {
            const double x = -5 + k * 0.125;
            const auto y2 = c.lu(x);
            if (!y2) {
                casse = j > 0;
                continue;
            }
            ASSERT_LT(j, p.size());
            EXPECT_NEAR(p[j].x, x, 1e-12) << c.f2;
            EXPECT_NEAR(p[j].y, x + *y2, 1e-9) << c.f2 << " at " << x;
            EXPECT_EQ(p[j].stylo, j == 0 ? 0 : casse ? 3 : 1) << c.f2 << " at " << x;
            casse = false;
            ++j;
        }
        EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << c.f2;
        EXPECT_TRUE(interlocuteur_.avertissements.contains(LigneAvertissementCalcul(o->Nom))) << c.f2;
    }

    // No abscissa of f1 within f2's range: nothing to draw, and why.
    auto a = mere("x", *un_), b = mere("x^2", *deux_, "6;10;0.5");
    auto o = operation(0, *a, *b);
    trace(*o);
    EXPECT_TRUE(LitFichierPoints(o->FichierPoints).points.empty());
    EXPECT_EQ(interlocuteur_.messages, QStringList{QStringLiteral("Tracé impossible : les domaines de ") + a->Nom +
                                                    QStringLiteral(" et de ") + b->Nom +
                                                    QStringLiteral(" ne se recouvrent pas.")});
}

TEST_F(OperBinaire, FusionTransformeeIntersectionDistancesEtConvolution)
{
    // Fusion: rounds of p1 then p2 records on mother 1's grid, until a round starts with a
    // curve at its end; lists, which have no grid, take the result's own. 0 and 0 (a
    // document) traces nothing and returns.
    auto a = mere("10+x", *un_, "0;3;1"), b = mere("20+x", *deux_, "0;3;1");
    auto fusion = operation(9, *a, *b, {"2", "1", ""});
    trace(*fusion);
    std::vector<std::pair<double, double>> xy;
    for (const PointCourbe& q : points(*fusion))
        xy.emplace_back(q.x, q.y);
    EXPECT_EQ(xy, (std::vector<std::pair<double, double>>{{0, 10}, {1, 11}, {2, 20}, {3, 12}, {4, 13}, {5, 21}}));
    auto la = cache('L', {{0, 1, 5, 0}, {0, 2, 6, 1}, {0, 3, 7, 1}}), lb = cache('L', {{0, 1, -5, 0}, {0, 2, -6, 1}, {0, 3, -7, 1}});
    auto listes = operation(9, *la, *lb, {"1", "1", ""});
    listes->FixeBornes("0", "1", "1");
    auto rien = operation(9, *a, *b, {"0", "0", ""});
    trace(*listes);
    trace(*rien);
    xy.clear();
    for (const PointCourbe& q : points(*listes))
        xy.emplace_back(q.x, q.y);
    EXPECT_EQ(xy, (std::vector<std::pair<double, double>>{{0, 5}, {1, -5}, {2, 6}, {3, -6}, {4, 7}, {5, -7}}));
    EXPECT_TRUE(points(*rien).empty());

    // The inverse transform of a centred spectrum against the sum that defines it; a count
    // that is not a power of two, and samplings that differ, are refused.
    const auto chronique = [&](int n, auto&& valeur, const char* debut = "-12.8") {
        std::vector<PointCourbe> p;
        for (int k = 0; k < n; ++k)
            p.push_back({0, -12.8 + k * 0.1, valeur(k), std::uint8_t(k ? 1 : 0)});
        auto c = std::dynamic_pointer_cast<GCC>(cache('C', p));
        c->FixeDebutPas(debut, "0.1");
        return c;
    };
    const auto re = [](int k) { return std::cos(k * 0.3) / (1 + k % 7); };
    const auto im = [](int k) { return std::sin(k * 0.7) * 0.25; };
    auto tfdr = operation(10, *chronique(256, re), *chronique(256, im), {"-5", "", ""});
    trace(*tfdr);
    const auto signal = points(*tfdr);
    ASSERT_EQ(signal.size(), 256u);
    for (int j = 0; j < 256; j += 17) {
        std::complex<double> s = 0;
        for (int k = 0; k < 256; ++k)   // entry k holds frequency k - 128
            s += std::complex<double>(re(k), im(k)) * std::polar(1.0, 2 * M_PI * j * (k - 128) / 256);
        EXPECT_NEAR(signal[j].x, -5 + j / (256 * 0.1), 1e-12);
        EXPECT_NEAR(signal[j].y, s.real(), 1e-9);
    }
    for (auto* c : {operation(10, *chronique(100, re), *chronique(100, im)).get(),
                    operation(10, *chronique(256, re), *chronique(256, im, "0")).get()})
        trace(*c);
    EXPECT_EQ(interlocuteur_.messages,
              QStringList({"Calculs impossibles !", "Les fichiers proviennent d'échantillonnages différents"}));
    interlocuteur_.messages.clear();

    // Intersection of x^2 and 2 at +-sqrt(2); a sound precision becomes the program's, a
    // precision of 0 (a document) bisects to the last bit and is not kept.
    auto carre = mere("x^2", *un_), deux = mere("2", *deux_);
    for (const char* px : {"0.0001", "0"}) {
        auto n = operation(11, *carre, *deux, {"10", px, "1"});
        contexteCalcul().PrecisionXDicho = 0.5;
        trace(*n);
        const auto r = points(*n);
        ASSERT_EQ(r.size(), 2u);
        const double tolerance = px[1] ? 1e-4 : 1e-15;
        EXPECT_NEAR(r[0].x, -std::sqrt(2.0), tolerance);
        EXPECT_NEAR(r[1].x, std::sqrt(2.0), tolerance);
        EXPECT_NEAR(r[1].y, 2, 4 * tolerance);
        EXPECT_EQ(contexteCalcul().PrecisionXDicho, px[1] ? 1e-4 : 0.5);
    }

    // Distances between x and x^2 over their 81 pairs, plotted from Xinf to Xsup; the
    // normalised distance of a curve to itself has no deviation to divide by.
    auto f = mere("x", *un_), g = mere("x^2", *deux_);
    double l1 = 0, l2 = 0, loo = 0, s = 0, s2 = 0;
    for (int k = 0; k <= 80; ++k) {
        const double x = -5 + k * 0.125, d = x - x * x;
        l1 += std::fabs(d);
        l2 += d * d;
        loo = std::max(loo, std::fabs(d));
        s += d;
        s2 += d * d;
    }
    const double ecart = std::sqrt((s2 - s * s / 81) / 80);
    const double attendus[] = {l1, std::sqrt(l2), loo, l1 / ecart, std::sqrt(l2) / ecart, loo / ecart};
    for (int k = 0; k < 6; ++k) {
        auto d = operation(12 + k % 3, *f, *g, {k < 3 ? "0" : "1", "", ""});
        d->FixeIntervalle("-1", "2");
        trace(*d);
        const auto p = points(*d);
        ASSERT_EQ(p.size(), 2u);
        EXPECT_EQ(QList<double>({p[0].x, p[1].x}), QList<double>({-1, 2}));
        EXPECT_NEAR(p[0].y, attendus[k], 1e-9 * attendus[k]) << k;
    }
    auto soi = operation(13, *f, *f, {"1", "", ""});
    trace(*soi);
    EXPECT_TRUE(points(*soi).empty());
    EXPECT_EQ(lignesErreurs(*soi).size(), 1);

    // Convolution of two Gaussians: sqrt(pi/2) exp(-t^2/2).
    auto g1 = mere("exp(-x^2)", *un_), g2 = mere("exp(-x^2)", *deux_);
    auto conv = operation(5, *g1, *g2, {"-5", "5", "300"});
    conv->FixeBornes("-2", "2", "0.5");
    trace(*conv);
    const auto pc = points(*conv);
    ASSERT_EQ(pc.size(), 9u) << interlocuteur_.messages.join('|').toStdString();
    for (const PointCourbe& q : pc)
        EXPECT_NEAR(q.y, std::sqrt(M_PI / 2) * std::exp(-q.x * q.x / 2), 1e-9) << q.x;
    EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join('|').toStdString();

    // A distance to a mother without a single point has nothing to measure.
    auto vide = operation(13, *cache('L', {}), *g);
    trace(*vide);
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Calculs impossibles !"});
}

TEST_F(OperBinaire, ParametresEtMeresVerifiesAvantToutTrace)
{
    struct Cas {
        int code;
        std::array<QString, 3> p;
        const char* refus;
    };
    const QString negatif = "Nombre de valeurs négatif! Opération impossible.";
    const Cas cas[] = {
        {5, {"-10", "10", "300"}, ""}, {5, {"-10", "10", "0"}, "Erreur dans le pas"},
        {5, {"-10", "10", "32767"}, "Erreur dans le pas"}, {9, {"0", "0", ""}, "N"}, {9, {"2", "-1", ""}, "N"},
        {9, {"0", "2^2", ""}, ""}, {11, {"10", "0", "1"}, "N"}, {11, {"10", "1e-6", "-1"}, "N"},
        {11, {"0", "1e-6", "1"}, "N"}, {11, {"10", "1e-6", "1"}, ""}, {15, {"-1", "", ""}, "N"}, {10, {"x+", "", ""}, ""},
    };
    for (const Cas& c : cas)
        EXPECT_EQ(RefusParametresBinaires(c.code, c.p), QString(c.refus) == "N" ? negatif : QString(c.refus)) << c.code;

    // A mother deleted: one message, and the previous files stay.
    auto a = mere("x", *un_), b = mere("x+1", *deux_);
    b->Visible = false;
    auto somme = operation(0, *a, *b);
    trace(*somme);
    EXPECT_FALSE(b->Visible);
    deux_->RetireCourbe(b->Numero);
    trace(*somme);
    trace(*somme);
    EXPECT_EQ(points(*somme).size(), 81u);
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Tracé impossible, mère introuvable !"});

    // A document may pair any curves: the operations that read their mothers' formulas as
    // those of y=f(x) refuse the others at every trace, as the command does.
    interlocuteur_.messages.clear();
    auto equation = CreeCourbe('E', 1, nouveauNumero());
    ASSERT_TRUE(dynamic_cast<GCY*>(equation.get())->CompileLibelle1("-y"));
    equation->NouvelIdentifiant();
    un_->AjouteCourbe(equation);
    for (auto o : {operation(4, *equation, *a), operation(11, *a, *equation), operation(5, *equation, *a)}) {
        trace(*o);
        EXPECT_FALSE(QFile::exists(o->CheminFichier(".pts")));
    }
    EXPECT_EQ(interlocuteur_.messages, QStringList({"Type Y obligatoire pour la 1ère courbe désignée",
                                                    "Type Y obligatoire pour la 2ème courbe désignée",
                                                    "Type Y obligatoire pour la 1ère courbe désignée"}));
}
