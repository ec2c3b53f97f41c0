// The curve list of a window and the curve records of documents: round trips of every
// kind, the edge cases of the record layout, files cut short or malformed, embedded data
// files, the y range of the point caches, and the list's searches and choosers.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cmath>

#include "expression/etat.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/repere_outils.h"
#include "graph/courbes/genres.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

namespace {

const QString Kinds = QStringLiteral("ABCDEGHIJLNOPQRSTUWXY");

// What the document reader does with curve lines: "&" to the record reader, "!" to the
// block reader, the rest skipped.
struct Ouverture {
    ListeIdentifiants liensDerivees;
    QStringList liensCourbes, messages, copies;
    QString arret;
};

void Lit(const QStringList& lignes, GCDessin& dessin, Ouverture& o)
{
    SourceLignes source(lignes);
    LectureCourbe derniere;
    while (!source.fin()) {
        const QString l = source.suivante();
        if (l.startsWith(QLatin1Char('&'))) {
            derniere = LitCourbe(l, source, dessin.NumeroFenetre, o.liensDerivees);
            if (derniere.issue == IssueLecture::Courbe)
                dessin.AjouteCourbe(derniere.courbe);
            else if (derniere.issue == IssueLecture::Repetee)
                o.liensCourbes << derniere.lien;
            else if (derniere.issue == IssueLecture::Ignoree)
                o.messages << derniere.message;
            else
                return void(o.arret = derniere.message);
        } else if (l.startsWith(QLatin1Char('!'))) {
            const LectureBloc b = LitBlocDonnees(l, source, derniere);
            if (!b.message.isEmpty())
                o.messages << b.message;
            if (!b.copie.isEmpty())
                o.copies << b.copie;
            if (b.arret) {
                o.arret = b.message;
                return;
            }
        }
    }
}

QStringList Sauve(const GCDessin& d)
{
    QStringList l;
    d.Sauve(l);
    return l;
}

int Blocs(const QStringList& lignes)
{
    int n = 0;
    for (const QString& l : lignes)
        n += l.startsWith(QLatin1Char('!'));
    return n;
}

class Dessins : public RepereTest {
protected:
    void SetUp() override
    {
        RepereTest::SetUp();
        ASSERT_TRUE(dossier_.isValid());
    }

    QString EcritDonnees(const QString& nom, const QStringList& lignes)
    {
        const QString chemin = dossier_.filePath(nom);
        QDir().mkpath(QFileInfo(chemin).path());
        EXPECT_TRUE(EcritFichierTexte(chemin, lignes).ok);
        return chemin;
    }

    // Every field away from its default, so that a field the reader drops shows.
    PtrCourbe Riche(QChar lettre, int graine)
    {
        // sub-kind, order or operation code
        const int entier = QString("DGE").contains(lettre) ? 2 : QString("IA").contains(lettre) ? 1
                           : lettre == 'N' ? 3 * (graine % 2) : lettre == 'O' ? 7
                           : QString("QU").contains(lettre) ? (graine % 2 ? 17 : 21) : 0;
        PtrCourbe c = CreeCourbe(lettre, 1, nouveauNumero(), entier);
        c->FixeIdentifiant(QStringLiteral("%1%2/03/2026 10:11:12").arg(c->Numero).arg(10 + graine));
        c->Visible = graine % 2, c->HorsIndex = true, c->Couleur = RVB(1, 2, 3), c->Style = 2, c->Epaisseur = 3;
        c->FixeTempo(4), c->FixeModeTrace(true, false), c->FixeHachure(graine % 7);
        GCPoint& m = c->Marqueur;
        m.TypePoint = 5, m.Epaisseur = 4, m.Couleur = 0x0000FF, m.Angle = 30, m.Rempli = true;
        for (int k = 0; k < 10; ++k)
            c->FixeParametre(k, QString::number(k + graine));
        c->Nom = QStringLiteral("c%1").arg(graine);
        QString t1 = QStringLiteral("a*x+%1").arg(graine), t2 = QStringLiteral("b*x");
        if (lettre == 'B' || lettre == 'C' || lettre == 'L' || lettre == 'W') {
            t1 = EcritDonnees(QStringLiteral("d%1.txt").arg(graine), {"1;2", "3;4", " ", "", "&Y;pas un enregistrement"});
            t2 = QString();
            c->Pilotage = {QStringLiteral("ligne un"), QStringLiteral("ligne deux")};
        }
        if (auto* g = dynamic_cast<GCC*>(c.get()))
            g->FixeDebutPas(QStringLiteral("1.5"), QStringLiteral("pi/8"));
        if (auto* e = dynamic_cast<GCE*>(c.get())) {
            e->FixeConditionsInitiales({"1", "2", "a", "0", "0", "0", "0", "0", "0", "0", "0"});
            t1 = QStringLiteral("-Y");
            t2 = QStringLiteral("y(1)=2;y[1](1)=a;");
        }
        if (auto* r = dynamic_cast<GCRS*>(c.get()))
            r->FixeBornes(QStringLiteral("pi/3"), QStringLiteral("2*a"));
        if (auto* i = dynamic_cast<GCI*>(c.get()))
            i->FixeCoefficients({"1", "0", "1", "0", "0", "-4"});
        if (auto* n = dynamic_cast<GCN*>(c.get())) {
            n->FixeConditions(QStringLiteral("30"), QStringLiteral("0.5"), QStringLiteral("1"));
            if (n->SousType == 0) {
                auto fille = std::make_shared<GCY>(QLatin1Char('Y'), 1, n->Numero);
                fille->FixeBornes(QStringLiteral("-1"), QStringLiteral("2"), QStringLiteral("0.01"));
                n->AjouteFille(fille);
            } else {
                n->FixeIterationsVisibles(QStringLiteral("3"), QStringLiteral("12"));
            }
        }
        if (auto* o = dynamic_cast<GCOperBinaire*>(c.get()))
            o->FixeParametres({"1", "2", "3"});
        if (auto* q = dynamic_cast<GCOperUnaire*>(c.get())) {
            q->FixeParametres({"1", "2", "3", "4", "5", "6"});
            q->FixeSousType(2);
            if (q->Operation == 17)
                q->Pilotage = {QStringLiteral("p1"), QStringLiteral("p2")};
        }
        if (auto* a = dynamic_cast<GCA*>(c.get())) {
            a->FixeStyleRemplissage(3);
            a->FixeModeCopie(5);
        }
        if (auto* y = dynamic_cast<GCY*>(c.get())) {
            if (graine % 3 == 0) {
                y->ValeursImposees = true;
                y->FichierValeurs = QStringLiteral("valeurs.txt");
            } else {
                y->FixeBornes(QStringLiteral("-pi"), QStringLiteral("pi"), QStringLiteral("0.05"));
            }
            y->FixeAleatoire(true);
            y->Fleches = 3;
        }
        if (auto* rel = dynamic_cast<GCRelNum*>(c.get())) {
            GCTexte& e = *rel->Etiquette;
            e.SetTexte(QStringLiteral("C_{%1} ; &x").arg(graine));
            e.EcartX = 7, e.EcartY = -2, e.ADroite = false;
            e.SetOrientation(450);
        }
        c->GCCourbe::FixeLibelles(t1, t2);
        if (QStringLiteral("ADGQUO").contains(lettre) || (lettre == 'N' && c->SousType == 0))
            c->FixeMere(1, QStringLiteral("999/01/2026 00:00:00"));
        if (lettre == 'O')
            c->FixeMere(2, QStringLiteral("998/01/2026 00:00:00"));
        return c;
    }

