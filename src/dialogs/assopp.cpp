#include "dialogs/assopp.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "expression/etat.h"

TAssoPP::TAssoPP(const QString& piloteX, const QString& piloteY, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("AssoPP"));
    setWindowTitle(QStringLiteral("Pilotage des paramètres"));
    AppliqueCouleurFiche(this);

    QStringList noms{QStringLiteral("aucun")};
    for (const auto& p : contexteCalcul().parametresPerso)
        if (p.actif)
            noms << QString::fromStdString(p.nom);

    auto* grille = new QGridLayout;
    auto ligne = [&](int rang, const QString& quoi, const QString& nom, const QString& choisi) {
        grille->addWidget(new QLabel(QStringLiteral("Associer"), this), rang, 0);
        grille->addWidget(new QLabel(quoi, this), rang, 1);
        grille->addWidget(new QLabel(QStringLiteral("du 1er point du fichier"), this), rang, 2);
        grille->addWidget(new QLabel(QStringLiteral("au paramètre : "), this), rang, 3);
        auto* liste = new QComboBox(this);
        liste->setObjectName(nom);
        liste->addItems(noms);
        const int i = liste->findText(choisi);
        liste->setCurrentIndex(i < 0 ? 0 : i);
        grille->addWidget(liste, rang, 4);
        return liste;
    };
    CBabscisse = ligne(0, QStringLiteral("l'abscisse"), QStringLiteral("CBabscisse"), piloteX);
    CBordonnee = ligne(1, QStringLiteral("l'ordonnée"), QStringLiteral("CBordonnee"), piloteY);

    auto* boutons = new QDialogButtonBox(this);
    auto* ok = boutons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ButOK"));
    auto* annuler = boutons->addButton(QStringLiteral("&Annuler"), QDialogButtonBox::RejectRole);
    annuler->setObjectName(QStringLiteral("ButAnnul"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
    pile->addWidget(boutons);
}

QString TAssoPP::piloteX() const
{
    return CBabscisse->currentText();
}

QString TAssoPP::piloteY() const
{
    return CBordonnee->currentText();
}
