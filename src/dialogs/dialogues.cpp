#include "dialogs/dialogues.h"
#include "dialogs/dialrep.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "dialogs/AireSais.h"
#include "dialogs/SaisDist.h"
#include "dialogs/dialtext.h"
#include "dialogs/etatsaisie.h"
#include "dialogs/gestambi.h"
#include "dialogs/paramanu.h"
#include "dialogs/procdyn.h"
#include "dialogs/saisieI.h"
#include "dialogs/saisieL.h"
#include "dialogs/saisieN.h"
#include "dialogs/saiscoef.h"
#include "dialogs/saishisto.h"
#include "dialogs/saisieY.h"
#include "graph/aires/GCAire.h"
#include "graph/aires/GCProcDyn.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/GCN.h"
#include "graph/textes/GCTexte.h"
#include "graph/courbes/genres.h"
#include "graph/courbes/genres_outils.h"
#include "expression/formatage.h"

namespace {

QWidget* parentDialogue()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

void choisit(QComboBox* liste, int index)
{
    liste->setCurrentIndex(std::clamp(index, 0, liste->count() - 1));
}

// The captions of each kind edited with the form.
struct Libelles {
    QChar genre;
    const char* titre;
    const char* libelle1;
    const char* libelle2;   // null: one text only
    const char* conseil;
    const char* bornes;     // null: no bound fields
    const char* inf;
    const char* sup;
};

const Libelles TableLibelles[] = {
    {'Y', "Cartésienne en Y", "y=f(x)=", nullptr, "Entrez le libellé y=f(x)", nullptr, nullptr, nullptr},
    {'X', "Cartésienne en X", "x=f(y)=", nullptr, "Entrez le libellé x=f(y)", nullptr, nullptr, nullptr},
    {'T', "Forme paramétrique", "x=f(t)=", "y=g(t)=", "Entrez les libellés x=f(t) et y=g(t)", nullptr, nullptr,
     nullptr},
    {'P', "Forme polaire", "rho=f(t)=", "theta=g(t)=", "Entrez les libellés rho=f(t) et theta=g(t)", nullptr,
     nullptr, nullptr},
    {'D', "Dérivée n-ième", "f(x)=", nullptr, "Saisir le libellé de la fonction à dériver", nullptr, nullptr,
     nullptr},
    {'G', "Dérivée discrète n-ième", "f(x)=", nullptr, "Saisir le libellé de la fonction à dériver", nullptr,
     nullptr, nullptr},
    {'E', "Equation différentielle d'ordre n", "y[n]=F(x,y,y',...,y[n-1])=", nullptr,
     "Saisir le libellé de la dérivée n-ième y[n]=F(x,y,y',...,y[n-1])", nullptr, nullptr, nullptr},
    {'H', "Système d'équations différentielles du 1er ordre", "x'=f(x,y)= ", "y'=g(x,y)= ",
     "Entrez les libellés x'=f(x,y) et y'=g(x,y)", "Conditions initiales : ", "Xo", "Yo"},
    {'J', "Intégrale", "f(x,y)= ", nullptr, "Entrez le libellé f(x,y)", "Bornes d'intégration : ", "Inf", "Sup"},
    {'R', "Fonction périodique", "y=f(x)=", nullptr, "Entrez le libellé y=f(x)",
     "Bornes de l'intervalle périodisé : ", "Début", "Fin"},
    {'S', "Série de fonctions", "y=f(x,n)= ", nullptr, "Entrez le libellé f(x,n)", "Bornes de sommation : ", "Inf",
     "Sup"},
};

const Libelles* libellesDe(QChar genre)
{
    for (const Libelles& l : TableLibelles)
        if (l.genre == genre)
            return &l;
    return nullptr;
}

// What the form sets of every curve: pen, colour, marks, joining, arrows, marker, own label.
void litAspect(TsaisieY& f, GCY& c)
{
    EtatSaisie& e = etatSaisie();
    c.Tempo = f.Edtempo->value();
    c.Epaisseur = f.CBepais->currentIndex() + 1;
    c.Style = static_cast<std::uint8_t>(std::max(0, f.CBStyle->currentIndex()));
    c.Hachure = std::max(0, f.CBpnt->currentIndex());
    c.Couleur = e.CouleurEditee;
    c.Selectionne = false;
    c.Batons = f.CBbaton->isChecked();
    c.Joint = f.CBconnect->isChecked();
    c.HorsIndex = f.CBVisible->isChecked();
    c.Fleches = e.ChoixFleche;
    c.Marqueur.CopiePoint(e.PointEdite);
    if (e.TexteDefaut) {
        if (!c.Etiquette)
            c.Etiquette = std::make_unique<GCTexte>(0, QStringLiteral("0"), QStringLiteral("0"), true,
                                                    etatGraphe().FonteDefaut);
        c.Etiquette->Copie(*e.TexteDefaut);
        c.Etiquette->CopieTexte(*e.TexteDefaut);
    }
    if (c.Etiquette)
        c.Etiquette->CourbePoint = c.Etiquette->CourbeStat = c.Etiquette->Aire = c.Etiquette->CourbeLib =
            c.Identifiant;
}

// The imposed-values part of the form, from the curve.
void prepareValeursImposees(TsaisieY& f, const GCY& c)
{
    f.CBvalI->show();
    if (!c.FichierValeurs.isEmpty()) {
        // The file read, else the stored name in the form's folder (never a folder taken
        // from the program's current folder).
        const QString lu = FichierValeursImposees(c);
        if (!lu.isEmpty())
            f.fixeDossierValeurs(QFileInfo(lu).absolutePath());
        f.EdNomf->setText(lu.isEmpty() ? PartieNomFichier(c.FichierValeurs) : QFileInfo(lu).fileName());
        if (!c.DossierDocument.isEmpty())
            f.fichierDocument = {QFileInfo(f.dossierValeurs() + f.EdNomf->text()).absoluteFilePath(), c.DossierDocument};
    }
    f.CBvalI->setChecked(c.ValeursImposees);
    f.CBvalIClick();
}

}  // namespace

