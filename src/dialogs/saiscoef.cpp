#include "dialogs/saiscoef.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "dialogs/fiches.h"
#include "dialogs/periodiz.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/document/document.h"

namespace {

// One edit of the form: its place (1..6), its caption and the parameter it holds (1..6).
struct Champ {
    int edit = 0;
    const char* libelle = nullptr;
    int parametre = 0;
};

// What the dialog of a code shows and what it makes. In the prefix and the summary, {k}
// stands for the text of p<k>.
struct Saisie {
    int code;
    const char* titre = nullptr;   // null: no dialog
    std::array<Champ, 6> champs{};
    std::array<const char*, 6> fixes{};   // parameters the code sets (null: left)
    const char* prefixe = "";
    const char* resume = "";
    bool sansSauvegarde = false;
};

constexpr const char* Blocage = "Blocage";
constexpr Champ Periode{1, "période de blocage", 1};

const Saisie Saisies[] = {
    {.code = 0, .prefixe = "Opposée de "},
    {.code = 1, .prefixe = "Inverse de "},
    {.code = 2, .titre = "Puissance n-ième", .champs = {{{1, "n : puissance", 1}}},
     .prefixe = "Puissance n-ième de ", .resume = "n = {1}"},
    {.code = 3, .prefixe = "Valeur absolue de "},
    {.code = 4, .prefixe = "Partie >0 de "},
    {.code = 5, .prefixe = "Partie <0 de "},
    {.code = 6, .titre = "Ecrétage", .champs = {{{1, "valeur supérieure", 1}, {2, "valeur inférieure", 2}}},
     .prefixe = "Ecrétage de ", .resume = "Sup = {1}|Inf = {2}"},
    {.code = 7, .titre = "Multiplication par un réel", .champs = {{{1, "r : multiplicateur réel", 1}}},
     .prefixe = "{1} x "},
    {.code = 8, .titre = "Périodisation",
     .champs = {{{1, "début de la période", 1}, {2, "fin de la période", 2}, {3, "début du tracé", 3},
                 {4, "fin du tracé", 4}}},
     .prefixe = "Périodisation de "},
    {.code = 9, .titre = "Décimation",
     .champs = {{{1, "Nombre de valeurs conservées", 1}, {2, "Nombre de valeurs décimées", 2},
                 {3, "Ordre: +1 (conserve d'abord) ou -1", 3}}},
     .prefixe = "Décimation de "},
    {.code = 11, .titre = "Médianes mobiles", .champs = {{{1, "ordre (nbr. impair de valeurs)", 1}}},
     .prefixe = "Médianes mobiles de ", .resume = "Ordre = {1}"},
    {.code = 12, .titre = "Moyennes mobiles", .champs = {{{1, "ordre (nbr. de valeurs)", 1}}},
     .prefixe = "Moyennes mobiles de ", .resume = "Ordre = {1}"},
    {.code = 13, .titre = "Regression affine glissante", .champs = {{{1, "ordre (nbr. de valeurs)", 1}}},
     .prefixe = "Regr. aff. glissante de ", .resume = "Ordre = {1}"},
    {.code = 14, .prefixe = "Développée de "},
    {.code = 15, .titre = "Podaire", .champs = {{{1, "abscisse du pôle", 1}, {2, "ordonnée du pôle", 2}}},
     .prefixe = "Podaire de ", .resume = "Pôle = ({1},{2})"},
    {.code = 16, .titre = "Transformation quelconque",
     .champs = {{{1, "X=f(x,y) nouvelle abscisse", 1}, {2, "Y=g(x,y) nouvelle ordonnée", 2}}},
     .prefixe = "Transformée de "},
    {.code = 17, .titre = "Point sur courbe", .champs = {{{1, "position", 1}}}, .prefixe = "Point sur ",
     .resume = "Abscisse = {1}", .sansSauvegarde = true},
    {.code = 19, .titre = "Symétrie orthogonale d'axe horizontal",
     .champs = {{{1, "Ordonnée de l'axe de symétrie", 1}}}, .prefixe = "Symétrique ortho. de ",
     .resume = "Axe y = {1}"},
    {.code = 20, .titre = "Symétrie orthogonale d'axe vertical", .champs = {{{1, "Abscisse de l'axe de symétrie", 1}}},
     .prefixe = "Symétrique ortho. de ", .resume = "Axe x = {1}"},
    {.code = 21, .titre = "Symétrie orthogonale d'axe oblique",
     .champs = {{{1, "a: coefficient directeur de l'axe de symétrie", 1},
                 {2, "b: ordonnée à l'origine de l'axe de symétrie", 2}}},
     .prefixe = "Symétrique ortho. de ", .resume = "Axe y = ({1})x + ({2})"},
    {.code = 22, .titre = "Symétrie centrale",
     .champs = {{{1, "Abscisse du centre de symétrie", 1}, {2, "Ordonnée du centre de symétrie", 2}}},
     .prefixe = "Symétrique centrale de ", .resume = "Centre = ({1},{2})"},
    {.code = 23, .fixes = {"0", "1", "1", "0"}, .prefixe = "Inverse complexe de "},
    {.code = 24, .titre = "Inversion géométrique",
     .champs = {{{1, "Abscisse du pôle d'inversion", 1}, {2, "Ordonnée du pôle d'inversion", 2},
                 {3, "Puissance de l'inversion", 3}}},
     .prefixe = "Inverse géométrique de "},
    {.code = 25, .titre = "Translation",
     .champs = {{{1, "Première composante du vecteur translation", 1},
                 {2, "Seconde composante du vecteur translation", 2}}},
     .prefixe = "Translatée de ", .resume = "Vecteur : ({1},{2})"},
    {.code = 26, .titre = "Rotation",
     .champs = {{{1, "Abscisse du centre de rotation", 1}, {2, "Ordonnée du centre de rotation", 2},
                 {3, "Angle de rotation (en degrés)", 3}}},
     .prefixe = "Rotation de "},
    {.code = 27, .titre = "Homothétie",
     .champs = {{{1, "Abscisse du centre d'homothétie", 1}, {2, "Ordonnée du centre d'homothétie", 2},
                 {3, "Rapport d'homothétie", 3}}},
     .prefixe = "Homothétique de "},
    {.code = 28, .titre = "Similitude",
     .champs = {{{1, "Abscisse du centre de similitude", 1}, {2, "Ordonnée du centre de similitude", 2},
                 {3, "Angle de la similitude (en degrés)", 3}, {4, "Rapport de la similitude (>0)", 4}}},
     .prefixe = "Transformée par similitude de "},
    {.code = 29, .titre = "Affinité orthogonale d'axe Ox", .champs = {{{1, "Rapport d'affinité", 5}}},
     .fixes = {"1", "0", "0", "0", nullptr, "0"}, .prefixe = "Affine orthogonale d'axe Ox de ",
     .resume = "rapport = {5}"},
    {.code = 30, .titre = "Affinité orthogonale d'axe Oy", .champs = {{{1, "Rapport d'affinité", 1}}},
     .fixes = {nullptr, "0", "0", "0", "1", "0"}, .prefixe = "Affine orthogonale d'axe Oy de ",
     .resume = "rapport = {1}"},
    {.code = 31, .titre = "Affinité quelconque",
     .champs = {{{1, "Coefficient a", 1}, {2, "Coefficient b", 2}, {3, "Coefficient c", 3}, {4, "Coefficient d", 4},
                 {5, "Coefficient e", 5}, {6, "Coefficient f", 6}}},
     .prefixe = "Transformée affine de "},
    {.code = 32, .titre = "Homographie",
     .champs = {{{1, "Coefficient a", 1}, {2, "Coefficient b", 2}, {3, "Coefficient c", 3}, {4, "Coefficient d", 4}}},
     .prefixe = "Homographique de "},
    {.code = 33, .prefixe = "Tranfo. de Joukowski de "},
    // Kept under a name, a transformation that needs its own child could not be replayed.
    {.code = 34, .titre = "Transformée de Fourier Discrète",
     .champs = {{{1, "Début de l'échantillonnage", 1}, {2, "Fin de l'échantillonnage", 2}, {3, "Nombre de points", 3},
                 {4, "Zéro padding", 4}, {5, "Fenêtre d'échantillonnage", 5}, {6, "Partie visualisée", 6}}},
     .prefixe = "TFD de ", .sansSauvegarde = true},
    {.code = 35, .titre = "Projection orthogonale sur un axe horizontal",
     .champs = {{{1, "Ordonnée de l'axe horizontal", 1}, {3, "Epaisseur des segments", 3}}},
     .prefixe = "Projection ortho. de ", .resume = "Axe y = {1}"},
    {.code = 36, .titre = "Projection orthogonale sur un axe oblique",
     .champs = {{{1, "a : coefficient directeur de l'axe oblique", 1},
                 {2, "b : ordonnée à l'origine de l'axe oblique", 2}, {3, "Epaisseur des segments", 3}}},
     .prefixe = "Projection ortho. de ", .resume = "Axe y = ({1})x + ({2})"},
    {.code = 37, .titre = "Projection orthogonale sur un axe vertical",
     .champs = {{{1, "Abscisse de l'axe vertical", 1}, {3, "Epaisseur des segments", 3}}},
     .prefixe = "Projection ortho. de ", .resume = "Axe x = {1}"},
    {.code = 38, .titre = "Transformée de Laplace",
     .champs = {{{1, "Valeur minimale de la variable p", 1}, {2, "Valeur maximale de la variable p", 2},
                 {3, "Pas du tracé", 3}}},
     .prefixe = "Transfo. de Laplace de "},
    {.code = 39, .titre = "N-ième composée", .champs = {{{1, "n : itération", 1}}}, .prefixe = "N-ième composée de ",
     .resume = "N = {1}"},
    {.code = 40, .titre = "Transformation complexe quelconque", .champs = {{{1, "= f(z) <------ z", 1}}},
     .prefixe = "Transformée complexe de "},
    {.code = 42, .titre = "Point sur courbe", .champs = {{{1, "rang N", 1}}},
     .prefixe = "Point d'ordonnée de rang N sur ", .resume = "N = {1}", .sansSauvegarde = true},
    {.code = 43, .titre = "Tangente",
     .champs = {{{1, "abscisse du point de tangence", 1}, {2, "demi-longueur de la tangente", 2}}},
     .prefixe = "Tangente à ", .sansSauvegarde = true},
    {.code = 44, .titre = "Lissage à noyau gaussien",
     .champs = {{{2, "largeur de bande (>0) des x", 2}, {3, "écart type du noyau gaussien (>0)", 3}}},
     .fixes = {"1"}, .prefixe = "Lissage gaussien de ", .resume = "Largeur de bande des x = {2}"},
    {.code = 45, .titre = "Projection horizontale sur une courbe X=f(Y)",
     .champs = {{{1, "Expression algébrique f(y)", 1}, {3, "Epaisseur des segments", 3}}},
     .prefixe = "Proj. horizontale de ", .resume = "sur x = {1}"},
    {.code = 46, .titre = "Projection verticale sur une courbe Y=f(X)",
     .champs = {{{1, "Expression algébrique f(x)", 1}, {3, "Epaisseur des segments", 3}}},
     .prefixe = "Proj. verticale de ", .resume = "sur y = {1}"},
    {.code = 47, .fixes = {"-1"}, .prefixe = "Enveloppe inférieure de "},
    {.code = 48, .fixes = {"1"}, .prefixe = "Enveloppe supérieure de "},
    {.code = 49, .prefixe = "Composante en X de "},
    {.code = 50, .prefixe = "Composante en Y de "},
    {.code = 51, .titre = "Blocage retard", .champs = {{Periode}}, .prefixe = "Blocage retard de ",
     .resume = "Période = {1}"},
    {.code = 52, .titre = "Blocage avance", .champs = {{Periode}}, .prefixe = "Blocage avance de ",
     .resume = "Période = {1}"},
    {.code = 53, .titre = "Primitive discrète",
     .champs = {{{1, "Abscisse de la condition initiale", 1}, {2, "Ordonnée de la condition initiale", 2}}},
     .prefixe = "Primitive discrète de ", .resume = "CI = ({1},{2})"},
    {.code = 54, .titre = "Normale",
     .champs = {{{1, "abscisse du point de tangence", 1}, {2, "demi-longueur de la normale", 2}}},
     .prefixe = "Normale à ", .sansSauvegarde = true},
    {.code = 55, .titre = "Cercle de courbure", .champs = {{{1, "abscisse du point de tangence", 1}}},
     .prefixe = "Cercle de courbure relatif à ", .sansSauvegarde = true},
    {.code = 56, .titre = "Centre de courbure", .champs = {{{1, "abscisse du point de tangence", 1}}},
     .prefixe = "Centre de courbure relatif à ", .sansSauvegarde = true},
    {.code = 57, .prefixe = "Norme de "},
    {.code = 58, .titre = Blocage, .champs = {{Periode}}, .resume = "Période = {1}"},
    {.code = 59, .titre = Blocage, .champs = {{Periode}}, .resume = "Période = {1}"},
    {.code = 60, .titre = Blocage, .champs = {{Periode}}, .resume = "Période = {1}"},
    {.code = 61, .titre = Blocage, .champs = {{Periode}}, .resume = "Période = {1}"},
    {.code = 62, .titre = Blocage, .champs = {{Periode, {2, "position entre 0 et 1", 2}}},
     .prefixe = "Blocage quelconque de ", .resume = "Période = {1}"},
};

const Saisie* saisieDuCode(int code)
{
    for (const Saisie& s : Saisies)
        if (s.code == code)
            return &s;
    return nullptr;
}

QString remplit(const char* modele, const std::array<QString, 6>& p)
{
    QString t = QString::fromUtf8(modele);
    for (int k = 0; k < 6; ++k)
        t.replace(QStringLiteral("{%1}").arg(k + 1), p[std::size_t(k)]);
    return t;
}

const char* const Rangs[6] = {"Premier", "Deuxième", "Troisième", "Quatrième", "Cinquième", "Sixième"};

}  // namespace

