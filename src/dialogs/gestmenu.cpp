#include "dialogs/gestmenu.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

Tgeremenu::Tgeremenu(const QStringList& lignes, const QSet<int>& fixes, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tgeremenu"));
    setWindowTitle(QStringLiteral("Personnalisation du menu"));
    AppliqueCouleurFiche(this);
    CLBmenu = Nomme(new QListWidget(this), "CLBmenu");
    for (int i = 0; i < lignes.size(); ++i) {
        const QString& ligne = lignes[i];
        auto* article = new QListWidgetItem(ligne.mid(1), CLBmenu);
        const bool fixe = fixes.contains(i);
        article->setFlags(fixe ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        article->setCheckState(fixe || ligne.startsWith(QLatin1Char('+')) ? Qt::Checked : Qt::Unchecked);
        if (fixe)
            article->setToolTip(QStringLiteral("Cet article reste affiché : il rend les menus par défaut."));
    }
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(new QLabel(QStringLiteral("Articles affichés (cochés) et cachés :"), this));
    pile->addWidget(CLBmenu);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    resize(420, 560);
}

QStringList Tgeremenu::lignes() const
{
    QStringList l;
    for (int i = 0; i < CLBmenu->count(); ++i) {
        const QListWidgetItem* article = CLBmenu->item(i);
        l << (article->checkState() == Qt::Checked ? QStringLiteral("+") : QStringLiteral("-")) + article->text();
    }
    return l;
}
