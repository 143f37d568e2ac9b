#include <gtest/gtest.h>

#include "TableEmployee.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/PfronFields.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "mv_deklaracje/pfron/WnuWorkingTime.h"

using namespace pfron_test;

namespace {
// Degree `degree` from 2020 on, working time numerator / denominator.
TableEmployee Card(long degree, long numerator = 1, long denominator = 1) {
    TableEmployee e;
    EmploymentRecord r;
    r.id = 1;
    r.disabilityDegree = degree;
    r.titleCode = 110;
    r.employment = From(D(2020, 1, 1));
    r.validity = From(D(2020, 1, 1));
    r.fullTimeNumerator = numerator;
    r.fullTimeDenominator = denominator;
    e.records.push_back(r);
    return e;
}

// A payment on a list whose last day is `lastDay`, with one counted item of `code`.
Payout Payment(CDate lastDay, long code, long counted = 1) {
    Payout p;
    p.listLastDay = lastDay;
    PayoutComponent item;
    item.typeCode = code;
    item.definitionKind = counted;
    p.components.push_back(item);
    return p;
}

// Splits the card's one record after `day`: a second record, degree `degree`, from the day after.
void ChangeAfter(TableEmployee& e, CDate day, long degree) {
    EmploymentRecord next = e.records[0];
    next.id = 2;
    next.disabilityDegree = degree;
    next.validity = From(day.AddDays(1));
    e.records[0].validity = Span(e.records[0].validity.first, day);
    e.records.push_back(next);
}

std::u16string Fraction(double x) { return FormatWymiaru(x).Str(); }
}  // namespace

TEST(WnuQualification, RecordKindAbsencesAndTheMonthBefore) {
    WnuQualification test(2024, 4);
    TableEmployee excluded = Card(2);
    excluded.records[0].status = WnuQualification::kExcludingRecord;
    excluded.payouts = {Payment(D(2024, 4, 30), 100)};
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, excluded));
    EXPECT_FALSE(test.countDays) << "left as it was";

    TableEmployee onLeave = Card(2);
    onLeave.payouts = {Payment(D(2024, 4, 30), 100)};
    onLeave.absences = {{121, Span(D(2024, 4, 1), D(2024, 4, 15)), 0}, {122, Span(D(2024, 4, 16), D(2024, 4, 30)), 0}};
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, onLeave));
    EXPECT_TRUE(test.countDays);
    onLeave.absences[1].kindCode = 111;
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, onLeave)) << "another kind of absence changes nothing";

    // Disabled only on the last day of the month before: reported, its days not counted.
    TableEmployee before = Card(2);
    ChangeAfter(before, D(2024, 3, 31), 0);
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, before));
    EXPECT_FALSE(test.countDays);

    WnuQualification january(2024, 1);
    TableEmployee december = Card(3);
    ChangeAfter(december, D(2023, 12, 31), 0);
    EXPECT_TRUE(january.QualifiesForMonth(1, 2024, december)) << "January looks back to December";
    EXPECT_FALSE(january.countDays);

    TableEmployee never = Card(0);
    never.payouts = {Payment(D(2024, 4, 30), 100)};
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, never));

    TableEmployee hiredLater = Card(2);
    hiredLater.records[0].validity = From(D(2024, 5, 1));
    hiredLater.records[0].employment = From(D(2024, 5, 1));
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, hiredLater)) << "no record in the month: passed over";
}

TEST(WnuQualification, PaymentsDecide) {
    WnuQualification test(2024, 4);
    TableEmployee paid = Card(2);
    paid.payouts = {Payment(D(2024, 4, 30), 100)};
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, paid));
    EXPECT_TRUE(test.countDays);

    TableEmployee excludedItem = Card(2);
    excludedItem.payouts = {Payment(D(2024, 3, 31), 41000, 0), Payment(D(2024, 4, 30), 100)};
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, excludedItem)) << "a 4xxxx item met first stops the test";

    TableEmployee notCounted = Card(2);
    notCounted.payouts = {Payment(D(2024, 4, 30), 0)};
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, notCounted));

    // Code 30 counts for the four-digit titles 01xx and 02xx only.
    TableEmployee byTitle = Card(2);
    byTitle.payouts = {Payment(D(2024, 4, 30), 30)};
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, byTitle));
    byTitle.records[0].titleCode = 210;
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, byTitle));
    byTitle.records[0].titleCode = 411;
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, byTitle));
    byTitle.payouts.push_back(Payment(D(2024, 4, 30), 100));
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, byTitle)) << "the next payment is examined";

    TableEmployee previousOnly = Card(2);
    previousOnly.payouts = {Payment(D(2024, 3, 31), 100), Payment(D(2024, 4, 30), 100, 0)};
    EXPECT_TRUE(test.QualifiesForMonth(4, 2024, previousOnly));
    EXPECT_FALSE(test.countDays);

    TableEmployee skippedKinds = Card(2);
    skippedKinds.payouts = {Payment(D(2024, 4, 30), 100)};
    skippedKinds.payouts[0].kind = 2;
    EXPECT_FALSE(test.QualifiesForMonth(4, 2024, skippedKinds));
}

