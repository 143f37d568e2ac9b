// The PFRON INF-D of the demo company's March 2024 as a host script makes it: calculated by Policz, read
// back in a new session with its INF-D-P attachments, and written as application files through SAVETO.
// The form's declaration hears the calculation's own steps as well as its form's.
//
// Four disabled employees qualify, each by a payout of March (refund status 3, the minimum wage of
// 2023-12-31, 3 600.00): Anna Nowak (moderate, half time: 2 500.00, reduced by 9.76 % to 244.00, 0,500 of
// a month), Katarzyna Wójcik (light, 3/4: no reduction), Tomasz Lewandowski (significant: 5 200.00 × 9.76 %
// = 507.52) and Magdalena Kamińska (light in March). The secondary card of Anna Nowak is paid under a
// contract (title 0411), which is neither an employee's nor a homeworker's title.
#include "TlxhostFixture.h"

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

class PfronInfdScript : public TlxhostDemoTest {};

TEST_F(PfronInfdScript, TheInfdOfMarchWithItsAttachmentsAndFiles) {
    std::filesystem::create_directories(Path("sod"));
    ASSERT_EQ(RunScript(
                  "var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                  "var d = deklaracje.AddNew();\n"
                  "d.TypDeklar = 300; d.Wersja = 3; d.Rok = 2024; d.Miesiac = 3; d.Numer = 1;\n"
                  "d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                  "d.RODZAJINFORMACJI = 'Z';\n"
                  "d.AdviseProgress(Postep);\n"
                  "d.Policz();\n"
                  "Session.Save();\n"
                  "print('w deklaracji:', d.LICZBAINFDP, 'do przeliczenia:', d.DOPRZELICZENIA);\n"
                  "var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                  "print('INF-D', w.OKRESSPRAWOZDAWCZY, 'NRPFRON', w.NRPFRON, 'NIP', w.NIP, 'REGON', w.REGON,\n"
                  "      'INF-D-P:', w.LICZBAINFDP, 'INF-D-Z:', w.LICZBAINFDZ);\n"
                  "print(w.IMIENAZWISKOOSOBYPODPISUJACEJ, '|', w.SKRNAZWPRACODAWCY, '|', w.EMAIL, w.TELEFON);\n"
                  "for (var e = new Enumerator(w.Deklaracje); !e.atEnd(); e.moveNext()) {\n"
                  "    var a = e.item();\n"
                  "    print(a.NRKOLEJNY, a.NAZWISKO, a.IMIE1, a.PESEL, a.WOJEWODZTWO, 'osiągane', a.WYNOSIAGANE,\n"
                  "          'wypłacone', a.WYNWYPLACONE, 'minimalne', a.WYNMINIMALNE, 'pomniejszenia', a.POMNIEJSZENIA);\n"
                  "    print('   chron', [a.CHRONZNACZNY, a.CHRONUMIARKOWANY, a.CHRONLEKKI, a.CHRONSZNACZNY,\n"
                  "                        a.CHRONSUMIARKOWANY, a.CHRONSLEKKI].join(' '),\n"
                  "          'norm', [a.NORMZNACZNY, a.NORMUMIARKOWANY, a.NORMLEKKI, a.NORMSZNACZNY,\n"
                  "                   a.NORMSUMIARKOWANY, a.NORMSLEKKI].join(' '));\n"
                  "}\n"
                  "w.SAVETO = '" + Path("sod") + "';\n"),
              0)
        << err_;
    EXPECT_EQ(out_, Source("golden/pfron-infd.out"));
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(Path("sod")))
        files.push_back(entry.path().filename().string());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"infd_03-2024.xml", "infdp_03-2024_60090876549.xml",
                                               "infdp_03-2024_77031545679.xml", "infdp_03-2024_85050554327.xml",
                                               "infdp_03-2024_88112233440.xml"}));
    const std::string main = Read(Path("sod/infd_03-2024.xml"));
    EXPECT_NE(main.find("liczbaINFDP=\"4\""), std::string::npos) << main;
    EXPECT_NE(main.find("skroconaNazwaPracodawcy=\"Przykładowa Sp. z o.o.\""), std::string::npos) << main;
}

// A new INF-D of every form version is calculated by its form and saved: nothing the calculation fills
// is demanded by the save before it.
TEST_F(PfronInfdScript, ANewInfdOfEveryVersionIsCalculatedAndSaved) {
    ASSERT_EQ(RunScript("for (var wersja = 1; wersja <= 3; ++wersja) {\n"
                        "    var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "    d.TypDeklar = 300; d.Wersja = wersja; d.Rok = 2024; d.Miesiac = 3;\n"
                        "    d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                        "    d.RODZAJINFORMACJI = 'Z';\n"
                        "    d.Policz();\n"
                        "    Session.Save();\n"
                        "    var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                        "    print(wersja, w.OKRESSPRAWOZDAWCZY, w.LICZBAINFDP, w.Deklaracje.Count);\n"
                        "}\n"),
              0)
        << err_;
    EXPECT_EQ(out_, "1 03-2024 4 4\n2 03-2024 4 4\n3 03-2024 4 4\n");
}

}  // namespace
