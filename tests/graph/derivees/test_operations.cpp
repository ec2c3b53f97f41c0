// The one-curve operations beyond the pointwise ones, each family against references
// computed here: periods, counts and held values of sampled signals; smoothing and least
// squares (NIST StRD data through the curve path); tangents, curvature, evolute and pedal
// curve against closed forms; points, histograms and the discrete primitive against direct
// counts and sums; the Laplace and Fourier transforms; transformations of a circle.
#include <algorithm>
#include <cmath>
#include <complex>
#include <functional>
#include <map>
#include <numeric>

#include <QDir>

#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes_outils.h"
#include "graph/derivees/GCOperUnaire.h"

namespace {

constexpr double Pi = 3.14159265358979323846;
using P6 = std::array<QString, 6>;

class Operations : public CourbeTest {
protected:
    void SetUp() override { CourbeTest::SetUp(), dessin_ = std::make_unique<GCDessin>(); }
    std::shared_ptr<GCY> mere(const QString& t1, const QString& bornes = "-5;5;0.125", QChar genre = 'Y',
                              const QString& t2 = {})
    {
        auto m = courbe(genre, t1, t2, nouveauNumero());
        const QStringList b = bornes.split(';');
        m->FixeBornes(b[0], b[1], b[2]);
        m->NouvelIdentifiant();
        dessin_->AjouteCourbe(m);
        trace(*m);
        return m;
    }
    // A mother known by its points only (a list), its cache written here.
    PtrCourbe echantillons(const std::vector<double>& x, const std::vector<double>& y)
    {
        auto m = std::make_shared<GCCourbe>(QLatin1Char('L'), 1, nouveauNumero());
        m->NouvelIdentifiant();
        m->FichierPoints = m->CheminFichier(".pts");
        std::vector<PointCourbe> p;
        for (std::size_t i = 0; i < x.size(); ++i)
            p.push_back({double(i), x[i], y[i], std::uint8_t(i ? 1 : 0)});
        EXPECT_TRUE(EcritFichierPoints(m->FichierPoints, p));
        dessin_->AjouteCourbe(m);
        return m;
    }
    // Parameters not given are "0"; bounds "Xinf;Xsup;Pas" when given.
    std::shared_ptr<GCOperUnaire> derivee(const GCCourbe& m, int code, P6 p = {}, const QString& bornes = {},
                                          int sousType = 0)
    {
        auto d = std::make_shared<GCOperUnaire>(LettreOperation(code), code, 1, nouveauNumero());
        d->NouvelIdentifiant();
        d->CopieMere(m);
        d->SousType = sousType;
        for (QString& texte : p)
            texte = texte.isNull() ? "0" : texte;
        d->FixeParametres(p);
        if (const QStringList b = bornes.split(';'); b.size() == 3)
            d->FixeBornes(b[0], b[1], b[2]);
        dessin_->AjouteCourbe(d);
        trace(*d);
        return d;
    }
    std::unique_ptr<GCDessin> dessin_;
};

}  // namespace