TEST(WnuWorkingTime, MarkedDaysCountOncePerDayInEachWindow) {
    WnuQualification test(2024, 4);
    test.countDays = true;
    WnuWorkingTime status3(3, test);

    TableEmployee half = Card(3, 1, 2);
    half.entries = {{1, Span(D(2024, 4, 1), D(2024, 4, 10))}};
    const WnuWorkingTime::Days a = status3.CategoryDays(4, 2024, half);
    EXPECT_EQ(a[3], 10);
    EXPECT_EQ(a[9], 20);
    EXPECT_EQ(Fraction(a[15]), u"0,167");
    EXPECT_EQ(Fraction(a[21]), u"0,333");

    // Marked 20 to 30 with a record change after day 15: the second window holds 11 marked and 4 other days.
    TableEmployee split = Card(2);
    ChangeAfter(split, D(2024, 4, 15), 2);
    split.entries = {{1, Span(D(2024, 4, 20), D(2024, 4, 30))}};
    const WnuWorkingTime::Days b = status3.CategoryDays(4, 2024, split);
    EXPECT_EQ(b[4], 11);
    EXPECT_EQ(b[10], 19);
    EXPECT_EQ(Fraction(b[16]), u"0,367");
    EXPECT_EQ(Fraction(b[22]), u"0,633");

    TableEmployee overlapping = Card(1);
    overlapping.entries = {{1, Span(D(2024, 4, 1), D(2024, 4, 20))}, {1, Span(D(2024, 4, 10), D(2024, 4, 30))}};
    const WnuWorkingTime::Days c = WnuWorkingTime(2, test).CategoryDays(4, 2024, overlapping);
    EXPECT_EQ(c[2], 30) << "never more marked days than the month has";
    EXPECT_EQ(c[8], 0);
    EXPECT_EQ(Fraction(c[14]), u"1,000");

    test.countDays = false;
    const WnuWorkingTime::Days none = status3.CategoryDays(4, 2024, half);
    EXPECT_EQ(none, WnuWorkingTime::Days{});
}

TEST(WnuWorkingTime, AZeroDenominatorStopsNamingTheEmployee) {
    WnuQualification test(2024, 4);
    test.countDays = true;
    TableEmployee e = Card(2, 1, 0);
    try {
        (void)WnuWorkingTime(2, test).CategoryDays(4, 2024, e);
        FAIL() << "no error";
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), kPfronUserError);
        EXPECT_NE(error.Description().find(u"[P001] Jan Kowalski"), std::u16string::npos);
    }
}

TEST(WnuWorkingTime, MergingCapsDaysAndFullTime) {
    WnuWorkingTime::Days main{}, related{};
    main[6] = 20;
    main[18] = 0.6;
    related[6] = 15;
    related[9] = 5;
    related[18] = 0.7;
    WnuWorkingTime::Days merged{};
    WnuWorkingTime::MergeTotals totals;
    WnuWorkingTime::Merge(merged, main, false, 30, totals);
    WnuWorkingTime::Merge(merged, related, false, 30, totals);
    EXPECT_EQ(merged[6], 30) << "element 6 gains 10";
    EXPECT_EQ(merged[9], 0);
    EXPECT_EQ(totals.days, 30);
    EXPECT_DOUBLE_EQ(merged[18], 1.0);

    WnuWorkingTime::Days edge{};
    WnuWorkingTime::MergeTotals edgeTotals;
    WnuWorkingTime::Merge(edge, main, true, 30, edgeTotals);
    WnuWorkingTime::Merge(edge, related, true, 30, edgeTotals);
    EXPECT_EQ(edge[6], 20) << "the larger of both";
}

TEST(WnuWorkingTime, LinkedCardsTogetherNeverExceedTheMonthOrAFullTime) {
    WnuQualification test(2024, 4);
    WnuWorkingTime reader(2, test);
    TableEmployee first = Card(2), second = Card(2);
    first.payouts = second.payouts = {Payment(D(2024, 4, 30), 100)};
    EmployeeMonthSource* cards[] = {&first, &second};
    const WnuWorkingTime::Days merged = reader.MergedCategoryDays(4, 2024, cards, first.records[0]);
    EXPECT_EQ(merged[7], 30);
    EXPECT_DOUBLE_EQ(merged[19], 1.0);
}

TEST(PfronText, PadTwoDigits) {
    EXPECT_EQ(PadTwoDigits(0).Str(), u"00");
    EXPECT_EQ(PadTwoDigits(7).Str(), u"07");
    EXPECT_EQ(PadTwoDigits(31).Str(), u"31");
    EXPECT_EQ(PadTwoDigits(123).Str(), u"123");
    EXPECT_EQ(PadTwoDigits(-5).Str(), u"-5");
}

TEST(PfronFields, ARemovalThatDoesNotLowerTheCountStops) {
    LONG count = 3;
    int calls = 0;
    RemoveWhileAny([&] { return count; }, [&] { ++calls, --count; });
    EXPECT_EQ(calls, 3);
    count = 2;
    calls = 0;
    try {
        RemoveWhileAny([&] { return count; }, [&] { ++calls; });
        FAIL() << "no error";
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), E_UNEXPECTED);
    }
    EXPECT_EQ(calls, 1);
}
