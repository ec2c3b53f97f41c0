// The frame's tool bars: their buttons, what a click runs in the active graph window, and
// how the buttons follow that window's menu items.
#include "frame/barres.h"

#include <QAction>
#include <QHash>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include "frame/Main.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
#include "window/fenetre.h"

namespace {

using B = BarreOutils;
using A = ActionBouton;

const std::vector<BoutonBarre> boutons = {
    // ----------------------------------------------------------------- Standard
    {B::Standard, "ExitBtn", "quitter", "Quitter", "Quitter", nullptr, "Quitter1", A::Quitter},
    {B::Standard, "OpenBtn", "ouvrir", "Ouvrir", "Ouvrir", "Ouvrir un ou plusieurs fichiers de courbes", "Ouvrir1",
     A::Ouvrir},
    {B::Standard, "SaveBtn", "enregistrer", "Enregistrer", "Enregistrer", "Enregistrer les fenêtres de tracé",
     "Libells2"},
    {B::Standard, "CutBtn", "couper", "Couper", "Couper", nullptr, "Couper1"},
    {B::Standard, "CopyBtn", "copier", "Copier", "Copier", nullptr, "Copier1"},
    {B::Standard, "PasteBtn", "coller", "Coller", "Coller", nullptr, "Coller1"},
    {B::Standard, "SBPrimit", "primitive", "Primitives/Orbites", "Primitives/Orbites", nullptr, "Primitive1"},
    {B::Standard, "sbSaisGr", "pointparpoint", "Point par point", "Point par point",
     "Définir une courbe point par point à la souris", "Pointparpoint1"},
    {B::Standard, "sbReg", "regressions", "Régressions", "Régressions", nullptr, "Approximations1"},
    {B::Standard, "sbMainlevee", "mainlevee", "Main levée", "Main levée", "Tracer une courbe à \"main levée\"",
     "Mainleve1"},
    {B::Standard, "SBQuest", "questions", "Questions/Commentaires", "Questions/Commentaires", nullptr,
     "Commentaires1"},
    {B::Standard, "SBreduc", "reduire", "Réduire les unités", "Réduire les unités", nullptr, "Zoom1", A::Reduire},
    {B::Standard, "SBagrand", "agrandir", "Augmenter les unités", "Augmenter les unités", nullptr, "Zoom1",
     A::Agrandir},
    {B::Standard, "SBnorm", "norme", "Repère normé", "Repère normé", "Changer la normalité du repère", "Repre2",
     A::Norme},
    {B::Standard, "SBtgte", "tangentes", "Tangentes", "Tangentes", nullptr, "Tangentes1"},
    {B::Standard, "sbY", nullptr, "y=f(x)", "Courbe y=f(x)", "Représente une courbe d'équation y=f(x)",
     "YCartsienneeny1"},
    {B::Standard, "SBzoom", "zoom", "Zoom manuel", "Zoom manuel", "Zoom manuel", "Manuel1"},
    {B::Standard, "sbLgnBr", "lignebrisee", "Ligne brisée", "Ligne brisée", "Définir une ligne brisée à la souris",
     "Lignebrise1"},

    // ----------------------------------------------------------------- geometric transformations
    {B::TransfoGeom, "sbAffx", "affx", "Aff. ortho. d'axe Ox", "Aff. ortho. d'axe Ox", "Affinité orthogonale d'axe Ox",
     "AffinitdaxeOx1"},
    {B::TransfoGeom, "sbAffy", "affy", "Aff. ortho. d'axe Oy", "Aff. ortho. d'axe Oy", "Affinité orthogonale d'axe Oy",
     "AffinitdaxeOy1"},
    {B::TransfoGeom, "sbHomog", "homographie", "Homographie", "Homographie", nullptr, "Homographie1", A::Aucune},
    {B::TransfoGeom, "sbHomoth", "homothetie", "Homothétie", "Homothétie", nullptr, "Homothtie1"},
    {B::TransfoGeom, "sbInvc", "invcomplexe", "Inv. complexe", "Inv. complexe", "Inversion complexe", "Complexe1"},
    {B::TransfoGeom, "sbInvG", "invgeom", "Inv. géométrique", "Inv. géométrique", "Inversion géométrique",
     "Gomtrique1"},
    {B::TransfoGeom, "sbProjH", "projh", "Proj sur axe horiz.", "Proj sur axe horiz.",
     "Projection sur un axe horizontal", "Projsurunaxehorizontal1"},
    {B::TransfoGeom, "sbProjO", "projo", "Proj. sur axe obli.", "Proj. sur axe obli.", "Projection sur un axe oblique",
     "Projsurunaxeoblique1"},
    {B::TransfoGeom, "sbProjV", "projv", "Proj. sur axe vert.", "Proj. sur axe vert.",
     "Projection sur un axe vertical", "Projsurunaxevertical1"},
    {B::TransfoGeom, "sbRot", "rotation", "Rotation", "Rotation", nullptr, "Rotation1"},
    {B::TransfoGeom, "sbSimil", "similitude", "Similitude", "Similitude", nullptr, "Similitude1"},
    {B::TransfoGeom, "sbSymH", "symh", "Sym. axe horiz.", "Sym. axe horiz.", "Reflexion d'axe horizontal", "SymH"},
    {B::TransfoGeom, "sbSymOb", "symob", "Sym. axe obli.", "Sym. axe obli.", "Reflexion d'axe oblique", "SymOb"},
    {B::TransfoGeom, "sbSymV", "symv", "Sym. axe vert.", "Sym. axe vert.", "Reflexion d'axe vertical", "symV"},
    {B::TransfoGeom, "sbSymCtr", "symctr", "Sym. centrale", "Sym. centrale", "Symétrie centrale", "SymCtr"},
    {B::TransfoGeom, "sbTransl", "translation", "Translation", "Translation", nullptr, "Translation1"},
    {B::TransfoGeom, "sbTAQ", nullptr, "Affine", "Transfo. affine qcq.", "Transformation affine quelconque",
     "Transfoaffine1"},

    // ----------------------------------------------------------------- operations on one curve
    {B::OpeSur1crb, "sbEcret", "ecretement", "Ecrêtement", "Ecrêtement", nullptr, "Ecrtage1"},
    {B::OpeSur1crb, "sbInv", nullptr, "1/ f", "Inverse", nullptr, "Inverse"},
    {B::OpeSur1crb, "sbMult", nullptr, "r.f", "x par un réel", "Multiplication par un réel", "Multiplication"},
    {B::OpeSur1crb, "sbOpp", nullptr, "- f", "Opposée", nullptr, "Opposee"},
    {B::OpeSur1crb, "sbPNeg", nullptr, "< 0", "Partie négative", nullptr, "PartieNgative1"},
    {B::OpeSur1crb, "sbPPos", nullptr, "> 0", "Partie positive", nullptr, "PartiePositive1"},
    {B::OpeSur1crb, "sbPuiss", nullptr, "f^n", "Puissance", nullptr, "Puissance1"},
    {B::OpeSur1crb, "sbValAbs", nullptr, "| f |", "Valeur absolue", nullptr, "Valeurabsolue1"},
    {B::OpeSur1crb, "sbDecim", nullptr, "Déci", "Décimation", nullptr, "Dcimation1"},
    {B::OpeSur1crb, "sbPeriod", nullptr, "Pér", "Périodisation", nullptr, "Priodiser1"},
    {B::OpeSur1crb, "sbCompos", nullptr, "f°n", "f°n", nullptr, "composee"},
    {B::OpeSur1crb, "sbNorme", nullptr, "||f||", "Norme", nullptr, "Norme1"},

    // ----------------------------------------------------------------- further transformations
    {B::TransfoSupp, "sbJouk", nullptr, "Jouk", "Tr. de Joukowski", "Transformation de Joukowski",
     "TransfodeJoukowski1"},
    {B::TransfoSupp, "sbTF", nullptr, "TFD", "Tr. de Fourier", "Transformation de Fourier discrète", "TFD"},
    {B::TransfoSupp, "sbTFr", nullptr, "TFr", "Tr. de Fourier rcq", "Transformation de Fourier réciproque",
     "TFDrciproque1"},
    {B::TransfoSupp, "sbTrq", nullptr, "Qcq", "Tr. quelconque", "Transformation quelconque", "Tfqcq"},
};

// The items above a row of the window's menu table, nearest first.
const QStringList& Ancetres(const QString& article)
{
    static const QHash<QString, QStringList> ancetres = [] {
        QHash<QString, QStringList> h;
        const std::vector<ArticleMenu>& table = TableMenuPrincipal();
        for (std::size_t i = 0; i < table.size(); ++i) {
            QStringList chaine;
            int profondeur = table[i].profondeur;
            for (std::size_t j = i; j-- > 0 && profondeur > 0;)
                if (table[j].profondeur < profondeur) {
                    chaine << QString::fromUtf8(table[j].nom);
                    profondeur = table[j].profondeur;
                }
            h.insert(QString::fromUtf8(table[i].nom), chaine);
        }
        return h;
    }();
    static const QStringList aucun;
    const auto it = ancetres.constFind(article);
    return it == ancetres.cend() ? aucun : *it;
}

// The bars, in the frame's order.
struct DescriptionBarre {
    BarreOutils barre;
    const char* nom;
    const char* titre;
    Qt::ToolBarArea zone;
};
const DescriptionBarre descriptions[] = {
    {B::Standard, "SpeedPanel", "Standard", Qt::TopToolBarArea},
    {B::TransfoGeom, "TransfoBar", "TransfoGéom", Qt::TopToolBarArea},
    {B::OpeSur1crb, "Op1Bar", "OpéSur1crb", Qt::RightToolBarArea},
    {B::TransfoSupp, "SupplBar", "TransfoSupp", Qt::RightToolBarArea},
};

}  // namespace

