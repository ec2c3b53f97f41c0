// The curve classes: names, identifiers, copies, descriptions, curve log, error list,
// statistics, the class each kind letter selects and the definition dialogs' hooks.
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

#include "graph/courbes_outils.h"
#include "graph/base/GCaides.h"
#include "graph/courbes/genres.h"

namespace {

class Courbe : public CourbeTest {};

// A dialog that confirms (or not) and records what it was asked.
struct DialoguesScriptes : Dialogues {
    bool reponse = true;
    int appels = 0;
    bool nouvelle = false;
    bool modifieCourbe(GCCourbe&, bool n) override
    {
        ++appels;
        nouvelle = n;
        return reponse;
    }
    bool modifieAire(GCAire&, bool) override { return false; }
    bool modifieTexte(GCTexte&, bool) override { return false; }
    bool dialogueParametres(std::array<QString, 10>& p) override
    {
        p[0] = "2";
        return reponse;
    }
};

TEST_F(Courbe, NomFnKLibre)
{
    Arbre arbre;
    enregistreFonction("fn3", "x", &arbre);
    enregistreFonction("FN4", "x", &arbre);
    enregistreFonction("fn2", "x", &arbre);
    EXPECT_EQ(GCY('Y', 1, 3).Nom, QStringLiteral("fn5"));
    EXPECT_EQ(GCY('Y', 1, 1).Nom, QStringLiteral("fn1"));
    retireFonction("fn3");
    EXPECT_EQ(GCY('Y', 1, 3).Nom, QStringLiteral("fn3"));
    EXPECT_EQ(GCOperUnaire('Q', 17, 1, 8).Nom, QStringLiteral("M8"));
}

TEST_F(Courbe, SeulesLesCourbesDeXEtYEntrentEtSortentDeLaTableDesNomsEtSeulementLeurEntree)
{
    auto x = courbe('X', "y^2", QString(), 1);
    auto y = courbe('Y', "x+1", QString(), 2);
    InscritNom(*x);
    InscritNom(*y);
    Arbre appel;
    ASSERT_TRUE(CompileExpr("fn2(3)", appel));
    EXPECT_EQ(EvalueArbre(appel, 0), 4);

    // A polar curve of the same name neither takes the entry nor gives it back.
    auto p = courbe('P', "t", "t", 5);
    p->Nom = QStringLiteral("FN2");
    InscritNom(*p);
    RetireNomPropre(*p);
    EXPECT_TRUE(NomPrisAilleurs(QStringLiteral("fn2"), p.get()));
    EXPECT_FALSE(NomPrisAilleurs(QStringLiteral("FN2"), y.get()));
    EXPECT_EQ(EvalueArbre(appel, 0), 4);

    RetireNomPropre(*y);
    EXPECT_EQ(chercheFonction("FN2"), -1);
    EXPECT_FALSE(NomPrisAilleurs(QStringLiteral("fn2")));
    EXPECT_TRUE(NomPrisAilleurs(QStringLiteral("Fn1")));
    EvalueArbre(appel, 0);
    EXPECT_NE(ErreurCalcul(), 0);  // a formula that calls it now fails, without a crash
    RetireNomPropre(*x);
    EXPECT_EQ(chercheFonction("FN1"), -1);
}

TEST_F(Courbe, IdentifiantNumeroEtDateFixe)
{
    // The same fixed form whatever the language of the system.
    const QLocale avant;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    GCY c('Y', 1, 12);
    c.NouvelIdentifiant();
    QLocale::setDefault(avant);
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^12\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d$"))
                    .match(c.Identifiant)
                    .hasMatch())
        << c.Identifiant.toStdString();
    // The own label follows the identifier.
    EXPECT_EQ(c.Etiquette->CourbePoint, c.Identifiant);
    EXPECT_EQ(c.Etiquette->CourbeLib, c.Identifiant);
}

