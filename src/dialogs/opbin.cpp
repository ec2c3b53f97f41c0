#include "dialogs/opbin.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

namespace {

// The operation buttons, by tag: name, caption, hint.
struct BoutonOperation {
    int tag;
    const char* nom;
    const char* texte;
    const char* conseil;
};

const BoutonOperation Boutons[] = {
    {1, "SBplus", "f1 + f2", "Somme"},
    {2, "SBmoins", "f1 - f2", "Différence"},
    {3, "SBmult", "f1 x f2", "Produit"},
    {4, "SBdiv", "f1 / f2", "Quotient"},
    {5, "SBcomp", "f1 o f2", "Composée"},
    {6, "SBconv", "f1 * f2", "Convolution"},
    {7, "SBsup", "Sup", "Enveloppe supérieure"},
    {8, "SBinf", "Inf", "Enveloppe inférieure"},
    {9, "SBcpl", "(f1 , f2)", "Couple"},
    {10, "SBfus", "Fusion", "Fusion"},
    {12, "SBInter", "f1 n f2", "Intersection"},
    {13, "DistL1", "L1", "Distance L1"},
    {14, "DistL2", "L2", "Distance L2"},
    {15, "DistLi", "Linf", "Distance L infini"},
    {16, "sbAss", "f1 --> f2", "Association pt à pt"},
};

}  // namespace

TDefopbin::TDefopbin(const ParametresOperBinaire& p, QWidget* parent) : QDialog(parent), entrees_(p.entrees)
{
    setObjectName(QStringLiteral("Defopbin"));
    setWindowTitle(p.inverse ? QStringLiteral("Transformée de Fourier réciproque")
                             : QStringLiteral("Définition des opérations binaires"));
    AppliqueCouleurFiche(this);
    auto* pile = new QVBoxLayout(this);
    auto* courbes = new QGridLayout;
    for (int k = 0; k < 2; ++k) {
        const QByteArray n = QByteArray::number(k + 1);
        auto* titre = new QLabel(p.inverse ? (k ? QStringLiteral("Partie imaginaire") : QStringLiteral("Partie réelle"))
                                           : (k ? QStringLiteral("Deuxième courbe") : QStringLiteral("Première courbe")),
                                 this);
        QComboBox* c = ComboBoxes[std::size_t(k)] = Nomme(new QComboBox(this), ("ComboBox" + n).constData());
        c->addItem(QStringLiteral("Fenêtre courante"));
        c->addItems(p.fenetres);
        QListWidget* l = ListBoxes[std::size_t(k)] = Nomme(new QListWidget(this), ("ListBox" + n).constData());
        QLineEdit* e = Edits[std::size_t(k)] = Nomme(new QLineEdit(this), ("Edit" + n).constData());
        e->setReadOnly(true);
        courbes->addWidget(titre, 0, k);
        courbes->addWidget(c, 1, k);
        courbes->addWidget(l, 2, k);
        courbes->addWidget(e, 3, k);
        connect(c, &QComboBox::currentIndexChanged, this, [this, k] { ComboBoxChange(k); });
        connect(l, &QListWidget::itemClicked, this, [this, k] { ListBoxClick(k); });
        ComboBoxChange(k);
    }
    pile->addLayout(courbes);

    auto* groupe = Nomme(new QGroupBox(QStringLiteral("Opération"), this), "GBoperation");
    auto* boutons = new QGridLayout(groupe);
    auto* exclusifs = new QButtonGroup(this);
    int rang = 0;
    for (const BoutonOperation& b : Boutons) {
        auto* t = Nomme(new QToolButton(groupe), b.nom);
        t->setText(QString::fromUtf8(b.texte));
        t->setToolTip(QString::fromUtf8(b.conseil));
        t->setCheckable(true);
        exclusifs->addButton(t);
        Operations[std::size_t(b.tag - 1)] = t;
        connect(t, &QToolButton::clicked, this, [this, tag = b.tag] { OperationClick(tag); });
        if (b.tag >= 13 && b.tag <= 15) {
            boutons->addWidget(t, 2, b.tag - 12);
            t->hide();
        } else {
            boutons->addWidget(t, rang / 6, rang % 6);
            ++rang;
            if (b.tag == 12) {
                Dist = Nomme(new QToolButton(groupe), "Dist");
                Dist->setText(QStringLiteral("Distances"));
                boutons->addWidget(Dist, rang / 6, rang % 6);
                ++rang;
                connect(Dist, &QToolButton::clicked, this, &TDefopbin::DistClick);
            }
        }
    }
    LabOperation = Nomme(new QLabel(groupe), "LabOperation");
    boutons->addWidget(LabOperation, 3, 0, 1, 6);
    groupe->setVisible(!p.inverse);
    pile->addWidget(groupe);

    auto* resultat = new QHBoxLayout;
    resultat->addWidget(new QLabel(QStringLiteral("Fenêtre du résultat :"), this));
    ComboBox3 = Nomme(new QComboBox(this), "ComboBox3");
    ComboBox3->addItems({QStringLiteral("Fenêtre courante"), QStringLiteral("Nouvelle fenêtre")});
    ComboBox3->addItems(p.fenetres);
    resultat->addWidget(ComboBox3, 1);
    pile->addLayout(resultat);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    OperationBinaireChoisie = p.inverse ? 11 : 1;
    if (!p.inverse)
        OperationClick(1);
    resize(560, 420);
}

int TDefopbin::fenetre(int courbe) const
{
    return ComboBoxes[std::size_t(courbe)]->currentIndex();
}

int TDefopbin::destination() const
{
    return ComboBox3->currentIndex();
}

void TDefopbin::ComboBoxChange(int courbe)
{
    QListWidget* l = ListBoxes[std::size_t(courbe)];
    l->clear();
    if (entrees_)
        l->addItems(entrees_(fenetre(courbe)));
    Edits[std::size_t(courbe)]->clear();
}

void TDefopbin::ListBoxClick(int courbe)
{
    if (const QListWidgetItem* i = ListBoxes[std::size_t(courbe)]->currentItem())
        Edits[std::size_t(courbe)]->setText(i->text());
}

void TDefopbin::OperationClick(int tag)
{
    QToolButton* b = tag >= 1 && tag <= 16 ? Operations[std::size_t(tag - 1)] : nullptr;
    if (!b)
        return;
    OperationBinaireChoisie = tag;
    b->setChecked(true);
    LabOperation->setText(b->toolTip());
}

void TDefopbin::DistClick()
{
    for (int tag = 13; tag <= 15; ++tag)
        Operations[std::size_t(tag - 1)]->show();
    OperationClick(14);
}
