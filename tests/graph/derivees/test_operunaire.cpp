// Curves derived from one mother: the pointwise operations against their closed forms, the
// reversal, and the dispatcher (mother found in any window at every trace, bounds and
// parameters, refusals).
#include <cmath>
#include <functional>

#include "graph/courbes/GCDessin.h"
#include "graph/courbes_outils.h"
#include "graph/derivees/GCOperUnaire.h"

namespace {

class OperUnaire : public CourbeTest {
protected:
    void SetUp() override
    {
        CourbeTest::SetUp();
        dessin_ = std::make_unique<GCDessin>();   // listed after the reset of the shared state
    }
    std::shared_ptr<GCY> mere(const QString& texte1, const QString& texte2 = {}, QChar genre = 'Y')
    {
        auto m = courbe(genre, texte1, texte2, nouveauNumero());
        m->NouvelIdentifiant();
        dessin_->AjouteCourbe(m);
        return m;
    }
    std::shared_ptr<GCOperUnaire> derivee(const GCCourbe& m, int code, std::array<QString, 6> p = {"0", "0", "0", "0", "0", "0"})
    {
        auto d = std::make_shared<GCOperUnaire>(LettreOperation(code), code, 1, nouveauNumero());
        d->NouvelIdentifiant();
        d->CopieMere(m);
        d->FixeParametres(p);
        return d;
    }
    std::unique_ptr<GCDessin> dessin_;
};

}  // namespace

TEST_F(OperUnaire, ResultatsPointParPointEgauxAuxFormulesEnChaquePointDeLaMere)
{
    struct Cas {
        const char* mere;
        int code;
        const char* p1;
        const char* p2;
        std::function<double(double)> attendu;   // of the mother's y; NAN: the point breaks
    };
    const Cas cas[] = {
        {"sin(x)", 0, "0", "0", [](double y) { return -y; }},
        {"sin(x)", 1, "0", "0", [](double y) { return std::fabs(y) >= 1e-11 ? 1 / y : NAN; }},
        {"sin(x)", 2, "3", "0", [](double y) { return y * y * y; }},
        {"sin(x)", 2, "2.5", "0", [](double y) { return y * y; }},   // halves to even
        {"x", 2, "-2", "0", [](double y) { return std::fabs(y * y) >= 1e-11 ? 1 / (y * y) : NAN; }},
        {"x/5", 2, "1e9", "0", [](double y) { return std::fabs(y) == 1 ? 1 : 0; }},   // at once
        {"sin(x)", 3, "0", "0", [](double y) { return std::fabs(y); }},
        {"sin(x)", 4, "0", "0", [](double y) { return std::max(y, 0.0); }},
        {"sin(x)", 5, "0", "0", [](double y) { return std::min(y, 0.0); }},
        {"sin(x)", 6, "1", "-1", [](double y) { return y; }},
        {"sin(x)", 6, "0.5", "-0.5", [](double y) { return std::clamp(y, -0.5, 0.5); }},
        {"sin(x)", 7, "-3", "0", [](double y) { return -3 * y; }},
        {"x/2+1", 39, "3", "0", [](double y) { return (y / 2 + 1) / 2 + 1; }},
        {"x/2+1", 39, "1", "0", [](double y) { return y; }},
        {"cos(x)", 39, "100000", "0", [](double) { return 0.7390851332151607; }},
        {"ln(x)", 39, "2", "0", [](double y) { return y > 0 ? std::log(y) : NAN; }},
        // Fails at the first inner application below x = 1, at the last one below x = 4.
        {"sqrt(x)-1", 39, "3", "0",
         [](double y) { return y >= 0 && std::sqrt(y) >= 1 ? std::sqrt(std::sqrt(y) - 1) - 1 : NAN; }},
    };
    for (const Cas& c : cas) {
        auto m = mere(c.mere);
        auto d = derivee(*m, c.code, {c.p1, c.p2, "0", "0", "0", "0"});
        trace(*m);
        trace(*d);
        const auto pm = points(*m);
        const auto pd = points(*d);
        std::size_t j = 0, casses = 0;
        for (const PointCourbe& q : pm) {
            const double y = c.attendu(q.y);
            if (std::isnan(y)) {
                ++casses;
                continue;
            }
            ASSERT_LT(j, pd.size()) << c.code << " " << c.p1;
            EXPECT_EQ(pd[j].t, q.t);
            EXPECT_EQ(pd[j].x, q.x);
            EXPECT_NEAR(pd[j].y, y, 1e-9 * std::max(1.0, std::fabs(y))) << c.code << " " << c.p1 << " at " << q.x;
            // After a break the next point starts a new piece.
            EXPECT_EQ(pd[j].stylo, j == 0 ? 0 : casses ? 3 : q.stylo);
            casses = 0;
            ++j;
        }
        EXPECT_EQ(j, pd.size()) << c.code << " " << c.p1;
        EXPECT_TRUE(interlocuteur_.messages.isEmpty()) << interlocuteur_.messages.join('|').toStdString();
    }

    // The components and the norm of a parametric mother; the components of a curve of a
    // parameter follow that parameter (values that fail do not shift the curve).
    auto t = mere("sqrt(t)", "t", 'T');
    t->FixeBornes("-1", "1", "0.125");
    trace(*t);
    for (int code : {49, 50, 57}) {
        auto d = derivee(*t, code);
        trace(*d);
        const auto p = points(*d);
        ASSERT_EQ(p.size(), 9u);
        for (const PointCourbe& q : p) {
            const double x = std::sqrt(q.t), y = q.t;
            EXPECT_DOUBLE_EQ(q.x, code == 57 ? x : q.t);
            EXPECT_DOUBLE_EQ(q.y, code == 49 ? x : code == 50 ? y : std::hypot(x, y));
        }
    }

    // The composition refuses n below 1 at trace, once.
    auto m = mere("x");
    auto d = derivee(*m, 39, {"0.3", "0", "0", "0", "0", "0"});
    trace(*d);
    trace(*d);
    EXPECT_EQ(interlocuteur_.messages, QStringList{"n doit être un entier strictement positif !"});
}

