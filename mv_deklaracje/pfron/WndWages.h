// The money of a WN-D attachment: the wage earned and paid in the declaration's month, the wage costs,
// the cost sum and the refund limit gathered over the year's payments, and (first generation) the
// reduction by the employer's contributions.
//
// The refund limit is the minimum wage times the degree and status coefficients times the month's
// full-time equivalents, entering once per payroll month, plus each element's own cost amount.
#pragma once

#include <array>
#include <functional>

#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/pfron/WndEligibility.h"
#include "mv_deklaracje/pfron/WndWorkingTime.h"

struct WndWageSums {
    CMoney earned;        // W: WYNOSIAGANE
    CMoney deductions;    // D1: deductions of wages reduced by the employer's contributions
    CMoney sickPay;       // D2: deductions of sick pay
    CMoney paid;          // WYNWYPLACONE: W - D1 - D2 after the last payment of the month
    CMoney wageCosts;     // K: KOSZTYPLACY (current generation)
    CMoney costSum;       // A
    CMoney limitSum;      // B
    CMoney reduction;     // POMNIEJSZENIA (first generation)

    // PODWKOSZTY: the smaller of the cost sum and the limit.
    CMoney RefundBase() const;
    WndWageSums& operator+=(const WndWageSums& other);
};

class WndWages {
public:
    // The degree table of a record for a month: fetched when a payment of that month is counted.
    using DegreeTable = std::function<WndWorkingTime::Vector(long month, long year)>;
    // Whether a record's payment of a month counts (the group attachment's monthly test); null: all do.
    using MonthTest = std::function<bool(long month, long year)>;

    WndWages(WndGeneration generation, long refundStatus, long year, long month, CMoney minimumWage);

    // The sums of one record's payments; `monthFlags` are the payroll months whose limit parts have
    // entered already (one set per attachment, shared by the records of a group). The walk stops when
    // the eligibility leaves the employee not counting.
    WndWageSums Sum(EmployeeMonthSource& record, WndEligibility& eligibility, const DegreeTable& table,
                    const MonthTest& test, std::array<bool, 12>& monthFlags,
                    WndWorkingTime::Vector* lastTable = nullptr) const;

    static constexpr double kLimitShelteredAll = 0.55;  // status 2, marked days of any degree
    static constexpr double kLimitLight = 0.4;
    static constexpr double kLimitModerate = 0.7;
    static constexpr double kLimitSignificant = 0.9;
    static constexpr double kOpenMarketOtherDays = 0.7;   // statuses 3 and 4, other days
    static constexpr double kOpenMarketMarkedDays = 0.9;  // statuses 3 and 4, marked days
    static constexpr double kReductionRateStatus2 = 0.1221;
    static constexpr double kReductionRateStatus3And4 = 0.0976;
    static constexpr long kSickPayBenefitCode = 331;
    static constexpr long kCategoryReduced = 2;

private:
    struct Limit {
        CMoney parts;  // P1 + P2
        double costs;  // C
    };
    Limit LimitOf(const WndWorkingTime::Vector& table, const PayoutComponent& component) const;
    void AddElement(const PayoutComponent& component, bool reportingMonth, const WndWorkingTime::Vector& table,
                    bool& monthSeen, WndWageSums& sums, CMoney& reductionBase) const;

    WndGeneration generation_;
    long refundStatus_;
    long year_;
    long month_;
    CMoney minimumWage_;
};