    QTemporaryDir dossier_;
};

// ---------------------------------------------------------------------------------------

TEST_F(Dessins, ChaqueGenreRelitEtReecritLesMemesLignes)
{
    for (int graine = 0; graine < 3; ++graine) {
        GCDessin avant;
        for (QChar l : Kinds)
            avant.AjouteCourbe(Riche(l, graine * 21 + l.unicode() % 7));
        const QStringList lignes = Sauve(avant);
        EXPECT_EQ(interlocuteur_.messages, QStringList());

        reinitialiseGraphe();
        GCDessin apres;
        Ouverture o;
        Lit(lignes, apres, o);
        ASSERT_EQ(o.arret, QString()) << graine;
        EXPECT_EQ(o.messages, QStringList());
        ASSERT_EQ(apres.Nombre(), Kinds.size());
        EXPECT_EQ(Sauve(apres), lignes) << graine;
        for (int i = 0; i < apres.Nombre(); ++i) {
            EXPECT_EQ(apres.Courbes[i]->TypeCourbe, Kinds.at(i));
            EXPECT_EQ(apres.Courbes[i]->Identifiant, avant.Courbes[i]->Identifiant);
            EXPECT_EQ(apres.Courbes[i]->Nom, avant.Courbes[i]->Nom);
            if (auto* rel = dynamic_cast<GCRelNum*>(avant.Courbes[i].get())) {
                const GCTexte& e = *dynamic_cast<GCRelNum&>(*apres.Courbes[i]).Etiquette;
                EXPECT_EQ(e.GetTexte(), rel->TexteEtiquette()) << Kinds.at(i).toLatin1();
                // A sequence has no range line to carry the label's place.
                if (Kinds.at(i) != 'N') {
                    EXPECT_EQ(e.EcartX + e.EcartY, rel->Etiquette->EcartX + rel->Etiquette->EcartY);
                }
            }
        }
        EXPECT_EQ(o.liensDerivees.size(), Kinds.size());
    }
}

TEST_F(Dessins, LignesEcritesParGenre)
{
    GCDessin d;
    PtrCourbe y = CreeCourbe('Y', 1, 4);
    y->FixeIdentifiant("401/02/2026 03:04:05");
    y->GCCourbe::FixeLibelles("sin(x)", "");
    y->Nom = "f;2";   // a ";" would cut the name in two
    d.AjouteCourbe(y);
    auto h = std::dynamic_pointer_cast<GCRS>(CreeCourbe('H', 1, 5));
    h->FixeIdentifiant("5/x");
    h->FixeBornes("pi/3", "1");
    d.AjouteCourbe(h);
    // A point on a curve with its coordinates: the label's text ends the style line, its
    // place and font end the range line, so that the line after the style line stays the
    // texts line, as readers of the kinds without a label line take it.
    auto point = std::dynamic_pointer_cast<GCOperUnaire>(CreeCourbe('Q', 1, 6, 17));
    point->FixeIdentifiant("6/x");
    point->Etiquette->SetTexte("(&x ; &y)");
    point->Etiquette->EcartX = 6;
    point->FixeMere(1, "401/02/2026 03:04:05");
    d.AjouteCourbe(point);
    const QStringList l = Sauve(d);
    ASSERT_EQ(l.size(), 22);
    EXPECT_EQ(l[0], " ");
    EXPECT_EQ(l[1], "&Y;401/02/2026 03:04:05;0;");
    EXPECT_EQ(l[2], "-5;5;0.125;f;0;");
    EXPECT_EQ(l[3], "v;f;clBlack;0;1;0;f;v;3;1;clBlack;0;f;");
    EXPECT_EQ(l[4], "sin(x);;f,2;");
    EXPECT_EQ(l[5], "0;0;0;0;0;0;0;0;0;0;");
    // The initial point of a system keeps its texts, not rounded numbers.
    EXPECT_EQ(l[7], "&H;5/x;pi/3;1;0;");
    EXPECT_EQ(l[13], "&Q;6/x;17;0;0;0;0;0;0;0;0;2;");
    EXPECT_TRUE(l[16].startsWith("-5;5;0.125;f;0;6;0;v;0;")) << l[16].toStdString();
    EXPECT_TRUE(l[17].endsWith(";f;(&x ; &y)")) << l[17].toStdString();
    EXPECT_EQ(l[18], ";;M6;");
    EXPECT_EQ(l[20], "401/02/2026 03:04:05;");
    EXPECT_EQ(l[21], "");

    Ouverture o;
    GCDessin relu;
    Lit(l, relu, o);
    ASSERT_EQ(relu.Nombre(), 3);
    EXPECT_EQ(relu.Courbes[0]->Nom, "f,2");
    EXPECT_EQ(std::dynamic_pointer_cast<GCRS>(relu.Courbes[1])->TexteBorne1, "pi/3");
    auto pointLu = std::dynamic_pointer_cast<GCOperUnaire>(relu.Courbes[2]);
    EXPECT_EQ(pointLu->TexteEtiquette(), "(&x ; &y)");
    EXPECT_EQ(pointLu->Etiquette->EcartX, 6);
    EXPECT_EQ(pointLu->Mere1, "401/02/2026 03:04:05");

    // Written before the label was kept: no label, and nothing else moves.
    QStringList ancien = l.mid(12, 9);
    ancien[4] = "-5;5;0.125;f;0;";
    ancien[5] = "v;f;clBlack;0;1;0;f;v;3;1;clBlack;0;f;";
    GCDessin vieux;
    Ouverture o2;
    Lit(ancien, vieux, o2);
    EXPECT_EQ(o2.messages, QStringList());
    ASSERT_EQ(vieux.Nombre(), 1);
    EXPECT_EQ(std::dynamic_pointer_cast<GCOperUnaire>(vieux.Courbes[0])->TexteEtiquette(), "");
    EXPECT_EQ(vieux.Courbes[0]->Nom, "M6");
    EXPECT_EQ(vieux.Courbes[0]->Mere1, "401/02/2026 03:04:05");
}

TEST_F(Dessins, CasDuFormatALaLecture)
{
    const QString id = "12/03/2026 10:00:00";
    const QStringList doc = {
        // imposed values: flag and path, bounds left as created
        "&T;1" + id + ";0;", "v;mes.txt;v;1;", "v;f;clRed;0;1;0;f;v;3;1;clBlack;0;f;", "cos(t);sin(t);t1;", "0;",
        // own label "A", followed by its label line
        "&Y;2" + id + ";0;", "-5;5;0.125;f;;", "v;f;clRed;0;1;0;f;v;3;1;clBlack;0;f;A",
        "5;6;v;900;Liberation Serif;clBlue;12;1;0;0;0;", "x^2;;y2;", "0;",
        // own label empty: no label line; empty arrow field reads 0
        "&Y;3" + id + ";0;", "-5;5;0.125;f;;", "v;f;clRed;0;1;0;f;v;3;1;clBlack;0;f;", "x;;;", "0;",
        // order 2: initial texts beyond Y'o read "0"; the summary is made again
        "&E;4" + id + ";2;0;1;5;7;8;9;1;1;1;1;1;4;", "-5;5;0.1;f;0;", "v;f;clRed;0;1;0;f;v;", "-Y;faux;;sol;",
        "0;",
        // polar with an empty second text
        "&P;5" + id + ";0;", "0;6;0.1;f;0;", "v;f;clRed;0;1;0;f;v;", "2;;;", "0;",
        // header ending after the kind fields: mark 0, no piloting lines; style line ending
        // after "joined": marker as created
        "&L;6" + id + ";", "v;f;clRed;0;1;0;f;v;", "pts.txt;;l1;", "0;",
        // sequence of sub-kind 3 keeps its visible iterations and its mark
        "&N;7" + id + ";40;1;2;3;5;25;4;", "v;f;clRed;0;1;0;f;v;", "Xn+1;;u;", "0;",
        // sequence of sub-kind 0: its child's bounds, and its mother line read
        "&N;8" + id + ";10;0;0;0;-1;1;", "v;f;clRed;0;1;0;f;v;", "x/2;;v;", "0;", "1" + id + ";",
        // plate with a copy mode outside the table
        "&A;9" + id + ";0;0;", "v;f;clYellow;0;1;0;f;v;7;40;", ";;;", "0;", "2" + id + ";"};
    GCDessin d;
    Ouverture o;
    const int premier = etatGraphe().CompteurCourbes;
    Lit(doc, d, o);
    ASSERT_EQ(o.arret, QString());
    ASSERT_EQ(d.Nombre(), 9);

    auto t = std::dynamic_pointer_cast<GCY>(d.Courbes[0]);
    EXPECT_TRUE(t->ValeursImposees);
    EXPECT_EQ(t->FichierValeurs, "mes.txt");
    EXPECT_TRUE(t->Aleatoire);
    EXPECT_EQ(t->Fleches, 1);
    EXPECT_EQ(t->Xinf + t->Xsup + t->Pas, "-550.125");

    auto y2 = std::dynamic_pointer_cast<GCY>(d.Courbes[1]);
    EXPECT_EQ(y2->TexteEtiquette(), "A");
    EXPECT_EQ(y2->Etiquette->EcartX, 5);
    EXPECT_EQ(y2->Etiquette->EcartY, 6);
    EXPECT_TRUE(y2->Etiquette->ADroite);
    EXPECT_EQ(y2->Etiquette->GetOrientation(), 900);
    EXPECT_EQ(y2->Etiquette->GetFonte().Nom, "Liberation Serif");
    EXPECT_EQ(y2->Etiquette->GetFonte().Taille, 12);
    EXPECT_EQ(y2->Fleches, 0);
    EXPECT_EQ(std::dynamic_pointer_cast<GCY>(d.Courbes[2])->TexteEtiquette(), "");
    EXPECT_EQ(d.Courbes[2]->Nom, QStringLiteral("fn%1").arg(d.Courbes[2]->Numero));
    EXPECT_EQ(d.Courbes[2]->Numero, premier + 2);

    auto e = std::dynamic_pointer_cast<GCE>(d.Courbes[3]);
    EXPECT_EQ(e->TextesInitiaux[2], "5");
    for (int k = 3; k < 11; ++k)
        EXPECT_EQ(e->TextesInitiaux[k], "0") << k;
    EXPECT_EQ(e->Libelle2, "y(0)=1;y[1](0)=5;");
    EXPECT_EQ(e->Nom, "sol");

    EXPECT_EQ(d.Courbes[4]->Libelle2, "t");

    const PtrCourbe& l = d.Courbes[5];
    EXPECT_EQ(l->Hachure, 0);
    EXPECT_EQ(l->Pilotage, QStringList({"aucun", "aucun"}));
    EXPECT_EQ(l->Marqueur.TypePoint, GCPoint().TypePoint);
    EXPECT_EQ(l->Couleur, 0x0000FFu);

    auto n = std::dynamic_pointer_cast<GCN>(d.Courbes[6]);
    EXPECT_EQ(n->DebutVisible + "/" + n->FinVisible, "5/25");
    EXPECT_EQ(n->Hachure, 4);
    auto n0 = std::dynamic_pointer_cast<GCN>(d.Courbes[7]);
    ASSERT_EQ(n0->Filles.size(), 1u);
    auto fille = std::dynamic_pointer_cast<GCY>(n0->Filles[0]);
    EXPECT_EQ(fille->Xinf + ";" + fille->Xsup + ";" + fille->Pas, "-1;1;0.125");
    EXPECT_EQ(n0->Mere1, "1" + id);

    auto a = std::dynamic_pointer_cast<GCA>(d.Courbes[8]);
    EXPECT_EQ(a->ModeCopie, 8);
    EXPECT_EQ(a->StyleRemplissage, 7);
    EXPECT_EQ(a->Mere1, "2" + id);
}

TEST_F(Dessins, IdentifiantsRemplacesRepetesEtNomsDejaPris)
{
    const QStringList doc = {"&Y;sans barre;0;", "-5;5;0.125;f;0;", "v;f;clRed;0;1;0;f;v;", "x;;g;", "0;",
                             "&X;1/2/3;0;", "-5;5;0.125;f;0;", "v;f;clRed;0;1;0;f;v;", "y;;h;", "0;"};
    GCDessin d1;
    Ouverture o;
    Lit(doc, d1, o);
    ASSERT_EQ(d1.Nombre(), 2);
    const PtrCourbe& y = d1.Courbes[0];
    EXPECT_TRUE(y->Identifiant.startsWith(QString::number(y->Numero)));
    EXPECT_TRUE(y->Identifiant.contains('/'));
    EXPECT_GE(chercheFonction("G"), 0);

    // The same records in a second window of the same opening: further showings, read in
    // full, dropped; no number taken; nothing of them dispatched as records.
    GCDessin d2;
    d2.NumeroFenetre = 2;
    const int compteur = etatGraphe().CompteurCourbes;
    const QStringList repetes = {"&X;1/2/3;0;", "-5;5;0.125;f;0;", "v;f;clRed;0;1;0;f;v;", "#2 de fn1;;h;", "0;",
                                 "&Y;9/9/9;0;", "-5;5;0.125;f;0;", "v;f;clRed;0;1;0;f;v;", "z;;k;", "0;"};
    Lit(repetes, d2, o);
    EXPECT_EQ(o.liensCourbes, QStringList({"2;1/2/3"}));
    ASSERT_EQ(d2.Nombre(), 1);
    EXPECT_EQ(d2.Courbes[0]->Nom, "k");
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur + 1);