bool GenreDefiniParSaisieY(QChar genre)
{
    return libellesDe(genre) != nullptr;
}

QString MessageDefinitionIndisponible(QChar genre)
{
    const QString type = NomTypeCourbe(genre);
    return QStringLiteral("La définition des courbes de type %1%2 n'est pas encore disponible dans cette version.")
        .arg(genre)
        .arg(type.isEmpty() ? QString() : QStringLiteral(" (") + type + QLatin1Char(')'));
}

void PrepareSaisieY(TsaisieY& f, GCY& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    const QChar genre = c.TypeCourbe;
    const Libelles* l = libellesDe(genre);

    if (nouvelle)
        VideParametresManuels();
    // The edit may change both the name and the formula: the curve's entry is made again
    // after it.
    RetireNomPropre(c);

    e.PointEdite.CopiePoint(c.Marqueur);
    e.TexteDefaut = std::make_shared<GCTexte>(0, QStringLiteral("0"), QStringLiteral("0"), true,
                                              etatGraphe().FonteDefaut);
    if (c.Etiquette) {
        e.TexteDefaut->Copie(*c.Etiquette);
        e.TexteDefaut->CopieTexte(*c.Etiquette);
    }
    e.ChoixFleche = c.Fleches;
    e.CouleurEditee = c.Couleur;
    e.PiloteX = c.Pilotage.value(0, QStringLiteral("aucun"));
    e.PiloteY = c.Pilotage.value(1, QStringLiteral("aucun"));

    // The fields.
    f.Edlib1->setText(c.Libelle1);
    f.Edtempo->setValue(std::clamp(c.Tempo, 0, 65500));
    f.Edxmin->setText(c.Xinf);
    f.Edxmax->setText(c.Xsup);
    f.Edpas->setText(c.Pas);
    choisit(f.CBepais, c.Epaisseur - 1);
    choisit(f.CBStyle, c.Style);
    choisit(f.CBpnt, c.Hachure);
    f.CBconnect->setChecked(c.Joint);
    f.CBconnectClick();
    f.CBbaton->setChecked(c.Batons);
    f.CBalea->setChecked(c.Aleatoire);
    f.CBVisible->setChecked(c.HorsIndex);
    f.EdNomCrb->setText(c.Nom);
    f.RBaucun->setChecked(true);
    if (nouvelle)
        f.RBparauto->setChecked(true);
    f.montreCouleur();
    f.montreFleche();

    // The captions of the kind.
    if (l) {
        f.setWindowTitle(QString::fromUtf8(l->titre));
        f.lib1->setText(QString::fromUtf8(l->libelle1));
        f.Edlib1->setToolTip(QString::fromUtf8(l->conseil));
        if (l->libelle2) {
            f.lib2->setText(QString::fromUtf8(l->libelle2));
            f.Edlib2->setText(c.Libelle2);
            f.lib2->show();
            f.Edlib2->show();
            f.Edlib1->setToolTip(QString::fromUtf8(l->conseil));
            f.Edlib2->setToolTip(QString::fromUtf8(l->conseil));
        }
        if (l->bornes) {
            f.LabelBornes->setText(QString::fromUtf8(l->bornes));
            f.LabelInf->setText(QString::fromUtf8(l->inf));
            f.LabelSup->setText(QString::fromUtf8(l->sup));
            for (QWidget* w : {static_cast<QWidget*>(f.LabelBornes), static_cast<QWidget*>(f.LabelInf),
                               static_cast<QWidget*>(f.EdBorni), static_cast<QWidget*>(f.LabelSup),
                               static_cast<QWidget*>(f.Edborns)})
                w->show();
        }
    }
    if (auto* rs = dynamic_cast<GCRS*>(&c)) {
        f.EdBorni->setText(rs->TexteBorne1);
        f.Edborns->setText(rs->TexteBorne2);
    }
    if (genre == QLatin1Char('H')) {
        // For systems the random option is the choice of polar coordinates.
        f.CBalea->setText(QStringLiteral("Coord. polaires"));
        f.CBaleaClick();
    }
    if (auto* eq = dynamic_cast<GCE*>(&c)) {
        f.CBordre->clear();
        for (int i = 1; i <= 9; ++i)
            f.CBordre->addItem(QString::number(i));
        choisit(f.CBordre, eq->Ordre - 1);
        e.ConditionsInitiales = eq->TextesInitiaux;
        f.LabelOrdre->show();
        f.CBordre->show();
        f.ButCI->show();
    } else if (auto* dg = dynamic_cast<GCDG*>(&c)) {
        choisit(f.CBordre, dg->Ordre - 1);
        f.LabelOrdre->show();
        f.CBordre->show();
    }

    // Imposed values: the curves of one parameter only.
    if (genre == QLatin1Char('Y') || genre == QLatin1Char('X') || genre == QLatin1Char('T') ||
        genre == QLatin1Char('P'))
        prepareValeursImposees(f, c);
}

