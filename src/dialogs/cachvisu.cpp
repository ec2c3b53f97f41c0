#include "dialogs/cachvisu.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

TVisuCach::TVisuCach(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("VisuCach"));
    setWindowTitle(QStringLiteral("Cacher / Visualiser des courbes"));
    AppliqueCouleurFiche(this);
    auto* colonne = new QVBoxLayout(this);
    ComboBox1 = new QComboBox(this);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    CLCrb = new QListWidget(this);
    CLCrb->setObjectName(QStringLiteral("CLCrb"));
    colonne->addWidget(ComboBox1);
    colonne->addWidget(CLCrb, 1);
    auto* boutons = new QHBoxLayout;
    SelTt = new QPushButton(QStringLiteral("&Sélectionner Tout"), this);
    SelTt->setObjectName(QStringLiteral("SelTt"));
    EffTT = new QPushButton(QStringLiteral("&Désélectionner Tout"), this);
    EffTT->setObjectName(QStringLiteral("EffTT"));
    ButOK = new QPushButton(QStringLiteral("&Terminer"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setDefault(true);
    boutons->addWidget(SelTt);
    boutons->addWidget(EffTT);
    boutons->addStretch();
    boutons->addWidget(ButOK);
    colonne->addLayout(boutons);

    // A click anywhere on an item toggles it (the items are not toggled by the view itself,
    // so that a click on the box does not count twice).
    connect(CLCrb, &QListWidget::itemClicked, this, [](QListWidgetItem* article) {
        article->setCheckState(article->checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
    });
    connect(CLCrb, &QListWidget::itemChanged, this, [this](QListWidgetItem* article) {
        if (!remplissage_ && Bascule)
            Bascule(CLCrb->row(article), article->checkState() == Qt::Checked);
    });
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (!remplissage_ && ChangeFenetre && i >= 0)
            ChangeFenetre(i);
    });
    connect(SelTt, &QPushButton::clicked, this, &TVisuCach::SelTtClick);
    connect(EffTT, &QPushButton::clicked, this, &TVisuCach::EffTTClick);
    connect(ButOK, &QPushButton::clicked, this, &QDialog::accept);
    resize(480, 320);
}

void TVisuCach::remplit(const QStringList& entrees, const std::vector<bool>& caches)
{
    remplissage_ = true;
    CLCrb->clear();
    for (int i = 0; i < entrees.size(); ++i) {
        auto* article = new QListWidgetItem(entrees[i], CLCrb);
        article->setFlags(article->flags() & ~Qt::ItemIsUserCheckable);
        const bool cache = std::size_t(i) < caches.size() && caches[std::size_t(i)];
        article->setCheckState(cache ? Qt::Checked : Qt::Unchecked);
    }
    remplissage_ = false;
}

bool TVisuCach::coche(int i) const
{
    const QListWidgetItem* article = CLCrb->item(i);
    return article && article->checkState() == Qt::Checked;
}

void TVisuCach::toutMettre(bool cache)
{
    for (int i = 0; i < CLCrb->count(); ++i)
        CLCrb->item(i)->setCheckState(cache ? Qt::Checked : Qt::Unchecked);
}

void TVisuCach::SelTtClick()
{
    toutMettre(true);
}

void TVisuCach::EffTTClick()
{
    toutMettre(false);
}
