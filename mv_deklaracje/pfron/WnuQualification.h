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
    static constexpr long kItemExcludingGroup = 4;  // item codes 40000..49999
    static constexpr long kItemByTitle = 30;        // counts only for employees and homeworkers
    static constexpr long kItemNotCounted = 0;
    static constexpr long kTitleEmployee = 1;       // the four-digit title's two leading digits
    static constexpr long kTitleHomeworker = 2;

private:
    // The record the payment scan takes when the month-end record has no degree; null when the test is
    // decided already (its answer in `answer`).
    const EmploymentRecord* DisabledRecord(EmployeeMonthSource& employee, const EmploymentRecord& atEnd, bool& answer);
    bool ByPayments(EmployeeMonthSource& employee, long target, long titleCode);

    long year_;
    long month_;
};
