#include <gtest/gtest.h>

#include "mv_deklaracje/pfron/InfdWages.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "TableEmployee.h"

using namespace pfron_test;

namespace {
constexpr LONGLONG Zl(LONGLONG zloty) { return zloty * 10000; }

PayoutComponent Component(LONGLONG amount, long category, long benefitCode, std::array<LONGLONG, 6> deductions,
                          long definitionKind = 1) {
    PayoutComponent c;
    c.typeCode = 100;
    c.definitionKind = definitionKind;
    c.amount = amount;
    c.category = category;
    c.benefitCode = benefitCode;
    c.deductions = deductions;
    return c;
}

std::u16string Text(const CMoney& m) { return FormatPfronAmount(m).Str(); }
}  // namespace

TEST(InfdWages, MarchWorkedByHand) {
    const std::vector<Payout> payouts = {
        {0, D(2024, 3, 31),
         {Component(Zl(4000), 2, 0, {Zl(100), Zl(200), Zl(300), 0, Zl(50), Zl(10)}),
          Component(Zl(400), 0, 331, {Zl(40), 0, 0, 0, 0, 0}),
          Component(Zl(999), 0, 0, {Zl(1), 0, 0, 0, 0, 0}),
          Component(Zl(777), 2, 0, {Zl(1), 0, 0, 0, 0, 0}, 0)}},
        {1, D(2024, 3, 31), {Component(Zl(500), 2, 0, {})}},
        {0, D(2024, 2, 29), {Component(Zl(600), 2, 0, {})}},
    };
    InfdWages wages = InfdWages::Sum(payouts, 2024, 3);
    EXPECT_EQ(Text(wages.earned), u"4400,00");
    EXPECT_EQ(Text(wages.paid), u"3700,00");
    EXPECT_EQ(Text(wages.reduction), u"4000,00");
    wages.ApplyRefundStatus(3, 2);
    EXPECT_EQ(Text(wages.reduction), u"390,40");
}

TEST(InfdWages, ACategory2Component331HasItsDeductionsCountedTwice) {
    const std::vector<Payout> payouts = {
        {0, D(2024, 3, 31), {Component(Zl(1000), 2, 331, {Zl(10), Zl(20), 0, 0, Zl(5), Zl(1)})}}};
    const InfdWages wages = InfdWages::Sum(payouts, 2024, 3);
    EXPECT_EQ(Text(wages.earned), u"1000,00");
    EXPECT_EQ(Text(wages.paid), u"948,00");  // 1000 - 36 - 16
    EXPECT_EQ(Text(wages.reduction), u"1000,00");
}

TEST(InfdWages, ReductionByRefundStatusAndDegree) {
    struct Case { long status; long degree; const char16_t* reduction; };
    for (const Case& c : {Case{2, 3, u"122,10"}, Case{2, 0, u"122,10"}, Case{3, 2, u"97,60"}, Case{4, 3, u"97,60"},
                          Case{4, 1, u"0,00"}, Case{3, 0, u"1000,00"}, Case{1, 2, u"1000,00"},
                          Case{5, 2, u"1000,00"}}) {
        InfdWages wages;
        wages.reduction = CMoney(1000.0);
        wages.ApplyRefundStatus(c.status, c.degree);
        EXPECT_EQ(Text(wages.reduction), c.reduction) << c.status << "/" << c.degree;
    }
}

TEST(InfdWages, NoPayoutOfTheMonthGivesZeros) {
    const InfdWages wages = InfdWages::Sum({{0, D(2024, 4, 30), {Component(Zl(100), 2, 0, {})}}}, 2024, 3);
    EXPECT_EQ(Text(wages.earned), u"0,00");
    EXPECT_EQ(Text(wages.paid), u"0,00");
    EXPECT_EQ(Text(wages.reduction), u"0,00");
}
