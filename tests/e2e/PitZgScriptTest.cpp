// Jan Kowalski's PIT-36 of 2024 filed alone with foreign pay on two PIT/ZG attachments, made by a host script. The
// figures, worked out by hand from his PIT-11 (55 992.00 / 3 000.00 / 52 992.00, advance 1 836, contributions
// 7 676.52) and the filling rules:
// - Germany, proportional deduction: pay 20 000.00, tax paid there 4 000.00; income 52 992.00 + 20 000.00 =
//   72 992.00, after contributions 65 315.48, basis 65 315;
// - the United Kingdom, exempt with progression: 12 000.00 sets the rate: the tax on 77 315 is
//   77 315 x 12 % - 3 600 = 5 677.80, of which the basis' share 65 315 / 77 315 is 4 796.55;
// - the German tax is deducted up to the share of the tax on its income, 4 796.55 x 20 000 / 72 992 = 1 314.27;
//   tax due 3 482.28 = 3 482, less the advance 1 836: 1 646 to pay.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using PitZgScript = TlxhostDemoTest;

TEST_F(PitZgScript, AReturnWithForeignIncomeFromTwoCountries) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") +
                        Source("scripts/pitzg-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pitzg-2024.out"));
    const std::string document = Read(Path("PIT-36_23_ZG.xml"));
    EXPECT_EQ(document, Source("golden/PIT-36_23_ZG.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-ZG-5/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();

    // The schema bites: a country code that is none, or a method other than 1 and 2, is not valid.
    std::string country = document;
    country.replace(country.find("<P_7>DE</P_7>"), std::string("<P_7>DE</P_7>").size(), "<P_7>XX</P_7>");
    EXPECT_FALSE(store.Errors(country).empty());
    std::string method = document;
    method.replace(method.find("<P_8>1</P_8>"), std::string("<P_8>1</P_8>").size(), "<P_8>3</P_8>");
    EXPECT_FALSE(store.Errors(method).empty());
}

}  // namespace
