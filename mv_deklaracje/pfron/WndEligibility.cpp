#include "mv_deklaracje/pfron/WndEligibility.h"

#include <algorithm>

#include "mv_deklaracje/pfron/DaySet.h"
#include "mv_deklaracje/pfron/PfronDisabledMonth.h"

namespace {
long MonthIndex(CDate day) { return day.GetYear() * 12L + day.GetMonth(); }
CDate FirstDay(long year, long month) { return CDate(static_cast<int>(month), 1, static_cast<int>(year)); }
CDate LastDay(long year, long month) { return CDate(static_cast<int>(month) + 1, 0, static_cast<int>(year)); }
CDate LastDayOf(const DayPeriod& period) {
    return period.open || period.last.IsEmpty() ? CDate(CDate::kLast) : period.last;
}
// The tens digit of a component's type code: 1 marks the components of a pension-right employee.
bool TensDigitIsOne(long code) { return (code % 100) / 10 == 1; }

// The days of [from, to] within `period`.
long CommonDays(CDate from, CDate to, const DayPeriod& period) {
    const CDate first = period.first.IsEmpty() ? from : std::max(from, period.first);
    const CDate last = std::min(to, LastDayOf(period));
    return last < first ? 0 : static_cast<long>(last.Value() - first.Value()) + 1;
}

bool IsSickness(const Absence& absence) {
    return absence.marker != 1 && (absence.kindCode == WndEligibility::kAbsenceSickness ||
                                   absence.kindCode == WndEligibility::kAbsenceSicknessOther);
}
}  // namespace

WndEligibility::WndEligibility(WndGeneration generation, long year, long month, long version)
    : generation_(generation), declaration_{year, month}, version_(version) {}

bool WndEligibility::IsEmployeeEligible(EmployeeMonthSource& employee) {
    return Test(declaration_, employee, true);
}

bool WndEligibility::IsEmployeeEligibleInMonth(long month, long year, EmployeeMonthSource& employee) {
    return Test({year, month}, employee, false);
}

bool WndEligibility::Test(Month tested, EmployeeMonthSource& employee, bool declarationMonth) {
    // A card without a record at the month's end (hired later, or gone before the month) is not employed
    // in that month: passed over.
    const CDate first = FirstDay(tested.year, tested.month), last = LastDay(tested.year, tested.month);
    const EmploymentRecord* atEnd = employee.RecordAt(last);
    if (!atEnd || atEnd->validity.first > last || LastDayOf(atEnd->validity) < first) return false;
    if (atEnd->status == kExcludingRecord) return false;
    if (declarationMonth && generation_ == WndGeneration::Current) {
        if (atEnd->titleCode == kExcludedTitle) return false;
        const DayPeriod& employment = atEnd->employment;
        if (!employment.open && !employment.last.IsEmpty() && employment.last < first) return false;
        // Employment with public aid that came with neither a net growth nor a terminated contract of
        // another employee: refused once the employment has lasted beyond its first month.
        const CDate start = ContinuousEmploymentStart(employee);
        if (!start.IsEmpty() && start.GetYear() > kLastYearWithoutAidRule && tested.Index() > MonthIndex(start) &&
            atEnd->publicAid != 0 && atEnd->netGrowth == 0 && atEnd->terminatedContract != 0)
            return false;
    }
    employeeCounts = true;
    if (AbsentAllMonth(employee, tested.year, tested.month)) return false;
    if (ElementCodesExclude(employee, atEnd->disabilityDegree)) return false;

    PfronMonthAnswer answer;
    const EmploymentRecord* record =
        PfronDisabledRecord(employee, *atEnd, declaration_.year, declaration_.month, answer);
    if (!record) {
        if (answer.onMonthBefore) employeeCounts = false;
        return answer.counts;
    }
    if (generation_ == WndGeneration::First && !record->boundaryDate.IsEmpty()) {
        const long past = declaration_.Index() - MonthIndex(record->boundaryDate);
        if (past == 1) {
            employeeCounts = false;
            return true;
        }
        if (past > 1) return false;
    }
    answer = ScanPfronPayments(employee, tested.Index(), record->titleCode, declarationMonth);
    if (answer.onMonthBefore) employeeCounts = false;
    return answer.counts;
}

bool WndEligibility::AbsentAllMonth(EmployeeMonthSource& employee, long year, long month) {
    DaySet days(FirstDay(year, month), LastDay(year, month).AddDays(1));
    for (const Absence& absence : employee.Absences()) {
        if (absence.kindCode == kAbsenceUnpaidLeave || absence.kindCode == kAbsenceUnpaidLeaveOther)
            days.Minus(absence.period);
        if (days.Empty()) return true;
    }
    return false;
}

// From March 2010 an employee with a light or moderate degree whose declaration-month payments hold
// only components of tens digit 1 is not counted (current generation, form versions 4 to 6).
bool WndEligibility::ElementCodesExclude(EmployeeMonthSource& employee, long degree) const {
    if (generation_ != WndGeneration::Current) return false;
    const bool fromMarch2010 = (declaration_.year == 2010 && declaration_.month > 2) || declaration_.year > 2010;
    if (!fromMarch2010 || version_ < 4 || version_ > 6 || (degree != 1 && degree != 2)) return false;
    bool digitOne = false, other = false;
    for (const Payout& payout : employee.Payouts()) {
        if (payout.kind == 1 || payout.kind == 2) continue;
        if (MonthIndex(payout.listLastDay) != declaration_.Index()) continue;
        for (const PayoutComponent& component : payout.components)
            (TensDigitIsOne(component.typeCode) ? digitOne : other) = true;
    }
    return digitOne && !other;
}

CDate WndEligibility::ContinuousEmploymentStart(EmployeeMonthSource& employee) const {
    const EmploymentRecord* record = employee.RecordAt(LastDay(declaration_.year, declaration_.month));
    if (!record) return CDate();
    DayPeriod employment = record->employment;
    CDate start = employment.first;
    while (!employment.first.IsEmpty() && employment.first.Value() != CDate::kFirst) {
        start = employment.first;
        const EmploymentRecord* before = employee.RecordAt(start.AddDays(-1));
        if (!before) break;
        const DayPeriod& earlier = before->employment;
        if (start == earlier.first || earlier.open || earlier.last.IsEmpty() || !(earlier.last < start)) break;
        const long gap = static_cast<long>(start.Value() - earlier.last.Value());  // free days + 1
        if (gap < 1 || gap - 1 > kMaxBridgedFreeDays) break;
        employment = earlier;
    }
    return start;
}

long WndEligibility::SubtractAbsenceDays(EmployeeMonthSource& employee, CDate from, CDate to, long count) {
    for (const Absence& absence : employee.Absences()) {
        if (IsSickness(absence)) count -= CommonDays(from, to, absence.period);
    }
    return std::max(0L, count);
}

bool WndEligibility::HasAbsenceDays(EmployeeMonthSource& employee, CDate from, CDate to) {
    return std::any_of(employee.Absences().begin(), employee.Absences().end(), [&](const Absence& absence) {
        return IsSickness(absence) && CommonDays(from, to, absence.period) > 0;
    });
}
