#include "dialogs/dialrep.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"
#include "graph/repere/GCRepere.h"
#include "graph/repere/titreaxe.h"
#include "graph/textes/GCTexte.h"

namespace {

QString nombre(double v)
{
    return QString::fromStdString(ReelExact(v));
}

QString affiche(double v)
{
    return QString::fromStdString(ReelVersTexte(v)).trimmed();
}

// 10 to the floor of the decimal logarithm of a positive value, as text.
QString PuissanceDeDix(double v)
{
    return nombre(std::pow(10.0, std::floor(std::log10(v))));
}

// The pen styles offered for axis and grid lines: "P" solid, "T" dashed, "I" dotted, each
// shown by a sample of its line.
QComboBox* listeStylesLignes(QWidget* parent, const char* nom)
{
    auto* liste = Nomme(new QComboBox(parent), nom);
    const Qt::PenStyle styles[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine};
    const char* lettres[] = {"P", "T", "I"};
    liste->setIconSize(QSize(40, 10));
    for (int i = 0; i < 3; ++i) {
        QPixmap echantillon(40, 10);
        echantillon.fill(Qt::white);
        QPainter p(&echantillon);
        p.setPen(QPen(Qt::black, 1, styles[i]));
        p.drawLine(2, 5, 38, 5);
        p.end();
        liste->addItem(QIcon(echantillon), QString::fromLatin1(lettres[i]));
    }
    return liste;
}

QComboBox* listeEpaisseurs(QWidget* parent, const char* nom)
{
    auto* liste = Nomme(new QComboBox(parent), nom);
    for (int i = 0; i <= 10; ++i)
        liste->addItem(QString::number(i));
    return liste;
}

// An index chosen in a list, or the previous value when the list shows none (a value that
// the list does not offer, from a document, is kept).
int choix(const QComboBox* liste, int precedent)
{
    return liste->currentIndex() >= 0 ? liste->currentIndex() : precedent;
}

QLineEdit* champ(const char* nom, QWidget* parent)
{
    return Nomme(new QLineEdit(parent), nom);
}

}  // namespace

