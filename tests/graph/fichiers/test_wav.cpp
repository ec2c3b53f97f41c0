// WAV files: what we write is read by sox as the format asked, with the samples the scale
// gives; what sox writes (and files with other chunks, odd sizes, lying sizes) is read back
// to exactly its samples; what is not 8/16-bit PCM is refused with a French message.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtEndian>
#include <cmath>

#include "graph/fichiers/wav.h"

namespace {

QString Lance(const QString& programme, const QStringList& arguments, QByteArray* sortie = nullptr)
{
    QProcess p;
    p.start(programme, arguments);
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return QString::fromLocal8Bit(p.readAllStandardError()) + " (" + programme + " " + arguments.join(' ') + ")";
    if (sortie)
        *sortie = p.readAllStandardOutput();
    return {};
}

struct Lu {
    bool ok = false;
    QString erreur;
    EnteteWav entete;
    std::vector<int> echantillons;
};

Lu LitOctets(QByteArray octets)
{
    QBuffer b(&octets);
    b.open(QIODevice::ReadOnly);
    Lu l;
    l.ok = LitEnteteWav(b, l.entete, l.erreur)
           && LitEchantillonsWav(b, l.entete, [&](const int* v, int n) { l.echantillons.insert(l.echantillons.end(), v, v + n); },
                                 l.erreur);
    return l;
}

QByteArray Octets(const QString& chemin)
{
    QFile f(chemin);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

void Pose32(QByteArray& o, int position, quint32 v) { qToLittleEndian(v, o.data() + position); }

}  // namespace

TEST(Wav, ChaqueFormatEcritEstLuParSoxEtRelitLesEchantillonsMisALEchelle)
{
    QTemporaryDir d;
    // Odd count, mean 0, range [-1, 1]: 16 bits gives -32767..32767, 8 bits 0..255 with the
    // centre at 128, stereo repeats the last value on the right.
    const std::vector<double> v{0, 1, -1, 0.5, -0.5, 0.25, 0};
    for (int mode = 0; mode < 4; ++mode) {
        SCOPED_TRACE(mode);
        const FormatWav f = FormatWavDuMode(mode, mode % 3);
        const QString chemin = d.filePath(QStringLiteral("m%1.wav").arg(mode));
        QFile ecrit(chemin);
        ASSERT_TRUE(ecrit.open(QIODevice::WriteOnly));
        ecrit.write(OctetsWav(v, 0, 1, f));
        ecrit.close();
        const std::pair<const char*, unsigned> infos[] = {{"-c", f.canaux}, {"-b", f.bits}, {"-r", f.frequence}};
        for (const auto& [option, valeur] : infos) {
            QByteArray info;
            ASSERT_EQ(Lance("soxi", {option, chemin}, &info), QString());
            EXPECT_EQ(info.trimmed().toUInt(), valeur) << option;
        }
        // sox reads our samples as signed 16-bit values.
        QByteArray brut;
        ASSERT_EQ(Lance("sox", {chemin, "-t", "s16", "-"}, &brut), QString());
        const Lu l = LitOctets(Octets(chemin));
        ASSERT_TRUE(l.ok) << l.erreur.toStdString();
        std::vector<int> attendus;
        for (double x : v)
            attendus.push_back(f.bits == 16 ? int(std::nearbyint(x * 32767)) : std::min(int(std::nearbyint(x * 128)), 127));
        if (f.canaux == 2)
            attendus.push_back(attendus.back());
        EXPECT_EQ(l.echantillons, attendus);
        ASSERT_EQ(brut.size(), qsizetype(attendus.size() * 2));
        for (std::size_t k = 0; k < attendus.size(); ++k)
            EXPECT_EQ(qFromLittleEndian<qint16>(brut.constData() + 2 * k) >> (f.bits == 8 ? 8 : 0), attendus[k]);
    }
    EXPECT_EQ(EchantillonWav(1, 0, EchelleWav(1, 8), 8), 255);   // the positive peak gives 256, limited
    EXPECT_EQ(EchantillonWav(3, 3, EchelleWav(0, 16), 16), 0);    // a constant curve: silence
    QString erreur;
    EXPECT_TRUE(OctetsWav({}, 0, 1, FormatWavDuMode(0, 0), &erreur).isEmpty());
    EXPECT_FALSE(erreur.isEmpty());
    // Non-finite ordinates are left out of the samples, the mean and the range.
    std::vector<PointCourbe> points(4);
    points[0].y = 2, points[1].y = INFINITY, points[2].y = 5, points[3].y = NAN;
    const EchantillonsCourbe e = EchantillonneCourbeWav(points);
    EXPECT_EQ(e.valeurs, (std::vector<double>{2, 5}));
    EXPECT_EQ(e.minimum, 2);
    EXPECT_EQ(e.crete(), 1.5);
}

TEST(Wav, FichiersDeSoxEtAutresBlocsLusEtFichiersFautifsRefuses)
{
    QTemporaryDir d;
    const QString sinus = d.filePath("la.wav");
    ASSERT_EQ(Lance("sox", {"-n", "-r", "8000", "-b", "16", "-c", "2", sinus, "synth", "0.01", "sine", "440"}), QString());
    QByteArray brut;
    ASSERT_EQ(Lance("sox", {sinus, "-t", "s16", "-"}, &brut), QString());
    std::vector<int> attendus;
    for (qsizetype k = 0; k + 1 < brut.size(); k += 2)
        attendus.push_back(qFromLittleEndian<qint16>(brut.constData() + k));
    QByteArray sox = Octets(sinus);
    Lu l = LitOctets(sox);
    ASSERT_TRUE(l.ok) << l.erreur.toStdString();
    EXPECT_EQ(l.echantillons, attendus);
    EXPECT_EQ(l.entete.format.frequence, 8000u);

    // A LIST chunk of odd size (and its pad byte) before "data": the same samples.
    const int data = int(sox.indexOf("data"));
    QByteArray avecListe = sox;
    avecListe.insert(data, QByteArray("LIST\x03\0\0\0abc\0", 12));
    l = LitOctets(avecListe);
    EXPECT_TRUE(l.ok && l.echantillons == attendus) << l.erreur.toStdString();

    // 16-bit stereo (4-byte frames): a data size of 1001 with 1001 bytes gives 250 frames;
    // a size of 3 000 000 000 with 400 bytes present gives 100 frames.
    QByteArray entete = sox.left(data + 8);
    QByteArray f = entete + QByteArray(1001, '\1');
    Pose32(f, data + 4, 1001);
    EXPECT_EQ(LitOctets(f).echantillons.size(), 500u);
    f = entete + QByteArray(400, '\1');
    Pose32(f, data + 4, 3000000000u);
    l = LitOctets(f);
    EXPECT_TRUE(l.ok);
    EXPECT_EQ(l.entete.trames, 100);

    struct Cas {
        int position;    // byte changed in the header (-1: the file cut there)
        quint16 valeur;
        const char* message;
    };
    const int fmt = int(sox.indexOf("fmt ")) + 8;
    const Cas cas[] = {
        {fmt, 3, "PCM"},              // floats
        {fmt + 2, 0, "voie"},         // no channel
        {fmt + 14, 24, "24 bits"},    // 24-bit
        {fmt + 4, 0, "fréquence"},    // rate 0 (the 32-bit field's low half; the high half is 0)
        {-1, quint16(data), "DATA non trouvé!"},
        {-1, 20, "fmt"},
        {-1, 6, "RIFF"},
    };
    for (const Cas& c : cas) {
        SCOPED_TRACE(c.message);
        QByteArray m = c.position < 0 ? sox.left(c.valeur) : sox;
        if (c.position >= 0)
            qToLittleEndian(c.valeur, m.data() + c.position);
        l = LitOctets(m);
        EXPECT_FALSE(l.ok);
        EXPECT_TRUE(l.erreur.contains(QString::fromUtf8(c.message))) << l.erreur.toStdString();
    }
}

TEST(Wav, NomsDesTextesTiresDuNomSansJamaisPrendreUnFichierExistant)
{
    QTemporaryDir d;
    NomsTexteWav n = NomsTexteDuWav("/ailleurs/Cours.WAV", d.path());
    EXPECT_EQ(n.principal, d.filePath("Cours.txt"));
    EXPECT_EQ(n.gauche, d.filePath("Cours_g.txt"));
    EXPECT_EQ(n.droite, d.filePath("Cours_d.txt"));
    QFile(d.filePath("Cours_d.txt")).open(QIODevice::WriteOnly);
    n = NomsTexteDuWav("Cours.wav", d.path());
    EXPECT_EQ(n.principal, d.filePath("Cours~2.txt"));
    EXPECT_EQ(NomsTexteDuWav("bruit", d.path()).principal, d.filePath("bruit.txt"));
}
