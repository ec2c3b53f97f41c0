// The document file: round trips of every record kind through real files, the tolerance of
// the reader (empty, cut, binary, malformed files, very long lines), shared records of one
// opening, embedded data files, failed saves, and the personal-transformations file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/document/GCDocument.h"
#include "graph/document/document.h"
#include "graph/document_exemple.h"
#include "etat_essai.h"
#include "interlocuteur_essai.h"

// Readable failures.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// A window's document without the window, of a 600 x 400 paint box.
struct DocumentEssai : GCDocument {
    explicit DocumentEssai(int numero = 1) : GCDocument(numero, 600, 400) {}
};

QByteArray Octets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void EcritOctetsTest(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets);
}

class Documents : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dossier_.isValid()); }
    QString chemin(const QString& nom) const { return dossier_.filePath(nom); }

    // A new session: nothing of the previous model is left in the program-wide state.
    void nouvelleSession() { reinitialiseGraphe(); }

    // Every record kind, with values away from their defaults.
    void remplit(DocumentEssai& m) { RemplitDocumentExemple(m.Modele(), dossier_.path()); }

    // Reads a file into a fresh model.
    RapportLecture lit(const QString& fichier, DocumentEssai& m, LiensEnAttente& liens)
    {
        ModeleDocument d = m.Modele();
        return LitDocument(fichier, d, liens);
    }
    RapportLecture litOctets(const QByteArray& octets, DocumentEssai& m)
    {
        EcritOctetsTest(chemin("essai.vrk"), octets);
        LiensEnAttente liens;
        return lit(chemin("essai.vrk"), m, liens);
    }

    EtatNeuf<reinitialiseGraphe> etat_;
    InterlocuteurEssai inter;
    GardeValeur<Interlocuteur*> gardeInter_{etatGraphe().interlocuteur, &inter};
    QTemporaryDir dossier_;
};

// ---------------------------------------------------------------------------------------

TEST_F(Documents, AllerRetourDeChaqueEnregistrementOctetPourOctet)
{
    QStringList premieres;
    {
        DocumentEssai m;
        remplit(m);
        premieres = EcrireFenetre(m.Modele());
        const RapportEcriture e = EnregistreDocument(chemin("a.vrk"), m.Modele());
        ASSERT_TRUE(e.ok) << e.erreur.toStdString();
        EXPECT_FALSE(e.utf8);
        EXPECT_FALSE(e.donneesManquantes);
    }
    EXPECT_EQ(premieres.first(), QStringLiteral("VIRK 4.26"));
    EXPECT_TRUE(premieres.contains(QStringLiteral("#TP 3, fonctions été;12;8;400;520;f;$00C8F0FA;")));
    EXPECT_TRUE(premieres.contains(QStringLiteral("£vitesse;2*pi;-1;10;0.5;K;")));
    EXPECT_TRUE(premieres.contains(QStringLiteral("£masse;vitesse+1;-5;5;0.1; ;")));
    EXPECT_TRUE(premieres.contains(QStringLiteral("[12;7;3E-9;3;-4;")));
    EXPECT_EQ(premieres.last(), QStringLiteral("%commentaire.txt;"));
    // Windows-1252 on disk: the record marks are single bytes, lines end with CR LF.
    const QByteArray octets = Octets(chemin("a.vrk"));
    EXPECT_TRUE(octets.contains("\r\n\xA3vitesse;"));
    EXPECT_TRUE(octets.contains("\r\n\xA7"));
    EXPECT_TRUE(octets.contains("Aire \xE9 \x9C \x80"));

    nouvelleSession();
    DocumentEssai m;
    LiensEnAttente liens;
    const RapportLecture r = lit(chemin("a.vrk"), m, liens);
    EXPECT_TRUE(r.ok()) << r.problemes.join('\n').toStdString();
    EXPECT_EQ(inter.messages, QStringList());
    EXPECT_EQ(EcrireFenetre(m.Modele()), premieres);
    ASSERT_TRUE(EnregistreDocument(chemin("b.vrk"), m.Modele()).ok);
    EXPECT_EQ(Octets(chemin("b.vrk")), octets);

    // What the window applies afterwards.
    EXPECT_EQ(m.Fenetre.Titre, QStringLiteral("TP 3, fonctions été"));
    EXPECT_EQ(m.Fenetre.ModeFond, 2);      // the areas' rendering
    EXPECT_FALSE(m.Dessin.Visible);        // until the opener has resolved the links
    EXPECT_EQ(m.FonctionsAux[3], QStringLiteral("fn1(x)+1"));
    EXPECT_EQ(m.Dessin.Nombre(), 5);
    EXPECT_EQ(m.Textes.Nombre(), 2);
    EXPECT_EQ(m.Aires.Nombre(), 1);
    EXPECT_EQ(liens.LiensDerivees.size(), 6);
    EXPECT_EQ(parametresPersonnels().ListesLettres['K' - 'A'], std::vector<int>{0});
    EXPECT_DOUBLE_EQ(contexteCalcul().Epsilon, 3e-9);

    // A window with nothing in it goes round as well.
    nouvelleSession();
    DocumentEssai vide, relu;
    const QStringList lignesVide = EcrireFenetre(vide.Modele());
    ModeleDocument d = relu.Modele();
    EXPECT_TRUE(LitLignesDocument(lignesVide, d, liens, dossier_.path()).ok());
    EXPECT_EQ(EcrireFenetre(relu.Modele()), lignesVide);
}

