// The PIT/BR(1) attachment of the research and development relief and what the returns make of it: the
// attachment's rows ("PITBR.1") and sum, and the relief deducted from each person's business income in the PIT-36,
// never above that income, run against a property bag standing for the declaration. The attachment's checks, the
// first-attachment mark and the returns' PIT/BR actions on saved declarations are checked end to end
// (tests/e2e/PitBrScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"

namespace {

class PitBrForm : public formtest::FormFixture<ModuleResources> {
protected:
    double Amount(std::u16string_view name) {
        tlx::Variant value = document->Get(name);
        tlx::Variant number;
        return SUCCEEDED(VariantChangeType(number.Out(), &value, 0, VT_R8)) ? number.dblVal : -999999;
    }
    double Amount(int n) { return Amount(u"P_" + tlx::Utf8ToUtf16(std::to_string(n))); }
};

TEST_F(PitBrForm, TheAttachmentSumsItsRows) {
    StartReturnFor2024(39, 1);
    EXPECT_EQ(definition.Symbol(), u"PITBR");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'39/1'");
    for (const char16_t* field : {u"P_Da1", u"P_Db3", u"P_Dc3", u"P_Suma"})
        EXPECT_TRUE(definition.FindFieldByName(field)) << "field set \"PITBR.1\": " << tlx::Utf16ToUtf8(field);
    for (const char16_t* field : {u"Pierwszy", u"UzupelniamDaneMalzonka"})
        EXPECT_EQ(definition.FindFieldByName(field)->Typ(), detInteger) << tlx::Utf16ToUtf8(field);
    Eval(u"dokument.P_Da1 = 'wynagrodzenia'; dokument.P_Db1 = 8000; dokument.P_Dc1 = 5000.10;"
         u"dokument.P_Da3 = 'ekspertyzy'; dokument.P_Db3 = 1500; dokument.P_Dc3 = 1499.95");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(u"P_Suma"), 6500.05);
    EXPECT_DOUBLE_EQ(Amount(u"Pierwszy"), 1) << "without a return, the attachment is its person's first";
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "6500.05");
}

// The joint return of the PIT-36 worked example (her business 25 897.50, his pay 52 992.00) with her relief
// 2 000.00 and his 1 000.00, without the PIT/O's relief from the tax: she deducts 2 000.00, he has no business
// income to deduct his from; after deductions 25 897.50 - 4 000.00 - 1 100.00 - 2 000.00 = 18 797.50 and
// 45 315.48, basis 64 113, joint tax 2 x (32 056.50 x 12 % - 3 600) = 493.56 = 494, advances 3 836, overpaid 3 342.
TEST_F(PitBrForm, TheScaleReturnDeductsEachPersonsReliefFromHisBusinessIncome) {
    StartReturnFor2024(15, 23);
    document->Set(u"P_7", tlx::Variant::FromLong(1));
    Eval(u"dokument.P_1 = '9512345675'; dokument.P_8 = 'Dąbrowska'; dokument.P_9 = 'Agnieszka';"
         u"dokument.P_6 = 2; dokument.P_2 = '80010112340'; dokument.P_21 = 'Kowalski'; dokument.P_22 = 'Jan';"
         u"dokument.P_32 = 41000; dokument.P_33 = 15102.50; dokument.P_36 = 2000; dokument.P_46 = 4000;"
         u"dokument.P_28 = 55992; dokument.P_29 = 3000; dokument.P_31 = 1836; dokument.P_47 = 7676.52;"
         u"dokument.P_48 = 1100; dokument.P_70 = 2000; dokument.P_71 = 1000");
    Fire(u"oncalculate");
    const std::pair<int, double> positions[] = {{72, 2000}, {73, 0},   {50, 18797.50}, {51, 45315.48}, {52, 64113},
                                                {53, 493.56}, {57, 494}, {58, 3836},     {60, 3342}};
    for (const auto& [n, amount] : positions) EXPECT_DOUBLE_EQ(Amount(n), amount) << "P_" << n;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;

    // A relief above her business income takes that income only.
    Eval(u"dokument.P_70 = 30000");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(72), 25897.50);
    EXPECT_DOUBLE_EQ(Amount(50), 0);
}

}  // namespace
