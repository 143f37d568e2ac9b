#include "mv_deklaracje/zus/HostReads.h"

#include "hostapi/Employees.h"

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