TReperage::TReperage(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Reperage"));
    setWindowTitle(QStringLiteral("Repérage"));
    AppliqueCouleurFiche(this);
    Pages = Nomme(new QTabWidget(this), "PageControl1");
    // Every tab shows whole, the grids' last (the dialog is as wide as its tabs).
    Pages->setUsesScrollButtons(false);
    Pages->setElideMode(Qt::ElideNone);

    // --- Options
    auto* options = new QWidget(Pages);
    cbOrtho = Nomme(new QCheckBox(QStringLiteral("Normé"), options), "cbOrtho");
    CBPol = Nomme(new QCheckBox(QStringLiteral("Polaire"), options), "CBPol");
    auto* projective = new QGroupBox(QStringLiteral("Vision projective"), options);
    Edho = champ("Edho", projective);
    Eddo = champ("Eddo", projective);
    Edyo = champ("Edyo", projective);
    auto* gp = new QGridLayout(projective);
    gp->addWidget(new QLabel(QStringLiteral("Hauteur de l'oeil :"), projective), 0, 0);
    gp->addWidget(Edho, 0, 1);
    gp->addWidget(new QLabel(QStringLiteral("Distance de l'oeil :"), projective), 1, 0);
    gp->addWidget(Eddo, 1, 1);
    gp->addWidget(new QLabel(QStringLiteral("Ordonnée de l'axe y=0 :"), projective), 2, 0);
    gp->addWidget(Edyo, 2, 1);
    auto* lo = new QVBoxLayout(options);
    lo->addWidget(cbOrtho);
    lo->addWidget(CBPol);
    lo->addWidget(projective);
    lo->addStretch();
    Pages->addTab(options, QStringLiteral("Options"));
    Pages->addTab(pageAxe(AxeX, true), QStringLiteral("Axe_X"));
    Pages->addTab(pageAxe(AxeY, false), QStringLiteral("Axe_Y"));

    // --- Couleurs
    auto* couleurs = new QWidget(Pages);
    auto* gc = new QGridLayout(couleurs);
    struct LigneCouleur {
        QPushButton*& bouton;
        QLabel*& boite;
        const char *nomBouton, *nomBoite, *libelle;
    };
    LigneCouleur lignes[] = {
        {ButCoulAxX, EdCoulX, "ButCoulAxX", "EdCoulX", "couleur de l'axe des &X"},
        {ButCoulAxY, EdCoulY, "ButCoulAxY", "EdCoulY", "couleur de l'axe des &Y"},
        {ButCoulGrH, EdCoulGrH, "ButCoulGrH", "EdCoulGrH", "couleur grille &Horizontale"},
        {ButCoulGrV, EdCoulGrV, "ButCoulGrV", "EdCoulGrV", "couleur grille &Verticale"},
    };
    for (int i = 0; i < 4; ++i) {
        LigneCouleur& l = lignes[i];
        l.bouton = Nomme(new QPushButton(QString::fromUtf8(l.libelle), couleurs), l.nomBouton);
        l.boite = Nomme(new QLabel(couleurs), l.nomBoite);
        l.boite->setMinimumSize(40, 18);
        l.boite->setFrameShape(QFrame::Box);
        gc->addWidget(l.bouton, i, 0);
        gc->addWidget(l.boite, i, 1);
        QLabel* boite = l.boite;
        connect(l.bouton, &QPushButton::clicked, this, [this, i, boite] { choisitCouleur(couleurs_[i], boite); });
    }
    gc->setRowStretch(4, 1);
    Pages->addTab(couleurs, QStringLiteral("Couleurs"));
    Pages->addTab(pageGrille(GrilleH, true), QStringLiteral("Grille horizontale"));
    Pages->addTab(pageGrille(GrilleV, false), QStringLiteral("Grille verticale"));

    BtrepOK = Nomme(new QPushButton(QStringLiteral("&OK"), this), "BtrepOK");
    BtrepOK->setDefault(true);
    BtAnnul = Nomme(new QPushButton(QStringLiteral("&Annuler"), this), "BtAnnul");
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BtrepOK);
    boutons->addWidget(BtAnnul);
    auto* tout = new QVBoxLayout(this);
    tout->addWidget(Pages);
    tout->addLayout(boutons);
    connect(BtrepOK, &QPushButton::clicked, this, &TReperage::accept);
    connect(BtAnnul, &QPushButton::clicked, this, &TReperage::reject);
    connect(CBPol, &QCheckBox::clicked, this, &TReperage::CBPolClick);
    connect(cbOrtho, &QCheckBox::clicked, this, &TReperage::cbOrthoClick);
}

TReperage::~TReperage() = default;

QWidget* TReperage::pageAxe(ControlesAxe& c, bool axeX)
{
    auto* page = new QWidget(Pages);
    const char* n[] = {"edxmin", "Edxmax", "CBdirX", "Checkaxex", "CBlatx", "CBEpX", "CBStyleX", "SBdecX", "CBvux"};
    const char* m[] = {"Edymin", "Edymax", "CBdirY", "Checkaxey", "CBlaty", "CBEpY", "CBStyleY", "SBdecY", "CBvuy"};
    const char** noms = axeX ? n : m;
    c.min = champ(noms[0], page);
    c.max = champ(noms[1], page);
    c.echelle = Nomme(new QComboBox(page), noms[2]);
    c.echelle->addItems({QStringLiteral("Arithmétique"), QStringLiteral("Logarithmique"), QStringLiteral("Projective")});
    c.visible = Nomme(new QCheckBox(QStringLiteral("Axe visible"), page), noms[3]);
    c.lateral = Nomme(new QCheckBox(QStringLiteral("Latéral"), page), noms[4]);
    c.epaisseur = listeEpaisseurs(page, noms[5]);
    c.style = listeStylesLignes(page, noms[6]);
    c.decalage = Nomme(new QSpinBox(page), noms[7]);
    c.decalage->setRange(0, 600);
    c.vecteur = Nomme(new QCheckBox(QStringLiteral("Vecteur unitaire"), page), noms[8]);
    auto* g = new QGridLayout(page);
    const QString lettre = axeX ? QStringLiteral("X") : QStringLiteral("Y");
    g->addWidget(new QLabel(lettre + QStringLiteral("min :"), page), 0, 0);
    g->addWidget(c.min, 0, 1);
    g->addWidget(new QLabel(lettre + QStringLiteral("max :"), page), 1, 0);
    g->addWidget(c.max, 1, 1);
    g->addWidget(new QLabel(QStringLiteral("Graduation :"), page), 2, 0);
    g->addWidget(c.echelle, 2, 1);
    g->addWidget(c.visible, 3, 0);
    g->addWidget(c.vecteur, 3, 1);
    g->addWidget(new QLabel(QStringLiteral("Epaisseur :"), page), 4, 0);
    g->addWidget(c.epaisseur, 4, 1);
    g->addWidget(new QLabel(QStringLiteral("Style :"), page), 5, 0);
    g->addWidget(c.style, 5, 1);
    g->addWidget(c.lateral, 6, 0);
    g->addWidget(new QLabel(QStringLiteral("Décalage en pixels :"), page), 7, 0);
    g->addWidget(c.decalage, 7, 1);
    g->setRowStretch(8, 1);
    connect(c.echelle, &QComboBox::activated, this, [this, axeX] { CBdirChange(axeX); });
    connect(c.min, &QLineEdit::textEdited, this, [this, axeX] { EdminChange(axeX); });
    return page;
}

