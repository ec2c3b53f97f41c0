// What the tests of Julia and Mandelbrot sets and of transformed areas share: a window whose
// list every area lookup sees, the quadratic map, and a palette whose red tells the count.
#pragma once

#include <gtest/gtest.h>

#include "graph/aires/GCProcDyn.h"
#include "graph/aires/GCTrAire.h"
#include "graph/repere/GCRepere.h"
#include "graph/repere_outils.h"

class AiresFenetres : public RepereTest {
protected:
    void SetUp() override
    {
        RepereTest::SetUp();
        etatGraphe().aires = {&fenetre1, &fenetre2, &fenetre3};
    }
    void TearDown() override
    {
        etatGraphe().aires.clear();
        RepereTest::TearDown();
    }
    GCListAires fenetre1{1}, fenetre2{2}, fenetre3{3};
};

inline void bornesRepere(GCRepere& r, const char* xinf, const char* xsup, const char* yinf, const char* ysup)
{
    r.FixeBornes(xinf, xsup, EchelleArith, xinf, "0", "1", yinf, ysup, EchelleArith, yinf, "0", "1");
}

// Entry n: red n, green 255 - n, blue 9.
inline Palette paletteComptes()
{
    Palette p{};
    for (int n = 0; n < NbCouleursPalette; ++n)
        p[std::size_t(n)] = RVB(n, 255 - n, 9);
    return p;
}

// A set of the quadratic map z^2 + c, c = a + i b, threshold 4.
inline std::shared_ptr<GCProcDyn> quadratique(QChar lettre, int numero, int max = 100, const char* a = "0",
                                              const char* b = "0")
{
    auto p = std::make_shared<GCProcDyn>(numero, lettre, 1);
    p->FixeContraintes({QStringLiteral("x^2-y^2+a"), QStringLiteral("2*x*y+b")});
    p->FixeSeuil(QStringLiteral("4"));
    p->FixeIterationsMax(max);
    p->FixeParametre(0, QString::fromLatin1(a));
    p->FixeParametre(1, QString::fromLatin1(b));
    p->FixeCouleurs(paletteComptes());
    p->FixeEmpreinte(NouvelleEmpreinte(numero));
    return p;
}
