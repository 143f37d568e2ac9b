#include "mv_deklaracje/pfron/WnuQualification.h"

#include "mv_deklaracje/pfron/PfronDisabledMonth.h"
#include "mv_deklaracje/pfron/WndEligibility.h"

namespace {
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
    PfronMonthAnswer answer;
    const EmploymentRecord* record = PfronDisabledRecord(employee, *atEnd, year_, month_, answer);
    if (record) answer = ScanPfronPayments(employee, year * 12 + month, record->titleCode, false);
    if (answer.onMonthBefore) countDays = false;
    return answer.counts;
}