TEST_F(Operations, SignauxEchantillonnesPeriodisesDecimesBloquesEtEnveloppes)
{
    // Periodisation of one period of sin 2 pi x: the period is exactly 1 whatever the
    // mother's step (its accumulated abscissae fall a hair's breadth off the integers), and
    // mode 2 turns every other period upside down.
    for (const char* pas : {"0.1", "0.3"})
        for (const char* mode : {"0", "2"}) {
            auto m = mere("sin(2*pi*x)", QStringLiteral("-5;5;") + pas);
            const auto d = points(*derivee(*m, 8, {"0", "1", "0", "4", mode, "0"}));
            ASSERT_GE(d.size(), 4 * std::size_t(1 / std::atof(pas))) << pas;
            for (const PointCourbe& q : d) {
                const double signe = *mode == '2' && int(std::floor(q.x + 1e-9)) % 2 ? -1 : 1;
                EXPECT_NEAR(q.y, signe * std::sin(2 * Pi * q.x), 1e-9) << pas << " " << mode << " " << q.x;
                EXPECT_LE(q.x, 4 + 1e-12);
            }
        }

    // Decimation laid on the grid of the curve's own start and step; nothing kept and
    // nothing dropped is refused.
    std::vector<double> x(10), y(10);
    for (int i = 0; i < 10; ++i)
        x[std::size_t(i)] = 3 * i, y[std::size_t(i)] = i * i;
    auto liste = echantillons(x, y);
    QList<double> dec;
    for (const PointCourbe& q : points(*derivee(*liste, 9, {"1", "1", "1"}, "0;0;0.1")))
        dec << q.x << q.y;
    EXPECT_EQ(dec, QList<double>({0, 0, 0.1, 4, 0.2, 16, 0.1 * 3, 36, 0.4, 64}));
    derivee(*liste, 9, {"0", "0", "1"});
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Tracé impossible!"});

    // Holds of y = x on [0, 10], period 1: one plateau a period, from (x1, v) to (x1+1, v).
    auto rampe = mere("x", "0;10;0.1");
    const std::map<int, double> tenues = {{51, 0}, {52, 1}, {58, 0}, {59, 0.5}, {60, 1}, {61, 0.5}, {62, 0.25}};
    for (const auto& [code, v] : tenues) {
        const auto h = points(*derivee(*rampe, code, {"1", "0.25"}, "0;10;0.25"));
        ASSERT_EQ(h.size(), 20u) << code;
        for (std::size_t k = 0; k < 10; ++k)
            EXPECT_EQ(QList<double>({h[2 * k].x, h[2 * k + 1].x, h[2 * k].y, h[2 * k + 1].y, double(h[2 * k].stylo),
                                     double(h[2 * k + 1].stylo)}),
                      QList<double>({double(k), k + 1.0, k + v, k + v, 0, 1})) << code;
    }
    // Steps far outside the view change no pixel outside the plot; a mother without a
    // formula (a list) cannot be held.
    const QImage avant = image_;
    derivee(*mere("10*x"), 51, {"1"}, "-5;5;0.1");
    int l = 0, hh = 0;
    repere_->GetTailleTrace(l, hh);
    for (int py = 0; py < image_.height(); ++py)
        for (int px = 0; px < image_.width(); ++px)
            if (!QRect(repere_->GetOrigine(), QSize(l + 1, hh + 1)).contains(px, py)) {
                ASSERT_EQ(image_.pixel(px, py), avant.pixel(px, py)) << px << "," << py;
            }
    derivee(*liste, 51, {"1"});
    EXPECT_EQ(interlocuteur_.messages.last(), "Type = L: opération non définie pour ce type de courbe!");
    // Steps where the formula fails are not drawn: an error line each.
    auto r = derivee(*mere("sqrt(x)", "-2;2;0.1"), 51, {"0.5"}, "-2;2;0.1");
    EXPECT_EQ(QList<double>({points(*r).front().x, double(points(*r).size()), double(lignesErreurs(*r).size())}),
              QList<double>({0, 8, 4}));

    // Envelopes keep the local extrema of the samples, the first and the last never; the
    // first record moves the pen.
    auto s = mere("sin(5*x)", "-5;5;0.05");
    const auto pm = points(*s);
    for (int code : {47, 48}) {
        QList<double> attendus, obtenus;
        for (std::size_t j = 1; j + 1 < pm.size(); ++j) {
            const double a = pm[j - 1].y, b = pm[j].y, c = pm[j + 1].y;
            if (code == 48 ? a <= b && b >= c : a >= b && b <= c)
                attendus << pm[j].x;
        }
        const auto e = points(*derivee(*s, code, {code == 48 ? "1" : "-1"}));
        for (const PointCourbe& q : e)
            obtenus << q.x;
        EXPECT_EQ(obtenus, attendus);
        EXPECT_EQ(QList<double>({double(e.size()), double(e[0].stylo)}), QList<double>({8, 0}));
    }
}

