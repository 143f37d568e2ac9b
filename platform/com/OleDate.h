// OLE dates: days since 1899-12-30 as a double, the fraction being the time of day. Before the epoch
// the whole part counts back while the fraction still counts forward (-1.25 is 1899-12-29 06:00).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/com/Locale.h"

struct SYSTEMTIME {
    WORD wYear;
    WORD wMonth;
    WORD wDayOfWeek;  // 0 is Sunday
    WORD wDay;
    WORD wHour;
    WORD wMinute;
    WORD wSecond;
    WORD wMilliseconds;
};

// Both answer FALSE for a value outside 0100-01-01 .. 9999-12-31 (or an invalid calendar field);
// the time is rounded to the nearest second.
int SystemTimeToVariantTime(const SYSTEMTIME* time, DATE* date);
int VariantTimeToSystemTime(DATE date, SYSTEMTIME* time);

namespace tlx {

inline constexpr DATE kMinOleDate = -657434.0;              // 0100-01-01
inline constexpr DATE kMaxOleDate = 2958465.99998842592;  // 9999-12-31 23:59:59

struct CalendarTime {
    int year = 1899, month = 12, day = 30;
    int hour = 0, minute = 0, second = 0;
    int dayOfWeek = 6;  // 0 is Sunday
};

bool IsLeapYear(int year);
int DaysInMonth(int month, int year);  // month 1..12

// The OLE date of a calendar time; nothing when a field is out of range or the year is outside 100..9999.
std::optional<DATE> DateFromCalendar(const CalendarTime& time);
// The calendar time of an OLE date; nothing outside the OLE date range.
std::optional<CalendarTime> CalendarFromDate(DATE date);

// A date as the locale writes it: the date alone for a whole day, the time alone when the whole part is
// 0 (1899-12-30), otherwise both with a blank between. Nothing outside the OLE date range.
std::optional<std::u16string> FormatDate(DATE date, const Locale& locale = UserLocale());
// Reads a date, a time or both as the locale writes them; also accepts the ISO order "YYYY-MM-DD" and
// two-digit years (00..29 are 2000..2029, 30..99 are 1930..1999). Nothing for text that is no date.
std::optional<DATE> ParseDate(std::u16string_view text, const Locale& locale = UserLocale());

}  // namespace tlx
