#include "graph/courbes/GCC.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/lignespoints.h"
#include "graph/courbes/tracepoint.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// B, C, W: control points and chronicles

GCC::GCC(QChar genre, int fenetre, int numero) : GCCourbe(genre, fenetre, numero) {}

void GCC::Copie(const GCBase& source)
{
    GCCourbe::Copie(source);
    if (const auto* c = dynamic_cast<const GCC*>(&source)) {
        Debut = c->Debut;
        PasC = c->PasC;
    }
}

namespace {

// Most control-point operations of one Bézier trace (about half a second of work): the
// number of samples goes down as the square of the number of control points goes up.
constexpr double TravailBezierMax = 5e8;

// The Bézier point of parameter t (de Casteljau), in the working array w.
QPointF casteljau(const std::vector<QPointF>& p, std::vector<QPointF>& w, double t)
{
    w = p;
    const std::size_t n = w.size();
    for (std::size_t r = 1; r < n; ++r)
        for (std::size_t i = 0; i + r < n; ++i)
            w[i] = (1 - t) * w[i] + t * w[i + 1];
    return w.front();
}

// The point of parameter t of the cubic B-spline of N >= 4 control points on the clamped
// uniform knots 0, 0, 0, 0, 1, ..., N - 4, N - 3, N - 3, N - 3, N - 3 (de Boor), for t in
// [0, N - 3).
QPointF deBoor(const std::vector<QPointF>& p, double t)
{
    const long long n = static_cast<long long>(p.size());
    const auto u = [n](long long i) { return double(std::clamp<long long>(i - 3, 0, n - 3)); };
    const long long k = std::min<long long>(static_cast<long long>(t) + 3, n - 1);
    QPointF d[4];
    for (int j = 0; j < 4; ++j)
        d[j] = p[std::size_t(k - 3 + j)];
    for (int r = 1; r <= 3; ++r)
        for (int j = 0; j <= 3 - r; ++j) {
            const long long i = k + j;
            const double den = u(i + 1) - u(i - 3 + r);
            if (den != 0)
                d[j] = ((t - u(i - 3 + r)) * d[j + 1] + (u(i + 1) - t) * d[j]) / den;
        }
    return d[0];
}

}  // namespace

void GCC::Trace(QPainter& peintre, GCRepere& repere)
{
    EvalueParametres();
    double pas = 0;
    if (!evalue(PasC, pas) || !(pas > 0)) {
        SignaleRefus(QStringLiteral("Pas=") + PasC + QStringLiteral(":le pas de calcul doit être >0"));
        return;
    }
    QStringList lignes;
    if (!LignesDonnees(peintre, repere, lignes))
        return;
    if (TypeCourbe == QLatin1Char('C'))
        TraceChronique(peintre, repere, lignes, pas);
    else
        TracePointsDeControle(peintre, repere, lignes, pas);
}

std::vector<ValeurChronique> ValeursChronique(const QStringList& lignes)
{
    std::vector<ValeurChronique> valeurs;
    for (const QString& ligne : lignes) {
        const QString texte = ligne.trimmed();
        if (texte.isEmpty())
            continue;
        ValeurChronique v;
        // A plain number reads without the parser, to the same value; "," stands for ".".
        QString point = texte;
        point.replace(QLatin1Char(','), QLatin1Char('.'));
        v.y = point.toDouble(&v.ok);
        v.ok = (v.ok && std::isfinite(v.y)) || genres::evalue(point, v.y);
        if (!v.ok)
            v.ligne = ligne;
        valeurs.push_back(v);
    }
    return valeurs;
}

QStringList LignesChronique(const std::vector<double>& valeurs)
{
    QStringList lignes;
    lignes.reserve(qsizetype(valeurs.size()));
    for (double v : valeurs)
        lignes << QString::fromStdString(ReelExact(v));
    return lignes;
}

