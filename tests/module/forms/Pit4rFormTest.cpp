// The PIT-4R and PIT-8AR forms of the module: every version's monthly table in its official numbering, the
// sums the library "PIT4" keeps, the checks and the value providers, run against a property bag standing for
// the declaration. The months filled from the payroll are checked end to end on the demo company
// (tests/e2e/Pit4rScriptTest.cpp).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <ostream>
#include <string>

#include "FormTestSupport.h"
#include "platform/com/OleDate.h"

namespace {

using formtest::Money;

std::u16string P(int n) { return u"P_" + tlx::Utf8ToUtf16(std::to_string(n)); }

// One version of a family: its table runs from position `first` to `last`; `due` is the first of the twelve
// amounts to pay; `counts` the positions holding a number of taxpayers; `address` the payer's address
// positions before the table.
struct Version {
    LONG type, version;
    LONG from, to;  // DataObowiazywaniaOd / Do
    int first, last, due, explanation;
    bool counts, address;
    const char* symbol;
};

const Version kVersions[] = {
    {18, 3, 201101, 201212, 19, 178, 167, 179, true, true, "PIT4R"},
    {18, 4, 201301, 201312, 9, 168, 157, 169, true, false, "PIT4R"},
    {18, 5, 201401, 201412, 9, 168, 157, 169, true, false, "PIT4R"},
    {18, 6, 201501, 0, 9, 168, 157, 169, true, false, "PIT4R"},
    {19, 6, 201501, 0, 9, 212, 201, 0, false, false, "PIT8AR"},
};

void PrintTo(const Version& v, std::ostream* os) { *os << v.symbol << "(" << v.version << ")"; }

class PitTableForm : public formtest::FormFixture<ModuleResources>, public ::testing::WithParamInterface<Version> {
protected:
    void SetUp() override {
        const Version& v = GetParam();
        Load(v.type, v.version);
        SetNewDeclarationValues();
        document->Set(u"Rok", tlx::Variant::FromLong(v.from / 100));
        document->Set(u"P_6", tlx::Variant::FromLong(1));
    }
    // A PIT-4R position's kind: the numbers of taxpayers of row 1 are whole numbers, the rest amounts.
    static bool IsCount(const Version& v, int n) {
        const int k = n - v.first;
        return v.counts && ((k >= 0 && k < 6) || (k >= 12 && k < 18));
    }
};

std::string Name(const Version& v) { return std::to_string(v.type) + "/" + std::to_string(v.version); }

TEST_P(PitTableForm, LoadsWithItsTableItsPeriodAndItsTransform) {
    const Version& v = GetParam();
    EXPECT_EQ(tlx::Utf16ToUtf8(definition.Symbol().View()), v.symbol);
    EXPECT_EQ(definition.DataObowiazywaniaOd(), v.from);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), v.to);
    EXPECT_TRUE(definition.Autonumeracja());
    EXPECT_EQ(tlx::Utf16ToUtf8(definition.GetEventExpression(u"transformata").View()), "'" + Name(v) + "'");
    for (const char16_t* name : {u"P_1", u"P_5", u"P_6", u"P_7", u"P_8", u"PelnaNazwa", u"REGON"})
        EXPECT_TRUE(definition.FindFieldByName(name)) << tlx::Utf16ToUtf8(name) << " of \"PIT4.CMN\"";
    for (int n = v.first; n <= v.last; ++n) {
        auto field = definition.FindFieldByName(P(n));
        ASSERT_TRUE(field) << n;
        EXPECT_EQ(field->Lp(), n);
        EXPECT_EQ(field->Typ(), IsCount(v, n) ? detInteger : detCurrency) << n;
        // Every position reads back what is written into it.
        Eval(u"dokument." + P(n) + u" = " + tlx::Utf8ToUtf16(std::to_string(n)));
        EXPECT_EQ(Amount(n), n);
    }
    if (v.explanation) {
        EXPECT_EQ(definition.FindFieldByName(P(v.explanation))->Typ(), detText);
    }
    EXPECT_FALSE(definition.FindFieldByName(P((v.explanation ? v.explanation : v.last) + 1)));
    for (int n = 9; n <= 18; ++n) {
        auto field = definition.FindFieldByName(P(n));
        EXPECT_EQ(v.address, field && field->Typ() == detText) << "the payer's address, position " << n;
    }
}

TEST_P(PitTableForm, IsVerifiedInItsYearsOnly) {
    const Version& v = GetParam();
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(u"Rok", tlx::Variant::FromLong(v.from / 100 - 1));
    EXPECT_EQ(Verify().first, formtest::kCalculation);
    if (v.to) {
        document->Set(u"Rok", tlx::Variant::FromLong(v.to / 100 + 1));
        EXPECT_EQ(Verify().first, formtest::kCalculation);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryVersion, PitTableForm, ::testing::ValuesIn(kVersions),
                         [](const ::testing::TestParamInfo<Version>& info) {
                             return std::string(info.param.symbol) + "_" + std::to_string(info.param.version);
                         });

// Amounts written as the user types them: each runs its onupdate, as the declaration does.
class Pit4rForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override { Start(6, 2024); }
    void Start(LONG version, LONG year) {
        Load(18, version);
        SetNewDeclarationValues();
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        RunOnUpdateAfterEachWrite();
    }
    // January of the demo's payroll year: 15 employees paid, 4 322 withheld from their pay, 502 on contracts of
    // mandate (row 9); 40 of a limited advance (row 4) is taken again in February (row 5); 60 of last year's
    // overpayment is credited in March (row 7); the payer keeps 13 for paying in time in January (row 12).
    void EnterTheDemosJanuary() {
        Eval(u"dokument.P_9 = 15; dokument.P_15 = 4322; dokument.P_109 = 502; dokument.P_57 = 40;"
             u"dokument.P_16 = 4227; dokument.P_70 = 40; dokument.P_17 = 4211; dokument.P_87 = 60;"
             u"dokument.P_145 = 13");
    }
};

