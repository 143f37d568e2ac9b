// Whether an employee counts for a month of a WN-D: the test for the declaration's own month, which
// decides who gets an INF-D-P attachment, and the test for any month, which decides whose payments and
// working time an attachment takes. Both generations of the WN-D, with their differences as data.
//
// State: `employeeCounts` is what the last test left for the working-time walk and the payment walk of an
// attachment: true once an employee passed the first checks, false when the answer rests on the month
// before the declaration's (then nothing of the declaration's month is counted for him).
#pragma once

#include "mv_deklaracje/pfron/EmployeeMonth.h"

enum class WndGeneration { First, Current };

class WndEligibility {
public:
    // The declaration's month and year and its form version.
    WndEligibility(WndGeneration generation, long year, long month, long version);

    // Whether the employee gets an attachment for the declaration's month.
    bool IsEmployeeEligible(EmployeeMonthSource& employee);
    // Whether the employee's record counts in `month` of `year`.
    bool IsEmployeeEligibleInMonth(long month, long year, EmployeeMonthSource& employee);

    // The first day of the employment that the month-end record continues, following earlier
    // employments back over gaps of up to 30 free days.
    CDate ContinuousEmploymentStart(EmployeeMonthSource& employee) const;
    // `count` less the days of the stretch [from, to] the employee was absent under break codes 111 and
    // 112 (absences marked 1 left out); never below 0.
    static long SubtractAbsenceDays(EmployeeMonthSource& employee, CDate from, CDate to, long count);
    // Whether such an absence has a day in the stretch.
    static bool HasAbsenceDays(EmployeeMonthSource& employee, CDate from, CDate to);
    // Whether unpaid leave (break codes 121 and 122) takes every day of `month` of `year`.
    static bool AbsentAllMonth(EmployeeMonthSource& employee, long year, long month);

    bool employeeCounts = false;

    static constexpr long kExcludingRecord = 1;
    static constexpr long kExcludedTitle = 99999;
    static constexpr long kAbsenceUnpaidLeave = 121;
    static constexpr long kAbsenceUnpaidLeaveOther = 122;
    static constexpr long kAbsenceSickness = 111;
    static constexpr long kAbsenceSicknessOther = 112;
    static constexpr int kLastYearWithoutAidRule = 2008;
    static constexpr int kMaxBridgedFreeDays = 30;

private:
    struct Month {
        long year;
        long month;
        long Index() const { return year * 12 + month; }
    };
    bool Test(Month tested, EmployeeMonthSource& employee, bool declarationMonth);
    bool ElementCodesExclude(EmployeeMonthSource& employee, long degree) const;

    WndGeneration generation_;
    Month declaration_;
    long version_;
};
