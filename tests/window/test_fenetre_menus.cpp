// The window's main menu: its tree follows the table item for item, every command of the
// window is there under its French caption, and the commands not offered yet say so and do
// nothing else.
#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QSet>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>
#include <QUrl>
#include <functional>

#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "graph/courbes/GCDessin.h"
#include "outils_fenetre.h"

namespace {

struct Ligne {
    int profondeur;
    QString nom, libelle;
};

// The menu tree walked depth first, as the menu customisation file lists it.
QList<Ligne> Parcours(const TForm1& f)
{
    QList<Ligne> lignes;
    std::function<void(QMenu*, int)> descend = [&](QMenu* menu, int profondeur) {
        for (QAction* a : menu->actions()) {
            if (a->isSeparator())
                continue;
            lignes.append({profondeur, a->objectName(), a->text()});
            if (a->menu())
                descend(a->menu(), profondeur + 1);
        }
    };
    for (QMenu* m : f.menus()) {
        lignes.append({0, m->menuAction()->objectName(), m->title()});
        descend(m, 1);
    }
    return lignes;
}

// The caption path of an item, accelerator marks removed ("Actions > Lissages > ...").
QString Chemin(const TForm1& f, const QString& nom)
{
    QStringList pile;
    for (const Ligne& l : Parcours(f)) {
        while (pile.size() > l.profondeur)
            pile.removeLast();
        pile.append(QString(l.libelle).remove(QLatin1Char('&')));
        if (l.nom == nom)
            return pile.join(QStringLiteral(" > "));
    }
    return {};
}

}  // namespace

TEST_F(FenetreTest, ArbreDuMenuSelonLaTable)
{
    TForm1 f(1);
    const auto& table = TableMenuPrincipal();
    const QList<Ligne> lignes = Parcours(f);
    ASSERT_EQ(lignes.size(), qsizetype(table.size()));
    QSet<QString> noms;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const ArticleMenu& a = table[std::size_t(i)];
        EXPECT_EQ(lignes[i].profondeur, a.profondeur) << a.nom;
        EXPECT_EQ(lignes[i].nom, QString::fromUtf8(a.nom));
        EXPECT_EQ(lignes[i].libelle, QString::fromUtf8(a.libelle));
        EXPECT_FALSE(noms.contains(lignes[i].nom)) << "name used twice: " << a.nom;
        noms.insert(lignes[i].nom);
        // A row that opens a sub-menu is followed by a deeper row, and only then.
        const bool suivantPlusProfond = std::size_t(i) + 1 < table.size()
                                        && table[std::size_t(i) + 1].profondeur > a.profondeur;
        EXPECT_EQ(a.gestionnaire == nullptr, suivantPlusProfond) << a.nom;
    }
    QStringList titres;
    for (QMenu* m : f.menus())
        titres.append(m->title());
    EXPECT_EQ(titres, (QStringList{"&Fichier", "&Edition", "&Courbes", "&Actions", "Ai&res", "&Textes",
                                   "&Infos", "Re&père", "&Zoom", "&Options", "Fe&nêtre", "Ai&de"}));
}

