// The areas of a window: lookups, chooser, copies, descriptions, and the composition of the
// area layer that lies under the curves.
#include <QPainter>
#include <algorithm>

#include "graph/aires/GCAire.h"
#include "graph/repere/GCRepere.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"

void GCListAires::Ajoute(std::shared_ptr<GCAire> aire)
{
    if (aire)
        Aires.push_back(std::move(aire));
}

int GCListAires::Supprime(int numero)
{
    auto it = std::find_if(Aires.begin(), Aires.end(), [&](const auto& a) { return a->Numero() == numero; });
    if (it != Aires.end())
        Aires.erase(it);
    return Nombre();
}

std::shared_ptr<GCAire> GCListAires::ChercheNumero(int numero) const
{
    for (const auto& a : Aires)
        if (a->Numero() == numero)
            return a;
    return nullptr;
}

std::shared_ptr<GCAire> GCListAires::ChercheEmpreinte(const QString& empreinte) const
{
    for (const auto& a : Aires)
        if (a->Empreinte() == empreinte)
            return a;
    return nullptr;
}

std::shared_ptr<GCAire> GCListAires::AireSousPixel(int px, int py) const
{
    for (auto it = Aires.rbegin(); it != Aires.rend(); ++it) {
        const GCAire& a = **it;
        const QImage& b = a.Bitmap();
        if (!a.Visible() || !b.valid(px, py))
            continue;
        const bool dedans = b.format() == QImage::Format_Indexed8
                                ? b.pixelIndex(px, py) != 0
                                : (b.pixel(px, py) | 0xFF000000u) == (VersQColor(a.Couleur()).rgb() | 0xFF000000u);
        if (dedans)
            return *it;
    }
    return nullptr;
}

QStringList GCListAires::RemplitListe(const QString& lettres) const
{
    QStringList items;
    for (const auto& a : Aires) {
        if (!lettres.contains(a->Genre()))
            continue;
        const QStringList& c = a->Contraintes();
        items << QStringLiteral("%1;%2\\A\\%3 : %4")
                     .arg(a->NumeroFenetre())
                     .arg(a->Numero())
                     .arg(a->Nom(), c.isEmpty() ? QString() : c.first());
    }
    return items;
}

std::shared_ptr<GCAire> GCListAires::Choisit(const QString& lettres, const Choix& choix) const
{
    const QStringList items = RemplitListe(lettres);
    if (items.isEmpty()) {
        interlocuteur().message(QStringLiteral("Aucune aire dans cette fenêtre!"));
        return nullptr;
    }
    if (!choix)
        return nullptr;
    const int k = choix(QStringLiteral("Choix d'une région"), items);
    if (k < 0 || k >= items.size())
        return nullptr;
    QString item = items.at(k);
    item.remove(0, item.indexOf(QLatin1Char(';')) + 1);
    const int fin = item.indexOf(QLatin1Char('\\'));
    bool ok = false;
    const int numero = (fin < 0 ? item : item.left(fin)).trimmed().toInt(&ok);
    return ok ? ChercheNumero(numero) : nullptr;
}

void GCListAires::CalculeTout(const GCRepere& repere, QImage& composition, TCouleur fond,
                              const QImage& imageFond, bool etire)
{
    for (const auto& a : Aires)
        if (a->Visible())
            a->Calcule(repere);
    int largeur = 0, hauteur = 0;
    repere.GetTailleTotale(largeur, hauteur);
    Dessine(composition, QSize(largeur, hauteur), fond, imageFond, etire);
}

namespace {

Qt::BrushStyle styleQt(int style)
{
    // An area's clear style is its colour itself: the bitmap already holds its shape.
    return style == 1 ? Qt::SolidPattern : StyleBrosse(style);
}

}  // namespace

