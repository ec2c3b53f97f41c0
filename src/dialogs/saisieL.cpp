#include "dialogs/saisieL.h"

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
#include <algorithm>

#include "dialogs/etatsaisie.h"
#include "dialogs/fiches.h"
#include "dialogs/paramanu.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

QString dossierParDefaut()
{
    const QString d = etatSaisie().DossierPoints;
    return d.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) : d;
}

}  // namespace

QString CodePositionEtiquette(int numero)
{
    static const char* const codes[] = {"hg", "h", "hd", "d", "bd", "b", "bg", "g"};
    return numero >= 0 && numero < 8 ? QString::fromLatin1(codes[numero]) : QString();
}

TSaisieL::TSaisieL(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaisieL"));
    setWindowTitle(QStringLiteral("Liste (nuage) de points"));
    AppliqueCouleurFiche(this);

    Nomfic = Nomme(new QLineEdit(this), "Nomfic");
    BtEdit = Nomme(new QPushButton(QStringLiteral("&Editer"), this), "BtEdit");
    BtEdit->setToolTip(QStringLiteral("Choisir un fichier de points"));
    Memo1 = Nomme(new QPlainTextEdit(this), "Memo1");
    Memo1->setContextMenuPolicy(Qt::CustomContextMenu);
    Memo1->setToolTip(QStringLiteral("Un point par ligne : x;y[;étiquette[;position[;angle]]]"));
    LabelDebut = Nomme(new QLabel(QStringLiteral("1ère abscisse :"), this), "LabelDebut");
    Edebut = Nomme(new QLineEdit(QStringLiteral("0"), this), "Edebut");
    LabelPas = Nomme(new QLabel(QStringLiteral("Pas :"), this), "LabelPas");
    EdPas = Nomme(new QLineEdit(QStringLiteral("0.1"), this), "EdPas");

    auto* trace = new QGroupBox(QStringLiteral("Caractéristiques du tracé"), this);
    Edtempo = Nomme(new QSpinBox(trace), "Edtempo");
    Edtempo->setRange(0, 65500);
    CBepais = ListeEpaisseurs(trace);
    CBStyle = ListeStyles(trace);
    EdCoul = Nomme(new QLabel(trace), "EdCoul");
    EdCoul->setMinimumSize(40, 18);
    EdCoul->setFrameShape(QFrame::Box);
    Butcoul = Nomme(new QPushButton(QStringLiteral("..."), trace), "Butcoul");
    Butcoul->setToolTip(QStringLiteral("Choisir la couleur"));
    CBbaton = Nomme(new QCheckBox(QStringLiteral("Coord. polaires"), trace), "CBbaton");
    btstyle = Nomme(new QPushButton(QStringLiteral("&Style des points ..."), trace), "btstyle");
    auto* g2 = new QGridLayout(trace);
    g2->addWidget(new QLabel(QStringLiteral("Temporisation :"), trace), 0, 0);
    g2->addWidget(Edtempo, 0, 1);
    g2->addWidget(new QLabel(QStringLiteral("Epaisseur :"), trace), 1, 0);
    g2->addWidget(CBepais, 1, 1);
    g2->addWidget(new QLabel(QStringLiteral("Style :"), trace), 2, 0);
    g2->addWidget(CBStyle, 2, 1);
    auto* couleur = new QHBoxLayout;
    couleur->addWidget(EdCoul);
    couleur->addWidget(Butcoul);
    g2->addWidget(new QLabel(QStringLiteral("Couleur :"), trace), 3, 0);
    g2->addLayout(couleur, 3, 1);
    g2->addWidget(CBbaton, 4, 0, 1, 2);
    g2->addWidget(btstyle, 5, 0, 1, 2);

    auto* parametres = new QGroupBox(QStringLiteral("Paramètres"), this);
    RBaucun = Nomme(new QRadioButton(QStringLiteral("aucun"), parametres), "RBaucun");
    RBparmanu = Nomme(new QRadioButton(QStringLiteral("manuels"), parametres), "RBparmanu");
    RBparauto = Nomme(new QRadioButton(QStringLiteral("automatiques"), parametres), "RBparauto");
    RBaucun->setChecked(true);
    auto* g3 = new QVBoxLayout(parametres);
    g3->addWidget(RBaucun);
    g3->addWidget(RBparmanu);
    g3->addWidget(RBparauto);
    assopar = Nomme(new QPushButton(QStringLiteral("Pilotage des paramètres personnels"), this), "assopar");
    ButOK = Nomme(new QPushButton(QStringLiteral("&OK"), this), "ButOK");
    ButOK->setDefault(true);
    ButAnnul = Nomme(new QPushButton(QStringLiteral("&Annuler"), this), "ButAnnul");

    auto* gauche = new QGridLayout;
    gauche->addWidget(new QLabel(QStringLiteral("Nom du fichier de points :"), this), 0, 0, 1, 2);
    gauche->addWidget(Nomfic, 1, 0);
    gauche->addWidget(BtEdit, 1, 1);
    LabelMemo = Nomme(new QLabel(QStringLiteral("Coordonnées des points :"), this), "LabelMemo");
    gauche->addWidget(LabelMemo, 2, 0, 1, 2);
    gauche->addWidget(Memo1, 3, 0, 1, 2);
    auto* debutPas = new QHBoxLayout;
    debutPas->addWidget(LabelDebut);
    debutPas->addWidget(Edebut);
    debutPas->addWidget(LabelPas);
    debutPas->addWidget(EdPas);
    gauche->addLayout(debutPas, 4, 0, 1, 2);
    auto* droite = new QVBoxLayout;
    droite->addWidget(trace);
    droite->addWidget(parametres);
    droite->addWidget(assopar);
    droite->addStretch();
    droite->addWidget(ButOK);
    droite->addWidget(ButAnnul);
    auto* tout = new QHBoxLayout(this);
    tout->addLayout(gauche, 1);
    tout->addLayout(droite);

    popup = Nomme(new QMenu(this), "popup");
    QAction* inserer = popup->addAction(QStringLiteral("Insérer une police..."));
    inserer->setObjectName(QStringLiteral("inserer"));
    QAction* ajouter = popup->addAction(QStringLiteral("Ajouter la position d'une étiquette..."));
    ajouter->setObjectName(QStringLiteral("ajouter"));
    connect(inserer, &QAction::triggered, this, &TSaisieL::insererClick);
    connect(ajouter, &QAction::triggered, this, &TSaisieL::ajouterClick);
    connect(Memo1, &QPlainTextEdit::customContextMenuRequested, this,
            [this](const QPoint& pos) { popup->popup(Memo1->viewport()->mapToGlobal(pos)); });

    connect(Nomfic, &QLineEdit::textChanged, this, &TSaisieL::NomficChange);
    connect(BtEdit, &QPushButton::clicked, this, &TSaisieL::BtEditClick);
    connect(btstyle, &QPushButton::clicked, this, &TSaisieL::btstyleClick);
    connect(assopar, &QPushButton::clicked, this, &TSaisieL::assoparClick);
    connect(Butcoul, &QPushButton::clicked, this, &TSaisieL::ButcoulClick);
    connect(ButOK, &QPushButton::clicked, this, &TSaisieL::ButOKClick);
    connect(ButAnnul, &QPushButton::clicked, this, &QDialog::reject);
    fixeDossier(dossierParDefaut());
    montreCouleur();
}

