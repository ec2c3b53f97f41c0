// Program entry.
#include <cstdio>
#include <string>

#include "expression/fonction.h"

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::printf("Usage : virk \"formule\" [x]\n");
        return 1;
    }
    const double x = argc > 2 ? EvalueTexte(argv[2]) : 0;
    Arbre arbre;
    if (!CompileExpr(argv[1], arbre)) {
        std::printf("Erreur de syntaxe dans le libellé n°1\n");
        return 1;
    }
    const double v = EvalueArbre(arbre, x);
    if (ErreurCalcul()) {
        std::printf("%s\n", MessageErreur().c_str());
        return 1;
    }
    std::printf("%.17g\n", v);
    return 0;
}
