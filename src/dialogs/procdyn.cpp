#include "dialogs/procdyn.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/paramanu.h"
#include "dialogs/stylept.h"
#include "expression/fonction.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"

namespace {

template <class W>
W* nomme(W* w, const char* nom)
{
    w->setObjectName(QString::fromLatin1(nom));
    return w;
}

// The caption of a label without its final colon, for the messages.
QString sansDeuxPoints(const QLabel* label)
{
    QString t = label->text().trimmed();
    if (t.endsWith(QLatin1Char(':')))
        t.chop(1);
    return t.trimmed();
}

}  // namespace

// ---------------------------------------------------------------------------------------
// The palette grid

GrillePalette::GrillePalette(const Palette& palette, QWidget* parent) : QWidget(parent), palette_(palette)
{
    setFixedSize(16 * Cote + 1, 16 * Cote + 1);
    setMouseTracking(true);
}

int GrillePalette::EntreeSous(const QPoint& point)
{
    const int c = point.x() / Cote, l = point.y() / Cote;
    if (point.x() < 0 || point.y() < 0 || c >= 16 || l >= 16)
        return -1;
    return 16 * l + c;
}

QPoint GrillePalette::CentreEntree(int entree)
{
    return QPoint((entree % 16) * Cote + Cote / 2, (entree / 16) * Cote + Cote / 2);
}

void GrillePalette::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    for (int n = 0; n < NbCouleursPalette; ++n) {
        const QRect cellule((n % 16) * Cote, (n / 16) * Cote, Cote, Cote);
        p.fillRect(cellule, VersQColor(palette_[std::size_t(n)]));
        p.setPen(QColor(128, 128, 128));
        p.drawRect(cellule);
    }
    if (survolee_ >= 0) {
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(QRect((survolee_ % 16) * Cote + 1, (survolee_ / 16) * Cote + 1, Cote - 2, Cote - 2));
    }
}

void GrillePalette::mouseMoveEvent(QMouseEvent* evenement)
{
    const int n = EntreeSous(evenement->position().toPoint());
    if (n != survolee_) {
        survolee_ = n;
        update();
    }
}

void GrillePalette::mouseReleaseEvent(QMouseEvent* evenement)
{
    const int n = EntreeSous(evenement->position().toPoint());
    if (evenement->button() == Qt::LeftButton && n >= 0)
        emit cliquee(n);
}

void GrillePalette::leaveEvent(QEvent*)
{
    survolee_ = -1;
    update();
}

// ---------------------------------------------------------------------------------------
// The form

TsaisPrDyn::TsaisPrDyn(QWidget* parent) : QDialog(parent)
{
    construit();
    construitMenu();
    editeMemorisee_ = edLib1;
}

