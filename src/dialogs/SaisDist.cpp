#include "dialogs/SaisDist.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "graph/courbes/genres_outils.h"

TDist2::TDist2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Dist2"));
    setWindowTitle(QStringLiteral("Distances entre 2 courbes"));
    AppliqueCouleurFiche(this);
    edDeb = Nomme(new QLineEdit(QStringLiteral("0"), this), "edDeb");
    edFin = Nomme(new QLineEdit(QStringLiteral("0"), this), "edFin");
    EcNorm = Nomme(new QComboBox(this), "EcNorm");
    EcNorm->addItems({QStringLiteral("oui"), QStringLiteral("non")});
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Début du tracé"), edDeb);
    champs->addRow(QStringLiteral("Fin du tracé"), edFin);
    champs->addRow(QStringLiteral("Ecarts normalisés :"), EcNorm);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

void TDist2::accept()
{
    for (QLineEdit* e : {edDeb, edFin}) {
        double v = 0;
        if (!genres::evalue(e->text(), v)) {
            interlocuteur().message(QStringLiteral("Valeur ") + e->text() + QStringLiteral(" incorrecte."));
            e->setFocus();
            return;
        }
    }
    QDialog::accept();
}

bool SaisieDistances(QString& debut, QString& fin, bool& normalise, QWidget* parent)
{
    TDist2 f(parent);
    f.edDeb->setText(debut);
    f.edFin->setText(fin);
    f.EcNorm->setCurrentIndex(normalise ? 0 : 1);
    if (f.exec() != QDialog::Accepted)
        return false;
    debut = f.edDeb->text();
    fin = f.edFin->text();
    normalise = f.EcNorm->currentIndex() == 0;
    return true;
}
