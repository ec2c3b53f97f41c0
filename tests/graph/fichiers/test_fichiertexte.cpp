// Text files: decoding, line ends, limits, and saves that fail without harm.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <cerrno>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

#include "graph/fichiers/fichiertexte.h"

namespace {

QByteArray LitOctets(const QString& chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return "<illisible>";
    return f.readAll();
}

void EcritBrut(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(octets), octets.size());
}

// Files larger than `octets` cannot be written by this process while it lives.
class LimiteTailleFichier {
public:
    explicit LimiteTailleFichier(rlim_t octets)
    {
        getrlimit(RLIMIT_FSIZE, &ancienne_);
        ancienSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit nouvelle = ancienne_;
        nouvelle.rlim_cur = octets;
        setrlimit(RLIMIT_FSIZE, &nouvelle);
    }
    ~LimiteTailleFichier()
    {
        setrlimit(RLIMIT_FSIZE, &ancienne_);
        std::signal(SIGXFSZ, ancienSignal_);
    }

private:
    rlimit ancienne_{};
    void (*ancienSignal_)(int) = nullptr;
};

}  // namespace

TEST(FichierTexte, Windows1252CouvreChaqueOctetDansLesDeuxSens)
{
    QByteArray tous;
    for (int i = 0; i < 256; ++i)
        tous.append(char(i));
    const QString texte = DepuisWindows1252(tous);
    ASSERT_EQ(texte.size(), 256);
    EXPECT_EQ(texte.at(0x80), QChar(0x20AC));  // €, where Latin-1 would be wrong
    EXPECT_EQ(texte.at(0xA3), QChar(0x00A3));  // £, a record mark
    QList<CaractereNonRepresentable> refus;
    EXPECT_EQ(EnWindows1252(texte, &refus), tous);
    EXPECT_TRUE(refus.isEmpty());

    // The table agrees with the system's converter wherever the code page defines a byte.
    QStringDecoder systeme("windows-1252");
    if (systeme.isValid()) {
        const QString parSysteme = systeme.decode(tous);
        ASSERT_EQ(parSysteme.size(), 256);
        for (int i = 0; i < 256; ++i) {
            if (i == 0x81 || i == 0x8D || i == 0x8F || i == 0x90 || i == 0x9D)
                continue;
            EXPECT_EQ(parSysteme.at(i), texte.at(i)) << "octet " << i;
        }
    }
}

TEST(FichierTexte, FichiersUtf8EtWindows1252LusDeMeme)
{
    const QString attendu = QStringLiteral("£a;1;-5;5;0.1;A;|§Fenêtre é œ € ’");
    const QStringList lignes = attendu.split(QLatin1Char('|'));
    QByteArray cp1252, utf8;
    for (const QString& l : lignes) {
        cp1252 += EnWindows1252(l) + "\r\n";
        utf8 += l.toUtf8() + "\n";
    }
    const LectureTexte a = LignesDeOctets(cp1252);
    const LectureTexte b = LignesDeOctets(utf8);
    const LectureTexte c = LignesDeOctets("\xEF\xBB\xBF" + utf8);  // with a byte-order mark
    EXPECT_FALSE(a.utf8);
    EXPECT_TRUE(b.utf8);
    EXPECT_TRUE(c.utf8);
    EXPECT_EQ(a.lignes, lignes);
    EXPECT_EQ(b.lignes, lignes);
    EXPECT_EQ(c.lignes, lignes);
}

TEST(FichierTexte, FinsDeLigne)
{
    struct Cas {
        QByteArray octets;
        QStringList lignes;
        bool finSansRetour;
    };
    const Cas cas[] = {
        {"", {}, false},
        {"\r\n", {""}, false},
        {"a\r\nb\r\n", {"a", "b"}, false},
        {"a\nb\n", {"a", "b"}, false},
        {"a\r\nb\nc", {"a", "b", "c"}, true},   // mixed, last line without end
        {"a\r\n\r\n", {"a", ""}, false},
        {"a\rb\r\n", {"a\rb"}, false},           // a lone CR stays in its line
        {"a\r", {"a"}, true},                    // a file cut after a CR
        {"\n\n", {"", ""}, false},
    };
    for (const Cas& c : cas) {
        const LectureTexte l = LignesDeOctets(c.octets);
        EXPECT_TRUE(l.ok);
        EXPECT_EQ(l.lignes, c.lignes) << c.octets.toStdString();
        EXPECT_EQ(l.finSansRetour, c.finSansRetour) << c.octets.toStdString();
    }
}

