// The PIT-4R(6) form of the module: its monthly table, the sums the library "PIT4" keeps, the checks and
// the value providers, run against a property bag standing for the declaration. The months filled from
// the payroll are checked end to end on the demo company (tests/e2e/Pit4rScriptTest.cpp).
#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>

#include "FormTestSupport.h"
#include "platform/com/OleDate.h"

namespace {

using formtest::Money;

class Pit4rForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        Load(18, 6);
        SetNewDeclarationValues();
        document->Set(u"Rok", tlx::Variant::FromLong(2024));
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        // Written through "dokument", an amount runs its onupdate as the declaration does.
        document->afterPut = [this](const std::u16string& name) {
            auto field = definition.FindFieldByName(name);
            if (field && !field->OnUpdate().IsEmpty()) definition.EvaluateFormScript(field->OnUpdate(), nullptr);
        };
    }
    static std::u16string P(int n) { return u"P_" + tlx::Utf8ToUtf16(std::to_string(n)); }
    // January: 1 836 from pay, 102 from contracts; March 1 900 from pay; December 15 entered by hand.
    void EnterThreeMonths() {
        Eval(u"dokument.P_9 = 1836; dokument.P_10 = 102; dokument.P_17 = 1900; dokument.P_55 = 15");
    }
};

TEST_F(Pit4rForm, DefinitionCarriesTheHeaderAndTheMonthlyTable) {
    EXPECT_EQ(definition.Symbol(), u"PIT4R");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201601);
    EXPECT_TRUE(definition.Autonumeracja());
    for (const char16_t* name : {u"P_1", u"P_5", u"P_6", u"P_7", u"P_8", u"PelnaNazwa", u"REGON"})
        EXPECT_TRUE(definition.FindFieldByName(name)) << tlx::Utf16ToUtf8(name) << " of \"PIT4.CMN\"";
    for (const char16_t* name : {u"P_4", u"Nip", u"KodUrzedu"}) EXPECT_TRUE(definition.FindFieldByName(name)->Obliczane());
    for (int n = 9; n <= 60; ++n) {
        auto field = definition.FindFieldByName(P(n));
        ASSERT_TRUE(field) << n;
        EXPECT_EQ(field->Lp(), n);
        EXPECT_EQ(field->Typ(), detCurrency);
        const bool sum = n >= 57 || (n - 9) % 4 == 3;
        EXPECT_EQ(field->OnUpdate().IsEmpty(), sum) << "sums are written, never typed: " << n;
    }
    EXPECT_FALSE(definition.FindFieldByName(P(61)));
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'18/6'");
}

TEST_F(Pit4rForm, TheMonthsAndTheYearAddUp) {
    EnterThreeMonths();
    EXPECT_EQ(Amount(12), 1938) << "January: 1836 + 102";
    EXPECT_EQ(Amount(20), 1900) << "March";
    EXPECT_EQ(Amount(56), 15) << "December";
    EXPECT_EQ(Amount(16), 0) << "February";
    EXPECT_EQ(Amount(57), 3736) << "the year's pay: 1836 + 1900";
    EXPECT_EQ(Amount(58), 102);
    EXPECT_EQ(Amount(59), 15);
    EXPECT_EQ(Amount(60), 3853);
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "3853");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-4R za 2024");
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
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); }, kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-4R(6) (od roku 2016)."},
        {"a negative advance", [this] { Eval(u"dokument.P_11 = -5"); }, kCalculation, "Poz. 11: kwota nie może być ujemna."},
        {"grosze", [this] { Eval(u"dokument.P_13 = 10.5"); }, kCalculation,
         "Poz. 13: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"a sum typed over", [this] { document->Set(P(60), Money(1)); }, kChanged,
         "Poz. 60: suma nie odpowiada kwotom, z których powstaje. Deklarację należy przeliczyć."},
    };
    ExpectRefusals(rows, [&] { EnterThreeMonths(); });
}

}  // namespace

namespace {

// PIT-8AR(6) keeps the same monthly table for the flat-rate tax, typed by the user.
class Pit8arForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        Load(19, 6);
        for (int n = 9; n <= 60; ++n)
            document->Set(u"P_" + tlx::Utf8ToUtf16(std::to_string(n)), formtest::Money(0));
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        document->Set(u"Rok", tlx::Variant::FromLong(2024));
    }
};

TEST_F(Pit8arForm, TheFlatRateTableAddsUpAndIsCheckedLikeTheAdvances) {
    EXPECT_EQ(definition.Symbol(), u"PIT8AR");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'19/6'");
    ASSERT_TRUE(definition.FindFieldByName(u"P_60"));
    EXPECT_NE(tlx::Utf16ToUtf8(definition.FindFieldByName(u"P_9")->Opis().View()).find("do 200 zł"), std::string::npos);
    // January 45 on small contracts, April 190 on dividends.
    Eval(u"dokument.P_9 = 45; dokument.P_22 = 190; Pit4PrzeliczSumy()");
    EXPECT_EQ(EvalText(u"dokument.P_12"), "45");
    EXPECT_EQ(EvalText(u"dokument.P_24"), "190");
    EXPECT_EQ(EvalText(u"dokument.P_60"), "235");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "235");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-8AR za 2024");
    tlx::Variant result;
    EXPECT_EQ(Evaluate(definition.GetEventExpression(u"onverify").View(), nullptr, result), S_OK)
        << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    document->Set(u"Rok", tlx::Variant::FromLong(2015));
    EXPECT_EQ(Evaluate(definition.GetEventExpression(u"onverify").View(), nullptr, result),
              static_cast<HRESULT>(0x800565F5));
    EXPECT_EQ(tlx::Utf16ToUtf8(tlx::TakeErrorDescription()),
              "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-8AR(6) (od roku 2016).");
}

}  // namespace
