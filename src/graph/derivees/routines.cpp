#include "graph/derivees/routines.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include <QPainter>

#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/derivees/GCOperUnaire.h"

// ---------------------------------------------------------------------------------------
// Mothers

namespace {

std::vector<const GCCourbe*>& enTrace()
{
    static std::vector<const GCCourbe*> courbes;
    return courbes;
}

}  // namespace

PtrCourbe MereDisponible(const QString& identifiant, const GCCourbe& fille)
{
    PtrCourbe mere = identifiant.isEmpty() ? nullptr : CourbeParIdentifiantPartout(identifiant);
    if (!mere || mere.get() == &fille || std::find(enTrace().begin(), enTrace().end(), mere.get()) != enTrace().end())
        return nullptr;
    return mere;
}

GardeTraceDerivee::GardeTraceDerivee(const GCCourbe* courbe)
{
    enTrace().push_back(courbe);
}

GardeTraceDerivee::~GardeTraceDerivee()
{
    enTrace().pop_back();
}

// ---------------------------------------------------------------------------------------
// The output of a routine

SortieOperation::SortieOperation(GCRelNum& courbe, QPainter& peintre, GCRepere& repere)
    : courbe_(courbe), peintre_(peintre), repere_(repere), traceur_(courbe, peintre, repere)
{
    // A label drawn between two points: every point on its own.
    if (courbe.EtiquetteDessinee())
        traceur_.DesactiveLots();
    etatGraphe().valeursCourantes.n = 0;
}

void SortieOperation::Point(double t, double x, double y)
{
    ++etatGraphe().valeursCourantes.n;
    // The first record of a cache moves the pen, whatever failed before it.
    if (traceur_.NombrePoints() == 0)
        traceur_.FixeStylo(StyloLeve);
    courbe_.PointEtiquete(traceur_, peintre_, repere_, t, x, y);
}

void SortieOperation::PointDeMere(const PointCourbe& mere, double x, double y)
{
    if (traceur_.Stylo() == StyloBaisse)
        traceur_.FixeStylo(mere.stylo);
    Point(mere.t, x, y);
}

void SortieOperation::Segment(double x1, double y1, double x2, double y2, const QPen& stylo)
{
    int l = 0, h = 0;
    repere_.GetTailleTrace(l, h);
    const Correspondance carte = repere_.correspondance();
    peintre_.save();
    peintre_.setClipRect(QRect(repere_.GetOrigine(), QSize(l + 1, h + 1)));
    peintre_.setPen(stylo);
    peintre_.drawLine(carte.MondeVersPixel(x1, y1), carte.MondeVersPixel(x2, y2));
    peintre_.restore();
}

void SortieOperation::Coupure()
{
    traceur_.FixeStylo(StyloReprise);
    coupures_ = true;
    traceur_.Suit();
}

bool SortieOperation::Termine()
{
    traceur_.Termine();
    return coupures_ || traceur_.ErreursRencontrees();
}

bool ValeurParametre(GCOperUnaire& courbe, int i, double& valeur)
{
    const QString& texte = courbe.ParametresOperation[std::size_t(i)];
    if (genres::evalue(texte, valeur))
        return true;
    courbe.SignaleRefus(QStringLiteral("Tracé impossible! Paramètre n°%1 incorrect : ").arg(i + 1) + texte);
    return false;
}

bool ValeursParametres(GCOperUnaire& courbe, std::initializer_list<double*> valeurs)
{
    int i = 0;
    for (double* v : valeurs)
        if (!ValeurParametre(courbe, i++, *v))
            return false;
    return true;
}

bool EntierParametre(GCOperUnaire& courbe, int i, long long& valeur)
{
    double v = 0;
    if (!ValeurParametre(courbe, i, v))
        return false;
    v = std::clamp(std::nearbyint(v), -0x1p53, 0x1p53);
    valeur = static_cast<long long>(v);
    return true;
}

