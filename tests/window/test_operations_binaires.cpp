// The operations on two curves and the inverse transform from the Actions menu, driven
// through "Définition des opérations binaires" and the dialogs it leads to; the y fit.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <complex>
#include <functional>

#include "dialogs/coefech.h"
#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCE.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/repere/GCRepere.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

class OperationsBinaires : public FenetresNouvellesTest {
protected:
    PtrCourbe courbe(TForm1& f, QChar genre, const QString& t1, const QString& t2 = {})
    {
        PtrCourbe c = CreeCourbe(genre, f.numero(), nouveauNumero());
        if (auto* y = dynamic_cast<GCY*>(c.get())) {
            EXPECT_TRUE(y->FixeLibelles(t1, t2));
            y->MemoriseLibelle();
        }
        c->NouvelIdentifiant();
        f.Dessin().AjouteCourbe(c);
        return c;
    }
    // Chooses the rows of both lists and the operation button, the result window, then runs
    // the next dialog (when given) and confirms.
    void choisit(int l1, int l2, const char* bouton, int destination = 0,
                 std::function<void(QWidget*)> suite = nullptr)
    {
        QuandModal([=](QWidget* w) {
            CliqueLigne(Enfant<QListWidget>(w, "ListBox1"), l1);
            CliqueLigne(Enfant<QListWidget>(w, "ListBox2"), l2);
            if (QString(bouton) == "DistL2")
                Clique(Enfant<QToolButton>(w, "Dist"));
            else if (*bouton)
                Clique(Enfant<QToolButton>(w, bouton));
            Enfant<QComboBox>(w, "ComboBox3")->setCurrentIndex(destination);
            if (suite)
                QuandModal(suite, w);
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
    }
};

// Types the texts in the parameter dialog and confirms, then cancels it when still open.
std::function<void(QWidget*)> Parametres(QStringList textes)
{
    return [=](QWidget* s) {
        for (int k = 0; k < textes.size(); ++k)
            Tape(Enfant<QLineEdit>(s, QByteArray("Coef" + QByteArray::number(k + 1)).constData()), textes[k]);
        Clique(Enfant<QPushButton>(s, "ButOK"));
        if (s->isVisible())
            Clique(Enfant<QPushButton>(s, "ButAnnul"));
    };
}

}  // namespace

TEST_F(OperationsBinaires, LeDialogueFaitLaCourbeDeLOperationChoisieOuDitPourquoiNon)
{
    TForm1 f(1);
    auto a = courbe(f, 'Y', "x^2"), b = courbe(f, 'Y', "2"), t = courbe(f, 'T', "cos(t)", "sin(t)");
    struct Cas {
        int l1, l2;
        const char* bouton;
        std::function<void(QWidget*)> suite;
        int code;   // -1: no curve
        const char* message;
    };
    const Cas cas[] = {
        {0, 1, "SBplus", nullptr, 0, nullptr},
        {0, 1, "SBInter", Parametres({"10", "0.001", "1"}), 11, nullptr},
        {0, 1, "SBfus", Parametres({"0", "0"}), -1, "Nombre de valeurs négatif! Opération impossible."},
        {0, 1, "SBfus", Parametres({"2", "1"}), 9, nullptr},
        {2, 1, "SBconv", nullptr, -1, "Type Y obligatoire pour la 1ère courbe désignée"},
        {0, 2, "SBInter", nullptr, -1, "Type Y obligatoire pour la 2ème courbe désignée"},
        {0, 0, "SBInter", nullptr, -1, "Mères identiques! Opération sans objet."},
        {0, 1, "DistL2", [](QWidget* d) { Tape(Enfant<QLineEdit>(d, "edDeb"), "-1"); Clique(Enfant<QPushButton>(d, "ButOK")); }, 13, nullptr},
    };
    for (const Cas& c : cas) {
        inter.messages.clear();
        const int avant = f.Dessin().Nombre();
        choisit(c.l1, c.l2, c.bouton, 0, c.suite);
        f.action(QStringLiteral("Oprationssur2courbes1"))->trigger();
        EXPECT_EQ(inter.messages, c.message ? QStringList{QString::fromUtf8(c.message)} : QStringList()) << c.bouton;
        ASSERT_EQ(f.Dessin().Nombre(), avant + (c.code >= 0)) << c.bouton;
        if (c.code < 0)
            continue;
        auto o = std::dynamic_pointer_cast<GCOperBinaire>(f.Dessin().Courbes.back());
        ASSERT_TRUE(o);
        EXPECT_EQ(o->Operation, c.code);
        EXPECT_EQ(QStringList({o->Mere1, o->Mere2}), QStringList({a->Identifiant, b->Identifiant}));
        EXPECT_EQ(o->Libelle1, LibelleOperationBinaire(c.code, a->Nom, b->Nom));
        EXPECT_EQ(designation().PressePapierCourbes, (std::vector<PtrCourbe>{a, b}));
    }
    const auto& l = f.Dessin().Courbes;
    auto inter2 = std::dynamic_pointer_cast<GCOperBinaire>(l[l.size() - 3]);
    auto dist = std::dynamic_pointer_cast<GCOperBinaire>(l.back());
    EXPECT_EQ(inter2->ParametresOperation, (std::array<QString, 3>{"10", "0.001", "1"}));
    EXPECT_FALSE(inter2->Joint);
    EXPECT_EQ(QStringList({dist->Xinf, dist->Xsup, dist->Pas, dist->ParametresOperation[0]}),
              QStringList({"-1", "5", "6", "1"}));
    EXPECT_EQ(dist->Epaisseur, 3);

    // A result in a new window; mothers of other steps first made alike on request, and
    // traced again with them before the result reads their points.
    inter.reponses = {true};
    auto c = courbe(f, 'Y', "x^3");
    dynamic_cast<GCY&>(*c).Pas = "0.5";
    // Their window drawn, then covered by others: nothing else draws it again.
    Peint(f);
    f.hide();
    choisit(0, int(l.size()) - 1, "SBmoins", 1, [](QWidget* h) {
        Clique(Enfant<QPushButton>(h, "Pas12"));
        Clique(Enfant<QPushButton>(h, "ButOK"));
    });
    f.action(QStringLiteral("Oprationssur2courbes1"))->trigger();
    EXPECT_EQ(inter.questions.last(), "Premières valeurs et/ou Pas différents ! Voulez-vous modifier ces paramètres ?");
    EXPECT_EQ(dynamic_cast<GCY&>(*c).Pas, "0.125");
    ASSERT_EQ(nouvelles.size(), 1u);
    ASSERT_EQ(nouvelles[0]->Dessin().Nombre(), 1);
    Peint(*nouvelles[0]);
    const auto p = LitFichierPoints(nouvelles[0]->Dessin().Courbes[0]->FichierPoints).points;
    ASSERT_EQ(p.size(), 81u);
    for (const PointCourbe& q : p)
        EXPECT_NEAR(q.y, q.x * q.x - q.x * q.x * q.x, 1e-12) << q.x;

    // The inverse transform offers chronicles only.
    auto re = courbe(f, 'C', "re.dta");
    QuandModal([](QWidget* w) {
        EXPECT_EQ(Enfant<QListWidget>(w, "ListBox1")->count(), 1);
        EXPECT_FALSE(Enfant<QToolButton>(w, "SBplus")->isVisibleTo(w));
        Clique(Enfant<QPushButton>(w, "ButAnnul"));
    });
    f.action(QStringLiteral("TFDrciproque1"))->trigger();
    Q_UNUSED(t);
    Q_UNUSED(re);
}

TEST_F(OperationsBinaires, LesOrdonneesAjusteesAuxCourbesAvecUnPasDeMarge)
{
    TForm1 f(1);
    courbe(f, 'Y', "x^2/10");   // 0 .. 2.5
    Peint(f);
    f.action(QStringLiteral("AjustY"))->trigger();
    EXPECT_EQ(QList<double>({f.Repere().AxeY.Min, f.Repere().AxeY.Max}), QList<double>({-1, 3.5}));
    EXPECT_EQ(f.Repere().AxeY.Debut, "0");
    EXPECT_EQ(QList<double>({f.Repere().AxeX.Min, f.Repere().AxeX.Max}), QList<double>({-5, 5}));
}

TEST_F(OperationsBinaires, LEchantillonnageDeLaTransformeeVerifieAvantDeCreerUneFenetre)
{
    const char* const cas[][4] = {{"2*", "5", "1", "Valeur Xdébut=2* incorrecte."}, {"-5", "", "1", "Valeur Xfin= incorrecte."},
                                  {"5", "-5", "1", "Début > Fin"}, {"0", "0", "1", "Début >= Fin"},
                                  {"-5", "5", "0", "Choisir au moins une courbe à visualiser !"}, {"-5", "5", "1", ""}};
    for (const auto& c : cas) {
        inter.messages.clear();
        QString fe;
        QuandModal([&](QWidget* d) {
            Tape(Enfant<QLineEdit>(d, "EdDeb"), c[0]);
            Tape(Enfant<QLineEdit>(d, "EdFin"), c[1]);
            Enfant<QCheckBox>(d, "CBmodule")->setChecked(*c[2] == '1');
            fe = Enfant<QLabel>(d, "LabFe")->text() + Enfant<QLabel>(d, "LabDf")->text();
            Clique(Enfant<QPushButton>(d, "ButOK"));
            if (d->isVisible())
                Clique(Enfant<QPushButton>(d, "ButAnnul"));
        });
        EchantillonnageTFD e;
        EXPECT_EQ(SaisieEchantillonnageTFD(e), !*c[3]) << c[3];
        EXPECT_EQ(inter.messages, *c[3] ? QStringList{QString::fromUtf8(c[3])} : QStringList()) << c[3];
        if (!*c[3]) {
            EXPECT_EQ(fe, "Fe = 25.6 Hzdf =0.1 Hz");
        }
    }
}

// Takes the first curve offered.
struct Premier : ChoixTrace {
    bool choisit(const QString&, const QStringList& entrees, QString& choix) override
    {
        choix = entrees.value(0);
        return true;
    }
};

TEST_F(OperationsBinaires, LaTransformeeDUnSinusEchantillonneCulmineASaFrequenceUneFenetreParPartie)
{
    Premier premier;
    GardeValeur<ChoixTrace*> garde(etatGraphe().choixTrace, &premier);
    TForm1 f(1);
    courbe(f, 'Y', "sin(2*pi*3*x)");
    QuandModal([](QWidget* d) {
        for (const char* c : {"CBphase", "CBreel", "CBimag"})
            Enfant<QCheckBox>(d, c)->setChecked(true);
        Clique(Enfant<QPushButton>(d, "ButOK"));
    });
    f.action(QStringLiteral("TFD"))->trigger();
    ASSERT_EQ(nouvelles.size(), 4u);
    for (int k = 0; k < 4; ++k) {
        TForm1& w = *nouvelles[std::size_t(k)];
        EXPECT_EQ(QList<double>({w.Repere().AxeX.Min, w.Repere().AxeX.Max}), QList<double>({-12.8, 12.8}));
        auto c = std::dynamic_pointer_cast<GCOperUnaire>(w.Dessin().Courbes.at(0));
        ASSERT_TRUE(c);
        EXPECT_EQ(c->ParametresOperation, (std::array<QString, 6>{"-5", "5", "256", "0", "0", QString::number(k + 1)}));
        Peint(w);
        const auto p = LitFichierPoints(c->FichierPoints).points;
        ASSERT_EQ(p.size(), 256u);
        // Module 1/2 at +-3 Hz, imaginary part -1/2 at +3 and 1/2 at -3, nothing elsewhere.
        for (const PointCourbe& q : p) {
            const double pic = std::fabs(std::fabs(q.x) - 3) < 1e-9 ? 0.5 : 0;
            if (k == 0 || k == 3) {
                EXPECT_NEAR(q.y, k == 0 ? pic : q.x > 0 ? -pic : pic, 1e-9) << k << " " << q.x;
            }
        }
    }

    // 1024 points, Hanning's window and zero filling reach the curve: twice the points at
    // half the step, the peak still at 3 Hz, lowered by the window's mean of 1/2 and again
    // by half since the transform divides by every point, zeros included.
    QuandModal([](QWidget* d) {
        Enfant<QComboBox>(d, "CBnpts")->setCurrentText("1024");
        Enfant<QComboBox>(d, "CBfenetre")->setCurrentIndex(2);
        Enfant<QCheckBox>(d, "CBzero")->setChecked(true);
        Clique(Enfant<QPushButton>(d, "ButOK"));
    });
    f.action(QStringLiteral("TFD"))->trigger();
    ASSERT_EQ(nouvelles.size(), 5u);
    TForm1& w = *nouvelles.back();
    EXPECT_EQ(QList<double>({w.Repere().AxeX.Min, w.Repere().AxeX.Max}), QList<double>({-51.2, 51.2}));
    auto c = std::dynamic_pointer_cast<GCOperUnaire>(w.Dessin().Courbes.at(0));
    ASSERT_TRUE(c);
    EXPECT_EQ(c->ParametresOperation, (std::array<QString, 6>{"-5", "5", "1024", "1", "2", "1"}));
    Peint(w);
    const auto p = LitFichierPoints(c->FichierPoints).points;
    ASSERT_EQ(p.size(), 2048u);
    const auto pic = std::max_element(p.begin(), p.end(), [](auto& a, auto& b) { return a.y < b.y; });
    EXPECT_NEAR(std::fabs(pic->x), 3, 1e-9);
    EXPECT_NEAR(pic->y, 0.125, 1e-3);
}

TEST_F(OperationsBinaires, LaTransformeeDUneEquationDifferentielleEchantillonneSesPoints)
{
    // y'' = -y from y(0) = 0, y'(0) = 1 over [-5, 5]: the transform samples the points it
    // drew, as for a chronicle (its formula is that of y'', not of y).
    Premier premier;
    GardeValeur<ChoixTrace*> garde(etatGraphe().choixTrace, &premier);
    TForm1 f(1);
    auto e = std::make_shared<GCE>(QLatin1Char('E'), 2, f.numero(), nouveauNumero());
    ASSERT_TRUE(e->CompileLibelle1("-y"));
    std::array<QString, 11> conditions;
    conditions.fill("0");
    conditions[2] = "1";
    e->FixeConditionsInitiales(conditions);
    e->NouvelIdentifiant();
    f.Dessin().AjouteCourbe(e);
    auto transformee = [&](const char* points) {
        QuandModal([=](QWidget* d) {
            Enfant<QComboBox>(d, "CBnpts")->setCurrentText(points);
            Clique(Enfant<QPushButton>(d, "ButOK"));
        });
        f.action(QStringLiteral("TFD"))->trigger();
        if (nouvelles.empty() || nouvelles.back()->Dessin().Courbes.size() != 1)
            return std::shared_ptr<GCOperUnaire>();
        TForm1& w = *nouvelles.back();
        Peint(w);
        traiteEvenements();
        return std::dynamic_pointer_cast<GCOperUnaire>(w.Dessin().Courbes.front());
    };

    // 256 samples from the 81 points of its step 0.125: said, and the transform hidden.
    auto refusee = transformee("256");
    ASSERT_TRUE(refusee);
    EXPECT_EQ(inter.messages, QStringList{"Nombre d'échantillons trop grand!"});
    EXPECT_FALSE(refusee->Visible);

    // 64 points: the first 64 of the 80 left of 5 (one taken in every one, 0.125 apart, so
    // 0.125 Hz apart from -4 Hz): the modulus of the transform of those points, written out
    // here.
    auto c = transformee("64");
    ASSERT_TRUE(c);
    EXPECT_TRUE(c->Visible);
    EXPECT_EQ(inter.messages.size(), 1);
    const auto ye = LitFichierPoints(e->NomFichier()).points;
    const auto p = LitFichierPoints(c->FichierPoints).points;
    ASSERT_EQ(ye.size(), 81u);
    ASSERT_EQ(p.size(), 64u);
    for (int k = 0; k < 64; ++k) {
        std::complex<double> somme;
        for (int j = 0; j < 64; ++j)
            somme += ye[std::size_t(j)].y * std::polar(1.0, -2 * M_PI * j * ((k + 32) % 64) / 64);
        EXPECT_NEAR(p[std::size_t(k)].x, (k - 32) * 0.125, 1e-12) << k;
        EXPECT_NEAR(p[std::size_t(k)].y, std::abs(somme) / 64, 1e-12) << k;
        EXPECT_NEAR(ye[std::size_t(k)].y, std::sin(ye[std::size_t(k)].x), 1e-3);
    }
}
