// Dispatch tables of the host's configuration interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(IParametr*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IParametr::get_Value>(u"Value", 0),
        tlx::DispGet<&IParametr::get_DataOd, VT_DATE>(u"DataOd", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKonfiguracja*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IKonfiguracja::GetValue>(u"GetValue", 1),
        tlx::DispMethod<&IKonfiguracja::GetValue>(u"Value", 1),
        tlx::DispMethod<&IKonfiguracja::GetParametr, VT_DATE>(u"GetParametr", 2),
    };
    return table;
}
