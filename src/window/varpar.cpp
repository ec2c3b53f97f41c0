#include "window/varpar.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

#include "dialogs/etatsaisie.h"
#include "dialogs/aide.h"
#include "dialogs/fiches.h"
#include "dialogs/minmaxpar.h"
#include "dialogs/paraauto.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/paramperso.h"
#include "graph/aires/GCAire.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCCourbe.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_courbes.h"

TvarparH::TvarparH(QWidget* parent) : QDialog(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("varparH"));
    setWindowTitle(QStringLiteral("Variations des paramètres"));
    setModal(false);
    AppliqueCouleurFiche(this);
    auto* grille = new QGridLayout;
    for (int i = 0; i < 10; ++i) {
        const QString n = QString::number(i);
        grille->addWidget(new QLabel(QString(QLatin1Char(LettresParametres[i])) + QStringLiteral(" ="), this), i, 0);
        Eda[i] = new QLineEdit(this);
        Eda[i]->setObjectName(QStringLiteral("Eda") + n);
        SBbas[i] = new QToolButton(this);
        SBbas[i]->setObjectName(QStringLiteral("SBa%1Bas").arg(i));
        SBbas[i]->setArrowType(Qt::DownArrow);
        SBbas[i]->setAutoRepeat(true);
        SBhaut[i] = new QToolButton(this);
        SBhaut[i]->setObjectName(QStringLiteral("SBa%1Haut").arg(i));
        SBhaut[i]->setArrowType(Qt::UpArrow);
        SBhaut[i]->setAutoRepeat(true);
        Bornes[i] = new QPushButton(QStringLiteral("..."), this);
        Bornes[i]->setObjectName(QStringLiteral("Bornes") + n);
        Bornes[i]->setToolTip(QStringLiteral("Minimum, maximum et incrément"));
        grille->addWidget(Eda[i], i, 1);
        grille->addWidget(SBbas[i], i, 2);
        grille->addWidget(SBhaut[i], i, 3);
        grille->addWidget(Bornes[i], i, 4);
        connect(Eda[i], &QLineEdit::returnPressed, this, [this, i] { Eda0KeyDown(i); });
        connect(SBbas[i], &QToolButton::clicked, this, [this, i] { SBa0Click(i, -1); });
        connect(SBhaut[i], &QToolButton::clicked, this, [this, i] { SBa0Click(i, 1); });
        connect(Bornes[i], &QPushButton::clicked, this, [this, i] { Button1Click(i); });
    }
    const auto bouton = [this](const char* nom, const char* texte) { return BoutonNomme(this, nom, texte); };
    SpRedraw = bouton("SpRedraw", "Redessiner");
    SpAuto = bouton("SpAuto", "Famille");
    sbPrPap = bouton("sbPrPap", "Copier");
    Aide = bouton("Aide", "Aide");
    SpAuto->setToolTip(QStringLiteral("Famille de courbes (saisie automatique des paramètres)"));
    sbPrPap->setToolTip(QStringLiteral("Copier les fenêtres dans le presse-papiers"));
    for (QPushButton* b : Bornes)
        b->setAutoDefault(false);
    connect(SpRedraw, &QPushButton::clicked, this, &TvarparH::SpRedrawClick);
    connect(SpAuto, &QPushButton::clicked, this, &TvarparH::SpAutoClick);
    connect(sbPrPap, &QPushButton::clicked, this, &TvarparH::sbPrPapClick);
    connect(Aide, &QPushButton::clicked, this, [] { MontreAide(SujetsAide::VariationParametres); });
    auto* bas = new QHBoxLayout;
    for (QPushButton* b : {SpRedraw, SpAuto, sbPrPap, Aide})
        bas->addWidget(b);
    auto* pile = new QVBoxLayout(this);
    pile->addLayout(grille);
    pile->addLayout(bas);
}

void TvarparH::Ouvre(const Designation& d)
{
    courbes_.assign(d.PressePapierCourbes.begin(), d.PressePapierCourbes.end());
    aires_.assign(d.AiresDesignees.begin(), d.AiresDesignees.end());
    fenetres_ = d.FenetresDesignees;
    EtatSaisie& e = etatSaisie();
    for (int i = 0; i < 10; ++i) {
        double v = 0;
        const QString texte = !d.PressePapierCourbes.empty() && d.PressePapierCourbes.front()
                                  ? d.PressePapierCourbes.front()->Parametre(i)
                              : !d.AiresDesignees.empty() && d.AiresDesignees.front()
                                  ? d.AiresDesignees.front()->Parametre(i)
                                  : QString();
        if (!EvalueChamp(texte, v))
            v = 0;
        contexteCalcul().ValeursParametres[i] = v;
        e.ValeurInitialeParametre[i] = e.ValeurDepartParametre[i] = v;
        e.MinimumParametre[i] = e.MinimumInitialParametre[i] = v == 0 ? -5 : -5 * std::abs(v);
        e.MaximumParametre[i] = e.MaximumInitialParametre[i] = v == 0 ? 5 : 5 * std::abs(v);
        montre(i, v);
    }
}

