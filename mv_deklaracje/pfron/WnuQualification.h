// Whether an employee card has WN-U data for a month: the test that decides who gets an INF-U-P
// attachment (for the declaration's own month) and whose payments of other months an attachment takes.
//
// State: `countDays` is what the last test left for the working-time reading and the payment walk that
// follow it: true once the card passed its first checks, false when the answer rests on the month before
// the declaration's (then none of the declaration month's days or wages are counted for it).
#pragma once

#include "mv_deklaracje/pfron/EmployeeMonth.h"

class WnuQualification {
public:
    // The WN-U's own month and year.
    WnuQualification(long year, long month);

    // Whether the card counts in `month` of `year`.
    bool QualifiesForMonth(long month, long year, EmployeeMonthSource& employee);
    // The test for the WN-U's own month.
    bool IsEmployeeReportable(EmployeeMonthSource& employee) { return QualifiesForMonth(month_, year_, employee); }

    bool countDays = false;

    static constexpr long kExcludingRecord = 1;

private:
    long year_;
    long month_;
};
