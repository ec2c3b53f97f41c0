#include "frame/Main.h"


#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QIconEngine>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTextCursor>
#include <QTextBlock>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QCheckBox>
#include <algorithm>
#include <cmath>

#include "dialogs/aide.h"
#include "dialogs/dialogues.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/apropos.h"
#include "dialogs/gestambi.h"
#include "dialogs/paraauto.h"
#include "dialogs/saisbar.h"
#include "dialogs/editform.h"
#include "frame/Parminmax.h"
#include "frame/barres.h"
#include "frame/lecteurson.h"
#include "frame/boites.h"
#include "graph/aires/GCAire.h"
#include "graph/courbes/GCDessin.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/palette.h"
#include "graph/fichiers/fichiertexte.h"
#include "window/designation.h"
#include "window/fenetre.h"

namespace {

// The graph objects speak to the user through the frame.
class InterlocuteurCadre : public Interlocuteur {
public:
    explicit InterlocuteurCadre(TMainForm& cadre) : cadre_(cadre) {}
    void message(const QString& texte) override { cadre_.montreMessage(texte); }
    void messageAvecAide(const QString& texte, int sujet) override { cadre_.montreMessage(texte, sujet); }
    void avertit(const QString& texte) override { cadre_.AjouteLigneAvertissement(texte); }
    bool demandeOuiNon(const QString& texte) override
    {
        return BoiteMessage(&cadre_, QMessageBox::Question, texte, QMessageBox::Yes | QMessageBox::No)
               == QMessageBox::Yes;
    }

private:
    TMainForm& cadre_;
};

// The dialogs' system boxes, with the label chooser that only the frame can fill.
class BoitesCadre : public BoitesSaisie {
public:
    explicit BoitesCadre(TMainForm& cadre) : cadre_(cadre) {}
    QString choisitLibelle(QWidget*, const QString& genres) override { return cadre_.ChoisitLibelle(genres); }

private:
    TMainForm& cadre_;
};

// True while some widget is being painted: a modal box then would paint again inside the
// paint.
bool PeintureEnCours()
{
    const QWidgetList widgets = QApplication::allWidgets();
    return std::any_of(widgets.begin(), widgets.end(), [](QWidget* w) { return w->paintingActive(); });
}

// Our own forms take the frame's colour; Qt's standard dialogs keep theirs.
bool EstFicheDuProgramme(QObject* objet)
{
    auto* dialogue = qobject_cast<QDialog*>(objet);
    return dialogue && !QString::fromLatin1(dialogue->metaObject()->className()).startsWith(QLatin1Char('Q'));
}

bool DossierInscriptible(const QString& dossier)
{
    const QFileInfo info(dossier);
    return info.isDir() && info.isWritable();
}

}  // namespace

QString LigneDate(const QString& prefixe)
{
    return prefixe + horodatage();
}

namespace {

// An icon whose SVG is read only when the icon is first drawn (the buttons of a bar that is
// never shown cost nothing at start); the toolkit's SVG engine then draws it at each size
// asked for.
class IconeSvgDifferee : public QIconEngine {
public:
    explicit IconeSvgDifferee(QString chemin) : chemin_(std::move(chemin)) {}
    void paint(QPainter* peintre, const QRect& rect, QIcon::Mode mode, QIcon::State etat) override
    {
        icone().paint(peintre, rect, Qt::AlignCenter, mode, etat);
    }
    QPixmap pixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().pixmap(taille, mode, etat);
    }
    QPixmap scaledPixmap(const QSize& taille, QIcon::Mode mode, QIcon::State etat, qreal echelle) override
    {
        return icone().pixmap(taille, echelle, mode, etat);
    }
    QSize actualSize(const QSize& taille, QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().actualSize(taille, mode, etat);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State etat) override
    {
        return icone().availableSizes(mode, etat);
    }
    bool isNull() override { return false; }
    QString key() const override { return QStringLiteral("IconeSvgDifferee"); }
    QIconEngine* clone() const override { return new IconeSvgDifferee(chemin_); }

private:
    const QIcon& icone()
    {
        if (icone_.isNull())
            icone_ = QIcon(chemin_);
        return icone_;
    }
    QString chemin_;
    QIcon icone_;
};

}  // namespace

QIcon IconeSvg(const QString& chemin)
{
    Q_INIT_RESOURCE(virk);
    return QIcon(new IconeSvgDifferee(chemin));
}

QIcon IconeVirk()
{
    static const QIcon icone = IconeSvg(QStringLiteral(":/icones/virk.svg"));
    return icone;
}

// ---------------------------------------------------------------------------------------
// Start-up