void TsaisPrDyn::construit()
{
    setObjectName(QStringLiteral("saisPrDyn"));
    setWindowTitle(QStringLiteral("Saisie d'un processus dynamique"));
    AppliqueCouleurFiche(this);

    auto* processus = new QGroupBox(QStringLiteral("Processus"), this);
    lib1 = nomme(new QLabel(QStringLiteral("Xn+1 = f(x,y) = "), processus), "lib1");
    edLib1 = nomme(new QLineEdit(processus), "edLib1");
    lib2 = nomme(new QLabel(QStringLiteral("Yn+1 = g(x,y) = "), processus), "lib2");
    edLib2 = nomme(new QLineEdit(processus), "edLib2");
    for (QLineEdit* e : {edLib1, edLib2}) {
        e->setMinimumWidth(260);
        e->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(e, &QLineEdit::customContextMenuRequested, this, [this, e](const QPoint& pos) { edLib1MouseDown(e, pos); });
    }
    LabelVisibles = nomme(new QLabel(QStringLiteral("Itérations visibles :"), processus), "LabelVisibles");
    LabelDebut = nomme(new QLabel(QStringLiteral("Début"), processus), "LabelDebut");
    Edxmin = nomme(new QLineEdit(QStringLiteral("0"), processus), "Edxmin");
    LabelFin = nomme(new QLabel(QStringLiteral("Fin"), processus), "LabelFin");
    Edxmax = nomme(new QLineEdit(QStringLiteral("20"), processus), "Edxmax");
    LabelCI = nomme(new QLabel(QStringLiteral("Conditions initiales"), processus), "LabelCI");
    LabelXo = nomme(new QLabel(QStringLiteral("Xo"), processus), "LabelXo");
    EdBorni = nomme(new QLineEdit(QStringLiteral("0"), processus), "EdBorni");
    LabelYo = nomme(new QLabel(QStringLiteral("Yo"), processus), "LabelYo");
    Edborns = nomme(new QLineEdit(QStringLiteral("0"), processus), "Edborns");
    LabelPas = nomme(new QLabel(QStringLiteral("Nb d'itérations :"), processus), "LabelPas");
    Edpas = nomme(new QLineEdit(QStringLiteral("20"), processus), "Edpas");
    LabelSeuil = nomme(new QLabel(QStringLiteral("Seuil :"), processus), "LabelSeuil");
    edSeuil = nomme(new QLineEdit(QStringLiteral("100"), processus), "edSeuil");
    cbSstyp = nomme(new QComboBox(processus), "cbSstyp");
    cbSstyp->addItems({QStringLiteral("couple (Xn ; Yn)"), QStringLiteral("suite Xn"), QStringLiteral("suite Yn")});
    auto* g1 = new QGridLayout(processus);
    g1->addWidget(lib1, 0, 0);
    g1->addWidget(edLib1, 0, 1, 1, 4);
    g1->addWidget(lib2, 1, 0);
    g1->addWidget(edLib2, 1, 1, 1, 4);
    g1->addWidget(LabelVisibles, 2, 0);
    g1->addWidget(LabelDebut, 2, 1, Qt::AlignRight);
    g1->addWidget(Edxmin, 2, 2);
    g1->addWidget(LabelFin, 2, 3, Qt::AlignRight);
    g1->addWidget(Edxmax, 2, 4);
    g1->addWidget(LabelCI, 3, 0);
    g1->addWidget(LabelXo, 3, 1, Qt::AlignRight);
    g1->addWidget(EdBorni, 3, 2);
    g1->addWidget(LabelYo, 3, 3, Qt::AlignRight);
    g1->addWidget(Edborns, 3, 4);
    g1->addWidget(LabelPas, 4, 0, 1, 2);
    g1->addWidget(Edpas, 4, 2);
    g1->addWidget(cbSstyp, 4, 3, 1, 2);
    g1->addWidget(LabelSeuil, 5, 0, 1, 2);
    g1->addWidget(edSeuil, 5, 2);
    LabelSeuil->hide();
    edSeuil->hide();
    cbSstyp->hide();

    // The drawing of a recurrence curve.
    auto* trace = nomme(new QGroupBox(QStringLiteral("Tracé"), this), "GroupeTrace");
    LabelEpais = nomme(new QLabel(QStringLiteral("Epaisseur :"), trace), "LabelEpais");
    CBepais = nomme(new QComboBox(trace), "CBepais");
    for (int i = 1; i <= 10; ++i)
        CBepais->addItem(QString::number(i));
    CBStyle = nomme(new QComboBox(trace), "CBStyle");
    CBStyle->addItems({QStringLiteral("Plein"), QStringLiteral("Tiret"), QStringLiteral("Pointillé"),
                       QStringLiteral("Tiret-Point"), QStringLiteral("Tiret-Point-Point")});
    CBpnt = nomme(new QComboBox(trace), "CBpnt");
    for (int i = 0; i <= 6; ++i)
        CBpnt->addItem(NomHachure(i));
    CBpnt->hide();
    LabelCoul = nomme(new QLabel(QStringLiteral("Couleur du tracé :"), trace), "LabelCoul");
    EdCoul = nomme(new QLabel(trace), "EdCoul");
    EdCoul->setMinimumSize(40, 18);
    EdCoul->setFrameShape(QFrame::Box);
    EdCoul->setAutoFillBackground(true);
    EdCoul->installEventFilter(this);
    CBconnect = nomme(new QCheckBox(QStringLiteral("Tracé connecté"), trace), "CBconnect");
    CBconnect->setChecked(true);
    CBbaton = nomme(new QCheckBox(QStringLiteral("Tracé en bâton"), trace), "CBbaton");
    btStyle = nomme(new QPushButton(QStringLiteral("&Style des points..."), trace), "btStyle");
    btStyle->hide();
    auto* g2 = new QGridLayout(trace);
    g2->addWidget(LabelEpais, 0, 0);
    g2->addWidget(CBepais, 0, 1);
    g2->addWidget(CBStyle, 0, 2);
    g2->addWidget(CBpnt, 0, 2);
    g2->addWidget(LabelCoul, 1, 0);
    g2->addWidget(EdCoul, 1, 1);
    g2->addWidget(btStyle, 1, 2);
    g2->addWidget(CBconnect, 2, 0, 1, 2);
    g2->addWidget(CBbaton, 2, 2);
    connect(CBconnect, &QCheckBox::toggled, this, [this](bool connecte) {
        CBStyle->setVisible(connecte);
        CBpnt->setVisible(!connecte);
        btStyle->setVisible(!connecte);
    });
    connect(btStyle, &QPushButton::clicked, this, [this] {
        Tstylept fiche(etatSaisie().PointEdite, this);
        if (fiche.exec() == QDialog::Accepted)
            fiche.lit(etatSaisie().PointEdite);
    });

    // Parameters, name.
    RGpara = nomme(new QGroupBox(QStringLiteral("Paramètres"), this), "RGpara");
    RBaucun = nomme(new QRadioButton(QStringLiteral("aucun"), RGpara), "RBaucun");
    RBparmanu = nomme(new QRadioButton(QStringLiteral("manuels"), RGpara), "RBparmanu");
    RBparauto = nomme(new QRadioButton(QStringLiteral("automatiques"), RGpara), "RBparauto");
    RBaucun->setChecked(true);
    auto* g3 = new QVBoxLayout(RGpara);
    g3->addWidget(RBaucun);
    g3->addWidget(RBparmanu);
    g3->addWidget(RBparauto);
    GroupeNom = nomme(new QGroupBox(QStringLiteral("Nom"), this), "GroupeNom");
    EdNomCrb = nomme(new QLineEdit(QStringLiteral("fn1"), GroupeNom), "EdNomCrb");
    (new QVBoxLayout(GroupeNom))->addWidget(EdNomCrb);

    // The colours of the areas.
    gbCoul = nomme(new QGroupBox(QStringLiteral("Couleurs"), this), "gbCoul");
    DrawGrid1 = nomme(new GrillePalette(palette_, gbCoul), "DrawGrid1");
    auto* periode = nomme(new QLabel(QStringLiteral("Période"), gbCoul), "LabelPeriode");
    edper = nomme(new QSpinBox(gbCoul), "edper");
    edper->setRange(3, NbCouleursPalette);
    edper->setValue(NbCouleursPalette);
    // Typing "64" must not pass through a period of 6.
    edper->setKeyboardTracking(false);
    MapListBox = nomme(new QListWidget(gbCoul), "MapListBox");
    MapListBox->setMaximumWidth(140);
    sauvPal = nomme(new QPushButton(QStringLiteral("&Sauver la palette active"), gbCoul), "sauvPal");
    auto* g4 = new QGridLayout(gbCoul);
    g4->addWidget(new QLabel(QStringLiteral("Palette :"), gbCoul), 0, 0);
    g4->addWidget(DrawGrid1, 1, 0, 3, 1);
    g4->addWidget(periode, 0, 1);
    g4->addWidget(edper, 0, 2);
    g4->addWidget(MapListBox, 1, 1, 1, 2);
    g4->addWidget(sauvPal, 2, 1, 1, 2);
    gbCoul->hide();

    BitBtn2 = nomme(new QPushButton(QStringLiteral("&Confirmer"), this), "BitBtn2");
    BitBtn2->setDefault(true);
    BitBtn1 = nomme(new QPushButton(QStringLiteral("&Annuler"), this), "BitBtn1");

    auto* gauche = new QVBoxLayout;
    gauche->addWidget(processus);
    gauche->addWidget(trace);
    auto* basGauche = new QHBoxLayout;
    basGauche->addWidget(RGpara);
    basGauche->addWidget(GroupeNom);
    gauche->addLayout(basGauche);
    gauche->addStretch();
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BitBtn2);
    boutons->addWidget(BitBtn1);
    gauche->addLayout(boutons);
    auto* tout = new QHBoxLayout(this);
    tout->addLayout(gauche, 1);
    tout->addWidget(gbCoul);

    connect(MapListBox, &QListWidget::itemClicked, this, &TsaisPrDyn::MapListBoxClick);
    connect(edper, &QSpinBox::valueChanged, this, &TsaisPrDyn::edperChange);
    connect(DrawGrid1, &GrillePalette::cliquee, this, &TsaisPrDyn::DrawGrid1MouseUp);
    connect(sauvPal, &QPushButton::clicked, this, &TsaisPrDyn::sauvPalClick);
    connect(BitBtn2, &QPushButton::clicked, this, &TsaisPrDyn::BitBtn2Click);
    connect(BitBtn1, &QPushButton::clicked, this, [this] {
        ErreurSaisieProcessus = false;
        reject();
    });
}

