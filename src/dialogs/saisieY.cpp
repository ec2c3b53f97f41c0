#include "dialogs/saisieY.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTextCursor>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/aide.h"
#include "dialogs/chxflech.h"
#include "dialogs/condinit.h"
#include "dialogs/dialtext.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/textes/GCTexte.h"
#include "graph/base/etatgraphe.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

// Above this many points per trace, "&Confirmer" asks before accepting the domain.
constexpr double PointsMaxSansQuestion = 1e7;

}  // namespace

QString RefusNomCourbe(const QString& nom)
{
    if (nom.contains(QLatin1Char(';')) || nom.contains(QLatin1Char('\n')) || nom.contains(QLatin1Char('\r')))
        return QStringLiteral("Le nom d'une courbe ne peut contenir ni « ; » ni retour à la ligne.");
    const std::string cle = majuscules(nom.toStdString());
    // Formulas match names in upper case, so two curves may not differ by case alone.
    if (NomPrisAilleurs(nom))
        return QStringLiteral("Il y a déjà une courbe appelée ") + nom;
    const QString majuscule = QString::fromStdString(cle);
    bool reserve = false;
    for (int code = 2; code < NbCodesUnaires && !reserve; ++code)
        reserve = majuscule == QString::fromLatin1(NomsUnaires[code]);
    for (int code = 5; code < NbCodesBinaires && !reserve; ++code)
        reserve = majuscule == QString::fromLatin1(NomsBinaires[code]);
    if (reserve)
        return nom + QStringLiteral(": Nom interdit ! Réservé aux fonctions prédéfinies.");
    return {};
}

TsaisieY::TsaisieY(QWidget* parent) : QDialog(parent)
{
    construit();
    construitMenu();
    editeMemorisee_ = Edlib1;
    const QString dossier = etatSaisie().DossierValeurs.isEmpty()
                                ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)
                                : etatSaisie().DossierValeurs;
    fixeDossierValeurs(dossier);
    montreCouleur();
    montreFleche();
}

