#include "frame/parametresini.h"

#include <algorithm>
#include <optional>

#include "graph/repere/GCRepere.h"
#include "window/fenetre.h"

namespace {

bool SectionPresente(const FichierIni& ini, const QString& section)
{
    const QStringList sections = ini.sections();
    return std::any_of(sections.begin(), sections.end(), [&](const QString& s) {
        return QString::compare(s.trimmed(), section, Qt::CaseInsensitive) == 0;
    });
}

std::optional<TCouleur> LitCouleur(const QString& texte)
{
    TCouleur c = 0;
    if (!TexteEnCouleur(texte, c))
        return std::nullopt;
    return c;
}

// A colour key: missing or unreadable keeps the default.
TCouleur CouleurIni(const FichierIni& ini, const QString& section, const QString& cle, TCouleur defaut)
{
    return ini.converti<TCouleur>(section, cle, defaut, LitCouleur,
                                  QStringLiteral("n'est pas une couleur ; la couleur par défaut (%1) est gardée")
                                      .arg(CouleurEnTexte(defaut)));
}

// A size key: missing or unreadable keeps the default, a size out of bounds is brought
// within them (and said).
int TailleIni(const FichierIni& ini, const QString& cle, int defaut, QStringList& problemes)
{
    const int lu = ini.entier(CleIni::Fenetre, cle, defaut);
    const int borne = BorneTailleFenetre(lu);
    if (borne != lu)
        problemes << QStringLiteral("virk.ini, [Fenetre] %1 : %2 pixels ne convient pas ; %3 pixels sont pris.")
                         .arg(cle)
                         .arg(lu)
                         .arg(borne);
    return borne;
}

}  // namespace

int BorneTailleFenetre(int taille)
{
    return std::clamp(taille, TailleFenetreMin, TailleFenetreMax);
}

QString LectureParametresIni::message() const
{
    if (problemes.isEmpty())
        return {};
    if (problemes.size() == 1)
        return problemes.front();
    return QStringLiteral("Le fichier de configuration n'a pas pu être lu entièrement :\n") + problemes.join(QLatin1Char('\n'));
}

LectureParametresIni LitParametresIni(const QString& chemin, ParametresIni& p, FichierIni& ini)
{
    const FichierIni::Etat etat = ini.charge(chemin);
    LectureParametresIni r = LitParametresIni(ini, etat, p);
    if (etat == FichierIni::Etat::Illisible)
        r.problemes.prepend(ini.erreur() + QStringLiteral(" Les réglages par défaut sont pris."));
    return r;
}

LectureParametresIni LitParametresIni(const FichierIni& ini, FichierIni::Etat etat, ParametresIni& p)
{
    LectureParametresIni r;
    r.etat = etat;
    if (etat != FichierIni::Etat::Lu)
        return r;
    QStringList problemes;

    const bool menus = SectionPresente(ini, CleIni::Menus);
    const bool couleurs = SectionPresente(ini, CleIni::Couleurs);
    const bool barres = SectionPresente(ini, CleIni::Barres);
    const bool fenetre = SectionPresente(ini, CleIni::Fenetre);
    if (!menus && !couleurs && !barres && !fenetre && !SectionPresente(ini, QStringLiteral("Repère"))) {
        r.problemes << QStringLiteral("Le fichier de configuration virk.ini ne contient aucun réglage : "
                                      "les réglages par défaut sont pris.");
        r.problemes << ini.anomalies();
        return r;
    }

    if (menus)
        p.FichierMenus = ini.texte(CleIni::Menus, CleIni::Menu);
    if (couleurs)
        p.CouleurFiche = CouleurIni(ini, CleIni::Couleurs, CleIni::CouleurFiche, p.CouleurFiche);
    if (barres) {
        // Exactly "1" shows a bar; anything else hides it.
        p.Avertissement = ini.booleen(CleIni::Barres, CleIni::Avertissement, false);
        p.Standard = ini.booleen(CleIni::Barres, CleIni::Standard, false);
        p.OpeSur1crb = ini.booleen(CleIni::Barres, CleIni::OpeSur1crb, false);
        p.TransfoGeom = ini.booleen(CleIni::Barres, CleIni::TransfoGeom, false);
        p.TransfoSupp = ini.booleen(CleIni::Barres, CleIni::TransfoSupp, false);
        p.BarreEtat = ini.booleen(CleIni::Barres, CleIni::BarreEtat, false);
    }
    if (fenetre) {
        p.TitreFenetre = ini.texte(CleIni::Fenetre, CleIni::Titre);
        p.CouleurFenetre = CouleurIni(ini, CleIni::Fenetre, CleIni::Couleur, p.CouleurFenetre);
        p.LargeurFenetre = TailleIni(ini, CleIni::Largeur, p.LargeurFenetre, problemes);
        p.HauteurFenetre = TailleIni(ini, CleIni::Hauteur, p.HauteurFenetre, problemes);
    }
    // The readers above list the values they could not read; the sizes add theirs.
    r.problemes << ini.anomalies() << problemes;
    ini.effaceAnomalies();
    return r;
}

void EcritParametresIni(FichierIni& ini, const ParametresIni& p, const GCRepere* repere)
{
    ini.ecritTexte(CleIni::Menus, CleIni::Menu, p.FichierMenus);
    ini.ecritTexte(CleIni::Couleurs, CleIni::CouleurFiche, CouleurEnTexte(p.CouleurFiche));
    ini.ecritBooleen(CleIni::Barres, CleIni::Avertissement, p.Avertissement);
    ini.ecritBooleen(CleIni::Barres, CleIni::Standard, p.Standard);
    ini.ecritBooleen(CleIni::Barres, CleIni::OpeSur1crb, p.OpeSur1crb);
    ini.ecritBooleen(CleIni::Barres, CleIni::TransfoGeom, p.TransfoGeom);
    ini.ecritBooleen(CleIni::Barres, CleIni::TransfoSupp, p.TransfoSupp);
    ini.ecritBooleen(CleIni::Barres, CleIni::BarreEtat, p.BarreEtat);
    ini.ecritTexte(CleIni::Fenetre, CleIni::Titre, p.TitreFenetre);
    ini.ecritTexte(CleIni::Fenetre, CleIni::Couleur, CouleurEnTexte(p.CouleurFenetre));
    ini.ecritTexte(CleIni::Fenetre, CleIni::Largeur, QString::number(p.LargeurFenetre));
    ini.ecritTexte(CleIni::Fenetre, CleIni::Hauteur, QString::number(p.HauteurFenetre));
    if (repere)
        repere->EcritIni(ini);
}

EcritureTexte EcritParametresIni(const QString& chemin, const ParametresIni& p, const GCRepere* repere)
{
    FichierIni ini;
    // Lines of other sections are kept; a file that cannot be read is replaced whole.
    ini.charge(chemin);
    EcritParametresIni(ini, p, repere);
    return ini.enregistre(chemin);
}
