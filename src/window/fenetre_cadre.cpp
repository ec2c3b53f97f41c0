// The graph window: the commands that the frame carries out.
#include "window/fenetre.h"
#include "window/fenetre_courbes.h"
#include "window/fenetre_interne.h"

#include <QAction>
#include <QHash>
#include <algorithm>

#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/fichiers/ini.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

// ---------------------------------------------------------------------------------------
// Commands carried out by the frame

void TForm1::Ouvrir1Click(QAction*) { emit commandeCadre(CommandeCadre::Ouvrir); }
void TForm1::Libells2Click(QAction*) { emit commandeCadre(CommandeCadre::Enregistrer); }
void TForm1::Fermer1Click(QAction*) { emit commandeCadre(CommandeCadre::Fermer); }
void TForm1::Quitter1Click(QAction*) { emit commandeCadre(CommandeCadre::Quitter); }
void TForm1::Toutrduire1Click(QAction*) { emit commandeCadre(CommandeCadre::ToutReduire); }
void TForm1::Mosaqueverticale1Click(QAction*) { emit commandeCadre(CommandeCadre::MosaiqueVerticale); }
void TForm1::Mosaquehorizontale1Click(QAction*) { emit commandeCadre(CommandeCadre::MosaiqueHorizontale); }
void TForm1::Cascade1Click(QAction*) { emit commandeCadre(CommandeCadre::Cascade); }
void TForm1::Informations1Click(QAction*) { emit commandeCadre(CommandeCadre::Informations); }
void TForm1::Nouvellefentre1Click(QAction*) { emit commandeCadre(CommandeCadre::NouvelleFenetre); }
void TForm1::Configuration1Click(QAction*) { emit commandeCadre(CommandeCadre::Configuration); }
void TForm1::Transfoperso1Click(QAction*) { emit commandeCadre(CommandeCadre::OuvrirTransfosPerso); }
void TForm1::Trperso1Click(QAction*) { emit commandeCadre(CommandeCadre::EnregistrerTransfosPerso); }

void TForm1::DefinirCourbeClick(QAction* emetteur)
{
    if (!emetteur)
        return;
    // The item's name gives the kind: "XCartsienneenX1" is X. The implicit sub-menu gives the
    // sub-kind 0, 1 or 2 of I; the sequence items carry their sub-kind in their tag.
    const QString nom = emetteur->objectName();
    static const QHash<QString, int> implicites = {
        {QStringLiteral("Autres1"), 0}, {QStringLiteral("DroiteAxByC01"), 1}, {QStringLiteral("Coniques1"), 2}};
    if (implicites.contains(nom)) {
        DefinitCourbe(*this, QLatin1Char('I'), implicites.value(nom));
        return;
    }
    const int tag = emetteur->data().toInt();
    if (tag >= 1 && tag <= 6) {
        DefinitCourbe(*this, QLatin1Char('N'), tag);
        return;
    }
    DefinitCourbe(*this, nom.at(0), 0);
}