QWidget* TReperage::pageGrille(ControlesGrille& c, bool horizontale)
{
    auto* page = new QWidget(Pages);
    const char* h[] = {"EditPPh", "EditPSh", "Edgh", "edMUh", "edLgdh", "StyleGRH", "GrHEp",
                       "fmtnbH",  "CheckBoxh", "affGradH", "FonteH", "legendh", "EdFontH"};
    const char* v[] = {"EditPPv", "EditPSv", "Edgv", "EdMUv", "edLgdv", "StyleGRV", "GrVEp",
                       "fmtnbV",  "CheckBoxv", "affGradV", "FonteV", "legendv", "EdFontV"};
    const char** noms = horizontale ? h : v;
    c.pas1 = champ(noms[0], page);
    c.pas2 = champ(noms[1], page);
    c.debut = champ(noms[2], page);
    c.unite = champ(noms[3], page);
    c.legende = champ(noms[4], page);
    c.legende->setReadOnly(true);
    c.style = listeStylesLignes(page, noms[5]);
    c.epaisseur = listeEpaisseurs(page, noms[6]);
    c.format = Nomme(new QComboBox(page), noms[7]);
    c.format->addItems({QStringLiteral("décimal"), QStringLiteral("numérique"), QStringLiteral("scientifique"),
                        QStringLiteral("ingénieur"), QStringLiteral("pourcentage"), QStringLiteral("fraction")});
    c.visible = Nomme(new QCheckBox(QStringLiteral("Grille visible"), page), noms[8]);
    c.graduation = Nomme(new QCheckBox(QStringLiteral("Graduation visible"), page), noms[9]);
    c.fonte = Nomme(new QPushButton(QStringLiteral("Fonte"), page), noms[10]);
    c.boutonLegende = Nomme(new QPushButton(QStringLiteral("Légende"), page), noms[11]);
    c.exemple = Nomme(new QLabel(QStringLiteral("-1,0,1"), page), noms[12]);
    c.exemple->setFrameShape(QFrame::Box);
    auto* g = new QGridLayout(page);
    int r = 0;
    for (auto [libelle, w] : {std::pair{"Pas principal :", static_cast<QWidget*>(c.pas1)},
                              std::pair{"Pas secondaire :", static_cast<QWidget*>(c.pas2)},
                              std::pair{"Première graduation :", static_cast<QWidget*>(c.debut)},
                              std::pair{"Epaisseur :", static_cast<QWidget*>(c.epaisseur)},
                              std::pair{"Style :", static_cast<QWidget*>(c.style)},
                              std::pair{"Nom de l'unité :", static_cast<QWidget*>(c.unite)},
                              std::pair{"Format des nombres :", static_cast<QWidget*>(c.format)}}) {
        g->addWidget(new QLabel(QString::fromUtf8(libelle), page), r, 0);
        g->addWidget(w, r++, 1);
    }
    g->addWidget(c.visible, r, 0);
    g->addWidget(c.graduation, r++, 1);
    g->addWidget(c.fonte, r, 0);
    g->addWidget(c.exemple, r++, 1);
    g->addWidget(c.boutonLegende, r, 0);
    g->addWidget(c.legende, r++, 1);
    g->setRowStretch(r, 1);
    connect(c.fonte, &QPushButton::clicked, this, [this, horizontale] { choisitFonte(horizontale); });
    connect(c.boutonLegende, &QPushButton::clicked, this, [this, horizontale] { editeLegende(horizontale); });
    return page;
}

