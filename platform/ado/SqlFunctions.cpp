#include "platform/ado/SqlFunctions.h"

#include <sqlite3.h>

#include <cctype>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <optional>
#include <string>

#include "platform/ado/DateText.h"
#include "platform/com/OleDate.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
// A date's calendar fields; nothing outside the OLE date range.
std::optional<CalendarTime> Split(DATE date) { return CalendarFromDate(date); }

// A date argument: ISO or compact text, or a T-SQL day number (days from 1900-01-01).
std::optional<DATE> DateArgument(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
        case SQLITE_NULL: return std::nullopt;
        case SQLITE_INTEGER:
        case SQLITE_FLOAT: return sqlite3_value_double(value) + 2.0;
        default: return ParseDateText(reinterpret_cast<const char*>(sqlite3_value_text(value)));
    }
}

void ResultDate(sqlite3_context* context, std::optional<DATE> date) {
    auto text = date ? FormatDateText(*date) : std::nullopt;
    if (!text) return sqlite3_result_error(context, "The date is outside 0100-01-01 .. 9999-12-31", -1);
    sqlite3_result_text(context, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
}

// NULL for NULL; fails for a text that is no date.
bool ReadDate(sqlite3_context* context, sqlite3_value* value, DATE& date) {
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_null(context);
        return false;
    }
    auto parsed = DateArgument(value);
    if (!parsed) {
        std::string message = "Conversion failed when converting date and/or time from character string: ";
        message += reinterpret_cast<const char*>(sqlite3_value_text(value));
        sqlite3_result_error(context, message.c_str(), -1);
        return false;
    }
    date = *parsed;
    return true;
}

template <int CalendarTime::*Part>
void DatePart(sqlite3_context* context, int, sqlite3_value** argv) {
    DATE date = 0;
    if (!ReadDate(context, argv[0], date)) return;
    auto parts = Split(date);
    if (!parts) return ResultDate(context, std::nullopt);
    sqlite3_result_int(context, (*parts).*Part);
}

void GetDate(sqlite3_context* context, int, sqlite3_value**) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    ResultDate(context, MakeOleDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                                    local.tm_sec));
}

std::string PartName(sqlite3_value* value) {
    std::string name;
    if (auto text = reinterpret_cast<const char*>(sqlite3_value_text(value)))
        for (; *text; ++text) name += static_cast<char>(std::tolower(static_cast<unsigned char>(*text)));
    if (name == "yy" || name == "yyyy") return "year";
    if (name == "mm" || name == "m") return "month";
    if (name == "dd" || name == "d") return "day";
    if (name == "wk" || name == "ww") return "week";
    if (name == "hh") return "hour";
    if (name == "mi" || name == "n") return "minute";
    if (name == "ss" || name == "s") return "second";
    return name;
}

void DateAdd(sqlite3_context* context, int, sqlite3_value** argv) {
    std::string part = PartName(argv[0]);
    if (sqlite3_value_type(argv[1]) == SQLITE_NULL) return sqlite3_result_null(context);
    long long amount = sqlite3_value_int64(argv[1]);
    DATE date = 0;
    if (!ReadDate(context, argv[2], date)) return;
    auto c = Split(date);
    if (!c) return ResultDate(context, std::nullopt);
    if (part == "year" || part == "month") {
        long long months = c->year * 12LL + (c->month - 1) + (part == "year" ? amount * 12 : amount);
        if (months < 0 || months > 12LL * 10000) return ResultDate(context, std::nullopt);
        c->year = static_cast<int>(months / 12);
        c->month = static_cast<int>(months % 12) + 1;
        c->day = std::min(c->day, DaysInMonth(c->month, c->year));
        return ResultDate(context, MakeOleDate(c->year, c->month, c->day, c->hour, c->minute, c->second));
    }
    double days = 0;
    if (part == "day" || part == "dayofyear" || part == "dy" || part == "y") days = static_cast<double>(amount);
    else if (part == "week") days = amount * 7.0;
    else if (part == "hour") days = amount / 24.0;
    else if (part == "minute") days = amount / 1440.0;
    else if (part == "second") days = amount / 86400.0;
    else return sqlite3_result_error(context, ("Unsupported DATEADD part " + part).c_str(), -1);
    auto whole = MakeOleDate(c->year, c->month, c->day);
    auto shifted = whole ? Split(*whole + days + (c->hour * 3600 + c->minute * 60 + c->second) / 86400.0)
                         : std::nullopt;
    if (!shifted) return ResultDate(context, std::nullopt);
    ResultDate(context, MakeOleDate(shifted->year, shifted->month, shifted->day, shifted->hour, shifted->minute,
                                    shifted->second));
}

