// The settings file: names kept exactly, order kept on rewrite, bad values reported.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <numbers>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/ini.h"
#include "etat_essai.h"

namespace {

QByteArray LitOctets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

class Ini : public ::testing::Test {
protected:
    EtatNeuf<reinitialiseGraphe> etat_;
    QTemporaryDir dossier;
};

}  // namespace

TEST_F(Ini, NomsGardesOctetPourOctetAuFilDUneEcritureEtDUneLecture)
{
    FichierIni ini;
    ini.ecritTexte("Menus", "menu", "Menus\\defaut.txt");
    ini.ecritBooleen("Barres d'outils", "OpéSur1crb", true);
    ini.ecritTexte("Fenetre", "Titre", "Fenêtre 1");
    ini.ecritTexte("Fenetre", "Largeur", "640");
    ini.ecritBooleen("Repère", "Polair", false);
    ini.ecritEntier("Repère", "Début.x", 40);
    ini.ecritReel("Repère", "Distance_oeil", 0.1);
    ini.ecritBooleen("Axe Horizontal", "Visible", true);
    ini.ecritBooleen("Gr. Verticale", "Latéral", false);
    ini.ecritTexte("Gr. Verticale", "Pas 1er", "PI/2");
    ini.ecritTexte("Gr. Verticale", "Fonte", "Times New Roman;clBlack;10;0;0;0;0;");
    const QString chemin = dossier.filePath("virk.ini");
    const EcritureTexte e = ini.enregistre(chemin);
    ASSERT_TRUE(e.ok) << e.erreur.toStdString();

    const QByteArray octets = LitOctets(chemin);
    EXPECT_EQ(octets,
              QByteArray("[Menus]\r\nmenu=Menus\\defaut.txt\r\n"
                         "[Barres d'outils]\r\nOp\xE9Sur1crb=1\r\n"
                         "[Fenetre]\r\nTitre=Fen\xEAtre 1\r\nLargeur=640\r\n"
                         "[Rep\xE8re]\r\nPolair=0\r\nD\xE9" "but.x=40\r\nDistance_oeil=0.1\r\n"
                         "[Axe Horizontal]\r\nVisible=1\r\n"
                         "[Gr. Verticale]\r\nLat\xE9ral=0\r\nPas 1er=PI/2\r\n"
                         "Fonte=Times New Roman;clBlack;10;0;0;0;0;\r\n"));

    FichierIni relu;
    ASSERT_EQ(relu.charge(chemin), FichierIni::Etat::Lu);
    EXPECT_TRUE(relu.anomalies().isEmpty()) << relu.anomalies().join('\n').toStdString();
    EXPECT_EQ(relu.sections(), (QStringList{"Menus", "Barres d'outils", "Fenetre", "Repère", "Axe Horizontal",
                                            "Gr. Verticale"}));
    EXPECT_EQ(relu.cles("Gr. Verticale"), (QStringList{"Latéral", "Pas 1er", "Fonte"}));
    EXPECT_EQ(relu.texte("Menus", "menu"), QStringLiteral("Menus\\defaut.txt"));
    EXPECT_TRUE(relu.booleen("Barres d'outils", "OpéSur1crb", false));
    EXPECT_EQ(relu.texte("Fenetre", "Titre"), QStringLiteral("Fenêtre 1"));
    EXPECT_EQ(relu.entier("Repère", "Début.x", 0), 40);
    EXPECT_EQ(relu.reel("Repère", "Distance_oeil", 0), 0.1);
    EXPECT_EQ(relu.texte("Gr. Verticale", "Fonte"), QStringLiteral("Times New Roman;clBlack;10;0;0;0;0;"));
    EXPECT_EQ(relu.lignes(), ini.lignes());
    // Rewriting what was read changes no byte.
    ASSERT_TRUE(relu.enregistre(chemin).ok);
    EXPECT_EQ(LitOctets(chemin), octets);
}

TEST_F(Ini, ReecritureGardeChaqueAutreLigneASaPlace)
{
    const QByteArray fichier =
        "; réglages du professeur\r\n"
        "[Fenetre]\r\n"
        "Titre=TP\r\n"
        "Largeur=520\r\n"
        "\r\n"
        "[Perso]\r\n"
        "Inconnue=garde-moi\r\n"
        "ceci n'est pas une clé\r\n"
        "[Repère]\r\n"
        "Ortho=1\r\n";
    FichierIni ini;
    ini.chargeOctets(fichier);
    EXPECT_EQ(ini.anomalies().size(), 1);
    EXPECT_TRUE(ini.anomalies().value(0).contains(QStringLiteral("ligne 8")));
    ASSERT_TRUE(ini.ecritEntier("Fenetre", "Largeur", 640));     // in place
    ASSERT_TRUE(ini.ecritEntier("Fenetre", "Hauteur", 480));     // end of its section
    ASSERT_TRUE(ini.ecritBooleen("REPÈRE", "ortho", false));     // found whatever the case
    ASSERT_TRUE(ini.ecritTexte("Couleurs", "CouleurFiche", "$00A0C9F1"));  // new section at the end
    EXPECT_EQ(ini.lignes(), (QStringList{
        "; réglages du professeur", "[Fenetre]", "Titre=TP", "Largeur=640", "Hauteur=480", "",
        "[Perso]", "Inconnue=garde-moi", "ceci n'est pas une clé", "[Repère]", "Ortho=0",
        "[Couleurs]", "CouleurFiche=$00A0C9F1"}));
}

