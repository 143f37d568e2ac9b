// OLE dates as the database stores them: ISO text "YYYY-MM-DD HH:MM:SS".
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/Types.h"

namespace tlx::ado {

// The OLE day number of a calendar date and time (day 0 is 1899-12-30); nothing for a field out of range
// or a year outside 100..9999.
std::optional<DATE> MakeOleDate(int year, int month, int day, int hour = 0, int minute = 0, int second = 0);
// "YYYY-MM-DD HH:MM:SS", rounded to the second; nothing outside the OLE date range.
std::optional<std::string> FormatDateText(DATE date);
// Reads "YYYY-MM-DD", "YYYY-MM-DD HH:MM[:SS[.fff]]" (also with 'T'), "YYYYMMDD" and the day-first forms
// "DD-MM-YYYY" and "DD.MM.YYYY"; anything else gives nothing.
std::optional<DATE> ParseDateText(std::string_view text);

}  // namespace tlx::ado
