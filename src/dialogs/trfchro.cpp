#include "dialogs/trfchro.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"

TtrfChro::TtrfChro(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("trfChro"));
    setWindowTitle(QStringLiteral("Transfert en chronique(s)"));
    AppliqueCouleurFiche(this);
    labnom = Nomme(new QLabel(QStringLiteral("de :"), this), "labnom");
    edDeb = Nomme(new QLineEdit(QStringLiteral("0"), this), "edDeb");
    EdPas = Nomme(new QLineEdit(QStringLiteral("1"), this), "EdPas");
    CBord = Nomme(new QCheckBox(QStringLiteral("transfert des ordonnées"), this), "CBord");
    CBabs = Nomme(new QCheckBox(QStringLiteral("transfert des abscisses"), this), "CBabs");
    CBord->setChecked(true);
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("1ère abscisse :"), edDeb);
    champs->addRow(QStringLiteral("Pas :"), EdPas);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(labnom);
    tout->addLayout(champs);
    tout->addWidget(CBord);
    tout->addWidget(CBabs);
    tout->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

void TtrfChro::done(int resultat)
{
    if (resultat == QDialog::Accepted) {
        double debut = 0, pas = 0;
        if (!EvalueChamp(edDeb->text(), debut)) {
            interlocuteur().message(QStringLiteral("Valeur non calculable dans 1ère abscisse"));
            return;
        }
        if (!EvalueChamp(EdPas->text(), pas) || !(pas > 0)) {
            interlocuteur().message(QStringLiteral("Le pas doit être un nombre > 0"));
            return;
        }
    }
    QDialog::done(resultat);
}
