// What a DRA calculation carries between its steps: the ZUS settings of the month, the counts of the
// attached reports by kind and the register of insured persons.
#pragma once

#include <array>

#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"

// The report kinds in the order of the DRA's OPLS positions 1 to 5.
enum DraRodzajRaportu : int { kRaportRCA, kRaportRNA, kRaportRZA, kRaportRSA, kRaportRGA, kRaportowRodzajow };

using DraLiczbaRaportow = std::array<long, kRaportowRodzajow>;

// The ZUS settings of the declaration's month.
struct DraUstawienia {
    long TerminSkladania = 0;
    bool LiczZasilki = true;
    int StatusRefundacji = 0;
    bool SklFPiFGSPOdSumyPodstaw = false;
    bool LiczRNA = false;
    bool GenZeroweRCAdlaNowozatrPrac = false;
    bool ZerowerRCADlaZlecBezWypl = false;
    CMoney ProcentWypad;
    CMoney ProcentFP;
    CMoney ProcentFGSP;
    CMoney WynagrodzenieChorobowe;
    CMoney WynagrodzenieZdrowotne;
};

// A registered insured person: the latest date he was registered with and his work-time fraction.
struct DraOsoba {
    CDate data;
    double wymiar = 0.0;
};
