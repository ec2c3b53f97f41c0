// Labels: records written and read back, & macros, drawing on images, syntax faults while
// painting, the list, axis titles.
#include "graph/textes/GCTexte.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTransform>
#include <map>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/textes/TeXGestion.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/titreaxe.h"
#include "interlocuteur_essai.h"
#include "graph/courbes/genres.h"
#include "etat_essai.h"

// Readable QString values in failure messages.
static void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

using Messagerie = InterlocuteurEssai;

// A scripted set of curves and areas for the macros.
class SourceEssai : public SourceMacros {
public:
    struct Courbe {
        std::vector<std::pair<double, double>> points;
        bool reussiteStat = true;
        QString l1, l2;
    };
    std::map<QString, Courbe> courbes;
    std::map<QString, double> aires;
    int appels = 0;

    bool statistiques(const QString& id, int n, StatistiquesCourbe& r, bool& reussi, int& nombre) override
    {
        ++appels;
        auto it = courbes.find(id);
        if (it == courbes.end())
            return false;
        const auto& p = it->second.points;
        r.fill(0);
        nombre = int(p.size());
        reussi = !p.empty() && it->second.reussiteStat;
        for (int k = 0; k < 12; ++k)
            r[std::size_t(k)] = 100 + k;  // recognisable values
        r[12] = 7.5;
        r[13] = 0.5;
        r[14] = 0.25;
        if (n > 0 && !p.empty()) {
            const int m = std::min(n, nombre);
            r[15] = m;
            r[16] = p[std::size_t(m - 1)].first;
            r[17] = p[std::size_t(m - 1)].second;
            reussi = true;
        }
        return true;
    }
    bool aire(const QString& empreinte, double& valeur) override
    {
        auto it = aires.find(empreinte);
        if (it == aires.end())
            return false;
        valeur = it->second;
        return true;
    }
    bool libelles(const QString& id, QString& t1, QString& t2) override
    {
        auto it = courbes.find(id);
        if (it == courbes.end())
            return false;
        t1 = it->second.l1;
        t2 = it->second.l2;
        return true;
    }
};

class DialoguesEssai : public Dialogues {
public:
    bool modifieCourbe(GCCourbe&, bool) override { return false; }
    bool modifieAire(GCAire&, bool) override { return false; }
    bool modifieTexte(GCTexte& t, bool nouveau) override
    {
        vuNouveau = nouveau;
        t.SetTexte(QStringLiteral("modifié"));
        return true;
    }
    bool dialogueParametres(std::array<QString, 10>&) override { return false; }
    bool vuNouveau = false;
};

class Textes : public ::testing::Test {
protected:

    static Police police(TCouleur couleur = 0, int taille = 12)
    {
        Police p;
        p.Nom = QStringLiteral("DejaVu Sans");
        p.Couleur = couleur;
        p.Taille = taille;
        return p;
    }
    static std::unique_ptr<GCTexte> texte(const QString& contenu, int numero = 1)
    {
        auto t = std::make_unique<GCTexte>(numero, QStringLiteral("1"), QStringLiteral("2"), true, police());
        t->SetTexte(contenu);
        return t;
    }

    // Reads every record of the lines as the document reader does.
    static std::vector<std::unique_ptr<GCTexte>> relit(const QStringList& lignes, QStringList* problemes = nullptr)
    {
        std::vector<std::unique_ptr<GCTexte>> r;
        QStringList p;
        int i = 0;
        while (i < lignes.size()) {
            if (lignes[i].startsWith(QStringLiteral("§")))
                r.push_back(LitTexte(lignes, i, p));
            else
                ++i;
        }
        if (problemes)
            *problemes = p;
        return r;
    }

    static QImage blanche(int l = 300, int h = 300)
    {
        QImage image(l, h, QImage::Format_RGB32);
        image.fill(Qt::white);
        return image;
    }
    static QRect encre(const QImage& image)
    {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                    r |= QRect(x, y, 1, 1);
        return r;
    }

    EtatNeuf<reinitialiseGraphe> etat_;
    Messagerie messagerie_;
    GardeValeur<Interlocuteur*> gardeMessagerie_{etatGraphe().interlocuteur, &messagerie_};
};

// ---------------------------------------------------------------------------------------
// Records

