// The graph window's picture files: Fichier > Enregistrer > JPEG, Bitmap and Metafile,
// each the window's whole drawing rendered apart from what the window shows, and Tex
// (PSTricks), the LaTeX document that draws it.
#include <QDir>
#include <QRegularExpression>

#include "dialogs/etatsaisie.h"
#include "graph/base/etatgraphe.h"
#include "graph/export/imagefichier.h"
#include "graph/export/pstricks.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

namespace {

struct SortieImage {
    const char* filtre;
    const char* extension;
    FormatImage format;
};

}  // namespace

QString TForm1::choisitSortie(const QString& filtre, const QString& extension)
{
    // The window's title as the name proposed, in the document's folder.
    const QString dossier = DossierDocument.isEmpty() ? QDir::homePath() : DossierDocument;
    QString nom = titre();
    nom.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral("_"));
    const QString propose = QDir(dossier).filePath((nom.trimmed().isEmpty() ? QStringLiteral("graphe") : nom.trimmed()) +
                                                   QLatin1Char('.') + extension);
    return boitesSaisie().choisitFichierEcriture(this, QStringLiteral("Enregistrer"), propose, filtre, extension);
}

QImage TForm1::ImageExport()
{
    QImage image;
    {
        FileMessages file(*interPeinture_);
        CurseurAttente attente;
        image = ImageDocument(*document_, tailleDessin());
    }
    retiensMessages();
    return image;
}

void TForm1::exporteImage(int format)
{
    static const SortieImage sorties[] = {
        {"*.jpg (*.jpg)", "jpg", FormatImage::Jpeg},
        {"*.bmp (*.bmp)", "bmp", FormatImage::Bitmap},
        {"*.wmf (*.wmf)", "wmf", FormatImage::Metafichier},
    };
    const SortieImage& s = sorties[format];
    const QString chemin = choisitSortie(QString::fromLatin1(s.filtre), QString::fromLatin1(s.extension));
    if (chemin.isEmpty())
        return;
    const QImage image = ImageExport();
    QString erreur;
    if (!EnregistreImage(image, chemin, s.format, &erreur))
        interlocuteur().message(erreur);
}

void TForm1::HGL1Click(QAction*) { exporteImage(0); }
void TForm1::Images1Click(QAction*) { exporteImage(1); }
void TForm1::Metafile1Click(QAction*) { exporteImage(2); }

void TForm1::PSTricks1Click(QAction*)
{
    const QString chemin = choisitSortie(QStringLiteral("*.tex (*.tex)"), QStringLiteral("tex"));
    if (chemin.isEmpty())
        return;
    QStringList lignes;
    QString erreur;
    {
        FileMessages file(*interPeinture_);
        lignes = DocumentPSTricks(*document_, tailleDessin(), &erreur);
    }
    retiensMessages();
    if (lignes.isEmpty())
        interlocuteur().message(QStringLiteral("Le document PSTricks n'est pas écrit : ") + erreur);
    else if (!EcritDocumentPSTricks(chemin, lignes, &erreur))
        interlocuteur().message(erreur);
}
