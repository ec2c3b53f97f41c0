// Codes 0..7, 39, 49, 50, 57: each record of the mother's cache gives one point of the
// result, in the same order, with the same t; the mother's moves and breaks are kept.
#include <cmath>
#include <cstdint>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

namespace {

// y to the n-th power by squaring: the same value as n multiplications, at the cost of
// about log2(n) of them.
double puissance(double y, std::uint64_t n)
{
    double p = 1;
    while (n) {
        if (n & 1)
            p *= y;
        n >>= 1;
        if (n)
            y *= y;
    }
    return p;
}

// The composition of the mother's formula for one block of records: v holds f(x) on entry
// and f(f(...f(x))) with n applications in all on return; echec marks the points that
// failed at some level, messages their text.
void compose(const Arbre& f, long long n, std::vector<double>& v, std::vector<std::uint8_t>& echec,
             std::vector<std::string>& messages)
{
    const int m = int(v.size());
    std::vector<double> w(std::size_t(m), 0.0);
    std::vector<std::uint8_t> e(std::size_t(m), 0);
    std::vector<const char*> textes(std::size_t(m), nullptr);
    for (long long k = 1; k < n; ++k) {
        EvalueArbreLot(f, v.data(), w.data(), e.data(), m, textes.data());
        bool tous = true;
        for (std::size_t i = 0; i < std::size_t(m); ++i) {
            if (e[i] && !echec[i]) {
                echec[i] = 1;
                messages[i] = textes[i] ? textes[i] : MessageErreur();
            }
            tous = tous && echec[i];
        }
        v.swap(w);
        if (tous)
            return;
    }
}

}  // namespace

bool TracePonctuelle(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const int code = courbe.Operation;
    const auto refuse = [&](const QString& texte) {
        courbe.SignaleRefus(texte);
        return false;
    };
    const auto lit = [&](int i, double& v) { return ValeurParametre(courbe, i, v); };

    double c1 = 0, c2 = 0, x0 = 0, h = 0;
    if ((code == 2 || code == 6 || code == 7 || code == 39) && !lit(0, c1))
        return false;
    if (code == 6 && !lit(1, c2))
        return false;
    // n of the power and of the composition: |p1| rounded, halves to even.
    const double r = std::nearbyint(std::fabs(c1));
    const std::uint64_t n = r >= 0x1p62 ? std::uint64_t(1) << 62 : std::uint64_t(r);
    const Arbre* f = nullptr;
    if (code == 39) {
        if (n < 1)
            return refuse(QStringLiteral("n doit être un entier strictement positif !"));
        if (n > std::uint64_t(genres::MaxPointsTrace))
            return refuse(QStringLiteral("Tracé impossible! n est limité à %1.").arg(genres::MaxPointsTrace));
        const auto* y = dynamic_cast<const GCRelNum*>(&mere);
        if (!y || mere.TypeCourbe.toUpper() != QLatin1Char('Y') || y->Expression1.vide())
            return refuse(QStringLiteral("Tracé impossible!"));
        f = &y->Expression1;
    }
    // The components of a curve of a parameter are functions of that parameter; those of
    // other curves, of a regular abscissa from Xinf by Pas.
    const bool parT = mere.TypeCourbe.toUpper() == QLatin1Char('P') || mere.TypeCourbe.toUpper() == QLatin1Char('T');
    if ((code == 49 || code == 50) && !parT &&
        (!genres::evalue(courbe.Xinf, x0) || !genres::evalue(courbe.Pas, h)))
        return refuse(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + courbe.Xinf +
                      QStringLiteral(" ; Pas=") + courbe.Pas);
    const double epsilon = contexteCalcul().Epsilon;

    const std::vector<PointCourbe> points = LitFichierPoints(mere.NomFichier()).points;
    // The composition, by blocks of records.
    std::vector<double> composee;
    std::vector<std::uint8_t> echec;
    std::vector<std::string> messages;
    std::size_t debutBloc = 0;

    for (std::size_t k = 0; k < points.size(); ++k) {
        const PointCourbe& q = points[k];
        double x = q.x, y = q.y;
        bool ok = true;
        switch (code) {
        case 0: y = -y; break;
        case 1:
            ok = std::fabs(y) >= epsilon;
            y = ok ? 1 / y : 0;
            break;
        case 2: {
            const double P = puissance(y, n);
            ok = c1 >= 0 || std::fabs(P) >= epsilon;
            y = c1 >= 0 ? P : (ok ? 1 / P : 0);
            break;
        }
        case 3: y = std::fabs(y); break;
        case 4: y = y >= 0 ? y : 0; break;
        case 5: y = y <= 0 ? y : 0; break;
        case 6: y = y < c2 && y < c1 ? c2 : (y > c1 ? c1 : y); break;
        case 7: y = c1 * y; break;
        case 39: {
            if (k == debutBloc) {
                const std::size_t m = std::min<std::size_t>(TailleLot, points.size() - k);
                composee.resize(m);
                for (std::size_t i = 0; i < m; ++i)
                    composee[i] = points[k + i].y;
                echec.assign(m, 0);
                messages.assign(m, std::string());
                compose(*f, (long long)n, composee, echec, messages);
                debutBloc = k + m;
            }
            const std::size_t i = k - (debutBloc - composee.size());
            if (echec[i]) {
                sortie.Echec(q.t, QString::fromStdString(messages[i]));
                continue;
            }
            y = composee[i];
            break;
        }
        case 49:
            y = x;
            x = parT ? q.t : double(k) * h + x0;
            break;
        case 50: x = parT ? q.t : double(k) * h + x0; break;
        case 57: y = std::hypot(x, y); break;
        default: break;
        }
        if (!ok) {
            sortie.Coupure();
            continue;
        }
        sortie.PointDeMere(q, x, y);
    }
    ErreurCalcul() = 0;
    return true;
}
