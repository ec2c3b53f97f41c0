#include "graph/courbes/GCE.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/tracepoint.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// E

GCE::GCE(QChar genre, int ordre, int fenetre, int numero) : GCDG(genre, ordre, fenetre, numero)
{
    TextesInitiaux.fill(QStringLiteral("0"));
}

void GCE::Copie(const GCBase& source)
{
    GCDG::Copie(source);
    if (const auto* e = dynamic_cast<const GCE*>(&source)) {
        TextesInitiaux = e->TextesInitiaux;
        ValeursInitiales = e->ValeursInitiales;
    }
}

void GCE::FixeConditionsInitiales(const std::array<QString, 11>& textes)
{
    TextesInitiaux = textes;
    for (std::size_t i = 0; i < textes.size(); ++i)
        ValeursInitiales[i] = evalue(textes[i]);
}

void GCE::Trace(QPainter& peintre, GCRepere& repere)
{
    EvalueParametres();
    if (!CompileLibelle1(Libelle1) || Expression1.vide()) {
        SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    double debut = 0, fin = 0, pas = 0;
    if (!LitIntervalle(debut, fin))
        return;
    if (debut > fin) {
        SignaleRefus(QStringLiteral("début > fin !"));
        return;
    }
    if (!LitPas(pas, true))
        return;
    // Orders out of range come only from damaged files: nothing is drawn.
    const int n = Ordre >= 1 && Ordre <= 9 ? Ordre : 0;
    for (int k = 0; k <= n; ++k)
        if (!evalue(TextesInitiaux[std::size_t(k)], ValeursInitiales[std::size_t(k)])) {
            SignaleRefus(QStringLiteral("Condition initiale non calculable : ") + TextesInitiaux[std::size_t(k)]);
            return;
        }
    const double xo = ValeursInitiales[0];

    TraceurCourbe traceur(*this, peintre, repere);
    bool arrete = false;
    struct Point {
        double x, y;
    };
    // From (Xo, Yo, Y'o...) towards a, by steps of Pas (backwards when a <= Xo), keeping the
    // points that lie beyond b (the initial one when b is Xo); a value that cannot be computed
    // ends the pass with its error line.
    auto integre = [&](double a, double b, std::vector<Point>& sortie) {
        const double h = a <= xo ? -pas : pas;
        bool coupe = false;
        const long long nombre = nombrePas((a - xo) / h, &coupe);
        arrete = arrete || coupe;
        // Whole arrays are copied: a copy of n values would call the library's memmove at
        // every stage.
        double s[9] = {}, e[9] = {}, k[4][9] = {};
        // A value that overflows fails without a message: none must remain from before.
        MessageErreur() = "expression non calculable!";
        std::copy_n(ValeursInitiales.begin() + 1, n, s);
        if (b == xo)
            sortie.push_back({xo, s[0]});
        // The derivatives of the state e at x, times h.
        auto derivees = [&](const double* etat, double x, double* d) {
            std::copy_n(etat, 9, VariablesEtat());
            const double f = EvalueArbre(Expression1, x);
            if (ErreurCalcul()) {
                traceur.Echec(x, QString::fromStdString(MessageErreur()));
                return false;
            }
            for (int i = 0; i + 1 < n; ++i)
                d[i] = h * etat[i + 1];
            d[n - 1] = h * f;
            return true;
        };
        for (long long pasFait = 1; pasFait <= nombre; ++pasFait) {
            // The points are drawn once integrated: the follower is asked meanwhile.
            traceur.Suit();
            const double x0 = xo + double(pasFait - 1) * h;
            if (!derivees(s, x0, k[0]))
                return;
            for (int etape = 1; etape < 4; ++etape) {
                const double f = etape < 3 ? 0.5 : 1.0;
                for (int i = 0; i < n; ++i)
                    e[i] = s[i] + f * k[etape - 1][i];
                if (!derivees(e, x0 + f * h, k[etape]))
                    return;
            }
            bool fini = true;
            for (int i = 0; i < n; ++i) {
                s[i] += (k[0][i] + 2 * k[1][i] + 2 * k[2][i] + k[3][i]) / 6;
                fini = fini && std::isfinite(s[i]);
            }
            double x = xo + double(pasFait) * h;
            if (pasFait == nombre && std::fabs(x - a) <= 1e-6 * std::fabs(h))
                x = a;
            if (!fini) {
                traceur.Echec(x, QStringLiteral("expression non calculable!"));
                return;
            }
            if (h > 0 ? x > b : x < b)
                sortie.push_back({x, s[0]});
        }
    };
    // The points from left to right: the part left of Xo is integrated backwards, then
    // turned round.
    std::vector<Point> gauche, droite;
    if (n > 0) {
        if (fin <= xo) {
            integre(debut, fin, gauche);
        } else if (debut <= xo) {
            integre(debut, xo, gauche);
            integre(fin, xo, droite);
            if (!droite.empty())
                droite.erase(droite.begin());
        } else {
            integre(fin, debut, droite);
        }
    }
    ErreurCalcul() = 0;
    std::reverse(gauche.begin(), gauche.end());
    gauche.insert(gauche.end(), droite.begin(), droite.end());
    if (EtiquetteDessinee())
        traceur.DesactiveLots();
    traceur.Reserve((long long)gauche.size());
    traceur.FixeStylo(StyloLeve);
    for (const Point& p : gauche)
        PointEtiquete(traceur, peintre, repere, p.x, p.x, p.y);
    traceur.Termine();
    if (arrete)
        AvertitArret();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

void GCE::Evalue(double, double&, double&) const
{
    evaluationIndisponible();
}

namespace {
void lignesGCE(const GCE& e, QStringList& lignes)
{
    lignes << QStringLiteral("*** Conditions initiales ***") << QStringLiteral("Xo = ") + e.TextesInitiaux[0];
    const int n = std::clamp(e.Ordre, 0, 10);
    for (int k = 0; k < n; ++k)
        lignes << QStringLiteral("Y") + QString(k, QLatin1Char('\'')) + QStringLiteral("o = ") +
                      e.TextesInitiaux[std::size_t(k + 1)];
}
}  // namespace

void GCE::Decrit(QStringList& lignes) const
{
    GCDG::Decrit(lignes);
    lignesGCE(*this, lignes);
}

void GCE::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCDG::Journalise();
    QStringList lignes;
    lignesGCE(*this, lignes);
    journalise(lignes);
}

QString GCE::SignatureDefinition() const
{
    return GCDG::SignatureDefinition() + joint(TextesInitiaux);
}

QString ResumeConditions(int ordre, const std::array<QString, 11>& textes)
{
    QString resume = QStringLiteral("y(") + textes[0] + QStringLiteral(")=") + textes[1] + QLatin1Char(';');
    for (int k = 1; k < ordre && k + 1 < 11; ++k)
        resume += QStringLiteral("y[%1](").arg(k) + textes[0] + QStringLiteral(")=") + textes[k + 1] +
                  QLatin1Char(';');
    return resume;
}

void GCE::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(Ordre) + ChampsTextes(TextesInitiaux);
}

bool GCE::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    if (!lu.entier(tete, Ordre, QStringLiteral("ordre de l'équation")))
        return false;
    std::array<QString, 11> textes;
    for (int k = 0; k < 11; ++k) {
        textes[k] = PremierChamp(tete);
        if (k > Ordre)
            textes[k] = QStringLiteral("0");
    }
    FixeConditionsInitiales(textes);
    return true;
}

QString GCE::LigneTextes() const
{
    return ChampTexte(Libelle1) + SurUneLigne(Libelle2) + QLatin1Char(';') + ChampTexte(Nom);
}

void GCE::LitLigneTextes(QString ligne)
{
    // The summary is made again from the initial conditions; the name is the last field.
    const QString texte1 = PremierChamp(ligne).trimmed();
    QStringList champs = ligne.split(QLatin1Char(';'));
    champs.removeLast();
    const QString nom = champs.isEmpty() ? QString() : champs.last();
    FixeTextesLus(texte1, ResumeConditions(Ordre, TextesInitiaux));
    FixeNomLu(nom);
}
