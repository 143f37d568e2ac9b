#include "platform/com/NumberText.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace tlx {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string Widen(std::string_view s) { return std::u16string(s.begin(), s.end()); }

void TrimLeadingZeros(DecimalNumber& n) {
    size_t first = n.digits.find_first_not_of('0');
    n.digits.erase(0, first == std::string::npos ? n.digits.size() : first);
    size_t last = n.digits.find_last_not_of('0');
    if (last == std::string::npos) {
        n.digits.clear();
        n.exponent = 0;
        return;
    }
    n.exponent += static_cast<int>(n.digits.size() - 1 - last);
    n.digits.erase(last + 1);
}

// The decimal digits of an unsigned value with `decimals` of them after the separator, trailing
// fractional zeros removed when `trim` is set.
std::u16string PlaceSeparator(std::string digits, int decimals, bool trim, char16_t separator) {
    if (static_cast<int>(digits.size()) <= decimals) digits.insert(0, decimals + 1 - digits.size(), '0');
    std::string whole = digits.substr(0, digits.size() - decimals);
    std::string fraction = digits.substr(digits.size() - decimals);
    if (trim) {
        size_t last = fraction.find_last_not_of('0');
        fraction.erase(last == std::string::npos ? 0 : last + 1);
    }
    std::u16string text = Widen(whole);
    if (!fraction.empty()) text += separator + Widen(fraction);
    return text;
}

}  // namespace

std::optional<LONGLONG> DecimalNumber::ToInt64(int shift) const {
    if (digits.empty()) return 0;
    const int e = exponent + shift;
    std::string whole = digits;
    bool roundUp = false;
    if (e >= 0) {
        if (whole.size() + static_cast<size_t>(e) > 19) return std::nullopt;
        whole.append(static_cast<size_t>(e), '0');
    } else {
        const long long keep = static_cast<long long>(whole.size()) + e;
        std::string fraction = keep > 0 ? whole.substr(static_cast<size_t>(keep)) : std::string(static_cast<size_t>(-keep), '0') + whole;
        whole = keep > 0 ? whole.substr(0, static_cast<size_t>(keep)) : std::string();
        if (whole.size() > 19) return std::nullopt;
        const char first = fraction[0];
        const bool restNonZero = fraction.find_first_not_of('0', 1) != std::string::npos;
        const bool wholeOdd = !whole.empty() && (whole.back() - '0') % 2 == 1;
        roundUp = first > '5' || (first == '5' && (restNonZero || wholeOdd));
    }
    unsigned long long magnitude = 0;
    for (char c : whole) {
        if (magnitude > (std::numeric_limits<unsigned long long>::max() - 9) / 10) return std::nullopt;
        magnitude = magnitude * 10 + static_cast<unsigned>(c - '0');
    }
    magnitude += roundUp ? 1 : 0;
    const unsigned long long limit = negative ? 9223372036854775808ull : 9223372036854775807ull;
    if (magnitude > limit) return std::nullopt;
    if (negative) return magnitude == limit ? std::numeric_limits<LONGLONG>::min() : -static_cast<LONGLONG>(magnitude);
    return static_cast<LONGLONG>(magnitude);
}

double DecimalNumber::ToDouble() const {
    if (digits.empty()) return 0.0;
    std::string text = digits + "e" + std::to_string(exponent);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range)
        value = exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    return negative ? -value : value;
}

DecimalNumber ShortestDecimal(double value) {
    DecimalNumber n;
    if (!std::isfinite(value) || value == 0.0) return n;
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    if (text.front() == '-') {
        n.negative = true;
        text.remove_prefix(1);
    }
    const size_t e = text.find('e');
    int fractionDigits = 0;
    for (size_t i = 0; i < e; ++i) {
        if (text[i] == '.') {
            fractionDigits = static_cast<int>(e - i - 1);
            continue;
        }
        n.digits += text[i];
    }
    int exponent = 0;
    std::from_chars(text.data() + e + 1 + (text[e + 1] == '+' ? 1 : 0), text.data() + text.size(), exponent);
    n.exponent = exponent - fractionDigits;
    TrimLeadingZeros(n);
    return n;
}

