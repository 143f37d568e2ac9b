#include "mv_deklaracje/pfron/SodFields.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "platform/com/Bstr.h"

namespace {
bool IsNothing(const VARIANT& value) { return value.vt == VT_EMPTY || value.vt == VT_NULL; }

std::u16string DayText(const CDate& day, std::u16string_view empty) {
    return day.IsEmpty() ? std::u16string(empty) : day.FormatSql().Str();
}

std::u16string AsText(const VARIANT& value) {
    switch (value.vt) {
    case VT_EMPTY:
    case VT_NULL:
        return {};
    case VT_BSTR:
        return value.bstrVal ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal)) : std::u16string();
    case VT_DATE:
        return DayText(CDate(value.date), u"");
    default:
        return VariantToCString(ConvertVariant(value, VT_BSTR));
    }
}
}  // namespace

std::u16string FieldText(IDeklaracja2* declaration, const OLECHAR* field) {
    return AsText(ReadField(declaration, field));
}

std::u16string OptionalFieldText(IDeklaracja2* declaration, const OLECHAR* field) {
    tlx::Variant value;
    const HRESULT hr = declaration->get_Wartosc(tlx::Bstr(field).Get(), value.Out());
    if (hr == DISP_E_MEMBERNOTFOUND) return {};
    CheckHost(hr);
    return AsText(value);
}

std::u16string FieldDate(IDeklaracja2* declaration, const OLECHAR* field, std::u16string_view empty) {
    const tlx::Variant value = ReadField(declaration, field);
    if (IsNothing(value)) return std::u16string(empty);
    if (value.vt == VT_BSTR) {
        std::u16string text = AsText(value);
        return text.empty() ? std::u16string(empty) : text;
    }
    return DayText(CDate(static_cast<const VARIANT&>(value)), empty);
}

std::u16string FieldAmount(IDeklaracja2* declaration, const OLECHAR* field) {
    const tlx::Variant value = ReadField(declaration, field);
    if (IsNothing(value)) return FormatPfronAmount(CY{0}).Str();
    if (value.vt == VT_CY) return FormatPfronAmount(value.cyVal).Str();
    return FormatPfronAmount(CMoney(value)).Str();
}

std::u16string FieldNumber(IDeklaracja2* declaration, const OLECHAR* field) {
    const tlx::Variant value = ReadField(declaration, field);
    return IsNothing(value) ? std::u16string() : LongToString(VariantToLong(value)).Str();
}

long DeclarationVersion(IDeklaracja2* declaration) {
    LONG version = 0;
    CheckHost(declaration->get_Wersja(&version));
    return version;
}

long DeclarationMonth(IDeklaracja2* declaration) {
    LONG month = 0;
    CheckHost(declaration->get_Miesiac(&month));
    return month;
}

long DeclarationYear(IDeklaracja2* declaration) {
    LONG year = 0;
    CheckHost(declaration->get_Rok(&year));
    return year;
}

std::u16string Cut(unsigned length, const std::u16string& text) { return TruncateText(length, CBstr(text)).Str(); }

std::u16string PadRight(std::u16string text, std::size_t length, char16_t fill) {
    if (text.size() < length) text.append(length - text.size(), fill);
    return text;
}

std::u16string OrDefault(std::u16string text, std::u16string_view fallback) {
    return text.empty() ? std::u16string(fallback) : text;
}

std::u16string SubstituteKey(long number) {
    std::u16string digits = LongToString(number).Str();
    return digits.size() < 11 ? std::u16string(11 - digits.size(), u'0') + digits : digits;
}
