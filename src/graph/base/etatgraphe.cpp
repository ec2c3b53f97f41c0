#include "graph/base/etatgraphe.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <fcntl.h>
#include <memory>
#include <sys/file.h>
#include <unistd.h>
#include <vector>

#include "expression/etat.h"

namespace {

class InterlocuteurMuet : public Interlocuteur {
public:
    void message(const QString&) override {}
    void avertit(const QString&) override {}
    bool demandeOuiNon(const QString&) override { return false; }
};

// A lock file held by an open descriptor: the system lets it go when its process ends,
// however it ends, so that a free lock means a dead owner. Taking it writes nothing.
class Verrou {
public:
    explicit Verrou(const QString& chemin) : chemin_(chemin) {}
    ~Verrou() { libere(); }
    Verrou(const Verrou&) = delete;
    Verrou& operator=(const Verrou&) = delete;

    // Takes the lock without waiting (the file is made when missing); false when a live
    // process holds it.
    bool prend()
    {
        if (fd_ >= 0)
            return true;
        fd_ = ::open(QFile::encodeName(chemin_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd_ < 0)
            return false;
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd_);
            fd_ = -1;
            return false;
        }
        return true;
    }
    // Makes the lock of a folder of this run and takes it before its name shows: a run
    // that cleans the dead folders never finds it free while this one lives (it would if
    // it came between making the file and taking the lock).
    bool creeEtPrend()
    {
        if (fd_ >= 0)
            return true;
        const QByteArray nom = QFile::encodeName(chemin_);
        const QByteArray provisoire = nom + ".prise";
        fd_ = ::open(provisoire.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd_ < 0)
            return false;
        if (::flock(fd_, LOCK_EX | LOCK_NB) != 0 || ::rename(provisoire.constData(), nom.constData()) != 0) {
            ::unlink(provisoire.constData());
            ::close(fd_);
            fd_ = -1;
            return false;
        }
        return true;
    }
    // Removes the lock file and lets the lock go.
    void libere()
    {
        if (fd_ < 0)
            return;
        QFile::remove(chemin_);
        ::close(fd_);
        fd_ = -1;
    }

private:
    QString chemin_;
    int fd_ = -1;
};

// This run's working folder, and the lock held in it for the whole run: it tells later
// runs that the folder's owner is alive.
struct DossierVivant {
    explicit DossierVivant(const QString& modele) : dossier(modele) {}
    DossierVivant() = default;
    QTemporaryDir dossier;
    std::unique_ptr<Verrou> verrou;
};

std::unique_ptr<DossierVivant>& dossierTemporaire()
{
    static std::unique_ptr<DossierVivant> dossier;
    return dossier;
}

// The working folders of this run that a change of the temporary folder left: curves may
// still read the copies they hold, so they stay until the end of the run.
std::vector<std::unique_ptr<DossierVivant>>& dossiersQuittes()
{
    static std::vector<std::unique_ptr<DossierVivant>> dossiers;
    return dossiers;
}

// The lock of a working folder lies beside it: "travail-XXXXXX.verrou".
QString fichierVerrou(const QString& dossier)
{
    return dossier + QStringLiteral(".verrou");
}

// The working folders that runs killed or crashed left under base: their lock is free (its
// process is gone) or was never made. A live run's folder is never touched.
void retireDossiersMorts(const QString& base)
{
    const QFileInfoList dossiers =
        QDir(base).entryInfoList({QStringLiteral("travail-*")}, QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks);
    for (const QFileInfo& info : dossiers) {
        const QString chemin = info.absoluteFilePath();
        const QString cheminVerrou = fichierVerrou(chemin);
        if (!QFileInfo::exists(cheminVerrou)) {
            // A run that has not made its lock yet is a second old at most.
            if (info.lastModified().secsTo(QDateTime::currentDateTime()) > 60)
                QDir(chemin).removeRecursively();
            continue;
        }
        Verrou verrou(cheminVerrou);
        if (!verrou.prend())
            continue;
        QDir(chemin).removeRecursively();
        verrou.libere();  // removes the lock file
    }
    // Locks left without their folder (a run that ended between the two).
    for (const QFileInfo& info : QDir(base).entryInfoList({QStringLiteral("travail-*.verrou")}, QDir::Files)) {
        if (QFileInfo::exists(info.absoluteFilePath().chopped(7)))
            continue;
        Verrou verrou(info.absoluteFilePath());
        if (verrou.prend())
            verrou.libere();
    }
}

}  // namespace

