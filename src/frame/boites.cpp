#include "frame/boites.h"
#include "frame/etatcadre.h"

#include <QPushButton>

namespace {

QString TitreBoite(QMessageBox::Icon icone)
{
    switch (icone) {
    case QMessageBox::Warning:
        return QStringLiteral("Avertissement");
    case QMessageBox::Critical:
        return QStringLiteral("Erreur");
    case QMessageBox::Question:
        return QStringLiteral("Confirmation");
    default:
        return QStringLiteral("Information");
    }
}

}  // namespace

QMessageBox::StandardButton BoiteMessage(QWidget* parent, QMessageBox::Icon icone, const QString& texte,
                                         QMessageBox::StandardButtons boutons,
                                         QMessageBox::StandardButton defaut)
{
    if (RepondeurBoites* r = etatCadre().repondeur)
        return r->repond(icone, texte, boutons);

    QMessageBox boite(icone, TitreBoite(icone), texte, boutons, parent);
    const struct {
        QMessageBox::StandardButton bouton;
        const char* texte;
    } francais[] = {{QMessageBox::Ok, "OK"}, {QMessageBox::Yes, "&Oui"}, {QMessageBox::No, "&Non"},
                    {QMessageBox::Cancel, "Annuler"}, {QMessageBox::Help, "&Aide"}};
    for (const auto& f : francais)
        if (QAbstractButton* b = boite.button(f.bouton))
            b->setText(QString::fromUtf8(f.texte));
    if (defaut != QMessageBox::NoButton)
        boite.setDefaultButton(defaut);
    if (boutons.testFlag(QMessageBox::Cancel))
        boite.setEscapeButton(QMessageBox::Cancel);
    else if (boutons.testFlag(QMessageBox::No))
        boite.setEscapeButton(QMessageBox::No);
    const int resultat = boite.exec();
    const auto bouton = static_cast<QMessageBox::StandardButton>(resultat);
    if (boutons.testFlag(bouton))
        return bouton;
    if (boutons.testFlag(QMessageBox::Cancel))
        return QMessageBox::Cancel;
    if (boutons.testFlag(QMessageBox::No))
        return QMessageBox::No;
    return QMessageBox::Ok;
}
