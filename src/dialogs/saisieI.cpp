#include "dialogs/saisieI.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/paramanu.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCI.h"

namespace {

constexpr int SousIntervallesMax = 100000;

QLineEdit* champ(const QString& texte, const char* nom, QWidget* parent)
{
    return Nomme(new QLineEdit(texte, parent), nom);
}

QString nombre(double v)
{
    return QString::fromStdString(ReelExact(v));
}

}  // namespace

TSaisieI::TSaisieI(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaisieI"));
    setWindowTitle(QStringLiteral("Fonction implicite F(x,y)=0"));
    AppliqueCouleurFiche(this);

    // --- the equation
    auto* equation = new QGroupBox(this);
    LabelLib1 = Nomme(new QLabel(QStringLiteral("F(x,y)="), equation), "LabelLib1");
    EdLib1 = champ(QString(), "EdLib1", equation);
    EdLib1->setToolTip(QStringLiteral("Taper une expression algébrique"));
    EdLib1->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(EdLib1, &QLineEdit::customContextMenuRequested, this, &TSaisieI::Edlib1MouseDown);
    typeq = Nomme(new QGroupBox(QStringLiteral("Equation cartésienne du type :"), equation), "typeq");
    RBconique = Nomme(new QRadioButton(QStringLiteral("Ax²+Bxy+Cy²+Dx+Ey+F=0"), typeq), "RBconique");
    RBdroite = Nomme(new QRadioButton(QStringLiteral("Ax+By+C=0"), typeq), "RBdroite");
    RBdroite2 = Nomme(new QRadioButton(QStringLiteral("Ax+By = C"), typeq), "RBdroite2");
    auto* types = new QVBoxLayout(typeq);
    for (const auto& [b, st] : {std::pair{RBconique, 2}, std::pair{RBdroite, 1}, std::pair{RBdroite2, 11}}) {
        types->addWidget(b);
        connect(b, &QRadioButton::toggled, this, [this, st = st](bool coche) {
            if (coche)
                montreSousType(st);
        });
    }
    auto* g1 = new QGridLayout(equation);
    g1->addWidget(LabelLib1, 0, 0);
    g1->addWidget(EdLib1, 0, 1, 1, 3);
    g1->addWidget(typeq, 1, 0, 1, 4);
    static const char* const noms[] = {"EdCoefA", "EdCoefB", "EdCoefC", "EdCoefD", "EdCoefE", "EdCoefF"};
    for (int i = 0; i < 6; ++i) {
        LabelsCoef[i] = new QLabel(QStringLiteral("Coefficient ") + QChar('A' + i), equation);
        EdCoef[i] = champ(QStringLiteral("0"), noms[i], equation);
        g1->addWidget(LabelsCoef[i], 2 + i / 2, (i % 2) * 2);
        g1->addWidget(EdCoef[i], 2 + i / 2, (i % 2) * 2 + 1);
    }
    Label1 = Nomme(new QLabel(QStringLiteral("Domaine de définition :"), equation), "Label1");
    Edxmin = champ(QStringLiteral("-5"), "Edxmin", equation);
    Edxmax = champ(QStringLiteral("5"), "Edxmax", equation);
    g1->addWidget(Label1, 5, 0, 1, 4);
    g1->addWidget(new QLabel(QStringLiteral("Début"), equation), 6, 0, Qt::AlignRight);
    g1->addWidget(Edxmin, 6, 1);
    g1->addWidget(new QLabel(QStringLiteral("Fin"), equation), 6, 2, Qt::AlignRight);
    g1->addWidget(Edxmax, 6, 3);

    // --- the drawing
    auto* trace = new QGroupBox(QStringLiteral("Caractéristiques du tracé"), this);
    Label4 = Nomme(new QLabel(QStringLiteral("Pas du tracé :"), trace), "Label4");
    Edpas = champ(QStringLiteral("0.125"), "Edpas", trace);
    Edtempo = Nomme(new QSpinBox(trace), "Edtempo");
    Edtempo->setRange(0, 65500);
    CBepais = ListeEpaisseurs(trace);
    Label7 = Nomme(new QLabel(QStringLiteral("Style :"), trace), "Label7");
    CBStyle = ListeStyles(trace);
    CBpnt = ListeModesPoints(trace);
    EdCoul = Nomme(new QLabel(trace), "EdCoul");
    EdCoul->setMinimumSize(40, 18);
    EdCoul->setFrameShape(QFrame::Box);
    Butcoul = Nomme(new QPushButton(QStringLiteral("..."), trace), "Butcoul");
    Butcoul->setToolTip(QStringLiteral("Choisir la couleur"));
    btstyle = Nomme(new QPushButton(QStringLiteral("&Style des points ..."), trace), "btstyle");
    CBconnect = Nomme(new QCheckBox(QStringLiteral("Tracé connecté"), trace), "CBconnect");
    auto* g2 = new QGridLayout(trace);
    g2->addWidget(Label4, 0, 0);
    g2->addWidget(Edpas, 0, 1);
    g2->addWidget(new QLabel(QStringLiteral("Temporisation :"), trace), 0, 2);
    g2->addWidget(Edtempo, 0, 3);
    g2->addWidget(new QLabel(QStringLiteral("Epaisseur :"), trace), 1, 0);
    g2->addWidget(CBepais, 1, 1);
    g2->addWidget(Label7, 1, 2);
    g2->addWidget(CBStyle, 1, 3);
    g2->addWidget(CBpnt, 1, 3);
    auto* couleur = new QHBoxLayout;
    couleur->addWidget(EdCoul);
    couleur->addWidget(Butcoul);
    g2->addWidget(new QLabel(QStringLiteral("Couleur :"), trace), 2, 0);
    g2->addLayout(couleur, 2, 1);
    g2->addWidget(btstyle, 2, 3);
    g2->addWidget(CBconnect, 3, 0, 1, 2);

    // --- parameters and buttons
    auto* parametres = new QGroupBox(QStringLiteral("Paramètres"), this);
    RBaucun = Nomme(new QRadioButton(QStringLiteral("aucun"), parametres), "RBaucun");
    RBparmanu = Nomme(new QRadioButton(QStringLiteral("manuels"), parametres), "RBparmanu");
    RBparauto = Nomme(new QRadioButton(QStringLiteral("automatiques"), parametres), "RBparauto");
    RBaucun->setChecked(true);
    auto* g3 = new QVBoxLayout(parametres);
    g3->addWidget(RBaucun);
    g3->addWidget(RBparmanu);
    g3->addWidget(RBparauto);
    ButSpecial = Nomme(new QPushButton(QStringLiteral("&Dichotomies ..."), this), "ButSpecial");
    ButSpecial->setToolTip(QStringLiteral("Paramétrage des dichotomies"));
    ButOK = Nomme(new QPushButton(QStringLiteral("&Confirmer"), this), "ButOK");
    ButOK->setDefault(true);
    ButAnnul = Nomme(new QPushButton(QStringLiteral("&Annuler"), this), "ButAnnul");

    auto* droite = new QVBoxLayout;
    droite->addWidget(parametres);
    droite->addWidget(ButSpecial);
    droite->addStretch();
    droite->addWidget(ButOK);
    droite->addWidget(ButAnnul);
    auto* gauche = new QVBoxLayout;
    gauche->addWidget(equation);
    gauche->addWidget(trace);
    auto* tout = new QHBoxLayout(this);
    tout->addLayout(gauche, 1);
    tout->addLayout(droite);

    fnPredef = Nomme(new QMenu(this), "fnPredef");
    MenuFonctionsUsuelles(fnPredef, [this](int code) { valeurabsolue1Click(code); });

    connect(ButOK, &QPushButton::clicked, this, &TSaisieI::ButOKClick);
    connect(ButAnnul, &QPushButton::clicked, this, &TSaisieI::ButAnnulClick);
    connect(ButSpecial, &QPushButton::clicked, this, &TSaisieI::ButSpecialClick);
    connect(CBconnect, &QCheckBox::toggled, this, &TSaisieI::CBconnectClick);
    connect(btstyle, &QPushButton::clicked, this, &TSaisieI::btstyleClick);
    connect(Butcoul, &QPushButton::clicked, this, &TSaisieI::ButcoulClick);
    montreSousType(0);
    CBconnectClick();
    montreCouleur();
}