    // A function curve whose name, exactly as written, is taken ends the reading, curve not
    // added.
    GCDessin d3;
    Ouverture o3;
    Lit({"&Y;5/5/5;0;", "-5;5;0.125;f;0;", "v;f;clRed;0;1;0;f;v;", "x+1;;g;", "0;"}, d3, o3);
    EXPECT_EQ(o3.arret, "Il existe déjà une courbe appelée :g\nChanger son nom et essayer de recharger le fichier");
    EXPECT_EQ(d3.Nombre(), 0);
}

TEST_F(Dessins, EnregistrementsCoupesOuMalFormes)
{
    GCDessin avant;
    for (QChar l : Kinds)
        avant.AjouteCourbe(Riche(l, l.unicode()));
    const QStringList complet = Sauve(avant);
    // Cut after every line: no crash, never past the end, and a cut inside a record says so.
    for (int n = 1; n < complet.size(); ++n) {
        reinitialiseGraphe();
        GCDessin d;
        Ouverture o;
        Lit(complet.mid(0, n), d, o);
        EXPECT_LE(d.Nombre(), Kinds.size());
        if (!o.arret.isEmpty()) {
            EXPECT_TRUE(o.arret.contains("s'arrête au milieu de la courbe")) << o.arret.toStdString();
        }
    }
    // Cut inside the header line of each kind.
    for (const QString& ligne : complet) {
        if (!ligne.startsWith('&'))
            continue;
        for (int k = 1; k < ligne.size(); ++k) {
            reinitialiseGraphe();
            GCDessin d;
            Ouverture o;
            Lit({ligne.left(k), "", "&Y;1/1/1;0;"}, d, o);
            EXPECT_LE(d.Nombre(), 1);
        }
    }

    struct Cas {
        QStringList lignes;
        const char* attendu;
    };
    const Cas cas[] = {
        {{"&D;1/1/1;deux;0;"}, "Lecture interrompue à la ligne 1 : « deux » n'est pas un nombre entier (ordre de dérivation)."},
        {{"x", "&Y;1/1/1;0;", "-5;5;0.1;f;0;", "v;f;clRed;;1;0;f;v;"}, "à la ligne 4 : un nombre entier manque (style du trait)."},
        {{"&Q;1/1/1;3;0;0;0;0;0;0;x;"}, "« x » n'est pas un nombre entier (sous-type)"},
        {{"&A;1/1/1;0;0;", "v;f;clRed;0;1;0;f;v;7;"}, "un nombre entier manque (mode de copie)"},
        {{"&Y;1/1/1;0;", "-5;5;0.1;f;0;", "v;f;clRed;0;1;0;f;v;3;1;clRed;0;f;A", "1;z;"}, "écart vertical"},
        {{"&L;1/1/1;0;", "v;f;clRed;0;1;0;f;v;", "a.txt;;l;", "0;", "!beaucoup;"}, "nombre de lignes des données incluses"},
    };
    for (const Cas& c : cas) {
        GCDessin d;
        Ouverture o;
        Lit(c.lignes, d, o);
        EXPECT_TRUE(o.arret.contains(QString::fromUtf8(c.attendu))) << o.arret.toStdString();
    }

    // An unknown letter is passed over up to the next separator, its block included.
    GCDessin d;
    Ouverture o;
    Lit({"&Z;1/1/1;0;", "v;f;", "!2;", " ", "&Y;pas lu;", "ligne;", " ", "&Y;2/2/2;0;", "-5;5;0.1;f;0;",
         "v;f;clRed;0;1;0;f;v;", "x;;u;", "0;"},
        d, o);
    EXPECT_EQ(o.arret, QString());
    ASSERT_EQ(d.Nombre(), 1);
    EXPECT_EQ(d.Courbes[0]->Identifiant, "2/2/2");
    EXPECT_EQ(o.messages, QStringList({"Ligne 1 : le type de courbe « Z » n'est pas connu, la courbe est ignorée."}));
}

