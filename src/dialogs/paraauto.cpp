#include "dialogs/paraauto.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"

Tparaauto::Tparaauto(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("paraauto"));
    setWindowTitle(QStringLiteral("Saisie automatique des paramètres"));
    AppliqueCouleurFiche(this);

    StringGrid1 = new QTableWidget(10, 3, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setHorizontalHeaderLabels(
        {QStringLiteral("Valeur initiale"), QStringLiteral("Incrément"), QStringLiteral("Valeur maximale")});
    QStringList titres;
    const EtatSaisie& e = etatSaisie();
    for (int i = 0; i < 10; ++i) {
        titres << TitreParametre(i);
        const double valeurs[3] = {e.ValeurInitialeParametre[i], e.IncrementAutoParametre[i],
                                   e.MaximumAutoParametre[i]};
        for (int c = 0; c < 3; ++c)
            StringGrid1->setItem(i, c, new QTableWidgetItem(QString::fromStdString(ReelVersTexte(valeurs[c]))));
    }
    StringGrid1->setVerticalHeaderLabels(titres);

    ButOK = new QPushButton(QStringLiteral("&Confirmer"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("   Annuler"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(ButOK, &QPushButton::clicked, this, &Tparaauto::ButOKClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(ButOK);
    bas->addWidget(BitBtn1);
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(StringGrid1);
    pile->addLayout(bas);
    // Every column as wide as its header and its values, the grid wide enough to show them
    // all without scrolling.
    StringGrid1->resizeColumnsToContents();
    int largeur = StringGrid1->verticalHeader()->sizeHint().width() + 2 * StringGrid1->frameWidth() +
                  StringGrid1->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < StringGrid1->columnCount(); ++c)
        largeur += StringGrid1->columnWidth(c);
    StringGrid1->setMinimumWidth(largeur);
    resize(std::max(440, largeur + 24), 380);
}

void Tparaauto::ButOKClick()
{
    std::array<double, 10> initiales{}, increments{}, maxima{};
    for (int i = 0; i < 10; ++i) {
        auto lit = [&](int c, double& v, const QString& quoi) {
            const QTableWidgetItem* cellule = StringGrid1->item(i, c);
            if (EvalueChamp(cellule ? cellule->text().trimmed() : QString(), v))
                return true;
            StringGrid1->setCurrentCell(i, c);
            interlocuteur().message(QStringLiteral("Valeur %1 incorrecte !").arg(quoi));
            return false;
        };
        if (!lit(0, initiales[i], QStringLiteral("a%1").arg(i))
            || !lit(2, maxima[i], QStringLiteral("maximale de a%1").arg(i))
            || !lit(1, increments[i], QStringLiteral("de l'incrément de a%1").arg(i)))
            return;
        // An increment that goes away from the last value would give no family at all.
        if (increments[i] * (maxima[i] - initiales[i]) < 0) {
            StringGrid1->setCurrentCell(i, 1);
            interlocuteur().message(QStringLiteral("Valeur de l'incrément de a%1 incorrecte !").arg(i));
            return;
        }
    }
    EtatSaisie& e = etatSaisie();
    e.ValeurInitialeParametre = initiales;
    e.IncrementAutoParametre = increments;
    e.MaximumAutoParametre = maxima;
    accept();
}