TEST_F(Operations, LissageEtMoindresCarresContreLeursReferences)
{
    // NIST StRD Norris (degree 1) and Pontius (degree 2), fitted from a mother's cache: the
    // curve's formula gives the certified coefficients to 8 digits; its label and its p3
    // (the residual standard deviation) show them in the number format.
    const double norris[][2] = {{0.1, 0.2}, {338.8, 337.4}, {118.1, 118.2}, {888.0, 884.6}, {9.2, 10.1}, {228.1, 226.5},
        {668.5, 666.3}, {998.5, 996.3}, {449.1, 448.6}, {778.9, 777.0}, {559.2, 558.2}, {0.3, 0.4}, {0.1, 0.6},
        {778.1, 775.5}, {668.8, 666.9}, {339.3, 338.0}, {448.9, 447.5}, {10.8, 11.6}, {557.7, 556.0}, {228.3, 228.1},
        {998.0, 995.8}, {888.8, 887.6}, {119.6, 120.2}, {0.3, 0.3}, {0.6, 0.3}, {557.6, 556.8}, {339.3, 339.1},
        {888.0, 887.2}, {998.5, 999.0}, {778.9, 779.0}, {10.2, 11.1}, {117.6, 118.3}, {228.9, 229.2}, {668.4, 669.1},
        {449.2, 448.9}, {0.2, 0.5}};
    const double pontius[] = {.11019, .21956, .32949, .43899, .54803, .65694, .76562, .87487, .98292, 1.09146, 1.20001,
        1.30822, 1.41599, 1.52399, 1.63194, 1.73947, 1.84646, 1.95392, 2.06128, 2.16844, .11052, .22018, .32939, .43886,
        .54798, .65739, .76596, .87474, .98300, 1.09150, 1.20004, 1.30818, 1.41613, 1.52408, 1.63159, 1.73965, 1.84696,
        1.95445, 2.06177, 2.16829};
    struct Certifie { int degre; std::vector<double> x, y, b; double ecart; const char* libelle; };
    std::vector<Certifie> nist = {{1, {}, {}, {-0.262323073774029, 1.00211681802045}, 0.884796396144373,
                                   "-0.26232+1.00212*x"},
                                  {2, {}, {}, {0.673565789473684E-03, 0.732059160401003E-06, -0.316081871345029E-14},
                                   0.205177424076185E-03, "0.00067+7.32059E-7*x-3.16081E-15*x^2"}};
    for (const auto& p : norris)
        nist[0].x.push_back(p[1]), nist[0].y.push_back(p[0]);
    for (int i = 0; i < 40; ++i)
        nist[1].x.push_back(150000.0 * (i % 20 + 1)), nist[1].y.push_back(pontius[i]);
    for (const Certifie& c : nist) {
        auto r = derivee(*echantillons(c.x, c.y), 10, {QString::number(c.degre), "1"});
        // Coefficients from the curve's own values at 0, u and 2u.
        const double u = c.degre == 1 ? 1 : 1e6;
        double f[3], x;
        for (int k = 0; k < 3; ++k)
            r->Evalue(k * u, x, f[k]);
        const double b[3] = {f[0], (f[1] - f[0]) / u - (c.degre == 2 ? (f[2] - 2 * f[1] + f[0]) / (2 * u) : 0),
                             (f[2] - 2 * f[1] + f[0]) / (2 * u * u)};
        for (int k = 0; k <= c.degre; ++k)
            EXPECT_NEAR(b[k], c.b[std::size_t(k)], 1e-8 * std::fabs(c.b[std::size_t(k)])) << c.degre << " b" << k;
        EXPECT_EQ(r->ParametresOperation[2], QString::fromStdString(ReelVersTexte(c.ecart)));
        EXPECT_EQ(r->Libelle1, c.libelle);
        for (const PointCourbe& q : points(*r))
            EXPECT_EQ(q.y, EvalueArbre(r->Expression1, q.x));
    }

    // The 17 families fitted to data of their own model give the model back over the
    // curve's range; a line fitted to x^2 over 1001 records gives its mean 8.35.
    struct Famille { int genre; const char* option; const char* formule; std::function<double(double)> modele; };
    const Famille familles[] = {
        {1, "1", "1+2*x", [](double x) { return 1 + 2 * x; }},
        {2, "0", "2*x+3*x^2", [](double x) { return 2 * x + 3 * x * x; }},
        {5, "1", "1-x+x^5/10", [](double x) { return 1 - x + std::pow(x, 5) / 10; }},
        {3, "1", "1+x-x^3/4", [](double x) { return 1 + x - x * x * x / 4; }},
        {4, "0", "x^4/20-x", [](double x) { return std::pow(x, 4) / 20 - x; }},
        {6, "2", "1+2*cos(2*x)-sin(2*x)", [](double x) { return 1 + 2 * std::cos(2 * x) - std::sin(2 * x); }},
        {7, "1", "1+cos(x)+sin(2*x)", [](double x) { return 1 + std::cos(x) + std::sin(2 * x); }},
        {8, "0.5", "cos(1.5*x)-2", [](double x) { return std::cos(1.5 * x) - 2; }},
        {9, "1", "sin(4*x)+0.5*cos(x)", [](double x) { return std::sin(4 * x) + 0.5 * std::cos(x); }},
        {10, "0.5", "sin(2.5*x)+cos(0.5*x)", [](double x) { return std::sin(2.5 * x) + std::cos(0.5 * x); }},
        {11, "", "2*x^1.5", [](double x) { return 2 * std::pow(x, 1.5); }},
        {12, "", "-2*exp(0.5*x)", [](double x) { return -2 * std::exp(0.5 * x); }},
        {13, "", "3*ln(2*x)", [](double x) { return 3 * std::log(2 * x); }},
        {14, "2", "2*(1+0.5*exp(-x))", [](double x) { return 2 * (1 + 0.5 * std::exp(-x)); }},
        {15, "4", "4/(1+2*exp(-x))", [](double x) { return 4 / (1 + 2 * std::exp(-x)); }},
        {16, "3", "3*exp(-(0.5^x))", [](double x) { return 3 * std::exp(-std::pow(0.5, x)); }},
        {17, "-1", "(2*x+1)/(x+1)", [](double x) { return (2 * x + 1) / (x + 1); }},
        {1, "1", "x^2", [](double) { return 8.35; }},
    };
    for (const Famille& f : familles) {
        const bool carre = QString(f.formule) == "x^2";
        auto m = mere(f.formule, carre ? "-5;5;0.01" : "0.5;5;0.1");
        const auto p = points(*derivee(*m, 10, {QString::number(f.genre), f.option}, "0.5;5;0.25"));
        ASSERT_EQ(p.size(), 19u) << f.formule;
        for (const PointCourbe& q : p)
            EXPECT_NEAR(q.y, f.modele(q.x), 1e-7 * std::max(1.0, std::fabs(q.y))) << f.formule << " at " << q.x;
    }

    // Smoothing noisy samples: every window against its own sums.
    std::vector<double> x(1000), y(1000);
    for (int k = 0; k < 1000; ++k)
        x[std::size_t(k)] = 0.01 * k, y[std::size_t(k)] = std::sin(0.01 * k) + 0.1 * ((k * 7919 % 1000) / 500.0 - 1);
    auto bruit = echantillons(x, y);
    const auto fenetre = [&](int s, int n) { return std::vector<double>(y.begin() + s, y.begin() + s + n); };
    const std::map<std::pair<int, int>, std::function<double(int)>> lissages = {
        {{11, 5}, [&](int s) { auto w = fenetre(s, 5); std::sort(w.begin(), w.end()); return w[2]; }},
        {{12, 5}, [&](int s) { auto w = fenetre(s, 5); return std::accumulate(w.begin(), w.end(), 0.0) / 5; }},
        {{12, 4}, [&](int s) { return (y[s] / 2 + y[s + 1] + y[s + 2] + y[s + 3] + y[s + 4] / 2) / 4; }},
        {{13, 150}, [&](int s) {
             double mx = 0, my = 0, sxy = 0, sxx = 0;
             for (int i = s; i < s + 150; ++i)
                 mx += x[i] / 150, my += y[i] / 150;
             for (int i = s; i < s + 150; ++i)
                 sxy += (x[i] - mx) * (y[i] - my), sxx += (x[i] - mx) * (x[i] - mx);
             return my + sxy / sxx * (x[s + 75] - mx);
         }},
        {{44, 1}, [&](int s) {
             double sw = 0, swy = 0;
             for (int i = 0; i < 1000; ++i)
                 if (std::fabs(x[s] - x[i]) <= 0.05) {
                     const double u = (x[s] - x[i]) / 0.05, w = std::exp(-u * u / 2 / 0.25);
                     sw += w, swy += w * y[i];
                 }
             return swy / sw;
         }},
    };
    for (const auto& [cle, attendu] : lissages) {
        const auto [code, n] = cle;
        const auto p = points(*derivee(*bruit, code, {QString::number(n), "0.05", "0.5"}));
        ASSERT_EQ(p.size(), std::size_t(1000 - n)) << code;
        for (int s = 0; s < 1000 - n; ++s) {
            EXPECT_EQ(p[std::size_t(s)].x, x[std::size_t(s + n / 2)]);
            EXPECT_NEAR(p[std::size_t(s)].y, attendu(s), 1e-9) << code << " " << n << " at " << s;
        }
    }
    // Too few records for the order: one error line, nothing drawn.
    auto courte = derivee(*echantillons({0, 1, 2}, {0, 1, 0}), 12, {"3"});
    EXPECT_TRUE(points(*courte).empty());
    EXPECT_EQ(lignesErreurs(*courte), QStringList{"Trop peu de valeurs dans le fichier mère."});
}

