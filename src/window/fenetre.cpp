#include "window/fenetre.h"
#include "window/fenetre_courbes.h"
#include "window/fenetre_interne.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QStatusTipEvent>
#include <QTime>
#include <algorithm>
#include <functional>

#include "dialogs/dialtit.h"
#include "dialogs/editform.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/formatfen.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/fichiers/ini.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"

// ---------------------------------------------------------------------------------------
// Qt's own window dialogs

namespace {

class DialoguesFenetreQt : public DialoguesFenetre {
public:
    bool choisitCouleur(QWidget* parent, QColor& couleur) override
    {
        return ChoisitCouleurQt(parent, couleur);
    }

    bool saisitTexte(QWidget* parent, const QString& titre, const QString& invite,
                     QString& texte) override
    {
        return SaisitTitre(parent, titre, invite, texte);
    }

    bool saisitTexteVerifie(QWidget* parent, const QString& titre, const QString& invite, QString& texte,
                            const std::function<QString(const QString&)>& refus) override
    {
        return SaisitTitre(parent, titre, invite, texte, refus);
    }

    bool saisitTaille(QWidget* parent, int& largeur, int& hauteur) override
    {
        return SaisitTailleFenetre(parent, largeur, hauteur, TailleFenetreMin, TailleFenetreMax);
    }

    void montreTexte(QWidget* parent, const QString& titre, const QStringList& lignes) override
    {
        MontreTexte(parent, titre, lignes, false);
    }

    void montreTexteFixe(QWidget* parent, const QString& titre, const QStringList& lignes) override
    {
        MontreTexte(parent, titre, lignes, true);
    }
};

}  // namespace

bool DialoguesFenetre::saisitTexteVerifie(QWidget* parent, const QString& titre, const QString& invite,
                                          QString& texte, const std::function<QString(const QString&)>& refus)
{
    QString saisi = texte;
    if (!saisitTexte(parent, titre, invite, saisi))
        return false;
    if (const QString raison = refus ? refus(saisi) : QString(); !raison.isEmpty()) {
        interlocuteur().message(raison);
        return false;
    }
    texte = saisi;
    return true;
}

int BorneTaille(int v)
{
    return std::clamp(v, TailleFenetreMin, TailleFenetreMax);
}


DialoguesFenetre& dialoguesFenetre()
{
    static DialoguesFenetreQt qt;
    DialoguesFenetre* d = etatFenetres().dialogues;
    return d ? *d : qt;
}

EtatFenetres& etatFenetres()
{
    static EtatFenetres etat;
    return etat;
}

void reinitialiseFenetres()
{
    reinitialiseSaisie();
    EtatFenetres& etat = etatFenetres();
    EtatFenetres neuf;
    neuf.createurFenetre = std::move(etat.createurFenetre);
    neuf.joueSon = std::move(etat.joueSon);
    neuf.conseilCadre = std::move(etat.conseilCadre);
    etat = std::move(neuf);
}


// ---------------------------------------------------------------------------------------
// The paint box: shows the window's rendering, passes the mouse to the window.