const std::vector<BoutonBarre>& TableBoutons()
{
    return boutons;
}

// ---------------------------------------------------------------------------------------

QToolBar* TMainForm::*TMainForm::membreBarre(BarreOutils barre)
{
    switch (barre) {
    case BarreOutils::Standard: return &TMainForm::speedPanel_;
    case BarreOutils::TransfoGeom: return &TMainForm::transfoBar_;
    case BarreOutils::OpeSur1crb: return &TMainForm::op1Bar_;
    case BarreOutils::TransfoSupp: return &TMainForm::supplBar_;
    }
    return &TMainForm::speedPanel_;
}

QToolBar* TMainForm::Barre(BarreOutils barre)
{
    QToolBar*& place = this->*membreBarre(barre);
    if (place)
        return place;
    const DescriptionBarre& d = descriptions[int(barre)];
    place = new QToolBar(QString::fromUtf8(d.titre), this);
    place->setObjectName(QString::fromLatin1(d.nom));
    // In its area, before the bars that follow it in the list, wherever they stand now.
    QToolBar* suivante = nullptr;
    for (const DescriptionBarre* e = &d + 1; e != std::end(descriptions) && !suivante; ++e)
        if (QToolBar* b = this->*membreBarre(e->barre); b && e->zone == d.zone && toolBarArea(b) == d.zone)
            suivante = b;
    if (suivante)
        insertToolBar(suivante, place);
    else
        addToolBar(d.zone, place);
    // The standard bar shows with the frame; another one is made hidden, whenever it is made.
    if (barre != BarreOutils::Standard)
        place->hide();
    // A bar gets its buttons when it is first shown: the hidden ones cost nothing at start.
    const std::vector<BoutonBarre>& table = TableBoutons();
    for (std::size_t i = 0; i < std::size_t(boutons_.size()) && i < table.size(); ++i)
        if (table[i].barre == barre)
            boutons_[i]->setParent(place);
    connect(place, &QToolBar::visibilityChanged, this, [this, b = place](bool visible) {
        if (visible)
            garnitBarre(b);
    });
    return place;
}

