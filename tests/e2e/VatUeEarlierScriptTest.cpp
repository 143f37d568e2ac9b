// The demo company's VAT-UE of earlier periods in the variants of their time (tests/e2e/scripts/
// vatue-wczesniejsze.js), each with a VAT-UE/A of two supplies (DE 15 000.40, FR 2 500.50 triangular), the
// VAT-UE(2) also with a VAT-UE/C of one service (AT 7 000), the amounts shown in whole złoty: 15 000, 2 501
// and 7 000. VAT-UE(1) is quarterly and its documents carry no namespace; it has no services, so a VAT-UE/C
// attached to it is refused, naming the attachment, and nothing is written. VAT-UE(2) is monthly or
// quarterly, without a namespace up to June 2011 and in the namespace of its later schema from July 2011,
// where the groups follow it. Both close with an empty statement. Each document is checked against the
// project's schema of its variant. The VAT-UE are numbered on over the periods, as every form is.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr char kNamespace2[] = "http://crd.gov.pl/wzor/2011/10/25/690/";
const std::string kSupplies =
    "<PozycjeSzczegolowe><Grupa1><P_Da>DE</P_Da><P_Db>123456789</P_Db><P_Dc>15000</P_Dc><P_Dd>1</P_Dd></Grupa1>"
    "<Grupa1><P_Da>FR</P_Da><P_Db>12345678901</P_Db><P_Dc>2501</P_Dc><P_Dd>2</P_Dd></Grupa1>";
const std::string kService = "<Grupa3><P_Ua>AT</P_Ua><P_Ub>U12345678</P_Ub><P_Uc>7000</P_Uc></Grupa3>";
const std::string kClosing = "</PozycjeSzczegolowe><Pouczenie/></Deklaracja>";
const std::string kTaxpayer =
    "<Podmiot1 rola=\"Podatnik\"><OsobaNiefizyczna><NIP>5260250274</NIP><PelnaNazwa>Przykładowa Spółka z o.o."
    "</PelnaNazwa><REGON>012345675</REGON></OsobaNiefizyczna></Podmiot1>";

class VatUeEarlierScript : public TlxhostDemoTest {
protected:
    // The document is valid against the project's schema file `schema`, and `broken` of it is not.
    void ExpectValid(const std::string& schema, const std::string& document, const std::string& broken) {
        ProjectSchemaStore store(folder_);
        ASSERT_TRUE(store.Opened());
        const auto path = std::filesystem::path(std::getenv("TLX_SOURCE_DIR")) / "schemas" / schema;
        const std::vector<std::string> errors = store.ErrorsAgainst(document, path);
        EXPECT_TRUE(errors.empty()) << errors.front() << "\n" << document;
        EXPECT_FALSE(store.ErrorsAgainst(broken, path).empty()) << broken;
    }
    static std::string Replaced(std::string text, const std::string& what, const std::string& with) {
        const std::size_t at = text.find(what);
        EXPECT_NE(at, std::string::npos) << what;
        if (at != std::string::npos) text.replace(at, what.size(), with);
        return text;
    }
    static std::string After(const std::string& text, const std::string& from) {
        const std::size_t at = text.find(from);
        if (at == std::string::npos) return "(" + from + " missing)";
        return text.substr(at, text.find_last_not_of("\r\n") + 1 - at);
    }
};

TEST_F(VatUeEarlierScript, EachPeriodIsWrittenInTheVariantOfItsTime) {
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official schemas are not here";
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/vatue-wczesniejsze.js")), 0)
        << err_ << out_;
    EXPECT_EQ(out_,
              "VAT-UE za 4 kw. 2009 nr 1, przekształcenie 11/1, adres: Warszawa; VAT-UE_1_2009_12.xml\n"
              "VAT-UE za 3 kw. 2009 nr 2: Deklaracja nie została wyeksportowana z powodu błędów. Informacja VAT-UE(1) "
              "nie obejmuje świadczenia usług: załącznika VAT-UE/C nr 1 nie można do niej dołączyć. [-2147467259]\n"
              "VAT-UE za 2 kw. 2011 nr 3, przekształcenie 11/2, adres: Warszawa; VAT-UE_2_2011_6.xml\n"
              "VAT-UE za 03/2012 nr 4, przekształcenie 11/2, adres: Warszawa; VAT-UE_2_2012_3.xml\n"
              "VAT-UE(1) 2010/1: Błąd wyliczania deklaracji. Formularz deklaracji obowiązuje za okres od 01.01.2007 do "
              "01.12.2009.\n");

    struct Case {
        const char* file;
        const char* schema;
        std::string header;  // from the root to the taxpayer
        const char* broken;  // a header element the variant does not have, in its place
        std::string groups;  // the groups of its attachments
    };
    const Case cases[] = {
        {"VAT-UE_1_2009_12.xml", "VAT-UE_1/VAT-UE_1.project.xsd",
         "<Deklaracja><Naglowek><KodFormularza kodSystemowy=\"VAT-UE(1)\">VAT-UE</KodFormularza><WariantFormularza>1"
         "</WariantFormularza><Rok>2009</Rok><CelZlozenia>1</CelZlozenia><Kwartal>4</Kwartal><KodUrzedu>1471"
         "</KodUrzedu></Naglowek>",
         "<Miesiac>12</Miesiac>", kSupplies},
        {"VAT-UE_2_2011_6.xml", "VAT-UE_2/VAT-UE_2.project.xsd",
         "<Deklaracja><Naglowek><KodFormularza kodSystemowy=\"VAT-UE (2)\">VAT-UE</KodFormularza><WariantFormularza>2"
         "</WariantFormularza><Rok>2011</Rok><Kwartal>2</Kwartal><CelZlozenia>1</CelZlozenia><KodUrzedu>1471"
         "</KodUrzedu></Naglowek>",
         "<Kwartal>5</Kwartal>", kSupplies + kService},
        {"VAT-UE_2_2012_3.xml", "VAT-UE_2/VAT-UE_2.690.project.xsd",
         std::string("<Deklaracja xmlns=\"") + kNamespace2 +
             "\"><Naglowek><KodFormularza kodSystemowy=\"VAT-UE (2)\">VAT-UE</KodFormularza><WariantFormularza>2"
             "</WariantFormularza><Rok>2012</Rok><Miesiac>3</Miesiac><CelZlozenia>1</CelZlozenia><KodUrzedu>1471"
             "</KodUrzedu></Naglowek>",
         "<Miesiac>13</Miesiac>", kSupplies + kService},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string document = Read(Path(c.file));
        EXPECT_EQ(After(document, "<Deklaracja"), c.header + kTaxpayer + c.groups + kClosing);
        std::string broken = document;
        const std::size_t at = broken.find("<KodUrzedu>");
        broken.insert(at, c.broken);
        ExpectValid(c.schema, document, broken);
        ExpectValid(c.schema, document, Replaced(document, "<P_Da>DE</P_Da>", "<P_Da>PL</P_Da>"));
        ExpectValid(c.schema, document, Replaced(document, "<Pouczenie/>", "<Pouczenie>1</Pouczenie>"));
    }
    EXPECT_FALSE(std::filesystem::exists(Path("VAT-UE_1_2009_9.xml"))) << "the refused document is not written";
    // The first variant's schema has no services group.
    ExpectValid("VAT-UE_1/VAT-UE_1.project.xsd", Read(Path("VAT-UE_1_2009_12.xml")),
                Replaced(Read(Path("VAT-UE_1_2009_12.xml")), "</PozycjeSzczegolowe>", kService + "</PozycjeSzczegolowe>"));
}

}  // namespace