void TReperage::MontrePage(int page)
{
    if (page >= 0 && page < Pages->count())
        Pages->setCurrentIndex(page);
}

// ---------------------------------------------------------------------------------------
// Filling and storing

void TReperage::Remplit(const GCRepere& r)
{
    cbOrtho->setChecked(r.Norme);
    CBPol->setChecked(r.Polaire);
    Edho->setText(nombre(r.HauteurOeil));
    Eddo->setText(nombre(r.DistanceOeil));
    Edyo->setText(QString::number(r.Horizon));
    for (auto [c, axe] : {std::pair{&AxeX, &r.AxeX}, std::pair{&AxeY, &r.AxeY}}) {
        c->min->setText(axe->Xinf);
        c->max->setText(axe->Xsup);
        c->echelle->setCurrentIndex(axe->TypeEchelle);
        c->visible->setChecked(axe->Axe.Visible);
        c->lateral->setChecked(axe->Lateral);
        c->epaisseur->setCurrentIndex(axe->Axe.Epaisseur);
        c->style->setCurrentIndex(axe->Axe.Style);
        c->decalage->setValue(axe->Decalage);
        c->vecteur->setChecked(axe->VecteurUnitaire);
    }
    // The horizontal grid is the y axis's, the vertical one the x axis's.
    for (auto [c, axe, i] : {std::tuple{&GrilleH, &r.AxeY, 0}, std::tuple{&GrilleV, &r.AxeX, 1}}) {
        c->pas1->setText(axe->Pas1er);
        c->pas2->setText(axe->Pas2nd);
        c->debut->setText(axe->Debut);
        c->style->setCurrentIndex(axe->Style);
        c->epaisseur->setCurrentIndex(axe->Epaisseur);
        c->visible->setChecked(axe->Visible);
        c->graduation->setChecked(axe->Graduation);
        c->unite->setText(axe->Unite);
        c->format->setCurrentIndex(axe->FormatGraduation);
        fontes_[i] = axe->FonteGraduation;
        c->exemple->setFont(fontes_[i].qfont());
        const GCTexte* titre = axe->GetTitre();
        titres_[i] = NouveauTitreAxe(axe->Horizontal, FonteTitreAxe(titre), TexteTitreAxe(titre));
        if (titre)
            titres_[i]->CopieTexte(*titre);
        c->legende->setText(titres_[i]->TexteAffiche());
    }
    couleurs_[0] = r.AxeX.Axe.Couleur;
    couleurs_[1] = r.AxeY.Axe.Couleur;
    couleurs_[2] = r.AxeY.Couleur;
    couleurs_[3] = r.AxeX.Couleur;
    QLabel* boites[] = {EdCoulX, EdCoulY, EdCoulGrH, EdCoulGrV};
    for (int i = 0; i < 4; ++i)
        MontreCouleurEtiquette(boites[i], couleurs_[i]);
    titresGrilles();
    montrePas(true);
    montrePas(false);
}