QToolBar* TMainForm::TransfoBar()
{
    return Barre(BarreOutils::TransfoGeom);
}

QToolBar* TMainForm::Op1Bar()
{
    return Barre(BarreOutils::OpeSur1crb);
}

QToolBar* TMainForm::SupplBar()
{
    return Barre(BarreOutils::TransfoSupp);
}

bool TMainForm::barreMontree(BarreOutils barre) const
{
    const QToolBar* b = this->*membreBarre(barre);
    return b && !b->isHidden();
}

void TMainForm::montreBarre(BarreOutils barre, bool visible)
{
    if (visible || this->*membreBarre(barre))
        Barre(barre)->setVisible(visible);
}

QMenu* TMainForm::createPopupMenu()
{
    auto* menu = new QMenu(this);
    for (const DescriptionBarre& d : descriptions)
        menu->addAction(Barre(d.barre)->toggleViewAction());
    return menu;
}

QAction* TMainForm::Bouton(const QString& nom) const
{
    for (QAction* a : boutons_)
        if (a->objectName() == nom)
            return a;
    return nullptr;
}

void TMainForm::construitBarres()
{
    Barre(BarreOutils::Standard);
    for (const BoutonBarre& b : TableBoutons()) {
        // The frame's until its bar is made.
        QObject* parent = this->*membreBarre(b.barre);
        auto* a = new QAction(QString::fromUtf8(b.libelle), parent ? parent : this);
        a->setObjectName(QString::fromLatin1(b.nom));
        if (b.image)
            a->setIcon(IconeSvg(QStringLiteral(":/boutons/%1.svg").arg(QLatin1String(b.image))));
        a->setToolTip(QString::fromUtf8(b.conseil));
        a->setStatusTip(QString::fromUtf8(b.conseilLong ? b.conseilLong : b.conseil));
        boutons_.push_back(a);
        const BoutonBarre* bouton = &b;
        connect(a, &QAction::triggered, this, [this, bouton] { BoutonClique(*bouton); });
    }
    garnitBarre(speedPanel_);
    AppliqueBarresOutils();
}

