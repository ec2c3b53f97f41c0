// Opening and saving documents through the frame: documents whose curves refer to each
// other across windows, saved with their list and opened again in a fresh frame; missing
// mothers, lists from another machine, bad documents in a list, the command line, the save
// names and what they may replace, the exit prompt that really saves, closing windows.
#include <gtest/gtest.h>

#include <QDir>
#include <QMessageBox>
#include <QImage>
#include <QTimer>
#include <map>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QCheckBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>

#include "dialogs/editform.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/pilote_saisie.h"
#include "frame/dialoguescadre.h"
#include "frame/listedocuments.h"
#include "graph/aires/GCAire.h"
#include "graph/aires/GCTrAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/textes/GCTexte.h"
#include "interlocuteur_essai.h"
#include "outils_cadre.h"
#include "graph/document/document.h"
#include "window/fenetre.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/fichierstravail.h"

namespace {

// A named y=f(x) curve, callable by its name, in the window.
PtrCourbe AjouteY(TForm1* f, const QString& formule, const QString& nom)
{
    auto y = std::make_shared<GCY>(QLatin1Char('Y'), f->numero(), nouveauNumero());
    y->FixeLibelles(formule, QString());
    y->Nom = nom;
    y->NouvelIdentifiant();
    y->MemoriseLibelle();
    f->Dessin().AjouteCourbe(y);
    return y;
}

// A unary operation of that code on the mother (which may live in another window).
PtrCourbe AjouteDerivee(TForm1* f, const QString& mere, int code = 18, char genre = 'Q')
{
    PtrCourbe q = CreeCourbe(QLatin1Char(genre), f->numero(), nouveauNumero(), code);
    q->NouvelIdentifiant();
    q->FixeMere(1, mere);
    q->GCCourbe::FixeLibelles(QStringLiteral("Dérivée de %1").arg(mere), QString());
    f->Dessin().AjouteCourbe(q);
    return q;
}

// A transformed area as the resolution sees it: a mother's stamp, attached or not.
class AireTransformee : public GCAire {
public:
    AireTransformee(int numero, int fenetre, QString mere) : GCAire(numero, fenetre), mere_(std::move(mere))
    {
        Genre_ = QLatin1Char('T');
    }
    QString NomMere() const override { return mere_; }
    void FixeMere(const GCAire& mere) override { attachee = mere.Empreinte(); }
    QString attachee;

private:
    QString mere_;
};

class Documents : public CadreEssai {
protected:
    void SetUp() override
    {
        CadreEssai::SetUp();
        ASSERT_TRUE(docs.isValid());
    }
    QString doc(const QString& nom) const { return docs.filePath(nom); }
    TMainForm& demarreVisible(const OptionsCadre& o)
    {
        cadre = std::make_unique<TMainForm>(o);
        cadre->resize(1000, 800);
        cadre->show();
        TraiteEvenements();
        return *cadre;
    }
    // A new run of the program: nothing of the previous one is left.
    TMainForm& redemarre()
    {
        cadre.reset();
        reinitialiseCadre();
        repondeur.textes.clear();
        return demarreVisible(options());
    }
    TForm1* fenetre(int numero) const
    {
        const int i = cadre->IndexFenetre(numero);
        return i < 0 ? nullptr : cadre->fenetres()[i];
    }
    bool contientTexte(const QString& morceau) const
    {
        for (const QString& t : repondeur.textes)
            if (t.contains(morceau))
                return true;
        return false;
    }

    DialoguesScript dialogues;
    GardeValeur<DialoguesCadre*> gardeDialogues_{etatCadre().dialogues, &dialogues};
    QTemporaryDir docs;
};

}  // namespace

TEST_F(Documents, FenetresLieesEnregistreesAvecLeurListeRouvertesTellesQuelles)
{
    EcritOctetsEssai(cheminIni(), "[Fenetre]\r\nTitre=Cours\r\nLargeur=400\r\nHauteur=300\r\n");
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    const PtrCourbe carre = AjouteY(un, "x^2", "carre");
    auto region = CreeAire(QLatin1Char('A'), nouveauNumero(), 1);
    region->FixeEmpreinte(NouvelleEmpreinte(region->Numero()));
    un->Aires().Ajoute(region);
    // Window 2 shows the curve and the area of window 1 and holds a curve derived from it.
    un->FonctionsAux()[2] = "carre(x)+1";
    f.zoneMdi()->setActiveSubWindow(f.zoneMdi()->subWindowList().front());
    TForm1* deux = f.Nouvellefentre1Click();
    EXPECT_EQ(deux->titre(), "Fenêtre 2");
    EXPECT_EQ(deux->FonctionsAux()[2], "carre(x)+1");  // inherited from the active window
    deux->Dessin().AjouteCourbe(carre);
    deux->Aires().Ajoute(region);
    const PtrCourbe derivee = AjouteDerivee(deux, carre->Identifiant);
    carre->FixeParametre(0, "3");
    derivee->Couleur = 0x0000FF;
    deux->PaintBox()->repaint();
    const QImage image = deux->Affichage();
    // The pixels of the derived curve's colour.
    const auto rouges = [](const QImage& i) {
        QList<QPoint> r;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                if (i.pixel(x, y) == qRgb(255, 0, 0))
                    r << QPoint(x, y);
        return r;
    };
    ASSERT_GT(rouges(image).size(), 100);

    dialogues.enregistrement = doc("cours.vrk");
    EXPECT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);
    EXPECT_EQ(dialogues.offerts, (QStringList{"#2: Fenêtre 2", "#1: Cours"}));
    EXPECT_TRUE(QFileInfo::exists(doc("cours1.vrk")));
    EXPECT_EQ(LitListeDocuments(doc("cours.rkv")).chemins, (QStringList{doc("cours.vrk"), doc("cours1.vrk")}));
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('\n').toStdString();

    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("cours.rkv"), doc("cours.vrk")};  // the list first: only the list
    g.FileOpenItemClick();
    ASSERT_EQ(g.fenetres().size(), 3);
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('\n').toStdString();
    TForm1* a = fenetre(2);
    TForm1* b = fenetre(3);
    EXPECT_EQ(a->titre(), "Cours");
    EXPECT_EQ(b->titre(), "Fenêtre 2");
    EXPECT_EQ(b->FonctionsAux()[2], "carre(x)+1");
    ASSERT_EQ(a->Dessin().Nombre(), 1);
    ASSERT_EQ(b->Dessin().Nombre(), 2);
    const PtrCourbe c = a->Dessin().Courbes[0];
    EXPECT_EQ(c->Libelle1, "x^2");
    EXPECT_EQ(c->Nom, "carre");
    // One object shown in both windows; the derived curve finds its mother and takes its
    // parameters.
    EXPECT_EQ(b->Dessin().CourbeParIdentifiant(carre->Identifiant), c);
    const PtrCourbe d = b->Dessin().CourbeParIdentifiant(derivee->Identifiant);
    ASSERT_TRUE(d);
    EXPECT_EQ(g.CourbeParIdentifiant(d->Mere1), c);
    EXPECT_EQ(d->Parametre(0), "3");
    b->PaintBox()->repaint();
    EXPECT_EQ(rouges(b->Affichage()), rouges(image)) << "the derived curve traces the same pixels";
    ASSERT_EQ(b->Aires().Nombre(), 1);
    EXPECT_EQ(b->Aires().Aires[0], a->Aires().Aires[0]);
    EXPECT_EQ(b->ModeFond(), 2);
    for (TForm1* w : g.fenetres())
        EXPECT_TRUE(w->Dessin().Visible);
    EXPECT_EQ(fenetre(1)->Dessin().Nombre(), 0);
}

