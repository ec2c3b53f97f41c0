#include "dialogs/fiches.h"

#include <QColorDialog>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QListWidget>
#include <QPalette>
#include <QWidget>

#include "graph/base/etatgraphe.h"

TCouleur& CouleurFiche()
{
    static TCouleur couleur = 0xA0C9F1;
    return couleur;
}

void AppliqueCouleurFiche(QWidget* fiche)
{
    if (!fiche)
        return;
    const QColor couleur = VersQColor(CouleurFiche());
    QPalette palette = fiche->palette();
    if (palette.color(QPalette::Window) == couleur && fiche->autoFillBackground())
        return;
    palette.setColor(QPalette::Window, couleur);
    fiche->setPalette(palette);
    fiche->setAutoFillBackground(true);
}

QString MessageAideAbsente()
{
    return QStringLiteral("L'aide n'est pas disponible : le fichier d'aide « Aidevirk.hlp » "
                          "ne fait pas partie de cette version.");
}

void MontreAide(int sujet)
{
    Q_UNUSED(sujet);
    interlocuteur().message(MessageAideAbsente());
}

bool ChoisitCouleurQt(QWidget* parent, QColor& couleur)
{
    const QColor choisie = QColorDialog::getColor(couleur, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!choisie.isValid())
        return false;
    couleur = choisie;
    return true;
}

QStringList TextesDeListe(const QListWidget* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->item(i)->text();
    return textes;
}

void AjouteChoisis(const QListWidget* disponibles, QListWidget* choisis, bool tous)
{
    const QStringList deja = TextesDeListe(choisis);
    for (int i = 0; i < disponibles->count(); ++i) {
        const QListWidgetItem* article = disponibles->item(i);
        if ((tous || article->isSelected()) && !deja.contains(article->text()))
            choisis->addItem(article->text());
    }
}

QHBoxLayout* BoutonsFiche(QDialog* fiche, QPushButton*& ok, QPushButton*& annul, std::initializer_list<QWidget*> aGauche)
{
    auto* rangee = new QHBoxLayout;
    for (QWidget* w : aGauche)
        rangee->addWidget(w);
    rangee->addStretch();
    ok = Nomme(new QPushButton(QStringLiteral("&Confirmer"), fiche), "ButOK");
    ok->setDefault(true);
    annul = Nomme(new QPushButton(QStringLiteral("&Annuler"), fiche), "ButAnnul");
    rangee->addWidget(ok);
    rangee->addWidget(annul);
    QObject::connect(ok, &QPushButton::clicked, fiche, &QDialog::accept);
    QObject::connect(annul, &QPushButton::clicked, fiche, &QDialog::reject);
    return rangee;
}
