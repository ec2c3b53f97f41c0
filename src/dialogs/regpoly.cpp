#include "dialogs/regpoly.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"

namespace {

std::vector<int> Cochees(QCheckBox* const* cases, int n)
{
    std::vector<int> r;
    for (int i = 0; i < n; ++i)
        if (cases[i]->isChecked())
            r.push_back(i + 1);
    return r;
}

}  // namespace

TOrdresDeriv::TOrdresDeriv(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OrdresDeriv"));
    setWindowTitle(QStringLiteral("Ordres de dérivation"));
    AppliqueCouleurFiche(this);
    auto* pile = new QVBoxLayout(this);
    for (int i = 0; i < 5; ++i) {
        Ordres[i] = new QCheckBox(QStringLiteral("Ordre %1").arg(i + 1), this);
        Ordres[i]->setObjectName(QStringLiteral("cbOrdre%1").arg(i + 1));
        pile->addWidget(Ordres[i]);
    }
    Ordres[0]->setChecked(true);
    QPushButton *ok = nullptr, *annul = nullptr;
    pile->addLayout(BoutonsFiche(this, ok, annul));
}

std::vector<int> TOrdresDeriv::ordres() const
{
    return Cochees(Ordres, 5);
}

TRegPoly::TRegPoly(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("RegPoly"));
    setWindowTitle(QStringLiteral("Régressions Y en X (moindres carrés)"));
    AppliqueCouleurFiche(this);
    static const char* const libelles[17] = {
        "Polynôme de degré 1", "Polynôme de degré 2", "Polynôme de degré 3", "Polynôme de degré 4",
        "Polynôme de degré 5", "Trigonométrique d'ordre 1", "Trigonométrique d'ordre 2",
        "Trigonométrique d'ordre 3", "Trigonométrique d'ordre 4", "Trigonométrique d'ordre 5",
        "y = a.x^b", "y = a.exp(b.x)", "y = a.ln(b.x)", "y = A(1 + c.exp(b.x))", "y = A/(1 + c.exp(b.x))",
        "y = A.exp(c.d^x)", "y = (a.x + b)/(x - C)"};
    auto* grille = new QGridLayout;
    for (int i = 0; i < 17; ++i) {
        Modeles[i] = new QCheckBox(QString::fromUtf8(libelles[i]), this);
        Modeles[i]->setObjectName(QStringLiteral("cbModele%1").arg(i + 1));
        grille->addWidget(Modeles[i], i < 10 ? i % 5 : 5 + (i - 10), i < 5 ? 0 : i < 10 ? 1 : 0, 1, i < 10 ? 1 : 2);
    }
    Modeles[0]->setChecked(true);
    auto* options = new QFormLayout;
    cbCstZer = Nomme(new QCheckBox(QStringLiteral("a = 0"), this), "cbCstZer");
    cbCstZer->setToolTip(QStringLiteral("Polynômes sans terme constant"));
    EdPuls = Nomme(new QLineEdit(QStringLiteral("1"), this), "EdPuls");
    EdSatur = Nomme(new QLineEdit(QStringLiteral("1"), this), "EdSatur");
    EdAsymp = Nomme(new QLineEdit(QStringLiteral("1"), this), "EdAsymp");
    options->addRow(QStringLiteral("Polynômes :"), cbCstZer);
    options->addRow(QStringLiteral("Pulsation w :"), EdPuls);
    options->addRow(QStringLiteral("Constante A :"), EdSatur);
    options->addRow(QStringLiteral("Pôle C :"), EdAsymp);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
    pile->addLayout(options);
    QPushButton *ok = nullptr, *annul = nullptr;
    pile->addLayout(BoutonsFiche(this, ok, annul));
}

std::vector<int> TRegPoly::modeles() const
{
    return Cochees(Modeles, 17);
}

QString TRegPoly::option(int m) const
{
    if (m <= 5)
        return cbCstZer->isChecked() ? QStringLiteral("0") : QStringLiteral("1");
    if (m <= 10)
        return EdPuls->text().trimmed();
    if (m >= 14 && m <= 16)
        return EdSatur->text().trimmed();
    if (m == 17)
        return EdAsymp->text().trimmed();
    return QStringLiteral("1");
}

void TRegPoly::accept()
{
    for (int m : modeles()) {
        const QLineEdit* champ = m >= 6 && m <= 10 ? EdPuls : m >= 14 && m <= 16 ? EdSatur : m == 17 ? EdAsymp : nullptr;
        double v = 0;
        if (champ && (!EvalueChamp(champ->text().trimmed(), v) || (champ == EdPuls && v == 0))) {
            interlocuteur().message(QStringLiteral("Valeur incorrecte : ") + champ->text().trimmed());
            return;
        }
    }
    QDialog::accept();
}