TEST_F(Textes, EnregistrementsRelusPuisRecrits)
{
    GCListTextes liste;
    auto a = texte(QStringLiteral("Vitesse moyenne : &moyy m/s ; écart « &sy » à ²"), 3);
    a->SetOrientation(450);
    a->NoPoint = 12;
    a->CourbePoint = QStringLiteral("207/12/2026 22:58:01");
    a->CourbeStat = QStringLiteral("307/12/2026 22:58:02");
    a->Aire = QStringLiteral("407/12/2026 22:58:03");
    a->CourbeLib = QStringLiteral("507/12/2026 22:58:04");
    Police p = police(0x0000FF, 14);
    p.Gras = p.Souligne = true;
    a->SetFonte(p);
    liste.AjouteTexte(std::move(a));
    // Empty text, pixel position.
    liste.AjouteTexte(std::make_unique<GCTexte>(4, QStringLiteral("120"), QStringLiteral("-35"), false, police()));
    // A text of ";" only, and one ending with ";" and blanks.
    liste.AjouteTexte(texte(QStringLiteral(";"), 5));
    liste.AjouteTexte(texte(QStringLiteral("a;b; "), 6));
    // A position expression longer than twenty characters is kept whole.
    auto longue = std::make_unique<GCTexte>(7, QStringLiteral("a*cos(pi/3)+b*sin(pi/6)"),
                                            QStringLiteral("-2.5"), true, police());
    longue->SetTexte(QStringLiteral("\\frac{1}{n}"));
    liste.AjouteTexte(std::move(longue));

    QStringList lignes;
    liste.Sauve(lignes);
    ASSERT_EQ(lignes.size(), 1 + 5 * 3);
    EXPECT_EQ(lignes[0], QStringLiteral(" "));
    EXPECT_EQ(lignes[1], QStringLiteral("§DejaVu Sans;clRed;14;1;0;1;0;450;"));
    EXPECT_EQ(lignes[2], QStringLiteral("v;1;2;Vitesse moyenne : &moyy m/s ; écart « &sy » à ²"));
    EXPECT_EQ(lignes[3], QStringLiteral("12;207/12/2026 22:58:01;307/12/2026 22:58:02;407/12/2026 22:58:03;"
                                        "507/12/2026 22:58:04;"));
    EXPECT_EQ(lignes[5], QStringLiteral("f;120;-35;"));
    EXPECT_EQ(lignes[6], QStringLiteral("1;;;;;"));

    // Through the file's encoding and back, then written again: the same lines.
    const QByteArray octets = EncodeLignes(lignes, PolitiqueEncodage::Strict);
    EXPECT_TRUE(octets.contains(char(0xA7)));  // "§" as one Windows-1252 byte
    const LectureTexte lu = LignesDeOctets(octets);
    ASSERT_TRUE(lu.ok);
    QStringList problemes;
    auto relus = relit(lu.lignes, &problemes);
    EXPECT_TRUE(problemes.isEmpty()) << problemes.join('\n').toStdString();
    ASSERT_EQ(relus.size(), 5u);
    GCListTextes deuxieme;
    for (auto& t : relus)
        deuxieme.AjouteTexte(std::move(t));
    QStringList encore;
    deuxieme.Sauve(encore);
    EXPECT_EQ(encore, lignes);

    // What was read.
    const GCTexte* r = deuxieme.Texte(0);
    EXPECT_EQ(r->GetOrientation(), 450);
    EXPECT_EQ(r->NoPoint, 12);
    EXPECT_EQ(r->GetFonte(), p);
    EXPECT_TRUE(r->EstExpression());
    const GCTexte* pixel = deuxieme.Texte(1);
    EXPECT_FALSE(pixel->EstExpression());
    int px, py;
    pixel->GetPositionPixel(px, py);
    EXPECT_EQ(QPoint(px, py), QPoint(120, -35));
    EXPECT_TRUE(pixel->GetTexte().isEmpty());
    EXPECT_EQ(deuxieme.Texte(2)->GetTexte(), QStringLiteral(";"));
    EXPECT_EQ(deuxieme.Texte(3)->GetTexte(), QStringLiteral("a;b; "));
    QString x, y;
    deuxieme.Texte(4)->GetPositionTextes(x, y);
    EXPECT_EQ(x, QStringLiteral("a*cos(pi/3)+b*sin(pi/6)"));
    // Read labels are numbered from the counter.
    EXPECT_EQ(deuxieme.Texte(0)->Numero, 1);
    EXPECT_EQ(deuxieme.Texte(4)->Numero, 5);
    EXPECT_EQ(CompteurTextes(), 5);
}

TEST_F(Textes, ChampsQuiCasseraientLaLigne)
{
    // Line breaks become blanks on entry; a ";" in a position expression is written ",".
    auto t = std::make_unique<GCTexte>(1, QStringLiteral("max(1;2)"), QStringLiteral("3\n+1"), true, police());
    t->SetTexte(QStringLiteral("deux\r\nlignes"));
    EXPECT_EQ(t->GetTexte(), QStringLiteral("deux  lignes"));
    const QStringList l = LignesTexte(*t);
    ASSERT_EQ(l.size(), 3);
    EXPECT_EQ(l[1], QStringLiteral("v;max(1,2);3 +1;deux  lignes"));
    QStringList p;
    int i = 0;
    auto r = LitTexte(l, i, p);
    EXPECT_EQ(i, 3);
    EXPECT_EQ(r->GetTexte(), QStringLiteral("deux  lignes"));
}

