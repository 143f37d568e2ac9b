// Dispatch tables of the host's session interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(ISessionReference*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISessionReference::GetSession>(u"GetSession", 1),
        tlx::DispMethod<&ISessionReference::GetObject>(u"GetObject", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ISession*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISession::CreateObject>(u"CreateObject", 1, 1),
        tlx::DispMethod<&ISession::GetReference>(u"GetReference", 2, 0),
        tlx::DispMethod<&ISession::Prepare>(u"Prepare", 3),
        tlx::DispMethod<&ISession::SaveChanges>(u"SaveChanges", 4),
        tlx::DispMethod<&ISession::SaveChanges>(u"Save", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ISession2*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ISession2::CreateObject>(u"CreateObject", 1, 1),
        tlx::DispMethod<&ISession2::OpenObject>(u"OpenObject", 2),
        tlx::DispMethod<&ISession2::OpenObject>(u"CreateFiltered", 3),
        tlx::DispGet<&ISession2::get_Connection>(u"Connection", 4),
        tlx::DispGet<&ISession2::get_ConfigConnection>(u"ConfigConnection", 5),
        tlx::DispGet<&ISession2::get_Login>(u"Login", 6),
        tlx::DispMethod<&ISession2::Save>(u"Save", 7),
        tlx::DispMethod<&ISession2::GetObjectReference>(u"GetObjectReference", 8),
        tlx::DispMethod<&ISession2::AddObject>(u"AddObject", 9),
        tlx::DispMethod<&ISession2::RemoveObject>(u"RemoveObject", 10),
    };
    return table;
}
