#include "frame/dialoguescadre.h"

#include <QFileDialog>

#include "dialogs/selectfen.h"
#include "frame/etatcadre.h"

namespace {

const QString FiltreDocuments = QStringLiteral("Fichiers VIRK (*.vrk *.VRK)");
const QString FiltreTransfos = QStringLiteral("Transfo perso (*.txt *.TXT)");

class DialoguesCadreQt : public DialoguesCadre {
public:
    QStringList choisitOuverture(QWidget* parent, const QString& dossier) override
    {
        QFileDialog dialogue(parent, QStringLiteral("Ouvrir"), dossier);
        dialogue.setObjectName(QStringLiteral("OpenDialog"));
        dialogue.setAcceptMode(QFileDialog::AcceptOpen);
        dialogue.setFileMode(QFileDialog::ExistingFiles);
        dialogue.setNameFilters(FiltresOuverture());
        if (dialogue.exec() != QDialog::Accepted)
            return {};
        return dialogue.selectedFiles();
    }

    QString choisitEnregistrement(QWidget* parent, const QString& dossier) override
    {
        QFileDialog dialogue(parent, QStringLiteral("Enregistrer"), dossier);
        dialogue.setObjectName(QStringLiteral("SaveDialog"));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        dialogue.setNameFilters({FiltreDocuments});
        dialogue.setDefaultSuffix(QStringLiteral("vrk"));
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return {};
        return dialogue.selectedFiles().constFirst();
    }

    QStringList choisitFenetres(QWidget* parent, const QStringList& entrees) override
    {
        return ChoisitFenetresDialogue(entrees, parent);
    }

    QString choisitTransfosOuverture(QWidget* parent, const QString& dossier) override
    {
        QFileDialog dialogue(parent, QStringLiteral("Ouvrir"), dossier);
        dialogue.setObjectName(QStringLiteral("OpenDialog"));
        dialogue.setAcceptMode(QFileDialog::AcceptOpen);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        dialogue.setNameFilters({FiltreTransfos, QStringLiteral("Tous les fichiers (*)")});
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return {};
        return dialogue.selectedFiles().constFirst();
    }

    QString choisitTransfosEnregistrement(QWidget* parent, const QString& dossier) override
    {
        QFileDialog dialogue(parent, QStringLiteral("Enregistrer"), dossier);
        dialogue.setObjectName(QStringLiteral("SaveDialog"));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setFileMode(QFileDialog::AnyFile);
        dialogue.setNameFilters({FiltreTransfos});
        dialogue.setDefaultSuffix(QStringLiteral("txt"));
        if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
            return {};
        return dialogue.selectedFiles().constFirst();
    }
};

}  // namespace

DialoguesCadre& dialoguesCadre()
{
    static DialoguesCadreQt qt;
    DialoguesCadre* d = etatCadre().dialogues;
    return d ? *d : qt;
}

QStringList FiltresOuverture()
{
    return {FiltreDocuments, QStringLiteral("Listes fichiers VIRK (*.rkv *.RKV)"),
            QStringLiteral("Tous les fichiers (*)")};
}
