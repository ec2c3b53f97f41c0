#include "graph/courbes/GCI.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "expression/conique.h"
#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/genres.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/tracepoint.h"
#include "graph/repere/GCRepere.h"

using namespace genres;

namespace {

// Most horizontal lines one scan searches, and most steps of one followed path.
constexpr long long MaxLignes = 100000;
constexpr long long MaxPasSuivi = 1000000;
// The root search on a line takes at least one sub-interval per this many pixels.
constexpr int PixelsParSousIntervalle = 2;

QString nombre(double v)
{
    return QString::fromStdString(ReelExact(v));
}

QString entre(double v)
{
    return QStringLiteral("(") + nombre(v) + QStringLiteral(")");
}

// x(t), y(t) of the line a·x + b·y + c = 0; both empty when a = b = 0.
void formulesDroite(double a, double b, double c, QString& x, QString& y)
{
    const double eps = contexteCalcul().Epsilon;
    if (std::fabs(b) >= eps) {
        x = QStringLiteral("t");
        y = QStringLiteral("(-") + entre(a) + QStringLiteral("*t-") + entre(c) + QStringLiteral(")/") + entre(b);
    } else if (std::fabs(a) >= eps) {
        x = QStringLiteral("-") + entre(c) + QStringLiteral("/") + entre(a);
        y = QStringLiteral("t");
    } else {
        x.clear();
        y.clear();
    }
}

QString point(const QString& libelle, PointConique p)
{
    return libelle + QString::fromStdString(ReelVersTexte(p.x)) + QStringLiteral(" ; ") +
           QString::fromStdString(ReelVersTexte(p.y)) + QStringLiteral(")");
}

QString valeur(const QString& libelle, double v)
{
    return libelle + QString::fromStdString(ReelVersTexte(v));
}

// ---------------------------------------------------------------------------------------
// The implicit tracer

// f(x, y) of an implicit curve: x is the formula's variable, y its state value 0.
class Equation {
public:
    Equation(const Arbre& arbre, double pasDerivee) : arbre_(arbre), h_(pasDerivee) {}

