#include "dialogs/HarmDom.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

THarmoTr::THarmoTr(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HarmoTr"));
    setWindowTitle(QStringLiteral("Harmonisation des domaines de tracé"));
    AppliqueCouleurFiche(this);
    // Each row: the first curve's text, the buttons that copy it one way or the other, the
    // second curve's text.
    auto* grille = new QGridLayout;
    grille->addWidget(new QLabel(QStringLiteral("Première courbe"), this), 0, 1);
    grille->addWidget(new QLabel(QStringLiteral("Deuxième courbe"), this), 0, 4);
    grille->addWidget(new QLabel(QStringLiteral("Début :"), this), 1, 0);
    grille->addWidget(new QLabel(QStringLiteral("Pas :"), this), 2, 0);
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        EdDebut[std::size_t(k)] = Nomme(new QLineEdit(this), ("EdDeb" + n).constData());
        EdPas[std::size_t(k)] = Nomme(new QLineEdit(this), ("EdPas" + n).constData());
        grille->addWidget(EdDebut[std::size_t(k)], 1, 1 + 3 * k);
        grille->addWidget(EdPas[std::size_t(k)], 2, 1 + 3 * k);
    }
    const auto copie = [&](const char* nom, const char* texte, QLineEdit* de, QLineEdit* vers, int ligne,
                           int colonne) {
        auto* b = Nomme(new QPushButton(QString::fromUtf8(texte), this), nom);
        connect(b, &QPushButton::clicked, this, [de, vers] { vers->setText(de->text()); });
        grille->addWidget(b, ligne, colonne);
        return b;
    };
    Deb12 = copie("Deb12", "-->", EdDebut[0], EdDebut[1], 1, 2);
    Deb21 = copie("Deb21", "<--", EdDebut[1], EdDebut[0], 1, 3);
    Pas12 = copie("Pas12", "-->", EdPas[0], EdPas[1], 2, 2);
    Pas21 = copie("Pas21", "<--", EdPas[1], EdPas[0], 2, 3);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

bool HarmoniseDomaines(std::array<QString, 2>& debuts, std::array<QString, 2>& pas, QWidget* parent)
{
    THarmoTr f(parent);
    for (std::size_t k = 0; k < 2; ++k) {
        f.EdDebut[k]->setText(debuts[k]);
        f.EdPas[k]->setText(pas[k]);
    }
    if (f.exec() != QDialog::Accepted)
        return false;
    for (std::size_t k = 0; k < 2; ++k) {
        debuts[k] = f.EdDebut[k]->text();
        pas[k] = f.EdPas[k]->text();
    }
    return true;
}
