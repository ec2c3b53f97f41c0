#include "window/fenetre.h"
#include "window/fenetre_courbes.h"

#include <QAction>
#include <QHash>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QPointer>
#include <QResizeEvent>
#include <QSpinBox>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/fiches.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/GCAire.h"
#include "graph/GCCourbe.h"
#include "graph/GCDessin.h"
#include "graph/GCRepere.h"
#include "graph/GCTexte.h"
#include "graph/etatgraphe.h"
#include "graph/ini.h"
#include "window/provisoire.h"

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
        bool ok = false;
        const QString t = QInputDialog::getText(parent, titre, invite, QLineEdit::Normal, texte, &ok);
        if (ok)
            texte = t;
        return ok;
    }

    bool saisitTaille(QWidget* parent, int& largeur, int& hauteur) override
    {
        QDialog dialogue(parent);
        dialogue.setObjectName(QStringLiteral("TFormatfen"));
        dialogue.setWindowTitle(QStringLiteral("Taille de la fenêtre"));
        auto* formulaire = new QFormLayout(&dialogue);
        auto* l = new QSpinBox(&dialogue);
        l->setObjectName(QStringLiteral("SpinLargeur"));
        l->setRange(TailleFenetreMin, TailleFenetreMax);
        l->setValue(largeur);
        auto* h = new QSpinBox(&dialogue);
        h->setObjectName(QStringLiteral("SpinHauteur"));
        h->setRange(TailleFenetreMin, TailleFenetreMax);
        h->setValue(hauteur);
        formulaire->addRow(QStringLiteral("Largeur :"), l);
        formulaire->addRow(QStringLiteral("Hauteur :"), h);
        auto* boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialogue);
        boutons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("&Confirmer"));
        boutons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("&Annuler"));
        QObject::connect(boutons, &QDialogButtonBox::accepted, &dialogue, &QDialog::accept);
        QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
        formulaire->addRow(boutons);
        if (dialogue.exec() != QDialog::Accepted)
            return false;
        largeur = l->value();
        hauteur = h->value();
        return true;
    }

    void montreTexte(QWidget* parent, const QString& titre, const QStringList& lignes) override
    {
        QDialog dialogue(parent);
        dialogue.setObjectName(QStringLiteral("TEditForm"));
        dialogue.setWindowTitle(titre);
        auto* disposition = new QVBoxLayout(&dialogue);
        auto* memo = new QPlainTextEdit(&dialogue);
        memo->setObjectName(QStringLiteral("Editor"));
        memo->setPlainText(lignes.join(QLatin1Char('\n')));
        memo->setReadOnly(true);
        memo->document()->setModified(false);
        disposition->addWidget(memo);
        auto* boutons = new QDialogButtonBox(QDialogButtonBox::Close, &dialogue);
        QObject::connect(boutons, &QDialogButtonBox::rejected, &dialogue, &QDialog::reject);
        disposition->addWidget(boutons);
        dialogue.resize(520, 400);
        dialogue.exec();
    }
};

DialoguesFenetre*& dialoguesInstalles()
{
    static DialoguesFenetre* d = nullptr;
    return d;
}

// The hourglass for the time of a long computation, restored on every path.
class CurseurAttente {
public:
    CurseurAttente() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~CurseurAttente() { QGuiApplication::restoreOverrideCursor(); }
    CurseurAttente(const CurseurAttente&) = delete;
    CurseurAttente& operator=(const CurseurAttente&) = delete;
};

// A client size within the window's bounds.
int BorneTaille(int v)
{
    return std::clamp(v, TailleFenetreMin, TailleFenetreMax);
}

}  // namespace

DialoguesFenetre& dialoguesFenetre()
{
    static DialoguesFenetreQt qt;
    DialoguesFenetre* d = dialoguesInstalles();
    return d ? *d : qt;
}

void installeDialoguesFenetre(DialoguesFenetre* dialogues)
{
    dialoguesInstalles() = dialogues;
}

ReglagesFenetres& reglagesFenetres()
{
    static ReglagesFenetres r;
    return r;
}

std::weak_ptr<GCCourbe>& CourbeCourante()
{
    static std::weak_ptr<GCCourbe> c;
    return c;
}

