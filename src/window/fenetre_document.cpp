// The graph window's side of its document file: what the window itself carries into the
// document (title, geometry, background, comment, menu file), and what it takes back from
// one. The records themselves are read and written by graph/document/document.cpp.
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/document/document.h"
#include "graph/fichiers/fichiertexte.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "window/fenetre.h"

QRect TForm1::cadreFenetre() const
{
    if (const auto* sous = qobject_cast<const QMdiSubWindow*>(parentWidget()))
        return sous->geometry();
    return geometry();
}

bool TForm1::estMaximisee() const
{
    if (const auto* sous = qobject_cast<const QMdiSubWindow*>(parentWidget()))
        return sous->isMaximized();
    return isMaximized();
}

void TForm1::placeFenetre(int gauche, int haut, int largeur, int hauteur, bool maximisee)
{
    auto* sous = qobject_cast<QMdiSubWindow*>(parentWidget());
    // The bounds are the outer ones: the frame of the sub-window is not part of the client.
    QSize marges(0, 0);
    if (sous && sous->isVisible())
        marges = (sous->size() - size()).expandedTo(QSize(0, 0));
    fixeTailleClient(largeur - marges.width(), hauteur - marges.height());
    if (!sous)
        return;
    if (maximisee) {
        sous->showMaximized();
        return;
    }
    if (sous->isMaximized() || sous->isMinimized())
        sous->showNormal();
    // Where the document says, but within reach (a document written on a larger screen
    // would open out of sight): the whole window inside the MDI area's view when it fits
    // there, else its top left corner, title bar included, at the view's.
    const QSize vue = sous->mdiArea() ? sous->mdiArea()->viewport()->size() : QSize();
    const QSize taille = sous->size();
    int x = gauche, y = haut;
    if (vue.isValid()) {
        x = std::clamp(x, 0, std::max(0, vue.width() - taille.width()));
        y = std::clamp(y, 0, std::max(0, vue.height() - taille.height()));
    }
    sous->move(x, y);
}

void TForm1::remplitDocument()
{
    // A minimised window is stored with the bounds it has when restored.
    if (auto* sous = qobject_cast<QMdiSubWindow*>(parentWidget()); sous && sous->isMinimized())
        sous->showNormal();
    FenetreDocument& d = document_->Fenetre;
    d.Titre = titre();
    const QRect cadre = cadreFenetre();
    d.Gauche = cadre.left();
    d.Haut = cadre.top();
    d.Largeur = cadre.width();
    d.Hauteur = cadre.height();
    d.Maximisee = estMaximisee();
}

void TForm1::appliqueDocument()
{
    const FenetreDocument& d = document_->Fenetre;
    if (!d.Titre.isEmpty())
        fixeTitre(d.Titre);
    placeFenetre(d.Gauche, d.Haut, d.Largeur, d.Hauteur, d.Maximisee);
    AiresARecalculer = true;
    paintBox_->update();
}

QStringList TForm1::EcrireFenetre()
{
    remplitDocument();
    return ::EcrireFenetre(document_->Modele());
}

RapportEcriture TForm1::EnregistreFenetre(const QString& chemin)
{
    remplitDocument();
    return ::EnregistreDocument(chemin, document_->Modele());
}

RapportLecture TForm1::LitDocument(const QString& chemin, LiensEnAttente& liens)
{
    // What the document does not say stays as the new window has it.
    remplitDocument();
    const QString fichierMenus = FichierMenus, cheminMenus = CheminMenus;
    ModeleDocument modele = document_->Modele();
    const RapportLecture r = ::LitDocument(chemin, modele, liens);
    if (r.ouvert) {
        // The menu file that the document names, when it is found where documents may name
        // one; a name not found here is kept as stored (written back unchanged), a refused
        // one leaves the window its own.
        const QString trouve = CheminMenus;
        CheminMenus = cheminMenus;
        if (FichierMenus.trimmed().isEmpty())
            FichierMenus = fichierMenus;
        if (!trouve.isEmpty() && trouve != cheminMenus)
            ChargerMenus(trouve);
        appliqueDocument();
        DossierDocument = QFileInfo(chemin).absolutePath();
    }
    return r;
}