    bool valeur(double x, double y, double& f) const
    {
        VariablesEtat()[0] = y;
        f = EvalueArbre(arbre_, x);
        return !ErreurCalcul() && std::isfinite(f);
    }
    // Both partial derivatives, by the first-order stencil in each variable.
    bool gradient(double x, double y, double& fx, double& fy) const
    {
        fx = DeriveeStencil(1, h_, x, [&](double t, double& v) { return valeur(t, y, v); });
        if (ErreurCalcul())
            return false;
        fy = DeriveeStencil(1, h_, y, [&](double t, double& v) { return valeur(x, t, v); });
        return !ErreurCalcul();
    }
    void racines(double y, std::vector<double>& liste, int n, double debut, double fin, double px, double py) const
    {
        LibereRegistresVectoriels();
        VariablesEtat()[0] = y;
        RacinesDichotomie(arbre_, n, liste, debut, fin, px, py);
    }

private:
    const Arbre& arbre_;
    double h_;
};

struct Point2 {
    double x, y;
};

double distance(Point2 a, Point2 b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// One trace of an implicit curve.
class TraceurImplicite {
public:
    TraceurImplicite(const Equation& f, TraceurCourbe& traceur, double pas) : f_(f), traceur_(traceur), h_(pas) {}

    // The root search on one horizontal line.
    int sousIntervalles = 50;
    double xmin = -5, xmax = 5, precisionX = 0.01, precisionY = 1;
    // The abscissae the followed paths keep to, and the box they stop outside.
    double T1 = -5, T2 = 5;
    double boiteX1 = -10, boiteX2 = 10, boiteY1 = -10, boiteY2 = 10;
    double tolerance = 1e-9;   // a correction smaller than this ends the corrections
    bool arrete = false;       // a cap stopped the trace

    // Every root x of the line y: isolated points.
    void ligne(double y)
    {
        // Lines without roots draw nothing: the follower is asked at every line.
        traceur_.Suit();
        f_.racines(y, racines_, sousIntervalles, xmin, xmax, precisionX, precisionY);
        for (double x : racines_) {
            traceur_.FixeStylo(StyloLeve);
            traceur_.Point(y, x, y);
        }
    }

    // Every line from debut to fin by the step is a start line: each of its roots between T1
    // and T2 that no path traced so far goes through is followed towards T1 and towards T2.
    void depuisLignes(double debut, double fin)
    {
        double y = debut;
        for (long long k = 0; y <= fin; ++k) {
            if (k >= MaxLignes) {
                arrete = true;
                return;
            }
            traceur_.Suit();
            f_.racines(y, racines_, sousIntervalles, xmin, xmax, precisionX, precisionY);
            const std::vector<double> depart = racines_;
            for (double x : depart)
                if (x >= T1 && x <= T2 && !dejaTrace({x, y}))
                    depuis({x, y});
            const double suivant = debut + double(k + 1) * h_;
            if (suivant == y)
                return;
            y = suivant;
        }
    }

private:
    // The cell of the grid of side h that holds a point.
    std::uint64_t cellule(double x, double y) const
    {
        const auto c = [&](double v) { return std::uint64_t(std::int64_t(std::floor(v / h_)) & 0xFFFFFFFF); };
        return c(x) << 32 | c(y);
    }

    bool dejaTrace(Point2 p) const
    {
        for (int i = -1; i <= 1; ++i)
            for (int j = -1; j <= 1; ++j) {
                const auto it = traces_.find(cellule(p.x + i * h_, p.y + j * h_));
                if (it == traces_.end())
                    continue;
                for (const Point2& q : it->second)
                    if (distance(p, q) < h_)
                        return true;
            }
        return false;
    }

    void dessine(Point2 p)
    {
        traceur_.Point(p.x, p.x, p.y);
        traces_[cellule(p.x, p.y)].push_back(p);
    }

    // Follows the curve both ways from one of its points (the point alone where the
    // gradient vanishes).
    void depuis(Point2 p)
    {
        double fx, fy;
        if (!f_.gradient(p.x, p.y, fx, fy)) {
            traceur_.Echec(p.x, QString::fromStdString(MessageErreur()));
            return;
        }
        const double n = std::hypot(fx, fy);
        if (!(n > 0) || !std::isfinite(n)) {
            traceur_.FixeStylo(StyloLeve);
            dessine(p);
            return;
        }
        Point2 tangente{-fy / n, fx / n};
        if (tangente.x > 0)
            tangente = {-tangente.x, -tangente.y};
        if (suit(p, tangente))
            return;   // a closed path: the other way is the same
        suit(p, {-tangente.x, -tangente.y});
    }

    // Newton corrections back onto f = 0: along the gradient, or along y only (x fixed).
    // False when a step would go further than the path's own step (the point is left).
    bool corrige(Point2& p, bool ySeul)
    {
        for (int i = 0; i < 3; ++i) {
            double v, fx, fy;
            if (!f_.valeur(p.x, p.y, v) || !f_.gradient(p.x, p.y, fx, fy))
                return false;
            if (ySeul)
                fx = 0;
            const double n2 = fx * fx + fy * fy;
            if (!(n2 > 0) || !std::isfinite(n2))
                return false;
            const Point2 d{v * fx / n2, v * fy / n2};
            const double longueur = std::hypot(d.x, d.y);
            if (!(longueur <= h_))
                return false;
            p = {p.x - d.x, p.y - d.y};
            if (longueur <= tolerance)
                break;
        }
        return true;
    }

    // Follows the curve from its point p0 along the unit tangent, step h, each step
    // corrected back onto the curve. Stops when x reaches T1 or T2 (the last point lands on
    // it), when the path comes back to its start (true), when it leaves the box, or when a
    // value cannot be computed (error line).
    bool suit(Point2 p0, Point2 tangente)
    {
        traceur_.FixeStylo(StyloLeve);
        dessine(p0);
        Point2 p = p0;
        double normeMax = 0;
        bool parti = false;
        const long long maxPas = std::min<long long>(
            MaxPasSuivi, std::max(1000.0, 20 * ((boiteX2 - boiteX1) + (boiteY2 - boiteY1)) / h_));
        for (long long k = 0; k < maxPas; ++k) {
            LibereRegistresVectoriels();
            double fx, fy;
            if (!f_.gradient(p.x, p.y, fx, fy)) {
                traceur_.Echec(p.x, QString::fromStdString(MessageErreur()));
                return false;
            }
            const double n = std::hypot(fx, fy);
            if (!std::isfinite(n)) {
                traceur_.Echec(p.x, QStringLiteral("expression non calculable!"));
                return false;
            }
            normeMax = std::max(normeMax, n);
            Point2 q;
            bool singulier = !(n > 1e-9 * normeMax);
            if (!singulier) {
                Point2 t{-fy / n, fx / n};
                if (t.x * tangente.x + t.y * tangente.y < 0)
                    t = {-t.x, -t.y};
                tangente = t;
                q = {p.x + h_ * t.x, p.y + h_ * t.y};
            } else {
                // Across a singular point along the way we came.
                q = {p.x + 2 * h_ * tangente.x, p.y + 2 * h_ * tangente.y};
            }
            // The last step lands on the bound of x.
            const double borne = q.x < T1 ? T1 : (q.x > T2 ? T2 : q.x);
            if (borne != q.x) {
                const double s = (borne - p.x) / (q.x - p.x);
                q = {borne, p.y + s * (q.y - p.y)};
                corrige(q, true);
                if (distance(q, p) > tolerance)
                    dessine(q);
                return false;
            }
            if (!singulier && !corrige(q, false)) {
                // The correction fails near a singular point: go across instead.
                q = {p.x + 2 * h_ * tangente.x, p.y + 2 * h_ * tangente.y};
                if (q.x < T1 || q.x > T2)
                    return false;
            }
            dessine(q);
            const double d = distance(q, p0);
            if (d > 2 * h_)
                parti = true;
            else if (parti && d < h_) {
                dessine(p0);
                return true;
            }
            if (q.x < boiteX1 || q.x > boiteX2 || q.y < boiteY1 || q.y > boiteY2)
                return false;
            p = q;
        }
        arrete = true;
        return false;
    }

    const Equation& f_;
    TraceurCourbe& traceur_;
    double h_;
    std::vector<double> racines_;
    std::unordered_map<std::uint64_t, std::vector<Point2>> traces_;
};

}  // namespace

// ---------------------------------------------------------------------------------------
// I

GCI::GCI(QChar genre, int sousType, int fenetre, int numero) : GCY(genre, fenetre, numero)
{
    SousType = sousType;
    // An implicit curve is a cloud of points until the user joins it.
    if (sousType == 0)
        Joint = false;
    TextesCoefficients.fill(QStringLiteral("0"));
}

void GCI::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* i = dynamic_cast<const GCI*>(&source)) {
        TextesCoefficients = i->TextesCoefficients;
        Mere1 = i->Mere1;
        Mere2 = i->Mere2;
    }
}

