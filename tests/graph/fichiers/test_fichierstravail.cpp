// Copies of embedded data files, and paths stored in documents.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QDateTime>
#include <QFileInfo>
#include <QLockFile>
#include <QTemporaryDir>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "etat_essai.h"

namespace {

QByteArray LitOctets(const QString& chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<illisible>");
}

// Every file under a folder, relative to it, with its bytes.
QMap<QString, QByteArray> Contenu(const QString& dossier)
{
    QMap<QString, QByteArray> contenu;
    QDirIterator it(dossier, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString chemin = it.next();
        contenu.insert(QDir(dossier).relativeFilePath(chemin), LitOctets(chemin));
    }
    return contenu;
}

// A sandbox: DossierTemp is <racine>/temp, so a copy escaping the working folder
// (DossierTemp/travail-XXXXXX) would show up under the sandbox.
class FichiersTravail : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(racine.isValid());
        travail = dossierTravail();
        ASSERT_TRUE(travail.startsWith(racine.path()));
    }
    // Everything in the sandbox that is not in the working folder.
    QMap<QString, QByteArray> HorsTravail()
    {
        QMap<QString, QByteArray> hors;
        const QMap<QString, QByteArray> tout = Contenu(racine.path());
        const QString prefixe = QDir(racine.path()).relativeFilePath(travail) + QLatin1Char('/');
        for (auto it = tout.begin(); it != tout.end(); ++it)
            if (!it.key().startsWith(prefixe))
                hors.insert(it.key(), it.value());
        return hors;
    }

    QTemporaryDir racine;
    EtatNeuf<reinitialiseGraphe> etat_;
    GardeValeur<QString> temp_{etatGraphe().DossierTemp, racine.filePath("temp")};
    QString travail;
};

}  // namespace

TEST_F(FichiersTravail, NomDeFichierDesCheminsEnregistres)
{
    EXPECT_EQ(PartieNomFichier("C:\\data\\mesures.txt"), QStringLiteral("mesures.txt"));
    EXPECT_EQ(PartieNomFichier("/home/prof/tp/mesures.txt"), QStringLiteral("mesures.txt"));
    EXPECT_EQ(PartieNomFichier("x:/../../Startup/a.bat"), QStringLiteral("a.bat"));
    EXPECT_EQ(PartieNomFichier("C:mesures.txt"), QStringLiteral("mesures.txt"));
    EXPECT_EQ(PartieNomFichier("../../.profile"), QStringLiteral(".profile"));
    EXPECT_EQ(PartieNomFichier("C:\\data\\"), QString());
    EXPECT_EQ(PartieNomFichier("mesures.txt"), QStringLiteral("mesures.txt"));

    for (const QString& nom : {QString(), QStringLiteral("   "), QStringLiteral("."), QStringLiteral(".."),
                               QStringLiteral("a\tb"), QStringLiteral("a\x01.txt"), QStringLiteral("a\x7F"),
                               QStringLiteral("a/b"), QStringLiteral("a\\b")})
        EXPECT_FALSE(RefusNomFichier(nom).isEmpty()) << nom.toStdString();
    EXPECT_TRUE(RefusNomFichier(QStringLiteral("Mesures été.txt")).isEmpty());
    EXPECT_TRUE(RefusNomFichier(QStringLiteral(".bashrc")).isEmpty());
}

TEST_F(FichiersTravail, CopiesInclusesNeQuittentJamaisLeDossierDeTravail)
{
    const QMap<QString, QByteArray> avant = HorsTravail();
    const QStringList lignes = {QStringLiteral("1;2"), QStringLiteral("3;4")};

    // Names that are refused: nothing is written anywhere, and the message says why.
    for (const QString& libelle : {QStringLiteral(".."), QStringLiteral("C:\\.."), QStringLiteral("C:\\data\\"),
                                   QStringLiteral("x:/../.."), QStringLiteral("dossier/."),
                                   QStringLiteral("mes\nures.txt"), QString()}) {
        const CopieTravail c = EcritCopieTravail(libelle, lignes);
        EXPECT_FALSE(c.ok) << libelle.toStdString();
        EXPECT_TRUE(c.erreur.startsWith(QStringLiteral("Données incluses"))) << libelle.toStdString();
    }
    EXPECT_TRUE(Contenu(travail).isEmpty());

    // Paths that climb out: only their file-name part is used, inside the working folder.
    const CopieTravail profil = EcritCopieTravail("../../../../../../.profile", lignes);
    ASSERT_TRUE(profil.ok) << profil.erreur.toStdString();
    EXPECT_EQ(profil.chemin, QDir(travail).filePath(".profile"));
    const CopieTravail windows = EcritCopieTravail("C:\\..\\..\\x", lignes);
    ASSERT_TRUE(windows.ok);
    EXPECT_EQ(windows.chemin, QDir(travail).filePath("x"));
    EXPECT_EQ(LitOctets(profil.chemin), QByteArray("1;2\r\n3;4\r\n"));
    EXPECT_EQ(HorsTravail(), avant);
    EXPECT_EQ(CheminCopieTravail("C:\\TP1\\mesures.txt"), QDir(travail).filePath("mesures.txt"));
    EXPECT_TRUE(CheminCopieTravail("C:\\TP1\\..").isEmpty());
}

