// The trace of the curves derived from two mothers: both mothers found again, then the
// computation of the code, on the mothers' point caches or on their formulas.
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "expression/Fourier.h"
#include "expression/etat.h"
#include "expression/formatage.h"
#include "expression/fonction.h"
#include "expression/grfonc.h"
#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperBinaire.h"
#include "graph/derivees/routines.h"

namespace {

const QString CalculsImpossibles = QStringLiteral("Calculs impossibles !");

using Points = std::vector<PointCourbe>;

// The first abscissa and the step of a sampled curve: the start and step of a chronicle,
// Bézier or B-spline curve, the bounds of a curve of one parameter. False for the kinds
// that have neither (lists, sequences, plates) or when they do not evaluate.
bool debutPas(const GCCourbe& c, double& debut, double& pas)
{
    QString d, p;
    if (const auto* cc = dynamic_cast<const GCC*>(&c)) {
        cc->DebutPas(d, p);
    } else if (const auto* y = dynamic_cast<const GCY*>(&c)) {
        QString fin;
        y->Bornes(d, fin, p);
    } else {
        return false;
    }
    return genres::evalue(d, debut) && genres::evalue(p, pas);
}

// The direction (1 or -1) in which the records' x run, strictly, and the smallest gap
// between neighbours; 0 when they do not run one way (or there are fewer than two).
int sensAbscisses(const Points& p, double& ecart)
{
    ecart = INFINITY;
    if (p.size() < 2)
        return 0;
    const int sens = p[1].x > p[0].x ? 1 : -1;
    for (std::size_t k = 1; k < p.size(); ++k) {
        const double d = (p[k].x - p[k - 1].x) * sens;
        if (!(d > 0))
            return 0;
        ecart = std::min(ecart, d);
    }
    return sens;
}

// The pen of a point made from two records while the line goes on: a break or a move of
// either mother is kept.
std::uint8_t styloCommun(const PointCourbe& a, const PointCourbe& b)
{
    if (a.stylo == StyloReprise || b.stylo == StyloReprise)
        return StyloReprise;
    return a.stylo == StyloLeve || b.stylo == StyloLeve ? StyloLeve : StyloBaisse;
}

bool genreListe(const GCCourbe& c)
{
    return c.TypeCourbe.toUpper() == QLatin1Char('L');
}

}  // namespace

