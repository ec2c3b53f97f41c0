// Palette files: the reading rules, files written and read back byte for byte, the palette
// folder and the default palette.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/fichiers/palette.h"

namespace {

constexpr TCouleur Blanc = 0xFFFFFF;

Palette lue(const QByteArray& octets)
{
    return PaletteDeLignes(LignesDeOctets(octets).lignes);
}

QByteArray octetsDe(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Palettes : public ::testing::Test {
protected:
    void SetUp() override
    {
        reinitialiseGraphe();
        etatGraphe().DossierProgramme = dossier.path();
    }
    void TearDown() override { reinitialiseGraphe(); }
    QTemporaryDir dossier;
};

TEST_F(Palettes, UneLigneParCouleurLeResteEnBlanc)
{
    QByteArray longue, dix;
    for (int i = 0; i < 300; ++i)
        longue += QByteArray::number(i % 256) + " 1 2\r\n";
    for (int i = 0; i < 10; ++i)
        dix += "0 0 " + QByteArray::number(i) + "\n";
    struct Cas {
        QByteArray octets;
        std::vector<std::pair<int, TCouleur>> attendu;  // entry, colour
    } cas[] = {
        // Several blanks, tabs, an empty line, clamped values, words, a fourth number.
        {"  0   0 255\n\n", {{0, RVB(0, 0, 255)}, {1, Blanc}, {255, Blanc}}},
        {"1\t2\t3\n300 -4 +7 9\nrouge vert bleu\n4 5\n", {{0, RVB(1, 2, 3)}, {1, RVB(255, 0, 7)}, {2, Blanc}, {3, Blanc}}},
        {"", {{0, Blanc}, {255, Blanc}}},
        {dix, {{9, RVB(0, 0, 9)}, {10, Blanc}, {255, Blanc}}},
        {longue, {{255, RVB(255, 1, 2)}, {0, RVB(0, 1, 2)}}},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.octets.left(30).toStdString());
        const Palette p = lue(c.octets);
        for (const auto& [n, couleur] : c.attendu)
            EXPECT_EQ(p[std::size_t(n)], couleur) << n;
    }
}

TEST_F(Palettes, EcriteEtRelueOctetPourOctet)
{
    QDir().mkpath(DossierPalettes());
    // The default palette is written where the dialog lists palettes, once.
    ASSERT_TRUE(InstallePaletteParDefaut());
    const QString chemin = QDir(DossierPalettes()).filePath(QStringLiteral("GCPal0.map"));
    const QByteArray octets = octetsDe(chemin);
    EXPECT_EQ(octets.count("\r\n"), 256);
    EXPECT_TRUE(octets.startsWith("0 0 0\r\n0 7 100\r\n"));
    Palette p{};
    ASSERT_TRUE(LitPalette(chemin, p));
    EXPECT_EQ(p, PaletteParDefaut());
    const QString copie = QDir(DossierPalettes()).filePath(QStringLiteral("Copie.map"));
    ASSERT_TRUE(EcritPalette(copie, p));
    EXPECT_EQ(octetsDe(copie), octets);
    // Every colour of the default palette differs, so a colour tells its count.
    QSet<TCouleur> differentes(p.begin(), p.end());
    EXPECT_EQ(differentes.size(), NbCouleursPalette);

    // Names are found whatever their case; the default palette even when its file is gone.
    Palette q{};
    EXPECT_TRUE(ChargePaletteNommee(QStringLiteral("COPIE.MAP"), q));
    EXPECT_EQ(q, p);
    ASSERT_TRUE(QFile::remove(chemin));
    q.fill(0);
    EXPECT_TRUE(ChargePaletteNommee(QStringLiteral("GCPal0.map"), q));
    EXPECT_EQ(q, PaletteParDefaut());
    QString erreur;
    EXPECT_FALSE(ChargePaletteNommee(QStringLiteral("absente.map"), q, &erreur));
    EXPECT_EQ(q[0], Blanc);
    EXPECT_TRUE(erreur.contains(QStringLiteral("introuvable"))) << erreur.toStdString();
    EXPECT_FALSE(ChargePaletteNommee(QStringLiteral("../Palettes/Copie.map"), q));
    // A file none of whose lines gives a colour is not a palette.
    QFile texte(QDir(DossierPalettes()).filePath(QStringLiteral("texte.map")));
    ASSERT_TRUE(texte.open(QIODevice::WriteOnly));
    texte.write("rouge vert bleu\r\n\r\n");
    texte.close();
    EXPECT_FALSE(ChargePaletteNommee(QStringLiteral("texte.map"), q, &erreur));
    EXPECT_TRUE(erreur.contains(QStringLiteral("aucune couleur"))) << erreur.toStdString();
}

}  // namespace
