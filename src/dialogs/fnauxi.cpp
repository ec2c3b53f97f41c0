#include "dialogs/fnauxi.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"

namespace {

const QString FiltreAux = QStringLiteral("Fonctions auxiliaires (*.aux *.AUX)");

}  // namespace

TFnauxi::TFnauxi(const TextesAux& textes, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Fnauxi"));
    setWindowTitle(QStringLiteral("Fonctions auxiliaires"));
    AppliqueCouleurFiche(this);
    StringGrid1 = Nomme(new QTableWidget(10, 1, this), "StringGrid1");
    QStringList titres;
    for (int i = 0; i < 10; ++i)
        titres << QStringLiteral("F%1(x) =").arg(i);
    StringGrid1->setVerticalHeaderLabels(titres);
    StringGrid1->setHorizontalHeaderLabels({QStringLiteral("Expression")});
    StringGrid1->horizontalHeader()->setStretchLastSection(true);
    ButLoad = BoutonNomme(this, "ButLoad", "C&harger");
    Butsave = BoutonNomme(this, "Butsave", "&Sauver");
    connect(ButLoad, &QPushButton::clicked, this, &TFnauxi::ButLoadClick);
    connect(Butsave, &QPushButton::clicked, this, &TFnauxi::ButsaveClick);
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(StringGrid1);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul, {ButLoad, Butsave}));
    remplit(textes);
    resize(460, 400);
}

void TFnauxi::remplit(const TextesAux& textes, int nombre)
{
    for (int i = 0; i < nombre; ++i)
        StringGrid1->setItem(i, 0, new QTableWidgetItem(textes[std::size_t(i)]));
}

TextesAux TFnauxi::textes() const
{
    TextesAux t;
    for (int i = 0; i < 10; ++i) {
        const QTableWidgetItem* cellule = StringGrid1->item(i, 0);
        const QString texte = cellule ? cellule->text().trimmed() : QString();
        t[std::size_t(i)] = texte.isEmpty() ? QStringLiteral("0") : texte;
    }
    return t;
}

void TFnauxi::accept()
{
    const TextesAux t = textes();
    QStringList erreurs;
    for (int i = 0; i < 10; ++i) {
        Arbre arbre;
        if (!CompileExprYEtat(t[std::size_t(i)].toStdString(), arbre))
            erreurs << QStringLiteral("Expression F%1 = %2 incorrecte !").arg(i).arg(t[std::size_t(i)]);
    }
    if (!erreurs.isEmpty()) {
        interlocuteur().message(erreurs.join(QLatin1Char('\n')));
        return;
    }
    QDialog::accept();
}

void TFnauxi::ButLoadClick()
{
    const QString chemin = boitesSaisie().choisitFichier(this, QStringLiteral("Charger des fonctions auxiliaires"),
                                                         etatGraphe().DossierProgramme, FiltreAux);
    if (chemin.isEmpty())
        return;
    const LectureAux lu = LitFichierAux(chemin);
    if (!lu.ok) {
        interlocuteur().message(lu.erreur);
        return;
    }
    // The rows the file gives; the others keep their texts.
    remplit(lu.textes, lu.nombre);
    if (!lu.avertissement.isEmpty())
        interlocuteur().message(lu.avertissement);
}

void TFnauxi::ButsaveClick()
{
    const QString chemin = boitesSaisie().choisitFichierEcriture(
        this, QStringLiteral("Sauver les fonctions auxiliaires"), etatGraphe().DossierProgramme, FiltreAux,
        QStringLiteral("aux"));
    if (chemin.isEmpty())
        return;
    QString erreur;
    if (!EcritFichierAux(chemin, textes(), erreur))
        interlocuteur().message(erreur);
}
