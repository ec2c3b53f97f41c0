// Point sets made on the mother: a free point (17), drawn by the curve's child, a copy of
// the mother at one value of its parameter; particular points of its samples (42: the
// lowest, the highest, the one of rank N, the mean point); and the discrete primitive of
// its samples through an initial condition (53).
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

bool TracePointSurCourbe(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    auto* fille = courbe.Filles.empty() ? nullptr : dynamic_cast<GCY*>(courbe.Filles.front().get());
    if (!fille) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible!"));
        return false;
    }
    // The mother's formulas with its parameters' values written in, at one value of its
    // parameter: the curve's position, a text that its own a9 usually drives.
    QString texte1, texte2;
    mere.LibellesAffiches(texte1, texte2);
    if (!fille->FixeLibelles(texte1, texte2)) {
        courbe.SignaleRefus(QStringLiteral("Problème de libellés..."));
        return false;
    }
    for (int k = 0; k < 9; ++k)
        fille->Parametres[std::size_t(k)] = mere.Parametres[std::size_t(k)];
    fille->Parametres[9] = courbe.Parametres[9];
    fille->FixeIntervalle(courbe.ParametresOperation[0], courbe.ParametresOperation[0]);
    courbe.CopieAspectFille();
    if (courbe.Etiquette && fille->Etiquette) {
        fille->Etiquette->Copie(*courbe.Etiquette);
        fille->Etiquette->CopieTexte(*courbe.Etiquette);
    }
    sortie.Delegue();
    TraceParFille(courbe, *fille, sortie.Peintre(), sortie.Repere());
    return true;
}

bool TracePointParticulier(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const int genre = courbe.SousType;
    if (genre < 1 || genre > 4) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible!"));
        return false;
    }
    long long rang = 0;
    if (genre == 3 && !EntierParametre(courbe, 0, rang))
        return false;
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    if (p.empty()) {
        sortie.Traceur().LigneErreur(QStringLiteral("Trop peu de valeurs dans le fichier mère."));
        return true;
    }
    const auto isole = [&](double x, double y) {
        sortie.FixeStylo(StyloLeve);
        sortie.Point(x, x, y);
    };
    switch (genre) {
    case 1:
    case 2: {
        const auto extreme = std::minmax_element(p.begin(), p.end(), [](const PointCourbe& a, const PointCourbe& b) {
            return a.y < b.y;
        });
        const double v = genre == 1 ? extreme.first->y : extreme.second->y;
        for (const PointCourbe& q : p)
            if (q.y == v)
                isole(q.x, q.y);
        break;
    }
    case 3: {
        const PointCourbe& q = p[std::size_t(std::clamp<long long>(rang, 0, (long long)p.size() - 1))];
        isole(q.x, q.y);
        break;
    }
    default: {
        double sx = 0, sy = 0;
        for (const PointCourbe& q : p) {
            sx += q.x;
            sy += q.y;
        }
        isole(sx / double(p.size()), sy / double(p.size()));
        break;
    }
    }
    return true;
}

bool TracePrimitive(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    const std::size_t m = p.size();
    if (m <= 1) {
        courbe.SignaleRefus(QStringLiteral("Calcul Impossible : trop peu de valeurs !"));
        return false;
    }
    double x0 = 0, y0 = 0;
    if (!ValeursParametres(courbe, {&x0, &y0}))
        return false;
    for (std::size_t i = 1; i < m; ++i)
        if (!(p[i].x > p[i - 1].x)) {
            courbe.SignaleRefus(QStringLiteral("Calcul impossible : abscisses non strictement croissantes !"));
            return false;
        }

    // k: the last record left of x0 (-1 when none). The ordinate at x0 is read on the segment
    // from record k to k + 1, the first or the last one when x0 lies outside the samples.
    const std::size_t k1 =
        std::size_t(std::lower_bound(p.begin(), p.end(), x0, [](const PointCourbe& q, double v) { return q.x < v; }) -
                    p.begin());
    const std::size_t s = std::clamp<std::size_t>(k1 == 0 ? 0 : k1 - 1, 0, m - 2);
    const double yx0 = p[s].y + (x0 - p[s].x) * (p[s + 1].y - p[s].y) / (p[s + 1].x - p[s].x);

    // The samples with x0 among them (unless it is one of them), at index j0.
    const bool present = k1 < m && p[k1].x == x0;
    std::vector<double> X, Y;
    X.reserve(m + 1);
    Y.reserve(m + 1);
    for (std::size_t i = 0; i < m; ++i) {
        if (i == k1 && !present) {
            X.push_back(x0);
            Y.push_back(yx0);
        }
        X.push_back(p[i].x);
        Y.push_back(p[i].y);
    }
    if (k1 == m) {
        X.push_back(x0);
        Y.push_back(yx0);
    }
    const std::size_t j0 = k1, n = X.size();

    // The integral between x0 and each sample, as Simpson's rule for uneven steps gives it
    // over the samples between them taken from the left (pairs of intervals from the first
    // one, a trapezoid for a last odd one): from the right of x0 by a running sum, from the
    // left by the sum of the pairs starting two samples later.
    const std::span<const double> sx(X), sy(Y);
    const auto morceau = [&](std::size_t a, int intervalles) {
        const double v = IntegreTable(sx.subspan(a), sy.subspan(a), intervalles);
        return ErreurCalcul() ? NAN : v;
    };
    std::vector<double> integrale(n, 0.0);
    for (std::size_t j = j0; j-- > 0;)
        integrale[j] = j + 1 == j0 ? morceau(j, 1) : morceau(j, 2) + integrale[j + 2];
    double paires = 0;
    for (std::size_t j = j0 + 1; j < n; ++j) {
        if ((j - j0) % 2 == 0) {
            paires += morceau(j - 2, 2);
            integrale[j] = paires;
        } else {
            integrale[j] = paires + morceau(j - 1, 1);
        }
    }
    ErreurCalcul() = 0;

    for (std::size_t i = 0, j = 0; i < m; ++i, ++j) {
        if (j == j0 && !present)
            ++j;
        const double f = X[j] < x0 ? y0 - integrale[j] : y0 + integrale[j];
        if (!std::isfinite(f)) {
            // A failed integral breaks no line.
            const std::uint8_t stylo = sortie.Stylo();
            sortie.Traceur().LigneErreur(QString::fromStdString(ReelVersTexte(X[j])) +
                                         QStringLiteral(": intégrale discrète non calculable !"));
            sortie.FixeStylo(stylo);
            continue;
        }
        sortie.Traceur().Point(double(i), X[j], f);
    }
    return true;
}