TMainForm::TMainForm(const OptionsCadre& options, QWidget* parent)
    : QMainWindow(parent), ListeAuxiliaire(etatGraphe().ListeAuxiliaire), options_(options)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("VIRK v. ") + QString::fromLatin1(VersionVirk));
    setMinimumSize(80, 80);
    construitFenetre();
    construitMenus();

    interlocuteur_ = std::make_unique<InterlocuteurCadre>(*this);
    interlocuteurPrecedent_ = etatGraphe().interlocuteur;
    etatGraphe().interlocuteur = interlocuteur_.get();
    installeDialogues();
    boites_ = std::make_unique<BoitesCadre>(*this);
    etatSaisie().boites = boites_.get();
    etatFenetres().createurFenetre = [this] { return Nouvellefentre1Click(); };
    etatFenetres().joueSon = [this](const QString& chemin) { musique(chemin); };
    etatFenetres().conseilCadre = [this] { return panneaux_[2] ? panneaux_[2]->text() : QString(); };
    qApp->installEventFilter(this);
    // The program's own icon, for the frame, the graph windows and the dialogs: drawn at
    // each size the window system asks for, so given once the frame shows, before anything
    // is painted.
    QTimer::singleShot(0, this, [this] {
        QApplication::setWindowIcon(IconeVirk());
        setWindowIcon(IconeVirk());
        for (QMdiSubWindow* sous : zoneMdi_->subWindowList())
            sous->setWindowIcon(IconeVirk());
    });

    // Folders, then the settings.
    determineDossiers(options);
    LitParametresIni();
    appliqueParametres();

    // Counters, logs and the values that drawings share.
    CompteurFenetres = 1;
    EtatGraphe& etat = etatGraphe();
    etat.JournalCourbes = QStringList{LigneDate()};
    JournalSession = QStringList{LigneDate()};
    etat.LeverStyloHorsFenetre = false;
    etat.EnregistrementSession = true;
    AvertissementsActifs = true;
    etat.FacteurEchelle = 1.0;
    Police fonte;
    fonte.Nom = QStringLiteral("Times New Roman");
    fonte.Couleur = 0;
    fonte.Taille = 10;
    etat.FonteDefaut = fonte;
    // Personal transformations saved from the parameter dialog come into the menu.
    etat.ListeAuxiliaire.clear();
    etat.TransfosPersoChangees = [this] { RefaitMenuTransfos(); };

    // The first graph window.
    CreeFenetre(parametres_.TitreFenetre);
    ++CompteurFenetres;


    if (!messagesDemarrage_.isEmpty())
        QTimer::singleShot(0, this, &TMainForm::montreMessagesDemarrage);
    // The documents and the menu file of the command line, once the frame shows.
    if (!options_.documents.isEmpty())
        QTimer::singleShot(0, this, &TMainForm::FormShow);
}

TMainForm::~TMainForm()
{
    qApp->removeEventFilter(this);
    etatGraphe().TransfosPersoChangees = nullptr;
    // Windows go before the interlocutor they may speak through.
    for (const Inscription& i : inscriptions_)
        if (i.fenetre)
            disconnect(i.fenetre, nullptr, this, nullptr);
    if (zoneMdi_)
        for (QMdiSubWindow* sous : zoneMdi_->subWindowList())
            delete sous;
    for (const Inscription& i : inscriptions_) {
        auto& dessins = etatGraphe().dessins;
        dessins.erase(std::remove(dessins.begin(), dessins.end(), i.dessin), dessins.end());
        auto& aires = etatGraphe().aires;
        aires.erase(std::remove(aires.begin(), aires.end(), i.aires), aires.end());
    }
    inscriptions_.clear();
    if (reglagesFenetres().Ini == &ini_)
        reglagesFenetres().Ini = nullptr;
    if (etatGraphe().interlocuteur == interlocuteur_.get())
        etatGraphe().interlocuteur = interlocuteurPrecedent_;
    if (etatSaisie().boites == boites_.get())
        etatSaisie().boites = nullptr;
    etatFenetres().createurFenetre = nullptr;
    etatFenetres().joueSon = nullptr;
    etatFenetres().conseilCadre = nullptr;
}

void TMainForm::musique(const QString& chemin)
{
    if (!lecteurSon_) {
        QString erreur;
        lecteurSon_ = ChargeLecteurSon(erreur);
        if (!lecteurSon_) {
            interlocuteur().message(QStringLiteral("Le son ne peut pas être joué (%1). Le son est dans le fichier %2")
                                        .arg(erreur, chemin));
            return;
        }
    }
    if (!lecteurSon_->sortieDisponible()) {
        interlocuteur().message(QStringLiteral("Aucune sortie son n'est disponible. Le son est dans le fichier ") + chemin);
        return;
    }
    lecteurSon_->joue(chemin, [](const QString& fichier) {
        interlocuteur().message(QStringLiteral("Le son n'a pas pu être joué (pas de sortie son disponible). "
                                               "Le fichier est ") + fichier);
    });
}

void TMainForm::construitFenetre()
{
    auto* centre = new QWidget(this);
    auto* disposition = new QVBoxLayout(centre);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);

    zoneMdi_ = new QMdiArea(centre);
    zoneMdi_->setObjectName(QStringLiteral("ZoneMdi"));
    zoneMdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zoneMdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    disposition->addWidget(zoneMdi_, 1);
    connect(zoneMdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sous) {
        metMenusAJour();
        if (auto* fenetre = sous ? qobject_cast<TForm1*>(sous->widget()) : nullptr)
            fenetre->FormActivate();
    });

    panel1_ = new QWidget(centre);
    panel1_->setObjectName(QStringLiteral("Panel1"));
    auto* dispositionPanneau = new QVBoxLayout(panel1_);
    dispositionPanneau->setContentsMargins(2, 2, 2, 2);
    disposition->addWidget(panel1_);
    panel1_->hide();
    setCentralWidget(centre);

    // Tool bars: their buttons and commands are those of the graph windows.
    construitBarres();

    // Status bar: three panels, the third for hints.
    QStatusBar* barre = statusBar();
    barre->setObjectName(QStringLiteral("StatusBar"));
    const int largeurs[3] = {100, 200, 50};
    for (int i = 0; i < 3; ++i) {
        panneaux_[i] = new QLabel(barre);
        panneaux_[i]->setObjectName(QStringLiteral("Panneau%1").arg(i));
        panneaux_[i]->setMinimumWidth(largeurs[i]);
        if (i == 0)
            panneaux_[i]->setAlignment(Qt::AlignCenter);
        barre->addWidget(panneaux_[i], i == 2 ? 1 : 0);
    }
}

