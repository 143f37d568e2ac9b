// The PIT-36(23) return of the module and its attachments PIT/B(14) and PIT/O(22): the definitions, the tax scale
// of the library "COMMONFUNCPIT", the worked example of a joint return computed position by position and the
// return's checks, run against a property bag standing for the declaration. The attachments' actions on saved
// declarations and the ledger's figures are checked end to end (tests/e2e/Pit36ScriptTest.cpp).
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "FormTestSupport.h"

namespace {

using formtest::Money;

class Pit36Form : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        StartReturnFor2024(15, 23);
        document->Set(u"P_7", tlx::Variant::FromLong(1));
    }
    static std::u16string P(int n) { return u"P_" + tlx::Utf8ToUtf16(std::to_string(n)); }
    // A position's amount as the scripts wrote it (a number of any kind).
    double Amount(std::u16string_view name) {
        tlx::Variant value = document->Get(name);
        tlx::Variant number;
        return SUCCEEDED(VariantChangeType(number.Out(), &value, 0, VT_R8)) ? number.dblVal : -999999;
    }
    // A sole trader on the scale filing jointly: her business (the PIT/B's sums) and advances, her husband's PIT-11
    // figures, both their contributions, the reliefs the PIT/O brought.
    void EnterJointReturn() {
        Eval(u"dokument.P_1 = '9512345675'; dokument.P_8 = 'Dąbrowska'; dokument.P_9 = 'Agnieszka';"
             u"dokument.P_6 = 2; dokument.P_2 = '80010112340'; dokument.P_21 = 'Kowalski'; dokument.P_22 = 'Jan';"
             u"dokument.P_32 = 41000; dokument.P_33 = 15102.50; dokument.P_36 = 2000; dokument.P_46 = 4000;"
             u"dokument.P_28 = 55992; dokument.P_29 = 3000; dokument.P_31 = 1836; dokument.P_47 = 7676.52;"
             u"dokument.P_48 = 1100; dokument.P_56 = 556.02");
        Fire(u"oncalculate");
    }
};

TEST_F(Pit36Form, DefinitionsCarryTheReturnItsAttachmentsAndTheirActions) {
    EXPECT_EQ(definition.Symbol(), u"PIT36");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'15/23'");
    for (int n : {1, 2, 5, 6, 7, 24, 36, 48, 56, 60}) EXPECT_TRUE(definition.FindFieldByName(P(n))) << n;
    EXPECT_EQ(definition.FindFieldByName(u"LiczbaPITB")->Typ(), detInteger) << "field set \"PITB.10\"";
    EXPECT_EQ(definition.FindFieldByName(u"ZalacznikPITO")->Typ(), detInteger) << "field set \"PITO.22\"";
    for (const char16_t* action :
         {u"przeliczPoZamknieciuPITB", u"przeliczPoUsunieciuPITB", u"poprawIloscZalacznikowNaZalacznikach",
          u"przeliczPoZamknieciuPITO", u"przeliczPoUsunieciuPITO", u"zmianaPITO", u"przeliczPoZamknieciuZalacznika",
          u"przeliczPoZmianiePodatnikow", u"wyczyscZalaczniki", u"weryfikuj", u"onZmianaPracownika"})
        EXPECT_FALSE(definition.GetEventExpression(action).IsEmpty()) << tlx::Utf16ToUtf8(action);

    CDefinicjaDeklaracji pitB{ModuleResources()};
    ASSERT_EQ(ComBoundary([&] { pitB.LoadFormDefinition(document.Get(), 25, 14, session.Get()); }), S_OK);
    EXPECT_EQ(pitB.Symbol(), u"PITB");
    EXPECT_EQ(pitB.GetEventExpression(u"transformata"), u"'25/14'");
    EXPECT_FALSE(pitB.GetEventExpression(u"AktualizujPolaZNaglowka").IsEmpty());
    CDefinicjaDeklaracji pitO{ModuleResources()};
    ASSERT_EQ(ComBoundary([&] { pitO.LoadFormDefinition(document.Get(), 27, 22, session.Get()); }), S_OK);
    EXPECT_EQ(pitO.Symbol(), u"PITO");
    EXPECT_EQ(pitO.GetEventExpression(u"transformata"), u"'27/22'");
}

