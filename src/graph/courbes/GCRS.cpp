#include "graph/courbes/GCRS.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "expression/simul.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/tracepoint.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// H, J, R, S

GCRS::GCRS(QChar genre, int fenetre, int numero) : GCY(genre, fenetre, numero) {}

void GCRS::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* r = dynamic_cast<const GCRS*>(&source)) {
        TexteBorne1 = r->TexteBorne1;
        TexteBorne2 = r->TexteBorne2;
        Borne1 = r->Borne1;
        Borne2 = r->Borne2;
    }
}

void GCRS::FixeBornes(const QString& borne1, const QString& borne2)
{
    TexteBorne1 = borne1;
    TexteBorne2 = borne2;
    VerifieBornes();
}

bool GCRS::VerifieBornes()
{
    EvalueParametres();
    const bool ok1 = evalue(TexteBorne1, Borne1);
    const bool ok2 = evalue(TexteBorne2, Borne2);
    if (!ok1)
        Borne1 = 0;
    if (!ok2)
        Borne2 = 0;
    return ok1 && ok2;
}

namespace {

// The terms of a series from the first to the last index, both rounded to the nearest whole
// number (halves to even): 0 when the last comes first, -1 when there are too many.
long long nombreTermes(double premier, double dernier)
{
    const double n = std::nearbyint(dernier) - std::nearbyint(premier) + 1;
    if (!(n > 0))
        return 0;
    return n <= double(MaxPointsTrace) ? static_cast<long long>(n) : -1;
}

}  // namespace