QString GCI::LibelleDesCoefficients() const
{
    const auto& c = TextesCoefficients;
    auto p = [](const QString& t) { return QStringLiteral("(") + t + QStringLiteral(")"); };
    switch (SousType) {
    case 1:
        return p(c[0]) + QStringLiteral("*x+") + p(c[1]) + QStringLiteral("*y+") + p(c[2]);
    case 11:
        return p(c[0]) + QStringLiteral("*x+") + p(c[1]) + QStringLiteral("*y-") + p(c[2]);
    case 2:
        return p(c[0]) + QStringLiteral("*x²+") + p(c[1]) + QStringLiteral("*x*y+") + p(c[2]) +
               QStringLiteral("*y²+") + p(c[3]) + QStringLiteral("*x+") + p(c[4]) + QStringLiteral("*y+") + p(c[5]);
    default:
        return Libelle1;
    }
}

bool GCI::ValeursCoefficients(std::array<double, 6>& valeurs, QString& message) const
{
    static const char lettres[] = "ABCDEF";
    EvalueParametres();
    const int nombre = SousType == 2 ? 6 : 3;
    valeurs.fill(0);
    for (int i = 0; i < nombre; ++i) {
        const double v = EvalueTexte(TextesCoefficients[std::size_t(i)].toStdString());
        const bool ok = !ErreurCalcul() && std::isfinite(v);
        ErreurCalcul() = 0;
        if (!ok) {
            message = QStringLiteral("Coefficient ") + QLatin1Char(lettres[i]) + QStringLiteral(" non calculable : ") +
                      TextesCoefficients[std::size_t(i)];
            return false;
        }
        valeurs[std::size_t(i)] = v;
    }
    return true;
}

