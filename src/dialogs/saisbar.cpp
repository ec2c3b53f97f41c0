#include "dialogs/saisbar.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

TBarOutils::TBarOutils(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TBarOutils"));
    setWindowTitle(QStringLiteral("Barres d'outils"));
    AppliqueCouleurFiche(this);
    auto* barres = new QGroupBox(QStringLiteral("Barres d'outils"), this);
    auto* colonne = new QVBoxLayout(barres);
    CBstand = Nomme(new QCheckBox(QStringLiteral("Standard"), barres), "CBstand");
    CBope1 = Nomme(new QCheckBox(QStringLiteral("Opérations sur 1 courbe"), barres), "CBope1");
    CBtransfo = Nomme(new QCheckBox(QStringLiteral("Transformations géométriques"), barres), "CBtransfo");
    CBsupp = Nomme(new QCheckBox(QStringLiteral("Transformations supplémentaires"), barres), "CBsupp");
    for (QCheckBox* c : {CBstand, CBope1, CBtransfo, CBsupp})
        colonne->addWidget(c);
    CBAvert = Nomme(new QCheckBox(QStringLiteral("Avertissements"), this), "CBAvert");
    CBetat = Nomme(new QCheckBox(QStringLiteral("Barre d'état"), this), "CBetat");
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(barres);
    pile->addWidget(CBAvert);
    pile->addWidget(CBetat);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    ButOK->setText(QStringLiteral("&OK"));
}
