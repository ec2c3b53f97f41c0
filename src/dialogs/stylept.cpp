#include "dialogs/stylept.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"

namespace {

// The angle: a field left empty reads as 0 when it is confirmed.
class ChampAngle : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    void fixup(QString& texte) const override
    {
        if (texte.trimmed().isEmpty())
            texte = QStringLiteral("0");
        else
            QSpinBox::fixup(texte);
    }
};

// The preview: the marker in black at the centre.
class Apercu : public QWidget {
public:
    Apercu(const GCPoint& point, QWidget* parent) : QWidget(parent), point_(point)
    {
        setMinimumSize(60, 60);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.setBrush(Qt::white);
        point_.Dessine(p, width() / 2, height() / 2, 0);
    }

private:
    const GCPoint& point_;
};

}  // namespace

Tstylept::Tstylept(const GCPoint& point, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("stylept"));
    setWindowTitle(QStringLiteral("Style des points"));
    AppliqueCouleurFiche(this);
    point_.CopiePoint(point);
    point_.Visible = true;

    cbType = new QComboBox(this);
    cbType->setObjectName(QStringLiteral("cbType"));
    cbType->addItems({QStringLiteral("trait |"), QStringLiteral("plus +"), QStringLiteral("étoile *"),
                      QStringLiteral("cercle o"), QStringLiteral("triangle"), QStringLiteral("carré"),
                      QStringLiteral("pentagone"), QStringLiteral("demi-cercle")});
    cbType->setCurrentIndex(std::min<int>(point_.TypePoint, 7));
    cbTaille = new QComboBox(this);
    cbTaille->setObjectName(QStringLiteral("cbTaille"));
    for (int i = 1; i <= 9; ++i)
        cbTaille->addItem(QString::number(i));
    cbTaille->setCurrentIndex(std::clamp(point_.Epaisseur, 1, 9) - 1);
    cbRempli = new QCheckBox(QStringLiteral("Rempli"), this);
    cbRempli->setObjectName(QStringLiteral("cbRempli"));
    cbRempli->setChecked(point_.Rempli);
    edcoul = new QPushButton(QStringLiteral("Couleur du remplissage"), this);
    edcoul->setObjectName(QStringLiteral("edcoul"));
    edangle = new ChampAngle(this);
    edangle->setObjectName(QStringLiteral("edangle"));
    edangle->setRange(-360, 360);
    edangle->setValue(std::clamp(point_.Angle, -360, 360));

    auto* groupeApercu = new QGroupBox(QStringLiteral("Aperçu"), this);
    visu = new Apercu(point_, groupeApercu);
    visu->setObjectName(QStringLiteral("visu"));
    (new QVBoxLayout(groupeApercu))->addWidget(visu);

    auto* formulaire = new QFormLayout;
    formulaire->addRow(QStringLiteral("Type :"), cbType);
    formulaire->addRow(QStringLiteral("Taille :"), cbTaille);
    formulaire->addRow(cbRempli);
    formulaire->addRow(edcoul);
    formulaire->addRow(QStringLiteral("Angle :"), edangle);

    ButOK = new QPushButton(QStringLiteral("&OK"), this);
    ButOK->setObjectName(QStringLiteral("ButOK"));
    ButOK->setDefault(true);
    ButAnnul = new QPushButton(QStringLiteral("&Annuler"), this);
    ButAnnul->setObjectName(QStringLiteral("ButAnnul"));
    connect(ButOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(ButAnnul, &QPushButton::clicked, this, &QDialog::reject);

    auto* haut = new QHBoxLayout;
    haut->addLayout(formulaire);
    haut->addWidget(groupeApercu);
    auto* bas = new QHBoxLayout;
    bas->addStretch();
    bas->addWidget(ButOK);
    bas->addWidget(ButAnnul);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(haut);
    pile->addLayout(bas);

    connect(cbType, &QComboBox::currentIndexChanged, this, &Tstylept::cbTypeChange);
    connect(cbTaille, &QComboBox::currentIndexChanged, this, &Tstylept::cbTypeChange);
    connect(edangle, &QSpinBox::valueChanged, this, &Tstylept::cbTypeChange);
    connect(cbRempli, &QCheckBox::toggled, this, &Tstylept::cbRempliClick);
    connect(edcoul, &QPushButton::clicked, this, &Tstylept::edcoulClick);
    montreCouleur();
    cbRempliClick();
}

void Tstylept::lit(GCPoint& point) const
{
    point.TypePoint = static_cast<std::uint8_t>(std::max(0, cbType->currentIndex()));
    point.Epaisseur = cbTaille->currentIndex() + 1;
    point.Rempli = cbRempli->isChecked();
    point.Couleur = point_.Couleur;
    point.Angle = edangle->value();
}

void Tstylept::cbTypeChange()
{
    lit(point_);
    visu->update();
}

void Tstylept::cbRempliClick()
{
    edcoul->setVisible(cbRempli->isChecked());
    cbTypeChange();
}

void Tstylept::edcoulClick()
{
    QColor couleur = VersQColor(point_.Couleur);
    if (boitesSaisie().choisitCouleur(this, couleur)) {
        point_.Couleur = DeQColor(couleur);
        montreCouleur();
        visu->update();
    }
}

void Tstylept::montreCouleur()
{
    edcoul->setStyleSheet(QStringLiteral("background-color: %1").arg(VersQColor(point_.Couleur).name()));
}
