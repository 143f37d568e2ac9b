// The IFT-1R(13) form of the module: its definition, the rows of income with their rates and the tax
// withheld, their totals, the checks and the value providers, run against a property bag standing for
// the declaration. The taxpayer and the contracts' row filled from the payroll are checked end to end on
// the demo company (tests/e2e/EmployeeInformationScriptTest.cpp).
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "EmployerFormFixture.h"

namespace {

using formtest::Money;

class Ift1rForm : public formtest::EmployerForm {
protected:
    void SetUp() override {
        StartReturnFor2024(24, 13);
        document->Set(u"Wersja", tlx::Variant::FromLong(13));
        document->Set(u"Pracownik", tlx::Variant::FromDispatch(formtest::CPropertyBag::Make().Get()));
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        document->Set(u"P_10", tlx::Variant::FromString(u"GB123456789"));
        document->Set(u"P_11", tlx::Variant::FromLong(3));
        document->Set(u"P_12", tlx::Variant::FromString(u"GB"));
        // A worked information: a British author paid 10 000.40 of licence fees at 20 % (2 000.08
        // withheld as 2 000) and 12 000.00 under contracts at 20 % (2 400).
        Enter({{32, 10000.40}, {34, 2000.08}, {38, 12000}, {40, 2400}});
        document->Set(u"P_33", tlx::Variant::FromLong(20));
        document->Set(u"P_39", tlx::Variant::FromLong(20));
    }
};

TEST_F(Ift1rForm, DefinitionCarriesThePayerTheForeignTaxpayerAndTheRowsOfIncome) {
    EXPECT_EQ(definition.Symbol(), u"IFT1R");
    EXPECT_EQ(definition.DataObowiazywaniaOd(), 201601);
    EXPECT_TRUE(definition.Autonumeracja());
    std::set<int> integers = {6, 7, 11};
    for (int rate = 27; rate <= 48; rate += 3) integers.insert(rate);
    ExpectPositions(51, {2, 3}, {1, 5, 8, 9, 10, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25}, integers);
    EXPECT_TRUE(definition.FindFieldByName(u"P_10")->Required()) << "the foreign number is what the form is about";
    ExpectEveryFieldReadsWhatIsWritten();
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'24/13'");
}

TEST_F(Ift1rForm, AWorkedInformationAddsUpItsRows) {
    Eval(u"Ift1rOblicz()");
    EXPECT_DOUBLE_EQ(Amount(34), 2000) << "the tax withheld in whole złoty";
    EXPECT_DOUBLE_EQ(Amount(50), 22000.40);
    EXPECT_DOUBLE_EQ(Amount(51), 4400);
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0");
    Eval(u"dokument.P_13 = 'Smith'; dokument.P_14 = 'John'");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "IFT-1R za 2024: Smith John");
    const std::pair<LONG, const char*> terms[] = {{2024, "2025-02-28"}, {2018, "2019-02-28"}, {2019, "2020-03-02"}};
    for (const auto& [year, day] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        EXPECT_EQ(formtest::Day(Fire(u"termin")), day) << year;
    }
}

TEST_F(Ift1rForm, VerificationRefusesWhatTheFormDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::Refusal rows[] = {
        {"no employee", [this] { document->Set(u"Pracownik", tlx::Variant()); }, kCalculation,
         "Poz. 10: informacja IFT-1R nie ma wskazanego podatnika."},
        {"a resident without a foreign number", [this] { document->Set(u"P_10", tlx::Variant::FromString(u"")); },
         kCalculation,
         "Poz. 10: podatnik nie ma zagranicznego numeru identyfikacyjnego; informację IFT-1R sporządza się dla osoby "
         "niemającej w Polsce miejsca zamieszkania."},
        {"no country of the number", [this] { document->Set(u"P_12", tlx::Variant::FromString(u"")); }, kCalculation,
         "Poz. 12: przy numerze zagranicznym podaje się kraj jego wydania."},
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); }, kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza IFT-1R(13) (od roku 2016)."},
        {"negative income", [this] { Enter({{26, -10}}); }, kCalculation, "Poz. 26: kwota nie może być ujemna."},
        {"tax in grosze", [this] { Enter({{40, 2400.50}}); }, kCalculation,
         "Poz. 40: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"a rate above 100 %", [this] { document->Set(u"P_39", tlx::Variant::FromLong(120)); }, kCalculation,
         "Poz. 39: stawka podatku musi mieć wartość od 0 do 100 %."},
        {"tax above the income", [this] { Enter({{40, 13000}}); }, kCalculation,
         "Poz. 40: podatek pobrany nie może przewyższać przychodu."},
        {"a total not of the rows", [this] { Enter({{38, 12500}}); }, kChanged,
         "Poz. 50: suma nie odpowiada przychodom wierszy. Deklarację należy przeliczyć."},
    };
    ExpectRefusals(rows, [&] { Eval(u"Ift1rOblicz()"); });
}

}  // namespace