// ---------------------------------------------------------------------------------------
// The table: one row per code, null while the code's computation is not there.

namespace {

const RoutineOperation Routines[NbCodesOperation] = {
    TracePonctuelle,   //  0 Opposée
    TracePonctuelle,   //  1 Inverse
    TracePonctuelle,   //  2 Puissance n-ième
    TracePonctuelle,   //  3 Valeur absolue
    TracePonctuelle,   //  4 Partie positive
    TracePonctuelle,   //  5 Partie négative
    TracePonctuelle,   //  6 Ecrétée
    TracePonctuelle,   //  7 Multipliée par un nombre
    TracePeriodisation, //  8 Périodisée
    TraceDecimation,   //  9 Décimée
    TraceRegression,   // 10 Régression
    TraceLissage,      // 11 Médianes mobiles
    TraceLissage,      // 12 Moyennes mobiles
    TraceLissage,      // 13 Regression affine glissante
    TraceDeveloppee, // 14 Développée
    TraceDeveloppee, // 15 Podaire
    TraceTransformation, // 16 Transformation quelconque
    TracePointSurCourbe, // 17 Point libre sur courbe
    TraceSensInverse,  // 18 Tracé en sens inverse
    TraceTransformation, // 19 Réflexion d'axe horizontal
    TraceTransformation, // 20 Réflexion d'axe vertical
    TraceTransformation, // 21 Réflexion d'axe oblique
    TraceTransformation, // 22 Symétrie centrale
    TraceTransformation, // 23 Inversion complexe
    TraceTransformation, // 24 Inversion géométrique
    TraceTransformation, // 25 Translation
    TraceTransformation, // 26 Rotation
    TraceTransformation, // 27 Homothétie
    TraceTransformation, // 28 Similitude
    TraceTransformation, // 29 Affinité d'axe horizontal
    TraceTransformation, // 30 Affinité d'axe vertical
    TraceTransformation, // 31 Affinité
    TraceTransformation, // 32 Homographie
    TraceTransformation, // 33 Transformation de Joukovski
    TraceTFD, // 34 Transformation de Fourier discrète
    TraceTransformation, // 35 Projection sur un axe horizontal
    TraceTransformation, // 36 Projection sur un axe oblique
    TraceTransformation, // 37 Projection sur un axe vertical
    TraceLaplace, // 38 Transformée de Laplace
    TracePonctuelle,   // 39 N-ième composée
    TraceTransformation, // 40 Transformation complexe
    TraceHistogramme, // 41 Histogramme
    TracePointParticulier, // 42 Point particulier sur courbe
    TraceTangente, // 43 Tangente
    TraceLissage,      // 44 Lissage à noyau gaussien
    TraceTransformation, // 45 Projection horizontale sur x=f(y)
    TraceTransformation, // 46 Projection verticale sur y=f(x)
    TraceEnveloppe,    // 47 Enveloppe inférieure
    TraceEnveloppe,    // 48 Enveloppe supérieure
    TracePonctuelle,   // 49 Composante en X
    TracePonctuelle,   // 50 Composante en Y
    TraceBlocage,      // 51 Blocage retard
    TraceBlocage,      // 52 Blocage avance
    TracePrimitive, // 53 Primitive discrète
    TraceTangente, // 54 Normale
    TraceTangente, // 55 Cercle de courbure
    TraceTangente, // 56 Centre de courbure
    TracePonctuelle,   // 57 Norme
    TraceBlocage,      // 58 Blocage mini
    TraceBlocage,      // 59 Blocage moyenne
    TraceBlocage,      // 60 Blocage maxi
    TraceBlocage,      // 61 Blocage médian
    TraceBlocage,      // 62 Blocage quelconque
};

}  // namespace

RoutineOperation RoutineDuCode(int code)
{
    return code >= 0 && code < NbCodesOperation ? Routines[code] : nullptr;
}
