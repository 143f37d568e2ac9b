#include "host/objects/kedu/KeduValue.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

#include "host/objects/kedu/KeduError.h"
#include "platform/com/OleDate.h"
#include "platform/com/VariantConversion.h"

namespace tlx::host {
namespace {

bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

void AppendAscii(std::u16string& out, std::string_view text) { out.append(text.begin(), text.end()); }

template <class Integer>
void AppendInteger(std::u16string& out, Integer value) {
    char buffer[24];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    AppendAscii(out, std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

// `digits`: the magnitude's decimal digits with exactly three after the (implied) point; rounds half
// away from zero to two decimals and appends it with its sign.
void AppendRoundedThousandths(std::u16string& out, bool negative, std::string digits) {
    bool roundUp = digits.back() >= '5';
    digits.pop_back();
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0)
            digits.insert(digits.begin(), '1');
        else
            ++digits[i - 1];
    }
    while (digits.size() < 3) digits.insert(digits.begin(), '0');
    std::size_t lead = 0;
    while (lead + 3 < digits.size() && digits[lead] == '0') ++lead;
    digits.erase(0, lead);
    if (negative && digits.find_first_not_of('0') != std::string::npos) out += u'-';
    AppendAscii(out, std::string_view(digits).substr(0, digits.size() - 2));
    out += u'.';
    AppendAscii(out, std::string_view(digits).substr(digits.size() - 2));
}

void AppendCurrency(std::u16string& out, CY value) {
    bool negative = value.int64 < 0;
    unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value.int64)
                                            : static_cast<unsigned long long>(value.int64);
    unsigned long long cents = magnitude / 100 + (magnitude % 100 >= 50 ? 1 : 0);
    if (negative && cents != 0) out += u'-';
    AppendInteger(out, cents / 100);
    out += u'.';
    out += static_cast<char16_t>(u'0' + cents % 100 / 10);
    out += static_cast<char16_t>(u'0' + cents % 10);
}

// The double's shortest decimal form decides, so 2.675 (stored a hair below) is written 2.68 as a
// person reading the value expects.
void AppendDouble(std::u16string& out, double value) {
    char buffer[400];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::fixed);
    std::string text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::size_t point = text.find('.');
    std::string whole = point == std::string::npos ? text : text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    fraction.resize(3, '0');
    AppendRoundedThousandths(out, std::signbit(value), whole + fraction.substr(0, 3));
}

void AppendDate(std::u16string& out, DATE value, const KeduCell& where) {
    std::optional<CalendarTime> day = CalendarFromDate(value);
    if (!day) RefuseKedu(u"Data w " + where.Describe() + u" jest poza kalendarzem.");
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d%02d%04d", day->day, day->month, day->year);
    AppendAscii(out, buffer);
}

// Any other kind, through the OLE conversion in the C locale.
void AppendConverted(std::u16string& out, const VARIANT& value, const KeduCell& where) {
    Variant text;
    if (FAILED(VariantChangeTypeEx(&text, &value, LANG_ENGLISH_US, 0, VT_BSTR))) {
        TakeErrorDescription();
        RefuseKedu(u"Wartości w " + where.Describe() + u" nie da się zapisać jako tekstu.");
    }
    std::u16string_view converted(text.bstrVal ? text.bstrVal : u"", SysStringLen(text.bstrVal));
    if (!IsLineSafe(converted))
        RefuseKedu(u"Wartość w " + where.Describe() +
                   u" zawiera znak końca wiersza albo znacznik (\"<\" z literą lub \"/\").");
    out += converted;
}

}  // namespace

std::u16string KeduCell::Describe() const {
    std::string number = std::to_string(position);
    return u"bloku " + std::u16string(block) + u" na pozycji " + std::u16string(number.begin(), number.end());
}

bool IsLineSafe(std::u16string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        if (c == u'\r' || c == u'\n') return false;
        if (c == u'<' && i + 1 < text.size() && (IsAsciiLetter(text[i + 1]) || text[i + 1] == u'/')) return false;
    }
    return true;
}

void CheckKeduValue(const VARIANT& value, const KeduCell& where) {
    switch (value.vt) {
        case VT_EMPTY: case VT_NULL: case VT_BOOL: case VT_CY:
        case VT_I1: case VT_I2: case VT_I4: case VT_I8: case VT_INT:
        case VT_UI1: case VT_UI2: case VT_UI4: case VT_UI8: case VT_UINT:
            return;
        case VT_R8:
            if (!std::isfinite(value.dblVal)) RefuseKedu(u"Liczba w " + where.Describe() + u" nie jest skończona.");
            return;
        case VT_BSTR:
            if (!IsLineSafe(std::u16string_view(value.bstrVal ? value.bstrVal : u"", SysStringLen(value.bstrVal))))
                RefuseKedu(u"Tekst w " + where.Describe() +
                           u" zawiera znak końca wiersza albo znacznik (\"<\" z literą lub \"/\").");
            return;
        default: {
            std::u16string ignored;
            AppendKeduValue(ignored, value, where);
        }
    }
}

void AppendKeduValue(std::u16string& out, const VARIANT& value, const KeduCell& where) {
    switch (value.vt) {
        case VT_EMPTY: case VT_NULL: return;
        case VT_BOOL: if (value.boolVal) out += u'X'; return;
        case VT_I1: return AppendInteger(out, value.cVal);
        case VT_I2: return AppendInteger(out, value.iVal);
        case VT_I4: return AppendInteger(out, value.lVal);
        case VT_INT: return AppendInteger(out, value.intVal);
        case VT_I8: return AppendInteger(out, value.llVal);
        case VT_UI1: return AppendInteger(out, value.bVal);
        case VT_UI2: return AppendInteger(out, value.uiVal);
        case VT_UI4: return AppendInteger(out, value.ulVal);
        case VT_UINT: return AppendInteger(out, value.uintVal);
        case VT_UI8: return AppendInteger(out, value.ullVal);
        case VT_CY: return AppendCurrency(out, value.cyVal);
        case VT_R8:
            if (!std::isfinite(value.dblVal)) RefuseKedu(u"Liczba w " + where.Describe() + u" nie jest skończona.");
            return AppendDouble(out, value.dblVal);
        case VT_DATE: return AppendDate(out, value.date, where);
        case VT_BSTR: out.append(value.bstrVal ? value.bstrVal : u"", SysStringLen(value.bstrVal)); return;
        default: return AppendConverted(out, value, where);
    }
}

}  // namespace tlx::host