bool GCI::FormulesParametriques(QString& x, QString& y, QString& message) const
{
    x.clear();
    y.clear();
    std::array<double, 6> v;
    if (!ValeursCoefficients(v, message))
        return false;
    const auto erreurLibelles = [&] {
        message = QStringLiteral("Erreur dans libellés:") + x + QStringLiteral(";") + y;
        return false;
    };
    if (SousType == 1 || SousType == 11) {
        formulesDroite(v[0], v[1], SousType == 1 ? v[2] : -v[2], x, y);
        if (x.isEmpty()) {
            if (SousType == 11)
                y = QStringLiteral("A=B=0");
            return erreurLibelles();
        }
        return true;
    }
    const ElementsConique e = AnalyseConique(v[0], v[1], v[2], v[3], v[4], v[5]);
    const QString ux = entre(e.U.x), uy = entre(e.U.y), cx = entre(e.Centre.x), cy = entre(e.Centre.y);
    const QString a = nombre(e.DemiAxe1), b = nombre(e.DemiAxe2);
    switch (e.Genre) {
    case ConiqueEllipse:
        x = QStringLiteral("(") + a + QStringLiteral("*cos(t)*") + ux + QStringLiteral("-") + b +
            QStringLiteral("*sin(t)*") + uy + QStringLiteral(")+") + cx;
        y = QStringLiteral("(") + a + QStringLiteral("*cos(t)*") + uy + QStringLiteral("+") + b +
            QStringLiteral("*sin(t)*") + ux + QStringLiteral(")+") + cy;
        return true;
    case ConiqueHyperbole:
        x = QStringLiteral("(") + a + QStringLiteral("*0.5*(t+1/t)*") + ux + QStringLiteral("-") + b +
            QStringLiteral("*0.5*(t-1/t)*") + uy + QStringLiteral(")+") + cx;
        y = QStringLiteral("(") + a + QStringLiteral("*0.5*(t+1/t)*") + uy + QStringLiteral("+") + b +
            QStringLiteral("*0.5*(t-1/t)*") + ux + QStringLiteral(")+") + cy;
        return true;
    case ConiqueParabole: {
        const QString p2 = entre(2 * e.Parametre);
        x = QStringLiteral("(") + ux + QStringLiteral("*t^2/") + p2 + QStringLiteral("+t*") + uy +
            QStringLiteral(")+") + cx;
        y = QStringLiteral("(") + uy + QStringLiteral("*t^2/") + p2 + QStringLiteral("-t*") + ux +
            QStringLiteral(")+") + cy;
        return true;
    }
    case ConiqueCercle:
        x = nombre(e.Rayon) + QStringLiteral("*cos(t)+") + cx;
        y = nombre(e.Rayon) + QStringLiteral("*sin(t)+") + cy;
        return true;
    case ConiqueDroite:
        formulesDroite(v[3], v[4], v[5], x, y);
        return !x.isEmpty() || erreurLibelles();
    case ConiqueDeuxDroites:
        message = QStringLiteral("Conique réduite à la réunion de 2 droites (non tracées)!");
        return false;
    case ConiquePoint:
        message = QStringLiteral("Conique réduite à un point (non tracé)!");
        return false;
    default:
        message = QStringLiteral("L'équation donnée n'est pas celle d'une conique !");
        return false;
    }
}

void GCI::CopieVersFille(GCY& f)
{
    CopieAspectFille();
    f.SousType = 0;
    f.Batons = false;
    f.Nom = Nom;
    f.NumeroFenetre = NumeroFenetre;
    f.Numero = Numero;
    f.Parametres = Parametres;
    f.FixeBornes(Xinf, Xsup, Pas);
    f.Selectionne = Selectionne;
    f.Fleches = Fleches;
}

