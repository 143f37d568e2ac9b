// A report row of an insured person: the payout elements of one month under one insurance title (and one
// medical-insurance flag), and the amount table summed from them before the row's block is written. Held
// through shared holders; the last holder to let go frees it with its elements.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/zus/KwotyWiersza.h"
#include "platform/com/ComPtr.h"

struct WierszRaportu {
    std::uint32_t kod = 0;                            // the six-digit title written on the report
    std::vector<tlx::ComPtr<IWypElement>> elementy;   // in the order they were met
    CKwotyWiersza kwoty;
    CDate data;                                       // the latest day the row's elements are paid for
    bool zdrowotny = false;                           // a row of the medical-insurance report
};

using WierszRaportuPtr = std::shared_ptr<WierszRaportu>;