void TvarparH::montre(int i, double v)
{
    valeurs_[std::size_t(i)] = v;
    Eda[i]->setText(QString::fromStdString(ReelVersTexte(v)));
}

void TvarparH::applique(const std::vector<std::pair<int, double>>& valeurs, int mode)
{
    std::vector<std::shared_ptr<GCCourbe>> courbes;
    std::vector<std::shared_ptr<GCAire>> aires;
    for (const auto& c : courbes_)
        if (auto p = c.lock())
            courbes.push_back(p);
    for (const auto& a : aires_)
        if (auto p = a.lock())
            aires.push_back(p);
    // A window that keeps the trail of the parameter keys keeps it here too.
    for (const QPointer<TForm1>& f : fenetres_)
        if (f && f->SuitParametres && mode == 0)
            mode = 1;
    for (std::size_t k = 0; k < valeurs.size(); ++k) {
        const auto [i, v] = valeurs[k];
        contexteCalcul().ValeursParametres[i] = v;
        const QString texte = QString::fromStdString(ReelExact(v));
        if (k + 1 < valeurs.size()) {
            for (const auto& c : courbes)
                c->FixeParametre(i, texte);
            for (const auto& a : aires)
                a->FixeParametre(i, texte);
            continue;
        }
        for (const QPointer<TForm1>& f : fenetres_)
            if (f && !f->Aires().Vide())
                f->AiresARecalculer = true;
        // The windows are redrawn once, with the last parameter.
        TForm1::RedessineApresParametre(i, texte, mode, courbes, aires, fenetres_);
    }
}

void TvarparH::Eda0KeyDown(int i)
{
    double v = 0;
    if (!EvalueChamp(Eda[i]->text().trimmed(), v)) {
        // The parameter keeps its value.
        interlocuteur().message(QStringLiteral("Attention! Erreur de syntaxe dans a%1").arg(i));
        return;
    }
    valeurs_[std::size_t(i)] = v;
    applique({{i, v}}, 0);
}

void TvarparH::SBa0Click(int i, int signe)
{
    const double v = SommeDecimale(valeurs_[std::size_t(i)], etatSaisie().PasParametre[i] * signe);
    applique({{i, v}}, 0);
    montre(i, v);
}

void TvarparH::Button1Click(int i)
{
    // The dialog shows and gives back the program-wide value.
    contexteCalcul().ValeursParametres[i] = valeurs_[std::size_t(i)];
    if (!ModifieMinMaxParametre(this, i, true))
        return;
    const double v = contexteCalcul().ValeursParametres[i];
    applique({{i, v}}, 0);
    montre(i, v);
}

void TvarparH::SpRedrawClick()
{
    for (const QPointer<TForm1>& f : fenetres_)
        if (f)
            f->DessineTampon();
}

void TvarparH::SpAutoClick()
{
    Tparaauto grille(this);
    if (grille.exec() != QDialog::Accepted)
        return;
    const PasFamille pas = PasAutomatiques();
    const std::int64_t nombre = NombreFamille(pas);
    if (!AccepteFamille(nombre))
        return;
    std::vector<std::pair<int, double>> valeurs(10);
    for (std::int64_t k = 0; k < nombre; ++k) {
        const std::array<double, 10> v = ValeursFamille(k, nombre, pas);
        for (int i = 0; i < 10; ++i)
            valeurs[std::size_t(i)] = {i, v[std::size_t(i)]};
        // Each curve of the family drawn over the ones before it.
        applique(valeurs, k == 0 ? 0 : 1);
    }
    for (const auto& [i, v] : valeurs)
        montre(i, v);
}

void TvarparH::sbPrPapClick()
{
    // The windows side by side, in the order of the designation.
    std::vector<QImage> images;
    int largeur = 0, hauteur = 0;
    for (const QPointer<TForm1>& f : fenetres_)
        if (f) {
            images.push_back(f->ImageExport());
            largeur += images.back().width();
            hauteur = std::max(hauteur, images.back().height());
        }
    if (images.empty())
        return;
    QImage tout(largeur, hauteur, QImage::Format_RGB32);
    tout.fill(Qt::white);
    QPainter p(&tout);
    int x = 0;
    for (const QImage& i : images) {
        p.drawImage(x, 0, i);
        x += i.width();
    }
    p.end();
    QApplication::clipboard()->setImage(tout);
}

void TForm1::Paramtres1Click(QAction*)
{
    if (!DesignerCourbes(*this, QStringLiteral("Variations des paramètres"),
                         QStringLiteral("Désigner les courbes et/ou les régions"),
                         QStringLiteral("BCDEGHIJLNOPQRSTUWXY"), true, false))
        return;
    // One bar for the whole program, beside the windows.
    static QPointer<TvarparH> barre;
    if (!barre)
        barre = new TvarparH(window());
    barre->Ouvre(designation());
    barre->show();
    barre->raise();
    PaintBox()->update();
}
