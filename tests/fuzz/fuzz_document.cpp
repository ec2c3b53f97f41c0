// couche: graph
// dictionnaires: document formule
// Any bytes as a document: decoded as the file reader does, read into a fresh window model,
// painted on a small picture as a window paints (areas, frame and curves, texts), then
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
        document.dessin.Visible = true;

        for (int i = 0; i < 10; ++i)
            definitFonctionAuxiliaire(i, document.fonctions[std::size_t(i)] == QLatin1String("0")
                                             ? std::string()
                                             : document.fonctions[std::size_t(i)].toStdString());
        const FenetreDocument& fenetre = document.fenetre;
        QImage image(DocumentFuzz::Largeur, DocumentFuzz::Hauteur, QImage::Format_RGB32);
        image.fill(VersQColor(fenetre.CouleurFond));
        document.repere.VideCellules();
        document.repere.FixeTaille(DocumentFuzz::Largeur, DocumentFuzz::Hauteur);
        if (!document.aires.Vide()) {
            QImage couche;
            document.aires.CalculeTout(document.repere, couche, fenetre.CouleurFond, fenetre.ImageFond,
                                       fenetre.EtireImage);
            QPainter(&image).drawImage(0, 0, couche);
        }
        {
            QPainter peintre(&image);
            document.dessin.Dessine(peintre, document.repere);
            document.textes.Dessine(document.repere, peintre);
        }
        EcrireFenetre(document.modele());
    }
    return 0;
}
