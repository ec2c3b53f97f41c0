#include "graph/fichiers/fichierstravail.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QHash>

#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

bool EstControle(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

// "mesures.txt" -> "mesures~2.txt"; ".bashrc" -> ".bashrc~2"; "a" -> "a~2".
QString Variante(const QString& nom, int n)
{
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    if (point <= 0)
        return nom + QStringLiteral("~%1").arg(n);
    return nom.left(point) + QStringLiteral("~%1").arg(n) + nom.mid(point);
}

constexpr int VariantesMax = 1000;

}  // namespace

QString PartieNomFichier(const QString& chemin)
{
    qsizetype i = chemin.size();
    while (i > 0) {
        const QChar c = chemin.at(i - 1);
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':'))
            break;
        --i;
    }
    return chemin.mid(i);
}

QString RefusNomFichier(const QString& nom)
{
    if (nom.trimmed().isEmpty())
        return QStringLiteral("Le nom de fichier est vide.");
    if (nom == QLatin1String(".") || nom == QLatin1String(".."))
        return QStringLiteral("Le nom de fichier « %1 » ne désigne pas un fichier.").arg(nom);
    for (QChar c : nom) {
        if (EstControle(c))
            return QStringLiteral("Le nom de fichier contient un caractère de contrôle.");
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':'))
            return QStringLiteral("Le nom de fichier « %1 » contient un séparateur de dossier.").arg(nom);
    }
    return {};
}

QString CheminCopieTravail(const QString& libelle)
{
    const QString nom = PartieNomFichier(libelle);
    if (!RefusNomFichier(nom).isEmpty())
        return {};
    return QDir(dossierTravail()).filePath(nom);
}

CopieTravail EcritCopieTravail(const QString& libelle, const QStringList& lignes)
{
    CopieTravail copie;
    const QString nom = PartieNomFichier(libelle);
    const QString refus = RefusNomFichier(nom);
    if (!refus.isEmpty()) {
        copie.erreur = QStringLiteral("Données incluses de « %1 » non écrites : %2").arg(libelle, refus);
        return copie;
    }
    const QString dossier = dossierTravail();
    const QFileInfo infoDossier(dossier);
    if (!infoDossier.isDir()) {
        copie.erreur = QStringLiteral("Données incluses de « %1 » non écrites : le dossier de travail %2 n'existe pas.")
                           .arg(libelle, dossier);
        return copie;
    }
    EtatGraphe& etat = etatGraphe();
    if (etat.DossierCopies != dossier) {
        etat.DossierCopies = dossier;
        etat.CopiesEcrites.clear();
    }
    const QByteArray octets = EncodeLignes(lignes, PolitiqueEncodage::RepliUtf8);
    const QByteArray empreinte = QCryptographicHash::hash(octets, QCryptographicHash::Sha256);
    const QString dossierAbsolu = infoDossier.absoluteFilePath();

    for (int n = 1; n <= VariantesMax; ++n) {
        const QString candidat = n == 1 ? nom : Variante(nom, n);
        const QString chemin = QDir(dossierAbsolu).filePath(candidat);
        const QFileInfo info(chemin);
        // The name holds no separator: the file lies right in the working folder.
        if (info.absolutePath() != dossierAbsolu)
            continue;
        const auto deja = etat.CopiesEcrites.constFind(candidat);
        if (deja != etat.CopiesEcrites.constEnd()) {
            if (*deja != empreinte)
                continue;  // another content under this name: next variant
            if (info.isFile() && !info.isSymLink()) {
                copie.ok = true;
                copie.nom = candidat;
                copie.chemin = chemin;
                return copie;
            }
            // Our copy was removed meanwhile: write it again below.
        } else if (info.exists() || info.isSymLink()) {
            continue;  // a file that is not one of our copies (a point cache...): keep it
        }
        QString erreur;
        if (!EcritOctets(chemin, octets, &erreur)) {
            copie.erreur = QStringLiteral("Données incluses de « %1 » non écrites. %2").arg(libelle, erreur);
            return copie;
        }
        etat.CopiesEcrites.insert(candidat, empreinte);
        copie.ok = true;
        copie.nom = candidat;
        copie.chemin = chemin;
        return copie;
    }
    copie.erreur = QStringLiteral("Données incluses de « %1 » non écrites : trop de copies de ce nom.").arg(libelle);
    return copie;
}

CheminResolu ResoutCheminStocke(const QString& stocke, const QString& dossierDocument)
{
    CheminResolu resolu;
    const QString nom = PartieNomFichier(stocke);
    if (RefusNomFichier(nom).isEmpty())
        resolu.repli = QDir::cleanPath(QDir(dossierDocument).absoluteFilePath(nom));

    QString chemin = stocke;
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (chemin.trimmed().isEmpty()) {
        resolu.erreur = QStringLiteral("Chemin vide : aucun fichier n'est désigné.");
        return resolu;
    }
    for (QChar c : chemin) {
        if (EstControle(c)) {
            resolu.erreur = QStringLiteral("Chemin refusé : « %1 » contient un caractère de contrôle.").arg(stocke);
            return resolu;
        }
    }
    const bool lecteur = chemin.size() >= 2 && chemin.at(1) == QLatin1Char(':') && chemin.at(0).isLetter()
                         && chemin.at(0).unicode() < 0x80;
    if (lecteur || chemin.startsWith(QLatin1Char('/'))) {
        resolu.erreur = QStringLiteral("Chemin refusé : « %1 » est un chemin absolu, seul un chemin "
                                       "dans le dossier du document est accepté.").arg(stocke);
        return resolu;
    }
    const QString net = QDir::cleanPath(chemin);
    if (net == QLatin1String("..") || net.startsWith(QLatin1String("../"))) {
        resolu.erreur = QStringLiteral("Chemin refusé : « %1 » sort du dossier du document.").arg(stocke);
        return resolu;
    }
    if (net == QLatin1String(".")) {
        resolu.erreur = QStringLiteral("Chemin refusé : « %1 » ne désigne aucun fichier.").arg(stocke);
        return resolu;
    }
    resolu.ok = true;
    resolu.chemin = QDir::cleanPath(QDir(dossierDocument).absoluteFilePath(net));
    return resolu;
}
