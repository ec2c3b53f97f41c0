// Menu customisation: menu files loaded and saved (each item keeps its own mark), malformed
// files and paths that documents may not name refused, the customisation dialog, and the
// way back to the default menus that no file can hide.
#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <sys/stat.h>

#include "dialogs/pilote_saisie.h"
#include "graph/fichiers/fichiertexte.h"
#include "outils_fenetre.h"

namespace {

class MenusPersoTest : public FenetreTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(programme.isValid() && documents.isValid());
        etatGraphe().DossierProgramme = programme.path();
        QDir().mkpath(programme.filePath("Menus"));
    }
    // The lines of the built-in menus with some of them changed (index -> line).
    static QStringList Lignes(const TForm1& f, const QMap<int, QString>& changees)
    {
        QStringList l = f.LignesMenus();
        for (auto it = changees.begin(); it != changees.end(); ++it)
            l[it.key()] = it.value();
        return l;
    }
    static int Indice(const char* nom)
    {
        const auto& t = TableMenuPrincipal();
        for (std::size_t i = 0; i < t.size(); ++i)
            if (qstrcmp(t[i].nom, nom) == 0)
                return int(i);
        return -1;
    }
    QTemporaryDir programme, documents;
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

}  // namespace

// Loading files of every shape: what is shown, enabled and written back.
TEST_F(MenusPersoTest, FichiersDeMenusMontrentCachentEtSeRelisentOuSontRefusesEntiers)
{
    const int actions = Indice("Actions1"), primitive = Indice("Primitive1"), couper = Indice("Couper1");
    struct Cas {
        const char* nom;
        std::function<QByteArray(const TForm1&)> contenu;
        bool charge;
        std::function<void(TForm1&)> verifie;
    };
    const QList<Cas> cas = {
        {"a hidden menu keeps its sub-item's own mark; neither can run",
         [&](const TForm1& f) {
             return EncodeLignes(Lignes(f, {{actions, "-&Actions"}, {primitive, "+  &Primitive"}}),
                                 PolitiqueEncodage::RepliUtf8);
         },
         true,
         [&](TForm1& f) {
             EXPECT_FALSE(f.action("Actions1")->isVisible());
             EXPECT_TRUE(f.action("Primitive1")->isVisible());
             EXPECT_FALSE(f.action("Primitive1")->isEnabled());
             EXPECT_TRUE(f.action("Fermer1")->isVisible() && f.action("Fermer1")->isEnabled());
         }},
        {"a renamed, hidden item; a short file leaves the rest; the command's own state stays apart",
         [&](const TForm1&) { return QByteArray("+&Fichier\r\n\r\n-  Ouvrir (caché)\r\n"); },
         true,
         [&](TForm1& f) {
             EXPECT_EQ(f.action("Ouvrir1")->text(), "Ouvrir (caché)");
             EXPECT_FALSE(f.action("Ouvrir1")->isVisible());
             EXPECT_TRUE(f.action("Fermer1")->isVisible());
             f.FixeEtatCommande("Couper1", false);
             EXPECT_FALSE(f.action("Couper1")->isEnabled());
             EXPECT_TRUE(f.action("Couper1")->isVisible());
             EXPECT_TRUE(f.LignesMenus()[couper].startsWith('+'));
             f.FixeEtatCommande("Couper1", true);
         }},
        {"every item hidden: the way back to the default menus stays",
         [&](const TForm1& f) {
             QStringList l = f.LignesMenus();
             for (QString& s : l)
                 s[0] = '-';
             return EncodeLignes(l, PolitiqueEncodage::RepliUtf8);
         },
         true,
         [&](TForm1& f) {
             for (const char* nom : {"Options1", "Menus1", "Charger1"}) {
                 EXPECT_TRUE(f.action(nom)->isVisible() && f.action(nom)->isEnabled()) << nom;
             }
             EXPECT_FALSE(f.action("Personnaliser1")->isVisible());
             EXPECT_FALSE(f.action("Fichier1")->isVisible());
         }},
        {"a line that is not an item", [](const TForm1&) { return QByteArray("+&Fichier\r\nFichier\r\n"); }, false, {}},
        {"a binary file", [](const TForm1&) { return QByteArray("+&Fich\0ier\r\n", 12); }, false, {}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.nom);
        TForm1 f(1);
        const QStringList avant = f.LignesMenus();
        const QString chemin = programme.filePath("Menus/essai.txt");
        const QByteArray octets = c.contenu(f);
        QFile fichier(chemin);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichier.write(octets);
        fichier.close();
        inter.messages.clear();
        EXPECT_EQ(f.ChargerMenus(chemin), c.charge);
        if (!c.charge) {
            EXPECT_EQ(f.LignesMenus(), avant);
            ASSERT_EQ(inter.messages.size(), 1);
            EXPECT_TRUE(inter.messages[0].contains("illisible")) << inter.messages[0].toStdString();
            continue;
        }
        EXPECT_TRUE(inter.messages.isEmpty());
        c.verifie(f);
        // Saved, the file is the one loaded when it held every line.
        ASSERT_TRUE(f.SauverMenus(programme.filePath("Menus/copie.txt")));
        if (octets.count('\n') == qsizetype(avant.size())) {
            QFile copie(programme.filePath("Menus/copie.txt"));
            ASSERT_TRUE(copie.open(QIODevice::ReadOnly));
            EXPECT_EQ(copie.readAll(), octets);
        }
    }
    // A device or a FIFO is no menu file (and does not block the opening).
    TForm1 f(1);
    const QString fifo = documents.filePath("tube.txt");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QString& special : {QStringLiteral("/dev/zero"), fifo}) {
        inter.messages.clear();
        EXPECT_FALSE(f.ChargerMenus(special));
        EXPECT_EQ(inter.messages.size(), 1);
    }
}

