#include "mv_deklaracje/edeklaracje/DecimalText.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"

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