void GCRS::Trace(QPainter& peintre, GCRepere& repere)
{
    if (TypeCourbe == QLatin1Char('H')) {
        TraceSysteme(peintre, repere);
        return;
    }
    // The bounds may hold parameters: they are evaluated again at every trace.
    const bool lues = VerifieBornes();
    if (!CompileLibelle1(Libelle1) || Expression1.vide()) {
        SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    if (!lues) {
        SignaleRefus(QStringLiteral("Bornes de calcul incorrectes : Borne inf=") + TexteBorne1 +
                     QStringLiteral(" ; Borne sup=") + TexteBorne2);
        return;
    }
    if (TypeCourbe == QLatin1Char('R') && !(Borne1 < Borne2)) {
        SignaleRefus(QStringLiteral("Attention : Borne inf >= Borne sup !"));
        return;
    }
    if (TypeCourbe == QLatin1Char('S')) {
        const long long termes = nombreTermes(Borne1, Borne2);
        if (termes == 0) {
            SignaleRefus(QStringLiteral("Attention : Borne inf > Borne sup !"));
            return;
        }
        if (termes < 0) {
            SignaleRefus(QStringLiteral("Attention : la série compte plus de %1 termes !").arg(MaxPointsTrace));
            return;
        }
    }
    TraceEchantillons(peintre, repere);
}

void GCRS::Evalue(double t, double& x, double& y) const
{
    x = t;
    switch (TypeCourbe.unicode()) {
    case 'J':
        // The formula is integrated over its x, while Y reads the curve's abscissa.
        VariablesEtat()[0] = t;
        // An integral that does not converge fails without a message of its own.
        MessageErreur() = "expression non calculable!";
        if (Tempo == 0) {
            double erreur = 0;
            y = IntegreArbre(Expression1, erreur, Borne1, Borne2, contexteCalcul().Epsilon);
        } else {
            y = IntegreArbreSimple(Expression1, Tempo, Borne1, Borne2);
        }
        break;
    case 'R': {
        const double a = Borne1, periode = Borne2 - Borne1;
        if (!(periode > 0) || !std::isfinite(periode)) {
            ErreurAvecMessage("Attention : Borne inf >= Borne sup !");
            return;
        }
        const double u = (t - a) / periode;
        y = EvalueArbre(Expression1, (u - std::floor(u)) * periode + a);
        break;
    }
    case 'S': {
        const long long termes = nombreTermes(Borne1, Borne2);
        if (termes < 0) {
            ErreurAvecMessage("trop de termes à sommer !");
            return;
        }
        const double premier = std::nearbyint(Borne1);
        double somme = 0;
        for (long long k = 0; k < termes; ++k) {
            VariablesEtat()[1] = premier + double(k);
            somme += EvalueArbre(Expression1, t);
            // A term that fails makes the point fail: the next one would clear the flag.
            if (ErreurCalcul())
                return;
        }
        y = somme;
        if (!std::isfinite(y))
            ErreurAvecMessage("expression non calculable!");
        break;
    }
    default:
        evaluationIndisponible();
        break;
    }
}

// ---------------------------------------------------------------------------------------
// Trajectories of a system

namespace {

// The field of the system at a point, (u, v); false when an evaluation fails.
bool champSysteme(const Arbre& f, const Arbre& g, bool polaire, double x, double y, double& u, double& v)
{
    double t = x;
    if (polaire) {
        double rho = 0, degres = 0;   // the origin has no angle: 0
        CartesienVersPolaire(x, y, rho, degres);
        VariablesEtat()[0] = rho;
        t = degres * std::numbers::pi / 180;
    } else {
        VariablesEtat()[0] = y;
    }
    const double a = EvalueArbre(f, t);
    if (ErreurCalcul())
        return false;
    const double b = EvalueArbre(g, t);
    if (ErreurCalcul())
        return false;
    if (polaire) {
        // theta' = a, r' = b
        u = b * std::cos(t) - y * a;
        v = b * std::sin(t) + x * a;
    } else {
        u = a;
        v = b;
    }
    return true;
}

}  // namespace

void GCRS::TraceSysteme(QPainter& peintre, GCRepere& repere)
{
    EvalueParametres();
    if (!FixeLibelles(Libelle1, Libelle2) || Expression1.vide() || Expression2.vide()) {
        SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    if (!VerifieBornes()) {
        SignaleRefus(QStringLiteral("Conditions initiales incorrectes : Xo=") + TexteBorne1 + QStringLiteral(" ; Yo=") +
                     TexteBorne2);
        return;
    }
    double t1 = 0, t2 = 0, pas = 0;
    if (!LitIntervalle(t1, t2) || !LitPas(pas, true))
        return;
    const double xo = Borne1, yo = Borne2;
    const bool polaire = Aleatoire;

    TraceurCourbe traceur(*this, peintre, repere);
    bool arrete = false;

    // From the initial point, n steps of arc length h (h < 0: against the field).
    auto integre = [&](double h, double q) {
        bool coupe = false;
        const long long n = nombrePas(q, &coupe);
        arrete = arrete || coupe;
        if (n == 0)
            return;
        double x = xo, y = yo;
        traceur.FixeStylo(StyloLeve);
        traceur.Point(xo, x, y);
        for (long long k = 1; k <= n; ++k) {
            const double t = xo + double(k) * h;
            double kx[4], ky[4];
            double px = x, py = y;
            for (int etape = 0; etape < 4; ++etape) {
                double u = 0, v = 0;
                if (!champSysteme(Expression1, Expression2, polaire, px, py, u, v)) {
                    ErreurCalcul() = 0;
                    return;
                }
                const double vitesse = std::hypot(u, v);
                if (!std::isfinite(vitesse)) {
                    traceur.Echec(t, QStringLiteral("expression non calculable!"));
                    return;
                }
                if (vitesse == 0)
                    return;
                // The trajectory ends at an equilibrium: one lies within about a step when
                // the field turns by more than a right angle between the stages of a step
                // (a step of length h overshoots it). Away from equilibria the field turns
                // by about h / (radius of curvature), however fast or slow it is.
                kx[etape] = h * u / vitesse;
                ky[etape] = h * v / vitesse;
                if (etape > 0 && kx[etape] * kx[0] + ky[etape] * ky[0] < 0)
                    return;
                const double f = etape < 2 ? 0.5 : 1.0;
                px = x + f * kx[etape];
                py = y + f * ky[etape];
            }
            x += (kx[0] + 2 * kx[1] + 2 * kx[2] + kx[3]) / 6;
            y += (ky[0] + 2 * ky[1] + 2 * ky[2] + ky[3]) / 6;
            if (!std::isfinite(x) || !std::isfinite(y)) {
                traceur.Echec(t, QStringLiteral("expression non calculable!"));
                return;
            }
            traceur.Point(t, x, y);
        }
    };
    // A start outside [Xinf, Xsup] takes no step on that side.
    if (t1 != t2) {
        integre(-pas, (xo - t1) / pas);
        integre(pas, (t2 - xo) / pas);
    }
    traceur.Termine();
    if (arrete)
        AvertitArret();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

namespace {
void lignesGCRS(const GCRS& r, QStringList& lignes)
{
    if (r.TypeCourbe == QLatin1Char('H'))
        lignes << QStringLiteral("*** Conditions initiales ***") << QStringLiteral("Xo= ") + r.TexteBorne1
               << QStringLiteral("Yo= ") + r.TexteBorne2;
    else
        lignes << QStringLiteral("*** Bornes de calcul ***") << QStringLiteral("Borne inf= ") + r.TexteBorne1
               << QStringLiteral("Borne sup= ") + r.TexteBorne2;
}
}  // namespace

void GCRS::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignesGCRS(*this, lignes);
}

void GCRS::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    QStringList lignes;
    lignesGCRS(*this, lignes);
    journalise(lignes);
}

QString GCRS::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({TexteBorne1, TexteBorne2});
}

void GCRS::EcritChampsTete(QString& tete) const
{
    // H too writes the texts of Xo and Yo, not rounded values.
    tete += ChampTexte(TexteBorne1) + ChampTexte(TexteBorne2);
}

bool GCRS::LitChampsTete(QString& tete, LecteurEnregistrement&)
{
    const QString borne1 = PremierChamp(tete);
    const QString borne2 = PremierChamp(tete);
    FixeBornes(borne1, borne2);
    return true;
}

bool GCRS::LitQueue(LecteurEnregistrement&, bool jetable)
{
    if (!jetable && GenreParmi(TypeCourbe, "JRS"))
        VerifieBornes();
    return true;
}
