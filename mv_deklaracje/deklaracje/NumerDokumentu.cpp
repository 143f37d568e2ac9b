#include "mv_deklaracje/deklaracje/NumerDokumentu.h"

#include "mv_deklaracje/core/ComError.h"

namespace {

// The longest register code a number shows.
constexpr unsigned kRegisterCodeLength = 5;

char16_t LowerPolish(char16_t c) {
    if (c >= u'A' && c <= u'Z') return static_cast<char16_t>(c + 32);
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return static_cast<char16_t>(c + 32);  // Ó and Latin-1
    switch (c) {
        case u'Ą':
            return u'ą';
        case u'Ć':
            return u'ć';
        case u'Ę':
            return u'ę';
        case u'Ł':
            return u'ł';
        case u'Ń':
            return u'ń';
        case u'Ś':
            return u'ś';
        case u'Ź':
            return u'ź';
        case u'Ż':
            return u'ż';
        default:
            return c;
    }
}

CBstr Replace(const CBstr& text, const char16_t* token, const CBstr& value) {
    return ReplaceAll(text.c_str(), token, value.IsNull() ? nullptr : value.c_str(), false);
}

}  // namespace

CBstr ToLowerPolish(const CBstr& text) {
    std::u16string lowered = text.Str();
    for (char16_t& c : lowered) c = LowerPolish(c);
    return CBstr(lowered);
}

CBstr FillNumberTemplate(const CBstr& pattern, const CBstr& symbol, const CBstr& registerCode, long month, long year) {
    CBstr text = ToLowerPolish(pattern);
    text = Replace(text, u"@symbol", symbol);
    text = Replace(text, u"@rejestr", CBstr(registerCode.View().substr(0, kRegisterCodeLength)));
    text = Replace(text, u"@rok_kal", CBstr(FormatString(u"%04d", static_cast<int>(year))));
    text = Replace(text, u"@rok_obr", CBstr(FormatString(u"%04d", static_cast<int>(year))));
    text = Replace(text, u"@miesiac", CBstr(FormatString(u"%02d", static_cast<int>(month))));
    text = Replace(text, u"/@brak", CBstr(u""));
    return Replace(text, u"@brak/", CBstr(u""));
}

CBstr FillRunningNumber(const CBstr& text, long number) {
    if (number != 0) {
        CBstr filled = Replace(text, u"@numers", CBstr(FormatString(u"%d", static_cast<int>(number))));
        return Replace(filled, u"@numer", CBstr(FormatString(u"%06d", static_cast<int>(number))));
    }
    CBstr without = text;
    for (const char16_t* place : {u"/@numers", u"/@numer", u"@numers/", u"@numer/"})
        without = Replace(without, place, CBstr(u""));
    return without;
}
