// An employee of the host's payroll model read as the INF-D calculation asks for him: his dated records,
// absences, payouts and dated entries, each read from the host objects once and kept for the call.
#pragma once

#include <map>
#include <optional>

#include "hostapi/Payroll.h"
#include "mv_deklaracje/pfron/EmployeeMonth.h"
#include "platform/com/ComPtr.h"

// Months counted as year * 12 + month, from `first` to `last`.
struct ListMonths {
    long first = 0;
    long last = 0;
};

class HostEmployeeMonth final : public EmployeeMonthSource {
public:
    // `namesAt` is the day whose record names the employee in messages. Given `payoutMonths`, Payouts()
    // answers only the payouts whose payroll list ends in those months: the elements of the others (the
    // rest of the employee's year) are not read.
    HostEmployeeMonth(IPracownik* employee, CDate namesAt, std::optional<ListMonths> payoutMonths = std::nullopt);

    const EmploymentRecord* RecordAt(CDate day) override;
    const EmploymentRecord* RecordBegunAfter(CDate day) override;
    const std::vector<Absence>& Absences() override;
    const std::vector<Payout>& Payouts() override;
    const std::vector<DatedEntry>& DatedEntries() override;
    CBstr Name() override;

    // The host's record valid at `day`; null when the employee has none.
    tlx::ComPtr<IPracEtat> RecordObjectAt(CDate day);
    IPracownik* Employee() const { return employee_.Get(); }

    static DayPeriod ReadPeriod(IOkres* period);

private:
    EmploymentRecord ReadRecord(IPracEtat* record);
    // The record kept for the host's record object, read on first sight.
    const EmploymentRecord* Keep(IPracEtat* record);

    tlx::ComPtr<IPracownik> employee_;
    CDate namesAt_;
    std::optional<ListMonths> payoutMonths_;
    std::map<long, EmploymentRecord> records_;  // by the record's identifier
    std::optional<std::vector<Absence>> absences_;
    std::optional<std::vector<Payout>> payouts_;
    std::optional<std::vector<DatedEntry>> entries_;
};
