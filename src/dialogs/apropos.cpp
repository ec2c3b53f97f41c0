#include "dialogs/apropos.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

TApropos::TApropos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Apropos"));
    setWindowTitle(QStringLiteral("A propos..."));
    AppliqueCouleurFiche(this);
    auto* pile = new QVBoxLayout(this);
    auto* nom = new QLabel(QStringLiteral("<b>VIRK</b>"), this);
    nom->setAlignment(Qt::AlignCenter);
    QFont police = nom->font();
    police.setPointSize(police.pointSize() * 2);
    nom->setFont(police);
    pile->addWidget(nom);
    auto* role = new QLabel(QStringLiteral("Tracé de courbes pour l'enseignement des mathématiques"), this);
    role->setAlignment(Qt::AlignCenter);
    pile->addWidget(role);
    LaVersion = Nomme(new QLabel(QStringLiteral("Version ") + QString::fromLatin1(VersionVirk), this), "LaVersion");
    LaVersion->setAlignment(Qt::AlignCenter);
    pile->addWidget(LaVersion);
    auto* ok = BoutonNomme(this, "ButOK", "&OK");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    pile->addWidget(ok, 0, Qt::AlignCenter);
}