int& CodeObjetSouris()
{
    static int code = 0;
    return code;
}

// ---------------------------------------------------------------------------------------
// Curves of the window

namespace {

// The entry of the table of curves callable by name that this X or Y curve made (its
// name pointing at its own formula) is removed; an entry of another curve is left alone.
void RetireNomPropre(const GCCourbe& courbe)
{
    const QChar genre = courbe.TypeCourbe.toUpper();
    if (genre != QLatin1Char('X') && genre != QLatin1Char('Y'))
        return;
    const auto* rel = dynamic_cast<const GCRelNum*>(&courbe);
    if (!rel)
        return;
    const int slot = chercheFonction(majuscules(courbe.Nom.toStdString()));
    if (slot >= 0 && contexteCalcul().fonctionsNommees[std::size_t(slot)].arbre == &rel->Expression1)
        RetireNomCourbe(genre, courbe.Nom);
}


constexpr const char* LettresCourbes = "BCDEGHIJLNOPQRSTUWXY";

}  // namespace

// ---------------------------------------------------------------------------------------
// Messages raised while the window renders: message boxes wait in the window's queue and
// are shown once the rendering is over; warnings-memo lines go through at once (the memo is
// not modal); nothing can be asked.

class InterlocuteurPeinture : public Interlocuteur {
public:
    InterlocuteurPeinture() = default;
    void message(const QString& texte) override
    {
        if (!leves.contains(texte))
            leves.append(texte);
    }
    void avertit(const QString& texte) override
    {
        if (precedent)
            precedent->avertit(texte);
    }
    bool demandeOuiNon(const QString&) override { return false; }

    Interlocuteur* precedent = nullptr;
    QStringList leves;   // message texts raised during this rendering, once each
};

namespace {

// Puts the window's queue in place of the interlocutor for the time of one rendering.
class FileMessages {
public:
    explicit FileMessages(InterlocuteurPeinture& file) : file_(file)
    {
        file_.leves.clear();
        file_.precedent = etatGraphe().interlocuteur;
        etatGraphe().interlocuteur = &file_;
    }
    ~FileMessages() { etatGraphe().interlocuteur = file_.precedent; }

private:
    InterlocuteurPeinture& file_;
};

}  // namespace

// ---------------------------------------------------------------------------------------
// The paint box: shows the window's rendering, passes the mouse to the window.

class BoiteDessin : public QWidget {
public:
    explicit BoiteDessin(TForm1& fenetre) : QWidget(&fenetre), fenetre_(fenetre)
    {
        setObjectName(QStringLiteral("PaintBox"));
        setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(false);
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
        fenetre_.XClic = p.x();
        fenetre_.YClic = p.y();
        CodeObjetSouris() = fenetre_.Repere().ObjetSousPixel(p.x(), p.y());
        if (evenement->button() == Qt::RightButton) {
            const QPoint ecran = mapToGlobal(p) + QPoint(2, 2);
            if (CodeObjetSouris() > 0)
                fenetre_.OptionTrace()->popup(ecran);
            else if (CodeObjetSouris() == 0)
                fenetre_.Optionfenetre()->popup(ecran);
        }
    }

    void mouseDoubleClickEvent(QMouseEvent* evenement) override
    {
        const QPoint p = evenement->position().toPoint();
        CodeObjetSouris() = fenetre_.Repere().ObjetSousPixel(p.x(), p.y());
        fenetre_.PaintBoxDblClick(nullptr);
    }

private:
    TForm1& fenetre_;
};

// ---------------------------------------------------------------------------------------
// Creation and destruction

