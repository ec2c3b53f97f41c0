#include "graph/document/GCDocument.h"

#include <QPainter>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"

GCDocument::GCDocument(int numero, int largeur, int hauteur)
    : Repere(true, largeur, hauteur), Aires(numero), Numero_(numero)
{
    Dessin.NumeroFenetre = numero;
    FonctionsAux.fill(QStringLiteral("0"));
}

GCDocument::~GCDocument()
{
    Dessin.VideCourbes();
}

void GCDocument::CompileFonctionsAux() const
{
    for (int i = 0; i < NbFonctionsAux; ++i) {
        const QString& texte = FonctionsAux[std::size_t(i)];
        if (!definitFonctionAuxiliaire(i, texte.trimmed().toStdString()))
            interlocuteur().message(QStringLiteral("La fonction auxiliaire f%1 n'a pas pu être compilée!").arg(i));
    }
}

bool GCDocument::Dessine(QPainter& peintre, QSize taille, const OptionsDessin& options)
{
    taille = taille.expandedTo(QSize(1, 1));
    CompileFonctionsAux();
    Repere.VideCellules();
    Repere.FixeTaille(taille.width(), taille.height());
    bool interrompu = false;
    dessineFond(peintre, taille, options, interrompu);
    Dessin.CouleurFond = Fenetre.CouleurFond;
    if (Dessin.Dessine(peintre, Repere))
        interrompu = true;
    if (options.textes)
        Textes.Dessine(Repere, peintre);
    return interrompu;
}

bool GCDocument::CalculeAires(QSize taille)
{
    // The window's colour, the background picture (kept in the area mode too), then the
    // areas computed again on the frame.
    Aires.CalculeTout(Repere, coucheFond_, Fenetre.CouleurFond, Fenetre.ImageFond, Fenetre.EtireImage);
    ajusteCouche(taille);
    for (const auto& a : Aires.Aires)
        if (a->Visible() && a->Interrompu())
            return true;
    return false;
}

void GCDocument::composeCouche(QSize taille)
{
    // Only composed again from the areas' last bitmaps, at that size.
    if (coucheFond_.size() == taille)
        return;
    Aires.Dessine(coucheFond_, taille, Fenetre.CouleurFond, Fenetre.ImageFond, Fenetre.EtireImage);
    ajusteCouche(taille);
}

void GCDocument::ajusteCouche(QSize taille)
{
    if (coucheFond_.size() != taille) {
        QImage couche(taille, QImage::Format_RGB32);
        couche.fill(VersQColor(Fenetre.CouleurFond));
        QPainter p(&couche);
        p.drawImage(0, 0, coucheFond_);
        coucheFond_ = couche;
    }
}

void GCDocument::dessineFond(QPainter& peintre, QSize taille, const OptionsDessin& options, bool& interrompu)
{
    const QColor couleur = VersQColor(Fenetre.CouleurFond);
    const QImage& image = Fenetre.ImageFond;
    if (options.mode == OptionsDessin::Fenetre) {
        if (Fenetre.ModeFond != 1 && Fenetre.ModeFond != 2) {
            peintre.fillRect(QRect(QPoint(0, 0), taille), couleur);
            return;
        }
        if (AiresARecalculer) {
            AiresARecalculer = false;
            interrompu = CalculeAires(taille);
        } else {
            composeCouche(taille);
        }
        peintre.drawImage(0, 0, coucheFond_);
        return;
    }

    if (!options.garde) {
        peintre.fillRect(QRect(QPoint(0, 0), taille), couleur);
        if (Fenetre.ModeFond == 1 && !image.isNull()) {
            if (Fenetre.EtireImage)
                peintre.drawImage(QRect(QPoint(0, 0), taille), image);
            else
                peintre.drawImage((taille.width() - image.width()) / 2, (taille.height() - image.height()) / 2, image);
        }
    }
    if (!Aires.Vide()) {
        // On a fresh picture the whole composition (colour, picture, areas); over a kept one
        // only the areas' own pixels.
        QImage couche;
        if (!options.garde) {
            Aires.CalculeTout(Repere, couche, Fenetre.CouleurFond, Fenetre.ModeFond == 1 ? image : QImage(),
                              Fenetre.EtireImage);
        } else {
            Aires.CalculeTout(Repere, couche, Fenetre.CouleurFond);
            couche = couche.convertToFormat(QImage::Format_ARGB32);
            const QRgb fond = couleur.rgb() | 0xFF000000u;
            for (int y = 0; y < couche.height(); ++y) {
                auto* ligne = reinterpret_cast<QRgb*>(couche.scanLine(y));
                for (int x = 0; x < couche.width(); ++x)
                    ligne[x] = (ligne[x] | 0xFF000000u) == fond ? 0 : ligne[x] | 0xFF000000u;
            }
        }
        peintre.drawImage(0, 0, couche);
        for (const auto& a : Aires.Aires)
            interrompu = interrompu || (a->Visible() && a->Interrompu());
    }
}
