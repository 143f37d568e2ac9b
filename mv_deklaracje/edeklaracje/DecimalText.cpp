#include "mv_deklaracje/edeklaracje/DecimalText.h"

#include <cmath>
#include <cstdio>
#include <limits>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"

namespace {

bool IsWhiteSpace(char16_t c) { return c == u' ' || (c >= u'\t' && c <= u'\r'); }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// What wtol reads: blanks, an optional sign, digits up to the first other character; saturated at the
// range of a 32-bit integer instead of overflowing.
double ReadWhole(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max() + 1LL;
    }
    if (negative) value = -value;
    if (value > std::numeric_limits<int32_t>::max()) value = std::numeric_limits<int32_t>::max();
    return static_cast<double>(value);
}

// The digits that open `text` as a fraction: "25" gives 0.25; anything after them is not part of it.
double ReadFraction(std::u16string_view text) {
    double fraction = 0.0;
    double scale = 0.1;
    for (std::size_t i = 0; i < text.size() && IsDigit(text[i]); ++i, scale /= 10.0)
        fraction += (text[i] - u'0') * scale;
    return fraction;
}

}  // namespace

double ParseDecimalString(std::u16string_view text, char16_t separator) {
    auto p = text.find(separator);
    if (p == std::u16string_view::npos) return ReadWhole(text);
    double whole = p == 0 ? 0.0 : ReadWhole(text.substr(0, p));
    double fraction = ReadFraction(text.substr(p + 1));
    if (whole >= 1) return whole + fraction;
    if (whole < 0) return whole - fraction;
    return !text.empty() && text[0] == u'-' ? -fraction : fraction;
}

std::u16string FormatTrimmedDecimal(double number) {
    std::u16string text = FormatString(u"%.8f", number);
    if (text.find(u'.') != std::u16string::npos) {
        while (!text.empty() && text.back() == u'0') text.pop_back();
        if (!text.empty() && text.back() == u'.') text.pop_back();
    }
    return text;
}

double VariantToDoubleOr(const VARIANT& value, double defaultValue) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return defaultValue;
    if (value.vt == VT_BSTR) {
        std::u16string text(value.bstrVal ? std::u16string_view(value.bstrVal, SysStringLen(value.bstrVal))
                                          : std::u16string_view());
        if (text.empty()) return defaultValue;
        for (char16_t& c : text)
            if (c == u',') c = u'.';
        return ParseDecimalString(text, u'.');
    }
    return ConvertVariant(value, VT_R8).dblVal;
}

int FindLastMarker(std::u16string_view text, std::u16string_view marker) {
    if (marker.empty() || marker.size() > text.size()) return -1;
    auto found = text.rfind(marker);
    return found == std::u16string_view::npos ? -1 : static_cast<int>(found);
}

std::u16string ReplaceAllFromEnd(std::u16string_view text, std::u16string_view search,
                                 std::u16string_view replacement) {
    std::u16string current(text);
    if (search.empty()) return current;
    // Each search looks only before the previous occurrence, so a replacement that contains the search
    // text is never replaced again.
    std::size_t end = current.size();
    while (end >= search.size()) {
        int at = FindLastMarker(std::u16string_view(current).substr(0, end), search);
        if (at < 0) break;
        current.replace(static_cast<std::size_t>(at), search.size(), replacement);
        end = static_cast<std::size_t>(at);
    }
    return current;
}
