// The steps the WN-D's and the WN-U's monthly tests share for a disabled employee: which record his
// payments are tested under, and what his payments of the tested month and the month before say.
#pragma once

#include "mv_deklaracje/pfron/EmployeeMonth.h"

// What a step decided: whether the employee counts, and whether that rests on the month before the
// declaration's (then nothing of the declaration's month is counted for him).
struct PfronMonthAnswer {
    bool counts = false;
    bool onMonthBefore = false;
};

// The record whose title the payment scan takes, for a declaration of `month` of `year`: the month-end
// record when it has a degree and the employee was employed in the declaration's month or the one
// before, else the record at the month's first day when that one has a degree. Null when the step
// decided already, its answer in `answer`: counted on the month before when only that month's records
// have a degree, not counted otherwise.
const EmploymentRecord* PfronDisabledRecord(EmployeeMonthSource& employee, const EmploymentRecord& atEnd, long year,
                                            long month, PfronMonthAnswer& answer);

// The employee's payments on lists of the tested month (`tested` as year * 12 + month) and of the month
// before: the first counted component of the tested month decides; a component of the excluding group
// refuses the employee unless `skipExcludingGroup`; a counted component of the month before alone
// counts him on that month.
PfronMonthAnswer ScanPfronPayments(EmployeeMonthSource& employee, long tested, long titleCode,
                                   bool skipExcludingGroup);

inline constexpr long kPfronComponentExcludingGroup = 4;  // type codes 40000..49999
inline constexpr long kPfronComponentByTitle = 30;        // counts only for employees and homeworkers
inline constexpr long kPfronComponentNotCounted = 0;
inline constexpr long kPfronTitleEmployee = 1;            // the four-digit title's two leading digits
inline constexpr long kPfronTitleHomeworker = 2;
