// Dispatch tables of the host's script-support interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(IClaSupport*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IClaSupport::Trace>(u"Trace", 1),
        tlx::DispMethod<&IClaSupport::Message>(u"Message", 2, 1),
        tlx::DispMethod<&IClaSupport::Format>(u"Format", 3),
        tlx::DispMethod<&IClaSupport::ShowDialogBox>(u"ShowDialogBox", 4, 1),
    };
    return table;
}