void TMainForm::construitMenus()
{
    auto article = [this](QMenu* menu, const char* nom, const QString& libelle, auto gestionnaire) {
        QAction* a = menu->addAction(libelle);
        a->setObjectName(QString::fromLatin1(nom));
        connect(a, &QAction::triggered, this, gestionnaire);
        return a;
    };
    auto commande = [this](CommandeCadre c) { return [this, c] { ExecuteCommande(c); }; };

    menuFichier_ = new QMenu(QStringLiteral("&Fichier"), this);
    menuFichier_->setObjectName(QStringLiteral("Fichier"));
    article(menuFichier_, "FileNewItem", QStringLiteral("&Nouveau"), commande(CommandeCadre::NouvelleFenetre));
    article(menuFichier_, "FileOpenItem", QStringLiteral("&Ouvrir"), commande(CommandeCadre::Ouvrir));
    article(menuFichier_, "FileCloseItem", QStringLiteral("&Fermer"), commande(CommandeCadre::Fermer));
    article(menuFichier_, "FileSaveItem", QStringLiteral("&Enregistrer"), commande(CommandeCadre::Enregistrer));
    QAction* sous = menuFichier_->addAction(QStringLiteral("En&registrer sous..."));
    sous->setObjectName(QStringLiteral("FileSaveAsItem"));
    menuFichier_->addSeparator();
    article(menuFichier_, "FileExitItem", QStringLiteral("&Quitter"), &TMainForm::FileExitItemClick);

    menuTransfoPerso_ = new QMenu(QStringLiteral("Transfo. perso."), this);
    menuTransfoPerso_->setObjectName(QStringLiteral("Transfoperso"));
    menuTransfoPerso_->menuAction()->setVisible(false);

    menuFenetre_ = new QMenu(QStringLiteral("Fe&nêtre"), this);
    menuFenetre_->setObjectName(QStringLiteral("Fenetre"));
    article(menuFenetre_, "Nouvellefentre1", QStringLiteral("&Nouvelle fenêtre"), commande(CommandeCadre::NouvelleFenetre));
    article(menuFenetre_, "Infos1", QStringLiteral("&Informations"), commande(CommandeCadre::Informations));

    metMenusAJour();
}

void TMainForm::determineDossiers(const OptionsCadre& options)
{
    EtatGraphe& etat = etatGraphe();
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);

    QString programme = options.dossierProgramme;
    if (programme.isEmpty()) {
        programme = QCoreApplication::applicationDirPath();
        if (!DossierInscriptible(programme))
            programme = donnees;
    }
    programme = QDir::cleanPath(QDir(programme).absolutePath());
    if (!QDir().mkpath(programme))
        messagesDemarrage_ << QStringLiteral("Le dossier du programme « %1 » n'a pas pu être créé.")
                                  .arg(QDir::toNativeSeparators(programme));
    etat.DossierProgramme = programme;
    // The palettes of the Julia and Mandelbrot sets, with the default one.
    QString erreurPalette;
    if (!InstallePaletteParDefaut(&erreurPalette))
        messagesDemarrage_ << erreurPalette;
    // The default menu file, which the settings name.
    QString erreurMenus;
    if (!InstalleMenusParDefaut(&erreurMenus))
        messagesDemarrage_ << erreurMenus;

    QString temp = options.dossierTemp;
    if (temp.isEmpty())
        temp = QDir(donnees).filePath(QStringLiteral("temp"));
    temp = QDir::cleanPath(QDir(temp).absolutePath());
    etat.DossierTemp = temp;
    if (!QDir().mkpath(temp) || !DossierInscriptible(temp)) {
        messagesDemarrage_ << QStringLiteral("Le dossier temporaire « %1 » n'a pas pu être créé : les tracés "
                                             "et le journal de la session n'y seront pas enregistrés.")
                                  .arg(QDir::toNativeSeparators(temp));
        return;
    }
    // This run's working folder (point caches and other working files), under the
    // temporary folder; the only one that the end of the program cleans.
    etat.DossierTravail.clear();
    const QString travail = dossierTravail();
    if (travail.isEmpty() || !QFileInfo(travail).isDir())
        messagesDemarrage_ << QStringLiteral("Le dossier de travail n'a pas pu être créé dans « %1 » : les "
                                             "courbes ne pourront pas être tracées.")
                                  .arg(QDir::toNativeSeparators(temp));
}

QString TMainForm::DossierProgramme() const
{
    return etatGraphe().DossierProgramme;
}