TEST_F(Documents, CourbeDeDeuxMeresDAutresFenetresTraceDeMemeUneFoisRouverte)
{
    TMainForm& f = demarreVisible(options());
    const PtrCourbe a = AjouteY(f.fenetres().front(), "x^2", "a");
    const PtrCourbe b = AjouteY(f.Nouvellefentre1Click(), "sin(x)", "b");
    TForm1* trois = f.Nouvellefentre1Click();
    auto o = std::make_shared<GCOperBinaire>(3, trois->numero(), nouveauNumero());
    o->NouvelIdentifiant();
    o->Libelle(*a, *b);
    trois->Dessin().AjouteCourbe(o);
    trois->PaintBox()->repaint();
    const auto avant = LitFichierPoints(o->FichierPoints).points;
    ASSERT_EQ(avant.size(), 80u);   // no point at x = 0
    dialogues.enregistrement = doc("paire.vrk");
    EXPECT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);

    // Opened again in a new run.
    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("paire.rkv")};
    g.FileOpenItemClick();
    const PtrCourbe r = g.CourbeParIdentifiant(o->Identifiant);
    ASSERT_TRUE(r);
    fenetre(r->NumeroFenetre)->PaintBox()->repaint();
    EXPECT_EQ(LitFichierPoints(r->FichierPoints).points, avant);
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('\n').toStdString();
}

TEST_F(Documents, MereAbsenteSignaleeEtRienDAutrePerdu)
{
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    const PtrCourbe y = AjouteY(un, "sin(x)", "s");
    AjouteDerivee(un, "999 01/01/2020 10:00:00");
    un->Textes().AjouteTexte(std::make_unique<GCTexte>(1, "0", "1", true, Police()));
    un->Textes().Texte(0)->SetTexte("Titre du cours");
    un->fixeTitre("Orpheline");
    dialogues.enregistrement = doc("orpheline.vrk");
    ASSERT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);
    EXPECT_FALSE(QFileInfo::exists(doc("orpheline.rkv")));  // one window: no list

    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("orpheline.vrk")};
    g.FileOpenItemClick();
    EXPECT_EQ(repondeur.textes, QStringList{"La courbe Dérivée de 999 01/01/2020 10:00:00 n'a pas de mère!"});
    TForm1* lue = fenetre(2);
    ASSERT_TRUE(lue);
    EXPECT_EQ(lue->titre(), "Orpheline");
    ASSERT_EQ(lue->Dessin().Nombre(), 1);
    EXPECT_EQ(lue->Dessin().Courbes[0]->Identifiant, y->Identifiant);
    ASSERT_EQ(lue->Textes().Nombre(), 1);
    EXPECT_EQ(lue->Textes().Texte(0)->GetTexte(), "Titre du cours");
}