EtatGraphe& etatGraphe()
{
    static EtatGraphe etat;
    return etat;
}

void reinitialiseGraphe()
{
    reinitialiseCalcul();
    EtatGraphe& etat = etatGraphe();
    EtatGraphe neuf;
    neuf.DossierTemp = etat.DossierTemp;
    neuf.interlocuteur = etat.interlocuteur;
    neuf.sourceMacros = etat.sourceMacros;
    neuf.suivi = etat.suivi;
    neuf.TransfosPersoChangees = etat.TransfosPersoChangees;
    etat = std::move(neuf);
    dossierTemporaire().reset();
    dossiersQuittes().clear();
}

Interlocuteur& interlocuteur()
{
    static InterlocuteurMuet muet;
    Interlocuteur* i = etatGraphe().interlocuteur;
    return i ? *i : muet;
}

QString dossierTravail()
{
    EtatGraphe& etat = etatGraphe();
    if (!etat.DossierTravail.isEmpty() && QDir(etat.DossierTravail).exists())
        return etat.DossierTravail;
    QString base = etat.DossierTemp;
    if (base.isEmpty())
        base = QDir(QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation)).filePath("temp");
    QDir().mkpath(base);
    retireDossiersMorts(base);
    auto& dossier = dossierTemporaire();
    dossier = std::make_unique<DossierVivant>(QDir(base).filePath("travail-XXXXXX"));
    if (!dossier->dossier.isValid())
        dossier = std::make_unique<DossierVivant>();
    dossier->verrou = std::make_unique<Verrou>(fichierVerrou(dossier->dossier.path()));
    dossier->verrou->creeEtPrend();
    etat.DossierTravail = dossier->dossier.path();
    return etat.DossierTravail;
}

bool ChangeDossierTemp(const QString& chemin, QString& erreur)
{
    EtatGraphe& etat = etatGraphe();
    const QString dossier = QDir::cleanPath(QDir(chemin.trimmed()).absolutePath());
    erreur.clear();
    if (!chemin.trimmed().isEmpty() && dossier == QDir::cleanPath(etat.DossierTemp) && !etat.DossierTravail.isEmpty())
        return true;
    auto nouveau = std::unique_ptr<DossierVivant>();
    if (!chemin.trimmed().isEmpty() && QDir().mkpath(dossier))
        nouveau = std::make_unique<DossierVivant>(QDir(dossier).filePath("travail-XXXXXX"));
    // The folder must take files, not only exist.
    QFile essai(nouveau && nouveau->dossier.isValid() ? nouveau->dossier.filePath("essai") : QString());
    if (!nouveau || !nouveau->dossier.isValid() || !essai.open(QIODevice::WriteOnly)) {
        erreur = QStringLiteral("Répertoire de sauvegarde impossible à créer !");
        return false;
    }
    essai.close();
    essai.remove();
    nouveau->verrou = std::make_unique<Verrou>(fichierVerrou(nouveau->dossier.path()));
    nouveau->verrou->creeEtPrend();
    if (dossierTemporaire())
        dossiersQuittes().push_back(std::move(dossierTemporaire()));
    dossierTemporaire() = std::move(nouveau);
    etat.DossierTemp = dossier;
    etat.DossierTravail = dossierTemporaire()->dossier.path();
    return true;
}

QString horodatage()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

int nouveauNumero()
{
    return etatGraphe().CompteurCourbes++;
}
