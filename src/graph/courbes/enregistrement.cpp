#include "graph/courbes/enregistrement.h"

#include "graph/fichiers/fichiertexte.h"

LecteurEnregistrement::LecteurEnregistrement(SourceLignes& source, int debut)
    : source_(source), debut_(debut), ligne_(debut)
{
}

bool LecteurEnregistrement::suivante(QString& l)
{
    if (source_.fin()) {
        erreur_ = QStringLiteral("Lecture interrompue : le fichier s'arrête au milieu de la courbe "
                                 "commencée à la ligne %1.").arg(debut_);
        return false;
    }
    l = source_.suivante();
    if (l.endsWith(QLatin1Char('\r')))
        l.chop(1);
    ligne_ = source_.numero();
    return true;
}

bool LecteurEnregistrement::entier(QString& l, int& v, const QString& quoi)
{
    const QString champ = PremierChamp(l);
    if (LitEntier(champ, v))
        return true;
    if (champ.trimmed().isEmpty())
        erreur_ = QStringLiteral("Lecture interrompue à la ligne %1 : un nombre entier manque (%2).")
                      .arg(ligne_)
                      .arg(quoi);
    else
        erreur_ = QStringLiteral("Lecture interrompue à la ligne %1 : « %2 » n'est pas un nombre entier (%3).")
                      .arg(ligne_)
                      .arg(champ, quoi);
    return false;
}

bool LecteurEnregistrement::octet(QString& l, std::uint8_t& v, const QString& quoi)
{
    int n = 0;
    if (!entier(l, n, quoi))
        return false;
    v = static_cast<std::uint8_t>(n);
    return true;
}

void LecteurEnregistrement::couleur(QString& l, TCouleur& c, const QString& quoi)
{
    const QString champ = PremierChamp(l);
    if (!TexteEnCouleur(champ.trimmed(), c))
        avertissements_ << QStringLiteral("ligne %1 : couleur %2 « %3 » illisible, couleur par défaut gardée")
                               .arg(ligne_)
                               .arg(quoi, champ);
}

void LecteurEnregistrement::avertit(const QString& texte)
{
    avertissements_ << QStringLiteral("ligne %1 : %2").arg(ligne_).arg(texte);
}

void LecteurEnregistrement::passeJusquAuSeparateur()
{
    while (!source_.fin()) {
        QString l = source_.suivante();
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
        if (l.isEmpty() || l == QLatin1String(" "))
            return;
        if (l.startsWith(QLatin1Char('!'))) {
            QString reste = l.mid(1);
            int n = 0;
            if (LitEntier(PremierChamp(reste), n))
                for (int k = 0; k < n && !source_.fin(); ++k)
                    source_.suivante();
        }
    }
}