TEST_F(Documents, LaResolutionRattacheCeQuElleTrouveEtPasseLeReste)
{
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    TForm1* deux = f.Nouvellefentre1Click();
    // The same mother in both windows (one document opened twice): each derived curve
    // follows the mother of its own window.
    const PtrCourbe m1 = AjouteY(un, "x", "m1");
    m1->FixeParametre(0, "1");
    const PtrCourbe m2 = std::make_shared<GCY>(QLatin1Char('Y'), 2, nouveauNumero());
    m2->FixeIdentifiant(m1->Identifiant);
    m2->FixeParametre(0, "2");
    deux->Dessin().AjouteCourbe(m2);
    const PtrCourbe tangente = AjouteDerivee(un, m1->Identifiant, 43);
    tangente->Couleur = 0x0000FF;
    const PtrCourbe retard = AjouteDerivee(deux, m1->Identifiant, 51, 'U');
    const PtrCourbe sansMere = AjouteDerivee(deux, "12 01/01/2020 10:00:00");
    // A normal written with the letter U keeps its own a9 and gets its child all the same.
    const PtrCourbe normale = AjouteDerivee(un, m1->Identifiant, 54, 'U');
    normale->FixeParametre(9, "1.5");

    auto mere = CreeAire(QLatin1Char('A'), nouveauNumero(), 1);
    mere->FixeEmpreinte("50 01/01/2026 10:00:00");
    un->Aires().Ajoute(mere);
    auto liee = std::make_shared<AireTransformee>(nouveauNumero(), 2, mere->Empreinte());
    liee->FixeEmpreinte("51 01/01/2026 10:00:00");
    auto perdue = std::make_shared<AireTransformee>(nouveauNumero(), 2, "99 01/01/2020 10:00:00");
    perdue->FixeEmpreinte("52 01/01/2026 10:00:00");
    deux->Aires().Ajoute(liee);
    deux->Aires().Ajoute(perdue);

    LiensEnAttente liens;
    liens.LiensCourbes = {"9;" + m1->Identifiant, "2;77 01/01/2020 10:00:00"};
    liens.LiensAires = {"1;88 01/01/2020 10:00:00"};
    liens.LiensDerivees = {m1->Identifiant,        tangente->Identifiant, retard->Identifiant, sansMere->Identifiant,
                           normale->Identifiant, liee->Empreinte(),     perdue->Empreinte()};
    f.ResoutLiens(liens);

    EXPECT_TRUE(liens.LiensDerivees.isEmpty() && liens.LiensCourbes.isEmpty() && liens.LiensAires.isEmpty());
    // Unknown windows and objects: nothing added, one memo line each.
    EXPECT_EQ(un->Dessin().Nombre(), 3);
    EXPECT_EQ(un->Aires().Nombre(), 1);
    EXPECT_EQ(normale->Parametre(9), "1.5");
    EXPECT_EQ(normale->Filles.size(), 1u);
    EXPECT_EQ(f.MemoAvert()->toPlainText().count("introuvable"), 3);
    EXPECT_EQ(tangente->Parametre(0), "1");
    EXPECT_EQ(retard->Parametre(0), "2");
    // The tangent gets its function child with the curve's look; the hold a copy of the
    // mother's kind.
    ASSERT_EQ(tangente->Filles.size(), 1u);
    EXPECT_EQ(tangente->Filles[0]->TypeCourbe, QLatin1Char('Y'));
    EXPECT_EQ(tangente->Filles[0]->Couleur, 0x0000FFu);
    EXPECT_EQ(tangente->Filles[0]->Numero, tangente->Numero);
    ASSERT_EQ(retard->Filles.size(), 1u);
    EXPECT_EQ(retard->Filles[0]->TypeCourbe, QLatin1Char('Y'));
    EXPECT_EQ(deux->Dessin().CourbeParIdentifiant(sansMere->Identifiant), nullptr);
    EXPECT_EQ(liee->attachee, mere->Empreinte());
    EXPECT_TRUE(perdue->attachee.isEmpty());
    EXPECT_EQ(deux->Aires().Nombre(), 2);  // the area without mother stays
    EXPECT_EQ(repondeur.compte("Pas de région mère! Supprimer cette région."), 1);
    EXPECT_EQ(repondeur.textes.size(), 2);
}

TEST_F(Documents, AiresDeJuliaMandelbrotEtTransformeesRouvertesEntieres)
{
    // A disc, a Julia and a Mandelbrot set, the images of the disc and of the Julia set, and
    // an image whose mother is gone.
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    std::vector<std::shared_ptr<GCAire>> a;
    for (QChar lettre : QStringLiteral("AJMTPT"))
        a.push_back(CreeAire(lettre, nouveauNumero(), 1, lettre == QLatin1Char('P') ? 26 : 25));
    a[0]->FixeContraintes({"x^2+y^2<=1"});
    a[1]->FixeContraintes({"x^2-y^2-0.8", "2*x*y+0.156"});
    a[2]->FixeContraintes({"x^2-y^2+a", "2*x*y+b"});
    for (auto& x : a) {
        x->FixeEmpreinte(NouvelleEmpreinte(x->Numero()));
        un->Aires().Ajoute(x);
    }
    static_cast<GCTrAire&>(*a[3]).FixeMere(*a[0]);
    static_cast<GCTrAire&>(*a[4]).FixeMere(*a[1]);
    static_cast<GCTrAire&>(*a[5]).FixeNomMere("99 01/01/2020 10:00:00");
    static_cast<GCTrAire&>(*a[3]).FixeCoefficients({"1", "0", "0", "0", "0", "0"});
    dialogues.enregistrement = doc("ensembles.vrk");
    ASSERT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);
    const QByteArray ecrit = OctetsDe(doc("ensembles.vrk"));

    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("ensembles.vrk")};
    g.FileOpenItemClick();
    EXPECT_EQ(repondeur.textes, QStringList{"Pas de région mère! Supprimer cette région."});
    TForm1* lue = fenetre(2);
    ASSERT_TRUE(lue);
    ASSERT_EQ(lue->Aires().Nombre(), 6);
    EXPECT_EQ(lue->Aires().Aires[4]->Contraintes(), a[1]->Contraintes());
    lue->PaintBox()->repaint();
    EXPECT_GT(lue->Aires().Aires[3]->NbPixels(), 100);
    dialogues.enregistrement = doc("ensembles2.vrk");
    dialogues.numeros = {2};
    ASSERT_EQ(g.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);
    EXPECT_EQ(OctetsDe(doc("ensembles2.vrk")), ecrit);
}

TEST_F(Documents, ListesDAilleursMauvaisDocumentsEtExtensionsEnMajuscules)
{
    TMainForm& f = demarreVisible(options());
    const QByteArray bon = "VIRK 4.26\r\n&Y;5 01/01/2026 10:00:00;0;\r\n-5;5;0.1;f;0;\r\nv;f;clRed;0;1;0;f;t;\r\n"
                           "x+1;;droite;\r\n;;;;;;;;;;\r\n";
    EcritOctetsEssai(doc("bon.vrk"), bon);
    EcritOctetsEssai(doc("mauvais.vrk"), "VIRK 4.26\r\n#T;abc;0;400;400;f;clWhite;\r\n");
    // Written on another machine, named in upper case.
    EcritOctetsEssai(doc("COURS.RKV"), "C:\\cours\\mauvais.vrk\r\n\r\nC:\\cours\\absent.vrk\r\nC:\\cours\\bon.vrk\r\n");
    dialogues.ouverture = {doc("COURS.RKV")};
    f.FileOpenItemClick();
    ASSERT_EQ(f.fenetres().size(), 3);
    EXPECT_EQ(repondeur.textes.size(), 2) << repondeur.textes.join('\n').toStdString();
    EXPECT_TRUE(contientTexte("mauvais.vrk"));
    EXPECT_TRUE(contientTexte("Fichier C:\\cours\\absent.vrk introuvable !"));
    // The good document is read whole and drawn.
    TForm1* lue = fenetre(3);
    ASSERT_EQ(lue->Dessin().Nombre(), 1);
    lue->PaintBox()->repaint();
    EXPECT_GT(QFileInfo(lue->Dessin().Courbes[0]->NomFichier()).size(), 0);
}

