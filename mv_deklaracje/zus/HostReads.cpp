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

std::u16string DescribeEmployee(IPracownikDane* employee) {
    if (!employee) RaiseHResult(E_POINTER);
    for (auto member : {&IPracownikDane::get_PracownikTekst, &IPracownikDane::get_Kod}) {
        tlx::Bstr text;
        if (SUCCEEDED((employee->*member)(text.Out())) && text.Length() != 0) return std::u16string(text.View());
        tlx::TakeErrorDescription();
    }
    LONG id = 0;
    if (FAILED(employee->get_ID(&id))) tlx::TakeErrorDescription();
    return FormatString(u"id %ld", static_cast<long>(id));
}
