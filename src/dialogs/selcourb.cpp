#include "dialogs/selcourb.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "dialogs/fiches.h"

Tselectcrb::Tselectcrb(const ParametresSelection& p, QWidget* parent) : QDialog(parent), entrees_(p.entrees)
{
    setObjectName(QStringLiteral("selectcrb"));
    setWindowTitle(p.titre);
    AppliqueCouleurFiche(this);

    auto* grille = new QGridLayout(this);
    ComboBox1 = Nomme(new QComboBox(this), "ComboBox1");
    ComboBox1->addItem(QStringLiteral("Fenêtre courante"));
    ComboBox1->addItems(p.fenetres);
    ComboBox1->setVisible(!p.fenetres.isEmpty());
    ComboBox2 = Nomme(new QComboBox(this), "ComboBox2");
    ComboBox2->addItems({QStringLiteral("Fenêtre courante"), QStringLiteral("Nouvelle fenêtre")});
    ComboBox2->addItems(p.fenetres);
    ComboBox2->setVisible(p.destination);
    Label1 = Nomme(new QLabel(p.libelle.isEmpty() ? QStringLiteral("------------->") : p.libelle, this), "Label1");
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setVisible(!p.destination);

    grille->addWidget(new QLabel(p.titreDisponibles, this), 0, 0);
    grille->addWidget(new QLabel(p.titreSelectionnes, this), 0, 2);
    grille->addWidget(ComboBox1, 1, 0);
    grille->addWidget(ComboBox2, 1, 2);
    ListBox1 = Nomme(new QListWidget(this), "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBox1->setToolTip(QStringLiteral("Cliquer sur les courbes disponibles souhaitées"));
    ListBox2 = Nomme(new QListWidget(this), "ListBox2");
    grille->addWidget(ListBox1, 2, 0);
    grille->addWidget(Label1, 2, 1);
    grille->addWidget(ListBox2, 2, 2);
    grille->setColumnStretch(0, 1);
    grille->setColumnStretch(2, 1);

    BitBtn1 = Nomme(new QPushButton(QStringLiteral("&Sélectionner Tout"), this), "BitBtn1");
    EffTT = Nomme(new QPushButton(QStringLiteral("&Effacer Tout"), this), "EffTT");
    grille->addLayout(BoutonsFiche(this, ButOK, ButAnnul, {BitBtn1, EffTT}), 3, 0, 1, 3);

    if (entrees_)
        ListBox1->addItems(entrees_(0));
    // Clicks, not selection changes: a click on an entry already selected counts too.
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox2, &QListWidget::itemClicked, this, [this] { ListBox2Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &Tselectcrb::BitBtn1Click);
    connect(EffTT, &QPushButton::clicked, this, &Tselectcrb::EffTTClick);
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &Tselectcrb::ComboBox1Change);
    resize(640, 320);
}

QStringList Tselectcrb::choix() const
{
    return TextesDeListe(ListBox2);
}

int Tselectcrb::source() const
{
    return ComboBox1->currentIndex();
}

int Tselectcrb::destination() const
{
    return ComboBox2->currentIndex();
}

void Tselectcrb::ListBox1Click()
{
    AjouteChoisis(ListBox1, ListBox2);
}

void Tselectcrb::ListBox2Click()
{
    delete ListBox2->takeItem(ListBox2->currentRow());
}

void Tselectcrb::BitBtn1Click()
{
    AjouteChoisis(ListBox1, ListBox2, true);
}

void Tselectcrb::EffTTClick()
{
    ListBox2->clear();
}

void Tselectcrb::ComboBox1Change()
{
    ListBox1->clear();
    if (entrees_)
        ListBox1->addItems(entrees_(std::max(0, ComboBox1->currentIndex())));
}

QStringList ChoisitPlusieurs(const ParametresSelection& parametres, QWidget* parent)
{
    Tselectcrb fiche(parametres, parent);
    return fiche.exec() == QDialog::Accepted ? fiche.choix() : QStringList();
}
