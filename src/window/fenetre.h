// The graph window: one document of the program, shown as one child of the frame's MDI
// area. It owns the document's frame (GCRepere), its curves (GCDessin, which holds its
// polygonal plates too), texts (GCListTextes), areas (GCListAires) and its ten auxiliary
// functions F0..F9, paints them through an off-screen buffer, and carries the window's main
// menu, its two pop-up menus and its close procedure.
//
// What the frame needs:
// - create it with its number (the window's tag), put it in a QMdiSubWindow;
// - show menus() in its menu bar while the window is the active child, and refresh its
//   own menu items and buttons when etatMenusChange() is emitted;
// - run the frame-side commands that commandeCadre() names (CommandeCadre);
// - clear its warnings memo on videAvertissements();
// - call FormActivate() when the sub-window becomes active;
// - at exit, delete the windows directly (closing them asks the user).
#pragma once

#include <QColor>
#include <QImage>
#include <QHash>
#include <QList>
#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "graph/base/GCclasse_base.h"
#include "graph/document/GCDocument.h"
#include "graph/document/document.h"
#include "graph/fichiers/fichiermenus.h"
#include "window/designation.h"

class QAction;
class QMenu;
class QPainter;
class QLabel;
class QUrl;
class GCRepere;
class GCDessin;
class GCListTextes;
class GCListAires;
class GCCourbe;
class GCAire;
class TForm1;
class InterlocuteurPeinture;

// ---------------------------------------------------------------------------------------
// The window's main menu as data: one row per item, in menu order (a top-level item, then
// its sub-items recursively, then the next top-level item). The menu customisation file and
// the frame's tool bars walk the same table.

using GestionnaireMenu = void (TForm1::*)(QAction* emetteur);

struct ArticleMenu {
    int profondeur;               // 0 for a top-level menu, 1 for its items, 2...
    const char* nom;              // the item's name (objectName of its QAction)
    const char* libelle;          // caption, accelerator mark "&" included
    const char* raccourci;        // key sequence ("Ctrl+X") or null
    GestionnaireMenu gestionnaire;// null: the item opens a sub-menu, or is not available yet
    int tag = 0;                  // the item's tag (items that share a handler)
    bool cochable = false;        // the item carries a check mark
};

// Every item of the window's main menu, in menu order.
const std::vector<ArticleMenu>& TableMenuPrincipal();

// The message of a command that this version does not offer yet.
QString MessageNonDisponible();
// "Fichier " + nom + " introuvable, remplacé par defaut.txt": a menu file that is not there.
QString MessageMenusIntrouvables(const QString& nom);
// Writes the built-in menus as the Menus folder's "defaut.txt" when that file is missing;
// false with the French reason when it cannot be written.
bool InstalleMenusParDefaut(QString* erreur = nullptr);

// The commands of the window's menus that the frame carries out: they open, save, close or
// arrange windows, or reach what only the frame holds.
enum class CommandeCadre {
    Ouvrir,                     // Fichier > Ouvrir > Fichier de Courbes
    Enregistrer,                // Fichier > Enregistrer > Fenêtres
    Fermer,                     // Fichier > Fermer
    Quitter,                    // Fichier > Quitter
    Configuration,              // Fichier > Enregistrer > Configuration
    OuvrirTransfosPerso,        // Fichier > Ouvrir > Transfo. personnelles
    EnregistrerTransfosPerso,   // Fichier > Enregistrer > Transfo. perso
    NouvelleFenetre,            // Fenêtre > Nouvelle fenêtre
    Cascade,                    // Fenêtre > Cascade
    MosaiqueHorizontale,        // Fenêtre > Mosaïque horizontale
    MosaiqueVerticale,          // Fenêtre > Mosaïque verticale
    ToutReduire,                // Fenêtre > Tout réduire
    Informations,               // Fenêtre > Informations
    HistoriqueSession,          // Edition > Historiques > Items menu
    BarresOutils,               // Options > Barres d'outils
    RedessineFenetres,          // every window drawn again (parameters or F0..F9 changed)
    Options,                    // Options > Paramètres confirmed: the forms' colour, then as above
};

// ---------------------------------------------------------------------------------------
// Dialogs of the window itself (colour, title, size, text viewer). The window shows them
// through this interface, so that tests can script the answers; the default one uses Qt's
// dialogs.

class DialoguesFenetre {
public:
    virtual ~DialoguesFenetre() = default;
    // Colour dialog; true and the colour changed on OK.
    virtual bool choisitCouleur(QWidget* parent, QColor& couleur) = 0;
    // One-line text dialog with a caption and a prompt; true and the text changed on OK.
    virtual bool saisitTexte(QWidget* parent, const QString& titre, const QString& invite,
                             QString& texte) = 0;
    // The same, where a text that refus refuses (its French reason; empty when accepted) is
    // reported and the dialog stays open. By default over saisitTexte: a refused answer is
    // reported and counts as cancelled.
    virtual bool saisitTexteVerifie(QWidget* parent, const QString& titre, const QString& invite, QString& texte,
                                    const std::function<QString(const QString&)>& refus);
    // Window size dialog (client width and height); true and both changed on OK.
    virtual bool saisitTaille(QWidget* parent, int& largeur, int& hauteur) = 0;
    // The text editor "Editeur" on lines that belong to no file yet (titre "SansNom.txt"),
    // modal: the text can be changed and saved under a name.
    virtual void montreTexte(QWidget* parent, const QString& titre, const QStringList& lignes) = 0;
    // The same as a viewer only (the text cannot be changed nor saved).
    virtual void montreTexteFixe(QWidget* parent, const QString& titre, const QStringList& lignes)
    {
        montreTexte(parent, titre, lignes);
    }
};

// The window dialogs in place (etatFenetres().dialogues), else Qt's own.
DialoguesFenetre& dialoguesFenetre();

