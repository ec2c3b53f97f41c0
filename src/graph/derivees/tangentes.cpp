// Differential geometry of the mother: the tangent (43), the normal (54), the osculating
// circle (55) and the centre of curvature (56) at one value of the mother's parameter are
// formulas written into the curve's child, which is then traced; the evolute (14) and the
// pedal curve (15) are computed point by point, from the mother's formulas for the curves
// of one parameter (P, T, X, Y), from a sliding window of its samples otherwise.
#include <array>
#include <cmath>
#include <vector>

#include "expression/courbure.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

namespace {

// The mother as a pair of formulas of its parameter: T (x(t), y(t)), P (r(t), theta(t)),
// Y (t, f(t)), X (g(t), t); the missing member of Y and X is the compiled identity.
struct Paire {
    char genre = 0;
    Arbre identite;
    const Arbre* a1 = nullptr;
    const Arbre* a2 = nullptr;
    double h = 0;   // the derivatives' step: a tenth of the mother's step
};

bool paireDe(const GCCourbe& mere, Paire& p)
{
    const auto* y = dynamic_cast<const GCY*>(&mere);
    const QChar genre = mere.TypeCourbe.toUpper();
    if (!y || !QStringLiteral("PTXY").contains(genre) || y->Expression1.vide() ||
        ((genre == QLatin1Char('P') || genre == QLatin1Char('T')) && y->Expression2.vide()))
        return false;
    double pas = 0;
    if (!genres::evalue(y->Pas, pas) || !(pas != 0))
        return false;
    p.h = std::fabs(pas) / 10;
    p.genre = char(genre.unicode());
    CompileExpr("x", p.identite);
    p.a1 = genre == QLatin1Char('Y') ? &p.identite : &y->Expression1;
    p.a2 = genre == QLatin1Char('Y') ? &y->Expression1 : genre == QLatin1Char('X') ? &p.identite : &y->Expression2;
    return true;
}

bool valeur(const Arbre& a, double t, double& v)
{
    v = EvalueArbre(a, t);
    return !ErreurCalcul() && std::isfinite(v);
}

bool derivee(const Paire& p, const Arbre& a, double t, double& v)
{
    v = DeriveeNumerique(a, 1, p.h, t);
    return !ErreurCalcul() && std::isfinite(v);
}

// The point (x, y) of the mother at t and its velocity (dx, dy).
bool point(const Paire& p, double t, double& x, double& y, double& dx, double& dy)
{
    double u, v, du, dv;
    if (!valeur(*p.a1, t, u) || !valeur(*p.a2, t, v) || !derivee(p, *p.a1, t, du) || !derivee(p, *p.a2, t, dv))
        return false;
    if (p.genre != 'P') {
        x = u, y = v, dx = du, dy = dv;
        return true;
    }
    const double c = std::cos(v), s = std::sin(v);
    x = u * c, y = u * s;
    dx = c * du - s * u * dv;
    dy = s * du + c * u * dv;
    return true;
}

QString exact(double v)
{
    return QString::fromStdString(ReelExact(v));
}

// "a*x+b", "a*x-|b|": exact numbers for the child's formula, display ones for the caption.
QString droite(double a, double b, std::string (*texte)(double))
{
    return QString::fromStdString(texte(a)) + (b >= 0 ? QStringLiteral("*x+") : QStringLiteral("*x-")) +
           QString::fromStdString(texte(std::fabs(b)));
}

// "R*cos(t)+c", "R*cos(t)-|c|".
QString composante(double r, const char* trigo, double c)
{
    return exact(r) + QLatin1Char('*') + QLatin1String(trigo) + (c < 0 ? QStringLiteral("(t)-") : QStringLiteral("(t)+")) +
           exact(std::fabs(c));
}

}  // namespace

