#include "mv_deklaracje/kedu/KeduPageText.h"

#include <cstdio>
#include <limits>
#include <string>

#include "mv_deklaracje/export/XmlEscape.h"

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";
constexpr unsigned kAmountMinDigits = 3;     // "0.05": the hundredths and a whole złoty digit
constexpr std::size_t kAmountKeepLength = 5;  // leading zeros go while the amount is this long or longer
constexpr unsigned kPostalCodeMinLength = 5;
constexpr unsigned kTitleWidth = 4;
constexpr unsigned kTitleCodeMinLength = 3;

bool IsStreamSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

// The line `line` with the LF that precedes it and the CR that ends it, or nothing.
std::u16string_view RawLine(std::u16string_view block, int line) {
    std::size_t previous = 1;  // the LF of the line break the block text begins with
    std::size_t end = 0;
    for (int i = 1; i <= line; ++i) {
        end = block.find(kLineBreak, previous + 1);
        if (end == std::u16string_view::npos) return {};
        if (i < line) previous = end + 1;
    }
    const std::size_t start = line == 1 ? previous + 1 : previous;
    return start <= end ? block.substr(start, end - start + 1) : std::u16string_view{};
}

// The decimal value of the leading sign and digits, as the C library's conversion reads it (leading
// whitespace skipped), held at the limits of long long instead of overflowing.
long long LeadingNumber(std::u16string_view text) {
    std::size_t at = 0;
    while (at < text.size() && IsStreamSpace(text[at])) ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-')) negative = text[at++] == u'-';
    long long value = 0;
    constexpr long long kLimit = std::numeric_limits<long long>::max() / 10 - 9;
    for (; at < text.size() && text[at] >= u'0' && text[at] <= u'9'; ++at) {
        if (value > kLimit) return negative ? std::numeric_limits<long long>::min()
                                            : std::numeric_limits<long long>::max();
        value = value * 10 + (text[at] - u'0');
    }
    return negative ? -value : value;
}

bool IsIsoDate(std::u16string_view text) {
    constexpr std::u16string_view kPattern = u"DDDD-DD-DD";
    if (text.size() != kPattern.size()) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= u'0' && text[i] <= u'9';
        if (kPattern[i] == u'D' ? !digit : text[i] != kPattern[i]) return false;
    }
    return true;
}

std::u16string Widen(const std::string& text) { return std::u16string(text.begin(), text.end()); }

}  // namespace

CBstr BlockText(std::u16string_view text, std::u16string_view code, int n) {
    const std::u16string open = u"<" + std::u16string(code) + u">";
    const std::u16string close = u"</" + std::u16string(code) + u">";
    std::size_t start = 0;
    if (n > 0) {
        std::size_t from = 0;
        for (int i = 0; i < n; ++i) {
            start = text.find(open, from);
            if (start == std::u16string_view::npos) return CBstr(u"");
            from = start + 1;
        }
    }
    const std::size_t content = std::min(start + open.size(), text.size());
    const std::size_t end = text.find(close, content);
    return CBstr(text.substr(content, end == std::u16string_view::npos ? std::u16string_view::npos : end - content));
}

CBstr LineValue(std::u16string_view block, int line, int word) {
    if (line < 1) return CBstr(u"");
    return RawLineValue(RawLine(block, line), word);
}

std::u16string_view LineWord(std::u16string_view line, int word) {
    std::size_t at = 0;
    std::u16string_view found;
    for (int i = 0; i < word; ++i) {
        while (at < line.size() && IsStreamSpace(line[at])) ++at;
        if (at == line.size()) return {};
        const std::size_t start = at;
        while (at < line.size() && !IsStreamSpace(line[at])) ++at;
        // A word that runs to the end of the line reached the end of the stream: it reads as empty.
        if (at == line.size()) return {};
        found = line.substr(start, at - start);
    }
    return found;
}

CBstr RawLineValue(std::u16string_view rawLine, int word) {
    if (rawLine.empty()) return CBstr(u"");
    if (word == 0) return EscapeXmlText(TrimLine(rawLine), true);
    return EscapeXmlText(CBstr(LineWord(rawLine, word)), true);
}

