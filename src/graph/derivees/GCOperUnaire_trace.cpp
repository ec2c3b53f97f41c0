// The dispatcher of the curves derived from one mother: the mother found again by
// identifier, its parameters and bounds taken, then the compute routine of the code.
#include <QPainter>
#include <algorithm>
#include <vector>

#include "graph/courbes/GCC.h"
#include "graph/courbes/GCDessin.h"
#include "graph/courbes/genres_outils.h"
#include "graph/courbes/pointscourbe.h"
#include "graph/derivees/GCOperUnaire.h"
#include "graph/derivees/routines.h"

void GCOperUnaire::Trace(QPainter& peintre, GCRepere& repere)
{
    PtrCourbe mere = MereDisponible(Mere1, *this);
    if (!mere) {
        SignaleMereIntrouvable();
        return;
    }
    if (Operation < 0 || Operation >= NbCodesOperation) {
        SignaleRefus(QStringLiteral("Tracé impossible!"));
        return;
    }
    if (const QString refus = RefusGenreOperation(Operation, *mere); !refus.isEmpty()) {
        SignaleRefus(refus);
        return;
    }
    const GardeTraceDerivee garde(this);
    // A mother that has no cache yet is traced first, unseen.
    mere = MereAvecCache(Mere1, *this, peintre, repere);
    if (!mere) {
        SignaleMereIntrouvable();
        return;
    }

    // The mother's parameters.
    const int n = GardeSonA9(Operation) ? 9 : 10;
    for (int k = 0; k < n; ++k)
        Parametres[std::size_t(k)] = mere->Parametres[std::size_t(k)];

    // The mother's bounds: curves of a start and a step give those; lists, plates,
    // sequences and the curves of a point (Q) give none; the holds, the regression and the
    // Laplace transform keep their own.
    const QChar genre = mere->TypeCourbe.toUpper();
    if (const auto* c = dynamic_cast<const GCC*>(mere.get())) {
        QString debut, pas;
        c->DebutPas(debut, pas);
        FixeBornes(debut, debut, pas);
    } else if (const auto* y = dynamic_cast<const GCY*>(mere.get());
               y && genre != QLatin1Char('Q') && !EstCodeBlocage(Operation) && Operation != 10 && Operation != 38) {
        FixeBornes(y->Xinf, y->Xsup, y->Pas);
    }

    if (EstCodeBlocage(Operation) && !ValeursImposees) {
        double pas = 0, periode = 0;
        if (!LitPas(pas, false))
            return;
        if (!genres::evalue(ParametresOperation[0], periode) || pas >= periode) {
            SignaleRefus(QStringLiteral("Tracé impossible! (période<=pas)"));
            return;
        }
    }
    CreeFilles(*mere);
    const RoutineOperation routine = RoutineDuCode(Operation);
    if (!routine) {
        TraceIndisponible();
        return;
    }
    EvalueParametres();

    SortieOperation sortie(*this, peintre, repere);
    if (!routine(*this, *mere, sortie) || sortie.Deleguee())
        return;
    const bool erreurs = sortie.Termine();
    if (Fleches >= 1 && Fleches <= 3 && Visible)
        DessineFlechesCourbe(peintre, repere, LitFichierPoints(FichierPoints).points, Couleur, Fleches);
    SignaleErreursCalcul(erreurs);
}
