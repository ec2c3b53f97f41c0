// The point cache's records: layout, reading back, and damaged files.
#include <QDir>
#include <QFile>
#include <cmath>
#include <cstring>
#include <limits>

#include "expression/fonction.h"

#include "graph/courbes_outils.h"

namespace {

class PointsCourbe : public CourbeTest {};

TEST_F(PointsCourbe, EnregistrementDe28OctetsPetitBoutiste)
{
    QByteArray tampon;
    AjoutePointCourbe(tampon, {1.0, -2.5, 0.1, 3});
    ASSERT_EQ(tampon.size(), 28);
    // 1.0 = 0x3FF0000000000000, least significant byte first.
    EXPECT_EQ(QByteArray(tampon.constData(), 8), QByteArray::fromHex("000000000000f03f"));
    EXPECT_EQ(QByteArray(tampon.constData() + 8, 8), QByteArray::fromHex("00000000000004c0"));
    EXPECT_EQ(QByteArray(tampon.constData() + 16, 8), QByteArray::fromHex("9a9999999999b93f"));
    EXPECT_EQ(QByteArray(tampon.constData() + 24, 4), QByteArray::fromHex("03000000"));

    const LecturePoints l = LitPointsCourbe(tampon);
    ASSERT_TRUE(l.ok());
    ASSERT_EQ(l.points.size(), 1u);
    EXPECT_EQ(l.points[0], (PointCourbe{1.0, -2.5, 0.1, 3}));
}

TEST_F(PointsCourbe, CacheReluDonneLesMemesPoints)
{
    auto c = courbe('T', "t*t", "-t/3");
    c->FixeBornes("-1", "2", "0.1");
    trace(*c);
    const auto pts = points(*c);
    ASSERT_EQ(pts.size(), 31u);
    for (const auto& p : pts) {
        double x, y;
        c->Evalue(p.t, x, y);
        EXPECT_EQ(p.x, x);
        EXPECT_EQ(p.y, y);
    }
    // The trace rewrites it from empty.
    c->FixeBornes("0", "1", "0.5");
    trace(*c);
    EXPECT_EQ(points(*c).size(), 3u);
}

// A trace of 5 10^5 points writes its cache in several pieces as it goes: the file must hold
// the records one by one evaluation gives (failed points leave none and mark the next one
// 3), written over a longer or a shorter previous cache, or none; the arrow heads, drawn from
// the first and last records kept aside, are those of the records of the file.
TEST_F(PointsCourbe, LongCacheEcritParMorceauxCommeEnUneFois)
{
    const QString formule = QStringLiteral("sqrt(sin(40*x)+0.99)*6");
    Arbre arbre;
    ASSERT_TRUE(CompileExpr(formule.toStdString(), arbre));
    QByteArray attendu;
    int echecs = 0;
    {
        std::uint8_t stylo = 0;
        auto point = [&](double t) {
            ErreurCalcul() = 0;
            const double y = EvalueArbre(arbre, t);
            if (ErreurCalcul() || !std::isfinite(y)) {
                ++echecs;
                stylo = 3;
                return;
            }
            AjoutePointCourbe(attendu, {t, t, y, stylo});
            stylo = 1;
        };
        double t = -5;
        const double h = 2e-5;
        point(t);
        while (t + h < 5) {
            t += h;
            point(t);
        }
        if (5 - t > contexteCalcul().Epsilon)
            point(5);
        ErreurCalcul() = 0;
    }
    ASSERT_GT(attendu.size(), 3 << 20);
    ASSERT_GT(echecs, 1000);

    const QByteArray avant[] = {QByteArray(), QByteArray(attendu.size() + 1000, 'a'), QByteArray(5000, 'b')};
    for (int k = 0; k < 3; ++k) {
        SCOPED_TRACE(k);
        auto c = courbe('Y', formule, QString(), 1 + k);
        c->Marqueur.Visible = false;
        c->FixeBornes("-5", "5", "0.00002");
        c->Fleches = 3;
        const QString chemin = c->CheminFichier(".pts");
        QFile::remove(chemin);
        if (!avant[k].isEmpty()) {
            QFile f(chemin);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(avant[k]);
        }
        image_ = imageBlanche(620, 420);
        trace(*c);
        QFile f(chemin);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly));
        const QByteArray octets = f.readAll();
        ASSERT_EQ(octets.size(), attendu.size());
        EXPECT_TRUE(octets == attendu);
        EXPECT_EQ(lignesErreurs(*c).size(), echecs);
        if (k > 0)
            continue;

