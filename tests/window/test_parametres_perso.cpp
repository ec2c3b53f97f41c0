// Courbes > Paramètres personnels and Fonctions auxiliaires, Options > Paramètres, through
// their dialogs.
#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include "dialogs/pilote_saisie.h"
#include "expression/etat.h"
#include "expression/paramperso.h"
#include "graph/fichiers/fichiertexte.h"
#include "objets_fenetre.h"
#include "outils_fenetre.h"

namespace {

class ParametresPersoTest : public FenetreTest {
protected:
    BoitesScriptees boites;
    GardeValeur<BoitesSaisie*> gardeBoites_{etatSaisie().boites, &boites};
};

// Runs action on the next dialog opened over w, then clicks the button of that name in w.
template <class Action>
void Sous(QWidget* w, const char* bouton, Action action)
{
    QuandModal(action, w);
    Enfant<QPushButton>(w, bouton)->click();
}

void Remplit(QWidget* w, const char* nom, const char* valeur, const char* pas = nullptr)
{
    Enfant<QLineEdit>(w, "EdNom")->setText(QString::fromUtf8(nom));
    Enfant<QLineEdit>(w, "EdValeur")->setText(QString::fromUtf8(valeur));
    if (pas)
        Enfant<QLineEdit>(w, "EdPas")->setText(QString::fromUtf8(pas));
}

}  // namespace

// Names refused with their reason, the form kept open; Modifier and Associer with no line
// chosen take the first; a key bound again leaves the old one.
TEST_F(ParametresPersoTest, DialogueAjouteModifieEtAssocieLesParametres)
{
    TForm1 f(1);
    QStringList lignes;
    bool resteOuvert = true;
    QuandModal([&](QWidget* w) {
        Sous(w, "btAjout", [&](QWidget* d) {
            for (const char* nom : {"y'", "N1", "v-1", "b2"}) {
                Remplit(d, nom, "2");
                Enfant<QPushButton>(d, "ButOK")->click();
                resteOuvert = resteOuvert && d->isVisible();
            }
            Remplit(d, "vitesse", "2", "x+");
            Enfant<QPushButton>(d, "ButOK")->click();
            resteOuvert = resteOuvert && d->isVisible();
            Remplit(d, "vitesse", "2", "0.5");
            Enfant<QPushButton>(d, "ButOK")->click();
        });
        Sous(w, "btAjout", [&](QWidget* d) {
            Remplit(d, "VITESSE", "1");
            Enfant<QPushButton>(d, "ButOK")->click();
            static_cast<QDialog*>(d)->reject();
        });
        auto* liste = Enfant<QListWidget>(w, "ListBox1");
        liste->setCurrentRow(-1);
        Sous(w, "btModif", [&](QWidget* d) {
            EXPECT_EQ(Enfant<QLineEdit>(d, "EdNom")->text(), "vitesse");
            Enfant<QLineEdit>(d, "EdValeur")->setText("3");
            Enfant<QPushButton>(d, "ButOK")->click();
        });
        for (const char* touche : {"SBV", "SBV", "SBW"}) {
            liste->setCurrentRow(-1);
            Sous(w, "btAssoc", [&](QWidget* d) {
                Enfant<QPushButton>(d, touche)->click();
                Enfant<QPushButton>(d, "ButOK")->click();
            });
        }
        for (int i = 0; i < liste->count(); ++i)
            lignes << liste->item(i)->text();
        Enfant<QPushButton>(w, "btFermer")->click();
    });
    f.action("Paramtrespersonnels1")->trigger();
    EXPECT_TRUE(resteOuvert);
    EXPECT_EQ(inter.messages.size(), 6) << inter.messages.join('\n').toStdString();
    EXPECT_EQ(inter.messages.filter("Pas incorrect").size(), 1);
    EXPECT_EQ(lignes, QStringList{"vitesse = 3 (W)"});
    EXPECT_EQ(ToucheParametrePerso('V' - 'A', 1), 0);
    EXPECT_EQ(ToucheParametrePerso('W' - 'A', 1), 1);
    EXPECT_EQ(parametresPersonnels().ParametresPerso[0]->Valeur(), "3.5");
}