class BoiteDessin : public QWidget {
public:
    explicit BoiteDessin(TForm1& fenetre) : QWidget(&fenetre), fenetre_(fenetre)
    {
        setObjectName(QStringLiteral("PaintBox"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);  // the hint of what lies under the mouse
    }

protected:
    void paintEvent(QPaintEvent* evenement) override
    {
        QPainter peintre(this);
        fenetre_.peintBoite(peintre, evenement->rect());
    }

    void mousePressEvent(QMouseEvent* evenement) override
    {
        const QPoint p = evenement->position().toPoint();
        fenetre_.PaintBoxMouseDown(evenement->button(), evenement->modifiers(), p.x(), p.y());
    }

    void mouseReleaseEvent(QMouseEvent* evenement) override
    {
        // The click first: the left button, released inside the paint box, not the release
        // that ends a double click. Then the release.
        const QPoint p = evenement->position().toPoint();
        const bool clic = evenement->button() == Qt::LeftButton && rect().contains(p) && !finDoubleClic_;
        finDoubleClic_ = false;
        QPointer<BoiteDessin> vivante(this);
        if (clic)
            fenetre_.PaintBoxClick();
        if (vivante)
            fenetre_.PaintBoxMouseUp(evenement->button(), p.x(), p.y());
    }

    void mouseMoveEvent(QMouseEvent* evenement) override
    {
        const QPoint p = evenement->position().toPoint();
        fenetre_.PaintBoxMouseMove(evenement->buttons(), p.x(), p.y());
    }

    // The tip by the cursor does not outlive the mouse's stay.
    void leaveEvent(QEvent*) override { fenetre_.labelInfo_->hide(); }

    void mouseDoubleClickEvent(QMouseEvent* evenement) override
    {
        // The second press of a double click: the press, then the double click.
        finDoubleClic_ = true;
        const QPoint p = evenement->position().toPoint();
        fenetre_.PaintBoxMouseDown(evenement->button(), evenement->modifiers(), p.x(), p.y());
        if (evenement->button() == Qt::LeftButton)
            fenetre_.PaintBoxDblClick(nullptr);
    }

private:
    TForm1& fenetre_;
    bool finDoubleClic_ = false;
};

// The small drag image of what is selected for transport.
class BoiteTransport : public QWidget {
public:
    explicit BoiteTransport(TForm1& fenetre) : QWidget(&fenetre), fenetre_(fenetre)
    {
        setObjectName(QStringLiteral("Transport"));
        setFixedSize(50, 50);
        hide();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter peintre(this);
        fenetre_.peintTransport(peintre);
    }

