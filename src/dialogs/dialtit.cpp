#include "dialogs/dialtit.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"

Tdialogtitre::Tdialogtitre(const QString& titre, const QString& invite, const QString& texte, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("dialogtitre"));
    setWindowTitle(titre);
    AppliqueCouleurFiche(this);
    auto* colonne = new QVBoxLayout(this);
    Label1 = Nomme(new QLabel(invite, this), "Label1");
    Edit1 = Nomme(new QLineEdit(texte, this), "Edit1");
    Edit1->selectAll();
    colonne->addWidget(Label1);
    colonne->addWidget(Edit1);
    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    resize(360, sizeHint().height());
}

void Tdialogtitre::accept()
{
    if (Refus) {
        const QString raison = Refus(Edit1->text());
        if (!raison.isEmpty()) {
            interlocuteur().message(raison);
            return;
        }
    }
    QDialog::accept();
}

bool SaisitTitre(QWidget* parent, const QString& titre, const QString& invite, QString& texte, const RefusTexte& refus)
{
    Tdialogtitre fiche(titre, invite, texte, parent);
    fiche.Refus = refus;
    if (fiche.exec() != QDialog::Accepted)
        return false;
    texte = fiche.Edit1->text();
    return true;
}

QString RefusSeparateurs(const QString& texte, const QString& quoi)
{
    if (texte.contains(QLatin1Char(';')) || texte.contains(QLatin1Char('\n')) || texte.contains(QLatin1Char('\r')))
        return quoi + QStringLiteral(" ne peut contenir ni « ; » ni retour à la ligne.");
    return {};
}
