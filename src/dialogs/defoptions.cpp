#include "dialogs/defoptions.h"

#include <QCheckBox>
#include <QColor>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"

namespace {

QString Texte(double v)
{
    return QString::fromStdString(ReelExact(v));
}

// An integer field within [min, max].
bool Entier(const QLineEdit* champ, int min, int max, int& valeur)
{
    bool ok = false;
    valeur = champ->text().trimmed().toInt(&ok);
    return ok && valeur >= min && valeur <= max;
}

}  // namespace

TDefOptions::TDefOptions(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("DefOptions"));
    setWindowTitle(QStringLiteral("Définition des paramètres optionnels"));
    AppliqueCouleurFiche(this);
    Pages = Nomme(new QTabWidget(this), "Pages");
    const auto page = [this](const char* titre) {
        auto* w = new QWidget(Pages);
        Pages->addTab(w, QString::fromUtf8(titre));
        return new QFormLayout(w);
    };
    const auto champ = [this](const char* nom) { return Nomme(new QLineEdit(this), nom); };

    QFormLayout* fichiers = page("&Fichiers temporaires");
    EdTemp = champ("EdTemp");
    cbSession = Nomme(new QCheckBox(QStringLiteral("Enregistrement de la session"), this), "cbSession");
    fichiers->addRow(QStringLiteral("Répertoire :"), EdTemp);
    fichiers->addRow(cbSession);

    QFormLayout* nombres = page("&Nombres");
    EdManti = champ("EdManti");
    EdDeci = champ("EdDeci");
    EdEps = champ("EdEps");
    EdZero = champ("EdZero");
    nombres->addRow(QStringLiteral("Longueur :"), EdManti);
    nombres->addRow(QStringLiteral("Nombre de décimales :"), EdDeci);
    nombres->addRow(QStringLiteral("Epsilon :"), EdEps);
    nombres->addRow(QStringLiteral("Zéro :"), EdZero);

    QFormLayout* affichage = page("&Affichage");
    LaCouleur = Nomme(new QLabel(this), "LaCouleur");
    LaCouleur->setMinimumSize(40, 20);
    SBCouleur = BoutonNomme(this, "SBCouleur", "&Changer...");
    auto* ligneCouleur = new QHBoxLayout;
    ligneCouleur->addWidget(LaCouleur);
    ligneCouleur->addWidget(SBCouleur);
    affichage->addRow(QStringLiteral("Couleur de fond des fiches : "), ligneCouleur);
    Edfg = champ("Edfg");
    affichage->addRow(QStringLiteral("Zoom automatique - Facteur :"), Edfg);
    cbLever = Nomme(new QCheckBox(QStringLiteral("Lever stylo si hors fenêtre"), this), "cbLever");
    affichage->addRow(cbLever);
    edDH = champ("edDH");
    edDV = champ("edDV");
    affichage->addRow(QStringLiteral("Position des étiquettes - Décalage horizontal :"), edDH);
    affichage->addRow(QStringLiteral("Décalage vertical :"), edDV);
    cbEtiq = Nomme(new QCheckBox(QStringLiteral("Etiquettes des libellés"), this), "cbEtiq");
    cbEtiq->setToolTip(QStringLiteral("Montrer l'étiquette propre de chaque courbe le long de son tracé"));
    affichage->addRow(cbEtiq);
    connect(SBCouleur, &QPushButton::clicked, this, [this] {
        QColor c = VersQColor(couleur_);
        if (!boitesSaisie().choisitCouleur(this, c))
            return;
        couleur_ = DeQColor(c);
        MontreCouleurEtiquette(LaCouleur, couleur_);
    });

    ButDefaut = BoutonNomme(this, "ButDefaut", "&Valeurs par défaut");
    connect(ButDefaut, &QPushButton::clicked, this, &TDefOptions::ButDefautClick);
    QPushButton *ok = nullptr, *annul = nullptr;
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(Pages);
    pile->addLayout(BoutonsFiche(this, ok, annul, {ButDefaut}));

    const ContexteCalcul& c = contexteCalcul();
    const EtatGraphe& e = etatGraphe();
    EdTemp->setText(QDir::toNativeSeparators(e.DossierTemp));
    cbSession->setChecked(e.EnregistrementSession);
    EdManti->setText(QString::number(c.LongueurReels));
    EdDeci->setText(QString::number(c.DecimalesReels));
    EdEps->setText(Texte(c.Epsilon));
    EdZero->setText(Texte(c.Zero));
    Edfg->setText(Texte(c.FacteurZoomAuto));
    cbLever->setChecked(e.LeverStyloHorsFenetre);
    cbEtiq->setChecked(e.EtiquettesLibelles);
    edDH->setText(QString::number(e.EcartEtiquetteX));
    edDV->setText(QString::number(e.EcartEtiquetteY));
    couleur_ = CouleurFiche();
    MontreCouleurEtiquette(LaCouleur, couleur_);
}

