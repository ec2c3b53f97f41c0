// Code 41: the histogram of the densities of the mother's abscissae (p5 "0") or ordinates:
// regular classes from p1 to p2 of width p3, or the bounds of the file p6, one a line,
// numbers, or expressions of the other coordinate when the curve's random-abscissae flag
// is set (the classes are then drawn side by side, one unit wide). Bars as high as the count
// (p4 "0") or the frequency over the width, cumulated when the curve's sub-kind is 1.
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"
#include "graph/fichiers/fichierstravail.h"
#include "graph/fichiers/fichiertexte.h"

namespace {

// Most classes a histogram draws.
constexpr long long MaxClasses = 100000;

}  // namespace

bool TraceHistogramme(GCOperUnaire& courbe, const GCCourbe& mere, SortieOperation& sortie)
{
    double a = 0, b = 0, w = 0, d = 0;
    long long ordonnees = 0;
    if (!ValeursParametres(courbe, {&a, &b, &w, &d}) || !EntierParametre(courbe, 4, ordonnees))
        return false;
    const std::vector<PointCourbe> p = LitFichierPoints(mere.NomFichier()).points;
    const auto valeur = [&](const PointCourbe& q) { return ordonnees ? q.y : q.x; };
    const auto autre = [&](const PointCourbe& q) { return ordonnees ? q.x : q.y; };

    // The lower bounds of the classes and one closing bound; the count of each class.
    std::vector<double> bornes;
    std::vector<double> effectifs;
    double total = 0;
    if (w > 0) {
        const double nombre = std::ceil((b - a) / w);
        if (nombre > double(MaxClasses)) {
            courbe.SignaleRefus(QStringLiteral("Tracé impossible! Plus de %1 classes.").arg(MaxClasses));
            return false;
        }
        // a + j*w up to the first that reaches b (each computed, not summed).
        for (long long j = 0; (bornes.empty() || bornes.back() < b) && j <= MaxClasses + 1; ++j)
            bornes.push_back(a + double(j) * w);
        effectifs.assign(bornes.size() - 1, 0.0);
        for (const PointCourbe& q : p) {
            const double k = std::floor((valeur(q) - a) / w);
            if (k >= 0 && k < double(effectifs.size())) {
                effectifs[std::size_t(k)] += 1;
                total += 1;
            }
        }
    } else {
        // Found as every file a document names: under its folder, or where this machine keeps it.
        const QString fichier = TrouveFichierStocke(courbe.ParametresOperation[5], courbe.DossierDocument,
                                                    PorteeNom::Donnees, {etatGraphe().DossierProgramme});
        const LectureTexte lecture = fichier.isEmpty() ? LectureTexte() : LitFichierTexte(fichier);
        if (!lecture.ok) {
            sortie.Traceur().LigneErreur(fichier.isEmpty() ? QStringLiteral("Fichier de bornes introuvable.")
                                                           : lecture.erreur);
            sortie.Termine();
            courbe.SignaleRefus(QStringLiteral("Fichier de bornes illisible : ") + courbe.ParametresOperation[5]);
            return false;
        }
        // Blank lines are skipped; a bound that does not read, or that is not above the one
        // before, stops the trace.
        const auto borneIncorrecte = [&](int ligne) {
            sortie.Traceur().LigneErreur(QStringLiteral("Borne incorrecte ligne %1").arg(ligne));
            return true;
        };
        QStringList lignes;
        std::vector<int> numeros;
        for (int i = 0; i < lecture.lignes.size(); ++i)
            if (!lecture.lignes[i].trimmed().isEmpty()) {
                lignes << lecture.lignes[i];
                numeros.push_back(i + 1);
            }
        if (lignes.size() > MaxClasses) {
            courbe.SignaleRefus(QStringLiteral("Tracé impossible! Plus de %1 classes.").arg(MaxClasses));
            return false;
        }
        if (!courbe.Aleatoire) {
            for (int i = 0; i < lignes.size(); ++i) {
                double v = 0;
                if (!genres::evalue(lignes[i], v) || (!bornes.empty() && !(v > bornes.back())))
                    return borneIncorrecte(numeros[std::size_t(i)]);
                bornes.push_back(v);
            }
            effectifs.assign(bornes.size() < 2 ? 0 : bornes.size() - 1, 0.0);
            for (const PointCourbe& q : p) {
                const double v = valeur(q);
                if (effectifs.empty() || !(v >= bornes.front() && v < bornes.back()))
                    continue;
                std::size_t j = 0;
                while (!(bornes[j + 1] > v))
                    ++j;
                effectifs[j] += 1;
                total += 1;
            }
        } else {
            // Bounds that depend on the other coordinate: classes numbered side by side.
            std::vector<Arbre> expressions(std::size_t(lignes.size()));
            for (int i = 0; i < lignes.size(); ++i)
                if (!CompileExpr(lignes[i].toStdString(), expressions[std::size_t(i)]))
                    return borneIncorrecte(numeros[std::size_t(i)]);
            const std::size_t n = expressions.size();
            for (std::size_t j = 0; j < n; ++j)
                bornes.push_back(double(j));
            effectifs.assign(n < 2 ? 0 : n - 1, 0.0);
            std::vector<double> limites(n);
            for (const PointCourbe& q : p) {
                if (effectifs.empty())
                    break;
                bool ok = true;
                for (std::size_t j = 0; j < n && ok; ++j) {
                    limites[j] = EvalueArbre(expressions[j], autre(q));
                    ok = !ErreurCalcul();
                }
                const double v = valeur(q);
                if (!ok || !(v >= limites.front() && v < limites.back()))
                    continue;
                std::size_t j = 0;
                while (j + 2 < n && !(limites[j + 1] > v))
                    ++j;
                effectifs[j] += 1;
                total += 1;
            }
            ErreurCalcul() = 0;
        }
    }

    // Heights: densities, so that a bar's area is its count or its frequency.
    std::vector<double> hauteurs(effectifs.size(), 0.0);
    for (std::size_t j = 0; j < effectifs.size(); ++j) {
        const double largeur = bornes[j + 1] - bornes[j];
        const double diviseur = d == 0 ? largeur : total * largeur;
        hauteurs[j] = diviseur > 0 ? effectifs[j] / diviseur : 0;
        if (courbe.SousType == 1 && j > 0)
            hauteurs[j] += hauteurs[j - 1];
    }

    // Each bar: its left foot with the pen carried from bar to bar, then its three other
    // corners with a pen that starts each bar down, so that the left side is always drawn.
    TraceurCourbe& traceur = sortie.Traceur();
    std::uint8_t pied = StyloLeve;
    for (std::size_t j = 0; j < hauteurs.size(); ++j) {
        const double l = bornes[j], r = bornes[j + 1], h = hauteurs[j];
        traceur.FixeStylo(pied);
        traceur.Point(double(j), l, 0);
        pied = traceur.Stylo();
        traceur.FixeStylo(StyloBaisse);
        traceur.Point(double(j), l, h);
        traceur.Point(double(j), r, h);
        traceur.Point(double(j), r, 0);
    }
    return true;
}
