// Numbers to text and back under a locale (the user's when none is given), as OLE Automation writes
// and reads them.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/Locale.h"
#include "platform/com/Variant.h"

namespace tlx {

// A number read from text, kept exact: value = digits × 10^exponent.
struct DecimalNumber {
    bool negative = false;
    std::string digits;  // without leading zeros; empty for zero
    int exponent = 0;

    // Rounded half to even after moving the point `shift` places to the right; nothing when the result
    // does not fit into 64 bits.
    std::optional<LONGLONG> ToInt64(int shift = 0) const;
    double ToDouble() const;
};

// The shortest decimal that reads back as the same double (0.1 rather than 0.1000000000000000055...).
DecimalNumber ShortestDecimal(double value);

// Reads a number: blanks around it, a sign in front, behind or as parentheses, the locale's currency
// symbol in front or behind, its group separators in the whole part, its decimal separator, an exponent
// ("1,5E3"). Nothing for anything else.
std::optional<DecimalNumber> ParseNumber(std::u16string_view text, const Locale& locale = UserLocale());

// A double with up to 15 significant digits, exponent form outside 1E-5 .. 1E15 ("1E+20").
std::u16string FormatDouble(double value, const Locale& locale = UserLocale());
// A currency value with the decimals it needs (at most four): 12.5 gives "12,5" under Polish settings.
std::u16string FormatCurrency(CY value, const Locale& locale = UserLocale());
// A fixed number of decimals without group separators, the shortest decimal of the value rounded half
// away from zero: 1234.5 with 2 gives "1234,50" and 2.675 gives "2,68" under Polish settings.
std::u16string FormatFixed(double value, int decimals, const Locale& locale = UserLocale());

}  // namespace tlx