void TDefOptions::ButDefautClick()
{
    EdManti->setText(QStringLiteral("10"));
    EdDeci->setText(QStringLiteral("5"));
    EdEps->setText(QStringLiteral("1e-11"));
    EdZero->setText(QStringLiteral("1e-16"));
    Edfg->setText(QStringLiteral("1.2"));
    cbSession->setChecked(true);
    cbLever->setChecked(false);
    EdTemp->setText(QDir::toNativeSeparators(etatGraphe().DossierTemp));
    edDH->setText(QStringLiteral("1"));
    edDV->setText(QStringLiteral("1"));
}

void TDefOptions::accept()
{
    int longueur = 0, decimales = 0, dh = 0, dv = 0;
    double epsilon = 0, zero = 0, facteur = 0;
    const auto refuse = [this](QLineEdit* champ, const QString& raison) {
        for (int i = 0; i < Pages->count(); ++i)
            if (Pages->widget(i)->isAncestorOf(champ))
                Pages->setCurrentIndex(i);
        champ->setFocus();
        interlocuteur().message(raison);
    };
    if (!Entier(EdManti, 1, 40, longueur))
        return refuse(EdManti, QStringLiteral("Longueur incorrecte : un entier de 1 à 40."));
    if (!Entier(EdDeci, 0, 17, decimales))
        return refuse(EdDeci, QStringLiteral("Nombre de décimales incorrect : un entier de 0 à 17."));
    if (!EvalueChamp(EdEps->text().trimmed(), epsilon) || !(epsilon > 0 && epsilon < 1))
        return refuse(EdEps, QStringLiteral("Epsilon incorrect : une valeur entre 0 et 1."));
    if (!EvalueChamp(EdZero->text().trimmed(), zero) || !(zero > 0))
        return refuse(EdZero, QStringLiteral("Zéro incorrect : une valeur au-dessus de 0."));
    if (!EvalueChamp(Edfg->text().trimmed(), facteur) || !(facteur > 0))
        return refuse(Edfg, QStringLiteral("facteur nul ou négatif interdit !"));
    if (!Entier(edDH, -1000, 1000, dh))
        return refuse(edDH, QStringLiteral("Décalage horizontal incorrect : un entier de pixels."));
    if (!Entier(edDV, -1000, 1000, dv))
        return refuse(edDV, QStringLiteral("Décalage vertical incorrect : un entier de pixels."));
    QString erreur;
    if (!ChangeDossierTemp(QDir::fromNativeSeparators(EdTemp->text()), erreur))
        return refuse(EdTemp, erreur);
    ContexteCalcul& c = contexteCalcul();
    EtatGraphe& e = etatGraphe();
    c.LongueurReels = longueur;
    c.DecimalesReels = decimales;
    c.Epsilon = epsilon;
    c.Zero = zero;
    c.FacteurZoomAuto = facteur;
    e.EnregistrementSession = cbSession->isChecked();
    e.LeverStyloHorsFenetre = cbLever->isChecked();
    e.EtiquettesLibelles = cbEtiq->isChecked();
    e.EcartEtiquetteX = dh;
    e.EcartEtiquetteY = dv;
    CouleurFiche() = couleur_;
    QDialog::accept();
}
