// Reading a number that a form or a configuration value keeps as text with a given decimal mark.
#pragma once

#include <string_view>

// A number written with `separator` as its decimal mark: the whole part as the C runtime's wtol reads it
// (blanks, a sign, digits), then the digits right after the separator as the fraction ("1,5 zł" gives
// 1.5; whatever follows the digits is ignored). "-0,5" gives -0.5 and ",5" gives 0.5; a text without the
// separator gives its whole part only ("0.5" read with "," gives 0).
double ParseDecimalString(std::u16string_view text, char16_t separator);
