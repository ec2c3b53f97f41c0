// Transformations of the plane applied to each record of the mother's cache: any map given
// by two formulas of x and y (16), the plane transformations of codes 19 to 32 (shared with
// the images of areas), Joukowski's (33), the orthogonal projections on an axis (35, 36, 37)
// and on a curve x = f(y) or y = f(x) (45, 46), which also draw the projection segments, and
// any complex function w = f(z) (40). Each point keeps the mother's t, and the mother's
// moves and breaks.
#include <array>
#include <cmath>

#include "expression/GCComplexe.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/base/GCaides.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"
#include "graph/derivees/transformations.h"


bool TraceTransformation(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const int code = courbe.Operation;
    const auto& texte = courbe.ParametresOperation;
    std::array<double, 6> c{};
    Arbre f, g;
    if (code == 16) {
        if (!CompileExprYEtat(texte[0].toStdString(), f) || !CompileExprYEtat(texte[1].toStdString(), g)) {
            courbe.SignaleRefus(QStringLiteral("Erreur dans transformation quelconque!"));
            return false;
        }
    } else if (code == 40 || code == 45 || code == 46) {
        if (!CompileExpr(texte[0].toStdString(), f) || !genres::evalue(texte[2], c[2])) {
            courbe.SignaleRefus(QStringLiteral("Erreur dans ") + NomOperation(code) + QStringLiteral(" !"));
            return false;
        }
    } else {
        for (int i = 0; i < 6; ++i)
            if (!genres::evalue(texte[std::size_t(i)], c[std::size_t(i)])) {
                courbe.SignaleRefus(QStringLiteral("Erreur dans coefficient n°%1").arg(i + 1));
                return false;
            }
    }
    const TransformationPlane plane(code, c, contexteCalcul().Epsilon);
    const bool segments = (code >= 35 && code <= 37) || code == 45 || code == 46;
    const bool dessineSegments = segments && c[2] > 0 && courbe.Visible;

    for (const PointCourbe& q : LitFichierPoints(mere.NomFichier()).points) {
        const double x = q.x, y = q.y;
        double u = x, v = y;
        QString echec;
        ErreurCalcul() = 0;
        switch (code) {
        case 16:
            VariablesEtat()[0] = y;
            u = EvalueArbre(f, x);
            if (!ErreurCalcul()) {
                VariablesEtat()[0] = y;
                v = EvalueArbre(g, x);
            }
            break;
        case 33: {
            const double r2 = x * x + y * y, d = 2 * r2;
            if (d == 0) {
                echec = QStringLiteral("Transformée de (0,0) non définie");
                break;
            }
            u = (r2 + 1) * x / d;
            v = (r2 - 1) * y / d;
            break;
        }
        case 35: v = c[0]; break;
        case 36:
            u = (x + c[0] * (y - c[1])) / (1 + c[0] * c[0]);
            v = c[0] * u + c[1];
            break;
        case 37: u = c[0]; break;
        case 40: {
            Complexe w;
            EvalueArbreComplexe(f, ComplexeCartesien(x, y), w);
            u = w.Re, v = w.Im;
            break;
        }
        case 45: u = EvalueArbre(f, y); break;
        case 46: v = EvalueArbre(f, x); break;
        default:
            if (!plane.image(x, y, u, v))
                echec = code == 24 ? QStringLiteral("Inverse du pôle non défini") : QStringLiteral("Transformée non définie");
            break;
        }
        if (ErreurCalcul())
            echec = QString::fromStdString(MessageErreur());
        if (!echec.isEmpty()) {
            sortie.Echec(q.t, echec);
            continue;
        }
        if (dessineSegments && std::isfinite(u) && std::isfinite(v))
            sortie.Segment(u, v, x, y, CreeStylo(courbe.Couleur, int(std::nearbyint(std::min(c[2], 100.0))), 0));
        sortie.PointDeMere(q, u, v);
    }
    ErreurCalcul() = 0;
    return true;
}
