#include "mv_deklaracje/pfron/PfronDisabledMonth.h"

#include "mv_deklaracje/pfron/InfdQualification.h"

namespace {
long MonthIndex(CDate day) { return day.GetYear() * 12L + day.GetMonth(); }
CDate FirstDay(long year, long month) { return CDate(static_cast<int>(month), 1, static_cast<int>(year)); }
}  // namespace

const EmploymentRecord* PfronDisabledRecord(EmployeeMonthSource& employee, const EmploymentRecord& atEnd, long year,
                                            long month, PfronMonthAnswer& answer) {
    // The months around are those of the declaration itself, whatever month is tested.
    const CDate first = FirstDay(year, month);
    const CDate previousFirst = FirstDay(year, month - 1);
    answer = {};
    if (atEnd.disabilityDegree != 0) {
        const InfdQualification months(year, month);
        const bool thisMonth = months.EmployedInMonth(employee, first);
        const bool previousMonth = months.EmployedInMonth(employee, previousFirst);
        return thisMonth || previousMonth ? &atEnd : nullptr;
    }
    const EmploymentRecord* atStart = employee.RecordAt(first);
    if (atStart && atStart->disabilityDegree != 0) return atStart;
    // Disabled only in the month before: counted, on that month's basis.
    for (CDate day : {first.AddDays(-1), previousFirst}) {
        const EmploymentRecord* before = employee.RecordAt(day);
        if (before && before->disabilityDegree != 0) {
            answer = {true, true};
            return nullptr;
        }
    }
    return nullptr;
}

PfronMonthAnswer ScanPfronPayments(EmployeeMonthSource& employee, long tested, long titleCode,
                                   bool skipExcludingGroup) {
    bool previousMonthPaid = false;
    for (const Payout& payout : employee.Payouts()) {
        if (payout.kind == 1 || payout.kind == 2) continue;
        const long paidMonth = MonthIndex(payout.listLastDay);
        if (paidMonth != tested && paidMonth != tested - 1) continue;
        const PayoutComponent* settled = nullptr;
        for (const PayoutComponent& component : payout.components) {
            if (component.typeCode / 10000 == kPfronComponentExcludingGroup) {
                if (skipExcludingGroup) continue;
                return {};
            }
            if (component.definitionKind != 1) continue;
            if (paidMonth == tested) {
                settled = &component;
                break;
            }
            previousMonthPaid = true;
        }
        if (!settled) continue;
        if (settled->typeCode == kPfronComponentByTitle) {
            // The four-digit ZUS title held as a number: its two leading digits are code / 100
            // (0110 an employee, 0210 a homeworker).
            const long titleGroup = titleCode / 100;
            if (titleGroup == kPfronTitleEmployee || titleGroup == kPfronTitleHomeworker) return {true, false};
            continue;
        }
        return {settled->typeCode != kPfronComponentNotCounted, false};
    }
    if (previousMonthPaid) return {true, true};
    return {};
}