void TsaisPrDyn::construitMenu()
{
    fnPredef = nomme(new QMenu(this), "fnPredef");
    QMenu* existant = fnPredef->addMenu(QStringLiteral("Processus &existant"));
    const auto ajoute = [this](QMenu* menu, const char* nom, const QString& texte, void (TsaisPrDyn::*f)()) {
        QAction* a = menu->addAction(texte);
        a->setObjectName(QString::fromLatin1(nom));
        connect(a, &QAction::triggered, this, f);
    };
    ajoute(existant, "AireJouM1", QStringLiteral("&Aire J ou M"), &TsaisPrDyn::AireJouM1Click);
    ajoute(existant, "CourbeN1", QStringLiteral("&Courbe N: système"), &TsaisPrDyn::CourbeN1Click);
    ajoute(fnPredef, "Courbequelconque1", QStringLiteral("Courbe &quelconque"), &TsaisPrDyn::Courbequelconque1Click);
    QMenu* usuelles = fnPredef->addMenu(QStringLiteral("Fonctions &usuelles"));
    for (const EntreeInsertion& entree : TableInsertion) {
        QAction* a = usuelles->addAction(QString::fromLatin1(entree.texte));
        const int code = entree.code;
        connect(a, &QAction::triggered, this, [this, code] { valeurabsolue1Click(code); });
    }
}

