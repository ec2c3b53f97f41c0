// Tracing of explicit, parametric and polar curves: pixels, point cache, error file, pen
// states, sampling modes, warnings and refusals.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>
#include <cmath>

#include "graph/courbes_outils.h"
#include "expression/formatage.h"

namespace {

constexpr unsigned Rouge = 0xFF0000u;

class TraceCourbe : public CourbeTest {};

TEST_F(TraceCourbe, SinusSurLesPixelsDuRepere)
{
    auto c = courbe('Y', "sin(x)");
    trace(*c);
    const auto pts = points(*c);
    ASSERT_EQ(pts.size(), 81u);
    for (const PointCourbe& p : pts) {
        EXPECT_DOUBLE_EQ(p.x, p.t);
        EXPECT_DOUBLE_EQ(p.y, std::sin(p.t));
        const QPoint px = repere_->MondeVersPixel(p.x, p.y);
        EXPECT_EQ(pixelRvb(image_, px.x(), px.y()), Rouge) << p.t;
    }
    // Far from the curve nothing is drawn.
    const QPoint loin = repere_->MondeVersPixel(0, 4);
    EXPECT_EQ(pixelRvb(image_, loin.x(), loin.y()), 0xFFFFFFu);
    EXPECT_EQ(pts.front().stylo, StyloLeve);
    for (std::size_t i = 1; i < pts.size(); ++i)
        EXPECT_EQ(pts[i].stylo, StyloBaisse);
    EXPECT_TRUE(interlocuteur_.avertissements.isEmpty());
    EXPECT_EQ(c->FichierPoints, c->CheminFichier(".pts"));
    EXPECT_TRUE(QFileInfo(c->FichierPoints).fileName() == QStringLiteral("f1crb1.pts"));
}

TEST_F(TraceCourbe, EchantillonsReguliers)
{
    // -5 .. 4.875 by the loop, then 5: 81 points.
    auto c = courbe('Y', "x");
    trace(*c);
    auto pts = points(*c);
    ASSERT_EQ(pts.size(), 81u);
    EXPECT_DOUBLE_EQ(pts[1].t, -4.875);
    EXPECT_DOUBLE_EQ(pts[79].t, 4.875);
    EXPECT_DOUBLE_EQ(pts[80].t, 5);

    // An interval shorter than the step: Xinf and Xsup only.
    c->FixeBornes("0", "0.1", "1");
    trace(*c);
    pts = points(*c);
    ASSERT_EQ(pts.size(), 2u);
    EXPECT_DOUBLE_EQ(pts[0].t, 0);
    EXPECT_DOUBLE_EQ(pts[1].t, 0.1);
}

TEST_F(TraceCourbe, PointsIncalculablesVontAuFichierErreurs)
{
    auto c = courbe('Y', "ln(x)");
    trace(*c);
    const auto pts = points(*c);
    // -5 fails without a line; -4.875 .. 0 give 40 lines; 0.125 .. 4.875 and 5 are drawn.
    const QStringList erreurs = lignesErreurs(*c);
    ASSERT_EQ(erreurs.size(), 40);
    EXPECT_TRUE(erreurs.front().startsWith(QStringLiteral("variable=-4.875 ; "))) << erreurs.front().toStdString();
    EXPECT_TRUE(erreurs.back().startsWith(QStringLiteral("variable=0 ; ")));
    ASSERT_EQ(pts.size(), 40u);
    EXPECT_DOUBLE_EQ(pts[0].t, 0.125);
    EXPECT_EQ(pts[0].stylo, StyloReprise);
    EXPECT_EQ(pts[1].stylo, StyloBaisse);
    EXPECT_EQ(compteAvertissements(LigneAvertissementCalcul(c->Nom)), 1);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 1);
    EXPECT_EQ(interlocuteur_.avertissements.front(),
              QStringLiteral("-> Problème de calcul ! Consultez le fichier \"erreurs\" de la courbe fn1 à l'aide du "
                             "menu : Infos | Erreurs."));

