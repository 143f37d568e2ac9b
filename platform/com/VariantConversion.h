// VariantChangeType: converting a VARIANT to another type with the OLE Automation rules.
//
// Kinds: EMPTY, NULL, I2, I4, I8, R8, CY, DATE, BSTR, BOOL, DISPATCH, UNKNOWN and ERROR; a by-reference
// source is converted as the value it points at. Integer and currency targets round half to even
// (currency to four places); a value out of the target's range gives DISP_E_OVERFLOW, a value that has
// no meaning in the target (text that is no number, NULL to a number) DISP_E_TYPEMISMATCH. Text is read
// and written under the locale (VariantChangeType: the user's default). An object converts through its
// default member (DISPID_VALUE) unless VARIANT_NOVALUEPROP is given.
#pragma once

#include "platform/com/Variant.h"

inline constexpr USHORT VARIANT_NOVALUEPROP = 0x01;
inline constexpr USHORT VARIANT_ALPHABOOL = 0x02;  // a boolean becomes "True"/"False" instead of "-1"/"0"
inline constexpr USHORT VARIANT_NOUSEROVERRIDE = 0x04;
inline constexpr USHORT VARIANT_LOCALBOOL = 0x10;  // a boolean becomes the locale's words for true/false

// `target` may be `source`; on failure `target` is left as it was.
HRESULT VariantChangeType(VARIANT* target, const VARIANT* source, USHORT flags, VARTYPE vt);
HRESULT VariantChangeTypeEx(VARIANT* target, const VARIANT* source, LCID lcid, USHORT flags, VARTYPE vt);