TForm1::TForm1(int numero, QWidget* parent)
    : QWidget(parent), numero_(numero), interPeinture_(std::make_unique<InterlocuteurPeinture>())
{
    setObjectName(QStringLiteral("Form%1").arg(numero));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setMinimumSize(TailleFenetreMin, TailleFenetreMin);
    const ReglagesFenetres& reglages = reglagesFenetres();

    couleurFond_ = VersQColor(reglages.CouleurFenetre);
    modeFond_ = 0;
    AiresARecalculer = false;
    CommentaireAMontrer = true;
    FichierMenus = reglages.FichierMenus;
    SuitParametres = false;
    ModeSouris = 11;

    const int largeur = BorneTaille(reglages.LargeurFenetre);
    const int hauteur = BorneTaille(reglages.HauteurFenetre);
    dessin_ = std::make_unique<GCDessin>();
    dessin_->NumeroFenetre = numero_;
    textes_ = std::make_unique<GCListTextes>();
    aires_ = std::make_unique<GCListAires>(numero_);
    plaques_ = std::make_unique<GCListPlaq>();
    repere_ = std::make_unique<GCRepere>(true, largeur, hauteur);
    if (reglages.Ini)
        repere_->LitIni(*reglages.Ini);
    fonctionsAux_.fill(QStringLiteral("0"));

    paintBox_ = new BoiteDessin(*this);
    transport_ = new QWidget(this);
    transport_->setObjectName(QStringLiteral("Transport"));
    transport_->setFixedSize(50, 50);
    transport_->hide();
    labelInfo_ = new QLabel(QStringLiteral("ce point"), this);
    labelInfo_->setObjectName(QStringLiteral("LabelInfo"));
    labelInfo_->hide();

    construitMenus();

    fixeTitre(reglages.TitreFenetre);
    fixeTailleClient(largeur, hauteur);
}

TForm1::~TForm1()
{
    // Curves, areas and texts are released with the lists (curves and areas that another
    // window also lists live on there).
    qDeleteAll(menus_);
    delete optionFenetre_;
    delete optionTrace_;
}

void TForm1::construitMenus()
{
    // Main menu, from the table: each row hangs under the last row one level up.
    std::vector<QMenu*> pile;
    for (const ArticleMenu& article : TableMenuPrincipal()) {
        const QString nom = QString::fromUtf8(article.nom);
        const QString libelle = QString::fromUtf8(article.libelle);
        const bool sousMenu = article.gestionnaire == nullptr;
        pile.resize(std::size_t(std::max(0, article.profondeur)));
        if (article.profondeur == 0) {
            auto* menu = new QMenu(libelle);
            menu->setObjectName(nom);
            menu->menuAction()->setObjectName(nom);
            menus_.append(menu);
            actions_.append(menu->menuAction());
            pile.push_back(menu);
            continue;
        }
        if (pile.empty() || pile.back() == nullptr)
            continue;
        QMenu* parent = pile.back();
        if (sousMenu) {
            QMenu* menu = parent->addMenu(libelle);
            menu->setObjectName(nom);
            menu->menuAction()->setObjectName(nom);
            actions_.append(menu->menuAction());
            pile.push_back(menu);
            continue;
        }
        QAction* action = parent->addAction(libelle);
        action->setObjectName(nom);
        if (article.raccourci)
            action->setShortcut(QKeySequence(QString::fromLatin1(article.raccourci)));
        action->setCheckable(article.cochable);
        action->setData(article.tag);
        const GestionnaireMenu g = article.gestionnaire;
        connect(action, &QAction::triggered, this, [this, g, action] { (this->*g)(action); });
        actions_.append(action);
    }

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
}

QAction* TForm1::action(const QString& nom) const
{
    for (QAction* a : actions_)
        if (a->objectName() == nom)
            return a;
    for (QMenu* m : {optionFenetre_, optionTrace_})
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
    couleurFond_ = couleur;
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
    // The curves of this window that no other window lists are no longer callable by name.
    for (const PtrCourbe& c : dessin_->Courbes)
        if (c && !ListeeAilleurs(c.get(), dessin_.get()))
            RetireNomPropre(*c);
    emit videAvertissements();
    return true;
}

// ---------------------------------------------------------------------------------------
// Painting

void TForm1::CompileFonctionsAux()
{
    ContexteCalcul& contexte = contexteCalcul();
    contexte.YEstVariable = false;
    for (int i = 0; i < NbFonctionsAux; ++i) {
        const QString& texte = fonctionsAux_[std::size_t(i)];
        if (!definitFonctionAuxiliaire(i, texte.trimmed().toStdString()))
            interlocuteur().message(QStringLiteral("La fonction auxiliaire f%1 n'a pas pu être compilée!").arg(i));
    }
    contexte.YEstVariable = true;
}

