#include "host/collections/ItemKey.h"

#include <cmath>
#include <cstdlib>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
    return s;
}

char16_t FoldAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

bool EqualsNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldAscii(a[i]) != FoldAscii(b[i])) return false;
    return true;
}

std::optional<double> ParseNumber(std::u16string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > 64) return std::nullopt;
    std::string narrow;
    for (char16_t c : text) {
        if (c > 0x7F) return std::nullopt;
        narrow.push_back(c == u',' ? '.' : static_cast<char>(c));
    }
    char* end = nullptr;
    double value = std::strtod(narrow.c_str(), &end);
    if (end != narrow.c_str() + narrow.size() || !std::isfinite(value)) return std::nullopt;
    for (char c : narrow)  // strtod also takes hexadecimal, infinities and exponents: a key never is one
        if (!(c == '-' || c == '+' || c == '.' || (c >= '0' && c <= '9'))) return std::nullopt;
    return value;
}

// Finds the next " AND " (any case) outside quotes, from `from`; npos when none.
std::size_t FindAnd(std::u16string_view text, std::size_t from) {
    bool quoted = false;
    for (std::size_t i = from; i < text.size(); ++i) {
        if (text[i] == u'\'') quoted = !quoted;
        if (quoted || !IsBlank(text[i])) continue;
        std::size_t j = i;
        while (j < text.size() && IsBlank(text[j])) ++j;
        if (j + 3 < text.size() && EqualsNoCase(text.substr(j, 3), u"and") && IsBlank(text[j + 3])) return i;
    }
    return std::u16string_view::npos;
}

bool ParseClause(std::u16string_view text, CriteriaClause& clause) {
    std::size_t eq = text.find(u'=');
    if (eq == std::u16string_view::npos) return false;
    std::u16string_view column = Trim(text.substr(0, eq));
    std::u16string_view value = Trim(text.substr(eq + 1));
    if (column.empty()) return false;
    for (char16_t c : column)
        if (!(c == u'_' || c == u'.' || (c >= u'0' && c <= u'9') || (FoldAscii(c) >= u'a' && FoldAscii(c) <= u'z') ||
              c > 0x7F))
            return false;
    clause.column = std::u16string(column);
    if (!value.empty() && value.front() == u'\'') {
        if (value.size() < 2 || value.back() != u'\'') return false;
        std::u16string unquoted;
        for (std::size_t i = 1; i + 1 < value.size(); ++i) {
            if (value[i] == u'\'') {
                if (i + 2 >= value.size() || value[i + 1] != u'\'') return false;
                ++i;
            }
            unquoted.push_back(value[i]);
        }
        clause.text = std::move(unquoted);
        clause.number.reset();
        return true;
    }
    if (value.empty() || value.find(u'\'') != std::u16string_view::npos) return false;
    for (char16_t c : value)
        if (IsBlank(c)) return false;  // an unquoted value is one word
    clause.text = std::u16string(value);
    clause.number = ParseNumber(value);
    return true;
}

HRESULT Malformed(std::u16string_view key) {
    return SetErrorText(E_INVALIDARG, u"Niepoprawny klucz elementu kolekcji: " + std::u16string(key));
}

}  // namespace

std::optional<LONG> ParseDecimal(std::u16string_view text) {
    text = Trim(text);
    if (text.empty() || text.size() > 11) return std::nullopt;
    std::size_t i = (text[0] == u'-' || text[0] == u'+') ? 1 : 0;
    if (i == text.size()) return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        if (text[i] < u'0' || text[i] > u'9') return std::nullopt;
        value = value * 10 + (text[i] - u'0');
    }
    if (text[0] == u'-') value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<LONG>(value);
}

bool ParseCriteria(std::u16string_view text, std::vector<CriteriaClause>& out) {
    out.clear();
    std::size_t start = 0;
    while (true) {
        std::size_t next = FindAnd(text, start);
        std::u16string_view part = text.substr(start, next == std::u16string_view::npos ? text.npos : next - start);
        CriteriaClause clause;
        if (!ParseClause(part, clause)) return false;
        out.push_back(std::move(clause));
        if (next == std::u16string_view::npos) return true;
        std::size_t j = next;
        while (IsBlank(text[j])) ++j;
        start = j + 3;
    }
}

