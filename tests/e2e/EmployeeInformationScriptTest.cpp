// The demo company's PIT-40, PIT-8C, IFT-1R and IFT-1 of 2024, made by a host script for single persons,
// calculated, saved numbered and written as official documents valid against the project's schemas. The
// figures are worked out by hand from db/demo.sql (the year's payroll as in Pit11ScriptTest.cpp):
// - PIT-40 of Jan Kowalski: income 55 992.00 less 3 000.00 of costs = 52 992.00, less 7 676.52 of social
//   contributions = 45 315.48, base 45 315; 12 % = 5 437.80 less 3 600 = 1 837.80; no health contribution
//   is deducted in 2024, so 1 838 is due against 1 836 withheld: 2 short, the amount the payer collects.
// - PIT-40 of Marek Zieliński: 300 000.00 - 3 000.00 - 33 779.47 = 263 220.53, base 263 221; 14 400 + 32 %
//   of 143 221 = 60 230.72 less 3 600 = 56 630.72, due 56 631 against 56 632 withheld: 1 back.
// - Zofia Ślęzak has no identifier: her calculation is refused.
// - PIT-8C of Joanna Kowalczyk, who left in August: 1 500.00 from the social fund typed by the clerk.
// - IFT-1R of John Smith: refused while his record holds no foreign number; with his passport's typed,
//   10 000.40 of royalties under the treaty (row D.4) at 20 %, 2 000.08 withheld shown as 2 000; his
//   residence in Britain typed, for his record holds the Polish address of his stay. The same as an IFT-1
//   on his request of 3 July 2024, for January to June: due 14 days later, on 17 July.
// - IFT-1 of Anna Nowak for January to March: her contract of mandate (secondary card) paid 3 x 1 200.00 =
//   3 600.00 with 3 x 102 = 306 withheld (row D.10, at 20 %); due 14 days after her request of 2 April.
// Both kinds close with the payer's bilingual statement of the printed form, which their schemas require.
#include "ClosingStatements.h"
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>
#include <vector>

namespace {

class EmployeeInformationScript : public TlxhostDemoTest {
protected:
    int Make(const std::string& form) {
        return RunScript("var folder = '" + folder_.string() + "';\nvar forms = ['" + form + "'];\n" +
                         Source("scripts/employee-forms-2024.js"));
    }
    // The document is valid against the store's schema of `namespaceUri`, and `broken` of it is not.
    void ExpectValid(const std::string& namespaceUri, const std::string& document, const std::string& broken) {
        ProjectSchemaStore store(folder_);
        ASSERT_TRUE(store.Opened());
        ASSERT_TRUE(store.Holds(namespaceUri)) << "the project's schema";
        const std::vector<std::string> errors = store.Errors(document);
        EXPECT_TRUE(errors.empty()) << errors.front();
        EXPECT_FALSE(store.Errors(broken).empty()) << broken;
    }
    static std::string Replaced(std::string text, const std::string& what, const std::string& with) {
        const std::size_t at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        if (at != std::string::npos) text.replace(at, what.size(), with);
        return text;
    }
};

TEST_F(EmployeeInformationScript, TheTaxCalculationsOfEmployeesWhoAskedForThem) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(Make("PIT-40"), 0) << err_;
    EXPECT_EQ(out_,
              "[P001] PIT-40 za 2024: Kowalski Jan | poz. 9 80010112340, poz. 10  | 55992 3000 52992 1836 7676.52 "
              "45315.48 45315 1837.8 0 1838 0 2 | nr 1, kwota 2, termin 2025-02-28\n"
              "[P008] PIT-40 za 2024: Zieliński Marek | poz. 9 82070765432, poz. 10  | 300000 3000 297000 56632 "
              "33779.47 263220.53 263221 56630.72 0 56631 1 0 | nr 1, kwota 0, termin 2025-02-28\n"
              "[P020] PIT-40 za 2024: Ślęzak Zofia | poz. 9 , poz. 10  | 28800 3000 25800 0 3948.48 21851.52 21852 0 0 "
              "0 0 0 | odmowa: Poz. 9: pracownik nie ma numeru PESEL ani NIP.\n");
    const std::string jan = Read(Path("PIT-40_P001.xml"));
    EXPECT_EQ(jan, Golden("PIT-40_22_P001.xml"));
    ExpectValid("urn:tlx:deklaracje:wzor:PIT-40-22/", jan, Replaced(jan, "<P_35>1838</P_35>", ""));
    const std::string marek = Read(Path("PIT-40_P008.xml"));
    EXPECT_NE(marek.find("<P_32>263221</P_32><P_33>56630.72</P_33><P_35>56631</P_35><P_36>1</P_36></PozycjeSzczegolowe>"),
              std::string::npos)
        << marek;
    ExpectValid("urn:tlx:deklaracje:wzor:PIT-40-22/", marek, Replaced(marek, "<P_36>1</P_36>", "<P_36>1.50</P_36>"));
}

