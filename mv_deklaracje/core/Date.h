// CDate: a calendar day held as an OLE date. 0 is the empty date; every other value is a whole day
// between 1900-01-01 (2) and 3000-01-01 (401769), clamped on every construction.
#pragma once

#include "mv_deklaracje/core/Bstr.h"

class CDate {
public:
    static constexpr double kFirst = 2.0;       // 1900-01-01
    static constexpr double kLast = 401769.0;   // 3000-01-01

    CDate() = default;
    explicit CDate(double value);
    // Day `day` of month `month` (normalised into the year); day 0 is the last day of the month before.
    CDate(int month, int day, int year);
    // VT_EMPTY and VT_NULL give the empty date; text is read in the user's regional format.
    explicit CDate(const VARIANT& value);
    explicit CDate(const OLECHAR* text);

    bool IsEmpty() const { return value_ == 0.0; }
    double Value() const { return value_; }
    tlx::Variant ToVariant() const;
    int GetYear() const;
    int GetMonth() const;
    int GetDay() const;
    CDate AddDays(int days) const { return CDate(value_ + days); }
    // The SQL literal: "null" for the empty date, else the date in `format` ("YYYY-MM-DD" when null;
    // the tokens YYYY, MM and DD are replaced).
    CBstr FormatSql(const OLECHAR* format = nullptr) const;
    // The SQL Server literal of the day: "CONVERT(datetime, 'YYYY-MM-DD', 120)".
    CBstr FormatSqlDateTime() const;

    friend bool operator==(const CDate& a, const CDate& b) { return a.value_ == b.value_; }
    friend auto operator<=>(const CDate& a, const CDate& b) { return a.value_ <=> b.value_; }

private:
    double value_ = 0.0;
};

// Brings `month` into 1..12, carrying whole years into `year`.
void NormalizeMonth(int& month, int& year);
int DaysInMonth(int month, int year);
