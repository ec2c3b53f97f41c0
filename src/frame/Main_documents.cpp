// The frame's documents: new windows, opening documents and lists (dialog and command
// line), the links between the documents of one opening, saving and closing chosen windows,
// and the files of personal transformations.
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMenu>
#include <QStandardPaths>

#include "frame/Main.h"
#include "frame/boites.h"
#include "frame/dialoguescadre.h"
#include "frame/listedocuments.h"
#include "dialogs/progression.h"
#include "expression/garde.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/document/document.h"
#include "window/fenetre.h"
#include "graph/courbes/genres.h"

namespace {

// The window number of a chooser entry: the text between "#" and the first ":".
int NumeroDeChoix(const QString& entree)
{
    const qsizetype diese = entree.indexOf(QLatin1Char('#'));
    const qsizetype deuxPoints = entree.indexOf(QLatin1Char(':'), diese + 1);
    if (diese < 0 || deuxPoints < 0)
        return -1;
    bool ok = false;
    const int n = entree.mid(diese + 1, deuxPoints - diese - 1).trimmed().toInt(&ok);
    return ok ? n : -1;
}

// "window;identifier" of the pending lists.
bool LitLien(const QString& lien, int& fenetre, QString& identifiant)
{
    const qsizetype p = lien.indexOf(QLatin1Char(';'));
    if (p < 0)
        return false;
    bool ok = false;
    fenetre = lien.left(p).trimmed().toInt(&ok);
    identifiant = lien.mid(p + 1);
    return ok;
}

}  // namespace

// Follows the reading of the documents of one opening: after a second, a box shows the
// lines read of the document under way, in which Échap (or its button) stops the reading
// there; the documents not begun yet are then not read either.
class SuiviOuverture : public SuiviCalcul {
public:
    explicit SuiviOuverture(QWidget* parent)
        : garde_(etatGraphe().suivi, this),
          boite_(parent, QStringLiteral("ProgressionOuverture"), QStringLiteral("Ouverture des documents"))
    {
        chrono_.start();
    }
    SuiviOuverture(const SuiviOuverture&) = delete;
    SuiviOuverture& operator=(const SuiviOuverture&) = delete;

    void document(const QString& chemin) { nom_ = QFileInfo(chemin).fileName(); }
    bool arrete() const { return arrete_; }

    bool continuer(int faites, int total) override
    {
        if (arrete_)
            return false;
        if (chrono_.elapsed() < DureeAvantProgression)
            return true;
        arrete_ = !boite_.montre(faites, total,
                                 QStringLiteral("%1 : lignes lues : %2 sur %3\n(Échap pour interrompre la lecture)")
                                     .arg(nom_)
                                     .arg(faites)
                                     .arg(total));
        return !arrete_;
    }

private:
    static constexpr qint64 DureeAvantProgression = 1000;  // ms
    GardeValeur<SuiviCalcul*> garde_;
    QElapsedTimer chrono_;
    QString nom_;
    bool arrete_ = false;
    BoiteProgression boite_;
};

// ---------------------------------------------------------------------------------------
// New window

TForm1* TMainForm::Nouvellefentre1Click()
{
    std::array<QString, 10> fonctions;
    fonctions.fill(QStringLiteral("0"));
    if (TForm1* active = fenetreActive())
        fonctions = active->FonctionsAux();
    TForm1* fenetre = CreeFenetre(QStringLiteral("Fenêtre %1").arg(CompteurFenetres));
    fenetre->FonctionsAux() = fonctions;
    ++CompteurFenetres;
    return fenetre;
}

// ---------------------------------------------------------------------------------------
// Opening

QString TMainForm::dossierDialogues() const
{
    if (!dernierDossier_.isEmpty() && QFileInfo(dernierDossier_).isDir())
        return dernierDossier_;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir())
        return documents;
    return DossierProgramme();
}

void TMainForm::FileOpenItemClick()
{
    if (ouvertureEnCours_)
        return;
    const QStringList choisis = dialoguesCadre().choisitOuverture(this, dossierDialogues());
    if (choisis.isEmpty())
        return;
    dernierDossier_ = QFileInfo(choisis.constFirst()).absolutePath();
    OuvreFichiers(choisis);
}