void LitSaisieY(TsaisieY& f, GCY& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        c.NouvelIdentifiant();
    c.Nom = f.EdNomCrb->text();
    if (f.Edlib2->isVisibleTo(&f))
        c.FixeLibelles(f.Edlib1->text(), f.Edlib2->text());
    else
        c.CompileLibelle1(f.Edlib1->text());

    if (f.CBvalI->isVisibleTo(&f) && f.CBvalI->isChecked()) {
        c.ValeursImposees = true;
        c.FichierValeurs = f.dossierValeurs() + f.EdNomf->text().trimmed();
    } else {
        c.FixeBornes(f.Edxmin->text(), f.Edxmax->text(), f.Edpas->text());
        c.ValeursImposees = false;
        c.FichierValeurs.clear();
    }
    c.CheminValeurs.clear();

    if (auto* rs = dynamic_cast<GCRS*>(&c); rs && f.EdBorni->isVisibleTo(&f))
        rs->FixeBornes(f.EdBorni->text(), f.Edborns->text());
    if (auto* eq = dynamic_cast<GCE*>(&c)) {
        eq->Ordre = f.CBordre->currentText().toInt();
        eq->FixeConditionsInitiales(e.ConditionsInitiales);
        c.Libelle2 = ResumeConditions(eq->Ordre, e.ConditionsInitiales);
        c.CompileLibelle1(f.Edlib1->text());
    } else if (auto* dg = dynamic_cast<GCDG*>(&c)) {
        dg->Ordre = f.CBordre->currentText().toInt();
        c.Libelle2 = QStringLiteral("n = ") + QString::number(dg->Ordre);
    }

    c.Aleatoire = f.CBalea->isChecked();
    litAspect(f, c);

    e.ChoixParametresManuels = f.RBparmanu->isChecked();
    e.ChoixParametresAuto = f.RBparauto->isChecked();
    if (!nouvelle && e.ChoixParametresManuels)
        DialogueParametres(c.Parametres, &f);
}