TEST(FichierTexte, Utf8InvalideLuEnWindows1252)
{
    EXPECT_TRUE(EstUtf8Valide("caf\xC3\xA9"));
    EXPECT_TRUE(EstUtf8Valide("\xF0\x9F\x98\x80"));
    EXPECT_FALSE(EstUtf8Valide("caf\xC3"));              // cut inside a sequence
    EXPECT_FALSE(EstUtf8Valide("\xF0\x9F\x98"));
    EXPECT_FALSE(EstUtf8Valide("\xC0\xAF"));             // overlong
    EXPECT_FALSE(EstUtf8Valide("\xED\xA0\x80"));         // surrogate
    EXPECT_FALSE(EstUtf8Valide("\xF4\x90\x80\x80"));     // above U+10FFFF
    EXPECT_FALSE(EstUtf8Valide("\xE9t\xE9"));            // Windows-1252 "été"

    // A UTF-8 file cut inside its last character: read as Windows-1252, nothing past the end.
    const LectureTexte l = LignesDeOctets("Fen\xC3\xAAtre\r\ncaf\xC3");
    EXPECT_FALSE(l.utf8);
    ASSERT_EQ(l.lignes.size(), 2);
    EXPECT_EQ(l.lignes[1], QStringLiteral("caf\u00C3"));
}

TEST(FichierTexte, OctetsBinairesEtLignesTresLongues)
{
    QByteArray binaire;
    for (int i = 0; i < 4096; ++i)
        binaire.append(char((i * 131 + 7) & 0xFF));
    const LectureTexte b = LignesDeOctets(binaire);
    EXPECT_TRUE(b.ok);
    qsizetype total = 0;
    for (const QString& l : b.lignes)
        total += l.size() + 1;
    EXPECT_LE(total, binaire.size() + 1);  // every byte once, nothing invented

    const QByteArray nul("a\0b\r\nc", 6);
    const LectureTexte n = LignesDeOctets(nul);
    ASSERT_EQ(n.lignes.size(), 2);
    EXPECT_EQ(n.lignes[0].size(), 3);

    // A line of megabytes (a long formula) is read whole; one above the limit is refused
    // whole and reported, never cut.
    const QByteArray longue(2 * 1024 * 1024, 'x');
    const LectureTexte l1 = LignesDeOctets(longue + ";nom;\r\nfin\r\n");
    ASSERT_EQ(l1.lignes.size(), 2);
    EXPECT_EQ(l1.lignes[0].size(), longue.size() + 5);
    EXPECT_TRUE(l1.lignes[0].endsWith(";nom;"));
    EXPECT_TRUE(l1.lignesRefusees.isEmpty());
    const LectureTexte l2 = LignesDeOctets("debut\n" + QByteArray(3000, 'y') + "\nab\xF0\x9F\x98\x80z\nfin", 1000);
    EXPECT_EQ(l2.lignes, (QStringList{"debut", "", QStringLiteral("ab\U0001F600z"), "fin"}));
    EXPECT_EQ(l2.lignesRefusees, QList<int>{2});
    EXPECT_GE(LongueurMaxLigne, 64 * 1024 * 1024);
}

