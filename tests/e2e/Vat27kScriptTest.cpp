// The quarterly VAT-27K of the demo company (tests/e2e/scripts/vat27k-kwartal.js): goods 18 250.75 +
// 4 200.00 = 22 450.75 and one service of 1 500.25 in the second quarter of 2024, refused for May and
// written for June as the quarterly document with its C and D groups, each before its total.
#include "TlxhostFixture.h"

#include <string>

namespace {

class Vat27kScript : public TlxhostDemoTest {};

TEST_F(Vat27kScript, AQuarterIsWrittenWithItsRowsAndAMonthIsRefused) {
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/vat27k-kwartal.js")), 0)
        << err_ << out_;
    EXPECT_EQ(out_,
              "Poz. 4: informację VAT-27K składa się za kwartał; miesiąc 5 nie kończy kwartału (3, 6, 9 albo 12).\n"
              "Zapisano VAT-27K za 2 kwartał 2024 nr 1, przekształcenie 33/1K: dostawy towarów 22450.75 zł, usługi "
              "1500.25 zł\n");
    EXPECT_EQ(Read(Path("VAT-27K.xml")), Golden("VAT-27K_1_2024Q2.xml"));
}

}  // namespace
