#include "mv_deklaracje/core/DecimalParse.h"

#include <cstdint>
#include <limits>

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