// The host runs an action by name and discards its result, which still has to leave the script: an action that
// answered the array of renumbered attachments failed after doing its work.
TEST_F(Pit36Form, EveryAttachmentActionRunsOnAReturnNotYetSaved) {
    for (const char16_t* action :
         {u"przeliczPoZamknieciuPITB", u"przeliczPoUsunieciuPITB", u"poprawIloscZalacznikowNaZalacznikach",
          u"przeliczPoZamknieciuPITO", u"przeliczPoUsunieciuPITO", u"zmianaPITO", u"przeliczPoZamknieciuZalacznika",
          u"przeliczPoZmianiePodatnikow", u"wyczyscZalaczniki", u"weryfikuj"}) {
        tlx::Variant result;
        EXPECT_EQ(Evaluate(definition.GetEventExpression(action).View(), nullptr, result), S_OK)
            << tlx::Utf16ToUtf8(action) << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    }
}

TEST_F(Pit36Form, TheTaxScaleOfEachYear) {
    struct Row {
        int year;
        double basis;
        const char* tax;
    };
    const Row rows[] = {
        {2016, 50000, "8443.98"},    // 18 % less 556.02
        {2016, 100000, "19470.06"},  // 15 395.04 + 32 % of 14 472 - 556.02
        {2018, 5000, "0"},          // 900 less the full 1 188
        {2018, 8800, "711.99"},     // 1 584 less 1 188 - 631.98 x 2 200 / 4 400 = 872.01
        {2020, 10000, "673.95"},    // 1 700 less 1 360 - 834.88 x 2 000 / 5 000 = 1 026.05
        {2021, 127000, "27810.8"},  // 14 539.76 + 32 % of 41 472, nothing less
        {2024, 66113, "4333.56"},   // 12 % less 3 600
        {2024, 150000, "20400"},    // 14 400 + 32 % of 30 000 - 3 600
        {2024, 20000, "0"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(EvalText(u"PitPodatekWedlugSkali(" + tlx::Utf8ToUtf16(std::to_string(row.basis)) + u", " +
                           tlx::Utf8ToUtf16(std::to_string(row.year)) + u")"),
                  row.tax)
            << row.year << " " << row.basis;
}

TEST_F(Pit36Form, TheWorkedJointReturnPositionByPosition) {
    EnterJointReturn();
    const std::pair<int, double> positions[] = {
        {30, 52992.00}, {34, 25897.50}, {35, 0},        {42, 25897.50}, {43, 52992.00}, {44, 2000},
        {45, 1836},     {50, 20797.50}, {51, 45315.48}, {52, 66113},    {53, 733.56},   {57, 178},
        {58, 3836},     {59, 0},        {60, 3658},
    };
    for (const auto& [n, amount] : positions) EXPECT_DOUBLE_EQ(Amount(P(n)), amount) << "P_" << n;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "0") << "overpaid, nothing to pay";
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-36 za 2024: Dąbrowska Agnieszka");

    // Filed alone, the husband's columns stay out of the basis and the advances: 20 798 x 12 % - 3 600 = 0.
    Eval(u"dokument.P_6 = 1");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(u"P_52"), 20798);
    EXPECT_DOUBLE_EQ(Amount(u"P_57"), 0);
    EXPECT_DOUBLE_EQ(Amount(u"P_60"), 2000);
}

TEST_F(Pit36Form, VerificationRefusesWhatTheReturnDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::ScriptRefusal rows[] = {
        {"the spouse's PESEL is the taxpayer's", u"dokument.P_2 = '9512345675'", kCalculation,
         "Poz. 2: identyfikator małżonka nie może być równy identyfikatorowi podatnika."},
        {"no spouse's identifier on a joint return", u"dokument.P_2 = ''", kCalculation,
         "Poz. 2: identyfikator małżonka \"\" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr)."},
        {"a year before the form", u"dokument.Rok = 2015", kCalculation,
         "Poz. 4: rok 2015 jest poza okresem obowiązywania formularza PIT-36(23) (od roku 2016)."},
        {"a negative revenue", u"dokument.P_24 = -100", kCalculation, "Poz. 24: kwota nie może być ujemna."},
        {"an advance in grosze", u"dokument.P_36 = 2000.5", kCalculation,
         "Poz. 36: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"the tax typed over", u"dokument.P_57 = 100", kChanged,
         "Poz. 57: kwota nie odpowiada pozycjom, z których powstaje. Deklarację należy przeliczyć."},
        {"an unknown way of filing", u"dokument.P_6 = 7", kCalculation, "Poz. 6: sposób rozliczenia musi mieć wartość od 1 do 4."},
    };
    ExpectRefusals(rows, [&] { EnterJointReturn(); });
}

}  // namespace