TEST_F(Textes, LecteurTolerant)
{
    QStringList p;
    // Only the first line, at the end of the file.
    {
        const QStringList l{QStringLiteral("§Arial;clBlue;10;0;0;0;0;900;")};
        int i = 0;
        auto t = LitTexte(l, i, p);
        EXPECT_EQ(i, 1);
        EXPECT_EQ(t->GetOrientation(), 900);
        EXPECT_EQ(t->GetFonte().Nom, QStringLiteral("Arial"));
        EXPECT_EQ(p.size(), 1);
    }
    // A record cut short by the next one: the next "§" is not taken as its lines.
    {
        p.clear();
        const QStringList l{QStringLiteral("§Arial;clBlue;10;0;0;0;0;0;"), QStringLiteral("v;1;1;un"),
                            QStringLiteral("§Arial;clBlue;10;0;0;0;0;0;"), QStringLiteral("f;5;6;deux"),
                            QStringLiteral("3;;;;;")};
        int i = 0;
        auto t = LitTexte(l, i, p);
        EXPECT_EQ(i, 2);
        EXPECT_EQ(t->GetTexte(), QStringLiteral("un"));
        auto u = LitTexte(l, i, p);
        EXPECT_EQ(i, 5);
        EXPECT_EQ(u->GetTexte(), QStringLiteral("deux"));
        EXPECT_EQ(u->NoPoint, 3);
        EXPECT_EQ(p.size(), 1);
    }
    // A font without orientation, bad numbers everywhere: defaults, each fault listed.
    {
        p.clear();
        const QStringList l{QStringLiteral("§Arial;pasunecouleur;grand;1;0;0;0;"),
                            QStringLiteral("f;douze;;texte"), QStringLiteral("beaucoup;id")};
        int i = 0;
        auto t = LitTexte(l, i, p);
        EXPECT_EQ(t->GetOrientation(), 0);
        int px, py;
        t->GetPositionPixel(px, py);
        EXPECT_EQ(QPoint(px, py), QPoint(1, 1));
        EXPECT_EQ(t->NoPoint, 1);
        EXPECT_EQ(t->CourbePoint, QStringLiteral("id"));
        EXPECT_EQ(t->GetTexte(), QStringLiteral("texte"));
        EXPECT_EQ(p.size(), 3) << p.join('\n').toStdString();
    }
    // Degenerate lines never crash and always give a label.
    for (const QStringList& l : {QStringList{QStringLiteral("§")}, QStringList{QStringLiteral("§;;;;;;;;;;;;")},
                                 QStringList{QStringLiteral("§"), QString(), QString()},
                                 QStringList{QStringLiteral("§x"), QStringLiteral("v"), QStringLiteral("")},
                                 QStringList{QStringLiteral("§;;99999999999999999999;1;1;1;1;-99999999999;")}}) {
        int i = 0;
        QStringList q;
        auto t = LitTexte(l, i, q);
        ASSERT_TRUE(t);
        EXPECT_GE(t->GetOrientation(), 0);
        EXPECT_LT(t->GetOrientation(), 3600);
        EXPECT_LE(i, l.size());
    }
}

TEST_F(Textes, OrientationRameneeEntre0Et3599)
{
    auto t = texte(QStringLiteral("A"));
    t->SetOrientation(-450);
    EXPECT_EQ(t->GetOrientation(), 3150);
    t->SetOrientation(3600);
    EXPECT_EQ(t->GetOrientation(), 0);
    t->SetOrientation(7250);
    EXPECT_EQ(t->GetOrientation(), 50);
    // A stored 16-bit wrap of -450 (65086) reads as the angle it was drawn at.
    const QStringList l{QStringLiteral("§Arial;clBlack;10;0;0;0;0;65086;"), QStringLiteral("v;0;0;A"),
                        QStringLiteral("1;;;;;")};
    int i = 0;
    QStringList p;
    EXPECT_EQ(LitTexte(l, i, p)->GetOrientation(), 65086 % 3600);

    // -450 is drawn at 315 degrees.
    t->SetOrientation(-450);
    t->SetTexte(QStringLiteral("Angle"));
    QImage a = blanche(), b = blanche();
    {
        QPainter pa(&a);
        t->Dessine(150, 150, pa);
    }
    {
        QPainter pb(&b);
        pb.setFont(police().qfont());
        DessineTeX(150, 150, QStringLiteral("Angle"), 3150, Qt::black, pb);
    }
    EXPECT_EQ(a, b);
    const QRect r = encre(a);
    EXPECT_GT(r.bottom(), 170);  // going down to the right
    EXPECT_GT(r.right(), 170);
}

