// Whether a declaration's month gives an employee an INF-D-P attachment, and on which month's payroll
// the attachment rests. Reads only the employee's records, absences and payouts.
#pragma once

#include "mv_deklaracje/pfron/EmployeeMonth.h"

struct QualificationResult {
    bool qualifies = false;
    // True when the answer rests on the declaration's month, false when on the month before.
    bool currentMonthBasis = true;
};

class InfdQualification {
public:
    InfdQualification(long year, long month);

    // Decides for one employee; `monthBasis` is left as given when the employee's record excludes him.
    QualificationResult Qualify(EmployeeMonthSource& employee, bool monthBasis = true) const;
    // Whether the employment touches the month of `day`, from `day` to that month's end.
    bool EmployedInMonth(EmployeeMonthSource& employee, CDate day) const;

    static constexpr long kAbsenceUnpaidLeave = 121;
    static constexpr long kAbsenceUnpaidLeaveOther = 122;
    static constexpr long kComponentExcludingGroup = 4;  // type codes 40000..49999
    static constexpr long kComponentByTitle = 30;        // counts only for employees and homeworkers
    static constexpr long kComponentNotCounted = 0;

private:
    const EmploymentRecord& RequireRecord(EmployeeMonthSource& employee, CDate day) const;
    bool AbsentAllMonth(EmployeeMonthSource& employee) const;
    QualificationResult ByPayouts(EmployeeMonthSource& employee, const EmploymentRecord& record) const;
    long MonthIndex(CDate day) const { return day.GetYear() * 12L + day.GetMonth(); }

    long monthIndex_;
    CDate periodStart_;
    CDate periodEnd_;
    CDate previousStart_;
    CDate previousEnd_;
};
