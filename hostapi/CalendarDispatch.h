// Dispatch tables of the host's calendar interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(ICalendar*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ICalendar::SetRange, VT_DATE>(u"SetRange", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ICalendarRange*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ICalendarRange::get_Od, VT_DATE>(u"Od", 1),
        tlx::DispGet<&ICalendarRange::get_Do, VT_DATE>(u"Do", 2),
        tlx::DispGet<&ICalendarRange::get_LiczbaDni>(u"LiczbaDni", 3),
        tlx::DispMethod<&ICalendarRange::CzyDzienRoboczy, VT_DATE>(u"CzyDzienRoboczy", 4),
    };
    return table;
}