    // The error list shows them.
    QStringList liste;
    c->MontreErreurs(liste);
    EXPECT_EQ(liste.size(), 5 + 40 + 1);
    EXPECT_EQ(liste[4], QStringLiteral("** Liste des erreurs rencontrées **"));
    EXPECT_TRUE(liste[5].startsWith(QStringLiteral("   variable=-4.875")));
    EXPECT_EQ(liste.back(), QStringLiteral("** Fin de la liste **"));

    // Every paint empties the memo: each trace gives its line again.
    trace(*c);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 2);
}

TEST_F(TraceCourbe, UnPointQuiEchoueCoupeLaLigne)
{
    auto c = courbe('Y', "1/x");
    c->FixeBornes("-1", "1", "0.5");
    trace(*c);
    const auto pts = points(*c);
    ASSERT_EQ(pts.size(), 4u);  // -1, -0.5, 0.5, 1
    EXPECT_EQ(pts[1].stylo, StyloBaisse);
    EXPECT_DOUBLE_EQ(pts[2].t, 0.5);
    EXPECT_EQ(pts[2].stylo, StyloReprise);
    EXPECT_EQ(pts[3].stylo, StyloBaisse);
    EXPECT_EQ(lignesErreurs(*c).size(), 1);
    EXPECT_EQ(compteAvertissements(LigneAvertissementCalcul("fn1")), 1);

    // The point after the failure is drawn without a marker and without a line from before
    // the gap: nothing is drawn between -0.5 and 0.5 on the curve's row.
    const QPoint a = repere_->MondeVersPixel(-0.5, -2), b = repere_->MondeVersPixel(0.5, 2);
    const QPoint milieu((a.x() + b.x()) / 2, (a.y() + b.y()) / 2);
    EXPECT_EQ(pixelRvb(image_, milieu.x(), milieu.y()), 0xFFFFFFu);
}

TEST_F(TraceCourbe, UnAvertissementParCourbeEnEchec)
{
    auto c1 = courbe('Y', "sqrt(x)", QString(), 1);
    auto c2 = courbe('Y', "sqrt(-x)", QString(), 2);
    auto c3 = courbe('Y', "x*x", QString(), 3);
    trace(*c1);
    trace(*c2);
    trace(*c3);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 2);
    EXPECT_EQ(compteAvertissements(LigneAvertissementCalcul("fn1")), 1);
    EXPECT_EQ(compteAvertissements(LigneAvertissementCalcul("fn2")), 1);
    // A changed definition that fails again is reported again.
    c1->FixeLibelles("ln(x)", QString());
    trace(*c1);
    EXPECT_EQ(compteAvertissements(LigneAvertissementCalcul("fn1")), 2);
}

TEST_F(TraceCourbe, RefusUneFoisParDefinition)
{
    auto c = courbe('Y', "x");
    c->Pas = "0";
    for (int i = 0; i < 3; ++i)
        trace(*c);
    ASSERT_EQ(interlocuteur_.messages.size(), 1);
    EXPECT_EQ(interlocuteur_.messages.front(), QStringLiteral("Pas=0:le pas de calcul doit être > 0"));
    EXPECT_EQ(interlocuteur_.avertissements.size(), 3);  // the box once, the memo's line at each trace
    // The previous cache stays as it was: there was none.
    EXPECT_FALSE(QFile::exists(c->CheminFichier(".pts")));

    // A step given by a parameter that is zero.
    c->Pas = "a";
    trace(*c);
    trace(*c);
    EXPECT_EQ(interlocuteur_.messages.size(), 2);

    auto d = courbe('Y', "x+");
    trace(*d);
    trace(*d);
    EXPECT_EQ(interlocuteur_.messages.count(QStringLiteral("Pb de libellé !")), 1);

    // Once the curve traced, the same refusal is given again when it comes back.
    c->Pas = "1";
    trace(*c);
    c->Pas = "0";
    trace(*c);
    EXPECT_EQ(interlocuteur_.messages.count(QStringLiteral("Pas=0:le pas de calcul doit être > 0")), 2);
}

TEST_F(TraceCourbe, RefusGardeLeCachePrecedent)
{
    auto c = courbe('Y', "x");
    trace(*c);
    const auto avant = points(*c);
    c->Pas = "-1";
    trace(*c);
    EXPECT_EQ(points(*c), avant);
}

