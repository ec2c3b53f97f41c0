#include "dialogs/saishisto.h"

#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/fiches.h"
#include "graph/base/GCclasse_base.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/genres_outils.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

QComboBox* liste(QWidget* parent, const char* nom, const QStringList& entrees)
{
    auto* c = Nomme(new QComboBox(parent), nom);
    c->addItems(entrees);
    return c;
}

}  // namespace

TSaisHist::TSaisHist(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaisHist"));
    setWindowTitle(QStringLiteral("Histogramme des densités"));
    AppliqueCouleurFiche(this);
    EdDeb = Nomme(new QLineEdit(QStringLiteral("0"), this), "EdDeb");
    EdFin = Nomme(new QLineEdit(QStringLiteral("1"), this), "EdFin");
    EdLarg = Nomme(new QLineEdit(QStringLiteral("0.1"), this), "EdLarg");
    labDeb_ = new QLabel(QStringLiteral("Début :"), this);
    labFin_ = new QLabel(QStringLiteral("Fin :"), this);
    labLarg_ = new QLabel(QStringLiteral("Largeur :"), this);
    cbDens = liste(this, "cbDens", {QStringLiteral("effectifs"), QStringLiteral("fréquences")});
    cbCoord = liste(this, "cbCoord", {QStringLiteral("abscisses"), QStringLiteral("ordonnées")});
    cbCumul = liste(this, "cbCumul", {QStringLiteral("non cumulé(e)s"), QStringLiteral("cumulé(e)s")});
    cbAmpli = liste(this, "cbAmpli", {QStringLiteral("fixes"), QStringLiteral("variables")});
    cbegal = liste(this, "cbegal", {QStringLiteral("égales"), QStringLiteral("inégales")});
    GroupBox1 = Nomme(new QGroupBox(QStringLiteral("Nom du fichier :"), this), "GroupBox1");
    Ednomf = Nomme(new QLineEdit(GroupBox1), "Ednomf");
    Memo1 = Nomme(new QPlainTextEdit(GroupBox1), "Memo1");
    auto* fichier = new QVBoxLayout(GroupBox1);
    fichier->addWidget(Ednomf);
    fichier->addWidget(new QLabel(QStringLiteral("(Une borne par ligne)"), GroupBox1));
    fichier->addWidget(Memo1);

    auto* champs = new QFormLayout;
    champs->addRow(QStringLiteral("Amplitudes :"), cbAmpli);
    champs->addRow(QStringLiteral("Classes :"), cbegal);
    champs->addRow(labDeb_, EdDeb);
    champs->addRow(labFin_, EdFin);
    champs->addRow(labLarg_, EdLarg);
    champs->addRow(QStringLiteral("Densités :"), cbDens);
    champs->addRow(QStringLiteral("des :"), cbCoord);
    champs->addRow(QString(), cbCumul);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(champs);
    pile->addWidget(GroupBox1);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    fixeDossier(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    connect(cbAmpli, &QComboBox::currentIndexChanged, this, &TSaisHist::montreClasses);
    connect(cbegal, &QComboBox::currentIndexChanged, this, &TSaisHist::montreClasses);
    montreClasses();
}

void TSaisHist::fixeDossier(const QString& dossier)
{
    dossier_ = dossier;
    if (!dossier_.isEmpty() && !dossier_.endsWith(QLatin1Char('/')))
        dossier_ += QLatin1Char('/');
}

void TSaisHist::chargeBornes(const QString& chemin)
{
    const QFileInfo info(chemin);
    fixeDossier(info.path());
    Ednomf->setText(info.fileName());
    const LectureTexte lu = LitFichierTexte(chemin);
    if (lu.ok) {
        Memo1->setPlainText(lu.lignes.join(QLatin1Char('\n')));
        fichierCharge_ = info.absoluteFilePath();
    }
}

void TSaisHist::montreClasses()
{
    const bool variables = cbAmpli->currentIndex() == 1;
    const bool fichier = variables || cbegal->currentIndex() == 1;
    GroupBox1->setVisible(fichier);
    cbegal->setVisible(!variables);
    for (QWidget* w : {static_cast<QWidget*>(EdDeb), static_cast<QWidget*>(EdFin), static_cast<QWidget*>(EdLarg),
                       static_cast<QWidget*>(labDeb_), static_cast<QWidget*>(labFin_), static_cast<QWidget*>(labLarg_)})
        w->setVisible(!fichier);
}

QString TSaisHist::fichierBornes() const
{
    return GroupBox1->isVisibleTo(this) ? dossier_ + Ednomf->text().trimmed() : QString();
}

void TSaisHist::done(int resultat)
{
    if (resultat == QDialog::Accepted && GroupBox1->isVisibleTo(this)) {
        if (Ednomf->text().trimmed().isEmpty()) {
            interlocuteur().message(QStringLiteral("Vous n'avez pas donné de nom au fichier des bornes"));
            return;
        }
        const QString fichier = fichierBornes();
        if (QFileInfo(fichier).absoluteFilePath() != fichierCharge_ && !RemplacementAccepte(fichier))
            return;
        if (!fichierDocument.ecritureAccordee(fichier))
            return;
        QStringList lignes = Memo1->toPlainText().split(QLatin1Char('\n'));
        while (!lignes.isEmpty() && lignes.constLast().trimmed().isEmpty())
            lignes.removeLast();
        const EcritureTexte ecrit = EcritFichierTexte(fichier, lignes);
        if (!ecrit.ok) {
            interlocuteur().message(ecrit.erreur);
            return;
        }
    }
    QDialog::done(resultat);
}

bool SaisieHisto(QString& titre, std::array<QString, 6>& p, bool& variables, int& cumul, QWidget* parent,
                 const QString& dossierDocument)
{
    TSaisHist f(parent);
    f.EdDeb->setText(p[0]);
    f.EdFin->setText(p[1]);
    f.EdLarg->setText(p[2]);
    int n = 0;
    f.cbDens->setCurrentIndex(LitEntier(p[3].trimmed(), n) && n ? 1 : 0);
    f.cbCoord->setCurrentIndex(LitEntier(p[4].trimmed(), n) && n ? 1 : 0);
    f.cbCumul->setCurrentIndex(std::clamp(cumul, 0, 1));
    f.cbAmpli->setCurrentIndex(variables ? 1 : 0);
    double largeur = 0;
    const bool sansLargeur = !genres::evalue(p[2], largeur) || largeur <= 0;
    f.cbegal->setCurrentIndex(!variables && sansLargeur ? 1 : 0);
    if (!p[5].trimmed().isEmpty()) {
        // The file found as the trace finds it; a name not found keeps the form's folder.
        const QString trouve =
            TrouveFichierStocke(p[5], dossierDocument, PorteeNom::Donnees, {etatGraphe().DossierProgramme});
        if (!trouve.isEmpty())
            f.chargeBornes(trouve);
        else
            f.Ednomf->setText(PartieNomFichier(p[5]));
        if (!dossierDocument.isEmpty())
            f.fichierDocument = {QFileInfo(f.dossier() + f.Ednomf->text().trimmed()).absoluteFilePath(), dossierDocument};
    }
    f.montreClasses();
    titre = QStringLiteral("Histogramme des densités de ");
    if (f.exec() != QDialog::Accepted)
        return false;
    p[0] = f.EdDeb->text();
    p[1] = f.EdFin->text();
    p[2] = f.EdLarg->text();
    p[3] = QString::number(f.cbDens->currentIndex());
    p[4] = QString::number(f.cbCoord->currentIndex());
    cumul = f.cbCumul->currentIndex();
    variables = f.cbAmpli->currentIndex() == 1;
    p[5] = f.fichierBornes();
    if (!p[5].isEmpty())
        p[2] = QStringLiteral("0");
    return true;
}