// ---------------------------------------------------------------------------------------
// Macros

TEST_F(Textes, MacrosDesValeursCourantesEtDesParametres)
{
    etatGraphe().valeursCourantes = {3, 0.5, -2, 1.25};
    auto& v = contexteCalcul().ValeursParametres;
    for (int k = 0; k < NbParametres; ++k)
        v[std::size_t(k)] = k + 1;  // a=1 b=2 c=3 d=4 g=5 h=6 k=7 l=8 m=9 p=10
    std::string message;
    ASSERT_GE(AjouteParametrePerso(GCParamPerso("vitesse", "3*a"), message), 0) << message;
    ASSERT_GE(AjouteParametrePerso(GCParamPerso("v0", "12"), message), 0) << message;

    auto t = texte(QStringLiteral("n=&n t=&t x=&x y=&y a=&a p=&p m=&m V=&vitesse w=&v0 sans"));
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("n=3 t=0.5 x=-2 y=1.25 a=1 p=10 m=9 V=3*a w=12 sans"));
    // No curve behind &num: step 5 takes its "&n".
    t->SetTexte(QStringLiteral("&num"));
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("3um"));
    // An unmatched &lib1 becomes the value of l followed by "ib1".
    t->SetTexte(QStringLiteral("&lib1"));
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("8ib1"));
    // A text without "&" is left as it is; a lone "&" too.
    t->SetTexte(QStringLiteral("R & D"));
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("R & D"));
    // The stored text is never changed by drawing or replacing.
    EXPECT_EQ(t->GetTexte(), QStringLiteral("R & D"));
}

TEST_F(Textes, MacrosDesCourbesEtDesAires)
{
    SourceEssai source;
    GardeValeur<SourceMacros*> garde(etatGraphe().sourceMacros, &source);
    SourceEssai::Courbe c;
    c.points = {{0, 1}, {0.5, 2}, {1, 4}};
    c.l1 = QStringLiteral("x^2+1");
    c.l2 = QStringLiteral("");
    source.courbes[QStringLiteral("1A")] = c;
    SourceEssai::Courbe vide;
    source.courbes[QStringLiteral("2B")] = vide;
    source.aires[QStringLiteral("3C")] = 64;

    auto t = texte(QStringLiteral("point &num : (&abs ; &ord)"));
    t->CourbePoint = QStringLiteral("1A");
    t->NoPoint = 2;
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("point 2 : (0.5 ; 2)"));
    // Fewer points than NoPoint.
    t->NoPoint = 4;
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("point ?? : (?\? ; ?\?)"));
    // A curve that has no points.
    t->CourbePoint = QStringLiteral("2B");
    t->NoPoint = 1;
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("point ?? : (?\? ; ?\?)"));
    // An identifier that names no curve: left for the later, shorter macros (&n, &a).
    t->CourbePoint = QStringLiteral("9Z");
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("point 0um : (0bs ; &ord)"));

    auto s = texte(QStringLiteral("&minx &maxx &moyx &sx &vx &medx|&miny &maxy &moyy &sy &vy &medy|&cov &rho2 &rho"));
    s->CourbeStat = QStringLiteral("1A");
    EXPECT_EQ(s->TexteAffiche(), QStringLiteral("100 101 102 103 104 105|106 107 108 109 110 111|7.5 0.25 0.5"));
    // When the statistics fail, only the three last ones are unknown.
    source.courbes[QStringLiteral("1A")].reussiteStat = false;
    EXPECT_EQ(s->TexteAffiche(), QStringLiteral("100 101 102 103 104 105|106 107 108 109 110 111|?? ?? ??"));

    auto a = texte(QStringLiteral("aire = &aire0 u.a."));
    a->Aire = QStringLiteral("3C");
    EXPECT_EQ(a->TexteAffiche(), QStringLiteral("aire = 64 u.a."));
    a->Aire = QStringLiteral("inconnue");  // left; step 7 then takes its "&a"
    EXPECT_EQ(a->TexteAffiche(), QStringLiteral("aire = 0ire0 u.a."));

    auto l = texte(QStringLiteral("y=&lib1 [&lib2]"));
    l->CourbeLib = QStringLiteral("1A");
    EXPECT_EQ(l->TexteAffiche(), QStringLiteral("y=x^2+1 []"));

    // Labels without curve macros never ask the curves (a curve's own label, drawn at every
    // point, names its curve in every field).
    source.appels = 0;
    auto simple = texte(QStringLiteral("x^{2} (&x ; &y)"));
    simple->CourbePoint = simple->CourbeStat = simple->CourbeLib = simple->Aire = QStringLiteral("1A");
    simple->TexteAffiche();
    EXPECT_EQ(source.appels, 0);
}