TEST_F(Documents, CourbeTapeeDansSonDialogueEnregistreeALaSortieEtRetrouvee)
{
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    QuandModal([](QWidget* w) {
        Tape(Enfant<QLineEdit>(w, "Edlib1"), QStringLiteral("x^2"));
        Clique(Enfant<QRadioButton>(w, "RBaucun"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un->action(QStringLiteral("YCartsienneeny1"))->trigger();
    ASSERT_EQ(un->Dessin().Nombre(), 1);
    const QString nom = un->Dessin().Courbes[0]->Nom;

    // "Oui", then the save dialog is cancelled: nothing is closed.
    repondeur.reponses = {QMessageBox::Yes};
    EXPECT_FALSE(f.close());
    ASSERT_EQ(f.fenetres().size(), 1);
    EXPECT_EQ(un->Dessin().Nombre(), 1);
    // "Oui", and a save that fails: said, and nothing is closed either.
    repondeur.reponses = {QMessageBox::Yes};
    dialogues.enregistrement = doc("absent/parabole.vrk");
    EXPECT_FALSE(f.close());
    EXPECT_TRUE(contientTexte("Impossible d'enregistrer"));
    EXPECT_EQ(f.fenetres().size(), 1);
    // "Oui" and a save that succeeds: the program ends.
    repondeur.reponses = {QMessageBox::Yes};
    dialogues.enregistrement = doc("parabole.vrk");
    EXPECT_TRUE(f.close());
    EXPECT_TRUE(f.fenetres().isEmpty());

    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("parabole.vrk")};
    g.FileOpenItemClick();
    TForm1* lue = fenetre(2);
    ASSERT_TRUE(lue);
    ASSERT_EQ(lue->Dessin().Nombre(), 1);
    const PtrCourbe c = lue->Dessin().Courbes[0];
    EXPECT_EQ(c->TypeCourbe, QLatin1Char('Y'));
    EXPECT_EQ(c->Libelle1, "x^2");
    EXPECT_EQ(c->Nom, nom);
    lue->PaintBox()->repaint();
    EXPECT_EQ(QFileInfo(c->NomFichier()).size(), 81 * 28);  // -5 to 5 by 0.125
}

TEST_F(Documents, NomsDEnregistrementEtCeQuUnEnregistrementPeutRemplacer)
{
    const NomsEnregistrement noms = NomsDocuments("/home/p/tp.vrk.old/bilan.VRK", 3);
    EXPECT_EQ(noms.documents, (QStringList{"/home/p/tp.vrk.old/bilan.VRK", "/home/p/tp.vrk.old/bilan1.vrk",
                                           "/home/p/tp.vrk.old/bilan2.vrk"}));
    EXPECT_EQ(noms.liste, "/home/p/tp.vrk.old/bilan.rkv");
    EXPECT_EQ(NomsDocuments("/d/notes.txt", 2).documents.last(), "/d/notes1.vrk");
    EXPECT_EQ(NomsDocuments("/d/notes", 2).liste, "/d/notes.rkv");

    TMainForm& f = demarreVisible(options());
    for (int i = 0; i < 2; ++i)
        f.Nouvellefentre1Click();
    EcritOctetsEssai(doc("cours1.vrk"), "leçon 1");
    dialogues.enregistrement = doc("cours.vrk");
    dialogues.numeros = {3, 1};
    // The numbered file exists: asked once, "Non" writes nothing at all.
    repondeur.reponses = {QMessageBox::No};
    EXPECT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Annule);
    ASSERT_EQ(repondeur.textes.size(), 1);
    EXPECT_TRUE(repondeur.textes[0].startsWith("Ces fichiers existent déjà :"));
    EXPECT_EQ(OctetsDe(doc("cours1.vrk")), "leçon 1");
    EXPECT_FALSE(QFileInfo::exists(doc("cours.vrk")));
    // "Oui": window 3 under the chosen name, window 1 under the numbered one.
    repondeur.reponses = {QMessageBox::Yes};
    EXPECT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);
    EXPECT_TRUE(OctetsDe(doc("cours.vrk")).contains("#Fen\xEAtre 3;"));
    EXPECT_TRUE(OctetsDe(doc("cours1.vrk")).contains("#Fen\xEAtre 1;"));
    EXPECT_EQ(OctetsDe(doc("cours.rkv")), (doc("cours.vrk") + "\r\n" + doc("cours1.vrk") + "\r\n").toUtf8());
    // Nothing chosen: nothing saved.
    dialogues.annuleChoix = true;
    EXPECT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Annule);
}

TEST_F(Documents, LaLigneDeCommandeOuvreChaqueCheminOuLeCheminQueLesBlancsCoupent)
{
    const QByteArray document = "VIRK 4.26\r\n#%1;10;10;300;300;f;clWhite;\r\n";
    QDir(docs.path()).mkpath("mes cours");
    const QString premier = doc("mes cours/un été.vrk");
    const QString second = doc("deux é.vrk");
    EcritOctetsEssai(premier, QByteArray(document).replace("%1", "Un"));
    EcritOctetsEssai(second, QByteArray(document).replace("%1", "Deux"));

    OptionsCadre o = options();
    o.documents = {premier, second, doc("absent.vrk")};
    o.cheminJoint = premier + " " + second + " " + doc("absent.vrk");
    TMainForm& f = demarreVisible(o);
    ASSERT_EQ(f.fenetres().size(), 2);
    EXPECT_EQ(fenetre(1)->titre(), "Un");  // the first into the window made at start
    EXPECT_EQ(fenetre(2)->titre(), "Deux");
    EXPECT_TRUE(contientTexte("absent.vrk introuvable !"));

    // A path with a blank, split by the shell into two arguments.
    cadre.reset();
    o.documents = {doc("mes"), doc("cours/un été.vrk")};
    o.cheminJoint = premier;
    TMainForm& g = demarreVisible(o);
    ASSERT_EQ(g.fenetres().size(), 1);
    EXPECT_EQ(fenetre(1)->titre(), "Un");

    // A list: window 1 stays empty.
    EcritListeDocuments(doc("liste.RKV"), {premier, second});
    cadre.reset();
    o.documents = {doc("liste.RKV")};
    o.cheminJoint.clear();
    TMainForm& h = demarreVisible(o);
    ASSERT_EQ(h.fenetres().size(), 3);
    EXPECT_EQ(fenetre(1)->titre(), "Fenêtre 1");
    EXPECT_EQ(fenetre(3)->titre(), "Deux");
}

