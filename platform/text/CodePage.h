// Text conversions at the edges: UTF-8 (files, SQLite, libxml2, Duktape, the terminal) and code page
// 1250 (the Central European ANSI code page) to and from the UTF-16 the module works in.
#pragma once

#include <string>
#include <string_view>

namespace tlx {

// Every byte maps to one character; the five bytes that code page 1250 leaves undefined (0x81, 0x83,
// 0x88, 0x90, 0x98) map to the control character of the same value, so a round trip keeps all 256.
std::u16string DecodeCp1250(std::string_view bytes);
// Characters without a byte in code page 1250 become '?'; `lossy` (when given) tells whether any did.
std::string EncodeCp1250(std::u16string_view text, bool* lossy = nullptr);

// Malformed input (an invalid UTF-8 sequence, a lone surrogate) becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace tlx