// The "\" record of a document: a file of the Menus folder or of the document's folder;
// any other path is refused and the menus stay.
TEST_F(MenusPersoTest, UnDocumentNeNommeUnFichierDeMenusQueDansMenusOuSonPropreDossier)
{
    TForm1 modele(9);
    const QByteArray cache = EncodeLignes(Lignes(modele, {{Indice("Aires2"), "-Ai&res"}}), PolitiqueEncodage::RepliUtf8);
    for (const QString& chemin : {programme.filePath("Menus/eleves.txt"), documents.filePath("local.txt")}) {
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(cache);
    }
    struct Cas {
        QString stocke;
        bool charge, refuse;
    };
    const QList<Cas> cas = {
        {"Menus\\eleves.txt", true, false},
        {"eleves.txt", true, false},
        {"local.txt", true, false},
        {programme.filePath("Menus/eleves.txt"), false, true},
        {"C:\\VIRK\\Menus\\eleves.txt", false, true},
        {"\\\\serveur\\menus\\eleves.txt", false, true},
        {"Menus\\..\\..\\local.txt", false, true},
        {"absent.txt", false, false},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.stocke.toStdString());
        const QString doc = documents.filePath("cours.vrk");
        QFile fichier(doc);
        ASSERT_TRUE(fichier.open(QIODevice::WriteOnly | QIODevice::Truncate));
        fichier.write("VIRK 4.26\r\n\\" + c.stocke.toLatin1() + "\r\n#Cours;0;0;300;300;f;clWhite;\r\n");
        fichier.close();
        TForm1 f(1);
        LiensEnAttente liens;
        inter.messages.clear();
        const RapportLecture r = f.LitDocument(doc, liens);
        EXPECT_EQ(f.action("Aires2")->isVisible(), !c.charge);
        EXPECT_EQ(r.problemes.filter("refusé").size(), c.refuse ? 1 : 0);
        EXPECT_EQ(f.FichierMenus == c.stocke, !c.refuse);
    }
}

// Options > Menus > Personnaliser without any menu file: the list is the menus as they
// stand, and what is confirmed is written, loaded, and named for the windows to come.
TEST_F(MenusPersoTest, PersonnaliserSansFichierDeMenusGardeChaqueArticleEtCacheLesDecoches)
{
    TForm1 f(1);
    const int n = int(TableMenuPrincipal().size());
    for (const bool decoche : {false, true}) {
        QuandModal([&](QWidget* w) {
            auto* liste = Enfant<QListWidget>(w, "CLBmenu");
            ASSERT_EQ(liste->count(), n);
            // The way back to the default menus cannot be unticked.
            EXPECT_FALSE(liste->item(Indice("Charger1"))->flags() & Qt::ItemIsUserCheckable);
            if (decoche)
                liste->item(Indice("Actions1"))->setCheckState(Qt::Unchecked);
            Enfant<QPushButton>(w, "ButOK")->click();
        });
        f.Personnaliser1Click();
        const LectureTexte perso = LitFichierTexte(programme.filePath("Menus/perso.txt"));
        ASSERT_TRUE(perso.ok);
        EXPECT_EQ(perso.lignes.size(), n);
        EXPECT_EQ(perso.lignes.filter(QRegularExpression("^-")).size(), decoche ? 1 : 0);
        EXPECT_EQ(f.action("Actions1")->isVisible(), !decoche);
        EXPECT_EQ(f.FichierMenus, "Menus\\perso.txt");
        EXPECT_EQ(reglagesFenetres().FichierMenus, "Menus\\perso.txt");
    }
    // The next window takes that file.
    TForm1 g(2);
    EXPECT_FALSE(g.action("Actions1")->isVisible());
    EXPECT_TRUE(inter.messages.isEmpty()) << inter.messages.join('|').toStdString();
}