TEST_F(TraceCourbe, ParametriqueEtPolaire)
{
    auto t = courbe('T', "cos(t)", "sin(2*t)");
    t->FixeBornes("0", "1", "0.25");
    trace(*t);
    auto pts = points(*t);
    ASSERT_EQ(pts.size(), 5u);
    for (const auto& p : pts) {
        EXPECT_DOUBLE_EQ(p.x, std::cos(p.t));
        EXPECT_DOUBLE_EQ(p.y, std::sin(2 * p.t));
    }

    // rho = 1, theta = t on [0, 2 pi]: a whole circle, theta in radians.
    auto p = courbe('P', "1", "t", 2);
    p->FixeBornes("0", "2*pi", "pi/8");
    trace(*p);
    pts = points(*p);
    ASSERT_EQ(pts.size(), 17u);
    for (const auto& q : pts)
        EXPECT_NEAR(std::hypot(q.x, q.y), 1, 1e-12);
    EXPECT_NEAR(pts[4].x, 0, 1e-12);
    EXPECT_NEAR(pts[4].y, 1, 1e-12);
    EXPECT_NEAR(pts.back().x, 1, 1e-12);

    // x = f(y).
    auto x = courbe('X', "y*y", QString(), 3);
    x->FixeBornes("-1", "1", "1");
    trace(*x);
    pts = points(*x);
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_DOUBLE_EQ(pts[0].y, -1);
    EXPECT_DOUBLE_EQ(pts[0].x, 1);
}

TEST_F(TraceCourbe, ParametriqueEchoueSiUneCoordonneeEchoue)
{
    auto t = courbe('T', "t", "ln(t)");
    t->FixeBornes("-1", "1", "1");
    trace(*t);
    const auto pts = points(*t);
    ASSERT_EQ(pts.size(), 1u);
    EXPECT_DOUBLE_EQ(pts[0].t, 1);
    EXPECT_EQ(lignesErreurs(*t).size(), 1);  // t = 0 (t = -1 is Xinf)
}

TEST_F(TraceCourbe, EchelleLogarithmique)
{
    repere_->FixeBornes("0.1", "1000", 1, "0.1", "0", "1", "-5", "5", 0, "-5", "0", "1");
    auto c = courbe('Y', "x");
    c->FixeBornes("1", "1000", "0.1");
    trace(*c);
    const auto pts = points(*c);
    std::vector<double> t;
    for (const auto& p : pts)
        t.push_back(p.t);
    // 0.1 steps up to 10, then 1 up to 100, then 10 up to 1000.
    ASSERT_GE(t.size(), 3u);
    EXPECT_DOUBLE_EQ(t.back(), 1000);
    auto ecart = [&](double autour) {
        for (std::size_t i = 1; i < t.size(); ++i)
            if (t[i - 1] >= autour)
                return t[i] - t[i - 1];
        return 0.0;
    };
    EXPECT_NEAR(ecart(5), 0.1, 1e-9);
    EXPECT_NEAR(ecart(50), 1, 1e-9);
    EXPECT_NEAR(ecart(500), 10, 1e-9);
    for (double v : t)
        EXPECT_LE(v, 1000);
}

TEST_F(TraceCourbe, EchelleLogarithmiqueDepuisUnXinfNegatif)
{
    repere_->FixeBornes("0.1", "100", 1, "0.1", "0", "1", "-5", "5", 0, "-5", "0", "1");
    auto c = courbe('Y', "x");  // -5 .. 5 by 0.125
    trace(*c);
    std::vector<double> positifs;
    for (const auto& p : points(*c))
        if (p.t > 0)
            positifs.push_back(p.t);
    // Every 0.125 from 0.125 to 1.25, then every 1.25, ending at 5.
    std::vector<double> attendus;
    for (int k = 1; k <= 10; ++k)
        attendus.push_back(0.125 * k);
    attendus.insert(attendus.end(), {2.5, 3.75, 5});
    ASSERT_EQ(positifs.size(), attendus.size());
    for (std::size_t i = 0; i < attendus.size(); ++i)
        EXPECT_DOUBLE_EQ(positifs[i], attendus[i]);
}

