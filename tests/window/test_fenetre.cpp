// The graph window: creation, painting through its back buffer, messages raised while
// painting, its pop-up menus and its close procedure.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include "dialogs/pilote_saisie.h"
#include "expression/fonction.h"
#include "graph/aires/GCAire.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/courbes/GCRS.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/document/GCDocument.h"
#include "graph/document_exemple.h"
#include "outils_fenetre.h"

namespace {

// Pixels of the image that differ from the colour.
int PixelsDifferents(const QImage& image, QColor couleur, QRect zone = {})
{
    if (zone.isNull())
        zone = image.rect();
    int n = 0;
    const QRgb c = couleur.rgb() | 0xFF000000u;
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) != c)
                ++n;
    return n;
}

int PixelsDeCouleur(const QImage& image, QColor couleur)
{
    int n = 0;
    const QRgb c = couleur.rgb() | 0xFF000000u;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) == c)
                ++n;
    return n;
}

// Shows the window and waits for its first rendering.
void Montre(TForm1& f)
{
    f.show();
    QApplication::processEvents();
    f.PaintBox()->repaint();
}

}  // namespace

TEST_F(FenetreTest, NouvelleFenetreSelonLesReglages)
{
    reglagesFenetres().TitreFenetre = QStringLiteral("Géométrie");
    reglagesFenetres().LargeurFenetre = 640;
    reglagesFenetres().HauteurFenetre = 480;
    reglagesFenetres().CouleurFenetre = 0x00FFFF;  // yellow, 0x00BBGGRR
    TForm1 f(3);
    EXPECT_EQ(f.numero(), 3);
    EXPECT_EQ(f.Tag(), 3);
    EXPECT_EQ(f.titre(), QStringLiteral("Géométrie"));
    EXPECT_EQ(f.size(), QSize(640, 480));
    EXPECT_EQ(f.couleurFond(), QColor(Qt::yellow));
    EXPECT_EQ(f.ModeSouris, 11);
    EXPECT_EQ(f.ModeFond(), 0);
    EXPECT_TRUE(f.CommentaireAMontrer);
    for (const QString& fn : f.FonctionsAux())
        EXPECT_EQ(fn, QStringLiteral("0"));
    EXPECT_EQ(f.Textes().Nombre(), 0);

    // Sizes from a damaged settings file stay within the window's bounds.
    reglagesFenetres().LargeurFenetre = 100000;
    reglagesFenetres().HauteurFenetre = 0;
    TForm1 g(4);
    EXPECT_EQ(g.size(), QSize(TailleFenetreMax, TailleFenetreMin));
}

TEST_F(FenetreTest, PeintureRepereEtTextes)
{
    reglagesFenetres().LargeurFenetre = 400;
    reglagesFenetres().HauteurFenetre = 300;
    TForm1 f(1);
    Police police;
    police.Taille = 14;
    police.Couleur = 0x0000FF;  // red
    auto texte = std::make_unique<GCTexte>(1, QStringLiteral("-4"), QStringLiteral("4"), true, police);
    texte->SetTexte(QStringLiteral("Bonjour"));
    f.Textes().AjouteTexte(std::move(texte));
    Montre(f);
    const QImage& image = f.Affichage();
    ASSERT_EQ(image.size(), QSize(400, 300));
    EXPECT_GE(f.nombrePeintures(), 1);
    // The frame drew its axes: many pixels are not the background.
    EXPECT_GT(PixelsDifferents(image, Qt::white), 300);
    // The text is drawn in red near the top left of the plot.
    EXPECT_GT(PixelsDeCouleur(image, Qt::red), 10);
    double ux = 0, uy = 0;
    f.Repere().GetUnitesParPixel(ux, uy);
    EXPECT_DOUBLE_EQ(f.UniteX, ux);
    EXPECT_GT(f.UniteX, 0);
}

