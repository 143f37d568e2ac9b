#include "mv_deklaracje/zus/ZusText.h"

#include <algorithm>
#include <string>

namespace {

// The capital of a letter of the Latin-1 and Latin Extended-A ranges; any other character as it is.
char16_t UpperLetter(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 0x20);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 0x20);
    if (c == 0xFF) return 0x178;
    // Latin Extended-A pairs its letters capital first, except two runs that pair them the other way.
    const bool oddCapitals = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
    if (c >= 0x100 && c <= 0x17F && c != 0x138 && c != 0x149 && c != 0x17F) {
        const bool isOdd = (c & 1) != 0;
        if (oddCapitals ? !isOdd : isOdd) return static_cast<char16_t>(c - 1);
    }
    return c;
}

}  // namespace

CBstr DeformatNIP(const CBstr& text) {
    if (text.IsNull()) return text;
    std::u16string digits = text.Str();
    std::erase(digits, u'-');
    return CBstr(digits);
}

CBstr UpperCaseName(const CBstr& text) {
    if (text.IsNull()) return text;
    std::u16string upper = text.Str();
    std::ranges::transform(upper, upper.begin(), UpperLetter);
    return CBstr(upper);
}
