// The CIT-8(24) return of the module with its CIT-8/O part, and the CIT-D and CIT/BR attachments' own
// rows, run against a property bag standing for the declaration: a company's year worked out by hand, a
// year of loss, the checks and the value providers. The figures from the books and the attachments read
// from the database are checked end to end on the demo company (tests/e2e/Cit8ScriptTest.cpp).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FormTestSupport.h"
#include "platform/com/OleDate.h"

namespace {

using formtest::Money;

template <LONG Type, LONG Version>
class CitForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        Load(Type, Version);
        SetNewDeclarationValues();
        document->Set(u"Rok", tlx::Variant::FromLong(2024));
        RunOnUpdateAfterEachWrite();
    }
    std::string At(const char* name) { return EvalText(u"dokument." + tlx::Utf8ToUtf16(name)); }
};

class Cit8Form : public CitForm<17, 24> {
protected:
    void SetUp() override {
        CitForm::SetUp();
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        document->Set(u"P_29", tlx::Variant::FromLong(19));
        document->Set(u"ID", tlx::Variant::FromLong(0));  // not saved yet: no attachments in the database
    }
    // A company's year: revenue 1 250 000.45 and costs 980 000.20 in Poland, 50 000.00 and 30 000.50 abroad;
    // a loss of earlier years of 40 000.00 carried forward; the CIT-8/O with 12 000.00 of new technology and
    // 1 500.25 of other deductions; 1 200 deducted from the tax (tax paid abroad); advances 45 000.
    void EnterTheYear() {
        Eval(u"dokument.P_15 = 1250000.45; dokument.P_16 = 980000.20; dokument.P_17 = 50000; dokument.P_18 = 30000.50;"
             u"dokument.P_23 = 40000; dokument.P_31 = 1200; dokument.P_33 = 45000");
        Fire(u"onCIT8OAdded");
        Eval(u"dokument.P_O1 = 12000; dokument.P_O2 = 1500.25");
    }
};

TEST_F(Cit8Form, DefinitionNamesTheReturnItsPartAndItsAttachmentActions) {
    EXPECT_EQ(definition.Symbol(), u"CIT8");
    EXPECT_FALSE(definition.Autonumeracja());
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'17/24'");
    for (int n : {1, 4, 5, 6, 7, 8, 9}) EXPECT_TRUE(definition.FindFieldByName(u"P_" + tlx::Utf8ToUtf16(std::to_string(n)))) << n;
    for (int n = 10; n <= 35; ++n) {
        auto field = definition.FindFieldByName(u"P_" + tlx::Utf8ToUtf16(std::to_string(n)));
        ASSERT_TRUE(field) << n;
        EXPECT_EQ(field->Lp(), n);
    }
    for (const char16_t* action : {u"onCITDListChanged", u"onCITDDeleted", u"onCITSTListChanged", u"onCITSTDeleted",
                                   u"onCITSTAListChanged", u"onCITSTADeleted", u"onCITBRAdded", u"onCITBRDeleted",
                                   u"onCIT8OAdded", u"onCIT8ODeleted"})
        EXPECT_FALSE(definition.GetEventExpression(action).IsEmpty()) << tlx::Utf16ToUtf8(action);
}

// Position by position from the entries of EnterTheYear.
TEST_F(Cit8Form, ACompanysYearWithALossCarriedForwardAndTheCit8OPart) {
    EnterTheYear();
    const std::pair<const char*, const char*> expected[] = {
        {"P_10", "1"},          {"P_O3", "13500.25"},  {"P_26", "13500.25"},
        {"P_19", "1300000.45"}, {"P_20", "1010000.7"}, {"P_21", "289999.75"}, {"P_22", "0"},
        // 40 000 + 0 + 0 + 13 500.25
        {"P_27", "53500.25"},
        // 289 999.75 - 53 500.25 = 236 499.50, rounded up; 19 % of it is 44 935 exactly
        {"P_28", "236500"},     {"P_30", "44935"},     {"P_32", "43735"},
        // advances 45 000 exceed the tax due: an overpayment of 1 265
        {"P_34", "0"},          {"P_35", "1265"},
    };
    for (const auto& [name, value] : expected) EXPECT_EQ(At(name), value) << name;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "CIT-8 za 2024");

    // Without the CIT-8/O its amounts go and the deductions shrink to the loss.
    Fire(u"onCIT8ODeleted");
    for (const auto& [name, value] : {std::pair{"P_10", "0"}, {"P_O1", "0"}, {"P_O3", "0"}, {"P_26", "0"},
                                      {"P_27", "40000"}, {"P_28", "250000"}, {"P_30", "47500"}, {"P_34", "1300"}})
        EXPECT_EQ(At(name), value) << name;
}

TEST_F(Cit8Form, AYearOfLossHasNoTaxAndDeductsNothing) {
    Eval(u"dokument.P_15 = 100000; dokument.P_16 = 130000.10; dokument.P_23 = 5000; dokument.P_33 = 2000");
    for (const auto& [name, value] : {std::pair{"P_21", "0"}, {"P_22", "30000.1"}, {"P_27", "0"}, {"P_28", "0"},
                                      {"P_30", "0"}, {"P_34", "0"}, {"P_35", "2000"}})
        EXPECT_EQ(At(name), value) << name;
    auto [hr, message] = Verify();
    EXPECT_EQ(message, "Poz. 23: odliczenie straty z lat ubiegłych nie może przekroczyć dochodu z poz. 21.");
}