TEST_F(Courbe, CopieDonneUnNouvelIdentifiant)
{
    auto a = courbe('T', "cos(t)", "sin(t)", 3);
    a->NouvelIdentifiant();
    a->FixeBornes("0", "pi", "0.1");
    a->Fleches = 2;
    a->Hachure = 4;
    a->Selectionne = true;
    a->Marqueur.TypePoint = PointCarre;
    a->Etiquette->SetTexte("M");
    a->FixeParametre(2, "7");

    GCY b('T', 1, 4);
    b.Copie(*a);
    EXPECT_NE(b.Identifiant, a->Identifiant);
    EXPECT_TRUE(b.Identifiant.startsWith(QStringLiteral("4")));
    EXPECT_EQ(b.Nom, QStringLiteral("fn4"));  // the name stays
    EXPECT_FALSE(b.Selectionne);
    EXPECT_EQ(b.Libelle2, QStringLiteral("sin(t)"));
    EXPECT_EQ(b.Xsup, QStringLiteral("pi"));
    EXPECT_EQ(b.Fleches, 2);
    EXPECT_EQ(b.Hachure, 4);
    EXPECT_EQ(b.Parametre(2), QStringLiteral("7"));
    EXPECT_EQ(b.Marqueur.TypePoint, PointCarre);
    EXPECT_EQ(b.Etiquette->GetTexte(), QStringLiteral("M"));
    EXPECT_NE(b.Etiquette.get(), a->Etiquette.get());
    EXPECT_EQ(b.Couleur, a->Couleur);
    EXPECT_FALSE(b.Expression2.vide());  // compiled again

    // Two copies with the same number in the same second get the same identifier.
    GCY c1('T', 1, 9), c2('T', 1, 9);
    c1.Copie(*a);
    c2.Copie(*a);
    if (c1.Identifiant.right(8) == c2.Identifiant.right(8)) {
        EXPECT_EQ(c1.Identifiant, c2.Identifiant);
    }
}

TEST_F(Courbe, DescriptionEtJournal)
{
    auto c = courbe('Y', "a*x", QString(), 5);
    c->FixeParametre(0, "2");
    c->Batons = true;
    QStringList lignes;
    c->Decrit(lignes);
    ASSERT_EQ(lignes.size(), 16 + 4);
    EXPECT_EQ(lignes[0], QStringLiteral("--> Courbe n°5"));
    EXPECT_EQ(lignes[1], QStringLiteral("Type= Y : Fonction numérique y=f(x)"));
    EXPECT_EQ(lignes[2], QStringLiteral("Libellé1= a*x"));
    EXPECT_EQ(lignes[3], QStringLiteral("Libellé2= "));
    EXPECT_EQ(lignes[4], QStringLiteral("Nom = fn5"));
    EXPECT_EQ(lignes[5], QStringLiteral("** Valeurs des paramètres **"));
    EXPECT_EQ(lignes[6], QStringLiteral("a0= 2"));
    EXPECT_EQ(lignes[15], QStringLiteral("a9= 0"));
    EXPECT_EQ(lignes.mid(16), (QStringList{"Xinf= -5", "Xsup= 5", "Pas= 0.125", "Tracé en bâtons"}));

    c->ValeursImposees = true;
    c->FichierValeurs = "v.txt";
    lignes.clear();
    c->Decrit(lignes);
    EXPECT_EQ(lignes.mid(16), (QStringList{"Valeurs imposées dans :", "v.txt", "Tracé en bâtons"}));

    // The log is written only while the session is recorded.
    c->Journalise();
    EXPECT_TRUE(etatGraphe().JournalCourbes.isEmpty());
    etatGraphe().EnregistrementSession = true;
    c->Journalise();
    const QStringList& j = etatGraphe().JournalCourbes;
    ASSERT_EQ(j.size(), 5 + 14 + 3);
    EXPECT_EQ(j[0], QStringLiteral(" "));
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(j[1]).hasMatch());
    EXPECT_EQ(j[2], QStringLiteral("--> Courbe n°5"));
    EXPECT_EQ(j[3], QStringLiteral("Fenêtre n°1"));
    EXPECT_EQ(j[4], QStringLiteral("Type= Y"));
    EXPECT_EQ(j[5], QStringLiteral("Libellé1= a*x"));
}

