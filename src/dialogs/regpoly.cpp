#include "dialogs/regpoly.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
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
    pile->addWidget(new QLabel(QStringLiteral("Sélectionner les ordres de dérivation souhaités :"), this));
    static const char* const noms[5] = {"première", "seconde", "troisième", "quatrième", "cinquième"};
    for (int i = 0; i < 5; ++i) {
        Ordres[i] = new QCheckBox(QStringLiteral("Ordre %1 (dérivée %2)").arg(i + 1).arg(QString::fromUtf8(noms[i])), this);
        Ordres[i]->setObjectName(QStringLiteral("CB%1").arg(i + 1));
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
    // The models in their order: 1 to 5 the polynomials, 6 to 10 the trigonometric series of
    // order 1 to 5, 11 to 17 the models fitted through a change of variables.
    static const char* const libelles[17] = {
        "degré 1 : a+bx", "degré 2 : a+bx+cx²", "degré 3 : a+bx+cx²+dx³", "degré 4 : a+bx+cx²+dx³+ex⁴",
        "degré 5 : a+bx+cx²+dx³+ex⁴+fx⁵", "ordre 1 : a+b.cos(wx)+c.sin(wx)",
        "ordre 2 : a+Σ(bj.cos(jwx)+cj.sin(jwx)), j = 1..2", "ordre 3 : a+Σ(bj.cos(jwx)+cj.sin(jwx)), j = 1..3",
        "ordre 4 : a+Σ(bj.cos(jwx)+cj.sin(jwx)), j = 1..4", "ordre 5 : a+Σ(bj.cos(jwx)+cj.sin(jwx)), j = 1..5",
        "a.x^b", "a.exp(bx)", "a.ln(bx)", "A(1+c.exp(bx))", "A/(1+c.exp(bx))", "A.exp(c.d^x)", "(ax+b)/(x-C)"};
    static const char* const noms[17] = {"cbDeg1",  "cbDeg2",  "cbDeg3",  "cbDeg4",  "cbDeg5",  "cbTrig1",
                                         "cbTrig2", "cbTrig3", "cbTrig4", "cbTrig5", "cbExp1",  "cbExp2",
                                         "cbExp3",  "cbExp4",  "cbExp5",  "cbExp6",  "cbExp7"};
    const auto groupe = [this](const QString& titre, const char* nom, int premier, int dernier) {
        auto* g = Nomme(new QGroupBox(titre, this), nom);
        auto* formes = new QFormLayout(g);
        for (int i = premier; i <= dernier; ++i) {
            Modeles[i - 1] = Nomme(new QCheckBox(QString::fromUtf8(libelles[i - 1]), g), noms[i - 1]);
            formes->addRow(Modeles[i - 1]);
        }
        return std::pair{g, formes};
    };
    auto [polynomes, optionsPolynomes] = groupe(QStringLiteral("Polynomiales"), "GBPoly", 1, 5);
    auto [exponentielles, optionsExp] = groupe(QStringLiteral("Exponentielles"), "GBExp", 11, 17);
    auto [trigo, optionsTrigo] = groupe(QStringLiteral("Trigonométriques"), "GBTrig", 6, 10);
    Modeles[0]->setChecked(true);
    cbCstZer = Nomme(new QCheckBox(QStringLiteral("a = 0"), polynomes), "cbCstZer");
    cbCstZer->setToolTip(QStringLiteral("Polynômes sans terme constant"));
    optionsPolynomes->addRow(cbCstZer);
    EdPuls = Nomme(new QLineEdit(QStringLiteral("1"), trigo), "EdPuls");
    optionsTrigo->addRow(QStringLiteral("Pulsation w ="), EdPuls);
    EdSatur = Nomme(new QLineEdit(QStringLiteral("1"), exponentielles), "EdSatur");
    EdAsymp = Nomme(new QLineEdit(QStringLiteral("1"), exponentielles), "EdAsymp");
    optionsExp->addRow(QStringLiteral("Constante A ="), EdSatur);
    optionsExp->addRow(QStringLiteral("Pôle C ="), EdAsymp);
    auto* grille = new QGridLayout;
    grille->addWidget(polynomes, 0, 0);
    grille->addWidget(trigo, 1, 0);
    grille->addWidget(exponentielles, 0, 1, 2, 1);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
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
