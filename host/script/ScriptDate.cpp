#include "host/script/ScriptDate.h"

#include <cmath>

namespace tlx::host {

namespace {
constexpr double kMillisecondsPerDay = 86400000.0;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar.
long long DaysFromCivil(long long year, int month, int day) {
    year -= month <= 2;
    long long era = (year >= 0 ? year : year - 399) / 400;
    long long yearOfEra = year - era * 400;
    long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(long long days, CalendarParts& parts) {
    days += 719468;
    long long era = (days >= 0 ? days : days - 146096) / 146097;
    long long dayOfEra = days - era * 146097;
    long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    long long monthIndex = (5 * dayOfYear + 2) / 153;
    parts.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    parts.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    parts.year = static_cast<int>(yearOfEra + era * 400 + (parts.month <= 2));
}

const long long kOleEpochDays = DaysFromCivil(1899, 12, 30);
}  // namespace

std::optional<CalendarParts> PartsFromOleDate(DATE date) {
    if (!std::isfinite(date) || std::fabs(date) > 1e9) return std::nullopt;
    double whole = std::trunc(date);
    auto milliseconds = static_cast<long long>(std::llround(std::fabs(date - whole) * kMillisecondsPerDay));
    auto days = static_cast<long long>(whole);
    if (milliseconds >= static_cast<long long>(kMillisecondsPerDay)) {
        // Rounding reached the next midnight (the fraction counts forward on either side of the epoch).
        milliseconds = 0;
        days += 1;
    }
    CalendarParts parts;
    CivilFromDays(kOleEpochDays + days, parts);
    parts.millisecond = static_cast<int>(milliseconds % 1000);
    parts.second = static_cast<int>(milliseconds / 1000 % 60);
    parts.minute = static_cast<int>(milliseconds / 60000 % 60);
    parts.hour = static_cast<int>(milliseconds / 3600000);
    return parts;
}

DATE OleDateFromParts(const CalendarParts& parts) {
    long long days = DaysFromCivil(parts.year, parts.month, parts.day) - kOleEpochDays;
    double fraction =
        (((parts.hour * 60.0 + parts.minute) * 60.0 + parts.second) * 1000.0 + parts.millisecond) /
        kMillisecondsPerDay;
    return days >= 0 ? static_cast<double>(days) + fraction : static_cast<double>(days) - fraction;
}

}  // namespace tlx::host