void TReperage::Stocke(GCRepere& r) const
{
    r.Norme = cbOrtho->isChecked();
    r.Polaire = CBPol->isChecked();
    // The eye fields only when they changed (they are checked only in a projective frame).
    double v;
    if (Edho->text() != nombre(r.HauteurOeil) && EvalueChamp(Edho->text(), v))
        r.HauteurOeil = v;
    if (Eddo->text() != nombre(r.DistanceOeil) && EvalueChamp(Eddo->text(), v))
        r.DistanceOeil = v;
    if (Edyo->text() != QString::number(r.Horizon) && EvalueChamp(Edyo->text(), v) && std::fabs(v) < 1e6)
        r.Horizon = int(std::lround(v));
    for (auto [c, g, axe, i] : {std::tuple{&AxeX, &GrilleV, &r.AxeX, 1}, std::tuple{&AxeY, &GrilleH, &r.AxeY, 0}}) {
        if (c->min->text() != axe->Xinf || c->max->text() != axe->Xsup)
            axe->SetBornesTextes(c->min->text(), c->max->text());
        axe->TypeEchelle = std::uint8_t(choix(c->echelle, axe->TypeEchelle));
        axe->Axe.Visible = c->visible->isChecked();
        axe->Lateral = c->lateral->isChecked();
        axe->Axe.Epaisseur = choix(c->epaisseur, axe->Axe.Epaisseur);
        axe->Axe.Style = std::uint8_t(choix(c->style, axe->Axe.Style));
        axe->Decalage = c->decalage->value();
        axe->VecteurUnitaire = c->vecteur->isChecked();
        axe->Pas1er = g->pas1->text();
        axe->Pas2nd = g->pas2->text();
        axe->Debut = g->debut->text();
        axe->Style = std::uint8_t(choix(g->style, axe->Style));
        axe->Epaisseur = choix(g->epaisseur, axe->Epaisseur);
        axe->Visible = g->visible->isChecked();
        axe->Graduation = g->graduation->isChecked();
        axe->Unite = g->unite->text();
        axe->FormatGraduation = std::uint16_t(choix(g->format, axe->FormatGraduation));
        axe->FonteGraduation = fontes_[i];
        if (titres_[i]) {
            auto titre = NouveauTitreAxe(axe->Horizontal, titres_[i]->GetFonte(), titres_[i]->GetTexte());
            titre->CopieTexte(*titres_[i]);
            axe->SetTitre(titre);
        }
    }
    r.AxeX.Axe.Couleur = couleurs_[0];
    r.AxeY.Axe.Couleur = couleurs_[1];
    r.AxeY.Couleur = couleurs_[2];
    r.AxeX.Couleur = couleurs_[3];
}

// ---------------------------------------------------------------------------------------
// Reactions

void TReperage::titresGrilles()
{
    const bool polaire = CBPol->isChecked();
    Pages->setTabText(PageGrilleH, polaire ? QStringLiteral("Grille radiale") : QStringLiteral("Grille horizontale"));
    Pages->setTabText(PageGrilleV, polaire ? QStringLiteral("Grille circulaire") : QStringLiteral("Grille verticale"));
}

void TReperage::CBPolClick()
{
    titresGrilles();
    if (!CBPol->isChecked())
        return;
    // A polar frame is orthonormal; its radial lines are 15 degrees apart from 0, its
    // circles start at a positive radius.
    cbOrtho->setChecked(true);
    GrilleH.pas1->setText(QStringLiteral("15"));
    double v;
    if (!EvalueChamp(GrilleH.debut->text(), v) || v < 0)
        GrilleH.debut->setText(QStringLiteral("0"));
    if ((!EvalueChamp(GrilleV.debut->text(), v) || v <= 0))
        GrilleV.debut->setText(GrilleV.pas1->text());
}

void TReperage::cbOrthoClick()
{
    if (cbOrtho->isChecked()) {
        if (AxeX.echelle->currentIndex() == EchelleProj || AxeY.echelle->currentIndex() == EchelleProj) {
            cbOrtho->setChecked(false);
            interlocuteur().message(QStringLiteral("Non prise en compte de l'orthonormalité en repérage projectif!"));
        }
    } else if (CBPol->isChecked()) {
        cbOrtho->setChecked(true);
        interlocuteur().message(QStringLiteral("En mode polaire, le repère est obligatoirement orthonormé!"));
    }
}

void TReperage::montrePas(bool axeX)
{
    // A logarithmic scale graduates by decades from the power of ten below its minimum;
    // the steps do not apply to it.
    const bool log = (axeX ? AxeX : AxeY).echelle->currentIndex() == EchelleLog;
    ControlesGrille& g = axeX ? GrilleV : GrilleH;
    g.pas1->setEnabled(!log);
    g.pas2->setEnabled(!log);
}