void TsaisPrDyn::showEvent(QShowEvent* evenement)
{
    AppliqueCouleurFiche(this);
    QPalette p = EdCoul->palette();
    p.setColor(QPalette::Window, VersQColor(etatSaisie().CouleurEditee));
    EdCoul->setPalette(p);
    if (ChargerAuDebut && gbCoul->isVisibleTo(this))
        MapListBoxClick();
    ChargerAuDebut = false;
    QDialog::showEvent(evenement);
}

bool TsaisPrDyn::eventFilter(QObject* objet, QEvent* evenement)
{
    // A click on the colour box of a recurrence curve: the colour dialog.
    if (objet == EdCoul && evenement->type() == QEvent::MouseButtonRelease) {
        QColor couleur = VersQColor(etatSaisie().CouleurEditee);
        if (boitesSaisie().choisitCouleur(this, couleur)) {
            etatSaisie().CouleurEditee = DeQColor(couleur);
            QPalette p = EdCoul->palette();
            p.setColor(QPalette::Window, couleur);
            EdCoul->setPalette(p);
        }
        return true;
    }
    return QDialog::eventFilter(objet, evenement);
}

// ---------------------------------------------------------------------------------------
// Palette

void TsaisPrDyn::fixePalette(const Palette& palette)
{
    palette_ = palette;
    paletteModifiee_ = false;
    DrawGrid1->update();
}