void TsaisieY::construit()
{
    setObjectName(QStringLiteral("saisieY"));
    setWindowTitle(QStringLiteral("Cartésienne en Y"));
    AppliqueCouleurFiche(this);

    // --- the curve
    GroupBox1 = Nomme(new QGroupBox(QStringLiteral("Caractéristiques de la courbe"), this), "GroupBox1");
    lib1 = Nomme(new QLabel(QStringLiteral("y=f(x)="), GroupBox1), "lib1");
    Edlib1 = Nomme(new QLineEdit(GroupBox1), "Edlib1");
    Edlib1->setToolTip(QStringLiteral("Taper une expression algébrique"));
    lib2 = Nomme(new QLabel(GroupBox1), "lib2");
    Edlib2 = Nomme(new QLineEdit(GroupBox1), "Edlib2");
    for (QLineEdit* e : {Edlib1, Edlib2}) {
        e->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(e, &QLineEdit::customContextMenuRequested, this,
                [this, e](const QPoint& pos) { Edlib1MouseDown(e, pos); });
    }
    Label1 = Nomme(new QLabel(QStringLiteral("Domaine de tracé :"), GroupBox1), "Label1");
    Label2 = Nomme(new QLabel(QStringLiteral("Début"), GroupBox1), "Label2");
    Edxmin = Nomme(new QLineEdit(QStringLiteral("-5"), GroupBox1), "Edxmin");
    Label3 = Nomme(new QLabel(QStringLiteral("Fin"), GroupBox1), "Label3");
    Edxmax = Nomme(new QLineEdit(QStringLiteral("5"), GroupBox1), "Edxmax");
    LabelBornes = Nomme(new QLabel(QStringLiteral("Bornes :"), GroupBox1), "LabelBornes");
    LabelInf = Nomme(new QLabel(QStringLiteral("Inf"), GroupBox1), "LabelInf");
    EdBorni = Nomme(new QLineEdit(QStringLiteral("0"), GroupBox1), "EdBorni");
    LabelSup = Nomme(new QLabel(QStringLiteral("Sup"), GroupBox1), "LabelSup");
    Edborns = Nomme(new QLineEdit(QStringLiteral("0"), GroupBox1), "Edborns");
    LabelOrdre = Nomme(new QLabel(QStringLiteral("Ordre  n="), GroupBox1), "LabelOrdre");
    CBordre = Nomme(new QComboBox(GroupBox1), "CBordre");
    for (int i = 1; i <= 5; ++i)
        CBordre->addItem(QString::number(i));
    CBvalI = Nomme(new QCheckBox(QStringLiteral("Valeurs imposées"), GroupBox1), "CBvalI");
    CBDens = Nomme(new QComboBox(GroupBox1), "CBDens");
    CBDens->addItems({QStringLiteral("effectifs"), QStringLiteral("fréquences")});

    auto* g1 = new QGridLayout(GroupBox1);
    g1->addWidget(lib1, 0, 0);
    g1->addWidget(Edlib1, 0, 1, 1, 5);
    g1->addWidget(lib2, 1, 0);
    g1->addWidget(Edlib2, 1, 1, 1, 5);
    g1->addWidget(Label1, 2, 0);
    g1->addWidget(Label2, 2, 1, Qt::AlignRight);
    g1->addWidget(Edxmin, 2, 2);
    g1->addWidget(Label3, 2, 3, Qt::AlignRight);
    g1->addWidget(Edxmax, 2, 4);
    g1->addWidget(LabelBornes, 3, 0);
    g1->addWidget(LabelInf, 3, 1, Qt::AlignRight);
    g1->addWidget(EdBorni, 3, 2);
    g1->addWidget(LabelSup, 3, 3, Qt::AlignRight);
    g1->addWidget(Edborns, 3, 4);
    g1->addWidget(LabelOrdre, 4, 0);
    g1->addWidget(CBordre, 4, 1);
    g1->addWidget(CBvalI, 4, 2, 1, 2);
    g1->addWidget(CBDens, 4, 4);

    // --- the drawing
    GroupBox2 = Nomme(new QGroupBox(QStringLiteral("Caractéristiques du tracé"), this), "GroupBox2");
    Label4 = Nomme(new QLabel(QStringLiteral("Pas du tracé :"), GroupBox2), "Label4");
    Edpas = Nomme(new QLineEdit(QStringLiteral("0.125"), GroupBox2), "Edpas");
    Label5 = Nomme(new QLabel(QStringLiteral("Temporisation :"), GroupBox2), "Label5");
    Edtempo = Nomme(new QSpinBox(GroupBox2), "Edtempo");
    Edtempo->setRange(0, 65500);
    Label6 = Nomme(new QLabel(QStringLiteral("Epaisseur :"), GroupBox2), "Label6");
    CBepais = ListeEpaisseurs(GroupBox2);
    Label7 = Nomme(new QLabel(QStringLiteral("Style :"), GroupBox2), "Label7");
    CBStyle = ListeStyles(GroupBox2);
    CBpnt = ListeModesPoints(GroupBox2);
    Label9 = Nomme(new QLabel(QStringLiteral("Couleur :"), GroupBox2), "Label9");
    EdCoul = Nomme(new QLabel(GroupBox2), "EdCoul");
    EdCoul->setMinimumSize(40, 18);
    EdCoul->setFrameShape(QFrame::Box);
    EdCoul->setAutoFillBackground(true);
    Butcoul = Nomme(new QPushButton(QStringLiteral("..."), GroupBox2), "Butcoul");
    Butcoul->setToolTip(QStringLiteral("Choisir la couleur"));
    sbFlech = Nomme(new QToolButton(GroupBox2), "sbFlech");
    sbFlech->setToolTip(QStringLiteral("Extrémités fléchées"));
    sbFlech->setIconSize(QSize(40, 16));
    btstyle = Nomme(new QPushButton(QStringLiteral("&Style des points ..."), GroupBox2), "btstyle");
    BtLegend = Nomme(new QPushButton(QStringLiteral("Légende des points"), GroupBox2), "BtLegend");
    CBbaton = Nomme(new QCheckBox(QStringLiteral("Tracé en bâton"), GroupBox2), "CBbaton");
    CBalea = Nomme(new QCheckBox(QStringLiteral("Tracé aléatoire"), GroupBox2), "CBalea");
    CBconnect = Nomme(new QCheckBox(QStringLiteral("Tracé connecté"), GroupBox2), "CBconnect");
    CBconnect->setChecked(true);
    CBVisible = Nomme(new QCheckBox(QStringLiteral("Tracé muet"), GroupBox2), "CBVisible");

    auto* g2 = new QGridLayout(GroupBox2);
    g2->addWidget(Label4, 0, 0);
    g2->addWidget(Edpas, 0, 1);
    g2->addWidget(Label5, 0, 2);
    g2->addWidget(Edtempo, 0, 3);
    g2->addWidget(Label6, 1, 0);
    g2->addWidget(CBepais, 1, 1);
    g2->addWidget(Label7, 1, 2);
    g2->addWidget(CBStyle, 1, 3);
    g2->addWidget(CBpnt, 1, 3);
    auto* couleur = new QHBoxLayout;
    couleur->addWidget(EdCoul);
    couleur->addWidget(Butcoul);
    g2->addWidget(Label9, 2, 0);
    g2->addLayout(couleur, 2, 1);
    g2->addWidget(sbFlech, 2, 2);
    g2->addWidget(btstyle, 2, 3);
    g2->addWidget(BtLegend, 3, 3);
    g2->addWidget(CBbaton, 4, 0, 1, 2);
    g2->addWidget(CBalea, 4, 2, 1, 2);
    g2->addWidget(CBconnect, 5, 0, 1, 2);
    g2->addWidget(CBVisible, 5, 2, 1, 2);

    // --- parameters and name
    GroupBox3 = Nomme(new QGroupBox(QStringLiteral("Paramètres"), this), "GroupBox3");
    RBaucun = Nomme(new QRadioButton(QStringLiteral("aucun"), GroupBox3), "RBaucun");
    RBparmanu = Nomme(new QRadioButton(QStringLiteral("manuels"), GroupBox3), "RBparmanu");
    RBparauto = Nomme(new QRadioButton(QStringLiteral("automatiques"), GroupBox3), "RBparauto");
    RBaucun->setChecked(true);
    auto* g3 = new QVBoxLayout(GroupBox3);
    g3->addWidget(RBaucun);
    g3->addWidget(RBparmanu);
    g3->addWidget(RBparauto);

    GroupBox4 = Nomme(new QGroupBox(QStringLiteral("Nom de la courbe"), this), "GroupBox4");
    EdNomCrb = Nomme(new QLineEdit(QStringLiteral("fn1"), GroupBox4), "EdNomCrb");
    (new QVBoxLayout(GroupBox4))->addWidget(EdNomCrb);

    // --- imposed values
    GrValimp = Nomme(new QGroupBox(QStringLiteral("Valeurs imposées"), this), "GrValimp");
    Label10 = Nomme(new QLabel(QStringLiteral("Nom du fichier :"), GrValimp), "Label10");
    EdNomf = Nomme(new QLineEdit(GrValimp), "EdNomf");
    ChargFic = Nomme(new QPushButton(QStringLiteral("&Editer"), GrValimp), "ChargFic");
    Label11 = Nomme(new QLabel(QStringLiteral("--> ( une par ligne) :"), GrValimp), "Label11");
    Memo1 = Nomme(new QPlainTextEdit(GrValimp), "Memo1");
    auto* g5 = new QGridLayout(GrValimp);
    g5->addWidget(Label10, 0, 0);
    g5->addWidget(EdNomf, 0, 1);
    g5->addWidget(ChargFic, 0, 2);
    g5->addWidget(Label11, 1, 0, 1, 3);
    g5->addWidget(Memo1, 2, 0, 1, 3);

    // --- buttons
    ButCI = Nomme(new QPushButton(QStringLiteral("Conditions initiales"), this), "ButCI");
    assopar = Nomme(new QPushButton(QStringLiteral("Pilotage des paramètres personnels"), this), "assopar");
    ButOK = Nomme(new QPushButton(QStringLiteral("&Confirmer"), this), "ButOK");
    ButOK->setDefault(true);
    ButAnnul = Nomme(new QPushButton(QStringLiteral("&Annuler"), this), "ButAnnul");

    auto* droite = new QVBoxLayout;
    droite->addWidget(GroupBox3);
    droite->addWidget(GroupBox4);
    droite->addWidget(ButCI);
    droite->addWidget(assopar);
    droite->addStretch();
    droite->addWidget(ButOK);
    droite->addWidget(ButAnnul);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(GroupBox1);
    gauche->addWidget(GrValimp);
    gauche->addWidget(GroupBox2);
    auto* tout = new QHBoxLayout(this);
    tout->addLayout(gauche, 1);
    tout->addLayout(droite);

    for (QWidget* w : std::initializer_list<QWidget*>{lib2, Edlib2, LabelBornes, LabelInf, EdBorni, LabelSup,
                                                      Edborns, LabelOrdre, CBordre, CBvalI, CBDens, CBpnt,
                                                      btstyle, BtLegend, CBVisible, GrValimp, ButCI, assopar})
        w->hide();

    connect(ButOK, &QPushButton::clicked, this, &TsaisieY::ButOKClick);
    connect(ButAnnul, &QPushButton::clicked, this, &TsaisieY::ButAnnulClick);
    connect(CBalea, &QCheckBox::clicked, this, &TsaisieY::CBaleaClick);
    connect(CBvalI, &QCheckBox::toggled, this, &TsaisieY::CBvalIClick);
    connect(CBconnect, &QCheckBox::toggled, this, &TsaisieY::CBconnectClick);
    connect(ChargFic, &QPushButton::clicked, this, &TsaisieY::ChargFicClick);
    connect(EdNomf, &QLineEdit::textChanged, this, &TsaisieY::EdNomfChange);
    connect(btstyle, &QPushButton::clicked, this, &TsaisieY::btstyleClick);
    connect(ButCI, &QPushButton::clicked, this, &TsaisieY::ButCIClick);
    connect(sbFlech, &QToolButton::clicked, this, &TsaisieY::sbFlechClick);
    connect(assopar, &QPushButton::clicked, this, &TsaisieY::assoparClick);
    connect(BtLegend, &QPushButton::clicked, this, &TsaisieY::BtLegendClick);
    connect(Butcoul, &QPushButton::clicked, this, &TsaisieY::ButcoulClick);
}