TEST_F(FenetreTest, FonctionAuxiliaireFautiveSignaleeUneFoisApresLaPeinture)
{
    TForm1 f(1);
    f.FonctionsAux()[3] = QStringLiteral("sin(");
    Montre(f);
    EXPECT_TRUE(inter.messages.isEmpty());
    // Nothing is shown while painting: the message waits for the paint to end.
    for (int i = 0; i < 20; ++i) {
        f.PaintBox()->repaint();
        traiteEvenements();
    }
    EXPECT_EQ(inter.messages.count(QStringLiteral("La fonction auxiliaire f3 n'a pas pu être compilée!")), 1)
        << inter.messages.join(" | ").toStdString();
    // Mended, then broken again: shown again once.
    f.FonctionsAux()[3] = QStringLiteral("x^2");
    f.PaintBox()->repaint();
    traiteEvenements();
    f.FonctionsAux()[3] = QStringLiteral("x^");
    for (int i = 0; i < 5; ++i) {
        f.PaintBox()->repaint();
        traiteEvenements();
    }
    EXPECT_EQ(inter.messages.count(QStringLiteral("La fonction auxiliaire f3 n'a pas pu être compilée!")), 2);
    // The interlocutor is the frame's again once the paint is over.
    EXPECT_EQ(etatGraphe().interlocuteur, &inter);
}

TEST_F(FenetreTest, FonctionsAuxiliairesCompileesAChaquePeinture)
{
    TForm1 f1(1), f2(2);
    f1.FonctionsAux()[0] = QStringLiteral("x^2");
    f2.FonctionsAux()[0] = QStringLiteral("x+1");
    Montre(f1);
    Arbre a;
    ASSERT_TRUE(CompileExpr("F0(3)", a));
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 0), 9);
    Montre(f2);
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 0), 4);
    // Redrawn through its back buffer, a window uses its own functions.
    f1.DessineTampon(0);
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 0), 9);
    // F0..F9 read Y as state value 0; what compiles after reads it as the variable.
    f1.FonctionsAux()[1] = QStringLiteral("y");
    f1.DessineTampon(0);
    VariablesEtat()[0] = 100;
    ASSERT_TRUE(CompileExpr("F1(3)+y", a));
    EXPECT_DOUBLE_EQ(EvalueArbre(a, 7), 107);
}

TEST_F(FenetreTest, RedimensionnementSansReentree)
{
    TForm1 f(1);
    Montre(f);
    const int avant = f.nombrePeintures();
    f.AiresARecalculer = false;
    f.resize(300, 220);
    EXPECT_TRUE(f.AiresARecalculer);
    EXPECT_EQ(f.PaintBox()->size(), QSize(300, 220));
    f.PaintBox()->repaint();
    EXPECT_EQ(f.Affichage().size(), QSize(300, 220));
    int l = 0, h = 0;
    f.Repere().GetTailleTotale(l, h);
    EXPECT_EQ(QSize(l, h), QSize(300, 220));
    EXPECT_EQ(f.nombrePeintures(), avant + 1);
    // Resizing again while the window paints (the frame reacting to a signal of the paint)
    // neither paints again inside the paint nor breaks it.
    QObject::connect(&f, &TForm1::videAvertissements, &f, [&f] {
        if (f.width() != 260)
            f.resize(260, 200);
    });
    f.PaintBox()->repaint();
    EXPECT_EQ(f.nombrePeintures(), avant + 2);
    QApplication::processEvents();
    f.PaintBox()->repaint();
    EXPECT_EQ(f.Affichage().size(), QSize(260, 200));
}

TEST_F(FenetreTest, EtatDesMenusSignaleApresLaPeinture)
{
    TForm1 f(1);
    QSignalSpy etat(&f, &TForm1::etatMenusChange);
    QSignalSpy memo(&f, &TForm1::videAvertissements);
    Montre(f);
    f.PaintBox()->repaint();
    EXPECT_GE(memo.count(), 2);    // cleared at the start of each paint
    EXPECT_EQ(etat.count(), 0);    // never inside the paint
    traiteEvenements();
    EXPECT_EQ(etat.count(), 1);    // once after, however many paints came before
}