TEST_F(Textes, MacrosSurLesCourbesEtAiresDesFenetres)
{
    // Two windows show a curve of the same identifier with different caches: the last
    // window's is read. An area of the other window is found by its stamp.
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString id = QStringLiteral("307/12/2026 22:58:01");
    auto cache = [&](const QString& nom, std::vector<PointCourbe> points) {
        const QString chemin = dossier.filePath(nom);
        EXPECT_TRUE(EcritFichierPoints(chemin, points));
        return chemin;
    };
    GCDessin fenetre1, fenetre2;
    auto c1 = std::make_shared<GCCourbe>(QChar('L'), 1, 3);
    c1->FixeIdentifiant(id);
    c1->FichierPoints = cache(QStringLiteral("a.pts"), {{0, 9, 9, 0}});
    fenetre1.AjouteCourbe(c1);
    auto c2 = std::make_shared<GCCourbe>(QChar('L'), 2, 3);
    c2->FixeIdentifiant(id);
    c2->FixeLibelles(QStringLiteral("/home/prof/tp/mesures.txt"), QString());
    c2->FichierPoints = cache(QStringLiteral("b.pts"), {{0, 1, 2, 0}, {1, 3, 4, 1}, {2, 5, 9, 1}});
    fenetre2.AjouteCourbe(c2);
    auto plaque = std::make_shared<GCA>(QChar('A'), 1, 5);
    plaque->FixeIdentifiant(QStringLiteral("507/12/2026 22:58:01"));
    plaque->Mesure = 2.672;
    fenetre1.AjouteCourbe(plaque);

    GCRepere repere(false, 100, 100);
    GCListAires aires1(1), aires2(2);
    auto zone = std::make_shared<GCAire>(6, 2);
    zone->FixeEmpreinte(QStringLiteral("607/12/2026 22:58:01"));
    zone->Calcule(repere);
    aires2.Ajoute(zone);
    etatGraphe().aires = {&aires1, &aires2};

    auto t = texte(QStringLiteral("&num:&abs,&ord n=&minx..&maxx moy=&moyy [&lib1]"));
    t->CourbePoint = t->CourbeStat = t->CourbeLib = id;
    t->NoPoint = 2;
    EXPECT_EQ(t->TexteAffiche(), QStringLiteral("2:3,4 n=1..5 moy=5 [mesures.txt]"));
    t->NoPoint = 7;  // beyond the last point
    EXPECT_TRUE(t->TexteAffiche().startsWith(QStringLiteral("??:??,?? ")));

    auto a = texte(QStringLiteral("&aire0"));
    a->Aire = QStringLiteral("607/12/2026 22:58:01");
    ASSERT_GT(zone->Mesure(), 0);
    EXPECT_EQ(a->TexteAffiche(), QString::fromStdString(ReelVersTexte(zone->Mesure())));
    a->Aire = QStringLiteral("507/12/2026 22:58:01");
    EXPECT_EQ(a->TexteAffiche(), QStringLiteral("2.672"));
    etatGraphe().aires.clear();
}

// ---------------------------------------------------------------------------------------
// Drawing

