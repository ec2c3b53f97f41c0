#include "dialogs/minmaxpar.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"

namespace {

QString Texte(double v)
{
    return QString::fromStdString(ReelVersTexte(v));
}

}  // namespace

TMinMaxPar::TMinMaxPar(int indice, bool lectureSeule, QWidget* parent) : QDialog(parent), indice_(indice)
{
    setObjectName(QStringLiteral("MinMaxPar"));
    setWindowTitle(QStringLiteral("Variations du paramètre %1").arg(QLatin1Char(LettresParametres[indice])));
    AppliqueCouleurFiche(this);
    const EtatSaisie& e = etatSaisie();
    const auto champ = [this](const char* nom, double v) {
        auto* l = new QLineEdit(Texte(v), this);
        l->setObjectName(QString::fromLatin1(nom));
        return l;
    };
    Edit1 = champ("Edit1", e.MinimumParametre[indice]);
    Edit2 = champ("Edit2", e.MaximumParametre[indice]);
    Edit3 = champ("Edit3", e.PasParametre[indice]);
    edval = champ("edval", contexteCalcul().ValeursParametres[indice]);
    edval->setReadOnly(lectureSeule);
    Button1 = new QPushButton(QStringLiteral("Restaurer les valeurs initiales"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    ButOK = new QPushButton(QStringLiteral("&Confirmer"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setDefault(true);
    ButAnnuler = new QPushButton(QStringLiteral("Annuler"), this);
    ButAnnuler->setObjectName(QStringLiteral("ButAnnuler"));
    connect(Button1, &QPushButton::clicked, this, &TMinMaxPar::Button1Click);
    connect(ButOK, &QPushButton::clicked, this, &TMinMaxPar::ButOKClick);
    connect(ButAnnuler, &QPushButton::clicked, this, &QDialog::reject);

    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Minimum"), Edit1);
    champs->addRow(QStringLiteral("Maximum"), Edit2);
    champs->addRow(QStringLiteral("Incrément"), Edit3);
    champs->addRow(QStringLiteral("Valeur"), edval);
    auto* bas = new QHBoxLayout;
    bas->addWidget(Button1);
    bas->addStretch();
    bas->addWidget(ButOK);
    bas->addWidget(ButAnnuler);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addLayout(bas);
}

void TMinMaxPar::Button1Click()
{
    const EtatSaisie& e = etatSaisie();
    Edit1->setText(Texte(e.MinimumInitialParametre[indice_]));
    Edit2->setText(Texte(e.MaximumInitialParametre[indice_]));
    Edit3->setText(Texte(e.PasInitialParametre[indice_]));
    edval->setText(Texte(e.ValeurDepartParametre[indice_]));
}

void TMinMaxPar::ButOKClick()
{
    double v[4];
    const std::pair<QLineEdit*, const char*> champs[4] = {
        {Edit1, "du minimum"}, {Edit2, "du maximum"}, {Edit3, "de l'incrément"}, {edval, "du paramètre"}};
    for (int k = 0; k < 4; ++k)
        if (!EvalueChamp(champs[k].first->text().trimmed(), v[k])) {
            champs[k].first->setFocus();
            interlocuteur().message(QStringLiteral("Valeur %1 incorrecte !").arg(QString::fromLatin1(champs[k].second)));
            return;
        }
    if (v[0] >= v[1]) {
        Edit2->setFocus();
        interlocuteur().message(QStringLiteral("Le maximum doit dépasser le minimum !"));
        return;
    }
    EtatSaisie& e = etatSaisie();
    e.MinimumParametre[indice_] = v[0];
    e.MaximumParametre[indice_] = v[1];
    e.PasParametre[indice_] = v[2];
    e.ValeurInitialeParametre[indice_] = v[3];
    contexteCalcul().ValeursParametres[indice_] = v[3];
    accept();
}

bool ModifieMinMaxParametre(QWidget* parent, int indice, bool lectureSeule)
{
    if (indice < 0 || indice >= 10)
        return false;
    TMinMaxPar fiche(indice, lectureSeule, parent);
    return fiche.exec() == QDialog::Accepted;
}
