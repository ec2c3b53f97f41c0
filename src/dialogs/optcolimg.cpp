#include "dialogs/optcolimg.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"

namespace {

// A whole number from 1 up, or 0.
int Entier(const QLineEdit* e)
{
    bool ok = false;
    const int v = e->text().trimmed().toInt(&ok);
    return ok && v > 0 ? v : 0;
}

}  // namespace

TOptColImg::TOptColImg(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("OptColImg"));
    setWindowTitle(QStringLiteral("Collage de l'image"));
    AppliqueCouleurFiche(this);
    auto groupe = [&](const QString& titre, QLineEdit*& l, const char* nomL, QLineEdit*& h, const char* nomH) {
        auto* g = new QGroupBox(titre, this);
        l = Nomme(new QLineEdit(g), nomL);
        h = Nomme(new QLineEdit(g), nomH);
        auto* champs = new QFormLayout(g);
        champs->addRow(QStringLiteral("Largeur"), l);
        champs->addRow(QStringLiteral("Hauteur"), h);
        return g;
    };
    auto* pile = new QVBoxLayout(this);
    pile->addWidget(groupe(QStringLiteral("Taille de l'image"), ImgLarg, "ImgLarg", ImgHaut, "ImgHaut"));
    pile->addWidget(groupe(QStringLiteral("Taille de la fenêtre"), FenLarg, "FenLarg", FenHaut, "FenHaut"));
    FenLarg->setReadOnly(true);
    FenHaut->setReadOnly(true);
    CBAjust = Nomme(new QCheckBox(QStringLiteral("Ajuster l'image à la fenêtre"), this), "CBAjust");
    CBAjust->setChecked(true);
    CBChng = Nomme(new QCheckBox(QStringLiteral("Ajuster la fenêtre à l'image"), this), "CBChng");
    pile->addWidget(CBAjust);
    pile->addWidget(CBChng);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

void TOptColImg::accept()
{
    if (CBChng->isChecked()) {
        for (QLineEdit* e : {ImgLarg, ImgHaut}) {
            if (Entier(e) == 0) {
                interlocuteur().message(QStringLiteral("« %1 » n'est pas une taille valide (un nombre entier de pixels).")
                                            .arg(e->text()));
                e->setFocus();
                return;
            }
        }
    }
    QDialog::accept();
}

bool SaisitCollageImage(CollageImage& c, QWidget* parent)
{
    TOptColImg f(parent);
    f.ImgLarg->setText(QString::number(c.largeurImage));
    f.ImgHaut->setText(QString::number(c.hauteurImage));
    f.FenLarg->setText(QString::number(c.largeurFenetre));
    f.FenHaut->setText(QString::number(c.hauteurFenetre));
    if (f.exec() != QDialog::Accepted)
        return false;
    c.etire = f.CBAjust->isChecked();
    c.ajusteFenetre = f.CBChng->isChecked();
    c.largeur = Entier(f.ImgLarg);
    c.hauteur = Entier(f.ImgHaut);
    return true;
}