TEST_F(Dessins, DonneesInclusesUneFoisEtSansSortirDuDossier)
{
    // Two list curves reading one file embed it once; a chronicle with its own file too.
    const QString f = EcritDonnees("m.txt", {"1;1", "2;4"});
    GCDessin d;
    for (int k = 0; k < 2; ++k) {
        PtrCourbe l = CreeCourbe('L', 1, nouveauNumero());
        l->GCCourbe::FixeLibelles(f, "");
        d.AjouteCourbe(l);
    }
    PtrCourbe c = CreeCourbe('C', 1, nouveauNumero());
    c->GCCourbe::FixeLibelles(EcritDonnees("sous/m.txt", {"5", "6", "7"}), "");
    d.AjouteCourbe(c);
    const QStringList l = Sauve(d);
    EXPECT_EQ(Blocs(l), 2);
    EXPECT_TRUE(l.contains("!2;"));
    EXPECT_TRUE(l.contains("!3;"));

    // Read back where the stored files do not exist: each copy holds its own file, the
    // second "m.txt" under another name.
    QFile::remove(f);
    GCDessin relu;
    Ouverture o;
    Lit(l, relu, o);
    ASSERT_EQ(o.copies.size(), 2);
    EXPECT_NE(o.copies[0], o.copies[1]);
    EXPECT_EQ(LitFichierTexte(o.copies[0]).lignes, QStringList({"1;1", "2;4"}));
    EXPECT_EQ(LitFichierTexte(o.copies[1]).lignes, QStringList({"5", "6", "7"}));

    // A stored path that climbs out of the working folder, or names no file: the block is
    // read, written only inside the working folder (or not at all), and the reading goes on.
    const QString dehors = QDir(dossierTravail()).absoluteFilePath("../dehors.txt");
    const QStringList piege = {"&L;1/1/1;0;", "v;f;clRed;0;1;0;f;v;", "../dehors.txt;;p;", "0;", "!2;", "a", "b",
                               "&L;2/2/2;0;", "v;f;clRed;0;1;0;f;v;", "C:\\data\\;;q;", "0;", "!1;", "&Y;3/3/3;",
                               "&Y;4/4/4;0;", "-5;5;0.1;f;0;", "v;f;clRed;0;1;0;f;v;", "x;;r;", "0;"};
    GCDessin p;
    Ouverture op;
    Lit(piege, p, op);
    EXPECT_FALSE(QFile::exists(dehors));
    ASSERT_EQ(op.copies.size(), 1);
    EXPECT_EQ(QFileInfo(op.copies[0]).absolutePath(), QFileInfo(dossierTravail()).absoluteFilePath());
    ASSERT_EQ(p.Nombre(), 3);
    EXPECT_EQ(p.Courbes[2]->Identifiant, "4/4/4");
    ASSERT_EQ(op.messages.size(), 1);
    EXPECT_TRUE(op.messages[0].contains("non écrites"));
}