TEST_F(Documents, EntetesDeFenetreParametresEtFonctionsAuxiliaires)
{
    std::string message;
    AjouteParametrePerso(GCParamPerso("vitesse", "3"), message);
    DocumentEssai m;
    const RapportLecture r = litOctets("VIRK 4.26\r\n"
                                       "\xA3vitesse;99;0;1;1;K;\r\n"   // known: keeps its value
                                       "\xA3libre;1;;;;;\r\n"
                                       "#Maxi;-4;-4;300;200;f;clAqua;\r\n"
                                       ">F0=x+\r\n>F12=x\r\n>F2=2*x\r\n"
                                       " \r\n%un; deux;\r\n",
                                       m);
    EXPECT_EQ(parametresPersonnels().ParametresPerso[0]->Valeur(), "3");
    const GCParamPerso& libre = *parametresPersonnels().ParametresPerso[1];
    EXPECT_EQ(libre.Minimum, "-5");
    EXPECT_EQ(libre.Touche(), 0);
    EXPECT_TRUE(m.Fenetre.Maximisee);
    m.Fenetre.Gauche = 5;   // maximised: written with negative left and top all the same
    EXPECT_TRUE(EcrireFenetre(m.Modele()).contains(QStringLiteral("#Maxi;-4;-4;300;200;f;clAqua;")));
    EXPECT_EQ(m.Fenetre.CouleurFond, 0xFFFF00u);
    EXPECT_EQ(m.FonctionsAux[0], QStringLiteral("0"));
    EXPECT_EQ(m.FonctionsAux[2], QStringLiteral("2*x"));
    EXPECT_EQ(m.Fenetre.Commentaire, QStringLiteral("un"));
    ASSERT_EQ(r.problemes.size(), 1);
    EXPECT_EQ(r.problemes[0], QStringLiteral("Ligne 5 : La fonction auxiliaire f0 n'a pas pu être compilée!"));
}

