#include <gtest/gtest.h>

#include "mv_deklaracje/zus/RodzajFinansowania.h"

TEST(RodzajFinansowania, ChoosesTheCaseByTitlePeriodAndRefundStatus) {
    const struct {
        std::uint32_t kod;
        int rok, miesiac, status;
        bool wyplata;  // a payment on a payroll list of kind 1 in the month
        int rodzaj;
    } rows[] = {
        {43000, 2016, 5, 0, false, 7},  // 0430 whatever the period and status
        {43000, 2007, 5, 3, false, 7},
        {124000, 2016, 5, 0, false, 3},
        {121000, 2016, 5, 0, false, 4},
        {121100, 2016, 5, 0, false, 4},
        {122000, 2016, 5, 0, false, 4},
        {123000, 2016, 5, 0, false, 4},
        {125000, 2016, 5, 0, false, 0},
        {11012, 2007, 5, 1, false, 1},
        {11012, 2008, 5, 1, false, 0},  // refunds leave the DRA in 2008
        {11011, 2007, 5, 1, false, 0},
        {11300, 2007, 5, 0, false, 5},  // 0113 and 0213 before 2008 whatever the status
        {11300, 2007, 5, 2, false, 5},
        {21300, 2007, 5, 0, false, 5},
        {11011, 2007, 5, 2, false, 2},
        {11010, 2007, 5, 2, false, 0},
        {11011, 2007, 5, 3, false, 5},
        {11012, 2007, 5, 3, false, 6},
        {11013, 2007, 5, 3, false, 6},
        {11010, 2007, 5, 3, false, 0},
        {11013, 2007, 5, 0, false, 0},
        {11013, 2008, 0, 3, false, 6},  // no month: still by the refund status
        {300000, 2016, 5, 0, false, 0},  // no payment on a list of kind 1
        {300002, 2007, 5, 1, true, 1},
        {300002, 2007, 5, 1, false, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.kod << " " << row.rok << "-" << row.miesiac << " status " << row.status);
        bool asked = false;
        const int rodzaj = RodzajFinansowania(CKodTytuluUbezpieczenia(row.kod), row.rok, row.miesiac, row.status, [&] {
            asked = true;
            return row.wyplata;
        });
        EXPECT_EQ(rodzaj, row.rodzaj);
        EXPECT_EQ(asked, CKodTytuluUbezpieczenia(row.kod).JestGrupa30());  // only group 30 walks the payments
    }
}
