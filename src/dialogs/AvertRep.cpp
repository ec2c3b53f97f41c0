#include "dialogs/AvertRep.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

TRepAvert::TRepAvert(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RepAvert"));
    setWindowTitle(QStringLiteral("Avertissement"));
    AppliqueCouleurFiche(this);
    auto* pile = new QVBoxLayout(this);
    for (const char* texte : {"ATTENTION !", "Le repère actuel n'est pas orthonormé !", "Voulez- vous ..."})
        pile->addWidget(new QLabel(QString::fromUtf8(texte), this), 0, Qt::AlignHCenter);
    Mrep = Nomme(new QPushButton(QStringLiteral("     continuer avec le &même repère ?     "), this), "Mrep");
    Orep = Nomme(new QPushButton(QStringLiteral("continuer avec un repère &orthonormé ?"), this), "Orep");
    annul = Nomme(new QPushButton(QStringLiteral("  &annuler ?"), this), "annul");
    for (QPushButton* b : {Mrep, Orep, annul})
        pile->addWidget(b);
    Mrep->setDefault(true);
    connect(Mrep, &QPushButton::clicked, this, [this] { done(MemeRepere); });
    connect(Orep, &QPushButton::clicked, this, [this] { done(RepereOrthonorme); });
    connect(annul, &QPushButton::clicked, this, &QDialog::reject);
}

int AvertitRepereNonNorme(QWidget* parent)
{
    TRepAvert f(parent);
    const int r = f.exec();
    return r == TRepAvert::MemeRepere || r == TRepAvert::RepereOrthonorme ? r : 0;
}
