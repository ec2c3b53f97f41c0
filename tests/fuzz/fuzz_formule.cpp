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
        for (double a : {0.0, -2.5, 1e300}) {
            contexteCalcul().ValeursParametres[0] = a;
            for (double x : {0.0, 1.0, -3.7, 1e-300, 1e308})
                EvalueArbre(arbre, x);
        }
    }
    EvalueTexte(texte);
    return 0;
}
