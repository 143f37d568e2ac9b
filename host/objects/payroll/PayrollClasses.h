// Registers the host's payroll classes (payouts, payout types, payroll lists, benefit codes, the payout
// builder and its ZUS data, the voivodeship lookup) with the process's class registry.
#pragma once

#include "platform/com/Types.h"

namespace tlx::host {

HRESULT RegisterPayrollClasses();

}  // namespace tlx::host