bool ModifieCourbeSaisieY(GCY& courbe, bool nouvelle, QWidget* parent)
{
    TsaisieY fiche(parent);
    PrepareSaisieY(fiche, courbe, nouvelle);
    const bool confirme = fiche.exec() == QDialog::Accepted;
    if (confirme)
        LitSaisieY(fiche, courbe, nouvelle);
    InscritNom(courbe);
    return confirme;
}

// ---------------------------------------------------------------------------------------
// A curve derived from one mother

namespace {

void montre(std::initializer_list<QWidget*> controles, bool visible)
{
    for (QWidget* w : controles)
        w->setVisible(visible);
}

}  // namespace

bool ModifieOperUnaire(GCOperUnaire& c, bool nouvelle, QWidget* parent)
{
    const int code = c.Operation;
    const bool blocage = EstCodeBlocage(code);
    const bool point = code == 17 || code == 42;
    const bool domaine = code == 10 || code == 43 || (code >= 54 && code <= 56) || blocage;
    TsaisieY f(parent);
    PrepareSaisieY(f, c, nouvelle);
    f.RBaucun->setChecked(true);
    f.RBparauto->setEnabled(nouvelle);
    f.lib1->setText(c.Libelle1);
    montre({f.Edlib1, f.CBalea}, false);
    montre({f.Label1, f.Label2, f.Edxmin, f.Label3, f.Edxmax, f.Label4, f.Edpas}, domaine);

    const char* titre = "Transformées géométriques";
    if (code <= 7 || code == 49 || code == 50 || code == 57) titre = "Opérations unaires";
    else if (code == 10) titre = "Régressions";
    else if (code == 11) titre = "Médianes mobiles";
    else if (code == 12) titre = "Moyennes mobiles";
    else if (code == 13) titre = "Régression affine glissante";
    else if (code == 14) titre = "Développée";
    else if (code == 15) titre = "Podaire";
    else if (point) titre = "Point sur courbe";
    else if (code == 18) titre = "Inversion du sens de parcours";
    else if (code == 34) titre = "TFD";
    else if (code == 43) titre = "Tangente";
    else if (blocage) titre = "Blocage";
    else if (code == 54) titre = "Normale";
    else if (code == 55) titre = "Cercle de courbure";
    else if (code == 56) titre = "Centre de courbure";
    f.setWindowTitle(QString::fromUtf8(titre));
    if (point) {
        montre({f.Label5, f.Edtempo, f.CBbaton, f.CBconnect}, false);
        montre({f.CBStyle, f.CBpnt}, true);
        f.Label7->setText(QStringLiteral("Type :"));
        f.assopar->setVisible(code == 17);
    }
    if (blocage) {
        f.CBpnt->clear();
        f.CBpnt->addItems({QStringLiteral("Point seul"), QStringLiteral("Projections")});
        choisit(f.CBpnt, c.Hachure);
        prepareValeursImposees(f, c);
    }

    if (f.exec() != QDialog::Accepted)
        return false;
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        c.NouvelIdentifiant();
    c.Nom = f.EdNomCrb->text();
    litAspect(f, c);
    if (code == 10 || code == 42 || blocage) {
        c.ValeursImposees = f.CBvalI->isVisibleTo(&f) && f.CBvalI->isChecked();
        c.FichierValeurs = c.ValeursImposees ? f.dossierValeurs() + f.EdNomf->text().trimmed() : QString();
        c.CheminValeurs.clear();
        if (code == 42)
            c.FixeBornes(QStringLiteral("-5"), QStringLiteral("5"), QStringLiteral("0.125"));
        else
            c.FixeBornes(f.Edxmin->text(), f.Edxmax->text(), f.Edpas->text());
    } else if (GardeSonA9(code)) {
        c.FixeBornes(f.Edxmin->text(), f.Edxmax->text(), f.Edpas->text());
        if (code == 17)
            c.Pilotage = {e.PiloteX, e.PiloteY};
        c.CopieAspectFille();
    } else if (code == 34) {
        c.CopieAspectFille();
    }

    if (!f.RBparmanu->isChecked())
        return true;
    // The operation's own parameters, with the mother's name in the captions.
    const PtrCourbe mere = c.Mere1.isEmpty() ? nullptr : CourbeParIdentifiantPartout(c.Mere1);
    const QString nomMere = mere ? mere->Nom : QString();
    std::array<QString, 6> p = c.ParametresOperation;
    QString prefixe, resume;
    if (code == 41) {
        bool variables = c.Aleatoire;
        int cumul = c.SousType;
        if (!SaisieHisto(prefixe, p, variables, cumul, &f, c.DossierDocument))
            return false;
        c.FixeAleatoire(variables);
        c.FixeSousType(cumul);
        c.FixeParametres(p);
        c.GCCourbe::FixeLibelles(QStringLiteral("Histogramme des densités de ") + nomMere,
                                 QString(p[3].trimmed() == QLatin1String("0") ? "Effectifs" : "Fréquences") +
                                     QStringLiteral(" des ") +
                                     (p[4].trimmed() == QLatin1String("0") ? "abscisses" : "ordonnées"));
        return true;
    }
    if (!SaisieParamOper(code, prefixe, resume, p, &f))
        return false;
    c.FixeParametres(p);
    c.FixeAleatoire(false);
    if (code == 38)
        c.FixeBornes(p[0], p[1], p[2]);
    else if (code != 10 && code != 43 && (code < 45 || code > 52) && code < 57)
        c.GCCourbe::FixeLibelles(prefixe + nomMere, resume);
    return true;
}

