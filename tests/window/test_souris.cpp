// The mouse on a shown window (QTest events on its paint box) and the view commands: the
// status-bar coordinates, dragging the axes and the unit vectors, the zooms into a new
// window, the graphic input, the constructions through a clicked point.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QStatusTipEvent>
#include <QTimer>
#include <functional>
#include <QSignalSpy>
#include <QTest>

#include "dialogs/affcom.h"
#include "dialogs/dialogues.h"
#include "dialogs/distinfo.h"
#include "expression/formatage.h"
#include "dialogs/pilote_saisie.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCRS.h"
#include "graph/courbes/genres.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"
#include "window/designation.h"

namespace {

// Picks the entry that begins with the text asked for (the first one when none is asked).
class ChoixScripte : public ChoixTrace {
public:
    bool choisit(const QString&, const QStringList& entrees, QString& choix) override
    {
        for (const QString& e : entrees)
            if (e.contains(voulu)) {
                choix = e;
                return true;
            }
        return false;
    }
    QString voulu;
};

class SourisTest : public FenetreTest {
protected:
    void SetUp() override
    {
        reglagesFenetres().LargeurFenetre = 600;
        reglagesFenetres().HauteurFenetre = 400;
        f = std::make_unique<TForm1>(1);
        Peint(*f);
    }
    void TearDown() override
    {
        f.reset();
        nouvelles.clear();
    }
    QPoint px(double x, double y) const { return f->Repere().MondeVersPixel(x, y); }
    // A left drag on the paint box from a to b, in a few moves.
    void glisse(QPoint a, QPoint b, Qt::KeyboardModifiers touches = {})
    {
        QWidget* boite = f->PaintBox();
        QTest::mousePress(boite, Qt::LeftButton, touches, a);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(boite, a + (b - a) * i / 4);
        QTest::mouseRelease(boite, Qt::LeftButton, touches, b);
        Peint(*f);
    }
    std::array<double, 4> bornes(TForm1& g) const
    {
        std::array<double, 4> b;
        g.Repere().GetBornes(b[0], b[1], b[3], b[2]);
        return b;
    }

