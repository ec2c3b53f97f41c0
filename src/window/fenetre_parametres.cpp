// Courbes > Fonctions auxiliaires and Paramètres personnels, Options > Paramètres, Aide > Site
// VIRK and A propos.
#include <QAction>
#include <QDesktopServices>
#include <QUrl>

#include "adressesite.h"

#include "dialogs/apropos.h"
#include "dialogs/defoptions.h"
#include "dialogs/fnauxi.h"
#include "dialogs/parperso.h"
#include "window/fenetre.h"

void TForm1::Fonctionsauxiliaires1Click(QAction*)
{
    TFnauxi fiche(FonctionsAux(), this);
    if (fiche.exec() != QDialog::Accepted)
        return;
    FonctionsAux() = fiche.textes();
    oublieMessages();
    CompileFonctionsAux();
    emit commandeCadre(CommandeCadre::RedessineFenetres);
}

void TForm1::Paramtrespersonnels1Click(QAction*)
{
    Tparperso fiche(this);
    fiche.exec();
    emit commandeCadre(CommandeCadre::RedessineFenetres);
}

void TForm1::Dcimales1Click(QAction*)
{
    TDefOptions fiche(this);
    if (fiche.exec() == QDialog::Accepted)
        emit commandeCadre(CommandeCadre::Options);
}

QString AdresseSiteConstruite()
{
    return QString::fromUtf8(AdresseSite).trimmed();
}

void TForm1::SiteClick(QAction*)
{
    const QString adresse = etatFenetres().AdresseSite;
    if (adresse.isEmpty()) {
        interlocuteur().message(QStringLiteral("Aucune adresse de site n'a été donnée à ce programme quand il a été "
                                               "construit : Aide > Site VIRK n'a pas de page à ouvrir."));
        return;
    }
    const QUrl url(adresse, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty()) {
        interlocuteur().message(QStringLiteral("L'adresse du site « %1 » n'est pas une adresse web.").arg(adresse));
        return;
    }
    const auto& ouvre = etatFenetres().ouvreAdresse;
    if (!(ouvre ? ouvre(url) : QDesktopServices::openUrl(url)))
        interlocuteur().message(QStringLiteral("Impossible d'ouvrir la page %1 : aucun navigateur n'a répondu.")
                                    .arg(adresse));
}

void TForm1::Apropos1Click(QAction*)
{
    TApropos fiche(this);
    fiche.exec();
}
