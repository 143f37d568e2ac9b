// The text of one cell of a KEDU block, as a line of the document's text form shows it (hostapi/Kedu.h).
#pragma once

#include <string>
#include <string_view>

#include "platform/com/Variant.h"

namespace tlx::host {

// The cell a value stands in, for messages: "bloku DIPL na pozycji 3".
struct KeduCell {
    std::u16string_view block;
    LONG position;
    std::u16string Describe() const;
};

// True when a text may stand on a line of the text form: no CR, no LF, no "<" followed by a letter or
// "/" (which the readers would take for a tag).
bool IsLineSafe(std::u16string_view text);

// Refuses (KeduError, E_INVALIDARG) a value that the text form cannot show: a text that is not line-safe,
// a double that is no number, a date outside the calendar, a kind that has no text; the message names the cell.
void CheckKeduValue(const VARIANT& value, const KeduCell& where);

// Appends the value's text: integers in decimal; VT_CY and VT_R8 with a point and two decimals, rounded
// half away from zero; VT_DATE as DDMMYYYY; VT_NULL and VT_EMPTY nothing; VT_BOOL "X" when true; texts as
// they are; other kinds converted to text in the C locale. A value without a text throws as CheckKeduValue.
void AppendKeduValue(std::u16string& out, const VARIANT& value, const KeduCell& where);

}  // namespace tlx::host
