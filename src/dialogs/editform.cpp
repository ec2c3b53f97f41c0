#include "dialogs/editform.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPlainTextEdit>
#include <QVBoxLayout>

void MontreTexte(QWidget* parent, const QString& titre, const QStringList& lignes)
{
    QDialog dialogue(parent);
    dialogue.setObjectName(QStringLiteral("TEditForm"));
    dialogue.setWindowTitle(titre);
    auto* disposition = new QVBoxLayout(&dialogue);
    auto* memo = new QPlainTextEdit(&dialogue);
    memo->setObjectName(QStringLiteral("Editor"));
    memo->setPlainText(lignes.join(QLatin1Char('\n')));
    memo->setReadOnly(true);
    memo->document()->setModified(false);
    disposition->addWidget(memo);
    auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, &dialogue);
    QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
    disposition->addWidget(boutons);
    dialogue.resize(520, 400);
    dialogue.exec();
}
