// The PIT/Z(6) attachment of a special section of agricultural production and what the PIT-36L makes of it: the
// attachment's income from books or from the norms, and the flat tax on the business income and the sections'
// income together, run against a property bag standing for the declaration. The attachment's checks and the
// returns' PIT/Z actions on saved declarations are checked end to end (tests/e2e/PitZScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"

namespace {

class PitZForm : public formtest::FormFixture<ModuleResources> {};

TEST_F(PitZForm, TheIncomeComesFromTheBooksOrFromTheNorms) {
    StartReturnFor2024(37, 6);
    EXPECT_EQ(definition.Symbol(), u"PITZ");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'37/6'");
    Eval(u"dokument.P_7 = 'uprawy w szklarniach'; dokument.P_9 = 18000; dokument.P_10 = 30000");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(11), 0);
    EXPECT_DOUBLE_EQ(Amount(12), 12000) << "costs above the revenue are a loss";

    // From the norms the income is as typed, with neither costs nor a loss.
    Eval(u"dokument.P_8 = 2; dokument.P_11 = 5000");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(11), 5000);
    EXPECT_DOUBLE_EQ(Amount(10), 0);
    EXPECT_DOUBLE_EQ(Amount(12), 0);
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT/Z za 2024: uprawy w szklarniach");
}

// The flat-rate owner's business income 25 897.50 and her sections' income 5 000.00, less contributions 7 000.00:
// basis 23 898; 19 % = 4 540.62, due 4 541, less advances 3 000: 1 541.
TEST_F(PitZForm, TheFlatRateReturnTaxesTheSectionsIncomeWithTheBusiness) {
    StartReturnFor2024(16, 12);
    document->Set(u"P_6", tlx::Variant::FromLong(1));
    EXPECT_FALSE(definition.GetEventExpression(u"przeliczPoZamknieciuPITZ").IsEmpty());
    Eval(u"dokument.P_1 = '9512345675'; dokument.P_7 = 'Dąbrowska'; dokument.P_8 = 'Agnieszka';"
         u"dokument.P_20 = 41000; dokument.P_21 = 15102.50; dokument.P_24 = 4000; dokument.P_25 = 3000;"
         u"dokument.P_30 = 3000; dokument.P_41 = 40000; dokument.P_43 = 5000");
    Fire(u"oncalculate");
    const std::pair<int, double> positions[] = {{26, 23898}, {27, 4540.62}, {29, 4541}, {31, 1541}};
    for (const auto& [n, amount] : positions) EXPECT_DOUBLE_EQ(Amount(n), amount) << "P_" << n;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
}

}  // namespace
