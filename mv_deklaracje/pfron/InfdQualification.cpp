#include "mv_deklaracje/pfron/InfdQualification.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/DaySet.h"

namespace {
bool EndsBefore(const DayPeriod& period, CDate day) {
    return !period.open && !period.last.IsEmpty() && period.last < day;
}
}  // namespace

InfdQualification::InfdQualification(long year, long month)
    : monthIndex_(year * 12 + month),
      periodStart_(static_cast<int>(month), 1, static_cast<int>(year)),
      periodEnd_(static_cast<int>(month) + 1, 0, static_cast<int>(year)),
      previousStart_(static_cast<int>(month) - 1, 1, static_cast<int>(year)),
      previousEnd_(static_cast<int>(month), 0, static_cast<int>(year)) {}

const EmploymentRecord& InfdQualification::RequireRecord(EmployeeMonthSource& employee, CDate day) const {
    const EmploymentRecord* record = employee.RecordAt(day);
    if (!record) {
        RaiseComError(E_POINTER, u"Brak zapisu historycznego pracownika " + employee.Name().Str() + u" na dzień " +
                                  day.FormatSql().Str());
    }
    return *record;
}

QualificationResult InfdQualification::Qualify(EmployeeMonthSource& employee, bool monthBasis) const {
    const EmploymentRecord& atEnd = RequireRecord(employee, periodEnd_);
    if (atEnd.status == 1) return {false, monthBasis};
    // Disabled on none of the days looked at below, an employee qualifies in no case: his absences and
    // payouts are not read (most of a company's employees).
    auto notDisabledOn = [&](CDate day) {
        const EmploymentRecord* record = employee.RecordAt(day);
        return record && record->disabilityDegree == 0;
    };
    if (atEnd.disabilityDegree == 0 && notDisabledOn(periodStart_) && notDisabledOn(previousEnd_) &&
        notDisabledOn(previousStart_))
        return {false, true};
    if (AbsentAllMonth(employee)) return {false, true};

    const EmploymentRecord* basis = &atEnd;
    if (atEnd.disabilityDegree == 0) {
        const EmploymentRecord& atStart = RequireRecord(employee, periodStart_);
        if (atStart.disabilityDegree != 0) {
            basis = &atStart;
        } else {
            // Disabled only in the month before: the attachment rests on that month.
            if (RequireRecord(employee, previousEnd_).disabilityDegree != 0) return {true, false};
            if (RequireRecord(employee, previousStart_).disabilityDegree != 0) return {true, false};
            return {false, true};
        }
    } else {
        const bool thisMonth = EmployedInMonth(employee, periodStart_);
        const bool previousMonth = EmployedInMonth(employee, previousStart_);
        if (!thisMonth && !previousMonth) return {false, true};
    }

    if (!basis->terminationDate.IsEmpty()) {
        const long ended = MonthIndex(basis->terminationDate);
        if (ended == monthIndex_ - 1) return {true, false};
        if (ended < monthIndex_ - 1) return {false, true};
    }
    return ByPayouts(employee, *basis);
}

bool InfdQualification::AbsentAllMonth(EmployeeMonthSource& employee) const {
    DaySet month(periodStart_, periodEnd_.AddDays(1));
    for (const Absence& absence : employee.Absences()) {
        if (absence.kindCode == kAbsenceUnpaidLeave || absence.kindCode == kAbsenceUnpaidLeaveOther) {
            month.Minus(absence.period);
        }
        if (month.Empty()) return true;
    }
    return false;
}

QualificationResult InfdQualification::ByPayouts(EmployeeMonthSource& employee,
                                                  const EmploymentRecord& record) const {
    bool previousMonthCounts = false;
    for (const Payout& payout : employee.Payouts()) {
        if (payout.kind == 1 || payout.kind == 2) continue;
        const long payoutMonth = MonthIndex(payout.listLastDay);
        if (payoutMonth != monthIndex_ && payoutMonth != monthIndex_ - 1) continue;
        const bool currentMonth = payoutMonth == monthIndex_;
        const PayoutComponent* found = nullptr;
        for (const PayoutComponent& component : payout.components) {
            if (component.typeCode / 10000 == kComponentExcludingGroup) return {false, true};
            if (component.definitionKind != 1) continue;
            if (currentMonth) {
                found = &component;
                break;
            }
            previousMonthCounts = true;
        }
        if (!found) continue;
        if (found->typeCode == kComponentByTitle) {
            // The title is the four-digit ZUS code held as a number: its two leading digits are
            // code / 100 (0110 an employee, 0210 a homeworker).
            const long titleGroup = record.titleCode / 100;
            if (titleGroup == 1 || titleGroup == 2) return {true, true};
            continue;
        }
        if (found->typeCode == kComponentNotCounted) return {false, true};
        return {true, true};
    }
    if (previousMonthCounts) return {true, false};
    return {false, true};
}

bool InfdQualification::EmployedInMonth(EmployeeMonthSource& employee, CDate day) const {
    const int days = DaysInMonth(day.GetMonth(), day.GetYear());
    const CDate monthEnd(day.GetMonth(), days, day.GetYear());
    // The window runs to the day after the month's end so that a whole month counts all its days.
    DaySet window(day, monthEnd.AddDays(1));
    const EmploymentRecord* current = &RequireRecord(employee, day);
    window.Minus(current->employment);
    if (EndsBefore(current->employment, day)) {
        // The employment of the day's record ended before the day: later records of the month may
        // begin a new one; each subtracts its own employment.
        while (!window.Empty() && !current->validity.open && !current->validity.last.IsEmpty()) {
            const EmploymentRecord& next = RequireRecord(employee, current->validity.last.AddDays(1));
            if (next.id == current->id || next.validity.first == current->validity.first) break;
            if (MonthIndex(next.validity.first) != monthIndex_) break;
            window.Minus(next.employment);
            current = &next;
        }
    }
    return window.Empty() || window.Count() != days;
}
