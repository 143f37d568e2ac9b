// The PIT-40(22) form of the module: its definition, the tax scale of each year with its tax-reducing
// amount, the calculation from the year's amounts, the checks and the value providers, run against a
// property bag standing for the declaration. The amounts filled from an employee's payroll are checked end
// to end on the demo company (tests/e2e/EmployeeInformationScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "EmployerFormFixture.h"

namespace {

using formtest::Money;

class Pit40Form : public formtest::EmployerForm {
protected:
    void SetUp() override {
        StartReturnFor2024(9, 22);
        document->Set(u"Wersja", tlx::Variant::FromLong(22));
        document->Set(u"Pracownik", tlx::Variant::FromDispatch(formtest::CPropertyBag::Make().Get()));
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        document->Set(u"P_9", tlx::Variant::FromString(u"80010112340"));
        // Jan Kowalski's year of pay (the demo's, see tests/e2e/Pit11ScriptTest.cpp): income 55 992.00,
        // costs 12 x 250.00, advances 1 836, social contributions 7 676.52; no health contribution is
        // deducted from the tax of 2024.
        Enter({{26, 55992}, {27, 3000}, {29, 1836}, {30, 7676.52}});
    }
    double Tax(int year, double base) {
        tlx::Variant value = Eval(u"Pit40PodatekWedlugSkali(" + tlx::Utf8ToUtf16(std::to_string(year)) + u", " +
                                  tlx::Utf8ToUtf16(std::to_string(base)) + u")");
        tlx::Variant number;
        return SUCCEEDED(VariantChangeType(number.Out(), &value, 0, VT_R8)) ? number.dblVal : -1;
    }
};

TEST_F(Pit40Form, DefinitionCarriesThePayerTheTaxpayerAndTheCalculation) {
    EXPECT_EQ(definition.Symbol(), u"PIT40");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201601);
    EXPECT_TRUE(definition.Autonumeracja());
    ExpectPositions(37, {2, 3}, {1, 5, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}, {6, 7, 11});
    ExpectEveryFieldReadsWhatIsWritten();
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'9/22'");
}

// Each year's scale worked by hand: the rate up to the threshold, the tax of the threshold and the rate
// above it, less the year's tax-reducing amount (fixed, or falling between its points).
TEST_F(Pit40Form, TheScaleOfEachYearWithItsTaxReducingAmount) {
    EXPECT_DOUBLE_EQ(Tax(2024, 45315), 1837.80) << "12 % of 45 315 = 5 437.80, less 3 600";
    EXPECT_DOUBLE_EQ(Tax(2024, 263221), 56630.72) << "14 400 + 32 % of 143 221 = 60 230.72, less 3 600";
    EXPECT_DOUBLE_EQ(Tax(2024, 25000), 0) << "below the free amount";
    EXPECT_DOUBLE_EQ(Tax(2016, 30000), 4843.98) << "18 % = 5 400, less 556.02";
    EXPECT_DOUBLE_EQ(Tax(2016, 100000), 19470.06) << "14 839.02 + 32 % of 14 472";
    EXPECT_DOUBLE_EQ(Tax(2017, 8800), 711.99) << "1 584 less 1 188 - 631.98 x 2 200 / 4 400 = 872.01";
    EXPECT_DOUBLE_EQ(Tax(2018, 5000), 0) << "900 less 1 188";
    EXPECT_DOUBLE_EQ(Tax(2019, 10000), 703.68) << "1 775 less 1 420 - 871.70 x 2 000 / 5 000 = 1 071.32";
    EXPECT_DOUBLE_EQ(Tax(2021, 100000), 18828.93)
        << "14 539.76 + 4 631.04 less 525.12 - 525.12 x 14 472 / 41 472 = 341.87";
    EXPECT_DOUBLE_EQ(Tax(2020, 130000), 28770.80) << "14 539.76 + 32 % of 44 472; no reducing amount above 127 000";
}

