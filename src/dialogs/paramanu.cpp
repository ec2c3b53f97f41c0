#include "dialogs/paramanu.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"

Tparamanu::Tparamanu(std::array<QString, 10>* textes, QWidget* parent) : QDialog(parent), textes_(textes)
{
    construit();
    Label1->hide();
    EdNbcrb->hide();
    StringGrid1->setColumnCount(1);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Valeurs des paramètres")});
    StringGrid1->setColumnWidth(0, 180);
    for (int i = 0; i < 10; ++i)
        StringGrid1->setItem(i, 0, new QTableWidgetItem((*textes_)[i]));
}

Tparamanu::Tparamanu(QWidget* parent) : QDialog(parent)
{
    construit();
    StringGrid1->setColumnCount(0);
    EdNbcrb->setValue(1);
    EdNbcrbChange();
    connect(EdNbcrb, &QSpinBox::valueChanged, this, &Tparamanu::EdNbcrbChange);
}

void Tparamanu::construit()
{
    setObjectName(QStringLiteral("paramanu"));
    setWindowTitle(QStringLiteral("Saisie manuelle des paramètres"));
    AppliqueCouleurFiche(this);

    Label1 = new QLabel(QStringLiteral("Nombre de courbes :"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    EdNbcrb = new QSpinBox(this);
    EdNbcrb->setObjectName(QStringLiteral("EdNbcrb"));
    // The manual table has 20 rows: a count typed above that is brought back to 20.
    EdNbcrb->setRange(1, 99);

    StringGrid1 = new QTableWidget(10, 1, this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    QStringList titres;
    for (int i = 0; i < 10; ++i)
        titres << TitreParametre(i);
    StringGrid1->setVerticalHeaderLabels(titres);

    ButOK = new QPushButton(QStringLiteral("&Confirmer"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setDefault(true);
    BitBtn1 = new QPushButton(QStringLiteral("   Annuler"), this);
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    connect(ButOK, &QPushButton::clicked, this, &Tparamanu::ButOKClick);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    auto* haut = new QHBoxLayout;
    haut->addWidget(Label1);
    haut->addWidget(EdNbcrb);
    haut->addStretch();
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(ButOK);
    bas->addWidget(BitBtn1);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(haut);
    pile->addWidget(StringGrid1);
    pile->addLayout(bas);
    resize(420, 380);
}

int Tparamanu::nombreCourbes() const
{
    return EdNbcrb->value();
}

void Tparamanu::EdNbcrbChange()
{
    if (EdNbcrb->value() > NbCourbesManuelles) {
        EdNbcrb->setValue(NbCourbesManuelles);
        return;
    }
    const int avant = StringGrid1->columnCount();
    const int n = EdNbcrb->value();
    StringGrid1->setColumnCount(n);
    QStringList titres;
    for (int c = 0; c < n; ++c) {
        titres << QStringLiteral("Courbe n°%1").arg(c + 1);
        StringGrid1->setColumnWidth(c, 80);
    }
    StringGrid1->setHorizontalHeaderLabels(titres);
    const auto& table = etatSaisie().ParametresManuels;
    for (int c = avant; c < n; ++c)
        for (int i = 0; i < 10; ++i)
            StringGrid1->setItem(i, c, new QTableWidgetItem(table[c][i]));
}

void Tparamanu::ButOKClick()
{
    const int colonnes = StringGrid1->columnCount();
    for (int c = 0; c < colonnes; ++c)
        for (int i = 0; i < 10; ++i) {
            const QTableWidgetItem* cellule = StringGrid1->item(i, c);
            if (!CompileChamp(cellule ? cellule->text().trimmed() : QString())) {
                StringGrid1->setCurrentCell(i, c);
                interlocuteur().message(QStringLiteral("Valeur a%1 incorrecte !").arg(i));
                return;
            }
        }
    auto texte = [this](int i, int c) { return StringGrid1->item(i, c)->text().trimmed(); };
    if (textes_) {
        for (int i = 0; i < 10; ++i)
            (*textes_)[i] = texte(i, 0);
    } else {
        auto& table = etatSaisie().ParametresManuels;
        for (int c = 0; c < colonnes && c < NbCourbesManuelles; ++c)
            for (int i = 0; i < 10; ++i)
                table[c][i] = texte(i, c);
    }
    accept();
}

bool DialogueParametres(std::array<QString, 10>& textes, QWidget* parent)
{
    Tparamanu fiche(&textes, parent);
    return fiche.exec() == QDialog::Accepted;
}