TEST_F(FenetreTest, DessineTamponGardeLesTracesPrecedents)
{
    reglagesFenetres().LargeurFenetre = 200;
    reglagesFenetres().HauteurFenetre = 200;
    TForm1 f(1);
    Montre(f);
    f.DessineTampon(0);
    QImage tampon = f.Tampon();
    ASSERT_EQ(tampon.size(), QSize(200, 200));
    // Something drawn into the buffer by hand stays under a rendering that keeps it.
    {
        QImage& t = const_cast<QImage&>(f.Tampon());
        QPainter p(&t);
        p.fillRect(190, 190, 5, 5, Qt::green);
    }
    f.DessineTampon(1);
    EXPECT_EQ(QColor(f.Tampon().pixel(192, 192)), QColor(Qt::green));
    f.DessineTampon(0);
    EXPECT_NE(QColor(f.Tampon().pixel(192, 192)), QColor(Qt::green));
    // The paint box then shows that rendering as it is.
    const int n = f.nombrePeintures();
    f.PaintBox()->repaint();
    EXPECT_EQ(f.nombrePeintures(), n);
}

TEST_F(FenetreTest, ImageDeFondCentreeOuEtiree)
{
    reglagesFenetres().LargeurFenetre = 201;
    reglagesFenetres().HauteurFenetre = 101;
    TForm1 f(1);
    QImage image(50, 20, QImage::Format_RGB32);
    image.fill(Qt::blue);
    f.ImageFond = image;
    f.FichierImage = QStringLiteral("fond.bmp");
    f.FixeModeFond(1);
    f.DessineTampon(0);
    // Centred, halves truncated: (201 - 50) / 2 = 75, (101 - 20) / 2 = 40; the frame's lines
    // cross the picture but no blue pixel lies outside it.
    const QImage& t = f.Tampon();
    int dedans = 0, dehors = 0;
    for (int y = 0; y < t.height(); ++y)
        for (int x = 0; x < t.width(); ++x)
            if (QColor(t.pixel(x, y)) == QColor(Qt::blue))
                (QRect(75, 40, 50, 20).contains(x, y) ? dedans : dehors)++;
    EXPECT_GT(dedans, 500);
    EXPECT_EQ(dehors, 0);
    EXPECT_EQ(QColor(t.pixel(75, 40)), QColor(Qt::blue));
    EXPECT_EQ(QColor(t.pixel(124, 59)), QColor(Qt::blue));
    // Stretched: the picture fills the paint box.
    f.EtireImage = true;
    f.DessineTampon(0);
    EXPECT_GT(PixelsDeCouleur(f.Tampon(), Qt::blue), 201 * 101 / 2);
}

TEST_F(FenetreTest, MenuContextuelDeLaFenetre)
{
    TForm1 f(1);
    ASSERT_NE(f.Optionfenetre(), nullptr);
    dialogues.texte = QStringLiteral("TP 3; fonctions");
    f.action(QStringLiteral("Changerletitre1"))->trigger();
    // The dialog proposes the current caption; a ";" cannot stand in a document field: the
    // title is refused and the caption kept.
    ASSERT_EQ(dialogues.textesProposes.size(), 1);
    EXPECT_EQ(dialogues.titres.value(0), QStringLiteral("Changement de titre"));
    EXPECT_EQ(dialogues.textesProposes[0], QStringLiteral("Fenêtre 1"));
    EXPECT_EQ(f.titre(), QStringLiteral("Fenêtre 1"));
    EXPECT_EQ(inter.messages.value(0), QStringLiteral("Le titre d'une fenêtre ne peut contenir ni « ; » ni retour à la ligne."));
    dialogues.texte = QStringLiteral("TP 3, fonctions");
    f.action(QStringLiteral("Changerletitre1"))->trigger();
    EXPECT_EQ(f.titre(), QStringLiteral("TP 3, fonctions"));
    dialogues.accepte = false;
    f.action(QStringLiteral("Changerletitre1"))->trigger();
    EXPECT_EQ(f.titre(), QStringLiteral("TP 3, fonctions"));

    dialogues.accepte = true;
    dialogues.couleur = QColor(10, 20, 30);
    f.action(QStringLiteral("Changerlacouleurdufond1"))->trigger();
    EXPECT_EQ(f.couleurFond(), QColor(10, 20, 30));
    Montre(f);
    EXPECT_EQ(QColor(f.Affichage().pixel(1, 1)), QColor(10, 20, 30));

    dialogues.largeur = 333;
    dialogues.hauteur = 222;
    f.action(QStringLiteral("Changerlataille1"))->trigger();
    EXPECT_EQ(dialogues.proposeL, 520);
    EXPECT_EQ(f.size(), QSize(333, 222));
    EXPECT_EQ(f.PaintBox()->size(), QSize(333, 222));
}

