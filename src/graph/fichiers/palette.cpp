#include "graph/fichiers/palette.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

constexpr TCouleur Blanc = 0xFFFFFF;
// A palette file is a few kilobytes; anything far larger is not one.
constexpr qint64 TailleMaxPalette = 4 * 1024 * 1024;

// A decimal integer with an optional sign, kept within 0..255; false when the text is not
// one.
bool composante(QStringView texte, int& valeur)
{
    qsizetype i = 0;
    bool negatif = false;
    if (i < texte.size() && (texte[i] == QLatin1Char('+') || texte[i] == QLatin1Char('-')))
        negatif = texte[i++] == QLatin1Char('-');
    if (i == texte.size())
        return false;
    int v = 0;
    for (; i < texte.size(); ++i) {
        const char16_t c = texte[i].unicode();
        if (c < u'0' || c > u'9')
            return false;
        v = std::min(256, v * 10 + (c - u'0'));
    }
    valeur = negatif ? 0 : std::min(v, 255);
    return true;
}

// The colour of a line; false (and white) when the line does not begin with three integers.
bool couleurDeLigne(QStringView ligne, TCouleur& couleur)
{
    couleur = Blanc;
    // The first three fields separated by blanks or tabs; anything after them is ignored.
    const auto blanc = [](QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); };
    int rvb[3];
    qsizetype i = 0;
    for (int k = 0; k < 3; ++k) {
        while (i < ligne.size() && blanc(ligne[i]))
            ++i;
        const qsizetype debut = i;
        while (i < ligne.size() && !blanc(ligne[i]))
            ++i;
        if (i == debut || !composante(ligne.sliced(debut, i - debut), rvb[k]))
            return false;
    }
    couleur = RVB(rvb[0], rvb[1], rvb[2]);
    return true;
}

}  // namespace

QString NomPaletteDefaut()
{
    return QStringLiteral("GCPal0.map");
}

Palette PaletteParDefaut()
{
    // A gradient through these colours, walked with the square root of the count so that the
    // small counts, where most of the picture lies, change fastest.
    struct Arret {
        double t;
        int r, v, b;
    };
    static const Arret arrets[] = {
        {0.0, 0, 7, 100},      {0.16, 32, 107, 203}, {0.42, 237, 255, 255},
        {0.6425, 255, 170, 0}, {0.8575, 150, 30, 0}, {1.0, 60, 0, 60},
    };
    Palette p{};
    p[0] = 0;  // black
    for (int n = 1; n < NbCouleursPalette; ++n) {
        const double t = std::sqrt((n - 1) / 254.0);
        int k = 0;
        while (k + 2 < int(std::size(arrets)) && t > arrets[k + 1].t)
            ++k;
        const Arret& a = arrets[k];
        const Arret& b = arrets[k + 1];
        const double u = (t - a.t) / (b.t - a.t);
        auto mele = [u](int x, int y) { return int(std::lround(x + (y - x) * u)); };
        p[n] = RVB(mele(a.r, b.r), mele(a.v, b.v), mele(a.b, b.b));
    }
    return p;
}

Palette PaletteDeLignes(const QStringList& lignes, int* lues)
{
    Palette p;
    p.fill(Blanc);
    const int n = std::min<int>(NbCouleursPalette, lignes.size());
    int couleurs = 0;
    for (int i = 0; i < n; ++i)
        couleurs += couleurDeLigne(lignes[i], p[i]);
    if (lues)
        *lues = couleurs;
    return p;
}

QStringList LignesDePalette(const Palette& palette)
{
    QStringList lignes;
    lignes.reserve(NbCouleursPalette);
    for (TCouleur c : palette) {
        char ligne[12];
        const int n = std::snprintf(ligne, sizeof ligne, "%u %u %u", c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
        lignes << QString::fromLatin1(ligne, n);
    }
    return lignes;
}

bool LitPalette(const QString& chemin, Palette& palette, QString* erreur)
{
    palette.fill(Blanc);
    const QFileInfo info(chemin);
    if (!info.isFile()) {
        if (erreur)
            *erreur = QStringLiteral("Le fichier de palette « %1 » est introuvable.").arg(QDir::toNativeSeparators(chemin));
        return false;
    }
    const LectureTexte lu = LitFichierTexte(chemin, TailleMaxPalette, 4096);
    if (!lu.ok) {
        if (erreur)
            *erreur = lu.erreur;
        return false;
    }
    int couleurs = 0;
    const Palette p = PaletteDeLignes(lu.lignes, &couleurs);
    if (couleurs == 0) {
        if (erreur)
            *erreur = QStringLiteral("Le fichier de palette « %1 » ne contient aucune couleur.")
                          .arg(QDir::toNativeSeparators(chemin));
        return false;
    }
    palette = p;
    return true;
}

bool EcritPalette(const QString& chemin, const Palette& palette, QString* erreur)
{
    const EcritureTexte ecrit = EcritFichierTexte(chemin, LignesDePalette(palette));
    if (!ecrit.ok && erreur)
        *erreur = ecrit.erreur;
    return ecrit.ok;
}

int PeriodeValide(int periode)
{
    return std::clamp(periode, 3, NbCouleursPalette);
}

void RendPeriodique(Palette& palette, int periode)
{
    const int p = PeriodeValide(periode);
    for (int n = p; n < NbCouleursPalette; ++n)
        palette[n] = palette[n - p];
}

QString DossierPalettes()
{
    return QDir(etatGraphe().DossierProgramme).filePath(QStringLiteral("Palettes"));
}

QString CheminPalette(const QString& nom)
{
    if (nom.isEmpty() || nom.contains(QLatin1Char('/')) || nom.contains(QLatin1Char('\\')) || nom == QLatin1String(".")
        || nom == QLatin1String(".."))
        return {};
    const QDir dossier(DossierPalettes());
    if (QFileInfo(dossier.filePath(nom)).isFile())
        return dossier.filePath(nom);
    const QStringList fichiers = dossier.entryList(QDir::Files);
    for (const QString& f : fichiers)
        if (f.compare(nom, Qt::CaseInsensitive) == 0)
            return dossier.filePath(f);
    return {};
}

bool ChargePaletteNommee(const QString& nom, Palette& palette, QString* erreur)
{
    const QString chemin = CheminPalette(nom);
    if (chemin.isEmpty() && nom.compare(NomPaletteDefaut(), Qt::CaseInsensitive) == 0) {
        palette = PaletteParDefaut();
        return true;
    }
    if (chemin.isEmpty()) {
        palette.fill(Blanc);
        if (erreur)
            *erreur = QStringLiteral("Le fichier de palette « %1 » est introuvable dans le dossier « %2 ».")
                          .arg(nom, QDir::toNativeSeparators(DossierPalettes()));
        return false;
    }
    return LitPalette(chemin, palette, erreur);
}

bool InstallePaletteParDefaut(QString* erreur)
{
    if (!CheminPalette(NomPaletteDefaut()).isEmpty())
        return true;
    const QString dossier = DossierPalettes();
    if (!QDir().mkpath(dossier)) {
        if (erreur)
            *erreur = QStringLiteral("Le dossier des palettes « %1 » n'a pas pu être créé.")
                          .arg(QDir::toNativeSeparators(dossier));
        return false;
    }
    return EcritPalette(QDir(dossier).filePath(NomPaletteDefaut()), PaletteParDefaut(), erreur);
}