TEST_F(Pit4rForm, TheRowsAddUpMonthByMonthAsTheFormSays) {
    EnterTheDemosJanuary();
    EXPECT_EQ(Amount(45), 4322) << "row 3, January: rows 1 and 2";
    EXPECT_EQ(Amount(133), 4322 + 502 - 40) << "row 11, January: rows 3 and 9 less row 4";
    EXPECT_EQ(Amount(157), 4322 + 502 - 40 - 13) << "row 13, January: row 11 less the payer's remuneration";
    EXPECT_EQ(Amount(134), 4227 + 40) << "row 11, February: row 5 taken again";
    EXPECT_EQ(Amount(135), 4211 - 60) << "row 11, March: the overpayment credited";
    Eval(u"dokument.P_88 = 5000");
    EXPECT_EQ(Amount(136), 0) << "row 11 is never below 0";
    EXPECT_EQ(Amount(160), 0);
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), std::to_string(4771 + 4267 + 4151));
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-4R za 2024");
}

// Worked by hand on PIT-4R(5) for 2014: the demo's January pay and contracts, with the additional tax of last
// year's settlement taken in April (row 6, which has months I to IV only) and tax passed to PFRON in April.
class Pit4r5Form : public Pit4rForm {
protected:
    void SetUp() override { Start(5, 2014); }
};

TEST_F(Pit4r5Form, AnEarlierVersionKeepsTheSameRowsAndItsOwnYear) {
    Eval(u"dokument.P_9 = 15; dokument.P_15 = 4322; dokument.P_109 = 502; dokument.P_84 = 75; dokument.P_18 = 4322;"
         u"dokument.P_100 = 100");
    EXPECT_EQ(Amount(157), 4824);
    EXPECT_EQ(Amount(160), 4322 + 75 - 100) << "April: row 3, row 6 of April, less row 8";
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(u"Rok", tlx::Variant::FromLong(2015));
    EXPECT_EQ(Verify().second, "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-4R(5) (rok 2014).");
}

TEST_F(Pit4rForm, TheReturnIsDueAtTheEndOfJanuaryOnAWorkingDay) {
    const std::pair<LONG, int> terms[] = {{2024, 31}, {2025, 2 * 100 + 2}, {2016, 31}};
    for (const auto& [year, expected] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        tlx::Variant day = Fire(u"termin");
        ASSERT_EQ(day.vt, VT_DATE);
        auto calendar = tlx::CalendarFromDate(day.date);
        EXPECT_EQ(calendar->year, year + 1);
        const int got = calendar->month == 1 ? calendar->day : calendar->month * 100 + calendar->day;
        EXPECT_EQ(got, expected) << year << ": 31 January 2026 is a Saturday";
    }
}

TEST_F(Pit4rForm, VerificationRefusesWhatTheFormDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::Refusal rows[] = {
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2014)); }, kCalculation,
         "Poz. 4: rok 2014 jest poza okresem obowiązywania formularza PIT-4R(6) (od roku 2015)."},
        {"a negative advance", [this] { Eval(u"dokument.P_33 = -5"); }, kCalculation, "Poz. 33: kwota nie może być ujemna."},
        {"a negative number of taxpayers", [this] { Eval(u"dokument.P_21 = -1"); }, kCalculation,
         "Poz. 21: kwota nie może być ujemna."},
        {"grosze", [this] { Eval(u"dokument.P_16 = 10.5"); }, kCalculation,
         "Poz. 16: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"a sum typed over", [this] { document->Set(P(157), Money(1)); }, kChanged,
         "Poz. 157: suma nie odpowiada kwotom, z których powstaje. Deklarację należy przeliczyć."},
    };
    ExpectRefusals(rows, [&] { EnterTheDemosJanuary(); });
}

// PIT-8AR(6): fourteen rows of the flat-rate tax typed by the user, their sum and the amounts to pay.
class Pit8arForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        Load(19, 6);
        SetNewDeclarationValues();
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        document->Set(u"Rok", tlx::Variant::FromLong(2024));
    }
};

TEST_F(Pit8arForm, TheFlatRateRowsAddUpAndAreCheckedLikeTheAdvances) {
    EXPECT_NE(tlx::Utf16ToUtf8(definition.FindFieldByName(u"P_105")->Opis().View()).find("dywidendy"), std::string::npos);
    // January 45 on prizes (row 1), April 190 on dividends (row 9), 1 kept by the payer in April (row 16).
    Eval(u"dokument.P_9 = 45; dokument.P_108 = 190; dokument.P_192 = 1; Pit4PrzeliczSumy()");
    EXPECT_EQ(EvalText(u"dokument.P_177"), "45");
    EXPECT_EQ(EvalText(u"dokument.P_180"), "190");
    EXPECT_EQ(EvalText(u"dokument.P_201"), "45");
    EXPECT_EQ(EvalText(u"dokument.P_204"), "189");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "234");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-8AR za 2024");
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(u"Rok", tlx::Variant::FromLong(2014));
    EXPECT_EQ(Verify().second, "Poz. 4: rok 2014 jest poza okresem obowiązywania formularza PIT-8AR(6) (od roku 2015).");
}

}  // namespace
