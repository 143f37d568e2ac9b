#include "mv_deklaracje/pfron/WnuWorkingTime.h"

#include <algorithm>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/pfron/InfdWorkingTime.h"
#include "mv_deklaracje/pfron/PfronUserError.h"

namespace {
constexpr double kFullTime = 1.0;
constexpr int kFractionDecimals = 3;
bool InMonth(CDate day, long month, long year) {
    return !day.IsEmpty() && day.GetMonth() == month && day.GetYear() == year;
}
}  // namespace

WnuWorkingTime::WnuWorkingTime(long refundStatus, WnuQualification& qualification)
    : refundStatus_(refundStatus), qualification_(qualification) {}

WnuWorkingTime::Days WnuWorkingTime::CategoryDays(long month, long year, EmployeeMonthSource& card) {
    Days result{};
    if (!qualification_.countDays) return result;
    const int periodDays = DaysInMonth(static_cast<int>(month), static_cast<int>(year));
    InfdWorkingTime walk(year, month, refundStatus_);
    walk.Walk(card, CDate(), [&](const WorkingWindow& window) {
        const EmploymentRecord& record = *window.record;
        if (record.fullTimeDenominator == 0) RaisePfronUserError(ZeroWorkingTimeText(card.Name()));
        const double fraction = static_cast<double>(record.fullTimeNumerator) / record.fullTimeDenominator;
        const int days[2] = {window.markedDays, window.days - window.markedDays};
        for (int side = 0; side < 2; ++side) {
            const int category = InfdWorkingTime::FieldFor(refundStatus_, side == 0, record.disabilityDegree);
            if (category < 0 || days[side] == 0) continue;
            const auto k = static_cast<std::size_t>(category);
            result[k] += days[side];
            result[k + kCategories] += static_cast<double>(days[side]) / periodDays * fraction;
        }
        return true;
    });
    for (int k = kCategories; k < 2 * kCategories; ++k) {
        const auto i = static_cast<std::size_t>(k);
        result[i] = RoundTo(result[i], kFractionDecimals);
    }
    return result;
}

bool WnuWorkingTime::EmploymentEdge(const EmploymentRecord& record, long month, long year) {
    const DayPeriod& employment = record.employment;
    return (!employment.open && InMonth(employment.last, month, year)) || InMonth(employment.first, month, year);
}

void WnuWorkingTime::Merge(Days& merged, const Days& part, bool edge, int cap, MergeTotals& totals) {
    const double days = cap;
    for (int k = 0; k < kCategories && totals.days < days; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double d = std::min(part[i], days);
        totals.days += d;
        if (edge) {
            merged[i] = std::max(merged[i], d);
        } else if (totals.days > days) {
            merged[i] += days - (totals.days - d);
            totals.days = days;
        } else {
            merged[i] += d;
        }
    }
    for (int k = kCategories; k < 2 * kCategories; ++k) {
        if (totals.fraction >= kFullTime) continue;
        const auto i = static_cast<std::size_t>(k);
        const double f = std::min(part[i], kFullTime);
        totals.fraction += f;
        if (totals.fraction > kFullTime) {
            merged[i] += kFullTime - (totals.fraction - f);
            totals.fraction = kFullTime;
        } else {
            merged[i] += f;
        }
    }
}

WnuWorkingTime::Days WnuWorkingTime::MergedCategoryDays(long month, long year,
                                                        std::span<EmployeeMonthSource* const> cards,
                                                        const EmploymentRecord& record) {
    Days merged{};
    MergeTotals totals;
    const int cap = DaysInMonth(static_cast<int>(month), static_cast<int>(year));
    const CDate periodEnd(static_cast<int>(month) + 1, 0, static_cast<int>(year));
    for (std::size_t n = 0; n < cards.size(); ++n) {
        EmployeeMonthSource& card = *cards[n];
        if (!qualification_.QualifiesForMonth(month, year, card)) continue;
        const EmploymentRecord* own = n == 0 ? &record : card.RecordAt(periodEnd);
        if (!own) RaiseHResult(E_POINTER);
        Merge(merged, CategoryDays(month, year, card), EmploymentEdge(*own, month, year), cap, totals);
    }
    return merged;
}