// ---------------------------------------------------------------------------------------
// Defaults of new windows (from the settings file) and the window subsystem's shared
// values.

class FichierIni;

struct ReglagesFenetres {
    QString TitreFenetre = QStringLiteral("Fenêtre 1");
    TCouleur CouleurFenetre = 0xFFFFFF;
    int LargeurFenetre = 520;   // client size of a new window
    int HauteurFenetre = 520;
    // The current menu customisation file, as the settings name it: what the documents
    // record.
    QString FichierMenus = QStringLiteral("Menus\\defaut.txt");
    // The settings file as read at start-up (null: none): the frame of every new window
    // reads its defaults from it.
    const FichierIni* Ini = nullptr;
};

// What the mouse shares across windows: one drag at a time, the point being edited, and
// what is selected for transport to another window (the small drag image of each window).
struct EtatSouris {
    bool DeplacementEnCours = false;  // a drag or a point edit is in progress
    bool PointTrouve = false;         // in point edit, a point of the curve is under the mouse
    int IndicePointDeplace = -1;      // line of the point being edited (from 1), -1 none
    bool RepereSelectionne = false;   // the frame is selected for transport
    std::vector<std::shared_ptr<GCCourbe>> CourbesSelectionnees;
};
// What the graph windows share: the window layer's one state, put back to its defaults by
// reinitialiseFenetres() after reinitialiseSaisie().
// The web address given when the program was built (CMake variable VIRK_ADRESSE_SITE),
// empty when none was.
QString AdresseSiteConstruite();

struct EtatFenetres {
    ReglagesFenetres Reglages;
    // The curve under the mouse (target of the curve pop-up menu); a weak reference, so a
    // deleted curve leaves it empty.
    std::weak_ptr<GCCourbe> CourbeCourante;
    // The hit code of the last mouse press: a curve number when positive, 0 nothing,
    // negative for the frame's objects.
    int CodeObjetSouris = 0;
    // The designation of the last command that asked for one (window/designation.h).
    Designation designation;
    EtatSouris souris;
    // Whether entering the manual zoom, point-by-point, polyline and freehand input shows
    // that mode's explanation; each is cleared when the user ticks "Ne plus afficher ce
    // message." under it, for the rest of the run.
    bool MontrerAideZoom = true;
    bool MontrerAidePoint = true;
    bool MontrerAideLigne = true;
    bool MontrerAideMainLevee = true;
    // Whether the tip by the cursor (LabelInfo: the name of the curve under the mouse) is
    // shown.
    bool MontrerBulles = true;
    // Seams: the window dialogs in place (none: Qt's own; tests put scripted ones here for a
    // while, and the reset takes them away), and the maker of new windows (the frame's
    // new-window command, kept by the reset).
    DialoguesFenetre* dialogues = nullptr;
    CreateurFenetre createurFenetre;
    // Plays a sound file (the frame's player); none: nothing is played.
    std::function<void(const QString&)> joueSon;
    // Opens a web address in the desktop's browser (none: through QDesktopServices); false
    // when nothing opened it.
    std::function<bool(const QUrl&)> ouvreAdresse;
    // The program's web address, opened by Aide > Site VIRK: the one fixed when the program
    // was built (empty: none).
    QString AdresseSite = AdresseSiteConstruite();
    // The hint the frame's status bar shows (what F1 opens the help at; kept by the reset);
    // none: no hint.
    std::function<QString()> conseilCadre;
};

EtatFenetres& etatFenetres();
// Back to the defaults after reinitialiseSaisie(), Qt's own dialogs in place again; the
// maker of windows, the player and the frame's hint are kept (tests, new session).
void reinitialiseFenetres();

inline ReglagesFenetres& reglagesFenetres() { return etatFenetres().Reglages; }
// The help topic that F1 opens in a window, chosen by the first five characters of the
// hint the status bar shows (the button last pointed at, or what lies under the mouse);
// the contents for any other hint.
int SujetAideDuConseil(const QString& conseil);
inline std::weak_ptr<GCCourbe>& CourbeCourante() { return etatFenetres().CourbeCourante; }
inline int& CodeObjetSouris() { return etatFenetres().CodeObjetSouris; }
inline EtatSouris& etatSouris() { return etatFenetres().souris; }
// The curve leaves the transport selection (a curve taken out of its window).
void DeselectionneCourbe(const GCCourbe* courbe);

// The same for areas, by their kind (A, J, M, T); null for another kind.
std::shared_ptr<GCAire> CloneAire(const GCAire& source, int numero, int numeroFenetre);

// The sample-value sheet (dialogs/voirechant.h) on those tabs, as a window of its own; the
// histograms it makes go to new graph windows.
struct FeuilleValeurs;
class TEchant;
TEchant* OuvreFeuilleValeurs(const std::vector<FeuilleValeurs>& feuilles, QWidget* parent = nullptr);

// The index of the curve of that identifier in the list (the designated curves), or -1.
int IndiceCourbeParIdentifiant(const std::vector<std::shared_ptr<GCCourbe>>& courbes,
                               const QString& identifiant);

// The fields of "Modifications communes" for curves of these kind letters: bit 0..6 the
// appearance and parameter modes, 7 start and step of a data file, 8 start of the domain, 9
// its end, 10 the step, 11 random sampling, 12 the order, 13 the number of iterations.
std::uint16_t ChampsCommuns(const QString& genres);
// The points of the curve's cache as chronicles of the window: its ordinates and/or
// abscissae written to "f<window>c<number>_<n>o.dta" / "a.dta" in the working folder, each
// read by a new chronicle (first abscissa debut, step pas). The number of chronicles made;
// a curve without points says so and makes none.
int TransfereEnChronique(TForm1& destination, const GCCourbe& courbe, const QString& debut, const QString& pas,
                         bool ordonnees, bool abscisses);