void GCOperBinaire::Trace(QPainter& peintre, GCRepere& repere)
{
    PtrCourbe m1 = MereDisponible(Mere1, *this);
    PtrCourbe m2 = MereDisponible(Mere2, *this);
    if (!m1 || !m2) {
        SignaleMereIntrouvable();
        return;
    }
    if (Operation < 0 || Operation >= NbOperationsBinaires) {
        SignaleRefus(QStringLiteral("Tracé impossible!"));
        return;
    }
    if (const QString refus = RefusGenresBinaires(Operation, *m1, *m2); !refus.isEmpty()) {
        SignaleRefus(refus);
        return;
    }
    const GardeTraceDerivee garde(this);
    const int code = Operation;
    const auto& p = ParametresOperation;

    // The codes of the mothers' formulas.
    if (code == 5 || code == 11) {
        EvalueParametres();
        if (code == 5)
            TraceConvolution(*m1, *m2, peintre, repere);
        else
            TraceIntersection(*m1, *m2, peintre, repere);
        return;
    }

    Arbre f1x;   // mother 1's formula (composition)
    double debut1 = 0, pas1 = 0;
    if (code == 4) {
        const QString texte1 = m1->Libelle1;
        if (texte1.trimmed().isEmpty() || !CompileExpr(texte1.toStdString(), f1x)) {
            SignaleRefus(QStringLiteral("Erreur dans le libellé de la première fonction"));
            return;
        }
    } else if (code == 10) {
        double debut2 = 0, pas2 = 0;
        if (!debutPas(*m1, debut1, pas1) || !debutPas(*m2, debut2, pas2) || debut1 != debut2 || pas1 != pas2) {
            SignaleRefus(QStringLiteral("Les fichiers proviennent d'échantillonnages différents"));
            return;
        }
    }

    // Both caches, a mother that has none traced first, unseen.
    m1 = MereAvecCache(Mere1, *this, peintre, repere);
    m2 = MereAvecCache(Mere2, *this, peintre, repere);
    if (!m1 || !m2) {
        SignaleMereIntrouvable();
        return;
    }
    Points f[2];
    for (int i = 0; i < 2; ++i) {
        const GCCourbe& m = i ? *m2 : *m1;
        LecturePoints lecture = LitFichierPoints(m.NomFichier());
        if (!lecture.ok()) {
            SignaleRefus(QStringLiteral("Tracé impossible! Points de ") + m.Nom + QStringLiteral(" illisibles") +
                         (lecture.erreur.isEmpty() ? QString() : QStringLiteral(" : ") + lecture.erreur));
            return;
        }
        f[i] = std::move(lecture.points);
    }
    const Points& f1 = f[0];
    const Points& f2 = f[1];
    EvalueParametres();

    SortieOperation sortie(*this, peintre, repere);
    switch (code) {
    case 4: {
        // f1 at each ordinate of f2 (of f1 when both are the same curve), by blocks.
        const Points& source = m1 == m2 ? f1 : f2;
        std::vector<double> xs(TailleLot), ys(TailleLot);
        std::vector<std::uint8_t> echecs(TailleLot);
        std::vector<const char*> messages(TailleLot);
        for (std::size_t d = 0; d < source.size(); d += TailleLot) {
            const int n = int(std::min<std::size_t>(TailleLot, source.size() - d));
            for (int i = 0; i < n; ++i)
                xs[std::size_t(i)] = source[d + std::size_t(i)].y;
            EvalueArbreLot(f1x, xs.data(), ys.data(), echecs.data(), n, messages.data());
            for (int i = 0; i < n; ++i) {
                const PointCourbe& q = source[d + std::size_t(i)];
                if (echecs[std::size_t(i)]) {
                    const char* m = messages[std::size_t(i)];
                    sortie.Echec(q.t, QString::fromUtf8(m ? m : MessageErreur().c_str()));
                    continue;
                }
                if (sortie.Stylo() == StyloBaisse)
                    sortie.FixeStylo(q.stylo);
                sortie.Point(q.t, q.x, ys[std::size_t(i)]);
            }
        }
        ErreurCalcul() = 0;
        break;
    }
    case 9: {
        // Rounds of up to p1 records of f1 then up to p2 of f2, laid on the regular grid of
        // mother 1 (of this curve's own bounds for the kinds that have none); a round that
        // takes nothing ends it.
        long long n1 = 0, n2 = 0;
        EntierOperation(p[0], n1);
        EntierOperation(p[1], n2);
        double debut = 0, pas = 0;
        if (!debutPas(*m1, debut, pas) && !(genres::evalue(Xinf, debut) && genres::evalue(Pas, pas))) {
            SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Xinf=") + Xinf + QStringLiteral(" ; Pas=") + Pas);
            return;
        }
        std::size_t i = 0, j = 0;
        long long k = 0;
        const auto prend = [&](const Points& source, std::size_t& r, long long nombre) {
            long long pris = 0;
            for (; pris < nombre && r < source.size(); ++pris, ++r, ++k) {
                sortie.FixeStylo(source[r].stylo);
                sortie.Point(source[r].t, debut + double(k) * pas, source[r].y);
            }
            return pris;
        };
        while (i < f1.size() && j < f2.size() && k < genres::MaxPointsTrace) {
            const long long pris = prend(f1, i, n1);
            if (prend(f2, j, n2) + pris == 0)
                break;
        }
        break;
    }
    case 12:
    case 13:
    case 14: {
        const std::size_t n = std::min(f1.size(), f2.size());
        if (n == 0) {
            SignaleRefus(CalculsImpossibles);
            return;
        }
        double xinf = 0, xsup = 0;
        if (!LitIntervalle(xinf, xsup))
            return;
        double h = 0;
        if (n == 1) {
            const double dx = std::fabs(f1[0].x - f2[0].x), dy = std::fabs(f1[0].y - f2[0].y);
            h = code == 12 ? dx + dy : code == 13 ? std::hypot(dx, dy) : std::max(dx, dy);
        } else {
            double somme = 0, carres = 0, max = 0, moyenne = 0;
            for (std::size_t k = 0; k < n; ++k) {
                const double dy = f1[k].y - f2[k].y;
                somme += std::fabs(dy);
                carres += dy * dy;
                max = std::max(max, std::fabs(dy));
                moyenne += dy;
            }
            h = code == 12 ? somme : code == 13 ? std::sqrt(carres) : max;
            if (p[0].trimmed() == QLatin1String("1")) {
                // Divided by the sample standard deviation of the differences.
                moyenne /= double(n);
                double variance = 0;
                for (std::size_t k = 0; k < n; ++k) {
                    const double e = f1[k].y - f2[k].y - moyenne;
                    variance += e * e;
                }
                const double ecart = std::sqrt(variance / double(n - 1));
                if (!(ecart > 0) || !std::isfinite(h / ecart)) {
                    sortie.Echec(0, QStringLiteral("écart type nul : distance normalisée impossible"));
                    break;
                }
                h /= ecart;
            }
        }
        sortie.Point(0, xinf, h);
        sortie.Point(1, xsup, h);
        break;
    }
    default: {
        // Pairs of records in step. The codes that keep f1's abscissae read f2, when both
        // mothers run along x the same way (neither a list, a sequence nor a curve of a
        // parameter), at each abscissa of f1: its record there, or the line between its
        // two records around it, so that mothers sampled with other starts or steps still
        // combine at f1's abscissae. Where f2 has no value (outside its range, across a
        // break of its line) the point fails; a point one mother could not compute does not
        // shift the later ones.
        const bool listes = genreListe(*m1) && genreListe(*m2);
        double e1 = 0, e2 = 0;
        int sens = 0;
        const QString sansAbscisse = QStringLiteral("LBWNTP");
        if (code <= 3 || code == 6 || code == 7 || code == 8) {
            if (!sansAbscisse.contains(m1->TypeCourbe.toUpper()) && !sansAbscisse.contains(m2->TypeCourbe.toUpper())) {
                sens = sensAbscisses(f1, e1);
                if (sensAbscisses(f2, e2) != sens)
                    sens = 0;
            }
        }
        const double egal = 1e-9 * std::min(e1, e2);   // the same abscissa
        const double epsilon = contexteCalcul().Epsilon;
        std::vector<double> re, im;   // code 10: the spectrum
        std::size_t i = 0, j = 0, sansValeur = 0;
        PointCourbe lu;   // f2 read between two of its records
        while (i < f1.size() && j < f2.size()) {
            const PointCourbe& a = f1[i++];
            const PointCourbe* pb = &f2[j];
            if (sens) {
                // f2[j]: its last record at or before a's abscissa.
                while (j + 1 < f2.size() && (f2[j + 1].x - a.x) * sens <= egal)
                    ++j;
                const PointCourbe& g = f2[j];
                if (std::fabs(g.x - a.x) <= egal) {
                    pb = &g;
                } else if ((a.x - g.x) * sens > 0 && j + 1 < f2.size() && f2[j + 1].stylo != StyloReprise) {
                    const PointCourbe& h = f2[j + 1];
                    lu = h;
                    lu.x = a.x;
                    lu.y = g.y + (h.y - g.y) * ((a.x - g.x) / (h.x - g.x));
                    pb = &lu;
                } else {
                    ++sansValeur;
                    sortie.Echec(a.t, QStringLiteral("pas de valeur de ") + m2->Nom + QStringLiteral(" en x=") +
                                          QString::fromStdString(ReelVersTexte(a.x)));
                    continue;
                }
            } else {
                ++j;
            }
            const PointCourbe& b = *pb;
            if (code == 10) {
                if (re.size() >= std::size_t(TailleFFTMax) + 1)
                    break;
                re.push_back(a.y);
                im.push_back(b.y);
                continue;
            }
            if (code == 15) {
                sortie.FixeStylo(StyloLeve);
                sortie.Point(a.t, a.x, a.y);
                sortie.FixeStylo(StyloBaisse);
                sortie.Point(b.t, b.x, b.y);
                long long fleche = 0;
                if (Visible && EntierOperation(p[0], fleche)) {
                    int ax, ay, bx, by;
                    repere.MondeVersPixel(ax, ay, a.x, a.y);
                    repere.MondeVersPixel(bx, by, b.x, b.y);
                    DessineFleche(peintre, {ax, ay}, {bx, by}, Couleur, int(fleche));
                }
                continue;
            }
            double x = a.x, y = a.y;
            bool ok = true;
            switch (code) {
            case 0:
            case 1: {
                const double s = code == 0 ? 1 : -1;
                if (listes)
                    x = a.x + s * b.x;
                y = a.y + s * b.y;
                break;
            }
            case 2:
                if (listes) {
                    x = a.x * b.x - a.y * b.y;
                    y = a.x * b.y + a.y * b.x;
                } else {
                    y = a.y * b.y;
                }
                break;
            case 3:
                if (listes) {
                    const double d = b.x * b.x + b.y * b.y;
                    ok = d >= epsilon;
                    x = ok ? (a.x * b.x + a.y * b.y) / d : 0;
                    y = ok ? (a.y * b.x - a.x * b.y) / d : 0;
                } else {
                    ok = std::fabs(b.y) >= epsilon;
                    y = ok ? a.y / b.y : 0;
                }
                break;
            case 6: y = std::max(a.y, b.y); break;
            case 7: y = std::min(a.y, b.y); break;
            case 8:
                x = a.y;
                y = b.y;
                break;
            default: break;
            }
            if (!ok) {
                sortie.Echec(a.t, QStringLiteral("division par 0 !"));
                continue;
            }
            if (sortie.Stylo() == StyloBaisse)
                sortie.FixeStylo(styloCommun(a, b));
            sortie.Point(a.t, x, y);
        }
        if (sens && sansValeur == f1.size()) {
            SignaleRefus(QStringLiteral("Tracé impossible : les domaines de ") + m1->Nom + QStringLiteral(" et de ") +
                         m2->Nom + QStringLiteral(" ne se recouvrent pas."));
            return;
        }
        if (code == 10) {
            // The inverse transform of the spectrum, its halves swapped back: the signal
            // from t0 in steps of 1 / (N df). N must be a power of two.
            const int n = int(re.size());
            int exposant = 0, statut = 0;
            FFTTaille(n, exposant, statut);
            double t0 = 0;
            if (statut != 0 || !(pas1 != 0) || !genres::evalue(p[0], t0)) {
                SignaleRefus(CalculsImpossibles);
                return;
            }
            const int moitie = n / 2;
            for (int k = 0; k < moitie; ++k) {
                std::swap(re[std::size_t(k)], re[std::size_t(moitie + k)]);
                std::swap(im[std::size_t(k)], im[std::size_t(moitie + k)]);
            }
            std::vector<double> sinus, cosinus;
            FFTFacteurs(n, sinus, cosinus);
            FFT(exposant, n, true, cosinus.data(), sinus.data(), im.data(), re.data());
            for (int k = 0; k < n; ++k)
                sortie.Point(k, t0 + k / (n * pas1), re[std::size_t(k)]);
        }
        break;
    }
    }

    const bool erreurs = sortie.Termine();
    if (Fleches >= 1 && Fleches <= 3 && Visible)
        DessineFlechesCourbe(peintre, repere, LitFichierPoints(FichierPoints).points, Couleur, Fleches);
    SignaleErreursCalcul(erreurs);
}