    // The drag starts at once; the box keeps the mouse until the release.
    void mousePressEvent(QMouseEvent* evenement) override
    {
        fenetre_.TransportMouseDown(evenement->button(), fenetre_.PaintBox()->mapFrom(&fenetre_, mapTo(&fenetre_, evenement->position().toPoint())));
        setCursor(Qt::DragMoveCursor);
    }
    void mouseReleaseEvent(QMouseEvent* evenement) override
    {
        unsetCursor();
        fenetre_.TransportMouseUp(evenement->globalPosition().toPoint());
    }

private:
    TForm1& fenetre_;
};

// ---------------------------------------------------------------------------------------
// Creation and destruction

TForm1::TForm1(int numero, QWidget* parent)
    : QWidget(parent),
      document_(std::make_unique<GCDocument>(numero, BorneTaille(reglagesFenetres().LargeurFenetre),
                                             BorneTaille(reglagesFenetres().HauteurFenetre))),
      FichierImage(document_->Fenetre.FichierImage),
      EtireImage(document_->Fenetre.EtireImage),
      ImageFond(document_->Fenetre.ImageFond),
      Commentaire(document_->Fenetre.Commentaire),
      FichierMenus(document_->Fenetre.FichierMenus),
      CheminMenus(document_->Fenetre.CheminMenus),
      AiresARecalculer(document_->AiresARecalculer),
      numero_(numero),
      repere_(&document_->Repere),
      dessin_(&document_->Dessin),
      textes_(&document_->Textes),
      aires_(&document_->Aires),
      interPeinture_(std::make_unique<InterlocuteurPeinture>())
{
    setObjectName(QStringLiteral("Form%1").arg(numero));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(TailleFenetreMin, TailleFenetreMin);
    setFocusPolicy(Qt::StrongFocus);  // the window's keys
    const ReglagesFenetres& reglages = reglagesFenetres();

    document_->Fenetre.CouleurFond = reglages.CouleurFenetre;
    FichierMenus = reglages.FichierMenus;
    ModeSouris = SourisRepos;

    const int largeur = BorneTaille(reglages.LargeurFenetre);
    const int hauteur = BorneTaille(reglages.HauteurFenetre);
    if (reglages.Ini)
        repere_->LitIni(*reglages.Ini);

    paintBox_ = new BoiteDessin(*this);
    transport_ = new BoiteTransport(*this);
    labelInfo_ = new QLabel(QStringLiteral("ce point"), this);
    labelInfo_->setObjectName(QStringLiteral("LabelInfo"));
    // A tip: it lets the mouse through to the paint box beneath.
    labelInfo_->setAttribute(Qt::WA_TransparentForMouseEvents);
    labelInfo_->setAutoFillBackground(true);
    labelInfo_->setBackgroundRole(QPalette::ToolTipBase);
    labelInfo_->setForegroundRole(QPalette::ToolTipText);
    labelInfo_->hide();

    construitMenus();
    for (QMenu* m : menus_)
        if (m->objectName() == QLatin1String("Edition1"))
            connect(m, &QMenu::aboutToShow, this, [this] { Edition1Click(); });
    Edition1Click();
    // The program's menu file (the settings' one); the default one may be missing, the
    // built-in menus being the default.
    if (const QString chemin = CheminFichierMenusProgramme(FichierMenus); !chemin.isEmpty())
        ChargerMenus(chemin);
    else if (FichierMenus.trimmed().compare(ReglagesFenetres().FichierMenus, Qt::CaseInsensitive) != 0)
        interlocuteur().message(MessageMenusIntrouvables(FichierMenus));

    fixeTitre(reglages.TitreFenetre);
    fixeTailleClient(largeur, hauteur);
    InscritFenetre(this);
}

TForm1::~TForm1()
{
    // The point caches of the curves that no other window shows go with the window (a
    // long session would otherwise pile them up until the end).
    std::function<void(const GCCourbe&)> retireCaches = [&](const GCCourbe& c) {
        for (const char* extension : {".pts", ".err", ".lgd"})
            QFile::remove(c.CheminFichier(extension));
        for (const PtrCourbe& fille : c.Filles)
            if (fille)
                retireCaches(*fille);
    };
    if (!etatGraphe().DossierTravail.isEmpty())
        for (const PtrCourbe& c : dessin_->Courbes)
            if (c && !ListeeAilleurs(c.get(), dessin_))
                retireCaches(*c);
    DesinscritFenetre(this);
    // Curves, areas and texts are released with the lists (curves and areas that another
    // window also lists live on there).
    qDeleteAll(menus_);
    delete optionFenetre_;
    delete optionTrace_;
    delete optionAire_;
}

void TForm1::construitMenus()
{
    // Main menu, from the table: each row hangs under the last row one level up. Opening a
    // top-level menu (or Ouvrir, Enregistrer) writes the time and its caption in the session
    // history; every command first writes its caption there, indented by its depth.
    std::vector<QMenu*> pile;
    for (const ArticleMenu& article : TableMenuPrincipal()) {
        const QString nom = QString::fromUtf8(article.nom);
        const QString libelle = QString::fromUtf8(article.libelle);
        const bool sousMenu = article.gestionnaire == nullptr;
        pile.resize(std::size_t(std::max(0, article.profondeur)));
        const auto noteOuverture = [this](QMenu* menu) {
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { EnregClick(menu->title()); });
        };
        articlesMenu_.push_back({true, libelle});
        if (article.profondeur == 0) {
            auto* menu = new QMenu(libelle);
            menu->setObjectName(nom);
            menu->menuAction()->setObjectName(nom);
            menus_.append(menu);
            actions_.append(menu->menuAction());
            actionsTable_.push_back(menu->menuAction());
            pile.push_back(menu);
            noteOuverture(menu);
            continue;
        }
        if (pile.empty() || pile.back() == nullptr) {
            actionsTable_.push_back(nullptr);
            continue;
        }
        QMenu* parent = pile.back();
        if (sousMenu) {
            QMenu* menu = parent->addMenu(libelle);
            menu->setObjectName(nom);
            menu->menuAction()->setObjectName(nom);
            actions_.append(menu->menuAction());
            actionsTable_.push_back(menu->menuAction());
            pile.push_back(menu);
            if (nom == QLatin1String("Ouvrir") || nom == QLatin1String("Enregistrer"))
                noteOuverture(menu);
            continue;
        }
        QAction* action = parent->addAction(libelle);
        action->setObjectName(nom);
        // Its hint in the status bar: where the item is, accelerator marks removed.
        QStringList chemin;
        for (QMenu* m : pile)
            chemin << m->title();
        chemin << libelle;
        action->setStatusTip(chemin.join(QStringLiteral(" > ")).remove(QLatin1Char('&')));
        if (article.raccourci)
            action->setShortcut(QKeySequence(QString::fromLatin1(article.raccourci)));
        action->setCheckable(article.cochable);
        action->setData(article.tag);
        const GestionnaireMenu g = article.gestionnaire;
        // Two blanks under a top-level menu, four deeper, six for the sequences.
        bool suite = false;
        for (QMenu* m : pile)
            suite = suite || m->objectName() == QLatin1String("NSuitesetrcurrence1");
        const QString retrait(suite ? 6 : article.profondeur == 1 ? 2 : 4, QLatin1Char(' '));
        connect(action, &QAction::triggered, this, [this, g, action, retrait] {
            JournalMenu(action, retrait);
            (this->*g)(action);
        });
        actions_.append(action);
        actionsTable_.push_back(action);
    }
    etatsCommandes_.assign(actionsTable_.size(), true);
    appliqueMenus();

