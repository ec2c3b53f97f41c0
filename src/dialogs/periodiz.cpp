#include "dialogs/periodiz.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QVBoxLayout>

#include "dialogs/fiches.h"

namespace {

// The picture of the pattern (type -1) or of a type, as the periodised curve draws it: a
// rising ramp over one period L, then for type 2 a period at zero, for type 3 the opposite
// ramp.
QPixmap image(int type)
{
    QPixmap p(120, 60);
    p.fill(Qt::white);
    QPainter g(&p);
    g.setPen(QPen(Qt::gray, 1));
    g.drawLine(0, 30, 120, 30);
    g.setPen(QPen(Qt::blue, 2));
    const int L = type < 0 ? 100 : 25;
    for (int x0 = 10; x0 + L <= 112; x0 += type <= 0 ? L : 2 * L) {
        g.drawLine(x0, 45, x0 + L, 15);
        if (type == 1 && x0 + 2 * L <= 112)
            g.drawLine(x0 + L, 30, x0 + 2 * L, 30);
        if (type == 2 && x0 + 2 * L <= 112)
            g.drawLine(x0 + L, 15, x0 + 2 * L, 45);
    }
    return p;
}

// A picture that chooses its type when clicked.
class Vignette : public QLabel {
public:
    Vignette(QAbstractButton* bouton, QWidget* parent) : QLabel(parent), bouton_(bouton) {}

protected:
    void mousePressEvent(QMouseEvent*) override
    {
        if (bouton_)
            bouton_->setChecked(true);
    }

private:
    QAbstractButton* bouton_;
};

}  // namespace

TTypePer::TTypePer(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TypePer"));
    setWindowTitle(QStringLiteral("Types de périodisation"));
    AppliqueCouleurFiche(this);
    auto* grille = new QGridLayout;
    auto* motif = new QLabel(this);
    motif->setPixmap(image(-1));
    grille->addWidget(new QLabel(QStringLiteral("Motif"), this), 0, 0);
    grille->addWidget(motif, 1, 0);
    RGTypes = Nomme(new QGroupBox(this), "RGTypes");
    Types = new QButtonGroup(this);
    auto* boutons = new QVBoxLayout(RGTypes);
    const char* legendes[3] = {"Type n°1 (période = L)", "Type n°2 (période = 2L)", "Type n°3 (période = 2L)"};
    for (int k = 0; k < 3; ++k) {
        auto* r = new QRadioButton(QStringLiteral("Type n°%1").arg(k + 1), RGTypes);
        r->setObjectName(QStringLiteral("Type%1").arg(k + 1));
        Types->addButton(r, k);
        boutons->addWidget(r);
        auto* v = new Vignette(r, this);
        v->setObjectName(QStringLiteral("Image%1").arg(k + 1));
        v->setPixmap(image(k));
        grille->addWidget(new QLabel(QString::fromUtf8(legendes[k]), this), 0, k + 1);
        grille->addWidget(v, 1, k + 1);
    }
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
    pile->addWidget(RGTypes);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    fixeType(0);
}

int TTypePer::type() const
{
    return std::max(0, Types->checkedId());
}

void TTypePer::fixeType(int type)
{
    Types->button(type >= 0 && type <= 2 ? type : 0)->setChecked(true);
}

bool ChoisitTypePeriode(int& type, QWidget* parent)
{
    TTypePer f(parent);
    f.fixeType(type);
    if (f.exec() != QDialog::Accepted)
        return false;
    type = f.type();
    return true;
}
