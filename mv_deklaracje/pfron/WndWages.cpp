#include "mv_deklaracje/pfron/WndWages.h"

namespace {
double Zl(LONGLONG count) { return static_cast<double>(count) / 10000.0; }

// The sums of the table's entries by degree, over marked and other days of both status groups.
struct DegreeSums {
    double light, moderate, significant;
};
DegreeSums SumsOf(const WndWorkingTime::Vector& e) {
    return {e[2] + e[5] + e[8] + e[11], e[1] + e[4] + e[7] + e[10], e[0] + e[3] + e[6] + e[9]};
}
}  // namespace

CMoney WndWageSums::RefundBase() const {
    return costSum.AsCurrency().int64 < limitSum.AsCurrency().int64 ? costSum : limitSum;
}

WndWageSums& WndWageSums::operator+=(const WndWageSums& o) {
    for (auto [to, from] : {std::pair{&earned, &o.earned}, {&deductions, &o.deductions}, {&sickPay, &o.sickPay},
                            {&paid, &o.paid}, {&wageCosts, &o.wageCosts}, {&costSum, &o.costSum},
                            {&limitSum, &o.limitSum}, {&reduction, &o.reduction}})
        *to += from->AsDouble();
    return *this;
}

WndWages::WndWages(WndGeneration generation, long refundStatus, long year, long month, CMoney minimumWage)
    : generation_(generation), refundStatus_(refundStatus), year_(year), month_(month), minimumWage_(minimumWage) {}

// P1 + P2 and the element's cost amount C. Under statuses 3 and 4 the coefficients of the degree are
// scaled by 0.9 for marked days and 0.7 for the others.
WndWages::Limit WndWages::LimitOf(const WndWorkingTime::Vector& e, const PayoutComponent& c) const {
    const double mw = minimumWage_.AsDouble();
    const double p2 = Zl(c.deductions[1]), p4 = Zl(c.deductions[3]);
    const double k1 = Zl(c.costs[0]), k2 = Zl(c.costs[1]), k3 = Zl(c.costs[2]);
    const DegreeSums s = SumsOf(e);
    Limit limit{CMoney(), 0.0};
    auto add = [&](double coefficient, double fte, double scale) {
        if (fte > 0) limit.parts += mw * coefficient * fte * scale;
    };
    if (refundStatus_ == 2) {
        add(kLimitShelteredAll, e[0] + e[1] + e[2] + e[3] + e[4] + e[5], 1.0);
        add(kLimitLight, s.light, 1.0);
        add(kLimitModerate, s.moderate, 1.0);
        add(kLimitSignificant, s.significant, 1.0);
        limit.costs = p2 + k1 + k2 + p4 + k3;
    } else if (refundStatus_ == 3 || refundStatus_ == 4) {
        add(kLimitLight, e[8] + e[11], kOpenMarketOtherDays);
        add(kLimitLight, e[2] + e[5], kOpenMarketMarkedDays);
        add(kLimitModerate, e[7] + e[10], kOpenMarketOtherDays);
        add(kLimitModerate, e[1] + e[4], kOpenMarketMarkedDays);
        add(kLimitSignificant, e[6] + e[9], kOpenMarketOtherDays);
        add(kLimitSignificant, e[0] + e[3], kOpenMarketMarkedDays);
        // The first generation gives a light degree's own costs under status 4 only.
        const bool lightCosts = generation_ == WndGeneration::Current || refundStatus_ == 4;
        if (lightCosts && s.light > 0) limit.costs = k3;
        else if (s.moderate > 0 || s.significant > 0) limit.costs = p2 + k1;
    }
    return limit;
}

void WndWages::AddElement(const PayoutComponent& c, bool reportingMonth, const WndWorkingTime::Vector& table,
                          bool& monthSeen, WndWageSums& sums, CMoney& reductionBase) const {
    const double amount = Zl(c.amount);
    const double k1 = Zl(c.costs[0]), k2 = Zl(c.costs[1]), k3 = Zl(c.costs[2]);
    const bool counted = c.definitionKind == 1;
    if (reportingMonth) {
        const bool reduced = c.category == kCategoryReduced;
        const bool sickPay = c.benefitCode == kSickPayBenefitCode;
        if (counted && (reduced || sickPay)) {
            sums.earned += amount;
            if (reduced) {
                double d = 0;
                for (LONGLONG x : c.deductions) d += Zl(x);
                sums.deductions += d;
                reductionBase += amount;
            }
            if (sickPay) sums.sickPay += Zl(c.deductions[0]) + Zl(c.deductions[4]) + Zl(c.deductions[5]);
        }
        if (counted && generation_ == WndGeneration::Current)
            sums.wageCosts += amount + k1 + k2 + k3 + Zl(c.costs[3]) + Zl(c.costs[4]);
    }
    if (counted) sums.costSum += amount + k1 + k2 + k3;
    const Limit limit = LimitOf(table, c);
    if (!monthSeen) {
        sums.limitSum += (CMoney(limit.costs) += limit.parts.AsDouble()).AsDouble();
        monthSeen = true;
    } else {
        sums.limitSum += limit.costs;
    }
}

WndWageSums WndWages::Sum(EmployeeMonthSource& record, WndEligibility& eligibility, const DegreeTable& table,
                          const MonthTest& test, std::array<bool, 12>& monthFlags,
                          WndWorkingTime::Vector* lastTable) const {
    WndWageSums sums;
    CMoney reductionBase;
    bool paidInMonth = false;
    for (const Payout& payout : record.Payouts()) {
        if (!eligibility.employeeCounts) break;
        if (payout.kind == 1 || payout.kind == 2) continue;
        const long m = payout.listLastDay.GetMonth(), y = payout.listLastDay.GetYear();
        if (test && !test(m, y)) continue;
        if (y != year_ || m > month_) continue;
        const bool reportingMonth = m == month_;
        WndWorkingTime::Vector degrees{};
        if (reportingMonth) {
            degrees = table(m, y);
            if (lastTable) *lastTable = degrees;
        } else {
            // An earlier month of the year counts when the record valid at the payment's start is disabled.
            const EmploymentRecord* then = record.RecordAt(payout.periodStart);
            if (!then || then->disabilityDegree == 0) continue;
            degrees = table(payout.periodStart.GetMonth(), payout.periodStart.GetYear());
        }
        for (const PayoutComponent& c : payout.components)
            AddElement(c, reportingMonth, degrees, monthFlags[static_cast<std::size_t>(m - 1)], sums, reductionBase);
        if (reportingMonth) paidInMonth = true;
    }
    if (paidInMonth) sums.paid = CMoney(sums.earned.AsDouble() - sums.deductions.AsDouble() - sums.sickPay.AsDouble());
    if (generation_ == WndGeneration::First) {
        const EmploymentRecord* atEnd = record.RecordAt(CDate(static_cast<int>(month_) + 1, 0, static_cast<int>(year_)));
        const long degree = atEnd ? atEnd->disabilityDegree : 0;
        sums.reduction = reductionBase;
        if (refundStatus_ == 2) {
            sums.reduction = CMoney(reductionBase.AsDouble() * kReductionRateStatus2);
        } else if (refundStatus_ == 3 || refundStatus_ == 4) {
            if (degree == 2 || degree == 3) sums.reduction = CMoney(reductionBase.AsDouble() * kReductionRateStatus3And4);
            else if (degree == 1) sums.reduction = CMoney();
        }
    }
    return sums;
}
