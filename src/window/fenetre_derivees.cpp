// Actions > Dérivée (derivatives of chosen orders) and Régressions (least-squares fits of
// chosen models), one new curve per mother and per order or model.
#include <QAction>
#include <cmath>

#include "dialogs/regpoly.h"
#include "expression/formatage.h"
#include "graph/courbes/GCDG.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/repere/GCRepere.h"
#include "window/designation.h"
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

void TForm1::Drive1Click(QAction*)
{
    const QString lettres = QStringLiteral("CDEGJOQRSUY");
    if (!DesignerCourbes(*this, QString(), QStringLiteral("Désigner les courbes"), lettres, false, true))
        return;
    Designation& d = designation();
    const std::vector<PtrCourbe> meres = d.PressePapierCourbes;
    d.PressePapierCourbes.clear();
    TForm1* destination = d.FenetreDestination ? d.FenetreDestination.data() : this;
    TOrdresDeriv fiche(this);
    if (fiche.exec() != QDialog::Accepted)
        return;
    for (const PtrCourbe& mere : meres) {
        const QChar l = mere->TypeCourbe.toUpper();
        if (!lettres.contains(l)) {
            interlocuteur().message(QStringLiteral("Type incompatible !"));
            continue;
        }
        for (int n : fiche.ordres()) {
            auto c = std::make_shared<GCDG>(QLatin1Char(l == QLatin1Char('Y') ? 'D' : 'G'), n, destination->numero(),
                                            nouveauNumero());
            c->NouvelIdentifiant();
            c->FixeMere(1, mere->Identifiant);
            if (const auto* y = dynamic_cast<const GCY*>(mere.get())) {
                c->FixeBornes(y->Xinf, y->Xsup, y->Pas);
                c->Parametres = y->Parametres;
            }
            c->GCCourbe::FixeLibelles(QStringLiteral("Dérivée n-ième de ") + mere->Nom,
                                      QStringLiteral("n = ") + QString::number(n));
            c->Couleur = mere->Couleur;
            c->Epaisseur = mere->Epaisseur;
            destination->Dessin().AjouteCourbe(c);
            c->Journalise();
        }
    }
    destination->PaintBox()->update();
}

void TForm1::Approximations1Click(QAction*)
{
    TRegPoly fiche(this);
    if (fiche.exec() != QDialog::Accepted || fiche.modeles().empty())
        return;
    if (!DesignerCourbes(*this, QString(), QStringLiteral("Désigner les courbes"),
                         QStringLiteral("BCDEGHIJLNOPQRSTUWXY"), false, false))
        return;
    Designation& d = designation();
    const std::vector<PtrCourbe> meres = d.PressePapierCourbes;
    d.PressePapierCourbes.clear();
    for (const PtrCourbe& mere : meres) {
        const std::vector<PointCourbe> points = PointsDeLaCourbe(mere, *this);
        if (points.size() < 2) {
            interlocuteur().message(QStringLiteral("Régression impossible : la courbe ") + mere->Nom +
                                    QStringLiteral(" a moins de 2 points calculés."));
            continue;
        }
        double xmin = points.front().x, xmax = xmin;
        for (const PointCourbe& p : points) {
            xmin = std::min(xmin, p.x);
            xmax = std::max(xmax, p.x);
        }
        const auto texte = [](double v) { return QString::fromStdString(ReelExact(v)); };
        for (int m : fiche.modeles()) {
            auto c = std::make_shared<GCOperUnaire>(QLatin1Char('U'), 10, numero_, nouveauNumero());
            c->NouvelIdentifiant();
            c->CopieMere(*mere);
            c->FixeBornes(texte(xmin), texte(xmax), texte((xmax - xmin) / double(points.size())));
            std::array<QString, 6> p;
            p.fill(QStringLiteral("0"));
            p[0] = QString::number(m);
            p[1] = fiche.option(m);
            c->FixeParametres(p);
            c->GCCourbe::FixeLibelles(QStringLiteral("Régression de ") + mere->Nom,
                                      QStringLiteral("modèle ") + QString::number(m));
            c->Couleur = mere->Couleur;
            c->Epaisseur = mere->Epaisseur;
            dessin_->AjouteCourbe(c);
            c->Journalise();
        }
    }
    paintBox_->update();
}