TForm1* TMainForm::litDansNouvelleFenetre(const QString& chemin, LiensEnAttente& liens, QStringList& introuvables)
{
    if (suiviOuverture_ && suiviOuverture_->arrete())
        return nullptr;
    if (suiviOuverture_)
        suiviOuverture_->document(chemin);
    if (!QFileInfo(chemin).isFile()) {
        introuvables << QStringLiteral("Fichier %1 introuvable !").arg(QDir::toNativeSeparators(chemin));
        return nullptr;
    }
    TForm1* fenetre = CreeFenetre(QString());
    ++CompteurFenetres;
    fenetre->LitDocument(chemin, liens);
    return fenetre;
}

void TMainForm::litListe(const QString& chemin, LiensEnAttente& liens, QStringList& introuvables)
{
    const LectureListe liste = LitListeDocuments(chemin);
    if (!liste.ok) {
        introuvables << liste.erreur;
        return;
    }
    const QString dossier = QFileInfo(chemin).absolutePath();
    for (const QString& stocke : liste.chemins) {
        const QString document = TrouveDocumentListe(stocke, dossier);
        if (document.isEmpty()) {
            introuvables << QStringLiteral("Fichier %1 introuvable !").arg(stocke);
            continue;
        }
        litDansNouvelleFenetre(document, liens, introuvables);
    }
    introuvables << liste.problemes;
}

void TMainForm::OuvreFichiers(const QStringList& chemins)
{
    if (chemins.isEmpty() || ouvertureEnCours_)
        return;
    ouvertureEnCours_ = true;
    SuiviOuverture suivi(this);
    GardeValeur<SuiviOuverture*> gardeSuivi(suiviOuverture_, &suivi);
    LiensEnAttente liens;
    QStringList introuvables;
    if (EstNomListe(chemins.constFirst())) {
        // A list: only the list; the other files chosen with it are left.
        litListe(chemins.constFirst(), liens, introuvables);
    } else {
        for (const QString& chemin : chemins)
            litDansNouvelleFenetre(chemin, liens, introuvables);
    }
    if (!introuvables.isEmpty())
        montreMessage(introuvables.join(QLatin1Char('\n')));
    ResoutLiens(liens);
    ouvertureEnCours_ = false;
}

void TMainForm::FormShow()
{
    // One path holding blanks that the shell split is taken whole; otherwise each argument
    // is a path of its own.
    QStringList chemins = options_.documents;
    if (!options_.cheminJoint.isEmpty() && QFileInfo(options_.cheminJoint).isFile())
        chemins = {options_.cheminJoint};
    if (chemins.isEmpty() || ouvertureEnCours_)
        return;
    QString menus;
    for (const QString& chemin : chemins)
        if (EstNomMenus(chemin)) {
            if (!fenetres().isEmpty() && fenetres().front()->AdopteMenus(chemin))
                menus = fenetres().front()->CheminMenus;
            break;
        }
    ouvertureEnCours_ = true;
    SuiviOuverture suivi(this);
    GardeValeur<SuiviOuverture*> gardeSuivi(suiviOuverture_, &suivi);
    LiensEnAttente liens;
    QStringList introuvables;
    bool lu = false;
    bool premier = true;
    for (const QString& chemin : chemins) {
        if (EstNomListe(chemin)) {
            lu = true;
            if (QFileInfo(chemin).isFile())
                litListe(chemin, liens, introuvables);
            else
                introuvables << QStringLiteral("Fichier %1 introuvable !").arg(QDir::toNativeSeparators(chemin));
        } else if (EstNomDocument(chemin)) {
            lu = true;
            const int un = IndexFenetre(1);
            if (premier && un >= 0 && QFileInfo(chemin).isFile()) {
                // The first document goes into the window made at start.
                premier = false;
                suivi.document(chemin);
                fenetres()[un]->LitDocument(chemin, liens);
            } else {
                litDansNouvelleFenetre(chemin, liens, introuvables);
            }
        }
        // Any other file loads no document.
    }
    // The menus asked for on the command line win over the menu files of its documents.
    if (!menus.isEmpty())
        for (TForm1* fenetre : fenetres())
            if (fenetre->CheminMenus != menus)
                fenetre->AdopteMenus(menus);
    if (!introuvables.isEmpty())
        montreMessage(introuvables.join(QLatin1Char('\n')));
    if (lu)
        ResoutLiens(liens);
    ouvertureEnCours_ = false;
}