void TsaisPrDyn::listePalettes(const QString& nomChoisi)
{
    MapListBox->clear();
    QStringList fichiers = QDir(DossierPalettes()).entryList({QStringLiteral("*.map"), QStringLiteral("*.MAP")},
                                                             QDir::Files, QDir::Name | QDir::IgnoreCase);
    fichiers.removeDuplicates();
    MapListBox->addItems(fichiers);
    int choisi = fichiers.isEmpty() ? -1 : 0;
    for (int i = 0; i < fichiers.size(); ++i)
        if (fichiers[i].compare(nomChoisi, Qt::CaseInsensitive) == 0)
            choisi = i;
    MapListBox->setCurrentRow(choisi);
}

QString TsaisPrDyn::paletteChoisie() const
{
    const QListWidgetItem* item = MapListBox->currentItem();
    return item ? item->text() : QString();
}

void TsaisPrDyn::MapListBoxClick()
{
    const QString nom = paletteChoisie();
    QString erreur;
    Palette p{};
    // A file that cannot be read leaves the grid as it is.
    if (!ChargePaletteNommee(nom.isEmpty() ? NomPaletteDefaut() : nom, p, &erreur)) {
        interlocuteur().message(erreur);
        return;
    }
    RendPeriodique(p, edper->value());
    fixePalette(p);
}

void TsaisPrDyn::edperChange()
{
    RendPeriodique(palette_, edper->value());
    DrawGrid1->update();
}

void TsaisPrDyn::DrawGrid1MouseUp(int entree)
{
    if (entree < 0 || entree >= NbCouleursPalette)
        return;
    QColor couleur = VersQColor(palette_[std::size_t(entree)]);
    if (!boitesSaisie().choisitCouleur(this, couleur))
        return;
    const int p = edper->value();
    const TCouleur c = DeQColor(couleur);
    for (int n = entree % p; n < NbCouleursPalette; n += p)
        palette_[std::size_t(n)] = c;
    paletteModifiee_ = true;
    DrawGrid1->update();
}

void TsaisPrDyn::sauvPalClick()
{
    QDir().mkpath(DossierPalettes());
    const QString nom = paletteChoisie().isEmpty() ? NomPaletteDefaut() : paletteChoisie();
    const QString chemin = boitesSaisie().choisitFichierEcriture(this, QStringLiteral("Sauver la palette"),
                                                                 QDir(DossierPalettes()).filePath(nom),
                                                                 QStringLiteral("Palette (*.map *.MAP)"),
                                                                 QStringLiteral("map"));
    if (chemin.isEmpty())
        return;
    QString erreur;
    if (!EcritPalette(chemin, palette_, &erreur)) {
        interlocuteur().message(erreur);
        return;
    }
    paletteModifiee_ = false;
    listePalettes(QFileInfo(chemin).fileName());
}

// ---------------------------------------------------------------------------------------
// Checks

bool TsaisPrDyn::verifieSyntaxe(QLineEdit* edit, const QString& message)
{
    if (CompileChamp(edit->text()))
        return true;
    interlocuteur().message(message);
    ErreurSaisieProcessus = true;
    return false;
}

