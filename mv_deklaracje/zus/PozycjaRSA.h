// One row of an insured person's RSA report: one period of one benefit or break in contributions under
// one insurance title, with the host object it stems from (a payout type or a benefit definition).
#pragma once

#include <cstdint>
#include <memory>

#include "hostapi/Calendar.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "platform/com/ComPtr.h"

struct CPozycjaRSA {
    std::uint32_t Kod = 0;           // the six-digit insurance title code
    tlx::ComPtr<IDispatch> Zrodlo;   // ITypWyplaty or IKodSwiadczenia
    CDate DataOd;                    // the first day; empty: no period
    CDate DataDo;                    // the day after the last day
    std::int32_t Liczba = 0;         // a count, mostly the days of the period
    CBstr Tekst;
    CMoney Kwota;

    // The period of a host date range; a missing or empty range leaves both dates empty.
    void UstawOkres(ICalendarRange* zakres);
    // Whole days from DataOd to DataDo.
    int Dni() const { return static_cast<int>(DataDo.Value() - DataOd.Value()); }
};

using PozycjaRSAPtr = std::shared_ptr<CPozycjaRSA>;