TEST_F(Dessins, FichierDeDonneesPerduNEmpechePasLaSauvegarde)
{
    GCDessin d;
    PtrCourbe l = CreeCourbe('L', 1, nouveauNumero());
    l->GCCourbe::FixeLibelles(dossier_.filePath("parti.txt"), "");
    d.AjouteCourbe(l);
    PtrCourbe y = CreeCourbe('Y', 1, nouveauNumero());
    y->GCCourbe::FixeLibelles("x", "");
    d.AjouteCourbe(y);
    QStringList lignes;
    EXPECT_FALSE(d.Sauve(lignes));
    EXPECT_EQ(Blocs(lignes), 0);
    ASSERT_EQ(interlocuteur_.messages.size(), 1);
    EXPECT_TRUE(interlocuteur_.messages[0].contains("parti.txt"));
    GCDessin relu;
    Ouverture o;
    Lit(lignes, relu, o);
    EXPECT_EQ(relu.Nombre(), 2);
}

TEST_F(Dessins, BlocDUneCourbeRepeteeConsommeSansRienEcrire)
{
    const QStringList doc = {"&L;1/1/1;0;", "v;f;clRed;0;1;0;f;v;", "C:\\tp\\mesures.txt;;p;", "0;", "!1;", "1;2"};
    GCDessin d1, d2;
    Ouverture o;
    Lit(doc, d1, o);
    ASSERT_EQ(o.copies.size(), 1);
    QStringList doc2 = doc;
    doc2[5] = "&Y;faux;";
    doc2 << " " << "&Y;2/2/2;0;" << "-5;5;0.1;f;0;" << "v;f;clRed;0;1;0;f;v;" << "x;;r;" << "0;";
    Lit(doc2, d2, o);
    EXPECT_EQ(o.copies.size(), 1);
    EXPECT_EQ(LitFichierTexte(o.copies[0]).lignes, QStringList({"1;2"}));
    EXPECT_EQ(d2.Nombre(), 1);
    EXPECT_EQ(o.arret, QString());
}

// ---------------------------------------------------------------------------------------

TEST_F(Dessins, BornesYDesCaches)
{
    GCDessin d;
    double lo = -1, hi = 1;
    EXPECT_FALSE(d.BornesY(lo, hi));
    auto cache = [&](const std::vector<double>& ys) {
        PtrCourbe c = CreeCourbe('L', 1, nouveauNumero());
        c->FichierPoints = dossier_.filePath(QStringLiteral("c%1.pts").arg(c->Numero));
        std::vector<PointCourbe> p;
        for (double y : ys)
            p.push_back({0, 0, y, 1});
        EXPECT_TRUE(EcritFichierPoints(c->FichierPoints, p));
        d.AjouteCourbe(c);
        return c;
    };
    cache({2, 3.5, 5, INFINITY, NAN});
    PtrCourbe cachee = cache({-100});
    cachee->Visible = false;
    PtrCourbe jamais = CreeCourbe('Y', 1, nouveauNumero());   // never traced: no cache
    d.AjouteCourbe(jamais);
    EXPECT_TRUE(d.BornesY(lo, hi));
    EXPECT_EQ(lo, 0);
    EXPECT_EQ(hi, 5);

    // A logarithmic axis: positive values only, without forcing 0.
    cache({std::exp(-5.0), std::exp(5.0), -3, 0});
    EXPECT_TRUE(d.BornesY(lo, hi, true));
    EXPECT_NEAR(lo, 0.0067, 1e-4);
    EXPECT_NEAR(hi, 148.41, 1e-2);

    // A cache cut short by a full disk: its whole records count.
    GCDessin seul;
    seul.AjouteCourbe(cache({7, 9}));
    QFile f(seul.Courbes[0]->FichierPoints);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("abcd");
    f.close();
    EXPECT_TRUE(seul.BornesY(lo, hi));
    EXPECT_EQ(hi, 9);

    GCDessin zero;
    zero.AjouteCourbe(jamais);
    lo = -1;
    EXPECT_FALSE(zero.BornesY(lo, hi));
    EXPECT_EQ(lo, -1);
}