void TForm1::rendCoucheFond(int largeur, int hauteur, bool calcule)
{
    // The window's colour, the background picture (kept in the area mode too), then the
    // areas: computed again on the frame, or only composed from their last bitmaps.
    const TCouleur fond = DeQColor(couleurFond_);
    if (calcule)
        aires_->CalculeTout(*repere_, coucheFond_, fond, ImageFond, EtireImage);
    else
        aires_->Dessine(coucheFond_, QSize(largeur, hauteur), fond, ImageFond, EtireImage);
    if (coucheFond_.size() != QSize(largeur, hauteur)) {
        QImage couche(largeur, hauteur, QImage::Format_RGB32);
        couche.fill(couleurFond_);
        QPainter p(&couche);
        p.drawImage(0, 0, coucheFond_);
        coucheFond_ = couche;
    }
}

void TForm1::dessineFond(QPainter& peintre, int largeur, int hauteur)
{
    if (modeFond_ == 1 || modeFond_ == 2) {
        if (AiresARecalculer) {
            AiresARecalculer = false;
            CurseurAttente attente;
            rendCoucheFond(largeur, hauteur, true);
        } else if (coucheFond_.size() != QSize(largeur, hauteur)) {
            rendCoucheFond(largeur, hauteur, false);
        }
        peintre.drawImage(0, 0, coucheFond_);
    } else {
        peintre.fillRect(0, 0, largeur, hauteur, couleurFond_);
    }
}

void TForm1::PaintBoxPaint(QPainter& peintre)
{
    const int largeur = std::max(1, paintBox_->width());
    const int hauteur = std::max(1, paintBox_->height());
    emit videAvertissements();
    CompileFonctionsAux();
    repere_->VideCellules();
    repere_->FixeTaille(largeur, hauteur);
    repere_->GetUnitesParPixel(UniteX, UniteY);
    dessineFond(peintre, largeur, hauteur);
    dessin_->Dessine(peintre, *repere_);
    textes_->Dessine(*repere_, peintre);
}

