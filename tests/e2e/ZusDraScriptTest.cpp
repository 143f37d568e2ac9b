// The monthly ZUS DRA of the demo company as a host script makes it: March 2024 calculated through the
// form in version 3 with its progress shown, saved, and read back with its reports in a new session; the
// same month in version 4; the owner's DRA of card 11. The figures are checked against each other as
// the DRA's blocks relate them (what is due is the contributions less the deducted benefits, the total
// adds health and the funds, version 4 sums the same contributions in its own layout, the stored
// reports are the ones the DRA counts).
#include "TlxhostFixture.h"

#include <cmath>
#include <map>
#include <regex>
#include <sstream>
#include <string>

namespace {

class ZusDraScript : public TlxhostDemoTest {
protected:
    // The printed line that starts with `label`, split at its spaces.
    std::map<std::string, std::string> Values(const std::string& label) {
        std::map<std::string, std::string> values;
        std::istringstream lines(out_);
        for (std::string line; std::getline(lines, line);) {
            if (!line.starts_with(label + " ")) continue;
            std::istringstream words(line.substr(label.size() + 1));
            for (std::string key, value; words >> key >> value;) values[key] = value;
        }
        return values;
    }
    static long Grosze(const std::string& amount) { return std::lround(std::stod(amount) * 100.0); }
};

constexpr char kScript[] = R"(
var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');
function Dra(wersja, pracownik) {
    var d = deklaracje.AddNew();
    d.TypDeklar = 120; d.Wersja = wersja; d.Rok = 2024; d.Miesiac = 3; d.Numer = wersja;
    if (pracownik) d.Pracownik = Session.CreateObject('TLX.Pracownicy').Item(String(pracownik));
    d.DADRAIDENT = wersja * 1000000 + 32024;
    d.OSWIADCZENIE = new Date(2024, 3, 10);
    d.AdviseProgress(Postep);
    d.Policz();
    return d;
}
function Pokaz(etykieta, d) {
    print(etykieta, 'INN7', d.INN7UBEZP, 'ZSDRAI', d.ZSDRAIKWOTA, 'ZWDRA', d.ZWDRARAZEM, 'RIVDRA', d.RIVDRAZAPLATA,
          'ZSDRA', d.ZSDRAKWOTA, 'ZDRAV', d.ZDRAVKWOTA, 'LSKD', d.LSKDKWOTA, 'RCA', d.OPLSNORCA, 'RZA', d.OPLSNORZA,
          'RSA', d.OPLSNORSA, 'OPLS', d.OPLSLICZBARAPORTOW, 'TERMIN', d.DADRATERMIN);
}
var d3 = Dra(3);
Pokaz('V3', d3);
Session.Save();
var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d3.ID));
Pokaz('ZAPISANA', w);
var raporty = 0;
for (var e = new Enumerator(w.Deklaracje); !e.atEnd(); e.moveNext()) {
    var r = e.item();
    raporty++;
    if (r.TypDeklar != 121) continue;
    var t = String(r.Tekst).replace(/\r/g, '').split('\n');
    var i = 0;
    while (i < t.length && t[i] != '<DDORCA>') i++;
    print('RCA', 'BLOK', t.slice(i, i + 6).join('|'));
}
print('RAPORTY', 'ZAPISANE', raporty);
Pokaz('V4', Dra(4));
var w11 = Dra(3, 11);
Pokaz('WLASCICIEL', w11);
print('DDDU', 'TYUB', w11.DDDUTYUB, 'ER', w11.DDDUPODSTAWAER, 'Z', w11.DDDUPODSTAWAZ);
)";

TEST_F(ZusDraScript, TheDrasOfMarchInBothLayoutsAndTheOwnersOwn) {
    ASSERT_EQ(RunScript(kScript), 0) << err_ << out_;
    EXPECT_NE(out_.find("[postęp] Sumowanie wartości"), std::string::npos) << out_;

    auto v3 = Values("V3");
    ASSERT_FALSE(v3.empty()) << out_;
    // Due: the contributions less the benefits deducted; the total adds health, FP and FGŚP.
    EXPECT_EQ(Grosze(v3["ZSDRAI"]) - Grosze(v3["ZWDRA"]), Grosze(v3["RIVDRA"])) << out_;
    EXPECT_EQ(Grosze(v3["RIVDRA"]) + Grosze(v3["ZSDRA"]) + Grosze(v3["ZDRAV"]), Grosze(v3["LSKD"])) << out_;
    EXPECT_EQ(std::stol(v3["RCA"]) + std::stol(v3["RZA"]) + std::stol(v3["RSA"]), std::stol(v3["OPLS"]));
    EXPECT_GT(std::stol(v3["INN7"]), 0);
    EXPECT_GT(std::stol(v3["RSA"]), 0) << "March has a sickness allowance";

    // Stored and read back as calculated, with the reports the DRA counts.
    auto stored = Values("ZAPISANA");
    for (const char* key : {"INN7", "ZSDRAI", "LSKD", "OPLS"}) EXPECT_EQ(stored[key], v3[key]) << key;
    EXPECT_EQ(Values("RAPORTY")["ZAPISANE"], v3["OPLS"]) << out_;
    EXPECT_TRUE(std::regex_search(out_, std::regex("RCA BLOK <DDORCA>\\|[^|\\n]+\\|"))) << out_;

    // Version 4 sums the same contributions in its own layout.
    auto v4 = Values("V4");
    for (const char* key : {"INN7", "ZSDRAI", "ZWDRA", "RIVDRA", "LSKD", "OPLS"}) EXPECT_EQ(v4[key], v3[key]) << key;

    // The owner's DRA takes his one report into its own fields and attaches none.
    auto owner = Values("WLASCICIEL");
    EXPECT_EQ(owner["INN7"], "1");
    EXPECT_EQ(owner["OPLS"], "0");
    EXPECT_EQ(Values("DDDU")["TYUB"].substr(0, 3), "510") << out_;
    EXPECT_GT(Grosze(Values("DDDU")["ER"]), 0) << out_;
}

TEST_F(ZusDraScript, TheDemoPrintsTheDraOfMarchWithItsReports) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("DRA nr 1 za 03/2024"), std::string::npos) << out_;
    EXPECT_TRUE(std::regex_search(out_, std::regex("    RCA w wersji 1: ubezpieczonych [1-9]"))) << out_;
    EXPECT_TRUE(std::regex_search(out_, std::regex("    RSA w wersji 1: ubezpieczonych [1-9]"))) << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

}  // namespace