    DialoguesDuProgramme dialoguesProgramme_;
    ChoixScripte choix;
    GardeValeur<ChoixTrace*> gardeChoix_{etatGraphe().choixTrace, &choix};
    GardeValeur<CreateurFenetre> gardeCreateur_{etatFenetres().createurFenetre, [this] {
        nouvelles.push_back(std::make_unique<TForm1>(10 + int(nouvelles.size())));
        return nouvelles.back().get();
    }};
    std::vector<std::unique_ptr<TForm1>> nouvelles;
    std::unique_ptr<TForm1> f;
};

// ---------------------------------------------------------------------------------------

TEST_F(SourisTest, LaBarreDEtatLitLePixelEtLePointDuMondeDeChaqueRepere)
{
    QSignalSpy coordonnees(f.get(), &TForm1::coordonneesSouris);
    struct Cas {
        int typeX, typeY;
        bool polaire;
    } cas[] = {{EchelleArith, EchelleArith, false}, {EchelleLog, EchelleLog, false}, {EchelleArith, EchelleProj, false},
               {EchelleArith, EchelleArith, true}};
    for (const Cas& c : cas) {
        GCRepere& r = f->Repere();
        r.FixeBornes("0.1", "100", c.typeX, "0.1", "0", "1", "0.1", "100", c.typeY, "0.1", "0", "1");
        r.Polaire = c.polaire;
        Peint(*f);
        const QPoint p(300 + c.typeX, 200 + c.typeY + c.polaire);
        QTest::mouseMove(f->PaintBox(), p);
        double x, y;
        r.PixelVersMonde(p.x(), p.y(), x, y);
        ASSERT_FALSE(coordonnees.isEmpty());
        const QList<QVariant> dernier = coordonnees.takeLast();
        EXPECT_EQ(dernier[0].toString(), QStringLiteral("(%1;%2)").arg(p.x()).arg(p.y()));
        EXPECT_EQ(dernier[1].toString(), c.polaire ? QString::asprintf("(%10.5g ; %10.5g°)", std::hypot(x, y),
                                                                       std::atan2(y, x) * 180 / M_PI)
                                                   : QString::asprintf("(%10.5g ; %10.5g)", x, y));
    }
}

TEST_F(SourisTest, LaBulleNommeCeQuiEstSousLeCurseurEtLeConseilDonneLeTDuPointLePlusProche)
{
    // The hints the window sends up to the status bar.
    struct Conseils : QObject {
        QStringList textes;
        bool eventFilter(QObject*, QEvent* e) override
        {
            if (e->type() == QEvent::StatusTip)
                textes << static_cast<QStatusTipEvent*>(e)->tip();
            return false;
        }
    } conseils;
    f->PaintBox()->installEventFilter(&conseils);
    f->Repere().FixeFenetre(-6, 6, -6, 6);
    auto cercle = std::make_shared<GCY>(QLatin1Char('T'), f->numero(), nouveauNumero());
    ASSERT_TRUE(cercle->FixeLibelles("2*cos(t)", "2*sin(t)"));
    cercle->FixeBornes("0", "3", "0.25");
    cercle->Nom = "c";
    cercle->NouvelIdentifiant();
    f->Dessin().AjouteCourbe(cercle);
    auto droite = AjouteCourbeY(*f, "x/4-4");
    droite->Nom = "une droite au nom bien trop long pour tenir";
    Peint(*f);
    const QString conseilDroite = droite->Nom + "\\Y: x/4-4 ; ";
    auto* bulle = f->findChild<QLabel*>("LabelInfo");
    ASSERT_TRUE(bulle);

    const auto cercleEn = [&](double t) { return px(2 * std::cos(t), 2 * std::sin(t)); };
    struct Cas {
        QPoint pixel;
        QString conseil, bulle;  // an empty bulle: the tip stays hidden
        bool bulles = true;
    } cas[] = {
        {cercleEn(1), "c\\T: 2*cos(t) ; 2*sin(t)//t=1", "c"},
        {cercleEn(2.5), "c\\T: 2*cos(t) ; 2*sin(t)//t=2.5", "c"},
        {px(-4, -5), conseilDroite, droite->Nom},
        // Near the right edge the long name would not fit whole: no tip, the hint stays.
        {px(4, -3), conseilDroite, ""},
        {px(1, 0), "vecteur unitaire", "OI"},
        {px(-4, 4), "", ""},
        {cercleEn(1), "c\\T: 2*cos(t) ; 2*sin(t)//t=1", "", false},
    };
    ASSERT_EQ(f->Repere().ObjetSousPixel(px(1, 0).x(), px(1, 0).y()), CodeVecteurI);
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.conseil.toStdString());
        etatFenetres().MontrerBulles = c.bulles;
        conseils.textes.clear();
        QTest::mouseMove(f->PaintBox(), c.pixel);
        ASSERT_FALSE(conseils.textes.isEmpty());
        EXPECT_EQ(conseils.textes.last(), c.conseil);
        EXPECT_EQ(bulle->isVisible(), !c.bulle.isEmpty());
        if (!c.bulle.isEmpty()) {
            EXPECT_EQ(bulle->text(), c.bulle);
            EXPECT_EQ(bulle->pos(), c.pixel + QPoint(10, 0));
            EXPECT_TRUE(f->PaintBox()->rect().contains(bulle->geometry()));
        }
    }
}