void TReperage::CBdirChange(bool axeX)
{
    montrePas(axeX);
    if ((axeX ? AxeX : AxeY).echelle->currentIndex() == EchelleProj)
        cbOrtho->setChecked(false);
    EdminChange(axeX);
}

void TReperage::EdminChange(bool axeX)
{
    if (CBPol->isChecked())
        return;
    ControlesAxe& c = axeX ? AxeX : AxeY;
    ControlesGrille& g = axeX ? GrilleV : GrilleH;
    double min, pas;
    if (!EvalueChamp(c.min->text(), min))
        return;
    if (c.echelle->currentIndex() == EchelleLog) {
        if (min > 0)
            g.debut->setText(PuissanceDeDix(min));
    } else if (EvalueChamp(g.pas1->text(), pas) && pas > 0) {
        // The first multiple of the step at or above the minimum.
        const double d = std::ceil(min / pas - 1e-9) * pas;
        if (std::isfinite(d))
            g.debut->setText(nombre(std::fabs(d) < pas * 1e-9 ? 0.0 : d));
    }
}

bool TReperage::ConfirmePas(const QString& pas, double largeur)
{
    return interlocuteur().demandeOuiNon(QStringLiteral("Etes-vous certain(e) de conserver un pas de graduation égal à ")
                                         + pas + QLatin1Char('\r') + QStringLiteral("pour un intervalle de largeur ")
                                         + affiche(largeur) + QStringLiteral(" ?"));
}

void TReperage::choisitCouleur(TCouleur& couleur, QLabel* boite)
{
    QColor c = VersQColor(couleur);
    if (!boitesSaisie().choisitCouleur(this, c))
        return;
    couleur = DeQColor(c);
    MontreCouleurEtiquette(boite, couleur);
}

void TReperage::choisitFonte(bool horizontale)
{
    Police& fonte = fontes_[horizontale ? 0 : 1];
    if (boitesSaisie().choisitFonte(this, fonte))
        (horizontale ? GrilleH : GrilleV).exemple->setFont(fonte.qfont());
}

void TReperage::editeLegende(bool horizontale)
{
    const auto& titre = titres_[horizontale ? 0 : 1];
    if (titre && titre->Modifie(false))
        (horizontale ? GrilleH : GrilleV).legende->setText(titre->TexteAffiche());
}

// ---------------------------------------------------------------------------------------
// Checks

void TReperage::accept()
{
    if (verifie())
        QDialog::accept();
}

