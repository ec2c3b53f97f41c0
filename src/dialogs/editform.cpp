#include "dialogs/editform.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

TEditForm::TEditForm(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TEditForm"));
    setWindowTitle(QStringLiteral("Editeur"));
    AppliqueCouleurFiche(this);
    setSizeGripEnabled(true);
    Editor = Nomme(new QPlainTextEdit(this), "Editor");
    Editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* haut = new QHBoxLayout;
    const auto bouton = [&](const char* nom, const char* texte) {
        auto* b = BoutonNomme(this, nom, texte);
        haut->addWidget(b);
        return b;
    };
    SBCouper = bouton("SBCouper", "Co&uper");
    SBCopier = bouton("SBCopier", "&Copier");
    SBColler = bouton("SBColler", "C&oller");
    SBSauver = bouton("SBSauver", "&Sauver");
    SBImprimer = bouton("SBImprimer", "&Imprimer");
    haut->addStretch();
    SBFermer = bouton("SBFermer", "&Fermer");
    connect(SBCouper, &QPushButton::clicked, Editor, &QPlainTextEdit::cut);
    connect(SBCopier, &QPushButton::clicked, Editor, &QPlainTextEdit::copy);
    connect(SBColler, &QPushButton::clicked, Editor, &QPlainTextEdit::paste);
    connect(SBSauver, &QPushButton::clicked, this, &TEditForm::SBSauverClick);
    connect(SBImprimer, &QPushButton::clicked, this, &TEditForm::SBImprimerClick);
    connect(SBFermer, &QPushButton::clicked, this, &TEditForm::reject);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(haut);
    pile->addWidget(Editor);
    resize(600, 460);
}

void TEditForm::ouvre(const QString& fichier, const QStringList& lignes)
{
    setWindowTitle(fichier);
    Editor->setPlainText(lignes.join(QLatin1Char('\n')));
    Editor->moveCursor(QTextCursor::Start);
    Editor->document()->setModified(false);
}

void TEditForm::lectureSeule()
{
    Editor->setReadOnly(true);
    for (QPushButton* b : {SBCouper, SBColler, SBSauver})
        b->hide();
}

bool TEditForm::SBSauverClick()
{
    QString chemin = fichier();
    if (chemin.isEmpty() || chemin == SansNom()) {
        chemin = boitesSaisie().choisitFichierEcriture(this, QStringLiteral("Enregistrer le texte"), SansNom(),
                                                       QStringLiteral("*.txt"), QStringLiteral("txt"));
        if (chemin.isEmpty())
            return false;
        if (const QString raison = RefusNom ? RefusNom(chemin) : QString(); !raison.isEmpty()) {
            interlocuteur().message(raison);
            return false;
        }
    }
    const EcritureTexte e = EcritFichierTexte(chemin, Editor->toPlainText().split(QLatin1Char('\n')));
    if (!e.ok) {
        interlocuteur().message(e.erreur);
        return false;
    }
    setWindowTitle(chemin);
    Editor->document()->setModified(false);
    enregistre_ = true;
    return true;
}

void TEditForm::SBImprimerClick()
{
    ImprimeTexte(this, Editor->toPlainText().split(QLatin1Char('\n')));
}

void TEditForm::reject()
{
    if (!Editor->isReadOnly() && Editor->document()->isModified()) {
        const int r = DemandeOuiNonAnnuler(
            this, QStringLiteral("Enregistrer les modifications de %1?").arg(QDir::toNativeSeparators(fichier())));
        if (r == QMessageBox::Cancel || (r == QMessageBox::Yes && !SBSauverClick()))
            return;
    }
    QDialog::reject();
}

void MontreTexte(QWidget* parent, const QString& titre, const QStringList& lignes, bool fixe)
{
    TEditForm editeur(parent);
    editeur.ouvre(titre, lignes);
    if (fixe)
        editeur.lectureSeule();
    editeur.exec();
}