TEST_F(FenetreTest, TailleDansUneSousFenetreMdi)
{
    QMdiArea zone;
    zone.resize(1200, 900);
    zone.show();
    auto* f = new TForm1(1);
    QMdiSubWindow* sous = zone.addSubWindow(f);
    sous->show();
    QApplication::processEvents();
    EXPECT_EQ(f->size(), QSize(520, 520));
    f->fixeTailleClient(300, 250);
    QApplication::processEvents();
    EXPECT_EQ(f->size(), QSize(300, 250));
    EXPECT_EQ(sous->windowTitle(), QStringLiteral("Fenêtre 1"));
    f->fixeTitre(QStringLiteral("Suites"));
    QApplication::processEvents();
    EXPECT_EQ(sous->windowTitle(), QStringLiteral("Suites"));
}

TEST_F(FenetreTest, FermetureDemandeConfirmation)
{
    QMdiArea zone;
    zone.show();
    auto* f = new TForm1(2);
    f->fixeTitre(QStringLiteral("Essai"));
    QPointer<QMdiSubWindow> sous = zone.addSubWindow(f);
    sous->setAttribute(Qt::WA_DeleteOnClose);
    sous->show();
    QApplication::processEvents();

    inter.reponses = {false};
    EXPECT_FALSE(sous->close());
    ASSERT_EQ(inter.questions.size(), 1);
    EXPECT_EQ(inter.questions[0],
              QStringLiteral("Essai\rEtes-vous sûr(e) de vouloir fermer cette fenêtre ?"));
    EXPECT_EQ(zone.subWindowList().size(), 1);

    QSignalSpy memo(f, &TForm1::videAvertissements);
    inter.reponses = {true};
    EXPECT_TRUE(sous->close());
    EXPECT_EQ(memo.count(), 1);
    QApplication::processEvents();
    EXPECT_EQ(inter.questions.size(), 2);
}

TEST_F(FenetreTest, AiresSousLesCourbesEtRecalculApresRedimensionnement)
{
    reglagesFenetres().LargeurFenetre = 300;
    reglagesFenetres().HauteurFenetre = 300;
    TForm1 f(1);
    auto aire = std::make_shared<GCAire>(nouveauNumero(), 1);
    SaisieAire saisie;
    saisie.couleur = 0x00FFFF;  // yellow
    saisie.contraintes = QStringList{QStringLiteral("x^2+y^2<=4")};
    ASSERT_TRUE(aire->ConfirmeSaisie(saisie, true));
    f.Aires().Ajoute(aire);
    f.FixeModeFond(2);
    f.AiresARecalculer = true;
    Montre(f);
    EXPECT_FALSE(f.AiresARecalculer);
    const int jaunes = PixelsDeCouleur(f.Affichage(), Qt::yellow);
    EXPECT_GT(jaunes, 1000);
    // A paint without resize composes the layer again without computing.
    f.PaintBox()->repaint();
    EXPECT_EQ(PixelsDeCouleur(f.Affichage(), Qt::yellow), jaunes);
    // A resize asks for the areas once at the next paint.
    f.resize(200, 200);
    EXPECT_TRUE(f.AiresARecalculer);
    f.PaintBox()->repaint();
    EXPECT_FALSE(f.AiresARecalculer);
    EXPECT_GT(PixelsDeCouleur(f.Affichage(), Qt::yellow), 300);
    EXPECT_LT(PixelsDeCouleur(f.Affichage(), Qt::yellow), jaunes);
    // Through the back buffer too.
    f.DessineTampon(0);
    EXPECT_GT(PixelsDeCouleur(f.Tampon(), Qt::yellow), 300);
}

