// The demo company's PIT-4R of 2024 made by a host script: the taxpayers and the advances withheld month by
// month from the payroll, saved and written as the official document. January by hand from the demo's
// payouts (each advance round((gross - the employee's social contributions - 250) x 12 % - 300), on
// contracts round((income - 20 % costs) x 12 %)): pay 153 (Kowalski) + 312 + 43 + 208 + 177 + 2 259
// (Zieliński) + 126 + 240 + 167 + 198 + 115 + 188 + 136 = 4 322, of 15 employees paid (Nowak's and Ślęzak's pay
// bear no advance), contracts 102 (Nowak) + 256
// (Szymańska) + 144 (Woźniak) = 502. The year, 81 716 and 5 768, equals the advances of the year's PIT-11
// information (Pit11ScriptTest). The earlier versions and the PIT-8AR are written for the amounts a user
// types and validated against their schemas. Every variant closes with the statements of its printed form
// and identifies its payer in the etd types of 2011/06/21, as its schema, of 2011 to 2015, imports them; the
// PIT-4R (6) and PIT-8AR (6) put the payer's element in the form's own namespace (a person's identification
// too), and the PIT-4R (3) its address's element, as the public writers of those variants do.
#include "ClosingStatements.h"
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>

namespace {

class Pit4rScript : public TlxhostDemoTest {
protected:
    // Makes a declaration of `type`/`version` for `year` with the script lines `fill`, calculates, saves and
    // writes it to `file`; prints what `show` prints.
    std::string Make(int type, int version, int year, const std::string& fill, const std::string& show,
                     const std::string& file) {
        return "var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
               "d.TypDeklar = " + std::to_string(type) + "; d.Wersja = " + std::to_string(version) +
               "; d.Rok = " + std::to_string(year) + ";\n" + fill +
               "d.Policz();\n"
               "Session.Save();\n" + show +
               "var e = new ActiveXObject('TLX.EDeklaracja');\n"
               "e.Login = Session.Login;\n"
               "e.ZapiszXml(d, '', '" + Path(file) + "');\n";
    }
    void ExpectValid(const std::string& document, const std::string& namespaceUri) {
        ProjectSchemaStore store(folder_);
        ASSERT_TRUE(store.Opened());
        ASSERT_TRUE(store.Holds(namespaceUri));
        const auto errors = store.Errors(document);
        EXPECT_TRUE(errors.empty()) << errors.front() << "\n" << document;
    }
    // The document ends with `closingElements` and declares the etd types of 2011/06/21; its schema refuses
    // it with the bare flag in their place or with the types of 2016/01/25.
    void ExpectClosingAndTypes(const std::string& document, const std::string& closingElements) {
        EXPECT_EQ(closing::Tail(document), "</PozycjeSzczegolowe>" + closingElements + "</Deklaracja>");
        EXPECT_NE(document.find("xmlns:etd=\"" + closing::kEtd2011 + "\""), std::string::npos) << document;
        EXPECT_EQ(document.find(closing::kEtd2016), std::string::npos) << document;
        ProjectSchemaStore store(folder_);
        EXPECT_FALSE(store.Errors(closing::WithFlagClosing(document)).empty()) << "the closing statements are required";
        EXPECT_FALSE(store.Errors(closing::ReplacedAll(document, closing::kEtd2011, closing::kEtd2016)).empty())
            << "the payer is checked under the types of 2011/06/21";
    }
};

TEST_F(Pit4rScript, TheAdvancesOfThePayrollYearMonthByMonth) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript(Make(18, 6, 2024, "",
                             "for (var m = 0; m < 12; m++)\n"
                             "    print('miesiąc ' + (m + 1) + ': ' + [d['P_' + (m < 6 ? 9 + m : 15 + m)],\n"
                             "          d['P_' + (m < 6 ? 15 + m : 21 + m)], d['P_' + (109 + m)], d['P_' + (133 + m)],\n"
                             "          d['P_' + (157 + m)]].join(' '));\n"
                             "var t = d.Termin;\n"
                             "print(d.Opis + ' nr ' + d.Numer + ', kwota ' + d.KwotaCalkowita + ', termin ' + t.getDate() + '.' +\n"
                             "      (t.getMonth() + 1) + '.' + t.getFullYear());\n",
                             "PIT-4R.xml")),
              0)
        << err_;
    EXPECT_EQ(out_,
              "miesiąc 1: 15 4322 502 4824 4824\n"
              "miesiąc 2: 15 4227 502 4729 4729\n"
              "miesiąc 3: 15 4211 502 4713 4713\n"
              "miesiąc 4: 15 4322 502 4824 4824\n"
              "miesiąc 5: 16 4449 502 4951 4951\n"
              "miesiąc 6: 16 5899 502 6401 6401\n"
              "miesiąc 7: 16 8791 502 9293 9293\n"
              "miesiąc 8: 16 8665 502 9167 9167\n"
              "miesiąc 9: 15 8648 502 9150 9150\n"
              "miesiąc 10: 15 9199 502 9701 9701\n"
              "miesiąc 11: 14 9434 502 9936 9936\n"
              "miesiąc 12: 15 9549 246 9795 9795\n"
              "PIT-4R za 2024 nr 1, kwota 87484, termin 31.1.2025\n");

    const std::string document = Read(Path("PIT-4R.xml"));
    EXPECT_NE(document.find("kodSystemowy=\"PIT-4R (6)\" kodPodatku=\"PIT\" rodzajZobowiazania=\"P\""), std::string::npos)
        << document;
    EXPECT_NE(document.find("<PozycjeSzczegolowe><P_9>15</P_9>"), std::string::npos) << document;
    EXPECT_NE(document.find("<P_15>4322</P_15>"), std::string::npos) << document;
    EXPECT_NE(document.find("<P_109>502</P_109>"), std::string::npos) << document;
    EXPECT_NE(document.find("<P_168>9795</P_168></PozycjeSzczegolowe>"), std::string::npos) << document;
    ExpectValid(document, "http://crd.gov.pl/wzor/2015/12/22/3031/");
    ExpectClosingAndTypes(document, closing::Pit4r(6));
    ProjectSchemaStore store(folder_);
    std::string missing = document;
    missing.erase(missing.find("<P_157>4824</P_157>"), std::string("<P_157>4824</P_157>").size());
    EXPECT_FALSE(store.Errors(missing).empty()) << "the amounts to pay are required";
}