TEST_F(Documents, ImageDeFondAbsenteOuTrouveeACoteDuDocument)
{
    // Missing: reported once, kept in the document, and the reading goes on.
    const QByteArray debut = "VIRK 4.26\r\n#T;0;0;300;300;v;\r\nC:\\images\\fond.jpg;v;\r\n";
    DocumentEssai m;
    RapportLecture r = litOctets(debut + "&Y;1 01/01/2026 10:00:00;0;\r\n-5;5;0.1;f;0;\r\nv;f;clRed;0;1;0;f;t;\r\n"
                                         "x;;fn1;\r\n;;;;;;;;;;\r\n@A5 01/01/2026 10:00:00;a;clYellow;0;8;0;1;\r\nx>0\r\n"
                                         ";;;;;;;;;;v;\r\n",
                                 m);
    EXPECT_EQ(m.Dessin.Nombre(), 1);
    EXPECT_EQ(m.Aires.Nombre(), 1);
    EXPECT_EQ(m.Fenetre.ModeFond, 2);
    EXPECT_TRUE(m.Fenetre.ImageFond.isNull());
    EXPECT_EQ(r.problemes, QStringList{QStringLiteral("Ligne 3 : Image introuvable : C:\\images\\fond.jpg")});
    EXPECT_EQ(inter.messages.size(), 1);
    const QStringList lignes = EcrireFenetre(m.Modele());
    EXPECT_TRUE(lignes.contains(QStringLiteral("#T;0;0;300;300;v;")));
    EXPECT_TRUE(lignes.contains(QStringLiteral("C:\\images\\fond.jpg;v;")));

    // The same Windows path finds the picture of that name beside the document.
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(chemin("fond.jpg"), "PNG"));
    DocumentEssai m2;
    r = litOctets(debut, m2);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(m2.Fenetre.ImageFond.size(), QSize(8, 6));
    EXPECT_TRUE(m2.Fenetre.EtireImage);
    EXPECT_EQ(m2.Fenetre.ModeFond, 1);
    // A picture whose name begins as a record does: its line is still the picture line.
    ASSERT_TRUE(image.save(chemin("#fond.png"), "PNG"));
    DocumentEssai m5;
    EXPECT_TRUE(litOctets("VIRK 4.26\r\n#T;0;0;300;300;v;\r\n#fond.png;f;\r\n", m5).ok());
    EXPECT_EQ(m5.Fenetre.ImageFond.size(), QSize(8, 6));

    // A menu file stored with "\" is found under the program's folder.
    QDir(dossier_.path()).mkpath("prog/Menus");
    EcritOctetsTest(chemin("prog/Menus/perso.txt"), "x\r\n");
    etatGraphe().DossierProgramme = chemin("prog");
    DocumentEssai m3;
    litOctets("VIRK 4.26\r\n\\Menus\\perso.txt\r\n", m3);
    EXPECT_EQ(m3.Fenetre.FichierMenus, QStringLiteral("Menus\\perso.txt"));
    EXPECT_EQ(m3.Fenetre.CheminMenus, QDir::cleanPath(chemin("prog/Menus/perso.txt")));

    // The files of curves stored as paths of another machine, found beside the document:
    // imposed values (traced from there) and the data of a list (embedded from there); the
    // stored texts are written back as they were.
    EcritOctetsTest(chemin("valeurs.txt"), "1\r\n2\r\n");
    EcritOctetsTest(chemin("mesures.txt"), "0;1\r\n1;2\r\n");
    DocumentEssai m4;
    r = litOctets("VIRK 4.26\r\n&Y;1 01/01/2026 10:00:00;0;\r\nv;C:\\tp\\valeurs.txt;f;0;\r\n"
                  "v;f;clRed;0;1;0;f;t;\r\nx;;imposee;\r\n;;;;;;;;;;\r\n"
                  "&L;2 01/01/2026 10:00:00;0;2;\r\naucun\r\naucun\r\nv;f;clRed;0;1;0;f;t;\r\n"
                  "C:\\tp\\mesures.txt;;c;\r\n;;;;;;;;;;\r\n",
                  m4);
    EXPECT_TRUE(r.ok()) << r.problemes.join('\n').toStdString();
    ASSERT_EQ(m4.Dessin.Nombre(), 2);
    auto y = std::dynamic_pointer_cast<GCY>(m4.Dessin.Courbes[0]);
    ASSERT_TRUE(y);
    EXPECT_EQ(QFileInfo(y->CheminValeurs).canonicalFilePath(), QFileInfo(chemin("valeurs.txt")).canonicalFilePath());
    inter.messages.clear();
    QImage trace(600, 400, QImage::Format_RGB32);
    QPainter peintre(&trace);
    y->Trace(peintre, m4.Repere);
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('\n').toStdString();
    const QString ecrit = EcrireFenetre(m4.Modele()).join('\n');
    EXPECT_TRUE(ecrit.contains(QStringLiteral("v;C:\\tp\\valeurs.txt;f;0;"))) << ecrit.toStdString();
    EXPECT_TRUE(ecrit.contains(QStringLiteral("C:\\tp\\mesures.txt;;c;\n")));
    EXPECT_TRUE(ecrit.contains(QStringLiteral("!2;\n0;1\n1;2"))) << ecrit.toStdString();
}

