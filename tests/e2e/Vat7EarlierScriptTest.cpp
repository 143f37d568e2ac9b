// The VAT-7 of 2015 and 2016 on the demo company, and the VAT-7D of each version: the month's sales and
// purchases of the demo's ledger (sales at 23 % 125 000.40 with 28 750.09 tax, other purchases 50 000 with
// 11 500.49 input tax) in each version's positions, worked out by hand: 125 000 of bases, 28 750 due,
// 11 500 input tax, 17 250 to pay (with no advances paid, all of it left to pay on the VAT-7D). Each
// monthly and quarterly document is written under its variant's namespace and code and is valid against
// the variant's schema; a period outside a version's months is refused.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>

namespace {

struct Variant {
    int wersja, rok, miesiac, okres, vat7d;
    const char* namespaceUri;
    const char* header;  // the form's code and variant
    int other, pay;       // positions of the other purchases' net value and of the tax to pay
    const char* period;   // the header's period element
    int left;             // the VAT-7D's position of what is left to pay after the advances
};

const Variant kVariants[] = {
    {16, 2016, 3, 1, 0, "http://crd.gov.pl/wzor/2016/01/18/3120/",
     "<KodFormularza kodSystemowy=\"VAT-7 (16)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7</KodFormularza><WariantFormularza>16</WariantFormularza>",
     44, 52, "<Miesiac>3</Miesiac>", 0},
    {16, 2016, 6, 2, 0, "http://crd.gov.pl/wzor/2016/01/18/3119/",
     "<KodFormularza kodSystemowy=\"VAT-7K (10)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7K</KodFormularza><WariantFormularza>10</WariantFormularza>",
     44, 52, "<Kwartal>2</Kwartal>", 0},
    {16, 2016, 12, 2, 1, "http://crd.gov.pl/wzor/2016/01/19/3122/",
     "<KodFormularza kodSystemowy=\"VAT-7D (7)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>7</WariantFormularza>",
     44, 52, "<Kwartal>4</Kwartal>", 55},
    {15, 2015, 9, 1, 0, "http://crd.gov.pl/wzor/2015/09/04/2567/",
     "<KodFormularza kodSystemowy=\"VAT-7 (15)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-1E\">"
     "VAT-7</KodFormularza><WariantFormularza>15</WariantFormularza>",
     43, 51, "<Miesiac>9</Miesiac>", 0},
    {15, 2015, 12, 2, 0, "http://crd.gov.pl/wzor/2015/07/09/2480/",
     "<KodFormularza kodSystemowy=\"VAT-7K (9)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7K</KodFormularza><WariantFormularza>9</WariantFormularza>",
     43, 51, "<Kwartal>4</Kwartal>", 0},
    {15, 2015, 9, 2, 1, "http://crd.gov.pl/wzor/2015/07/09/2482/",
     "<KodFormularza kodSystemowy=\"VAT-7D (6)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>6</WariantFormularza>",
     43, 51, "<Kwartal>3</Kwartal>", 54},
    {17, 2024, 3, 2, 1, "http://crd.gov.pl/wzor/2016/08/05/3414/",
     "<KodFormularza kodSystemowy=\"VAT-7D (8)\" kodPodatku=\"VAT\" rodzajZobowiazania=\"Z\" wersjaSchemy=\"1-0E\">"
     "VAT-7D</KodFormularza><WariantFormularza>8</WariantFormularza>",
     45, 54, "<Kwartal>1</Kwartal>", 57},
};

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
        EXPECT_NE(document.find(std::string("<Deklaracja xmlns=\"") + v.namespaceUri + "\""), std::string::npos)
            << document;
        EXPECT_NE(document.find(v.header), std::string::npos) << document;
        EXPECT_NE(document.find(v.period), std::string::npos) << document;
        EXPECT_NE(document.find("<P_" + other + ">50000</P_" + other + "><P_" + tax + ">11500</P_" + tax + ">"),
                  std::string::npos)
            << document;
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
    }
}

// Every stored field of each earlier version keeps what a script writes into it; a period outside the
// version's months is refused before anything is calculated.
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
                        "var d = deklaracje.AddNew();\n"
                        "d.TypDeklar = 1; d.Wersja = 16; d.Rok = 2017; d.Miesiac = 1;\n"
                        "try { d.Policz(); print('policzono'); } catch (e) { print(e.description); }\n"
                        "d = deklaracje.AddNew();\n"
                        "d.TypDeklar = 1; d.Wersja = 15; d.Rok = 2015; d.Miesiac = 6;\n"
                        "try { d.Policz(); print('policzono'); } catch (e) { print(e.description); }\n"),
              0)
        << err_ << out_;
    EXPECT_EQ(out_,
              "15  501 501 501 300 200 1 1\n"
              "16  501 501 501 300 200 1 1\n"
              "Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.01.2016 do 01.12.2016.\n"
              "Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.07.2015 do 01.12.2015.\n");
}

}  // namespace