    // Pop-up menu of the window.
    optionFenetre_ = new QMenu();
    optionFenetre_->setObjectName(QStringLiteral("Optionfenetre"));
    const auto ajoute = [this](QMenu* menu, const char* nom, const char* libelle, GestionnaireMenu g) {
        QAction* action = menu->addAction(QString::fromUtf8(libelle));
        action->setObjectName(QString::fromUtf8(nom));
        connect(action, &QAction::triggered, this, [this, g, action] { (this->*g)(action); });
    };
    ajoute(optionFenetre_, "Changerlataille1", "Changer la &taille", &TForm1::Changerlataille1Click);
    ajoute(optionFenetre_, "Changerletitre1", "Changer le t&itre", &TForm1::Changerletitre1Click);
    ajoute(optionFenetre_, "Changerlacouleurdufond1", "Changer la &couleur du fond",
           &TForm1::Changerlacouleurdufond1Click);

    // Pop-up menu of the curve under the mouse.
    optionTrace_ = new QMenu();
    optionTrace_->setObjectName(QStringLiteral("OptionTrace"));
    ajoute(optionTrace_, "Modifier4", "&Modifier", &TForm1::PaintBoxDblClick);
    ajoute(optionTrace_, "MenuItem5", "&Dupliquer", &TForm1::DupliquerClick);
    ajoute(optionTrace_, "MenuItem6", "&Inverser le sens", &TForm1::DupInvClick);
    ajoute(optionTrace_, "MenuItem7", "I&nformations", &TForm1::InfoscrbClick);
    ajoute(optionTrace_, "chgnom", "Changer le n&om", &TForm1::chgnomClick);
    ajoute(optionTrace_, "Tableaudevaleurs1", "&Tableau de valeurs", &TForm1::Tableaudevaleurs1Click);
    ajoute(optionTrace_, "Ecoute", "&Ecouter", &TForm1::Ecouter1Click);

    // Pop-up menu of the area under the mouse.
    optionAire_ = new QMenu();
    optionAire_->setObjectName(QStringLiteral("OptionAire"));
    ajoute(optionAire_, "Changecoul1", "Changer de &couleur", &TForm1::Changecoul1Click);
    ajoute(optionAire_, "Calcaire1", "Calculer l'&aire", &TForm1::Calcaire1Click);

    for (QAction* a : actions_)
        if (!actionParNom_.contains(a->objectName()))
            actionParNom_.insert(a->objectName(), a);
    for (QMenu* m : {optionFenetre_, optionTrace_, optionAire_})
        for (QAction* a : m->actions())
            if (!actionParNom_.contains(a->objectName()))
                actionParNom_.insert(a->objectName(), a);
}

QAction* TForm1::action(const QString& nom) const
{
    // The tool bars ask for their items at every change of state: by name first, then (an
    // item added or renamed since) through the menus.
    if (QAction* a = actionParNom_.value(nom); a && a->objectName() == nom)
        return a;
    for (QAction* a : actions_)
        if (a->objectName() == nom)
            return a;
    for (QMenu* m : {optionFenetre_, optionTrace_, optionAire_})
        for (QAction* a : m->actions())
            if (a->objectName() == nom)
                return a;
    return nullptr;
}

void TForm1::fixeTitre(const QString& titre)
{
    setWindowTitle(TexteDeChamp(QString(titre).replace(QLatin1String("\r\n"), QLatin1String(" "))));
}

