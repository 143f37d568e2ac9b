#include "platform/ado/DateText.h"

#include <cmath>
#include <cstdio>

namespace tlx::ado {
namespace {
// Days from 1970-01-01 of a proleptic Gregorian date.
long DaysFromCivil(long y, unsigned m, unsigned d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long>(doe) - 719468;
}

void CivilFromDays(long z, int& year, int& month, int& day) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    year = static_cast<int>(static_cast<long>(yoe) + era * 400 + (month <= 2));
}

constexpr long kOleEpochDays = -25569;  // 1899-12-30 counted from 1970-01-01

bool ValidDate(int y, int m, int d) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (y < 100 || y > 9999 || m < 1 || m > 12 || d < 1 || d > kDays[m - 1]) return false;
    bool leap = (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
    return m != 2 || d <= 28 || leap;
}

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

DATE MakeOleDate(int year, int month, int day, int hour, int minute, int second) {
    double days = static_cast<double>(DaysFromCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
                                      kOleEpochDays);
    double fraction = (hour * 3600 + minute * 60 + second) / 86400.0;
    // Before day 0 the fraction counts away from zero, as OLE dates do.
    return days < 0 ? days - fraction : days + fraction;
}

std::string FormatDateText(DATE date) {
    double whole = std::trunc(date);
    double fraction = std::fabs(date - whole);
    long seconds = std::lround(fraction * 86400.0);
    long days = static_cast<long>(whole);
    if (seconds >= 86400) {
        seconds -= 86400;
        days += date < 0 ? -1 : 1;
    }
    int y = 0, m = 0, d = 0;
    CivilFromDays(days + kOleEpochDays, y, m, d);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", y % 10000, m % 100, d % 100,
                  static_cast<int>(seconds / 3600), static_cast<int>((seconds / 60) % 60), static_cast<int>(seconds % 60));
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
    if (!ValidDate(y, m, d)) return std::nullopt;
    if (rest < text.size()) {
        if (text[rest] != ' ' && text[rest] != 'T') return std::nullopt;
        if (!ParseTime(text, rest + 1, h, mi, s)) return std::nullopt;
    }
    return MakeOleDate(y, m, d, h, mi, s);
}

}  // namespace tlx::ado
