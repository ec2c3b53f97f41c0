// The background picture of a graph window: Fichier > Charger image, Ajuster image and
// Supprimer image.
#include <QDir>

#include "dialogs/etatsaisie.h"
#include "dialogs/optcolimg.h"
#include "graph/base/etatgraphe.h"
#include "graph/export/imagefichier.h"
#include "window/fenetre.h"

namespace {

const QString FiltreImages = QStringLiteral(
    "Tous (*.bmp *.wmf *.jpg *.ico *.BMP *.WMF *.JPG *.ICO);;Images Bitmap (*.bmp *.BMP);;"
    "Métafichier (*.wmf *.WMF);;Icônes (*.ico *.ICO);;Jpeg (*.jpg *.jpeg *.JPG *.JPEG)");

}  // namespace

void TForm1::Chargerimages1Click(QAction*)
{
    const QString dossier = DossierDocument.isEmpty() ? QDir::homePath() : DossierDocument;
    const QString chemin = boitesSaisie().choisitFichier(this, QStringLiteral("Charger image"), dossier, FiltreImages);
    if (chemin.isEmpty())
        return;
    // Read first: a picture that cannot be read leaves the window as it was.
    QString erreur;
    const QImage image = LitImageFond(chemin, &erreur);
    if (image.isNull()) {
        interlocuteur().message(erreur);
        return;
    }
    FichierImage = chemin;
    ImageFond = image;
    if (ModeFond() == 0)
        FixeModeFond(1);
    AiresARecalculer = true;
    Ajusterimage1Click();
    paintBox_->update();
}

void TForm1::Ajusterimage1Click(QAction*)
{
    if (FichierImage.isEmpty())
        return;
    const QSize fenetre = tailleDessin();
    CollageImage c;
    c.largeurImage = ImageFond.width(), c.hauteurImage = ImageFond.height();
    c.largeurFenetre = fenetre.width(), c.hauteurFenetre = fenetre.height();
    if (!SaisitCollageImage(c, this))
        return;
    EtireImage = c.etire;
    if (c.ajusteFenetre)
        fixeTailleClient(c.largeur, c.hauteur);
    AiresARecalculer = true;
    paintBox_->update();
}

void TForm1::Supprimerimage1Click(QAction*)
{
    if (ModeFond() == 1)
        FixeModeFond(0);
    EtireImage = false;
    ImageFond = QImage();
    FichierImage.clear();
    AiresARecalculer = true;
    paintBox_->update();
}