TEST_F(Dessins, RecherchesChoixEtRetrait)
{
    GCDessin d;
    d.NumeroFenetre = 1;
    PtrCourbe c3 = CreeCourbe('Y', 1, 3);
    c3->GCCourbe::FixeLibelles("a*x", "");
    c3->FixeParametre(0, "2");
    c3->Nom = "g";
    c3->FixeIdentifiant("3/x");
    PtrCourbe c5 = CreeCourbe('L', 1, 5);
    c5->GCCourbe::FixeLibelles("C:\\tp\\m.txt", "x");
    c5->Nom = "pts";
    PtrCourbe c6 = CreeCourbe('Y', 1, 6);
    c6->GCCourbe::FixeLibelles("a*x", "");
    c6->FixeParametre(0, "2");
    d.AjouteCourbe(c3);
    d.AjouteCourbe(c5);
    d.AjouteCourbe(c6);
    EXPECT_EQ(d.ListeCourbesTypes("ly"),
              QStringList({"1;3\\Y : 2*x; ;g", "1;5\\L : m.txt; x;pts", QStringLiteral("1;6\\Y : 2*x; ;") + c6->Nom}));
    EXPECT_EQ(d.ListeCourbesSousType('L', 0).size(), 1);
    EXPECT_EQ(d.ListeLibelles("LY"), QStringList({"2*x", "m.txt", "x"}));
    EXPECT_EQ(d.LibelleDuNumero(5), "C:\\tp\\m.txt");
    EXPECT_EQ(d.LibelleDuNumero(4), "Non trouvé !");
    EXPECT_EQ(d.CourbeParIdentifiant("3/x"), c3);
    EXPECT_EQ(CourbeParIdentifiantPartout("3/x"), c3);
    // Found by the identifier it bears now, the first of the list when two bear it.
    c3->FixeIdentifiant("3/y");
    EXPECT_EQ(d.CourbeParIdentifiant("3/x"), nullptr);
    EXPECT_EQ(CourbeParIdentifiantPartout("3/y"), c3);
    c5->FixeIdentifiant("3/x");
    EXPECT_EQ(d.CourbeParIdentifiant("3/x"), c5);
    c3->FixeIdentifiant("3/x");
    EXPECT_EQ(d.CourbeParIdentifiant("3/x"), c3);
    c5->FixeIdentifiant("5/x");
    // A list that goes away no longer holds its curves.
    const PtrCourbe seule = CreeCourbe('L', 1, 9);
    {
        GCDessin passage;
        passage.AjouteCourbe(seule);
        passage.AjouteCourbe(seule);
        EXPECT_TRUE(ListeeAilleurs(seule.get(), &d));
        EXPECT_FALSE(ListeeAilleurs(seule.get(), &passage));
    }
    EXPECT_FALSE(ListeeAilleurs(seule.get(), &d));

    struct Choix : ChoixTrace {
        bool choisit(const QString& titre, const QStringList& entrees, QString& choix) override
        {
            vu = titre;
            choix = entrees.at(1);
            return true;
        }
        QString vu;
    } choix;
    {
        GardeValeur<ChoixTrace*> garde(etatGraphe().choixTrace, &choix);
        EXPECT_EQ(d.ChoisitCourbe("LY"), c5);
        EXPECT_EQ(choix.vu, "Choix d'un tracé");
        EXPECT_EQ(d.ChoisitCourbe("Q"), nullptr);
        EXPECT_EQ(interlocuteur_.messages, QStringList({"Non disponible : aucune courbe (des types requis) tracée!"}));
    }

    // The name goes with the last list that holds the curve.
    std::dynamic_pointer_cast<GCY>(c3)->MemoriseLibelle();
    {
        GCDessin autre;
        autre.AjouteCourbe(c3);
        EXPECT_TRUE(d.RetireCourbe(3));
        EXPECT_GE(chercheFonction("G"), 0);
        EXPECT_TRUE(autre.RetireCourbe(3));
        EXPECT_EQ(chercheFonction("G"), -1);
    }
    EXPECT_FALSE(d.RetireCourbe(3));
    EXPECT_EQ(d.Nombre(), 2);
    EXPECT_EQ(CourbeParIdentifiantPartout("3/x"), nullptr);
}

// The follower of long computations stops the first trace it is asked about that is not one
// of the mothers of the case.
struct SuiviQuiArrete : SuiviCalcul {
    QStringList meres;
    QStringList questions;
    bool continuer(int, int) override { return true; }
    bool continuerTrace(const QString& nom, long long) override
    {
        questions << nom;
        return meres.contains(nom);
    }
};