TEST_F(FichiersTravail, MemeNomAutreContenuDonneUneCopieNumerotee)
{
    const QStringList a = {QStringLiteral("0;1"), QStringLiteral("1;2")};
    const QStringList b = {QStringLiteral("0;5"), QStringLiteral("1;7")};
    const QStringList c = {QStringLiteral("9;9")};

    const CopieTravail ca = EcritCopieTravail("C:\\TP1\\mesures.txt", a);
    const CopieTravail cb = EcritCopieTravail("C:\\TP2\\mesures.txt", b);
    const CopieTravail ca2 = EcritCopieTravail("/ailleurs/mesures.txt", a);  // same content again
    const CopieTravail cc = EcritCopieTravail("mesures.txt", c);
    ASSERT_TRUE(ca.ok && cb.ok && ca2.ok && cc.ok);
    EXPECT_EQ(ca.nom, QStringLiteral("mesures.txt"));
    EXPECT_EQ(cb.nom, QStringLiteral("mesures~2.txt"));
    EXPECT_EQ(ca2.nom, QStringLiteral("mesures.txt"));
    EXPECT_EQ(cc.nom, QStringLiteral("mesures~3.txt"));
    EXPECT_EQ(LitFichierTexte(ca.chemin).lignes, a);
    EXPECT_EQ(LitFichierTexte(cb.chemin).lignes, b);
    EXPECT_EQ(LitFichierTexte(cc.chemin).lignes, c);

    // Names without an extension, or starting with a dot.
    EXPECT_TRUE(EcritCopieTravail(".bashrc", a).ok);
    EXPECT_EQ(EcritCopieTravail(".bashrc", b).nom, QStringLiteral(".bashrc~2"));
    EXPECT_TRUE(EcritCopieTravail("donnees", a).ok);
    EXPECT_EQ(EcritCopieTravail("donnees", b).nom, QStringLiteral("donnees~2"));

    // A fresh working folder (a new session, in the same session folder) starts afresh.
    reinitialiseGraphe();
    const CopieTravail neuve = EcritCopieTravail("C:\\TP2\\mesures.txt", b);
    ASSERT_TRUE(neuve.ok);
    EXPECT_EQ(neuve.nom, QStringLiteral("mesures.txt"));
    EXPECT_NE(QFileInfo(neuve.chemin).path(), travail);
}

TEST_F(FichiersTravail, FichiersQuiNeSontPasDesCopiesLaissesEnPlace)
{
    // A point cache of this run, and a link planted towards a file outside.
    const QString cache = QDir(travail).filePath("f1crb1.pts");
    {
        QFile f(cache);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("cache");
    }
    const QString dehors = racine.filePath("dehors.txt");
    {
        QFile f(dehors);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("intact");
    }
    ASSERT_TRUE(QFile::link(dehors, QDir(travail).filePath("lien.txt")));

    const CopieTravail c1 = EcritCopieTravail("C:\\f1crb1.pts", {QStringLiteral("1;1")});
    const CopieTravail c2 = EcritCopieTravail("lien.txt", {QStringLiteral("2;2")});
    ASSERT_TRUE(c1.ok && c2.ok);
    EXPECT_EQ(c1.nom, QStringLiteral("f1crb1~2.pts"));
    EXPECT_EQ(c2.nom, QStringLiteral("lien~2.txt"));
    EXPECT_EQ(LitOctets(cache), QByteArray("cache"));
    EXPECT_EQ(LitOctets(dehors), QByteArray("intact"));
}

TEST_F(FichiersTravail, CopieEchoueeSignaleeSansRienLaisser)
{
    QStringList beaucoup;
    for (int i = 0; i < 1000; ++i)
        beaucoup << QStringLiteral("%1;%2").arg(i).arg(i * i);
    CopieTravail c;
    {
        rlimit ancienne{};
        getrlimit(RLIMIT_FSIZE, &ancienne);
        auto ancienSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limite = ancienne;
        limite.rlim_cur = 1024;
        setrlimit(RLIMIT_FSIZE, &limite);
        c = EcritCopieTravail("mesures.txt", beaucoup);
        setrlimit(RLIMIT_FSIZE, &ancienne);
        std::signal(SIGXFSZ, ancienSignal);
    }
    EXPECT_FALSE(c.ok);
    EXPECT_TRUE(c.erreur.contains(QStringLiteral("Impossible d'enregistrer")));
    EXPECT_TRUE(Contenu(travail).isEmpty());
    // The name was not taken by the failure: the next try writes it.
    const CopieTravail d = EcritCopieTravail("mesures.txt", beaucoup);
    ASSERT_TRUE(d.ok);
    EXPECT_EQ(d.nom, QStringLiteral("mesures.txt"));
}

