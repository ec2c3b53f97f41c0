#include "dialogs/dialtext.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/aide.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/formatage.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/repere/GCRepere.h"
#include "graph/textes/GCTexte.h"
#include "graph/textes/TeXGestion.h"

namespace {

const QString Non = QStringLiteral("Non");

QStringList Lignes(std::initializer_list<const char*> lignes)
{
    QStringList l;
    for (const char* t : lignes)
        l << QString::fromUtf8(t);
    return l;
}

// "Non", then the entries, the one naming `identifiant` chosen.
void RemplitChoix(QComboBox* choix, const QStringList& entrees, const QStringList& identifiants,
                  const QString& identifiant)
{
    choix->addItem(Non);
    for (int i = 0; i < entrees.size(); ++i)
        choix->addItem(entrees[i], identifiants.value(i));
    const int k = identifiant.isEmpty() ? -1 : choix->findData(identifiant);
    choix->setCurrentIndex(k < 0 ? 0 : k);
}

}  // namespace

QStringList LignesStatistiques(bool deuxVariables)
{
    if (deuxVariables)
        return Lignes({"Covariance : &cov", "Coeff. de régression r : &rho", "Coeff. de détermination r² : &rho2"});
    // The median macros are &medx and &medy.
    return Lignes({"Minimum : &minx, &miny", "Maximum : &maxx, &maxy", "Moyenne : &moyx, &moyy",
                   "Ecart type : &sx, &sy", "Variance : &vx, &vy", "Médiane : &medx, &medy"});
}

// ---------------------------------------------------------------------------------------
// The preview

ApercuTexte::ApercuTexte(Tdialogtxt& fiche, QWidget* parent) : QWidget(parent), fiche_(fiche)
{
    setObjectName(QStringLiteral("Apercu"));
    setMinimumSize(280, 90);
}

void ApercuTexte::rend()
{
    GCTexte texte(0, QStringLiteral("0"), QStringLiteral("0"), true, Police());
    fiche_.remplit(texte);
    image_ = QImage(size().expandedTo(minimumSize()), QImage::Format_RGB32);
    image_.fill(Qt::white);
    QPainter p(&image_);
    p.setFont(texte.GetFonte().qfont());
    correct_ = DessineTeX(10, image_.height() / 2 - 10, texte.TexteAffiche(), texte.GetOrientation(),
                          texte.GetFonte().qcouleur(), p);
    p.end();
    update();
}

