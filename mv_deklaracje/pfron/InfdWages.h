// The wages of an INF-D-P attachment: what the employee earned and was paid in the declaration's month,
// and the part of the wages by which the employer's contributions reduce the refund.
#pragma once

#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/pfron/EmployeeMonth.h"

struct InfdWages {
    CMoney earned;     // WYNOSIAGANE
    CMoney paid;       // WYNWYPLACONE
    CMoney reduction;  // POMNIEJSZENIA (POMZUS in the first form version)

    // The form's contribution rates: of the whole wage for refund status 2, and for statuses 3 and 4
    // with a moderate or significant disability.
    static constexpr double kReductionRateStatus2 = 0.1221;
    static constexpr double kReductionRateStatus3And4 = 0.0976;
    static constexpr long kCategoryReduced = 2;
    // Sick pay: counted as wages, with its own deductions.
    static constexpr long kSickPayBenefitCode = 331;

    // Sums the counting components of the payouts of the month; a component of category 2 that is
    // also paid under benefit code 331 has its deductions counted under both rules, as the form's rule has it.
    static InfdWages Sum(const std::vector<Payout>& payouts, long year, long month);
    // The reduction scaled by the refund status and the degree of disability at the month's end.
    void ApplyRefundStatus(long refundStatus, long disabilityDegree);
};
