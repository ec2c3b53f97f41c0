#include "dialogs/fiches.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QListWidget>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QPalette>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QWidget>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTextDocument>

#include "expression/fonction.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/fichiers/fichiertexte.h"
#include "dialogs/dialtit.h"
#include "dialogs/etatsaisie.h"

TCouleur& CouleurFiche()
{
    static TCouleur couleur = 0xA0C9F1;
    return couleur;
}

void AppliqueCouleurFiche(QWidget* fiche)
{
    if (!fiche)
        return;
    const QColor couleur = VersQColor(CouleurFiche());
    QPalette palette = fiche->palette();
    if (palette.color(QPalette::Window) == couleur && fiche->autoFillBackground())
        return;
    palette.setColor(QPalette::Window, couleur);
    fiche->setPalette(palette);
    fiche->setAutoFillBackground(true);
}

bool ChoisitCouleurQt(QWidget* parent, QColor& couleur)
{
    const QColor choisie = QColorDialog::getColor(couleur, parent, QString(), QColorDialog::DontUseNativeDialog);
    if (!choisie.isValid())
        return false;
    couleur = choisie;
    return true;
}

QStringList TextesDeListe(const QListWidget* liste)
{
    QStringList textes;
    for (int i = 0; i < liste->count(); ++i)
        textes << liste->item(i)->text();
    return textes;
}

void AjouteChoisis(const QListWidget* disponibles, QListWidget* choisis, bool tous)
{
    const QStringList deja = TextesDeListe(choisis);
    for (int i = 0; i < disponibles->count(); ++i) {
        const QListWidgetItem* article = disponibles->item(i);
        if ((tous || article->isSelected()) && !deja.contains(article->text()))
            choisis->addItem(article->text());
    }
}

QPushButton* BoutonNomme(QWidget* parent, const char* nom, const char* texte)
{
    auto* b = Nomme(new QPushButton(QString::fromUtf8(texte), parent), nom);
    b->setAutoDefault(false);
    return b;
}

QHBoxLayout* BoutonsFiche(QDialog* fiche, QPushButton*& ok, QPushButton*& annul, std::initializer_list<QWidget*> aGauche)
{
    auto* rangee = new QHBoxLayout;
    for (QWidget* w : aGauche)
        rangee->addWidget(w);
    rangee->addStretch();
    ok = Nomme(new QPushButton(QStringLiteral("&Confirmer"), fiche), "ButOK");
    ok->setDefault(true);
    annul = Nomme(new QPushButton(QStringLiteral("&Annuler"), fiche), "ButAnnul");
    rangee->addWidget(ok);
    rangee->addWidget(annul);
    QObject::connect(ok, &QPushButton::clicked, fiche, &QDialog::accept);
    QObject::connect(annul, &QPushButton::clicked, fiche, &QDialog::reject);
    return rangee;
}

