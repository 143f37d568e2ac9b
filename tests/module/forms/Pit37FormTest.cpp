// The PIT-37(23) return of the module: the joint tax of a couple paid by payers computed position by position from
// their PIT-11 figures and the reliefs of a PIT/O, and the return's checks, run against a property bag standing for
// the declaration. Its figures from the payroll and its PIT/O action are checked end to end
// (tests/e2e/Pit37ScriptTest.cpp).
#include <gtest/gtest.h>

#include <string>

#include "FormTestSupport.h"

namespace {

class Pit37Form : public formtest::FormFixture<ModuleResources> {
protected:
    void SetUp() override {
        StartReturnFor2024(35, 23);
        document->Set(u"P_7", tlx::Variant::FromLong(1));
        // His PIT-11: pay; hers: pay and a contract of mandate; the PIT/O's Internet of hers and the child relief.
        Eval(u"dokument.P_1 = '80010112340'; dokument.P_8 = 'Kowalski'; dokument.P_9 = 'Jan';"
             u"dokument.P_6 = 2; dokument.P_2 = '85050554327'; dokument.P_21 = 'Nowak'; dokument.P_22 = 'Anna';"
             u"dokument.P_24 = 55992; dokument.P_25 = 3000; dokument.P_27 = 1836; dokument.P_44 = 7676.52;"
             u"dokument.P_32 = 30000; dokument.P_33 = 3000; dokument.P_36 = 14400; dokument.P_37 = 2555.76;"
             u"dokument.P_39 = 1224; dokument.P_45 = 5734.44; dokument.P_47 = 760; dokument.P_54 = 1112.04");
        Fire(u"oncalculate");
    }
};

TEST_F(Pit37Form, TheCouplesJointReturnPositionByPosition) {
    EXPECT_EQ(definition.Symbol(), u"PIT37");
    EXPECT_EQ(definition.GetEventExpression(u"transformata"), u"'35/23'");
    EXPECT_TRUE(definition.FindFieldByName(u"ZalacznikPITO")) << "field set \"PITO.22\"";
    EXPECT_FALSE(definition.FindFieldByName(u"LiczbaPITB")) << "no PIT/B on a return of income through payers";
    const std::pair<int, double> positions[] = {
        {26, 52992.00}, {34, 27000.00}, {38, 11844.24}, {40, 52992.00}, {41, 38844.24}, {42, 1836}, {43, 1224},
        {48, 45315.48}, {49, 32349.80}, {50, 77665},    {51, 2119.80},  {55, 1008},     {56, 3060}, {57, 0},
        {58, 2052},
    };
    for (const auto& [n, amount] : positions) EXPECT_DOUBLE_EQ(Amount(n), amount) << "P_" << n;
    EXPECT_EQ(Verify().first, S_OK) << Verify().second;
    EXPECT_EQ(EvalText(definition.GetEventExpression(u"opis").View()), "PIT-37 za 2024: Kowalski Jan");

    // Filed alone, only his income counts: 45 315 x 12 % - 3 600 = 1 837.80, less the relief 1 112.04: 726.
    Eval(u"dokument.P_6 = 1");
    Fire(u"oncalculate");
    EXPECT_DOUBLE_EQ(Amount(50), 45315);
    EXPECT_DOUBLE_EQ(Amount(55), 726);
    EXPECT_DOUBLE_EQ(Amount(58), 1110);
}

TEST_F(Pit37Form, VerificationRefusesWhatTheReturnDoesNotAllow) {
    using formtest::kCalculation;
    using formtest::kChanged;
    const formtest::ScriptRefusal rows[] = {
        {"the spouse's PESEL is the taxpayer's", u"dokument.P_2 = '80010112340'", kCalculation,
         "Poz. 2: identyfikator małżonka nie może być równy identyfikatorowi podatnika."},
        {"a joint return without the spouse's name", u"dokument.P_22 = ''", kCalculation,
         "Poz. 21: przy rozliczeniu wspólnym podaje się nazwisko i imię małżonka."},
        {"a negative income", u"dokument.P_28 = -10", kCalculation, "Poz. 28: kwota nie może być ujemna."},
        {"an advance in grosze", u"dokument.P_27 = 1836.4", kCalculation,
         "Poz. 27: kwotę wykazuje się w pełnych złotych, bez groszy."},
        {"the refund typed over", u"dokument.P_58 = 3000", kChanged,
         "Poz. 58: kwota nie odpowiada pozycjom, z których powstaje. Deklarację należy przeliczyć."},
    };
    ExpectRefusals(rows);
}

}  // namespace
