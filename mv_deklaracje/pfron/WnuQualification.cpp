#include "mv_deklaracje/pfron/WnuQualification.h"

#include "mv_deklaracje/pfron/InfdQualification.h"
#include "mv_deklaracje/pfron/WndEligibility.h"

namespace {
long MonthIndex(CDate day) { return day.GetYear() * 12L + day.GetMonth(); }
CDate FirstDay(long year, long month) { return CDate(static_cast<int>(month), 1, static_cast<int>(year)); }
CDate LastDay(long year, long month) { return CDate(static_cast<int>(month) + 1, 0, static_cast<int>(year)); }
CDate LastDayOf(const DayPeriod& period) {
    return period.open || period.last.IsEmpty() ? CDate(CDate::kLast) : period.last;
}
}  // namespace

WnuQualification::WnuQualification(long year, long month) : year_(year), month_(month) {}

bool WnuQualification::QualifiesForMonth(long month, long year, EmployeeMonthSource& employee) {
    // A card without a record valid in the month (hired later, or gone before it) is not employed then.
    const CDate first = FirstDay(year, month), last = LastDay(year, month);
    const EmploymentRecord* atEnd = employee.RecordAt(last);
    if (!atEnd || atEnd->validity.first > last || LastDayOf(atEnd->validity) < first) return false;
    if (atEnd->status == kExcludingRecord) return false;
    countDays = true;
    if (WndEligibility::AbsentAllMonth(employee, year, month)) return false;
    bool answer = false;
    const EmploymentRecord* record = DisabledRecord(employee, *atEnd, answer);
    if (!record) return answer;
    return ByPayments(employee, year * 12 + month, record->titleCode);
}

const EmploymentRecord* WnuQualification::DisabledRecord(EmployeeMonthSource& employee, const EmploymentRecord& atEnd,
                                                         bool& answer) {
    // The months around are those of the WN-U itself, whatever month is tested.
    const CDate first = FirstDay(year_, month_);
    const CDate previousFirst = FirstDay(year_, month_ - 1);
    answer = false;
    if (atEnd.disabilityDegree != 0) {
        const InfdQualification months(year_, month_);
        const bool thisMonth = months.EmployedInMonth(employee, first);
        const bool previousMonth = months.EmployedInMonth(employee, previousFirst);
        return thisMonth || previousMonth ? &atEnd : nullptr;
    }
    const EmploymentRecord* atStart = employee.RecordAt(first);
    if (atStart && atStart->disabilityDegree != 0) return atStart;
    // Disabled only in the month before: reported, on that month's basis.
    for (CDate day : {first.AddDays(-1), previousFirst}) {
        const EmploymentRecord* before = employee.RecordAt(day);
        if (before && before->disabilityDegree != 0) {
            countDays = false;
            answer = true;
            return nullptr;
        }
    }
    return nullptr;
}

bool WnuQualification::ByPayments(EmployeeMonthSource& employee, long target, long titleCode) {
    bool previousMonthPaid = false;
    for (const Payout& payment : employee.Payouts()) {
        if (payment.kind == 1 || payment.kind == 2) continue;
        const long paidMonth = MonthIndex(payment.listLastDay);
        if (paidMonth != target && paidMonth != target - 1) continue;
        const PayoutComponent* found = nullptr;
        for (const PayoutComponent& item : payment.components) {
            if (item.typeCode / 10000 == kItemExcludingGroup) return false;
            if (item.definitionKind != 1) continue;
            if (paidMonth == target) {
                found = &item;
                break;
            }
            previousMonthPaid = true;
        }
        if (!found) continue;
        if (found->typeCode == kItemByTitle) {
            // The four-digit ZUS title held as a number: its two leading digits are code / 100.
            const long group = titleCode / 100;
            if (group == kTitleEmployee || group == kTitleHomeworker) return true;
            continue;
        }
        return found->typeCode != kItemNotCounted;
    }
    if (previousMonthPaid) {
        countDays = false;
        return true;
    }
    return false;
}
