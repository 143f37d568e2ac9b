#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "TableEmployee.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "mv_deklaracje/pfron/WndWorkingTime.h"

using namespace pfron_test;

namespace {
TableEmployee Employed(long degree, long numerator, long denominator, CDate from = D(2020, 1, 1)) {
    TableEmployee e;
    EmploymentRecord r;
    r.id = 1;
    r.disabilityDegree = degree;
    r.employment = From(from);
    r.validity = From(D(2020, 1, 1));
    r.fullTimeNumerator = numerator;
    r.fullTimeDenominator = denominator;
    e.records.push_back(r);
    return e;
}

void PayCodes(TableEmployee& e, int year, int month, std::vector<long> codes) {
    Payout p;
    p.listLastDay = CDate(month + 1, 0, year);
    for (long code : codes) p.components.push_back(PayoutComponent{code, 1});
    e.payouts.push_back(p);
}

// The entries that are not "0,000", by index.
std::map<int, std::u16string> NonZero(const WndWorkingTime::Vector& v) {
    std::map<int, std::u16string> out;
    for (int i = 0; i < WndWorkingTime::kPensionEntries; ++i) {
        const std::u16string text = FormatWymiaru(v[static_cast<std::size_t>(i)]).Str();
        if (text != u"0,000") out[i] = text;
    }
    return out;
}
using Entries = std::map<int, std::u16string>;

struct Calculator {
    WndEligibility eligibility;
    WndWorkingTime time;
    Calculator(long refundStatus, int year = 2024, int month = 3)
        : eligibility(WndGeneration::Current, year, month, 6),
          time(WndGeneration::Current, refundStatus, eligibility) {
        eligibility.employeeCounts = true;
    }
    WndWorkingTime::Vector Record(TableEmployee& e, int year = 2024, int month = 3, bool pension = false) {
        EmployeeMonthSource* self[] = {&e};
        return time.RecordFteVector(month, year, e, e.records.front(), pension, self);
    }
};
}  // namespace

TEST(WndWorkingTime, DaysOfEmploymentAsShares) {
    TableEmployee whole = Employed(3, 1, 2);
    EXPECT_EQ(NonZero(Calculator(2).Record(whole)), (Entries{{6, u"0,500"}}));
    EXPECT_EQ(NonZero(Calculator(3).Record(whole)), (Entries{{9, u"0,500"}}));
    EXPECT_EQ(NonZero(Calculator(5).Record(whole)), Entries{}) << "a status that selects nothing";

    TableEmployee fromThe16th = Employed(3, 1, 2, D(2024, 4, 16));
    EXPECT_EQ(NonZero(Calculator(2, 2024, 4).Record(fromThe16th, 2024, 4)), (Entries{{6, u"0,250"}}));

    TableEmployee marked = Employed(3, 1, 1);
    marked.entries = {{1, Span(D(2024, 3, 1), D(2024, 3, 10))}, {1, Span(D(2024, 3, 1), D(2024, 3, 10))}};
    EXPECT_EQ(NonZero(Calculator(2).Record(marked)), (Entries{{0, u"0,323"}, {6, u"0,677"}}))
        << "overlapping marked entries count each day once";

    Calculator notCounting(2);
    notCounting.eligibility.employeeCounts = false;
    EXPECT_EQ(NonZero(notCounting.Record(whole)), Entries{});
}

TEST(WndWorkingTime, TheAlternativeFractionAndAZeroDenominator) {
    TableEmployee e = Employed(2, 1, 1);
    e.records[0].alternativeActive = true;
    e.records[0].alternativeNumerator = 3;
    e.records[0].alternativeDenominator = 4;
    EXPECT_EQ(NonZero(Calculator(3).Record(e)), (Entries{{10, u"0,750"}}));
    e.records[0].alternativeDenominator = 0;
    try {
        Calculator(3).Record(e);
        FAIL() << "a zero denominator stops the calculation";
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), kPfronUserError);
        EXPECT_NE(error.Description().find(u"[P001] Jan Kowalski"), std::u16string::npos);
    }
}