TEST_F(FenetreTest, CommandesDeLaFenetreAvecLeursLibelles)
{
    TForm1 f(1);
    // A sample of the window's commands, by item name, with their caption paths.
    const QList<QPair<QString, QString>> attendus = {
        {"Gauche1", "Actions > Lissages > Médianes mobiles centrées"},
        {"Centre1", "Actions > Lissages > Moyennes mobiles centrées"},
        {"Gauss", "Actions > Lissages > Lissage à noyau gaussien"},
        {"Opposee", "Actions > Opérations sur 1 courbe > Opposée : - f"},
        {"Valeurabsolue1", "Actions > Opérations sur 1 courbe > Valeur absolue : |f|"},
        {"BlocageMdian1", "Actions > Opérations sur 1 courbe > Blocages > Blocage Médian"},
        {"SymOb", "Actions > Transformées > Symétries > Orthogonale d'axe oblique"},
        {"Projsurunaxevertical1",
         "Actions > Transformées > Projections > Proj. orthogonales > Proj sur un axe vertical"},
        {"TFD", "Actions > Transformées > Transfo. de Fourier (TFD)"},
        {"YCartsienneeny1", "Courbes > Définir > Y : Cartésienne y=f(x)"},
        {"Coniques1", "Courbes > Définir > I : Implicite f(x,y)=0 > Conique"},
        {"Julia1", "Courbes > Définir > N : Suites et récurrence > Système (Xn+1,Yn+1)=F(Xn,Yn) > Julia"},
        {"Dupliquer", "Courbes > Dupliquer"},
        {"Affilier1", "Courbes > Points sur courbe > Point quelconque"},
        {"Fermesurorigine1", "Aires > Définir > Plaque polygonale > fermée sur Origine"},
        {"CacherMontrer", "Textes > Cacher/Montrer"},
        {"Echantillons1", "Infos > Tableaux de valeurs"},
        {"Manuel1", "Zoom > Manuel"},
        {"Repre1", "Repère > Modifie le repère"},
        {"Personnaliser1", "Options > Menus > Personnaliser"},
        {"Session1", "Edition > Historiques > Items menu"},
        {"PSTricks1", "Fichier > Enregistrer > Tex (PSTricks)"},
        {"FichiersonWav1", "Fichier > Ouvrir > Fichier son (Wav)"},
        {"Mosaqueverticale1", "Fenêtre > Mosaïque verticale"},
        {"Site", "Aide > Site VIRK"},
    };
    for (const auto& [nom, chemin] : attendus) {
        EXPECT_EQ(Chemin(f, nom), chemin) << nom.toStdString();
        ASSERT_NE(f.action(nom), nullptr) << nom.toStdString();
    }
    // Every operation of the one-curve driver has its item.
    for (const char* nom :
         {"Opposee", "Inverse", "Puissance1", "Valeurabsolue1", "PartiePositive1", "PartieNgative1",
          "Ecrtage1", "Multiplication", "Priodiser1", "Dcimation1", "Gauche1", "Centre1", "Droite1",
          "Dveloppes1", "Podaires1", "Tfqcq", "SymH", "symV", "SymOb", "SymCtr", "Complexe1",
          "Gomtrique1", "Translation1", "Rotation1", "Homothtie1", "Similitude1", "AffinitdaxeOx1",
          "AffinitdaxeOy1", "Transfoaffine1", "Homographie1", "TransfodeJoukowski1",
          "Projsurunaxehorizontal1", "Projsurunaxeoblique1", "Projsurunaxevertical1",
          "TransfodeLaplace1", "composee", "tfcomp", "Gauss", "Projhorizontal1", "Projvertical1",
          "EnveloppeInfrieure1", "EnveloppeSuprieure1", "ComposanteenX1", "ComposanteenY1",
          "BlocageRetard1", "BlocageAvance1", "Norme1", "BlocageMini1", "BlocageMoyenne1",
          "BlocageMaxi1", "BlocageMdian1", "BlocageQuelconque1"})
        EXPECT_NE(f.action(QString::fromLatin1(nom)), nullptr) << nom;
    // Shortcuts and check marks.
    EXPECT_EQ(f.action("Couper1")->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_EQ(f.action("Copier1")->shortcut(), QKeySequence("Ctrl+C"));
    EXPECT_EQ(f.action("Coller1")->shortcut(), QKeySequence("Ctrl+V"));
    EXPECT_EQ(f.action("Paramtres1")->shortcut(), QKeySequence("Ctrl+P"));
    EXPECT_TRUE(f.action("Manuel1")->isCheckable());
    EXPECT_TRUE(f.action("Distance1")->isCheckable());
    // Items that share a handler keep their tags.
    EXPECT_EQ(f.action("Escargot1")->data().toInt(), 3);
    EXPECT_EQ(f.action("Mandelbrot1")->data().toInt(), 6);
    EXPECT_EQ(f.action("Fermesuraxe1")->data().toInt(), 1);
    // Each window has its own menus.
    TForm1 g(2);
    EXPECT_NE(f.action("Opposee"), g.action("Opposee"));
}

TEST_F(FenetreTest, CommandeNonDisponibleLeDitEtNeFaitRienDautre)
{
    TForm1 f(1);
    f.show();
    QApplication::processEvents();
    f.PaintBox()->repaint();
    traiteEvenements();
    inter.messages.clear();
    const int compteur = etatGraphe().CompteurCourbes;
    const QString titre = f.titre();
    QSignalSpy cadre(&f, &TForm1::commandeCadre);
    // A program built without a web address: Aide > Site VIRK says so and opens nothing.
    GardeValeur<QString> gardeAdresse(etatFenetres().AdresseSite, QString());
    int ouvertures = 0;
    GardeValeur<std::function<bool(const QUrl&)>> gardeOuvre(etatFenetres().ouvreAdresse, [&](const QUrl&) {
        ++ouvertures;
        return true;
    });
    for (const char* nom : {"Site"}) {
        inter.messages.clear();
        f.action(QString::fromLatin1(nom))->trigger();
        traiteEvenements();
        ASSERT_EQ(inter.messages.size(), 1) << nom;
        EXPECT_TRUE(inter.messages[0].startsWith("Aucune adresse de site")) << inter.messages[0].toStdString();
    }
    EXPECT_EQ(ouvertures, 0);
    // A command that does not run (here: no curve yet) leaves its item's check mark as it was.
    for (const char* nom : {"Primitive1", "Tangentes1"}) {
        inter.messages.clear();
        QAction* a = f.action(QString::fromLatin1(nom));
        a->trigger();
        EXPECT_FALSE(a->isChecked()) << nom;
        EXPECT_EQ(inter.messages.size(), 1) << nom;
    }
    EXPECT_EQ(MessageNonDisponible(), QStringLiteral("Commande non disponible dans cette version."));
    EXPECT_EQ(etatGraphe().CompteurCourbes, compteur);
    EXPECT_EQ(f.titre(), titre);
    EXPECT_EQ(cadre.count(), 0);
    EXPECT_TRUE(inter.questions.isEmpty());
    EXPECT_EQ(dialogues.appels, 0);
}

TEST_F(FenetreTest, CommandesDuCadre)
{
    TForm1 f(1);
    QSignalSpy cadre(&f, &TForm1::commandeCadre);
    const QList<QPair<QString, CommandeCadre>> attendus = {
        {"Ouvrir1", CommandeCadre::Ouvrir},
        {"Libells2", CommandeCadre::Enregistrer},
        {"Fermer1", CommandeCadre::Fermer},
        {"Quitter1", CommandeCadre::Quitter},
        {"Nouvellefentre1", CommandeCadre::NouvelleFenetre},
        {"Cascade1", CommandeCadre::Cascade},
        {"Mosaquehorizontale1", CommandeCadre::MosaiqueHorizontale},
        {"Mosaqueverticale1", CommandeCadre::MosaiqueVerticale},
        {"Toutrduire1", CommandeCadre::ToutReduire},
        {"Informations1", CommandeCadre::Informations},
        {"Configuration1", CommandeCadre::Configuration},
        {"Transfoperso1", CommandeCadre::OuvrirTransfosPerso},
        {"Trperso1", CommandeCadre::EnregistrerTransfosPerso},
    };
    for (const auto& [item, commande] : attendus) {
        f.action(item)->trigger();
        ASSERT_FALSE(cadre.isEmpty()) << item.toStdString();
        EXPECT_EQ(cadre.takeLast().at(0).value<CommandeCadre>(), commande) << item.toStdString();
    }
    EXPECT_TRUE(inter.messages.isEmpty());
}

// Every command writes its caption in the session history first, indented by its depth;
// opening a top-level menu writes the time and the menu's caption. Nothing when the session
// is not recorded.
TEST_F(FenetreTest, LesCommandesSEcriventDansLHistoriqueDeLaSession)
{
    TForm1 f(1);
    QSignalSpy journal(&f, &TForm1::journalSession);
    QStringList lignes;
    const auto lit = [&] {
        lignes.clear();
        for (const QList<QVariant>& l : std::as_const(journal))
            lignes << l.at(0).toStringList();
        journal.clear();
    };
    etatGraphe().EnregistrementSession = true;
    QMenu* actions = f.menus()[3];
    ASSERT_EQ(actions->title(), "&Actions");
    emit actions->aboutToShow();
    f.action("Opposee")->trigger();
    f.action("Drive1")->trigger();
    f.action("Escargot1")->trigger();
    lit();
    ASSERT_EQ(lignes.size(), 5);
    EXPECT_TRUE(QRegularExpression("^\\d\\d:\\d\\d:\\d\\d$").match(lignes[0]).hasMatch()) << lignes[0].toStdString();
    EXPECT_EQ(lignes.mid(1), (QStringList{"&Actions", "    &Opposée : - f", "  &Dérivée", "      \"&Escargot\" Un+1=f(Un)"}));

    etatGraphe().EnregistrementSession = false;
    emit actions->aboutToShow();
    f.action("Opposee")->trigger();
    lit();
    EXPECT_TRUE(lignes.isEmpty());
}

// The dialogs a test puts in place without a guard go with the reset: the program's own
// definition dialogs no longer open in a later test, where nobody would close them, and the
// window's dialogs and the system boxes are Qt's own again.
TEST_F(FenetreTest, LaRemiseAZeroRetireLesDialoguesQuUnEssaiAMisEnPlace)
{
    installeDialogues();
    BoitesSaisie boites;
    etatSaisie().boites = &boites;
    reinitialiseFenetres();
    EXPECT_EQ(etatFenetres().dialogues, nullptr);
    EXPECT_EQ(etatSaisie().boites, nullptr);

    int ouvertes = 0;
    QTimer veille;
    QObject::connect(&veille, &QTimer::timeout, [&] {
        if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            ++ouvertes;
            d->reject();
        }
    });
    veille.start(5);
    TForm1 f(1);
    for (const char* nom : {"Escargot1", "Drive1"})
        f.action(QString::fromLatin1(nom))->trigger();
    EXPECT_EQ(ouvertes, 0);
    EXPECT_EQ(f.Dessin().Nombre(), 0);
}