TEST_F(SourisTest, GlisserLesAxesEtLesVecteursUnitairesDeplaceLeRepere)
{
    // Shift and the x axis: the plane follows the mouse; the areas are computed again once
    // the drag ends.
    const auto avant = bornes(*f);
    const QPoint de = px(-2, 0), a = de + QPoint(60, -40);
    double x0, y0, x1, y1;
    f->Repere().PixelVersMonde(de.x(), de.y(), x0, y0);
    f->Repere().PixelVersMonde(a.x(), a.y(), x1, y1);
    glisse(de, a, Qt::ShiftModifier);
    const auto apres = bornes(*f);
    EXPECT_NEAR(apres[0] - avant[0], x0 - x1, 1e-9);
    EXPECT_NEAR(apres[1] - apres[0], 10, 1e-9);
    EXPECT_NEAR(apres[2] - avant[2], y0 - y1, 1e-9);
    EXPECT_EQ(f->ModeSouris, SourisRepos);
    EXPECT_TRUE(f->AiresARecalculer);

    // The unit vector OI dragged onto the y axis and on to x = 0.5: the axis scales only
    // where both positions are positive, never to an empty or turned-over range.
    f->Repere().FixeFenetre(-5, 5, -5, 5);
    Peint(*f);
    QWidget* boite = f->PaintBox();
    const QPoint i = px(1, 0), o = px(0, 0), demi = px(0.5, 0);
    double xi, xd, y;
    f->Repere().PixelVersMonde(i.x(), i.y(), xi, y);
    f->Repere().PixelVersMonde(demi.x(), i.y(), xd, y);
    QTest::mousePress(boite, Qt::LeftButton, {}, i);
    EXPECT_EQ(f->ModeSouris, SourisVecteurI);
    QTest::mouseMove(boite, QPoint(o.x(), i.y()));
    QTest::mouseMove(boite, QPoint(demi.x(), i.y()));
    QTest::mouseRelease(boite, Qt::LeftButton, {}, QPoint(demi.x(), i.y()));
    EXPECT_NEAR(bornes(*f)[0], -5 * xi / xd, 1e-9);
    EXPECT_NEAR(bornes(*f)[1], 5 * xi / xd, 1e-9);

    // A logarithmic axis moves by a ratio.
    f->Repere().FixeBornes("1", "100", EchelleLog, "1", "0", "1", "-5", "5", EchelleArith, "-5", "0", "1");
    Peint(*f);
    glisse(px(3, 0), px(3, 0) + QPoint(150, 0), Qt::ShiftModifier);
    EXPECT_GT(bornes(*f)[0], 0);
    EXPECT_NEAR(bornes(*f)[1] / bornes(*f)[0], 100, 1e-9);
}

TEST_F(SourisTest, LesZoomsOuvrentUneFenetreSurLeRectangleAvecLesCourbesClonees)
{
    auto mere = AjouteCourbeY(*f, QStringLiteral("x^2-2"));
    mere->FixeBornes(QStringLiteral("-4"), QStringLiteral("4"), QStringLiteral("0.01"));
    auto derivee = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 0, 1, nouveauNumero());
    derivee->NouvelIdentifiant();
    derivee->CopieMere(*mere);
    f->Dessin().AjouteCourbe(derivee);
    // A trajectory runs from its initial point whatever the view.
    auto trajectoire = std::make_shared<GCRS>(QLatin1Char('H'), f->numero(), nouveauNumero());
    trajectoire->NouvelIdentifiant();
    trajectoire->FixeLibelles(QStringLiteral("-y"), QStringLiteral("x"));
    trajectoire->FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.1"));
    f->Dessin().AjouteCourbe(trajectoire);
    Peint(*f);

    // A Shift-click without a drag zooms nothing and leaves no rectangle.
    glisse(px(1, 1), px(1, 1), Qt::ShiftModifier);
    EXPECT_TRUE(nouvelles.empty());
    EXPECT_EQ(f->ModeSouris, SourisRepos);

    const QPoint a = px(1, -1), b = px(2, 1);
    glisse(a, b, Qt::ShiftModifier);
    ASSERT_EQ(nouvelles.size(), 1u);
    TForm1& z = *nouvelles[0];
    double x1, y1, x2, y2;
    f->Repere().PixelVersMonde(a.x(), a.y(), x1, y1);
    f->Repere().PixelVersMonde(b.x(), b.y(), x2, y2);
    EXPECT_EQ(bornes(z), (std::array<double, 4>{x1, x2, y1, y2}));
    ASSERT_EQ(z.Dessin().Nombre(), 3);
    auto clone = std::dynamic_pointer_cast<GCY>(z.Dessin().Courbes[0]);
    ASSERT_TRUE(clone);
    EXPECT_NE(clone->Numero, mere->Numero);
    EXPECT_EQ(clone->Xinf, QString::fromStdString(ReelExact(x1)));
    EXPECT_NEAR(clone->Pas.toDouble(), 0.01 * (x2 - x1) / 8, 1e-12);
    EXPECT_EQ(z.Dessin().Courbes[1]->Mere1, mere->Identifiant);
    QString debut, fin, pas;
    std::dynamic_pointer_cast<GCY>(z.Dessin().Courbes[2])->Bornes(debut, fin, pas);
    EXPECT_EQ(debut + ' ' + fin + ' ' + pas, QStringLiteral("-5 5 0.1"));

    // Automatic zooms by a factor about a centre; the refusals open nothing.
    struct Cas {
        const char *k, *xo, *yo;
        std::array<double, 4> attendu;
        const char* message;
        bool log = false;  // x on a logarithmic axis [1, 100]
    } cas[] = {{"10", "1", "2", {0.5, 1.5, 1.5, 2.5}, nullptr},
               {"0.1", "0", "0", {-50, 50, -50, 50}, nullptr},
               {"10", "100", "0", {std::pow(10, 1.9), std::pow(10, 2.1), -0.5, 0.5}, nullptr, true},
               {"10", "0", "0", {}, "Le centre du zoom doit être positif sur un axe logarithmique.", true},
               {"0", "0", "0", {}, "facteur nul ou négatif interdit !"},
               {"ln(0)", "0", "0", {}, "facteur nul ou négatif interdit !"},
               {"1e-320", "0", "0", {}, "Zoom impossible : ce facteur ou ce centre ne donne pas une fenêtre utilisable."}};
    for (const Cas& c : cas) {
        const size_t n = nouvelles.size();
        inter.messages.clear();
        QuandModal([&c](QWidget* w) {
            Tape(Enfant<QLineEdit>(w, "EdCoef"), QString::fromLatin1(c.k));
            Tape(Enfant<QLineEdit>(w, "EdXo"), QString::fromLatin1(c.xo));
            Tape(Enfant<QLineEdit>(w, "EdYo"), QString::fromLatin1(c.yo));
            Clique(Enfant<QPushButton>(w, "ButOK"));
        });
        f->Repere().FixeBornes(c.log ? "1" : "-5", c.log ? "100" : "5", c.log ? EchelleLog : EchelleArith, "1", "0",
                               "1", "-5", "5", EchelleArith, "-5", "0", "1");
        f->action(QStringLiteral("Automatique1"))->trigger();
        if (c.message) {
            EXPECT_EQ(nouvelles.size(), n) << c.k;
            EXPECT_EQ(inter.messages, QStringList{QString::fromUtf8(c.message)}) << c.k;
        } else {
            ASSERT_EQ(nouvelles.size(), n + 1) << c.k;
            const auto z = bornes(*nouvelles.back());
            for (int i = 0; i < 4; ++i)
                EXPECT_NEAR(z[i], c.attendu[i], 1e-9) << c.k;
        }
    }
}

