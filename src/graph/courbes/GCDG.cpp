#include "graph/courbes/GCDG.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "expression/etat.h"
#include "expression/fonction.h"
#include "expression/formatage.h"
#include "expression/grfonc.h"
#include "graph/base/GCaides.h"
#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/enregistrement.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/courbes/tracepoint.h"

using namespace genres;

// ---------------------------------------------------------------------------------------
// D, G

GCDG::GCDG(QChar genre, int ordre, int fenetre, int numero) : GCY(genre, fenetre, numero), Ordre(ordre) {}

void GCDG::Copie(const GCBase& source)
{
    GCY::Copie(source);
    if (const auto* d = dynamic_cast<const GCDG*>(&source)) {
        Ordre = d->Ordre;
        Mere1 = d->Mere1;
    }
}

namespace {

// The smallest derivative step of each order, relative to max(1, |x|): below it rounding
// errors, divided by h^n, drown the derivative.
constexpr double PasMinimal[5] = {1e-5, 1e-4, 2e-3, 1e-2, 1.25e-2};

bool ordreValide(int ordre)
{
    return ordre >= 1 && ordre <= 5;
}

// Samples are kept only when their abscissa moves by more than this from the last kept.
constexpr double EcartEchantillons = 0.01;

}  // namespace

void GCDG::Trace(QPainter& peintre, GCRepere& repere)
{
    if (TypeCourbe == QLatin1Char('G')) {
        TraceDiscrete(peintre, repere);
        return;
    }
    // The mother's formula and parameters, as they are now; its own text when it has none.
    QString formule = Libelle1;
    const PtrCourbe mere = Mere1.isEmpty() ? nullptr : CourbeParIdentifiantPartout(Mere1);
    if (mere && mere.get() != this) {
        Parametres = mere->Parametres;
        formule = mere->Libelle1;
    }
    EvalueParametres();
    if (!CompileExpr(formule.toStdString(), Expression1)) {
        if (!Mere1.isEmpty() && !mere)
            SignaleMereIntrouvable();
        else
            SignaleRefus(QStringLiteral("Pb de libellé !"));
        return;
    }
    if (!ordreValide(Ordre)) {
        TraceurCourbe traceur(*this, peintre, repere);
        traceur.LigneErreur(QStringLiteral("Ordre de dérivation hors de 1..5 : ") + QString::number(Ordre));
        traceur.Termine();
        SignaleErreursCalcul(true);
        return;
    }
    TraceEchantillons(peintre, repere);
}

void GCDG::Evalue(double t, double& x, double& y) const
{
    x = t;
    if (!ordreValide(Ordre) || Expression1.vide()) {
        ErreurAvecMessage("expression non calculable!");
        return;
    }
    const double h = std::max(std::fabs(evalue(Pas)) / 10, PasMinimal[Ordre - 1] * std::max(1.0, std::fabs(t)));
    y = DeriveeNumerique(Expression1, Ordre, h, t);
}

void GCDG::TraceDiscrete(QPainter& peintre, GCRepere& repere)
{
    const PtrCourbe mere = MereAvecCache(Mere1, *this, peintre, repere);
    if (!mere) {
        SignaleMereIntrouvable();
        return;
    }
    EvalueParametres();
    TraceurCourbe traceur(*this, peintre, repere);
    const std::vector<PointCourbe> p = LitFichierPoints(mere->NomFichier()).points;
    if (!ordreValide(Ordre)) {
        traceur.LigneErreur(QStringLiteral("Ordre de dérivation hors de 1..5 : ") + QString::number(Ordre));
    } else if (p.size() < 20) {
        traceur.LigneErreur(QStringLiteral("Trop peu de valeurs dans le fichier mère"));
    } else {
        // One point per window of 2m + 1 samples, from each record of the mother on, up to
        // the last window the file holds whole.
        const int m = StencilsDerivees[Ordre - 1].termes;
        std::array<double, 11> X{}, Y{};
        for (std::size_t k = 0; k < p.size(); ++k) {
            int n = 0;
            for (std::size_t i = k; i < p.size() && n <= 2 * m; ++i)
                if (n == 0 || std::fabs(p[i].x - X[std::size_t(n - 1)]) > EcartEchantillons) {
                    X[std::size_t(n)] = p[i].x;
                    Y[std::size_t(n)] = p[i].y;
                    ++n;
                }
            if (n <= 2 * m)
                break;
            const double x = X[std::size_t(m)];
            const double y = DeriveeEchantillons(X, Y, Ordre);
            if (ErreurCalcul())
                traceur.Echec(x, QStringLiteral("expression non calculable!"));
            else
                traceur.Point(x, x, y);
        }
    }
    ErreurCalcul() = 0;
    traceur.Termine();
    SignaleErreursCalcul(traceur.ErreursRencontrees());
}

void GCDG::Decrit(QStringList& lignes) const
{
    GCY::Decrit(lignes);
    lignes << QStringLiteral("Ordre = ") + QString::number(Ordre);
}

void GCDG::Journalise() const
{
    if (!etatGraphe().EnregistrementSession)
        return;
    GCY::Journalise();
    journalise({QStringLiteral("Ordre = ") + QString::number(Ordre)});
}

QString GCDG::SignatureDefinition() const
{
    return GCY::SignatureDefinition() + joint({QString::number(Ordre), Mere1});
}

void GCDG::EcritChampsTete(QString& tete) const
{
    tete += ChampEntier(Ordre);
}

bool GCDG::LitChampsTete(QString& tete, LecteurEnregistrement& lu)
{
    return lu.entier(tete, Ordre, QStringLiteral("ordre de dérivation"));
}

void GCDG::FixeTextesLus(const QString& texte1, const QString& texte2)
{
    if (TypeCourbe == QLatin1Char('G'))
        GCCourbe::FixeTextesLus(texte1, texte2);
    else
        GCY::FixeTextesLus(texte1, texte2);
}
