// The identifier a DRA is filed under (NNMMRRRR: the declaration's number, month and year), as the
// DRA form's verification checks it: ZUS files the contributions under the period it names, so a DRA is
// written to no KEDU file under another period or a number outside 01 to 99.
#pragma once

#include "mv_deklaracje_tlb.h"

class CIdentyfikatorDRA {
public:
    // Reads the declaration's field DADRAIDENT (empty reads as 0) and its month and year.
    explicit CIdentyfikatorDRA(IDeklaracja2* dra);

    // Raises 0x800575A2 with the message the form's verification gives, naming the field, when the
    // number is not 01 to 99 or the month and year are not the declaration's own.
    void Sprawdz() const;

private:
    long long identyfikator_ = 0;
    long miesiac_ = 0;
    long rok_ = 0;
};