        // The same curve without arrows, then its arrows from the records of the file.
        const QImage avecFleches = image_;
        c->Fleches = 0;
        image_ = imageBlanche(620, 420);
        trace(*c);
        QPainter peintre(&image_);
        DessineFlechesCourbe(peintre, *repere_, LitPointsCourbe(octets).points, c->Couleur, 3);
        peintre.end();
        EXPECT_EQ(avecFleches, image_);
    }

    // The records kept aside for the arrows, for every count up to four and across pieces.
    for (int nombre : {0, 1, 2, 3, 4, 5, 100003}) {
        auto c = courbe('Y', "x", QString(), 10);
        std::vector<PointCourbe> extremites;
        {
            QPainter peintre(&image_);
            TraceurCourbe traceur(*c, peintre, *repere_);
            for (int i = 0; i < nombre; ++i)
                traceur.Point(i, i % 7, -i);
            extremites = traceur.Extremites();
            traceur.Termine();
        }
        std::vector<PointCourbe> p = points(*c);
        ASSERT_EQ(p.size(), std::size_t(nombre));
        if (p.size() > 4)
            p.erase(p.begin() + 2, p.end() - 2);
        EXPECT_EQ(extremites, p) << nombre;
    }
}

TEST_F(PointsCourbe, CacheTronqueOuEndommage)
{
    QByteArray octets;
    for (int i = 0; i < 3; ++i)
        AjoutePointCourbe(octets, {double(i), double(i), double(i), 1});

    // A cache cut short: 60 bytes give 2 records and are reported.
    LecturePoints l = LitPointsCourbe(octets.left(60));
    EXPECT_EQ(l.etat, EtatCache::Tronque);
    EXPECT_EQ(l.points.size(), 2u);
    EXPECT_FALSE(l.erreur.isEmpty());
    l = LitPointsCourbe(octets.left(27));
    EXPECT_EQ(l.etat, EtatCache::Tronque);
    EXPECT_TRUE(l.points.empty());

    // An unknown pen byte, then a value that is not a number.
    QByteArray abime = octets;
    abime[28 + 24] = char(7);
    l = LitPointsCourbe(abime);
    EXPECT_EQ(l.etat, EtatCache::Corrompu);
    EXPECT_EQ(l.points.size(), 1u);
    abime = octets;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    unsigned char o[28];
    EncodePointCourbe(o, {2, nan, 2, 1});
    abime.replace(56, 28, QByteArray(reinterpret_cast<const char*>(o), 28));
    l = LitPointsCourbe(abime);
    EXPECT_EQ(l.etat, EtatCache::Corrompu);
    EXPECT_EQ(l.points.size(), 2u);

    // Empty, missing, no path.
    EXPECT_TRUE(LitPointsCourbe(QByteArray()).ok());
    EXPECT_EQ(LitFichierPoints(QString()).etat, EtatCache::Absent);
    EXPECT_EQ(LitFichierPoints(QDir(dossierTravail()).filePath("absent.pts")).etat, EtatCache::Absent);
}

TEST_F(PointsCourbe, LecteurNeLitJamaisAuDelaDeLaFin)
{
    // Every length of a 3-record buffer, read from a copy of exactly that size.
    QByteArray octets;
    for (int i = 0; i < 3; ++i)
        AjoutePointCourbe(octets, {double(i), 1, 2, 0});
    for (int n = 0; n <= octets.size(); ++n) {
        std::vector<unsigned char> exact(octets.begin(), octets.begin() + n);
        const LecturePoints l = LitPointsCourbe(exact.data(), exact.size());
        EXPECT_EQ(l.points.size(), std::size_t(n / 28));
        EXPECT_EQ(l.ok(), n % 28 == 0);
    }
}

TEST_F(PointsCourbe, EcritureEtRelectureDeFichier)
{
    const QString chemin = QDir(dossierTravail()).filePath("essai.pts");
    const std::vector<PointCourbe> pts = {{0, 1, 2, 0}, {1, -1e300, 5e-324, 1}, {2, 3, 4, 3}};
    ASSERT_TRUE(EcritFichierPoints(chemin, pts));
    EXPECT_EQ(QFile(chemin).size(), 84);
    const LecturePoints l = LitFichierPoints(chemin);
    ASSERT_TRUE(l.ok());
    EXPECT_EQ(l.points, pts);
    QString erreur;
    EXPECT_FALSE(EcritFichierPoints(QDir(dossierTravail()).filePath("absent/x.pts"), pts, &erreur));
    EXPECT_FALSE(erreur.isEmpty());
}

TEST_F(PointsCourbe, StatistiquesIgnorentUnFragmentFinal)
{
    auto c = courbe('Y', "2*x+3");
    c->FixeBornes("0", "1", "0.5");
    trace(*c);
    QFile f(c->FichierPoints);
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write("abcd");
    f.close();
    StatistiquesCourbe r;
    EXPECT_TRUE(c->Statistiques(10, r));
    EXPECT_DOUBLE_EQ(r[1], 1);   // max of x over the 3 whole records
    EXPECT_DOUBLE_EQ(r[17], 5);  // n beyond the count: the last point
}

}  // namespace
