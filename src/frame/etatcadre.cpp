#include "frame/etatcadre.h"

#include "window/fenetre.h"

EtatCadre& etatCadre()
{
    static EtatCadre etat;
    return etat;
}

void reinitialiseCadre()
{
    reinitialiseFenetres();
}
