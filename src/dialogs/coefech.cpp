#include "dialogs/coefech.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/fiches.h"
#include "expression/formatage.h"
#include "expression/tfd.h"
#include "graph/courbes/genres_outils.h"

TcoefEchn::TcoefEchn(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("coefEchn"));
    setWindowTitle(QStringLiteral("TFD : échantillonnage"));
    AppliqueCouleurFiche(this);
    EdDeb = Nomme(new QLineEdit(QStringLiteral("-5"), this), "EdDeb");
    EdFin = Nomme(new QLineEdit(QStringLiteral("5"), this), "EdFin");
    CBnpts = Nomme(new QComboBox(this), "CBnpts");
    for (int n = 16; n <= 1024; n *= 2)
        CBnpts->addItem(QString::number(n));
    CBnpts->setCurrentText(QStringLiteral("256"));
    CBfenetre = Nomme(new QComboBox(this), "CBfenetre");
    for (const char* nom : NomsFenetresTFD)
        CBfenetre->addItem(QString::fromUtf8(nom));
    CBzero = Nomme(new QCheckBox(QStringLiteral("zero filling"), this), "CBzero");
    LabFe = Nomme(new QLabel(this), "LabFe");
    LabDf = Nomme(new QLabel(this), "LabDf");
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Début :"), EdDeb);
    champs->addRow(QStringLiteral("Fin :"), EdFin);
    champs->addRow(QStringLiteral("Nombre de points :"), CBnpts);
    champs->addRow(QStringLiteral("Type de fenêtre :"), CBfenetre);
    champs->addRow(CBzero);
    champs->addRow(LabFe, LabDf);

    auto* groupe = new QGroupBox(QStringLiteral("Courbes visualisées"), this);
    auto* cases = new QVBoxLayout(groupe);
    const char* const noms[4] = {"CBmodule", "CBphase", "CBreel", "CBimag"};
    const char* const textes[4] = {"Amplitude / Module", "Phase / Argument", "Partie réelle", "Partie imaginaire"};
    for (int k = 0; k < 4; ++k) {
        CBcourbes[std::size_t(k)] = Nomme(new QCheckBox(QString::fromUtf8(textes[k]), groupe), noms[k]);
        cases->addWidget(CBcourbes[std::size_t(k)]);
    }
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addWidget(groupe);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    connect(EdDeb, &QLineEdit::textChanged, this, &TcoefEchn::MontreFrequences);
    connect(EdFin, &QLineEdit::textChanged, this, &TcoefEchn::MontreFrequences);
    connect(CBnpts, &QComboBox::currentIndexChanged, this, &TcoefEchn::MontreFrequences);
    MontreFrequences();
}

void TcoefEchn::MontreFrequences()
{
    double d = 0, f = 0;
    if (!genres::evalue(EdDeb->text(), d) || !genres::evalue(EdFin->text(), f) || !(d < f))
        return;
    const auto texte = [](double v) { return QString::fromStdString(ReelVersTexte(v)); };
    LabFe->setText(QStringLiteral("Fe = ") + texte(CBnpts->currentText().toInt() / (f - d)) + QStringLiteral(" Hz"));
    LabDf->setText(QStringLiteral("df =") + texte(1 / (f - d)) + QStringLiteral(" Hz"));
}

void TcoefEchn::accept()
{
    double d = 0, f = 0;
    QString refus;
    if (!genres::evalue(EdDeb->text(), d))
        refus = QStringLiteral("Valeur Xdébut=") + EdDeb->text() + QStringLiteral(" incorrecte.");
    else if (!genres::evalue(EdFin->text(), f))
        refus = QStringLiteral("Valeur Xfin=") + EdFin->text() + QStringLiteral(" incorrecte.");
    else if (d > f)
        refus = QStringLiteral("Début > Fin");
    else if (d == f)   // a frequency step of 1/0
        refus = QStringLiteral("Début >= Fin");
    else if (std::none_of(CBcourbes.begin(), CBcourbes.end(), [](const QCheckBox* c) { return c->isChecked(); }))
        refus = QStringLiteral("Choisir au moins une courbe à visualiser !");
    if (!refus.isEmpty()) {
        interlocuteur().message(refus);
        return;
    }
    QDialog::accept();
}

bool SaisieEchantillonnageTFD(EchantillonnageTFD& choix, QWidget* parent)
{
    TcoefEchn f(parent);
    f.EdDeb->setText(choix.debut);
    f.EdFin->setText(choix.fin);
    f.CBnpts->setCurrentText(QString::number(choix.points));
    f.CBfenetre->setCurrentIndex(choix.fenetre);
    f.CBzero->setChecked(choix.zeros);
    for (std::size_t k = 0; k < 4; ++k)
        f.CBcourbes[k]->setChecked(choix.courbes[k]);
    if (f.exec() != QDialog::Accepted)
        return false;
    choix.debut = f.EdDeb->text();
    choix.fin = f.EdFin->text();
    choix.points = f.CBnpts->currentText().toInt();
    choix.fenetre = std::max(0, f.CBfenetre->currentIndex());
    choix.zeros = f.CBzero->isChecked();
    for (std::size_t k = 0; k < 4; ++k)
        choix.courbes[k] = f.CBcourbes[k]->isChecked();
    return true;
}
