// The demo company's PIT-4R of 2024 made by a host script: the advances withheld month by month from the
// payroll, saved and written as the official document. January by hand from the demo's payouts (each
// advance round((gross - the employee's social contributions - 250) x 12 % - 300), on contracts
// round((income - 20 % costs) x 12 %)): pay 153 (Kowalski) + 312 + 43 + 208 + 177 + 2 259 (Zieliński) +
// 126 + 240 + 167 + 198 + 115 + 188 + 136 = 4 322, contracts 102 (Nowak) + 256 (Szymańska) + 144 (Woźniak) =
// 502. The year, 81 716 and 5 768, equals the advances of the year's PIT-11 information (Pit11ScriptTest).
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>

namespace {

class Pit4rScript : public TlxhostDemoTest {};

TEST_F(Pit4rScript, TheAdvancesOfThePayrollYearMonthByMonth) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 18; d.Wersja = 6; d.Rok = 2024;\n"
                        "d.Policz();\n"
                        "Session.Save();\n"
                        "for (var m = 0; m <= 12; m++) {\n"
                        "    var p = 9 + 4 * m;\n"
                        "    print((m < 12 ? 'miesiąc ' + (m + 1) : 'rok') + ': ' + [d['P_' + p], d['P_' + (p + 1)],\n"
                        "          d['P_' + (p + 2)], d['P_' + (p + 3)]].join(' '));\n"
                        "}\n"
                        "var t = d.Termin;\n"
                        "print(d.Opis + ' nr ' + d.Numer + ', kwota ' + d.KwotaCalkowita + ', termin ' + t.getDate() + '.' +\n"
                        "      (t.getMonth() + 1) + '.' + t.getFullYear());\n"
                        "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                        "e.Login = Session.Login;\n"
                        "e.ZapiszXml(d, '', '" + Path("PIT-4R.xml") + "');\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "miesiąc 1: 4322 502 0 4824\n"
              "miesiąc 2: 4227 502 0 4729\n"
              "miesiąc 3: 4211 502 0 4713\n"
              "miesiąc 4: 4322 502 0 4824\n"
              "miesiąc 5: 4449 502 0 4951\n"
              "miesiąc 6: 5899 502 0 6401\n"
              "miesiąc 7: 8791 502 0 9293\n"
              "miesiąc 8: 8665 502 0 9167\n"
              "miesiąc 9: 8648 502 0 9150\n"
              "miesiąc 10: 9199 502 0 9701\n"
              "miesiąc 11: 9434 502 0 9936\n"
              "miesiąc 12: 9549 246 0 9795\n"
              "rok: 81716 5768 0 87484\n"
              "PIT-4R za 2024 nr 1, kwota 87484, termin 31.1.2025\n");

    const std::string document = Read(Path("PIT-4R.xml"));
    EXPECT_NE(document.find("<PozycjeSzczegolowe><P_9>4322</P_9><P_10>502</P_10><P_11>0</P_11><P_12>4824</P_12>"),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("<P_57>81716</P_57><P_58>5768</P_58><P_59>0</P_59><P_60>87484</P_60></PozycjeSzczegolowe>"),
              std::string::npos)
        << document;
    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("http://crd.gov.pl/wzor/2015/12/22/3031/"));
    const auto errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
    std::string missing = document;
    missing.erase(missing.find("<P_11>0</P_11>"), std::string("<P_11>0</P_11>").size());
    EXPECT_FALSE(store.Errors(missing).empty()) << "every position of the table is required";
}

TEST_F(Pit4rScript, TheDemoSavesAndWritesThePit4rOfThePayrollYear) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  PIT-4R nr 1: zaliczki ze stosunku pracy 81716, z umów zlecenia 5768, razem 87484 zł, "
                        "termin 31.1.2025\n    miesiąc 1: 4322 + 502 = 4824\n"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  PIT-4R_6_2024.xml ("), std::string::npos) << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

TEST_F(Pit4rScript, TheFlatRateReturnOfTheAmountsTheUserEntered) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 19; d.Wersja = 6; d.Rok = 2024;\n"
                        "d.P_9 = 45; d.P_22 = 190.4;\n"
                        "d.Policz();\n"
                        "Session.Save();\n"
                        "print(d.Opis, d.P_12, d.P_24, d.P_60, d.KwotaCalkowita);\n"
                        "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                        "e.Login = Session.Login;\n"
                        "e.ZapiszXml(d, '', '" + Path("PIT-8AR.xml") + "');\n"),
              0)
        << err_;
    EXPECT_EQ(out_, "PIT-8AR za 2024 45 190 235 235\n") << "amounts in whole złoty";
    const std::string document = Read(Path("PIT-8AR.xml"));
    EXPECT_NE(document.find("kodSystemowy=\"PT-8AR (6)\" kodPodatku=\"PPR\""), std::string::npos) << document;
    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Holds("http://crd.gov.pl/wzor/2015/12/21/3014/"));
    const auto errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

}  // namespace
