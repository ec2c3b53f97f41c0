#include "dialogs/formatfen.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QSpinBox>

bool SaisitTailleFenetre(QWidget* parent, int& largeur, int& hauteur, int minimum, int maximum)
{
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("TFormatfen"));
    dialogue.setWindowTitle(QStringLiteral("Taille de la fenêtre de tracé"));
    auto* formulaire = new QFormLayout(&dialogue);
    const auto champ = [&](const char* nom, int valeur) {
        auto* c = new QSpinBox(&dialogue);
        c->setObjectName(QString::fromLatin1(nom));
        c->setRange(minimum, maximum);
        c->setValue(valeur);
        return c;
    };
    QSpinBox* l = champ("EdLargeur", largeur);
    QSpinBox* h = champ("EdHauteur", hauteur);
    formulaire->addRow(QStringLiteral("Largeur :"), l);
    formulaire->addRow(QStringLiteral("Hauteur :"), h);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogue);
    boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Confirmer"));
    boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Annuler"));
    QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    formulaire->addRow(boutons);
    if (dialogue.exec() != QDialog::Accepted)
        return false;
    largeur = l->value();
    hauteur = h->value();
    return true;
}