// Each earlier version in one of its years (no payroll then), with amounts typed for January; the period outside the version
// is refused before anything is calculated.
TEST_F(Pit4rScript, TheEarlierVersionsInTheirYears) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    struct Row {
        int version, year, first;
        const char* ns;
        const char* refused;
    } rows[] = {
        {3, 2012, 19, "http://crd.gov.pl/wzor/2011/12/12/718/", "od 01.01.2011 do 01.12.2012"},
        {4, 2013, 9, "http://crd.gov.pl/wzor/2013/11/21/1378/", "od 01.01.2013 do 01.12.2013"},
        {5, 2014, 9, "http://crd.gov.pl/wzor/2014/12/08/1883/", "od 01.01.2014 do 01.12.2014"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.version);
        const std::string file = "PIT-4R_" + std::to_string(row.version) + ".xml";
        const int p = row.first;
        // Rows 2 and 10 of January, which no payroll fills.
        const std::string fill = "d['P_" + std::to_string(p + 24) + "'] = 300; d['P_" + std::to_string(p + 112) +
                                 "'] = 50;\n";
        ASSERT_EQ(RunScript(Make(18, row.version, row.year, fill,
                                 "print(d['P_" + std::to_string(p + 148) + "'], d.KwotaCalkowita);\n", file)),
                  0)
            << err_;
        EXPECT_EQ(out_, "350 350\n");
        const std::string document = Read(Path(file));
        EXPECT_NE(document.find("kodSystemowy=\"PIT-4R (" + std::to_string(row.version) + ")\""), std::string::npos);
        ExpectValid(document, row.ns);
        ExpectClosingAndTypes(document, closing::Pit4r(row.version));

        ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                            "d.TypDeklar = 18; d.Wersja = " + std::to_string(row.version) + "; d.Rok = 2024;\n"
                            "try { d.Policz(); print('policzona'); } catch (e) { print(e.description); }\n"),
                  0)
            << err_;
        EXPECT_NE(out_.find(std::string("Formularz deklaracji obowiązuje za okres ") + row.refused + "."),
                  std::string::npos)
            << out_;
    }
    // The PIT-4R (3) wraps the payer's address, from the company's settings, in an element of the form's own
    // namespace; its schema refuses the wrapper in the etd types, where the module wrote it before.
    const std::string third = Read(Path("PIT-4R_3.xml"));
    const std::string address =
        "</etd:REGON></etd:OsobaNiefizyczna><AdresZamieszkaniaSiedziby rodzajAdresu=\"RAD\"><etd:AdresPol>"
        "<etd:KodKraju>PL</etd:KodKraju><etd:Wojewodztwo>mazowieckie</etd:Wojewodztwo>";
    EXPECT_NE(third.find(address), std::string::npos) << third;
    std::string before = closing::ReplacedAll(third, "<AdresZamieszkaniaSiedziby ", "<etd:AdresZamieszkaniaSiedziby ");
    before = closing::ReplacedAll(before, "</AdresZamieszkaniaSiedziby>", "</etd:AdresZamieszkaniaSiedziby>");
    ASSERT_NE(before.find("<etd:AdresZamieszkaniaSiedziby rodzajAdresu=\"RAD\"><etd:AdresPol>"), std::string::npos);
    ProjectSchemaStore store(folder_);
    EXPECT_FALSE(store.Errors(before).empty()) << "the address's element in the etd types";
    // The PIT-4R (5) keeps its payer wholly in the etd types.
    const std::string fifth = Read(Path("PIT-4R_5.xml"));
    EXPECT_NE(fifth.find("<Podmiot1 rola=\"Płatnik\"><etd:OsobaNiefizyczna><etd:NIP>5260250274</etd:NIP>"),
              std::string::npos)
        << fifth;
}