bool TReperage::verifie()
{
    auto refuse = [](const QString& texte) {
        interlocuteur().message(texte);
        return false;
    };
    const bool polaire = CBPol->isChecked();
    // A field that must evaluate to a finite number.
    auto lit = [](const QLineEdit* e, double& v) { return EvalueChamp(e->text(), v); };
    auto incorrect = [](const char* debut, const QLineEdit* e, const char* fin = " incorrecte.") {
        return QString::fromUtf8(debut) + e->text() + QString::fromUtf8(fin);
    };

    // 1 to 3: the bounds.
    double bornes[2][2];
    struct Axe {
        const ControlesAxe& c;
        const char *min, *max, *positif, *ordre;
    };
    const Axe axes[2] = {
        {AxeX, "Valeur Xmin=", "Valeur Xmax=", "Le minimum des x doit être positif en échelle logarithmique",
         "Erreur: Xmin > Xmax"},
        {AxeY, "Valeur Ymin=", "Valeur Ymax=", "Le minimum des y doit être positif en échelle logarithmique",
         "Erreur: Ymin > Ymax"}};
    for (int i = 0; i < 2; ++i) {
        const Axe& a = axes[i];
        if (!lit(a.c.min, bornes[i][0]))
            return refuse(incorrect(a.min, a.c.min));
        if (a.c.echelle->currentIndex() == EchelleLog && bornes[i][0] <= 0)
            return refuse(QString::fromUtf8(a.positif));
        if (!lit(a.c.max, bornes[i][1]))
            return refuse(incorrect(a.max, a.c.max));
        if (bornes[i][0] >= bornes[i][1])
            return refuse(QString::fromUtf8(a.ordre));
    }
    largeurX_ = bornes[0][1] - bornes[0][0];
    largeurY_ = bornes[1][1] - bornes[1][0];

    // The eye of a projective view: a height and a distance above 0, a whole number of
    // pixels above 0.
    if (AxeX.echelle->currentIndex() == EchelleProj || AxeY.echelle->currentIndex() == EchelleProj) {
        double h, d, o;
        if (!lit(Edho, h) || h <= 0)
            return refuse(incorrect("Valeur Hauteur de l'oeil=", Edho));
        if (!lit(Eddo, d) || d <= 0)
            return refuse(incorrect("Valeur Distance de l'oeil=", Eddo));
        if (!lit(Edyo, o) || o < 1 || o != std::floor(o) || o > 100000)
            return refuse(incorrect("Valeur Ordonnée de l'axe y=0=", Edyo));
    }

    // 4, 5: the first graduations.
    double g;
    if (!lit(GrilleH.debut, g))
        return refuse(incorrect("1ère graduation horizontale =", GrilleH.debut));
    if (polaire && g < 0)
        return refuse(QStringLiteral("La 1ère graduation radiale doit être > ou = 0."));
    if (polaire && AxeX.echelle->currentIndex() == EchelleLog)
        return refuse(QStringLiteral("L'échelle logarithmique n'est pas disponible en graduation radiale"));
    if (!lit(GrilleV.debut, g))
        return refuse(incorrect("1ère graduation verticale =", GrilleV.debut));
    if (polaire && g <= 0)
        return refuse(QStringLiteral("La 1ère graduation circulaire doit être > 0."));
    if (polaire && AxeY.echelle->currentIndex() == EchelleLog)
        return refuse(QStringLiteral("L'échelle logarithmique n'est pas disponible en graduation circulaire"));
    if (polaire && AxeY.echelle->currentIndex() == EchelleProj)
        return refuse(QStringLiteral("L'échelle projective n'est pas disponible en graduation circulaire"));

    // 6 to 8: the steps; each grid's main step against the range of its own axis.
    struct Grille {
        const ControlesGrille& c;
        const ControlesAxe& axe;
        double largeur;
        const char* sens;
    };
    const Grille grilles[2] = {{GrilleH, AxeY, largeurY_, "horizontal"}, {GrilleV, AxeX, largeurX_, "vertical"}};
    for (const Grille& gr : grilles) {
        const QString sens = QString::fromLatin1(gr.sens);
        double p1, p2;
        if (!lit(gr.c.pas1, p1))
            return refuse(QStringLiteral("Pas principal ") + sens + QLatin1Char('=') + gr.c.pas1->text()
                          + QStringLiteral(" incorrect."));
        if (p1 < 0)
            return refuse(QStringLiteral("Pas ") + sens + QLatin1Char('=') + gr.c.pas1->text() + QStringLiteral(" négatif."));
        if (p1 == 0)
            return refuse(QStringLiteral("Le pas ") + sens + QStringLiteral(" doit être différent de 0."));
        if (gr.axe.echelle->currentIndex() != EchelleLog && p1 < gr.largeur / 100
            && !ConfirmePas(gr.c.pas1->text(), gr.largeur))
            return false;
        if (!lit(gr.c.pas2, p2))
            return refuse(QStringLiteral("Pas secondaire ") + sens + QLatin1Char('=') + gr.c.pas2->text()
                          + QStringLiteral(" incorrect."));
        if (p2 < 0)
            return refuse(QStringLiteral("Pas secondaire ") + sens + QLatin1Char('=') + gr.c.pas2->text()
                          + QStringLiteral(" négatif."));
        if (p2 > p1)
            return refuse(QStringLiteral("Erreur: Pas secondaire ") + sens + QStringLiteral(" > Pas principal ") + sens
                          + QLatin1Char('.'));
    }
    return true;
}

// ---------------------------------------------------------------------------------------

bool ModifieRepereDialogue(GCRepere& repere, int page, QWidget* parent)
{
    TReperage fiche(parent);
    fiche.Remplit(repere);
    fiche.MontrePage(page);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    fiche.Stocke(repere);
    return true;
}
