#include "mv_deklaracje/pfron/WnuWages.h"

#include <utility>

#include "mv_deklaracje/core/ComError.h"

namespace {
double Zl(LONGLONG count) { return static_cast<double>(count) / 10000.0; }

// The item's amounts by meaning: the host keeps them as deductions and costs of the payment type.
struct ItemAmounts {
    double amount, employeePension, employeeDisability, employeeSickness, otherDeductions;
    double employerPension, employerDisability, employerAccident;
};
ItemAmounts AmountsOf(const PayoutComponent& c) {
    return {Zl(c.amount),
            Zl(c.deductions[1]),
            Zl(c.deductions[2]),
            Zl(c.deductions[3]),
            Zl(c.deductions[0]) + Zl(c.deductions[4]) + Zl(c.deductions[5]),
            Zl(c.costs[0]),
            Zl(c.costs[1]),
            Zl(c.costs[2])};
}

// The fractions of a reading by degree and of the marked days.
struct Fractions {
    double significant, moderate, light, marked;
};
Fractions FractionsOf(const WnuWorkingTime::Days& f) {
    auto at = [&](int k) { return f[static_cast<std::size_t>(WnuWorkingTime::kCategories + k)]; };
    return {at(0) + at(3) + at(6) + at(9), at(1) + at(4) + at(7) + at(10), at(2) + at(5) + at(8) + at(11),
            at(0) + at(1) + at(2) + at(3) + at(4) + at(5)};
}
}  // namespace

CMoney WnuSums::RefundBase() const {
    return employerCost.AsCurrency().int64 < refundCost.AsCurrency().int64 ? employerCost : refundCost;
}

WnuSums& WnuSums::operator+=(const WnuSums& o) {
    for (auto [to, from] : {std::pair{&earned, &o.earned}, {&paid, &o.paid}, {&employerPension, &o.employerPension},
                            {&employerDisability, &o.employerDisability}, {&employerAccident, &o.employerAccident},
                            {&employeeSickness, &o.employeeSickness}, {&employeePension, &o.employeePension},
                            {&employerCost, &o.employerCost}, {&refundCost, &o.refundCost}, {&reduction, &o.reduction}})
        *to += from->AsDouble();
    return *this;
}

WnuWages::WnuWages(long refundStatus, long year, long month, CMoney minimumWage, long periodFrom, long periodTo)
    : refundStatus_(refundStatus), year_(year), month_(month), minimumWage_(minimumWage), periodFrom_(periodFrom),
      periodTo_(periodTo) {}

WnuWages::Refund WnuWages::RefundOf(const WnuWorkingTime::Days& days, const PayoutComponent& c) const {
    const double w = minimumWage_.AsDouble();
    const ItemAmounts a = AmountsOf(c);
    const Fractions f = FractionsOf(days);
    Refund refund{CMoney(), 0.0};
    if (refundStatus_ == 2) {
        CMoney marked, degrees;
        if (f.marked > 0) marked += w * kShelteredMarkedFactor * f.marked;
        if (f.light > 0) degrees += w * kLightFactor * f.light;
        if (f.moderate > 0) degrees += w * kModerateFactor * f.moderate;
        if (f.significant > 0) degrees += w * kSignificantFactor * f.significant;
        refund.monthly = marked;
        refund.monthly += degrees.AsDouble();
        refund.item = a.employeePension + a.employerPension + a.employerDisability + a.employeeSickness + a.employerAccident;
    } else if (refundStatus_ == 3 || refundStatus_ == 4) {
        // Each category pair (plain and "S") with its degree and group factors, lightest first.
        struct Pair {
            int k;
            double degree, group;
        };
        constexpr Pair kPairs[] = {{8, kLightFactor, kOtherGroupFactor},      {2, kLightFactor, kMarkedGroupFactor},
                                   {7, kModerateFactor, kOtherGroupFactor},   {1, kModerateFactor, kMarkedGroupFactor},
                                   {6, kSignificantFactor, kOtherGroupFactor}, {0, kSignificantFactor, kMarkedGroupFactor}};
        for (const Pair& p : kPairs) {
            const double sum = days[static_cast<std::size_t>(WnuWorkingTime::kCategories + p.k)] +
                               days[static_cast<std::size_t>(WnuWorkingTime::kCategories + p.k + 3)];
            if (sum > 0) refund.monthly += w * p.degree * sum * p.group;
        }
        const bool moderateOrSignificant = f.moderate > 0 || f.significant > 0;
        if (refundStatus_ == 4 && f.light > 0) refund.item = a.employerAccident;
        else if (moderateOrSignificant) refund.item = a.employeePension + a.employerPension;
    }
    return refund;
}

