// Case folding of the ASCII letters only, for names that compare without regard to case (ProgIDs,
// registry paths, resource and column names, field names): every other character, the Polish letters
// included, stays as it is.
#pragma once

#include <string>
#include <string_view>

namespace tlx {

constexpr char16_t AsciiLower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c; }
constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

template <class Char>
std::basic_string<Char> AsciiLowerCopy(std::basic_string_view<Char> text) {
    std::basic_string<Char> out(text);
    for (Char& c : out) c = AsciiLower(c);
    return out;
}

template <class Char>
bool EqualsIgnoringAsciiCase(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    return true;
}
inline bool EqualsIgnoringAsciiCase(std::u16string_view a, std::u16string_view b) {
    return EqualsIgnoringAsciiCase<char16_t>(a, b);
}
inline bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    return EqualsIgnoringAsciiCase<char>(a, b);
}

}  // namespace tlx