TSaisCoeff::TSaisCoeff(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("SaisCoeff"));
    setWindowTitle(QStringLiteral("Saisie des paramètres"));
    AppliqueCouleurFiche(this);
    auto* grille = new QGridLayout;
    for (int k = 0; k < 6; ++k) {
        const QByteArray l = "Label" + QByteArray::number(k + 1), c = "Coef" + QByteArray::number(k + 1);
        Labels[std::size_t(k)] = Nomme(new QLabel(this), l.constData());
        Coefs[std::size_t(k)] = Nomme(new QLineEdit(QStringLiteral("0"), this), c.constData());
        grille->addWidget(Labels[std::size_t(k)], k, 0);
        grille->addWidget(Coefs[std::size_t(k)], k, 1);
    }
    CBsvg = Nomme(new QCheckBox(QStringLiteral("Sauvegarde de la transformation"), this), "CBsvg");
    Label7 = Nomme(new QLabel(QStringLiteral("Sous quel nom ?"), this), "Label7");
    Edsvg = Nomme(new QLineEdit(this), "Edsvg");
    grille->addWidget(CBsvg, 6, 0, 1, 2);
    grille->addWidget(Label7, 7, 0);
    grille->addWidget(Edsvg, 7, 1);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
    pile->addLayout(BoutonsFiche(this, ButOK, ButAnnul));
    disconnect(ButOK, nullptr, this, nullptr);
    connect(ButOK, &QPushButton::clicked, this, &TSaisCoeff::ButOKClick);
    connect(CBsvg, &QCheckBox::toggled, this, &TSaisCoeff::CBsvgClick);
    CBsvgClick();
    resize(460, sizeHint().height());
}