TEST_F(OperUnaire, InversionParcourtLaMereALEnversSansRelierSesMorceaux)
{
    auto m = mere("sqrt(1-x^2)");   // fails outside [-1, 1]: two pieces with a break between
    m->FixeBornes("-1", "3", "0.5");
    auto l = mere("1/(x-2)");
    l->FixeBornes("1", "3", "0.5");
    for (auto& c : {m, l}) {
        trace(*c);
        auto r = derivee(*c, 18);
        trace(*r);
        const auto pm = points(*c), pr = points(*r);
        ASSERT_EQ(pr.size(), pm.size());
        for (std::size_t j = 0; j < pr.size(); ++j) {
            const PointCourbe& q = pm[pm.size() - 1 - j];
            EXPECT_EQ(QList<double>({pr[j].t, pr[j].x, pr[j].y}), QList<double>({q.t, q.x, q.y}));
            EXPECT_EQ(pr[j].stylo, j == 0 ? 0 : pm[pm.size() - j].stylo) << j;
        }
    }
}

TEST_F(OperUnaire, LaMereEstTrouveeDansToutesLesFenetresAChaqueTrace)
{
    // A chain of five in window 2 from a mother in window 1, listed before its mothers:
    // each traces from the mother's state of the moment.
    GCDessin deux;
    deux.NumeroFenetre = 2;
    auto m = mere("x^2");
    std::vector<std::shared_ptr<GCOperUnaire>> chaine;
    const GCCourbe* precedente = m.get();
    for (int k = 0; k < 5; ++k) {
        chaine.push_back(derivee(*precedente, 0));
        precedente = chaine.back().get();
    }
    for (auto it = chaine.rbegin(); it != chaine.rend(); ++it)
        deux.AjouteCourbe(*it);
    for (const char* formule : {"x^2", "3*x"}) {
        m->FixeLibelles(formule, "");
        {
            QPainter peintre(&image_);
            dessin_->Dessine(peintre, *repere_);
            deux.Dessine(peintre, *repere_);
        }
        const auto pm = points(*m);
        const auto pd = points(*chaine.back());
        ASSERT_EQ(pd.size(), pm.size());
        for (std::size_t j = 0; j < pm.size(); ++j)
            EXPECT_EQ(pd[j].y, -pm[j].y) << formule;
    }

    // A hidden mother without a cache is traced first, unseen, and stays hidden and muted.
    auto cachee = mere("x+1");
    cachee->Visible = false;
    cachee->HorsIndex = true;
    auto fille = derivee(*cachee, 3);
    trace(*fille);
    EXPECT_EQ(points(*fille).size(), 81u);
    EXPECT_FALSE(cachee->Visible);
    EXPECT_TRUE(cachee->HorsIndex);

    // Mother gone, or mothers that name each other (a damaged file): one message per curve
    // and no trace; the previous files stay.
    dessin_->RetireCourbe(cachee->Numero);
    for (int k = 0; k < 3; ++k)
        trace(*fille);
    EXPECT_EQ(points(*fille).size(), 81u);
    auto a = derivee(*m, 0), b = derivee(*a, 0);
    a->FixeMere(1, b->Identifiant);
    dessin_->AjouteCourbe(a);
    dessin_->AjouteCourbe(b);
    trace(*a);
    trace(*a);
    EXPECT_EQ(interlocuteur_.messages,
              QStringList({"Tracé impossible, mère introuvable !", "Tracé impossible, mère introuvable !"}));
}

