#include <gtest/gtest.h>

#include "TableEmployee.h"
#include "mv_deklaracje/pfron/WndEligibility.h"

using namespace pfron_test;

namespace {
// A disabled full-time employee, record valid and employed from 2000, paid in March 2024 with one
// counting component of type `code`.
TableEmployee Paid(long code = 100, long degree = 2, int year = 2024, int month = 3) {
    TableEmployee e;
    EmploymentRecord r;
    r.id = 1;
    r.disabilityDegree = degree;
    r.employment = From(D(2000, 1, 1));
    r.validity = From(D(2000, 1, 1));
    r.titleCode = 110;
    e.records.push_back(r);
    Payout p;
    p.listLastDay = CDate(month + 1, 0, year);
    PayoutComponent c;
    c.typeCode = code;
    c.definitionKind = 1;
    p.components.push_back(c);
    e.payouts.push_back(p);
    return e;
}

WndEligibility Current(long year = 2024, long month = 3, long version = 6) {
    return WndEligibility(WndGeneration::Current, year, month, version);
}
}  // namespace

TEST(WndEligibility, TheRecordAtTheMonthsEnd) {
    TableEmployee excluded = Paid();
    excluded.records[0].status = 1;
    WndEligibility test = Current();
    EXPECT_FALSE(test.IsEmployeeEligible(excluded));
    EXPECT_FALSE(test.employeeCounts) << "an excluding record leaves the flag as it was";

    // Hired after the month: no record at its end, passed over without failing the run.
    TableEmployee later = Paid();
    later.records[0].validity = From(D(2024, 5, 1));
    later.records[0].employment = From(D(2024, 5, 1));
    EXPECT_FALSE(test.IsEmployeeEligible(later));

    TableEmployee title = Paid();
    title.records[0].titleCode = 99999;
    EXPECT_FALSE(test.IsEmployeeEligible(title));
    EXPECT_TRUE(test.IsEmployeeEligibleInMonth(3, 2024, title)) << "the month test makes no title check";

    TableEmployee ended = Paid();
    ended.records[0].employment = Span(D(2000, 1, 1), D(2024, 2, 29));
    EXPECT_FALSE(test.IsEmployeeEligible(ended));
}

TEST(WndEligibility, UnpaidLeaveOnEveryDayRefuses) {
    TableEmployee e = Paid();
    e.absences = {{121, Span(D(2024, 3, 1), D(2024, 3, 15))}, {111, Span(D(2024, 3, 16), D(2024, 3, 31))}};
    EXPECT_TRUE(Current().IsEmployeeEligible(e)) << "a sickness absence leaves the days in";
    e.absences.push_back({122, Span(D(2024, 3, 16), D(2024, 3, 30))});
    EXPECT_TRUE(Current().IsEmployeeEligible(e)) << "one day left";
    e.absences.push_back({111, Span(D(2024, 3, 31), D(2024, 3, 31))});
    e.absences.push_back({121, Span(D(2024, 3, 31), D(2024, 3, 31))});
    EXPECT_FALSE(Current().IsEmployeeEligible(e));
}

TEST(WndEligibility, ThePayrollScan) {
    // Component code 30 counts for employees and homeworkers: the title's two leading digits, 0110 → 1.
    TableEmployee byTitle = Paid(30);
    EXPECT_TRUE(Current().IsEmployeeEligible(byTitle));
    byTitle.records[0].titleCode = 2211;
    EXPECT_FALSE(Current().IsEmployeeEligible(byTitle));
    TableEmployee notCounted = Paid(0);
    EXPECT_FALSE(Current().IsEmployeeEligible(notCounted));

    // Paid only in February: counted, on the month before's basis.
    TableEmployee previous = Paid(100, 2, 2024, 2);
    WndEligibility test = Current();
    EXPECT_TRUE(test.IsEmployeeEligible(previous));
    EXPECT_FALSE(test.employeeCounts);
    TableEmployee january = Paid(100, 2, 2024, 1);
    EXPECT_FALSE(Current().IsEmployeeEligible(january)) << "paid two months before";

    // A 4xxxx component is passed over by the declaration's test and refuses in the month test.
    TableEmployee group4 = Paid(40001);
    group4.payouts[0].components.push_back(PayoutComponent{100, 1});
    EXPECT_TRUE(Current().IsEmployeeEligible(group4));
    EXPECT_FALSE(Current().IsEmployeeEligibleInMonth(3, 2024, group4));
}