// Client sizes taken from documents and settings are kept within these bounds.
constexpr int TailleFenetreMin = 80;
constexpr int TailleFenetreMax = 8192;

// The mouse modes of a window (its ModeSouris): what a press, a move, a release and a
// click of the paint box do there.
enum ModeSourisFenetre : int {
    SourisPointEdite = 1,     // a point of a list curve, or a point on a curve, dragged
    SourisDistance = 2,       // distances measured
    SourisVecteurI = 3,       // the unit vector OI dragged
    SourisVecteurJ = 4,       // the unit vector OJ dragged
    SourisAxes = 5,           // the axes dragged
    SourisMainLevee = 6,      // freehand input
    SourisCoordonnees = 7,    // the coordinates cross-hair
    SourisPointParPoint = 8,  // point-by-point input
    SourisTexte = 9,          // the next click places a text
    SourisLigneBrisee = 10,   // polyline input
    SourisRepos = 11,         // idle
    SourisPrimitive = 12,     // a primitive through the point clicked
    SourisTangente = 13,      // a tangent (and its kin) at the point clicked
    SourisZoom = 14,          // zoom rectangle
};

// ---------------------------------------------------------------------------------------

class TForm1 : public QWidget {
    Q_OBJECT

    // The window's document, made first: the fields below name parts of it.
    std::unique_ptr<GCDocument> document_;

public:
    // numero: the window's number (its tag), given by the frame in creation order.
    explicit TForm1(int numero, QWidget* parent = nullptr);
    ~TForm1() override;

    int numero() const { return numero_; }
    int Tag() const { return numero_; }

    // The caption (title). A ";" or a line break, which documents cannot hold in a field,
    // becomes ",".
    QString titre() const { return windowTitle(); }
    void fixeTitre(const QString& titre);

    // The main menu's top-level menus, in order, for the frame's menu bar.
    QList<QMenu*> menus() const { return menus_; }
    // The action of a main-menu item, by name (null when there is none).
    QAction* action(const QString& nom) const;
    // The two pop-up menus: window options, curve options.
    QMenu* Optionfenetre() const { return optionFenetre_; }
    QMenu* OptionTrace() const { return optionTrace_; }
    // The pop-up menu of an area, and the area it acts on: the topmost visible area whose
    // last computed pixels hold that point of the paint box (false when none does).
    QMenu* OptionAire() const { return optionAire_; }
    bool choisitAireCliquee(QPoint point);
    std::shared_ptr<GCAire> aireCliquee() const { return aireCliquee_.lock(); }

    // Asks whether the window may close ("Etes-vous sûr(e) de vouloir fermer cette
    // fenêtre ?"); on yes, the curves that no other window lists leave the names callable
    // in formulas, and the frame's warnings are cleared. The window's closeEvent goes
    // through it.
    bool confirmeFermeture();

    // --- menu customisation
    // Each row of TableMenuPrincipal() (same index) keeps its own mark ("+" shown, "-"
    // hidden) and caption, as the last menu file or the customisation dialog gave them
    // ("+" and the table's caption at start). The menus and the frame's tool bars are made
    // from them:
    //  - an item is shown when its mark is "+";
    //  - it is enabled when its mark is "+", its parent is enabled and the command's own
    //    state (FixeEtatCommande) allows it;
    //  - Options, Options > Menus and Options > Menus > Charger, the way back to the default
    //    menus, are always shown and enabled, whatever their marks.
    // The actions of the items show these states (the frame's buttons follow them: a button
    // only while its item and every menu above it are shown).
    const std::vector<ArticleMenuPerso>& ArticlesMenu() const { return articlesMenu_; }
    // The command's own state (an Edit command with nothing to cut...), on top of its mark.
    void FixeEtatCommande(const QString& nom, bool actif);
    // The menu file's lines of the menus as they stand.
    QStringList LignesMenus() const;
    // Loads a menu file (a path of this machine): the marks and captions it gives, then the
    // menus and the frame's buttons follow. A missing file ("Fichier ... introuvable,
    // remplacé par defaut.txt"), a file that cannot be read or is not a menu file is
    // reported and changes nothing. True when loaded (CheminMenus is then that file).
    bool ChargerMenus(const QString& chemin);
    // ChargerMenus, and when loaded the file becomes this window's menu file (what its
    // document records) and the one of the windows made next.
    bool AdopteMenus(const QString& chemin);
    // Writes the menus as they stand (each item's own mark); a failure is reported.
    bool SauverMenus(const QString& chemin);
    // Options > Menus > Charger, Sauver, Personnaliser: the file chosen becomes the menu
    // file of this window and of the windows made next; Personnaliser writes the Menus
    // folder's "perso.txt" and loads it. Options > Barres d'outils: the frame's bars.
    void Charger1Click(QAction* = nullptr);
    void Sauver2Click(QAction* = nullptr);
    void Personnaliser1Click(QAction* = nullptr);
    void Barresdoutils1Click(QAction* = nullptr);

    // --- the document (graph/document/GCDocument.h): what the window shows and its file
    // holds; the window paints it through GCDocument::Dessine.
    GCDocument& Document() { return *document_; }
    const GCDocument& Document() const { return *document_; }
    GCDessin& Dessin() { return document_->Dessin; }
    GCRepere& Repere() { return document_->Repere; }
    GCListTextes& Textes() { return document_->Textes; }
    GCListAires& Aires() { return document_->Aires; }
    std::array<QString, 10>& FonctionsAux() { return document_->FonctionsAux; }
    const std::array<QString, 10>& FonctionsAux() const { return document_->FonctionsAux; }