void TSaisieI::montreSousType(int sousType)
{
    const bool formule = sousType == 0;
    const bool droite = sousType == 1 || sousType == 11;
    LabelLib1->setVisible(formule);
    EdLib1->setVisible(formule);
    typeq->setVisible(!formule);
    // Lines choose between their two forms; a conic shows its form.
    RBconique->setEnabled(sousType == 2);
    RBdroite->setEnabled(droite);
    RBdroite2->setEnabled(droite);
    {
        const QSignalBlocker b1(RBconique), b2(RBdroite), b3(RBdroite2);
        RBconique->setChecked(sousType == 2);
        RBdroite->setChecked(sousType == 1);
        RBdroite2->setChecked(sousType == 11);
    }
    const int coefficients = formule ? 0 : (droite ? 3 : 6);
    for (int i = 0; i < 6; ++i) {
        LabelsCoef[i]->setVisible(i < coefficients);
        EdCoef[i]->setVisible(i < coefficients);
    }
}

int TSaisieI::sousType() const
{
    if (!typeq->isVisibleTo(this))
        return 0;
    if (RBdroite->isChecked())
        return 1;
    if (RBdroite2->isChecked())
        return 11;
    return 2;
}

void TSaisieI::montreCouleur()
{
    MontreCouleurEtiquette(EdCoul, etatSaisie().CouleurEditee);
}

