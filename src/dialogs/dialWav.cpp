#include "dialogs/dialWav.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"

TCrbToWav::TCrbToWav(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("CrbToWav"));
    setWindowTitle(QStringLiteral("courbe --> Wav"));
    AppliqueCouleurFiche(this);
    CbFreq = Nomme(new QComboBox(this), "CbFreq");
    CbFreq->addItems({QStringLiteral("11025 Hz"), QStringLiteral("22050 Hz"), QStringLiteral("44100 Hz")});
    CBFmt = Nomme(new QComboBox(this), "CBFmt");
    CBFmt->addItems({QStringLiteral("Mono 8 bits"), QStringLiteral("Mono 16 bits"), QStringLiteral("Stéréo 8 bits"),
                     QStringLiteral("Stéréo 16 bits")});
    CBSave = Nomme(new QCheckBox(QStringLiteral("&Sauvegarder"), this), "CBSave");
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Fréquence d'échantillonnage :"), CbFreq);
    champs->addRow(QStringLiteral("Mode :"), CBFmt);
    champs->addRow(CBSave);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

bool SaisieCourbeVersWav(ChoixWav& choix, QWidget* parent)
{
    TCrbToWav f(parent);
    f.CbFreq->setCurrentIndex(0);
    f.CBFmt->setCurrentIndex(0);
    if (f.exec() != QDialog::Accepted)
        return false;
    choix.frequence = f.CbFreq->currentIndex();
    choix.format = f.CBFmt->currentIndex();
    choix.sauver = f.CBSave->isChecked();
    return true;
}

TWavToTxt::TWavToTxt(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("WavToTxt"));
    setWindowTitle(QStringLiteral("Wav --> Texte"));
    AppliqueCouleurFiche(this);
    LFreq = Nomme(new QLabel(this), "LFreq");
    LMode = Nomme(new QLabel(this), "LMode");
    LNb = Nomme(new QLabel(this), "LNb");
    EdNom = Nomme(new QLineEdit(this), "EdNom");
    LabNomg = Nomme(new QLabel(QStringLiteral("Nom du fichier (voie gauche) :"), this), "LabNomg");
    Ednomg = Nomme(new QLineEdit(this), "Ednomg");
    LabNomd = Nomme(new QLabel(QStringLiteral("Nom du fichier (voie droite) :"), this), "LabNomd");
    Ednomd = Nomme(new QLineEdit(this), "Ednomd");
    for (QLineEdit* e : {EdNom, Ednomg, Ednomd})
        e->setMinimumWidth(360);
    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Fréquence d'échantillonnage :"), LFreq);
    champs->addRow(QStringLiteral("Mode :"), LMode);
    champs->addRow(QStringLiteral("Nombre de valeurs :"), LNb);
    champs->addRow(QStringLiteral("Nom du fichier :"), EdNom);
    champs->addRow(LabNomg, Ednomg);
    champs->addRow(LabNomd, Ednomd);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
}

void TWavToTxt::Remplit(unsigned frequence, const QString& mode, long long valeurs, bool stereo, const QString& nom,
                        const QString& nomGauche, const QString& nomDroite)
{
    LFreq->setText(QString::number(frequence) + QStringLiteral(" Hz"));
    LMode->setText(mode);
    LNb->setText(QString::number(valeurs));
    EdNom->setText(nom);
    Ednomg->setText(stereo ? nomGauche : QString());
    Ednomd->setText(stereo ? nomDroite : QString());
    for (QWidget* w : {static_cast<QWidget*>(LabNomg), static_cast<QWidget*>(Ednomg), static_cast<QWidget*>(LabNomd),
                       static_cast<QWidget*>(Ednomd)})
        w->setEnabled(stereo);
}

void TWavToTxt::accept()
{
    for (QLineEdit* e : {EdNom, Ednomg, Ednomd})
        if (e->isEnabled() && e->text().trimmed().isEmpty()) {
            interlocuteur().message(QStringLiteral("Donner un nom de fichier."));
            e->setFocus();
            return;
        }
    QDialog::accept();
}