void TForm1::peintBoite(QPainter& peintre, const QRect& zone)
{
    const QSize taille = paintBox_->size();
    if (enPeinture_ || (afficheTampon_ && affichage_.size() == taille)) {
        // A paint asked while the window renders, or a rendering just made through the back
        // buffer (DessineTampon): show what is there.
        afficheTampon_ = false;
        peintre.drawImage(zone, affichage_, zone);
        return;
    }
    enPeinture_ = true;
    if (affichage_.size() != taille)
        affichage_ = QImage(taille.expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    {
        FileMessages file(*interPeinture_);
        QPainter p(&affichage_);
        p.setRenderHint(QPainter::Antialiasing, false);
        PaintBoxPaint(p);
        p.end();
        retiensMessages();
    }
    ++peintures_;
    peintre.drawImage(zone, affichage_, zone);
    enPeinture_ = false;
    signaleEtatMenusDiffere();
}

void TForm1::DessineTampon(int garde)
{
    const int largeur = std::max(1, paintBox_->width());
    const int hauteur = std::max(1, paintBox_->height());
    FileMessages file(*interPeinture_);
    CompileFonctionsAux();
    repere_->VideCellules();
    repere_->FixeTaille(largeur, hauteur);
    repere_->GetUnitesParPixel(UniteX, UniteY);
    if (tampon_.size() != QSize(largeur, hauteur)) {
        QImage nouveau(largeur, hauteur, QImage::Format_RGB32);
        nouveau.fill(couleurFond_);
        if (garde >= 1 && !tampon_.isNull()) {
            QPainter p(&nouveau);
            p.drawImage(0, 0, tampon_);
        }
        tampon_ = nouveau;
    }
    {
        QPainter p(&tampon_);
        if (garde < 1) {
            p.fillRect(0, 0, largeur, hauteur, couleurFond_);
            if (modeFond_ == 1 && !ImageFond.isNull()) {
                if (EtireImage)
                    p.drawImage(QRect(0, 0, largeur, hauteur), ImageFond);
                else
                    p.drawImage((largeur - ImageFond.width()) / 2, (hauteur - ImageFond.height()) / 2,
                                ImageFond);
            }
        }
        if (!aires_->Vide()) {
            // The areas over what is there: on a fresh buffer the whole composition (colour,
            // picture, areas); over a kept one only the areas' own pixels.
            CurseurAttente attente;
            const TCouleur fond = DeQColor(couleurFond_);
            QImage couche;
            if (garde < 1) {
                aires_->CalculeTout(*repere_, couche, fond, modeFond_ == 1 ? ImageFond : QImage(), EtireImage);
                p.drawImage(0, 0, couche);
            } else {
                aires_->CalculeTout(*repere_, couche, fond);
                const QRgb f = couleurFond_.rgb() | 0xFF000000u;
                const int l = std::min(largeur, couche.width()), h = std::min(hauteur, couche.height());
                p.end();
                for (int y = 0; y < h; ++y) {
                    const auto* s = reinterpret_cast<const QRgb*>(couche.constScanLine(y));
                    auto* d = reinterpret_cast<QRgb*>(tampon_.scanLine(y));
                    for (int x = 0; x < l; ++x)
                        if ((s[x] | 0xFF000000u) != f)
                            d[x] = s[x];
                }
                p.begin(&tampon_);
            }
        }
        // PROVISOIRE: the plates are drawn here once their list exists.
        dessin_->Dessine(p, *repere_);
    }
    affichage_ = tampon_.copy();
    {
        QPainter p(&affichage_);
        textes_->Dessine(*repere_, p);
    }
    retiensMessages();
    ++peintures_;
    afficheTampon_ = true;
    paintBox_->update();
}

void TForm1::retiensMessages()
{
    // A message shown earlier that this rendering no longer raises is forgotten, so that it
    // is shown again if its cause comes back.
    const QStringList& leves = interPeinture_->leves;
    QSet<QString> encore;
    for (const QString& t : leves)
        if (messagesMontres_.contains(t))
            encore.insert(t);
    messagesMontres_ = encore;
    for (const QString& t : leves)
        if (!messagesMontres_.contains(t) && !messagesEnAttente_.contains(t))
            messagesEnAttente_.append(t);
    if (!messagesEnAttente_.isEmpty() && !messagesPrevus_) {
        messagesPrevus_ = true;
        QTimer::singleShot(0, this, &TForm1::montreMessagesDiffere);
    }
}

void TForm1::montreMessagesDiffere()
{
    messagesPrevus_ = false;
    const QStringList attente = messagesEnAttente_;
    messagesEnAttente_.clear();
    for (const QString& t : attente) {
        if (messagesMontres_.contains(t))
            continue;
        messagesMontres_.insert(t);
        interlocuteur().message(t);
    }
}

void TForm1::oublieMessages()
{
    messagesMontres_.clear();
}

void TForm1::signaleEtatMenusDiffere()
{
    if (etatMenusPrevu_)
        return;
    etatMenusPrevu_ = true;
    QTimer::singleShot(0, this, [this] {
        etatMenusPrevu_ = false;
        emit etatMenusChange();
    });
}

// ---------------------------------------------------------------------------------------
// Pop-up menu of the window

void TForm1::Changerlataille1Click(QAction*)
{
    int largeur = width();
    int hauteur = height();
    if (!dialoguesFenetre().saisitTaille(this, largeur, hauteur))
        return;
    fixeTailleClient(largeur, hauteur);
    FormResize();
}

void TForm1::Changerletitre1Click(QAction*)
{
    QString texte = titre();
    if (dialoguesFenetre().saisitTexte(this, QStringLiteral("Titre de la fenêtre"),
                                       QStringLiteral("Nouveau titre :"), texte))
        fixeTitre(texte);
}

void TForm1::Changerlacouleurdufond1Click(QAction*)
{
    QColor couleur = couleurFond_;
    if (!dialoguesFenetre().choisitCouleur(this, couleur))
        return;
    fixeCouleurFond(couleur);
}

// ---------------------------------------------------------------------------------------
// Curve pop-up menu


std::shared_ptr<GCCourbe> TForm1::courbeDuCode() const
{
    return CodeObjetSouris() > 0 ? dessin_->CourbeDuNumero(CodeObjetSouris()) : nullptr;
}

void TForm1::PaintBoxDblClick(QAction*)
{
    // A curve: its own edit dialog. The frame's axes are the mouse's business.
    if (PtrCourbe courbe = courbeDuCode()) {
        CourbeCourante() = courbe;
        courbe->Modifie(false);
        courbe->Selectionne = false;
        oublieMessages();
    }
    paintBox_->update();
}

void TForm1::DupliquerClick(QAction* emetteur)
{
    // From the curve pop-up: the curve under the mouse; from the main menu: a curve chosen.
    const bool depuisMenuContextuel = emetteur && emetteur->objectName() == QLatin1String("MenuItem5");
    PtrCourbe source = depuisMenuContextuel ? courbeDuCode()
                                            : dessin_->ChoisitCourbe(QString::fromLatin1(LettresCourbes));
    if (!source)
        return;
    CourbeCourante() = source;
    const int numero = nouveauNumero();
    PtrCourbe clone = CloneCourbe(*source, numero, numero_);
    if (!clone)
        return;
    if (clone->Modifie(true)) {
        dessin_->AjouteCourbe(clone);
        paintBox_->update();
    } else {
        // The edit dialog of an X or Y curve enters its name even when cancelled: the name
        // of a copy that is not kept must not stay callable.
        RetireNomPropre(*clone);
    }
}

void TForm1::DupInvClick(QAction*)
{
    PtrCourbe source = courbeDuCode();
    if (!source)
        return;
    CourbeCourante() = source;
    const int numero = nouveauNumero();
    auto inverse = std::make_shared<GCOperUnaire>(QLatin1Char('Q'), 18, numero_, numero);
    // Number and date like every other object, so that two reversals made within the same
    // second keep apart in documents.
    inverse->FixeIdentifiant(QString::number(numero) + horodatage());
    inverse->FixeMere(1, source->Identifiant);
    const QChar genre = source->TypeCourbe.toUpper();
    if (const auto* c = dynamic_cast<const GCC*>(source.get())) {
        QString debut, pas;
        c->DebutPas(debut, pas);
        inverse->FixeBornes(debut, debut, pas);
    } else if (genre == QLatin1Char('L')) {
        inverse->FixeBornes(QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0.1"));
    } else if (const auto* y = dynamic_cast<const GCY*>(source.get())) {
        QString xinf, xsup, pas;
        y->Bornes(xinf, xsup, pas);
        inverse->FixeBornes(xinf, xsup, pas);
    }
    bool batons = false, joint = true;
    source->ModeTrace(batons, joint);
    inverse->FixeModeTrace(batons, joint);
    inverse->GCCourbe::FixeLibelles(QStringLiteral("Inv. sens de ") + source->Nom, QString());
    inverse->Couleur = source->Couleur;
    inverse->Epaisseur = source->Epaisseur;
    // Traced by the paint that follows, with every curve of the window.
    inverse->Journalise();
    dessin_->AjouteCourbe(inverse);
    paintBox_->update();
}

void TForm1::InfoscrbClick(QAction*)
{
    PtrCourbe courbe = courbeDuCode();
    if (!courbe)
        return;
    CourbeCourante() = courbe;
    QStringList lignes;
    courbe->Decrit(lignes);
    dialoguesFenetre().montreTexte(this, QStringLiteral("Editeur"), lignes);
}

void TForm1::chgnomClick(QAction*)
{
    PtrCourbe courbe = courbeDuCode();
    if (!courbe)
        return;
    CourbeCourante() = courbe;
    QString nom = courbe->Nom;
    if (!dialoguesFenetre().saisitTexte(this, QStringLiteral("Changer le nom de la courbe"),
                                        QStringLiteral("Remplacer le nom de la courbe par :"), nom))
        return;
    nom = TexteDeChamp(nom).trimmed();
    if (nom.isEmpty() || nom == courbe->Nom)
        return;
    const QChar genre = courbe->TypeCourbe.toUpper();
    auto* rel = dynamic_cast<GCRelNum*>(courbe.get());
    if ((genre == QLatin1Char('X') || genre == QLatin1Char('Y')) && rel) {
        // A curve callable by name keeps being callable, under its new name; a name that
        // another curve already has would make the document unreadable.
        const int slot = chercheFonction(majuscules(nom.toStdString()));
        if (slot >= 0 && contexteCalcul().fonctionsNommees[std::size_t(slot)].arbre != &rel->Expression1) {
            interlocuteur().message(QStringLiteral("Il existe déjà une courbe appelée :") + nom);
            return;
        }
        RetireNomPropre(*courbe);
        courbe->Nom = nom;
        if (auto* y = dynamic_cast<GCY*>(courbe.get()))
            y->MemoriseLibelle();
    } else {
        courbe->Nom = nom;
    }
    paintBox_->update();
}

int IndiceCourbeParIdentifiant(const std::vector<std::shared_ptr<GCCourbe>>& courbes,
                               const QString& identifiant)
{
    for (std::size_t i = 0; i < courbes.size(); ++i)
        if (courbes[i] && courbes[i]->Identifiant == identifiant)
            return int(i);
    return -1;
}

void TForm1::RedessineApresParametre(int indice, const QString& valeur, int mode,
                                     const std::vector<std::shared_ptr<GCCourbe>>& courbes,
                                     const std::vector<std::shared_ptr<GCAire>>& aires,
                                     const QList<QPointer<TForm1>>& fenetres)
{
    const auto fenetreDuNumero = [&fenetres](int numero) -> TForm1* {
        for (const QPointer<TForm1>& f : fenetres)
            if (f && f->numero() == numero)
                return f.data();
        return nullptr;
    };
    if (mode == 2) {
        // A copy of every designated curve in its own window; derived copies then follow the
        // copies of their mothers (all copies are made first, so that the order of the
        // designation does not matter).
        std::vector<PtrCourbe> clones(courbes.size());
        for (std::size_t k = 0; k < courbes.size(); ++k) {
            const PtrCourbe& source = courbes[k];
            if (!source || !fenetreDuNumero(source->NumeroFenetre))
                continue;
            clones[k] = CloneCourbe(*source, nouveauNumero(), source->NumeroFenetre);
        }
        for (std::size_t k = 0; k < courbes.size(); ++k) {
            const PtrCourbe& clone = clones[k];
            if (!clone)
                continue;
            const QChar genre = clone->TypeCourbe.toUpper();
            if (genre == QLatin1Char('O') || genre == QLatin1Char('Q') || genre == QLatin1Char('U')) {
                const int meres = genre == QLatin1Char('O') ? 2 : 1;
                for (int m = 1; m <= meres; ++m) {
                    const QString mere = courbes[k]->Mere(m);
                    const int i = IndiceCourbeParIdentifiant(courbes, mere);
                    if (i >= 0 && clones[std::size_t(i)]) {
                        clone->FixeMere(m, clones[std::size_t(i)]->Identifiant);
                    } else {
                        clone->FixeMere(m, mere);
                        interlocuteur().message(QStringLiteral("Pb de mère !"));
                    }
                }
            }
            fenetreDuNumero(courbes[k]->NumeroFenetre)->Dessin().AjouteCourbe(clone);
        }
        for (const auto& aire : aires) {
            TForm1* f = aire ? fenetreDuNumero(aire->NumeroFenetre()) : nullptr;
            if (!f)
                continue;
            if (auto clone = CloneAire(*aire, nouveauNumero(), aire->NumeroFenetre()))
                f->Aires().Ajoute(clone);
        }
    }
    for (const PtrCourbe& c : courbes)
        if (c && fenetreDuNumero(c->NumeroFenetre))
            c->FixeParametre(indice, valeur);
    for (const auto& a : aires)
        if (a && fenetreDuNumero(a->NumeroFenetre()))
            a->FixeParametre(indice, valeur);
    for (const QPointer<TForm1>& f : fenetres)
        if (f)
            f->DessineTampon(mode);
}

void TForm1::Tableaudevaleurs1Click(QAction* a) { NonDisponible(a); }
void TForm1::Ecouter1Click(QAction* a) { NonDisponible(a); }

std::shared_ptr<GCCourbe> CloneCourbe(const GCCourbe& source, int numero, int numeroFenetre)
{
    const QChar genre = source.TypeCourbe.toUpper();
    if (!EstGenreCourbe(genre))
        return nullptr;
    // What the class's constructor needs besides the letter.
    int entier = 0;
    switch (genre.unicode()) {
    case 'A':
    case 'I':
    case 'N':
        entier = source.SousType;
        break;
    case 'D':
    case 'E':
    case 'G':
        if (const auto* dg = dynamic_cast<const GCDG*>(&source))
            entier = dg->Ordre;
        break;
    case 'O':
        if (const auto* o = dynamic_cast<const GCOperBinaire*>(&source))
            entier = o->Operation;
        break;
    case 'Q':
    case 'U':
        if (const auto* u = dynamic_cast<const GCOperUnaire*>(&source))
            entier = u->Operation;
        break;
    default:
        break;
    }
    PtrCourbe clone = CreeCourbe(genre, numeroFenetre, numero, entier);
    if (clone)
        clone->Copie(source);
    return clone;
}

std::shared_ptr<GCAire> CloneAire(const GCAire& source, int numero, int numeroFenetre)
{
    // Inequation areas, dynamic processes (Julia, Mandelbrot) and transformed areas.
    const QChar genre = source.Genre().toUpper();
    if (genre != QLatin1Char('A') && genre != QLatin1Char('J') && genre != QLatin1Char('M')
        && genre != QLatin1Char('T'))
        return nullptr;
    std::shared_ptr<GCAire> clone = source.CreeMemeGenre(numero, numeroFenetre);
    if (clone)
        clone->Copie(source);
    return clone;
}

// ---------------------------------------------------------------------------------------
// Commands carried out by the frame

void TForm1::Ouvrir1Click(QAction*) { emit commandeCadre(QStringLiteral("FileOpenItemClick")); }
void TForm1::Libells2Click(QAction*) { emit commandeCadre(QStringLiteral("FileSaveItemClick")); }
void TForm1::Fermer1Click(QAction*) { emit commandeCadre(QStringLiteral("FileCloseItemClick")); }
void TForm1::Quitter1Click(QAction*) { emit commandeCadre(QStringLiteral("FileExitItemClick")); }
void TForm1::Toutrduire1Click(QAction*) { emit commandeCadre(QStringLiteral("WindowMinimizeItemClick")); }
void TForm1::Mosaqueverticale1Click(QAction*) { emit commandeCadre(QStringLiteral("MosaqueVerticale1Click")); }
void TForm1::Mosaquehorizontale1Click(QAction*) { emit commandeCadre(QStringLiteral("WindowTileItemClick")); }
void TForm1::Cascade1Click(QAction*) { emit commandeCadre(QStringLiteral("WindowCascadeItemClick")); }
void TForm1::Informations1Click(QAction*) { emit commandeCadre(QStringLiteral("Infos1Click")); }
void TForm1::Nouvellefentre1Click(QAction*) { emit commandeCadre(QStringLiteral("Nouvellefentre1Click")); }
void TForm1::Configuration1Click(QAction*) { emit commandeCadre(QStringLiteral("Configuration1Click")); }
void TForm1::Transfoperso1Click(QAction*) { emit commandeCadre(QStringLiteral("Transfoperso1Click")); }
void TForm1::Trperso1Click(QAction*) { emit commandeCadre(QStringLiteral("Trperso1Click")); }

void TForm1::DefinirCourbeClick(QAction* emetteur)
{
    if (!emetteur)
        return;
    // The item's name gives the kind: "XCartsienneenX1" is X. The implicit sub-menu gives the
    // sub-kind 0, 1 or 2 of I; the sequence items carry their sub-kind in their tag.
    const QString nom = emetteur->objectName();
    static const QHash<QString, int> implicites = {
        {QStringLiteral("Autres1"), 0}, {QStringLiteral("DroiteAxByC01"), 1}, {QStringLiteral("Coniques1"), 2}};
    if (implicites.contains(nom)) {
        DefinitCourbe(*this, QLatin1Char('I'), implicites.value(nom));
        return;
    }
    const int tag = emetteur->data().toInt();
    if (tag >= 1 && tag <= 6) {
        DefinitCourbe(*this, QLatin1Char('N'), tag);
        return;
    }
    DefinitCourbe(*this, nom.at(0), 0);
}

void TForm1::NonDisponible(QAction*)
{
    interlocuteur().message(MessageNonDisponible());
}
