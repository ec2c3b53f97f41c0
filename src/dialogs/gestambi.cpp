#include "dialogs/gestambi.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "graph/courbes/GCDessin.h"

Tambigu::Tambigu(const QString& titre, const QStringList& entrees, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("ambigu"));
    setWindowTitle(titre);
    AppliqueCouleurFiche(this);
    auto* colonne = new QVBoxLayout(this);
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setReadOnly(true);
    ListBox1 = new QListWidget(this);
    ListBox1->setObjectName(QStringLiteral("ListBox1"));
    ListBox1->addItems(entrees);
    colonne->addWidget(Edit1);
    colonne->addWidget(ListBox1, 1);
    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    if (!entrees.isEmpty()) {
        ListBox1->setCurrentRow(0);
        Edit1->setText(entrees.first());
    }
    connect(ListBox1, &QListWidget::itemClicked, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::currentRowChanged, this, [this] { ListBox1Click(); });
    connect(ListBox1, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    resize(qMax(360, sizeHint().width()), 260);
}

int Tambigu::indexChoisi() const
{
    const QListWidgetItem* article = ListBox1->currentItem();
    return article && article->isSelected() ? ListBox1->row(article) : -1;
}

void Tambigu::ListBox1Click()
{
    if (const QListWidgetItem* article = ListBox1->currentItem())
        Edit1->setText(article->text());
}

int ChoisitDansListe(const QString& titre, const QStringList& entrees, QWidget* parent)
{
    if (entrees.isEmpty())
        return -1;
    if (!parent)
        parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    Tambigu fiche(titre, entrees, parent);
    return fiche.exec() == QDialog::Accepted ? fiche.indexChoisi() : -1;
}

namespace {

class ChoixTraceDialogue : public ChoixTrace {
public:
    bool choisit(const QString& titre, const QStringList& entrees, QString& choix) override
    {
        const int k = ChoisitDansListe(titre, entrees);
        if (k < 0)
            return false;
        choix = entrees.at(k);
        return true;
    }
};

}  // namespace

void installeChoixTraceDialogue()
{
    static ChoixTraceDialogue choix;
    etatGraphe().choixTrace = &choix;
}
