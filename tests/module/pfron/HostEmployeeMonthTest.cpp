#include <gtest/gtest.h>

#include "InfdCompany.h"
#include "mv_deklaracje/pfron/HostEmployeeMonth.h"

using namespace pfron_test;

namespace {
class HostEmployeeMonthRead : public InfdCompany {
protected:
    // An employee paid in each month of 2024 from January to April, one element a month (an amount of
    // 1000 × the month), and in April a second element.
    void SetUp() override {
        InfdCompany::SetUp();
        AddEmployee(employee_);
        for (int month = 1; month <= 4; ++month)
            AddElement(AddPayout(employee_.id, 2024, month), 1, AmountOf(month), 2);
        AddElement(lists_, 2, u"50", 0);
    }
    static const char16_t* AmountOf(int month) {
        static const char16_t* const amounts[] = {u"1000", u"2000", u"3000", u"4000"};
        return amounts[month - 1];
    }
    // The month (year × 12 + month) of each payout's list with its elements' amounts, in currency counts.
    static std::vector<std::pair<long, std::vector<LONGLONG>>> Read(HostEmployeeMonth& month) {
        std::vector<std::pair<long, std::vector<LONGLONG>>> payouts;
        for (const Payout& payout : month.Payouts()) {
            std::vector<LONGLONG> amounts;
            for (const PayoutComponent& component : payout.components) amounts.push_back(component.amount);
            payouts.emplace_back(payout.listLastDay.GetYear() * 12L + payout.listLastDay.GetMonth(), amounts);
        }
        return payouts;
    }

    EmployeeRow employee_;
    const CDate march31_{3, 31, 2024};
    static constexpr long kFebruary = 2024 * 12 + 2;
    static constexpr long kMarch = 2024 * 12 + 3;
};
}  // namespace

TEST_F(HostEmployeeMonthRead, MonthsGivenLeaveOutThePayoutsOfOtherMonthsAndKeepTheirOwnWhole) {
    tlx::ComPtr<IPracownik> employee = OpenEmployeeInNewSession(employee_.id);
    HostEmployeeMonth twoMonths(employee.Get(), march31_, ListMonths{kFebruary, kMarch});
    using Payouts = std::vector<std::pair<long, std::vector<LONGLONG>>>;
    EXPECT_EQ(Read(twoMonths), (Payouts{{kFebruary, {20000000}}, {kMarch, {30000000}}}));

    HostEmployeeMonth april(employee.Get(), march31_, ListMonths{kMarch + 1, kMarch + 1});
    EXPECT_EQ(Read(april), (Payouts{{kMarch + 1, {40000000, 500000}}}));

    HostEmployeeMonth wholeYear(employee.Get(), march31_);
    EXPECT_EQ(Read(wholeYear).size(), 4u);
}