QString TMainForm::DossierTemp() const
{
    return etatGraphe().DossierTemp;
}

QString TMainForm::CheminIni() const
{
    return QDir(DossierProgramme()).filePath(QStringLiteral("virk.ini"));
}

void TMainForm::LitParametresIni()
{
    parametres_ = ParametresIni();
    const LectureParametresIni lecture = ::LitParametresIni(CheminIni(), parametres_, ini_);
    reglagesFenetres().Ini = lecture.etat == FichierIni::Etat::Lu ? &ini_ : nullptr;
    const QString message = lecture.message();
    if (!message.isEmpty())
        messagesDemarrage_ << message;
}

void TMainForm::appliqueCouleurFiche()
{
    CouleurFiche() = parametres_.CouleurFiche;
    const QColor couleur = VersQColor(parametres_.CouleurFiche);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, couleur);
    setPalette(palette);
    zoneMdi_->setBackground(couleur);
    update();
}

void TMainForm::appliqueParametres()
{
    appliqueCouleurFiche();

    montreBarre(BarreOutils::Standard, parametres_.Standard);
    montreBarre(BarreOutils::OpeSur1crb, parametres_.OpeSur1crb);
    montreBarre(BarreOutils::TransfoGeom, parametres_.TransfoGeom);
    montreBarre(BarreOutils::TransfoSupp, parametres_.TransfoSupp);
    statusBar()->setVisible(parametres_.BarreEtat);
    panel1_->setVisible(parametres_.Avertissement);

    ReglagesFenetres& r = reglagesFenetres();
    r.TitreFenetre = parametres_.TitreFenetre;
    r.CouleurFenetre = parametres_.CouleurFenetre;
    r.LargeurFenetre = parametres_.LargeurFenetre;
    r.HauteurFenetre = parametres_.HauteurFenetre;
    r.FichierMenus = parametres_.FichierMenus;
}

void TMainForm::montreMessagesDemarrage()
{
    for (const QString& m : std::as_const(messagesDemarrage_))
        montreMessage(m);
}

// ---------------------------------------------------------------------------------------
// Graph windows

TForm1* TMainForm::CreeFenetre(const QString& titre)
{
    auto* fenetre = new TForm1(CompteurFenetres);
    if (!titre.isEmpty())
        fenetre->fixeTitre(titre);
    QMdiSubWindow* sous = zoneMdi_->addSubWindow(fenetre);
    sous->setAttribute(Qt::WA_DeleteOnClose);
    sous->setObjectName(QStringLiteral("SousFenetre%1").arg(fenetre->numero()));
    // Before the frame's first show, the window gets its icon with the frame's.
    if (testAttribute(Qt::WA_SetWindowIcon))
        sous->setWindowIcon(IconeVirk());

    Inscription inscription;
    inscription.fenetre = fenetre;
    inscription.cle = fenetre;
    inscription.dessin = &fenetre->Dessin();
    inscription.aires = &fenetre->Aires();
    inscriptions_.append(inscription);
    EtatGraphe& etat = etatGraphe();
    if (std::find(etat.dessins.begin(), etat.dessins.end(), inscription.dessin) == etat.dessins.end())
        etat.dessins.push_back(inscription.dessin);
    if (std::find(etat.aires.begin(), etat.aires.end(), inscription.aires) == etat.aires.end())
        etat.aires.push_back(inscription.aires);

    connect(fenetre, &QObject::destroyed, this, &TMainForm::fenetreDetruite);
    connect(fenetre, &TForm1::commandeCadre, this, &TMainForm::ExecuteCommande);
    connect(fenetre, &TForm1::videAvertissements, this, &TMainForm::VideAvertissements);
    connect(fenetre, &TForm1::etatMenusChange, this, &TMainForm::UpdateMenuItems);
    connect(fenetre, &TForm1::activee, this, &TMainForm::UpdateMenuItems);
    connect(fenetre, &TForm1::journalSession, this, [this](const QStringList& lignes) { JournalSession << lignes; });
    connect(fenetre, &TForm1::coordonneesSouris, this, [this](const QString& pixel, const QString& monde) {
        panneaux_[0]->setText(pixel);
        panneaux_[1]->setText(monde);
    });
    connect(fenetre, &QWidget::windowTitleChanged, sous, &QWidget::setWindowTitle);
    suitArticles(fenetre);

    sous->setWindowTitle(fenetre->titre());
    sous->adjustSize();
    sous->show();
    zoneMdi_->setActiveSubWindow(sous);
    metMenusAJour();
    return fenetre;
}

void TMainForm::fenetreDetruite(QObject* objet)
{
    for (int i = inscriptions_.size() - 1; i >= 0; --i) {
        if (inscriptions_[i].cle != objet)
            continue;
        auto& dessins = etatGraphe().dessins;
        dessins.erase(std::remove(dessins.begin(), dessins.end(), inscriptions_[i].dessin), dessins.end());
        auto& aires = etatGraphe().aires;
        aires.erase(std::remove(aires.begin(), aires.end(), inscriptions_[i].aires), aires.end());
        inscriptions_.removeAt(i);
    }
    if (!fini_)
        QTimer::singleShot(0, this, [this] {
            metMenusAJour();
            UpdateMenuItems();
        });
}