TEST_F(FichiersTravail, CheminsEnregistresResolusDansLeDossierDuDocument)
{
    const QString doc = racine.filePath("cours");
    const CheminResolu image = ResoutCheminStocke("images\\fond.jpg", doc);
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(image.chemin, doc + "/images/fond.jpg");
    EXPECT_EQ(image.repli, doc + "/fond.jpg");
    const CheminResolu detour = ResoutCheminStocke("images/../a.vrk", doc);
    ASSERT_TRUE(detour.ok);
    EXPECT_EQ(detour.chemin, doc + "/a.vrk");

    struct Refuse {
        QString stocke;
        QString repli;  // file name tried in the document folder
    };
    const Refuse refuses[] = {
        {"..\\x", doc + "/x"},
        {"C:\\..\\x", doc + "/x"},
        {"C:\\cours\\a.vrk", doc + "/a.vrk"},
        {"c:a.vrk", doc + "/a.vrk"},
        {"/etc/passwd", doc + "/passwd"},
        {"\\\\serveur\\partage\\b.vrk", doc + "/b.vrk"},
        {"sous/../../x", doc + "/x"},
        {"..", QString()},
        {".", QString()},
        {"", QString()},
        {"images\\fo\x01nd.jpg", QString()},
    };
    for (const Refuse& r : refuses) {
        const CheminResolu res = ResoutCheminStocke(r.stocke, doc);
        EXPECT_FALSE(res.ok) << r.stocke.toStdString();
        EXPECT_FALSE(res.erreur.isEmpty()) << r.stocke.toStdString();
        EXPECT_EQ(res.repli, r.repli) << r.stocke.toStdString();
    }
    EXPECT_TRUE(ResoutCheminStocke("C:\\..\\x", doc).erreur.contains(QStringLiteral("absolu")));
    EXPECT_TRUE(ResoutCheminStocke("..\\x", doc).erreur.contains(QStringLiteral("sort du dossier")));
}

// At start, the working folders that killed runs left are removed, never a live run's: a
// lock in each folder, held for the whole run, tells them apart.
TEST_F(FichiersTravail, DossiersDesSessionsMortesEffacesAuDemarrageLesVivantsRestent)
{
    const QDir temp(racine.filePath("temp"));
    const auto cree = [&](const QString& nom) {
        EXPECT_TRUE(temp.mkpath(nom + "/sous"));
        QFile f(temp.filePath(nom + "/sous/f1crb1.pts"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        return temp.filePath(nom);
    };
    // A run killed while it held its lock.
    const QString mort = cree("travail-mort");
    const pid_t enfant = fork();
    if (enfant == 0) {
        QLockFile verrou(mort + ".verrou");
        _exit(verrou.tryLock(0) ? 0 : 1);  // no unlock: as a killed run
    }
    int statut = 0;
    ASSERT_EQ(waitpid(enfant, &statut, 0), enfant);
    ASSERT_TRUE(WIFEXITED(statut) && WEXITSTATUS(statut) == 0);
    ASSERT_TRUE(QFile::exists(mort + ".verrou"));
    // A live run (this process holds its lock), a folder older than any start without a
    // lock, one just made, and a folder of something else.
    const QString vivant = cree("travail-vivant");
    QLockFile verrouVivant(vivant + ".verrou");
    ASSERT_TRUE(verrouVivant.tryLock(0));
    const QString ancien = cree("travail-ancien");
    std::filesystem::last_write_time(ancien.toStdString(),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    const QString recent = cree("travail-recent");
    const QString autre = cree("autre");

    reinitialiseGraphe();
    const QString nouveau = dossierTravail();
    EXPECT_FALSE(QFileInfo::exists(mort));
    EXPECT_FALSE(QFileInfo::exists(mort + ".verrou"));
    EXPECT_FALSE(QFileInfo::exists(ancien));
    for (const QString& reste : {vivant, recent, autre, nouveau})
        EXPECT_TRUE(QFileInfo::exists(reste)) << reste.toStdString();
    // This run's own folder has its lock, taken.
    QLockFile autreRun(nouveau + ".verrou");
    EXPECT_FALSE(autreRun.tryLock(0));
}