TEST_F(Textes, EncreDansLaBoiteAnnoncee)
{
    auto t = texte(QStringLiteral("Ex^{2}+\\frac{1}{n}"));
    t->SetFonte(police(0x0000FF, 16));  // red
    QImage image = blanche(400, 300);
    {
        QPainter p(&image);
        EXPECT_TRUE(t->Dessine(40, 100, p));
    }
    const QRect r = encre(image);
    ASSERT_FALSE(r.isEmpty());
    const BoiteTeX b = MesureTeX(t->GetTexte(), t->GetFonte().qfont(), &image);
    const MiseEnPageTeX page = MetEnPageTeX(t->GetTexte(), t->GetFonte().qfont(), &image);
    const int base = 100 + page.ligneDeBase;
    // The ink lies within the measured box, give or take antialiasing.
    EXPECT_GE(r.left(), 40 - 2);
    EXPECT_LE(r.right(), 40 + b.largeur + 2);
    EXPECT_GE(r.top(), base - b.ascent - 2);
    EXPECT_LE(r.bottom(), base + b.descent + 2);
    EXPECT_GT(r.width(), b.largeur / 2);
    // In the font's colour.
    bool rouge = false;
    for (int y = r.top(); y <= r.bottom() && !rouge; ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (image.pixel(x, y) == qRgb(255, 0, 0)) {
                rouge = true;
                break;
            }
    EXPECT_TRUE(rouge);
    EXPECT_TRUE(messagerie_.messages.isEmpty());
}

TEST_F(Textes, RotationEtFacteurEchelle)
{
    auto t = texte(QStringLiteral("Titre"));
    QImage droit = blanche(), tourne = blanche(), double_ = blanche();
    {
        QPainter p(&droit);
        t->Dessine(150, 150, p);
    }
    t->SetOrientation(900);
    {
        QPainter p(&tourne);
        t->Dessine(150, 150, p);
    }
    const QRect a = encre(droit), b = encre(tourne);
    // Turned a quarter counter-clockwise: the text goes up from its start.
    EXPECT_NEAR(b.height(), a.width(), 3);
    EXPECT_NEAR(b.width(), a.height(), 3);
    EXPECT_LE(b.bottom(), 152);
    EXPECT_GE(b.left(), 148);

    t->SetOrientation(0);
    etatGraphe().FacteurEchelle = 2.0;
    {
        QPainter p(&double_);
        t->Dessine(10, 10, p);
    }
    const QRect c = encre(double_);
    EXPECT_NEAR(double(c.width()) / a.width(), 2.0, 0.25);
    // The painter's font and pen are left as they were.
    QImage autre = blanche(10, 10);
    QPainter p(&autre);
    const QFont avant = p.font();
    p.setPen(Qt::green);
    t->Dessine(0, 0, p);
    EXPECT_EQ(p.font(), avant);
    EXPECT_EQ(p.pen().color(), QColor(Qt::green));
}

TEST_F(Textes, TexteInvisibleNeDessineRien)
{
    auto t = texte(QStringLiteral("caché"));
    t->Visible = false;
    QImage image = blanche(100, 100);
    QPainter p(&image);
    EXPECT_TRUE(t->Dessine(10, 10, p));
    p.end();
    EXPECT_TRUE(encre(image).isEmpty());
}

TEST_F(Textes, ErreurDeSyntaxeSignaleeUneFoisSansBoiteModale)
{
    auto t = texte(QStringLiteral("x^{2"));
    for (int k = 0; k < 3; ++k) {
        QImage image = blanche(100, 100);
        QPainter p(&image);
        EXPECT_FALSE(t->Dessine(10, 10, p));
        p.end();
        EXPECT_FALSE(encre(image).isEmpty());  // the "x" stays
    }
    EXPECT_EQ(messagerie_.messages, QStringList{QStringLiteral("erreur de syntaxe")});
    ASSERT_EQ(messagerie_.avertissements.size(), 1);
    EXPECT_TRUE(messagerie_.avertissements[0].contains(QStringLiteral("x^{2")));
    // Another faulty text is reported again; once corrected, silence.
    t->SetTexte(QStringLiteral("\\frac{1}"));
    QImage image = blanche(100, 100);
    QPainter p(&image);
    EXPECT_FALSE(t->Dessine(10, 10, p));
    EXPECT_FALSE(t->Dessine(10, 10, p));
    t->SetTexte(QStringLiteral("x^{2}"));
    EXPECT_TRUE(t->Dessine(10, 10, p));
    EXPECT_EQ(messagerie_.messages.size(), 2);
    EXPECT_EQ(messagerie_.avertissements.size(), 2);
}

TEST_F(Textes, TextesMalFormesNePlantentPas)
{
    etatGraphe().valeursCourantes = {1, 2, 3, 4};
    const QString profond = QString(5000, QLatin1Char('^')) + QString(5000, QLatin1Char('{'));
    QString imbrique;
    for (int k = 0; k < 2000; ++k)
        imbrique += QStringLiteral("^{");
    imbrique += QLatin1Char('x') + QString(2000, QLatin1Char('}'));
    const QStringList malformes{QStringLiteral("x^"), QStringLiteral("\\frac{1}"), QStringLiteral("\\ab"),
                                QStringLiteral("\\"), QStringLiteral("_{"), QStringLiteral("}}}{{{"),
                                QStringLiteral("&&&&n&"), QStringLiteral("$$$"), QStringLiteral("\\f{1}{2}"),
                                QStringLiteral("\\vec{"), QString(QChar(0)), QString::fromUtf8("\xF0\x9F\x98\x80"),
                                profond, imbrique, QString(20000, QLatin1Char('&'))};
    const QStringList refuses{QStringLiteral("\\frac{1}"), QStringLiteral("_{"), QStringLiteral("\\f{1}{2}")};
    auto t = texte(QString());
    QImage image = blanche(200, 200);
    QPainter p(&image);
    for (const QString& m : malformes) {
        t->SetTexte(m);
        t->SetOrientation(m.size() * 37);
        const auto avertissements = messagerie_.avertissements.size();
        const bool ici = t->Dessine(50, 50, p);
        const bool loin = t->Dessine(-1000000, 1000000, p);
        // A syntax error is refused and said once, wherever the text stands; the rest is drawn
        // as plain text, however deep or long.
        EXPECT_EQ(ici, !refuses.contains(m)) << m.left(20).toStdString();
        EXPECT_EQ(loin, ici) << m.left(20).toStdString();
        EXPECT_EQ(int(messagerie_.avertissements.size() - avertissements), ici ? 0 : 1) << m.left(20).toStdString();
    }
}

// ---------------------------------------------------------------------------------------
// The list

TEST_F(Textes, ListeRechercheRetraitEtChoix)
{
    GCListTextes liste;
    liste.AjouteTexte(texte(QStringLiteral("premier"), 1));
    liste.AjouteTexte(texte(QStringLiteral("double"), 2));
    liste.AjouteTexte(std::make_unique<GCTexte>(2, QStringLiteral("30"), QStringLiteral("40"), false, police()));
    liste.Texte(2)->SetTexte(QStringLiteral("double"));
    EXPECT_EQ(liste.TexteDuNumero(2), liste.Texte(2));
    EXPECT_EQ(liste.TexteDuContenu(QStringLiteral("double")), liste.Texte(2));
    EXPECT_EQ(liste.TexteDuNumero(9), nullptr);
    EXPECT_EQ(liste.TexteDuContenu(QStringLiteral("Premier")), nullptr);
    EXPECT_EQ(liste.ListeTextes(),
              (QStringList{QStringLiteral("1(1;2) : premier"), QStringLiteral("2(1;2) : double"),
                           QStringLiteral("2(30;40) : double")}));
    GCTexte* dernier = liste.Texte(2);
    EXPECT_TRUE(liste.RetireTexte(dernier));
    EXPECT_FALSE(liste.RetireTexte(dernier));
    EXPECT_EQ(liste.Nombre(), 2);
    EXPECT_EQ(liste.TexteDuNumero(2), liste.Texte(1));
}

TEST_F(Textes, ListeDessineAuxPositionsMondeEtPixel)
{
    GCRepere repere(false, 600, 400);
    GCListTextes liste;
    liste.AjouteTexte(std::make_unique<GCTexte>(1, QStringLiteral("a"), QStringLiteral("-1"), true, police()));
    liste.Texte(0)->SetTexte(QStringLiteral("M"));
    liste.AjouteTexte(std::make_unique<GCTexte>(2, QStringLiteral("500"), QStringLiteral("300"), false, police()));
    liste.Texte(1)->SetTexte(QStringLiteral("P"));
    liste.AjouteTexte(std::make_unique<GCTexte>(3, QStringLiteral("300"), QStringLiteral("50"), false, police()));
    liste.Texte(2)->SetTexte(QStringLiteral("caché"));
    liste.Texte(2)->Visible = false;
    contexteCalcul().ValeursParametres[0] = 2;  // a

    QImage image = blanche(600, 400);
    {
        QPainter p(&image);
        liste.Dessine(repere, p);
    }
    const QPoint m = repere.MondeVersPixel(2, -1);
    auto encreDans = [&](QRect zone) { return !encre(image.copy(zone)).isEmpty(); };
    EXPECT_TRUE(encreDans(QRect(m, QSize(20, 25))));
    EXPECT_TRUE(encreDans(QRect(500, 300, 20, 25)));
    EXPECT_FALSE(encreDans(QRect(300, 50, 60, 25)));
    EXPECT_FALSE(encreDans(QRect(m.x() - 30, m.y() - 30, 25, 25)));
}

TEST_F(Textes, PositionIncalculableSignaleeUneFois)
{
    GCRepere repere(false, 600, 400);
    GCListTextes liste;
    liste.AjouteTexte(std::make_unique<GCTexte>(8, QStringLiteral("2+"), QStringLiteral("1"), true, police()));
    liste.Texte(0)->SetTexte(QStringLiteral("W"));
    QImage image = blanche(600, 400);
    for (int k = 0; k < 3; ++k) {
        QPainter p(&image);
        liste.Dessine(repere, p);
    }
    ASSERT_EQ(messagerie_.avertissements.size(), 1);
    EXPECT_TRUE(messagerie_.avertissements[0].contains(QStringLiteral("2+")));
    EXPECT_TRUE(messagerie_.messages.isEmpty());
    // Drawn where the returned value (0) maps.
    const QPoint m = repere.MondeVersPixel(0, 1);
    EXPECT_FALSE(encre(image.copy(QRect(m, QSize(20, 25)))).isEmpty());
    // Corrected, then broken again: reported again.
    liste.Texte(0)->SetPosition(QStringLiteral("2"), QStringLiteral("1"), true);
    {
        QPainter p(&image);
        liste.Dessine(repere, p);
    }
    liste.Texte(0)->SetPosition(QStringLiteral("2+"), QStringLiteral("1"), true);
    {
        QPainter p(&image);
        liste.Dessine(repere, p);
    }
    EXPECT_EQ(messagerie_.avertissements.size(), 2);
}

TEST_F(Textes, ExportPSTricks)
{
    GCRepere repere(false, 600, 400);
    GCListTextes liste;
    auto r = std::make_unique<GCTexte>(1, QStringLiteral("1"), QStringLiteral("2"), true, police(0x0000FF));
    r->SetTexte(QStringLiteral("A_{n}"));
    r->SetOrientation(455);
    liste.AjouteTexte(std::move(r));
    auto v = std::make_unique<GCTexte>(2, QStringLiteral("1.5"), QStringLiteral("0"), true, police(0x123456));
    v->SetTexte(QStringLiteral("&x"));
    liste.AjouteTexte(std::move(v));
    etatGraphe().valeursCourantes.x = 7;
    QStringList l;
    liste.ExportePSTricks(l, -5, -5, repere);
    EXPECT_EQ(l, (QStringList{QStringLiteral(" "), QStringLiteral("\\rput[l]{45}(6,7){\\red A_{n}}"),
                              QStringLiteral("\\rput[l]{0}(6.5,5){7}")}));
}

// ---------------------------------------------------------------------------------------
// Dialog, choosers, titles

TEST_F(Textes, DialogueEtNumeroDeCourbeChoisie)
{
    auto t = texte(QStringLiteral("avant"));
    EXPECT_FALSE(t->Modifie());  // no dialogs installed: not confirmed
    EXPECT_EQ(t->GetTexte(), QStringLiteral("avant"));
    DialoguesEssai d;
    GardeValeur<Dialogues*> garde(etatGraphe().dialogues, &d);
    EXPECT_TRUE(t->Modifie(true));
    EXPECT_TRUE(d.vuNouveau);
    EXPECT_EQ(t->GetTexte(), QStringLiteral("modifié"));

    // The curve number of a chooser entry sits after the window number.
    EXPECT_EQ(NumeroCourbeDeChoix(QStringLiteral("1;5\\Y : x^2; ;fn5")), 5);
    EXPECT_EQ(NumeroCourbeDeChoix(QStringLiteral("12;345\\T : cos(t); sin(t);fn345")), 345);
    EXPECT_EQ(NumeroCourbeDeChoix(QStringLiteral("Non")), -1);
    EXPECT_EQ(NumeroCourbeDeChoix(QString()), -1);
    EXPECT_EQ(NumeroCourbeDeChoix(QStringLiteral("1;\\Y")), -1);
}

TEST_F(Textes, CopieEtTitresDAxes)
{
    auto a = texte(QStringLiteral("source"));
    a->SetOrientation(100);
    a->NoPoint = 3;
    a->EcartX = 9;
    a->ADroite = false;
    a->CourbeLib = QStringLiteral("1x");
    a->Visible = false;
    auto b = std::make_unique<GCTexte>(2, QStringLiteral("7"), QStringLiteral("8"), false, police(0xFF0000));
    b->CopieTexte(*a);
    EXPECT_EQ(b->GetTexte(), QStringLiteral("source"));
    EXPECT_EQ(b->GetOrientation(), 100);
    EXPECT_EQ(b->NoPoint, 3);
    EXPECT_EQ(b->EcartX, 9);
    EXPECT_FALSE(b->ADroite);
    EXPECT_EQ(b->CourbeLib, QStringLiteral("1x"));
    EXPECT_EQ(b->GetFonte(), a->GetFonte());
    EXPECT_TRUE(b->Visible);  // GCBase attributes go with Copie
    EXPECT_EQ(b->Numero, 2);
    EXPECT_FALSE(b->EstExpression());

    auto x = NouveauTitreAxe(true, police(), QStringLiteral("temps (s)"));
    QString tx, ty;
    x->GetPositionTextes(tx, ty);
    EXPECT_EQ(tx + '|' + ty, QStringLiteral("5|0.2"));
    EXPECT_EQ(x->Numero, 0);
    EXPECT_EQ(TexteTitreAxe(x.get()), QStringLiteral("temps (s)"));
    EXPECT_EQ(TexteTitreAxe(CreeTitreAxe(false, police(), true).get()), QStringLiteral("y"));
    EXPECT_TRUE(TexteTitreAxe(CreeTitreAxe(false, police(), false).get()).isEmpty());
    EXPECT_TRUE(TexteTitreAxe(nullptr).isEmpty());
    QImage image = blanche(100, 100);
    QPainter p(&image);
    DessineTitreAxe(x.get(), p, 20, 30);
    DessineTitreAxe(nullptr, p, 20, 30);
    p.end();
    int px, py;
    x->GetPositionPixel(px, py);
    EXPECT_EQ(QPoint(px, py), QPoint(20, 30));
    EXPECT_FALSE(encre(image).isEmpty());
}

}  // namespace