QString TMainForm::ChoisitLibelle(const QString& genres)
{
    QStringList libelles;
    const QList<TForm1*> liste = fenetres();
    for (auto it = liste.crbegin(); it != liste.crend(); ++it)
        for (const QString& l : (*it)->Dessin().ListeLibelles(genres))
            if (!libelles.contains(l))
                libelles << l;
    if (libelles.isEmpty()) {
        interlocuteur().message(QStringLiteral("Aucune courbe disponible !"));
        return {};
    }
    const int k = ChoisitDansListe(QStringLiteral("Choix d'un libellé déjà défini"), libelles);
    return k < 0 ? QString() : libelles.at(k);
}

QList<TForm1*> TMainForm::fenetres() const
{
    QList<TForm1*> liste;
    for (const Inscription& i : inscriptions_)
        if (i.fenetre)
            liste.append(i.fenetre);
    return liste;
}

TForm1* TMainForm::fenetreActive() const
{
    QMdiSubWindow* sous = zoneMdi_->currentSubWindow();
    if (!sous)
        sous = zoneMdi_->activeSubWindow();
    return sous ? qobject_cast<TForm1*>(sous->widget()) : nullptr;
}

int TMainForm::IndexFenetre(int numero) const
{
    const QList<TForm1*> liste = fenetres();
    for (int i = liste.size() - 1; i >= 0; --i)
        if (liste[i]->numero() == numero)
            return i;
    return -1;
}

std::shared_ptr<GCCourbe> TMainForm::CourbeParIdentifiant(const QString& identifiant) const
{
    const QList<TForm1*> liste = fenetres();
    for (int i = liste.size() - 1; i >= 0; --i) {
        if (!liste[i]->isEnabled())
            continue;
        if (auto courbe = liste[i]->Dessin().CourbeParIdentifiant(identifiant))
            return courbe;
    }
    return nullptr;
}

std::shared_ptr<GCAire> TMainForm::AireParEmpreinte(const QString& empreinte) const
{
    QList<TForm1*> liste = fenetres();
    std::stable_sort(liste.begin(), liste.end(), [](TForm1* a, TForm1* b) { return a->numero() < b->numero(); });
    for (TForm1* fenetre : liste)
        if (auto aire = fenetre->Aires().ChercheEmpreinte(empreinte))
            return aire;
    return nullptr;
}

void TMainForm::metMenusAJour()
{
    QMenuBar* barre = menuBar();
    barre->clear();
    if (TForm1* f = fenetreActive()) {
        // The active window's own menus, which carry the frame's commands too, and the
        // personal transformations (shown once loaded). Its "Fenêtre" menu ends with the
        // list of the open windows.
        for (QMenu* m : f->menus()) {
            barre->addMenu(m);
            if (m->objectName() == QLatin1String("Fentre1") && !m->property("listeFenetres").toBool()) {
                m->setProperty("listeFenetres", true);
                connect(m, &QMenu::aboutToShow, this, [this, m] { ListeDesFenetres(m); });
            }
        }
        barre->addMenu(menuTransfoPerso_);
    } else {
        barre->addMenu(menuFichier_);
        barre->addMenu(menuTransfoPerso_);
        barre->addMenu(menuFenetre_);
    }
    UpdateMenuItems();
}

// ---------------------------------------------------------------------------------------
// Warnings memo and messages

void TMainForm::AjouteAvertissement(const QString& libelle)
{
    AjouteLigneAvertissement(QStringLiteral("-> Problème de calcul ! Consultez le fichier \"erreurs\" de la courbe ")
                             + libelle + QStringLiteral(" à l'aide du menu : Infos | Erreurs."));
}

QPlainTextEdit* TMainForm::MemoAvert()
{
    // Made with the first warning: most runs never need it.
    if (!memoAvert_) {
        memoAvert_ = new QPlainTextEdit(panel1_);
        memoAvert_->setObjectName(QStringLiteral("MemoAvert"));
        memoAvert_->setReadOnly(true);
        memoAvert_->setFixedHeight(64);
        panel1_->layout()->addWidget(memoAvert_);
    }
    return memoAvert_;
}

Tparaauto* TMainForm::paraauto()
{
    if (!paraauto_) {
        paraauto_ = new Tparaauto(this);
        paraauto_->hide();
    }
    return paraauto_;
}

TParminmax* TMainForm::Parminmax()
{
    if (!parminmax_) {
        parminmax_ = new TParminmax(this);
        parminmax_->hide();
    }
    return parminmax_;
}

void TMainForm::AjouteLigneAvertissement(const QString& ligne)
{
    // A curve traced twice between two clearings (a mother traced for its derived curve,
    // a rendering through the back buffer) says the same once.
    MemoAvert();
    for (QTextBlock b = memoAvert_->document()->begin(); b.isValid(); b = b.next())
        if (b.text() == ligne)
            return;
    memoAvert_->appendPlainText(ligne);
    QTextCursor curseur = memoAvert_->textCursor();
    curseur.movePosition(QTextCursor::Start);
    memoAvert_->setTextCursor(curseur);
    // The panel's visibility changes outside any paint.
    if (!panneauPrevu_) {
        panneauPrevu_ = true;
        QTimer::singleShot(0, this, [this] {
            panneauPrevu_ = false;
            UpdateMenuItems();
        });
    }
}