void TSaisieL::fixeDossier(const QString& dossier)
{
    dossier_ = dossier;
    if (!dossier_.isEmpty() && !dossier_.endsWith(QLatin1Char('/')))
        dossier_ += QLatin1Char('/');
}

QString TSaisieL::cheminFichier() const
{
    QString nom = Nomfic->text().trimmed();
    nom.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return dossier_ + nom;
}

void TSaisieL::montreDebutPas(bool visibles)
{
    for (QWidget* w : {static_cast<QWidget*>(LabelDebut), static_cast<QWidget*>(Edebut),
                       static_cast<QWidget*>(LabelPas), static_cast<QWidget*>(EdPas)})
        w->setVisible(visibles);
}

void TSaisieL::montreCouleur()
{
    MontreCouleurEtiquette(EdCoul, etatSaisie().CouleurEditee);
}

void TSaisieL::ButOKClick()
{
    for (const auto& [edit, libelle] : {std::pair{Edebut, LabelDebut}, std::pair{EdPas, LabelPas}}) {
        if (!edit->isVisibleTo(this) || CompileChamp(edit->text()))
            continue;
        QString nom = libelle->text();
        nom.remove(QStringLiteral(" :"));
        interlocuteur().message(QStringLiteral("Erreur de syntaxe dans ") + nom);
        return;
    }
    accept();
}

