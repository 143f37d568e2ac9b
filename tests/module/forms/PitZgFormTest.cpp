// The PIT/ZG(5) attachment of foreign income and what the returns make of it: the attachment's sums, and the
// PIT-36L's flat tax with foreign business income under the proportional deduction computed position by
// position, run against a property bag standing for the declaration. The attachment's checks and the return's
// PIT/ZG actions on saved declarations, with the PIT-36's progression, are checked end to end
// (tests/e2e/PitZgScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"

namespace {

class PitZgForm : public formtest::FormFixture<ModuleResources> {
protected:
    // A flat-rate owner's return: her PIT/B's sums, contributions and advances, and the foreign business income
    // with the tax paid abroad that her PIT/ZG brought.
    void EnterFlatRateReturn() {
        StartReturnFor2024(16, 12);
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        Eval(u"dokument.P_1 = '9512345675'; dokument.P_7 = 'Dąbrowska'; dokument.P_8 = 'Agnieszka';"
             u"dokument.P_20 = 41000; dokument.P_21 = 15102.50; dokument.P_24 = 4000; dokument.P_25 = 3000;"
             u"dokument.P_30 = 3000; dokument.P_34 = 10000; dokument.P_35 = 2500");
        Fire(u"oncalculate");
    }
};

TEST_F(PitZgForm, TheAttachmentSumsItsSourcesAndNamesItsCountry) {
    StartReturnFor2024(36, 5);
    EXPECT_EQ(definition.Symbol(), u"PITZG");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'36/5'");
    EXPECT_FALSE(definition.GetEventExpression(u"AktualizujPolaZNaglowka").IsEmpty());
    Eval(u"dokument.P_7 = ' de '; dokument.P_9 = 100.10; dokument.P_10 = 20; dokument.P_13 = 50.25; dokument.P_18 = 3");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(19), 150.35);
    EXPECT_DOUBLE_EQ(Amount(20), 23);
    EXPECT_EQ(EvalText(u"dokument.P_7"), "DE");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT/ZG za 2024: DE");
}

TEST_F(PitZgForm, TheReturnsTakeTheAttachmentsActions) {
    for (const auto& [type, version] : {std::pair<LONG, LONG>{15, 23}, {16, 12}}) {
        StartReturnFor2024(type, version);
        EXPECT_EQ(definition.FindFieldByName(u"LiczbaPITZG")->Typ(), detInteger) << type;
        for (const char16_t* action : {u"przeliczPoZamknieciuPITZG", u"przeliczPoUsunieciuPITZG"})
            EXPECT_FALSE(definition.GetEventExpression(action).IsEmpty()) << type << " " << tlx::Utf16ToUtf8(action);
    }
    StartReturnFor2024(35, 23);
    EXPECT_TRUE(definition.GetEventExpression(u"przeliczPoZamknieciuPITZG").IsEmpty()) << "no PIT/ZG on a PIT-37";
}

// Income 25 897.50 + 10 000.00 = 35 897.50, less contributions 7 000.00: basis 28 898; 19 % = 5 490.62; the tax paid
// abroad deducted up to 5 490.62 x 10 000 / 35 897.50 = 1 529.53; due 3 961.09 = 3 961, less advances 3 000: 961.
TEST_F(PitZgForm, TheFlatRateReturnDeductsTheForeignTaxUpToItsShare) {
    EnterFlatRateReturn();
    const std::pair<int, double> positions[] = {{22, 25897.50}, {26, 28898}, {27, 5490.62}, {36, 1529.53},
                                                {29, 3961},     {31, 961},   {32, 0}};
    for (const auto& [n, amount] : positions) EXPECT_DOUBLE_EQ(Amount(n), amount) << "P_" << n;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;

    // Less tax paid abroad than its share: all of it is deducted.
    Eval(u"dokument.P_35 = 1000");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(36), 1000);
    EXPECT_DOUBLE_EQ(Amount(29), 4491);

    Eval(u"dokument.P_36 = 2500");
    auto [hr, message] = Verify();
    EXPECT_EQ(hr, static_cast<HRESULT>(0x800565F4));
    EXPECT_EQ(message, "Poz. 36: kwota nie odpowiada pozycjom, z których powstaje. Deklarację należy przeliczyć.");
}

}  // namespace