TEST_F(Documents, MauvaisesEntreesSignaleesSansPlanterNiBoucler)
{
    struct Cas {
        QByteArray octets;
        QString attendu;   // part of the one message
    };
    QByteArray binaire;
    for (int i = 0; i < 4000; ++i)
        binaire.append(char((i * 7919) % 256));
    const QList<Cas> cas = {
        {"", "Le fichier est vide."},
        {binaire, "essai.vrk"},
        {"VIRK 4.26\r\nZut;1;\r\n", "Ligne 2 : enregistrement de type « Z » inconnu"},
        {"[10;5;1/0;1;1;\r\n", "Ligne 1 : réglages illisibles"},
        {"[10;1000000000;-1;5000;1;\r\n", "décimales « 1000000000 »"},
        {"#T;abc;0;400;400;f;clWhite;\r\n&Y;1 01/01/2026 10:00:00;0;\r\n", "Ligne 1 : fenêtre : valeurs illisibles"},
        {"&\r\n@\r\n\xA3;\r\n>F\r\n>F0\r\n!999999999;\r\n", "Ligne 1"},
        {"&K;1/1;\r\n", "n'est pas connu"},
        {"&Y;1 01/01/2026 10:00:00;0;\r\n-5;5;", "n'a été lu qu'en partie"},
    };
    for (const Cas& c : cas) {
        inter.messages.clear();
        nouvelleSession();
        DocumentEssai m;
        const RapportLecture r = litOctets(c.octets, m);
        EXPECT_FALSE(r.ok());
        ASSERT_EQ(inter.messages.size(), 1) << c.attendu.toStdString();
        EXPECT_TRUE(inter.messages[0].contains(c.attendu)) << inter.messages[0].toStdString();
        EXPECT_TRUE(inter.messages[0].contains(QStringLiteral("essai.vrk")) || c.octets.isEmpty());
    }
    EXPECT_EQ(contexteCalcul().DecimalesReels, 5);   // out of bounds: unchanged
    EXPECT_GT(contexteCalcul().Epsilon, 0);

    // A missing file says so and changes nothing.
    inter.messages.clear();
    DocumentEssai m;
    LiensEnAttente liens;
    EXPECT_FALSE(lit(chemin("absent.vrk"), m, liens).ouvert);
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].startsWith(QStringLiteral("Fichier ")) && inter.messages[0].endsWith(" introuvable !"));

    // A complete document cut after every line: what comes before the cut stays, one
    // message at most, never a crash.
    QStringList complet;
    {
        DocumentEssai source;
        remplit(source);
        complet = EcrireFenetre(source.Modele());
    }
    int courbes = 0;
    for (int n = 1; n < complet.size(); ++n) {
        nouvelleSession();
        inter.messages.clear();
        DocumentEssai coupe;
        LiensEnAttente l;
        ModeleDocument d = coupe.Modele();
        const RapportLecture r = LitLignesDocument(complet.mid(0, n), d, l, dossier_.path());
        EXPECT_TRUE(r.ouvert);
        EXPECT_EQ(inter.messages.size(), 0) << n;  // the caller shows the report
        EXPECT_GE(coupe.Dessin.Nombre(), courbes) << n;
        courbes = coupe.Dessin.Nombre();
    }
    EXPECT_EQ(courbes, 5);
}