void TsaisieY::construitMenu()
{
    fnPredef = Nomme(new QMenu(this), "fnPredef");
    QAction* existant = fnPredef->addAction(QStringLiteral("Libellé existant"));
    existant->setObjectName(QStringLiteral("Libellexistant1"));
    connect(existant, &QAction::triggered, this, &TsaisieY::Libellexistant1Click);
    MenuFonctionsUsuelles(fnPredef, [this](int code) { valeurabsolue1Click(code); });
}

void TsaisieY::showEvent(QShowEvent* evenement)
{
    AppliqueCouleurFiche(this);
    QDialog::showEvent(evenement);
}

void TsaisieY::fixeDossierValeurs(const QString& dossier)
{
    dossierValeurs_ = dossier;
    if (!dossierValeurs_.isEmpty() && !dossierValeurs_.endsWith(QLatin1Char('/')))
        dossierValeurs_ += QLatin1Char('/');
}

void TsaisieY::montreCouleur()
{
    MontreCouleurEtiquette(EdCoul, etatSaisie().CouleurEditee);
}

void TsaisieY::montreFleche()
{
    sbFlech->setIcon(IconeFleche(etatSaisie().ChoixFleche));
}

// ---------------------------------------------------------------------------------------
// Checks

bool TsaisieY::verifieSyntaxe(QLineEdit* edit, const QString& message, bool avecAide)
{
    if (CompileChamp(edit->text()))
        return true;
    if (avecAide)
        interlocuteur().messageAvecAide(message, SujetsAide::FonctionsUneVariable);
    else
        interlocuteur().message(message);
    ErreurSaisieY = true;
    return false;
}