void TsaisPrDyn::BitBtn2Click()
{
    ErreurSaisieProcessus = false;
    if (edLib1->isVisibleTo(this))
        verifieSyntaxe(edLib1, QStringLiteral("Erreur de syntaxe dans le libellé n°1"));
    if (edLib2->isVisibleTo(this))
        verifieSyntaxe(edLib2, QStringLiteral("Erreur de syntaxe dans le libellé n°2"));
    const bool debutLu = verifieSyntaxe(Edxmin, QStringLiteral("Erreur de syntaxe dans Début du domaine"));
    const bool finLu = verifieSyntaxe(Edxmax, QStringLiteral("Erreur de syntaxe dans Fin du domaine"));
    double debut = 0, fin = 0;
    if (debutLu && finLu && EvalueChamp(Edxmin->text(), debut) && EvalueChamp(Edxmax->text(), fin) && debut > fin) {
        interlocuteur().message(QStringLiteral("Attention : Début > Fin !"));
        ErreurSaisieProcessus = true;
    }
    if (verifieSyntaxe(Edpas, QStringLiteral("Erreur de syntaxe dans ") + sansDeuxPoints(LabelPas))) {
        double n = 0;
        if (edSeuil->isVisibleTo(this) && EvalueChamp(Edpas->text(), n) && n > IterationsMaxBorne) {
            interlocuteur().message(
                QStringLiteral("Le nombre maximal d'itérations ne peut dépasser %1.").arg(IterationsMaxBorne));
            ErreurSaisieProcessus = true;
        }
    }
    if (edSeuil->isVisibleTo(this))
        verifieSyntaxe(edSeuil, QStringLiteral("Erreur de syntaxe dans ") + sansDeuxPoints(LabelSeuil));
    if (EdBorni->isVisibleTo(this))
        verifieSyntaxe(EdBorni, QStringLiteral("Erreur de syntaxe dans ") + sansDeuxPoints(LabelXo));
    if (Edborns->isVisibleTo(this))
        verifieSyntaxe(Edborns, QStringLiteral("Erreur de syntaxe dans ") + sansDeuxPoints(LabelYo));
    QString raison;
    if (GroupeNom->isVisibleTo(this) && !NomAireValide(EdNomCrb->text(), &raison)) {
        interlocuteur().message(raison);
        ErreurSaisieProcessus = true;
    }
    if (ErreurSaisieProcessus)
        return;
    if (gbCoul->isVisibleTo(this) && paletteModifiee_)
        interlocuteur().message(QStringLiteral(
            "Les couleurs modifiées ne sont pas enregistrées dans le document, qui ne garde que le nom du fichier "
            "de palette : sauvez la palette pour les retrouver à la prochaine ouverture."));
    accept();
}

void TsaisPrDyn::done(int resultat)
{
    if (resultat == QDialog::Accepted && ErreurSaisieProcessus)
        return;
    if (resultat != QDialog::Accepted)
        ErreurSaisieProcessus = false;
    QDialog::done(resultat);
}

// ---------------------------------------------------------------------------------------
// Aids

void TsaisPrDyn::edLib1MouseDown(QLineEdit* edit, const QPoint& pos)
{
    editeMemorisee_ = edit;
    fnPredef->popup(edit->mapToGlobal(pos) + QPoint(15, 15));
}

void TsaisPrDyn::AireJouM1Click()
{
    QString f, g;
    if (ChoisitProcessus(true, f, g)) {
        edLib1->setText(f);
        edLib2->setText(g);
    }
}

void TsaisPrDyn::CourbeN1Click()
{
    QString f, g;
    if (ChoisitProcessus(false, f, g)) {
        edLib1->setText(f);
        edLib2->setText(g);
    }
}

void TsaisPrDyn::Courbequelconque1Click()
{
    const QString libelle = boitesSaisie().choisitLibelle(this, QStringLiteral("DEHIJNPRSTXY"));
    if (!libelle.isEmpty() && editeMemorisee_)
        editeMemorisee_->setText(editeMemorisee_->text() + libelle);
}