    // Background: 0 plain colour, 1 loaded picture under the drawing, 2 rendering of the
    // areas.
    int ModeFond() const { return document_->Fenetre.ModeFond; }
    void FixeModeFond(int mode) { document_->Fenetre.ModeFond = mode; }
    QColor couleurFond() const { return VersQColor(document_->Fenetre.CouleurFond); }
    void fixeCouleurFond(const QColor& couleur);
    // The document's fields under the window's names. The background picture (mode 1): its
    // path as stored, whether it is stretched, and the picture itself (null when it could
    // not be loaded).
    QString& FichierImage;
    bool& EtireImage;
    QImage& ImageFond;

    QString& Commentaire;         // the document's comment: the path of its comments file
    QString DossierDocument;      // folder of the document read into the window, if any
    bool CommentaireAMontrer = true;
    // The comments file was saved by the user in this run (Fichier > Commentaires), wherever
    // the user chose; else it is the document's, read from the document's folder only.
    bool CommentaireChoisi = false;
    // The menu customisation file of this window: the settings' one, or the one its
    // document named (as stored, written back unchanged), and the existing file that it was
    // found to be (empty when none was found).
    QString& FichierMenus;
    QString& CheminMenus;
    bool SuitParametres = false;  // parameter keys redraw through the back buffer
    // The next paint computes the areas again.
    bool& AiresARecalculer;
    ModeSourisFenetre ModeSouris = SourisRepos;
    int XClic = 0, YClic = 0;
    double UniteX = 0, UniteY = 0;   // world units per pixel, from the last paint
    QString NomCourbeDeplacee;

    // The drawing area (the paint box), its size and the last rendering.
    QWidget* PaintBox() const { return paintBox_; }
    QSize tailleDessin() const;
    const QImage& Tampon() const { return tampon_; }
    // What the paint box shows: the last rendering, texts included.
    const QImage& Affichage() const { return affichage_; }
    // The area layer (mode 2) or background picture layer (mode 1), paint-box sized.
    const QImage& CoucheFond() const { return document_->CoucheFond(); }
    // Number of renderings made so far (tests and benchmarks).
    int nombrePeintures() const { return peintures_; }

    // Client size of the window (the paint box fills it), kept within the bounds.
    void fixeTailleClient(int largeur, int hauteur);

    // --- the document file
    // The window's records, in document order.
    QStringList EcrireFenetre();
    // Writes the window's document to that path; a failure is shown ("Impossible
    // d'enregistrer ...") and leaves the previous file whole.
    RapportEcriture EnregistreFenetre(const QString& chemin);
    // Reads a document into this new, empty window, with the pending links of the opening,
    // and applies what it holds: title, geometry (kept within the size bounds and on
    // screen), background, picture, comment, menu file. The curves stay hidden until the
    // opener has resolved the links. Problems are shown in one message.
    RapportLecture LitDocument(const QString& chemin, LiensEnAttente& liens);
    // The outer bounds of the window in its parent's client area (its MDI sub-window's when
    // it has one), and whether it is maximised.
    QRect cadreFenetre() const;
    bool estMaximisee() const;
    // Puts the window at those outer bounds: the client size kept within the bounds, the
    // title bar inside the parent's area.
    void placeFenetre(int gauche, int haut, int largeur, int hauteur, bool maximisee);

    // --- operations of the window
    // Compiles F0..F9 into the program-wide table; a text that does not compile is reported
    // (once until it changes) after the paint.
    void CompileFonctionsAux();
    // Renders the whole window into the back buffer now and shows it (keep >= 1: draw over
    // the previous rendering instead of clearing it).
    void DessineTampon(int garde = 0);
    // The window's paint, as the paint box runs it: into the painter (the back buffer).
    void PaintBoxPaint(QPainter& peintre);
    // The parameter-variation step: parameter indice (0..9) takes the value text in every
    // designated curve and area, and each window concerned is redrawn through its back
    // buffer, mode being passed as "keep". Mode 2 first makes a copy of every designated
    // curve and area in its own window, derived copies pointing at the copies of their
    // designated mothers, so that each step leaves its trace. Windows that are gone (null)
    // and objects whose window is not in the list are passed over.
    static void RedessineApresParametre(int indice, const QString& valeur, int mode,
                                        const std::vector<std::shared_ptr<GCCourbe>>& courbes,
                                        const std::vector<std::shared_ptr<GCAire>>& aires,
                                        const QList<QPointer<TForm1>>& fenetres);
    // The curves' and the auxiliary functions' messages already shown are forgotten (after a
    // definition changed), so that they are shown again at the next paint if still true.
    void oublieMessages();

