#include "dialogs/saisieN.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "dialogs/etatsaisie.h"
#include "dialogs/paramanu.h"
#include "dialogs/procdyn.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCN.h"

namespace {

struct LegendeSuite {
    const char* titre;
    const char* formule1;
    const char* formule2;   // null: one formula
    const char* conseil;
    const char* xo;
    const char* yo;         // null: no second initial value
};

// By sub-kind 1 to 4 (the systems share the fourth).
const LegendeSuite legendes[] = {
    {"Suite Un=f(n)", "Un=f(n)=", nullptr, "Saisir le libellé Un=f(n)", "No", nullptr},
    {"Récurrence Un+1=f(n,Un)", "Un+1=f(n,x)=", nullptr, "Saisir les libellés Un+1=f(n,x)", "No", "Uo"},
    {"\"Escargot\" Un+1=f(Un)", "Un+1=f(x)=", nullptr, "Saisir les libellés Un+1=f(x)", "Uo", nullptr},
    {"Système d'équations de récurrence", "Xn+1=f(x,y)", "Yn+1=g(x,y)",
     "Saisir les libellés Xn+1=f(x,y) et Yn+1=g(x,y)", "Xo", "Yo"},
};

const LegendeSuite& legende(int sousType)
{
    return legendes[std::clamp(sousType, 1, 4) - 1];
}

}  // namespace

void PrepareSuite(TsaisPrDyn& f, GCN& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        VideParametresManuels();
    RetireNomPropre(c);
    e.PointEdite.CopiePoint(c.Marqueur);
    e.CouleurEditee = c.Couleur;

    const LegendeSuite& l = legende(c.SousType);
    const bool systeme = c.SousType >= 4;
    f.setWindowTitle(QString::fromUtf8(l.titre));
    f.lib1->setText(QString::fromUtf8(l.formule1));
    f.edLib1->setToolTip(QString::fromUtf8(l.conseil));
    f.edLib1->setText(systeme || c.SousType == 3 ? c.Libelle1 : c.Libelle2);
    f.lib2->setVisible(systeme);
    f.edLib2->setVisible(systeme);
    if (systeme) {
        f.lib2->setText(QString::fromUtf8(l.formule2));
        f.edLib2->setToolTip(QString::fromUtf8(l.conseil));
        f.edLib2->setText(c.Libelle2);
        f.cbSstyp->show();
        f.cbSstyp->setCurrentIndex(std::clamp(c.SousType - 4, 0, 2));
    }
    f.LabelXo->setText(QString::fromUtf8(l.xo));
    f.LabelYo->setVisible(l.yo != nullptr);
    f.Edborns->setVisible(l.yo != nullptr);
    if (l.yo)
        f.LabelYo->setText(QString::fromUtf8(l.yo));

    QString iterations, xo, yo;
    c.Conditions(iterations, xo, yo);
    f.Edxmin->setText(c.DebutVisible);
    f.Edxmax->setText(c.FinVisible);
    f.Edpas->setText(iterations);
    f.EdBorni->setText(xo);
    f.Edborns->setText(yo);

    f.CBepais->setCurrentIndex(std::clamp(c.Epaisseur - 1, 0, f.CBepais->count() - 1));
    f.CBStyle->setCurrentIndex(std::clamp(int(c.Style), 0, f.CBStyle->count() - 1));
    f.CBpnt->setCurrentIndex(std::clamp(c.Hachure, 0, f.CBpnt->count() - 1));
    f.CBconnect->setChecked(c.Joint);
    f.CBStyle->setVisible(c.Joint);
    f.CBpnt->setVisible(!c.Joint);
    f.btStyle->setVisible(!c.Joint);
    f.CBbaton->setChecked(c.Batons);
    // A new curve is defined on a template without a number: the name shown is the one the
    // curve will take.
    f.EdNomCrb->setText(nouvelle && c.Numero == 0 ? QStringLiteral("fn") + QString::number(etatGraphe().CompteurCourbes)
                                                  : c.Nom);
    (nouvelle ? f.RBparauto : f.RBaucun)->setChecked(true);
    f.gbCoul->hide();
}

void LitSuite(TsaisPrDyn& f, GCN& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        c.NouvelIdentifiant();
    c.Nom = f.EdNomCrb->text();
    if (c.SousType >= 4)
        c.FixeSousType(4 + std::clamp(f.cbSstyp->currentIndex(), 0, 2));
    const QString formule = f.edLib1->text();
    if (c.SousType >= 4)
        c.FixeLibelles(formule, f.edLib2->text());
    else
        c.FixeLibelles(c.SousType == 3 ? formule : QStringLiteral("n"), formule);
    c.FixeIterationsVisibles(f.Edxmin->text().trimmed(), f.Edxmax->text().trimmed());
    c.FixeConditions(f.Edpas->text().trimmed(), f.EdBorni->text().trimmed(), f.Edborns->text().trimmed());

    c.Epaisseur = f.CBepais->currentIndex() + 1;
    c.Style = static_cast<std::uint8_t>(std::max(0, f.CBStyle->currentIndex()));
    c.Hachure = std::max(0, f.CBpnt->currentIndex());
    c.Couleur = e.CouleurEditee;
    c.Joint = f.CBconnect->isChecked();
    c.Batons = f.CBbaton->isChecked();
    c.Marqueur.CopiePoint(e.PointEdite);

    e.ChoixParametresManuels = f.RBparmanu->isChecked();
    e.ChoixParametresAuto = f.RBparauto->isChecked();
    if (!nouvelle && e.ChoixParametresManuels)
        DialogueParametres(c.Parametres, &f);
}

bool ModifieSuite(GCN& suite, bool nouvelle, QWidget* parent)
{
    TsaisPrDyn fiche(parent);
    PrepareSuite(fiche, suite, nouvelle);
    const bool confirme = fiche.exec() == QDialog::Accepted;
    if (confirme)
        LitSuite(fiche, suite, nouvelle);
    InscritNom(suite);
    return confirme;
}