void TSaisCoeff::CBsvgClick()
{
    Label7->setVisible(CBsvg->isChecked());
    Edsvg->setVisible(CBsvg->isChecked());
    adjustSize();
}

void TSaisCoeff::ButOKClick()
{
    // Texts may name x, y and z (the formulas of the transformations).
    bool ok = true;
    for (int k = 0; k < 6 && ok; ++k) {
        QLineEdit* e = Coefs[std::size_t(k)];
        Arbre arbre;
        if (e->isVisibleTo(this) && !CompileExpr(e->text().toStdString(), arbre)) {
            interlocuteur().message(QString::fromUtf8(Rangs[k]) + QStringLiteral(" coefficient : erreur de syntaxe."));
            e->setFocus();
            ok = false;
        }
    }
    if (ok && CBsvg->isChecked() && Edsvg->text().trimmed().isEmpty()) {
        interlocuteur().message(QStringLiteral("Vous devez donner un nom à la transformation."));
        Edsvg->setFocus();
        ok = false;
    }
    if (ok)
        accept();
}

namespace {

// The form as tall as the fields it shows (the hidden rows take no room), 460 wide at least.
void AjusteHauteur(TSaisCoeff& f)
{
    f.layout()->activate();
    f.resize(std::max(f.width(), 460), f.minimumSizeHint().height());
}

}  // namespace

