#include "dialogs/affcom.h"

#include <QCheckBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/aide.h"
#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

TQCForm::TQCForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TQCForm"));
    setWindowTitle(QStringLiteral("Commentaires et/ou questions"));
    AppliqueCouleurFiche(this);
    setSizeGripEnabled(true);
    Qmemo = Nomme(new QPlainTextEdit(this), "Qmemo");
    Qmemo->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont police = Qmemo->font();
    police.setPointSize(10);
    Qmemo->setFont(police);
    SBPrint = Nomme(new QPushButton(QStringLiteral("&Imprimer"), this), "SBPrint");
    SBPrint->setToolTip(QStringLiteral("Impression"));
    SBPrint->setStatusTip(QStringLiteral("Impression"));
    SBPrint->setAutoDefault(false);
    cbMess = Nomme(new QCheckBox(QStringLiteral("Ne plus afficher ce message."), this), "cbMess");
    cbMess->hide();
    Exit = Nomme(new QPushButton(QStringLiteral("&Fermer"), this), "Exit");
    connect(SBPrint, &QPushButton::clicked, this, &TQCForm::SBPrintClick);
    connect(Exit, &QPushButton::clicked, this, &QDialog::accept);
    auto* haut = new QHBoxLayout;
    haut->addWidget(SBPrint);
    haut->addWidget(cbMess);
    haut->addStretch();
    haut->addWidget(Exit);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(haut);
    pile->addWidget(Qmemo);
    resize(560, 420);
}

void TQCForm::montre(const QStringList& lignes, bool caseMessage)
{
    Qmemo->setPlainText(lignes.join(QLatin1Char('\n')));
    Qmemo->moveCursor(QTextCursor::Start);
    Qmemo->document()->setModified(false);
    cbMess->setChecked(false);
    cbMess->setVisible(caseMessage);
}

void TQCForm::SBPrintClick()
{
    ImprimeTexte(this, Qmemo->toPlainText().split(QLatin1Char('\n')));
}

bool AfficheTexteQC(QWidget* parent, const QStringList& lignes, bool caseMessage)
{
    TQCForm fiche(parent);
    fiche.montre(lignes, caseMessage);
    fiche.exec();
    return !(caseMessage && fiche.cbMess->isChecked());
}

bool AfficheFichierTexte(QWidget* parent, const QString& nom)
{
    InitialiseRessourcesAide();
    QFile fichier(QStringLiteral(":/messages/") + nom);
    if (nom.isEmpty() || !fichier.open(QIODevice::ReadOnly)) {
        interlocuteur().message(nom + QStringLiteral(" : Fichier introuvable!"));
        return true;
    }
    return AfficheTexteQC(parent, LignesDeOctets(fichier.readAll()).lignes, true);
}
