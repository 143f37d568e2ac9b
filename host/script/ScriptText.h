// Text between UTF-16 and the script heap's byte form. The heap keeps strings as sequences of 16-bit
// code units, each written the UTF-8 way on its own (a surrogate pair as two 3-byte sequences), so a
// UTF-16 text goes in and comes out unchanged, lone surrogates included.
#pragma once

#include <string>
#include <string_view>

namespace tlx::host {
std::string ToScriptBytes(std::u16string_view text);
// Also reads 4-byte sequences (characters beyond U+FFFF written in source text) as surrogate pairs; a
// malformed byte becomes U+FFFD.
std::u16string FromScriptBytes(std::string_view bytes);
}  // namespace tlx::host