// The PIT-4R (6) and PIT-8AR (6) of the demo company and of a payer who is a person: the payer's element in
// the form's own namespace, a body's identification inside it in the etd types, a person's in the form's
// namespace too. Each document is valid against its schema, which refuses the same payer written wholly in
// the etd types, as the module wrote it before.
TEST_F(Pit4rScript, TheSixthVariantsWriteThePayerInTheFormsNamespace) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    struct Payer {
        std::string fill, written, before;
    } payers[] = {
        {"",
         "<Podmiot1 rola=\"Płatnik\"><OsobaNiefizyczna><etd:NIP>5260250274</etd:NIP><etd:PelnaNazwa>Przykładowa "
         "Spółka z o.o.</etd:PelnaNazwa><etd:REGON>012345675</etd:REGON></OsobaNiefizyczna></Podmiot1>",
         "<Podmiot1 rola=\"Płatnik\"><etd:OsobaNiefizyczna><etd:NIP>5260250274</etd:NIP><etd:PelnaNazwa>Przykładowa "
         "Spółka z o.o.</etd:PelnaNazwa><etd:REGON>012345675</etd:REGON></etd:OsobaNiefizyczna></Podmiot1>"},
        {"d.P_7 = 2; d.ImiePierwsze = 'Jan'; d.Nazwisko = 'Kowalski'; d.DataUrodzenia = '1970-05-14';\n",
         "<Podmiot1 rola=\"Płatnik\"><OsobaFizyczna><NIP>5260250274</NIP><ImiePierwsze>Jan</ImiePierwsze>"
         "<Nazwisko>Kowalski</Nazwisko><DataUrodzenia>1970-05-14</DataUrodzenia></OsobaFizyczna></Podmiot1>",
         "<Podmiot1 rola=\"Płatnik\"><etd:OsobaFizyczna><etd:NIP>5260250274</etd:NIP><etd:ImiePierwsze>Jan"
         "</etd:ImiePierwsze><etd:Nazwisko>Kowalski</etd:Nazwisko><etd:DataUrodzenia>1970-05-14</etd:DataUrodzenia>"
         "</etd:OsobaFizyczna></Podmiot1>"},
    };
    const struct {
        int type;
        const char* ns;
    } forms[] = {{18, "http://crd.gov.pl/wzor/2015/12/22/3031/"}, {19, "http://crd.gov.pl/wzor/2015/12/21/3014/"}};
    for (const auto& form : forms) {
        for (const Payer& payer : payers) {
            SCOPED_TRACE(std::to_string(form.type) + (payer.fill.empty() ? " body" : " person"));
            ASSERT_EQ(RunScript(Make(form.type, 6, 2016, payer.fill, "", "payer.xml")), 0) << err_;
            const std::string document = Read(Path("payer.xml"));
            EXPECT_NE(document.find(payer.written), std::string::npos) << document;
            ExpectValid(document, form.ns);
            ProjectSchemaStore store(folder_);
            const std::string before = closing::ReplacedAll(document, payer.written, payer.before);
            ASSERT_NE(before.find(payer.before), std::string::npos);
            EXPECT_FALSE(store.Errors(before).empty()) << "the payer wholly in the etd types";
        }
    }
}

TEST_F(Pit4rScript, TheDemoSavesAndWritesThePit4rOfThePayrollYear) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  PIT-4R nr 1: zaliczki ze stosunku pracy 81716, z umów zlecenia 5768, do wpłaty 87484 zł, "
                        "termin 31.1.2025\n    miesiąc 1: 15 podatników, 4322 + 502 = 4824\n"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  PIT-4R_6_2024.xml ("), std::string::npos) << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

TEST_F(Pit4rScript, TheFlatRateReturnOfTheAmountsTheUserEntered) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript(Make(19, 6, 2024, "d.P_9 = 45; d.P_108 = 190.4;\n",
                             "print(d.Opis, d.P_177, d.P_180, d.P_204, d.KwotaCalkowita);\n", "PIT-8AR.xml")),
              0)
        << err_;
    EXPECT_EQ(out_, "PIT-8AR za 2024 45 190 190 235\n") << "amounts in whole złoty";
    const std::string document = Read(Path("PIT-8AR.xml"));
    EXPECT_NE(document.find("kodSystemowy=\"PT-8AR (6)\" kodPodatku=\"PPR\" rodzajZobowiazania=\"P\""),
              std::string::npos)
        << document;
    EXPECT_NE(document.find("<P_212>0</P_212></PozycjeSzczegolowe>"), std::string::npos) << document;
    ExpectValid(document, "http://crd.gov.pl/wzor/2015/12/21/3014/");
    ExpectClosingAndTypes(document, closing::Pit8ar6());
}

}  // namespace