bool TSaisieI::verifie(QLineEdit* edit, const QString& message)
{
    if (!edit->isVisibleTo(this) || CompileChamp(edit->text()))
        return true;
    interlocuteur().message(message);
    ErreurSaisie = true;
    return false;
}

void TSaisieI::ButOKClick()
{
    ErreurSaisie = false;
    verifie(EdLib1, QStringLiteral("Erreur de syntaxe dans le libellé n°1"));
    for (int i = 0; i < 6; ++i)
        verifie(EdCoef[i], QStringLiteral("Erreur de syntaxe dans ") + LabelsCoef[i]->text());
    verifie(Edxmin, QStringLiteral("Erreur de syntaxe dans Début du domaine"));
    verifie(Edxmax, QStringLiteral("Erreur de syntaxe dans Fin du domaine"));
    verifie(Edpas, QStringLiteral("Erreur de syntaxe dans le pas du tracé"));
    if (!ErreurSaisie)
        accept();
}

void TSaisieI::ButAnnulClick()
{
    ErreurSaisie = false;
    reject();
}

void TSaisieI::done(int resultat)
{
    if (resultat == QDialog::Accepted && ErreurSaisie)
        return;
    if (resultat != QDialog::Accepted)
        ErreurSaisie = false;
    QDialog::done(resultat);
}

void TSaisieI::ButSpecialClick()
{
    TDicho fiche(this);
    if (fiche.exec() == QDialog::Accepted)
        fiche.stocke();
}

void TSaisieI::Edlib1MouseDown(const QPoint& pos)
{
    fnPredef->popup(EdLib1->mapToGlobal(pos) + QPoint(15, 15));
}

void TSaisieI::valeurabsolue1Click(int code)
{
    std::string texte;
    if (NomFonctionParCode(code, texte))
        EdLib1->insert(QString::fromLatin1(texte.c_str()));
}

void TSaisieI::CBconnectClick()
{
    const bool connecte = CBconnect->isChecked();
    CBStyle->setVisible(connecte);
    Label7->setText(connecte ? QStringLiteral("Style :") : QStringLiteral("Type :"));
    CBpnt->setVisible(!connecte);
    btstyle->setVisible(!connecte);
}

void TSaisieI::btstyleClick()
{
    EditeStylePoints(this);
}

void TSaisieI::ButcoulClick()
{
    if (EditeCouleur(this))
        montreCouleur();
}

// ---------------------------------------------------------------------------------------

TDicho::TDicho(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Dicho"));
    setWindowTitle(QStringLiteral("Paramétrage des dichotomies"));
    AppliqueCouleurFiche(this);
    const ContexteCalcul& ctx = contexteCalcul();
    EdDeb = champ(QString::fromStdString(ctx.DebutDicho), "EdDeb", this);
    EdFin = champ(QString::fromStdString(ctx.FinDicho), "EdFin", this);
    EdNsi = champ(QString::number(ctx.SousIntervallesDicho), "EdNsi", this);
    Edprecx = champ(nombre(ctx.PrecisionXDicho), "Edprecx", this);
    Edprecy = champ(nombre(ctx.PrecisionYDicho), "Edprecy", this);
    ButOK = Nomme(new QPushButton(QStringLiteral("&OK"), this), "ButOK");
    ButOK->setDefault(true);
    ButAnnul = Nomme(new QPushButton(QStringLiteral("&Annuler"), this), "ButAnnul");
    auto* g = new QGridLayout(this);
    const std::pair<const char*, QLineEdit*> lignes[] = {{"Début", EdDeb},
                                                         {"Fin", EdFin},
                                                         {"Nombre de sous-intervalles", EdNsi},
                                                         {"Précision en x", Edprecx},
                                                         {"Précision en y", Edprecy}};
    int r = 0;
    for (const auto& [libelle, edit] : lignes) {
        g->addWidget(new QLabel(QString::fromUtf8(libelle), this), r, 0);
        g->addWidget(edit, r++, 1);
    }
    g->addWidget(ButOK, r, 0);
    g->addWidget(ButAnnul, r, 1);
    connect(ButOK, &QPushButton::clicked, this, &TDicho::ButOKClick);
    connect(ButAnnul, &QPushButton::clicked, this, &QDialog::reject);
}