    // --- handlers of the main menu and the pop-up menus
    void FormActivate();
    void FormResize();
    void Changerlataille1Click(QAction* = nullptr);
    void Changerletitre1Click(QAction* = nullptr);
    void Changerlacouleurdufond1Click(QAction* = nullptr);
    void PaintBoxDblClick(QAction* = nullptr);
    void DupliquerClick(QAction* emetteur = nullptr);
    void DupInvClick(QAction* = nullptr);
    void InfoscrbClick(QAction* = nullptr);
    void chgnomClick(QAction* = nullptr);
    // The values of the curve clicked (else the current one) in the sample-value sheet.
    void Tableaudevaleurs1Click(QAction* = nullptr);
    // Infos > Tableaux de valeurs: the curves designated, one tab each.
    void Echantillons1Click(QAction* = nullptr);
    // One tab per curve, read from its point cache (traced first when it has none): X and Y,
    // or rho and theta in degrees in a polar frame. Curves without a computed point get an
    // empty tab and a message.
    void TableauValeurs(const std::vector<std::shared_ptr<GCCourbe>>& courbes);
    // Fichier > Imprimer: "Impression des tracés" on the window's document.
    void Imprimer1Click(QAction* = nullptr);
    // --- sound (fenetre_son.cpp)
    // Courbes > Ecouter (a curve chosen) and the curve pop-up's Ecouter (the curve under the
    // mouse): the curve's ordinates written as a WAV file (EcritWav), which the frame plays.
    void Ecouter1Click(QAction* emetteur = nullptr);
    // The WAV file of the current curve: its rate and format asked ("courbe --> Wav"), then
    // written to the file chosen when "Sauvegarder" is ticked, else to the working folder's
    // "SansNom.wav". The path written, or empty (cancelled, nothing to sample, or a failure
    // said).
    QString EcritWav();
    // Fichier > Ouvrir > Fichier son (Wav): a WAV file chosen, then ConvertitWav.
    void FichiersonWav1Click(QAction* = nullptr);
    // A WAV file's samples as text files of the working folder ("Wav --> Texte"), and a
    // chronicle of them (the left channel in stereo), one point every 1/rate second, in a new
    // window fitted to it. The new window, or null (refused, cancelled or failed, said).
    static TForm1* ConvertitWav(const QString& chemin, QWidget* parent = nullptr);
    // Frame-side commands of the window's menus.
    void Ouvrir1Click(QAction* = nullptr);
    void Libells2Click(QAction* = nullptr);
    void Fermer1Click(QAction* = nullptr);
    void Quitter1Click(QAction* = nullptr);
    void Toutrduire1Click(QAction* = nullptr);
    void Mosaqueverticale1Click(QAction* = nullptr);
    void Mosaquehorizontale1Click(QAction* = nullptr);
    void Cascade1Click(QAction* = nullptr);
    void Informations1Click(QAction* = nullptr);
    void Nouvellefentre1Click(QAction* = nullptr);
    // Fichier > Enregistrer > Configuration: the settings file, from this window (the
    // active one).
    void Configuration1Click(QAction* = nullptr);
    // Fichier > Ouvrir > Transfo. personnelles and Fichier > Enregistrer > Transfo. perso:
    // the personal transformations live in the frame's menu.
    void Transfoperso1Click(QAction* = nullptr);
    void Trperso1Click(QAction* = nullptr);
    // Courbes > Définir: the kind letter and sub-kind follow from the item.
    void DefinirCourbeClick(QAction* emetteur = nullptr);
    // Courbes > Cacher / Montrer, Courbes > Supprimer, Aires > Cacher / Montrer, Textes >
    // Cacher/Montrer (designation.h).
    void Cacher1Click(QAction* = nullptr);
    void Supprimer1Click(QAction* = nullptr);
    void CacherVoir1Click(QAction* = nullptr);
    void CacherMontrerClick(QAction* = nullptr);
    // The Aires menu: Définir > Système d'inéquations, Modifier (an inequation system, or
    // any area), Supprimer, Infos > Aires, and the area pop-up menu.
    void Dfinir2Click(QAction* = nullptr);
    void Modifier3Click(QAction* emetteur = nullptr);
    void Supprimer3Click(QAction* = nullptr);
    void Plaquepolygonale1Click(QAction* emetteur = nullptr);
    void Plaquepolygonale2Click(QAction* = nullptr);
    void Plaquepolygonale3Click(QAction* = nullptr);
    void Aires1Click(QAction* = nullptr);
    void Changecoul1Click(QAction* = nullptr);
    void Calcaire1Click(QAction* = nullptr);
    // The Textes menu: Ecrire (the next click of the paint box places a text), Modifier and
    // Supprimer (texts chosen in the two-list chooser).
    void Ecrire1Click(QAction* = nullptr);
    void Modifier2Click(QAction* = nullptr);
    void Supprimer2Click(QAction* = nullptr);
    // --- the mouse (fenetre_souris.cpp): the paint box's press, move, release and click,
    // at paint-box pixels, by the mouse mode.
    void PaintBoxMouseDown(Qt::MouseButton bouton, Qt::KeyboardModifiers touches, int x, int y);
    void PaintBoxMouseMove(Qt::MouseButtons boutons, int x, int y);
    void PaintBoxMouseUp(Qt::MouseButton bouton, int x, int y);
    // A click of the paint box (the left button pressed and released there), at the press
    // point XClic, YClic: what it does follows the mouse mode. It runs before the release.
    void PaintBoxClick();
    // Several objects under the pixel: the user picks one in "Choix d'un tracé" (axes,
    // origin and curves; the unit vectors are not offered). Its code, or 0 on cancel.
    int LeveAmbiguite(int px, int py);
    // The Saisie graphique commands: each toggles its input mode; leaving it makes a list
    // curve of the points entered (kind L, its points in a file of the working folder).
    void Pointparpoint1Click(QAction* = nullptr);
    void Lignebrise1Click(QAction* = nullptr);
    void Mainleve1Click(QAction* = nullptr);
    // Infos > Coordonnées (the cross-hair), Infos > Distances (the next drag measures).
    void Coordonnes1Click(QAction* = nullptr);
    void Distance1Click(QAction* = nullptr);
    // Actions > Primitive and Infos > Tangentes et plus...: a curve chosen, then each click
    // makes a primitive (or a trajectory of a system) through the point clicked, or the
    // tangent and its kin at its abscissa; the same command again ends the mode.
    void Primitive1Click(QAction* = nullptr);
    void Tangentes1Click(QAction* = nullptr);
    // The constructions through a point, on the curve of the mode; true when a curve was
    // made (and added to this window).
    bool PrimitiveParPoint(double x, double y);
    bool CourbeIntegraleParPoint(double x, double y);
    bool TangenteParPoint(const QString& abscisse, int code);
    // The lines of the points entered with the mouse ("x;y", "/" ending a stroke).
    QStringList LignesSaisie;