TEST_F(TraceCourbe, AleatoireSansLiaison)
{
    germeAleatoire(42);
    auto c = courbe('Y', "x");
    c->FixeAleatoire(true);
    trace(*c);
    const auto pts = points(*c);
    ASSERT_EQ(pts.size(), 80u);
    for (const auto& p : pts) {
        EXPECT_EQ(p.stylo, StyloLeve);
        EXPECT_GE(p.t, -5);
        EXPECT_LT(p.t, 5);
    }
}

TEST_F(TraceCourbe, ValeursImposees)
{
    const QString chemin = QDir(dossierTravail()).filePath("valeurs.txt");
    {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\r\npi/2\r\n\r\nsyntaxe(\r\n-1\r\n");
    }
    auto c = courbe('Y', "2*x");
    c->ValeursImposees = true;
    c->FichierValeurs = chemin;
    trace(*c);
    const auto pts = points(*c);
    ASSERT_EQ(pts.size(), 3u);
    EXPECT_DOUBLE_EQ(pts[1].t, M_PI / 2);
    EXPECT_DOUBLE_EQ(pts[2].y, -2);
    EXPECT_TRUE(lignesErreurs(*c).isEmpty());

    // A renamed file: the trace is refused once, the paint goes on.
    QFile::rename(chemin, chemin + ".bak");
    trace(*c);
    trace(*c);
    EXPECT_EQ(interlocuteur_.messages.size(), 1);
    EXPECT_TRUE(interlocuteur_.messages.front().startsWith(QStringLiteral("Valeurs imposées : ")));
}

TEST_F(TraceCourbe, PasTropPetitSArrete)
{
    auto c = courbe('Y', "x");
    c->Pas = "1e-20";
    trace(*c);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 1);
    EXPECT_LE(points(*c).size(), 2u);

    // A step that would give 10^7 points stops at the cap, with one warning.
    auto d = courbe('Y', "x", QString(), 2);
    d->Marqueur.Visible = false;
    d->FixeBornes("0", "1", "1e-7");
    trace(*d);
    EXPECT_EQ(points(*d).size(), 1000000u);
    EXPECT_EQ(interlocuteur_.avertissements.size(), 2);
}

TEST_F(TraceCourbe, FlechesAuxExtremites)
{
    auto c = courbe('Y', "0");
    c->Marqueur.Visible = false;
    c->FixeBornes("-4", "4", "1");
    c->Fleches = 1;
    trace(*c);
    // The head at x = 4 reaches 6 pixels back above and below the line.
    const QPoint fin = repere_->MondeVersPixel(4, 0);
    EXPECT_EQ(pixelRvb(image_, fin.x() - 5, fin.y() - 2), Rouge);
    const QPoint debut = repere_->MondeVersPixel(-4, 0);
    EXPECT_NE(pixelRvb(image_, debut.x() + 5, debut.y() - 2), Rouge);
}

TEST_F(TraceCourbe, NumerosSur32Bits)
{
    auto c = courbe('Y', "x", QString(), 70000);
    trace(*c);
    EXPECT_TRUE(c->FichierPoints.endsWith(QStringLiteral("f1crb70000.pts")));
    EXPECT_EQ(points(*c).size(), 81u);
}

TEST_F(TraceCourbe, IndexDesPointsPourLaSouris)
{
    auto c = courbe('Y', "x", QString(), 7);
    trace(*c);
    const QPoint p = repere_->MondeVersPixel(1, 1);
    EXPECT_EQ(repere_->ObjetSousPixel(p.x(), p.y()), 7);

    // "Tracé muet" and a running parameter variation leave the index alone.
    repere_->VideCellules();
    c->HorsIndex = true;
    trace(*c);
    EXPECT_EQ(repere_->ObjetSousPixel(p.x(), p.y()), 0);
    c->HorsIndex = false;
    SansMemoPoints() = true;
    trace(*c);
    EXPECT_EQ(repere_->ObjetSousPixel(p.x(), p.y()), 0);
}