void TMainForm::garnitBarre(QToolBar* barre)
{
    if (!barre->actions().isEmpty())
        return;
    for (QAction* a : boutons_)
        if (a->parent() == barre)
            barre->addAction(a);
}

void TMainForm::BoutonClique(const BoutonBarre& bouton)
{
    // The window of the frame's current sub-window (it stays current while a dialog has
    // the focus), not the widget that has the focus.
    TForm1* fenetre = fenetreActive();
    switch (bouton.action) {
    case ActionBouton::Quitter:
        FileExitItemClick();
        break;
    case ActionBouton::Aucune:
        break;
    case ActionBouton::Reduire:
    case ActionBouton::Agrandir:
        if (fenetre)
            fenetre->ZoomCentre(bouton.action == ActionBouton::Reduire);
        break;
    case ActionBouton::Norme:
        if (fenetre)
            fenetre->NormeRepere();
        break;
    case ActionBouton::Ouvrir:
        if (!fenetre) {
            FileOpenItemClick();
            break;
        }
        [[fallthrough]];
    case ActionBouton::Article:
        if (QAction* article = fenetre ? fenetre->action(QString::fromLatin1(bouton.article)) : nullptr)
            if (article->isEnabled())
                article->trigger();
        break;
    }
    // The button shows the state the command left (a refused toggle stays up).
    AppliqueBarresOutils();
}

void TMainForm::AppliqueBarresOutils()
{
    TForm1* fenetre = fenetreActive();
    const bool courbes = etatGraphe().CompteurCourbes > 1;
    const bool pressePapier = !designation().CourbesAColler.empty();
    // The buttons were made in the order of the table.
    const std::vector<BoutonBarre>& table = TableBoutons();
    for (std::size_t i = 0; i < std::size_t(boutons_.size()) && i < table.size(); ++i) {
        const BoutonBarre& b = table[i];
        QAction* bouton = boutons_[i];
        const QLatin1String nom(b.nom);
        QAction* article = fenetre ? fenetre->action(QString::fromLatin1(b.article)) : nullptr;

        // Shown while the item and every menu above it are shown (with no window: as the
        // bar was made), and while its own state allows it.
        bool visible = true;
        if (fenetre) {
            visible = article && article->isVisible();
            for (const QString& ancetre : Ancetres(QString::fromLatin1(b.article)))
                if (QAction* a = fenetre->action(ancetre); a && !a->isVisible())
                    visible = false;
        }
        if (b.action == ActionBouton::Quitter)
            visible = false;
        else if (nom == QLatin1String("SBnorm"))
            visible = visible && fenetre;
        else if (nom == QLatin1String("SBQuest"))
            visible = visible && fenetre && !fenetre->Commentaire.isEmpty();
        bouton->setVisible(visible);

        // Enabled while its item is, with a window open (the open command also without).
        bool actif = article && article->isEnabled();
        if (nom == QLatin1String("CutBtn") || nom == QLatin1String("CopyBtn"))
            actif = actif && courbes;
        else if (nom == QLatin1String("PasteBtn"))
            actif = actif && pressePapier;
        else if (b.action == ActionBouton::Ouvrir)
            actif = actif || !fenetre;
        bouton->setEnabled(actif);

        // Down while its item is checked; the orthonormal switch while the frame is
        // orthonormal, its hint naming what a click will make.
        if (b.action == ActionBouton::Norme) {
            const bool norme = fenetre && fenetre->Repere().EstNorme();
            bouton->setCheckable(true);
            bouton->setChecked(norme);
            bouton->setToolTip(norme ? QStringLiteral("Repère quelconque") : QStringLiteral("Repère normé"));
        } else {
            bouton->setCheckable(article && article->isCheckable());
            bouton->setChecked(article && article->isChecked());
        }
    }
}

void TMainForm::suitArticles(TForm1* fenetre)
{
    // A change of an item (mark, enabling, check mark) of the active window reaches the
    // buttons once the command that made it has returned.
    for (const ArticleMenu& article : TableMenuPrincipal())
        if (QAction* a = fenetre->action(QString::fromUtf8(article.nom)))
            connect(a, &QAction::changed, this, [this, fenetre] {
                if (fenetre != fenetreActive() || boutonsPrevus_)
                    return;
                boutonsPrevus_ = true;
                QTimer::singleShot(0, this, [this] {
                    boutonsPrevus_ = false;
                    AppliqueBarresOutils();
                });
            });
}
