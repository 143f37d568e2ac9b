// The full-time equivalents of a WN-D attachment: how much of a full-time post an employee record filled
// in a month, split by refund status, degree of disability and marked days, with the pension set (the
// same twelve figures for employees with a pension right) for the later form versions.
//
// The month is walked in the INF-D's windows (InfdWorkingTime::Walk): a window's marked days count once
// each. Sickness absences (break codes 111 and 112) of a disabled employee take their days out of the
// window they fall in, and end the walk there.
#pragma once

#include <array>
#include <span>

#include "mv_deklaracje/pfron/EmployeeMonth.h"
#include "mv_deklaracje/pfron/InfdWorkingTime.h"
#include "mv_deklaracje/pfron/WndEligibility.h"

class WndWorkingTime {
public:
    static constexpr int kDegreeEntries = 12;    // the CHRON… and NORM… figures
    static constexpr int kPensionEntries = 24;   // the same followed by the …EMERYT figures
    using Vector = std::array<double, kPensionEntries>;

    WndWorkingTime(WndGeneration generation, long refundStatus, WndEligibility& eligibility);

    // One record's figures for `month` of `year`, each rounded to three decimals; zeros unless the last
    // eligibility test left the employee counting. `pensionSet` fills entries 12 to 23 from the payments
    // of `paidRecords` (the record and the records linked to it). `reference` is the attachment's record.
    Vector RecordFteVector(long month, long year, EmployeeMonthSource& record, const EmploymentRecord& reference,
                           bool pensionSet, std::span<EmployeeMonthSource* const> paidRecords);
    // The figures of a record and its linked records, each tested for the month first, together never
    // more than one full post; `entries` is 24 with the pension set, else 12.
    Vector EmployeeFteVector(long month, long year, std::span<EmployeeMonthSource* const> records,
                             const EmploymentRecord& reference, int entries);

    // The entry for a degree on marked or other days under the refund status; -1 when none.
    int EntryFor(bool marked, long degree) const;

private:
    void AddWindow(const WorkingWindow& window, EmployeeMonthSource& record, int daysInMonth, Vector& sums);
    void ApplyPensionSet(long month, long year, const EmploymentRecord& reference,
                         std::span<EmployeeMonthSource* const> paidRecords, Vector& sums) const;

    WndGeneration generation_;
    long refundStatus_;
    WndEligibility& eligibility_;
};