bool TsaisieY::verifieNom()
{
    const QString refus = RefusNomCourbe(EdNomCrb->text());
    if (refus.isEmpty())
        return true;
    interlocuteur().message(refus);
    ErreurSaisieY = true;
    return false;
}

void TsaisieY::ButOKClick()
{
    ErreurSaisieY = false;
    if (Edlib1->isVisibleTo(this) && windowTitle() != QStringLiteral("Dérivée discrète n-ième"))
        verifieSyntaxe(Edlib1, QStringLiteral("Erreur de syntaxe dans le libellé n°1"), true);
    if (Edlib2->isVisibleTo(this))
        verifieSyntaxe(Edlib2, QStringLiteral("Erreur de syntaxe dans le libellé n°2"), true);

    // The domain: its values must be computable and finite, and the start not after the end.
    double debut = 0, fin = 0, pas = 0;
    bool domaineLu = true;
    auto litBorne = [&](QLineEdit* edit, const QString& nom, double& valeur) {
        if (!verifieSyntaxe(edit, QStringLiteral("Erreur de syntaxe dans ") + nom, true)) {
            domaineLu = false;
            return;
        }
        if (!EvalueChamp(edit->text(), valeur)) {
            interlocuteur().message(QStringLiteral("Valeur non calculable dans ") + nom);
            ErreurSaisieY = true;
            domaineLu = false;
        }
    };
    litBorne(Edxmin, QStringLiteral("Début du domaine"), debut);
    litBorne(Edxmax, QStringLiteral("Fin du domaine"), fin);
    if (!ErreurSaisieY && debut > fin) {
        interlocuteur().message(QStringLiteral("Attention : Début > Fin !"));
        ErreurSaisieY = true;
    }
    const QString nomPas = Label4->text();
    if (verifieSyntaxe(Edpas, QStringLiteral("Erreur de syntaxe dans ") + nomPas)) {
        if (!EvalueChamp(Edpas->text(), pas)) {
            interlocuteur().message(QStringLiteral("Valeur non calculable dans ") + nomPas);
            ErreurSaisieY = true;
            domaineLu = false;
        }
    } else {
        domaineLu = false;
    }

    if (EdBorni->isVisibleTo(this))
        verifieSyntaxe(EdBorni, QStringLiteral("Erreur de syntaxe dans Borne inférieure"));
    if (Edborns->isVisibleTo(this))
        verifieSyntaxe(Edborns, QStringLiteral("Erreur de syntaxe dans Borne supérieure"));

    if (GroupBox4->isVisibleTo(this))
        verifieNom();

    // A domain that would take millions of points (or never end) is confirmed first.
    const bool domaineUtilise = Edxmin->isVisibleTo(this) && !(CBvalI->isVisibleTo(this) && CBvalI->isChecked());
    if (!ErreurSaisieY && domaineLu && domaineUtilise && pas != 0) {
        const double points = std::fabs((fin - debut) / pas);
        if (!(points <= PointsMaxSansQuestion)) {
            const QString nombre = std::isfinite(points) ? QString::number(points, 'g', 3)
                                                         : QStringLiteral("une infinité de");
            if (!interlocuteur().demandeOuiNon(
                    QStringLiteral("Ce domaine et ce pas demandent %1 points de calcul : le tracé "
                                   "risque d'être très long. Continuer ?")
                        .arg(nombre)))
                ErreurSaisieY = true;
        }
    }

    if (!ErreurSaisieY)
        accept();
}

