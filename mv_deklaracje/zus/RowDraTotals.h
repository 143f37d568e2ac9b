// What one report row adds to the totals of the month's DRA: the contributions split by who finances
// them (the insured, the payer, the budget, PFRON), the health amounts, FP and FGSP, benefits, FEP.
#pragma once

#include <cstdint>
#include <vector>

#include "include/tlb/Enumerations.h"
#include "mv_deklaracje/zus/KwotyWiersza.h"

struct DraAmount {
    PoleDRAEnum pole;
    CMoney kwota;
};

struct RowDraContext {
    bool wersja4 = false;             // the DRA's declaration is of version 4
    int rodzajFinansowania = 0;       // the financing case of the row's title
    std::uint32_t kodTytulu = 0;      // the row's six-digit insurance title code
    int rok = 0;                      // the report's year
    LONG kodUmowy = 0;                // the three-digit title code of the person's record
    LONG statusUmowy = 0;             // the record's status, read for codes 560..569
    bool fpOdSumyPodstaw = false;     // FP and FGSP are reported as their bases
    CMoney procentFP, procentFGSP;    // per cent
};

struct RowDraTotals {
    std::vector<DraAmount> wartosci;  // in the order they are added to the DRA
    CMoney rentowePlatnikaKesz;       // to add to the DRA's payer disability running sum
    bool dodajRentowe = false;
};

RowDraTotals DraTotalsOfRow(const CKwotyWiersza& wiersz, const RowDraContext& kontekst);