void TForm1::fixeCouleurFond(const QColor& couleur)
{
    document_->Fenetre.CouleurFond = DeQColor(couleur);
    AiresARecalculer = true;
    paintBox_->update();
}

QSize TForm1::tailleDessin() const
{
    return paintBox_->size();
}

QSize TForm1::sizeHint() const
{
    return tailleVoulue_;
}

void TForm1::fixeTailleClient(int largeur, int hauteur)
{
    tailleVoulue_ = QSize(BorneTaille(largeur), BorneTaille(hauteur));
    updateGeometry();
    if (auto* sousFenetre = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QSize marges = sousFenetre->size() - size();
        if (marges.width() >= 0 && marges.height() >= 0 && sousFenetre->isVisible())
            sousFenetre->resize(tailleVoulue_ + marges);
        else
            sousFenetre->adjustSize();
    }
    resize(tailleVoulue_);
    // A hidden window gets its resize event only when shown: lay the paint box out now.
    FormResize();
}

// ---------------------------------------------------------------------------------------
// Events

void TForm1::resizeEvent(QResizeEvent* evenement)
{
    QWidget::resizeEvent(evenement);
    FormResize();
}

void TForm1::FormResize()
{
    paintBox_->setGeometry(0, 0, width(), height());
    repere_->FixeTaille(paintBox_->width(), paintBox_->height());
    AiresARecalculer = true;
    paintBox_->update();
}

void TForm1::FormActivate()
{
    emit activee();
    paintBox_->update();
}

void TForm1::closeEvent(QCloseEvent* evenement)
{
    if (confirmeFermeture())
        evenement->accept();
    else
        evenement->ignore();
}

bool TForm1::confirmeFermeture()
{
    const QString question = titre() + QLatin1Char('\r')
                             + QStringLiteral("Etes-vous sûr(e) de vouloir fermer cette fenêtre ?");
    if (!interlocuteur().demandeOuiNon(question))
        return false;
    // The curves of this window that no other window lists are no longer callable by name,
    // nor selected for transport.
    for (const PtrCourbe& c : dessin_->Courbes)
        if (c && !ListeeAilleurs(c.get(), dessin_)) {
            RetireNomPropre(*c);
            DeselectionneCourbe(c.get());
        }
    emit videAvertissements();
    return true;
}

void TForm1::JournalMenu(const QAction* article, const QString& retrait)
{
    if (etatGraphe().EnregistrementSession)
        emit journalSession({retrait + article->text()});
}

void TForm1::EnregClick(const QString& libelle)
{
    if (etatGraphe().EnregistrementSession)
        emit journalSession({QTime::currentTime().toString(QStringLiteral("HH:mm:ss")), libelle});
}

QString TForm1::ConseilSous(int px, int py, QString* etiquette) const
{
    QString bulle, conseil;
    if ((ModeSouris == 8 || ModeSouris == 11) && !repere_->HorsCadre(px, py)) {
        const int code = repere_->ObjetSousPixel(px, py);
        switch (code) {
        case 0: break;
        case -1: conseil = QStringLiteral("origine"); break;
        case -2: conseil = QStringLiteral("axe Ox"); break;
        case -3: conseil = QStringLiteral("axe Oy"); break;
        case -4:
        case -5:
            conseil = QStringLiteral("vecteur unitaire");
            bulle = code == -4 ? QStringLiteral("OI") : QStringLiteral("OJ");
            break;
        case -255: conseil = QStringLiteral("ambiguïté"); break;
        default:
            if (const PtrCourbe c = dessin_->CourbeDuNumero(code)) {
                conseil = c->Nom + QLatin1Char('\\') + c->TypeCourbe + QStringLiteral(": ") + c->Libelle1
                          + QStringLiteral(" ; ") + c->Libelle2;
                bulle = c->Nom;
                double t = 0;
                if (GenreParmi(c->TypeCourbe, "PT") && c->ParametreProche(*repere_, px, py, t))
                    conseil += QStringLiteral("//t=") + QString::fromStdString(ReelVersTexte(t));
            }
            break;
        }
        if (bulle.isEmpty())
            bulle = conseil;
    }
    if (etiquette)
        *etiquette = bulle;
    return conseil;
}