// A menu file named on the command line: the menus of the windows it opens, even where
// their document names another menu file, and of the windows made next; the way back to
// the default menus stays. A file that is not a menu file, or is not there, is said once
// and the menus stay the default ones.
TEST_F(Documents, LaLigneDeCommandeDonneSonFichierDeMenusAuxFenetres)
{
    EcritOctetsEssai(doc("cours.vrk"), "VIRK 4.26\r\n\\Menus\\defaut.txt\r\n#Cours;10;10;300;300;f;clWhite;\r\n");
    QStringList toutCache;
    for (const ArticleMenu& a : TableMenuPrincipal())
        toutCache << QStringLiteral("-") + QString(a.profondeur * 2, QLatin1Char(' ')) + QString::fromUtf8(a.libelle);
    struct Cas {
        const char* nom;
        QByteArray contenu;  // empty: no file
        const char* message;  // empty: loaded, nothing said
    };
    const std::vector<Cas> cas{
        {"eleve.txt", EncodeLignes(toutCache, PolitiqueEncodage::RepliUtf8), ""},
        {"abime.txt", "+&Fichier\r\nFichier\r\n", "illisible"},
        {"absent.txt", "", "absent.txt introuvable, remplacé par defaut.txt"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        const QString menus = doc(c.nom);
        if (!c.contenu.isEmpty())
            EcritOctetsEssai(menus, c.contenu);
        cadre.reset();
        repondeur.textes.clear();
        OptionsCadre o = options();
        o.documents = {doc("cours.vrk"), menus};
        TMainForm& f = demarreVisible(o);
        f.Nouvellefentre1Click();
        ASSERT_EQ(f.fenetres().size(), 2);
        EXPECT_EQ(fenetre(1)->titre(), "Cours");
        const bool charge = *c.message == '\0';
        if (charge) {
            EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('|').toStdString();
        } else {
            ASSERT_EQ(repondeur.textes.size(), 1);
            EXPECT_TRUE(repondeur.textes[0].contains(c.message)) << repondeur.textes[0].toStdString();
        }
        for (TForm1* w : f.fenetres()) {
            EXPECT_EQ(w->action("Fichier1")->isVisible(), !charge) << w->titre().toStdString();
            for (const char* nom : {"Options1", "Menus1", "Charger1"})
                EXPECT_TRUE(w->action(nom)->isVisible() && w->action(nom)->isEnabled()) << nom;
        }
        if (charge) {
            EXPECT_EQ(fenetre(1)->FichierMenus, menus);
        }
        // The settings keep their own menu file until the configuration is saved.
        EXPECT_EQ(f.parametres().FichierMenus, "Menus\\defaut.txt");
    }
}

TEST_F(Documents, FenetresOuvertesAPorteeEtFermeesQuandChoisies)
{
    EcritOctetsEssai(doc("loin.vrk"), "VIRK 4.26\r\n#Loin;5000;5000;100000;100000;f;clYellow;\r\n%notes.txt;\r\n");
    EcritOctetsEssai(doc("max.vrk"), "VIRK 4.26\r\n\\Menus\\perso.txt\r\n#Grand;-4;-4;300;300;f;clWhite;\r\n");
    TMainForm& f = demarreVisible(options());
    dialogues.ouverture = {doc("loin.vrk"), doc("max.vrk")};
    f.FileOpenItemClick();
    TForm1* loin = fenetre(2);
    ASSERT_TRUE(loin);
    const QRect vue = f.zoneMdi()->viewport()->rect();
    const QRect cadreLoin = loin->cadreFenetre();
    EXPECT_TRUE(vue.contains(cadreLoin.topLeft())) << cadreLoin.x() << "," << cadreLoin.y();
    EXPECT_LE(loin->width(), TailleFenetreMax);
    EXPECT_LE(loin->height(), TailleFenetreMax);
    EXPECT_EQ(loin->couleurFond(), QColor(Qt::yellow));
    EXPECT_EQ(loin->Commentaire, "notes.txt");
    TForm1* grand = fenetre(3);
    EXPECT_TRUE(grand->estMaximisee());
    EXPECT_EQ(grand->FichierMenus, "Menus\\perso.txt");  // written back as it was
    EXPECT_TRUE(grand->EcrireFenetre().contains("\\Menus\\perso.txt"));

    // Closing asks each chosen window; "Non" keeps it.
    dialogues.numeros = {2, 3};
    repondeur.reponses = {QMessageBox::Yes, QMessageBox::No};
    f.FileCloseItemClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(repondeur.compte("Loin\rEtes-vous sûr(e) de vouloir fermer cette fenêtre ?"), 1);
    ASSERT_EQ(f.fenetres().size(), 2);
    EXPECT_EQ(fenetre(2), nullptr);
    EXPECT_NE(fenetre(3), nullptr);
    // Numbers never come back.
    EXPECT_EQ(f.Nouvellefentre1Click()->numero(), 4);
}

TEST_F(Documents, TransformationsPersonnellesRemplacentLeMenuAChaqueChargement)
{
    auto groupe = [](const QString& nom, const QString& code) {
        return QStringList{nom, "1", "0", "0", "1", "0", "0", code};
    };
    ASSERT_TRUE(EcritTransfosPerso(doc("trois.txt"), groupe("Rotation", "21") + groupe("Symétrie", "22")
                                                         + groupe("Homothétie", "23")));
    ASSERT_TRUE(EcritTransfosPerso(doc("une.txt"), groupe("Inversion", "24") + QStringList{"Coupée", "1"}));
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    auto libelles = [&f] {
        QStringList l;
        for (QAction* a : f.MenuTransfoPerso()->actions())
            l << a->text();
        return l;
    };

    // Nothing to save yet.
    un->action("Trperso1")->trigger();
    EXPECT_EQ(repondeur.compte("Aucune transformation personnelle définie"), 1);

    dialogues.transfos = doc("trois.txt");
    un->action("Transfoperso1")->trigger();
    EXPECT_EQ(libelles(), (QStringList{"Rotation", "Symétrie", "Homothétie"}));
    EXPECT_TRUE(f.MenuTransfoPerso()->menuAction()->isVisible());
    EXPECT_TRUE(f.menuBar()->actions().contains(f.MenuTransfoPerso()->menuAction()));

    // Loaded again from a file of one: one item, standing for that file's group; the
    // incomplete group is left out and said.
    repondeur.textes.clear();
    dialogues.transfos = doc("une.txt");
    un->action("Transfoperso1")->trigger();
    EXPECT_EQ(libelles(), QStringList{"Inversion"});
    EXPECT_EQ(f.ListeAuxiliaire, groupe("Inversion", "24"));
    ASSERT_EQ(repondeur.textes.size(), 1);
    EXPECT_TRUE(repondeur.textes[0].contains("incomplète")) << repondeur.textes[0].toStdString();

    // Saved, read back the same; a file that cannot be read, or gives no transformation,
    // changes nothing.
    dialogues.transfosEnregistrement = doc("copie.txt");
    un->action("Trperso1")->trigger();
    EXPECT_EQ(LitTransfosPerso(doc("copie.txt")).lignes, f.ListeAuxiliaire);
    EXPECT_FALSE(f.ChargeTransfosPerso(doc("absente.txt")));
    EcritOctetsEssai(doc("vide.txt"), QByteArray());
    repondeur.textes.clear();
    dialogues.transfos = doc("vide.txt");
    un->action("Transfoperso1")->trigger();
    EXPECT_EQ(libelles(), QStringList{"Inversion"});
    EXPECT_EQ(f.ListeAuxiliaire, groupe("Inversion", "24"));
    ASSERT_EQ(repondeur.textes.size(), 1);
    EXPECT_TRUE(repondeur.textes[0].startsWith("Aucune transformation personnelle")) << repondeur.textes[0].toStdString();

    // One kept from the parameter dialog joins the menu; its item applies it to the curves
    // designated in the active window.
    AjouteTransfoPerso("Opp", {"0", "0", "0", "0", "0", "0"}, 0);
    EXPECT_EQ(libelles(), (QStringList{"Inversion", "Opp"}));
    const PtrCourbe droite = AjouteY(un, "x", "d");
    QuandModal([](QWidget* w) {
        auto* liste = Enfant<QListWidget>(w, "ListBox1");
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, liste->visualItemRect(liste->item(0)).center());
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    f.MenuTransfoPerso()->actions().at(1)->trigger();
    ASSERT_EQ(un->Dessin().Nombre(), 2);
    EXPECT_EQ(un->Dessin().Courbes[1]->Libelle1, "Opp de d");
    EXPECT_EQ(un->Dessin().Courbes[1]->Mere1, droite->Identifiant);
}

TEST_F(Documents, ChaqueOperationSurUneCourbeEnregistreeEtRouverteTraceLesMemesPoints)
{
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    const PtrCourbe s = AjouteY(un, "sin(x)", "s");
    const PtrCourbe t = CreeCourbe(QLatin1Char('T'), un->numero(), nouveauNumero());
    t->GCCourbe::FixeLibelles("cos(t)", "sin(t)");
    t->NouvelIdentifiant();
    un->Dessin().AjouteCourbe(t);
    // Code, on the circle (else the sine), p1..p6, sub-kind.
    struct Cas { int code; bool cercle; std::array<QString, 6> p; int sousType = 0; };
    const Cas cas[] = {
        {8, false, {"0", "3", "-5", "5", "2", "0"}}, {9, false, {"1", "2", "1", "0", "0", "0"}},
        {10, false, {"3", "1", "0", "0", "0", "0"}}, {11, false, {"5", "0", "0", "0", "0", "0"}},
        {13, false, {"9", "0", "0", "0", "0", "0"}}, {14, true, {"0", "0", "0", "0", "0", "0"}},
        {15, true, {"0.5", "0", "0", "0", "0", "0"}}, {16, true, {"x+y", "x*y", "0", "0", "0", "0"}},
        {17, false, {"1", "0", "0", "0", "0", "0"}}, {26, true, {"1", "0", "60", "0", "0", "0"}},
        {33, true, {"0", "0", "0", "0", "0", "0"}}, {34, false, {"-5", "5", "64", "1", "2", "1"}},
        {38, false, {"0.5", "5", "0.5", "0", "0", "0"}}, {40, true, {"exp(z)", "0", "0", "0", "0", "0"}},
        {41, false, {"-1", "1", "0.25", "1", "1", ""}, 1}, {42, false, {"0", "0", "0", "0", "0", "0"}, 2},
        {43, false, {"1", "1", "0", "0", "0", "0"}}, {44, false, {"1", "0.3", "1", "0", "0", "0"}},
        {46, true, {"x^2", "0", "1", "0", "0", "0"}}, {48, false, {"1", "0", "0", "0", "0", "0"}},
        {53, false, {"0", "0", "0", "0", "0", "0"}}, {55, true, {"1", "0", "0", "0", "0", "0"}},
        {59, false, {"1", "0", "0", "0", "0", "0"}}, {62, false, {"0.7", "0.25", "0", "0", "0", "0"}},
    };
    QStringList derivees;
    for (const Cas& c : cas) {
        const PtrCourbe d = AjouteDerivee(un, (c.cercle ? t : s)->Identifiant, c.code, LettreOperation(c.code).toLatin1());
        auto& u = dynamic_cast<GCOperUnaire&>(*d);
        u.FixeParametres(c.p);
        u.SousType = c.sousType;
        u.FixeBornes(c.code == 38 ? "0.5" : "-5", "5", c.code == 38 ? "0.5" : "0.125");
        derivees << d->Identifiant;
    }
    un->PaintBox()->repaint();
    std::map<QString, std::vector<PointCourbe>> avant;
    for (const QString& id : derivees)
        EXPECT_FALSE((avant[id] = LitFichierPoints(f.CourbeParIdentifiant(id)->NomFichier()).points).empty()) << id.toStdString();
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('\n').toStdString();
    dialogues.enregistrement = doc("operations.vrk");
    ASSERT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);

    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("operations.vrk")};
    g.FileOpenItemClick();
    TForm1* lue = fenetre(2);
    ASSERT_TRUE(lue);
    lue->PaintBox()->repaint();
    for (const QString& id : derivees) {
        const PtrCourbe d = g.CourbeParIdentifiant(id);
        ASSERT_TRUE(d);
        EXPECT_EQ(LitFichierPoints(d->NomFichier()).points, avant[id]) << d->Libelle1.toStdString();
    }
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('\n').toStdString();

    // The mothers deleted: the message once (the window shows a text once while its cause
    // lasts), whatever the repaints, and nothing drawn.
    lue->Dessin().RetireCourbe(g.CourbeParIdentifiant(s->Identifiant)->Numero);
    lue->Dessin().RetireCourbe(g.CourbeParIdentifiant(t->Identifiant)->Numero);
    for (int k = 0; k < 3; ++k) {
        lue->PaintBox()->repaint();
        TraiteEvenements();
    }
    EXPECT_EQ(repondeur.textes, QStringList{"Tracé impossible, mère introuvable !"});
}

