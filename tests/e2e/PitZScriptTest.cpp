// Jan Kowalski's PIT-36 of 2024 filed alone with two special sections of agricultural production on PIT/Z
// attachments, made by a host script. The figures, worked out by hand from his PIT-11 (52 992.00 income, advance
// 1 836, contributions 7 676.52) and the filling rules:
// - greenhouse crops from his books: 30 000.00 - 18 000.00 = 12 000.00; poultry from the norms: 5 000.00 (its
//   revenue 40 000.00 shown, no costs); together 70 000.00 / 18 000.00 / 17 000.00;
// - income 52 992.00 + 17 000.00 = 69 992.00, after contributions 62 315.48, basis 62 315, tax
//   62 315 x 12 % - 3 600 = 3 877.80, due 3 878, to pay 2 042;
// - the greenhouse PIT/Z removed: income 57 992.00, basis 50 315, tax 2 437.80, due 2 438, to pay 602.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using PitZScript = TlxhostDemoTest;

TEST_F(PitZScript, AReturnWithTwoSpecialSectionsOfFarming) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") +
                        Source("scripts/pitz-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pitz-2024.out"));
    const std::string document = Read(Path("PIT-36_23_Z.xml"));
    EXPECT_EQ(document, Source("golden/PIT-36_23_Z.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-Z-6/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();

    // The schema bites: a PIT/Z without the kind of its section is not valid.
    std::string kind = document;
    kind.replace(kind.find("<P_7>chów drobiu</P_7>"), std::string("<P_7>chów drobiu</P_7>").size(), "<P_7></P_7>");
    EXPECT_FALSE(store.Errors(kind).empty());
}

}  // namespace