// F0..F9: a wrong text keeps the form open and Annuler changes nothing; a loaded file keeps
// the texts that compile, "0" elsewhere, in the rows its lines give; a refused or empty file
// leaves the grid; saving writes ten lines; confirmed texts reach the formulas.
TEST_F(ParametresPersoTest, FonctionsAuxiliairesPrisesSeulementSurConfirmation)
{
    QTemporaryDir dossier;
    TForm1 f(1);
    const auto cellule = [](QWidget* w, int i) { return Enfant<QTableWidget>(w, "StringGrid1")->item(i, 0); };
    QuandModal([&](QWidget* w) {
        cellule(w, 4)->setText("x+");
        Enfant<QPushButton>(w, "ButOK")->click();
        EXPECT_TRUE(w->isVisible());
        QKeyEvent echap(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(w, &echap);
    });
    f.action("Fonctionsauxiliaires1")->trigger();
    EXPECT_EQ(inter.messages, QStringList{"Expression F4 = x+ incorrecte !"});
    EXPECT_EQ(f.FonctionsAux()[4], "0");

    QFile fichier(dossier.filePath("f.aux"));
    ASSERT_TRUE(fichier.open(QIODevice::WriteOnly));
    fichier.write("sin(x)\r\nx^2\r\nsin(\r\n\r\n2*x\r\n0\r\n0\r\n0\r\n0\r\n0\r\nen trop\r\n");
    fichier.close();
    QFile binaire(dossier.filePath("b.aux"));
    ASSERT_TRUE(binaire.open(QIODevice::WriteOnly));
    binaire.write(QByteArray("x\0\1\2", 4));
    binaire.close();
    QFile court(dossier.filePath("c.aux")), vide(dossier.filePath("v.aux"));
    ASSERT_TRUE(court.open(QIODevice::WriteOnly) && vide.open(QIODevice::WriteOnly));
    court.write("cos(x)\r\n\r\n\r\n");
    court.close();
    vide.close();
    inter.messages.clear();
    QStringList grille, complete;
    QuandModal([&](QWidget* w) {
        boites.fichier = fichier.fileName();
        Enfant<QPushButton>(w, "ButLoad")->click();
        for (int i = 0; i < 10; ++i)
            complete << cellule(w, i)->text();
        for (const QFile* f : {&binaire, &court, &vide}) {
            boites.fichier = f->fileName();
            Enfant<QPushButton>(w, "ButLoad")->click();
        }
        for (int i = 0; i < 10; ++i)
            grille << cellule(w, i)->text();
        boites.fichierEcriture = dossier.filePath("g.aux");
        Enfant<QPushButton>(w, "Butsave")->click();
        Enfant<QPushButton>(w, "ButOK")->click();
    });
    f.action("Fonctionsauxiliaires1")->trigger();
    EXPECT_EQ(complete, (QStringList{"sin(x)", "x^2", "0", "0", "2*x", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(grille, (QStringList{"cos(x)", "x^2", "0", "0", "2*x", "0", "0", "0", "0", "0"}));
    ASSERT_EQ(inter.messages.size(), 3);
    EXPECT_TRUE(inter.messages[0].contains("F2 = sin(") && inter.messages[0].contains("10 premières"));
    EXPECT_TRUE(inter.messages[1].contains("n'est pas un fichier de fonctions auxiliaires"));
    EXPECT_TRUE(inter.messages[2].contains("ne contient aucune fonction"));
    EXPECT_EQ(LitFichierTexte(dossier.filePath("g.aux")).lignes, grille);
    EXPECT_EQ(f.FonctionsAux()[4], "2*x");
    EXPECT_TRUE(contexteCalcul().FonctionsAuxiliaires[1] != nullptr);
}

// Options > Paramètres: values that would hang or crash the program are refused and the
// form stays open; a chosen temporary folder keeps its own files and takes the working
// folder; the rest holds at once.
TEST_F(ParametresPersoTest, OptionsVerifieesEtAppliqueesAussitot)
{
    GardeValeur<QString> gardeTemp(etatGraphe().DossierTemp, etatGraphe().DossierTemp);
    QTemporaryDir mesures;
    QFile releve(mesures.filePath("releve.pts"));
    ASSERT_TRUE(releve.open(QIODevice::WriteOnly));
    releve.write("1;2\r\n");
    releve.close();
    TForm1 f(1);
    const double facteur = contexteCalcul().FacteurZoomAuto;
    int ouverte = 0;
    QuandModal([&](QWidget* w) {
        struct Cas {
            const char* champ;
            const char* texte;
        };
        for (const Cas& c : {Cas{"Edfg", "0"}, Cas{"EdManti", "2000000000"}, Cas{"EdDeci", "18"}, Cas{"EdEps", "0"},
                             Cas{"EdZero", "-1"}, Cas{"EdTemp", "/dev/null/temp"}}) {
            const QString avant = Enfant<QLineEdit>(w, c.champ)->text();
            Enfant<QLineEdit>(w, c.champ)->setText(QString::fromUtf8(c.texte));
            Enfant<QPushButton>(w, "ButOK")->click();
            ouverte += w->isVisible();
            Enfant<QLineEdit>(w, c.champ)->setText(avant);
        }
        Enfant<QLineEdit>(w, "EdTemp")->setText(mesures.path());
        Enfant<QLineEdit>(w, "Edfg")->setText("2");
        Enfant<QLineEdit>(w, "EdManti")->setText("12");
        Enfant<QPushButton>(w, "ButOK")->click();
    });
    f.action("Dcimales1")->trigger();
    EXPECT_EQ(ouverte, 6);
    EXPECT_EQ(inter.messages.size(), 6);
    EXPECT_EQ(inter.messages.value(0), "facteur nul ou négatif interdit !");
    EXPECT_EQ(inter.messages.value(5), "Répertoire de sauvegarde impossible à créer !");
    EXPECT_EQ(contexteCalcul().FacteurZoomAuto, 2);
    EXPECT_EQ(contexteCalcul().LongueurReels, 12);
    EXPECT_NE(facteur, 2);
    EXPECT_EQ(QDir(dossierTravail()).absolutePath().section('/', 0, -2), QDir(mesures.path()).absolutePath());
    reinitialiseGraphe();
    EXPECT_TRUE(QFile::exists(releve.fileName()));
}

// "Etiquettes des libellés": unticked, the curves' own labels leave the drawing and nothing
// else does; ticked again, they come back.
TEST_F(ParametresPersoTest, EtiquettesDesLibellesMontrentOuCachentLEtiquettePropreDesCourbes)
{
    reglagesFenetres().LargeurFenetre = 400;
    reglagesFenetres().HauteurFenetre = 300;
    TForm1 f(1);
    auto c = std::make_shared<GCY>(QLatin1Char('Y'), f.numero(), nouveauNumero());
    ASSERT_TRUE(c->FixeLibelles("x/2", QString()));
    c->FixeBornes("-4", "4", "2");
    c->NouvelIdentifiant();
    f.Dessin().AjouteCourbe(c);
    Peint(f);
    const QImage sans = f.Affichage();
    c->Etiquette->SetTexte("M(&x)");
    Peint(f);
    const QImage avec = f.Affichage();
    ASSERT_NE(avec, sans);

    QTemporaryDir temp;
    GardeValeur<QString> gardeTemp(etatGraphe().DossierTemp, temp.path());
    const auto options = [&](bool coche) {
        bool avant = !coche;
        QuandModal([&](QWidget* w) {
            QCheckBox* etiquettes = Enfant<QCheckBox>(w, "cbEtiq");
            EXPECT_EQ(etiquettes->text(), "Etiquettes des libellés");
            avant = etiquettes->isChecked();
            etiquettes->click();
            Enfant<QPushButton>(w, "ButOK")->click();
            if (w->isVisible()) {
                ADD_FAILURE() << inter.messages.join(" | ").toStdString();
                static_cast<QDialog*>(w)->reject();
            }
        });
        f.action("Dcimales1")->trigger();
        EXPECT_EQ(avant, !coche);
        Peint(f);
        return f.Affichage();
    };
    EXPECT_EQ(options(false), sans);
    EXPECT_EQ(options(true), avec);
}
