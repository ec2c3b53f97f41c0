#include "dialogs/saisPlq.h"

#include <QComboBox>
#include <algorithm>
#include <QFormLayout>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "graph/courbes/GCA.h"

TPlaqpoly::TPlaqpoly(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Plaqpoly"));
    setWindowTitle(QStringLiteral("Modifier des plaques polygonales"));
    AppliqueCouleurFiche(this);
    auto* colonne = new QVBoxLayout(this);
    auto* champs = new QFormLayout;
    const ChampsRemplissage c = AjouteChampsRemplissage(this, champs, 9, Qt::magenta, 0);
    CBSuper = c.CBSuper;
    CBStyle = c.CBStyle;
    Shape1 = c.Shape1;
    BtCoul = c.BtCoul;
    colonne->addLayout(champs);
    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

void TPlaqpoly::Prepare(const GCA& plaque)
{
    CBSuper->setCurrentIndex(std::clamp(plaque.ModeCopie, 0, CBSuper->count() - 1));
    CBStyle->setCurrentIndex(std::clamp(plaque.StyleRemplissage, 0, CBStyle->count() - 1));
    Shape1->fixe(VersQColor(plaque.Couleur), CBStyle->currentIndex());
}

void TPlaqpoly::Applique(GCA& plaque) const
{
    plaque.Couleur = DeQColor(Shape1->couleur());
    plaque.FixeStyleRemplissage(Shape1->style());
    plaque.FixeModeCopie(CBSuper->currentIndex());
}

bool ModifiePlaques(const std::vector<GCA*>& plaques, QWidget* parent)
{
    if (plaques.empty() || !plaques.front())
        return false;
    TPlaqpoly fiche(parent);
    fiche.Prepare(*plaques.front());
    if (fiche.exec() != QDialog::Accepted)
        return false;
    for (GCA* p : plaques)
        if (p)
            fiche.Applique(*p);
    return true;
}