TEST_F(EmployeeInformationScript, TheInformationOnAFormerEmployeesIncomeFromOtherSources) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(Make("PIT-8C"), 0) << err_;
    EXPECT_EQ(out_, "[P013] PIT-8C za 2024: Kowalczyk Joanna | poz. 9 91090934560, poz. 10  | 0 0 1500 0 0 | nr 1, "
                    "kwota 0, termin 2025-01-31\n");
    const std::string joanna = Read(Path("PIT-8C_P013.xml"));
    EXPECT_EQ(joanna, Golden("PIT-8C_8_P013.xml"));
    ExpectValid("urn:tlx:deklaracje:wzor:PIT-8C-8/", joanna, Replaced(joanna, "<P_28>1500.00</P_28>", "<P_28>-1500.00</P_28>"));
}

TEST_F(EmployeeInformationScript, TheInformationOnANonResidentsIncomeNeedsHisForeignNumber) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(Make("IFT-1R"), 0) << err_;
    const std::string rows = " | 0 10000.4 20 2000 | ";
    EXPECT_EQ(out_, "[P019] IFT-1R za 2024: Smith John | poz. 26 , poz. 28 " + rows +
                        "odmowa: Poz. 26: podatnik nie ma zagranicznego numeru identyfikacyjnego; informację IFT-1R "
                        "sporządza się dla osoby niemającej w Polsce miejsca zamieszkania.\n"
                        "[P019] IFT-1R za 2024: Smith John | poz. 26 GB123456789, poz. 28 GB" + rows +
                        "nr 1, kwota 0, termin 2025-02-28\n");
    const std::string john = Read(Path("IFT-1R_P019.xml"));
    EXPECT_EQ(john, Golden("IFT-1R_13_P019.xml"));
    ExpectValid("http://crd.gov.pl/wzor/2016/01/20/3128/", john,
                Replaced(john, "<P_49>20.00</P_49>", "<P_49>120.00</P_49>"));
    EXPECT_EQ(closing::Tail(john), "</PozycjeSzczegolowe>" +
                                       closing::Element("Pouczenie", closing::kPayersDutiesBilingual) + "</Deklaracja>");
    ExpectValid("http://crd.gov.pl/wzor/2016/01/20/3128/", john, closing::WithFlagClosing(john));
}

TEST_F(EmployeeInformationScript, TheInformationOnRequestCoversThePeriodAskedFor) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(Make("IFT-1"), 0) << err_;
    EXPECT_EQ(out_, "[P019] IFT-1 za 2024: Smith John | poz. 4 2024-01-01, poz. 5 2024-06-30 | 0 10000.4 20 2000 | "
                    "nr 1, kwota 0, termin 2024-07-17\n"
                    "[P002] IFT-1 za 2024: Nowak Anna | poz. 4 2024-01-01, poz. 5 2024-03-31 | 0 3600 20 306 | "
                    "nr 1, kwota 0, termin 2024-04-16\n");
    const std::string john = Read(Path("IFT-1_P019.xml"));
    EXPECT_EQ(john, Golden("IFT-1_13_P019.xml"));
    ExpectValid("http://crd.gov.pl/wzor/2016/01/20/3129/", john,
                Replaced(john, "<P_75>2024-07-03</P_75>", "<P_75>2024-07-32</P_75>"));
    EXPECT_NE(john.find("kodSystemowy=\"IFT-1 (13)\""), std::string::npos) << john;
    const std::string anna = Read(Path("IFT-1_P002.xml"));
    EXPECT_NE(anna.find("<PozycjeSzczegolowe><P_71>0.00</P_71><P_72>3600.00</P_72><P_73>20.00</P_73><P_74>306.00</P_74>"
                        "<P_75>2024-04-02</P_75>"),
              std::string::npos)
        << anna;
    ExpectValid("http://crd.gov.pl/wzor/2016/01/20/3129/", anna, Replaced(anna, "<P_74>306.00</P_74>", "<P_74>-306.00</P_74>"));
    EXPECT_NE(anna.find("<MiejsceUrodzenia>Leeds</MiejsceUrodzenia><ImieOjca>Jan</ImieOjca><ImieMatki>Maria</ImieMatki>"
                        "<NrId poz=\"P_26\">"),
              std::string::npos)
        << "the parents' names typed are written in their places\n" << anna;
    EXPECT_EQ(closing::Tail(anna), "</PozycjeSzczegolowe>" +
                                       closing::Element("Pouczenie", closing::kPayersDutiesBilingual) + "</Deklaracja>");
    ExpectValid("http://crd.gov.pl/wzor/2016/01/20/3129/", anna, closing::WithFlagClosing(anna));
}

TEST_F(EmployeeInformationScript, TheDemoSavesAndWritesThem) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    for (const char* line :
         {"  P001 PIT-40 za 2024: Kowalski Jan nr 1: dochód po składkach 45315.48, podatek należny 1838, zaliczki 1836, "
          "do pobrania 2, nadpłata 0; e-deklaracja w pliku PIT-40_22_P001_2024.xml\n",
          "  P013 PIT-8C za 2024: Kowalczyk Joanna nr 1: inne przychody 1500.00; e-deklaracja w pliku "
          "PIT-8C_8_P013_2024.xml\n",
          "  P019 IFT-1R za 2024: Smith John nr 1: numer zagraniczny GB123456789, przychód 10000.40, podatek 2000; "
          "e-deklaracja w pliku IFT-1R_13_P019_2024.xml\n"})
        EXPECT_NE(out_.find(line), std::string::npos) << line << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

}  // namespace