TEST_F(Operations, TangentesCourbureDevelopeeEtPodaireContreLesFormules)
{
    // Each construction's points against the closed form that holds for them (a residual of
    // 0), and against its extent.
    // Residu: 0 on the expected curve; minimum: points at least.
    struct Cas { const char* genre; const char* t1; const char* t2; int code; P6 p;
                 std::function<double(double, double)> residu; std::size_t minimum; };
    const double a = 3, b = 2;   // the ellipse's half-axes
    const Cas cas[] = {
        // Tangent and normal to y = x^2 at 1, and the normal on a numerically flat point
        // drawn as a vertical segment of about 2 through (1, -2).
        {"Y", "x^2", "", 43, {"1", "0"}, [](double x, double y) { return y - (2 * x - 1); }, 81},
        {"Y", "x^2", "", 54, {"1", "1"}, [](double x, double y) { return y - (1.5 - x / 2); }, 2},
        {"Y", "x^3-3*x", "", 54, {"1", "1"}, [](double x, double y) { return std::fabs(x - 1) < 1e-3 && std::fabs(y + 2) > 0.99 ? 0 : 1; }, 2},
        // The same through a parametric and an x = f(y) mother.
        {"T", "t", "t^2", 43, {"1", "0"}, [](double x, double y) { return y - (2 * x - 1); }, 81},
        {"X", "y^2", "", 43, {"1", "0"}, [](double x, double y) { return x - (2 * y - 1); }, 81},
        // Osculating circle of y = x^2 at 0: radius 1/2, centre (0, 1/2); its centre alone.
        {"Y", "x^2", "", 55, {"0"}, [](double x, double y) { return std::hypot(x, y - 0.5) - 0.5; }, 60},
        {"Y", "x^2", "", 56, {"0"}, [](double x, double y) { return std::hypot(x, y - 0.5); }, 1},
        // The circle of curvature of a polar circle r = 2 is the circle itself.
        {"P", "2", "t", 55, {"0.7"}, [](double x, double y) { return std::hypot(x, y) - 2; }, 60},
        // The evolute of the ellipse (a cos t, b sin t): (c cos^3 t / a, -c sin^3 t / b), c = a^2 - b^2.
        {"T", "3*cos(t)", "2*sin(t)", 14, {},
         [=](double x, double y) { return std::cbrt(a * x / (a * a - b * b)) * std::cbrt(a * x / (a * a - b * b)) +
                                          std::cbrt(b * y / (a * a - b * b)) * std::cbrt(b * y / (a * a - b * b)) - 1; }, 81},
        // The pedal curve of the unit circle from the pole (0.5, 0): the limacon
        // r = 1 - 0.5 cos(theta) about the pole.
        {"P", "1", "t", 15, {"0.5", "0"},
         [](double x, double y) { return std::hypot(x - 0.5, y) - (1 - 0.5 * (x - 0.5) / std::max(1e-300, std::hypot(x - 0.5, y))); }, 81},
    };
    for (const Cas& c : cas) {
        const auto p = points(*derivee(*mere(c.t1, "-5;5;0.125", c.genre[0], c.t2), c.code, c.p));
        ASSERT_GE(p.size(), c.minimum) << c.code << " " << c.t1;
        for (const PointCourbe& q : p)
            EXPECT_NEAR(c.residu(q.x, q.y), 0, 1e-6) << c.code << " " << c.t1 << " at (" << q.x << ", " << q.y << ")";
        EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join('|').toStdString();
    }
    EXPECT_EQ(derivee(*mere("x^2"), 43, {"1"})->Libelle2, "y=2*x-1");

    // The evolute of an ellipse sampled as a list: the same curve within the sampling's
    // accuracy, and too short a list says so.
    std::vector<double> x, y;
    for (int k = 0; k <= 200; ++k)
        x.push_back(a * std::cos(Pi * k / 200)), y.push_back(b * std::sin(Pi * k / 200));
    auto ev = derivee(*echantillons({x.rbegin(), x.rend()}, {y.rbegin(), y.rend()}), 14);
    const auto e = points(*ev);   // one window a record but the last 7, a few failing at the ends
    EXPECT_EQ(QList<int>({int(e.size() + lignesErreurs(*ev).size()), e.size() > 180}), QList<int>({194, 1}));
    for (const PointCourbe& q : e)   // away from the cusps, where uneven windows are least accurate
        if (const double u = std::cbrt(a * q.x / 5), v = std::cbrt(b * q.y / 5); std::fabs(q.x) < 1.4) {
            EXPECT_NEAR(u * u + v * v, 1, 2e-3) << q.x << " " << q.y;
        }
    auto courte = derivee(*echantillons({0, 1, 2}, {0, 1, 4}), 14);
    EXPECT_EQ(lignesErreurs(*courte), QStringList{"Trop peu de valeurs dans le fichier mère"});
}