void GCOperBinaire::TraceConvolution(const GCCourbe& mere1, const GCCourbe& mere2, QPainter& peintre, GCRepere& repere)
{
    // f1 * f2 (t) = integral of f1(x) f2(t - x) dx, through the mothers' names, y read as t.
    // Y read as state value 0, as the convolution needs.
    if (!CompileExprYEtat((mere1.Nom + QStringLiteral("(x)*") + mere2.Nom + QStringLiteral("(y-x)")).toStdString(),
                          Expression1)) {
        SignaleRefus(QStringLiteral("Impossible de dessiner la convolée!"));
        return;
    }
    TraceEchantillons(peintre, repere);
}

void GCOperBinaire::TraceIntersection(const GCCourbe& mere1, const GCCourbe& mere2, QPainter& peintre,
                                      GCRepere& repere)
{
    QString t1, t2, autre;
    mere1.LibellesAffiches(t1, autre);
    mere2.LibellesAffiches(t2, autre);
    const auto& p = ParametresOperation;
    long long n = 0;
    double px = 0, py = 0, xinf = 0, xsup = 0;
    for (int i = 0; i < 3; ++i) {
        const bool ok = i == 0 ? EntierOperation(p[0], n) : genres::evalue(p[std::size_t(i)], i == 1 ? px : py);
        if (!ok) {
            SignaleRefus(QStringLiteral("Tracé impossible! Paramètre n°%1 incorrect : ").arg(i + 1) + p[std::size_t(i)]);
            return;
        }
    }
    if (!LitIntervalle(xinf, xsup))
        return;
    // They become the program's bisection settings, when they are sound: a precision of 0
    // or less would make every later search bisect to the last bit.
    ContexteCalcul& calcul = contexteCalcul();
    if (n >= 1 && px > 0 && py > 0) {
        calcul.SousIntervallesDicho = int(std::min<long long>(n, genres::MaxPointsTrace));
        calcul.PrecisionXDicho = px;
        calcul.PrecisionYDicho = py;
    }
    SortieOperation sortie(*this, peintre, repere);
    Arbre f1, difference;
    if (!CompileExpr(t1.toStdString(), f1) ||
        !CompileExpr((t1 + QStringLiteral("-(") + t2 + QStringLiteral(")")).toStdString(), difference)) {
        sortie.Traceur().LigneErreur(QStringLiteral("Pb de libellé : ") + t1 + QStringLiteral(" ; ") + t2);
    } else {
        std::vector<double> racines;
        RacinesDichotomie(difference, int(std::clamp<long long>(n, 0, genres::MaxPointsTrace)), racines, xinf, xsup, px,
                          py);
        for (std::size_t i = 0; i < racines.size(); ++i) {
            const double y = EvalueArbre(f1, racines[i]);
            if (ErreurCalcul())
                sortie.Echec(double(i), QString::fromStdString(MessageErreur()));
            else
                sortie.Point(double(i), racines[i], y);
        }
        ErreurCalcul() = 0;
    }
    SignaleErreursCalcul(sortie.Termine());
}