// ---------------------------------------------------------------------------------------
// Links between the documents of one opening

std::shared_ptr<GCCourbe> TMainForm::mereDe(const GCCourbe& courbe, const QString& identifiant) const
{
    if (identifiant.isEmpty())
        return nullptr;
    // A document opened twice holds the same identifiers twice: its own copy comes first.
    const int i = IndexFenetre(courbe.NumeroFenetre);
    if (i >= 0)
        if (PtrCourbe mere = fenetres()[i]->Dessin().CourbeParIdentifiant(identifiant))
            return mere;
    return CourbeParIdentifiant(identifiant);
}

void TMainForm::SignaleSansMere(const std::shared_ptr<GCCourbe>& courbe)
{
    if (!courbe)
        return;
    const QString libelle = courbe->Libelle1.isEmpty() ? courbe->Nom : courbe->Libelle1;
    montreMessage(QStringLiteral("La courbe ") + libelle + QStringLiteral(" n'a pas de mère!"));
    const int i = IndexFenetre(courbe->NumeroFenetre);
    if (i >= 0)
        fenetres()[i]->Dessin().RetireCourbe(courbe->Numero);
}

void TMainForm::ResoutLiens(LiensEnAttente& liens)
{
    const QList<TForm1*> liste = fenetres();

    // 1. Curves shown by a further window.
    for (const QString& lien : std::as_const(liens.LiensCourbes)) {
        int numero = 0;
        QString identifiant;
        const bool lisible = LitLien(lien, numero, identifiant);
        const int i = lisible ? IndexFenetre(numero) : -1;
        const PtrCourbe courbe = lisible ? CourbeParIdentifiant(identifiant) : nullptr;
        if (i < 0 || !courbe) {
            AjouteLigneAvertissement(QStringLiteral("-> Courbe %1 introuvable : la fenêtre %2 ne la montre pas.")
                                         .arg(identifiant)
                                         .arg(numero));
            continue;
        }
        GCDessin& dessin = liste[i]->Dessin();
        if (std::find(dessin.Courbes.begin(), dessin.Courbes.end(), courbe) == dessin.Courbes.end())
            dessin.AjouteCourbe(courbe);
    }
    liens.LiensCourbes.clear();

    // 2. Areas shown by a further window.
    for (const QString& lien : std::as_const(liens.LiensAires)) {
        int numero = 0;
        QString empreinte;
        const bool lisible = LitLien(lien, numero, empreinte);
        const int i = lisible ? IndexFenetre(numero) : -1;
        const std::shared_ptr<GCAire> aire = lisible ? AireParEmpreinte(empreinte) : nullptr;
        if (i < 0 || !aire) {
            AjouteLigneAvertissement(QStringLiteral("-> Aire %1 introuvable : la fenêtre %2 ne la montre pas.")
                                         .arg(empreinte)
                                         .arg(numero));
            continue;
        }
        GCListAires& aires = liste[i]->Aires();
        if (std::find(aires.Aires.begin(), aires.Aires.end(), aire) == aires.Aires.end())
            aires.Ajoute(aire);
    }
    liens.LiensAires.clear();

    // 3. Derived curves and transformed areas to their mothers.
    for (const QString& identifiant : std::as_const(liens.LiensDerivees)) {
        if (const PtrCourbe courbe = CourbeParIdentifiant(identifiant)) {
            const QChar genre = courbe->TypeCourbe.toUpper();
            if (!QStringLiteral("GOQU").contains(genre))
                continue;
            const PtrCourbe mere = mereDe(*courbe, courbe->Mere1);
            if (!mere) {
                SignaleSansMere(courbe);
                continue;
            }
            // The points on a curve, tangents, normals and curvature constructions keep
            // their own a9.
            auto* unaire = dynamic_cast<GCOperUnaire*>(courbe.get());
            const int parametres = unaire && GardeSonA9(unaire->Operation) ? 9 : 10;
            for (int k = 0; k < parametres; ++k)
                courbe->FixeParametre(k, mere->Parametre(k));
            if (genre == QLatin1Char('O')) {
                if (!mereDe(*courbe, courbe->Mere2))
                    SignaleSansMere(courbe);
                continue;
            }
            // The children the code draws through, whatever the letter.
            if (unaire)
                unaire->CreeFilles(*mere);
            continue;
        }
        // Transformed areas: the mother's stamp and constraint texts are taken again; the
        // image keeps its own appearance.
        const std::shared_ptr<GCAire> aire = AireParEmpreinte(identifiant);
        if (!aire || (aire->Genre().toUpper() != QLatin1Char('T') && aire->Genre().toUpper() != QLatin1Char('P')))
            continue;
        if (const std::shared_ptr<GCAire> mere = AireParEmpreinte(aire->NomMere())) {
            aire->FixeMere(*mere);
            aire->DecritRapport();
        } else {
            montreMessage(QStringLiteral("Pas de région mère! Supprimer cette région."));
        }
    }
    liens.LiensDerivees.clear();

    // 4. Every window compiled and drawn, from the last to the first; the comment of a
    // document just read shown once.
    const QList<TForm1*> ouvertes = fenetres();
    for (auto it = ouvertes.crbegin(); it != ouvertes.crend(); ++it) {
        TForm1* f = *it;
        f->CompileFonctionsAux();
        f->Dessin().Visible = true;
        f->PaintBox()->update();
        if (f->CommentaireAMontrer && !f->Commentaire.trimmed().isEmpty()) {
            f->CommentaireAMontrer = false;
            f->Commentaires1Click();
        }
    }
    UpdateMenuItems();
}