// Every family of curves, derived curves among them, stops its trace when the follower says
// so: the drawing says it was stopped, the curve keeps the beginning of its records and of
// its error lines (the same as a whole trace gives), has drawn them, gives no warning of
// failed points, and the ordinary curves after it are traced whole, the long ones stopped in
// their turn; a mother traced first for a curve of another window keeps its flags.
TEST_F(Dessins, UnTraceArreteGardeCeQuIlATraceDansChaqueFamille)
{
    int numero = 0;
    auto cree = [&](QChar lettre, const QString& nom, int entier = 0) {
        PtrCourbe c = CreeCourbe(lettre, 1, ++numero, entier);
        c->Nom = nom;
        c->NouvelIdentifiant();
        c->Couleur = c->Marqueur.Couleur = RVB(255, 0, 0);
        return c;
    };
    auto y = [&](QChar lettre, const QString& nom, const QString& f, const QString& g = {},
                 const QString& xinf = "-5", const QString& xsup = "5", const QString& pas = "0.001") {
        PtrCourbe c = cree(lettre, nom);
        c->FixeLibelles(f, g);
        dynamic_cast<GCY&>(*c).FixeBornes(xinf, xsup, pas);
        return c;
    };
    auto donnees = [&](QChar lettre, const QString& nom, const QString& pas, int lignes) {
        PtrCourbe c = cree(lettre, nom);
        QStringList l;
        for (int k = 0; k < lignes; ++k)
            l << (lettre == 'C' ? QString::number(std::sin(k * 0.01) * 3) : QStringLiteral("%1;%2").arg(-4 + k * 8.0 / lignes).arg(std::sin(k * 0.37) * 3));
        c->Libelle1 = EcritDonnees(nom + QStringLiteral(".txt"), l);
        if (auto* g = dynamic_cast<GCC*>(c.get()))
            g->FixeDebutPas("-4", pas);
        return c;
    };
    auto suite = [&](int st, const QString& f, const QString& g, const QString& premier, const QString& dernier) {
        auto n = std::dynamic_pointer_cast<GCN>(cree('N', "suite", st));
        n->FixeLibelles(f, g);
        n->FixeConditions(dernier, "0.5", "0");
        n->FixeIterationsVisibles(premier, dernier);
        return PtrCourbe(n);
    };
    auto rs = [&](QChar lettre, const QString& f, const QString& g, const QString& b1, const QString& b2,
                  const QString& pas) {
        auto c = std::dynamic_pointer_cast<GCRS>(cree(lettre, "rs"));
        c->FixeLibelles(f, g);
        c->FixeBornes(b1, b2);
        c->GCY::FixeBornes("-5", "5", pas);
        return PtrCourbe(c);
    };
    auto unaire = [&](int code, const PtrCourbe& mere, std::array<QString, 6> p = {"0", "0", "0", "0", "0", "0"}) {
        auto d = std::make_shared<GCOperUnaire>(LettreOperation(code), code, 1, ++numero);
        d->Nom = QStringLiteral("derivee");
        d->NouvelIdentifiant();
        d->CopieMere(*mere);
        d->FixeParametres(p);
        return PtrCourbe(d);
    };

    struct Cas {
        QString quoi;
        std::vector<PtrCourbe> courbes;   // the mothers (named "mere..."), then the curve stopped
        bool rienAvantLArret = false;     // stopped before its first point
    };
    std::vector<Cas> cas;
    cas.push_back({"Y", {y('Y', "y", "sqrt(sin(20*x))*4")}});
    cas.push_back({"Y incalculable au début", {y('Y', "y", "sqrt(x-4)")}, true});
    cas.push_back({"X", {y('X', "x", "ln(y+5.01)")}});
    cas.push_back({"T", {y('T', "t", "cos(t)*3", "sqrt(sin(5*t))*3")}});
    cas.push_back({"P", {y('P', "p", "2+1/(t-1)", "t", "0", "6.283")}});
    cas.push_back({"N1", {suite(1, "n", "sqrt(n-5)", "0", "5000")}});
    cas.push_back({"N3", {suite(3, "cos(x)", "cos(x)", "0", "5000")}});
    cas.push_back({"N hors vue", {suite(1, "n", "sin(n)", "1000000", "1000200")}, true});
    cas.push_back({"H", {rs('H', "-y", "x", "1", "0", "0.001")}});
    cas.push_back({"J", {rs('J', "cos(x*y)", "", "0", "1", "0.01")}});
    cas.push_back({"R", {rs('R', "ln(x)", "", "0", "1", "0.001")}});
    cas.push_back({"S", {rs('S', "sin(n*x)/n", "", "1", "10", "0.001")}});
    {
        auto d = std::dynamic_pointer_cast<GCDG>(cree('D', "d", 1));
        d->FixeLibelles("sqrt(sin(x))", "");
        d->FixeBornes("-5", "5", "0.001");
        cas.push_back({"D", {d}});
        auto mere = y('Y', "mere", "sin(x)");
        auto g = cree('G', "g", 1);
        g->FixeMere(1, mere->Identifiant);
        cas.push_back({"G", {mere, g}});
    }
    {
        auto e = std::dynamic_pointer_cast<GCE>(cree('E', "e", 2));
        e->CompileLibelle1("-y");
        e->GCY::FixeBornes("-5", "5", "0.001");
        e->FixeConditionsInitiales({"0", "0", "1", "0", "0", "0", "0", "0", "0", "0", "0"});
        cas.push_back({"E", {e}, true});
    }
    cas.push_back({"I", {y('I', "i", "x^2+y^2-30", "", "-5", "5", "0.01")}});
    cas.push_back({"I sans racine sur les premières lignes", {y('I', "i", "x^2+y^2-4", "", "-5", "5", "0.01")}, true});
    {
        auto i = y('I', "i", "x^2+y^2-4", "", "-5", "5", "0.01");
        i->Joint = true;
        cas.push_back({"I joint sans racine sur les premières lignes", {i}, true});
    }
    {
        auto droite = std::dynamic_pointer_cast<GCI>(cree('I', "droite", 1));
        droite->FixeCoefficients({"1", "-1", "0.5", "0", "0", "0"});
        droite->FixeBornes("-5", "5", "0.001");
        cas.push_back({"I droite", {droite}});
    }
    cas.push_back({"L", {donnees('L', "liste", "", 3000)}});
    cas.push_back({"C", {donnees('C', "chronique", "0.001", 3000)}});
    cas.push_back({"B", {donnees('B', "bezier", "0.0001", 12)}});
    cas.push_back({"W", {donnees('W', "bspline", "0.0001", 12)}});
    {
        auto mere = y('Y', "mere", "sin(x)+1/(x-1)");
        cas.push_back({"U opposé", {mere, unaire(0, mere)}});
        auto mere2 = y('Y', "mere", "sin(x)");
        cas.push_back({"Q tangente", {mere2, unaire(43, mere2, {"1", "0", "0", "0", "0", "0"})}});
        auto a = y('Y', "mere1", "x^2"), b = y('Y', "mere2", "sqrt(x+6)");
        auto o = std::make_shared<GCOperBinaire>(0, 1, ++numero);
        o->Nom = QStringLiteral("somme");
        o->NouvelIdentifiant();
        o->Libelle(*a, *b);
        cas.push_back({"O somme", {a, b, o}});
    }

    SuiviQuiArrete suivi;
    // Draws with the follower in place, on a new picture.
    auto dessineSuivi = [&](GCDessin& dessin, GCRepere& repere, QImage& image) {
        suivi.questions.clear();
        image = imageBlanche(600, 400);
        GardeValeur<SuiviCalcul*> garde(etatGraphe().suivi, &suivi);
        QPainter peintre(&image);
        return dessin.Dessine(peintre, repere);
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.quoi.toStdString());
        GCDessin dessin;
        for (const PtrCourbe& c : k.courbes)
            dessin.AjouteCourbe(c);
        auto apres = y('Y', "apres", "x");
        dessin.AjouteCourbe(apres);
        const PtrCourbe arretee = k.courbes.back();
        GCRepere repere(true, 600, 400);
        QImage image;
        // The first trace of these curves, stopped.
        interlocuteur_.avertissements.clear();
        suivi.meres.clear();
        for (const PtrCourbe& c : k.courbes)
            if (c != arretee)
                suivi.meres << c->Nom;
        EXPECT_TRUE(dessineSuivi(dessin, repere, image));
        // The last question, the one answered no: the curve, or the child that traces it.
        ASSERT_FALSE(suivi.questions.isEmpty());
        EXPECT_FALSE(suivi.meres.contains(suivi.questions.last()));
        EXPECT_FALSE(ErreurCalcul());
        EXPECT_FALSE(interlocuteur_.avertissements.contains(LigneAvertissementCalcul(arretee->Nom)));
        if (k.courbes.size() == 1) {
            EXPECT_TRUE(interlocuteur_.avertissements.isEmpty()) << interlocuteur_.avertissements.join('|').toStdString();
        }
        // The ordinary curve after it is traced whole.
        EXPECT_EQ(LitFichierPoints(apres->NomFichier()).points.size(), 10001u);
        const LecturePoints partie = LitFichierPoints(arretee->NomFichier());
        ASSERT_TRUE(partie.ok()) << arretee->NomFichier().toStdString();
        const QStringList erreursPartie = LitFichierTexte(arretee->CheminFichier(".err")).lignes;
        if (k.rienAvantLArret) {
            EXPECT_TRUE(partie.points.empty());
        } else {
            EXPECT_FALSE(partie.points.empty());
            int rouges = 0;
            for (int x = 0; x < image.width(); ++x)
                for (int yy = 0; yy < image.height(); ++yy)
                    rouges += pixelRvb(image, x, yy) == 0xFF0000u;
            EXPECT_GT(rouges, 0);
        }

        // The whole trace begins with the same records and error lines.
        {
            QPainter peintre(&image);
            ASSERT_FALSE(dessin.Dessine(peintre, repere));
        }
        const LecturePoints entier = LitFichierPoints(arretee->NomFichier());
        ASSERT_TRUE(entier.ok());
        ASSERT_GT(entier.points.size(), 100u);
        ASSERT_LT(partie.points.size(), entier.points.size());
        EXPECT_TRUE(std::equal(partie.points.begin(), partie.points.end(), entier.points.begin()));
        const QStringList erreurs = LitFichierTexte(arretee->CheminFichier(".err")).lignes;
        EXPECT_LE(erreursPartie.size(), erreurs.size());
        EXPECT_EQ(erreursPartie, erreurs.mid(0, erreursPartie.size()));
    }

    // A long curve after the one stopped stops in its turn, a moment later.
    {
        GCDessin dessin;
        dessin.AjouteCourbe(y('Y', "y", "sin(x)"));
        auto serie = rs('S', "sin(n*x)/n", "", "1", "100000", "0.003");
        dessin.AjouteCourbe(serie);
        suivi.meres.clear();
        GCRepere repere(true, 600, 400);
        QImage image;
        EXPECT_TRUE(dessineSuivi(dessin, repere, image));
        const std::size_t n = LitFichierPoints(serie->NomFichier()).points.size();
        EXPECT_GT(n, 0u);
        EXPECT_LT(n, 3001u);
    }

    // A mother of another window traced first, then stopped: its flags given back.
    GCDessin autre;
    auto mere = y('Y', "mere", "sin(x)");
    mere->HorsIndex = true;
    autre.AjouteCourbe(mere);
    GCDessin dessin;
    auto g = cree('G', "g", 1);
    g->FixeMere(1, mere->Identifiant);
    dessin.AjouteCourbe(g);
    suivi.meres.clear();
    GCRepere repere(true, 600, 400);
    QImage image;
    EXPECT_TRUE(dessineSuivi(dessin, repere, image));
    EXPECT_TRUE(mere->Visible && mere->HorsIndex);
    EXPECT_FALSE(LitFichierPoints(mere->NomFichier()).points.empty());
}

