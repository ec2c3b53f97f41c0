#include "dialogs/etatsaisie.h"

#include <QFileDialog>
#include <QFontDialog>
#include <QStandardPaths>
#include <cmath>
#include <optional>

#include "dialogs/assopp.h"
#include "dialogs/stylept.h"
#include "dialogs/fiches.h"
#include "expression/fonction.h"

#include "graph/base/etatgraphe.h"

EtatSaisie::EtatSaisie()
{
    for (auto& rangee : ParametresManuels)
        rangee.fill(QStringLiteral("0"));
    ConditionsInitiales.fill(QStringLiteral("0"));
}

namespace {
// Made again in place by the reset (the marker being edited cannot be assigned).
std::optional<EtatSaisie>& etatEnPlace()
{
    static std::optional<EtatSaisie> etat(std::in_place);
    return etat;
}
}  // namespace

EtatSaisie& etatSaisie()
{
    return *etatEnPlace();
}

void reinitialiseSaisie()
{
    reinitialiseGraphe();
    delete etatSaisie().FenetreAide.data();
    etatEnPlace().emplace();
}

void VideParametresManuels()
{
    for (auto& rangee : etatSaisie().ParametresManuels)
        rangee.fill(QStringLiteral("0"));
}

bool EvalueChamp(const QString& texte, double& valeur)
{
    const std::string t = texte.toStdString();
    Arbre arbre;
    if (!CompileExpr(t, arbre))
        return false;
    ErreurCalcul() = 0;
    const double v = EvalueArbre(arbre, 0);
    if (ErreurCalcul() || !std::isfinite(v))
        return false;
    valeur = v;
    return true;
}

bool CompileChamp(const QString& texte)
{
    Arbre arbre;
    return CompileExpr(texte.toStdString(), arbre);
}

QString TitreParametre(int i)
{
    static const char lettres[] = "abcdghklmp";
    if (i < 0 || i > 9)
        return {};
    return QStringLiteral("a%1=%2").arg(i).arg(QChar(lettres[i]));
}

void EditeStylePoints(QWidget* parent)
{
    Tstylept fiche(etatSaisie().PointEdite, parent);
    if (fiche.exec() == QDialog::Accepted)
        fiche.lit(etatSaisie().PointEdite);
}

bool EditeCouleur(QWidget* parent)
{
    QColor couleur = VersQColor(etatSaisie().CouleurEditee);
    if (!boitesSaisie().choisitCouleur(parent, couleur))
        return false;
    etatSaisie().CouleurEditee = DeQColor(couleur);
    return true;
}

void EditePilotage(QWidget* parent)
{
    EtatSaisie& e = etatSaisie();
    TAssoPP fiche(e.PiloteX, e.PiloteY, parent);
    if (fiche.exec() == QDialog::Accepted) {
        e.PiloteX = fiche.piloteX();
        e.PiloteY = fiche.piloteY();
    }
}

// ---------------------------------------------------------------------------------------

QString BoitesSaisie::choisitFichier(QWidget* parent, const QString& titre, const QString& dossier,
                                     const QString& filtre)
{
    QFileDialog boite(parent, titre, dossier, filtre);
    boite.setFileMode(QFileDialog::ExistingFile);
    boite.setAcceptMode(QFileDialog::AcceptOpen);
    if (boite.exec() != QDialog::Accepted || boite.selectedFiles().isEmpty())
        return {};
    return boite.selectedFiles().constFirst();
}

QString BoitesSaisie::choisitFichierEcriture(QWidget* parent, const QString& titre, const QString& chemin,
                                             const QString& filtre, const QString& extension)
{
    QFileDialog boite(parent, titre, chemin, filtre);
    boite.setAcceptMode(QFileDialog::AcceptSave);
    boite.setDefaultSuffix(extension);
    boite.selectFile(chemin);
    if (boite.exec() != QDialog::Accepted || boite.selectedFiles().isEmpty())
        return {};
    return boite.selectedFiles().constFirst();
}

bool BoitesSaisie::choisitCouleur(QWidget* parent, QColor& couleur)
{
    return ChoisitCouleurQt(parent, couleur);
}

bool BoitesSaisie::choisitFonte(QWidget* parent, Police& fonte)
{
    QFont initiale(fonte.Nom, std::max(1, fonte.Taille));
    initiale.setBold(fonte.Gras);
    initiale.setItalic(fonte.Italique);
    initiale.setUnderline(fonte.Souligne);
    initiale.setStrikeOut(fonte.Barre);
    bool ok = false;
    const QFont choisie = QFontDialog::getFont(&ok, initiale, parent, QString(), QFontDialog::DontUseNativeDialog);
    if (!ok)
        return false;
    fonte.Nom = choisie.family();
    fonte.Taille = std::max(1, choisie.pointSize());
    fonte.Gras = choisie.bold();
    fonte.Italique = choisie.italic();
    fonte.Souligne = choisie.underline();
    fonte.Barre = choisie.strikeOut();
    return true;
}

QString BoitesSaisie::choisitLibelle(QWidget*, const QString&)
{
    interlocuteur().message(QStringLiteral("Aucune courbe disponible !"));
    return {};
}

BoitesSaisie& boitesSaisie()
{
    static BoitesSaisie defaut;
    BoitesSaisie* b = etatSaisie().boites;
    return b ? *b : defaut;
}
