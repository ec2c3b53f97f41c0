#include "dialogs/coeffPP.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/fiches.h"

TPPtip::TPPtip(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("PPtip"));
    setWindowTitle(QStringLiteral("Points particuliers sur une courbe"));
    AppliqueCouleurFiche(this);
    CBtype = Nomme(new QComboBox(this), "CBtype");
    CBtype->addItems({QStringLiteral("Ordonnée minimale"), QStringLiteral("Ordonnée maximale"),
                      QStringLiteral("Ordonnée de rang N"), QStringLiteral("Point moyen")});
    LabN = Nomme(new QLabel(QStringLiteral("N = "), this), "LabN");
    EdN = Nomme(new QLineEdit(QStringLiteral("1"), this), "EdN");
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Type :"), CBtype);
    champs->addRow(LabN, EdN);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    connect(CBtype, &QComboBox::currentIndexChanged, this, &TPPtip::CBtypeChange);
    CBtypeChange();
}

void TPPtip::CBtypeChange()
{
    const bool n = CBtype->currentIndex() == 2;
    LabN->setVisible(n);
    EdN->setVisible(n);
}

bool SaisiePointsParticuliers(int& genre, QString& prefixe, QString& p1, QWidget* parent)
{
    TPPtip f(parent);
    f.CBtype->setCurrentIndex(std::clamp(genre - 1, 0, 3));
    f.EdN->setText(p1);
    f.CBtypeChange();
    if (f.exec() != QDialog::Accepted)
        return false;
    genre = f.CBtype->currentIndex() + 1;
    static const char* const prefixes[4] = {"Points d'ordonnée minimale sur ", "Points d'ordonnée maximale sur ",
                                            "Point d'ordonnée de rang N sur ", "Point moyen de "};
    prefixe = QString::fromUtf8(prefixes[genre - 1]);
    if (genre == 3)
        p1 = f.EdN->text();
    return true;
}
