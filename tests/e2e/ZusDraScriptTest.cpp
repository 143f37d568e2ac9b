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

// The demo month of March 2024 as a person works it out from db/demo.sql at 2024's rates (pension
// 9.76 % + 9.76 %, disability 1.5 % + 6.5 %, sickness 2.45 %, accident 1.67 %, FP 2.45 % from a base of
// 4 242.00, FGŚP 0.10 %, FEP 1.5 %, health 9 % of the gross less the insured's social contributions), each
// contribution rounded half up per element. The script prints every innermost block of the stored DRA
// texts as "LABEL BLOCK v1|v2|...".
constexpr char kHandScript[] = R"(
var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');
function Dra(wersja, pracownik) {
    var d = deklaracje.AddNew();
    d.TypDeklar = 120; d.Wersja = wersja; d.Rok = 2024; d.Miesiac = 3; d.Numer = wersja + (pracownik ? 10 : 0);
    if (pracownik) d.Pracownik = Session.CreateObject('TLX.Pracownicy').Item(String(pracownik));
    d.DADRAIDENT = wersja * 1000000 + 32024;
    d.OSWIADCZENIE = new Date(2024, 3, 10);
    d.Policz();
    return d;
}
// Each block of a stored text as "NAME v1|v2|...", the blocks of one person by the surname.
function Bloki(etykieta, tekst, nazwisko) {
    var t = String(tekst).replace(/\r/g, '').split('\n');
    for (var i = 0; i < t.length; i++) {
        var m = /^<([A-Z0-9]+)>$/.exec(t[i]);
        if (!m) continue;
        var j = i + 1;
        while (j < t.length && t[j] != '</' + m[1] + '>') j++;
        var wartosci = t.slice(i + 1, j);
        if (wartosci.join('').indexOf('<') >= 0) continue;
        if (!nazwisko || wartosci[0] == nazwisko) print(etykieta, m[1], wartosci.join('|'));
        i = j;
    }
}
var d3 = Dra(3), d4 = Dra(4), w11 = Dra(3, 11);
var fep = d3.KWOTAFEP;
Session.Save();
var s = Session.Login.CreateSession();
function Odczyt(d) { return s.CreateObject('TLXDeklaracje.Deklaracje', String(d.ID)); }
Bloki('V3', Odczyt(d3).Tekst);
for (var e = new Enumerator(Odczyt(d3).Deklaracje); !e.atEnd(); e.moveNext())
    if (e.item().TypDeklar == 121) Bloki('RCA', e.item().Tekst, 'Kowalski');
Bloki('V4', Odczyt(d4).Tekst);
Bloki('WLASCICIEL', Odczyt(w11).Tekst);
print('POLA', 'FEP', fep);
)";

