#include <gtest/gtest.h>

#include "TableEmployee.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/WndWages.h"

using namespace pfron_test;

namespace {
LONGLONG Zl(double amount) { return static_cast<LONGLONG>(amount * 10000); }

// The element of the hand-worked May 2024: 4000.00 of type 100, counted, category 2, deductions
// 100, 200, 300, 0, 50, 10 and costs 400, 60, 20, 5, 3.
PayoutComponent MayElement() {
    PayoutComponent c;
    c.typeCode = 100;
    c.definitionKind = 1;
    c.category = 2;
    c.amount = Zl(4000);
    c.deductions = {Zl(100), Zl(200), Zl(300), 0, Zl(50), Zl(10)};
    c.costs = {Zl(400), Zl(60), Zl(20), Zl(5), Zl(3)};
    return c;
}

TableEmployee Employee(long degree, std::vector<std::pair<CDate, std::vector<PayoutComponent>>> payouts) {
    TableEmployee e;
    EmploymentRecord r;
    r.id = 1;
    r.disabilityDegree = degree;
    r.employment = From(D(2020, 1, 1));
    r.validity = From(D(2020, 1, 1));
    e.records.push_back(r);
    for (auto& [lastDay, components] : payouts) {
        Payout p;
        p.listLastDay = lastDay;
        p.periodStart = CDate(lastDay.GetMonth(), 1, lastDay.GetYear());
        p.components = components;
        e.payouts.push_back(p);
    }
    return e;
}

// Half time at degree 3 all month: 0.5 in the table's entry `entry`.
WndWageSums Sum(WndGeneration generation, long status, TableEmployee& e, int entry) {
    WndEligibility eligibility(generation, 2024, 5, 6);
    eligibility.employeeCounts = true;
    WndWages wages(generation, status, 2024, 5, CMoney(3600.0));
    std::array<bool, 12> flags{};
    auto table = [&](long, long) {
        WndWorkingTime::Vector v{};
        v[static_cast<std::size_t>(entry)] = 0.5;
        return v;
    };
    return wages.Sum(e, eligibility, table, nullptr, flags);
}

std::u16string T(const CMoney& m) { return FormatPfronAmount(m).Str(); }
}  // namespace

TEST(WndWages, TheHandWorkedMay) {
    TableEmployee e = Employee(3, {{D(2024, 5, 31), {MayElement()}}});
    const WndWageSums status3 = Sum(WndGeneration::Current, 3, e, 9);
    EXPECT_EQ(T(status3.earned), u"4000,00");
    EXPECT_EQ(T(status3.paid), u"3340,00");
    EXPECT_EQ(T(status3.wageCosts), u"4488,00");
    EXPECT_EQ(T(status3.costSum), u"4480,00");
    EXPECT_EQ(T(status3.limitSum), u"1734,00") << "C 600.00 + P2 1134.00";
    EXPECT_EQ(T(status3.RefundBase()), u"1734,00");

    const WndWageSums status2 = Sum(WndGeneration::Current, 2, e, 6);
    EXPECT_EQ(T(status2.RefundBase()), u"2300,00");

    const WndWageSums first2 = Sum(WndGeneration::First, 2, e, 6);
    EXPECT_EQ(T(first2.reduction), u"488,40");
    EXPECT_EQ(T(first2.wageCosts), u"0,00");
    EXPECT_EQ(T(first2.RefundBase()), u"2300,00");
    EXPECT_EQ(T(Sum(WndGeneration::First, 3, e, 9).reduction), u"390,40");
}

// Two payments of May bring the limit parts in once; an element that is not counted still brings its
// cost amount; a payment of April adds to the cost sum and the limit only.
TEST(WndWages, TheLimitEntersOncePerMonth) {
    PayoutComponent notCounted = MayElement();
    notCounted.definitionKind = 0;
    TableEmployee e = Employee(3, {{D(2024, 5, 31), {MayElement()}},
                                   {D(2024, 5, 31), {MayElement(), notCounted}},
                                   {D(2024, 4, 30), {MayElement()}}});
    const WndWageSums s = Sum(WndGeneration::Current, 3, e, 9);
    EXPECT_EQ(T(s.earned), u"8000,00");
    EXPECT_EQ(T(s.costSum), u"13440,00") << "4480 × 3";
    EXPECT_EQ(T(s.limitSum), u"4668,00") << "May 1134 + 3 × 600; April 1134 + 600";

    TableEmployee notDisabledInApril = Employee(3, {{D(2024, 4, 30), {MayElement()}}});
    notDisabledInApril.records[0].validity = From(D(2024, 5, 1));
    EmploymentRecord april = notDisabledInApril.records[0];
    april.disabilityDegree = 0, april.validity = Span(D(2020, 1, 1), D(2024, 4, 30));
    notDisabledInApril.records.insert(notDisabledInApril.records.begin(), april);
    const WndWageSums none = Sum(WndGeneration::Current, 3, notDisabledInApril, 9);
    EXPECT_EQ(T(none.costSum), u"0,00");
    EXPECT_EQ(T(none.paid), u"0,00") << "no payment of the month";
}

TEST(WndWages, SickPayAndItsDeductions) {
    PayoutComponent both = MayElement();
    both.benefitCode = 331;
    PayoutComponent sickOnly = MayElement();
    sickOnly.category = 0;
    sickOnly.benefitCode = 331;
    TableEmployee e = Employee(3, {{D(2024, 5, 31), {both, sickOnly}}});
    const WndWageSums s = Sum(WndGeneration::First, 2, e, 6);
    EXPECT_EQ(T(s.earned), u"8000,00");
    EXPECT_EQ(T(s.paid), u"7020,00") << "8000 − 660 − 2 × 160";
    EXPECT_EQ(T(s.reduction), u"488,40") << "only the category-2 wage is reduced";
}

// The first generation separates statuses 3 and 4 for a light degree's cost amount.
TEST(WndWages, TheFirstGenerationsLightDegreeCosts) {
    TableEmployee e = Employee(1, {{D(2024, 5, 31), {MayElement()}}});
    const CMoney light = CMoney(3600 * 0.4 * 0.5 * 0.7);  // 504.00
    EXPECT_EQ(T(Sum(WndGeneration::First, 3, e, 11).limitSum), T(light));
    EXPECT_EQ(T(Sum(WndGeneration::First, 4, e, 11).limitSum), u"524,00") << "Koszt3 20.00";
    EXPECT_EQ(T(Sum(WndGeneration::Current, 3, e, 11).limitSum), u"524,00");
    EXPECT_EQ(T(Sum(WndGeneration::First, 3, e, 11).reduction), u"0,00") << "degree 1 under status 3";
    EXPECT_EQ(T(Sum(WndGeneration::First, 5, e, 11).reduction), u"4000,00") << "other statuses leave it whole";
}
