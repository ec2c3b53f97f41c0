#include "graph/fichiers/fichieraux.h"

#include <QDir>
#include <algorithm>

#include "expression/fonction.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

constexpr qint64 TailleMaxAux = 64 * 1024;

QString Nom(const QString& chemin)
{
    return QDir::toNativeSeparators(chemin);
}

}  // namespace

LectureAux LitLignesAux(QStringList lignes, const QString& nomFichier)
{
    LectureAux r;
    r.textes.fill(QStringLiteral("0"));
    while (!lignes.isEmpty() && lignes.last().trimmed().isEmpty())
        lignes.removeLast();
    QStringList remplacees;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        QString ligne = lignes[i];
        while (ligne.endsWith(QLatin1Char('\r')))
            ligne.chop(1);
        for (QChar c : ligne) {
            const char16_t u = c.unicode();
            if ((u < 0x20 && u != u'\t') || (u >= 0x7F && u < 0xA0)) {
                r.erreur = QStringLiteral("Le fichier %1 n'est pas un fichier de fonctions auxiliaires "
                                          "(ligne %2). Les fonctions ne changent pas.")
                               .arg(nomFichier)
                               .arg(i + 1);
                return r;
            }
        }
        if (i >= 10)
            continue;
        const QString texte = ligne.trimmed();
        Arbre arbre;
        if (!texte.isEmpty() && CompileExprYEtat(texte.toStdString(), arbre))
            r.textes[std::size_t(i)] = texte;
        else if (!texte.isEmpty() && texte != QStringLiteral("0"))
            remplacees << QStringLiteral("F%1 = %2").arg(i).arg(texte);
    }
    r.nombre = int(std::min<qsizetype>(lignes.size(), 10));
    if (r.nombre == 0) {
        r.erreur = QStringLiteral("Le fichier %1 ne contient aucune fonction. Les fonctions ne changent pas.")
                       .arg(nomFichier);
        return r;
    }
    QStringList notes;
    if (!remplacees.isEmpty())
        notes << QStringLiteral("Expressions incorrectes remplacées par 0 : ") + remplacees.join(QStringLiteral(" ; "));
    if (lignes.size() > 10 && !lignes.mid(10).join(QString()).trimmed().isEmpty())
        notes << QStringLiteral("Seules les 10 premières lignes du fichier sont lues.");
    r.avertissement = notes.join(QLatin1Char('\n'));
    r.ok = true;
    return r;
}

LectureAux LitFichierAux(const QString& chemin)
{
    const LectureTexte lu = LitFichierTexteOrdinaire(chemin, TailleMaxAux);
    if (!lu.ok) {
        LectureAux r;
        r.erreur = lu.erreur;
        return r;
    }
    return LitLignesAux(lu.lignes, Nom(chemin));
}

bool EcritFichierAux(const QString& chemin, const TextesAux& textes, QString& erreur)
{
    QStringList lignes;
    for (const QString& t : textes) {
        QString texte = t;
        for (QChar& c : texte)
            if (c.unicode() < 0x20)
                c = QLatin1Char(' ');
        texte = texte.trimmed();
        lignes << (texte.isEmpty() ? QStringLiteral("0") : texte);
    }
    const EcritureTexte e = EcritFichierTexte(chemin, lignes);
    erreur = e.ok ? QString() : e.erreur;
    return e.ok;
}
