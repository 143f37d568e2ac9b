#include <gtest/gtest.h>

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/DaySet.h"
#include "mv_deklaracje/pfron/InfdQualification.h"
#include "TableEmployee.h"

using namespace pfron_test;

namespace {
// Employed and disabled (degree 2) since 2020 under title 0110 with one record.
TableEmployee Disabled() {
    TableEmployee e;
    EmploymentRecord r;
    r.id = 1;
    r.disabilityDegree = 2;
    r.employment = From(D(2020, 1, 1));
    r.validity = From(D(2020, 1, 1));
    r.titleCode = 110;
    e.records.push_back(r);
    return e;
}

// Disabled until the end of February 2024, no longer from March.
void DisabledUntilFebruary(TableEmployee& e) {
    e.records[0].validity = Span(D(2020, 1, 1), D(2024, 2, 29));
    EmploymentRecord later = e.records[0];
    later.id = 2;
    later.disabilityDegree = 0;
    later.validity = From(D(2024, 3, 1));
    e.records.push_back(later);
}

Payout PayoutOf(CDate listLastDay, std::vector<PayoutComponent> components, long kind = 0) {
    return Payout{kind, listLastDay, std::move(components)};
}
constexpr PayoutComponent Counting(long typeCode) { return {typeCode, 1}; }
constexpr PayoutComponent NotCounting(long typeCode) { return {typeCode, 0}; }

std::string Text(const QualificationResult& r) {
    return std::string(r.qualifies ? "yes" : "no") + (r.currentMonthBasis ? "/this month" : "/month before");
}
}  // namespace

TEST(DaySet, CountsWhatIsLeftOfAWindow) {
    DaySet march(D(2024, 3, 1), D(2024, 4, 1));
    EXPECT_EQ(march.Count(), 31);
    march.Minus(Span(D(2024, 2, 20), D(2024, 3, 10)));
    EXPECT_EQ(march.Count(), 21);
    march.Minus(Span(D(2024, 3, 5), D(2024, 3, 12)));
    EXPECT_EQ(march.Count(), 19);
    march.Minus(From(D(2024, 3, 31)));
    EXPECT_EQ(march.Count(), 18);
    march.Minus(From(D(2024, 3, 1)));
    EXPECT_TRUE(march.Empty());
    EXPECT_TRUE(DaySet(D(2024, 3, 2), D(2024, 3, 1)).Empty());
}

TEST(InfdQualification, DecidesByRecordsAbsencesAndPayouts) {
    struct Case {
        const char* name;
        void (*shape)(TableEmployee&);
        const char* expected;
    };
    const Case cases[] = {
        {"excluded by the record's status", [](TableEmployee& e) { e.records[0].status = 1; }, "no/month before"},
        {"unpaid leave of both kinds covers the month",
         [](TableEmployee& e) {
             e.absences = {{121, Span(D(2024, 2, 1), D(2024, 3, 15))}, {300, Span(D(2024, 3, 1), D(2024, 3, 31))},
                           {122, Span(D(2024, 3, 16), D(2024, 4, 30))}};
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)})};
         },
         "no/this month"},
        {"other absences leave the month", [](TableEmployee& e) {
             e.absences = {{300, Span(D(2024, 3, 1), D(2024, 3, 31))}};
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)})};
         }, "yes/this month"},
        {"disabled only at the previous month's end", DisabledUntilFebruary,
         "yes/month before"},
        {"disabled from the month's first day only",
         [](TableEmployee& e) {
             e.records[0].disabilityDegree = 0;
             e.records[0].validity = Span(D(2020, 1, 1), D(2024, 2, 29));
             EmploymentRecord r = e.records[0];
             r.id = 2, r.disabilityDegree = 1, r.validity = Span(D(2024, 3, 1), D(2024, 3, 30));
             EmploymentRecord last = e.records[0];
             last.id = 3, last.validity = From(D(2024, 3, 31));
             e.records.push_back(r);
             e.records.push_back(last);
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)})};
         },
         "yes/this month"},
        {"never disabled", [](TableEmployee& e) {
             e.records[0].disabilityDegree = 0;
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)})};
         }, "no/this month"},
        {"never disabled, on unpaid leave all month", [](TableEmployee& e) {
             e.records[0].disabilityDegree = 0;
             e.absences = {{121, Span(D(2024, 3, 1), D(2024, 3, 31))}};
         }, "no/this month"},
        {"disabled only at the previous month's end, on unpaid leave all month",
         [](TableEmployee& e) {
             DisabledUntilFebruary(e);
             e.absences = {{121, Span(D(2024, 3, 1), D(2024, 3, 31))}};
         },
         "no/this month"},
        {"employment ended in the previous month",
         [](TableEmployee& e) { e.records[0].terminationDate = D(2024, 2, 10); }, "yes/month before"},
        {"employment ended two months back", [](TableEmployee& e) {
             e.records[0].terminationDate = D(2024, 1, 31);
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)})};
         }, "no/this month"},
        {"employment touches no day of either month",
         [](TableEmployee& e) {
             e.records[0].employment = Span(D(2020, 1, 1), D(2024, 1, 31));
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)})};
         },
         "no/this month"},
        {"first counting component of the month has type 0",
         [](TableEmployee& e) { e.payouts = {PayoutOf(D(2024, 3, 31), {NotCounting(100), Counting(0), Counting(100)})}; },
         "no/this month"},
        {"type 30 for an employee (0110)",
         [](TableEmployee& e) { e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(30)})}; }, "yes/this month"},
        {"type 30 for a homeworker (0210)", [](TableEmployee& e) {
             e.records[0].titleCode = 210;
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(30)})};
         }, "yes/this month"},
        {"type 30 for another title (0411) goes on to the next payout", [](TableEmployee& e) {
             e.records[0].titleCode = 411;
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(30)}), PayoutOf(D(2024, 3, 31), {Counting(0)})};
         }, "no/this month"},
        {"type 30 for another title and nothing else", [](TableEmployee& e) {
             e.records[0].titleCode = 411;
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(30)})};
         }, "no/this month"},
        {"a 4xxxx component in the previous month's payout excludes", [](TableEmployee& e) {
             e.payouts = {PayoutOf(D(2024, 2, 29), {NotCounting(40001)}), PayoutOf(D(2024, 3, 31), {Counting(100)})};
         }, "no/this month"},
        {"a 4xxxx component after the found one is not read", [](TableEmployee& e) {
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100), NotCounting(49999)})};
         }, "yes/this month"},
        {"only the previous month's payout counts",
         [](TableEmployee& e) { e.payouts = {PayoutOf(D(2024, 2, 29), {Counting(100)})}; }, "yes/month before"},
        {"payouts of kinds 1 and 2 and of other months are not read", [](TableEmployee& e) {
             e.payouts = {PayoutOf(D(2024, 3, 31), {Counting(100)}, 1), PayoutOf(D(2024, 3, 31), {Counting(100)}, 2),
                          PayoutOf(D(2024, 1, 31), {Counting(100)}), PayoutOf(D(2024, 4, 30), {Counting(100)})};
         }, "no/this month"},
    };
    const InfdQualification march(2024, 3);
    for (const Case& c : cases) {
        TableEmployee e = Disabled();
        c.shape(e);
        EXPECT_EQ(Text(march.Qualify(e, false)), c.expected) << c.name;
    }
}

