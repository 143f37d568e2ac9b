#include "mv_deklaracje/core/Date.h"

#include <cmath>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/OleDate.h"

namespace {
double Clamp(double value) {
    double days = std::trunc(value);
    if (days == 0.0) return 0.0;
    if (days < CDate::kFirst) return CDate::kFirst;
    if (days > CDate::kLast) return CDate::kLast;
    return days;
}

struct Calendar {
    int year, month, day;
};

Calendar ToCalendar(double value) {
    auto time = tlx::CalendarFromDate(value);
    if (!time) RaiseHResult(E_INVALIDARG);
    return Calendar{time->year, time->month, time->day};
}

constexpr int kDaysInMonth[13] = {29, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool IsLeap(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }
}  // namespace

CDate::CDate(double value) : value_(Clamp(value)) {}

CDate::CDate(int month, int day, int year) {
    NormalizeMonth(month, year);
    tlx::CalendarTime firstDay;
    firstDay.year = year;
    firstDay.month = month;
    firstDay.day = 1;
    auto first = tlx::DateFromCalendar(firstDay);
    if (!first) RaiseHResult(E_INVALIDARG);
    value_ = Clamp(*first + day - 1);
}

CDate::CDate(const VARIANT& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return;
    value_ = Clamp(value.vt == VT_DATE ? value.date : ConvertVariant(value, VT_DATE).date);
}

CDate::CDate(const OLECHAR* text) : CDate(static_cast<const VARIANT&>(tlx::Variant::FromString(text ? text : u""))) {}

tlx::Variant CDate::ToVariant() const { return IsEmpty() ? tlx::Variant::Null() : tlx::Variant::FromDate(value_); }

int CDate::GetYear() const { return ToCalendar(value_).year; }
int CDate::GetMonth() const { return ToCalendar(value_).month; }
int CDate::GetDay() const { return ToCalendar(value_).day; }

CBstr CDate::FormatSqlDateTime() const {
    return CBstr(u"CONVERT(datetime, '" + FormatSql(u"YYYY-MM-DD").Str() + u"', 120)");
}

CBstr CDate::FormatSql(const OLECHAR* format) const {
    if (IsEmpty()) return CBstr(u"null");
    Calendar c = ToCalendar(value_);
    std::u16string text = format ? format : u"YYYY-MM-DD";
    auto put = [&](std::u16string_view token, int value, int width) {
        std::u16string digits = LongToString(value).Str();
        while (static_cast<int>(digits.size()) < width) digits.insert(digits.begin(), u'0');
        for (std::size_t pos = 0; (pos = CBstr(text).ToUpper().View().find(token, pos)) != std::u16string::npos;)
            text.replace(pos, token.size(), digits), pos += digits.size();
    };
    put(u"YYYY", c.year, 4);
    put(u"MM", c.month, 2);
    put(u"DD", c.day, 2);
    return CBstr(text);
}

void NormalizeMonth(int& month, int& year) {
    if (month > 12) {
        year += (month - 1) / 12;
        month = (month - 1) % 12 + 1;
    } else if (month < 1) {
        year += month / 12 - 1;
        month = 12 - ((-month) % 12);
    }
}

int DaysInMonth(int month, int year) {
    NormalizeMonth(month, year);
    return month == 2 && IsLeap(year) ? kDaysInMonth[0] : kDaysInMonth[month];
}
