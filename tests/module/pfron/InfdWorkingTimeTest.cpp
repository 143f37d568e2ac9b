#include <gtest/gtest.h>

#include <map>
#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/InfdWorkingTime.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "TableEmployee.h"

using namespace pfron_test;

namespace {
// Full-time, degree `degree`, employed and valid from 2020 without end.
TableEmployee FullTime(long degree, long numerator = 1, long denominator = 1) {
    TableEmployee e;
    EmploymentRecord r;
    r.id = 1;
    r.disabilityDegree = degree;
    r.employment = From(D(2020, 1, 1));
    r.validity = From(D(2020, 1, 1));
    r.fullTimeNumerator = numerator;
    r.fullTimeDenominator = denominator;
    e.records.push_back(r);
    return e;
}

// The fields that are not "0,000", as name=value.
std::map<std::u16string, std::u16string> NonZero(const InfdWorkingTime::Sums& sums) {
    std::map<std::u16string, std::u16string> out;
    for (int i = 0; i < InfdWorkingTime::kFieldCount; ++i) {
        const std::u16string text = FormatWymiaru(sums[static_cast<std::size_t>(i)]).Str();
        if (text != u"0,000") out[InfdWorkingTime::kFieldNames[i]] = text;
    }
    return out;
}
using Fields = std::map<std::u16string, std::u16string>;
}  // namespace

TEST(InfdWorkingTime, MarchWithTenMarkedDays) {
    TableEmployee e = FullTime(2);
    e.entries = {{1, Span(D(2024, 3, 1), D(2024, 3, 10))}, {2, Span(D(2024, 3, 5), D(2024, 3, 20))}};
    InfdWorkingTime time(2024, 3, 3);
    EXPECT_EQ(NonZero(time.Calculate(e, CDate())),
              (Fields{{u"CHRONSUMIARKOWANY", u"0,323"}, {u"NORMSUMIARKOWANY", u"0,677"}}));
}

TEST(InfdWorkingTime, FractionsStartsStatusesAndDegrees) {
    struct Case {
        const char* name;
        long status;
        TableEmployee employee;
        CDate termination;
        Fields expected;
    };
    TableEmployee lateStart = FullTime(3);
    lateStart.records[0].employment = From(D(2024, 4, 16));
    TableEmployee overlapping = FullTime(1);
    overlapping.entries = {{1, Span(D(2024, 4, 1), D(2024, 4, 20))}, {1, Span(D(2024, 4, 11), D(2024, 4, 30))}};
    TableEmployee allMarked = FullTime(3);
    allMarked.entries = {{1, From(D(2024, 1, 1))}};
    TableEmployee degreeChanges = FullTime(3);
    degreeChanges.records[0].validity = Span(D(2020, 1, 1), D(2024, 4, 15));
    EmploymentRecord moderate = degreeChanges.records[0];
    moderate.id = 2, moderate.disabilityDegree = 2, moderate.validity = From(D(2024, 4, 16));
    degreeChanges.records.push_back(moderate);
    TableEmployee ended = FullTime(3);
    ended.records[0].employment = Span(D(2020, 1, 1), D(2024, 4, 10));

    const Case cases[] = {
        {"full time", 2, FullTime(3), CDate(), {{u"NORMZNACZNY", u"1,000"}}},
        {"half time", 2, FullTime(3, 1, 2), CDate(), {{u"NORMZNACZNY", u"0,500"}}},
        {"employment from the 16th of a 30-day month", 2, lateStart, CDate(), {{u"NORMZNACZNY", u"0,500"}}},
        {"overlapping marked entries count each day once", 2, overlapping, CDate(), {{u"CHRONLEKKI", u"1,000"}}},
        {"an open marked entry covers the month", 4, allMarked, CDate(), {{u"CHRONSZNACZNY", u"1,000"}}},
        {"degree changes on the 16th", 3, degreeChanges, CDate(),
         {{u"NORMSZNACZNY", u"0,500"}, {u"NORMSUMIARKOWANY", u"0,500"}}},
        {"employment ends on the 10th", 2, ended, CDate(), {{u"NORMZNACZNY", u"0,333"}}},
        {"termination on the 15th ends the walk", 2, FullTime(3), D(2024, 4, 15), {{u"NORMZNACZNY", u"0,500"}}},
        {"status 1 counts nowhere", 1, FullTime(3), CDate(), {}},
        {"degree 0 counts nowhere", 2, FullTime(0), CDate(), {}},
    };
    for (const Case& c : cases) {
        TableEmployee e = c.employee;
        InfdWorkingTime time(2024, 4, c.status);
        EXPECT_EQ(NonZero(time.Calculate(e, c.termination)), c.expected) << c.name;
    }
}