TEST_F(Operations, PointsHistogrammesEtPrimitiveContreComptesEtSommesDirects)
{
    // A free point at one value of the parameter, and particular points of the samples.
    const auto libre = points(*derivee(*mere("x^2"), 17, {"1.5"}));
    ASSERT_EQ(libre.size(), 1u);
    EXPECT_EQ(QList<double>({libre[0].x, libre[0].y}), QList<double>({1.5, 2.25}));
    auto liste = echantillons({0, 1, 2, 3, 4, 5}, {3, 7, 1, 7, 2, 1});
    const std::map<std::pair<int, QString>, QList<double>> particuliers = {
        {{1, "0"}, {2, 1, 0, 5, 1, 0}}, {{2, "0"}, {1, 7, 0, 3, 7, 0}}, {{3, "2.5"}, {2, 1, 0}},  // halves to even
        {{3, "99"}, {5, 1, 0}},         {{4, "0"}, {2.5, 21.0 / 6, 0}},
    };
    for (const auto& [cle, attendu] : particuliers) {
        QList<double> xy;
        for (const PointCourbe& q : points(*derivee(*liste, 42, {cle.second}, {}, cle.first)))
            xy << q.x << q.y << q.stylo;
        EXPECT_EQ(xy, attendu) << cle.first;
    }

    // Histograms: bars of four corners over each class, as high as the count (or the
    // frequency) over the width, against counts made here.
    QFile bornes(QDir(dossierTravail()).filePath("bornes.txt"));
    ASSERT_TRUE(bornes.open(QIODevice::WriteOnly));
    bornes.write("0\r\n1\r\n3\r\n\r\n");
    bornes.close();
    auto h = mere("x", "-1;10;0.5");   // values -1, -0.5, ..., 10
    // The bounds of the classes, and the height of a class from its count and width.
    struct Histo { P6 p; int cumul; QList<double> classes; std::function<double(int, double)> hauteur; };
    const auto compte = [](double a, double b) {   // values of h in [a, b)
        int n = 0;
        for (int k = 0; k <= 22; ++k)
            n += -1 + 0.5 * k >= a && -1 + 0.5 * k < b;
        return n;
    };
    const Histo histos[] = {
        {{"0", "10", "1", "0", "1"}, 0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, [](int n, double w) { return n / w; }},
        {{"0", "9.5", "2", "1", "1"}, 0, {0, 2, 4, 6, 8, 10}, [](int n, double w) { return n / (20.0 * w); }},
        {{"0", "0", "0", "0", "1", bornes.fileName()}, 0, {0, 1, 3}, [](int n, double w) { return n / w; }},
        {{"0", "3", "1", "0", "1"}, 1, {0, 1, 2, 3}, [](int n, double w) { return n / w; }},
    };
    for (const Histo& c : histos) {
        const auto p = points(*derivee(*h, 41, c.p, {}, c.cumul));
        ASSERT_EQ(p.size(), std::size_t(4 * (c.classes.size() - 1))) << c.p[2].toStdString();
        double cumul = 0;
        for (int j = 0; j + 1 < c.classes.size(); ++j) {
            const double l = c.classes[j], r = c.classes[j + 1];
            cumul = (c.cumul ? cumul : 0) + c.hauteur(compte(l, r), r - l);
            QList<double> coins;
            for (int i = 0; i < 4; ++i)
                coins << p[std::size_t(4 * j + i)].x << p[std::size_t(4 * j + i)].y;
            EXPECT_EQ(coins, QList<double>({l, 0, l, cumul, r, cumul, r, 0})) << c.p[2].toStdString() << " class " << j;
        }
    }
    // Bounds that do not rise: an error line and nothing drawn.
    ASSERT_TRUE(bornes.open(QIODevice::WriteOnly));
    bornes.write("0\r\n3\r\n1\r\n");
    bornes.close();
    auto mauvaise = derivee(*h, 41, {"0", "0", "0", "0", "1", bornes.fileName()});
    EXPECT_TRUE(points(*mauvaise).empty());
    EXPECT_EQ(lignesErreurs(*mauvaise), QStringList{"Borne incorrecte ligne 3"});
    // Classes that start at the curve's own a, whatever was evaluated last; particular
    // points of an empty mother.
    h->FixeParametre(0, "2");
    EvalueTexte("0");
    contexteCalcul().ValeursParametres[0] = 7;
    EXPECT_EQ(points(*derivee(*h, 41, {"a", "4", "1", "0", "1"})).front().x, 2);
    auto vide = derivee(*echantillons({}, {}), 42, {}, {}, 3);
    EXPECT_EQ(lignesErreurs(*vide), QStringList{"Trop peu de valeurs dans le fichier mère."});

    // The discrete primitive of 2x sampled on [0, 1] through (0, 1) is 1 + x^2 (Simpson's
    // rule is exact there); a constant 1 integrated from outside the samples.
    auto deux = mere("2*x", "0;1;0.1");
    for (const PointCourbe& q : points(*derivee(*deux, 53, {"0", "1"})))
        EXPECT_NEAR(q.y, 1 + q.x * q.x, 1e-12);
    for (const PointCourbe& q : points(*derivee(*deux, 53, {"0.55", "0"})))
        EXPECT_NEAR(q.y, q.x * q.x - 0.3025, 1e-12);
    auto un = mere("1", "0;1;0.1");
    const std::map<QString, std::function<double(double)>> primitives = {
        {"2", [](double x) { return x - 2; }}, {"-1", [](double x) { return x + 1; }}};
    for (const auto& [x0, f] : primitives)
        for (const PointCourbe& q : points(*derivee(*un, 53, {x0, "0"})))
            EXPECT_NEAR(q.y, f(q.x), 1e-12) << x0.toStdString();
    derivee(*mere("x", "0;0;1"), 53);
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Calcul Impossible : trop peu de valeurs !"});
}

