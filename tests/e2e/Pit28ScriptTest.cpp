// A taxpayer's PIT-28 of 2024 on the lump sum, made by a host script with its PIT/28B attachments. The figures,
// worked out by hand from db/demo.sql and the return's filling rules:
// - the flat-rate register of 2024: at 8.5 % 20 000.00 + 22 123.45 + 18 000.00 = 60 123.45, at 3 %
//   50 000 + 55 000 + 45 000 = 150 000.00 (the crossed-out 1 000.00 and December 2023's 7 000.00 left out);
// - the partnership's PIT/28B: half of 80 000.00 at 12 % = 40 000.00;
// - deductions 12 000.00 + 4 000.50 = 16 000.50, taken from the highest rate: 12 % basis 23 999.50 = 24 000,
//   lump sum 2 880.00; 8.5 % basis 60 123, 5 110.46; 3 % basis 150 000, 4 500.00; together 12 490.46, due
//   12 490; paid 12 000, to pay 490;
// - a PIT/28B taking 30 % of the register: 18 037.035 = 18 037.04 at 8.5 %, 45 000.00 at 3 %; a register entry at
//   7 %, a rate the forms do not have, stops its calculation.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using Pit28Script = TlxhostDemoTest;

TEST_F(Pit28Script, TheLumpSumReturnFromTheRegisterWithItsPartnershipAttachment) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") + Source("scripts/pit28-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pit28-2024.out"));
    const std::string document = Read(Path("PIT-28_19.xml"));
    EXPECT_EQ(document, Source("golden/PIT-28_19.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-28-19/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();

    // The schema bites: a basis with grosze, or an attachment without its number, is not valid.
    std::string grosze = document;
    grosze.replace(grosze.find("<P_58>24000</P_58>"), std::string("<P_58>24000</P_58>").size(), "<P_58>23999.50</P_58>");
    EXPECT_FALSE(store.Errors(grosze).empty());
    std::string unnumbered = document;
    unnumbered.erase(unnumbered.find("<P_2>1</P_2>"), std::string("<P_2>1</P_2>").size());
    EXPECT_FALSE(store.Errors(unnumbered).empty());
}

TEST_F(Pit28Script, TheDemoFilesTheLumpSumReturn) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  PIT/28B za 2024: Lewandowski i Wspólnicy s.c.: przychody podatnika 40000.00\n"
                        "  PIT-28 za 2024: Lewandowski Tomasz: ryczałt 12490.46, należny 12490, wpłacony 12000, do zapłaty "
                        "490 zł; załączniki PIT/28B 1\n"
                        "  e-deklaracja z załącznikiem w pliku PIT-28_19_2024.xml"),
              std::string::npos)
        << out_;
}

}  // namespace
