// The money of an INF-U-P attachment: the wages earned and paid in the WN-U's month, the employer's and
// the employee's contributions, the employer's wage cost, the refund cost and the reduction, walked over
// the payments of one employee card.
//
// The refund cost is the minimum wage times the degree and group factors times the month's working-time
// fractions (once per employee and payroll month), plus each item's contributions that the refund status
// names. Payments of earlier months of the year add to the costs only.
#pragma once

#include <array>
#include <functional>

#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/pfron/EmployeeMonth.h"
#include "mv_deklaracje/pfron/WnuQualification.h"
#include "mv_deklaracje/pfron/WnuWorkingTime.h"

struct WnuSums {
    CMoney earned;              // WYNOSIAGANE
    CMoney paid;                // WYNWYPLACONE, after the deductions
    CMoney employerPension;     // PRACEMERYTALNE
    CMoney employerDisability;  // PRACRENTOWE
    CMoney employerAccident;    // PRACWYPADKOWE
    CMoney employeeSickness;    // WYNCHOROBOWE
    CMoney employeePension;     // WYNEMERYTALNE
    CMoney employerCost;
    CMoney refundCost;
    CMoney reduction;           // POMNIEJSZENIA

    // PODWKOSZTY: the smaller of the employer's cost and the refund cost.
    CMoney RefundBase() const;
    WnuSums& operator+=(const WnuSums& other);
};

class WnuWages {
public:
    // The days of a card for a month; `record` is the card's record the reading edges on.
    using Reader = std::function<WnuWorkingTime::Days(long month, long year, const EmploymentRecord& record)>;
    // Whether a card's payment of a month counts (linked cards); null: every payment does.
    using MonthTest = std::function<bool(long month, long year)>;
    // The payroll months (1 to 12) whose minimum-wage amount has entered the refund cost of the employee.
    using MonthFlags = std::array<bool, 12>;

    // The WN-U's month and year, the months (year * 12 + month) its period runs from and to.
    WnuWages(long refundStatus, long year, long month, CMoney minimumWage, long periodFrom, long periodTo);

    // The sums of one card's payments. The walk stops at the first payment met while the qualification
    // leaves the card's days uncounted. `lastDays` receives the days of each WN-U-month payment.
    WnuSums Walk(EmployeeMonthSource& card, const WnuQualification& qualification, const Reader& reader,
                 const MonthTest& test, MonthFlags& monthFlags, WnuWorkingTime::Days* lastDays = nullptr) const;

    static constexpr double kShelteredMarkedFactor = 0.55;  // status 2, marked days of any degree
    static constexpr double kSignificantFactor = 0.9;
    static constexpr double kModerateFactor = 0.7;
    static constexpr double kLightFactor = 0.4;
    static constexpr double kMarkedGroupFactor = 0.9;  // statuses 3 and 4
    static constexpr double kOtherGroupFactor = 0.7;
    static constexpr double kReductionRateStatus2 = 0.1221;
    static constexpr double kReductionRateStatus3And4 = 0.0976;
    static constexpr long kPayKind = 2;
    static constexpr long kSickPayDefinition = 331;

private:
    struct Refund {
        CMoney monthly;  // the minimum-wage amount of the month
        double item;     // the item's own contributions
    };
    Refund RefundOf(const WnuWorkingTime::Days& days, const PayoutComponent& item) const;
    void AddItem(const PayoutComponent& item, bool declarationMonth, bool out, const WnuWorkingTime::Days& days,
                 bool& monthAdded, WnuSums& sums, CMoney& deductions, CMoney& reductionBase) const;
    CMoney Reduction(EmployeeMonthSource& card, const CMoney& base) const;

    long refundStatus_;
    long year_;
    long month_;
    CMoney minimumWage_;
    long periodFrom_;
    long periodTo_;
};
