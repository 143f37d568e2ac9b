// Conversions of VARIANT values (recordset fields, configuration values, script values) with the
// module's rules for "no value": a database NULL reads as 0, the empty text or the empty amount.
// A value the platform cannot convert raises the platform's HRESULT without a description.
#pragma once

#include <string>
#include <string_view>

#include "platform/com/Variant.h"

class CBstr;
class CMoney;

// VT_NULL gives 0; VT_EMPTY converts to 0.
long VariantToLong(const VARIANT& value);
// VT_NULL gives 0; otherwise the value as a double rounded to hundredths.
CMoney VariantToMoney(const VARIANT& value);
// VT_NULL gives the empty text; numbers and dates in the user's regional format.
CBstr VariantToBstr(const VARIANT& value);
// The "Or" forms take the value over (it is cleared) and give the default for VT_EMPTY and VT_NULL.
long VariantToLongOr(VARIANT value, long defaultValue);
CBstr VariantToBstrOr(VARIANT value, const CBstr& defaultValue);
CMoney VariantToMoneyOr(VARIANT value, double defaultValue);
// The text a VT_BSTR holds; VT_NULL gives the empty text.
std::u16string VariantToCString(const VARIANT& value);

// A text VARIANT of `first` followed by `second`, its text made in one piece (a column's prefix and name
// as a recordset's field key, "@" and a bookmark as a collection's item key).
tlx::Variant JoinedText(std::u16string_view first, std::u16string_view second);

// The value converted to `type` by the platform's rules; a failure raises its HRESULT.
tlx::Variant ConvertVariant(const VARIANT& value, VARTYPE type);
