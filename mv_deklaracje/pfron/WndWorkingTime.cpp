#include "mv_deklaracje/pfron/WndWorkingTime.h"

#include <algorithm>

#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/pfron/InfdWorkingTime.h"
#include "mv_deklaracje/pfron/PfronUserError.h"

namespace {
constexpr double kFullPost = 1.0;
constexpr long kPensionRight = 1;
constexpr long kSignificantDegree = 3;
bool TensDigitIsOne(long code) { return (code % 100) / 10 == 1; }
}  // namespace

WndWorkingTime::WndWorkingTime(WndGeneration generation, long refundStatus, WndEligibility& eligibility)
    : generation_(generation), refundStatus_(refundStatus), eligibility_(eligibility) {}

int WndWorkingTime::EntryFor(bool marked, long degree) const {
    return InfdWorkingTime::FieldFor(refundStatus_, marked, degree);
}

WndWorkingTime::Vector WndWorkingTime::RecordFteVector(long month, long year, EmployeeMonthSource& record,
                                                       const EmploymentRecord& reference, bool pensionSet,
                                                       std::span<EmployeeMonthSource* const> paidRecords) {
    Vector sums{};
    if (eligibility_.employeeCounts) {
        const int daysInMonth = DaysInMonth(static_cast<int>(month), static_cast<int>(year));
        // The first generation ends the disability's count at the reference record's boundary date.
        const CDate cut = generation_ == WndGeneration::First ? reference.boundaryDate : CDate();
        InfdWorkingTime walk(year, month, refundStatus_);
        bool stop = false;
        walk.Walk(record, cut, [&](const WorkingWindow& window) {
            AddWindow(window, record, daysInMonth, sums);
            stop = generation_ == WndGeneration::Current && window.record->disabilityDegree != 0 &&
                   WndEligibility::HasAbsenceDays(record, window.from, window.to);
            return !stop;
        });
    }
    if (pensionSet && generation_ == WndGeneration::Current) ApplyPensionSet(month, year, reference, paidRecords, sums);
    for (double& x : sums) x = RoundTo(x, 3);
    return sums;
}

// A window's days in up to two passes: its marked days, then the others. While a sickness absence falls
// in the window the figures are set rather than added: the days worked, as a share of the month.
void WndWorkingTime::AddWindow(const WorkingWindow& window, EmployeeMonthSource& record, int daysInMonth,
                               Vector& sums) {
    const EmploymentRecord& r = *window.record;
    const bool current = generation_ == WndGeneration::Current;
    long numerator = r.fullTimeNumerator, denominator = r.fullTimeDenominator;
    if (current && r.alternativeActive) numerator = r.alternativeNumerator, denominator = r.alternativeDenominator;
    if (denominator == 0) RaisePfronUserError(ZeroWorkingTimeText(record.Name()));
    const double fraction = static_cast<double>(numerator) / denominator;

    long span = window.days;
    long markedDays = window.markedDays;
    const bool markedMode = markedDays != 0;
    long days = markedMode ? markedDays : span;
    const bool absenceMode = current && r.disabilityDegree != 0 &&
                             WndEligibility::HasAbsenceDays(record, window.from, window.to);
    if (absenceMode) days = WndEligibility::SubtractAbsenceDays(record, window.from, window.to, days);
    for (;;) {
        const double v = static_cast<double>(days) / daysInMonth * fraction;
        const int entry = EntryFor(markedDays != 0, r.disabilityDegree);
        if (entry >= 0) {
            const auto i = static_cast<std::size_t>(entry);
            if (!absenceMode) {
                sums[i] += v;
                if (current && r.pensionRight == kPensionRight) sums[i + kDegreeEntries] += v;
            } else {
                const double worked = markedMode ? v
                                      : window.clipped ? fraction * window.days / daysInMonth - v
                                                       : fraction - v;
                if (markedDays != 0 || !markedMode) sums[i] = worked;
            }
        }
        if (days >= span) break;
        days = span = span - days;
        markedDays = 0;
    }
}

void WndWorkingTime::ApplyPensionSet(long month, long year, const EmploymentRecord& reference,
                                     std::span<EmployeeMonthSource* const> paidRecords, Vector& sums) const {
    bool digitOne = false, other = false;
    for (EmployeeMonthSource* paid : paidRecords) {
        for (const Payout& payout : paid->Payouts()) {
            if (payout.kind == 1 || payout.kind == 2) continue;
            if (payout.listLastDay.GetMonth() != month || payout.listLastDay.GetYear() != year) continue;
            for (const PayoutComponent& component : payout.components)
                (TensDigitIsOne(component.typeCode) ? digitOne : other) = true;
        }
    }
    if (!digitOne) {
        std::fill(sums.begin() + kDegreeEntries, sums.end(), 0.0);
    } else if (!other && reference.disabilityDegree == kSignificantDegree) {
        std::copy(sums.begin(), sums.begin() + kDegreeEntries, sums.begin() + kDegreeEntries);
    }
}

WndWorkingTime::Vector WndWorkingTime::EmployeeFteVector(long month, long year,
                                                         std::span<EmployeeMonthSource* const> records,
                                                         const EmploymentRecord& reference, int entries) {
    Vector result{};
    double total = 0.0;
    const bool pensionSet = entries == kPensionEntries && generation_ == WndGeneration::Current;
    for (std::size_t n = 0; n < records.size(); ++n) {
        EmployeeMonthSource& record = *records[n];
        if (!eligibility_.IsEmployeeEligibleInMonth(month, year, record)) continue;
        // The first record's pension set reads the payments of all; a linked record's its own.
        const auto paid = n == 0 ? records : records.subspan(n, 1);
        const Vector v = RecordFteVector(month, year, record, reference, pensionSet, paid);
        for (int i = 0; i < kDegreeEntries && total < kFullPost; ++i) {
            const auto k = static_cast<std::size_t>(i);
            const double x = std::min({v[k], kFullPost, kFullPost - total});
            total += x;
            result[k] += x;
            if (pensionSet && reference.pensionRight == kPensionRight && result[k] > 0)
                result[k + kDegreeEntries] = result[k];
        }
    }
    return result;
}
