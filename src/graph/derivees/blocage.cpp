// Codes 51, 52, 58..62: sample-and-hold. The mother's first formula (y = f(x); the first
// component of a parametric, polar or x = f(y) mother, taken as a function of the abscissa)
// is held over each period of the curve's own [Xinf, Xsup] (or between the lines of its
// imposed-values file), at the value the code takes: at the start (51 "retard"), at the end
// (52 "avance"), the minimum, mean or maximum of the samples of the period, one step apart
// (58, 59, 60), the middle (61) or a given position (62).
//
// Each step is one piece of two records, (x1, v) then (x2, v), so that the plateau is what
// every reader of the cache draws; on screen it is drawn as any joined curve, clipped to
// the plot, with bars (from the axis up, across and down) or markers at both ends.
#include <algorithm>
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

class Blocage {
public:
    Blocage(GCOperUnaire& courbe, const Arbre& f, SortieOperation& sortie, double position)
        : courbe_(courbe), f_(f), sortie_(sortie), position_(position)
    {
    }

    // The step over [x1, x2]: n samples one step h apart from x1 for the codes of an
    // extremum or a mean (none: no step), the value at x1 + position * (x2 - x1) for 62.
    void marche(double x1, double x2, long long n, double h)
    {
        double v = 0;
        bool ok = true;
        switch (courbe_.Operation) {
        case 51: ok = valeur(x1, v); break;
        case 52: ok = valeur(x2, v); break;
        case 61: ok = valeur(x2 - (x2 - x1) / 2, v); break;
        case 62: ok = valeur(x1 + position_ * (x2 - x1), v); break;
        default: {
            if (n < 1)
                return;
            double mini = INFINITY, maxi = -INFINITY, somme = 0;
            for (long long j = 0; j < n && ok; ++j) {
                double w = 0;
                ok = valeur(x1 + double(j) * h, w);
                mini = std::min(mini, w);
                maxi = std::max(maxi, w);
                somme += w;
            }
            v = courbe_.Operation == 58 ? mini : courbe_.Operation == 60 ? maxi : somme / double(n);
            break;
        }
        }
        if (!ok) {
            sortie_.Echec(x1, message_);
            return;
        }
        if (!std::isfinite(v)) {
            sortie_.Echec(x1, QStringLiteral("valeur infinie ou indéterminée"));
            return;
        }
        sortie_.FixeStylo(StyloLeve);
        sortie_.Point(x1, x1, v);
        sortie_.Point(x2, x2, v);
        if (courbe_.Batons && courbe_.Visible)
            sortie_.Segment(x1, v, x2, v, CreeStylo(courbe_.Couleur, courbe_.Epaisseur, courbe_.Style));
    }

private:
    // The formula at x; false, with its message kept, when it cannot be computed.
    bool valeur(double x, double& v)
    {
        v = EvalueArbre(f_, x);
        if (!ErreurCalcul() && std::isfinite(v))
            return true;
        message_ = ErreurCalcul() ? QString::fromStdString(MessageErreur()) : QStringLiteral("valeur infinie ou indéterminée");
        ErreurCalcul() = 0;
        return false;
    }

    GCOperUnaire& courbe_;
    const Arbre& f_;
    SortieOperation& sortie_;
    double position_;
    QString message_;
};

}  // namespace

bool TraceBlocage(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const auto* formule = dynamic_cast<const GCRelNum*>(&mere);
    if (!formule || formule->Expression1.vide()) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible!"));
        return false;
    }
    double position = 0;
    if (courbe.Operation == 62 && !ValeurParametre(courbe, 1, position))
        return false;
    Blocage blocage(courbe, formule->Expression1, sortie, position);

    if (courbe.ValeursImposees) {
        // Each line after the first closes a step that the line before opens; the samples
        // of a step are ten, one tenth of it apart; a line that does not read is skipped.
        const QString fichier = FichierValeursImposees(courbe);
        const LectureTexte lecture = fichier.isEmpty() ? LectureTexte() : LitFichierTexte(fichier);
        if (!lecture.ok) {
            if (fichier.isEmpty()) {
                courbe.SignaleRefus(QStringLiteral("Valeurs imposées : fichier introuvable : ") + courbe.FichierValeurs);
                return false;
            }
            courbe.SignaleRefus(QStringLiteral("Valeurs imposées : ") + lecture.erreur);
            return false;
        }
        bool premiere = true;
        double a = 0;
        for (const QString& ligne : lecture.lignes) {
            double b = 0;
            if (ligne.trimmed().isEmpty() || !genres::evalue(ligne, b))
                continue;
            if (!premiere)
                blocage.marche(a, b, 10, (b - a) / 10);
            premiere = false;
            a = b;
        }
        return true;
    }

    // The dispatcher has checked that 0 < Pas < period.
    double a = 0, b = 0, h = 0, periode = 0;
    if (!genres::evalue(courbe.Xinf, a) || !genres::evalue(courbe.Xsup, b) || !genres::evalue(courbe.Pas, h) ||
        !genres::evalue(courbe.ParametresOperation[0], periode)) {
        courbe.SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + courbe.Xinf +
                            QStringLiteral(" ; Xsup=") + courbe.Xsup);
        return false;
    }
    const long long n = genres::nombrePas((b - a) / periode);
    const long long m = genres::nombrePas(periode / h) + 1;
    const bool echantillons = courbe.Operation >= 58 && courbe.Operation <= 60;
    if ((double)n * double(echantillons ? m : 1) > double(genres::MaxPointsTrace)) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible! Trop de valeurs à calculer : augmenter la période ou le pas."));
        return false;
    }
    for (long long k = 0; k < n; ++k) {
        const double x1 = a + double(k) * periode;
        blocage.marche(x1, x1 + periode, m, h);
    }
    // What is left of the interval after the whole periods: a last, shorter step.
    const double reste = (b - a) - double(n) * periode;
    if (reste > 1e-9 * std::max(1.0, std::fabs(b - a)))
        blocage.marche(a + double(n) * periode, b, genres::nombrePas(reste / h), h);
    return true;
}