TEST_F(Pit40Form, AWorkedSettlementOfAnEmployeesYear) {
    Eval(u"Pit40Oblicz()");
    EXPECT_DOUBLE_EQ(Amount(28), 52992.00) << "55 992.00 - 3 000.00";
    EXPECT_DOUBLE_EQ(Amount(31), 45315.48) << "52 992.00 - 7 676.52";
    EXPECT_DOUBLE_EQ(Amount(32), 45315);
    EXPECT_DOUBLE_EQ(Amount(33), 1837.80);
    EXPECT_DOUBLE_EQ(Amount(34), 0);
    EXPECT_DOUBLE_EQ(Amount(35), 1838);
    EXPECT_DOUBLE_EQ(Amount(36), 0);
    EXPECT_DOUBLE_EQ(Amount(37), 2) << "the advances, each rounded in its month, fall 2 zł short";
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "2") << "the payer collects the shortfall";
    Eval(u"dokument.P_13 = 'Kowalski'; dokument.P_14 = 'Jan'");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-40 za 2024: Kowalski Jan");

    // A year of 2017 with a health contribution deducted up to the tax: 40 000.00 of income, 1 335.00 of
    // costs, 5 484.00 of contributions: base 33 181, tax 5 972.58 - 556.02 = 5 416.56, health 2 700.00,
    // due 2 717 against 2 800 of advances: 83 back.
    Enter({{26, 40000}, {27, 1335}, {29, 2800}, {30, 5484}, {34, 2700}});
    document->Set(u"Rok", tlx::Variant::FromLong(2017));
    Eval(u"Pit40Oblicz()");
    EXPECT_DOUBLE_EQ(Amount(32), 33181);
    EXPECT_DOUBLE_EQ(Amount(33), 5416.56);
    EXPECT_DOUBLE_EQ(Amount(35), 2717);
    EXPECT_DOUBLE_EQ(Amount(36), 83);
    EXPECT_DOUBLE_EQ(Amount(37), 0);
    // A health contribution above the tax is deducted up to it: nothing is due.
    Enter({{34, 6000}});
    Eval(u"Pit40Oblicz()");
    EXPECT_DOUBLE_EQ(Amount(34), 5416.56);
    EXPECT_DOUBLE_EQ(Amount(35), 0);
    EXPECT_DOUBLE_EQ(Amount(36), 2800);
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
}

TEST_F(Pit40Form, TheCalculationIsDueAtTheEndOfFebruaryOnAWorkingDay) {
    const std::pair<LONG, const char*> terms[] = {{2024, "2025-02-28"}, {2016, "2017-02-28"}, {2020, "2021-03-01"}};
    for (const auto& [year, day] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << year;
    }
}

TEST_F(Pit40Form, VerificationRefusesWhatTheFormDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::Refusal rows[] = {
        {"no employee", [this] { document->Set(u"Pracownik", tlx::Variant()); }, kCalculation,
         "Poz. 9: roczne obliczenie podatku PIT-40 nie ma wskazanego pracownika."},
        {"no PESEL or NIP", [this] { document->Set(u"P_9", tlx::Variant::FromString(u"")); }, kCalculation,
         "Poz. 9: pracownik nie ma numeru PESEL ani NIP."},
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); }, kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-40(22) (od roku 2016)."},
        {"negative income", [this] { Enter({{26, -100}}); }, kCalculation, "Poz. 26: kwota nie może być ujemna."},
        {"advances in grosze", [this] { Enter({{29, 1836.40}}); }, kCalculation,
         "Poz. 29: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"contributions above the income", [this] { Enter({{30, 60000}}); }, kCalculation,
         "Poz. 30: składki odlicza się od dochodu najwyżej do jego wysokości."},
        {"a tax not of the year's scale", [this] { Enter({{33, 2000}}); }, kChanged,
         "Poz. 33: podatek nie odpowiada skali podatku roku 2024. Deklarację należy przeliczyć."},
        {"a shortfall not of the calculation", [this] { Enter({{37, 5}}); }, kChanged,
         "Poz. 37: kwota nie odpowiada obliczeniu podatku. Deklarację należy przeliczyć."},
        {"a foreign number without its country", [this] { document->Set(u"P_10", tlx::Variant::FromString(u"X-1")); },
         kCalculation, "Poz. 12: przy numerze zagranicznym podaje się kraj jego wydania."},
    };
    // Each row starts from the worked settlement, calculated.
    ExpectRefusals(rows, [&] { Eval(u"Pit40Oblicz()"); });
}

}  // namespace
