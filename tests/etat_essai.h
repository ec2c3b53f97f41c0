// The program-wide state of a test: put back to its defaults by the one reset of the test's
// layer (which resets every earlier layer first) when the test begins and again when it
// ends. Declared first in a fixture, so that the stand-ins put in place after it (through
// GardeValeur) are taken away before the last reset.
#pragma once

#include "expression/garde.h"

template <void (*Reinitialise)()>
class EtatNeuf {
public:
    EtatNeuf() { Reinitialise(); }
    ~EtatNeuf() { Reinitialise(); }
    EtatNeuf(const EtatNeuf&) = delete;
    EtatNeuf& operator=(const EtatNeuf&) = delete;
};