void ApercuTexte::paintEvent(QPaintEvent*)
{
    QPainter ecran(this);
    ecran.drawImage(0, 0, image_);
    ecran.setPen(Qt::gray);
    ecran.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ApercuTexte::resizeEvent(QResizeEvent*)
{
    rend();
}

// ---------------------------------------------------------------------------------------

Tdialogtxt::Tdialogtxt(const GCTexte& texte, UsageTexte usage, const ContexteTexte& contexte, QWidget* parent)
    : QDialog(parent), usage_(usage), contexte_(contexte), fonte_(texte.GetFonte()), source_(texte)
{
    setObjectName(QStringLiteral("dialogtxt"));
    setWindowTitle(QStringLiteral("Texte à insérer"));
    AppliqueCouleurFiche(this);
    auto* colonne = new QVBoxLayout(this);

    // Text, orientation, position, font.
    auto* haut = new QGridLayout;
    Edit1 = Nomme(new QLineEdit(texte.GetTexte(), this), "Edit1");
    haut->addWidget(new QLabel(QStringLiteral("Texte :"), this), 0, 0);
    haut->addWidget(Edit1, 0, 1, 1, 5);
    EdOrient = Nomme(new QSpinBox(this), "EdOrient");
    EdOrient->setRange(-3600, 3600);
    EdOrient->setValue(texte.GetOrientation());
    haut->addWidget(new QLabel(QStringLiteral("Orientation (1/10 d°) :"), this), 1, 0);
    haut->addWidget(EdOrient, 1, 1);
    QString tx, ty;
    texte.GetPositionTextes(tx, ty);
    EdX = Nomme(new QLineEdit(tx, this), "EdX");
    EdY = Nomme(new QLineEdit(ty, this), "EdY");
    CBPixels = Nomme(new QCheckBox(QStringLiteral("en pixels"), this), "CBPixels");
    CBPixels->setChecked(!texte.EstExpression());
    auto* labX = new QLabel(QStringLiteral("X ="), this);
    auto* labY = new QLabel(QStringLiteral("Y ="), this);
    haut->addWidget(labX, 2, 0);
    haut->addWidget(EdX, 2, 1);
    haut->addWidget(labY, 2, 2);
    haut->addWidget(EdY, 2, 3);
    haut->addWidget(CBPixels, 2, 4);
    Button1 = Nomme(new QPushButton(QStringLiteral(" &Changer la fonte"), this), "Button1");
    BtCouleur = Nomme(new QPushButton(QStringLiteral("C&ouleur"), this), "BtCouleur");
    LabFonte = Nomme(new QLabel(this), "LabFonte");
    haut->addWidget(Button1, 3, 0);
    haut->addWidget(BtCouleur, 3, 1);
    haut->addWidget(LabFonte, 3, 2, 1, 3);
    colonne->addLayout(haut);
    // The own label of a curve stands beside its points: no position of its own.
    for (QWidget* w : {static_cast<QWidget*>(labX), static_cast<QWidget*>(EdX), static_cast<QWidget*>(labY),
                       static_cast<QWidget*>(EdY), static_cast<QWidget*>(CBPixels)})
        w->setVisible(usage == UsageTexte::Libre);

    // The macros of live values, with the curves and areas of the window.
    GBAffichage = Nomme(new QGroupBox(QStringLiteral("Affichage particulier"), this), "GBAffichage");
    auto* g = new QGridLayout(GBAffichage);
    // The chooser entries, each with the identifier (or stamp) of its object, in list order.
    const QString lettresCourbes = QStringLiteral("BCDEGHIJLNOPQRSTUWXY"), lettresAires = QStringLiteral("AJMPT");
    QStringList courbes, identifiants, aires, empreintes;
    if (contexte.dessin) {
        courbes = contexte.dessin->ListeCourbesTypes(lettresCourbes);
        for (const PtrCourbe& c : contexte.dessin->Courbes)
            if (c && lettresCourbes.contains(c->TypeCourbe.toUpper()))
                identifiants << c->Identifiant;
    }
    if (contexte.aires) {
        aires = contexte.aires->RemplitListe(lettresAires);
        for (const auto& a : contexte.aires->Aires)
            if (lettresAires.contains(a->Genre()))
                empreintes << a->Empreinte();
    }

    CBPoint = Nomme(new QComboBox(GBAffichage), "CBPoint");
    CBPoint->addItems(Lignes({"le numéro : &num", "l'abscisse : &abs", "l'ordonnée : &ord"}));
    EdNoPoint = Nomme(new QSpinBox(GBAffichage), "EdNoPoint");
    EdNoPoint->setRange(1, 1000000000);
    EdNoPoint->setValue(std::max(1, texte.NoPoint));
    CBCrbPoint = Nomme(new QComboBox(GBAffichage), "CBCrbPoint");
    RemplitChoix(CBCrbPoint, courbes, identifiants, texte.CourbePoint);
    BtPoint = Nomme(new QPushButton(QStringLiteral("Insérer"), GBAffichage), "BtPoint");
    g->addWidget(CBPoint, 0, 0);
    g->addWidget(new QLabel(QStringLiteral("du point"), GBAffichage), 0, 1);
    g->addWidget(EdNoPoint, 0, 2);
    g->addWidget(new QLabel(QStringLiteral("de la courbe"), GBAffichage), 0, 3);
    g->addWidget(CBCrbPoint, 0, 4);
    g->addWidget(BtPoint, 0, 5);

    cbStatno = Nomme(new QComboBox(GBAffichage), "cbStatno");
    cbStatno->addItems(Lignes({"des abscisses X, des ordonnées Y", "du couple (X,Y)"}));
    LBStat = Nomme(new QComboBox(GBAffichage), "LBStat");
    CBCrbStat = Nomme(new QComboBox(GBAffichage), "CBCrbStat");
    RemplitChoix(CBCrbStat, courbes, identifiants, texte.CourbeStat);
    BtStat = Nomme(new QPushButton(QStringLiteral("Insérer"), GBAffichage), "BtStat");
    g->addWidget(new QLabel(QStringLiteral("Statistiques"), GBAffichage), 1, 0);
    g->addWidget(cbStatno, 1, 1, 1, 2);
    g->addWidget(LBStat, 1, 3);
    g->addWidget(CBCrbStat, 1, 4);
    g->addWidget(BtStat, 1, 5);

    CBAire = Nomme(new QComboBox(GBAffichage), "CBAire");
    RemplitChoix(CBAire, aires, empreintes, texte.Aire);
    BtAire = Nomme(new QPushButton(QStringLiteral("Insérer"), GBAffichage), "BtAire");
    g->addWidget(new QLabel(QStringLiteral("Mesure de l'aire : &aire0"), GBAffichage), 2, 0, 1, 4);
    g->addWidget(CBAire, 2, 4);
    g->addWidget(BtAire, 2, 5);

    CBLib = Nomme(new QComboBox(GBAffichage), "CBLib");
    CBLib->addItems(Lignes({"premier libellé : &lib1", "second libellé : &lib2"}));
    CBCrbLib = Nomme(new QComboBox(GBAffichage), "CBCrbLib");
    RemplitChoix(CBCrbLib, courbes, identifiants, texte.CourbeLib);
    BtLib = Nomme(new QPushButton(QStringLiteral("Insérer"), GBAffichage), "BtLib");
    g->addWidget(CBLib, 3, 0, 1, 3);
    g->addWidget(new QLabel(QStringLiteral("de la courbe"), GBAffichage), 3, 3);
    g->addWidget(CBCrbLib, 3, 4);
    g->addWidget(BtLib, 3, 5);
    g->setColumnStretch(4, 1);
    LBStat->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (QComboBox* c : {CBCrbPoint, CBCrbStat, CBAire, CBCrbLib}) {
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(16);
    }
    colonne->addWidget(GBAffichage);
    GBAffichage->setVisible(usage == UsageTexte::Libre);

    // The own label of a curve: gaps and side.
    GBDecalage = Nomme(new QGroupBox(QStringLiteral("Décalage texte"), this), "GBDecalage");
    auto* d = new QHBoxLayout(GBDecalage);
    dh = Nomme(new QSpinBox(GBDecalage), "dh");
    dv = Nomme(new QSpinBox(GBDecalage), "dv");
    for (QSpinBox* s : {dh, dv})
        s->setRange(-1000, 1000);
    dh->setValue(texte.EcartX);
    dv->setValue(texte.EcartY);
    CBCote = Nomme(new QComboBox(GBDecalage), "CBCote");
    CBCote->addItems({QStringLiteral("Texte à droite"), QStringLiteral("Texte à gauche")});
    CBCote->setCurrentIndex(texte.ADroite ? 0 : 1);
    d->addWidget(new QLabel(QStringLiteral("horizontal :"), GBDecalage));
    d->addWidget(dh);
    d->addWidget(new QLabel(QStringLiteral("vertical :"), GBDecalage));
    d->addWidget(dv);
    d->addWidget(CBCote);
    colonne->addWidget(GBDecalage);
    GBDecalage->setVisible(usage == UsageTexte::EtiquetteCourbe);

    Apercu = new ApercuTexte(*this, this);
    colonne->addWidget(Apercu, 1);
    LabErreur = Nomme(new QLabel(this), "LabErreur");
    colonne->addWidget(LabErreur);

    aide = Nomme(new QPushButton(QStringLiteral("&Aide"), this), "aide");
    colonne->addLayout(BoutonsFiche(this, ButOK, ButAnnul, {aide}));

    // The macros go in at the caret; the chooser's object becomes the one shown.
    const auto insere = [this](const QString& macro) {
        Edit1->insert(macro);
        Edit1->setFocus();
    };
    const auto apresDeuxPoints = [](const QString& l) { return l.mid(l.indexOf(QLatin1String(": ")) + 2); };
    connect(BtPoint, &QPushButton::clicked, this, [=, this] { insere(apresDeuxPoints(CBPoint->currentText())); });
    connect(BtStat, &QPushButton::clicked, this, [=, this] { insere(LBStat->currentText()); });
    connect(BtAire, &QPushButton::clicked, this, [=] { insere(QStringLiteral("&aire0")); });
    connect(BtLib, &QPushButton::clicked, this, [=, this] { insere(apresDeuxPoints(CBLib->currentText())); });
    connect(cbStatno, &QComboBox::currentIndexChanged, this, &Tdialogtxt::cbStatnoChange);
    for (QComboBox* c : {CBPoint, LBStat, CBCrbPoint, CBCrbStat, CBAire, CBLib, CBCrbLib, CBCote})
        connect(c, &QComboBox::currentIndexChanged, this, &Tdialogtxt::dhChange);
    for (QSpinBox* s : {EdOrient, EdNoPoint, dh, dv})
        connect(s, &QSpinBox::valueChanged, this, &Tdialogtxt::dhChange);
    connect(Edit1, &QLineEdit::textChanged, this, &Tdialogtxt::dhChange);
    connect(CBPixels, &QCheckBox::clicked, this, &Tdialogtxt::CBPixelsClick);
    connect(Button1, &QPushButton::clicked, this, &Tdialogtxt::Button1Click);
    connect(BtCouleur, &QPushButton::clicked, this, &Tdialogtxt::BtCouleurClick);
    connect(aide, &QPushButton::clicked, this, [this] { MontreAide(sujetAide()); });
    cbStatnoChange();
    dhChange();
}

void Tdialogtxt::cbStatnoChange()
{
    LBStat->clear();
    LBStat->addItems(LignesStatistiques(cbStatno->currentIndex() == 1));
    LBStat->setCurrentIndex(0);
    dhChange();
}

void Tdialogtxt::dhChange()
{
    // Each option only with its curve or area chosen.
    BtPoint->setEnabled(CBCrbPoint->currentIndex() > 0);
    BtStat->setEnabled(CBCrbStat->currentIndex() > 0);
    BtAire->setEnabled(CBAire->currentIndex() > 0);
    BtLib->setEnabled(CBCrbLib->currentIndex() > 0);
    LabFonte->setText(QStringLiteral("%1, %2").arg(fonte_.Nom).arg(fonte_.Taille));
    Apercu->rend();
    LabErreur->setText(Apercu->correct() ? QString() : QStringLiteral("erreur de syntaxe"));
}

void Tdialogtxt::Button1Click()
{
    if (boitesSaisie().choisitFonte(this, fonte_))
        dhChange();
}

void Tdialogtxt::BtCouleurClick()
{
    QColor couleur = fonte_.qcouleur();
    if (boitesSaisie().choisitCouleur(this, couleur)) {
        fonte_.Couleur = DeQColor(couleur);
        dhChange();
    }
}

void Tdialogtxt::CBPixelsClick()
{
    if (!contexte_.repere)
        return;
    const GCRepere& r = *contexte_.repere;
    if (CBPixels->isChecked()) {
        double x = 0, y = 0;
        if (!EvalueChamp(EdX->text(), x) || !EvalueChamp(EdY->text(), y))
            return;
        const QPoint p = r.MondeVersPixel(x, y);
        EdX->setText(QString::number(p.x()));
        EdY->setText(QString::number(p.y()));
    } else {
        bool okx = false, oky = false;
        const int px = EdX->text().trimmed().toInt(&okx), py = EdY->text().trimmed().toInt(&oky);
        if (!okx || !oky)
            return;
        double x = 0, y = 0;
        r.PixelVersMonde(px, py, x, y);
        EdX->setText(QString::fromStdString(ReelVersTexte(x)).trimmed());
        EdY->setText(QString::fromStdString(ReelVersTexte(y)).trimmed());
    }
}

int Tdialogtxt::sujetAide() const
{
    if (GBAffichage->isVisibleTo(this))
        return SujetsAide::TexteAffichage;
    return GBDecalage->isVisibleTo(this) ? SujetsAide::TexteDecalage : SujetsAide::Textes;
}

QString Tdialogtxt::identifiantChoisi(const QComboBox* choix) const
{
    return choix->currentIndex() > 0 ? choix->currentData().toString() : QString();
}

void Tdialogtxt::remplit(GCTexte& t) const
{
    t.SetTexte(Edit1->text());
    t.SetFonte(fonte_);
    t.SetOrientation(EdOrient->value());
    if (usage_ == UsageTexte::Libre) {
        t.SetPosition(EdX->text().trimmed(), EdY->text().trimmed(), !CBPixels->isChecked());
        t.NoPoint = EdNoPoint->value();
        // "Non" leaves the curve or area as it was.
        const struct {
            const QComboBox* choix;
            QString GCTexte::*champ;
        } choix[] = {{CBCrbPoint, &GCTexte::CourbePoint},
                     {CBCrbStat, &GCTexte::CourbeStat},
                     {CBAire, &GCTexte::Aire},
                     {CBCrbLib, &GCTexte::CourbeLib}};
        for (const auto& c : choix) {
            const QString id = identifiantChoisi(c.choix);
            t.*c.champ = id.isEmpty() ? source_.*c.champ : id;
        }
    }
    if (usage_ == UsageTexte::EtiquetteCourbe) {
        t.EcartX = dh->value();
        t.EcartY = dv->value();
        t.ADroite = CBCote->currentIndex() == 0;
    }
}

bool Tdialogtxt::positionLisible(QString* raison) const
{
    if (usage_ != UsageTexte::Libre)
        return true;
    const struct {
        const QLineEdit* champ;
        const char* nom;
    } champs[] = {{EdX, "X"}, {EdY, "Y"}};
    for (const auto& c : champs) {
        const QString texte = c.champ->text().trimmed();
        bool ok = false;
        if (CBPixels->isChecked())
            texte.toInt(&ok);
        else {
            double v = 0;
            ok = EvalueChamp(texte, v);
        }
        if (!ok) {
            *raison = QStringLiteral("Valeur %1=%2 incorrecte.").arg(QLatin1String(c.nom), texte);
            return false;
        }
    }
    return true;
}

bool Tdialogtxt::ecritDans(GCTexte& texte) const
{
    QString raison;
    if (!positionLisible(&raison)) {
        interlocuteur().message(raison);
        return false;
    }
    remplit(texte);
    return true;
}

void Tdialogtxt::accept()
{
    QString raison;
    if (!positionLisible(&raison)) {
        interlocuteur().message(raison);
        return;
    }
    QDialog::accept();
}

bool ModifieTexteDialogue(GCTexte& texte, UsageTexte usage, const ContexteTexte& contexte, QWidget* parent)
{
    Tdialogtxt fiche(texte, usage, contexte, parent);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    return fiche.ecritDans(texte);
}
