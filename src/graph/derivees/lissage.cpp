// Codes 11, 12, 13, 44: the mother's samples smoothed over a sliding window of N records
// (moving median, centred moving mean, sliding affine fit) or by a Gaussian kernel; code 10:
// the least-squares fit of every record of the mother, traced as the y = f(x) of the fitted
// formula over the curve's own bounds.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "expression/MnsCarre.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/simul.h"
#include "expression/stat.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

namespace {

const QString TropPeuDeValeurs = QStringLiteral("Trop peu de valeurs dans le fichier mère.");

// The value of the affine least-squares fit of n records at x; false when the fit fails.
bool affineGlissante(const double* x, const double* y, int n, double a, double& v)
{
    std::string texte;
    int statut = 0;
    MoindresCarres(1, x, y, n, texte, statut, "1");
    Arbre droite;
    if (statut != MCReussi || !CompileExpr(texte, droite))
        return false;
    v = EvalueArbre(droite, a);
    return !ErreurCalcul();
}

// The Gaussian kernel at a over the records whose abscissa lies within the bandwidth; x is
// sorted (premier, fin: the records to look at).
bool gaussien(const std::vector<double>& x, const std::vector<double>& y, std::size_t premier, std::size_t fin,
              double a, double bande, double sigma, double& v)
{
    double somme = 0, poids = 0;
    for (std::size_t i = premier; i < fin; ++i) {
        if (std::fabs(a - x[i]) > bande)
            continue;
        const double w = Gaussienne((a - x[i]) / bande, sigma, 0);
        somme += w * y[i];
        poids += w;
    }
    if (!(poids > 0))
        return false;
    v = somme / poids;
    return true;
}

}  // namespace

bool TraceLissage(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    const int code = courbe.Operation;
    const double epsilon = contexteCalcul().Epsilon;
    long long ordre = 1;
    double bande = 0, sigma = 0;
    if (code == 44) {
        if (!ValeurParametre(courbe, 1, bande) || !ValeurParametre(courbe, 2, sigma))
            return false;
        const QString refus = bande <= epsilon ? QStringLiteral("La largeur de bande des x doit être un réel >0")
                              : sigma <= epsilon ? QStringLiteral("L'écart type du noyau doit être un réel >0")
                                                 : QString();
        if (!refus.isEmpty()) {
            courbe.SignaleRefus(refus);
            return false;
        }
    } else {
        if (!EntierParametre(courbe, 0, ordre))
            return false;
        if (ordre < 1) {
            courbe.SignaleRefus(QStringLiteral("L'ordre (nbr. de valeurs) doit être un entier >0"));
            return false;
        }
    }

    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    const long long m = (long long)p.size();
    // The last window start is never used (the mean of an even order reads one record more):
    // with no more records than the order there is no window at all.
    if (m <= ordre) {
        sortie.Traceur().LigneErreur(TropPeuDeValeurs);
        return true;
    }
    const int n = int(ordre);
    std::vector<double> x(p.size()), y(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        x[i] = p[i].x;
        y[i] = p[i].y;
    }
    const bool trie = std::is_sorted(x.begin(), x.end());

    std::vector<double> fenetre;
    for (long long s = 0; s < m - n; ++s) {
        const std::size_t debut = std::size_t(s);
        const double a = x[debut + std::size_t(n / 2)];
        double v = 0;
        bool ok = true;
        switch (code) {
        case 11:
            fenetre.assign(y.begin() + std::ptrdiff_t(debut), y.begin() + std::ptrdiff_t(debut) + n);
            v = Mediane(fenetre);
            break;
        case 12: {
            double somme = 0;
            if (n % 2) {
                for (int j = 0; j < n; ++j)
                    somme += y[debut + std::size_t(j)];
            } else {
                // An even order: n + 1 records, the two ends weighted one half.
                somme = (y[debut] + y[debut + std::size_t(n)]) / 2;
                for (int j = 1; j < n; ++j)
                    somme += y[debut + std::size_t(j)];
            }
            v = somme / n;
            break;
        }
        case 13:
            if (!affineGlissante(&x[debut], &y[debut], n, a, v))
                v = y[debut + std::size_t(n / 2)];
            break;
        default: {
            // Sorted abscissae: only the records within the bandwidth, found by bisection (the
            // same sums as a scan of the whole file).
            std::size_t premier = 0, fin = x.size();
            if (trie) {
                premier = std::size_t(std::lower_bound(x.begin(), x.end(), a - bande) - x.begin());
                fin = std::size_t(std::upper_bound(x.begin(), x.end(), a + bande) - x.begin());
                // a - bande and a + bande are rounded: the records at the very edge are
                // decided by the same test as the others.
                while (premier > 0 && std::fabs(a - x[premier - 1]) <= bande)
                    --premier;
                while (fin < x.size() && std::fabs(a - x[fin]) <= bande)
                    ++fin;
            }
            ok = gaussien(x, y, premier, fin, a, bande, sigma, v);
            break;
        }
        }
        ErreurCalcul() = 0;
        if (!ok) {
            sortie.Echec(double(s), QStringLiteral("aucune valeur de poids non nul dans la largeur de bande"));
            continue;
        }
        sortie.Point(double(s), a, v);
    }
    return true;
}

bool TraceRegression(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    long long modele = 0;
    if (!EntierParametre(courbe, 0, modele))
        return false;
    // Every record of the mother is fitted.
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    std::vector<double> x(p.size()), y(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        x[i] = p[i].x;
        y[i] = p[i].y;
    }
    std::string texte, montre;
    int statut = 0;
    double ecart = 0;
    const int nombre = int(std::min<std::size_t>(p.size(), std::size_t(1) << 30));
    MoindresCarres(int(std::clamp<long long>(modele, 0, 100)), x.data(), y.data(), nombre, texte, statut,
                   courbe.ParametresOperation[1].toStdString(), &ecart, &montre);
    if (statut != MCReussi) {
        courbe.SignaleRefus(QString::fromStdString(texte));
        return false;
    }
    // Shown in the number format, as every real; the curve is computed from the fit itself,
    // which is found again at every trace.
    courbe.ParametresOperation[2] = QString::fromStdString(ReelVersTexte(ecart));
    courbe.Libelle2 = QStringLiteral("Régression sur ") + mere.Nom;
    if (!courbe.CompileLibelle1(QString::fromStdString(texte))) {
        courbe.SignaleRefus(QStringLiteral("Tracé impossible!"));
        return false;
    }
    courbe.Libelle1 = QString::fromStdString(montre);
    sortie.Delegue();
    courbe.TraceFormule(sortie.Peintre(), sortie.Repere());
    return true;
}
