#include "mv_deklaracje/pfron/InfdWorkingTime.h"

#include <algorithm>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/PfronUserError.h"

namespace {
long MonthIndex(CDate day) { return day.GetYear() * 12L + day.GetMonth(); }
CDate LastDay(const DayPeriod& period) {
    return period.open || period.last.IsEmpty() ? CDate(CDate::kLast) : period.last;
}
int DaysBetween(CDate from, CDate to) { return std::max(0, static_cast<int>(to.Value() - from.Value()) + 1); }
}  // namespace

InfdWorkingTime::InfdWorkingTime(long year, long month, long refundStatus)
    : year_(year), month_(month), refundStatus_(refundStatus),
      daysInMonth_(DaysInMonth(static_cast<int>(month), static_cast<int>(year))) {}

int InfdWorkingTime::FieldFor(long refundStatus, bool marked, long degree) {
    int group;
    if (refundStatus == 2) group = 0;
    else if (refundStatus == 3 || refundStatus == 4) group = 3;
    else return -1;
    if (degree < 1 || degree > 3) return -1;
    return (marked ? CHRONZNACZNY : NORMZNACZNY) + group + (3 - static_cast<int>(degree));
}

int InfdWorkingTime::MarkedDays(EmployeeMonthSource& employee, CDate from, CDate to) {
    odcinki_.clear();
    for (const DatedEntry& entry : employee.DatedEntries()) {
        const CDate od = entry.period.first.IsEmpty() || entry.period.first < from ? from : entry.period.first;
        const CDate dd = LastDay(entry.period) > to ? to : LastDay(entry.period);
        if (dd < od) continue;
        odcinki_.push_back({od, dd, entry.kindCode == 1});
    }
    std::sort(odcinki_.begin(), odcinki_.end(),
              [](const OdcinekOkresu& a, const OdcinekOkresu& b) { return a.Od < b.Od; });
    // Marked stretches sorted by start, merged as they go: each day counts once.
    int marked = 0;
    CDate coveredTo;  // the last day counted so far
    for (const OdcinekOkresu& o : odcinki_) {
        if (!o.Oznaczony) continue;
        const CDate start = !coveredTo.IsEmpty() && o.Od <= coveredTo ? coveredTo.AddDays(1) : o.Od;
        if (start <= o.Do) {
            marked += DaysBetween(start, o.Do);
            coveredTo = o.Do;
        }
    }
    return marked;
}

// A record the walk needs: one the host cannot read fails naming the employee and the day, and no record
// at all fails as E_POINTER.
const EmploymentRecord* InfdWorkingTime::ReadRecord(EmployeeMonthSource& employee, CDate day, bool begunAfter) {
    const EmploymentRecord* record = nullptr;
    try {
        record = begunAfter ? employee.RecordBegunAfter(day) : employee.RecordAt(day);
    } catch (const ComError& e) {
        RaiseComError(e.Code(), u"Nie można odczytać zapisu historycznego pracownika " + employee.Name().Str() +
                                    u" na dzień " + day.FormatSql().Str() + u": " + e.Description());
    }
    if (!record && !begunAfter) {
        RaiseComError(E_POINTER, u"Brak zapisu historycznego pracownika " + employee.Name().Str() + u" na dzień " +
                                  day.FormatSql().Str());
    }
    return record;
}

InfdWorkingTime::Sums InfdWorkingTime::Calculate(EmployeeMonthSource& employee, CDate terminationDate) {
    Sums sums{};
    Walk(employee, terminationDate, [&](const WorkingWindow& window) {
        const EmploymentRecord& record = *window.record;
        if (record.fullTimeDenominator == 0) RaisePfronUserError(ZeroWorkingTimeText(employee.Name()));
        const double fraction = static_cast<double>(record.fullTimeNumerator) / record.fullTimeDenominator;
        const int fields[2] = {FieldFor(refundStatus_, true, record.disabilityDegree),
                                FieldFor(refundStatus_, false, record.disabilityDegree)};
        const int days[2] = {window.markedDays, window.days - window.markedDays};
        for (int side = 0; side < 2; ++side) {
            if (fields[side] >= 0 && days[side] > 0)
                sums[static_cast<std::size_t>(fields[side])] += static_cast<double>(days[side]) / daysInMonth_ * fraction;
        }
        return true;
    });
    return sums;
}

void InfdWorkingTime::Walk(EmployeeMonthSource& employee, CDate cutDate,
                           const std::function<bool(const WorkingWindow&)>& visit) {
    const CDate periodEnd(static_cast<int>(month_) + 1, 0, static_cast<int>(year_));
    const long monthIndex = year_ * 12 + month_;
    CDate cur(static_cast<int>(month_), 1, static_cast<int>(year_));
    // Every pass moves `cur` forward, so the walk ends within the month's days.
    while (cur <= periodEnd) {
        const EmploymentRecord* record = ReadRecord(employee, cur, false);
        if (LastDay(record->validity) < cur) {
            // A day in a gap between records (or after the last one), for which the host answers the
            // record before: not employed. The walk goes on at the next record begun inside the month.
            const EmploymentRecord* next = ReadRecord(employee, cur, true);
            if (!next || next->validity.first > periodEnd) break;
            cur = next->validity.first;
            continue;
        }
        const DayPeriod& employment = record->employment;
        CDate end = LastDay(record->validity);
        bool lastWindow = false;
        if (MonthIndex(end) > monthIndex) {
            end = periodEnd;
            lastWindow = true;
        }
        bool clipped = false;
        if (!employment.first.IsEmpty() && cur <= employment.first && employment.first <= end) {
            cur = employment.first;
            clipped = true;
        }
        const CDate employmentEnd = LastDay(employment);
        if (cur <= employmentEnd && employmentEnd <= end) {
            end = employmentEnd;
            clipped = true;
        }
        const bool holdsCut = !cutDate.IsEmpty() && cur <= cutDate && cutDate <= end;
        if (holdsCut) end = cutDate;

        const CDate from = std::max(cur, employment.first);
        const int total = from <= end && employmentEnd >= cur ? DaysBetween(from, std::min(end, employmentEnd)) : 0;
        if (total > 0) {
            WorkingWindow window{record, from, std::min(end, employmentEnd), total, 0, clipped};
            window.markedDays = MarkedDays(employee, window.from, window.to);
            if (!visit(window) || holdsCut) break;
        }
        if (lastWindow) break;
        cur = end.AddDays(1);
    }
}
