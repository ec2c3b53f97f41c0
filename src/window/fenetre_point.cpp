// Courbes > Points sur courbe > Point quelconque: a point that runs along a curve, its
// position being the parameter p of the point (the p key moves it), with the curves
// attached to it; and the frame commands this version announces without having them.
#include "window/fenetre.h"
#include "window/fenetre_interne.h"

#include <array>

#include "dialogs/crbattach.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "graph/courbes/GCCourbe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres.h"
#include "graph/derivees/GCOperUnaire.h"

namespace {

// True when one of the curve's formulas uses the parameter p (a9), which the point takes
// for its position.
bool UtiliseP(const GCCourbe& courbe)
{
    const auto* rel = dynamic_cast<const GCRelNum*>(&courbe);
    if (!rel)
        return false;
    for (const QString& texte : {courbe.Libelle1, courbe.Libelle2}) {
        Arbre arbre;
        const ResultatCompilation r = CompileExpr(texte.toStdString(), arbre, rel->OptionsTextes());
        for (const std::string& nom : r.nomsUtilises)
            if (nom == "P")
                return true;
    }
    return false;
}

}  // namespace

void TForm1::Affilier1Click(QAction*)
{
    PtrCourbe mere = dessin_->ChoisitCourbe(QStringLiteral("DJPRSTXY"));
    auto* y = dynamic_cast<GCY*>(mere.get());
    if (!y)
        return;
    if (UtiliseP(*mere)) {
        interlocuteur().message(QStringLiteral("Impossible : la position du point sur la courbe est son paramètre p, "
                                               "que la courbe ") + mere->Nom + QStringLiteral(" utilise déjà."));
        return;
    }
    CourbeCourante() = mere;
    const int n = nouveauNumero();
    PtrCourbe fille = CloneCourbe(*mere, n, numero_);
    auto* fy = dynamic_cast<GCY*>(fille.get());
    if (!fy)
        return;
    fy->FixeIntervalle(QStringLiteral("a9"), QStringLiteral("a9"));

    // The point starts at the middle of the curve's interval.
    QString xinf, xsup, pas;
    y->Bornes(xinf, xsup, pas);
    mere->EvalueParametres();
    const double debut = EvalueTexte(xinf.toStdString());
    const double fin = ErreurCalcul() ? 0 : EvalueTexte(xsup.toStdString());
    const double milieu = ErreurCalcul() ? 0 : (debut + fin) / 2;
    ErreurCalcul() = 0;

    auto point = std::make_shared<GCOperUnaire>(QLatin1Char('Q'), 17, numero_, n);
    point->ParametresOperation = {QStringLiteral("a9"), QString(), QString(), QString(), QString(), QString()};
    point->NouvelIdentifiant();
    point->GCCourbe::FixeLibelles(QStringLiteral("Point sur ") + mere->Nom, QString());
    point->FixeParametre(9, QString::fromStdString(ReelExact(milieu)));
    point->Couleur = mere->Couleur;
    point->Epaisseur = 1;
    point->FixeModeTrace(false, false);
    point->FixeMere(1, mere->Identifiant);
    point->AjouteFille(fille);
    point->Marqueur.TypePoint = PointCercle;
    point->Marqueur.Epaisseur = 4;
    point->Marqueur.Angle = 0;
    point->Marqueur.Couleur = mere->Couleur;
    point->Marqueur.Rempli = true;
    // Its coordinates beside it, as it moves.
    if (point->Etiquette) {
        point->Etiquette->SetTexte(QStringLiteral("(&x ; &y)"));
        point->Etiquette->EcartX = 6;  // clear of the marker
    }
    point->CopieAspectFille();
    point->Journalise();
    dessin_->AjouteCourbe(point);

    // The tangent and its kin follow the point: their abscissa is their own p, which the
    // keys step with the point's.
    if (GenreParmi(mere->TypeCourbe.toUpper(), "PTXY")) {
        std::array<bool, 4> choisis{};
        if (ChoisitCourbesAttachees(choisis, this)) {
            const QString cible = cibleSouris_, a9 = mere->Parametre(9);
            cibleSouris_ = mere->Identifiant;
            mere->FixeParametre(9, point->Parametre(9));
            const int codes[4] = {43, 54, 55, 56};
            for (int k = 0; k < 4; ++k)
                if (choisis[std::size_t(k)])
                    TangenteParPoint(QStringLiteral("a9"), codes[k]);
            mere->FixeParametre(9, a9);
            cibleSouris_ = cible;
        }
    }
    paintBox_->update();
}

void TForm1::NonEncoreDisponible(QAction*)
{
    interlocuteur().message(QStringLiteral("Non encore disponible dans cette version"));
}
