#include "platform/com/VarFormat.h"

#include <string>
#include <vector>

#include "platform/com/OleDate.h"
#include "platform/com/VariantConversion.h"

namespace {

enum class Field { Literal, Year4, Year2, Month, Month2, Day, Day2, Hour, Hour2, Minute, Minute2, Second, Second2, AmPm };

struct Token {
    Field field;
    std::u16string text;  // for literals
};

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

std::size_t RunLength(std::u16string_view s, std::size_t at) {
    std::size_t n = 1;
    while (at + n < s.size() && Lower(s[at + n]) == Lower(s[at])) ++n;
    return n;
}

bool StartsWithIgnoreCase(std::u16string_view s, std::size_t at, std::u16string_view word) {
    if (s.size() - at < word.size()) return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (Lower(s[at + i]) != Lower(word[i])) return false;
    return true;
}

bool IsHour(Field f) { return f == Field::Hour || f == Field::Hour2; }
bool IsSecond(Field f) { return f == Field::Second || f == Field::Second2; }

std::vector<Token> Tokenize(std::u16string_view pattern) {
    std::vector<Token> tokens;
    auto literal = [&](std::u16string_view text) {
        if (!tokens.empty() && tokens.back().field == Field::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({Field::Literal, std::u16string(text)});
    };
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char16_t c = Lower(pattern[i]);
        if (pattern[i] == u'"') {
            std::size_t end = pattern.find(u'"', i + 1);
            if (end == std::u16string_view::npos) end = pattern.size();
            literal(pattern.substr(i + 1, end - i - 1));
            i = end + 1;
            continue;
        }
        if (pattern[i] == u'\\' && i + 1 < pattern.size()) {
            literal(pattern.substr(i + 1, 1));
            i += 2;
            continue;
        }
        if (StartsWithIgnoreCase(pattern, i, u"am/pm")) {
            tokens.push_back({Field::AmPm, {}});
            i += 5;
            continue;
        }
        const std::size_t run = RunLength(pattern, i);
        switch (c) {
            case u'y': tokens.push_back({run >= 3 ? Field::Year4 : Field::Year2, {}}); break;
            case u'm': tokens.push_back({run >= 2 ? Field::Month2 : Field::Month, {}}); break;
            case u'd': tokens.push_back({run >= 2 ? Field::Day2 : Field::Day, {}}); break;
            case u'h': tokens.push_back({run >= 2 ? Field::Hour2 : Field::Hour, {}}); break;
            case u'n': tokens.push_back({run >= 2 ? Field::Minute2 : Field::Minute, {}}); break;
            case u's': tokens.push_back({run >= 2 ? Field::Second2 : Field::Second, {}}); break;
            default: literal(pattern.substr(i, run)); break;
        }
        i += run;
    }
    // "m" stands for minutes right after an hour or right before seconds.
    for (std::size_t t = 0; t < tokens.size(); ++t) {
        if (tokens[t].field != Field::Month && tokens[t].field != Field::Month2) continue;
        auto neighbour = [&](std::ptrdiff_t step) -> const Token* {
            for (std::ptrdiff_t k = static_cast<std::ptrdiff_t>(t) + step; k >= 0 && k < static_cast<std::ptrdiff_t>(tokens.size()); k += step)
                if (tokens[static_cast<std::size_t>(k)].field != Field::Literal) return &tokens[static_cast<std::size_t>(k)];
            return nullptr;
        };
        const Token* before = neighbour(-1);
        const Token* after = neighbour(1);
        if ((before && IsHour(before->field)) || (after && IsSecond(after->field)))
            tokens[t].field = tokens[t].field == Field::Month ? Field::Minute : Field::Minute2;
    }
    return tokens;
}

std::u16string Number(int value, int width) {
    std::u16string s;
    do {
        s.insert(s.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), u'0');
    return s;
}

std::u16string Render(const std::vector<Token>& tokens, const tlx::CalendarTime& t) {
    bool twelveHour = false;
    for (const Token& token : tokens) twelveHour = twelveHour || token.field == Field::AmPm;
    const int hour = twelveHour ? (t.hour % 12 == 0 ? 12 : t.hour % 12) : t.hour;
    std::u16string out;
    for (const Token& token : tokens) {
        switch (token.field) {
            case Field::Literal: out += token.text; break;
            case Field::Year4: out += Number(t.year, 4); break;
            case Field::Year2: out += Number(t.year % 100, 2); break;
            case Field::Month: out += Number(t.month, 1); break;
            case Field::Month2: out += Number(t.month, 2); break;
            case Field::Day: out += Number(t.day, 1); break;
            case Field::Day2: out += Number(t.day, 2); break;
            case Field::Hour: out += Number(hour, 1); break;
            case Field::Hour2: out += Number(hour, 2); break;
            case Field::Minute: out += Number(t.minute, 1); break;
            case Field::Minute2: out += Number(t.minute, 2); break;
            case Field::Second: out += Number(t.second, 1); break;
            case Field::Second2: out += Number(t.second, 2); break;
            case Field::AmPm: out += t.hour < 12 ? u"AM" : u"PM"; break;
        }
    }
    return out;
}

}  // namespace

HRESULT VarFormat(const VARIANT* value, LPCOLESTR format, int, int, ULONG, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (!value) return E_INVALIDARG;
    tlx::Variant converted;
    if (!format || !*format) {
        if (HRESULT hr = VariantChangeType(&converted, value, 0, VT_BSTR); FAILED(hr)) return hr;
        *out = converted.Detach().bstrVal;
        return S_OK;
    }
    if (HRESULT hr = VariantChangeType(&converted, value, 0, VT_DATE); FAILED(hr)) return hr;
    auto time = tlx::CalendarFromDate(converted.date);
    if (!time) return E_INVALIDARG;
    try {
        const std::u16string text = Render(Tokenize(format), *time);
        *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
    return *out ? S_OK : E_OUTOFMEMORY;
}
