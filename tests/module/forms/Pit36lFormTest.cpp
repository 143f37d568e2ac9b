// The PIT-36L(12) return of the module: the flat 19 % tax computed position by position and the return's checks,
// run against a property bag standing for the declaration. Its PIT/B from the ledger and its actions on saved
// declarations are checked end to end (tests/e2e/Pit36lScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"

namespace {

class Pit36lForm : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        StartReturnFor2024(16, 12);
        document->Set(u"P_6", tlx::Variant::FromLong(1));
        Eval(u"dokument.P_1 = '9512345675'; dokument.P_7 = 'Dąbrowska'; dokument.P_8 = 'Agnieszka';"
             u"dokument.P_20 = 41000; dokument.P_21 = 15102.50; dokument.P_24 = 4000; dokument.P_25 = 3000;"
             u"dokument.P_30 = 3000");
        Fire(u"oncalculate");
    }
};

TEST_F(Pit36lForm, TheFlatRateTaxPositionByPosition) {
    EXPECT_EQ(definition.Symbol(), u"P36L");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'16/12'");
    EXPECT_TRUE(definition.FindFieldByName(u"LiczbaPITB")) << "field set \"PITB.10\"";
    EXPECT_FALSE(definition.FindFieldByName(u"ZalacznikPITO")) << "no PIT/O on a flat-rate return";
    const std::pair<int, double> positions[] = {{22, 25897.50}, {23, 0},  {26, 18898}, {27, 3590.62},
                                                {29, 3591},     {31, 591}, {32, 0}};
    for (const auto& [n, amount] : positions) EXPECT_DOUBLE_EQ(Amount(n), amount) << "P_" << n;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"kwota").View()), "591");
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-36L za 2024: Dąbrowska Agnieszka");

    // A loss: costs above the revenue leave no basis and no tax; the advances are overpaid.
    Eval(u"dokument.P_21 = 45000.40");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(22), 0);
    EXPECT_DOUBLE_EQ(Amount(23), 4000.40);
    EXPECT_DOUBLE_EQ(Amount(29), 0);
    EXPECT_DOUBLE_EQ(Amount(32), 3000);
}

TEST_F(Pit36lForm, VerificationRefusesWhatTheReturnDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::ScriptRefusal rows[] = {
        {"no identifier", u"dokument.P_1 = '12345'", kCalculation,
         "Poz. 1: identyfikator podatnika \"12345\" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr)."},
        {"the health contribution from the tax after 2021", u"dokument.P_28 = 100", kCalculation,
         "Poz. 28: od 2022 r. składkę zdrowotną odlicza się od dochodu (poz. 25), nie od podatku."},
        {"the health contribution from the income before 2022", u"dokument.Rok = 2021", kCalculation,
         "Poz. 25: przed 2022 r. składkę zdrowotną odlicza się od podatku (poz. 28)."},
        {"a negative revenue", u"dokument.P_20 = -1", kCalculation, "Poz. 20: kwota nie może być ujemna."},
        {"the basis typed over", u"dokument.P_26 = 18000", kChanged,
         "Poz. 26: kwota nie odpowiada pozycjom, z których powstaje. Deklarację należy przeliczyć."},
    };
    ExpectRefusals(rows);
}

}  // namespace
