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

QString NettoieChemin(const QString& texte)
{
    qsizetype debut = 0, fin = texte.size();
    while (debut < fin && texte.at(debut).unicode() <= 0x20)
        ++debut;
    while (fin > debut && texte.at(fin - 1).unicode() <= 0x20)
        --fin;
    return texte.mid(debut, fin - debut);
}

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

// ---------------------------------------------------------------------------------------
// Files a document names

namespace {

// A regular file that can be read, lying in the folder (links followed).
bool FichierDans(const QString& chemin, const QString& dossier)
{
    const QFileInfo info(chemin);
    return !chemin.isEmpty() && !dossier.isEmpty() && info.isFile() && info.isReadable() && DansDossier(chemin, dossier);
}

}  // namespace

bool DansDossier(const QString& chemin, const QString& dossier)
{
    if (chemin.isEmpty() || dossier.isEmpty())
        return false;
    const QString racine = QFileInfo(dossier).canonicalFilePath();
    if (racine.isEmpty())
        return false;
    // The file itself when it is there (its links followed), else the folder it would be made
    // in, itself followed.
    const QFileInfo info(chemin);
    QString reel = info.exists() ? info.canonicalFilePath() : QString();
    if (reel.isEmpty() && !info.isSymLink()) {
        const QString parent = QFileInfo(info.absolutePath()).canonicalFilePath();
        if (!parent.isEmpty())
            reel = QDir(parent).filePath(info.fileName());
    }
    return !reel.isEmpty() && (reel.startsWith(racine.endsWith(QLatin1Char('/')) ? racine : racine + QLatin1Char('/')));
}

QString TrouveFichierStocke(const QString& stocke, const QString& dossierDocument, PorteeNom portee,
                            const QStringList& autresDossiers)
{
    const QString net = NettoieChemin(stocke);
    if (net.isEmpty())
        return {};
    const bool donnees = portee == PorteeNom::Donnees;
    const QStringList autres = donnees ? autresDossiers : QStringList();
    // Under the document's folder first.
    if (!dossierDocument.isEmpty())
        if (const CheminResolu r = ResoutCheminStocke(net, dossierDocument); r.ok && FichierDans(r.chemin, dossierDocument))
            return r.chemin;

    QString chemin = net;
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool lecteur = chemin.size() >= 2 && chemin.at(1) == QLatin1Char(':') && chemin.at(0).isLetter()
                         && chemin.at(0).unicode() < 0x80;
    if (lecteur)
        chemin = chemin.mid(2);
    // A data file of this machine is read where it is.
    if (donnees && !lecteur && chemin.startsWith(QLatin1Char('/'))) {
        const QFileInfo info(chemin);
        if (info.isFile() && info.isReadable())
            return info.absoluteFilePath();
    }
    // "\Menus\perso.txt", "images\fond.jpg": under the other folders, with the same refusals.
    qsizetype debut = 0;
    while (debut < chemin.size() && chemin.at(debut) == QLatin1Char('/'))
        ++debut;
    const QString relatif = chemin.mid(debut);
    for (const QString& dossier : autres) {
        if (dossier.isEmpty() || relatif.isEmpty())
            continue;
        if (const CheminResolu r = ResoutCheminStocke(relatif, dossier); r.ok && FichierDans(r.chemin, dossier))
            return r.chemin;
    }
    // A path of another machine: the file of that name beside the document, else in the
    // other folders.
    const QString nom = PartieNomFichier(net);
    if (!RefusNomFichier(nom).isEmpty())
        return {};
    QStringList dossiers = autres;
    if (!dossierDocument.isEmpty())
        dossiers.prepend(dossierDocument);
    for (const QString& dossier : dossiers) {
        if (dossier.isEmpty())
            continue;
        const QString candidat = QDir::cleanPath(QDir(dossier).absoluteFilePath(nom));
        if (FichierDans(candidat, dossier))
            return candidat;
    }
    return {};
}

bool EcritureAccordee(const QString& chemin, const QString& dossierDocument)
{
    if (dossierDocument.isEmpty() || DansDossier(chemin, dossierDocument) || DansDossier(chemin, dossierTravail()))
        return true;
    const QString complet = QDir::toNativeSeparators(QFileInfo(chemin).absoluteFilePath());
    EtatGraphe& etat = etatGraphe();
    if (etat.EcrituresAccordees.contains(complet))
        return true;
    if (!interlocuteur().demandeOuiNon(
            QStringLiteral("Le document désigne le fichier %1, hors de son dossier et du dossier de travail. "
                           "Voulez-vous vraiment écrire dans ce fichier ?")
                .arg(complet)))
        return false;
    etat.EcrituresAccordees.insert(complet);
    return true;
}

bool FichierDuDocument::ecritureAccordee(const QString& cible) const
{
    if (chemin.isEmpty() || QDir::cleanPath(QFileInfo(cible).absoluteFilePath()) != QDir::cleanPath(chemin))
        return true;
    return EcritureAccordee(cible, dossierDocument);
}
