#include "dialogs/distinfo.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <cmath>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"

namespace {

QString affiche(double v)
{
    return QString::fromStdString(ReelVersTexte(v)).trimmed();
}

}  // namespace

QString TextePente(double dx, double dy)
{
    if (dx != 0)
        return affiche(dy / dx);
    return dy > 0 ? QStringLiteral("+infini") : dy < 0 ? QStringLiteral("-infini") : QStringLiteral("+indéterminé");
}

Tinfodist::Tinfodist(double xa, double ya, double xb, double yb, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("infodist"));
    setWindowTitle(QStringLiteral("Informations distances"));
    AppliqueCouleurFiche(this);
    auto* g = new QGridLayout(this);
    const auto champ = [this](double v, const char* nom) {
        auto* e = Nomme(new QLineEdit(QString::fromStdString(ReelExact(v)), this), nom);
        connect(e, &QLineEdit::textChanged, this, &Tinfodist::Calcule);
        return e;
    };
    EdXA = champ(xa, "EdXA");
    EdYA = champ(ya, "EdYA");
    EdXB = champ(xb, "EdXB");
    EdYB = champ(yb, "EdYB");
    g->addWidget(new QLabel(QStringLiteral("Premier point : A"), this), 0, 0);
    g->addWidget(EdXA, 0, 1);
    g->addWidget(EdYA, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("Second point : B"), this), 1, 0);
    g->addWidget(EdXB, 1, 1);
    g->addWidget(EdYB, 1, 2);
    int r = 2;
    for (auto [libelle, etiquette, nom] : {std::tuple{"dx =", &LabDx, "LabDx"}, std::tuple{"dy =", &LabDy, "LabDy"},
                                           std::tuple{"Pente dy/dx =", &LabPente, "LabPente"},
                                           std::tuple{"Distance AB =", &LabDist, "LabDist"}}) {
        *etiquette = Nomme(new QLabel(this), nom);
        (*etiquette)->setTextInteractionFlags(Qt::TextSelectableByMouse);
        g->addWidget(new QLabel(QString::fromUtf8(libelle), this), r, 0);
        g->addWidget(*etiquette, r++, 1, 1, 2);
    }
    ButImp = BoutonNomme(this, "ButImp", "&Imprimer");
    ButOK = Nomme(new QPushButton(QStringLiteral("&Fermer"), this), "ButOK");
    ButOK->setDefault(true);
    g->addWidget(ButImp, r, 1);
    g->addWidget(ButOK, r, 2);
    connect(ButImp, &QPushButton::clicked, this, &Tinfodist::ButImpClick);
    connect(ButOK, &QPushButton::clicked, this, &QDialog::accept);
    Calcule();
}

void Tinfodist::Calcule()
{
    double v[4];
    QLineEdit* champs[4] = {EdXA, EdYA, EdXB, EdYB};
    for (int i = 0; i < 4; ++i)
        if (!EvalueChamp(champs[i]->text(), v[i])) {
            for (QLabel* l : {LabDx, LabDy, LabPente, LabDist})
                l->setText(QStringLiteral("n.c."));
            return;
        }
    const double dx = v[2] - v[0], dy = v[3] - v[1];
    LabDx->setText(affiche(dx));
    LabDy->setText(affiche(dy));
    LabPente->setText(TextePente(dx, dy));
    LabDist->setText(affiche(std::hypot(dx, dy)));
}

QStringList Tinfodist::LignesImpression() const
{
    // A coordinate as the results show numbers; one that does not compute, as typed.
    const auto coordonnee = [](const QLineEdit* champ) {
        double v = 0;
        return EvalueChamp(champ->text(), v) ? affiche(v) : champ->text().trimmed();
    };
    return {QStringLiteral("Premier point : A(") + coordonnee(EdXA) + QStringLiteral(" ; ") + coordonnee(EdYA) + QLatin1Char(')'),
            QStringLiteral("Second point  : B(") + coordonnee(EdXB) + QStringLiteral(" ; ") + coordonnee(EdYB) + QLatin1Char(')'),
            QStringLiteral("*** Coordonnées du vecteur AB ***"),
            QStringLiteral("dx = ") + LabDx->text(),
            QStringLiteral("dy = ") + LabDy->text(),
            QStringLiteral("*** Pente de la droite (AB) ***"),
            QStringLiteral("dy/dx = ") + LabPente->text(),
            QStringLiteral("*** Distance AB ***"),
            QStringLiteral("d = ") + LabDist->text()};
}

void Tinfodist::ButImpClick()
{
    QPrinter imprimante(QPrinter::HighResolution);
    if (ChoisitImprimante(this, imprimante) && !ImprimeLignes(imprimante, LignesImpression()))
        interlocuteur().message(QStringLiteral("Impression impossible."));
}

void MontreDistances(double xa, double ya, double xb, double yb, QWidget* parent)
{
    Tinfodist fiche(xa, ya, xb, yb, parent);
    fiche.exec();
}