void WnuWages::AddItem(const PayoutComponent& c, bool declarationMonth, bool out, const WnuWorkingTime::Days& days,
                       bool& monthAdded, WnuSums& sums, CMoney& deductions, CMoney& reductionBase) const {
    const ItemAmounts a = AmountsOf(c);
    const bool counted = c.definitionKind == 1;
    const bool pay = c.category == kPayKind;
    if (declarationMonth && !out) {
        const bool sickPay = c.benefitCode == kSickPayDefinition;
        if (pay && !sickPay) sums.earned += a.amount;
        if (counted && (pay || sickPay)) {
            sums.paid += a.amount;
            if (pay) {
                deductions += a.employeePension + a.employeeDisability + a.employeeSickness + a.otherDeductions;
                reductionBase += a.amount;
            }
            if (sickPay) deductions += a.otherDeductions;
        }
    }
    if (counted) sums.employerCost += a.amount + a.employerPension + a.employerDisability + a.employerAccident;
    const Refund refund = RefundOf(days, c);
    double cost = refund.item;
    if (!monthAdded) {
        cost += refund.monthly.AsDouble();
        monthAdded = true;
    }
    sums.refundCost += cost;
    if (declarationMonth && !out) {
        sums.employerPension += a.employerPension;
        sums.employerDisability += a.employerDisability;
        sums.employerAccident += a.employerAccident;
        sums.employeeSickness += a.employeeSickness;
        sums.employeePension += a.employeePension;
    }
}

CMoney WnuWages::Reduction(EmployeeMonthSource& card, const CMoney& base) const {
    if (refundStatus_ == 2) return CMoney(base.AsDouble() * kReductionRateStatus2);
    if (refundStatus_ != 3 && refundStatus_ != 4) return base;
    const EmploymentRecord* atEnd = card.RecordAt(CDate(static_cast<int>(month_) + 1, 0, static_cast<int>(year_)));
    const long degree = atEnd ? atEnd->disabilityDegree : 0;
    if (degree == 2 || degree == 3) return CMoney(base.AsDouble() * kReductionRateStatus3And4);
    if (degree == 1) return CMoney();
    return base;
}

WnuSums WnuWages::Walk(EmployeeMonthSource& card, const WnuQualification& qualification, const Reader& reader,
                       const MonthTest& test, MonthFlags& monthFlags, WnuWorkingTime::Days* lastDays) const {
    WnuSums sums;
    CMoney deductions, reductionBase;
    for (const Payout& payment : card.Payouts()) {
        if (!qualification.countDays) break;
        if (payment.kind == 1 || payment.kind == 2) continue;
        const long m = payment.listLastDay.GetMonth(), y = payment.listLastDay.GetYear();
        if (test && !test(m, y)) continue;
        if (y != year_ || m > month_) continue;
        const bool declarationMonth = m == month_;
        WnuWorkingTime::Days days{};
        bool out = false;
        if (declarationMonth) {
            out = payment.declarationMonth < periodFrom_ || payment.declarationMonth > periodTo_;
            const EmploymentRecord* atEnd = card.RecordAt(CDate(static_cast<int>(month_) + 1, 0, static_cast<int>(year_)));
            if (!atEnd) RaiseHResult(E_POINTER);
            days = reader(month_, year_, *atEnd);
            if (lastDays) *lastDays = days;
        } else {
            // An earlier month counts when the record valid at the payment's start is disabled.
            const EmploymentRecord* then = card.RecordAt(payment.periodStart);
            if (!then || then->disabilityDegree == 0) continue;
            days = reader(payment.periodStart.GetMonth(), payment.periodStart.GetYear(), *then);
        }
        for (const PayoutComponent& item : payment.components)
            AddItem(item, declarationMonth, out, days, monthFlags[static_cast<std::size_t>(m - 1)], sums, deductions,
                    reductionBase);
    }
    sums.paid = CMoney(sums.paid.AsDouble() - deductions.AsDouble());
    sums.reduction = Reduction(card, reductionBase);
    return sums;
}