TEST_F(Dessins, DessineLesMeresAvantLeursDerivees)
{
    struct Espion : GCCourbe {
        Espion(int n, QStringList& journal) : GCCourbe('L', 1, n), journal_(journal) {}
        void Trace(QPainter&, GCRepere&) override { journal_ << Nom; }
        QStringList& journal_;
    };
    QStringList journal;
    auto cree = [&](const QString& nom, const QString& mere) {
        auto c = std::make_shared<Espion>(nouveauNumero(), journal);
        c->Nom = nom;
        c->FixeIdentifiant(nom);
        c->FixeMere(1, mere);
        return c;
    };
    GCDessin d;
    d.AjouteCourbe(cree("fille", "mere"));
    d.AjouteCourbe(cree("mere", "grand-mere"));
    d.AjouteCourbe(cree("grand-mere", ""));
    d.AjouteCourbe(cree("boucle1", "boucle2"));
    d.AjouteCourbe(cree("boucle2", "boucle1"));
    GCRepere repere(true, 300, 200);
    QImage image = imageBlanche(300, 200);
    QPainter peintre(&image);
    d.Dessine(peintre, repere);
    EXPECT_EQ(journal, QStringList({"grand-mere", "mere", "fille", "boucle2", "boucle1"}));
    journal.clear();
    d.Visible = false;
    d.Dessine(peintre, repere);
    EXPECT_TRUE(journal.isEmpty());
}

}  // namespace
