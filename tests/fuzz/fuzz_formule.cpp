// couche: expression
// dictionnaires: formule
// Any text as a formula: compiled, then evaluated at a few values of x and of the
// parameters, real and complex; also read as a number field.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "expression/fonction.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille)
{
    static bool pret = [] {
        definitFonctionAuxiliaire(1, "x^2-1");
        definitParametrePerso("vitesse", "3*a");
        return true;
    }();
    (void)pret;
    const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
    Arbre arbre;
    if (CompileExpr(texte, arbre)) {
        // Point by point and by blocks agree (values, flags and messages) where no random
        // number is drawn.
        const double xs[] = {0.0, 1.0, -3.7, 1e-300, 1e308};
        for (double a : {0.0, -2.5, 1e300}) {
            contexteCalcul().ValeursParametres[0] = a;
            double y[5];
            std::uint8_t echec[5];
            const char* messages[5];
            EvalueArbreLot(arbre, xs, y, echec, 5, messages);
            for (int i = 0; i < 5; ++i) {
                MessageErreur() = "";
                const double v = EvalueArbre(arbre, xs[i]);
                if (arbre.parLots && (echec[i] != ErreurCalcul() || (!echec[i] && !(v == y[i] || (v != v && y[i] != y[i]))) ||
                                      (echec[i] && MessageErreur() != (messages[i] ? messages[i] : ""))))
                    __builtin_trap();
            }
        }
    }
    EvalueTexte(texte);
    return 0;
}
