// What the INF-D qualification reads of one employee: dated employment records, absences and payouts,
// as plain values. The calculator reads them from the host's employee objects; tests give them as tables.
#pragma once

#include <array>
#include <vector>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/Date.h"

// A period of days with its last day; an open period has no last day.
struct DayPeriod {
    CDate first;
    CDate last;  // empty when open
    bool open = false;
};

// One dated employment record of an employee.
struct EmploymentRecord {
    long id = 0;                  // the same row answers the same id
    long status = 0;              // 1 excludes the employee
    long disabilityDegree = 0;    // 0 none
    DayPeriod employment;         // the employment the record covers
    DayPeriod validity;           // the days for which this record is the valid one
    CDate terminationDate;        // empty when the employment has no end
    long titleCode = 0;           // the four-digit insurance title as a number (110 for 0110)
    long fullTimeNumerator = 1;   // the working-time fraction numerator / denominator
    long fullTimeDenominator = 1;
    bool alternativeActive = false;  // the alternative working-time fraction replaces the record's own
    long alternativeNumerator = 0;
    long alternativeDenominator = 0;
    long pensionRight = 0;        // 1: the employee has a right to an old-age pension
    long publicAid = 0;           // the three employment flags the WN-D attachment states
    long netGrowth = 0;
    long terminatedContract = 0;
    long fullInformation = 0;
    CDate boundaryDate = CDate();  // the last day the disability counts for the refund; empty when none
};

struct Absence {
    long kindCode = 0;
    DayPeriod period;
    long marker = 0;  // 1: left out of the day counts
};

struct PayoutComponent {
    long typeCode = 0;
    long definitionKind = 0;  // 1 marks a component that counts
    LONGLONG amount = 0;      // currency count (ten-thousandths)
    long category = 0;        // 2: wages reduced by the employer's contributions
    long benefitCode = 0;     // the benefit code it is paid under (331: sick pay); 0 without one
    std::array<LONGLONG, 6> deductions{};  // currency counts of the type's six deductions
    std::array<LONGLONG, 5> costs{};       // currency counts of the type's five employer's costs
};

// A dated entry of the employee's calendar; kind 1 marks the days it covers.
struct DatedEntry {
    long kindCode = 0;
    DayPeriod period;
};

struct Payout {
    long kind = 0;          // 1 and 2 are not considered
    CDate listLastDay;      // the last day of the payout's payroll list
    std::vector<PayoutComponent> components;
    CDate periodStart = CDate();  // the first day of the payout's own period
    long declarationMonth = 0;    // year * 12 + month the payroll list declares; 0 when it names none
};

// The employee's data as the qualification asks for it.
class EmployeeMonthSource {
public:
    virtual ~EmployeeMonthSource() = default;
    // The record valid at `day`, or null when the employee has none. For a day in a gap between records,
    // or after the last one, the host answers the latest record begun before the day.
    virtual const EmploymentRecord* RecordAt(CDate day) = 0;
    // The first record whose validity begins after `day`, or null when none does.
    virtual const EmploymentRecord* RecordBegunAfter(CDate day) = 0;
    virtual const std::vector<Absence>& Absences() = 0;
    virtual const std::vector<Payout>& Payouts() = 0;
    virtual const std::vector<DatedEntry>& DatedEntries() = 0;
    // The employee as messages name him: "[code] first-name surname".
    virtual CBstr Name() = 0;
};