void TsaisieY::ButAnnulClick()
{
    ErreurSaisieY = false;
    reject();
}

void TsaisieY::done(int resultat)
{
    if (resultat == QDialog::Accepted) {
        if (ErreurSaisieY)
            return;
        if (CBvalI->isChecked() && !ecritValeursImposees())
            return;
    } else {
        ErreurSaisieY = false;
    }
    QDialog::done(resultat);
}

bool TsaisieY::ecritValeursImposees()
{
    const QString nom = EdNomf->text().trimmed();
    if (nom.isEmpty()) {
        interlocuteur().message(QStringLiteral("Vous n'avez pas donné de nom au fichier des valeurs imposées"));
        return false;
    }
    if (!Memo1->document()->isModified())
        return true;
    QStringList lignes = Memo1->toPlainText().split(QLatin1Char('\n'));
    if (!lignes.isEmpty() && lignes.constLast().isEmpty())
        lignes.removeLast();
    if (!fichierDocument.ecritureAccordee(dossierValeurs_ + nom))
        return false;
    const EcritureTexte ecrit = EcritFichierTexte(dossierValeurs_ + nom, lignes);
    if (!ecrit.ok) {
        interlocuteur().message(ecrit.erreur);
        return false;
    }
    Memo1->document()->setModified(false);
    etatSaisie().DossierValeurs = dossierValeurs_;
    return true;
}

// ---------------------------------------------------------------------------------------
// Aids

void TsaisieY::Edlib1MouseDown(QLineEdit* edit, const QPoint& pos)
{
    editeMemorisee_ = edit;
    fnPredef->popup(edit->mapToGlobal(pos) + QPoint(15, 15));
}