bool SaisieParamOper(int code, QString& prefixe, QString& resume, std::array<QString, 6>& p, QWidget* parent)
{
    const Saisie* s = saisieDuCode(code);
    if (!s)
        return true;
    bool confirme = true;
    QString nom;
    if (s->titre) {
        TSaisCoeff f(parent);
        f.setWindowTitle(QString::fromUtf8(s->titre));
        for (int k = 0; k < 6; ++k) {
            f.Labels[std::size_t(k)]->hide();
            f.Coefs[std::size_t(k)]->hide();
        }
        for (const Champ& c : s->champs) {
            if (!c.libelle)
                continue;
            const std::size_t e = std::size_t(c.edit - 1);
            f.Labels[e]->setText(QString::fromUtf8(c.libelle));
            f.Coefs[e]->setText(p[std::size_t(c.parametre - 1)]);
            f.Labels[e]->show();
            f.Coefs[e]->show();
        }
        f.CBsvg->setVisible(!s->sansSauvegarde);
        AjusteHauteur(f);
        confirme = f.exec() == QDialog::Accepted;
        if (confirme) {
            for (const Champ& c : s->champs)
                if (c.libelle)
                    p[std::size_t(c.parametre - 1)] = f.Coefs[std::size_t(c.edit - 1)]->text();
            if (f.CBsvg->isChecked() && !s->sansSauvegarde)
                nom = f.Edsvg->text().trimmed();
        }
    }
    if (confirme) {
        for (int k = 0; k < 6; ++k)
            if (s->fixes[std::size_t(k)])
                p[std::size_t(k)] = QString::fromUtf8(s->fixes[std::size_t(k)]);
        // The pattern of the periodisation, after its parameters.
        if (code == 8) {
            int motif = 0;
            LitEntier(p[4].trimmed(), motif);
            confirme = ChoisitTypePeriode(motif, parent);
            if (confirme)
                p[4] = QString::number(motif);
        }
    }
    prefixe = code >= 58 && code <= 61 ? NomOperation(code) + QStringLiteral(" de ") : remplit(s->prefixe, p);
    resume = remplit(s->resume, p);
    // Kept only once everything was confirmed: its eight lines at once.
    if (confirme && !nom.isEmpty())
        AjouteTransfoPerso(nom, p, code);
    return confirme;
}