bool ModifieOperBinaire(GCOperBinaire& c, bool nouvelle, QWidget* parent)
{
    const int code = c.Operation;
    const bool distance = code >= 12 && code <= 14;
    TsaisieY f(parent);
    PrepareSaisieY(f, c, nouvelle);
    f.setWindowTitle(QStringLiteral("Opérations sur deux courbes"));
    f.lib1->setText(c.Libelle1);
    montre({f.Edlib1, f.CBalea, f.Label1, f.Label2, f.Edxmin, f.Label3, f.Edxmax, f.Label4, f.Edpas}, false);
    f.RBparauto->setEnabled(false);
    const bool parametres = code == 5 || code == 9 || code == 10 || code == 11 || code == 15 || distance;
    (parametres ? f.RBparmanu : f.RBaucun)->setChecked(true);
    f.RBparmanu->setEnabled(parametres);
    if (f.exec() != QDialog::Accepted)
        return false;
    if (nouvelle)
        c.NouvelIdentifiant();
    c.Nom = f.EdNomCrb->text();
    c.FixeAleatoire(false);
    litAspect(f, c);
    if (!f.RBparmanu->isChecked())
        return true;
    if (distance)
        return SaisieDistancesCourbe(c, &f);
    std::array<QString, 3> p = c.ParametresOperation;
    if (!SaisieParamOperBinaire(code, p, &f))
        return false;
    c.FixeParametres(p);
    return true;
}