TEST_F(Cit8Form, TheReturnIsDueAtTheEndOfMarchOnAWorkingDay) {
    const std::pair<LONG, int> terms[] = {{2024, 331}, {2025, 331}, {2026, 331}, {2019, 331}, {2020, 331},
                                          {2021, 331}, {2022, 331}, {2023, 402}};
    for (const auto& [year, expected] : terms) {
        document->Set(u"Rok", tlx::Variant::FromLong(year));
        tlx::Variant day = Fire(u"termin");
        ASSERT_EQ(day.vt, VT_DATE);
        auto calendar = tlx::CalendarFromDate(day.date);
        EXPECT_EQ(calendar->year, year + 1);
        EXPECT_EQ(calendar->month * 100 + calendar->day, expected) << year << ": 31 March 2024 is Easter Sunday";
    }
}

TEST_F(Cit8Form, VerificationRefusesWhatTheReturnDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::Refusal rows[] = {
        {"a year before the form", [this] { document->Set(u"Rok", tlx::Variant::FromLong(2015)); }, kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza CIT-8(24) (od roku 2016)."},
        {"another rate", [this] { Eval(u"dokument.P_29 = 15"); }, kCalculation, "Poz. 29: stawka podatku wynosi 19%."},
        {"negative costs", [this] { Eval(u"dokument.P_18 = -10"); }, kCalculation, "Poz. 18: kwota nie może być ujemna."},
        {"grosze in the advances", [this] { Eval(u"dokument.P_33 = 45000.5"); }, kCalculation,
         "Poz. 33: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"donations over a tenth of the income", [this] { Eval(u"dokument.P_24 = 29000"); }, kCalculation,
         "Poz. 24: odliczenie darowizn nie może przekroczyć 10% dochodu z poz. 21."},
        {"more deducted from the tax than the tax", [this] { Eval(u"dokument.P_31 = 50000"); }, kCalculation,
         "Poz. 31: odliczenia od podatku nie mogą przekroczyć podatku z poz. 30."},
        {"a tax typed over", [this] { document->Set(u"P_30", Money(44000)); }, kChanged,
         "Poz. 30: kwota nie odpowiada pozycjom, z których powstaje. Deklarację należy przeliczyć."},
        {"donations without a CIT-D", [this] { Eval(u"dokument.P_24 = 500"); }, kChanged,
         "Poz. 24: kwota zeznania (500) nie zgadza się z załącznikami (0). Deklarację należy przeliczyć."},
        {"an attachment count typed over", [this] { Eval(u"dokument.P_14 = 1"); }, kChanged,
         "Poz. 14: kwota zeznania (1) nie zgadza się z załącznikami (0). Deklarację należy przeliczyć."},
    };
    ExpectRefusals(rows, [&] { EnterTheYear(); });
}

using CitDForm = CitForm<28, 5>;

TEST_F(CitDForm, TheDonationsAddUpAndEachAmountNeedsItsDonee) {
    EXPECT_EQ(definition.Symbol(), u"CITD");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'28/5'");
    document->Set(u"ParentId", tlx::Variant::FromLong(7));
    document->Set(u"Numer", tlx::Variant::FromLong(1));
    Eval(u"dokument.P_Da1 = 'Fundacja'; dokument.P_Db1 = 3000; dokument.P_Da4 = 'Klub'; dokument.P_Db4 = 1500.5");
    EXPECT_EQ(At("P_Suma"), "4500.5");
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "CIT-D nr 1 za 2024");
    Eval(u"dokument.P_Db2 = 100");
    EXPECT_EQ(Verify().second, "Poz. Da2: wiersz z kwotą musi mieć opis.");
    document->Set(u"ParentId", tlx::Variant::FromLong(0));
    EXPECT_EQ(Verify().second, "Poz. 1: załącznik CIT-D musi należeć do zeznania CIT-8.");
}

using CitBrForm = CitForm<38, 1>;

TEST_F(CitBrForm, TheReliefIsTheSumOfTheDeductionsOfItsRows) {
    EXPECT_EQ(definition.Symbol(), u"CITBR");
    ASSERT_TRUE(definition.FindFieldByName(u"P_Dc3")) << "the rows of \"CITBR.1\"";
    document->Set(u"ParentId", tlx::Variant::FromLong(7));
    document->Set(u"Numer", tlx::Variant::FromLong(1));
    Eval(u"dokument.P_Da1 = 'wynagrodzenia'; dokument.P_Db1 = 48000; dokument.P_Dc1 = 24000;"
         u"dokument.P_Da3 = 'materiały'; dokument.P_Db3 = 6000; dokument.P_Dc3 = 6000");
    EXPECT_EQ(At("P_Suma"), "30000");
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(u"P_Suma", Money(24000));
    EXPECT_EQ(Verify().second, "Poz. Suma: suma nie odpowiada kwotom wierszy. Deklarację należy przeliczyć.");
    Eval(u"dokument.P_Dc1 = -1");
    EXPECT_EQ(Verify().second, "Poz. Dc1: kwota nie może być ujemna.");
}

using CitStForm = CitForm<29, 7>;

TEST_F(CitStForm, TheEmployeesAddUpAndTheTotalIsChecked) {
    EXPECT_EQ(definition.Symbol(), u"CITST");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'29/7'");
    document->Set(u"ParentId", tlx::Variant::FromLong(7));
    document->Set(u"Numer", tlx::Variant::FromLong(1));
    Eval(u"dokument.P_Ea1 = 'Zakład główny'; dokument.P_Eg1 = 16; dokument.P_Ea2 = 'Oddział'; dokument.P_Eg2 = 3");
    EXPECT_EQ(At("P_169"), "19");
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    document->Set(u"P_169", tlx::Variant::FromLong(16));
    EXPECT_EQ(Verify().second, "Poz. 169: suma nie odpowiada kwotom wierszy. Deklarację należy przeliczyć.");
    Eval(u"dokument.P_Eg5 = 2");
    EXPECT_EQ(Verify().second, "Poz. Ea5: wiersz z kwotą musi mieć opis.");
}

}  // namespace
