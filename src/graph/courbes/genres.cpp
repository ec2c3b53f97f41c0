// The factory: the class that a kind letter selects, created with its defaults.
#include "graph/courbes/genres.h"

PtrCourbe CreeCourbe(QChar genre, int fenetre, int numero, int entier)
{
    switch (genre.unicode()) {
    case 'A': {
        auto a = std::make_shared<GCA>(genre, fenetre, numero);
        a->SousType = entier;
        return a;
    }
    case 'B':
    case 'C':
    case 'W':
        return std::make_shared<GCC>(genre, fenetre, numero);
    case 'D':
    case 'G':
        return std::make_shared<GCDG>(genre, entier, fenetre, numero);
    case 'E':
        return std::make_shared<GCE>(genre, entier, fenetre, numero);
    case 'H':
    case 'J':
    case 'R':
    case 'S':
        return std::make_shared<GCRS>(genre, fenetre, numero);
    case 'I':
        return std::make_shared<GCI>(genre, entier, fenetre, numero);
    case 'L':
        return std::make_shared<GCCourbe>(genre, fenetre, numero);
    case 'N':
        return std::make_shared<GCN>(genre, fenetre, numero, entier);
    case 'O':
        return std::make_shared<GCOperBinaire>(entier, fenetre, numero);
    case 'P':
    case 'T':
    case 'X':
    case 'Y':
        return std::make_shared<GCY>(genre, fenetre, numero);
    case 'Q':
    case 'U':
        return std::make_shared<GCOperUnaire>(genre, entier, fenetre, numero);
    default:
        return nullptr;
    }
}
