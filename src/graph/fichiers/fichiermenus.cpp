#include "graph/fichiers/fichiermenus.h"

#include <QDir>
#include <QFileInfo>

#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

bool Controle(QChar c)
{
    const char16_t u = c.unicode();
    return u < 0x20 || (u >= 0x7F && u < 0xA0);
}

// The existing regular file, when it lies inside the folder once links are followed.
QString FichierDans(const QString& chemin, const QString& dossier)
{
    return !chemin.isEmpty() && QFileInfo(chemin).isFile() && DansDossier(chemin, dossier)
               ? QFileInfo(chemin).absoluteFilePath()
               : QString();
}

}  // namespace

LectureMenus AppliqueLignesMenus(const QStringList& lignes, std::vector<ArticleMenuPerso>& articles,
                                 const QString& nomFichier)
{
    LectureMenus r;
    const auto refuse = [&](int ligne, const QString& raison) {
        r.erreur = QStringLiteral("Fichier de menus %1 illisible (ligne %2) : %3 Les menus ne changent pas.")
                       .arg(nomFichier)
                       .arg(ligne)
                       .arg(raison);
        return r;
    };
    // Checked whole before anything changes.
    std::vector<ArticleMenuPerso> lus = articles;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        QString ligne = lignes[i];
        while (ligne.endsWith(QLatin1Char('\r')))
            ligne.chop(1);
        if (ligne.isEmpty())
            continue;
        const QChar marque = ligne.at(0);
        if (marque != QLatin1Char('+') && marque != QLatin1Char('-'))
            return refuse(int(i) + 1, QStringLiteral("elle ne commence ni par « + » ni par « - »."));
        for (QChar c : ligne)
            if (Controle(c))
                return refuse(int(i) + 1, QStringLiteral("elle contient un caractère de contrôle."));
        const QString libelle = ligne.mid(1).trimmed();
        if (libelle.size() > LongueurMaxLibelleMenu)
            return refuse(int(i) + 1, QStringLiteral("le libellé est trop long."));
        if (std::size_t(i) >= lus.size())
            continue;
        lus[std::size_t(i)].marque = marque == QLatin1Char('+');
        if (!libelle.isEmpty())
            lus[std::size_t(i)].libelle = libelle;
    }
    articles = std::move(lus);
    r.ok = true;
    return r;
}

LectureMenus LitFichierMenus(const QString& chemin, std::vector<ArticleMenuPerso>& articles)
{
    const LectureTexte lu = LitFichierTexteOrdinaire(chemin, TailleMaxMenus);
    if (!lu.ok) {
        LectureMenus r;
        r.erreur = lu.erreur;
        return r;
    }
    return AppliqueLignesMenus(lu.lignes, articles, QDir::toNativeSeparators(chemin));
}

QStringList LignesMenus(const std::vector<ArticleMenuPerso>& articles, const std::vector<int>& profondeurs)
{
    QStringList lignes;
    for (std::size_t i = 0; i < articles.size(); ++i) {
        const int profondeur = i < profondeurs.size() ? std::max(0, profondeurs[i]) : 0;
        lignes << QString(articles[i].marque ? QLatin1Char('+') : QLatin1Char('-'))
                      + QString(2 * profondeur, QLatin1Char(' ')) + articles[i].libelle;
    }
    return lignes;
}

QString DossierMenus()
{
    const QString programme = etatGraphe().DossierProgramme;
    return programme.isEmpty() ? QString() : QDir(programme).filePath(QStringLiteral("Menus"));
}

QString CheminFichierMenusProgramme(const QString& stocke)
{
    QString chemin = stocke.trimmed();
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (chemin.isEmpty())
        return {};
    if (QDir::isRelativePath(chemin)) {
        if (etatGraphe().DossierProgramme.isEmpty())
            return {};
        chemin = QDir(etatGraphe().DossierProgramme).filePath(chemin);
    }
    const QFileInfo info(chemin);
    return info.isFile() ? QDir::cleanPath(info.absoluteFilePath()) : QString();
}

QString NomFichierMenusStocke(const QString& chemin)
{
    const QString programme = QDir::cleanPath(etatGraphe().DossierProgramme);
    const QString absolu = QDir::cleanPath(QFileInfo(chemin).absoluteFilePath());
    if (!programme.isEmpty() && absolu.startsWith(programme + QLatin1Char('/')))
        return absolu.mid(programme.size() + 1).replace(QLatin1Char('/'), QLatin1Char('\\'));
    return QDir::toNativeSeparators(absolu);
}

QString TrouveFichierMenus(const QString& stocke, const QString& dossierDocument, QString* refus)
{
    if (refus)
        refus->clear();
    const QString net = stocke.trimmed();
    if (net.isEmpty())
        return {};
    QString chemin = net;
    chemin.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const bool reseau = chemin.startsWith(QLatin1String("//"));
    const bool parent = chemin == QLatin1String("..") || chemin.startsWith(QLatin1String("../"))
                        || chemin.contains(QLatin1String("/../")) || chemin.endsWith(QLatin1String("/.."));
    // The same rules as every path a document names (absolute paths, drive letters, control
    // characters refused), under the document's folder.
    const CheminResolu document = ResoutCheminStocke(net, dossierDocument.isEmpty() ? QStringLiteral(".") : dossierDocument);
    if (reseau || parent || !document.ok) {
        if (refus)
            *refus = QStringLiteral("Fichier de menus « %1 » refusé : seuls les fichiers du dossier Menus du "
                                    "programme ou du dossier du document sont lus. Les menus ne changent pas.")
                         .arg(stocke);
        return {};
    }
    if (!dossierDocument.isEmpty())
        if (const QString f = FichierDans(document.chemin, dossierDocument); !f.isEmpty())
            return f;
    const QString menus = DossierMenus();
    if (menus.isEmpty())
        return {};
    const CheminResolu programme = ResoutCheminStocke(net, etatGraphe().DossierProgramme);
    if (const QString f = FichierDans(programme.chemin, menus); !f.isEmpty())
        return f;
    return FichierDans(ResoutCheminStocke(net, menus).chemin, menus);
}