TEST_F(TraceCourbe, CourbeAppeleeParSonNom)
{
    auto f = courbe('Y', "x*x", QString(), 1);
    f->MemoriseLibelle();
    auto g = courbe('Y', "fn1(x)+1", QString(), 2);
    EXPECT_EQ(g->Nom, QStringLiteral("fn2"));
    trace(*g);
    auto pts = points(*g);
    ASSERT_EQ(pts.size(), 81u);
    EXPECT_DOUBLE_EQ(pts[0].y, 26);

    // The edit of fn1 cancelled: still callable under its name, same slot.
    struct Refus : Dialogues {
        bool modifieCourbe(GCCourbe&, bool) override { return false; }
        bool modifieAire(GCAire&, bool) override { return false; }
        bool modifieTexte(GCTexte&, bool) override { return false; }
        bool dialogueParametres(std::array<QString, 10>&) override { return false; }
    } refus;
    {
        GardeValeur<Dialogues*> garde(etatGraphe().dialogues, &refus);
        const int slot = chercheFonction("FN1");
        EXPECT_FALSE(f->Modifie(false));
        EXPECT_EQ(chercheFonction("FN1"), slot);
    }

    // fn1 deleted: a formula compiled before fails without a crash, and the next trace of
    // fn2 (which compiles its text again) is refused.
    f.reset();
    EvalueArbre(g->Expression1, 1);
    EXPECT_TRUE(ErreurCalcul());
    ErreurCalcul() = 0;
    trace(*g);
    EXPECT_EQ(interlocuteur_.messages, QStringList{QStringLiteral("Pb de libellé !")});
}

// ---------------------------------------------------------------------------------------
// Point drawing

class TracePointTest : public CourbeTest {
protected:
    // A joined curve through the given world points (drawn with TracePoint, pen carried).
    void dessine(GCCourbe& c, std::initializer_list<QPointF> monde)
    {
        QPainter peintre(&image_);
        TraceurCourbe traceur(c, peintre, *repere_, false);
        std::uint8_t stylo = StyloLeve;
        for (const QPointF& p : monde)
            traceur.Dessine(p.x(), p.y(), stylo);
        traceur.Termine();
    }
    // Something drawn at the pixel of (x, y) or next to it.
    bool colore(double x, double y)
    {
        const QPoint p = repere_->MondeVersPixel(x, y);
        for (int dx = -1; dx <= 1; ++dx)
            for (int dy = -1; dy <= 1; ++dy)
                if (pixelRvb(image_, p.x() + dx, p.y() + dy) != 0xFFFFFFu)
                    return true;
        return false;
    }
};

TEST_F(TracePointTest, SortieEtRetourStyloBaisse)
{
    auto c = courbe('Y', "x");
    // Inside, out above the top, back inside.
    dessine(*c, {{-2, 0}, {0, 10}, {2, 0}});
    EXPECT_TRUE(colore(-1.6, 2));  // on the segment to the edge, (-1, 5)
    EXPECT_TRUE(colore(1.6, 2));   // from the re-entry crossing (1, 5) down to (2, 0)
    EXPECT_TRUE(colore(2, 0));
}

TEST_F(TracePointTest, LeverStyloHorsFenetre)
{
    etatGraphe().LeverStyloHorsFenetre = true;
    auto c = courbe('Y', "x");
    dessine(*c, {{-2, 0}, {0, 10}, {2, 0}});
    EXPECT_TRUE(colore(-1.6, 2));  // on the segment to the edge
    EXPECT_FALSE(colore(1.6, 2));  // no segment from the edge down to (2, 0)
    EXPECT_TRUE(colore(2, 0));     // the new piece starts with its marker
}

TEST_F(TracePointTest, DeuxPointsDehorsNeDessinentRien)
{
    auto c = courbe('Y', "x");
    dessine(*c, {{-20, 20}, {20, 20}, {20, -20}});
    EXPECT_EQ(image_, imageBlanche(620, 420));
}

TEST_F(TracePointTest, BatonsSansMarqueNiLiaison)
{
    auto c = courbe('Y', "x");
    c->Batons = true;
    c->Marqueur.Epaisseur = 3;
    c->Marqueur.TypePoint = PointCarre;
    dessine(*c, {{-2, 2}, {2, 2}});
    EXPECT_TRUE(colore(-2, 1));     // bar from the x axis
    EXPECT_TRUE(colore(2, 1));
    EXPECT_FALSE(colore(0, 2));     // no joining line
    const QPoint p = repere_->MondeVersPixel(-2, 2);
    EXPECT_EQ(pixelRvb(image_, p.x() + 2, p.y()), 0xFFFFFFu);  // no square marker
}