HRESULT ParseItemKey(const VARIANT& key, ItemKey& out) {
    out = ItemKey{};
    const VARIANT* value = &key;
    if (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal) value = value->pvarVal;
    switch (value->vt) {
        case VT_EMPTY:
            out.kind = ItemKey::Kind::Current;
            return S_OK;
        case VT_ERROR:
            if (value->scode != DISP_E_PARAMNOTFOUND_SCODE) return Malformed(u"(błąd)");
            out.kind = ItemKey::Kind::Current;
            return S_OK;
        case VT_I2:
            out.kind = ItemKey::Kind::Position;
            out.position = value->iVal;
            break;
        case VT_I4:
        case VT_INT:
            out.kind = ItemKey::Kind::Position;
            out.position = value->lVal;
            break;
        case VT_I8:
            out.kind = ItemKey::Kind::Position;
            out.position = value->llVal > INT32_MAX || value->llVal < INT32_MIN ? -1 : static_cast<LONG>(value->llVal);
            break;
        case VT_R8:
            if (value->dblVal != std::floor(value->dblVal)) return Malformed(u"(liczba ułamkowa)");
            out.kind = ItemKey::Kind::Position;
            out.position = std::fabs(value->dblVal) > INT32_MAX ? -1 : static_cast<LONG>(value->dblVal);
            break;
        case VT_DISPATCH:
        case VT_UNKNOWN:
            if (!value->punkVal) return Malformed(u"(pusty obiekt)");
            out.kind = ItemKey::Kind::Object;
            out.object = ComPtr<IUnknown>(value->punkVal);
            return S_OK;
        case VT_BSTR: {
            std::u16string_view text(value->bstrVal ? value->bstrVal : u"", SysStringLen(value->bstrVal));
            out.text = std::u16string(text);
            if (!text.empty() && text.front() == u'@') {
                out.kind = ItemKey::Kind::Bookmark;
                out.bookmark = std::u16string(text.substr(1));
                return S_OK;
            }
            if (text.find(u'=') != std::u16string_view::npos) {
                out.kind = ItemKey::Kind::Criteria;
                return ParseCriteria(text, out.criteria) ? S_OK : Malformed(text);
            }
            std::optional<LONG> id = ParseDecimal(text);
            if (!id) return Malformed(text);
            out.kind = ItemKey::Kind::Identifier;
            out.identifier = *id;
            return S_OK;
        }
        default:
            return Malformed(u"(typ " + Utf8ToUtf16(std::to_string(value->vt)) + u")");
    }
    out.text = Utf8ToUtf16(std::to_string(out.position));
    return S_OK;
}

Variant ObjectKey(const VARIANT& parameter) {
    const VARIANT* value = &parameter;
    if (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal) value = value->pvarVal;
    long long number = 0;
    switch (value->vt) {
        case VT_I2: number = value->iVal; break;
        case VT_I4:
        case VT_INT: number = value->lVal; break;
        case VT_I8: number = value->llVal; break;
        case VT_R8:
            // A fraction or a number past the identifiers' range is left to Item, which refuses it.
            if (value->dblVal != std::floor(value->dblVal) || std::fabs(value->dblVal) > INT32_MAX) return Variant(*value);
            number = static_cast<long long>(value->dblVal);
            break;
        default: return Variant(*value);
    }
    return Variant::FromString(Utf8ToUtf16(std::to_string(number)));
}

bool ValueMatches(const VARIANT& value, const CriteriaClause& clause) {
    std::optional<double> number;
    std::u16string text;
    switch (value.vt) {
        case VT_I2: number = value.iVal; break;
        case VT_I4:
        case VT_INT: number = value.lVal; break;
        case VT_I8: number = static_cast<double>(value.llVal); break;
        case VT_R8:
        case VT_DATE: number = value.dblVal; break;
        case VT_R4: number = value.fltVal; break;
        case VT_CY: number = static_cast<double>(value.cyVal.int64) / 10000.0; break;
        case VT_BOOL: number = value.boolVal ? -1 : 0; break;
        case VT_BSTR: text.assign(value.bstrVal ? value.bstrVal : u"", SysStringLen(value.bstrVal)); break;
        default: return false;  // NULL, EMPTY and objects equal nothing
    }
    if (number) {
        std::optional<double> wanted = clause.number ? clause.number : ParseNumber(clause.text);
        return wanted && std::fabs(*number - *wanted) < 1e-9;
    }
    if (clause.number) {
        std::optional<double> have = ParseNumber(text);
        if (have) return std::fabs(*have - *clause.number) < 1e-9;
    }
    return EqualsNoCase(text, clause.text);
}

}  // namespace tlx::host
