// The demo company's PIT-11 information of 2024, made by a host script for every employee (main cards),
// calculated, saved numbered and written as official documents. The figures below are worked out by hand
// from db/demo.sql and the form's filling rules (income of the year paid, costs actually deducted by the
// payer, advances withheld, the employee's social contributions):
// - Jan Kowalski, 4 666.00 a month: income 12 x 4 666.00 = 55 992.00, costs 12 x 250.00 = 3 000.00,
//   taxable 52 992.00; contributions 455.40 + 69.99 + 114.32 = 639.71 a month, 7 676.52 a year; the
//   advance round((4 666.00 - 639.71 - 250) x 12 % - 300) = 153 a month, 1 836 a year.
// - Anna Nowak, half time 2 500.00 a month (advance 0: 12 % of 1 907 is less than the 300 relief) and,
//   on her secondary card, a contract of mandate of 1 200.00 a month: contributions 117.12 + 18.00 =
//   135.12, costs 20 % of 1 064.88 = 212.98, advance round(852 x 12 %) = 102 a month; the year: row 1
//   30 000.00 / 3 000.00 / 27 000.00 / 0, row 6 14 400.00 / 2 555.76 / 11 844.24 / 1 224; contributions
//   12 x 342.75 + 12 x 135.12 = 5 734.44.
// - Marek Zieliński, 25 000.00 a month, passes 120 000.00 of taxable income in June and the pension base
//   limit in October: advances 5 x 2 259 + 3 846 + 3 x 6 523 + 7 074 + 2 x 7 424 = 56 632;
//   contributions 9 x 3 427.50 + 1 706.97 + 2 x 612.50 = 33 779.47.
// - Paweł Jankowski, sick in February and March: income 5 500.00 + 4 080.67 + 3 853.57 + 9 x 5 500.00 =
//   62 934.24 (sick pay and the allowance the payer paid are his income of the month), advances
//   240 + 145 + 129 + 9 x 240 = 2 674.
// - John Smith has a passport only and Zofia Ślęzak no identifier: their information is refused. The
//   owner, Agnieszka Dąbrowska, was paid nothing (her own contributions are not withheld from income).
#include "ClosingStatements.h"
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace {

class Pit11Script : public TlxhostDemoTest {
protected:
};

TEST_F(Pit11Script, TheInformationOfEveryEmployeeOfThePayrollYear) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/pit11-2024.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pit11-2024.out"));
    EXPECT_EQ(Read(Path("PIT-11_P001.xml")), Source("golden/PIT-11_23_P001.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("http://crd.gov.pl/wzor/2016/01/11/3066/")) << "the project's schema";
    int documents = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_)) {
        if (entry.path().filename().string().rfind("PIT-11_", 0) != 0) continue;
        ++documents;
        const std::vector<std::string> errors = store.Errors(Read(entry.path().string()));
        EXPECT_TRUE(errors.empty()) << entry.path().filename() << ": " << errors.front();
    }
    EXPECT_EQ(documents, 16) << "19 main cards: two refused, the owner paid nothing";

    // The schema bites: a document without the taxpayer's kind of tax liability, without a row's income, or
    // with grosze in an advance, is not valid.
    const std::string jan = Read(Path("PIT-11_P001.xml"));
    std::string noKind = jan;
    noKind.erase(noKind.find("<P_10>"), std::string("<P_10>1</P_10>").size());
    EXPECT_FALSE(store.Errors(noKind).empty());
    std::string noIncome = jan;
    noIncome.erase(noIncome.find("<P_49>"), std::string("<P_49>0.00</P_49>").size());
    EXPECT_FALSE(store.Errors(noIncome).empty());
    std::string grosze = jan;
    grosze.replace(grosze.find("<P_33>1836</P_33>"), std::string("<P_33>1836</P_33>").size(), "<P_33>1836.50</P_33>");
    EXPECT_FALSE(store.Errors(grosze).empty());
}

