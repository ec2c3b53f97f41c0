#include "frame/listedocuments.h"

#include <QDir>
#include <QFileInfo>

#include "graph/document/document.h"
#include "graph/fichiers/fichierstravail.h"

namespace {

bool Extension(const QString& chemin, QLatin1String extension)
{
    return QFileInfo(chemin).suffix().compare(extension, Qt::CaseInsensitive) == 0;
}

// Blanks, control characters and the invisible ones (a byte-order mark, a no-break space)
// around a path are not part of it.
bool Invisible(QChar c)
{
    return c.unicode() <= 0x20 || c.isSpace() || c.unicode() == 0xFEFF;
}

QString NettoieLigne(const QString& ligne)
{
    qsizetype debut = 0, fin = ligne.size();
    while (debut < fin && Invisible(ligne.at(debut)))
        ++debut;
    while (fin > debut && Invisible(ligne.at(fin - 1)))
        --fin;
    return ligne.mid(debut, fin - debut);
}

}  // namespace

bool EstNomDocument(const QString& chemin) { return Extension(chemin, QLatin1String("vrk")); }
bool EstNomListe(const QString& chemin) { return Extension(chemin, QLatin1String("rkv")); }
bool EstNomMenus(const QString& chemin) { return Extension(chemin, QLatin1String("txt")); }

LectureListe ListeDeLignes(const QStringList& lignes)
{
    LectureListe r;
    r.ok = true;
    int ignores = 0;
    for (const QString& ligne : lignes) {
        const QString chemin = NettoieLigne(ligne);
        if (chemin.isEmpty())
            continue;
        if (r.chemins.size() >= DocumentsParListeMax)
            ++ignores;
        else
            r.chemins << chemin;
    }
    if (ignores > 0)
        r.problemes << QStringLiteral("La liste nomme plus de %1 documents : les %2 derniers ne sont pas ouverts.")
                           .arg(DocumentsParListeMax)
                           .arg(ignores);
    return r;
}

LectureListe LitListeDocuments(const QString& chemin)
{
    const LectureTexte lu = LitFichierTexte(chemin, 16ll * 1024 * 1024, 64 * 1024);
    if (!lu.ok) {
        LectureListe r;
        r.erreur = lu.erreur;
        return r;
    }
    return ListeDeLignes(lu.lignes);
}

EcritureTexte EcritListeDocuments(const QString& chemin, const QStringList& documents)
{
    return EcritFichierTexte(chemin, documents, PolitiqueEncodage::RepliUtf8);
}

QString TrouveDocumentListe(const QString& stocke, const QString& dossierListe)
{
    return TrouveFichierStocke(stocke, dossierListe, PorteeNom::Donnees, {dossierListe});
}

NomsEnregistrement NomsDocuments(const QString& choisi, int nombre)
{
    NomsEnregistrement r;
    const QFileInfo info(choisi);
    const QString nom = info.fileName();
    QString base;
    if (nom.endsWith(QLatin1String(".vrk"), Qt::CaseInsensitive))
        base = choisi.left(choisi.size() - 4);
    else if (!info.suffix().isEmpty())
        base = choisi.left(choisi.size() - info.suffix().size() - 1);
    else
        base = choisi;
    for (int i = 0; i < nombre; ++i)
        r.documents << (i == 0 ? choisi : base + QString::number(i) + QStringLiteral(".vrk"));
    r.liste = base + QStringLiteral(".rkv");
    return r;
}
