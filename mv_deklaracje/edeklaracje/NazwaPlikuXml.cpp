#include "mv_deklaracje/edeklaracje/NazwaPlikuXml.h"

#include <ctime>

#include "hostapi/Employees.h"
#include "platform/com/OleDate.h"
#include "platform/com/Variant.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/forms/FormXml.h"

namespace {

LONG Read(IDeklaracja* declaration, HRESULT (IDeklaracja::*getter)(LONG*)) {
    LONG value = 0;
    CheckHost((declaration->*getter)(&value));
    return value;
}

// Characters a file name cannot carry become "_", as in the names of the company folders.
std::u16string SanitisedForFileName(std::u16string text) {
    for (char16_t& c : text)
        if (c < 0x20 || std::u16string_view(u"\\/:*?\"<>|").find(c) != std::u16string_view::npos) c = u'_';
    return text;
}

// The form code the stylesheet wrote, with "_" after it; the declaration's symbol when there is none.
std::u16string FormPart(IDeklaracja2* declaration, IXMLDOMDocument* document) {
    tlx::ComPtr<IXMLDOMNodeList> codes;
    CheckHost(document->getElementsByTagName(tlx::Bstr(u"KodFormularza").Get(), codes.Out()));
    tlx::ComPtr<IXMLDOMNode> first;
    if (codes) CheckHost(codes->get_item(0, first.Out()));
    if (first) return NodeText(first.Get()).Str() + u"_";
    tlx::Bstr symbol;
    CheckHost(declaration->get_Symbol(symbol.Out()));
    return std::u16string(symbol.View());
}

// The version from which a person form carries a non-resident's foreign tax number.
LONG ForeignNumberSince(LONG typDeklar) {
    switch (typDeklar) {
        case dekPIT11: return 22;
        case dekPIT40: return 21;
        case dekPIT8C: return 7;
        default: return 12;  // IFT-1, IFT-1R
    }
}

std::u16string ReplacedBy(std::u16string text, char16_t from, char16_t to) {
    for (char16_t& c : text)
        if (c == from) c = to;
    return text;
}

// The person's identifier of a person form, from the employee's record valid on 31 December of the
// declaration's year: a non-resident's foreign tax number where the form's version admits one, else the
// NIP when an identity document other than the PESEL stands for him, else the PESEL.
std::u16string PersonIdentifier(IDeklaracja2* declaration, IDeklaracja* self, LONG type) {
    LONG version = Read(self, &IDeklaracja::get_Wersja);
    tlx::ComPtr<IDispatch> employee;
    CheckHost(declaration->get_Pracownik(employee.Out()));
    tlx::ComPtr<IPracownikDane> card = employee ? employee.As<IPracownikDane>() : nullptr;
    if (!card) RaiseHResult(E_POINTER);
    SYSTEMTIME lastDay{};
    lastDay.wYear = static_cast<WORD>(Read(self, &IDeklaracja::get_Rok));
    lastDay.wMonth = 12;
    lastDay.wDay = 31;
    DATE day = 0;
    if (!SystemTimeToVariantTime(&lastDay, &day)) RaiseHResult(E_INVALIDARG);
    tlx::ComPtr<IPracEtat> record;
    CheckHost(card->GetEtat(day, tlx::Variant::Missing(), record.Out()));
    if (!record) RaiseHResult(E_POINTER);
    if (version >= ForeignNumberSince(type)) {
        tlx::ComPtr<IPracPodatki> taxes;
        CheckHost(record->get_Podatki(taxes.Out()));
        if (!taxes) RaiseHResult(E_POINTER);
        LONG nonResident = 0;
        CheckHost(taxes->get_Nierezydent(&nonResident));
        if (nonResident == 1) {
            tlx::Bstr foreign;
            CheckHost(taxes->get_NipZagraniczny(foreign.Out()));
            return ReplacedBy(ReplacedBy(std::u16string(foreign.View()), u'\\', u'_'), u'/', u'_');
        }
    }
    LONG document = 0;
    CheckHost(record->get_RodzajDokumentu(&document));
    tlx::Bstr number;
    CheckHost(document > 0 ? record->get_NipE(number.Out()) : record->get_Pesel(number.Out()));
    return std::u16string(number.View());
}

}  // namespace

LocalStamp LocalStamp::Now() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

bool IsPersonForm(LONG typDeklar) {
    return typDeklar == dekPIT11 || typDeklar == dekPIT40 || typDeklar == dekPIT8C || typDeklar == dekIFT1 ||
           typDeklar == dekIFT1R;
}

std::u16string NazwaPlikuXml(IDeklaracja2* declaration, IXMLDOMDocument* document, const LocalStamp& stamp) {
    if (!declaration || !document) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDeklaracja> self;
    CheckHost(declaration->get_This(self.Out()));
    if (!self) RaiseHResult(E_POINTER);
    LONG type = Read(self.Get(), &IDeklaracja::get_TypDeklar);
    std::u16string person;
    if (IsPersonForm(type)) person = u"_" + SanitisedForFileName(PersonIdentifier(declaration, self.Get(), type));
    std::u16string form = FormPart(declaration, document);
    if (type == dekIFT1 || type == dekIFT1R) form = form.substr(0, 5) + u"_" + form.substr(std::min<std::size_t>(6, form.size()), 6);
    form = SanitisedForFileName(form);
    LONG period = Read(self.Get(), &IDeklaracja::get_Rok) * 100 + Read(self.Get(), &IDeklaracja::get_Miesiac);
    LONG number = Read(self.Get(), &IDeklaracja::get_Numer);
    return form + FormatString(u"%ld", static_cast<long>(period)) + person +
           FormatString(u"_%ld_%d%02d%02d%02d%02d.xml", static_cast<long>(number), stamp.year, stamp.month, stamp.day,
                        stamp.hour, stamp.minute);
}