TEST_F(Documents, UnLongDocumentSArreteEntreDeuxEnregistrementsQuandSonSuiviLeDemande)
{
    QStringList lignes;
    {
        DocumentEssai source;
        for (int i = 0; i < 300; ++i) {
            auto c = std::make_shared<GCY>(QLatin1Char('Y'), 1, nouveauNumero());
            c->FixeLibelles(QStringLiteral("x+%1").arg(i), QString());
            source.Dessin.AjouteCourbe(c);
        }
        lignes = EcrireFenetre(source.Modele());
    }
    // Asked now and then with the lines read; the answer "stop" ends the reading between
    // two records: the curves before the stop are whole, none after.
    struct Suivi : SuiviCalcul {
        bool continuer(int faites, int total) override
        {
            EXPECT_EQ(total, totalAttendu);
            EXPECT_GT(faites, derniere);
            derniere = faites;
            return ++questions < arretALaQuestion;
        }
        int totalAttendu = 0, derniere = -1, questions = 0, arretALaQuestion = 0;
    };
    for (int arret : {0, 3}) {
        nouvelleSession();
        Suivi suivi;
        suivi.totalAttendu = int(lignes.size());
        suivi.arretALaQuestion = arret ? arret : 1000;
        GardeValeur<SuiviCalcul*> garde(etatGraphe().suivi, &suivi);
        DocumentEssai m;
        LiensEnAttente liens;
        ModeleDocument d = m.Modele();
        const RapportLecture r = LitLignesDocument(lignes, d, liens, dossier_.path());
        if (!arret) {
            EXPECT_TRUE(r.ok());
            EXPECT_EQ(m.Dessin.Nombre(), 300);
            EXPECT_LE(suivi.questions, 10);   // not at every record
            continue;
        }
        EXPECT_EQ(suivi.questions, 3);
        EXPECT_FALSE(r.complet);
        ASSERT_EQ(r.problemes.size(), 1);
        EXPECT_EQ(r.problemes[0], QStringLiteral("Ligne %1 : lecture interrompue à la demande de l'utilisateur.").arg(r.ligneArret));
        ASSERT_GT(m.Dessin.Nombre(), 0);
        EXPECT_LT(m.Dessin.Nombre(), 300);
        EXPECT_EQ(liens.LiensDerivees.size(), m.Dessin.Nombre());
        for (int i = 0; i < m.Dessin.Nombre(); ++i)
            EXPECT_EQ(m.Dessin.Courbes[std::size_t(i)]->Libelle1, QStringLiteral("x+%1").arg(i));
    }
}

