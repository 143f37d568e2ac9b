#include "mv_deklaracje/pfron/PfronText.h"

#include <cstdio>
#include <cstdlib>

#include "mv_deklaracje/core/DecimalParse.h"

CBstr FormatWymiaru(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.3f", RoundTo(x, 3));
    std::u16string text;
    for (const char* p = buffer; *p; ++p) text += *p == '.' ? u',' : static_cast<char16_t>(*p);
    return CBstr(text);
}

CBstr FormatDecimal3Text(const CBstr& text) { return FormatWymiaru(ParseDecimalString(text.View(), u',')); }

CBstr FormatPfronAmount(const CMoney& amount) { return FormatPfronAmount(amount.AsCurrency()); }

CBstr FormatPfronAmount(CY amount) {
    const LONGLONG count = amount.int64;  // ten-thousandths of a złoty
    const bool negative = count < 0;
    // |count| as unsigned, so that the smallest value does not overflow; hundredths rounded half up.
    const unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(count)
                                                  : static_cast<unsigned long long>(count);
    const unsigned long long grosze = (magnitude + 50) / 100;
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%s%llu,%02llu", negative && grosze != 0 ? "-" : "", grosze / 100,
                  grosze % 100);
    return CBstr(std::u16string(buffer, buffer + std::char_traits<char>::length(buffer)));
}

CBstr FormatReportingPeriod(long month, long year) {
    std::u16string monthText = LongToString(month).Str();
    if (monthText.size() < 2) monthText = u"0" + monthText;
    return CBstr(monthText + u"-" + LongToString(year).Str());
}

CBstr TruncateText(unsigned maxLength, const CBstr& text) {
    if (text.Length() <= maxLength) return text;
    unsigned cut = maxLength;
    if (cut > 0 && text.View()[cut - 1] >= 0xD800 && text.View()[cut - 1] <= 0xDBFF) --cut;
    return text.Left(cut);
}

CBstr RepeatChar(OLECHAR c, int count) { return CBstr(std::u16string(count > 0 ? count : 0, c)); }

CBstr PadTwoDigits(long value) {
    const std::u16string digits = LongToString(value).Str();
    return CBstr(value >= 0 && value < 10 ? u"0" + digits : digits);
}