TEST_F(Operations, TransformeesDeLaplaceEtDeFourier)
{
    // The Laplace transform of e^-t sampled on [0, 30] is 1/(p + 1) over its own range.
    auto e = mere("exp(-x)", "0;30;0.01");
    auto l = derivee(*e, 38, {}, "0.5;5;0.05");
    const auto pl = points(*l);
    ASSERT_EQ(pl.size(), 91u);
    for (std::size_t k = 0; k < pl.size(); ++k)
        EXPECT_LT(std::hypot(pl[k].x - 0.5 - 0.05 * double(k), pl[k].y - 1 / (pl[k].x + 1)), 1e-7) << k;
    EXPECT_EQ(QStringList({l->Xinf, l->Xsup, l->Pas}), QStringList({"0.5", "5", "0.05"}));
    derivee(*e, 38, {}, "1;5;-1");
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Tracé impossible :\npas du tracé nul ou négatif !"});

    // The DFT of sin(2 pi 2 x) over [-5, 5] peaks at +-2 with a modulus of 1/2, drawn by a
    // chronicle of the curve's own data file; the other parts; a second transform of
    // another mother writes a file of its own.
    auto s = mere("sin(2*pi*2*x)");
    auto c = mere("cos(2*pi*3*x)");
    const std::map<QString, std::function<double(double)>> parties = {
        {"1", [](double f) { return std::fabs(std::fabs(f) - 2) < 1e-9 ? 0.5 : 0; }},
        {"3", [](double) { return 0; }},
        {"4", [](double f) { return std::fabs(std::fabs(f) - 2) < 1e-9 ? (f > 0 ? -0.5 : 0.5) : 0; }},
    };
    QStringList fichiers;
    for (const auto& [partie, attendu] : parties) {
        auto d = derivee(*s, 34, {"-5", "5", "256", "0", "0", partie});
        const auto p = points(*d);
        ASSERT_EQ(p.size(), 256u);
        for (std::size_t k = 0; k < p.size(); ++k) {
            EXPECT_NEAR(p[k].x, -12.8 + 0.1 * double(k), 1e-9);
            EXPECT_NEAR(p[k].y, attendu(p[k].x), 1e-9) << partie.toStdString() << " at " << p[k].x;
        }
        fichiers << d->Filles.front()->Libelle1;
    }
    auto autre = derivee(*c, 34, {"-5", "5", "256", "1", "0", "1"});
    fichiers << autre->Filles.front()->Libelle1;
    const auto pa = points(*autre);
    const auto pic = std::max_element(pa.begin(), pa.end(), [](auto& a, auto& b) { return a.y < b.y; });
    EXPECT_EQ(QList<double>({double(pa.size()), std::fabs(pic->x)}), QList<double>({512, 3}));
    fichiers.removeDuplicates();
    EXPECT_EQ(fichiers.size(), 4);
    derivee(*s, 34, {"0", "0", "256", "0", "0", "1"});
    EXPECT_EQ(interlocuteur_.messages.last(), "Attention : Début >= Fin !");

    // The chronicle that draws a transform reads any data file of that form: blank lines
    // skipped, a bad line breaks the curve.
    QFile dta(QDir(dossierTravail()).filePath("mesures.dta"));
    ASSERT_TRUE(dta.open(QIODevice::WriteOnly));
    dta.write("\r\n3\r\n5\r\n\r\nx+\r\n4\r\n");
    dta.close();
    auto chronique = CreeCourbe('C', 1, nouveauNumero());
    chronique->FixeLibelles(dta.fileName(), {});
    trace(*chronique);
    QList<double> xy;
    for (const PointCourbe& q : points(*chronique))
        xy << q.x << q.y << q.stylo;
    EXPECT_EQ(xy, QList<double>({0, 3, 0, 0.1, 5, 1, 3 * 0.1, 4, 3}));
    EXPECT_EQ(lignesErreurs(*chronique), QStringList{"chaîne rencontrée: x+"});
}

