// The benefits of an insured person's employee row that has no contributions of its own: held while the
// person's rows are walked, until a row of title 1211 takes them into its block or the held row is
// written with them after all. Each held benefit reaches exactly one block and the DRA once.
#pragma once

#include <cstdint>

#include "mv_deklaracje/zus/KwotyWiersza.h"

// The benefit positions 20-25 of a person's block and what they add to the DRA's budget benefits.
struct PozycjeSwiadczen {
    LONG liczbaZasilkow = 0;          // 20: code 3
    CMoney zasilki;                   // 21: codes 2 + 4
    CMoney wynagrodzenieChorobowe;    // 22: code 8
    LONG liczbaSwiadczen = 0;         // 23: code 7
    CMoney swiadczenia;               // 24: code 6
    CMoney razem;                     // 25: codes 2 + 4 + 8 + 6
    CMoney swiadczeniaBudzet;         // the held benefits the DRA has not yet received
};

class CWstrzymaneSwiadczenia {
public:
    // True when the row gets a block now (always when `pomin`); false for a row of titles 0110xx..0119xx
    // whose contributions sum to 0.00 but which has benefits: those are held.
    bool KwalifikujWiersz(std::uint32_t kodTytulu, const CKwotyWiersza& kwoty, bool pomin);
    bool SaWstrzymane() const { return wstrzymane_; }
    // The positions of a row's block: a row of title 1211 adds the held benefits, which are then released.
    PozycjeSwiadczen Swiadczenia(std::uint32_t kodTytulu, const CKwotyWiersza& kwoty);
    // The held row is written with its own benefits: nothing stays held.
    void Zwolnij() { *this = CWstrzymaneSwiadczenia(); }

private:
    bool wstrzymane_ = false;
    LONG liczbaA_ = 0, liczbaB_ = 0;
    CMoney kwotaA_, kwotaB_, kwotaC_;
};
