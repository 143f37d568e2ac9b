#include "mv_deklaracje/zus/HostReads.h"

#include "hostapi/Collections.h"
#include "hostapi/Employees.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/core/HostServices.h"

tlx::ComPtr<IPracownik> OpenEmployeeInNewSession(LONG id) {
    tlx::ComPtr<ILogin> login;
    CheckHost(CreateHostApplication()->GetLogin(login.Out()));
    if (!login) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(login->CreateSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> object;
    CheckHost(session->CreateObject(tlx::Bstr(GuidToString(CLSID_Pracownicy).View()).Get(), tlx::Variant::Missing(),
                                    object.Out()));
    tlx::ComPtr<ICollection> employees = object.As<ICollection>();
    if (!employees) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> item;
    CheckHost(employees->Item(tlx::Variant::FromString(LongToString(id).View()), item.Out()));
    tlx::ComPtr<IPracownik> employee = item.As<IPracownik>();
    if (!employee) RaiseHResult(E_POINTER);
    return employee;
}