TEST_F(Operations, TransformationsDUnCercleContreLeursFormules)
{
    using Z = std::complex<double>;
    const Z i(0, 1);
    struct Cas { int code; P6 p; std::function<Z(Z)> image; };
    const double d = Pi / 180;
    const Cas cas[] = {
        {16, {"x+y", "x*y"}, [](Z z) { return Z(z.real() + z.imag(), z.real() * z.imag()); }},
        {19, {"0.5"}, [](Z z) { return Z(z.real(), 1 - z.imag()); }},
        {20, {"1"}, [](Z z) { return Z(2 - z.real(), z.imag()); }},
        {22, {"1", "2"}, [](Z z) { return Z(2, 4) - z; }},
        {21, {"1", "1"}, [&](Z z) { return i * std::conj(z - i) + i; }},   // about y = x + 1
        {23, {"0", "1", "1", "0"}, [](Z z) { return 1.0 / z; }},
        {24, {"0", "0", "2"}, [](Z z) { return 2.0 / std::conj(z); }},
        {25, {"1", "-2"}, [](Z z) { return z + Z(1, -2); }},
        {26, {"1", "0", "90"}, [&](Z z) { return 1.0 + std::polar(1.0, 90 * d) * (z - 1.0); }},
        {27, {"1", "1", "2"}, [](Z z) { return Z(1, 1) + 2.0 * (z - Z(1, 1)); }},
        {28, {"0", "1", "30", "1.5"}, [&](Z z) { return i + std::polar(1.5, 30 * d) * (z - i); }},
        {29, {"1", "0", "0", "0", "3", "0"}, [](Z z) { return Z(z.real(), 3 * z.imag()); }},
        {31, {"1", "2", "3", "4", "5", "6"}, [](Z z) { return Z(z.real() + 2 * z.imag() + 3, 4 * z.real() + 5 * z.imag() + 6); }},
        {32, {"2", "1", "1", "3"}, [](Z z) { return (2.0 * z + 1.0) / (z + 3.0); }},
        {33, {}, [](Z z) { return (2.0 * z + 1.0 / (2.0 * z)) / 2.0; }},   // on the circle of radius 2
        {36, {"1", "0", "0"}, [](Z z) { const double u = (z.real() + z.imag()) / 2; return Z(u, u); }},
        {35, {"0.5", "0", "1"}, [](Z z) { return Z(z.real(), 0.5); }},
        {37, {"-1"}, [](Z z) { return Z(-1, z.imag()); }},
        {40, {"z^2"}, [](Z z) { return z * z; }},
        {40, {"exp(z)"}, [](Z z) { return std::exp(z); }},
        {45, {"y^2", "0", "1"}, [](Z z) { return Z(z.imag() * z.imag(), z.imag()); }},
        {46, {"x^3"}, [](Z z) { return Z(z.real(), std::pow(z.real(), 3)); }},
    };
    auto cercle = mere("cos(t)", "-3;3;0.125", 'T', "sin(t)");
    auto grand = mere("2*cos(t)", "-3;3;0.125", 'T', "2*sin(t)");
    for (const Cas& c : cas) {
        const auto& m = c.code == 33 ? grand : cercle;
        const auto pm = points(*m);
        const auto pd = points(*derivee(*m, c.code, c.p));
        ASSERT_EQ(pd.size(), pm.size()) << c.code;
        for (std::size_t k = 0; k < pm.size(); ++k) {
            const Z w = c.image(Z(pm[k].x, pm[k].y) / (c.code == 33 ? 2.0 : 1.0));
            EXPECT_NEAR(std::abs(Z(pd[k].x, pd[k].y) - w), 0, 1e-12 * std::max(1.0, std::abs(w)))
                << c.code << " " << c.p[0].toStdString() << " at t=" << pm[k].t;
            EXPECT_EQ(pd[k].t, pm[k].t);
        }
    }
    // Points without an image: an error line each, and no record that is not a number.
    auto pole = derivee(*cercle, 24, {"1", "0", "1"});
    EXPECT_EQ(lignesErreurs(*pole), QStringList{"variable=0 ; Inverse du pôle non défini"});
    auto enorme = derivee(*grand, 27, {"0", "0", "1e308"});
    EXPECT_EQ(points(*enorme).size() + std::size_t(lignesErreurs(*enorme).size()), points(*grand).size());
    EXPECT_GT(lignesErreurs(*enorme).size(), 20);
    derivee(*cercle, 16, {"x+y", "x+"});
    EXPECT_EQ(interlocuteur_.messages, QStringList{"Erreur dans transformation quelconque!"});
}
