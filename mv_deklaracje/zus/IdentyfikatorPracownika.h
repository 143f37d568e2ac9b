// The identifier an insured person is reported with in the ZUS reports' identification blocks: its kind
// ("P" PESEL, "2" passport, "1" identity card, empty when the person has none) and its number.
#pragma once

#include "mv_deklaracje/core/Bstr.h"

class CIdentyfikatorPracownika {
public:
    // Chooses among the person's documents, the first that is not empty: PESEL, passport, identity card.
    CIdentyfikatorPracownika(const CBstr& pesel, const CBstr& paszport, const CBstr& dowodOsobisty);

    // Copies that share the texts.
    CBstr GetTyp() const { return typ_; }
    CBstr GetNumer() const { return numer_; }

private:
    CBstr typ_{u""};
    CBstr numer_{u""};
};
