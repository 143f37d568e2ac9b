// VarFormat: a value written with a user-defined date pattern ("YYYY-MM-DD", "DD-MM-YYYY hh:nn:ss").
#pragma once

#include "platform/com/Variant.h"

// Pattern letters, in either case: yyyy (year), yy (two-digit year), m / mm (month; minutes after an hour
// or before seconds), d / dd (day), h / hh (hour), n / nn (minutes), s / ss (seconds), AM/PM (twelve-hour
// clock with the designator). Text between double quotes and a character after a backslash are copied
// as they stand, as is every other character. The value is converted to a date first (text under the
// user's locale). A null or empty pattern writes the value as VariantChangeType would.
// `firstDayOfWeek`, `firstWeekOfYear` and `flags` are accepted for the usual signature and not used.
HRESULT VarFormat(const VARIANT* value, LPCOLESTR format, int firstDayOfWeek, int firstWeekOfYear, ULONG flags,
                  BSTR* out);