// Ten days of sickness in March: the days worked, 21 of 31, at half time.
TEST(WndWorkingTime, SicknessTakesItsDaysOut) {
    TableEmployee e = Employed(3, 1, 2);
    e.absences = {{111, Span(D(2024, 3, 11), D(2024, 3, 20))}};
    EXPECT_EQ(NonZero(Calculator(3).Record(e)), (Entries{{9, u"0,339"}}));
    e.absences[0].marker = 1;
    EXPECT_EQ(NonZero(Calculator(3).Record(e)), (Entries{{9, u"0,500"}})) << "a marked absence is left out";
}

// The pension set copies the figures of an employee with a pension right when the month's payments hold
// a component of tens digit 1 (110, 215; not 100 nor 1020).
TEST(WndWorkingTime, ThePensionSet) {
    struct Case {
        std::vector<long> codes;
        long pensionRight;
        long degree;
        Entries expected;
    } cases[] = {
        {{110}, 1, 3, {{6, u"0,500"}, {18, u"0,500"}}},
        {{215, 100}, 1, 3, {{6, u"0,500"}, {18, u"0,500"}}},
        {{100, 1020}, 1, 3, {{6, u"0,500"}}},
        {{110}, 0, 3, {{6, u"0,500"}, {18, u"0,500"}}},
        {{110, 100}, 0, 3, {{6, u"0,500"}}},
        {{110}, 0, 2, {{7, u"0,500"}}},
    };
    for (const Case& c : cases) {
        TableEmployee e = Employed(c.degree, 1, 2);
        e.records[0].pensionRight = c.pensionRight;
        PayCodes(e, 2024, 3, c.codes);
        PayCodes(e, 2024, 2, {110});
        EXPECT_EQ(NonZero(Calculator(2).Record(e, 2024, 3, true)), c.expected)
            << "codes " << c.codes.front() << ", right " << c.pensionRight << ", degree " << c.degree;
    }
}

TEST(WndWorkingTime, AnEmployeeFillsAtMostOnePost) {
    TableEmployee main = Employed(3, 4, 5);
    PayCodes(main, 2024, 3, {100});
    TableEmployee linked = Employed(2, 1, 2);
    PayCodes(linked, 2024, 3, {100});
    Calculator c(2);
    EmployeeMonthSource* records[] = {&main, &linked};
    EXPECT_EQ(NonZero(c.time.EmployeeFteVector(3, 2024, records, main.records[0], 24)),
              (Entries{{6, u"0,800"}, {7, u"0,200"}}));
    main.records[0].pensionRight = 1;
    EXPECT_EQ(NonZero(c.time.EmployeeFteVector(3, 2024, records, main.records[0], 24)),
              (Entries{{6, u"0,800"}, {7, u"0,200"}, {18, u"0,800"}, {19, u"0,200"}}));
    EXPECT_EQ(NonZero(c.time.EmployeeFteVector(3, 2024, records, main.records[0], 12)),
              (Entries{{6, u"0,800"}, {7, u"0,200"}}));
}

TEST(WndWorkingTime, JanuaryLooksAtDecember) {
    TableEmployee e = Employed(3, 1, 1, D(2023, 12, 1));
    e.records[0].employment = Span(D(2023, 12, 1), D(2023, 12, 31));
    PayCodes(e, 2023, 12, {100});
    WndEligibility eligibility(WndGeneration::Current, 2024, 1, 6);
    EXPECT_FALSE(eligibility.IsEmployeeEligible(e)) << "the employment ended before January";
    WndWorkingTime time(WndGeneration::Current, 2, eligibility);
    EmployeeMonthSource* self[] = {&e};
    EXPECT_EQ(NonZero(time.EmployeeFteVector(12, 2023, self, e.records[0], 12)), (Entries{{6, u"1,000"}}));
}