namespace {
QComboBox* liste(QWidget* parent, const char* nom, const QStringList& elements)
{
    auto* l = new QComboBox(parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->addItems(elements);
    return l;
}
}  // namespace

QComboBox* ListeEpaisseurs(QWidget* parent)
{
    QStringList epaisseurs;
    for (int i = 1; i <= 10; ++i)
        epaisseurs << QString::number(i);
    return liste(parent, "CBepais", epaisseurs);
}

QComboBox* ListeStyles(QWidget* parent)
{
    return liste(parent, "CBStyle",
                 {QStringLiteral("Plein"), QStringLiteral("Tiret"), QStringLiteral("Pointillé"),
                  QStringLiteral("Tiret-Point"), QStringLiteral("Tiret-Point-Point")});
}

QComboBox* ListeModesPoints(QWidget* parent)
{
    QStringList modes;
    for (int i = 0; i <= 6; ++i)
        modes << NomHachure(i);
    return liste(parent, "CBpnt", modes);
}

void MontreCouleurEtiquette(QLabel* etiquette, TCouleur couleur)
{
    QPalette palette = etiquette->palette();
    palette.setColor(QPalette::Window, VersQColor(couleur));
    etiquette->setPalette(palette);
    etiquette->setAutoFillBackground(true);
}

QMenu* MenuFonctionsUsuelles(QMenu* parent, const std::function<void(int)>& insere)
{
    QMenu* usuelles = parent->addMenu(QStringLiteral("Fonctions &usuelles"));
    usuelles->setObjectName(QStringLiteral("Fonctionsusuelles1"));
    for (const EntreeInsertion& entree : TableInsertion) {
        QAction* a = usuelles->addAction(QString::fromLatin1(entree.texte));
        a->setData(entree.code);
        const int code = entree.code;
        QObject::connect(a, &QAction::triggered, usuelles, [insere, code] { insere(code); });
    }
    return usuelles;
}

bool ChargeMemo(QPlainTextEdit* memo, const QString& chemin, bool signale)
{
    const LectureTexte lu = LitFichierTexteOrdinaire(chemin, TailleMaxTexte);
    if (!lu.ok) {
        if (signale)
            interlocuteur().message(lu.erreur);
        return false;
    }
    memo->setPlainText(lu.lignes.join(QLatin1Char('\n')));
    memo->moveCursor(QTextCursor::Start);
    memo->document()->setModified(false);
    return true;
}

int DemandeOuiNonAnnuler(QWidget* parent, const QString& texte)
{
    QMessageBox boite(QMessageBox::Question, QStringLiteral("Confirmation"), texte,
                      QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
    boite.button(QMessageBox::Yes)->setText(QStringLiteral("&Oui"));
    boite.button(QMessageBox::No)->setText(QStringLiteral("&Non"));
    boite.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    boite.setDefaultButton(QMessageBox::Yes);
    boite.setEscapeButton(QMessageBox::Cancel);
    const int r = boite.exec();
    return r == QMessageBox::Yes || r == QMessageBox::No ? r : int(QMessageBox::Cancel);
}

bool RemplacementAccepte(const QString& chemin)
{
    return !QFileInfo::exists(chemin)
           || interlocuteur().demandeOuiNon(QStringLiteral("Le fichier %1 existe déjà. Voulez-vous le remplacer ?").arg(chemin));
}

bool ChoisitImprimante(QWidget* parent, QPrinter& imprimante)
{
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        interlocuteur().message(QStringLiteral("Aucune imprimante n'est installée : l'impression se fera dans un fichier PDF."));
        const QString chemin = boitesSaisie().choisitFichierEcriture(parent, QStringLiteral("Imprimer dans un fichier"),
                                                                     QString(), QStringLiteral("*.pdf"), QStringLiteral("pdf"));
        if (chemin.isEmpty())
            return false;
        imprimante.setOutputFormat(QPrinter::PdfFormat);
        imprimante.setOutputFileName(chemin);
        return true;
    }
    QPrintDialog dialogue(&imprimante, parent);
    return dialogue.exec() == QDialog::Accepted;
}

bool ImprimeLignes(QPrinter& imprimante, const QStringList& lignes)
{
    QTextDocument document;
    QFont police(QStringLiteral("Courier New"));
    police.setStyleHint(QFont::TypeWriter);
    police.setPointSize(10);
    document.setDefaultFont(police);
    document.setPlainText(lignes.join(QLatin1Char('\n')));
    // QTextDocument lays the text out page by page over the printer's page.
    document.print(&imprimante);
    return imprimante.printerState() != QPrinter::Error;
}

void ImprimeTexte(QWidget* parent, const QStringList& lignes)
{
    QString titre;
    if (!SaisitTitre(parent, QStringLiteral("Insérer un titre au document"), QStringLiteral("Titre ?"), titre))
        titre.clear();
    QPrinter imprimante(QPrinter::HighResolution);
    if (!ChoisitImprimante(parent, imprimante))
        return;
    if (!ImprimeLignes(imprimante, QStringList{titre, QString()} + lignes))
        interlocuteur().message(QStringLiteral("Impression impossible."));
}