TEST(InfdQualification, JanuaryLooksAtDecemberOfTheYearBefore) {
    const InfdQualification january(2024, 1);
    TableEmployee paidInDecember = Disabled();
    paidInDecember.payouts = {PayoutOf(D(2023, 12, 31), {Counting(100)})};
    EXPECT_EQ(Text(january.Qualify(paidInDecember)), "yes/month before");

    TableEmployee disabledInDecember = Disabled();
    disabledInDecember.records[0].validity = Span(D(2020, 1, 1), D(2023, 12, 31));
    EmploymentRecord later = disabledInDecember.records[0];
    later.id = 2, later.disabilityDegree = 0, later.validity = From(D(2024, 1, 1));
    disabledInDecember.records.push_back(later);
    EXPECT_EQ(Text(january.Qualify(disabledInDecember)), "yes/month before");

    TableEmployee endedInDecember = Disabled();
    endedInDecember.records[0].terminationDate = D(2023, 12, 5);
    EXPECT_EQ(Text(january.Qualify(endedInDecember)), "yes/month before");
}

TEST(InfdQualification, EmploymentInTheMonthFollowsLaterRecords) {
    const InfdQualification march(2024, 3);
    // Employment ended in February; a new one begins with the record valid from 10 March.
    TableEmployee rehired = Disabled();
    rehired.records[0].employment = Span(D(2020, 1, 1), D(2024, 2, 15));
    rehired.records[0].validity = Span(D(2020, 1, 1), D(2024, 3, 9));
    EmploymentRecord again = rehired.records[0];
    again.id = 2, again.employment = From(D(2024, 3, 10)), again.validity = From(D(2024, 3, 10));
    rehired.records.push_back(again);
    EXPECT_TRUE(march.EmployedInMonth(rehired, D(2024, 3, 1)));
    EXPECT_TRUE(march.EmployedInMonth(rehired, D(2024, 2, 1)));

    // Ended in February, the record stays valid without end: the walk stops at once.
    TableEmployee ended = Disabled();
    ended.records[0].employment = Span(D(2020, 1, 1), D(2024, 2, 15));
    EXPECT_FALSE(march.EmployedInMonth(ended, D(2024, 3, 1)));
    EXPECT_TRUE(march.EmployedInMonth(ended, D(2024, 2, 1)));

    // Hired on the month's last day.
    TableEmployee late = Disabled();
    late.records[0].employment = From(D(2024, 3, 31));
    EXPECT_TRUE(march.EmployedInMonth(late, D(2024, 3, 1)));
    EXPECT_FALSE(march.EmployedInMonth(late, D(2024, 2, 1)));
}

TEST(InfdQualification, AnEmployeeWithoutRecordsIsNamedInTheError) {
    TableEmployee nobody;
    EXPECT_EQ(ComBoundary([&] { (void)InfdQualification(2024, 3).Qualify(nobody); }), E_POINTER);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Brak zapisu historycznego pracownika [P001] Jan Kowalski na dzień 2024-03-31");
}
