// Dispatch tables of the host's income-data interfaces: the names and DISPIDs under which scripts reach them
// (see platform/com/Dispatch.h).
#pragma once

#include "hostapi/Accounting.h"
#include "hostapi/Calendar.h"
#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Employees.h"
#include "hostapi/IncomeData.h"
#include "hostapi/Login.h"
#include "hostapi/ScriptSupport.h"
#include "hostapi/Session.h"
#include "hostapi/Subjects.h"
#include "platform/ado/Ado.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(IDaneKsiegowe*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IDaneKsiegowe::WypelnijDochody>(u"WypelnijDochody", 1),
        tlx::DispMethod<&IDaneKsiegowe::DaneCIT2>(u"DaneCIT2", 2),
        tlx::DispMethod<&IDaneKsiegowe::PrzychodyWgStawek>(u"PrzychodyWgStawek", 3),
    };
    return table;
}
