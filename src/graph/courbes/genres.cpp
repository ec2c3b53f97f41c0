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

PtrCourbe CloneCourbe(const GCCourbe& source, int numero, int numeroFenetre)
{
    const QChar genre = source.TypeCourbe.toUpper();
    if (!EstGenreCourbe(genre))
        return nullptr;
    // What the class's constructor needs besides the letter.
    int entier = 0;
    switch (genre.unicode()) {
    case 'A':
    case 'I':
    case 'N':
        entier = source.SousType;
        break;
    case 'D':
    case 'E':
    case 'G':
        if (const auto* dg = dynamic_cast<const GCDG*>(&source))
            entier = dg->Ordre;
        break;
    case 'O':
        if (const auto* o = dynamic_cast<const GCOperBinaire*>(&source))
            entier = o->Operation;
        break;
    case 'Q':
    case 'U':
        if (const auto* u = dynamic_cast<const GCOperUnaire*>(&source))
            entier = u->Operation;
        break;
    default:
        break;
    }
    PtrCourbe clone = CreeCourbe(genre, numeroFenetre, numero, entier);
    if (clone)
        clone->Copie(source);
    return clone;
}
