#include "mv_deklaracje/pfron/InfdWages.h"

namespace {
double Zloty(LONGLONG count) { return static_cast<double>(count) / 10000.0; }
}  // namespace

InfdWages InfdWages::Sum(const std::vector<Payout>& payouts, long year, long month) {
    InfdWages wages;
    CMoney deductions, ownDeductions;
    for (const Payout& payout : payouts) {
        if (payout.kind == 1 || payout.kind == 2) continue;
        if (payout.listLastDay.GetYear() != year || payout.listLastDay.GetMonth() != month) continue;
        for (const PayoutComponent& c : payout.components) {
            if (c.definitionKind != 1) continue;
            const bool reduced = c.category == kCategoryReduced;
            const bool own = c.benefitCode == kSickPayBenefitCode;
            if (!reduced && !own) continue;
            wages.earned += Zloty(c.amount);
            if (reduced) {
                double sum = 0;
                for (LONGLONG d : c.deductions) sum += Zloty(d);
                deductions += sum;
                wages.reduction += Zloty(c.amount);
            }
            if (own) ownDeductions += Zloty(c.deductions[4]) + Zloty(c.deductions[5]) + Zloty(c.deductions[0]);
        }
        wages.paid = CMoney(wages.earned.AsDouble() - deductions.AsDouble() - ownDeductions.AsDouble());
    }
    return wages;
}

void InfdWages::ApplyRefundStatus(long refundStatus, long disabilityDegree) {
    if (refundStatus == 2) {
        reduction = CMoney(reduction.AsDouble() * kReductionRateStatus2);
    } else if (refundStatus == 3 || refundStatus == 4) {
        if (disabilityDegree == 2 || disabilityDegree == 3) {
            reduction = CMoney(reduction.AsDouble() * kReductionRateStatus3And4);
        } else if (disabilityDegree == 1) {
            reduction = CMoney();
        }
    }
}
