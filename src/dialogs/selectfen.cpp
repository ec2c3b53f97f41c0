#include "dialogs/selectfen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/fiches.h"

Tselectfen::Tselectfen(const QStringList& entrees, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("selectfen"));
    setWindowTitle(QStringLiteral("Selection des fenêtres"));
    AppliqueCouleurFiche(this);

    auto* grille = new QGridLayout(this);
    grille->addWidget(new QLabel(QStringLiteral("Fenêtres créées :"), this), 0, 0);
    grille->addWidget(new QLabel(QStringLiteral("Fenêtres sélectionnées :"), this), 0, 1);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->addItems(entrees);
    ListBox2 = new QListWidget(this);
    ListBox2->setObjectName(QStringLiteral("ListBox2"));
    ListBox2->addItems(entrees);
    grille->addWidget(ListBox1, 1, 0);
    grille->addWidget(ListBox2, 1, 1);

    auto* boutons = new QHBoxLayout;
    BtnTout = new QPushButton(QStringLiteral("Sélectionner &Tout"), this);
    BtnTout->setObjectName(QStringLiteral("BtnTout"));
    BtnConfirmer = new QPushButton(QStringLiteral("&Confirmer"), this);
    BtnConfirmer->setObjectName(QStringLiteral("BtnConfirmer"));
    BtnConfirmer->setDefault(true);
    BtnAnnuler = new QPushButton(QStringLiteral("&Annuler"), this);
    BtnAnnuler->setObjectName(QStringLiteral("BtnAnnuler"));
    boutons->addWidget(BtnTout);
    boutons->addStretch();
    boutons->addWidget(BtnConfirmer);
    boutons->addWidget(BtnAnnuler);
    grille->addLayout(boutons, 2, 0, 1, 2);

    // Clicks, not selection changes: a click on an entry already selected counts too.
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox2, &QListWidget::itemClicked, this, [this] { ListBox2Click(); });
    connect(BtnTout, &QPushButton::clicked, this, &Tselectfen::SelectToutClick);
    connect(BtnConfirmer, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

QStringList Tselectfen::choix() const
{
    return TextesDeListe(ListBox2);
}

void Tselectfen::ListBox1Click()
{
    AjouteChoisis(ListBox1, ListBox2);
}

void Tselectfen::ListBox2Click()
{
    delete ListBox2->takeItem(ListBox2->currentRow());
}

void Tselectfen::SelectToutClick()
{
    ListBox2->clear();
    AjouteChoisis(ListBox1, ListBox2, true);
}

QStringList ChoisitFenetresDialogue(const QStringList& entrees, QWidget* parent)
{
    Tselectfen fiche(entrees, parent);
    return fiche.exec() == QDialog::Accepted ? fiche.choix() : QStringList();
}