TEST_F(ZusDraScript, TheDemoMonthMatchesTheSumsWorkedOutByHand) {
    ASSERT_EQ(RunScript(kHandScript), 0) << err_ << out_;
    auto block = [&](const std::string& label, const std::string& name) {
        std::smatch found;
        const std::regex line("(^|\n)" + label + " " + name + " ([^\n]*)");
        return std::regex_search(out_, found, line) ? found[2].str() : std::string("(brak)");
    };

    // Jan Kowalski (card 1, title 0110, full time), gross 4 666.00:
    //   pension 4 666.00 × 9.76 % = 455.4016 → 455.40 each side; disability × 1.5 % = 69.99 (insured),
    //   × 6.5 % = 303.29 (payer); sickness × 2.45 % = 114.317 → 114.32; accident × 1.67 % = 77.9222 → 77.92;
    //   health base 4 666.00 − 455.40 − 69.99 − 114.32 = 4 026.29, health × 9 % = 362.3661 → 362.37;
    //   all contributions 455.40 + 69.99 + 114.32 + 362.37 + 455.40 + 303.29 + 77.92 = 1 838.69.
    EXPECT_EQ(block("RCA", "DDORCA"),
              "Kowalski|Jan|P|80010112340|11000||1 1|4666.00|4666.00|4026.29|455.40|69.99|114.32|362.37|455.40|303.29|"
              "77.92|0.00|1838.69|0|0.00|0.00|0|0.00|0.00");

    // The company's DRA. Seventeen ordinary pay and contract elements in March (cards 1, 2, 3 (a contract
    // of Anna Nowak's second card), 4 to 9, 13 to 20; card 14 only 183.33 of pay beside his sick pay and
    // allowance), per element rounded:
    //   card  gross     pension  dis.ins  dis.pay  sick    accident  FP      FGŚP   health
    //   1     4666.00   455.40   69.99    303.29   114.32   77.92    114.32  4.67   362.37
    //   2     2500.00   244.00   37.50    162.50    61.25   41.75      0     2.50   194.15
    //   3     1200.00   117.12   18.00     78.00     0      20.04      0     1.20    95.84
    //   4     6200.00   605.12   93.00    403.00   151.90  103.54    151.90  6.20   481.50  (FEP 93.00)
    //   5     3600.00   351.36   54.00    234.00    88.20   60.12      0     3.60   279.58
    //   6     5200.00   507.52   78.00    338.00   127.40   86.84    127.40  5.20   403.84
    //   7     4900.00   478.24   73.50    318.50   120.05   81.83    120.05  4.90   380.54
    //   8    25000.00  2440.00  375.00   1625.00   612.50  417.50    612.50 25.00  1941.53
    //   9     3000.00   292.80   45.00    195.00     0      50.10      0     3.00   239.60
    //   13    4400.00   429.44   66.00    286.00   107.80   73.48    107.80  4.40   341.71
    //   14     183.33    17.89    2.75     11.92     4.49    3.06      0     0.18    14.24
    //   15    4800.00   468.48   72.00    312.00   117.60   80.16    117.60  4.80   372.77
    //   16    5100.00   497.76   76.50    331.50   124.95   85.17    124.95  5.10   396.07
    //   17    4300.00   419.68   64.50    279.50   105.35   71.81    105.35  4.30   333.94
    //   18    5000.00   488.00   75.00    325.00   122.50   83.50    122.50  5.00   388.31
    //   19    4500.00   439.20   67.50    292.50   110.25   75.15    110.25  4.50   349.47
    //   20    2400.00   234.24   36.00    156.00    58.80   40.08      0     2.40   186.39
    //   sum            8486.25  1304.24  5651.71  2027.36 1452.05   1814.62 86.95  6761.85
    // (pension is the same on both sides). The owner (card 11, 0510) pays everything herself on her
    // declared base 4 694.40: pension 19.52 % = 916.35, disability 8 % = 375.55, sickness 115.01,
    // accident 78.40, FP 115.01, health 9 % of 4 242.00 = 381.78. Paweł Jankowski's sick pay 1 012.48
    // and sickness allowance 2 657.76 carry health 91.12 + 239.20; the health-only contract of card 10,
    // 1 500.00 × 9 % = 135.00.
    //   pension 8 486.25 + 916.35 = 9 402.60 insured, 8 486.25 payer, 17 888.85 in all;
    //   disability 1 304.24 + 375.55 = 1 679.79 insured, 5 651.71 payer, 7 331.50 in all;
    //   sickness 2 027.36 + 115.01 = 2 142.37; accident 1 452.05 (payer) + 78.40 (the owner) = 1 530.45;
    //   due 14 137.96 + 11 082.39 + 2 220.77 + 1 452.05 = 28 893.17, less the allowance 2 657.76
    //   (the sick pay is the payer's own) = 26 235.41;
    //   health 6 761.85 + 91.12 + 239.20 + 135.00 + 381.78 = 7 608.95; FP 1 814.62 + 115.01 = 1 929.63,
    //   FGŚP 86.95, the funds 2 016.58; to pay 26 235.41 + 7 608.95 + 2 016.58 = 35 860.94.
    // Eighteen persons: the twenty cards less the card of May's new employee and Anna Nowak's second card.
    EXPECT_EQ(block("V3", "INN7"), "18|0|0|1.67");
    // One RCA, one RZA (the health-only contract of card 10) and one RSA (card 14's sick pay and allowance).
    EXPECT_EQ(block("V3", "OPLS"), "1|0|1|1|0|3|10042024");
    EXPECT_EQ(block("V3", "ZSDRAI"),
              "17888.85|7331.50|25220.35|9402.60|1679.79|11082.39|8486.25|5651.71|14137.96|0.00|0.00|0.00|0.00|0.00|"
              "0.00|0.00|0.00|0.00|2142.37|1530.45|3672.82|2142.37|78.40|2220.77|1452.05|1452.05|0.00|0.00|0.00|"
              "0.00|0.00|28893.17");
    EXPECT_EQ(block("V3", "ZWDRA"), "2657.76|0.00|0.00|0.00|2657.76");
    EXPECT_EQ(block("V3", "RIVDRA"), "|26235.41");
    EXPECT_EQ(block("V3", "ZSDRA"), "7608.95|0.00|0.00|7608.95");
    EXPECT_EQ(block("V3", "ZDRAV"), "1929.63|86.95|2016.58");
    EXPECT_EQ(block("V3", "LSKD"), "35860.94");
    EXPECT_EQ(block("POLA", "FEP"), "93") << "the FEP of card 4: 6 200.00 × 1.5 %";

    // Version 4 puts the payer's sickness and accident shares into positions 13 to 15 and 25 to 27.
    EXPECT_EQ(block("V4", "ZSDRAI"),
              "17888.85|7331.50|25220.35|9402.60|1679.79|11082.39|8486.25|5651.71|14137.96|0.00|0.00|0.00|0.00|"
              "1452.05|1452.05|0.00|0.00|0.00|2142.37|1530.45|3672.82|2142.37|78.40|2220.77|0.00|1452.05|1452.05|"
              "0.00|0.00|0.00|0.00|28893.17");
    EXPECT_EQ(block("V4", "LSKD"), "35860.94");

    // The owner's own DRA: her one report moved into DDDU, her shares as the insured's, deadline 3 → 4:
    //   916.35 + 375.55 = 1 291.90; 115.01 + 78.40 = 193.41; due 1 485.31; with health 381.78 and FP
    //   115.01 (no FGŚP for an owner) 1 982.10.
    EXPECT_EQ(block("WLASCICIEL", "DADRA"), "4");
    EXPECT_EQ(block("WLASCICIEL", "DDDU"), "51000|4694.40|4694.40|4242.00|");
    EXPECT_EQ(block("WLASCICIEL", "INN7"), "1|0|0|1.67");
    EXPECT_EQ(block("WLASCICIEL", "ZSDRAI"),
              "916.35|375.55|1291.90|916.35|375.55|1291.90|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|0.00|"
              "0.00|115.01|78.40|193.41|115.01|78.40|193.41|0.00|0.00|0.00|0.00|0.00|0.00|0.00|1485.31");
    EXPECT_EQ(block("WLASCICIEL", "ZSDRA"), "381.78|0.00|0.00|381.78");
    EXPECT_EQ(block("WLASCICIEL", "ZDRAV"), "115.01|0.00|115.01");
    EXPECT_EQ(block("WLASCICIEL", "LSKD"), "1982.10");
    EXPECT_EQ(block("WLASCICIEL", "OPLS"), "0|0|0|0|0|0|10042024");
}

TEST_F(ZusDraScript, TheDemoPrintsTheDraOfMarchWithItsReports) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("DRA nr 1 za 03/2024"), std::string::npos) << out_;
    EXPECT_TRUE(std::regex_search(out_, std::regex("    RCA w wersji 1: ubezpieczonych [1-9]"))) << out_;
    EXPECT_TRUE(std::regex_search(out_, std::regex("    RSA w wersji 1: ubezpieczonych [1-9]"))) << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

}  // namespace
