// Fichier > Imprimer: the window's document through "Impression des tracés".
#include "dialogs/GestImp.h"
#include "window/fenetre.h"

void TForm1::Imprimer1Click(QAction*)
{
    ImpressionDocument(Document(), tailleDessin().height(), this);
    // The print drew the curves at its own size: the window draws them again at its own.
    DessineTampon();
    PaintBox()->update();
}
