#include "dialogs/dialzoom.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

TCoeffZoom::TCoeffZoom(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CoeffZoom"));
    setWindowTitle(QStringLiteral("Zoom automatique"));
    AppliqueCouleurFiche(this);
    EdCoef = Nomme(new QLineEdit(QStringLiteral("10"), this), "EdCoef");
    EdXo = Nomme(new QLineEdit(QStringLiteral("0"), this), "EdXo");
    EdYo = Nomme(new QLineEdit(QStringLiteral("0"), this), "EdYo");
    auto* g = new QGridLayout;
    g->addWidget(new QLabel(QStringLiteral("Donner le facteur d'agrandissement du zoom :"), this), 0, 0, 1, 2);
    g->addWidget(EdCoef, 1, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Zoom centré sur :"), this), 2, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Xo ="), this), 3, 0);
    g->addWidget(EdXo, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Yo ="), this), 4, 0);
    g->addWidget(EdYo, 4, 1);
    g->addWidget(new QLabel(QStringLiteral("Un coefficient égal à 10 divise les échelles par 10... "), this), 5, 0, 1, 2);
    g->addWidget(new QLabel(QStringLiteral("Un coefficient égal à 0,1 multiplie les échelles par 10..."), this), 6, 0, 1, 2);
    auto* colonne = new QVBoxLayout(this);
    colonne->addLayout(g);
    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

bool SaisitZoom(QString& facteur, QString& xo, QString& yo, QWidget* parent)
{
    TCoeffZoom fiche(parent);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    facteur = fiche.EdCoef->text();
    xo = fiche.EdXo->text();
    yo = fiche.EdYo->text();
    return true;
}