void TMainForm::VideAvertissements()
{
    if (memoAvert_)
        memoAvert_->clear();
    if (!panneauPrevu_) {
        panneauPrevu_ = true;
        QTimer::singleShot(0, this, [this] {
            panneauPrevu_ = false;
            UpdateMenuItems();
        });
    }
}

void TMainForm::UpdateMenuItems()
{
    // What needs a window is disabled while none is open.
    const bool w = !fenetres().isEmpty();
    for (const char* nom : {"FileCloseItem", "FileSaveItem", "FileSaveAsItem"})
        if (auto* a = menuFichier_->findChild<QAction*>(QString::fromLatin1(nom), Qt::FindDirectChildrenOnly))
            a->setEnabled(w);
    const bool lignes = memoAvert_ && !memoAvert_->toPlainText().isEmpty();
    panel1_->setVisible(AvertissementsActifs && lignes);
    AppliqueBarresOutils();
}

void TMainForm::Barresdoutils1Click()
{
    TBarOutils dialogue(this);
    dialogue.CBstand->setChecked(barreMontree(BarreOutils::Standard));
    dialogue.CBope1->setChecked(barreMontree(BarreOutils::OpeSur1crb));
    dialogue.CBtransfo->setChecked(barreMontree(BarreOutils::TransfoGeom));
    dialogue.CBsupp->setChecked(barreMontree(BarreOutils::TransfoSupp));
    dialogue.CBAvert->setChecked(AvertissementsActifs);
    dialogue.CBetat->setChecked(!statusBar()->isHidden());
    if (dialogue.exec() != QDialog::Accepted)
        return;
    AvertissementsActifs = dialogue.CBAvert->isChecked();
    montreBarre(BarreOutils::Standard, dialogue.CBstand->isChecked());
    montreBarre(BarreOutils::OpeSur1crb, dialogue.CBope1->isChecked());
    montreBarre(BarreOutils::TransfoGeom, dialogue.CBtransfo->isChecked());
    montreBarre(BarreOutils::TransfoSupp, dialogue.CBsupp->isChecked());
    statusBar()->setVisible(dialogue.CBetat->isChecked());
    UpdateMenuItems();
}

void TMainForm::ListeDesFenetres(QMenu* menu)
{
    for (QAction* a : menu->actions())
        if (a->property("fenetreListee").isValid())
            delete a;
    const QList<QMdiSubWindow*> sous = zoneMdi_->subWindowList(QMdiArea::CreationOrder);
    if (sous.isEmpty())
        return;
    QAction* separateur = menu->addSeparator();
    separateur->setProperty("fenetreListee", 0);
    for (int i = 0; i < sous.size(); ++i) {
        QMdiSubWindow* s = sous[i];
        auto* fenetre = qobject_cast<TForm1*>(s->widget());
        if (!fenetre)
            continue;
        QString titre = fenetre->titre();
        titre.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menu->addAction(i < 9 ? QStringLiteral("&%1 %2").arg(i + 1).arg(titre) : titre);
        a->setObjectName(QStringLiteral("FenetreListee%1").arg(fenetre->numero()));
        a->setProperty("fenetreListee", fenetre->numero());
        a->setCheckable(true);
        a->setChecked(s == zoneMdi_->activeSubWindow() || (!zoneMdi_->activeSubWindow() && s == zoneMdi_->currentSubWindow()));
        const QPointer<QMdiSubWindow> cible(s);
        connect(a, &QAction::triggered, this, [this, cible] {
            if (!cible)
                return;
            if (cible->isMinimized())
                cible->showNormal();
            zoneMdi_->setActiveSubWindow(cible);
        });
    }
}

void TMainForm::Infos1Click()
{
    const QList<TForm1*> ouvertes = fenetres();
    QString texte = QStringLiteral("Nombre de fenêtres créées =%1\n").arg(CompteurFenetres - 1);
    if (!ouvertes.isEmpty()) {
        texte += QStringLiteral("Titres des fenêtres ouvertes :\n");
        for (int i = ouvertes.size() - 1; i >= 0; --i)
            texte += QStringLiteral("Fenêtre n°%1 : %2\n").arg(ouvertes[i]->numero()).arg(ouvertes[i]->titre());
    }
    if (ouvertes.size() + 1 != CompteurFenetres)
        texte += QStringLiteral("%1 fenêtre(s) fermée(s)\n").arg(CompteurFenetres - ouvertes.size() - 1);
    montreMessage(texte.trimmed());
}

void TMainForm::AfficheConseil(const QString& conseil)
{
    panneaux_[2]->setText(conseil);
}

void TMainForm::montreMessage(const QString& texte, int sujetAide)
{
    if (PeintureEnCours()) {
        if (!messagesEnAttente_.contains(texte))
            messagesEnAttente_.append(texte);
        if (!messagesPrevus_) {
            messagesPrevus_ = true;
            QTimer::singleShot(0, this, &TMainForm::montreMessagesEnAttente);
        }
        return;
    }
    // A box already open with that text (the box's own repaints can raise it again).
    if (messagesOuverts_.contains(texte))
        return;
    messagesOuverts_.insert(texte);
    const QMessageBox::StandardButton bouton = BoiteMessage(
        this, QMessageBox::Information, texte,
        sujetAide < 0 ? QMessageBox::StandardButtons(QMessageBox::Ok) : QMessageBox::Ok | QMessageBox::Help);
    messagesOuverts_.remove(texte);
    if (bouton == QMessageBox::Help)
        MontreAide(sujetAide);
}