TEST_F(Courbe, DescriptionsDesAutresGenres)
{
    QStringList l;
    GCDG g('G', 1, 1, 2);
    g.Decrit(l);
    EXPECT_EQ(l[1], QStringLiteral("Type= G : "));
    EXPECT_EQ(l.back(), QStringLiteral("Ordre = 1"));

    l.clear();
    GCE e('E', 2, 1, 3);
    e.FixeConditionsInitiales({"1", "2", "pi", "0", "0", "0", "0", "0", "0", "0", "0"});
    EXPECT_DOUBLE_EQ(e.ValeursInitiales[2], M_PI);
    e.Decrit(l);
    EXPECT_EQ(l.mid(l.size() - 4),
              (QStringList{"*** Conditions initiales ***", "Xo = 1", "Yo = 2", "Y'o = pi"}));

    l.clear();
    GCN n('N', 1, 4, 3);
    EXPECT_TRUE(n.Batons);
    EXPECT_EQ(GCN('N', 1, 5, 4).Joint, false);
    n.FixeConditions("10", "0.5", "2*2");
    EXPECT_DOUBLE_EQ(n.Yo, 4);
    n.Decrit(l);
    EXPECT_EQ(l[1], QStringLiteral("Type= N : \"Escargot\" Un+1=f(Un)"));
    EXPECT_EQ(l.mid(l.size() - 5), (QStringList{"*** Conditions initiales ***", "Xo = 0.5 ; Yo = 2*2",
                                                 "Nombre d'itérations : 10", "Début des itérations visibles : 0",
                                                 "Fin des itérations visibles : 20"}));

    l.clear();
    GCOperUnaire u('U', 2, 1, 6);
    u.FixeParametres({"3", "0", "0", "0", "0", "0"});
    u.Decrit(l);
    EXPECT_EQ(l.mid(l.size() - 7), (QStringList{NomOperation(2), "Coef[1]= 3", "Coef[2]= 0", "Coef[3]= 0",
                                                 "Coef[4]= 0", "Coef[5]= 0", "Coef[6]= 0"}));
    l.clear();
    GCOperUnaire r('Q', 10, 1, 7);
    r.FixeParametres({"8", "0", "0.25", "0", "0", "0"});
    r.Decrit(l);
    EXPECT_EQ(l.mid(l.size() - 2), (QStringList{"Régression trigonométrique d'ordre 3", "Ecart type résiduel = 0.25"}));

    l.clear();
    GCA a('A', 1, 8);
    a.Mesure = 2.5;
    a.Decrit(l);
    EXPECT_EQ(l.mid(l.size() - 2), (QStringList{"*** ***", "Mesure= 2.5"}));
    EXPECT_FALSE(a.Identifiant.isEmpty());

    l.clear();
    GCRS h('H', 1, 9);
    h.FixeBornes("1", "pi");
    EXPECT_DOUBLE_EQ(h.Borne2, M_PI);
    h.Decrit(l);
    EXPECT_EQ(l.mid(l.size() - 3), (QStringList{"*** Conditions initiales ***", "Xo= 1", "Yo= pi"}));

    l.clear();
    GCC w('W', 1, 10);
    w.Batons = true;
    w.Decrit(l);
    EXPECT_EQ(l.mid(l.size() - 3), (QStringList{"Début= 0", "Pas= 0.1", "Coordonnées polaires"}));
}

TEST_F(Courbe, ChaqueLettreChoisitSaClasse)
{
    const QString lettres = "ABCDEGHIJLNOPQRSTUWXY";
    for (QChar l : lettres) {
        auto c = CreeCourbe(l, 2, 11, 1);
        ASSERT_TRUE(c) << l.toLatin1();
        EXPECT_EQ(c->TypeCourbe, l);
        EXPECT_EQ(c->NumeroFenetre, 2);
        EXPECT_EQ(c->Numero, 11);
        EXPECT_TRUE(EstGenreCourbe(l));
    }
    for (QChar l : QString("FKMVZ1 ")) {
        EXPECT_FALSE(CreeCourbe(l, 1, 1));
        EXPECT_FALSE(EstGenreCourbe(l));
    }
    EXPECT_TRUE(dynamic_cast<GCE*>(CreeCourbe('E', 1, 1, 2).get()));
    EXPECT_EQ(dynamic_cast<GCE*>(CreeCourbe('E', 1, 1, 2).get())->Ordre, 2);
    EXPECT_TRUE(dynamic_cast<GCDG*>(CreeCourbe('D', 1, 1, 3).get()));
    EXPECT_TRUE(dynamic_cast<GCRS*>(CreeCourbe('J', 1, 1).get()));
    EXPECT_EQ(dynamic_cast<GCI*>(CreeCourbe('I', 1, 1, 2).get())->SousType, 2);
    EXPECT_EQ(dynamic_cast<GCOperBinaire*>(CreeCourbe('O', 1, 1, 11).get())->ParametresOperation[1],
              QStringLiteral("0.0001"));
    EXPECT_EQ(dynamic_cast<GCOperUnaire*>(CreeCourbe('U', 1, 1, 42).get())->Joint, false);
    EXPECT_EQ(typeid(*CreeCourbe('L', 1, 1)), typeid(GCCourbe));
    EXPECT_EQ(CreeCourbe('L', 1, 1)->Pilotage, (QStringList{"aucun", "aucun"}));

    // A copy mode outside 0..12 reads as 8.
    GCA a('A', 1, 1);
    a.FixeModeCopie(40);
    EXPECT_EQ(a.ModeCopie, 8);
    a.FixeModeCopie(3);
    EXPECT_EQ(a.ModeCopie, 3);
}

