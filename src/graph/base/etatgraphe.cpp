#include "graph/base/etatgraphe.h"

#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

namespace {

class InterlocuteurMuet : public Interlocuteur {
public:
    void message(const QString&) override {}
    void avertit(const QString&) override {}
    bool demandeOuiNon(const QString&) override { return false; }
};

std::unique_ptr<QTemporaryDir>& dossierTemporaire()
{
    static std::unique_ptr<QTemporaryDir> dossier;
    return dossier;
}

}  // namespace

EtatGraphe& etatGraphe()
{
    static EtatGraphe etat;
    return etat;
}

void reinitialiseGraphe()
{
    Interlocuteur* garde = etatGraphe().interlocuteur;
    const QString temp = etatGraphe().DossierTemp;
    etatGraphe() = EtatGraphe();
    etatGraphe().interlocuteur = garde;
    etatGraphe().DossierTemp = temp;
    dossierTemporaire().reset();
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
    auto& dossier = dossierTemporaire();
    dossier = std::make_unique<QTemporaryDir>(QDir(base).filePath("travail-XXXXXX"));
    if (!dossier->isValid())
        dossier = std::make_unique<QTemporaryDir>();
    etat.DossierTravail = dossier->path();
    return etat.DossierTravail;
}

QString horodatage()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("dd/MM/yyyy hh:mm:ss"));
}

int nouveauNumero()
{
    return etatGraphe().CompteurCourbes++;
}