void TMainForm::montreMessagesEnAttente()
{
    messagesPrevus_ = false;
    const QStringList messages = messagesEnAttente_;
    messagesEnAttente_.clear();
    for (const QString& m : messages)
        montreMessage(m);
}

// ---------------------------------------------------------------------------------------
// Commands

void TMainForm::ExecuteCommande(CommandeCadre commande)
{
    switch (commande) {
    case CommandeCadre::Quitter:
        // The exit deletes the window whose menu asks for it: it waits until that menu has
        // finished delivering the click.
        QTimer::singleShot(0, this, &TMainForm::FileExitItemClick);
        return;
    case CommandeCadre::Ouvrir: FileOpenItemClick(); return;
    case CommandeCadre::Enregistrer: FileSaveItemClick(); return;
    case CommandeCadre::Fermer: FileCloseItemClick(); return;
    case CommandeCadre::Configuration: Configuration1Click(); return;
    case CommandeCadre::OuvrirTransfosPerso: Transfoperso1Click(); return;
    case CommandeCadre::EnregistrerTransfosPerso: Trperso1Click(); return;
    case CommandeCadre::NouvelleFenetre: Nouvellefentre1Click(); return;
    case CommandeCadre::Cascade: WindowCascadeItemClick(); return;
    case CommandeCadre::MosaiqueHorizontale: WindowTileItemClick(); return;
    case CommandeCadre::MosaiqueVerticale: MosaqueVerticale1Click(); return;
    case CommandeCadre::ToutReduire: WindowMinimizeItemClick(); return;
    case CommandeCadre::Informations: Infos1Click(); return;
    case CommandeCadre::BarresOutils: Barresdoutils1Click(); return;
    case CommandeCadre::Options:
        parametres_.CouleurFiche = CouleurFiche();
        appliqueCouleurFiche();
        [[fallthrough]];
    case CommandeCadre::RedessineFenetres:
        for (TForm1* f : fenetres()) {
            f->oublieMessages();
            f->DessineTampon();
        }
        return;
    case CommandeCadre::HistoriqueSession:
        dialoguesFenetre().montreTexte(fenetreActive(), SansNom(), JournalSession);
        return;
    }
}

void TMainForm::WindowCascadeItemClick()
{
    zoneMdi_->cascadeSubWindows();
}

void TMainForm::WindowTileItemClick()
{
    mosaique(true);
}

void TMainForm::MosaqueVerticale1Click()
{
    mosaique(false);
}

void TMainForm::mosaique(bool horizontale)
{
    QList<QMdiSubWindow*> fenetres;
    for (QMdiSubWindow* s : zoneMdi_->subWindowList(QMdiArea::StackingOrder))
        if (!s->isMinimized() && !s->isHidden())
            fenetres.prepend(s);  // the active window first
    const int n = int(fenetres.size());
    if (n == 0)
        return;
    // Bands across the area (columns for vertical tiles, rows for horizontal ones), each of
    // `parBande` windows, the last band taking what is left: 2 windows make two bands, 5
    // make bands of 2 and 3.
    const int parBande = std::max(1, int(std::sqrt(double(n))));
    const int bandes = n / parBande;
    const QRect zone = zoneMdi_->viewport()->rect();
    const int travers = horizontale ? zone.height() : zone.width();
    const int long_ = horizontale ? zone.width() : zone.height();
    int k = 0;
    for (int b = 0; b < bandes; ++b) {
        const int dansBande = b == bandes - 1 ? n - k : parBande;
        const int u0 = travers * b / bandes, u1 = travers * (b + 1) / bandes;
        for (int r = 0; r < dansBande; ++r, ++k) {
            const int v0 = long_ * r / dansBande, v1 = long_ * (r + 1) / dansBande;
            QMdiSubWindow* s = fenetres[k];
            if (s->isMaximized())
                s->showNormal();
            s->setGeometry(horizontale ? QRect(v0, u0, v1 - v0, u1 - u0) : QRect(u0, v0, u1 - u0, v1 - v0));
        }
    }
    WindowArrangeItemClick();
}

void TMainForm::WindowArrangeItemClick()
{
    // Left to right along the bottom, a new row above when one is full.
    const QRect zone = zoneMdi_->viewport()->rect();
    int x = 0, bas = zone.height();
    for (QMdiSubWindow* s : zoneMdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!s->isMinimized() || s->isHidden())
            continue;
        const QSize taille = s->size();
        if (x > 0 && x + taille.width() > zone.width()) {
            x = 0;
            bas -= taille.height();
        }
        s->move(x, bas - taille.height());
        x += taille.width();
    }
}

void TMainForm::WindowMinimizeItemClick()
{
    const QList<QMdiSubWindow*> sous = zoneMdi_->subWindowList(QMdiArea::CreationOrder);
    for (int i = int(sous.size()) - 1; i >= 0; --i)
        sous[i]->showMinimized();
    WindowArrangeItemClick();
}