TEST_F(Courbe, GenresSansTraceLeDisentUneFois)
{
    auto c = CreeCourbe('B', 1, 4);
    c->FixeLibelles("mesures.txt", QString());
    trace(*c);
    trace(*c);
    ASSERT_EQ(interlocuteur_.messages.size(), 1);
    EXPECT_TRUE(interlocuteur_.messages.front().contains(QStringLiteral("introuvable : mesures.txt")));
    EXPECT_EQ(interlocuteur_.avertissements.size(), 2);  // the memo's line at each trace
    EXPECT_EQ(image_, imageBlanche(620, 420));

    auto d = CreeCourbe('D', 1, 5, 1);
    double x = 7, y = 7;
    dynamic_cast<GCY&>(*d).Evalue(1, x, y);
    EXPECT_TRUE(ErreurCalcul());
}

TEST_F(Courbe, ErreursDUneCourbeJamaisTracee)
{
    GCY c('Y', 1, 3);
    c.FixeLibelles("x", QString());
    QStringList l;
    c.MontreErreurs(l);
    EXPECT_EQ(l, (QStringList{"--> Courbe n°3", "Type= Y", "Libellé1= x", "Libellé2= ",
                              "** Liste des erreurs rencontrées **", "** Fin de la liste **"}));
}

TEST_F(Courbe, LibellesCompilesEtYEstVariable)
{
    GCY t('T', 1, 1);
    EXPECT_TRUE(t.FixeLibelles("cos(t)", "sin(t)"));
    EXPECT_FALSE(t.FixeLibelles("cos(", "sin(t)"));
    EXPECT_TRUE(t.Expression2.vide());  // not compiled after a failed text 1
    EXPECT_FALSE(t.FixeLibelles("t", "sin("));
    // Kinds E, H, I, J, N read Y as state value 0, the others as the variable, whichever
    // kind compiled last.
    VariablesEtat()[0] = 100;
    GCN n('N', 1, 2, 1);
    n.FixeLibelles("y", "x+1");
    EXPECT_DOUBLE_EQ(EvalueArbre(n.Expression(1), 3), 100);
    GCY y('Y', 1, 3);
    EXPECT_TRUE(y.CompileLibelle1("2*x+y"));
    EXPECT_DOUBLE_EQ(EvalueArbre(y.Expression(1), 3), 9);
    EXPECT_TRUE(n.CompileLibelle1("y+1"));
    EXPECT_DOUBLE_EQ(EvalueArbre(n.Expression(1), 3), 101);
}

TEST_F(Courbe, LibellesAffiches)
{
    GCY c('Y', 1, 1);
    c.FixeLibelles("a*x+b", QString());
    c.FixeParametre(0, "2");
    c.FixeParametre(1, "-1");
    QString t1, t2;
    c.LibellesAffiches(t1, t2);
    EXPECT_EQ(t1, QStringLiteral("2*x+(-1)"));

    GCC l('C', 1, 2);
    l.FixeLibelles("C:\\tp\\mesures.txt", QString());
    l.LibellesAffiches(t1, t2);
    EXPECT_EQ(t1, QStringLiteral("mesures.txt"));
}

TEST_F(Courbe, ModifieParLeDialogue)
{
    auto c = courbe('Y', "x", QString(), 2);
    EXPECT_FALSE(c->Modifie(true));  // no dialog installed
    EXPECT_TRUE(c->Identifiant.isEmpty());

    DialoguesScriptes d;
    GardeValeur<Dialogues*> garde(etatGraphe().dialogues, &d);
    EXPECT_TRUE(c->Modifie(true));
    EXPECT_TRUE(d.nouvelle);
    EXPECT_TRUE(c->Identifiant.startsWith(QStringLiteral("2")));
    EXPECT_GE(chercheFonction("FN2"), 0);  // callable by its name

    std::array<QString, 10> p;
    p.fill("0");
    EXPECT_TRUE(DialogueParametres(p));
    EXPECT_EQ(p[0], QStringLiteral("2"));
}