void TSaisieL::done(int resultat)
{
    if (resultat != QDialog::Accepted) {
        QDialog::done(resultat);
        return;
    }
    const QString nom = Nomfic->text().trimmed();
    QStringList lignes = Memo1->toPlainText().split(QLatin1Char('\n'));
    while (!lignes.isEmpty() && lignes.constLast().trimmed().isEmpty())
        lignes.removeLast();
    QString refus;
    if (nom.isEmpty() && !lignes.isEmpty())
        refus = QStringLiteral("Vous n'avez pas donné de nom au fichier !");
    else if (nom.isEmpty() || !((nom[0] >= QLatin1Char('A') && nom[0] <= QLatin1Char('Z')) ||
                                (nom[0] >= QLatin1Char('a') && nom[0] <= QLatin1Char('z'))))
        refus = QStringLiteral("Nom de fichier incorrect !");
    else if (lignes.isEmpty())
        refus = QStringLiteral("Attention! Fichier vide.");
    if (!refus.isEmpty()) {
        interlocuteur().message(refus);
        return;
    }
    const QString chemin = cheminFichier();
    if (!fichierDocument.ecritureAccordee(chemin))
        return;
    QDir().mkpath(QFileInfo(chemin).absolutePath());
    const EcritureTexte ecrit = EcritFichierTexte(chemin, lignes);
    if (!ecrit.ok) {
        interlocuteur().message(ecrit.erreur);
        return;
    }
    Memo1->document()->setModified(false);
    QDialog::done(resultat);
}

void TSaisieL::NomficChange()
{
    const QFileInfo info(cheminFichier());
    if (!Nomfic->text().trimmed().isEmpty() && info.isFile() && !Memo1->document()->isModified())
        ChargeMemo(Memo1, info.filePath(), true);
}

void TSaisieL::BtEditClick()
{
    const QString chemin = boitesSaisie().choisitFichier(this, QStringLiteral("Fichier de points"), dossier_, filtreFichiers);
    if (chemin.isEmpty())
        return;
    const QFileInfo info(chemin);
    fixeDossier(info.absolutePath());
    {
        const QSignalBlocker bloque(Nomfic);
        Nomfic->setText(info.fileName());
    }
    ChargeMemo(Memo1, chemin, true);
}

void TSaisieL::insererClick()
{
    Police police = etatGraphe().FonteDefaut;
    if (boitesSaisie().choisitFonte(this, police))
        Memo1->insertPlainText(QStringLiteral("§") + FonteVersTexte(police));
}

void TSaisieL::ajouterClick()
{
    TPetiq picker(this);
    if (picker.exec() == QDialog::Accepted)
        Memo1->insertPlainText(CodePositionEtiquette(etatSaisie().PositionEtiquette));
}

void TSaisieL::btstyleClick()
{
    EditeStylePoints(this);
}

void TSaisieL::assoparClick()
{
    EditePilotage(this);
}

void TSaisieL::ButcoulClick()
{
    if (EditeCouleur(this))
        montreCouleur();
}

// ---------------------------------------------------------------------------------------

TPetiq::TPetiq(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Petiq"));
    setWindowTitle(QStringLiteral("Position de l'étiquette"));
    AppliqueCouleurFiche(this);
    // Buttons by row: top-left, top, top-right; left, none, right; bottom-left, bottom,
    // bottom-right, each with its number.
    static const struct {
        int numero;
        const char* image;
        const char* conseil;
    } boutons[9] = {{0, "↖", "en haut à gauche"}, {1, "↑", "en haut"},   {2, "↗", "en haut à droite"},
                    {7, "←", "à gauche"},         {8, "·", "aucune"},    {3, "→", "à droite"},
                    {6, "↙", "en bas à gauche"},  {5, "↓", "en bas"},    {4, "↘", "en bas à droite"}};
    auto* g = new QGridLayout(this);
    for (int i = 0; i < 9; ++i) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("sb%1").arg(boutons[i].numero));
        b->setText(QString::fromUtf8(boutons[i].image));
        b->setToolTip(QString::fromUtf8(boutons[i].conseil));
        b->setMinimumSize(32, 32);
        const int numero = boutons[i].numero;
        connect(b, &QToolButton::clicked, this, [this, numero] {
            etatSaisie().PositionEtiquette = numero;
            accept();
        });
        g->addWidget(b, i / 3, i % 3);
    }
}

// ---------------------------------------------------------------------------------------