TEST(InfdWorkingTime, ARecordThatEndsBeforeTheWindowEndsTheWalk) {
    // The only record's validity ended in February: it cannot carry the walk into April.
    TableEmployee e = FullTime(3);
    e.records[0].validity = Span(D(2020, 1, 1), D(2024, 2, 29));
    InfdWorkingTime time(2024, 4, 2);
    EXPECT_EQ(NonZero(time.Calculate(e, CDate())), Fields{});
}

namespace {
// Significant degree, employed and valid to 10 March 2024, then again from the 21st.
TableEmployee RehiredOnThe21st() {
    TableEmployee e = FullTime(3);
    e.records[0].validity = Span(D(2020, 1, 1), D(2024, 3, 10));
    e.records[0].employment = Span(D(2020, 1, 1), D(2024, 3, 10));
    EmploymentRecord again = e.records[0];
    again.id = 2, again.validity = From(D(2024, 3, 21)), again.employment = From(D(2024, 3, 21));
    e.records.push_back(again);
    return e;
}

// An employee whose records from `failingFrom` on cannot be read.
class UnreadableFrom : public TableEmployee {
public:
    CDate failingFrom;
    const EmploymentRecord* RecordAt(CDate day) override {
        if (day >= failingFrom) RaiseComError(E_FAIL, u"Błąd odczytu zapisu.");
        return TableEmployee::RecordAt(day);
    }
};
}  // namespace

// Days in a gap between records are not employed; the walk goes on at the next record of the month.
TEST(InfdWorkingTime, AGapOrARehireWithinTheMonthKeepsTheLaterDays) {
    TableEmployee rehired = RehiredOnThe21st();
    EXPECT_EQ(NonZero(InfdWorkingTime(2024, 3, 2).Calculate(rehired, CDate())), (Fields{{u"NORMZNACZNY", u"0,677"}}))
        << "10 + 11 of 31 days";

    // The same gap in the records while the employment goes on: the days of the gap still do not count.
    TableEmployee gap = RehiredOnThe21st();
    gap.records[0].employment = From(D(2020, 1, 1));
    gap.records[1].employment = From(D(2020, 1, 1));
    EXPECT_EQ(NonZero(InfdWorkingTime(2024, 3, 2).Calculate(gap, CDate())), (Fields{{u"NORMZNACZNY", u"0,677"}}));

    // A record begun after the month does not carry the walk back into it.
    TableEmployee later = RehiredOnThe21st();
    later.records[1].validity = From(D(2024, 4, 2));
    EXPECT_EQ(NonZero(InfdWorkingTime(2024, 3, 2).Calculate(later, CDate())), (Fields{{u"NORMZNACZNY", u"0,323"}}));
}

TEST(InfdWorkingTime, ARecordThatCannotBeReadNamesTheEmployeeAndTheDay) {
    UnreadableFrom e;
    static_cast<TableEmployee&>(e) = RehiredOnThe21st();
    e.failingFrom = D(2024, 3, 21);
    InfdWorkingTime time(2024, 3, 2);
    EXPECT_EQ(ComBoundary([&] { (void)time.Calculate(e, CDate()); }), E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(),
              u"Nie można odczytać zapisu historycznego pracownika [P001] Jan Kowalski na dzień 2024-03-21: Błąd "
              u"odczytu zapisu.");
}

TEST(InfdWorkingTime, AZeroDenominatorNamesTheEmployee) {
    TableEmployee e = FullTime(3, 1, 0);
    InfdWorkingTime time(2024, 4, 2);
    EXPECT_EQ(ComBoundary([&] { (void)time.Calculate(e, CDate()); }), kPfronUserError);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Pracownik [P001] Jan Kowalski ma zerowy mianownik wymiaru etatu.");
}
