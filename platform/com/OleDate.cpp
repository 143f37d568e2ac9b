#include "platform/com/OleDate.h"
#include "platform/text/AsciiCase.h"

#include <cmath>
#include <ctime>
#include <vector>

namespace tlx {
namespace {

constexpr long long kEpochFromCivil = 25569;  // 1970-01-01 is OLE day 25569

// Days since 1970-01-01 of a proleptic Gregorian date (the usual era-based day count).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

bool IsSpace(char16_t c) { return c == u' ' || c == u'\t' || c == u'\u00A0'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

std::u16string_view Trim(std::u16string_view s) {
    while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
    while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
    return s;
}

struct Number {
    int value;
    int digits;
};

// Splits "12.05.2024" or "2024-05-12" into its numbers; any other character than a digit, a blank or
// one of the separators makes the text no date.
std::optional<std::vector<Number>> SplitNumbers(std::u16string_view s, std::u16string_view separators) {
    std::vector<Number> numbers;
    size_t i = 0;
    while (i < s.size()) {
        if (IsDigit(s[i])) {
            Number n{0, 0};
            while (i < s.size() && IsDigit(s[i])) {
                if (n.digits > 5) return std::nullopt;
                n.value = n.value * 10 + (s[i] - u'0');
                ++n.digits;
                ++i;
            }
            numbers.push_back(n);
        } else if (IsSpace(s[i]) || separators.find(s[i]) != std::u16string_view::npos) {
            ++i;
        } else {
            return std::nullopt;
        }
    }
    return numbers;
}

int CurrentYear() {
    std::time_t now = std::time(nullptr);
    std::tm parts{};
    localtime_r(&now, &parts);
    return parts.tm_year + 1900;
}

int ExpandYear(const Number& n) {
    if (n.digits <= 2) return n.value < 30 ? 2000 + n.value : 1900 + n.value;
    return n.value;
}

std::optional<CalendarTime> ParseDatePart(std::u16string_view s, const Locale& locale) {
    CalendarTime t;
    if (s.empty()) return t;
    std::u16string separators = u"./-,";
    separators += locale.dateSeparator;
    auto numbers = SplitNumbers(s, separators);
    if (!numbers || numbers->size() < 2 || numbers->size() > 3) return std::nullopt;
    const auto& n = *numbers;
    if (n.size() == 3 && n[0].digits > 2) {
        t.year = n[0].value, t.month = n[1].value, t.day = n[2].value;
    } else if (n.size() == 3) {
        switch (locale.dateOrder) {
            case DateOrder::MonthDayYear: t.month = n[0].value, t.day = n[1].value; break;
            case DateOrder::DayMonthYear: t.day = n[0].value, t.month = n[1].value; break;
            case DateOrder::YearMonthDay: return std::nullopt;  // covered by the four-digit year above
        }
        t.year = ExpandYear(n[2]);
    } else {
        bool monthFirst = locale.dateOrder == DateOrder::MonthDayYear;
        t.month = monthFirst ? n[0].value : n[1].value;
        t.day = monthFirst ? n[1].value : n[0].value;
        t.year = CurrentYear();
    }
    return t;
}

bool ParseTimePart(std::u16string_view s, const Locale& locale, CalendarTime& t) {
    s = Trim(s);
    if (s.empty()) return true;
    int designator = 0;  // 1 AM, 2 PM
    size_t end = s.size();
    while (end > 0 && !IsDigit(s[end - 1]) && !IsSpace(s[end - 1])) --end;
    std::u16string_view word = s.substr(end);
    if (!word.empty()) {
        if (EqualsIgnoringAsciiCase(word, u"AM") || (!locale.amDesignator.empty() && EqualsIgnoringAsciiCase(word, locale.amDesignator)))
            designator = 1;
        else if (EqualsIgnoringAsciiCase(word, u"PM") || (!locale.pmDesignator.empty() && EqualsIgnoringAsciiCase(word, locale.pmDesignator)))
            designator = 2;
        else
            return false;
        s = Trim(s.substr(0, end));
    }
    auto numbers = SplitNumbers(s, u":");
    if (!numbers || numbers->size() < 2 || numbers->size() > 3) return false;
    // Every separator must be a colon: "12 30" is no time.
    for (size_t i = 0; i < s.size(); ++i)
        if (IsSpace(s[i])) return false;
    t.hour = (*numbers)[0].value;
    t.minute = (*numbers)[1].value;
    t.second = numbers->size() == 3 ? (*numbers)[2].value : 0;
    if (designator != 0) {
        if (t.hour < 1 || t.hour > 12) return false;
        t.hour = t.hour % 12 + (designator == 2 ? 12 : 0);
    }
    return true;
}

std::u16string Digits(int value, int width) {
    std::u16string s;
    do {
        s.insert(s.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value > 0);
    while (static_cast<int>(s.size()) < width) s.insert(s.begin(), u'0');
    return s;
}

std::u16string FormatDay(const CalendarTime& t, const Locale& locale) {
    const int width = locale.padDayAndMonth ? 2 : 1;
    const std::u16string sep(1, locale.dateSeparator);
    const std::u16string y = Digits(t.year, 4), m = Digits(t.month, width), d = Digits(t.day, width);
    switch (locale.dateOrder) {
        case DateOrder::MonthDayYear: return m + sep + d + sep + y;
        case DateOrder::YearMonthDay: return y + sep + m + sep + d;
        case DateOrder::DayMonthYear: break;
    }
    return d + sep + m + sep + y;
}

std::u16string FormatTime(const CalendarTime& t, const Locale& locale) {
    if (!locale.twelveHourClock)
        return Digits(t.hour, 2) + u":" + Digits(t.minute, 2) + u":" + Digits(t.second, 2);
    int hour = t.hour % 12 == 0 ? 12 : t.hour % 12;
    std::u16string designator(t.hour < 12 ? locale.amDesignator : locale.pmDesignator);
    return Digits(hour, 1) + u":" + Digits(t.minute, 2) + u":" + Digits(t.second, 2) + u" " + designator;
}

}  // namespace

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int DaysInMonth(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::optional<DATE> DateFromCalendar(const CalendarTime& t) {
    if (t.year < 100 || t.year > 9999 || t.month < 1 || t.month > 12) return std::nullopt;
    if (t.day < 1 || t.day > DaysInMonth(t.month, t.year)) return std::nullopt;
    if (t.hour < 0 || t.hour > 23 || t.minute < 0 || t.minute > 59 || t.second < 0 || t.second > 59)
        return std::nullopt;
    const double days = static_cast<double>(DaysFromCivil(t.year, static_cast<unsigned>(t.month),
                                                          static_cast<unsigned>(t.day)) +
                                            kEpochFromCivil);
    const double time = (t.hour * 3600.0 + t.minute * 60.0 + t.second) / 86400.0;
    return days < 0 ? days - time : days + time;
}

std::optional<CalendarTime> CalendarFromDate(DATE date) {
    if (!(date > kMinOleDate - 1.0) || !(date < kMaxOleDate + 0.5 / 86400.0)) return std::nullopt;
    double whole = std::trunc(date);
    long long day = static_cast<long long>(whole);
    long long seconds = std::llround(std::fabs(date - whole) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        ++day;
    }
    CalendarTime t;
    CivilFromDays(day - kEpochFromCivil, t.year, t.month, t.day);
    if (t.year < 100 || t.year > 9999) return std::nullopt;
    t.hour = static_cast<int>(seconds / 3600);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
    long long dow = (day - kEpochFromCivil + 4) % 7;  // 1970-01-01 was a Thursday
    t.dayOfWeek = static_cast<int>(dow < 0 ? dow + 7 : dow);
    return t;
}

std::optional<std::u16string> FormatDate(DATE date, const Locale& locale) {
    auto t = CalendarFromDate(date);
    if (!t) return std::nullopt;
    const bool noTime = t->hour == 0 && t->minute == 0 && t->second == 0;
    const bool noDay = t->year == 1899 && t->month == 12 && t->day == 30;
    if (noDay) return FormatTime(*t, locale);
    if (noTime) return FormatDay(*t, locale);
    return FormatDay(*t, locale) + u" " + FormatTime(*t, locale);
}

std::optional<DATE> ParseDate(std::u16string_view text, const Locale& locale) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    // The time starts with the number in front of the first colon.
    std::u16string_view datePart = text, timePart;
    if (size_t colon = text.find(u':'); colon != std::u16string_view::npos) {
        size_t start = colon;
        while (start > 0 && IsDigit(text[start - 1])) --start;
        if (start == colon) return std::nullopt;
        datePart = Trim(text.substr(0, start));
        timePart = text.substr(start);
        if (!datePart.empty() && datePart.back() == u'T') datePart = Trim(datePart.substr(0, datePart.size() - 1));
    }
    auto t = ParseDatePart(datePart, locale);
    if (!t || !ParseTimePart(timePart, locale, *t)) return std::nullopt;
    return DateFromCalendar(*t);
}

}  // namespace tlx

int SystemTimeToVariantTime(const SYSTEMTIME* time, DATE* date) {
    if (!time || !date) return FALSE;
    tlx::CalendarTime t;
    t.year = time->wYear, t.month = time->wMonth, t.day = time->wDay;
    t.hour = time->wHour, t.minute = time->wMinute, t.second = time->wSecond;
    auto value = tlx::DateFromCalendar(t);
    if (!value) return FALSE;
    *date = *value;
    return TRUE;
}

int VariantTimeToSystemTime(DATE date, SYSTEMTIME* time) {
    if (!time) return FALSE;
    auto t = tlx::CalendarFromDate(date);
    if (!t) return FALSE;
    *time = SYSTEMTIME{static_cast<WORD>(t->year),   static_cast<WORD>(t->month),  static_cast<WORD>(t->dayOfWeek),
                       static_cast<WORD>(t->day),    static_cast<WORD>(t->hour),   static_cast<WORD>(t->minute),
                       static_cast<WORD>(t->second), 0};
    return TRUE;
}