void TsaisieY::valeurabsolue1Click(int code)
{
    std::string texte;
    if (NomFonctionParCode(code, texte) && editeMemorisee_)
        editeMemorisee_->insert(QString::fromLatin1(texte.c_str()));
}

void TsaisieY::Libellexistant1Click()
{
    const QString libelle = boitesSaisie().choisitLibelle(this, QStringLiteral("DEHIJNPRSTXY"));
    if (libelle.isEmpty())
        return;
    QLineEdit* edit = editeMemorisee_ == Edlib2 ? Edlib2 : Edlib1;
    edit->setText(edit->text() + libelle);
}

void TsaisieY::CBaleaClick()
{
    if (CBalea->text() != QStringLiteral("Coord. polaires"))
        return;
    if (CBalea->isChecked()) {
        lib1->setText(QStringLiteral("t'=f(t,r)="));
        lib2->setText(QStringLiteral("r'=g(t,r)="));
    } else {
        lib1->setText(QStringLiteral("x'=f(x,y)="));
        lib2->setText(QStringLiteral("y'=g(x,y)="));
    }
}

void TsaisieY::CBvalIClick()
{
    const bool impose = CBvalI->isChecked();
    for (QWidget* w : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                       static_cast<QWidget*>(Edxmin), static_cast<QWidget*>(Label3),
                       static_cast<QWidget*>(Edxmax), static_cast<QWidget*>(Label4),
                       static_cast<QWidget*>(Edpas), static_cast<QWidget*>(CBalea)})
        w->setVisible(!impose);
    GrValimp->setVisible(impose);
}

void TsaisieY::ChargFicClick()
{
    const QString chemin = boitesSaisie().choisitFichier(
        this, QStringLiteral("Fichier des valeurs imposées"), dossierValeurs_,
        QStringLiteral("fichiers TXT ou DTA (*.txt *.dta *.TXT *.DTA);;fichiers texte (*.TXT *.txt);;"
                       "fichiers de données (*.DTA *.dta)"));
    if (chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    fixeDossierValeurs(info.absolutePath());
    const QSignalBlocker bloque(EdNomf);
    EdNomf->setText(info.fileName());
    ChargeMemo(Memo1, chemin, true);
}

void TsaisieY::EdNomfChange()
{
    const QString nom = EdNomf->text().trimmed();
    const QFileInfo info(dossierValeurs_ + nom);
    if (!nom.isEmpty() && info.isFile()) {
        ChargeMemo(Memo1, info.filePath(), false);
    } else if (!Memo1->document()->isModified()) {
        // Values typed before the name are kept: only a file's contents shown unchanged go.
        Memo1->clear();
        Memo1->document()->setModified(false);
    }
}

void TsaisieY::CBconnectClick()
{
    const bool connecte = CBconnect->isChecked();
    CBStyle->setVisible(connecte);
    Label7->setText(connecte ? QStringLiteral("Style :") : QStringLiteral("Type :"));
    CBpnt->setVisible(!connecte);
    btstyle->setVisible(!connecte);
    BtLegend->setVisible(!connecte);
}

void TsaisieY::btstyleClick()
{
    EditeStylePoints(this);
}

void TsaisieY::ButCIClick()
{
    TCondInit fiche(CBordre->currentText().toInt() + 2, this);
    fiche.exec();
}

void TsaisieY::sbFlechClick()
{
    Tchxflech fiche(this);
    fiche.fixeChoix(etatSaisie().ChoixFleche);
    if (fiche.exec() == QDialog::Accepted)
        etatSaisie().ChoixFleche = fiche.choix();
    montreFleche();
}

void TsaisieY::assoparClick()
{
    EditePilotage(this);
}

void TsaisieY::BtLegendClick()
{
    EtatSaisie& e = etatSaisie();
    if (!e.TexteDefaut)
        e.TexteDefaut = std::make_shared<GCTexte>(0, QStringLiteral("0"), QStringLiteral("0"), true,
                                                  etatGraphe().FonteDefaut);
    ModifieTexteDialogue(*e.TexteDefaut, UsageTexte::EtiquetteCourbe, {}, this);
}

void TsaisieY::ButcoulClick()
{
    if (EditeCouleur(this))
        montreCouleur();
}