TEST(FichierTexte, LectureDeFichiersIllisibles)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const LectureTexte absent = LitFichierTexte(dossier.filePath("absent.vrk"));
    EXPECT_FALSE(absent.ok);
    EXPECT_TRUE(absent.erreur.contains(QStringLiteral("introuvable")));

    const LectureTexte repertoire = LitFichierTexte(dossier.path());
    EXPECT_FALSE(repertoire.ok);
    EXPECT_FALSE(repertoire.erreur.isEmpty());

    const QString gros = dossier.filePath("gros.txt");
    EcritBrut(gros, QByteArray(2000, 'z'));
    const LectureTexte trop = LitFichierTexte(gros, 1000);
    EXPECT_FALSE(trop.ok);
    EXPECT_TRUE(trop.erreur.contains(QStringLiteral("trop gros")));

    const QString vide = dossier.filePath("vide.txt");
    EcritBrut(vide, {});
    const LectureTexte v = LitFichierTexte(vide);
    EXPECT_TRUE(v.ok);
    EXPECT_TRUE(v.lignes.isEmpty());
}

TEST(FichierTexte, EcritEnWindows1252AvecCrLfEtRelit)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("doc.vrk");
    const QStringList lignes = {QStringLiteral("#Fenêtre 1;0;0;400;400;f;clWhite;"), QString(),
                                QStringLiteral("§é œ € £")};
    const EcritureTexte e = EcritFichierTexte(chemin, lignes);
    ASSERT_TRUE(e.ok) << e.erreur.toStdString();
    EXPECT_FALSE(e.utf8);
    EXPECT_TRUE(e.nonRepresentables.isEmpty());
    EXPECT_EQ(LitOctets(chemin), QByteArray("#Fen\xEAtre 1;0;0;400;400;f;clWhite;\r\n\r\n\xA7\xE9 \x9C \x80 \xA3\r\n"));
    const LectureTexte l = LitFichierTexte(chemin);
    EXPECT_EQ(l.lignes, lignes);
    // Saving what was read gives the same bytes.
    const QByteArray avant = LitOctets(chemin);
    ASSERT_TRUE(EcritFichierTexte(chemin, l.lignes).ok);
    EXPECT_EQ(LitOctets(chemin), avant);
}

TEST(FichierTexte, CaracteresNonRepresentables)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("titre.txt");
    EcritBrut(chemin, "ancien\r\n");
    const QStringList lignes = {QStringLiteral("ok"), QStringLiteral("f → g é")};

    // Each character is listed once where it stands, a surrogate pair as one.
    QList<CaractereNonRepresentable> refus;
    EXPECT_EQ(EnWindows1252(QStringLiteral("a→b") + QString::fromUcs4(U"\U0001F600") + QStringLiteral("é"), &refus),
              QByteArray("a?b?\xE9"));
    ASSERT_EQ(refus.size(), 2);
    EXPECT_EQ(refus[1].code, char32_t(0x1F600));
    EXPECT_EQ(refus[1].colonne, 4);

    // Strict: nothing written, the old file stays, the character is named.
    const EcritureTexte strict = EcritFichierTexte(chemin, lignes, PolitiqueEncodage::Strict);
    EXPECT_FALSE(strict.ok);
    ASSERT_EQ(strict.nonRepresentables.size(), 1);
    EXPECT_EQ(strict.nonRepresentables[0].ligne, 2);
    EXPECT_EQ(strict.nonRepresentables[0].colonne, 3);
    EXPECT_TRUE(strict.erreur.contains(QStringLiteral("U+2192")));
    EXPECT_EQ(LitOctets(chemin), QByteArray("ancien\r\n"));

    // Fallback: the whole file in UTF-8, reported, and read back unchanged.
    const EcritureTexte repli = EcritFichierTexte(chemin, lignes);
    EXPECT_TRUE(repli.ok);
    EXPECT_TRUE(repli.utf8);
    EXPECT_EQ(repli.nonRepresentables.size(), 1);
    EXPECT_EQ(LitOctets(chemin), QByteArray("ok\r\nf \xE2\x86\x92 g \xC3\xA9\r\n"));
    EXPECT_EQ(LitFichierTexte(chemin).lignes, lignes);
}

