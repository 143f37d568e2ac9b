// The VAT-7 of 2014 to 2016 on the demo company, and the VAT-7K and VAT-7D of each version: the month's sales and
// purchases of the demo's ledger (sales at 23 % 125 000.40 with 28 750.09 tax, other purchases 50 000 with
// 11 500.49 input tax) in each version's positions, worked out by hand: 125 000 of bases, 28 750 due,
// 11 500 input tax, 17 250 to pay (P_48 of the VAT-7(14); with no advances paid, all of it left to pay on the
// VAT-7D). Each
// monthly and quarterly document is written under its variant's namespace and code, with the taxpayer and
// the closing statements as the variant has them, and is valid against the variant's schema; a period
// outside a version's months is refused. The VAT-7 (15) and its VAT-7K (9) and VAT-7D (6) also serve the
// first half of 2016, beside the (16) family.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <ctime>
#include <string>

namespace {

// The closing statements of the variants of July 2015 to July 2016: the first cites the position of the
// tax to pay (written "poz.54" on the VAT-7D (6)), the second is the same on each.
std::string TwoStatements(const std::string& poz) {
    return "<Pouczenie1>W przypadku niewpłacenia w obowiązującym terminie kwoty z " + poz +
           " lub wpłacenia jej w niepełnej wysokości, niniejsza deklaracja stanowi podstawę do wystawienia tytułu "
           "wykonawczego zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w "
           "administracji (Dz. U. z 2014 r. poz. 1619, z późn. zm.).</Pouczenie1>"
           "<Pouczenie2>Za podanie nieprawdy lub zatajenie prawdy i przez to narażenie podatku na uszczuplenie grozi "
           "odpowiedzialność przewidziana w Kodeksie karnym skarbowym.</Pouczenie2>";
}

// The closing statements of the variants of April 2013 to June 2015: the instruction citing the tax to pay
// (poz. 48, or 51 on the VAT-7D (5), which writes "poz.1015" without the blank) and the taxpayer's statement.
std::string InstructionAndStatement(const std::string& poz, const std::string& dz) {
    return "<Pouczenie>W przypadku niewpłacenia w obowiązującym terminie kwoty z " + poz +
           " lub wpłacenia jej w niepełnej wysokości, niniejsza deklaracja stanowi podstawę do wystawienia tytułu "
           "wykonawczego, zgodnie z przepisami ustawy z dnia 17 czerwca 1966 r. o postępowaniu egzekucyjnym w "
           "administracji (Dz.U. z 2012 r. " + dz + ", z późn. zm.).</Pouczenie>"
           "<Oswiadczenie>Oświadczam, że są mi znane przepisy Kodeksu karnego skarbowego o odpowiedzialności za "
           "podanie danych niezgodnych z rzeczywistością.</Oswiadczenie>";
}

const std::string kEtd2011 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2011/06/21/eD/DefinicjeTypy/";
const std::string kEtd2016 = "http://crd.gov.pl/xml/schematy/dziedzinowe/mf/2016/01/25/eD/DefinicjeTypy/";

struct Variant {
    int wersja, rok, miesiac, okres, vat7d;
    const char* namespaceUri;
    const char* header;  // the form's code and variant
    int other, pay;       // positions of the other purchases' net value and of the tax to pay
    const char* period;   // the header's period element
    int left;             // the VAT-7D's position of what is left to pay after the advances
    std::string etd;      // the etd types the document declares
    const char* taxpayer; // the taxpayer's element as written: in the form's namespace or the etd types
    std::string closing;  // what follows the positions
    int badDebt, input;   // the bad-debt correction of the input tax (0: no row of its own) and the total input tax
    int filled;           // the date the declaration was filled in, given on calculation
};

const char* const kOwnTaxpayer = "<Podmiot1 rola=\"Podatnik\"><OsobaNiefizyczna><NIP>5260250274</NIP><PelnaNazwa>";
const char* const kEtdTaxpayer =
    "<Podmiot1 rola=\"Podatnik\"><etd:OsobaNiefizyczna><etd:NIP>5260250274</etd:NIP><etd:PelnaNazwa>";

const Variant kVariants[] = {
    {16, 2016, 3, 1, 0, "http://crd.gov.pl/wzor/2016/01/18/3120/",
     "<KodFormularza kodSystemowy=\"VAT-7 (16)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7</KodFormularza><WariantFormularza>16</WariantFormularza>",
     44, 52, "<Miesiac>3</Miesiac>", 0, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 52"), 48, 49, 73},
    {16, 2016, 6, 2, 0, "http://crd.gov.pl/wzor/2016/01/18/3119/",
     "<KodFormularza kodSystemowy=\"VAT-7K (10)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7K</KodFormularza><WariantFormularza>10</WariantFormularza>",
     44, 52, "<Kwartal>2</Kwartal>", 0, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 52"), 48, 49, 73},
    {16, 2016, 6, 2, 1, "http://crd.gov.pl/wzor/2016/01/19/3122/",
     "<KodFormularza kodSystemowy=\"VAT-7D (7)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>7</WariantFormularza>",
     44, 52, "<Kwartal>2</Kwartal>", 55, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 55"), 48, 49, 80},
    {15, 2015, 9, 1, 0, "http://crd.gov.pl/wzor/2015/09/04/2567/",
     "<KodFormularza kodSystemowy=\"VAT-7 (15)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-1E\">"
     "VAT-7</KodFormularza><WariantFormularza>15</WariantFormularza>",
     43, 51, "<Miesiac>9</Miesiac>", 0, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 51"), 47, 48, 72},
    {15, 2015, 12, 2, 0, "http://crd.gov.pl/wzor/2015/07/09/2480/",
     "<KodFormularza kodSystemowy=\"VAT-7K (9)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7K</KodFormularza><WariantFormularza>9</WariantFormularza>",
     43, 51, "<Kwartal>4</Kwartal>", 0, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 51"), 47, 48, 72},
    {15, 2016, 3, 1, 0, "http://crd.gov.pl/wzor/2015/09/04/2567/",
     "<KodFormularza kodSystemowy=\"VAT-7 (15)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-1E\">"
     "VAT-7</KodFormularza><WariantFormularza>15</WariantFormularza>",
     43, 51, "<Rok>2016</Rok><Miesiac>3</Miesiac>", 0, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 51"), 47, 48, 72},
    {15, 2016, 6, 2, 0, "http://crd.gov.pl/wzor/2015/07/09/2480/",
     "<KodFormularza kodSystemowy=\"VAT-7K (9)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7K</KodFormularza><WariantFormularza>9</WariantFormularza>",
     43, 51, "<Rok>2016</Rok><Kwartal>2</Kwartal>", 0, kEtd2011, kOwnTaxpayer, TwoStatements("poz. 51"), 47, 48, 72},
    {15, 2015, 9, 2, 1, "http://crd.gov.pl/wzor/2015/07/09/2482/",
     "<KodFormularza kodSystemowy=\"VAT-7D (6)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>6</WariantFormularza>",
     43, 51, "<Kwartal>3</Kwartal>", 54, kEtd2011, kOwnTaxpayer, TwoStatements("poz.54"), 47, 48, 79},
    {17, 2016, 9, 2, 1, "http://crd.gov.pl/wzor/2016/08/05/3414/",
     "<KodFormularza kodSystemowy=\"VAT-7D (8)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>8</WariantFormularza>",
     45, 54, "<Kwartal>3</Kwartal>", 57, kEtd2016, kEtdTaxpayer, "<Pouczenia>1</Pouczenia>", 49, 51, 81},
    {14, 2014, 3, 1, 0, "http://crd.gov.pl/wzor/2013/04/09/1113/",
     "<KodFormularza kodSystemowy=\"VAT-7 (14)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7</KodFormularza><WariantFormularza>14</WariantFormularza>",
     41, 48, "<Miesiac>3</Miesiac>", 0, kEtd2011, kEtdTaxpayer, InstructionAndStatement("poz.48", "poz. 1015"), 0, 45, 69},
    {14, 2014, 6, 2, 0, "http://crd.gov.pl/wzor/2013/04/09/1114/",
     "<KodFormularza kodSystemowy=\"VAT-7K (8)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7K</KodFormularza><WariantFormularza>8</WariantFormularza>",
     41, 48, "<Kwartal>2</Kwartal>", 0, kEtd2011, kEtdTaxpayer, InstructionAndStatement("poz.48", "poz. 1015"), 0, 45, 69},
    {14, 2014, 9, 2, 1, "http://crd.gov.pl/wzor/2013/04/09/1112/",
     "<KodFormularza kodSystemowy=\"VAT-7D (5)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>5</WariantFormularza>",
     41, 48, "<Kwartal>3</Kwartal>", 51, kEtd2011, kEtdTaxpayer, InstructionAndStatement("poz.51", "poz.1015"), 0, 45, 76},
};

// Today as the documents write dates, "YYYY-MM-DD".
std::string Today() {
    const std::time_t now = std::time(nullptr);
    std::tm today{};
    localtime_r(&now, &today);
    char text[11];
    std::strftime(text, sizeof text, "%Y-%m-%d", &today);
    return text;
}

class Vat7EarlierScript : public TlxhostDemoTest {};

TEST_F(Vat7EarlierScript, EachVariantIsCalculatedAndWrittenAsItsDocument) {
    for (const Variant& v : kVariants) {
        SCOPED_TRACE(v.header);
        const std::string file = Path("VAT7-" + std::to_string(v.wersja) + "-" + std::to_string(v.okres) +
                                      (v.vat7d ? "D" : "") + ".xml");
        const std::string other = std::to_string(v.other), tax = std::to_string(v.other + 1);
        ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                            "d.TypDeklar = 1; d.Wersja = " + std::to_string(v.wersja) + "; d.Okres = " +
                            std::to_string(v.okres) + "; d.VAT7D = " + std::to_string(v.vat7d) + ";\n"
                            "d.Rok = " + std::to_string(v.rok) + "; d.Miesiac = " + std::to_string(v.miesiac) + ";\n"
                            "d.P_1 = '5260250274'; d.P_6 = '1471'; d.P_8 = 1; d.PelnaNazwa = 'Przykładowa Spółka z o.o.';\n"
                            "d.P_19 = 125000.40; d.P_20 = 28750.09; d.P_" + other + " = 50000; d.P_" + tax + " = 11500.49;\n"
                            "d.Policz();\n"
                            "d.Verify();\n"
                            "print(d.Opis, d.KwotaCalkowita, d.P_20, d.Wartosc('P_" + std::to_string(v.pay) + "'));\n"
                            "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                            "e.Login = Session.Login;\n"
                            "e.ZapiszXml(d, '', '" + file + "');\n"),
                  0)
            << err_ << out_;
        const std::string opis = v.okres == 1 ? "VAT-7 za " + std::string(v.miesiac < 10 ? "0" : "") +
                                                    std::to_string(v.miesiac) + "/" + std::to_string(v.rok)
                                              : std::string(v.vat7d ? "VAT-7D" : "VAT-7K") + " za " +
                                                    std::to_string(v.miesiac / 3) + " kwartał " + std::to_string(v.rok);
        EXPECT_EQ(out_, opis + " 17250 28750 17250\n");
        const std::string document = Read(file);
        EXPECT_NE(document.find(std::string("<Deklaracja xmlns=\"") + v.namespaceUri + "\" xmlns:etd=\"" + v.etd +
                                "\">"),
                  std::string::npos)
            << document;
        EXPECT_NE(document.find(v.header), std::string::npos) << document;
        EXPECT_NE(document.find(v.period), std::string::npos) << document;
        EXPECT_NE(document.find(v.taxpayer), std::string::npos) << document;
        EXPECT_NE(document.find("</PozycjeSzczegolowe>" + v.closing + "</Deklaracja>"), std::string::npos)
            << document;
        EXPECT_NE(document.find("<P_" + other + ">50000</P_" + other + "><P_" + tax + ">11500</P_" + tax + ">"),
                  std::string::npos)
            << document;
        const std::string filled = "P_" + std::to_string(v.filled);
        EXPECT_NE(document.find("<" + filled + ">" + Today() + "</" + filled + ">"), std::string::npos)
            << "filled in today\n" << document;
        const std::string pay = "<P_" + std::to_string(v.pay) + ">17250</P_" + std::to_string(v.pay) + ">";
        EXPECT_NE(document.find(pay), std::string::npos) << document;
        if (v.vat7d) {
            const std::string left = "<P_" + std::to_string(v.left) + ">17250</P_" + std::to_string(v.left) + ">";
            EXPECT_NE(document.find(left), std::string::npos) << "no advances were paid\n" << document;
        }

        if (!ProjectSchemaStore::OfficialSchemasHere()) continue;
        ProjectSchemaStore store(folder_);
        ASSERT_TRUE(store.Opened());
        ASSERT_TRUE(store.Holds(v.namespaceUri)) << "the project's schema";
        const auto errors = store.Errors(document);
        EXPECT_TRUE(errors.empty()) << errors.front();
        // The schema bites: a base without its tax is not valid.
        std::string alone = document;
        alone.erase(alone.find("<P_20>28750</P_20>"), std::string("<P_20>28750</P_20>").size());
        EXPECT_FALSE(store.Errors(alone).empty());
        // A bad-debt correction lowers the input tax: below 0 it is valid, above 0 it is not.
        if (v.badDebt) {
            const std::string at = "<P_" + std::to_string(v.input) + ">";
            auto correction = [&](const std::string& amount) {
                std::string corrected = document;
                const std::string p = "P_" + std::to_string(v.badDebt);
                corrected.insert(corrected.find(at), "<" + p + ">" + amount + "</" + p + ">");
                return corrected;
            };
            const auto below = store.Errors(correction("-230"));
            EXPECT_TRUE(below.empty()) << below.front();
            EXPECT_FALSE(store.Errors(correction("230")).empty());
        }
        // Nor is the taxpayer in the other namespace, nor a closing statement missing.
        if (v.taxpayer == kOwnTaxpayer) {
            std::string etd = document;
            for (const char* name : {"OsobaNiefizyczna>", "NIP>", "PelnaNazwa>", "REGON>"}) {
                for (const std::string tag : {"<", "</"})
                    for (auto at = etd.find(tag + name); at != std::string::npos; at = etd.find(tag + name, at + 1))
                        etd.replace(at, tag.size(), tag + "etd:");
            }
            ASSERT_NE(etd.find("<etd:OsobaNiefizyczna><etd:NIP>"), std::string::npos) << etd;
            EXPECT_FALSE(store.Errors(etd).empty()) << "the taxpayer in the etd types";
            std::string closing = document;
            const auto second = closing.find("<Pouczenie2>");
            closing.erase(second, closing.find("</Deklaracja>") - second);
            EXPECT_FALSE(store.Errors(closing).empty()) << "no second statement";
        }
    }
}

// Every stored field of each earlier version keeps what a script writes into it; a period outside the
// version's months is refused before anything is calculated. The VAT-7 (17) and its quarterly forms take
// over from the August 2016 period, the (16) ends with July; the (15) and its quarterly forms, which the (16)
// replaced from January 2016, may still serve up to June 2016, the second quarter.
TEST_F(Vat7EarlierScript, FieldsKeepTheirValuesAndOtherPeriodsAreRefused) {
    // Each version: its year and month, its last amount; the boxes and choices follow it, then the phone.
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var wersje = [[15, 2015, 7, 58], [16, 2016, 1, 59]];\n"
                        "function wartosc(n, ostatnia) { return (n <= ostatnia) ? n * 100 : 1; }\n"
                        "for (var w = 0; w < wersje.length; w++) {\n"
                        "    var d = deklaracje.AddNew();\n"
                        "    d.TypDeklar = 1; d.Wersja = wersje[w][0]; d.Rok = wersje[w][1]; d.Miesiac = wersje[w][2];\n"
                        "    var zle = [];\n"
                        "    for (var n = 10; n <= wersje[w][3] + 9; n++) {\n"
                        "        d.Wartosc('P_' + n) = wartosc(n, wersje[w][3]);\n"
                        "        if (d.Wartosc('P_' + n) != wartosc(n, wersje[w][3])) zle.push(n);\n"
                        "    }\n"
                        "    d.Wartosc('P_' + (wersje[w][3] + 13)) = '501 501 501';\n"
                        "    d.Zaliczki = 300; d.KwotaZaliczenia = 200; d.ZaliczenieNadplaty = 1; d.WniosekOZaliczenie = 1;\n"
                        "    print(wersje[w][0], zle.join(','), d.Wartosc('P_' + (wersje[w][3] + 13)), d.Zaliczki,\n"
                        "          d.KwotaZaliczenia, d.ZaliczenieNadplaty, d.WniosekOZaliczenie);\n"
                        "}\n"
                        "function policz(wersja, rok, miesiac, okres) {\n"
                        "    var d = deklaracje.AddNew();\n"
                        "    d.TypDeklar = 1; d.Wersja = wersja; d.Okres = okres; d.Rok = rok; d.Miesiac = miesiac;\n"
                        "    try { d.Policz(); print(wersja, miesiac + '/' + rok, 'policzono'); }\n"
                        "    catch (e) { print(wersja, miesiac + '/' + rok, e.description); }\n"
                        "}\n"
                        "policz(17, 2016, 9, 1); policz(17, 2016, 8, 1); policz(17, 2016, 9, 2);\n"
                        "policz(16, 2016, 9, 1); policz(16, 2016, 7, 1); policz(16, 2016, 9, 2); policz(16, 2016, 6, 2);\n"
                        "policz(17, 2016, 7, 1); policz(15, 2015, 6, 1);\n"
                        "policz(15, 2016, 1, 1); policz(15, 2016, 6, 1); policz(15, 2016, 6, 2); policz(15, 2016, 7, 1);\n"
                        "policz(15, 2016, 9, 2);\n"),
              0)
        << err_ << out_;
    const std::string refused16 =
        "Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.01.2016 do 01.07.2016.\n";
    const std::string refused15 =
        "Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.07.2015 do 01.06.2016.\n";
    EXPECT_EQ(out_,
              "15  501 501 501 300 200 1 1\n"
              "16  501 501 501 300 200 1 1\n"
              "17 9/2016 policzono\n"
              "17 8/2016 policzono\n"
              "17 9/2016 policzono\n"
              "16 9/2016 " + refused16 +
              "16 7/2016 policzono\n"
              "16 9/2016 " + refused16 +
              "16 6/2016 policzono\n"
              "17 7/2016 Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.08.2016.\n"
              "15 6/2015 " + refused15 +
              "15 1/2016 policzono\n"
              "15 6/2016 policzono\n"
              "15 6/2016 policzono\n"
              "15 7/2016 " + refused15 +
              "15 9/2016 " + refused15);
}

}  // namespace