bool TMainForm::Configuration1Click()
{
    TForm1* fenetre = fenetreActive();
    if (!fenetre)
        return false;
    const QString chemin = CheminIni();
    if (QFileInfo::exists(chemin)
        && BoiteMessage(this, QMessageBox::Question, QStringLiteral("Ecraser le fichier virk.ini existant?"),
                        QMessageBox::Yes | QMessageBox::No)
               != QMessageBox::Yes)
        return false;

    ParametresIni p = parametres_;
    p.Avertissement = AvertissementsActifs;
    p.Standard = barreMontree(BarreOutils::Standard);
    p.OpeSur1crb = barreMontree(BarreOutils::OpeSur1crb);
    p.TransfoGeom = barreMontree(BarreOutils::TransfoGeom);
    p.TransfoSupp = barreMontree(BarreOutils::TransfoSupp);
    p.BarreEtat = !statusBar()->isHidden();
    // The active window's menu file comes back at the next start.
    p.FichierMenus = fenetre->CheminMenus.isEmpty() ? fenetre->FichierMenus : NomFichierMenusStocke(fenetre->CheminMenus);
    p.TitreFenetre = fenetre->titre();
    p.CouleurFenetre = DeQColor(fenetre->couleurFond());
    const QSize taille = fenetre->tailleDessin();
    p.LargeurFenetre = taille.width();
    p.HauteurFenetre = taille.height();

    const EcritureTexte ecriture = EcritParametresIni(chemin, p, &fenetre->Repere());
    if (!ecriture.ok) {
        BoiteMessage(this, QMessageBox::Critical,
                     QStringLiteral("Impossible d'enregistrer %1\n%2").arg(QDir::toNativeSeparators(chemin), ecriture.erreur));
        return false;
    }
    return true;
}

void TMainForm::FileExitItemClick()
{
    close();
}

// ---------------------------------------------------------------------------------------
// End of the program

bool TMainForm::demandeFin()
{
    ReponseQuitter = BoiteMessage(this, QMessageBox::Warning, QStringLiteral("Voulez-vous sauvegarder avant de quitter ?"),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    if (ReponseQuitter != QMessageBox::Yes && ReponseQuitter != QMessageBox::No)
        return false;
    if (ReponseQuitter == QMessageBox::Yes && !fenetres().isEmpty()) {
        // Unless every document was written, nothing is closed: no work is lost.
        if (FileSaveItemClick() != ResultatSauvegarde::Enregistre)
            return false;
    }
    ecritJournaux();
    // The windows go from the last to the first, without their own close question.
    fini_ = true;
    const QList<QMdiSubWindow*> sous = zoneMdi_->subWindowList(QMdiArea::CreationOrder);
    for (int i = sous.size() - 1; i >= 0; --i)
        delete sous[i];
    metMenusAJour();
    return true;
}

void TMainForm::ecritJournaux()
{
    const QDir temp(DossierTemp());
    QStringList erreurs;
    const EcritureTexte courbes = EcritFichierTexte(temp.filePath(QStringLiteral("Courbes.txt")), etatGraphe().JournalCourbes);
    if (!courbes.ok)
        erreurs << courbes.erreur;
    JournalSession.append(LigneDate(QStringLiteral("Fin : ")));
    const EcritureTexte session = EcritFichierTexte(temp.filePath(QStringLiteral("Session.txt")), JournalSession);
    if (!session.ok)
        erreurs << session.erreur;
    if (!erreurs.isEmpty())
        BoiteMessage(this, QMessageBox::Warning, erreurs.join(QLatin1Char('\n')));
}

void TMainForm::supprimeDossierTravail()
{
    EtatGraphe& etat = etatGraphe();
    if (etat.DossierTravail.isEmpty())
        return;
    QDir(etat.DossierTravail).removeRecursively();
    etat.DossierTravail.clear();
}

void TMainForm::closeEvent(QCloseEvent* evenement)
{
    if (fini_) {
        evenement->accept();
        return;
    }
    if (!demandeFin()) {
        evenement->ignore();
        return;
    }
    supprimeDossierTravail();
    evenement->accept();
}

// ---------------------------------------------------------------------------------------
// Events

void TMainForm::wheelEvent(QWheelEvent* evenement)
{
    // Only over the frame itself: the graph windows take their own wheel.
    QWidget* sous = childAt(evenement->position().toPoint());
    for (QWidget* w = sous; w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w)) {
            evenement->ignore();
            return;
        }
    evenement->accept();
    if (rouletteOuverte_)
        return;
    rouletteOuverte_ = true;
    BoiteMessage(this, QMessageBox::Information, QStringLiteral("On s'amuse !!!"));
    rouletteOuverte_ = false;
}

bool TMainForm::event(QEvent* evenement)
{
    if (evenement->type() == QEvent::StatusTip) {
        AfficheConseil(static_cast<QStatusTipEvent*>(evenement)->tip());
        return true;
    }
    return QMainWindow::event(evenement);
}

bool TMainForm::eventFilter(QObject* objet, QEvent* evenement)
{
    if (evenement->type() == QEvent::Show && EstFicheDuProgramme(objet))
        AppliqueCouleurFiche(static_cast<QWidget*>(objet));
    return QMainWindow::eventFilter(objet, evenement);
}
