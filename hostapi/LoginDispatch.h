// Dispatch tables of the host's login and application interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(IOperatorObject*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IOperatorObject::GetToday, VT_DATE>(u"GetToday", 1),
        tlx::DispMethod<&IOperatorObject::IsRemoteSession>(u"IsRemoteSession", 2),
        tlx::DispMethod<&IOperatorObject::OperatorType>(u"OperatorType", 3),
        tlx::DispGet<&IOperatorObject::get_ID>(u"ID", 4),
        tlx::DispGet<&IOperatorObject::get_Kod>(u"Kod", 5),
        tlx::DispMethod<&IOperatorObject::GetEntry>(u"GetEntry", 6),
        tlx::DispGet<&IOperatorObject::IsRemoteSession>(u"ZdalnyEksport", 7),
        tlx::DispGet<&IOperatorObject::IsRemoteSession>(u"OperatorRemoteFlag", 8),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IBazaFirmy*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IBazaFirmy::get_Nazwa>(u"Nazwa", 1),
        tlx::DispGet<&IBazaFirmy::get_Connection>(u"Connection", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ILoginContext*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ILoginContext::GetName>(u"GetName", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ILogin*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ILogin::CreateSession>(u"CreateSession", 1),
        tlx::DispMethod<&ILogin::CreateObject>(u"CreateObject", 2),
        tlx::DispMethod<&ILogin::GetOperatorObject>(u"GetOperatorObject", 3),
        tlx::DispMethod<&ILogin::IsModuleAvailable>(u"IsModuleAvailable", 4),
        tlx::DispMethod<&ILogin::GetContext>(u"GetContext", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IApplication*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IApplication::GetObjectSession>(u"GetObjectSession", 1),
        tlx::DispMethod<&IApplication::GetLogin>(u"GetLogin", 2),
        tlx::DispGet<&IApplication::GetLogin>(u"Login", 3),
        tlx::DispMethod<&IApplication::GetErrorText>(u"GetErrorText", 4, 1),
        tlx::DispMethod<&IApplication::CopyRecord>(u"CopyRecord", 5),
    };
    return table;
}