TEST_F(Documents, EnregistrementsPartagesEntreDeuxDocumentsDUneOuverture)
{
    // Window 2 has its own list curve D (autre.txt) before the list curve C shared with
    // window 1 (pts.txt), and shares window 1's area too.
    const QByteArray c = "&L;7 01/01/2026 10:00:00;0;2;\r\naucun\r\naucun\r\nv;f;clRed;0;1;0;f;t;\r\n"
                         "C:\\tp\\pts.txt;;c;\r\n;;;;;;;;;;\r\n!2;\r\n1;1\r\n2;4\r\n";
    const QByteArray d = "&L;8 01/01/2026 10:00:00;0;2;\r\naucun\r\naucun\r\nv;f;clRed;0;1;0;f;t;\r\n"
                         "C:\\tp\\autre.txt;;d;\r\n;;;;;;;;;;\r\n!1;\r\n5;5\r\n";
    const QByteArray aire = "@A9 01/01/2026 10:00:00;a;clYellow;0;8;0;1;\r\nx>0\r\n;;;;;;;;;;v;\r\n";
    EcritOctetsTest(chemin("un.vrk"), "VIRK 4.26\r\n \r\n" + c + aire);
    EcritOctetsTest(chemin("deux.vrk"), "VIRK 4.26\r\n \r\n" + d + " \r\n" + c + aire + "%fin;\r\n");
    LiensEnAttente liens;
    DocumentEssai un(1), deux(2);
    EXPECT_TRUE(lit(chemin("un.vrk"), un, liens).ok());
    const RapportLecture r = lit(chemin("deux.vrk"), deux, liens);
    EXPECT_TRUE(r.ok()) << r.problemes.join('\n').toStdString();
    EXPECT_EQ(liens.LiensCourbes, QStringList{QStringLiteral("2;7 01/01/2026 10:00:00")});
    EXPECT_EQ(liens.LiensAires, QStringList{QStringLiteral("2;9 01/01/2026 10:00:00")});
    EXPECT_EQ(deux.Dessin.Nombre(), 1);
    EXPECT_EQ(deux.Fenetre.Commentaire, QStringLiteral("fin"));
    const QString copieD = CheminCopieTravail(QStringLiteral("autre.txt"));
    EXPECT_EQ(LitFichierTexte(copieD).lignes, QStringList{QStringLiteral("5;5")});

    // A curve refused by the name check leaves no identifier behind (a later document
    // repeating it must not find a curve that was never added).
    const QByteArray y = "&Y;%1 01/01/2026 10:00:00;0;\r\n-5;5;0.1;f;0;\r\nv;f;clRed;0;1;0;f;t;\r\nx;;fn1;\r\n;;;;;;;;;;\r\n";
    EcritOctetsTest(chemin("trois.vrk"), QByteArray(y).replace("%1", "20") + QByteArray(y).replace("%1", "21") + aire);
    DocumentEssai trois(3);
    const RapportLecture arret = lit(chemin("trois.vrk"), trois, liens);
    EXPECT_FALSE(arret.complet);
    EXPECT_EQ(arret.ligneArret, 6);
    EXPECT_TRUE(inter.messages.last().contains(QStringLiteral("Il existe déjà une courbe appelée :fn1")));
    EXPECT_TRUE(liens.LiensDerivees.contains(QStringLiteral("20 01/01/2026 10:00:00")));
    EXPECT_FALSE(liens.LiensDerivees.contains(QStringLiteral("21 01/01/2026 10:00:00")));

    // The check is exact: "f" and "F" both load, with what follows them.
    QByteArray deuxNoms = QByteArray(y).replace("%1", "30").replace("fn1", "f") +
                          QByteArray(y).replace("%1", "31").replace("fn1", "F") + "%notes.txt;\r\n";
    EcritOctetsTest(chemin("quatre.vrk"), deuxNoms);
    DocumentEssai quatre(4);
    EXPECT_TRUE(lit(chemin("quatre.vrk"), quatre, liens).ok());
    EXPECT_EQ(quatre.Dessin.Nombre(), 2);
    EXPECT_EQ(quatre.Fenetre.Commentaire, QStringLiteral("notes.txt"));

    // A formula of a megabyte is read whole, with the name that follows it.
    const QByteArray formule = "x+" + QByteArray(1024 * 1024, '0');
    EcritOctetsTest(chemin("cinq.vrk"), QByteArray(y).replace("%1", "40").replace("x;;fn1;", formule + ";;long;"));
    DocumentEssai cinq(5);
    EXPECT_TRUE(lit(chemin("cinq.vrk"), cinq, liens).ok());
    ASSERT_EQ(cinq.Dessin.Nombre(), 1);
    EXPECT_EQ(cinq.Dessin.Courbes[0]->Nom, QStringLiteral("long"));
    EXPECT_EQ(cinq.Dessin.Courbes[0]->Libelle1.size(), formule.size());
}

