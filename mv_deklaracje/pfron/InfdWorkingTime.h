// The working time of an INF-D-P attachment: the month's days of employment as fractions of a
// full-time month, split by degree of disability and by days marked in the employee's calendar.
//
// The month is walked in windows: each is a stretch in which one dated record stays valid, cut at the
// employment's start and end and at the termination date of the month-end record. Days in a gap between
// records are not employed; the walk goes on at the next record begun inside the month. A window's days of
// employment covered by at least one marked entry count on the marked side, each day once; the others
// on the unmarked side.
#pragma once

#include <array>
#include <functional>
#include <vector>

#include "mv_deklaracje/pfron/EmployeeMonth.h"

// A stretch of a window taken from one dated entry, clipped to the window.
struct OdcinekOkresu {
    CDate Od;
    CDate Do;
    bool Oznaczony = false;
};

// One window of the walk with days of employment: the record valid in it and its employed days.
struct WorkingWindow {
    const EmploymentRecord* record = nullptr;
    CDate from;           // the first and last employed day of the window
    CDate to;
    int days = 0;         // employed days
    int markedDays = 0;   // of them, the days covered by a marked entry, each day once
    bool clipped = false; // the window was cut at the employment's start or end
};

class InfdWorkingTime {
public:
    // The twelve sums in the order of the attachment's fields.
    enum Field {
        CHRONZNACZNY, CHRONUMIARKOWANY, CHRONLEKKI, CHRONSZNACZNY, CHRONSUMIARKOWANY, CHRONSLEKKI,
        NORMZNACZNY, NORMUMIARKOWANY, NORMLEKKI, NORMSZNACZNY, NORMSUMIARKOWANY, NORMSLEKKI, kFieldCount
    };
    static constexpr const char16_t* kFieldNames[kFieldCount] = {
        u"CHRONZNACZNY", u"CHRONUMIARKOWANY", u"CHRONLEKKI", u"CHRONSZNACZNY", u"CHRONSUMIARKOWANY",
        u"CHRONSLEKKI", u"NORMZNACZNY", u"NORMUMIARKOWANY", u"NORMLEKKI", u"NORMSZNACZNY",
        u"NORMSUMIARKOWANY", u"NORMSLEKKI"};
    using Sums = std::array<double, kFieldCount>;

    InfdWorkingTime(long year, long month, long refundStatus);

    // The sums for one employee; `terminationDate` is that of the month-end record. A record whose
    // working-time denominator is 0 stops the calculation with the PFRON user error.
    Sums Calculate(EmployeeMonthSource& employee, CDate terminationDate);
    // Walks the month's windows and hands each one with days of employment to `visit`, which answers
    // whether the walk goes on. The walk also ends after the window that holds `cutDate` (when given).
    void Walk(EmployeeMonthSource& employee, CDate cutDate, const std::function<bool(const WorkingWindow&)>& visit);
    // The sum a window's days go to under a refund status, or -1 when the status and degree count nowhere.
    static int FieldFor(long refundStatus, bool marked, long degree);
    // The stretches of the last window calculated.
    const std::vector<OdcinekOkresu>& Odcinki() const { return odcinki_; }

private:
    int MarkedDays(EmployeeMonthSource& employee, CDate from, CDate to);
    // The record valid at `day`, or (`begunAfter`) the first begun after it, which may be null.
    static const EmploymentRecord* ReadRecord(EmployeeMonthSource& employee, CDate day, bool begunAfter);

    long year_;
    long month_;
    long refundStatus_;
    int daysInMonth_;
    std::vector<OdcinekOkresu> odcinki_;
};