TEST_F(TracePointTest, HachureOrigineALEpaisseurDeLaCourbe)
{
    auto c = courbe('Y', "x");
    c->Marqueur.Visible = false;
    c->Hachure = 6;
    c->Epaisseur = 3;
    c->Joint = false;
    dessine(*c, {{0, 3}});
    const QPoint m = repere_->MondeVersPixel(0, 1.5);
    EXPECT_EQ(pixelRvb(image_, m.x() - 1, m.y()), Rouge);
    EXPECT_EQ(pixelRvb(image_, m.x() + 1, m.y()), Rouge);

    image_ = imageBlanche(620, 420);
    c->Hachure = 2;
    dessine(*c, {{2, 3}});
    const QPoint r = repere_->MondeVersPixel(2, 1.5);  // the recall line, 1 pixel wide
    EXPECT_EQ(pixelRvb(image_, r.x(), r.y()), Rouge);
    EXPECT_EQ(pixelRvb(image_, r.x() + 1, r.y()), 0xFFFFFFu);
    EXPECT_EQ(pixelRvb(image_, r.x() - 1, r.y()), 0xFFFFFFu);
}

TEST_F(TracePointTest, DessinParLotsIdentiqueAuDessinPointParPoint)
{
    // Curves that leave the frame and come back, jump far away, and break.
    for (const char* formule : {"sin(3*x)*6", "tan(x)*2", "1/x", "sqrt(25-x*x)*sin(8*x)"})
    for (int epaisseur : {1, 2, 3}) {
        for (int style : {0, 2, 5}) {
            auto c = courbe('Y', formule);
            c->Epaisseur = epaisseur;
            c->Style = std::uint8_t(style);
            c->FixeBornes("-6", "6", "0.05");
            image_ = imageBlanche(620, 420);
            trace(*c);
            const QImage lots = image_;
            // The same curve with a marker of another colour draws point by point; its
            // markers are then put back in the curve's colour to compare.
            c->Marqueur.Couleur = RVB(0, 0, 255);
            image_ = imageBlanche(620, 420);
            trace(*c);
            QImage unParUn = image_;
            for (int y = 0; y < unParUn.height(); ++y)
                for (int x = 0; x < unParUn.width(); ++x)
                    if ((unParUn.pixel(x, y) & 0xFFFFFF) == 0x0000FF)
                        unParUn.setPixel(x, y, 0xFFFF0000);
            EXPECT_EQ(lots, unParUn) << formule << " épaisseur " << epaisseur << " style " << style;
        }
    }
}

TEST_F(TracePointTest, SurlignageMarqueursSeulsEtEpaisseurRendue)
{
    auto c = courbe('Y', "x");
    c->FixeBornes("-4", "4", "2");
    trace(*c);
    image_ = imageBlanche(620, 420);
    {
        QPainter peintre(&image_);
        EXPECT_TRUE(c->SurlignePoints(peintre, *repere_));
    }
    EXPECT_EQ(c->Epaisseur, 1);
    EXPECT_EQ(c->Marqueur.Epaisseur, 1);
    EXPECT_FALSE(colore(-3, -3));  // no line between the points
    const QPoint p = repere_->MondeVersPixel(0, 0);
    EXPECT_NE(pixelRvb(image_, p.x() - 2, p.y()), 0xFFFFFFu);  // markers at least 3 pixels
}

TEST_F(TracePointTest, RetraceDepuisLeCache)
{
    auto c = courbe('Y', "x*x/3");
    trace(*c);
    const QImage trace1 = image_;
    image_ = imageBlanche(620, 420);
    {
        QPainter peintre(&image_);
        EXPECT_TRUE(c->RetracePoints(peintre, *repere_));
    }
    EXPECT_EQ(image_, trace1);

    // A damaged cache is not replayed: the caller traces again.
    QFile f(c->FichierPoints);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(f.size() - 5);
    f.close();
    QPainter peintre(&image_);
    EXPECT_FALSE(c->RetracePoints(peintre, *repere_));
}

// ---------------------------------------------------------------------------------------
// Hit index walk