void DateDiff(sqlite3_context* context, int, sqlite3_value** argv) {
    std::string part = PartName(argv[0]);
    DATE from = 0, to = 0;
    if (!ReadDate(context, argv[1], from) || !ReadDate(context, argv[2], to)) return;
    auto a = Split(from), b = Split(to);
    if (!a || !b) return ResultDate(context, std::nullopt);
    if (part == "year") return sqlite3_result_int(context, b->year - a->year);
    if (part == "month") return sqlite3_result_int(context, (b->year - a->year) * 12 + b->month - a->month);
    auto dayA = MakeOleDate(a->year, a->month, a->day), dayB = MakeOleDate(b->year, b->month, b->day);
    if (part == "day") return sqlite3_result_int64(context, std::llround(*dayB - *dayA));
    return sqlite3_result_error(context, ("Unsupported DATEDIFF part " + part).c_str(), -1);
}

// tlx_text(value, length, style, pad): CONVERT or CAST to a character type of `length`; style 120 (and
// the other ODBC styles) writes dates as "YYYY-MM-DD HH:MM:SS" cut to the length.
void ToText(sqlite3_context* context, int, sqlite3_value** argv) {
    sqlite3_value* value = argv[0];
    if (sqlite3_value_type(value) == SQLITE_NULL) return sqlite3_result_null(context);
    long long length = sqlite3_value_int64(argv[1]);
    bool pad = sqlite3_value_int(argv[3]) != 0;
    std::string text;
    if (sqlite3_value_type(value) == SQLITE_FLOAT) {
        char buffer[40];
        double d = sqlite3_value_double(value);
        std::snprintf(buffer, sizeof buffer, d == std::floor(d) && std::fabs(d) < 1e15 ? "%.0f" : "%.15g", d);
        text = buffer;
    } else {
        text = reinterpret_cast<const char*>(sqlite3_value_text(value));
        if (sqlite3_value_type(value) == SQLITE_TEXT) {
            if (auto date = ParseDateText(text)) text = FormatDateText(*date).value_or(text);
        }
    }
    if (length > 0 && text.size() > static_cast<size_t>(length)) {
        // Cut at a character boundary of the UTF-8 text.
        size_t bytes = 0;
        long long characters = 0;
        while (bytes < text.size() && characters < length) {
            unsigned char lead = static_cast<unsigned char>(text[bytes]);
            bytes += lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            ++characters;
        }
        text.resize(std::min(bytes, text.size()));
    } else if (pad && length > 0 && text.size() < static_cast<size_t>(length)) {
        text.append(static_cast<size_t>(length) - text.size(), ' ');
    }
    sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// tlx_datetime(value, style): CONVERT or CAST to datetime, as "YYYY-MM-DD HH:MM:SS".
void ToDateTime(sqlite3_context* context, int, sqlite3_value** argv) {
    DATE date = 0;
    if (ReadDate(context, argv[0], date)) ResultDate(context, date);
}

// tlx_div(a, b) and tlx_mod(a, b): / and % as T-SQL divides: whole numbers by whole numbers cut toward
// zero, NULL with a NULL operand, and a division by zero is an error, not NULL.
template <bool kModulo>
void Divide(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL || sqlite3_value_type(argv[1]) == SQLITE_NULL)
        return sqlite3_result_null(context);
    if (sqlite3_value_numeric_type(argv[0]) == SQLITE_INTEGER && sqlite3_value_numeric_type(argv[1]) == SQLITE_INTEGER) {
        sqlite3_int64 a = sqlite3_value_int64(argv[0]), b = sqlite3_value_int64(argv[1]);
        if (b == 0) return sqlite3_result_error(context, "Divide by zero error encountered.", -1);
        if (b == -1) return sqlite3_result_int64(context, kModulo ? 0 : (a == INT64_MIN ? a : -a));
        return sqlite3_result_int64(context, kModulo ? a % b : a / b);
    }
    double a = sqlite3_value_double(argv[0]), b = sqlite3_value_double(argv[1]);
    if (b == 0.0) return sqlite3_result_error(context, "Divide by zero error encountered.", -1);
    sqlite3_result_double(context, kModulo ? std::fmod(a, b) : a / b);
}

