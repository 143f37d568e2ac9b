// A card as a PFRON attachment reads it: the employee opened in a host session of its own, which goes
// when the card is done, and his month as of the declaration period's last day.
#pragma once

#include <memory>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/pfron/HostEmployeeMonth.h"
#include "platform/com/ComPtr.h"

struct PfronCard {
    tlx::ComPtr<IPracownik> employee;
    std::unique_ptr<HostEmployeeMonth> month;
};

// Card `id` opened in a new session, read up to `periodEnd`.
PfronCard OpenPfronCard(LONG id, CDate periodEnd);
