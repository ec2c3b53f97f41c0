#include "dialogs/condinit.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"

QString TitreConditionInitiale(int i)
{
    switch (i) {
    case 0: return QStringLiteral("Xo");
    case 1: return QStringLiteral("Yo");
    case 2: return QStringLiteral("Y'o");
    case 3: return QStringLiteral("Y''o");
    default: return QStringLiteral("Y(%1)o").arg(i - 1);
    }
}

TCondInit::TCondInit(int lignes, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CondInit"));
    setWindowTitle(QStringLiteral("Conditions initiales"));
    AppliqueCouleurFiche(this);
    lignes = std::clamp(lignes, 1, 11);

    StringGrid1 = new QTableWidget(lignes, 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Valeur initiale")});
    QStringList titres;
    const auto& valeurs = etatSaisie().ConditionsInitiales;
    for (int i = 0; i < lignes; ++i) {
        titres << TitreConditionInitiale(i);
        StringGrid1->setItem(i, 0, new QTableWidgetItem(valeurs[i]));
    }
    StringGrid1->setVerticalHeaderLabels(titres);
    StringGrid1->horizontalHeader()->setStretchLastSection(true);

    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setDefault(true);
    connect(ButOK, &QPushButton::clicked, this, &TCondInit::ButOKClick);

    auto* pile = new QVBoxLayout(this);
    pile->addWidget(StringGrid1);
    pile->addWidget(ButOK, 0, Qt::AlignRight);
}

void TCondInit::ButOKClick()
{
    const int lignes = StringGrid1->rowCount();
    QStringList textes;
    for (int i = 0; i < lignes; ++i) {
        const QTableWidgetItem* cellule = StringGrid1->item(i, 0);
        const QString texte = cellule ? cellule->text().trimmed() : QString();
        Arbre arbre;
        if (!CompileExpr(texte.toStdString(), arbre)) {
            interlocuteur().message(QStringLiteral("Valeur n° %1=%2 incorrecte !").arg(i + 1).arg(texte));
            return;
        }
        textes << texte;
    }
    auto& conditions = etatSaisie().ConditionsInitiales;
    for (int i = 0; i < lignes; ++i)
        conditions[i] = textes[i];
    accept();
}
