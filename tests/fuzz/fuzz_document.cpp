// couche: graph
// dictionnaires: document formule
// Any bytes as a document: decoded as the file reader does, read into a fresh window model,
// painted on a small picture through the document's own routine (as a window paints), then
// written again.
#include <QByteArray>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

#include "document_fuzz.h"
#include "graph/fichiers/fichiertexte.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = ApplicationFuzz("fuzz_document");
    (void)application;
    const SessionFuzz session;

    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureTexte lu = LignesDeOctets(octets, 4096);
    {
        DocumentFuzz document;
        LiensEnAttente liens;
        document.lit(lu.lignes, liens);
        document.Dessin.Visible = true;
        document.AiresARecalculer = true;
        QImage image(DocumentFuzz::Largeur, DocumentFuzz::Hauteur, QImage::Format_RGB32);
        {
            QPainter peintre(&image);
            document.Dessine(peintre, image.size());
        }
        EcrireFenetre(document.Modele());
    }
    return 0;
}
