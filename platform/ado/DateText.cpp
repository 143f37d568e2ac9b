#include "platform/ado/DateText.h"

#include <cstdio>

#include "platform/com/OleDate.h"

namespace tlx::ado {
namespace {
// Reads exactly `count` digits at `pos`.
bool Digits(std::string_view text, size_t pos, size_t count, int& out) {
    if (pos + count > text.size()) return false;
    out = 0;
    for (size_t i = pos; i < pos + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        out = out * 10 + (text[i] - '0');
    }
    return true;
}

// "HH:MM[:SS[.fff]]" from `pos` to the end.
bool ParseTime(std::string_view text, size_t pos, int& h, int& mi, int& s) {
    s = 0;
    if (!Digits(text, pos, 2, h) || pos + 2 >= text.size() || text[pos + 2] != ':' || !Digits(text, pos + 3, 2, mi))
        return false;
    pos += 5;
    if (pos < text.size() && text[pos] == ':') {
        if (!Digits(text, pos + 1, 2, s)) return false;
        pos += 3;
        if (pos < text.size() && text[pos] == '.') {
            ++pos;
            while (pos < text.size() && text[pos] >= '0' && text[pos] <= '9') ++pos;
        }
    }
    return pos == text.size() && h < 24 && mi < 60 && s < 60;
}
}  // namespace

std::optional<DATE> MakeOleDate(int year, int month, int day, int hour, int minute, int second) {
    CalendarTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return DateFromCalendar(time);
}

std::optional<std::string> FormatDateText(DATE date) {
    auto t = CalendarFromDate(date);
    if (!t) return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", t->year, t->month, t->day, t->hour,
                  t->minute, t->second);
    return buffer;
}

std::optional<DATE> ParseDateText(std::string_view text) {
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    int y = 0, m = 0, d = 0, h = 0, mi = 0, s = 0;
    size_t rest = 0;
    if (text.size() >= 10 && text[4] == '-' && text[7] == '-' && Digits(text, 0, 4, y) && Digits(text, 5, 2, m) &&
        Digits(text, 8, 2, d)) {
        rest = 10;
    } else if (text.size() >= 10 && (text[2] == '-' || text[2] == '.') && text[5] == text[2] &&
               Digits(text, 0, 2, d) && Digits(text, 3, 2, m) && Digits(text, 6, 4, y)) {
        rest = 10;
    } else if (text.size() == 8 && Digits(text, 0, 4, y) && Digits(text, 4, 2, m) && Digits(text, 6, 2, d)) {
        rest = 8;
    } else {
        return std::nullopt;
    }
    if (rest < text.size()) {
        if (text[rest] != ' ' && text[rest] != 'T') return std::nullopt;
        if (!ParseTime(text, rest + 1, h, mi, s)) return std::nullopt;
    }
    return MakeOleDate(y, m, d, h, mi, s);  // nothing for a day the month does not have
}

}  // namespace tlx::ado
