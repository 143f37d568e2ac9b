// The owner's PIT-36L of 2024 at the flat 19 % rate, made by a host script with its PIT/B from the demo
// company's ledger. The figures, worked out by hand from db/demo.sql and the return's filling rules: the PIT/B
// 41 000.00 / 15 102.50 / 25 897.50 (advertising 150.00 of which 0.25 % of the income, 102.50, is a cost);
// social contributions 4 000.00 and the health contribution 3 000.00 deducted from the income: basis
// 18 897.50 = 18 898; tax 19 % = 3 590.62, due 3 591; advances 3 000, to pay 591.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using Pit36lScript = TlxhostDemoTest;

TEST_F(Pit36lScript, TheOwnersFlatRateReturnWithItsPitB) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") + Source("scripts/pit36l-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pit36l-2024.out"));
    const std::string document = Read(Path("PIT-36L_12.xml"));
    EXPECT_EQ(document, Source("golden/PIT-36L_12.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-36L-12/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
    std::string noTax = document;
    noTax.erase(noTax.find("<P_29>"), std::string("<P_29>3591</P_29>").size());
    EXPECT_FALSE(store.Errors(noTax).empty()) << "the tax due is required";
}

}  // namespace