TEST_F(Ini, RechercheSansCasseNiBlancsEtLeDernierDoublonGagne)
{
    FichierIni ini;
    ini.chargeLignes({"[Repère]", " Début.x = 12", "[Fenetre]", "Largeur=100", "largeur=200",
                      "[repère]", "Ortho=1"});
    EXPECT_EQ(ini.entier("REPÈRE", "début.X", 0), 12);
    EXPECT_EQ(ini.texte("Repère", "Début.x"), QStringLiteral(" 12"));  // value kept verbatim
    EXPECT_TRUE(ini.booleen("Repère", "Ortho", false));                  // a section given twice
    EXPECT_EQ(ini.sections(), (QStringList{"Repère", "Fenetre"}));
    EXPECT_EQ(ini.entier("Fenetre", "Largeur", 0), 200);
    ini.ecritEntier("Fenetre", "LARGEUR", 300);
    EXPECT_EQ(ini.lignes().at(4), QStringLiteral("largeur=300"));  // the one that counts, its name kept
    EXPECT_EQ(ini.entier("Fenetre", "Largeur", 0), 300);
}

TEST_F(Ini, ValeursTypeesEtLeursDefauts)
{
    FichierIni ini;
    ini.chargeLignes({"[T]", "i1=640", "i2= -12 ", "i3=+5", "i4=abc", "i5=", "i6=99999999999", "i7=1.5",
                      "r1=PI/2", "r2=1E-7", "r3=-5", "r4=abc", "r5=1/0", "r6=",
                      "b1=1", "b2=0", "b3=true", "b4=1 ", "b5="});
    bool valide = true;
    EXPECT_EQ(ini.entier("T", "i1", 0, &valide), 640);
    EXPECT_TRUE(valide);
    EXPECT_EQ(ini.entier("T", "i2", 0), -12);
    EXPECT_EQ(ini.entier("T", "i3", 0), 5);
    for (const char* cle : {"i4", "i5", "i6", "i7"}) {
        EXPECT_EQ(ini.entier("T", cle, 520, &valide), 520) << cle;
        EXPECT_FALSE(valide) << cle;
    }
    EXPECT_EQ(ini.entier("T", "absente", 520, &valide), 520);
    EXPECT_TRUE(valide);  // missing is not bad

    EXPECT_DOUBLE_EQ(ini.reel("T", "r1", 0), std::numbers::pi / 2);
    EXPECT_EQ(ini.reel("T", "r2", 0), 1e-7);
    EXPECT_EQ(ini.reel("T", "r3", 0), -5);
    for (const char* cle : {"r4", "r5", "r6"}) {
        EXPECT_EQ(ini.reel("T", cle, 7.5, &valide), 7.5) << cle;
        EXPECT_FALSE(valide) << cle;
    }
    EXPECT_EQ(ErreurCalcul(), 0);  // reading a setting leaves the calculation flag alone

    EXPECT_TRUE(ini.booleen("T", "b1", false));
    EXPECT_FALSE(ini.booleen("T", "b2", true, &valide));
    EXPECT_TRUE(valide);
    // Only "1" is true, as the file format says; other texts are false and reported.
    for (const char* cle : {"b3", "b4", "b5"}) {
        EXPECT_FALSE(ini.booleen("T", cle, true, &valide)) << cle;
        EXPECT_FALSE(valide) << cle;
    }
    EXPECT_TRUE(ini.booleen("T", "absente", true));

    // Other conversions (colours...) report the same way.
    auto hexa = [](const QString& t) -> std::optional<unsigned> {
        bool ok = false;
        const unsigned v = t.startsWith('$') ? t.mid(1).toUInt(&ok, 16) : 0;
        return ok ? std::optional<unsigned>(v) : std::nullopt;
    };
    EXPECT_EQ(ini.converti("T", "b3", 0xFFFFFFu, hexa, "n'est pas une couleur", &valide), 0xFFFFFFu);
    EXPECT_FALSE(valide);

    // Each bad value is reported once, in French, with its line and key.
    ini.entier("T", "i4", 0);
    const QStringList& a = ini.anomalies();
    EXPECT_EQ(a.size(), 10);
    EXPECT_TRUE(a.first().contains(QStringLiteral("ligne 5")));
    EXPECT_TRUE(a.first().contains(QStringLiteral("[T] i4")));
    EXPECT_TRUE(a.first().contains(QStringLiteral("n'est pas un nombre entier")));
}

