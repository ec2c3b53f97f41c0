// Menu customisation: the marks and captions of the main menu's items, their menu files,
// the customisation dialog, and the frame's tool bars that follow them.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

#include "dialogs/etatsaisie.h"
#include "dialogs/gestmenu.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"
#include "window/fenetre.h"

namespace {

// The way back to the default menus, never hidden.
bool ToujoursAffiche(const char* nom)
{
    return qstrcmp(nom, "Options1") == 0 || qstrcmp(nom, "Menus1") == 0 || qstrcmp(nom, "Charger1") == 0;
}

std::vector<int> Profondeurs()
{
    std::vector<int> p;
    for (const ArticleMenu& a : TableMenuPrincipal())
        p.push_back(a.profondeur);
    return p;
}

const QString FiltreMenus = QStringLiteral("*.txt");

}  // namespace

QString MessageMenusIntrouvables(const QString& nom)
{
    return QStringLiteral("Fichier ") + nom + QStringLiteral(" introuvable, remplacé par defaut.txt");
}

bool InstalleMenusParDefaut(QString* erreur)
{
    const QString dossier = DossierMenus();
    const QString chemin = QDir(dossier).filePath(QStringLiteral("defaut.txt"));
    if (dossier.isEmpty() || QFileInfo::exists(chemin))
        return true;
    std::vector<ArticleMenuPerso> articles;
    for (const ArticleMenu& a : TableMenuPrincipal())
        articles.push_back({true, QString::fromUtf8(a.libelle)});
    const EcritureTexte e = QDir().mkpath(dossier) ? EcritFichierTexte(chemin, LignesMenus(articles, Profondeurs()))
                                                   : EcritureTexte{};
    if (!e.ok && erreur)
        *erreur = e.erreur.isEmpty() ? QStringLiteral("Impossible de créer le dossier %1.").arg(QDir::toNativeSeparators(dossier))
                                     : e.erreur;
    return e.ok;
}

int TForm1::indiceArticle(const QString& nom) const
{
    const auto& table = TableMenuPrincipal();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (nom == QLatin1String(table[i].nom))
            return int(i);
    return -1;
}

void TForm1::appliqueMenus()
{
    const auto& table = TableMenuPrincipal();
    std::vector<bool> actifs(table.size(), false);
    std::vector<std::size_t> parents;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const int profondeur = std::max(0, table[i].profondeur);
        parents.resize(std::min(parents.size(), std::size_t(profondeur)));
        const bool aParent = !parents.empty() && profondeur > 0;
        const std::size_t parent = aParent ? parents.back() : 0;
        const bool marque = articlesMenu_[i].marque || ToujoursAffiche(table[i].nom);
        actifs[i] = marque && (!aParent || actifs[parent]) && etatsCommandes_[i];
        if (QAction* a = actionsTable_[i]) {
            a->setText(articlesMenu_[i].libelle);
            a->setVisible(marque);
            a->setEnabled(actifs[i]);
        }
        parents.push_back(i);
    }
}

void TForm1::FixeEtatCommande(const QString& nom, bool actif)
{
    const int i = indiceArticle(nom);
    if (i < 0 || etatsCommandes_[std::size_t(i)] == actif)
        return;
    etatsCommandes_[std::size_t(i)] = actif;
    appliqueMenus();
    emit etatMenusChange();
}

QStringList TForm1::LignesMenus() const
{
    return ::LignesMenus(articlesMenu_, Profondeurs());
}

bool TForm1::ChargerMenus(const QString& chemin)
{
    if (!QFileInfo::exists(chemin)) {
        interlocuteur().message(MessageMenusIntrouvables(QDir::toNativeSeparators(chemin)));
        return false;
    }
    const LectureMenus lu = LitFichierMenus(chemin, articlesMenu_);
    if (!lu.ok) {
        interlocuteur().message(lu.erreur);
        return false;
    }
    CheminMenus = QFileInfo(chemin).absoluteFilePath();
    appliqueMenus();
    emit etatMenusChange();
    return true;
}

bool TForm1::AdopteMenus(const QString& chemin)
{
    if (!ChargerMenus(chemin))
        return false;
    FichierMenus = NomFichierMenusStocke(chemin);
    reglagesFenetres().FichierMenus = FichierMenus;
    return true;
}

bool TForm1::SauverMenus(const QString& chemin)
{
    const EcritureTexte e = EcritFichierTexte(chemin, LignesMenus());
    if (!e.ok)
        interlocuteur().message(e.erreur);
    return e.ok;
}

void TForm1::Charger1Click(QAction*)
{
    const QString chemin = boitesSaisie().choisitFichier(this, QStringLiteral("Charger un menu"), DossierMenus(), FiltreMenus);
    if (!chemin.isEmpty())
        AdopteMenus(chemin);
}

void TForm1::Sauver2Click(QAction*)
{
    const QString propose = QDir(DossierMenus()).filePath(QStringLiteral("perso.txt"));
    const QString chemin = boitesSaisie().choisitFichierEcriture(this, QStringLiteral("Sauver le menu"), propose,
                                                                 FiltreMenus, QStringLiteral("txt"));
    if (!chemin.isEmpty())
        SauverMenus(chemin);
}

void TForm1::Personnaliser1Click(QAction*)
{
    QSet<int> fixes;
    const auto& table = TableMenuPrincipal();
    for (std::size_t i = 0; i < table.size(); ++i)
        if (ToujoursAffiche(table[i].nom))
            fixes.insert(int(i));
    // The list is the menus as they stand: the items of the loaded file, and the built-in
    // items where no file gave them.
    Tgeremenu dialogue(LignesMenus(), fixes, this);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    const QString dossier = DossierMenus();
    const QString chemin = QDir(dossier).filePath(QStringLiteral("perso.txt"));
    if (dossier.isEmpty() || !QDir().mkpath(dossier)) {
        interlocuteur().message(QStringLiteral("Impossible de créer le dossier %1 : le menu personnalisé n'est pas "
                                               "enregistré.").arg(QDir::toNativeSeparators(dossier)));
        return;
    }
    const EcritureTexte e = EcritFichierTexte(chemin, dialogue.lignes());
    if (!e.ok) {
        interlocuteur().message(e.erreur);
        return;
    }
    AdopteMenus(chemin);
}

void TForm1::Barresdoutils1Click(QAction*)
{
    emit commandeCadre(CommandeCadre::BarresOutils);
}