std::u16string_view TrimLineView(std::u16string_view text) {
    while (!text.empty() && (text.front() == u'\n' || text.front() == u' ' || text.front() == u'\r')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == u'\r' || text.back() == u' ')) text.remove_suffix(1);
    return text;
}

CBstr TrimLine(std::u16string_view text) { return CBstr(TrimLineView(text)); }

CBstr TrueIfEqual(const CBstr& value, std::u16string_view expected) {
    return CBstr(value.View() == expected ? u"true" : u"");
}

CBstr AmountFromHundredths(const CBstr& value) {
    std::u16string text = value.Str();
    if (text.empty() || text == u"0" || text == u"00") return CBstr(u"0.00");
    if (text.size() < 3 || text[text.size() - 3] != u'.') {
        // Amounts under one złoty come as one or two digits: give them their whole-złoty zero first.
        const std::size_t sign = text.front() == u'-' || text.front() == u'+' ? 1 : 0;
        if (text.size() - sign < kAmountMinDigits) {
            text.insert(sign, kAmountMinDigits - (text.size() - sign), u'0');
        }
        text.insert(text.size() - 2, 1, u'.');
    }
    while (text.size() >= kAmountKeepLength && text.front() == u'0') text.erase(0, 1);
    return CBstr(text);
}

CBstr CurrencyText(CY amount) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(amount.int64) / 10000.0);
    std::u16string text = Widen(buffer);
    for (char16_t& c : text) {
        if (c == u',') c = u'.';
    }
    return CBstr(text);
}

CBstr StripLeadingZeros(const CBstr& text) {
    std::u16string_view view = text.View();
    while (view.size() > 1 && view.front() == u'0') view.remove_prefix(1);
    return CBstr(view);
}

CBstr PostalCodeOrEmpty(const CBstr& value) {
    const long long number = LeadingNumber(value.View());
    if (number != 0 && value.Length() >= kPostalCodeMinLength &&
        Widen(std::to_string(number)) == StripLeadingZeros(value).View()) {
        return value;
    }
    return CBstr(u"");
}

void AppendKeduDate(std::u16string& out, std::u16string_view date, long referenceYear, long referenceMonth) {
    constexpr unsigned kShortLength = 4;
    constexpr unsigned kYearStart = 4;
    constexpr unsigned kYearMaxLength = 6;
    if (date.size() < kShortLength) {
        out += u"null";
        return;
    }
    // A value the report keeps as a calendar date ("YYYY-MM-DD") is a KEDU date already.
    if (IsIsoDate(date)) {
        out += date;
        return;
    }
    const std::u16string_view day = date.substr(0, 2);
    const std::u16string_view month = date.substr(2, 2);
    if (date.size() == kShortLength) {
        out += LongToString(LeadingNumber(month) > referenceMonth ? referenceYear - 1 : referenceYear).View();
    } else {
        out += date.substr(kYearStart, kYearMaxLength);
    }
    out += u'-';
    out += month;
    out += u'-';
    out += day;
}

CBstr KeduDate(const CBstr& date, long referenceYear, long referenceMonth) {
    if (IsIsoDate(date.View())) return date;
    std::u16string text;
    AppendKeduDate(text, date.View(), referenceYear, referenceMonth);
    return CBstr(text);
}

CBstr PadLeftZeros(const CBstr& text, unsigned width) {
    if (text.Length() >= width) return text;
    return CBstr(std::u16string(width - text.Length(), u'0') + text.Str());
}

CBstr SplitTitleCode(const CBstr& code, CBstr& title, CBstr& right, CBstr& degree) {
    // "0" and the empty code stand for no title; a one-digit code is the degree alone.
    const CBstr whole = code.IsEmpty() || code == u"0" ? CBstr(u"0000") : PadLeftZeros(code, 2);
    const unsigned length = whole.Length();
    right = whole.Mid(length - 2, 1);
    degree = whole.Mid(length - 1, 1);
    title = PadLeftZeros(whole.Left(length - 2), kTitleWidth);
    return PadLeftZeros(whole, kTitleCodeMinLength);
}
