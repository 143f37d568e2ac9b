// The PIT-8C(8) form of the module: its definition and the checks and value providers of its scripts,
// run against a property bag standing for the declaration. Its taxpayer filled from the employee's record
// is checked end to end on the demo company (tests/e2e/EmployeeInformationScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "EmployerFormFixture.h"

namespace {

using formtest::Money;

class Pit8cForm : public formtest::EmployerForm {
protected:
    void SetUp() override {
        StartReturnFor2024(21, 8);
        document->Set(u"Wersja", tlx::Variant::FromLong(8));
        document->Set(u"Pracownik", tlx::Variant::FromDispatch(formtest::CPropertyBag::Make().Get()));
        // A worked information: a former employee's benefit from the social fund, 1 500.00, and shares
        // of an employee scheme bought back for 10 000.00 that cost him 8 000.00.
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        document->Set(u"P_9", tlx::Variant::FromString(u"91090934560"));
        Enter({{28, 1500}, {29, 10000}, {30, 8000}});
    }
};

TEST_F(Pit8cForm, DefinitionCarriesThePayerTheTaxpayerAndTheIncomeOfOtherSources) {
    EXPECT_EQ(definition.Symbol(), u"PIT8C");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201601);
    EXPECT_TRUE(definition.Autonumeracja());
    ExpectPositions(30, {2, 3}, {1, 5, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25},
                              {6, 7, 11});
    ExpectEveryFieldReadsWhatIsWritten();
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'21/8'");
}

TEST_F(Pit8cForm, AWorkedInformationVerifiesAndNamesItsPersonAndDueDate) {
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    Eval(u"dokument.P_13 = 'Kowalczyk'; dokument.P_14 = 'Joanna'");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-8C za 2024: Kowalczyk Joanna");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0");
    const std::pair<LONG, const char*> terms[] = {{2024, "2025-01-31"}, {2020, "2021-02-01"}, {2017, "2018-02-28"}};
    for (const auto& [year, day] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << year;
    }
}

TEST_F(Pit8cForm, VerificationRefusesWhatTheFormDoesNotAllow) {
    const formtest::Refusal rows[] = {
        {"no employee", [this] { document->Set(u"Pracownik", tlx::Variant()); }, formtest::kCalculation,
         "Poz. 9: informacja PIT-8C nie ma wskazanej osoby, której dotyczy."},
        {"no PESEL or NIP", [this] { document->Set(u"P_9", tlx::Variant::FromString(u"")); }, formtest::kCalculation,
         "Poz. 9: pracownik nie ma numeru PESEL ani NIP."},
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); },
         formtest::kCalculation, "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-8C(8) (od roku 2016)."},
        {"negative income", [this] { document->Set(u"P_28", Money(-1500)); }, formtest::kCalculation,
         "Poz. 28: kwota nie może być ujemna."},
        {"costs without the income of a sale", [this] { document->Set(u"P_29", Money(0)); }, formtest::kCalculation,
         "Poz. 30: koszty uzyskania wykazuje się tylko obok przychodu z kapitałów pieniężnych (poz. 29)."},
        {"a payer of neither kind", [this] { document->Set(u"P_7", tlx::Variant::FromLong(3)); }, formtest::kCalculation,
         "Poz. 7: rodzaj płatnika musi mieć wartość 1 albo 2."},
    };
    ExpectRefusals(rows);
}

}  // namespace
