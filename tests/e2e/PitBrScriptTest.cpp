// The owner's PIT-36L of 2024 with the research and development relief on PIT/BR attachments, made by a host
// script. The figures, worked out by hand from db/demo.sql (the PIT/B from the ledger: 25 897.50) and the return's
// filling rules, with contributions 4 000.00 and 3 000.00 and advances 3 000:
// - PIT/BR nr 1: 5 000.00 + 2 000.00, nr 2 (its rows continue the first's): 1 500.00; 8 500.00 deducted from the
//   business income: basis 10 397.50 = 10 398, tax 19 % = 1 975.62, due 1 976, overpaid 1 024;
// - nr 1 removed: 1 500.00, basis 17 398, tax 3 305.62, due 3 306, to pay 306;
// - another added as nr 2: 6 500.00, basis 12 398, tax 2 355.62, due 2 356, overpaid 644; the document carries one
//   PIT/BR with both attachments' rows.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using PitBrScript = TlxhostDemoTest;

TEST_F(PitBrScript, TheFlatRateReturnWithTheResearchRelief) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") +
                        Source("scripts/pitbr-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pitbr-2024.out"));
    const std::string document = Read(Path("PIT-36L_12_BR.xml"));
    EXPECT_EQ(document, Source("golden/PIT-36L_12_BR.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-BR-1/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();

    // The schema bites: a second PIT/BR element on a PIT-36L, or a row without its kind of costs, is not valid.
    const std::size_t start = document.find("<Zalacznik_PIT_BR");
    const std::size_t end = document.find("</Zalacznik_PIT_BR>") + std::string("</Zalacznik_PIT_BR>").size();
    ASSERT_NE(start, std::string::npos);
    std::string twice = document;
    twice.insert(end, document.substr(start, end - start));
    EXPECT_FALSE(store.Errors(twice).empty());
    std::string kind = document;
    kind.erase(kind.find("<P_Da>ekspertyzy</P_Da>"), std::string("<P_Da>ekspertyzy</P_Da>").size());
    EXPECT_FALSE(store.Errors(kind).empty());
}

// The owner's joint PIT-36 (her PIT/B 25 897.50, contributions 4 000.00; his pay 52 992.00 less 7 676.52) with
// her relief 5 000.00 + 2 000.00 and his 1 000.00, his PIT/BR added first: renumbered hers first, each person's first
// one marked; she deducts 7 000.00 (25 897.50 - 4 000.00 - 7 000.00 = 14 897.50), he has no business income to
// deduct his from; basis 14 897.50 + 45 315.48 = 60 213, joint tax 2 x (30 106.50 x 12 % - 3 600) = 25.56, due 26,
// advances 3 836, overpaid 3 810. Her PIT/BR carries her second one's rows, his comes second.
TEST_F(PitBrScript, TheJointReturnPlacesEachPersonsRelief) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") +
                        Source("scripts/pitbr-joint-2024.js")), 0)
        << err_;
    EXPECT_EQ(out_, Source("golden/pitbr-joint-2024.out"));
    const std::string document = Read(Path("PIT-36_23_BR.xml"));
    EXPECT_EQ(document, Source("golden/PIT-36_23_BR.xml"));
    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