TEST_F(OperUnaire, LAiguillageDonneAChaqueCodeCeQuIlDemandeASaMere)
{
    auto m = mere("exp(-x)");
    m->FixeBornes("0", "10", "0.125");
    m->FixeParametre(9, "7");
    struct Cas {
        int code;
        QStringList bornes;   // after a trace
        const char* a9;
        std::size_t filles;
    };
    const Cas cas[] = {
        {0, {"0", "10", "0.125"}, "7", 0},
        {38, {"0.5", "5", "0.05"}, "7", 0},     // the Laplace transform keeps its range
        {10, {"0.5", "5", "0.05"}, "7", 0},     // and so does the regression
        {43, {"0", "10", "0.125"}, "2", 1},     // a tangent keeps its own a9 and gets its child
        {51, {"0.5", "5", "0.05"}, "7", 1},
    };
    for (const Cas& c : cas) {
        auto d = derivee(*m, c.code, {"0.5", "0", "0", "0", "0", "0"});
        d->TypeCourbe = 'U';   // whatever the letter
        d->FixeBornes("0.5", "5", "0.05");
        d->FixeParametre(9, "2");
        trace(*d);
        EXPECT_EQ(QStringList({d->Xinf, d->Xsup, d->Pas}), c.bornes) << c.code;
        EXPECT_EQ(d->Parametre(9), c.a9) << c.code;
        EXPECT_EQ(d->Filles.size(), c.filles) << c.code;
        // A copy has children of its own.
        GCOperUnaire copie('U', c.code, 1, nouveauNumero());
        copie.Copie(*d);
        ASSERT_EQ(copie.Filles.size(), c.filles);
        if (c.filles) {
            EXPECT_NE(copie.Filles[0], d->Filles[0]);
        }
    }
    // Holds refuse a step that is not positive, then a period not above the step; a code
    // outside the table draws nothing.
    interlocuteur_.messages.clear();
    auto h = derivee(*m, 59, {"1", "0", "0", "0", "0", "0"});
    for (const char* pas : {"0", "-0.1", "1"}) {
        h->Pas = pas;
        trace(*h);
    }
    auto inconnu = derivee(*m, 63);
    trace(*inconnu);
    EXPECT_EQ(interlocuteur_.messages,
              QStringList({"Pas=0:le pas de calcul doit être > 0", "Pas=-0.1:le pas de calcul doit être > 0",
                           "Tracé impossible! (période<=pas)", "Tracé impossible!"}));
    EXPECT_FALSE(QFile::exists(h->CheminFichier(".pts")));

    // A document may give any mother: a hold or a composition of an equation is refused at
    // every trace, as the command refuses it (its formula is not that of y=f(x)).
    interlocuteur_.messages.clear();
    auto equation = CreeCourbe('E', 1, nouveauNumero());
    ASSERT_TRUE(dynamic_cast<GCY*>(equation.get())->CompileLibelle1("-y"));
    equation->NouvelIdentifiant();
    dessin_->AjouteCourbe(equation);
    for (int code : {51, 39}) {
        auto d = derivee(*equation, code, {"1", "0", "0", "0", "0", "0"});
        d->FixeBornes("-5", "5", "0.125");
        trace(*d);
        EXPECT_FALSE(QFile::exists(d->CheminFichier(".pts"))) << code;
    }
    EXPECT_EQ(interlocuteur_.messages, QStringList(2, "Type = E: opération non définie pour ce type de courbe!"));

    // What the commands refuse before making a curve.
    GCCourbe suite('N', 1, 90), liste('L', 1, 91);
    const struct {
        int code;
        const GCCourbe* mere;
        const char* p1;
        const char* p2;
        const char* refus;
    } refus[] = {
        {9, &suite, "1", "1", "Type = N: opération non définie pour ce type de courbe!"},
        {9, &liste, "0", "0", "Nombre de valeurs nul! Opération impossible."},
        {9, &liste, "-1", "2", "Nombre de valeurs négatif! Opération impossible."},
        {9, &liste, "1.5", "2", "« 1.5 » n'est pas un nombre entier."},
        {39, &liste, "2", "0", "Type = L: opération non définie pour ce type de courbe!"},
        {39, m.get(), "0", "0", "n doit être un entier strictement positif !"},
        {51, &liste, "1", "0", "Type = L: opération non définie pour ce type de courbe!"},
        {9, &liste, "2", "1", ""},
    };
    for (const auto& r : refus)
        EXPECT_EQ(RefusOperation(r.code, *r.mere, {r.p1, r.p2, "0", "0", "0", "0"}), QString::fromUtf8(r.refus));
}