namespace {

void ToucheP(TForm1& f)
{
    QKeyEvent e(QEvent::KeyPress, Qt::Key_P, Qt::NoModifier, QStringLiteral("p"));
    QApplication::sendEvent(&f, &e);
    f.PaintBox()->repaint();
}

}  // namespace

TEST_F(Documents, PointSurCourbeRouvertGardeSesCoordonnees)
{
    TMainForm& f = demarreVisible(options());
    TForm1* un = f.fenetres().front();
    AjouteY(un, "x^2", "g");
    ChoixPremier choix;
    GardeValeur<ChoixTrace*> gardeChoix{etatGraphe().choixTrace, &choix};
    QuandModal([](QWidget* w) {
        Clique(Enfant<QCheckBox>(w, "cbTg"));
        Clique(Enfant<QPushButton>(w, "ButOK"));
    });
    un->action(QStringLiteral("Affilier1"))->trigger();
    ASSERT_EQ(un->Dessin().Nombre(), 3);
    const QString point = un->Dessin().Courbes[1]->Identifiant;
    etatSaisie().PasParametre[9] = 0.5;
    ToucheP(*un);
    ToucheP(*un);
    const auto legende = [this, &point] {
        const PtrCourbe c = cadre->CourbeParIdentifiant(point);
        return c ? OctetsDe(c->CheminFichier(".lgd")) : QByteArray();
    };
    const QByteArray avant = legende();
    ASSERT_TRUE(avant.contains("(1 ; 1)")) << avant.toStdString();
    dialogues.enregistrement = doc("point.vrk");
    ASSERT_EQ(f.FileSaveItemClick(), TMainForm::ResultatSauvegarde::Enregistre);

    // Opened again: the label where it was, and the p key moves it on.
    TMainForm& g = redemarre();
    dialogues.ouverture = {doc("point.vrk")};
    g.FileOpenItemClick();
    TForm1* lue = fenetre(2);
    ASSERT_TRUE(lue);
    ASSERT_EQ(lue->Dessin().Nombre(), 3);
    lue->PaintBox()->repaint();
    EXPECT_EQ(legende(), avant);
    etatSaisie().PasParametre[9] = 0.5;
    ToucheP(*lue);
    EXPECT_TRUE(legende().contains("(1.5 ; 2.25)")) << legende().toStdString();
    EXPECT_TRUE(repondeur.textes.isEmpty()) << repondeur.textes.join('\n').toStdString();
}

