// The Infos menu's viewers, the histories of the Edition menu, and the window's comments:
// shown in the program's text editor or in the comments form.
#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <cmath>

#include "dialogs/affcom.h"
#include "dialogs/dialtit.h"
#include "dialogs/editform.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/document/document.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "window/fenetre.h"

namespace {

// A comments file is a page or two of text.
constexpr qint64 TailleMaxCommentaires = 1024 * 1024;

QString Texte(double v)
{
    return QString::fromStdString(ReelVersTexte(v));
}

}  // namespace

void TForm1::Courbes2Click(QAction*)
{
    dialoguesFenetre().montreTexte(this, SansNom(), etatGraphe().JournalCourbes);
}

void TForm1::Session1Click(QAction*)
{
    emit commandeCadre(CommandeCadre::HistoriqueSession);
}

void TForm1::Libells1Click(QAction*)
{
    QStringList lignes;
    dessin_->Decrit(lignes);
    dialoguesFenetre().montreTexte(this, SansNom(), lignes);
}

void TForm1::Erreurs1Click(QAction*)
{
    const PtrCourbe courbe = dessin_->ChoisitCourbe(QStringLiteral("BCDEGHIJLNOPQRSTUWXY"));
    if (!courbe)
        return;
    QStringList lignes;
    courbe->MontreErreurs(lignes);
    dialoguesFenetre().montreTexte(this, SansNom(), lignes);
}

QStringList TForm1::LignesUnites() const
{
    const Graduation& g = repere_->graduation();
    int typeX = 0, typeY = 0;
    repere_->GetTypesEchelle(typeX, typeY);
    double xmin = 0, xmax = 0, ymax = 0, ymin = 0;
    repere_->GetBornes(xmin, xmax, ymax, ymin);
    // A point of each axis that its scale can map: 0, or the lower bound of a logarithmic
    // axis.
    const double x0 = typeX == EchelleLog ? xmin : 0, y0 = typeY == EchelleLog ? ymin : 0;
    const auto axe = [&](bool horizontal) {
        const bool log = (horizontal ? typeX : typeY) == EchelleLog;
        const double depart = horizontal ? x0 : y0;
        // One decade on a logarithmic axis, one graduation step otherwise.
        const double pas = horizontal ? g.pasX : g.pasY;
        const double arrivee = log ? depart * 10 : depart + pas;
        const QPoint a = horizontal ? repere_->MondeVersPixel(depart, y0) : repere_->MondeVersPixel(x0, depart);
        const QPoint b = horizontal ? repere_->MondeVersPixel(arrivee, y0) : repere_->MondeVersPixel(x0, arrivee);
        const int pixels = std::abs(horizontal ? b.x() - a.x() : b.y() - a.y());
        const QString vecteur = horizontal ? QStringLiteral("OI") : QStringLiteral("OJ");
        QStringList l;
        l << (horizontal ? QStringLiteral("Axe des abscisses :") : QStringLiteral("Axe des ordonnées :"));
        l << QStringLiteral("  %1 = ").arg(vecteur) + (log ? QStringLiteral("1 décade") : Texte(pas) + QStringLiteral(" unité(s)"));
        l << QStringLiteral("  %1 =%2 pixel(s)").arg(vecteur).arg(pixels);
        l << QStringLiteral("  1 pixel = ") + (log || pixels == 0 ? QStringLiteral("n.c.") : Texte(pas / pixels));
        return l;
    };
    return axe(true) + QStringList{QString()} + axe(false);
}

void TForm1::Units1Click(QAction*)
{
    dialoguesFenetre().montreTexte(this, SansNom(), LignesUnites());
}

void TForm1::Paramtrestouches1Click(QAction*)
{
    const ParametresPersonnels& p = parametresPersonnels();
    if (p.ParametresPerso.empty()) {
        interlocuteur().message(QStringLiteral("Pas de paramètres utilisés"));
        return;
    }
    QStringList lignes{QStringLiteral("Touche <--> Paramètre(s)")};
    for (int lettre = 0; lettre < 26; ++lettre) {
        const std::vector<int>& indices = p.ListesLettres[std::size_t(lettre)];
        if (indices.empty())
            continue;
        QString ligne = QChar(u'A' + lettre) + QStringLiteral(" <-->");
        for (int i : indices)
            if (i >= 0 && std::size_t(i) < p.NomsParametresPerso.size())
                ligne += QLatin1Char(' ') + QString::fromStdString(p.NomsParametresPerso[std::size_t(i)]);
        lignes << ligne;
    }
    lignes << QStringLiteral("Pas d'(autre) association.");
    dialoguesFenetre().montreTexteFixe(this, QStringLiteral("Touches : Paramètres"), lignes);
}

// ---------------------------------------------------------------------------------------
// Comments

QString TForm1::FichierCommentaires() const
{
    // The one the user saved is where the user saved it; a document's, in its folder only.
    if (CommentaireChoisi)
        return TrouveFichierStocke(Commentaire, DossierDocument, PorteeNom::Donnees, {etatGraphe().DossierProgramme});
    return TrouveFichierStocke(Commentaire, DossierDocument, PorteeNom::DossierDuDocument);
}

void TForm1::Commentaires1Click(QAction*)
{
    if (Commentaire.trimmed().isEmpty()) {
        interlocuteur().message(QStringLiteral("Pas de commentaires ni questions pour cette fenêtre !"));
        return;
    }
    const QString chemin = FichierCommentaires();
    const LectureTexte lu = chemin.isEmpty() ? LectureTexte() : LitFichierTexteOrdinaire(chemin, TailleMaxCommentaires);
    if (!lu.ok) {
        interlocuteur().message(QStringLiteral("Adresse incorrecte pour le fichier de commentaires."));
        return;
    }
    AfficheTexteQC(this, lu.lignes, false);
}

void TForm1::CommentClick(QAction*)
{
    // The file the window names (a new one of that name in the document's folder when it is
    // not there yet), else a text without a file; nothing is written before the user saves.
    QString fichier = SansNom();
    QStringList lignes;
    if (!Commentaire.trimmed().isEmpty()) {
        if (const QString chemin = FichierCommentaires(); !chemin.isEmpty()) {
            const LectureTexte lu = LitFichierTexteOrdinaire(chemin, TailleMaxCommentaires);
            if (!lu.ok) {
                interlocuteur().message(QStringLiteral("Adresse incorrecte pour le fichier de commentaires."));
                return;
            }
            fichier = chemin;
            lignes = lu.lignes;
        } else if (const CheminResolu r = ResoutCheminStocke(Commentaire, DossierDocument);
                   r.ok && !CommentaireChoisi && !DossierDocument.isEmpty() && DansDossier(r.chemin, DossierDocument)) {
            fichier = r.chemin;
        }
    }
    TEditForm editeur(this);
    editeur.ouvre(fichier, lignes);
    // The name goes into a document field that ends with ";".
    editeur.RefusNom = [](const QString& nom) {
        return RefusSeparateurs(QFileInfo(nom).fileName(), QStringLiteral("Le nom du fichier de commentaires"));
    };
    editeur.exec();
    if (!editeur.enregistre())
        return;
    const QString enregistre = QFileInfo(editeur.fichier()).absoluteFilePath();
    CommentaireChoisi = true;
    const QString dossier = DossierDocument.isEmpty() ? QString() : QDir::cleanPath(DossierDocument);
    Commentaire = !dossier.isEmpty() && QFileInfo(enregistre).absolutePath() == dossier
                      ? QFileInfo(enregistre).fileName()
                      : QDir::toNativeSeparators(enregistre);
    emit etatMenusChange();
}
