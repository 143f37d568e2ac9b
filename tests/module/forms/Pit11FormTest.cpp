// The PIT-11(23) form of the module: its definition and the checks and value providers of its scripts,
// run against a property bag standing for the declaration. What it computes from an employee's payroll
// is checked end to end on the demo company (tests/e2e/Pit11ScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "EmployerFormFixture.h"

namespace {

using formtest::Money;

class Pit11Form : public formtest::EmployerForm {
protected:
    void SetUp() override {
        StartReturnFor2024(5, 23);
        document->Set(u"Wersja", tlx::Variant::FromLong(23));
        document->Set(u"Pracownik", tlx::Variant::FromDispatch(formtest::CPropertyBag::Make().Get()));
        // A worked information: Jan Kowalski's year of pay.
        Set(u"P_6", 1);
        Set(u"P_7", 1);
        Set(u"P_26", 1);
        Set(u"P_28", 1);
        Set(u"P_54", 2);
        document->Set(u"P_9", tlx::Variant::FromString(u"80010112340"));
        Enter({{u"P_29", 55992}, {u"P_30", 3000}, {u"P_31", 52992}, {u"P_32", 1836}, {u"P_52", 7676.52}});
    }
    void Set(const char16_t* name, LONG value) { document->Set(name, tlx::Variant::FromLong(value)); }
    void Enter(std::initializer_list<std::pair<const char16_t*, double>> amounts) {
        for (const auto& [name, amount] : amounts) document->Set(name, Money(amount));
    }
};

TEST_F(Pit11Form, DefinitionCarriesEveryPositionAndThePitRFields) {
    EXPECT_EQ(definition.Symbol(), u"PIT11");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201601);
    EXPECT_EQ(definition.DataObowiazywaniaDo(), 0);
    EXPECT_TRUE(definition.Autonumeracja()) << "numbered within its year";
    ExpectPositions(54, {2, 3, 27}, {1, 5, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
                    {6, 7, 11, 26, 28, 54});
    for (int n = 12; n <= 60; ++n) {
        auto field = definition.FindFieldByName(u"PITR_P_" + tlx::Utf8ToUtf16(std::to_string(n)));
        ASSERT_TRUE(field) << "PITR_P_" << n;
        EXPECT_EQ(field->Lp(), 2000 + n);
        EXPECT_EQ(field->Typ(), detCurrency);
    }
    ExpectEveryFieldReadsWhatIsWritten();
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'5/23'");
}

TEST_F(Pit11Form, AWorkedInformationVerifiesAndNamesItsPersonAndDueDate) {
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(u"P_13", tlx::Variant::FromString(u"Kowalski"));
    document->Set(u"P_14", tlx::Variant::FromString(u"Jan"));
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-11 za 2024: Kowalski Jan");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0") << "an information pays nothing";
    // 31 January of the next year; for the years before 2018 the end of February; a day off moves it on.
    const std::pair<LONG, const char*> terms[] = {
        {2024, "2025-01-31"}, {2020, "2021-02-01"}, {2018, "2019-01-31"}, {2017, "2018-02-28"}, {2016, "2017-02-28"}};
    for (const auto& [year, day] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << year;
    }
}

TEST_F(Pit11Form, VerificationRefusesWhatTheFormDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::Refusal rows[] = {
        {"no employee", [this] { document->Set(u"Pracownik", tlx::Variant()); }, kCalculation,
         "Poz. 9: informacja PIT-11 nie ma wskazanego pracownika."},
        {"an employee without PESEL or NIP", [this] { document->Set(u"P_9", tlx::Variant::FromString(u"")); },
         kCalculation, "Poz. 9: pracownik nie ma numeru PESEL ani NIP."},
        {"an identifier of neither length", [this] { document->Set(u"P_9", tlx::Variant::FromString(u"AB1234567")); },
         kCalculation, "Poz. 9: identyfikator podatnika \"AB1234567\" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr)."},
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); }, kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-11(23) (od roku 2016)."},
        {"negative income", [this] { Enter({{u"P_40", -100}, {u"P_42", 0}}); }, kCalculation,
         "Poz. 40: kwota nie może być ujemna."},
        {"an advance in grosze", [this] { Enter({{u"P_32", 1836.40}}); }, kCalculation,
         "Poz. 32: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"income not less the costs", [this] { Enter({{u"P_31", 55992}}); }, kChanged,
         "Poz. 31: dochód nie odpowiada przychodowi pomniejszonemu o koszty. Deklarację należy przeliczyć."},
        {"a foreign number without its country", [this] { document->Set(u"P_10", tlx::Variant::FromString(u"X-1")); },
         kCalculation, "Poz. 12: przy numerze zagranicznym podaje się kraj jego wydania."},
        {"a purpose outside the form", [this] { Set(u"P_6", 3); }, kCalculation,
         "Poz. 6: cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta)."},
    };
    ExpectRefusals(rows);
}

}  // namespace