TEST_F(Courbe, StatistiquesDuCache)
{
    // x = 1e9 + 0.5 k, y = 2 x + 3: a correlation of 1 despite the large values.
    const QString chemin = QDir(dossierTravail()).filePath("stat.pts");
    std::vector<PointCourbe> pts;
    for (int k = 0; k <= 20; ++k) {
        const double x = 1e9 + 0.5 * k;
        pts.push_back({double(k), x, 2 * x + 3, k ? std::uint8_t(1) : std::uint8_t(0)});
    }
    ASSERT_TRUE(EcritFichierPoints(chemin, pts));
    GCY c('T', 1, 1);
    c.FichierPoints = chemin;
    StatistiquesCourbe r;
    EXPECT_TRUE(c.Statistiques(0, r));
    EXPECT_NEAR(r[13], 1, 1e-9);
    EXPECT_NEAR(r[14], 1, 1e-9);
    EXPECT_NEAR(r[12], 2 * 0.25 * (21 * 21 - 1) / 12.0, 1e-6);
    EXPECT_DOUBLE_EQ(r[0], 1e9);
    EXPECT_DOUBLE_EQ(r[5], 1e9 + 5);  // median
    EXPECT_TRUE(c.Statistiques(3, r));
    EXPECT_DOUBLE_EQ(r[15], 2);  // t for kind T
    EXPECT_DOUBLE_EQ(r[16], 1e9 + 1);

    // Every x equal: no correlation, and with n = 0 the result is false.
    for (auto& p : pts)
        p.x = 4;
    ASSERT_TRUE(EcritFichierPoints(chemin, pts));
    EXPECT_FALSE(c.Statistiques(0, r));
    EXPECT_EQ(r[13], 0);
    EXPECT_EQ(r[14], 0);
    GCY y('Y', 1, 2);
    y.FichierPoints = chemin;
    EXPECT_TRUE(y.Statistiques(100, r));
    EXPECT_DOUBLE_EQ(r[15], 21);  // n itself, clipped to the count

    // No cache: false.
    c.FichierPoints = QDir(dossierTravail()).filePath("absent.pts");
    EXPECT_FALSE(c.Statistiques(1, r));
}

TEST_F(Courbe, ResoutParametre)
{
    contexteCalcul().PrecisionXDicho = 1e-9;
    GCY t('T', 1, 1);
    t.FixeLibelles("t*t", "t");
    t.FixeBornes("-3", "3", "0.1");
    QStringList r = t.ResoutParametre(4, 2);
    ASSERT_EQ(r.size(), 1);
    EXPECT_NEAR(r.front().toDouble(), 2, 1e-2);
    // On the x axis (b = 0) the point is still found.
    r = t.ResoutParametre(0, 0);
    ASSERT_EQ(r.size(), 1);
    EXPECT_NEAR(r.front().toDouble(), 0, 1e-2);
    // Not on the curve.
    EXPECT_TRUE(t.ResoutParametre(4, 0.5).isEmpty());
    GCY p('P', 1, 2);
    p.FixeLibelles("1", "t");
    p.FixeBornes("0", "3", "0.1");
    r = p.ResoutParametre(0, 1);
    ASSERT_EQ(r.size(), 1);
    EXPECT_NEAR(r.front().toDouble(), M_PI / 2, 1e-2);
}

TEST_F(Courbe, CreeComme)
{
    GCY m('Y', 1, 1);
    m.FixeLibelles("x", "z");
    m.Couleur = RVB(0, 0, 255);
    m.Batons = true;
    m.Visible = false;
    m.Xinf = "-1";
    auto c = GCY::CreeComme(m, 2, 5, 'T');
    EXPECT_EQ(c->TypeCourbe, QChar('T'));
    EXPECT_EQ(c->Libelle2, QStringLiteral("z"));
    EXPECT_TRUE(c->Visible);
    EXPECT_TRUE(c->Batons);
    EXPECT_EQ(c->Couleur, m.Couleur);
    EXPECT_EQ(c->Xinf, QStringLiteral("-5"));
    EXPECT_FALSE(c->Identifiant.isEmpty());
    auto l = GCCourbe::CreeComme(m, 2, 6, 'L');
    EXPECT_TRUE(l->Pilotage.isEmpty());
    EXPECT_EQ(l->Couleur, m.Couleur);
}

}  // namespace
