// The frame window: the parent of every graph window. It starts the program (folders,
// settings, logs, the first window "Fenêtre 1"), carries the tool bars, the status bar and
// the warnings panel, shows the active graph window's menus in its menu bar, speaks to the
// user for the graph objects (the interlocutor), and ends the program in order (save
// prompt, session files, removal of this run's working folder).
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <memory>

#include "frame/parametresini.h"

class QAction;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPlainTextEdit;
class QToolBar;
class TForm1;
class GCDessin;
class GCListAires;
class GCCourbe;
class GCAire;
class Interlocuteur;
class BoitesSaisie;
class TParminmax;
enum class CommandeCadre;
enum class BarreOutils;
struct BoutonBarre;
class Tparaauto;
struct LiensEnAttente;

// Where the program keeps its files. Empty fields take the defaults: the program's folder
// when it can be written, else the user's data folder; the session folder "temp" under the
// user's data folder.
struct OptionsCadre {
    QString dossierProgramme;
    QString dossierTemp;
    // Documents named on the command line, as absolute paths (opened at start once
    // documents can be read).
    QStringList documents;
    // With several arguments: all of them joined by blanks, as an absolute path (a path
    // holding blanks that the shell split).
    QString cheminJoint;
};

// "Date : " and the date and time, the first line of both session logs.
QString LigneDate(const QString& prefixe = QStringLiteral("Date : "));

// The program's icon (a curve on a frame with its axes), drawn from its SVG.
QIcon IconeVirk();
// An icon of an SVG of the program's resources, drawn at each size when first shown.
QIcon IconeSvg(const QString& chemin);

class LecteurSon;