    // --- view and zoom (fenetre_vue.cpp)
    // Repère > Modifie le repère: the frame dialog.
    void Repre1Click(QAction* = nullptr);
    // Reduce or enlarge the view about its centre by the zoom factor.
    void ZoomCentre(bool reduire);
    // Zoom > Automatique: a factor and a centre, then a zoom into a new window.
    void Automatique1Click(QAction* = nullptr);
    // Zoom > Manuel: the next press draws a zoom rectangle (toggle); entering it explains it.
    void Loupe1Click(QAction* = nullptr);
    // A new window showing the rectangle (world units): the frame copied, the curves
    // cloned under new numbers with their ranges fitted, derived curves and plates kept on
    // the mothers of this window. The new window (null when none could be made).
    TForm1* ZoomNouvelleFenetre(double x1, double y1, double x2, double y2);
    // The orthonormal switch.
    void NormeRepere();
    // The Aide menu: the help's contents and index, and its lists of the predefined
    // functions of one and of two variables.
    void Rubriquesdaide1Click(QAction* = nullptr);
    void fnStdClick(QAction* = nullptr);
    void fnStd2Click(QAction* = nullptr);
    // The status-bar hint of what lies under the pixel of the paint box (origin, an axis,
    // a unit vector, a curve with its kind and texts, and for a parametric or polar curve
    // "//t=" with the parameter of its point nearest the pixel), empty over nothing; with
    // etiquette, the short text of the tip by the cursor (a curve's name, "OI" or "OJ").
    QString ConseilSous(int px, int py, QString* etiquette = nullptr) const;
    // Infos > Commentaires: the comments file that the document names, in a viewer, or
    // why it cannot be shown.
    void Commentaires1Click(QAction* = nullptr);
    // The comments file that the window names, when it exists (a regular file).
    QString FichierCommentaires() const;
    // Fichier > Commentaires: the comments file in the editor (a new text "SansNom.txt"
    // when there is none); the window's comment becomes the file the editor saved under,
    // if it saved under one, and nothing is written otherwise.
    void CommentClick(QAction* = nullptr);
    // The information viewers: Edition > Historiques > Courbes (the curve log) and Items
    // menu (the session history, kept by the frame), Infos > Libellés (the descriptions of
    // the window's curves), Erreurs (the error lines of a chosen curve), Unités (what one
    // graduation step and one pixel are worth on each axis; per decade on a logarithmic
    // axis), Paramètres/Touches (the keys that drive personal parameters).
    void Courbes2Click(QAction* = nullptr);
    void Session1Click(QAction* = nullptr);
    void Libells1Click(QAction* = nullptr);
    void Erreurs1Click(QAction* = nullptr);
    void Units1Click(QAction* = nullptr);
    void Paramtrestouches1Click(QAction* = nullptr);
    // Courbes > Fonctions auxiliaires: F0..F9 of the window in their dialog, taken only when
    // confirmed. Courbes > Paramètres personnels: their dialog. Every window is then drawn
    // again.
    void Fonctionsauxiliaires1Click(QAction* = nullptr);
    void Paramtrespersonnels1Click(QAction* = nullptr);
    // Actions > Dérivée: the curves designated, then the orders; for each mother and order a
    // derivative in the destination window (of the formula for a function, of the samples
    // otherwise). Actions > Régressions: the models, then the curves; for each mother with at
    // least two computed points and each model, the fitted curve over the mother's range.
    void Drive1Click(QAction* = nullptr);
    void Approximations1Click(QAction* = nullptr);
    // Options > Paramètres: the options dialog; confirmed, the options hold at once and
    // every window is drawn again. Aide > A propos: the about box.
    void Dcimales1Click(QAction* = nullptr);
    void Apropos1Click(QAction* = nullptr);
    // Aide > Site VIRK: the program's web address in the desktop's browser; without one (none
    // was given when the program was built), or when no browser opens it, a message says so.
    void SiteClick(QAction* = nullptr);
    // The lines of Infos > Unités for the window's frame.
    QStringList LignesUnites() const;
    // Actions > Opérations sur 1 courbe, Lissages, Développées, Podaires and Transformées:
    // the item's tag is the operation code. The oblique symmetry, the rotation and the
    // similitude first warn when the frame is not orthonormal. A code whose computation this
    // version does not have says so.
    void OperUnaireClick(QAction* emetteur = nullptr);
    void AvertRepereOperUnaire(QAction* emetteur = nullptr);
    // The operation of that code on the curves designated (plates: on their mother curves,
    // with a copy of the plate laid on the result): its parameters asked, then one derived
    // curve per mother in the destination window, in designation order; the first mother
    // refused stops the making. transfoPerso >= 0: the personal transformation whose lines
    // begin there in ListeAuxiliaire, with its parameters and name, no dialog. True when a
    // curve was made.
    bool OperUnaire(int code, int transfoPerso = -1);
    // An item of the personal-transformation menu: the transformation of the group that
    // begins at line k.
    void TransfoPersoDesignee(int k, QAction* article = nullptr);
    // Actions > Opérations sur 2 courbes and Transformées > TFD réciproque: the two mothers
    // (any kind, or two chronicles for the inverse transform) and the operation chosen in
    // "Définition des opérations binaires", the samplings made alike on request, the
    // operation's parameters asked, then the curve made in the window chosen for it. True
    // when a curve was made.
    void Oprationssur2courbes1Click(QAction* = nullptr);
    void TFDrciproque1Click(QAction* = nullptr);
    bool OperBinaire(bool inverse);
    // Transformées > Transfo. de Fourier (TFD): a curve of the window, its sampling, and one
    // new window for each part of its spectrum chosen.
    void TFDClick(QAction* = nullptr);
    // Repère > Ajuste les ordonnées: the y range fitted to the visible curves' points, with
    // one graduation step of margin each side; the window drawn again at once in it.
    void AjustYClick(QAction* = nullptr);
    // A window just made with its curves (WAV file, spectrum, histogram): the curves traced
    // at the window's size, then its y range fitted as Repère > Ajuste les ordonnées does.
    void TraceEtAjusteY();
    // The Edition menu. Opening it enables Coller when curves wait to be pasted, Couper and
    // Copier once a curve was made. Couper and Copier (the item tells which) designate curves
    // (any window), which wait for Coller; Couper takes them out of their windows. Coller puts
    // them in this window: a copy under a new number when the curve is still in a window or
    // its number is taken here, otherwise the curve itself; then nothing waits any more.
    // Presse-papiers: the picture of the window (background, areas, curves, texts) on the
    // system clipboard.
    void Edition1Click(QAction* = nullptr);
    void Copier1Click(QAction* emetteur = nullptr);
    void Coller1Click(QAction* = nullptr);
    void Pressepapiers1Click(QAction* = nullptr);
    // The drag image: pressed (left: copy, right: move) at that point of the paint box, then
    // released at that point of the screen: the window under it takes the selection.
    void TransportMouseDown(Qt::MouseButton bouton, QPoint point);
    void TransportMouseUp(QPoint global);
    // What a drag from the source window brings here: on another window the selected curves
    // (moved or copied; a number taken here asks for a new one) and the source's frame when
    // it is selected; on the window itself, with the frame selected, the origin follows the
    // drag after a question.
    void FormDragDrop(TForm1* source, bool deplace, QPoint depart, QPoint arrivee);
    // The keyboard. On release (a held key acts once): the arrows move the mouse cursor by a
    // pixel, F1 the help, Delete removes the selected curves from every window that shows
    // them (after "Etes-vous sûr de vouloir supprimer ce(s) tracé(s) ?"), Shift+Ctrl+letter
    // edits the first personal parameter bound to the letter. On press (a held key repeats):
    // '<' '-' reduce, '>' '+' enlarge, '&' toggles SuitParametres, a letter steps its
    // parameter (lower case up, upper case down).
    void FormKeyUp(int touche, Qt::KeyboardModifiers modificateurs);
    void FormKeyPress(QChar caractere);
    // Letter 0..25 with sign +1 or -1: the personal parameters bound to it step by their own
    // increment; for a..d, g, h, k, l, m, p, the parameter of every curve and area of every
    // window (each once) steps by its PasParametre, written so that it reads back exactly.
    // Then every window redraws.
    static void ToucheParametre(int lettre, int signe);
    // Parameter indice (0..9) takes its current value in every curve and area; every window
    // redraws (any other index: the redraw only).
    static void VarieParametre(int indice);
    // Actions > Variation des paramètres: curves and areas designated (any window), then the
    // bar "Variations des paramètres" (one for the program, left open) varies their
    // parameters, starting from the values of the first one.
    void Paramtres1Click(QAction* = nullptr);
    // Courbes > Points sur courbe > Point quelconque: a curve of the window (D J P R S T X Y)
    // chosen, a point on it (kind Q, operation 17) whose abscissa is its own p, starting at
    // the middle of the curve's interval and showing its coordinates; for P T X Y the
    // tangent, normal, circle and centre of curvature chosen in "Courbes et point associés"
    // follow it. A curve whose formulas use p itself is refused with a message.
    void Affilier1Click(QAction* = nullptr);
    // Repère > Déplace l'origine, Modifie les unités: "Non encore disponible dans cette
    // version".
    void NonEncoreDisponible(QAction* = nullptr);
    // Courbes > Modifier: the curves designated (any window); one through its own
    // definition dialog, several through "Modifications communes" (only the fields their
    // kinds share, preset from the last one; each curve takes the fields changed there).
    void Modifier1Click(QAction* = nullptr);
    // Courbes > Transfert en chronique: for each curve designated, "Transfert en
    // chronique(s)" asks the first abscissa, the step and which coordinates; each becomes a
    // data file of the working folder read by a new chronicle of the destination window.
    void GenererChronik(QAction* = nullptr);
    // Courbes > Points sur courbe > Points particuliers.
    void Pointsparticuliers1Click(QAction* = nullptr);
    // Fichier > Enregistrer > JPEG, Bitmap, Metafile: the save dialog, then the window's
    // picture (ImageExport) written in that format; a file that cannot be written is said.
    void HGL1Click(QAction* = nullptr);
    void Images1Click(QAction* = nullptr);
    void Metafile1Click(QAction* = nullptr);
    // Fichier > Enregistrer > Tex (PSTricks): the LaTeX document that draws the window.
    void PSTricks1Click(QAction* = nullptr);
    // Fichier > Charger image: a picture chosen and read (one that cannot be read is said
    // and changes nothing) becomes the background, then Ajuster image. Ajuster image:
    // "Collage de l'image" (stretched or centred; the window sized to the picture).
    // Supprimer image: back to the plain colour (areas stay).
    void Chargerimages1Click(QAction* = nullptr);
    void Ajusterimage1Click(QAction* = nullptr);
    void Supprimerimage1Click(QAction* = nullptr);
    // The window's whole picture at the paint box's size, rendered apart: the window's own
    // layers are left as they were. Messages raised meanwhile are shown after it.
    QImage ImageExport();
    // Session history: the item's caption after its indent, written first by every command;
    // the time of day and the caption of a menu that opens. Nothing while the session is
    // not recorded.
    void JournalMenu(const QAction* article, const QString& retrait);
    void EnregClick(const QString& libelle);

signals:
    // The window's menu and button states may have changed (after each paint): the frame
    // refreshes its menus and buttons (its UpdateMenuItems).
    void etatMenusChange();
    // The frame's warnings memo is to be emptied (start of each paint, closing).
    void videAvertissements();
    // A command that the frame carries out.
    void commandeCadre(CommandeCadre commande);
    // The window became active (the frame runs its own activation handler).
    void activee();
    // Lines for the session history (JournalSession, kept by the frame).
    void journalSession(const QStringList& lignes);
    // The mouse over the paint box: its pixel "(x;y)" and its world point, for the first
    // two panels of the frame's status bar.
    void coordonneesSouris(const QString& pixel, const QString& monde);

protected:
    void keyPressEvent(QKeyEvent* evenement) override;
    void keyReleaseEvent(QKeyEvent* evenement) override;
    // One zoom step per notch: up enlarges, down reduces.
    void wheelEvent(QWheelEvent* evenement) override;
    void resizeEvent(QResizeEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;
    QSize sizeHint() const override;

private:
    friend class BoiteDessin;
    friend class BoiteTransport;
    void construitMenus();
    // The window's own attributes (title, geometry) put into its document before writing,
    // and the document's applied to the window after reading.
    void remplitDocument();
    void appliqueDocument();
    void peintBoite(QPainter& peintre, const QRect& zone);
    // Takes up, after the paint, the area computations and curve traces that a paint
    // stopped, showing their progress (Échap stops them): the areas stopped, then the whole
    // picture, shown as it is drawn and kept as it stands when stopped.
    void termineCalculs();
    void retiensMessages();
    void montreMessagesDiffere();
    void signaleEtatMenusDiffere();
    // The save dialog of an export, from the document's folder: the path, or empty.
    QString choisitSortie(const QString& filtre, const QString& extension);
    void exporteImage(int format);
    // The curve of the last mouse press (CodeObjetSouris), or null.
    std::shared_ptr<GCCourbe> courbeDuCode() const;

    // --- the mouse
    // What is drawn over the last rendering while the mouse moves: the rubber line of a
    // distance or a polyline segment, the zoom rectangle, the cross-hair, and the points
    // entered so far. montreSurcouche() repaints it without rendering the window again.
    void montreSurcouche();
    void dessineSurcouche(QPainter& peintre);
    void montreConseil(const QString& texte);
    // The tip by the cursor at (X + 10, Y), shown only whole inside the paint box.
    void montreBulle(const QString& texte, int X, int Y);
    void clicRepos();
    void clicPointEdite();
    void chercheAuPointEdite(int X, int Y);
    void choisitPointEdite(int X, int Y);
    void deplacePointEdite(double x, double y);
    // A new text at that world point, through its dialog.
    void PlaceTexte(double x, double y);
    // The input mode of that command toggled (6, 8 or 10); leaving it makes the curve.
    void basculeSaisie(ModeSourisFenetre mode, const char* article);
    void termineSaisie();
    // The explanation of a mode being entered (the file of that name among the program's
    // texts), while montrer says so; ticking "Ne plus afficher ce message." clears it.
    void expliqueMode(bool& montrer, const char* fichier);
    // A mouse mode is being chosen: every other one ends as its own command ends it (the
    // zoom and distance items unchecked, an input makes its curve, a point edit asks what to
    // keep), so that one mode only takes the clicks and one button only stays down.
    void finitAutresModes(ModeSourisFenetre garde);
    // The mode a Shift drag (zoom rectangle, pan) goes back to: the point-by-point input,
    // primitive or tangent mode that is on, else idle.
    ModeSourisFenetre modeRepris() const;
    // Modes 12 and 13 toggled from their command.
    void basculeModeCourbe(ModeSourisFenetre mode, const char* article, const QString& lettres);
    // The curve of the window's mode (point edit, primitive, tangent), looked up again by
    // its identifier; null (and the mode left) when it is gone.
    std::shared_ptr<GCCourbe> courbeDuMode();
    void montreTransport(QPoint point);
    void peintTransport(QPainter& peintre);
    // The check mark of a checkable item as it was before its own trigger flipped it.
    bool etaitCoche(QAction* emetteur, const char* nom) const;
    void fixeCoche(const char* nom, bool coche);
    QPoint pointPrecedent_, pointSouris_;
    bool surcoucheSeule_ = false;   // the next paint shows the rendering and the overlay only
    QString cibleSouris_;           // identifier of the curve of modes 1, 12 and 13
    QString sauvegardePoints_;      // copy of the edited list's file (mode 1)
    QStringList choixPoints_;       // the points under the mouse in point edit: "line\\text"
    ModeSourisFenetre modeSaisie_ = SourisRepos;  // the input mode that is on (6, 8, 10)

    int numero_;
    // Parts of the document under the names the window's commands use.
    GCRepere* repere_;
    GCDessin* dessin_;
    GCListTextes* textes_;
    GCListAires* aires_;

    QWidget* paintBox_ = nullptr;
    QWidget* transport_ = nullptr;
    bool transportDeplace_ = false;
    int cranMolette_ = 0;
    QPoint transportDepart_;
    QLabel* labelInfo_ = nullptr;
    QList<QMenu*> menus_;
    QList<QAction*> actions_;
    QHash<QString, QAction*> actionParNom_;   // the first item of each name, as made
    // Menu customisation: per row of the table, its action, mark and caption, the command's
    // own state, and what appliqueMenus() made of them.
    std::vector<QAction*> actionsTable_;
    std::vector<ArticleMenuPerso> articlesMenu_;
    std::vector<bool> etatsCommandes_;
    void appliqueMenus();
    int indiceArticle(const QString& nom) const;
    QMenu* optionFenetre_ = nullptr;
    QMenu* optionTrace_ = nullptr;
    QMenu* optionAire_ = nullptr;
    std::weak_ptr<GCAire> aireCliquee_;

    QImage tampon_;        // back buffer
    QImage affichage_;     // what the paint box shows (the rendering, texts included)
    bool afficheTampon_ = false;  // the next paint shows affichage_ as it is
    QSize tailleVoulue_;   // client size asked for
    QImage imageSauvee_;   // picture of the paint box kept while dragging
    int peintures_ = 0;
    bool enPeinture_ = false;

    // Messages raised while painting, shown once the paint has ended; each text once until
    // the definitions change.
    std::unique_ptr<InterlocuteurPeinture> interPeinture_;
    QStringList messagesEnAttente_;   // raised, not shown yet
    QSet<QString> messagesMontres_;
    bool messagesPrevus_ = false;
    bool etatMenusPrevu_ = false;
};