TEST_F(FenetreTest, UnCalculDAireTropLongMontreSaProgressionEtSArreteParEchap)
{
    // The largest maximum, the whole plot inside the set: seconds per pixel. The paint stops
    // after a moment, and the computation goes on after it in a progress box.
    TForm1 f(1);
    f.Repere().FixeBornes("-0.1", "0.1", 0, "-0.1", "0", "1", "-0.1", "0.1", 0, "-0.1", "0", "1");
    auto m = std::make_shared<GCProcDyn>(nouveauNumero(), QLatin1Char('M'), 1);
    m->FixeContraintes({QStringLiteral("x^2-y^2+a"), QStringLiteral("2*x*y+b")});
    m->FixeSeuil(QStringLiteral("4"));
    m->FixeIterationsMax(2147483647);
    f.Aires().Ajoute(m);
    f.FixeModeFond(2);
    f.AiresARecalculer = true;
    QString titre;
    QuandModal([&](QWidget* w) {
        titre = w->windowTitle();
        QTest::keyClick(w, Qt::Key_Escape);
    });
    Montre(f);
    EXPECT_TRUE(m->Interrompu());
    for (int i = 0; i < 1000 && titre.isEmpty(); ++i)
        QTest::qWait(10);
    traiteEvenements();
    EXPECT_EQ(titre, QStringLiteral("Calcul des aires"));
    EXPECT_TRUE(m->Interrompu());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(f.AiresARecalculer);
}

TEST_F(FenetreTest, UnTraceTropLongMontreSaProgressionEtSArreteParEchap)
{
    // A series of 10^5 terms at each of 3000 points: seconds of tracing. The paint stops it
    // after a moment; it is traced again after the paint, in a progress box where Échap stops
    // it, and the window keeps what was drawn.
    TForm1 f(1);
    auto s = std::make_shared<GCRS>(QLatin1Char('S'), 1, nouveauNumero());
    s->Nom = QStringLiteral("serie");
    s->FixeLibelles(QStringLiteral("sin(n*x)/n"), QString());
    s->FixeBornes(QStringLiteral("1"), QStringLiteral("100000"));
    s->GCY::FixeBornes(QStringLiteral("-5"), QStringLiteral("4"), QStringLiteral("0.003"));
    s->Couleur = s->Marqueur.Couleur = RVB(255, 0, 0);
    f.Dessin().AjouteCourbe(s);
    QString titre;
    int boites = 0;
    QuandModal([&](QWidget* w) {
        titre = w->windowTitle();
        ++boites;
        QTest::keyClick(w, Qt::Key_Escape);
    });
    Montre(f);
    for (int i = 0; i < 1000 && titre.isEmpty(); ++i)
        QTest::qWait(10);
    traiteEvenements();
    EXPECT_EQ(titre, QStringLiteral("Tracé des courbes"));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    // What was traced until Échap: drawn, in the point cache, and no warning of failed points.
    const LecturePoints l = LitFichierPoints(s->NomFichier());
    ASSERT_TRUE(l.ok());
    EXPECT_GT(l.points.size(), 0u);
    EXPECT_LT(l.points.size(), 3001u);
    EXPECT_GT(PixelsDeCouleur(f.Affichage(), Qt::red), 0);
    EXPECT_TRUE(inter.avertissements.isEmpty()) << inter.avertissements.join('|').toStdString();
    // The stopped picture stays: no new trace comes by itself.
    const int peintures = f.nombrePeintures();
    QTest::qWait(100);
    traiteEvenements();
    EXPECT_EQ(f.nombrePeintures(), peintures);
    EXPECT_EQ(boites, 1);
}

TEST_F(FenetreTest, CloneAireSelonLeGenre)
{
    GCAire source(5, 1);
    SaisieAire saisie;
    saisie.nom = QStringLiteral("disque");
    saisie.couleur = 0x0000FF;
    saisie.contraintes = QStringList{QStringLiteral("x^2+y^2<=1")};
    ASSERT_TRUE(source.ConfirmeSaisie(saisie, true));
    auto clone = CloneAire(source, 9, 2);
    ASSERT_NE(clone, nullptr);
    EXPECT_EQ(clone->Numero(), 9);
    EXPECT_EQ(clone->NumeroFenetre(), 2);
    EXPECT_EQ(clone->Genre(), QLatin1Char('A'));
    EXPECT_EQ(clone->Nom(), QStringLiteral("disque"));
    EXPECT_EQ(clone->Couleur(), TCouleur(0x0000FF));
    EXPECT_EQ(clone->Contraintes(), saisie.contraintes);
    EXPECT_TRUE(clone->Empreinte().startsWith(QStringLiteral("9")));
}