TEST_F(SourisTest, ReduireEtAgrandirGardentDesBornesUtilisables)
{
    GCRepere& r = f->Repere();
    contexteCalcul().FacteurZoomAuto = 1.2;
    f->ZoomCentre(false);
    f->ZoomCentre(true);
    for (int i = 0; i < 4; ++i)
        EXPECT_NEAR(bornes(*f)[i], (std::array<double, 4>{-5, 5, -5, 5})[i], 1e-12);
    // On a logarithmic axis the geometric centre stays.
    r.FixeBornes("1", "100", EchelleLog, "1", "0", "1", "-5", "5", EchelleArith, "-5", "0", "1");
    contexteCalcul().FacteurZoomAuto = 10;
    f->ZoomCentre(false);
    EXPECT_NEAR(bornes(*f)[0], std::sqrt(10), 1e-12);
    EXPECT_NEAR(bornes(*f)[1], 10 * std::sqrt(10), 1e-12);
    // Enlarging again and again never empties the range; a factor of 0 does nothing.
    r.FixeBornes("0", "2", EchelleArith, "0", "0", "1", "-5", "5", EchelleArith, "-5", "0", "1");
    contexteCalcul().FacteurZoomAuto = 1.2;
    for (int i = 0; i < 400; ++i)
        f->ZoomCentre(false);
    EXPECT_LT(bornes(*f)[0], bornes(*f)[1]);
    EXPECT_TRUE(r.Valide());
    const auto avant = bornes(*f);
    contexteCalcul().FacteurZoomAuto = 0;
    f->ZoomCentre(true);
    EXPECT_EQ(bornes(*f), avant);
}