void TDicho::ButOKClick()
{
    double v[5];
    const std::pair<QLineEdit*, const char*> champs[] = {{EdDeb, "Début"},
                                                         {EdFin, "Fin"},
                                                         {EdNsi, "Nombre de sous-intervalles"},
                                                         {Edprecx, "Précision en x"},
                                                         {Edprecy, "Précision en y"}};
    for (int i = 0; i < 5; ++i)
        if (!EvalueChamp(champs[i].first->text(), v[i])) {
            interlocuteur().message(QStringLiteral("Valeur incorrecte dans ") + QString::fromUtf8(champs[i].second));
            return;
        }
    QString refus;
    if (!(v[1] > v[0]))
        refus = QStringLiteral("Attention : Début >= Fin !");
    else if (!(v[2] >= 1 && v[2] <= SousIntervallesMax && std::floor(v[2]) == v[2]))
        refus = QStringLiteral("Le nombre de sous-intervalles doit être un entier de 1 à %1 !").arg(SousIntervallesMax);
    else if (!(v[3] > 0))
        refus = QStringLiteral("La précision en x doit être strictement positive !");
    else if (!(v[4] > 0))
        refus = QStringLiteral("La précision en y doit être strictement positive !");
    if (!refus.isEmpty()) {
        interlocuteur().message(refus);
        return;
    }
    accept();
}

void TDicho::stocke() const
{
    ContexteCalcul& ctx = contexteCalcul();
    double v;
    if (EvalueChamp(EdDeb->text(), v))
        ctx.DebutDicho = ReelExact(v);
    if (EvalueChamp(EdFin->text(), v))
        ctx.FinDicho = ReelExact(v);
    if (EvalueChamp(EdNsi->text(), v))
        ctx.SousIntervallesDicho = int(std::clamp(v, 1.0, double(SousIntervallesMax)));
    if (EvalueChamp(Edprecx->text(), v))
        ctx.PrecisionXDicho = v;
    if (EvalueChamp(Edprecy->text(), v))
        ctx.PrecisionYDicho = v;
}

// ---------------------------------------------------------------------------------------

void PrepareSaisieI(TSaisieI& f, const GCI& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        VideParametresManuels();
    e.PointEdite.CopiePoint(c.Marqueur);
    e.CouleurEditee = c.Couleur;
    f.montreSousType(c.SousType == 1 || c.SousType == 11 || c.SousType == 2 ? c.SousType : 0);
    if (c.SousType == 0)
        f.EdLib1->setText(c.Libelle1);
    for (int i = 0; i < 6; ++i)
        f.EdCoef[i]->setText(c.TextesCoefficients[std::size_t(i)]);
    f.Edxmin->setText(c.Xinf);
    f.Edxmax->setText(c.Xsup);
    f.Edpas->setText(c.Pas);
    f.Edtempo->setValue(std::clamp(c.Tempo, 0, 65500));
    f.CBepais->setCurrentIndex(std::clamp(c.Epaisseur - 1, 0, f.CBepais->count() - 1));
    f.CBStyle->setCurrentIndex(std::clamp(int(c.Style), 0, f.CBStyle->count() - 1));
    f.CBpnt->setCurrentIndex(std::clamp(c.Hachure, 0, f.CBpnt->count() - 1));
    f.CBconnect->setChecked(c.Joint);
    f.CBconnectClick();
    (nouvelle ? f.RBparauto : f.RBaucun)->setChecked(true);
    f.montreCouleur();
}

void LitSaisieI(TSaisieI& f, GCI& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        c.NouvelIdentifiant();
    c.SousType = f.sousType();
    std::array<QString, 6> coefficients = c.TextesCoefficients;
    if (c.SousType != 0) {
        for (int i = 0; i < 6; ++i)
            coefficients[std::size_t(i)] = f.EdCoef[i]->isVisibleTo(&f) ? f.EdCoef[i]->text() : QStringLiteral("0");
        c.FixeCoefficients(coefficients);
        c.CompileLibelle1(c.LibelleDesCoefficients());
    } else {
        c.CompileLibelle1(f.EdLib1->text());
    }
    c.FixeBornes(f.Edxmin->text(), f.Edxmax->text(), f.Edpas->text());
    c.Tempo = f.Edtempo->value();
    c.Epaisseur = f.CBepais->currentIndex() + 1;
    c.Style = static_cast<std::uint8_t>(std::max(0, f.CBStyle->currentIndex()));
    c.Hachure = std::max(0, f.CBpnt->currentIndex());
    c.Couleur = e.CouleurEditee;
    c.Joint = f.CBconnect->isChecked();
    c.Marqueur.CopiePoint(e.PointEdite);
    c.Selectionne = false;
    e.ChoixParametresManuels = f.RBparmanu->isChecked();
    e.ChoixParametresAuto = f.RBparauto->isChecked();
    if (!nouvelle && e.ChoixParametresManuels)
        DialogueParametres(c.Parametres, &f);
}

bool ModifieCourbeSaisieI(GCI& courbe, bool nouvelle, QWidget* parent)
{
    TSaisieI fiche(parent);
    PrepareSaisieI(fiche, courbe, nouvelle);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    LitSaisieI(fiche, courbe, nouvelle);
    return true;
}