void GCI::Trace(QPainter& peintre, GCRepere& repere)
{
    if (SousType == 0) {
        TraceImplicite(peintre, repere);
        return;
    }
    QString x, y, message;
    if (!FormulesParametriques(x, y, message)) {
        SignaleRefus(message);
        return;
    }
    if (Filles.empty() || !Filles.front()) {
        // The child of a line or conic that was copied, or made by a dialog.
        PtrCourbe fille = CreeCourbe(QLatin1Char('T'), NumeroFenetre, Numero);
        fille->Copie(*this);
        fille->SousType = 0;
        Filles.assign(1, fille);
    }
    auto* fille = dynamic_cast<GCY*>(Filles.front().get());
    if (!fille || fille->TypeCourbe != QLatin1Char('T')) {
        SignaleRefus(QStringLiteral("Problème de tracé !"));
        return;
    }
    CopieVersFille(*fille);
    if (!fille->FixeLibelles(x, y)) {
        SignaleRefus(QStringLiteral("Erreur dans libellés:") + x + QStringLiteral(";") + y);
        return;
    }
    TraceParFille(*this, *fille, peintre, repere);
}

void GCI::TraceImplicite(QPainter& peintre, GCRepere& repere)
{
    EvalueParametres();
    if (!CompileLibelle1(Libelle1) || Expression1.vide()) {
        SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    const ContexteCalcul& ctx = contexteCalcul();
    double pas, t1, t2, debut, fin;
    if (!LitPas(pas, false) || !LitIntervalle(t1, t2))
        return;
    auto borne = [](const std::string& texte, double& v) { return evalue(QString::fromStdString(texte), v); };
    if (!borne(ctx.DebutDicho, debut) || !borne(ctx.FinDicho, fin)) {
        SignaleRefus(QStringLiteral("Paramétrage des dichotomies incorrect : Début=") +
                     QString::fromStdString(ctx.DebutDicho) + QStringLiteral(" ; Fin=") +
                     QString::fromStdString(ctx.FinDicho));
        return;
    }

    const double etat0 = VariablesEtat()[0];
    Equation f(Expression1, pas);
    TraceurCourbe traceur(*this, peintre, repere);
    TraceurImplicite trace(f, traceur, pas);
    double xmin, xmax, ymin, ymax;
    repere.GetBornes(xmin, xmax, ymax, ymin);
    const double largeur = xmax - xmin, hauteur = ymax - ymin;
    trace.xmin = xmin;
    trace.xmax = xmax;
    // Roots to a ten-thousandth of the view, however far it is zoomed in.
    const double px = ctx.PrecisionXDicho;
    trace.precisionX = px > 0 && std::isfinite(px) ? std::min(px, largeur * 1e-4) : largeur * 1e-4;
    trace.precisionY = ctx.PrecisionYDicho;
    trace.sousIntervalles =
        std::clamp(std::max(ctx.SousIntervallesDicho, repere.LargeurTrace / PixelsParSousIntervalle), 1, 1000000);
    trace.tolerance = 1e-6 * std::min(largeur / repere.LargeurTrace, hauteur / repere.HauteurTrace);

    if (!Joint) {
        // Horizontal lines from Xinf to Xsup, the step growing by decades on a logarithmic
        // vertical axis.
        const bool logarithmique = repere.AxeY.TypeEchelle == EchelleLog;
        double t = t1, h = pas, decade = t1;
        trace.ligne(t);
        long long lignes = 1;
        while (t + h < t2) {
            if (logarithmique && PasLogarithmique(t, h, decade) && !(t + h < t2))
                break;
            if (t + h == t || lignes >= MaxLignes) {
                trace.arrete = true;
                break;
            }
            t += h;
            trace.ligne(t);
            ++lignes;
        }
        if (!trace.arrete && t2 - t > ctx.Epsilon)
            trace.ligne(t2);
    } else {
        trace.T1 = t1;
        trace.T2 = t2;
        trace.boiteX1 = xmin - largeur / 2;
        trace.boiteX2 = xmax + largeur / 2;
        trace.boiteY1 = std::min(ymin - hauteur / 2, debut);
        trace.boiteY2 = std::max(ymax + hauteur / 2, fin);
        trace.depuisLignes(debut, fin);
    }
    traceur.Termine();
    VariablesEtat()[0] = etat0;
    ErreurCalcul() = 0;
    if (traceur.NombrePoints() == 0)
        interlocuteur().avertit(QStringLiteral("-> Courbe ") + Nom +
                                QStringLiteral(" : aucun point de la courbe n'a été trouvé."));
    if (trace.arrete)
        AvertitArret();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

void GCI::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    if (SousType != 2)
        return;
    std::array<double, 6> v;
    QString message;
    if (!ValeursCoefficients(v, message)) {
        lignes << message;
        return;
    }
    const ElementsConique e = AnalyseConique(v[0], v[1], v[2], v[3], v[4], v[5]);
    switch (e.Genre) {
    case ConiqueEllipse:
        lignes << QStringLiteral("C'est une ellipse") << point(QStringLiteral("  Centre : ("), e.Centre)
               << point(QStringLiteral("  Vecteur directeur grand axe : ("), e.U)
               << point(QStringLiteral("  Vecteur directeur petit axe : ("), e.V)
               << valeur(QStringLiteral("  Demi-longueur grand axe : "), e.DemiAxe1)
               << valeur(QStringLiteral("  Demi-longueur petit axe : "), e.DemiAxe2)
               << point(QStringLiteral("  Premier foyer : ("), e.Foyer1)
               << point(QStringLiteral("  Second foyer : ("), e.Foyer2)
               << valeur(QStringLiteral("  Excentricité : "), e.Excentricite);
        break;
    case ConiqueHyperbole:
        lignes << (e.Equilatere ? QStringLiteral("C'est une hyperbole équilatère") : QStringLiteral("C'est une hyperbole"))
               << point(QStringLiteral("  Centre : ("), e.Centre)
               << point(QStringLiteral("  Vecteur directeur axe focal : ("), e.U)
               << point(QStringLiteral("  Vecteur directeur axe conjugué : ("), e.V)
               << point(QStringLiteral("  Premier sommet : ("), e.Sommet1)
               << point(QStringLiteral("  Second sommet : ("), e.Sommet2)
               << point(QStringLiteral("  Premier foyer : ("), e.Foyer1)
               << point(QStringLiteral("  Second foyer : ("), e.Foyer2)
               << valeur(QStringLiteral("  Excentricité : "), e.Excentricite);
        break;
    case ConiqueParabole:
        lignes << QStringLiteral("C'est une parabole") << point(QStringLiteral("  Centre : ("), e.Centre)
               << point(QStringLiteral("  Vecteur directeur axe de symétrie: ("), e.U)
               << point(QStringLiteral("  Foyer : ("), e.Foyer1) << valeur(QStringLiteral("  Paramètre p : "), e.Parametre);
        break;
    case ConiqueCercle:
        lignes << valeur(QStringLiteral("C'est un cercle de rayon :"), e.Rayon)
               << point(QStringLiteral("  et de centre : ("), e.Centre);
        break;
    case ConiqueDroite:
        lignes << QStringLiteral("C'est une droite (conique dégénérée)");
        break;
    case ConiqueDeuxDroites:
        lignes << QStringLiteral("C'est la réunion de deux droites (conique dégénérée)");
        break;
    case ConiquePoint:
        lignes << QStringLiteral("C'est un point (conique dégénérée)");
        break;
    default:
        lignes << QStringLiteral("Ce n'est pas une conique");
        break;
    }
}

void GCI::Journalise() const
{
    GCY::Journalise();
}

QString GCI::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint(TextesCoefficients);
}

void GCI::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(SousType) + ChampsTextes(TextesCoefficients);
}

bool GCI::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    if (!lu.entier(tete, SousType, QStringLiteral("sous-type")))
        return false;
    std::array<QString, 6> coefficients;
    const bool avec = Reste(tete);
    for (QString& x : coefficients)
        x = avec ? PremierChamp(tete) : QStringLiteral("0");
    FixeCoefficients(coefficients);
    auto fille = std::make_shared<GCY>(QLatin1Char('T'), NumeroFenetre, Numero);
    fille->Copie(*this);
    fille->FixeModeTrace(false, true);
    fille->FixeSousType(0);
    AjouteFille(fille);
    return true;
}
