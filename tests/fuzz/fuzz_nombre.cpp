// couche: expression
// dictionnaires: formule
// Number texts: read as a number field; the value written back by the display and the
// exact writers must read back (exactly for ReelExact, to the displayed precision for
// ReelVersTexte); the axis label styles must return.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "expression/fonction.h"
#include "expression/formatage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    const std::string texte(reinterpret_cast<const char*>(donnees), taille);
    const double v = EvalueTexte(texte);
    double valeurs[2] = {v, 0};
    if (taille >= 8)
        std::memcpy(&valeurs[1], donnees, 8);  // any bit pattern as a double
    for (double x : valeurs) {
        const std::string exact = ReelExact(x);
        if (std::isfinite(x)) {
            const double relu = EvalueTexte(exact);
            if (ErreurCalcul() || (relu != x && !(relu == 0 && x == 0)))
                std::abort();
        }
        const std::string affiche = ReelVersTexte(x);
        if (std::isfinite(x) && std::fabs(x) < 1e300) {
            const double relu = EvalueTexte(affiche);
            if (ErreurCalcul())
                std::abort();
            (void)relu;
        }
        for (int style = 0; style <= 5; ++style)
            FormateReel(style, x);
    }
    return 0;
}