TEST(FichierTexte, OctetsWindows1252FormantDeLUtf8EcritsEnUtf8)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("texte.txt");
    const QChar marque(0xFEFF);
    struct Cas {
        QStringList lignes;
        bool utf8;
    };
    const QList<Cas> cas = {
        {{QStringLiteral("Ã©tÃ©")}, true},                          // C3 A9 would read as "é"
        {{QStringLiteral("ï»¿debut"), QStringLiteral("x")}, true},   // EF BB BF, a byte-order mark
        {{QStringLiteral("ï»¿début")}, false},                       // E9 62: not UTF-8
        {{QStringLiteral("ï»¿")}, true},
        {{QString(marque) + QStringLiteral("→"), QString(marque)}, true},  // a real U+FEFF stays
        {{QStringLiteral("é Ã©")}, false},                           // not UTF-8: stays Windows-1252
        {{QStringLiteral("plain"), QString()}, false},
    };
    for (const Cas& c : cas) {
        const EcritureTexte e = EcritFichierTexte(chemin, c.lignes);
        ASSERT_TRUE(e.ok) << e.erreur.toStdString();
        EXPECT_EQ(e.utf8, c.utf8) << c.lignes.join('|').toStdString();
        EXPECT_EQ(LitFichierTexte(chemin).lignes, c.lignes) << c.lignes.join('|').toStdString();
    }
    EXPECT_EQ(EncodeLignes({QStringLiteral("Ã©")}, PolitiqueEncodage::RepliUtf8), QByteArray("\xC3\x83\xC2\xA9\r\n"));
    EXPECT_EQ(EncodeLignes({QStringLiteral("é Ã©")}, PolitiqueEncodage::RepliUtf8), QByteArray("\xE9 \xC3\xA9\r\n"));
    // Strict keeps to Windows-1252.
    EXPECT_EQ(EncodeLignes({QStringLiteral("Ã©")}, PolitiqueEncodage::Strict), QByteArray("\xC3\xA9\r\n"));
}

TEST(FichierTexte, EnregistrementEchoueLaisseLAncienFichierEntier)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString chemin = dossier.filePath("cours.vrk");
    const QByteArray ancien = "#ancien document\r\n";
    EcritBrut(chemin, ancien);

    // The disk refuses the write halfway (as a full disk or a quota would).
    QStringList grand;
    for (int i = 0; i < 2000; ++i)
        grand << QStringLiteral("&Y;%1;ligne assez longue pour dépasser la limite").arg(i);
    // A small file fails only when the last bytes leave the buffer, at the commit.
    const QStringList petit = grand.mid(0, 40);
    for (const QStringList& lignes : {grand, petit}) {
        EcritureTexte e;
        {
            LimiteTailleFichier limite(1024);
            e = EcritFichierTexte(chemin, lignes);
        }
        EXPECT_FALSE(e.ok) << lignes.size();
        EXPECT_TRUE(e.erreur.startsWith(QStringLiteral("Impossible d'enregistrer")));
        // The system's reason, in French.
        EXPECT_TRUE(e.erreur.endsWith(QStringLiteral(" : fichier trop grand pour ce disque ou cet utilisateur")))
            << e.erreur.toStdString();
        EXPECT_EQ(LitOctets(chemin), ancien);
        EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{"cours.vrk"});  // no leftover
    }

    // A folder that does not exist.
    const EcritureTexte absent = EcritFichierTexte(dossier.filePath("nulle/part.vrk"), {QStringLiteral("x")});
    EXPECT_FALSE(absent.ok);
    EXPECT_TRUE(absent.erreur.endsWith(QStringLiteral(" : dossier introuvable"))) << absent.erreur.toStdString();
    EXPECT_EQ(RaisonSysteme(ENOSPC), QStringLiteral("plus de place sur le disque"));

    // A read-only folder (root writes anywhere, so only checked for other users).
    if (geteuid() != 0) {
        QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const EcritureTexte lectureSeule = EcritFichierTexte(chemin, {QStringLiteral("nouveau")});
        QFile::setPermissions(dossier.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        EXPECT_FALSE(lectureSeule.ok);
        EXPECT_EQ(LitOctets(chemin), ancien);
    }
}