TEST_F(Documents, DonneesInclusesRestentDansLeDossierDeTravailEtNeSEcrasentPas)
{
    const QByteArray modele = "&L;%1 01/01/2026 10:00:00;0;2;\r\naucun\r\naucun\r\nv;f;clRed;0;1;0;f;t;\r\n"
                              "%2;;c;\r\n;;;;;;;;;;\r\n!1;\r\n%3\r\n";
    auto doc = [&](const char* n, const char* libelle, const char* donnee) {
        return QByteArray(modele).replace("%1", n).replace("%2", libelle).replace("%3", donnee);
    };
    DocumentEssai a, b, c;
    EXPECT_TRUE(litOctets(doc("1", "C:\\TP1\\mesures.txt", "1;1"), a).ok());
    EXPECT_TRUE(litOctets(doc("2", "C:\\TP2\\mesures.txt", "2;2"), b).ok());
    EXPECT_TRUE(litOctets(doc("3", "../../../../../../../tmp/.bashrc", "3;3"), c).ok());
    const QString copieA = CheminCopieTravail(QStringLiteral("mesures.txt"));
    EXPECT_EQ(LitFichierTexte(copieA).lignes, QStringList{"1;1"});
    EXPECT_EQ(a.Dessin.Courbes[0]->Libelle1, QStringLiteral("C:\\TP1\\mesures.txt"));
    EXPECT_EQ(a.Dessin.Courbes[0]->CopieDonnees, copieA);
    // The second curve reads its own copy, keeps the path its document stores, and its
    // document carries its own data.
    const PtrCourbe courbeB = b.Dessin.Courbes[0];
    EXPECT_EQ(courbeB->Libelle1, QStringLiteral("C:\\TP2\\mesures.txt"));
    EXPECT_EQ(QFileInfo(courbeB->CopieDonnees).fileName(), QStringLiteral("mesures~2.txt"));
    EXPECT_EQ(FichierDonnees(*courbeB), courbeB->CopieDonnees);
    EXPECT_EQ(LitFichierTexte(courbeB->CopieDonnees).lignes, QStringList{"2;2"});
    const QString ecritB = EcrireFenetre(b.Modele()).join('\n');
    EXPECT_TRUE(ecritB.contains(QStringLiteral("C:\\TP2\\mesures.txt;;c;\n"))) << ecritB.toStdString();
    EXPECT_TRUE(ecritB.contains(QStringLiteral("!1;\n2;2")));
    // Both curves in one window (a paste): each still carries its own data.
    DocumentEssai ensemble;
    ensemble.Dessin.AjouteCourbe(a.Dessin.Courbes[0]);
    ensemble.Dessin.AjouteCourbe(courbeB);
    const QString deux = EcrireFenetre(ensemble.Modele()).join('\n');
    EXPECT_TRUE(deux.contains(QStringLiteral("!1;\n1;1")) && deux.contains(QStringLiteral("!1;\n2;2"))) << deux.toStdString();
    ensemble.Dessin.VideCourbes();
    EXPECT_EQ(QFileInfo(CheminCopieTravail(QStringLiteral(".bashrc"))).absolutePath(),
              QFileInfo(dossierTravail()).absoluteFilePath());
    EXPECT_FALSE(QFile::exists(QStringLiteral("/tmp/.bashrc")) && Octets("/tmp/.bashrc") == "3;3\r\n");

    // One document: a curve of C:\TP2 written without a block after the one that carried
    // its file reads that copy, not the copy of C:\TP1 of the same name, and goes round the
    // same; a curve whose file came in no block reads nothing rather than another's copy.
    DocumentEssai d;
    EXPECT_TRUE(litOctets(doc("4", "C:\\TP1\\mesures.txt", "4;4") + doc("5", "C:\\TP2\\mesures.txt", "5;5")
                              + doc("6", "C:\\TP2\\mesures.txt", "").replace("!1;\r\n\r\n", "")
                              + doc("7", "C:\\TP3\\mesures.txt", "").replace("!1;\r\n\r\n", ""),
                          d)
                    .ok());
    ASSERT_EQ(d.Dessin.Nombre(), 4);
    EXPECT_EQ(LitFichierTexte(FichierDonnees(*d.Dessin.Courbes[2])).lignes, QStringList{"5;5"});
    EXPECT_EQ(FichierDonnees(*d.Dessin.Courbes[3]), QString());
    const QStringList lignesD = EcrireFenetre(d.Modele());
    EXPECT_EQ(lignesD.count(QStringLiteral("!1;")), 2);
    nouvelleSession();
    DocumentEssai relu;
    ModeleDocument r = relu.Modele();
    LiensEnAttente liens;
    LitLignesDocument(lignesD, r, liens, dossier_.path());
    EXPECT_EQ(EcrireFenetre(relu.Modele()), lignesD);
}

