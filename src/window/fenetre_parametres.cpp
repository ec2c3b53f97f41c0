// Courbes > Fonctions auxiliaires and Paramètres personnels, Options > Paramètres, Aide > A
// propos.
#include <QAction>

#include "dialogs/apropos.h"
#include "dialogs/defoptions.h"
#include "dialogs/fnauxi.h"
#include "dialogs/parperso.h"
#include "window/fenetre.h"

void TForm1::Fonctionsauxiliaires1Click(QAction*)
{
    TFnauxi fiche(FonctionsAux(), this);
    if (fiche.exec() != QDialog::Accepted)
        return;
    FonctionsAux() = fiche.textes();
    oublieMessages();
    CompileFonctionsAux();
    emit commandeCadre(CommandeCadre::RedessineFenetres);
}

void TForm1::Paramtrespersonnels1Click(QAction*)
{
    Tparperso fiche(this);
    fiche.exec();
    emit commandeCadre(CommandeCadre::RedessineFenetres);
}

void TForm1::Dcimales1Click(QAction*)
{
    TDefOptions fiche(this);
    if (fiche.exec() == QDialog::Accepted)
        emit commandeCadre(CommandeCadre::Options);
}

void TForm1::Apropos1Click(QAction*)
{
    TApropos fiche(this);
    fiche.exec();
}
