// The owner's PIT-36 of 2024 filed jointly with her husband, made by a host script with its attachments: a PIT/B
// from the demo company's ledger, a partnership's PIT/B added and removed, the couple's PIT/O. The figures,
// worked out by hand from db/demo.sql and the return's filling rules:
// - the ledger of 2024: income 12 000 + 15 000 + 14 000 = 41 000.00, costs 4 000 + 5 000 + 6 000 = 15 000.00 and
//   advertising 150.00, of which 0.25 % of the income, 102.50, is a cost: PIT/B 41 000.00 / 15 102.50 / 25 897.50;
// - the husband's PIT-11: 55 992.00 / 3 000.00 / 52 992.00, advance 1 836; contributions 7 676.52; hers 4 000.00,
//   her own advances 2 000;
// - PIT/O: Internet 600.00 and a donation 500.00 of hers (1 100.00), the child relief 556.02;
// - incomes after deductions 25 897.50 - 4 000.00 - 1 100.00 = 20 797.50 and 52 992.00 - 7 676.52 = 45 315.48,
//   basis 66 112.98 = 66 113; joint tax 2 x (33 056.50 x 12 % - 3 600) = 733.56; less the relief 177.54 = 178;
//   advances 3 836, overpaid 3 658.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using Pit36Script = TlxhostDemoTest;

TEST_F(Pit36Script, TheOwnersJointReturnWithItsAttachments) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") + Source("scripts/pit36-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pit36-2024.out"));
    const std::string document = Read(Path("PIT-36_23.xml"));
    EXPECT_EQ(document, Source("golden/PIT-36_23.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-36-23/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();

    // The schema bites: a PIT/B written after the PIT/O, a second PIT/O, or a tax with grosze is not valid.
    const std::size_t pitB = document.find("<Zalacznik_PIT_B");
    const std::size_t pitO = document.find("<Zalacznik_PIT_O");
    ASSERT_NE(pitB, std::string::npos);
    ASSERT_NE(pitO, std::string::npos);
    const std::string attachmentB = document.substr(pitB, pitO - pitB);
    std::string late = document;
    late.erase(pitB, attachmentB.size());
    late.insert(late.find("</Zalaczniki>"), attachmentB);
    EXPECT_FALSE(store.Errors(late).empty());
    const std::string attachmentO = document.substr(pitO, document.find("</Zalaczniki>") - pitO);
    std::string twice = document;
    twice.insert(twice.find("</Zalaczniki>"), attachmentO);
    EXPECT_FALSE(store.Errors(twice).empty());
    std::string grosze = document;
    grosze.replace(grosze.find("<P_57>178</P_57>"), std::string("<P_57>178</P_57>").size(), "<P_57>177.54</P_57>");
    EXPECT_FALSE(store.Errors(grosze).empty());
}

TEST_F(Pit36Script, TheDemoFilesTheOwnersReturnWithItsAttachments) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  PIT/B za 2024: Działalność z księgi firmy: przychód 41000.00, koszty 15102.50, dochód 25897.50\n"
                        "  PIT/O za 2024: odliczenia od dochodu 1100.00, od podatku 556.02\n"
                        "  PIT-36 za 2024: Dąbrowska Agnieszka: podstawa 66113, podatek 733.56, należny 178, zaliczki 3836, "
                        "nadpłata 3658 zł; załączniki PIT/B 1, PIT/O tak\n"
                        "  e-deklaracja z załącznikami w pliku PIT-36_23_2024.xml"),
              std::string::npos)
        << out_;
}

}  // namespace