std::optional<DecimalNumber> ParseNumber(std::u16string_view text, const Locale& locale) {
    auto trim = [&] {
        while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
        while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    };
    auto isSign = [](char16_t c) { return c == u'-' || c == u'+'; };
    DecimalNumber n;
    trim();
    // The sign: in parentheses, in front (before or after the currency symbol) or behind.
    bool signed_ = false;
    if (text.size() >= 2 && text.front() == u'(' && text.back() == u')') {
        text = text.substr(1, text.size() - 2);
        trim();
        n.negative = signed_ = true;
    }
    auto takeLeadingSign = [&] {
        if (!signed_ && !text.empty() && isSign(text.front())) {
            n.negative = text.front() == u'-';
            signed_ = true;
            text.remove_prefix(1);
        }
    };
    takeLeadingSign();
    const std::u16string_view currency = locale.currencySymbol;
    if (!currency.empty() && text.substr(0, currency.size()) == currency) {
        text.remove_prefix(currency.size());
        trim();
        takeLeadingSign();
    } else if (!currency.empty() && text.size() >= currency.size() &&
               text.substr(text.size() - currency.size()) == currency) {
        text.remove_suffix(currency.size());
        trim();
    }
    if (!signed_ && !text.empty() && isSign(text.back())) {
        n.negative = text.back() == u'-';
        text.remove_suffix(1);
        trim();
    }
    size_t i = 0;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        if (IsDigit(text[i])) {
            n.digits += static_cast<char>(text[i]);
            anyDigit = true;
        } else if (anyDigit && locale.groupSeparators.find(text[i]) != std::u16string_view::npos &&
                   i + 1 < text.size() && IsDigit(text[i + 1])) {
            continue;
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == locale.decimalSeparator) {
        for (++i; i < text.size() && IsDigit(text[i]); ++i) {
            n.digits += static_cast<char>(text[i]);
            --n.exponent;
            anyDigit = true;
        }
    }
    if (!anyDigit) return std::nullopt;
    if (i < text.size() && (text[i] == u'E' || text[i] == u'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negativeExponent = text[i++] == u'-';
        if (i == text.size() || !IsDigit(text[i])) return std::nullopt;
        int value = 0;
        for (; i < text.size() && IsDigit(text[i]); ++i)
            if (value < 100000) value = value * 10 + (text[i] - u'0');
        n.exponent += negativeExponent ? -value : value;
    }
    if (i != text.size()) return std::nullopt;
    TrimLeadingZeros(n);
    if (n.digits.empty()) n.negative = false;
    return n;
}

std::u16string FormatDouble(double value, const Locale& locale) {
    if (value == 0.0) return u"0";
    char buffer[64];
    // A whole number below 10^15 is written as its digits either way; an integer's are found faster.
    const bool whole = std::fabs(value) < 1e15 && value == std::trunc(value);
    auto result = whole ? std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value))
                        : std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
    std::u16string text;
    for (const char* p = buffer; p != result.ptr; ++p) {
        if (*p == '.')
            text += locale.decimalSeparator;
        else if (*p == 'e')
            text += u'E';
        else
            text += static_cast<char16_t>(*p);
    }
    return text;
}

std::u16string FormatCurrency(CY value, const Locale& locale) {
    const bool negative = value.int64 < 0;
    const unsigned long long magnitude =
        negative ? 0ull - static_cast<unsigned long long>(value.int64) : static_cast<unsigned long long>(value.int64);
    std::u16string text = PlaceSeparator(std::to_string(magnitude), 4, true, locale.decimalSeparator);
    return negative ? u"-" + text : text;
}

std::u16string FormatFixed(double value, int decimals, const Locale& locale) {
    if (decimals < 0) decimals = 0;
    if (!std::isfinite(value)) return FormatDouble(value, locale);
    const DecimalNumber n = ShortestDecimal(value);
    // Half away from zero: round the magnitude, keeping the digits as text so no width limit applies.
    std::string digits = n.digits.empty() ? "0" : n.digits;
    int exponent = n.digits.empty() ? 0 : n.exponent;
    if (exponent >= -decimals) {
        digits.append(static_cast<size_t>(exponent + decimals), '0');
    } else {
        const long long cut = static_cast<long long>(digits.size()) + exponent + decimals;
        const bool up = cut >= 0 && cut < static_cast<long long>(digits.size()) && digits[static_cast<size_t>(cut)] >= '5';
        digits = cut > 0 ? digits.substr(0, static_cast<size_t>(cut)) : std::string("0");
        if (up) {
            int k = static_cast<int>(digits.size()) - 1;
            while (k >= 0 && digits[static_cast<size_t>(k)] == '9') digits[static_cast<size_t>(k--)] = '0';
            if (k < 0)
                digits.insert(digits.begin(), '1');
            else
                ++digits[static_cast<size_t>(k)];
        }
    }
    std::u16string text = PlaceSeparator(digits, decimals, false, locale.decimalSeparator);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return n.negative && !zero ? u"-" + text : text;
}

}  // namespace tlx
