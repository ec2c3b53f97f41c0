#include "dialogs/AireSais.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/paramanu.h"
#include "graph/aires/GCAire.h"
#include "graph/base/GCaides.h"

ApercuRemplissage::ApercuRemplissage(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(60, 40);
}

void ApercuRemplissage::fixe(const QColor& couleur, int style)
{
    couleur_ = couleur;
    style_ = style;
    update();
}

void ApercuRemplissage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    p.setPen(Qt::black);
    p.setBrush(QBrush(couleur_, StyleBrosse(style_)));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

ChampsRemplissage AjouteChampsRemplissage(QWidget* fiche, QFormLayout* champs, int mode, const QColor& couleur,
                                          int style)
{
    ChampsRemplissage c;
    c.CBSuper = Nomme(new QComboBox(fiche), "CBSuper");
    for (int m = 0; m < NbModesCopie; ++m)
        c.CBSuper->addItem(NomModeCopie(m));
    c.CBSuper->setCurrentIndex(std::clamp(mode, 0, NbModesCopie - 1));
    c.CBSuper->setToolTip(QStringLiteral("Mode de superposition"));
    c.CBSuper->setStatusTip(QStringLiteral("Mode de superposition des aires"));
    champs->addRow(QStringLiteral("Superposition :"), c.CBSuper);
    c.CBStyle = Nomme(new QComboBox(fiche), "CBStyle");
    for (int s = 0; s < NbStylesRemplissage; ++s)
        c.CBStyle->addItem(NomStyleRemplissage(s));
    c.CBStyle->setCurrentIndex(std::clamp(style, 0, NbStylesRemplissage - 1));
    champs->addRow(QStringLiteral("Style :"), c.CBStyle);
    auto* rangee = new QHBoxLayout;
    c.Shape1 = Nomme(new ApercuRemplissage(fiche), "Shape1");
    c.Shape1->fixe(couleur, c.CBStyle->currentIndex());
    c.BtCoul = Nomme(new QPushButton(QStringLiteral("C&ouleur"), fiche), "BtCoul");
    rangee->addWidget(c.Shape1);
    rangee->addWidget(c.BtCoul);
    rangee->addStretch();
    champs->addRow(QString(), rangee);
    ApercuRemplissage* apercu = c.Shape1;
    QObject::connect(c.CBStyle, &QComboBox::currentIndexChanged, fiche,
                     [apercu](int i) { apercu->fixe(apercu->couleur(), std::max(0, i)); });
    QObject::connect(c.BtCoul, &QPushButton::clicked, fiche, [fiche, apercu] {
        QColor choisie = apercu->couleur();
        if (boitesSaisie().choisitCouleur(fiche, choisie))
            apercu->fixe(choisie, apercu->style());
    });
    return c;
}

TSaisAire::TSaisAire(GCAire& aire, bool nouvelle, QWidget* parent)
    : QDialog(parent), aire_(aire), nouvelle_(nouvelle)
{
    setObjectName(QStringLiteral("SaisAire"));
    setWindowTitle(QStringLiteral("Saisie des contraintes"));
    AppliqueCouleurFiche(this);
    const bool inequations = aire.Genre() == QLatin1Char('A');

    auto* colonne = new QVBoxLayout(this);
    auto* champs = new QFormLayout;
    EdNom = Nomme(new QLineEdit(aire.Nom(), this), "EdNom");
    champs->addRow(QStringLiteral("Nom :"), EdNom);
    LabCoord = Nomme(new QLabel(QStringLiteral("Coordonnées :"), this), "LabCoord");
    CBCoord = Nomme(new QComboBox(this), "CBCoord");
    CBCoord->addItems({QStringLiteral("Rectangulaires"), QStringLiteral("Polaires")});
    CBCoord->setCurrentIndex(aire.Polaire() ? 1 : 0);
    champs->addRow(LabCoord, CBCoord);
    LabCoord->setVisible(inequations);
    CBCoord->setVisible(inequations);
    const ChampsRemplissage remplissage =
        AjouteChampsRemplissage(this, champs, aire.ModeCopie(), VersQColor(aire.Couleur()), aire.StyleRemplissage());
    CBSuper = remplissage.CBSuper;
    CBStyle = remplissage.CBStyle;
    Shape1 = remplissage.Shape1;
    BtCoul = remplissage.BtCoul;
    colonne->addLayout(champs);

    LstCtrnt = Nomme(new QPlainTextEdit(this), "LstCtrnt");
    LstCtrnt->setPlainText(aire.Contraintes().join(QLatin1Char('\n')));
    LstCtrnt->document()->setModified(false);
    LstCtrnt->setToolTip(QStringLiteral("Une relation par ligne : x^2+y^2<=1, y>x, x<!y..."));
    auto* titreContraintes = new QLabel(QStringLiteral("Contraintes (une par ligne) :"), this);
    colonne->addWidget(titreContraintes);
    colonne->addWidget(LstCtrnt, 1);
    titreContraintes->setVisible(inequations);
    LstCtrnt->setVisible(inequations);

    auto* para = Nomme(new QGroupBox(QStringLiteral("Paramètres"), this), "RGpara");
    auto* rangee = new QHBoxLayout(para);
    RBaucun = Nomme(new QRadioButton(QStringLiteral("aucun"), para), "RBaucun");
    RBmanuels = Nomme(new QRadioButton(QStringLiteral("manuels"), para), "RBmanuels");
    RBautomatiques = Nomme(new QRadioButton(QStringLiteral("automatiques"), para), "RBautomatiques");
    for (QRadioButton* b : {RBaucun, RBmanuels, RBautomatiques})
        rangee->addWidget(b);
    RBaucun->setChecked(true);
    // An existing area cannot become a family.
    RBautomatiques->setVisible(nouvelle);
    colonne->addWidget(para);

    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul));

    resize(420, 460);
}

QStringList TSaisAire::contraintes() const
{
    QStringList lignes;
    for (const QString& l : LstCtrnt->toPlainText().split(QLatin1Char('\n')))
        if (!l.trimmed().isEmpty())
            lignes << l;
    return lignes;
}

void TSaisAire::BtCoulClick()
{
    BtCoul->click();
}

void TSaisAire::accept()
{
    SaisieAire s;
    s.nom = EdNom->text().trimmed();
    s.polaire = CBCoord->currentIndex() == 1;
    s.modeCopie = std::max(0, CBSuper->currentIndex());
    s.couleur = DeQColor(Shape1->couleur());
    s.style = std::max(0, CBStyle->currentIndex());
    s.contraintes = aire_.Genre() == QLatin1Char('A') ? contraintes() : aire_.Contraintes();
    if (!aire_.ConfirmeSaisie(s, nouvelle_))
        return;
    EtatSaisie& e = etatSaisie();
    e.ChoixParametresManuels = RBmanuels->isChecked();
    e.ChoixParametresAuto = RBautomatiques->isChecked() && nouvelle_;
    QDialog::accept();
}

bool ModifieAireSaisie(GCAire& aire, bool nouvelle, QWidget* parent)
{
    if (nouvelle)
        VideParametresManuels();
    TSaisAire fiche(aire, nouvelle, parent);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    if (!nouvelle && etatSaisie().ChoixParametresManuels) {
        std::array<QString, 10> textes;
        for (int i = 0; i < 10; ++i)
            textes[std::size_t(i)] = aire.Parametre(i);
        if (DialogueParametres(textes, parent))
            for (int i = 0; i < 10; ++i)
                aire.FixeParametre(i, textes[std::size_t(i)]);
    }
    return true;
}
