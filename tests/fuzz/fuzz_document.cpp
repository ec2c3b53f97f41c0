// couche: window
// Any bytes as a document: decoded as the file reader does, read into a fresh window model,
// painted on a small picture as a window paints (areas, frame and curves, texts), then
// written again.
#include <QByteArray>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <array>
#include <cstddef>
#include <cstdint>

#include "expression/etat.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/document/document.h"

// Font families that the system does not have make fontconfig keep memory it never frees;
// that is not ours to find.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig.so\n"; }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static QGuiApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char nom[] = "fuzz_document";
        static char* argv[] = {nom, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)application;
    static QTemporaryDir dossier;

    reinitialiseCalcul();
    reinitialiseGraphe();
    VideParametresPerso();
    ListeInequations().clear();
    CompteurTextes() = 0;
    etatGraphe().DossierTemp = dossier.path();

    const QByteArray octets(reinterpret_cast<const char*>(donnees), static_cast<qsizetype>(taille));
    const LectureTexte lu = LignesDeOctets(octets, 4096);
    {
        constexpr int Largeur = 80, Hauteur = 60;  // small: area scans cost per pixel
        FenetreDocument fenetre;
        GCRepere repere(true, Largeur, Hauteur);
        GCDessin dessin;
        GCListTextes textes;
        GCListAires aires(1);
        std::array<QString, 10> fonctions;
        fonctions.fill(QStringLiteral("0"));
        ModeleDocument modele{1, fenetre, repere, dessin, textes, aires, fonctions};
        LiensEnAttente liens;
        LitLignesDocument(lu.lignes, modele, liens, dossier.path());
        dessin.Visible = true;

        for (int i = 0; i < 10; ++i)
            definitFonctionAuxiliaire(i, fonctions[std::size_t(i)] == QLatin1String("0")
                                             ? std::string()
                                             : fonctions[std::size_t(i)].toStdString());
        QImage image(Largeur, Hauteur, QImage::Format_RGB32);
        image.fill(VersQColor(fenetre.CouleurFond));
        repere.VideCellules();
        repere.FixeTaille(Largeur, Hauteur);
        if (!aires.Vide()) {
            QImage couche;
            aires.CalculeTout(repere, couche, fenetre.CouleurFond, fenetre.ImageFond, fenetre.EtireImage);
            QPainter(&image).drawImage(0, 0, couche);
        }
        {
            QPainter peintre(&image);
            dessin.Dessine(peintre, repere);
            textes.Dessine(repere, peintre);
        }
        EcrireFenetre(modele);
        while (!dessin.Courbes.empty())
            dessin.RetireCourbe(dessin.Courbes.front()->Numero);
    }
    ErreurCalcul() = 0;
    return 0;
}
