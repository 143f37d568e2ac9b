// The working-time days of an INF-U-P attachment: how many days of a month an employee card spent in
// each of the twelve categories (marked or other days, refund status group, degree of disability) and
// the time-weighted fraction of a full-time month each category carries.
//
// The month is walked in the INF-D's windows (InfdWorkingTime::Walk), a window's marked days counted
// once each. A group of linked cards is merged under two caps: never more days than the month has,
// never more than one full working time.
#pragma once

#include <array>
#include <span>

#include "mv_deklaracje/pfron/EmployeeMonth.h"
#include "mv_deklaracje/pfron/WnuQualification.h"

class WnuWorkingTime {
public:
    static constexpr int kCategories = 12;
    // Days of the twelve categories, then their fractions (element 12 + k belongs to category k).
    using Days = std::array<double, 2 * kCategories>;

    WnuWorkingTime(long refundStatus, WnuQualification& qualification);

    // One card's days and fractions (rounded to three decimals) for `month` of `year`; zeros unless the
    // last qualification test left its days counting. A working time with denominator 0 stops the
    // calculation with the PFRON user error naming the employee.
    Days CategoryDays(long month, long year, EmployeeMonthSource& card);
    // The days of `cards` (a card and its related cards), each tested for the month first and merged
    // under the caps. `record` is the first card's record the attachment reads.
    Days MergedCategoryDays(long month, long year, std::span<EmployeeMonthSource* const> cards,
                            const EmploymentRecord& record);

    // The running totals of one merge.
    struct MergeTotals {
        double days = 0.0;
        double fraction = 0.0;
    };
    // Merges `part` into `merged`. With `edge` (the card's employment starts or ends in the month) a
    // category's days are the larger of both rather than their sum.
    static void Merge(Days& merged, const Days& part, bool edge, int cap, MergeTotals& totals);
    // Whether the record's employment starts or ends in `month` of `year`.
    static bool EmploymentEdge(const EmploymentRecord& record, long month, long year);

private:
    long refundStatus_;
    WnuQualification& qualification_;
};
