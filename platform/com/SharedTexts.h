// Texts kept once in the process for every holder of the same text, each laid out as a BSTR (its byte
// count before the characters, a NUL after them) so that it reads as one wherever a BSTR is read, but
// never freed with SysFreeString: its holders count it with Hold and Release, and the last Release frees
// it. The values rows hold are the holders: a save of many new rows writes the same descriptions of the
// same forms into every row, and would otherwise keep a copy in each.
#pragma once

#include "platform/com/Types.h"

namespace tlx {

class SharedTexts {
public:
    // A shared text equal to `length` characters at `text`: the one kept already, or a new one.
    static BSTR Keep(const OLECHAR* text, UINT length);
    // One more holder of a text from Keep.
    static void Hold(BSTR text) noexcept;
    // One holder less; the last frees the text.
    static void Release(BSTR text) noexcept;
};

}  // namespace tlx