TEST_F(Ini, ReelsEcritsPourEtreRelusExactement)
{
    const double valeurs[] = {0.1, -5, 1e20, 1e-7, 123456.789, 2.0 / 3, -1.5e300, 5e-324,
                              std::numeric_limits<double>::max(), 0};
    FichierIni ini;
    int n = 0;
    for (double v : valeurs)
        ASSERT_TRUE(ini.ecritReel("R", QStringLiteral("v%1").arg(n++), v));
    EXPECT_FALSE(ini.ecritReel("R", "nan", std::nan("")));
    EXPECT_FALSE(ini.ecritReel("R", "inf", std::numeric_limits<double>::infinity()));
    EXPECT_FALSE(ini.contient("R", "nan"));
    n = 0;
    for (double v : valeurs) {
        const QString cle = QStringLiteral("v%1").arg(n++);
        const QString texte = ini.texte("R", cle);
        EXPECT_FALSE(texte.contains('e')) << texte.toStdString();
        EXPECT_FALSE(texte.contains('+')) << texte.toStdString();
        bool valide = false;
        EXPECT_EQ(ini.reel("R", cle, 42, &valide), v) << texte.toStdString();
        EXPECT_TRUE(valide) << texte.toStdString();
    }
}

TEST_F(Ini, FichiersMalFormesLusSansPerte)
{
    FichierIni ini;
    ini.chargeLignes({"orpheline=1", "[Sans fin", "[]", "=sans nom", "[Bon] ; commentaire", "a=1", "bla bla",
                      "[Faux] texte", "b=2"});
    EXPECT_EQ(ini.anomalies().size(), 6);
    EXPECT_EQ(ini.sections(), QStringList{"Bon"});
    EXPECT_EQ(ini.entier("Bon", "a", 0), 1);
    // Keys behind a header that could not be read belong to no section.
    EXPECT_FALSE(ini.contient("Bon", "b"));
    // Nothing is dropped when the file is written again.
    ini.ecritEntier("Bon", "a", 3);
    EXPECT_EQ(ini.lignes().size(), 9);
    EXPECT_EQ(ini.lignes().at(0), QStringLiteral("orpheline=1"));
    EXPECT_EQ(ini.lignes().at(5), QStringLiteral("a=3"));

    // Bytes of every kind are read without a crash.
    FichierIni binaire;
    QByteArray octets;
    for (int i = 0; i < 2048; ++i)
        octets.append(char((i * 97 + 13) & 0xFF));
    binaire.chargeOctets(octets);
    binaire.sections();
    binaire.lignes();
}

TEST_F(Ini, FichiersAbsentsVidesEtIllisibles)
{
    FichierIni ini;
    EXPECT_EQ(ini.charge(dossier.filePath("virk.ini")), FichierIni::Etat::Absent);
    EXPECT_EQ(ini.entier("Fenetre", "Largeur", 520), 520);
    EXPECT_TRUE(ini.erreur().isEmpty());

    QFile vide(dossier.filePath("vide.ini"));
    ASSERT_TRUE(vide.open(QIODevice::WriteOnly));
    vide.close();
    EXPECT_EQ(ini.charge(vide.fileName()), FichierIni::Etat::Lu);
    EXPECT_TRUE(ini.sections().isEmpty());

    EXPECT_EQ(ini.charge(dossier.path()), FichierIni::Etat::Illisible);  // a folder
    EXPECT_FALSE(ini.erreur().isEmpty());
    EXPECT_TRUE(ini.sections().isEmpty());
}

TEST_F(Ini, CeQuiNePeutSEcrireTelQuel)
{
    FichierIni ini;
    EXPECT_FALSE(ini.ecritTexte("S", "a=b", "1"));
    EXPECT_FALSE(ini.ecritTexte("S]", "a", "1"));
    EXPECT_FALSE(ini.ecritTexte("S", "a\nb", "1"));
    EXPECT_TRUE(ini.lignes().isEmpty());

    // A line break in a value would make a new line: it becomes a blank, and is noted.
    EXPECT_TRUE(ini.ecritTexte("Fenetre", "Titre", "TP\r\nnuméro 2"));
    EXPECT_EQ(ini.texte("Fenetre", "Titre"), QStringLiteral("TP numéro 2"));
    EXPECT_EQ(ini.anomalies().size(), 1);

    // A title that Windows-1252 cannot hold: the file is written in UTF-8, and says so.
    ini.ecritTexte("Fenetre", "Titre", "f → g");
    const QString chemin = dossier.filePath("virk.ini");
    const EcritureTexte e = ini.enregistre(chemin);
    EXPECT_TRUE(e.ok);
    EXPECT_TRUE(e.utf8);
    EXPECT_EQ(e.nonRepresentables.size(), 1);
    FichierIni relu;
    relu.charge(chemin);
    EXPECT_EQ(relu.texte("Fenetre", "Titre"), QStringLiteral("f → g"));
}