TEST_F(FenetreTest, DialoguesDuTitreEtDeLaTailleDuProgramme)
{
    GardeValeur<DialoguesFenetre*> dialoguesDuProgramme(etatFenetres().dialogues, nullptr);
    TForm1 f(1);
    // A ";" keeps the title dialog open with the reason; a title without one is taken.
    bool ouverte = false;
    QString titre;
    QuandModal([&](QWidget* w) {
        titre = w->windowTitle();
        Tape(Enfant<QLineEdit>(w, "Edit1"), QStringLiteral("TP 3; ex. 2"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
        ouverte = w->isVisible();
        Tape(Enfant<QLineEdit>(w, "Edit1"), QStringLiteral("TP 3 ex. 2"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.action(QStringLiteral("Changerletitre1"))->trigger();
    EXPECT_EQ(titre, QStringLiteral("Changement de titre"));
    EXPECT_TRUE(ouverte);
    EXPECT_EQ(inter.messages.size(), 1);
    EXPECT_EQ(f.titre(), QStringLiteral("TP 3 ex. 2"));

    // The size: the current one proposed, a width typed beyond the limit not taken, Enter in
    // a field confirms.
    int propose = 0, tapee = 0;
    QuandModal([&](QWidget* w) {
        titre = w->windowTitle();
        auto* largeur = Enfant<QSpinBox>(w, "EdLargeur");
        auto* hauteur = Enfant<QSpinBox>(w, "EdHauteur");
        propose = largeur->value();
        largeur->selectAll();
        QTest::keyClicks(largeur, QStringLiteral("70000"));
        tapee = largeur->value();
        hauteur->setValue(300);
        QTest::keyClick(hauteur, Qt::Key_Return);
    });
    f.action(QStringLiteral("Changerlataille1"))->trigger();
    EXPECT_EQ(titre, QStringLiteral("Taille de la fenêtre de tracé"));
    EXPECT_EQ(propose, 520);
    EXPECT_GE(tapee, TailleFenetreMin);
    EXPECT_LE(tapee, TailleFenetreMax);
    EXPECT_EQ(f.size(), QSize(tapee, 300));
}

// The window paints its document through the document's own routine: read from one file,
// the document painted alone on a picture, without any widget, gives the paint box's
// pixels, areas, curves and texts included; and its back buffer those of the back-buffer
// drawing.
TEST_F(FenetreTest, LaFenetreMontreCeQueSonDocumentPeintSeul)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath(QStringLiteral("exemple.vrk"));
    {
        GCDocument exemple(1, 600, 400);
        RemplitDocumentExemple(exemple.Modele(), dossier.path());
        exemple.Fenetre.Maximisee = false;
        ASSERT_TRUE(EnregistreDocument(chemin, exemple.Modele()).ok);
    }
    const auto lit = [&](ModeleDocument modele) {
        LiensEnAttente liens;
        ASSERT_TRUE(LitDocument(chemin, modele, liens).ok());
        modele.Dessin.Visible = true;
    };

    QImage ecran, tampon;
    {
        TForm1 f(1);
        lit(f.Document().Modele());
        Peint(f);
        ecran = f.Affichage();
        f.DessineTampon();
        tampon = f.Tampon();
    }
    ASSERT_FALSE(ecran.isNull());
    // Background, area, frame, curves and texts: many colours.
    QSet<QRgb> couleurs;
    for (int y = 0; y < ecran.height(); y += 2)
        for (int x = 0; x < ecran.width(); x += 2)
            couleurs.insert(ecran.pixel(x, y));
    EXPECT_GT(couleurs.size(), 5);

    GCDocument seul(1, 600, 400);
    lit(seul.Modele());
    QImage image(ecran.size(), QImage::Format_RGB32);
    {
        QPainter peintre(&image);
        seul.AiresARecalculer = true;
        seul.Dessine(peintre, image.size());
    }
    EXPECT_EQ(image, ecran);
    OptionsDessin options;
    options.mode = OptionsDessin::Tampon;
    options.textes = false;
    {
        QPainter peintre(&image);
        seul.Dessine(peintre, image.size(), options);
    }
    EXPECT_EQ(image, tampon);
}