TEST_F(Documents, EnregistrementQuiEchoueGardeLAncienFichier)
{
    DocumentEssai m;
    m.Fenetre.Titre = QStringLiteral("nouveau");
    const QString cible = chemin("cours.vrk");
    EcritOctetsTest(cible, "ancien\r\n");

    // The disk refuses the bytes (as a full disk would).
    rlimit ancienne{};
    getrlimit(RLIMIT_FSIZE, &ancienne);
    const auto signal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit petite = ancienne;
    petite.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &petite);
    const RapportEcriture e = EnregistreDocument(cible, m.Modele());
    setrlimit(RLIMIT_FSIZE, &ancienne);
    std::signal(SIGXFSZ, signal);

    EXPECT_FALSE(e.ok);
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].startsWith(QStringLiteral("Impossible d'enregistrer ") + cible));
    EXPECT_EQ(Octets(cible), QByteArray("ancien\r\n"));

    // A folder that cannot be written (root writes anywhere: checked for other users).
    if (geteuid() != 0) {
        QFile::setPermissions(dossier_.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(EnregistreDocument(cible, m.Modele()).ok);
        QFile::setPermissions(dossier_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_EQ(Octets(cible), QByteArray("ancien\r\n"));
    }
}

TEST_F(Documents, TransformationsPersonnelles)
{
    const QStringList bonne = {"Rotation", "0", "0", "pi/4", "0", "0", "0", "21"};
    QStringList fichier = bonne;
    fichier << QStringList{"Mauvaise", "1", "2", "3", "4", "5", "6", "63"};
    fichier << QStringList{"Texte", "1", "2", "3", "4", "5", "6", "abc"};
    fichier << QStringList{"Coupée", "1", "2"};
    ASSERT_TRUE(EcritTransfosPerso(chemin("transfos.txt"), fichier));
    const LectureTransfos l = LitTransfosPerso(chemin("transfos.txt"));
    ASSERT_TRUE(l.ok);
    EXPECT_EQ(l.lignes, bonne);
    EXPECT_EQ(l.nombre(), 1);
    EXPECT_EQ(l.nom(0), QStringLiteral("Rotation"));
    ASSERT_EQ(l.problemes.size(), 3);
    EXPECT_TRUE(l.problemes[2].startsWith(QStringLiteral("Lignes 25 à 27 : transformation incomplète")));

    // Written back, read back the same; a file that is not there says so.
    ASSERT_TRUE(EcritTransfosPerso(chemin("copie.txt"), l.lignes));
    EXPECT_EQ(LitTransfosPerso(chemin("copie.txt")).lignes, bonne);
    const LectureTransfos absent = LitTransfosPerso(chemin("nulle.txt"));
    EXPECT_FALSE(absent.ok);
    EXPECT_FALSE(absent.erreur.isEmpty());
}

}  // namespace
