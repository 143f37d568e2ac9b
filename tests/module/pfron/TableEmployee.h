// An employee of the PFRON tests given as tables.
#pragma once

#include "mv_deklaracje/pfron/EmployeeMonth.h"

namespace pfron_test {
inline CDate D(int year, int month, int day) { return CDate(month, day, year); }
inline DayPeriod From(CDate first) { return {first, CDate(), true}; }
inline DayPeriod Span(CDate first, CDate last) { return {first, last, false}; }

// An employee given as tables: the record valid at a day is the one whose validity holds it, else the
// latest begun before it, else the first.
class TableEmployee : public EmployeeMonthSource {
public:
    std::vector<EmploymentRecord> records;
    std::vector<Absence> absences;
    std::vector<Payout> payouts;
    std::vector<DatedEntry> entries;

    const EmploymentRecord* RecordAt(CDate day) override {
        const EmploymentRecord* found = records.empty() ? nullptr : &records.front();
        for (const EmploymentRecord& r : records) {
            if (r.validity.first <= day) found = &r;
        }
        return found;
    }
    const EmploymentRecord* RecordBegunAfter(CDate day) override {
        for (const EmploymentRecord& r : records)
            if (r.validity.first > day) return &r;
        return nullptr;
    }
    const std::vector<Absence>& Absences() override { return absences; }
    const std::vector<Payout>& Payouts() override { return payouts; }
    const std::vector<DatedEntry>& DatedEntries() override { return entries; }
    CBstr Name() override { return CBstr(u"[P001] Jan Kowalski"); }
};

}  // namespace pfron_test