void TsaisPrDyn::valeurabsolue1Click(int code)
{
    std::string texte;
    if (NomFonctionParCode(code, texte) && editeMemorisee_)
        editeMemorisee_->insert(QString::fromLatin1(texte.c_str()));
}

// ---------------------------------------------------------------------------------------
// Julia and Mandelbrot areas

void PrepareProcessusAire(TsaisPrDyn& f, const GCProcDyn& aire, bool nouvelle)
{
    for (QWidget* w : std::initializer_list<QWidget*>{f.LabelVisibles, f.LabelDebut, f.Edxmin, f.LabelFin, f.Edxmax,
                                                      f.cbSstyp, f.findChild<QWidget*>(QStringLiteral("GroupeTrace"))})
        w->hide();
    // The box of the maximum and the threshold's box, under the captions of the description.
    f.LabelPas->setText(QStringLiteral("Nombre maximal d'itérations :"));
    f.LabelSeuil->setText(QStringLiteral("Seuil (module infini) :"));
    f.LabelSeuil->show();
    f.edSeuil->show();
    const bool mandelbrot = aire.EstMandelbrot();
    for (QWidget* w : std::initializer_list<QWidget*>{f.LabelCI, f.LabelXo, f.EdBorni, f.LabelYo, f.Edborns})
        w->setVisible(mandelbrot);
    f.EdBorni->setText(aire.ValeurInitiale(0));
    f.Edborns->setText(aire.ValeurInitiale(1));
    f.Edpas->setText(QString::number(aire.IterationsMax()));
    f.edSeuil->setText(aire.Seuil());
    f.edLib1->setText(aire.Contraintes().value(0));
    f.edLib2->setText(aire.Contraintes().value(1));
    f.setWindowTitle(f.windowTitle()
                     + (mandelbrot ? QStringLiteral(" : ensemble de Mandelbrot") : QStringLiteral(" : ensemble de Julia")));
    f.EdNomCrb->setText(aire.Nom());
    {
        const QSignalBlocker bloque(f.edper);
        f.edper->setValue(aire.Periode());
    }
    f.fixePalette(aire.Couleurs());
    f.listePalettes(aire.FichierPalette());
    f.ChargerAuDebut = nouvelle;
    f.gbCoul->show();
}

void LitProcessusAire(TsaisPrDyn& f, GCProcDyn& aire, bool nouvelle)
{
    if (nouvelle)
        aire.FixeEmpreinte(NouvelleEmpreinte(aire.Numero()));
    aire.FixeNom(f.EdNomCrb->text());
    aire.FixeCouleurs(f.palette());
    double n = aire.IterationsMax();
    EvalueChamp(f.Edpas->text(), n);
    aire.FixeIterationsMax(int(std::clamp(std::nearbyint(n), -1.0, double(IterationsMaxBorne))));
    aire.FixeSeuil(f.edSeuil->text());
    aire.FixeValeursInitiales(f.EdBorni->text(), f.Edborns->text());
    if (!f.paletteChoisie().isEmpty())
        aire.FixeFichierPalette(f.paletteChoisie());
    aire.FixePeriode(f.edper->value());
    aire.FixeContraintes({f.edLib1->text(), f.edLib2->text()});
    EtatSaisie& e = etatSaisie();
    e.ChoixParametresManuels = f.RBparmanu->isChecked();
    e.ChoixParametresAuto = false;
    if (!aire.EstMandelbrot() && e.ChoixParametresManuels) {
        std::array<QString, NbParametres> textes = aire.Parametres();
        if (DialogueParametres(textes, &f))
            for (int i = 0; i < NbParametres; ++i)
                aire.FixeParametre(i, textes[std::size_t(i)]);
    }
}

bool ModifieProcessusAire(GCProcDyn& aire, bool nouvelle, QWidget* parent)
{
    TsaisPrDyn fiche(parent);
    PrepareProcessusAire(fiche, aire, nouvelle);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    LitProcessusAire(fiche, aire, nouvelle);
    return true;
}
