// The PIT-37 of 2024 of a couple paid by the demo company, filed jointly, made by a host script with its PIT/O.
// The figures, worked out by hand from db/demo.sql (the same sums their PIT-11 information shows):
// - Jan Kowalski: 55 992.00 / 3 000.00 / 52 992.00, advances 1 836, contributions 7 676.52;
// - Anna Nowak: pay 30 000.00 / 3 000.00 / 27 000.00, advances 0; a contract of mandate 14 400.00 / 2 555.76 /
//   11 844.24, advances 1 224; contributions 5 734.44;
// - PIT/O: her Internet 760.00, the child relief 1 112.04;
// - after deductions 45 315.48 and 38 844.24 - 5 734.44 - 760.00 = 32 349.80; basis 77 665.28 = 77 665; joint tax
//   2 x (38 832.50 x 12 % - 3 600) = 2 119.80; less the relief 1 007.76 = 1 008; advances 3 060, overpaid 2 052;
// - the PIT/O removed and the return recounted: 38 844.24 - 5 734.44 = 33 109.80, basis 78 425, joint tax
//   2 x (39 212.50 x 12 % - 3 600) = 2 211.00 = 2 211, overpaid 849.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

using Pit37Script = TlxhostDemoTest;

TEST_F(Pit37Script, TheJointReturnOfACouplePaidByTheCompany) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/zeznanie-zalaczniki.js") + Source("scripts/pit37-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pit37-2024.out"));
    const std::string document = Read(Path("PIT-37_23.xml"));
    EXPECT_EQ(document, Source("golden/PIT-37_23.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:projekt:PIT-37-23/")) << "the project's schema";
    const std::vector<std::string> errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
    std::string noSpouse = document;
    noSpouse.erase(noSpouse.find("<Podmiot2"), noSpouse.find("</Podmiot2>") + std::string("</Podmiot2>").size() -
                                                   noSpouse.find("<Podmiot2"));
    EXPECT_TRUE(store.Errors(noSpouse).empty()) << "the spouse is optional to the schema";
    std::string grosze = document;
    grosze.replace(grosze.find("<P_56>3060</P_56>"), std::string("<P_56>3060</P_56>").size(), "<P_56>3060.40</P_56>");
    EXPECT_FALSE(store.Errors(grosze).empty());
}

TEST_F(Pit37Script, TheDemoFilesTheCouplesReturnWithItsPitO) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  PIT/O za 2024: odliczenia od dochodu małżonka 760.00, od podatku 1112.04\n"
                        "  PIT-37 za 2024: Kowalski Jan i Nowak Anna: podstawa 77665, podatek 2119.80, należny 1008, "
                        "zaliczki 3060, nadpłata 2052 zł; PIT/O tak\n"
                        "  e-deklaracja z załącznikiem w pliku PIT-37_23_2024.xml"),
              std::string::npos)
        << out_;
}

}  // namespace