// Aide > Site VIRK: the address fixed when the program was built goes to the desktop's
// browser; one that is no web address, or that no browser opens, is said.
TEST_F(FenetreTest, SiteVIRKOuvreLAdresseDuProgrammeDansLeNavigateur)
{
    EXPECT_EQ(etatFenetres().AdresseSite, AdresseSiteConstruite());
    TForm1 f(1);
    QList<QUrl> ouvertes;
    bool repond = true;
    GardeValeur<std::function<bool(const QUrl&)>> gardeOuvre(etatFenetres().ouvreAdresse, [&](const QUrl& url) {
        ouvertes << url;
        return repond;
    });
    GardeValeur<QString> gardeAdresse(etatFenetres().AdresseSite, QStringLiteral("https://virk.example.org/aide?v=4.26#debut"));
    f.action("Site")->trigger();
    ASSERT_EQ(ouvertes.size(), 1);
    EXPECT_EQ(ouvertes[0].toString(), "https://virk.example.org/aide?v=4.26#debut");
    EXPECT_TRUE(inter.messages.isEmpty());

    repond = false;
    f.action("Site")->trigger();
    EXPECT_EQ(ouvertes.size(), 2);
    ASSERT_EQ(inter.messages.size(), 1);
    EXPECT_TRUE(inter.messages[0].contains("aucun navigateur")) << inter.messages[0].toStdString();

    etatFenetres().AdresseSite = QStringLiteral("virk sans schéma");
    f.action("Site")->trigger();
    EXPECT_EQ(ouvertes.size(), 2);
    ASSERT_EQ(inter.messages.size(), 2);
    EXPECT_TRUE(inter.messages[1].contains("n'est pas une adresse web")) << inter.messages[1].toStdString();
}
