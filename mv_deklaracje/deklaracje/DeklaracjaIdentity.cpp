// How the host lists and labels a declaration without knowing its class: the typed descriptors of
// IMirvakObjectTypeInfo that a declaration answers itself.
#include "hostapi/Employees.h"
#include "hostapi/Payroll.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"

namespace {

bool IsZusRegistrationForm(LONG type) { return type >= dekZUS_ZUA && type <= dekZUS_ZZA; }

bool IsAnnualForm(LONG type) {
    return type == dekPIT11 || type == 7 || type == dekPIT40 || type == dekIFT1 ||
           (type >= dekPIT36 && type <= dekPIT8C) || type == dekIFT1R || type == dekZUS_IWA;
}

}  // namespace

CBstr CDeklaracja::IdentityNumber() {
    tlx::Bstr number;
    CheckHost(get_NumerPelny(number.Out()));
    return CBstr(number.View());
}

// "za okres: 2013/5", annual forms "za okres: 2013"; the ZUS registration forms have no period.
CBstr CDeklaracja::IdentityPeriod() {
    LONG type = ReadLong(u"TypDeklar");
    if (IsZusRegistrationForm(type)) return CBstr(u"");
    LONG period = RokMiesiac();
    CBstr text = CBstr(u"za okres: ") + LongToString(period / 100);
    if (IsAnnualForm(type)) return text;
    return text + std::u16string_view(u"/") + LongToString(period % 100);
}

// 3 (an employee) when the declaration names one, 0 (the company) otherwise.
LONG CDeklaracja::IdentitySubjectType() { return ReadLong(u"PraID") != 0 ? 3 : 0; }
LONG CDeklaracja::IdentitySubjectID() { return ReadLong(u"PraID"); }

// The employee's own forms (PIT-11, PIT-40, IFT-1, PIT-8C, IFT-1R) name him by the text of his latest
// record (the one valid on 2999-01-01); a card without records by the empty text.
CBstr CDeklaracja::IdentitySubjectName() {
    LONG type = ReadLong(u"TypDeklar");
    if (type != dekPIT11 && type != dekPIT40 && type != dekIFT1 && type != dekPIT8C && type != dekIFT1R)
        return CBstr(u"");
    tlx::ComPtr<IPracownikDane> employee = Employee().As<IPracownikDane>();
    if (!employee) RaiseHResult(E_POINTER);
    constexpr DATE kLatest = 401404;  // 2999-01-01
    tlx::ComPtr<IPracEtat> record;
    CheckHost(employee->GetEtat(kLatest, tlx::Variant::Missing(), record.Out()));
    if (!record) return CBstr(u"");
    tlx::Bstr text;
    CheckHost(record->get_Tekst(text.Out()));
    return CBstr(std::u16string(text.View()));
}