class TMainForm : public QMainWindow {
    Q_OBJECT

public:
    explicit TMainForm(const OptionsCadre& options = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // --- program-wide state
    const ParametresIni& parametres() const { return parametres_; }
    QString DossierProgramme() const;
    QString DossierTemp() const;
    QString CheminIni() const;  // DossierProgramme/virk.ini
    // Number that the next new graph window gets; never goes back.
    int CompteurFenetres = 1;
    // Warnings panel allowed.
    bool AvertissementsActifs = true;
    // Answer to the exit prompt.
    QMessageBox::StandardButton ReponseQuitter = QMessageBox::NoButton;
    // Log of the session's commands ("Session.txt" at exit).
    QStringList JournalSession;
    // Messages of the start-up (settings, folders), shown once the frame runs.
    const QStringList& messagesDemarrage() const { return messagesDemarrage_; }
    const OptionsCadre& options() const { return options_; }

    // --- graph windows
    // Creates a graph window numbered CompteurFenetres (the caller adds 1 to the counter
    // right after), with that caption (an empty caption keeps the title of new windows),
    // and makes it the active one.
    TForm1* CreeFenetre(const QString& titre);
    // Plays a sound file (the graph windows' Ecouter); the previous sound stops.
    void musique(const QString& chemin);
    // The open graph windows, in creation order.
    QList<TForm1*> fenetres() const;
    // The active graph window (the current one of the MDI area), or null.
    TForm1* fenetreActive() const;
    // Index in fenetres() of the window of that number, searched from the last to the
    // first; -1 when none.
    int IndexFenetre(int numero) const;
    QMdiArea* zoneMdi() const { return zoneMdi_; }
    // The curve of that identifier, searched over the windows from the last to the first
    // (disabled windows are passed over); null when none.
    std::shared_ptr<GCCourbe> CourbeParIdentifiant(const QString& identifiant) const;
    // The area of that identity stamp, searched over the windows by increasing number; null
    // when none.
    std::shared_ptr<GCAire> AireParEmpreinte(const QString& empreinte) const;

    // --- documents
    // The entries of the last choice of windows: "#" + number + ": " + caption.
    QStringList ListeChoix;
    // Menus "&Nouveau" and "&Nouvelle fenêtre": a new window "Fenêtre " + its number, with
    // the auxiliary functions of the active window ("0" each when there is none).
    TForm1* Nouvellefentre1Click();
    // Menu "&Ouvrir": the open dialog, then OuvreFichiers; nothing when it is cancelled.
    void FileOpenItemClick();
    // Opens files as the open dialog gives them: when the first is a list (".rkv", any
    // case), only that list, each document it names in a new window; otherwise each file
    // in a new window. Then the links between documents are resolved.
    void OuvreFichiers(const QStringList& chemins);
    // What the command line names (run once the frame shows): its first menu file (".txt")
    // becomes the menus of window 1 and of the windows made next (a pupil's reduced
    // program), whatever menu file their documents name; a document goes into window 1
    // (others into new windows), a list as from the open dialog.
    void FormShow();
    // Menu "&Fermer": each chosen window closes with its own question.
    void FileCloseItemClick();
    // ListeChoix := one entry per window, from the last to the first.
    void ListeFenetres();
    // The chooser of windows; false when nothing was chosen (ListeChoix then empty).
    bool ChoisitFenetres();
    // After the last document of an opening: shared curves and areas shown in the windows
    // that name them, derived curves and transformed areas attached to their mothers (a
    // derived curve without mother is reported and removed), then every window compiled
    // and its curves shown. The lists are emptied.
    void ResoutLiens(LiensEnAttente& liens);
    // "La courbe ... n'a pas de mère!", and the curve leaves its window.
    void SignaleSansMere(const std::shared_ptr<GCCourbe>& courbe);

    // --- choosers across windows
    // "Choix d'un libellé déjà défini": the distinct labels of the curves of every window
    // (the last window first) whose kind letter is in genres; the chosen label, or empty on
    // cancel. None: "Aucune courbe disponible !" and empty. The curve definition dialog asks
    // it for "Libellé existant".
    QString ChoisitLibelle(const QString& genres);

    // --- personal transformations
    // Their lines, eight per transformation (name, six coefficient texts, operation code),
    // group k behind the k-th item of the menu "Transfo. perso." (the graph layer's list,
    // which the parameter dialog of the operations appends to).
    QStringList& ListeAuxiliaire;
    // Menu Ouvrir > Transfo. personnelles: the open dialog, then ChargeTransfosPerso.
    void Transfoperso1Click();
    // Reads the file into ListeAuxiliaire (replacing it) and the menu (its previous items
    // go), which shows when it holds an item. Groups that cannot be used are left out and
    // reported; a file that cannot be read changes nothing. False in that case.
    bool ChargeTransfosPerso(const QString& chemin);
    // Menu Enregistrer > Transfo. perso: the save dialog and ListeAuxiliaire written, or
    // "Aucune transformation personnelle définie"; false when nothing was written.
    bool Trperso1Click();
    // The item of transformation k of the menu: the transformation applied to the curves
    // designated in the active window.
    void TransfoPersoClick(int k);
    QMenu* MenuTransfoPerso() const { return menuTransfoPerso_; }

    // --- warnings memo
    // "-> Problème de calcul ! ..." naming the curve.
    void AjouteAvertissement(const QString& libelle);
    // One line of the memo, as it stands.
    void AjouteLigneAvertissement(const QString& ligne);
    void VideAvertissements();
    QPlainTextEdit* MemoAvert();
    QWidget* Panel1() const { return panel1_; }

    // --- tool bars and status bar
    // The standard bar is made with the frame, the others when first shown or asked for.
    QToolBar* SpeedPanel() const { return speedPanel_; }
    QToolBar* TransfoBar();
    QToolBar* Op1Bar();
    QToolBar* SupplBar();
    QToolBar* Barre(BarreOutils barre);
    // The menu of the frame's bars, each one listed and shown or hidden from it.
    QMenu* createPopupMenu() override;
    // A button of the bars by name ("OpenBtn", "sbSymH"...), null when none.
    QAction* Bouton(const QString& nom) const;
    // A click of that button: the item it runs, in the active window.
    void BoutonClique(const BoutonBarre& bouton);
    // The buttons follow the active window: shown, enabled and down as their items are
    // (with no window, only the open button acts); also after a bar is shown or hidden.
    void AppliqueBarresOutils();
    QLabel* PanneauEtat(int i) const { return panneaux_[i]; }
    // Options > Barres d'outils: "Barres d'outils" preset from the bars, the warnings panel
    // and the status bar as they are; OK applies the six boxes.
    void Barresdoutils1Click();

    // Forms that live for the whole run once made, hidden.
    Tparaauto* paraauto();
    TParminmax* Parminmax();

    // --- commands
    // Writes the settings file from the active window (asks before replacing the file);
    // false when nothing was written.
    bool Configuration1Click();
    // Menu "&Quitter": goes through the frame's close, like the window's close button.
    void FileExitItemClick();
    // Menu "&Enregistrer" (and the exit prompt's "Oui"): the save dialog, the windows
    // chosen, one document per window and a list when there are several. Enregistre only
    // when every file was written; a cancelled dialog or chooser, or a refusal to replace
    // files, gives Annule; a file that could not be written (reported, the previous file
    // left whole) gives Echec.
    enum class ResultatSauvegarde { Enregistre, Annule, Echec };
    virtual ResultatSauvegarde FileSaveItemClick();
    // Runs a frame command that a graph window's menu gives (the exit once the current
    // event has returned: it deletes the window).
    void ExecuteCommande(CommandeCadre commande);
    // The window commands. Cascade: as the MDI area lays them out. Tiles: horizontal ones
    // are laid one above the other, vertical ones side by side, in a grid once there are
    // more than three; minimised windows keep their place. Arrange: the minimised windows
    // in a row along the bottom. Minimise all: every window from the last to the first,
    // then arranged.
    void WindowCascadeItemClick();
    void WindowTileItemClick();
    void MosaqueVerticale1Click();
    void WindowArrangeItemClick();
    void WindowMinimizeItemClick();
    // Panel1 follows the memo: shown when warnings are allowed and it holds a line; the
    // Fichier items that need a window are enabled only while one is open; the buttons
    // follow the active window.
    void UpdateMenuItems();
    // Menu "&Informations": how many windows were created, the captions of the open ones
    // (last first), how many were closed.
    void Infos1Click();
    // The list of the open windows at the end of that "Fenêtre" menu (the active one
    // checked); choosing one brings it forward.
    void ListeDesFenetres(QMenu* menu);
    // The application's hint handler: the hint goes to the third panel of the status bar.
    void AfficheConseil(const QString& conseil);
    // A message box for the graph objects (never while a widget paints: then it waits for
    // the end of the paint); the same text is not shown twice at once.
    // With a help topic (0 or more), the box also offers "Aide", which opens the help there
    // (a message that comes while painting waits for the paint to end, without it).
    void montreMessage(const QString& texte, int sujetAide = -1);

protected:
    void closeEvent(QCloseEvent* evenement) override;
    void wheelEvent(QWheelEvent* evenement) override;
    bool event(QEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    void construitFenetre();
    // Horizontal tiles (true) or vertical ones over the windows that are not minimised.
    void mosaique(bool horizontale);
    void construitMenus();
    void construitBarres();
    void garnitBarre(QToolBar* barre);
    static QToolBar* TMainForm::*membreBarre(BarreOutils barre);
    bool barreMontree(BarreOutils barre) const;
    void montreBarre(BarreOutils barre, bool visible);
    // The buttons follow the changes of that window's items while it is the active one.
    void suitArticles(TForm1* fenetre);
    void determineDossiers(const OptionsCadre& options);
    void LitParametresIni();
    void appliqueParametres();
    // The forms' colour of the settings on the frame.
    void appliqueCouleurFiche();
    void metMenusAJour();
    void fenetreDetruite(QObject* fenetre);
    // The exit prompt and what follows it; false when the program goes on.
    bool demandeFin();
    void ecritJournaux();
    void supprimeDossierTravail();
    void montreMessagesDemarrage();
    void montreMessagesEnAttente();
    // One document in a new window (a missing file is only listed in introuvables).
    TForm1* litDansNouvelleFenetre(const QString& chemin, LiensEnAttente& liens, QStringList& introuvables);
    // Each document of a list in a new window.
    void litListe(const QString& chemin, LiensEnAttente& liens, QStringList& introuvables);
    // The mother of that identifier for the curve: in the curve's own window first.
    std::shared_ptr<GCCourbe> mereDe(const GCCourbe& courbe, const QString& identifiant) const;
    // Where the file dialogs start: the folder last used, else the user's documents.
    QString dossierDialogues() const;

    ParametresIni parametres_;
    FichierIni ini_;  // the settings file as read at start: the frames of new windows read it
    QStringList messagesDemarrage_;
    OptionsCadre options_;
    std::unique_ptr<Interlocuteur> interlocuteur_;
    Interlocuteur* interlocuteurPrecedent_ = nullptr;
    std::unique_ptr<BoitesSaisie> boites_;   // the dialogs' system boxes, with ChoisitLibelle

    QMdiArea* zoneMdi_ = nullptr;
    std::unique_ptr<LecteurSon> lecteurSon_;   // loaded with the first sound
    QList<QAction*> boutons_;   // the tool bars' buttons, in the table's order
    QWidget* panel1_ = nullptr;
    QPlainTextEdit* memoAvert_ = nullptr;
    QToolBar* speedPanel_ = nullptr;
    QToolBar* transfoBar_ = nullptr;
    QToolBar* op1Bar_ = nullptr;
    QToolBar* supplBar_ = nullptr;
    QLabel* panneaux_[3] = {nullptr, nullptr, nullptr};
    Tparaauto* paraauto_ = nullptr;
    TParminmax* parminmax_ = nullptr;
    QMenu* menuFichier_ = nullptr;
    QMenu* menuTransfoPerso_ = nullptr;
    // One item per transformation of ListeAuxiliaire; the menu shows when it has one.
    void RefaitMenuTransfos();
    QMenu* menuFenetre_ = nullptr;

    struct Inscription {
        QPointer<TForm1> fenetre;
        QObject* cle = nullptr;
        GCDessin* dessin = nullptr;
        GCListAires* aires = nullptr;
    };
    QList<Inscription> inscriptions_;  // windows in creation order, with their lists

    QStringList messagesEnAttente_;
    QSet<QString> messagesOuverts_;
    bool messagesPrevus_ = false;
    bool panneauPrevu_ = false;
    bool boutonsPrevus_ = false;
    bool rouletteOuverte_ = false;
    bool fini_ = false;
    bool ouvertureEnCours_ = false;
    // The follower of the opening under way (null outside one).
    class SuiviOuverture* suiviOuverture_ = nullptr;
    QString dernierDossier_;
};