void GCListAires::Dessine(QImage& composition, QSize taille, TCouleur fond, const QImage& imageFond, bool etire) const
{
    if (taille.isEmpty()) {
        composition = QImage();
        return;
    }
    const QColor couleurFond = VersQColor(fond);
    composition = QImage(taille, QImage::Format_RGB32);
    if (composition.isNull())
        return;
    composition.fill(couleurFond);
    if (!imageFond.isNull()) {
        QPainter p(&composition);
        if (etire)
            p.drawImage(QRect(QPoint(0, 0), taille), imageFond);
        else
            p.drawImage(QPoint((taille.width() - imageFond.width()) / 2, (taille.height() - imageFond.height()) / 2),
                        imageFond);
    }

    QImage travail(taille, QImage::Format_RGB32);
    QImage motif;
    for (const auto& a : Aires) {
        const QImage& bitmap = a->Bitmap();
        if (!a->Visible() || bitmap.isNull())
            continue;
        const std::uint32_t pixelAire = VersQColor(a->Couleur()).rgb() | 0xFF000000u;
        const Qt::BrushStyle style = styleQt(a->StyleRemplissage());
        // The brush over the whole picture, aligned on its pixels; hatch gaps are opaque,
        // in the white of a fresh canvas.
        const bool hachure = style != Qt::SolidPattern;
        if (hachure) {
            motif = QImage(taille, QImage::Format_RGB32);
            motif.fill(Qt::white);
            QPainter p(&motif);
            p.fillRect(motif.rect(), QBrush(VersQColor(a->Couleur()), style));
        }
        travail.fill(couleurFond);
        const int lmax = std::min(taille.width(), bitmap.width());
        const int hmax = std::min(taille.height(), bitmap.height());
        const bool indexe = bitmap.format() == QImage::Format_Indexed8;
        const bool alpha = !indexe && bitmap.hasAlphaChannel();
        const QImage rgb = indexe || bitmap.format() == QImage::Format_RGB32 || bitmap.format() == QImage::Format_ARGB32
                               ? bitmap
                               : bitmap.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        for (int y = 0; y < hmax; ++y) {
            auto* t = reinterpret_cast<std::uint32_t*>(travail.scanLine(y));
            const auto* m = hachure ? reinterpret_cast<const std::uint32_t*>(motif.constScanLine(y)) : nullptr;
            if (indexe) {
                const uchar* s = rgb.constScanLine(y);
                for (int x = 0; x < lmax; ++x)
                    if (s[x])
                        t[x] = m ? m[x] : pixelAire;
            } else {
                // Pixels of the area colour are the area's; the others keep their colour, and
                // transparent ones show the window colour.
                const auto* s = reinterpret_cast<const std::uint32_t*>(rgb.constScanLine(y));
                for (int x = 0; x < lmax; ++x) {
                    if (alpha && qAlpha(s[x]) == 0)
                        continue;
                    const std::uint32_t v = s[x] | 0xFF000000u;
                    t[x] = v == pixelAire ? (m ? m[x] : pixelAire) : v;
                }
            }
        }
        // The composition's own brush, used by the pattern modes, is plain white.
        CopieAvecMode(composition, QPoint(0, 0), travail, a->ModeCopie(), QBrush(Qt::white), Qt::white);
    }
}

void GCListAires::DecritTout(QStringList& memo) const
{
    for (const auto& a : Aires) {
        memo << QStringLiteral(" ");
        a->Decrit(memo);
    }
}

void GCListAires::CopieDe(const GCListAires& source, int numeroFenetre)
{
    for (const auto& a : source.Aires) {
        auto copie = a->CreeMemeGenre(nouveauNumero(), numeroFenetre);
        if (!copie)
            continue;
        copie->Copie(*a);
        Ajoute(std::move(copie));
    }
}

std::shared_ptr<GCAire> AireParEmpreinte(const QString& empreinte)
{
    for (const GCListAires* liste : etatGraphe().aires)
        if (liste)
            if (auto a = liste->ChercheEmpreinte(empreinte))
                return a;
    return nullptr;
}