void PrepareSaisieL(TSaisieL& f, const GCCourbe& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    e.PointEdite.CopiePoint(c.Marqueur);
    e.CouleurEditee = c.Couleur;
    e.PiloteX = c.Pilotage.value(0, QStringLiteral("aucun"));
    e.PiloteY = c.Pilotage.value(1, QStringLiteral("aucun"));
    f.montreDebutPas(false);
    // The curves of control points and the chronicles: the same form, under their captions,
    // with their step (and the chronicle's first abscissa).
    if (const auto* g = dynamic_cast<const GCC*>(&c)) {
        const QChar genre = g->TypeCourbe;
        f.montreDebutPas(true);
        f.Edebut->setText(g->Debut);
        f.EdPas->setText(g->PasC);
        if (genre == QLatin1Char('C')) {
            f.setWindowTitle(QStringLiteral("Chronique"));
            f.filtreFichiers = QStringLiteral("fichiers de données (*.dta *.DTA);;fichiers texte (*.txt *.TXT);;tous (*)");
            f.LabelMemo->setText(QStringLiteral("Ordonnées des points :"));
            f.CBbaton->setText(QStringLiteral("Tracé en bâtons"));
        } else {
            f.LabelDebut->hide();
            f.Edebut->hide();
            f.setWindowTitle(genre == QLatin1Char('B') ? QStringLiteral("Courbe de Bézier") : QStringLiteral("Courbe Spline"));
            if (genre == QLatin1Char('B'))
                f.LabelPas->setText(QStringLiteral("Pas (0<p<1) :"));
        }
    }
    if (nouvelle) {
        VideParametresManuels();
        f.RBparauto->setChecked(true);
    } else {
        // The file read (found under the document's folder, or where this machine keeps it),
        // else the stored folder when it is a folder of this machine; never a folder taken
        // from the program's current folder. The working copy of the document's data is
        // shown, under the stored name.
        const QString lu = FichierDonnees(c);
        QString stocke = c.Libelle1.trimmed();
        stocke.replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QFileInfo info(stocke);
        QString nom = PartieNomFichier(c.Libelle1);
        if (!lu.isEmpty() && !DansDossier(lu, dossierTravail())) {
            f.fixeDossier(QFileInfo(lu).absolutePath());
            nom = QFileInfo(lu).fileName();
        } else if (info.isAbsolute() && info.dir().exists()) {
            f.fixeDossier(info.absolutePath());
        }
        {
            const QSignalBlocker bloque(f.Nomfic);
            f.Nomfic->setText(nom);
        }
        if (!c.DossierDocument.isEmpty())
            f.fichierDocument = {QFileInfo(f.cheminFichier()).absoluteFilePath(), c.DossierDocument};
        if (QFileInfo(lu).isFile()) {
            const LectureTexte texte = LitFichierTexte(lu);
            if (texte.ok)
                f.Memo1->setPlainText(texte.lignes.join(QLatin1Char('\n')));
        }
        f.Memo1->document()->setModified(false);
    }
    f.Edtempo->setValue(std::clamp(c.Tempo, 0, 65500));
    f.CBepais->setCurrentIndex(std::clamp(c.Epaisseur - 1, 0, f.CBepais->count() - 1));
    f.CBStyle->setCurrentIndex(std::clamp(int(c.Style), 0, f.CBStyle->count() - 1));
    f.CBbaton->setChecked(c.Batons);
    f.montreCouleur();
}

void LitSaisieL(TSaisieL& f, GCCourbe& c, bool nouvelle)
{
    EtatSaisie& e = etatSaisie();
    if (nouvelle)
        c.NouvelIdentifiant();
    c.Libelle1 = f.cheminFichier();
    c.Tempo = f.Edtempo->value();
    c.Couleur = e.CouleurEditee;
    c.Epaisseur = f.CBepais->currentIndex() + 1;
    c.Style = static_cast<std::uint8_t>(std::max(0, f.CBStyle->currentIndex()));
    c.Batons = f.CBbaton->isChecked();
    c.Marqueur.CopiePoint(e.PointEdite);
    c.Pilotage = {e.PiloteX, e.PiloteY};
    if (auto* g = dynamic_cast<GCC*>(&c))
        g->FixeDebutPas(f.Edebut->text().trimmed(), f.EdPas->text().trimmed());
    e.DossierPoints = f.dossier();
    e.ChoixParametresManuels = f.RBparmanu->isChecked();
    e.ChoixParametresAuto = f.RBparauto->isChecked();
    if (!nouvelle && e.ChoixParametresManuels)
        DialogueParametres(c.Parametres, &f);
}

bool ModifieCourbeSaisieL(GCCourbe& courbe, bool nouvelle, QWidget* parent)
{
    TSaisieL fiche(parent);
    PrepareSaisieL(fiche, courbe, nouvelle);
    if (fiche.exec() != QDialog::Accepted)
        return false;
    LitSaisieL(fiche, courbe, nouvelle);
    return true;
}
