#include "graph/derivees/routines.h"

#include <algorithm>
#include <vector>

#include "graph/base/etatgraphe.h"
#include "graph/courbes/GCDessin.h"
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

QString MereIntrouvable()
{
    return QStringLiteral("Tracé impossible, mère introuvable !");
}

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
    if (!courbe.TexteEtiquette().isEmpty())
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

void SortieOperation::Coupure()
{
    traceur_.FixeStylo(StyloReprise);
    coupures_ = true;
}

bool SortieOperation::Termine()
{
    traceur_.Termine();
    return coupures_ || traceur_.ErreursRencontrees();
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
    nullptr,           //  8 Périodisée
    nullptr,           //  9 Décimée
    nullptr,           // 10 Régression
    nullptr,           // 11 Médianes mobiles
    nullptr,           // 12 Moyennes mobiles
    nullptr,           // 13 Regression affine glissante
    nullptr,           // 14 Développée
    nullptr,           // 15 Podaire
    nullptr,           // 16 Transformation quelconque
    nullptr,           // 17 Point libre sur courbe
    TraceSensInverse,  // 18 Tracé en sens inverse
    nullptr,           // 19 Réflexion d'axe horizontal
    nullptr,           // 20 Réflexion d'axe vertical
    nullptr,           // 21 Réflexion d'axe oblique
    nullptr,           // 22 Symétrie centrale
    nullptr,           // 23 Inversion complexe
    nullptr,           // 24 Inversion géométrique
    nullptr,           // 25 Translation
    nullptr,           // 26 Rotation
    nullptr,           // 27 Homothétie
    nullptr,           // 28 Similitude
    nullptr,           // 29 Affinité d'axe horizontal
    nullptr,           // 30 Affinité d'axe vertical
    nullptr,           // 31 Affinité
    nullptr,           // 32 Homographie
    nullptr,           // 33 Transformation de Joukovski
    nullptr,           // 34 Transformation de Fourier discrète
    nullptr,           // 35 Projection sur un axe horizontal
    nullptr,           // 36 Projection sur un axe oblique
    nullptr,           // 37 Projection sur un axe vertical
    nullptr,           // 38 Transformée de Laplace
    TracePonctuelle,   // 39 N-ième composée
    nullptr,           // 40 Transformation complexe
    nullptr,           // 41 Histogramme
    nullptr,           // 42 Point particulier sur courbe
    nullptr,           // 43 Tangente
    nullptr,           // 44 Lissage à noyau gaussien
    nullptr,           // 45 Projection horizontale sur x=f(y)
    nullptr,           // 46 Projection verticale sur y=f(x)
    nullptr,           // 47 Enveloppe inférieure
    nullptr,           // 48 Enveloppe supérieure
    TracePonctuelle,   // 49 Composante en X
    TracePonctuelle,   // 50 Composante en Y
    nullptr,           // 51 Blocage retard
    nullptr,           // 52 Blocage avance
    nullptr,           // 53 Primitive discrète
    nullptr,           // 54 Normale
    nullptr,           // 55 Cercle de courbure
    nullptr,           // 56 Centre de courbure
    TracePonctuelle,   // 57 Norme
    nullptr,           // 58 Blocage mini
    nullptr,           // 59 Blocage moyenne
    nullptr,           // 60 Blocage maxi
    nullptr,           // 61 Blocage médian
    nullptr,           // 62 Blocage quelconque
};

}  // namespace

RoutineOperation RoutineDuCode(int code)
{
    return code >= 0 && code < NbCodesOperation ? Routines[code] : nullptr;
}
