// Regional settings that text conversions of numbers, dates and booleans follow. The user's default
// locale is Polish (decimal comma, DD.MM.YYYY); English (United States) is the other one known, besides a
// test locale.
#pragma once

#include <string_view>

#include "platform/com/Unknown.h"

inline constexpr LCID LANG_POLISH_POLAND = 0x0415;
inline constexpr LCID LANG_ENGLISH_US = 0x0409;
// A locale for tests only: its decimal comma is also its thousands separator, so an amount it writes
// ("2100,11") reads back as another (210011).
inline constexpr LCID LANG_TEST_AMBIGUOUS_COMMA = 0x04FF;

namespace tlx {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };

struct Locale {
    LCID id;
    char16_t decimalSeparator;
    // Thousands separators accepted when reading numbers (the first one is the locale's own).
    std::u16string_view groupSeparators;
    DateOrder dateOrder;
    char16_t dateSeparator;
    bool padDayAndMonth;  // "05.03.2024" rather than "5/3/2024"
    bool twelveHourClock;
    std::u16string_view amDesignator;
    std::u16string_view pmDesignator;
    std::u16string_view trueName;
    std::u16string_view falseName;
    std::u16string_view currencySymbol;  // accepted before or after a number that is read
};

// The locale of an identifier: LOCALE_USER_DEFAULT and LOCALE_SYSTEM_DEFAULT (and 0) give the user's
// default; an identifier of an unknown language gives null.
const Locale* FindLocale(LCID lcid);
const Locale& UserLocale();
// Makes `lcid` the user's default for the whole process and answers the previous one; an unknown
// identifier changes nothing. Hosts and tests set it; the module only reads it.
LCID SetUserLocale(LCID lcid);

// Sets the user's locale for one scope (tests) and restores the previous one on exit.
class ScopedUserLocale {
public:
    explicit ScopedUserLocale(LCID lcid) : previous_(SetUserLocale(lcid)) {}
    ~ScopedUserLocale() { SetUserLocale(previous_); }
    ScopedUserLocale(const ScopedUserLocale&) = delete;
    ScopedUserLocale& operator=(const ScopedUserLocale&) = delete;

private:
    LCID previous_;
};

}  // namespace tlx

LCID GetUserDefaultLCID();