TEST_F(SourisTest, LaSaisieGraphiqueFaitDesListesQuiSEnregistrentEtSeRelisent)
{
    // Three points one by one, then the freehand mode, which first ends the first input.
    f->action(QStringLiteral("Pointparpoint1"))->trigger();
    for (double x : {1.0, 2.0, 3.0})
        QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, px(x, x / 2));
    f->action(QStringLiteral("Mainleve1"))->trigger();
    EXPECT_FALSE(f->action(QStringLiteral("Pointparpoint1"))->isChecked());
    ASSERT_EQ(f->Dessin().Nombre(), 1);
    glisse(px(-1, -1), px(-3, 1));
    f->action(QStringLiteral("Mainleve1"))->trigger();
    ASSERT_EQ(f->Dessin().Nombre(), 2);
    const auto points = [](const GCCourbe& c) {
        QStringList l = LitFichierTexte(FichierDonnees(c)).lignes;
        l.removeAll(QStringLiteral("/"));
        return l;
    };
    const QStringList un = points(*f->Dessin().Courbes[0]), deux = points(*f->Dessin().Courbes[1]);
    EXPECT_EQ(un.size(), 3);
    EXPECT_EQ(deux.size(), 6);
    EXPECT_NE(f->Dessin().Courbes[0]->Libelle1, f->Dessin().Courbes[1]->Libelle1);
    for (const auto& c : f->Dessin().Courbes)
        EXPECT_EQ(c->TypeCourbe, QLatin1Char('L'));

    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("saisie.vrk"));
    ASSERT_TRUE(f->EnregistreFenetre(chemin).ok);
    TForm1 relue(2);
    LiensEnAttente liens;
    ASSERT_TRUE(relue.LitDocument(chemin, liens).ok());
    ASSERT_EQ(relue.Dessin().Nombre(), 2);
    EXPECT_EQ(points(*relue.Dessin().Courbes[0]), un);
    EXPECT_EQ(points(*relue.Dessin().Courbes[1]), deux);
}

// Entering each mode whose use is not obvious explains it in "Commentaires et/ou questions",
// until the box under the text is ticked; leaving a mode shows nothing.
TEST_F(SourisTest, LesModesDeSaisieEtLeZoomManuelSExpliquentJusquACeQueLOnCoche)
{
    EtatFenetres& e = etatFenetres();
    struct Cas {
        const char* article;
        bool* montrer;
        const char* titre;  // the text's first line
    };
    const Cas cas[] = {
        {"Pointparpoint1", &e.MontrerAidePoint, "SAISIE D'UNE COURBE POINT PAR POINT"},
        {"Lignebrise1", &e.MontrerAideLigne, "SAISIE D'UNE LIGNE BRISÉE"},
        {"Mainleve1", &e.MontrerAideMainLevee, "TRACÉ À MAIN LEVÉE"},
        {"Manuel1", &e.MontrerAideZoom, "ZOOM MANUEL"},
    };
    for (const Cas& c : cas)
        *c.montrer = true;
    // Whether a gesture opened a box (which is then closed).
    const auto ouvreUneBoite = [](const std::function<void()>& geste) {
        bool ouverte = false;
        QTimer::singleShot(0, [&] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ouverte = true;
                d->reject();
            }
        });
        geste();
        QApplication::processEvents();
        return ouverte;
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.article);
        QAction* a = f->action(QString::fromLatin1(c.article));
        for (bool coche : {false, true}) {
            QString titre;
            QStringList lignes;
            bool caseOfferte = false;
            QuandModal([&](QWidget* w) {
                titre = w->windowTitle();
                lignes = Enfant<QPlainTextEdit>(w, "Qmemo")->toPlainText().split(QLatin1Char('\n'));
                auto* caseMessage = Enfant<QCheckBox>(w, "cbMess");
                caseOfferte = caseMessage->isVisible() && !caseMessage->isChecked();
                if (coche)
                    Clique(caseMessage);
                QTest::mouseClick(Enfant<QPushButton>(w, "Exit"), Qt::LeftButton);
            });
            a->trigger();
            EXPECT_TRUE(a->isChecked());
            EXPECT_EQ(titre, "Commentaires et/ou questions");
            ASSERT_GT(lignes.size(), 5);
            EXPECT_EQ(lignes.front(), c.titre);
            EXPECT_TRUE(caseOfferte);
            EXPECT_EQ(*c.montrer, !coche);
            EXPECT_FALSE(ouvreUneBoite([&] { a->trigger(); }));
            EXPECT_FALSE(a->isChecked());
        }
        // Ticked: the mode is entered silently, while the next ones still explain theirs.
        EXPECT_FALSE(ouvreUneBoite([&] { a->trigger(); }));
        EXPECT_TRUE(a->isChecked());
        a->trigger();
    }
    EXPECT_TRUE(inter.messages.isEmpty());

    // A text the program does not have is said, and stays on.
    EXPECT_TRUE(AfficheFichierTexte(f.get(), QStringLiteral("Absent.txt")));
    EXPECT_EQ(inter.messages, QStringList{"Absent.txt : Fichier introuvable!"});
}