// The pixels of the Bresenham walk, one by one, kept when inside the plot.
std::vector<std::pair<int, int>> cellulesNaives(const GCRepere& r, int x0, int y0, int x1, int y1)
{
    std::vector<std::pair<int, int>> cellules;
    const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
    const int sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
    const bool xm = dx >= dy;
    const int dM = xm ? dx : dy, dm = xm ? dy : dx;
    int e = dM / 2, x = x0, y = y0;
    for (int i = 0; i <= dM; ++i) {
        if (!r.HorsCadre(x, y)) {
            int c, l;
            if (r.CelluleDePixel(x, y, c, l) &&
                std::find(cellules.begin(), cellules.end(), std::make_pair(c, l)) == cellules.end())
                cellules.emplace_back(c, l);
        }
        if (xm) {
            x += sx;
            e += dm;
            if (e >= dM) {
                e -= dM;
                y += sy;
            }
        } else {
            y += sy;
            e += dm;
            if (e >= dM) {
                e -= dM;
                x += sx;
            }
        }
    }
    return cellules;
}

TEST_F(TracePointTest, IndexeSegmentCommeLeParcoursComplet)
{
    std::srand(7);
    for (int essai = 0; essai < 400; ++essai) {
        repere_->VideCellules();
        auto hasard = [] { return std::rand() % 1800 - 600; };
        const int x0 = hasard(), y0 = hasard(), x1 = hasard(), y1 = hasard();
        IndexeSegment(*repere_, 9, x0, y0, x1, y1);
        const auto attendues = cellulesNaives(*repere_, x0, y0, x1, y1);
        int trouvees = 0;
        for (int c = 0; c < NbCellules; ++c)
            for (int l = 0; l < NbCellules; ++l)
                if (!repere_->Cellules[c * NbCellules + l].empty()) {
                    ++trouvees;
                    EXPECT_NE(std::find(attendues.begin(), attendues.end(), std::make_pair(c, l)), attendues.end());
                }
        EXPECT_EQ(trouvees, int(attendues.size())) << x0 << "," << y0 << " -> " << x1 << "," << y1;
    }
    // A segment from a far, saturated pixel walks only the plot.
    repere_->VideCellules();
    IndexeSegment(*repere_, 9, 300, 200, 300, -LimitePixel);
    EXPECT_EQ(repere_->ObjetSousPixel(300, 100), 9);
}

TEST_F(TraceCourbe, PointsLointainsSansComportementIndefini)
{
    // exp(x^2) reaches 7e10 (far beyond 32-bit pixels) and comes back.
    auto c = courbe('Y', "exp(x^2)/1e9");
    trace(*c);
    const auto pts = points(*c);
    EXPECT_EQ(pts.size(), 81u);
    const QPoint bas = repere_->MondeVersPixel(0, 0);
    EXPECT_EQ(pixelRvb(image_, bas.x(), bas.y()), Rouge);
}

}  // namespace

