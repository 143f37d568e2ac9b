// Dispatch tables of the host's employee interfaces: the names and DISPIDs under which scripts reach them
// (see platform/com/Dispatch.h).
#pragma once

#include "hostapi/Accounting.h"
#include "hostapi/Calendar.h"
#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Employees.h"
#include "hostapi/IncomeData.h"
#include "hostapi/Login.h"
#include "hostapi/PayrollDispatch.h"
#include "hostapi/ScriptSupport.h"
#include "hostapi/Session.h"
#include "hostapi/Subjects.h"
#include "platform/ado/Ado.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(IPracPitMies*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracPitMies::get_ID>(u"ID", 1),
        tlx::DispGet<&IPracPitMies::get_Rok>(u"Rok", 2),
        tlx::DispGet<&IPracPitMies::get_Miesiac>(u"Miesiac", 3),
        tlx::DispGet<&IPracPitMies::get_wartosc>(u"wartosc", 4),
        tlx::DispPut<&IPracPitMies::put_wartosc>(u"wartosc", 4),
    };
    return table;
}