bool SaisieDistancesCourbe(GCOperBinaire& c, QWidget* parent)
{
    QString debut = c.Xinf, fin = c.Xsup;
    bool normalise = c.ParametresOperation[0].trimmed() != QLatin1String("0");
    if (!SaisieDistances(debut, fin, normalise, parent))
        return false;
    double a = 0, b = 0;
    genres::evalue(debut, a);
    genres::evalue(fin, b);
    c.FixeBornes(debut, fin, QString::fromStdString(ReelVersTexte(b - a)));
    c.ParametresOperation[0] = normalise ? QStringLiteral("1") : QStringLiteral("0");
    return true;
}

// ---------------------------------------------------------------------------------------

bool DialoguesVirk::modifieCourbe(GCCourbe& courbe, bool nouvelle)
{
    if (auto* i = dynamic_cast<GCI*>(&courbe))
        return ModifieCourbeSaisieI(*i, nouvelle, parentDialogue());
    if (courbe.TypeCourbe == QLatin1Char('L') || dynamic_cast<GCC*>(&courbe))
        return ModifieCourbeSaisieL(courbe, nouvelle, parentDialogue());
    if (auto* n = dynamic_cast<GCN*>(&courbe); n && n->SousType >= 1 && n->SousType <= 6)
        return ModifieSuite(*n, nouvelle, parentDialogue());
    if (auto* u = dynamic_cast<GCOperUnaire*>(&courbe))
        return ModifieOperUnaire(*u, nouvelle, parentDialogue());
    if (auto* o = dynamic_cast<GCOperBinaire*>(&courbe))
        return ModifieOperBinaire(*o, nouvelle, parentDialogue());
    if (auto* y = dynamic_cast<GCY*>(&courbe); y && GenreDefiniParSaisieY(courbe.TypeCourbe))
        return ModifieCourbeSaisieY(*y, nouvelle, parentDialogue());
    interlocuteur().message(MessageDefinitionIndisponible(courbe.TypeCourbe));
    return false;
}

bool DialoguesVirk::modifieAire(GCAire& aire, bool nouvelle)
{
    // Inequation areas, and the name and fill of the areas transformed from them.
    if (aire.Genre() == QLatin1Char('A') || aire.Genre() == QLatin1Char('T'))
        return ModifieAireSaisie(aire, nouvelle, parentDialogue());
    if (auto* processus = dynamic_cast<GCProcDyn*>(&aire))
        return ModifieProcessusAire(*processus, nouvelle, parentDialogue());
    interlocuteur().message(QStringLiteral("La définition des régions n'est pas encore disponible dans cette version."));
    return false;
}

bool DialoguesVirk::modifieTexte(GCTexte& texte, bool)
{
    return ModifieTexteDialogue(texte, UsageTexte::Libre, etatSaisie().ContexteTextes, parentDialogue());
}

bool DialoguesVirk::dialogueParametres(std::array<QString, 10>& parametres)
{
    return DialogueParametres(parametres, parentDialogue());
}

bool DialoguesVirk::modifieRepere(GCRepere& repere, int page)
{
    return ModifieRepereDialogue(repere, page, parentDialogue());
}

void installeDialogues()
{
    static DialoguesVirk dialogues;
    etatGraphe().dialogues = &dialogues;
    installeChoixTraceDialogue();
}