TEST_F(SourisTest, CtrlGlisserUnPointDeListeReecritSaLigneNonRetablitLeFichierAnnulerLeGarde)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("liste.txt")),
                  dessin = dossier.filePath(QStringLiteral("liste.svg"));
    const QByteArray avant = "1;1\r\n\r\n->3;4;A;bg;450\r\n";
    ASSERT_TRUE(EcritOctets(chemin, avant) && EcritOctets(dessin, "<svg/>"));
    const auto octets = [](const QString& c) {
        QFile f(c);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    auto liste = std::make_shared<GCCourbe>(QLatin1Char('L'), f->numero(), nouveauNumero());
    liste->NouvelIdentifiant();
    liste->Libelle1 = chemin;
    f->Dessin().AjouteCourbe(liste);
    Peint(*f);
    QWidget* boite = f->PaintBox();

    // Ctrl+press on the list and a slip of the mouse before the release: nothing moves.
    QTest::mousePress(boite, Qt::LeftButton, Qt::ControlModifier, px(3, 4));
    ASSERT_EQ(f->ModeSouris, SourisPointEdite);
    QTest::mouseMove(boite, px(3, 4) + QPoint(3, 0));
    QTest::mouseRelease(boite, Qt::LeftButton, Qt::ControlModifier, px(3, 4) + QPoint(3, 0));
    EXPECT_EQ(octets(chemin), avant);
    EXPECT_TRUE(inter.questions.isEmpty());

    // The point found under the mouse, dragged: its line keeps its arrow and its label.
    QTest::mouseMove(boite, px(3, 4));
    glisse(px(3, 4), px(5, 5));
    double x, y;
    f->Repere().PixelVersMonde(px(5, 5).x(), px(5, 5).y(), x, y);
    EXPECT_EQ(octets(chemin), "1;1\r\n\r\n->" + QByteArray(ReelExact(x).c_str()) + ';' + ReelExact(y).c_str()
                                  + ";A;bg;450\r\n");

    // A click away from the points ends the edit with a question in three ways; "Non" puts
    // the file back as it was and the drawing beside it was never touched.
    QString question;
    QMessageBox::StandardButtons offerts;
    RepondBoite(QMessageBox::No, &question, &offerts);
    QTest::mouseMove(boite, px(-3, -3));
    QTest::mouseClick(boite, Qt::LeftButton, {}, px(-3, -3));
    EXPECT_EQ(question, QStringLiteral("Voulez-vous enregistrer les modifications ?"));
    EXPECT_EQ(offerts, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(f->ModeSouris, SourisRepos);
    EXPECT_EQ(octets(chemin), avant);
    EXPECT_EQ(octets(dessin), "<svg/>");

    // "Annuler" leaves the point where it was moved, and the edit ends all the same.
    Peint(*f);
    QTest::mousePress(boite, Qt::LeftButton, Qt::ControlModifier, px(3, 4));
    QTest::mouseRelease(boite, Qt::LeftButton, Qt::ControlModifier, px(3, 4));
    ASSERT_EQ(f->ModeSouris, SourisPointEdite);
    QTest::mouseMove(boite, px(3, 4));
    glisse(px(3, 4), px(5, 5));
    const QByteArray deplace = octets(chemin);
    EXPECT_NE(deplace, avant);
    RepondBoite(QMessageBox::Cancel);
    QTest::mouseMove(boite, px(-3, -3));
    QTest::mouseClick(boite, Qt::LeftButton, {}, px(-3, -3));
    EXPECT_EQ(f->ModeSouris, SourisRepos);
    EXPECT_EQ(octets(chemin), deplace);
    EXPECT_TRUE(inter.questions.isEmpty());
}

TEST_F(SourisTest, DoubleClicSurUnAxeDistancesEtRepereNorme)
{
    // The x axis: the frame dialog on its tab; what OK changes is drawn.
    const QImage avant = f->Affichage();
    QuandModal([](QWidget* w) {
        EXPECT_EQ(Enfant<QTabWidget>(w, "PageControl1")->currentIndex(), 1);
        Tape(Enfant<QLineEdit>(w, "Edxmax"), QStringLiteral("10"));
        Clique(Enfant<QPushButton>(w, "BtrepOK"));
    });
    // As the system sends it: a click, then the second press as a double click, its release.
    QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, px(3, 0));
    QTest::mouseDClick(f->PaintBox(), Qt::LeftButton, {}, px(3, 0));
    QTest::mouseRelease(f->PaintBox(), Qt::LeftButton, {}, px(3, 0));
    Peint(*f);
    EXPECT_EQ(bornes(*f)[1], 10);
    EXPECT_NE(f->Affichage(), avant);
    // Its first click leaves the frame unselected, with no drag image.
    EXPECT_FALSE(etatSouris().RepereSelectionne);
    EXPECT_FALSE(f->findChild<QWidget*>(QStringLiteral("Transport"))->isVisible());

    // Distances: from the press to the release.
    f->action(QStringLiteral("Distance1"))->trigger();
    QuandModal([](QWidget* w) {
        EXPECT_EQ(Enfant<QLabel>(w, "LabDist")->text().toDouble(), 5);
        EXPECT_EQ(Enfant<QLabel>(w, "LabPente")->text(), QStringLiteral("1.33333"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f->Repere().FixeFenetre(-6, 6, -6, 6);
    Peint(*f);
    glisse(px(0, 0), px(3, 4));
    EXPECT_FALSE(f->action(QStringLiteral("Distance1"))->isChecked());
    EXPECT_EQ(TextePente(0, 0), QStringLiteral("+indéterminé"));

    // The orthonormal switch: refused in a polar or projective frame.
    f->NormeRepere();
    EXPECT_TRUE(f->Repere().EstNorme());
    f->Repere().Polaire = true;
    f->NormeRepere();
    f->Repere().Polaire = false;
    f->Repere().AxeY.TypeEchelle = EchelleProj;
    f->NormeRepere();
    EXPECT_TRUE(f->Repere().EstNorme());
    EXPECT_EQ(inter.messages, (QStringList{QStringLiteral("Repère obligatoirement normé!"),
                                          QStringLiteral("Repère projectif : normalisation inutile.")}));
}

TEST_F(SourisTest, UnClicFaitLaPrimitiveEtLesTangentesDeLaCourbeDuMode)
{
    auto a = AjouteCourbeY(*f, QStringLiteral("p*x^2"));
    a->FixeParametre(9, QStringLiteral("2"));
    auto b = AjouteCourbeY(*f, QStringLiteral("x"));
    Peint(*f);
    // The primitive mode keeps its curve, whatever becomes current elsewhere.
    choix.voulu = QStringLiteral(";%1\\").arg(a->Numero);
    f->action(QStringLiteral("Primitive1"))->trigger();
    CourbeCourante() = b;
    // A click off the round values: the initial condition computed as clicked, shown in
    // the number format.
    QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, px(1, 1) + QPoint(1, 1));
    ASSERT_EQ(f->Dessin().Nombre(), 3);
    EXPECT_EQ(f->Dessin().Courbes[2]->Libelle1, QStringLiteral("Primitive de ") + a->Nom);
    EXPECT_EQ(f->Dessin().Courbes[2]->Mere1, a->Identifiant);
    {
        auto p = std::dynamic_pointer_cast<GCOperUnaire>(f->Dessin().Courbes[2]);
        ASSERT_TRUE(p);
        double x0 = 0, y0 = 0;
        f->Repere().PixelVersMonde(px(1, 1).x() + 1, px(1, 1).y() + 1, x0, y0);
        EXPECT_EQ(p->ParametresOperation[0].toDouble(), x0);
        EXPECT_EQ(p->Libelle2, QStringLiteral("CI = (") + QString::fromStdString(ReelVersTexte(x0)) + ',' +
                                   QString::fromStdString(ReelVersTexte(y0)) + ')');
    }
    f->action(QStringLiteral("Primitive1"))->trigger();
    EXPECT_EQ(f->ModeSouris, SourisRepos);

    // Tangents at the abscissa clicked keep the mother's p.
    f->action(QStringLiteral("Tangentes1"))->trigger();
    QuandModal([](QWidget* w) {
        Clique(Enfant<QCheckBox>(w, "cbTg"));
        Clique(Enfant<QCheckBox>(w, "cbCentre"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, px(1, 1));
    ASSERT_EQ(f->Dessin().Nombre(), 5);
    for (int k : {3, 4}) {
        auto t = std::dynamic_pointer_cast<GCOperUnaire>(f->Dessin().Courbes[std::size_t(k)]);
        ASSERT_TRUE(t);
        EXPECT_EQ(t->Operation, k == 3 ? 43 : 56);
        EXPECT_EQ(t->Parametre(9), QStringLiteral("2"));
        EXPECT_NEAR(t->ParametresOperation[0].toDouble(), 1, 0.02);
    }

    // A curve clicked is selected for transport until it leaves the window.
    f->action(QStringLiteral("Tangentes1"))->trigger();
    Peint(*f);
    QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, px(3, 3));
    QWidget* transport = f->findChild<QWidget*>(QStringLiteral("Transport"));
    EXPECT_EQ(etatSouris().CourbesSelectionnees, std::vector<PtrCourbe>{b});
    EXPECT_TRUE(transport->isVisible());
    ASSERT_TRUE(RetireCourbeFenetre(*f, b->Numero));
    EXPECT_TRUE(etatSouris().CourbesSelectionnees.empty());
    EXPECT_FALSE(transport->isVisible());
}


// One mouse mode at a time: choosing a mode ends the one that was on, so that its item and
// button do not stay down and the next click goes to the mode chosen. A Shift drag goes
// back to the mode it interrupted.
TEST_F(SourisTest, UnModeChoisiFinitLAutreEtLeClicVaAuModeChoisi)
{
    EtatFenetres& e = etatFenetres();
    e.MontrerAideZoom = e.MontrerAidePoint = e.MontrerAideLigne = e.MontrerAideMainLevee = false;
    auto mere = AjouteCourbeY(*f, QStringLiteral("x^2"));
    Peint(*f);
    choix.voulu = QStringLiteral(";%1\\").arg(mere->Numero);

    // A rectangle zoom, then the primitive: the zoom is off and the click makes a primitive,
    // also after a Shift zoom.
    f->action(QStringLiteral("Manuel1"))->trigger();
    glisse(px(-1, -1), px(1, 1));
    ASSERT_EQ(nouvelles.size(), 1u);
    f->action(QStringLiteral("Primitive1"))->trigger();
    EXPECT_FALSE(f->action(QStringLiteral("Manuel1"))->isChecked());
    glisse(px(-2, -2), px(2, 2), Qt::ShiftModifier);
    EXPECT_EQ(nouvelles.size(), 2u);
    QTest::mouseClick(f->PaintBox(), Qt::LeftButton, {}, px(1, 1));
    ASSERT_EQ(f->Dessin().Nombre(), 2);
    EXPECT_EQ(f->Dessin().Courbes[1]->Libelle1, QStringLiteral("Primitive de ") + mere->Nom);
    f->action(QStringLiteral("Primitive1"))->trigger();

    // Every pair of modes: after the second, its item alone is checked and the window is in
    // its mode; nothing is made by the modes ended without input.
    struct Mode {
        const char* article;
        ModeSourisFenetre mode;
    };
    const Mode modes[] = {{"Manuel1", SourisRepos},         {"Distance1", SourisRepos},
                          {"Primitive1", SourisPrimitive},  {"Tangentes1", SourisTangente},
                          {"Pointparpoint1", SourisPointParPoint}, {"Lignebrise1", SourisLigneBrisee},
                          {"Mainleve1", SourisMainLevee},   {"Coordonnes1", SourisCoordonnees},
                          {"Ecrire1", SourisTexte}};
    const auto coches = [&] {
        QStringList l;
        for (const Mode& m : modes)
            if (QAction* a = f->action(QString::fromLatin1(m.article)); a->isCheckable() && a->isChecked())
                l << QString::fromLatin1(m.article);
        return l;
    };
    for (const Mode& premier : modes)
        for (const Mode& second : modes) {
            if (&premier == &second)
                continue;
            SCOPED_TRACE(std::string(premier.article) + " puis " + second.article);
            f->action(QString::fromLatin1(premier.article))->trigger();
            f->action(QString::fromLatin1(second.article))->trigger();
            QAction* a = f->action(QString::fromLatin1(second.article));
            EXPECT_EQ(coches(), a->isCheckable() ? QStringList{QString::fromLatin1(second.article)} : QStringList());
            EXPECT_EQ(f->ModeSouris, second.mode);
            // The zoom, which ends every other mode, then off.
            QAction* zoom = f->action(QStringLiteral("Manuel1"));
            if (!zoom->isChecked())
                zoom->trigger();
            zoom->trigger();
            EXPECT_EQ(coches(), QStringList());
            EXPECT_EQ(f->ModeSouris, SourisRepos);
        }
    EXPECT_EQ(f->Dessin().Nombre(), 2);
    EXPECT_TRUE(inter.messages.isEmpty());
}

}  // namespace