namespace {

TEST_F(TraceCourbe, EtiquetteEtFichierLegende)
{
    auto c = courbe('Y', "x/2");
    c->FixeBornes("-4", "4", "4");
    c->Etiquette->SetTexte("y=&y");
    trace(*c);
    QFile f(c->CheminFichier(".lgd"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QStringList lignes = QString::fromUtf8(f.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lignes.size(), 3);
    // Anchor measured from the lower-left corner, then the text with its macro replaced.
    const QStringList champs = lignes[2].split(QLatin1Char(';'));
    ASSERT_EQ(champs.size(), 3);
    EXPECT_EQ(champs[2], QStringLiteral("y=2"));
    EXPECT_NEAR(champs[0].toDouble(), 9, 0.1);   // x = 4 seen from -5
    EXPECT_NEAR(champs[1].toDouble(), 7, 0.3);   // y = 2 seen from -5, a few pixels higher
    EXPECT_EQ(lignes[0].split(QLatin1Char(';')).at(2), QStringLiteral("y=-2"));
    // The label is drawn to the right of its point, above it.
    const QPoint p = repere_->MondeVersPixel(0, 0);
    bool dessine = false;
    for (int x = p.x() + 3; x < p.x() + 40; ++x)
        for (int y = p.y() - 14; y < p.y() + 4; ++y)
            dessine |= pixelRvb(image_, x, y) != 0xFFFFFFu;
    EXPECT_TRUE(dessine);

    // Without a label text the legend file is empty.
    c->Etiquette->SetTexte(QString());
    trace(*c);
    EXPECT_EQ(QFile(c->CheminFichier(".lgd")).size(), 0);
}

TEST_F(TraceCourbe, AvertissementEnValeursImposees)
{
    const QString chemin = QDir(dossierTravail()).filePath("v.txt");
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("-1\n4\n");
    f.close();
    auto c = courbe('Y', "sqrt(x)");
    c->ValeursImposees = true;
    c->FichierValeurs = chemin;
    trace(*c);
    EXPECT_EQ(points(*c).size(), 1u);
    EXPECT_EQ(lignesErreurs(*c).size(), 1);
    EXPECT_EQ(compteAvertissements(LigneAvertissementCalcul("fn1")), 1);
}

}  // namespace

namespace {

// Points computed by blocks give the same point cache and error file as point by point (a
// label between points forces point by point), failures with and without their own message
// included.
TEST_F(TraceCourbe, LesPointsParBlocsDonnentLesMemesFichiersQuePointParPoint)
{
    const QString valeurs = QDir(dossierTravail()).filePath("valeurs-blocs.txt");
    {
        QFile f(valeurs);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("1\r\nln(-1)\r\n2\r\n30\r\n-3\r\n");
    }
    struct Cas {
        char genre;
        const char *f1, *f2, *xinf, *xsup, *pas;
        bool imposees;
    };
    const Cas cas[] = {
        {'Y', "sqrt(x+3)+1/(x-1)+(x*1e307*x)*0+exp(x^3)", "", "-5", "5", "0.01", false},
        {'X', "ln(x)*x", "", "-2", "700", "0.5", false},
        {'T', "sqrt(t)", "ln(2-t)+t*1e308*t", "-3", "4", "0.0625", false},
        {'P', "1/t", "exp(t*t)", "-12", "12", "0.03125", false},
        {'Y', "x*1e307*10+ln(x+2)", "", "0", "0", "1", true},
    };
    for (const Cas& k : cas) {
        SCOPED_TRACE(k.f1);
        QByteArray pts[2];
        QStringList erreurs[2];
        for (int pointParPoint = 0; pointParPoint < 2; ++pointParPoint) {
            auto c = courbe(QLatin1Char(k.genre), QString::fromLatin1(k.f1), QString::fromLatin1(k.f2), 1 + pointParPoint);
            c->FixeBornes(k.xinf, k.xsup, k.pas);
            c->ValeursImposees = k.imposees;
            c->FichierValeurs = valeurs;
            c->Etiquette->SetTexte(pointParPoint ? QStringLiteral("&x") : QString());
            MessageErreur() = "avant";
            trace(*c);
            QFile f(c->FichierPoints);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            pts[pointParPoint] = f.readAll();
            erreurs[pointParPoint] = lignesErreurs(*c);
        }
        EXPECT_FALSE(erreurs[0].isEmpty());
        EXPECT_EQ(pts[0], pts[1]);
        EXPECT_EQ(erreurs[0], erreurs[1]);
    }
}

}  // namespace

namespace {

// The default markers (one black pixel) of a one-pixel line are drawn in batches with the
// same pixels as point by point (an animation delay draws point by point).
TEST_F(TraceCourbe, MarqueursNoirsParLotsCommePointParPoint)
{
    for (const char* formule : {"sin(3*x)*6", "tan(x)*2", "sqrt(25-x*x)*sin(8*x)"})
        for (const char* pas : {"0.05", "0.003"}) {
            QImage images[2];
            for (int tempo = 0; tempo < 2; ++tempo) {
                auto c = courbe('Y', formule);
                c->Marqueur.Couleur = RVB(0, 0, 0);
                c->Tempo = tempo;
                c->FixeBornes("-6", "6", pas);
                image_ = imageBlanche(620, 420);
                trace(*c);
                images[tempo] = image_;
            }
            EXPECT_EQ(images[0], images[1]) << formule << " " << pas;
        }
}

}  // namespace
