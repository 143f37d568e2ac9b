// OLE dates and the script's Date objects meet through the local calendar: an OLE date counts days
// from 1899-12-30 with the time of day as the fraction (before that day the whole part counts back while
// the fraction still counts forward: -1.25 is 1899-12-29 06:00), a Date is built from the same year,
// month, day and time in the local time zone. Milliseconds are kept.
#pragma once

#include <optional>

#include "platform/com/Types.h"

namespace tlx::host {

struct CalendarParts {
    int year = 1899, month = 1, day = 1;  // month 1..12
    int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// Nothing for a value that is not a finite number.
std::optional<CalendarParts> PartsFromOleDate(DATE date);
DATE OleDateFromParts(const CalendarParts& parts);

}  // namespace tlx::host