namespace {

// The form with the check of an operation on two curves after the syntax.
class SaisieBinaire : public TSaisCoeff {
public:
    SaisieBinaire(int code, QWidget* parent) : TSaisCoeff(parent), code_(code) {}
    void accept() override
    {
        std::array<QString, 3> p;
        for (std::size_t k = 0; k < 3; ++k)
            p[k] = Coefs[k]->isVisibleTo(this) ? Coefs[k]->text() : QStringLiteral("0");
        const QString refus = RefusParametresBinaires(code_, p);
        if (!refus.isEmpty()) {
            interlocuteur().message(refus);
            return;
        }
        TSaisCoeff::accept();
    }

private:
    int code_;
};

}  // namespace

bool SaisieParamOperBinaire(int code, std::array<QString, 3>& p, QWidget* parent)
{
    struct Saisie2 {
        int code;
        const char* titre;
        std::array<const char*, 3> libelles;
    };
    static const Saisie2 saisies[] = {
        {5, "Convolution",
         {"Borne inférieure d'intégration", "Borne supérieure d'intégration", "Nombre de pas d'intégration 0<n<32767"}},
        {9, "Fusion", {"Nb. de valeurs retenues pour la 1ère courbe", "Nb. de valeurs retenues pour la 2ème courbe"}},
        {10, "TFD réciproque", {"Première valeur temporelle."}},
        {11, "Intersection", {"Nb. de sous-intervalles pour la dichotomie", "Précision en x", "Précision en y"}},
        {15, "Association pt à pt", {"Flèche: 0=non,1=avant,2=arriere,3=bidir."}},
    };
    const auto s = std::find_if(std::begin(saisies), std::end(saisies), [code](const Saisie2& s) { return s.code == code; });
    if (s == std::end(saisies))
        return true;
    SaisieBinaire f(code, parent);
    f.setWindowTitle(QString::fromUtf8(s->titre));
    for (std::size_t k = 0; k < 6; ++k) {
        const bool montre = k < 3 && s->libelles[k];
        f.Labels[k]->setVisible(montre);
        f.Coefs[k]->setVisible(montre);
        if (montre) {
            f.Labels[k]->setText(QString::fromUtf8(s->libelles[k]));
            f.Coefs[k]->setText(p[k]);
        }
    }
    f.CBsvg->hide();
    AjusteHauteur(f);
    if (f.exec() != QDialog::Accepted)
        return false;
    for (std::size_t k = 0; k < 3; ++k)
        if (s->libelles[k])
            p[k] = f.Coefs[k]->text();
    return true;
}