TEST(WndEligibility, DisabledOnlyInTheMonthBefore) {
    TableEmployee e = Paid(100, 0);
    EmploymentRecord before = e.records[0];
    before.disabilityDegree = 2;
    before.validity = Span(D(2000, 1, 1), D(2024, 2, 29));
    e.records[0].validity = From(D(2024, 3, 1));
    e.records[0].id = 2;
    e.records.insert(e.records.begin(), before);
    WndEligibility test = Current();
    EXPECT_TRUE(test.IsEmployeeEligible(e));
    EXPECT_FALSE(test.employeeCounts);
    TableEmployee never = Paid(100, 0);
    EXPECT_FALSE(Current().IsEmployeeEligible(never));
}

// From March 2010 (versions 4 to 6, light or moderate degree) a month paid only in components of tens
// digit 1 does not count; both tests take the same date condition.
TEST(WndEligibility, TheElementCodeRule) {
    TableEmployee e = Paid(110, 2, 2011, 1);
    EXPECT_FALSE(Current(2011, 1, 6).IsEmployeeEligible(e));
    EXPECT_FALSE(Current(2011, 1, 6).IsEmployeeEligibleInMonth(1, 2011, e));
    EXPECT_TRUE(Current(2011, 1, 3).IsEmployeeEligible(e)) << "version 3";
    TableEmployee february2010 = Paid(110, 2, 2010, 2);
    EXPECT_TRUE(Current(2010, 2, 6).IsEmployeeEligible(february2010));
    TableEmployee mixed = Paid(110, 2, 2011, 1);
    mixed.payouts[0].components.push_back(PayoutComponent{100, 0});
    EXPECT_TRUE(Current(2011, 1, 6).IsEmployeeEligible(mixed));
    TableEmployee significant = Paid(110, 3, 2011, 1);
    EXPECT_TRUE(Current(2011, 1, 6).IsEmployeeEligible(significant));
}

TEST(WndEligibility, TheFirstGenerationsBoundaryDate) {
    TableEmployee e = Paid();
    e.records[0].boundaryDate = D(2024, 2, 10);
    WndEligibility first(WndGeneration::First, 2024, 3, 1);
    EXPECT_TRUE(first.IsEmployeeEligible(e));
    EXPECT_FALSE(first.employeeCounts) << "the month after the boundary: on the month before's basis";
    e.records[0].boundaryDate = D(2024, 1, 31);
    EXPECT_FALSE(first.IsEmployeeEligible(e));
    e.records[0].boundaryDate = D(2024, 3, 31);
    EXPECT_TRUE(first.IsEmployeeEligible(e));
    EXPECT_TRUE(first.employeeCounts);
    e.records[0].boundaryDate = D(2023, 1, 31);
    EXPECT_TRUE(Current().IsEmployeeEligible(e)) << "the current generation does not use the date";
}

TEST(WndEligibility, ContinuousEmploymentBridgesUpToThirtyFreeDays) {
    auto twoEmployments = [](CDate firstEnd) {
        TableEmployee e;
        EmploymentRecord a;
        a.id = 1, a.employment = Span(D(2022, 1, 1), firstEnd), a.validity = Span(D(2022, 1, 1), firstEnd);
        EmploymentRecord b;
        b.id = 2, b.employment = From(D(2023, 6, 1)), b.validity = From(D(2023, 6, 1));
        e.records = {a, b};
        return e;
    };
    TableEmployee bridged = twoEmployments(D(2023, 5, 1));  // 30 free days: 2 to 31 May
    EXPECT_EQ(Current().ContinuousEmploymentStart(bridged), D(2022, 1, 1));
    TableEmployee apart = twoEmployments(D(2023, 4, 30));  // 31 free days
    EXPECT_EQ(Current().ContinuousEmploymentStart(apart), D(2023, 6, 1));
}

TEST(WndEligibility, SicknessDaysOfAStretch) {
    TableEmployee e = Paid();
    e.absences = {{111, Span(D(2024, 3, 5), D(2024, 3, 14))}, {112, Span(D(2024, 3, 20), D(2024, 4, 10)), 1},
                  {121, Span(D(2024, 3, 1), D(2024, 3, 31))}};
    EXPECT_EQ(WndEligibility::SubtractAbsenceDays(e, D(2024, 3, 1), D(2024, 3, 31), 31), 21);
    EXPECT_EQ(WndEligibility::SubtractAbsenceDays(e, D(2024, 3, 1), D(2024, 3, 31), 4), 0) << "never below 0";
    EXPECT_TRUE(WndEligibility::HasAbsenceDays(e, D(2024, 3, 14), D(2024, 3, 20)));
    EXPECT_FALSE(WndEligibility::HasAbsenceDays(e, D(2024, 3, 15), D(2024, 3, 31))) << "a marked absence is left out";
}