// ---------------------------------------------------------------------------------------
// Choosing windows, saving, closing

void TMainForm::ListeFenetres()
{
    ListeChoix.clear();
    const QList<TForm1*> liste = fenetres();
    for (auto it = liste.crbegin(); it != liste.crend(); ++it)
        ListeChoix << QStringLiteral("#%1: %2").arg((*it)->numero()).arg((*it)->titre());
}

bool TMainForm::ChoisitFenetres()
{
    ListeFenetres();
    ListeChoix = dialoguesCadre().choisitFenetres(this, ListeChoix);
    return !ListeChoix.isEmpty();
}

TMainForm::ResultatSauvegarde TMainForm::FileSaveItemClick()
{
    if (fenetres().isEmpty())
        return ResultatSauvegarde::Annule;
    const QString choisi = dialoguesCadre().choisitEnregistrement(this, dossierDialogues());
    if (choisi.trimmed().isEmpty())
        return ResultatSauvegarde::Annule;
    const QString nom = QFileInfo(choisi).absoluteFilePath();
    dernierDossier_ = QFileInfo(nom).absolutePath();
    if (!ChoisitFenetres())
        return ResultatSauvegarde::Annule;

    QList<QPointer<TForm1>> choisies;
    for (const QString& entree : std::as_const(ListeChoix)) {
        const int i = IndexFenetre(NumeroDeChoix(entree));
        if (i >= 0)
            choisies << fenetres()[i];
    }
    if (choisies.isEmpty())
        return ResultatSauvegarde::Annule;
    const NomsEnregistrement noms = NomsDocuments(nom, int(choisies.size()));
    const bool avecListe = choisies.size() > 1;

    // The dialog asked about the chosen name only: the numbered files and the list are
    // asked about here, all at once, before anything is written.
    QStringList existants;
    for (int k = 1; k < noms.documents.size(); ++k)
        if (QFileInfo::exists(noms.documents[k]))
            existants << QDir::toNativeSeparators(noms.documents[k]);
    if (avecListe && QFileInfo::exists(noms.liste))
        existants << QDir::toNativeSeparators(noms.liste);
    if (!existants.isEmpty()
        && BoiteMessage(this, QMessageBox::Question,
                        QStringLiteral("Ces fichiers existent déjà :\n%1\nLes remplacer ?").arg(existants.join(QLatin1Char('\n'))),
                        QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
               != QMessageBox::Yes)
        return ResultatSauvegarde::Annule;

    for (int k = 0; k < choisies.size(); ++k) {
        if (!choisies[k])
            return ResultatSauvegarde::Echec;
        // A file that cannot be written is reported by the writer; the previous one stays.
        if (!choisies[k]->EnregistreFenetre(noms.documents[k]).ok)
            return ResultatSauvegarde::Echec;
    }
    if (avecListe) {
        const EcritureTexte e = EcritListeDocuments(noms.liste, noms.documents);
        if (!e.ok) {
            montreMessage(e.erreur);
            return ResultatSauvegarde::Echec;
        }
    }
    return ResultatSauvegarde::Enregistre;
}

void TMainForm::FileCloseItemClick()
{
    if (!ChoisitFenetres())
        return;
    for (const QString& entree : std::as_const(ListeChoix)) {
        const int i = IndexFenetre(NumeroDeChoix(entree));
        if (i < 0)
            continue;
        TForm1* fenetre = fenetres()[i];
        // The window's own close, with its question.
        if (auto* sous = qobject_cast<QMdiSubWindow*>(fenetre->parentWidget()))
            sous->close();
        else
            fenetre->close();
    }
}

// ---------------------------------------------------------------------------------------
// Personal transformations

void TMainForm::Transfoperso1Click()
{
    const QString chemin = dialoguesCadre().choisitTransfosOuverture(this, dossierDialogues());
    if (chemin.trimmed().isEmpty())
        return;
    dernierDossier_ = QFileInfo(chemin).absolutePath();
    ChargeTransfosPerso(chemin);
}

bool TMainForm::ChargeTransfosPerso(const QString& chemin)
{
    const LectureTransfos lu = LitTransfosPerso(chemin);
    if (!lu.ok) {
        montreMessage(lu.erreur);
        return false;
    }
    // A file that gives none (empty, or no group that reads) keeps the menu as it is.
    if (lu.nombre() == 0) {
        QStringList texte{QStringLiteral("Aucune transformation personnelle dans %1 : le menu ne change pas.")
                              .arg(QDir::toNativeSeparators(chemin))};
        montreMessage((texte + lu.problemes).join(QLatin1Char('\n')));
        return false;
    }
    ListeAuxiliaire = lu.lignes;
    RefaitMenuTransfos();
    if (!lu.problemes.isEmpty())
        montreMessage(QStringLiteral("Transformations personnelles de %1 :\n%2")
                          .arg(QDir::toNativeSeparators(chemin), lu.problemes.join(QLatin1Char('\n'))));
    return true;
}

bool TMainForm::Trperso1Click()
{
    if (!menuTransfoPerso_->menuAction()->isVisible() || ListeAuxiliaire.isEmpty()) {
        BoiteMessage(this, QMessageBox::Warning, QStringLiteral("Aucune transformation personnelle définie"));
        return false;
    }
    const QString chemin = dialoguesCadre().choisitTransfosEnregistrement(this, dossierDialogues());
    if (chemin.trimmed().isEmpty())
        return false;
    dernierDossier_ = QFileInfo(chemin).absolutePath();
    QString erreur;
    if (!EcritTransfosPerso(chemin, ListeAuxiliaire, &erreur)) {
        montreMessage(erreur);
        return false;
    }
    return true;
}

void TMainForm::RefaitMenuTransfos()
{
    // The items of a previous file go: item k runs group k of the list only.
    menuTransfoPerso_->clear();
    const int n = int(ListeAuxiliaire.size()) / LignesParTransfo;
    for (int k = 0; k < n; ++k) {
        QAction* a = menuTransfoPerso_->addAction(ListeAuxiliaire.at(k * LignesParTransfo));
        a->setObjectName(QStringLiteral("TransfoPerso%1").arg(k));
        a->setData(k);
        connect(a, &QAction::triggered, this, [this, k] { TransfoPersoClick(k); });
    }
    menuTransfoPerso_->menuAction()->setVisible(n > 0);
}

void TMainForm::TransfoPersoClick(int k)
{
    if (k < 0 || (k + 1) * LignesParTransfo > ListeAuxiliaire.size())
        return;
    if (TForm1* f = fenetreActive())
        f->TransfoPersoDesignee(k * LignesParTransfo, menuTransfoPerso_->actions().value(k));
}