bool TraceTangente(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const int code = courbe.Operation;
    const QString impossible = QStringLiteral("Tracé impossible!");
    auto* fille = courbe.Filles.empty() ? nullptr : dynamic_cast<GCY*>(courbe.Filles.front().get());
    Paire p;
    if (!fille || !paireDe(mere, p)) {
        courbe.SignaleRefus(impossible);
        return false;
    }
    double t0 = 0, demi = 0;
    if (!ValeurParametre(courbe, 0, t0) || ((code == 43 || code == 54) && !ValeurParametre(courbe, 1, demi)))
        return false;

    QString texte1, texte2, xinf = courbe.Xinf, xsup = courbe.Xsup;
    if (code == 43 || code == 54) {
        double x, y, dx, dy;
        if (!point(p, t0, x, y, dx, dy)) {
            courbe.SignaleRefus(impossible);
            return false;
        }
        // The slope of the line: steep ones (vertical, or numerically so at a flat point
        // of a normal) are drawn with a slope of 10000 of the same sign.
        double m = code == 43 ? dy / dx : -dx / dy;
        if (std::isnan(m))
            m = code == 43 ? 10000 : -10000;
        m = std::clamp(m, -10000.0, 10000.0);
        const double b = y - m * x;
        if (demi > 0) {
            const double d = demi / std::sqrt(m * m + 1);
            const QString xp = p.genre == 'Y' ? courbe.ParametresOperation[0] : exact(x);
            xinf = xp + QStringLiteral("-(") + exact(d) + QLatin1Char(')');
            xsup = xp + QStringLiteral("+(") + exact(d) + QLatin1Char(')');
        }
        texte1 = droite(m, b, ReelExact);
        courbe.Libelle2 = QStringLiteral("y=") + droite(m, b, ReelVersTexte);
    } else {
        double cx = 0, cy = 0;
        double r = CentreCourbure(p.genre, *p.a1, *p.a2, cy, cx, p.h, t0);
        if (ErreurCalcul() || !std::isfinite(r) || !std::isfinite(cx) || !std::isfinite(cy)) {
            ErreurCalcul() = 0;
            courbe.SignaleRefus(impossible);
            return false;
        }
        if (code == 56)
            r = 0;
        texte1 = composante(r, "cos", cx);
        texte2 = composante(r, "sin", cy);
        xinf = code == 55 ? QStringLiteral("-pi") : QStringLiteral("0");
        xsup = code == 55 ? QStringLiteral("pi") : QStringLiteral("0");
    }

    // The child: this curve's parameters, appearance and arrows, the formula and its range.
    fille->Parametres = courbe.Parametres;
    courbe.CopieAspectFille();
    fille->Fleches = courbe.Fleches;
    fille->FixeBornes(xinf, xsup, code == 55 || code == 56 ? QStringLiteral("0.1") : courbe.Pas);
    if (!fille->FixeLibelles(texte1, texte2)) {
        courbe.SignaleRefus(impossible);
        return false;
    }
    sortie.Delegue();
    TraceParFille(courbe, *fille, sortie.Peintre(), sortie.Repere());
    return true;
}

bool TraceDeveloppee(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const bool podaire = courbe.Operation == 15;
    double a = 0, b = 0;
    if (podaire && !ValeursParametres(courbe, {&a, &b}))
        return false;

    Paire p;
    if (paireDe(mere, p)) {
        const auto& y = dynamic_cast<const GCY&>(mere);
        double debut = 0, fin = 0, pas = 0;
        if (!genres::evalue(y.Xinf, debut) || !genres::evalue(y.Xsup, fin) || !genres::evalue(y.Pas, pas) ||
            !(pas > 0)) {
            courbe.SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + y.Xinf +
                                QStringLiteral(" ; Xsup=") + y.Xsup + QStringLiteral(" ; Pas=") + y.Pas);
            return false;
        }
        const GCGrille& axe = p.genre == 'X' ? sortie.Repere().AxeY : sortie.Repere().AxeX;
        ParcourtIntervalle(debut, fin, pas, axe.TypeEchelle == EchelleLog, [&](double t) {
            double px = 0, py = 0;
            if (podaire)
                PointPodaire(p.genre, *p.a1, *p.a2, py, px, p.h, a, b, t);
            else
                CentreCourbure(p.genre, *p.a1, *p.a2, py, px, p.h, t);
            if (ErreurCalcul()) {
                ErreurCalcul() = 0;
                sortie.Echec(t, QString::fromStdString(MessageErreur()));
                return;
            }
            sortie.Point(t, px, py);
        });
        return true;
    }

    // From the samples: windows of 7 records, each from its start record on, a record taken
    // when its abscissa lies more than 0.01 from the last one taken.
    const QString peu = QStringLiteral("Trop peu de valeurs dans le fichier mère");
    const std::vector<PointCourbe> q = LitFichierPoints(mere.NomFichier()).points;
    const long long m = (long long)q.size();
    if (m < 20) {
        sortie.Traceur().LigneErreur(peu);
        return true;
    }
    for (long long s = 0; s <= m - 8; ++s) {
        std::array<double, 11> X{}, Y{};
        int pris = 0;
        for (long long i = s; i < m && pris < 7; ++i)
            if (pris == 0 || std::fabs(q[std::size_t(i)].x - X[std::size_t(pris - 1)]) > 0.01) {
                X[std::size_t(pris)] = q[std::size_t(i)].x;
                Y[std::size_t(pris)] = q[std::size_t(i)].y;
                ++pris;
            }
        if (pris < 7) {
            sortie.Echec(q[std::size_t(s)].x, peu);
            continue;
        }
        double px = 0, py = 0;
        if (podaire)
            PointPodaireEchantillons(X, Y, px, py, b, a);
        else
            CentreCourbureEchantillons(X, Y, px, py);
        if (ErreurCalcul()) {
            ErreurCalcul() = 0;
            sortie.Echec(X[3], QString::fromStdString(MessageErreur()));
            continue;
        }
        sortie.Point(px, px, py);
    }
    return true;
}