// UPPER and LOWER of T-SQL change the case of every letter of the Latin alphabets (Polish letters
// included), one character for one.
char32_t ChangeCase(char32_t c, bool upper) {
    if (c < 0x80) {
        if (upper && c >= U'a' && c <= U'z') return c - 32;
        if (!upper && c >= U'A' && c <= U'Z') return c + 32;
        return c;
    }
    if (c >= 0xC0 && c <= 0xFE && c != 0xD7 && c != 0xF7 && c != 0xDF) {
        bool isUpper = c <= 0xDE;
        if (upper && !isUpper) return c - 0x20;
        if (!upper && isUpper) return c + 0x20;
        return c;
    }
    if (c == 0xFF && upper) return 0x178;
    if (c == 0x178 && !upper) return 0xFF;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x17F) {
        // Pairs start on even code points, except 0x139..0x148 and 0x179..0x17E, which start on odd ones.
        bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        bool isUpper = oddPairs ? (c % 2 == 1) : (c % 2 == 0);
        if (upper && !isUpper) return c - 1;
        if (!upper && isUpper) return c + 1;
    }
    return c;
}

template <bool kUpper>
void CaseOf(sqlite3_context* context, int, sqlite3_value** argv) {
    if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(context);
    auto bytes = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    std::u16string text = tlx::Utf8ToUtf16(std::string_view(bytes ? bytes : "", static_cast<size_t>(sqlite3_value_bytes(argv[0]))));
    for (char16_t& c : text)
        if (c < 0xD800 || c > 0xDFFF) c = static_cast<char16_t>(ChangeCase(c, kUpper));
    std::string out = tlx::Utf16ToUtf8(text);
    sqlite3_result_text(context, out.c_str(), static_cast<int>(out.size()), SQLITE_TRANSIENT);
}

void Install(sqlite3* db, const char* name, int args, void (*function)(sqlite3_context*, int, sqlite3_value**),
             bool deterministic = true) {
    int flags = SQLITE_UTF8 | (deterministic ? SQLITE_DETERMINISTIC : 0);
    sqlite3_create_function_v2(db, name, args, flags, nullptr, function, nullptr, nullptr, nullptr);
}
}  // namespace

void InstallBuiltinFunctions(sqlite3* db) {
    Install(db, "year", 1, DatePart<&CalendarTime::year>);
    Install(db, "month", 1, DatePart<&CalendarTime::month>);
    Install(db, "day", 1, DatePart<&CalendarTime::day>);
    Install(db, "getdate", 0, GetDate, false);
    Install(db, "dateadd", 3, DateAdd);
    Install(db, "datediff", 3, DateDiff);
    Install(db, "tlx_text", 4, ToText);
    Install(db, "tlx_datetime", 2, ToDateTime);
    Install(db, "tlx_div", 2, Divide<false>);
    Install(db, "tlx_mod", 2, Divide<true>);
    Install(db, "upper", 1, CaseOf<true>);
    Install(db, "lower", 1, CaseOf<false>);
}

}  // namespace tlx::ado