// A document that names files out of its folder, in a sandbox: the program's folder and the
// document's are side by side, so that "../dehors" climbs out of either. Read: a relative name
// never leaves the document's folder (nor the program's, where names are looked up again),
// through ".." or through a link; a data file named by an absolute path of this machine is
// read; the comment comes only from the document's folder. Written: a file named out of the
// document's folder and the working folder only when the user agrees, the full path shown.
TEST_F(Documents, DocumentHostileNeLitNiNEcritHorsDeSesDossiers)
{
    const QDir racine(programme.path());
    for (const char* d : {"prog", "doc", "dehors"})
        ASSERT_TRUE(racine.mkpath(d));
    const QDir dehors(racine.filePath("dehors")), dossier(racine.filePath("doc"));
    const QByteArray points = "1;1\r\n2;4\r\n";
    EcritOctetsEssai(dehors.filePath("points.txt"), points);
    EcritOctetsEssai(dehors.filePath("valeurs.txt"), "1\r\n2\r\n");
    EcritOctetsEssai(dehors.filePath("bornes.txt"), "-1\r\n0\r\n1\r\n");
    EcritOctetsEssai(dehors.filePath("menus.txt"), "-&Fichier\r\n");
    EcritOctetsEssai(dehors.filePath("secret.txt"), "SECRET\r\n");
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(dehors.filePath("image.png")));
    ASSERT_TRUE(QFile::link(dehors.filePath("points.txt"), dossier.filePath("lien.txt")));
    ASSERT_TRUE(QFile::link(dehors.filePath("secret.txt"), dossier.filePath("secret.txt")));

    const QString id = "/01/2026 10:00:00;", style = "v;f;clRed;0;1;0;f;v;", zero = "0;0;0;0;0;0;0;0;0;0;";
    const QString absolu = dehors.filePath("points.txt");
    const QStringList document = {
        "VIRK 4.26", "\\..\\dehors\\menus.txt", "#Hostile;10;10;400;500;v;", "../dehors/image.png;f;",
        // the mother of the histogram
        " ", "&Y;1" + id + "0;", "-5;5;0.5;f;0;", style, "x/5;;g;", zero,
        // lists: climbing out, through a link, by an absolute path, with its data embedded
        " ", "&L;2" + id, style, "../dehors/points.txt;;grimpe;", zero,
        " ", "&L;3" + id, style, "lien.txt;;lien;", zero,
        " ", "&L;4" + id, style, absolu + ";;absolu;", zero,
        " ", "&L;5" + id, style, "../x/../../dehors/bloc.txt;;bloc;", zero, "!2;", "7;7", "8;8",
        // imposed values, class bounds
        " ", "&Y;6" + id + "0;", "v;../dehors/valeurs.txt;f;0;", style, "x^2;;h;", zero,
        " ", "&U;7" + id + "41;-1;1;0;0;1;../dehors/bornes.txt;0;0;", "-5;5;0.125;f;0;", style, "Histogramme;;hi;",
        zero, "1" + id,
        " ", "%" + dehors.filePath("secret.txt") + ";"};
    ASSERT_TRUE(EcritFichierTexte(dossier.filePath("hostile.vrk"), document).ok);
    ASSERT_TRUE(EcritFichierTexte(dossier.filePath("lien.vrk"), {"VIRK 4.26", "%secret.txt;"}).ok);
    ASSERT_TRUE(EcritFichierTexte(dossier.filePath("grimpe.vrk"), {"VIRK 4.26", "%../dehors/secret.txt;"}).ok);

    OptionsCadre o = options();
    o.dossierProgramme = racine.filePath("prog");
    // Started from its own folder, where a relative name would land if taken as it stands.
    struct DossierCourant {
        const QString avant = QDir::currentPath();
        ~DossierCourant() { QDir::setCurrent(avant); }
    } courant;
    QDir::setCurrent(o.dossierProgramme);
    TMainForm& f = demarreVisible(o);
    // Any box that opens is noted and closed: none must (the comments viewer least of all).
    QStringList boites;
    QTimer veille;
    veille.setInterval(5);
    QObject::connect(&veille, &QTimer::timeout, [&boites] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            boites << d->windowTitle();
            d->reject();
        }
    });
    veille.start();
    dialogues.ouverture = {dossier.filePath("hostile.vrk"), dossier.filePath("lien.vrk"), dossier.filePath("grimpe.vrk")};
    f.FileOpenItemClick();
    TForm1* lue = fenetre(2);
    ASSERT_TRUE(lue);
    lue->PaintBox()->repaint();
    TraiteEvenements();
    EXPECT_EQ(boites, QStringList());
    EXPECT_EQ(repondeur.compte("Adresse incorrecte pour le fichier de commentaires."), 3);
    EXPECT_TRUE(contientTexte("Fichier de menus « ..\\dehors\\menus.txt » refusé"));
    EXPECT_TRUE(lue->ImageFond.isNull());

    // What each curve read.
    const auto lus = [&f](const char* numero) {
        const PtrCourbe c = f.CourbeParIdentifiant(QString::fromLatin1(numero) + "/01/2026 10:00:00");
        return c ? LitFichierPoints(c->NomFichier()).points.size() : std::size_t(99);
    };
    EXPECT_EQ(lus("2"), 0u) << "../ hors du dossier du document";
    EXPECT_EQ(lus("3"), 0u) << "lien vers l'extérieur";
    EXPECT_EQ(lus("4"), 2u) << "chemin absolu d'un fichier de données";
    EXPECT_EQ(lus("5"), 2u) << "données incluses";
    EXPECT_EQ(lus("6"), 0u) << "valeurs imposées hors du dossier";
    EXPECT_EQ(lus("7"), 0u) << "bornes hors du dossier";
    EXPECT_FALSE(dehors.exists("bloc.txt"));
    EXPECT_TRUE(QDir(dossierTravail()).exists("bloc.txt"));

    // Fichier > Commentaires offers a new text, not the file the document named.
    lue->action("Comment")->trigger();
    EXPECT_EQ(boites, QStringList{SansNom()});

    // Dragging a point of the list named by an absolute path: asked first, the full path
    // shown; "Non" leaves the file, "Oui" lets the drag write it.
    const PtrCourbe liste = f.CourbeParIdentifiant("4/01/2026 10:00:00");
    ASSERT_TRUE(liste);
    QWidget* boite = lue->PaintBox();
    const auto pixel = [lue](double x, double y) { return lue->Repere().MondeVersPixel(x, y); };
    const QString question = QStringLiteral("Le document désigne le fichier %1, hors de son dossier et du dossier de "
                                            "travail. Voulez-vous vraiment écrire dans ce fichier ?")
                                 .arg(QDir::toNativeSeparators(absolu));
    // Its form (Courbes > Modifier), confirmed: "Non" keeps the form open and the file as it was.
    veille.stop();
    bool resteOuverte = false;
    QuandModal([&resteOuverte](QWidget* w) {
        Clique(Enfant<QPushButton>(w, "ButOK"));
        resteOuverte = w->isVisible();
        Clique(Enfant<QPushButton>(w, "ButAnnul"));
    });
    repondeur.textes.clear();
    repondeur.reponses = {QMessageBox::No};
    EXPECT_FALSE(liste->Modifie(false));
    EXPECT_TRUE(resteOuverte);
    EXPECT_EQ(repondeur.textes, QStringList{question});
    EXPECT_EQ(OctetsDe(absolu), points);
    veille.start();

    repondeur.textes.clear();
    repondeur.reponses = {QMessageBox::No};
    QTest::mousePress(boite, Qt::LeftButton, Qt::ControlModifier, pixel(1, 1));
    QTest::mouseRelease(boite, Qt::LeftButton, Qt::ControlModifier, pixel(1, 1));
    EXPECT_EQ(repondeur.textes, QStringList{question});
    EXPECT_NE(lue->ModeSouris, SourisPointEdite);
    EXPECT_EQ(OctetsDe(absolu), points);

    repondeur.textes.clear();
    repondeur.reponses = {QMessageBox::Yes};
    QTest::mousePress(boite, Qt::LeftButton, Qt::ControlModifier, pixel(1, 1));
    QTest::mouseRelease(boite, Qt::LeftButton, Qt::ControlModifier, pixel(1, 1));
    ASSERT_EQ(lue->ModeSouris, SourisPointEdite);
    QTest::mouseMove(boite, pixel(1, 1));
    QTest::mousePress(boite, Qt::LeftButton, {}, pixel(1, 1));
    QTest::mouseMove(boite, pixel(3, 3));
    QTest::mouseRelease(boite, Qt::LeftButton, {}, pixel(3, 3));
    QTest::mouseMove(boite, pixel(-4, -4));
    // The end of the edit asks whether to keep it: yes.
    veille.stop();
    RepondBoite(QMessageBox::Yes);
    QTest::mouseClick(boite, Qt::LeftButton, {}, pixel(-4, -4));
    EXPECT_EQ(repondeur.textes, QStringList{question});
    EXPECT_NE(OctetsDe(absolu), points);
    EXPECT_TRUE(OctetsDe(absolu).endsWith("2;4\r\n"));
    EXPECT_EQ(boites, QStringList{SansNom()});
}