TEST_F(Pit11Script, TheDemoSavesAndWritesThePit11OfItsEmployees) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  P001 PIT-11 za 2024: Kowalski Jan nr 1: przychód 55992.00, dochód 52992.00, zaliczki 1836, "
                        "składki społeczne 7676.52; e-deklaracja w pliku PIT-11_23_P001_2024.xml"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  P002 PIT-11 za 2024: Nowak Anna nr 1: przychód 44400.00, dochód 38844.24, zaliczki 1224"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  P020 PIT-11 za 2024: Ślęzak Zofia: nie zapisano - Poz. 11: pracownik nie ma numeru PESEL ani NIP."),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  PIT-11_23_P018_2024.xml ("), std::string::npos) << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

// The information of the years 2013 to 2016, each in its year's version (20, 21, 22 and 23), on the demo's
// payroll moved into that year. Worked by hand: the monthly costs of earning of those years are 111.25, so
// Jan Kowalski's row 1 is 55 992.00 less 12 x 111.25 = 1 335.00, that is 54 657.00, with his advances of
// 1 836 and contributions of 7 676.52 as in 2024; Anna Nowak's employment 30 000.00 less 1 335.00 =
// 28 665.00, her contract (row 6) as in 2024. The information is due at the end of February of the next year
// (2015: a Saturday, so Monday 2 March; 2016 a leap year). Version 21 is refused for 2015.
TEST_F(Pit11Script, TheInformationOfEarlierYearsInTheirYearsVersions) {
    if (!ProjectSchemaStore::OfficialSchemasHere())
        GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/pit11-earlier.js")), 0) << err_;
    EXPECT_EQ(out_, Source("golden/pit11-earlier.out"));
    EXPECT_EQ(Read(Path("PIT-11_21_P001.xml")), Source("golden/PIT-11_21_P001.xml"));

    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    const char* const namespaces[] = {"http://crd.gov.pl/wzor/2013/10/11/1327/", "http://crd.gov.pl/wzor/2014/12/08/1887/",
                                      "http://crd.gov.pl/wzor/2015/02/23/2094/", "http://crd.gov.pl/wzor/2016/01/11/3066/"};
    const char* const files[] = {"PIT-11_20_P001.xml", "PIT-11_20_P002.xml", "PIT-11_21_P001.xml", "PIT-11_21_P002.xml",
                                 "PIT-11_22_P001.xml", "PIT-11_22_P002.xml", "PIT-11_23_P001.xml", "PIT-11_23_P002.xml"};
    for (std::size_t i = 0; i < std::size(files); ++i) {
        const std::string xml = Read(Path(files[i]));
        EXPECT_NE(xml.find(std::string("xmlns=\"") + namespaces[i / 2] + "\""), std::string::npos) << files[i];
        const std::vector<std::string> errors = store.Errors(xml);
        EXPECT_TRUE(errors.empty()) << files[i] << ": " << errors.front();
        // Every version closes with the payer's statement of its printed form, which its schema requires.
        EXPECT_EQ(closing::Tail(xml),
                  "</PozycjeSzczegolowe>" + closing::Element("Pouczenie", closing::kPayersDuties) + "</Deklaracja>")
            << files[i];
        EXPECT_FALSE(store.Errors(closing::WithFlagClosing(xml)).empty()) << files[i];
    }
    // A document of one version is not valid in another's place: version 21's positions under version 22's
    // namespace are refused.
    std::string moved = Read(Path("PIT-11_21_P001.xml"));
    moved.replace(moved.find(namespaces[1]), std::string(namespaces[1]).size(), namespaces[2]);
    EXPECT_FALSE(store.Errors(moved).empty());
    // The subject blocks are checked under the etd types of 2011/06/21 the variants use, not under later ones.
    const std::string etd2011 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/";
    std::string laterTypes = Read(Path("PIT-11_21_P001.xml"));
    laterTypes.replace(laterTypes.find(etd2011), etd2011.size(),
                       "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/");
    EXPECT_FALSE(store.Errors(laterTypes).empty());
}

// The employee's record keeps no kind or issuing country of a foreign number: what the user typed in
// positions 13 and 14 stays through every calculation (a non-resident's information needs the country).
TEST_F(Pit11Script, ARecalculationKeepsTheTypedKindAndCountryOfAForeignNumber) {
    ASSERT_EQ(RunScript("var p;\n"
                        "for (var e = new Enumerator(Session.CreateObject('TLX.Pracownicy')); !e.atEnd(); e.moveNext())\n"
                        "    if (e.item().Kod == 'P019') p = e.item();\n"
                        "var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 5; d.Wersja = 23; d.Rok = 2024; d.Pracownik = p;\n"
                        "d.P_13 = 3; d.P_14 = 'GB';\n"
                        "d.Policz(); d.Policz();\n"
                        "print(d.P_15, d.P_13, d.P_14);\n"),
              0)
        << err_;
    EXPECT_EQ(out_, "Smith 3 GB\n");
}

}  // namespace
