#include "dialogs/chxflech.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QPixmap>
#include <QToolButton>

#include "dialogs/fiches.h"

QIcon IconeFleche(int choix)
{
    QPixmap image(40, 16);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::black, 1.5));
    p.setBrush(Qt::black);
    p.drawLine(4, 8, 36, 8);
    if (choix == 1 || choix == 3)
        p.drawPolygon(QPolygonF({QPointF(37, 8), QPointF(30, 4), QPointF(30, 12)}));
    if (choix == 2 || choix == 3)
        p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(10, 4), QPointF(10, 12)}));
    return QIcon(image);
}

Tchxflech::Tchxflech(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("chxflech"));
    setWindowTitle(QStringLiteral("Fléchage"));
    AppliqueCouleurFiche(this);
    auto* rangee = new QHBoxLayout(this);
    const struct {
        QToolButton** bouton;
        const char* nom;
        const char* conseil;
    } boutons[4] = {{&sbAuc, "sbAuc", "Pas de flèche"},
                    {&sbDroite, "sbDroite", "Flèche à l'extrémité droite"},
                    {&sbGauche, "sbGauche", "Flèche à l'extrémité gauche"},
                    {&sbDeux, "sbDeux", "Flèches aux deux extrémités"}};
    for (int i = 0; i < 4; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QString::fromLatin1(boutons[i].nom));
        b->setToolTip(QString::fromUtf8(boutons[i].conseil));
        b->setIcon(IconeFleche(i));
        b->setIconSize(QSize(40, 16));
        connect(b, &QToolButton::clicked, this, [this, i] { sbAucClick(i); });
        rangee->addWidget(b);
        *boutons[i].bouton = b;
    }
}

void Tchxflech::sbAucClick(int choix)
{
    choix_ = choix;
    accept();
}
