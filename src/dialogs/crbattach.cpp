#include "dialogs/crbattach.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

TAttachCrb::TAttachCrb(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AttachCrb"));
    setWindowTitle(QStringLiteral("Courbes et point associés"));
    AppliqueCouleurFiche(this);
    auto* colonne = new QVBoxLayout(this);
    cbTg = Nomme(new QCheckBox(QStringLiteral("Tangente"), this), "cbTg");
    cbNorm = Nomme(new QCheckBox(QStringLiteral("Normale"), this), "cbNorm");
    cbCercle = Nomme(new QCheckBox(QStringLiteral("Cercle de courbure"), this), "cbCercle");
    cbCentre = Nomme(new QCheckBox(QStringLiteral("Centre de courbure"), this), "cbCentre");
    for (QCheckBox* c : {cbTg, cbNorm, cbCercle, cbCentre})
        colonne->addWidget(c);
    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

bool ChoisitCourbesAttachees(std::array<bool, 4>& choix, QWidget* parent)
{
    TAttachCrb fiche(parent);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    choix = {fiche.cbTg->isChecked(), fiche.cbNorm->isChecked(), fiche.cbCercle->isChecked(),
             fiche.cbCentre->isChecked()};
    return true;
}
