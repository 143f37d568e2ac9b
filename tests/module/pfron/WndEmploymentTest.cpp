#include <gtest/gtest.h>

#include <vector>

#include "InfdCompany.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/WndEmployment.h"

using namespace pfron_test;

TEST(WndEmploymentBatch, TheBatchTextsOfBothProcedures) {
    EXPECT_EQ(WndEmployment::BatchText(2024, 3, false).Str(),
              u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); "
              u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD3 @DataOd, @DataDo, 1;");
    EXPECT_EQ(WndEmployment::BatchText(2024, 2, true).Str(),
              u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-02-01', 120); "
              u"SET @DataDo=CONVERT(datetime, '2024-02-29', 120); exec TLX.SOD4 @DataOd, @DataDo;");
    EXPECT_NE(WndEmployment::BatchText(2023, 12, true).Str().find(u"'2023-12-31'"), std::u16string::npos);
}

TEST(WndEmploymentBatch, GrowthNeedsBothFiguresToGrow) {
    EXPECT_FALSE(WndEmployment::NetGrowth({10.5, 4.0}, {10.0, 4.0}));
    EXPECT_TRUE(WndEmployment::NetGrowth({10.5, 4.2}, {10.0, 4.0}));
    EXPECT_FALSE(WndEmployment::NetGrowth({10.0, 4.2}, {10.0, 4.0}));
}

namespace {
class WndEmploymentFigures : public InfdCompany {
protected:
    WndEmployment Employment() {
        tlx::ComPtr<Connection> connection;
        EXPECT_EQ(GetHostDbAccess(SessionObject().Get())->get_Connection(connection.Out()), S_OK);
        return WndEmployment(connection.Get());
    }
};
}  // namespace

// The procedures answer one row per day: the figures are the averages over the month's days.
TEST_F(WndEmploymentFigures, AveragesOverTheRowsOfALeapFebruary) {
    EmployeeRow a;
    a.degree = 0;
    AddEmployee(a);
    EmployeeRow b;
    b.id = 2, b.code = u"P002", b.employedFrom = u"2024-02-16";  // 14 of February's 29 days, disabled
    AddEmployee(b);
    const FteFigures feb = Employment().ComputeMonthFte(2024, 2, false);
    EXPECT_EQ(FormatWymiaru(feb.total).Str(), u"1,483") << "(29 + 14) / 29";
    EXPECT_EQ(FormatWymiaru(feb.disabled).Str(), u"0,483") << "14 / 29";
}

TEST_F(WndEmploymentFigures, AMonthWithoutEmployeesGivesZeros) {
    const FteFigures none = Employment().ComputeMonthFte(2024, 3, true);
    EXPECT_EQ(FormatWymiaru(none.total).Str(), u"0,000");
    EXPECT_EQ(FormatWymiaru(none.disabled).Str(), u"0,000");
}

// January 2024 looks back at December 2023 … January 2023; a month whose last day has refund status 1
// ends the walk before it counts.
TEST_F(WndEmploymentFigures, ThePrecedingMonthsStopAtRefundStatusOne) {
    EmployeeRow e;
    e.employedFrom = u"2023-11-01";
    AddEmployee(e);
    std::vector<std::u16string> asked;
    auto statusAt = [&](CDate day) {
        asked.push_back(day.FormatSql().Str());
        return 3L;
    };
    const FteFigures year = Employment().ComputePrecedingYearFte(2024, 1, false, statusAt);
    ASSERT_EQ(asked.size(), 12u);
    EXPECT_EQ(asked.front(), u"2023-12-31");
    EXPECT_EQ(asked[10], u"2023-02-28");
    EXPECT_EQ(asked.back(), u"2023-01-31");
    EXPECT_EQ(FormatWymiaru(year.total).Str(), u"0,167") << "two full months of twelve";

    // Status 1 three months back (October 2023): December and November count.
    const FteFigures two = Employment().ComputePrecedingYearFte(
        2024, 1, false, [](CDate day) { return day.GetMonth() == 10 ? 1L : 2L; });
    EXPECT_EQ(FormatWymiaru(two.total).Str(), u"1,000");
    EXPECT_EQ(FormatWymiaru(two.disabled).Str(), u"1,000");
    // Status 1 in the month right before: nothing counts.
    const FteFigures none = Employment().ComputePrecedingYearFte(2024, 1, false, [](CDate) { return 1L; });
    EXPECT_EQ(FormatWymiaru(none.total).Str(), u"0,000");
}
