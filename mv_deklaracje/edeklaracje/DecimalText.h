// Numbers and markers in the texts of e-declarations and export files: decimals written with a given
// separator (read by core/DecimalParse), decimals written back without trailing zeros, numbers kept in VARIANTs as either kind of
// text, and replacing a marker from the end of a text.
#pragma once

#include <string>
#include <string_view>

#include "mv_deklaracje/core/DecimalParse.h"
#include "platform/com/Variant.h"

// The number with at most eight decimals, "." as the decimal point and no trailing zeros: 12.5, 100.
std::u16string FormatTrimmedDecimal(double number);

// A number read from a VARIANT: empty, null or an empty text give `defaultValue`; a text may use "," or
// "." as its decimal mark; any other value converts as VARIANTs do (a failure raises its HRESULT).
double VariantToDoubleOr(const VARIANT& value, double defaultValue);

// The position of the last occurrence of `marker` lying wholly inside `text`; -1 when there is none or
// the marker is empty.
int FindLastMarker(std::u16string_view text, std::u16string_view marker);

// Replaces every occurrence of `search`, working from the end of the text; the replacement is not
// searched again when it ends where the search resumes. An empty search text changes nothing.
std::u16string ReplaceAllFromEnd(std::u16string_view text, std::u16string_view search,
                                 std::u16string_view replacement);