void GCC::TraceChronique(QPainter& peintre, GCRepere& repere, const QStringList& lignes, double pas)
{
    double debut = 0;
    if (!evalue(Debut, debut)) {
        SignaleRefus(QStringLiteral("Début=") + Debut + QStringLiteral(" : valeur incorrecte"));
        return;
    }
    const std::vector<ValeurChronique> valeurs = ValeursChronique(lignes);
    TraceurCourbe traceur(*this, peintre, repere);
    traceur.Reserve((long long)valeurs.size());
    traceur.FixeStylo(StyloLeve);
    for (std::size_t k = 0; k < valeurs.size(); ++k) {
        if (valeurs[k].ok)
            traceur.Point(double(k), debut + double(k) * pas, valeurs[k].y);
        else
            traceur.LigneErreur(QStringLiteral("chaîne rencontrée: ") + valeurs[k].ligne);
    }
    traceur.Termine();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

void GCC::TracePointsDeControle(QPainter& peintre, GCRepere& repere, const QStringList& lignes, double pas)
{
    const std::vector<QPointF> p = PointsDeControle(lignes, Batons);
    if (p.empty()) {
        RefusDonnees(peintre, repere, QStringLiteral("Le fichier désigné n'est pas un fichier de points"));
        return;
    }
    const bool bezier = TypeCourbe == QLatin1Char('B');
    const double n = double(p.size());
    // The parameter runs over [0, 1] (Bézier, even with a single control point, which every
    // sample gives) or [0, N - 3] (B-spline); with fewer than four control points a B-spline
    // is its first and last points.
    const double fin = bezier ? 1 : p.size() == 1 ? 0 : std::max(0.0, n - 3);
    const bool interieur = bezier ? p.size() > 2 : p.size() >= 4;
    const double maxi = bezier ? std::floor(TravailBezierMax / (n * n / 2)) : double(MaxPointsTrace);
    TraceurCourbe traceur(*this, peintre, repere);
    traceur.FixeStylo(StyloLeve);
    traceur.Point(0, p.front().x(), p.front().y());
    std::vector<QPointF> travail;
    double t = 0;
    bool arrete = false;
    long long nombre = 0;
    while (t + pas < fin) {
        if (t + pas == t || double(nombre) >= std::min(maxi, double(MaxPointsTrace))) {
            arrete = true;
            break;
        }
        t += pas;
        ++nombre;
        QPointF q;
        if (p.size() == 1)
            q = p.front();
        else if (!interieur)  // two Bézier control points: the segment between them
            q = (1 - t) * p.front() + t * p.back();
        else
            q = bezier ? casteljau(p, travail, t) : deBoor(p, t);
        traceur.Point(t, q.x(), q.y());
    }
    if (!arrete && (bezier || p.size() > 1))
        traceur.Point(fin, p.back().x(), p.back().y());
    traceur.Termine();
    if (arrete)
        interlocuteur().avertit(QStringLiteral("-> Courbe ") + Nom + QStringLiteral(" : pas de calcul trop petit (Pas=") +
                                PasC + QStringLiteral("), le tracé a été arrêté avant la fin."));
}

namespace {
void lignesGCC(const GCC& c, QStringList& lignes)
{
    lignes << QStringLiteral("Début= ") + c.Debut << QStringLiteral("Pas= ") + c.PasC;
    if (c.Batons)
        lignes << (c.TypeCourbe == QLatin1Char('C') ? QStringLiteral("Tracé en bâtons") : QStringLiteral("Coordonnées polaires"));
}
}  // namespace

void GCC::Decrit(QStringList& lignes) const
{
    LignesDeBase(lignes);
    lignesGCC(*this, lignes);
}

void GCC::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    QStringList lignes;
    LignesJournal(lignes);
    lignesGCC(*this, lignes);
    journalise(lignes);
}

QString GCC::SignatureDefinition() const
{
    return GCCourbe::SignatureDefinition() + joint({Debut, PasC});
}

void GCC::EcritChampsTete(QString& tete) const
{
    tete += ChampTexte(Debut) + ChampTexte(PasC);
}

bool GCC::LitChampsTete(QString& tete, LecteurEnregistrement&)
{
    const QString debut = PremierChamp(tete);
    const QString pas = PremierChamp(tete);
    FixeDebutPas(debut, pas);
    return true;
}

bool GCC::LitQueue(LecteurEnregistrement&, bool)
{
    if (GenreParmi(TypeCourbe, "BW")) {
        // The control points are read through a list curve that stands in no list.
        auto points = std::make_shared<GCCourbe>(QLatin1Char('L'), NumeroFenetre, 0);
        points->Copie(*this);
        FixeMere(1, points->Identifiant);
    }
    return true;
}
